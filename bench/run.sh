#!/usr/bin/env bash
# make bench: the Google Benchmark table, then instruction counts from
# callgrind (stable on a noisy machine) for one Kelv-DiffDays call and per
# output byte of every list function.
#   run.sh BUILD_DIR
set -euo pipefail
build=$1
table=$(mktemp)
trap 'rm -f "$table"' EXIT
"$build/bin/kelv_bench" --benchmark_counters_tabular=true | tee "$table"

# Time of one benchmark in nanoseconds, from the table.
ns() {
  awk -v name="$1" 'index($0, name " ") == 1 { split(substr($0, length(name) + 1), f, " "); t = f[1]; u = f[2]
    if (u == "us") t *= 1000; else if (u == "ms") t *= 1000000; else if (u == "s") t *= 1e9
    print t }' "$table"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
days=$(ns "BM_LargestList/DateList (days)")
ours=$(ratio "$(ns BM_DayNumbers_Ours)" "$(ns BM_DayNumbers_NeriSchneider)")
snprintf=$(ratio "$(ns BM_Anchor_SnprintfDayList)" "$days")
memcpy=$(ratio "$days" "$(ns BM_Anchor_Memcpy64K)")
at_least() { awk -v v="$1" -v b="$2" 'BEGIN { print (v + 0 >= b + 0) ? "met" : "MISSED" }'; }
at_most() { awk -v v="$1" -v b="$2" 'BEGIN { print (v + 0 <= b + 0) ? "met" : "MISSED" }'; }
echo
echo "Against the anchors (targets in brackets)"
echo "  day numbers, ours / Neri-Schneider:           ${ours}x  [at most 2x: $(at_most "$ours" 2)]"
echo "  largest day list, snprintf builder / ours:    ${snprintf}x  [at least 10x: $(at_least "$snprintf" 10)]"
echo "  largest day list, ours / memcpy of 64 KiB:    ${memcpy}x  [at most 15x: $(at_most "$memcpy" 15)]"

# Instructions inside FMExternCallProc, services included.
total() {  # total DRIVER-ARGUMENTS... -> "instructions bytes"
  local out bytes sum
  out=$(mktemp)
  bytes=$(valgrind --tool=callgrind --toggle-collect=FMExternCallProc --callgrind-out-file="$out" \
            "$build/bin/callgrind-driver" "$@" 2>/dev/null)
  sum=$(callgrind_annotate "$out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
  rm -f "$out"
  echo "$sum $bytes"
}
# Per call in the steady state: a run of 1 + CALLS calls less a run of one,
# so the start-up (the host's Init, the loader binding symbols on their
# first use) is not shared out over the calls.
count() {  # count DRIVER-ARGUMENTS-BUT-THE-COUNT... CALLS -> "instructions-per-call bytes"
  local calls=${*: -1} one many bytes
  set -- "${@:1:$(($# - 1))}"
  read -r one bytes <<<"$(total "$@" 1)"
  read -r many bytes <<<"$(total "$@" $((calls + 1)))"
  echo "$(( (many - one) / calls )) $bytes"
}

verdict() { at_most "$@"; }
perbyte() { awk -v i="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", i / b; else print "-" }'; }

echo
echo "Instructions per call (callgrind, inside FMExternCallProc)"
printf '%-44s %12s %8s %9s  %s\n' "call" "instructions" "bytes" "per byte" "target"
read -r ins bytes <<<"$(count diffdays 1000)"
printf '%-44s %12s %8s %9s  %s\n' "Kelv-DiffDays 1/1/2001|1/3/2001" "$ins" "$bytes" "" \
  "under 1200 instructions: $(verdict "$ins" 1199)"
"$build/bin/callgrind-driver" lists | while read -r kind index label; do
  read -r ins bytes <<<"$(count "$kind" "$index" 3)"
  case $kind in
    largest) target="at most 8 per byte: $(verdict "$(perbyte "$ins" "$bytes")" 8)" ;;
    single) target="fixed cost under 3000: $(verdict "$ins" 2999)" ;;
    *) target="" ;;
  esac
  printf '%-44s %12s %8s %9s  %s\n' "$label ($kind)" "$ins" "$bytes" "$(perbyte "$ins" "$bytes")" "$target"
done
