#!/usr/bin/env bash
# make test's builds and suites, side by side: each build is configured,
# built and tested in a job of its own, LANES jobs at a time, its output in
# build/logs/BUILD.log. One build's compile seldom keeps both cores busy
# (the Windows build's unit tests are a sub-build of their own, and a suite
# waits on Wine and on its child processes), so a second job fills the gaps.
#
#   test-every-build.sh BUILD...    e.g. win32 native asan asan32 web
#
# A line is printed as each build and each suite ends, with its time; a
# failed job's log is shown in full at the end. Answers 1 when any failed.
set -uo pipefail
cd "$(dirname "$0")/.."
lanes=${KELV_TEST_LANES:-2}
logs=build/logs
mkdir -p "$logs"
start=$(date +%s)
elapsed() { echo "$(( $(date +%s) - start ))"; }

# One build's job: build, then its suite; the steps' times go into its
# .times file for the summary.
run_job() {
  local build=$1 log="$logs/$1.log" times="$logs/$1.times" t0 t1
  : > "$times"
  t0=$(date +%s)
  if ! make --no-print-directory "build-$build" > "$log" 2>&1; then
    echo "build FAILED $(( $(date +%s) - t0 ))" >> "$times"
    echo "  $(elapsed) s  $build: build FAILED (log: $log)"
    return 1
  fi
  t1=$(date +%s)
  echo "build ok $(( t1 - t0 ))" >> "$times"
  echo "  $(elapsed) s  $build: built in $(( t1 - t0 )) s, its tests started"
  if ! make --no-print-directory "test-$build" >> "$log" 2>&1; then
    echo "tests FAILED $(( $(date +%s) - t1 ))" >> "$times"
    echo "  $(elapsed) s  $build: tests FAILED (log: $log)"
    return 1
  fi
  echo "tests ok $(( $(date +%s) - t1 ))" >> "$times"
  echo "  $(elapsed) s  $build: $(grep -E '^[0-9]+% tests passed' "$log" | tail -1) in $(( $(date +%s) - t1 )) s"
}

# The deps step ran once before this script; the jobs' own makes skip it.
export KELV_DEPS_CHECKED=1
echo "Building and testing ${*} (${lanes} at a time; logs in $logs/)"
running=0
for build in "$@"; do
  while [ "$running" -ge "$lanes" ]; do
    wait -n
    running=$((running - 1))
  done
  run_job "$build" &
  running=$((running + 1))
done

wait
# A job has passed when its times file says its tests passed.
failed=()
for build in "$@"; do
  grep -q '^tests ok' "$logs/$build.times" || failed+=("$build")
done

echo
printf '%-8s %10s %10s  %s\n' build "build (s)" "tests (s)" result
for build in "$@"; do
  read -r _ b_result b_time < <(grep '^build' "$logs/$build.times")
  read -r _ t_result t_time < <(grep '^tests' "$logs/$build.times" || echo "tests - -")
  result=ok
  [ "$b_result" == ok ] || result="build $b_result"
  [ "$b_result" != ok ] || [ "$t_result" == ok ] || result="tests $t_result"
  printf '%-8s %10s %10s  %s\n' "$build" "$b_time" "$t_time" "$result"
done
echo "every build and suite: $(elapsed) s"

for build in "${failed[@]}"; do
  echo
  echo "===== $build: $logs/$build.log ====="
  cat "$logs/$build.log"
done
[ "${#failed[@]}" -eq 0 ]
