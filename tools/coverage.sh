#!/usr/bin/env bash
# Line and branch coverage of the plug-in's own code (everything outside the
# platform stand-ins, kelvhost and the tests) over the whole native suite:
# unit tests, end-to-end sessions and fuzz replays.
#
#   coverage.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
profiles=$build/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
LLVM_PROFILE_FILE="$profiles/%p-%m.profraw" ctest --test-dir "$build" -j2 >"$build/coverage-tests.log" 2>&1 ||
  { tail -20 "$build/coverage-tests.log"; echo "coverage: the suite failed"; exit 1; }
llvm-profdata merge -sparse "$profiles"/*.profraw -o "$build/merged.profdata"

objects=("$build/bin/KELVDATE.so")
for program in "$build"/bin/unit_tests "$build"/bin/replay_*; do objects+=(-object "$program"); done
ignore='(^|/)(platform|tools|tests|fuzz|bench|usr)/'
llvm-cov report -instr-profile="$build/merged.profdata" "${objects[@]}" -ignore-filename-regex="$ignore" \
  -show-region-summary=false -show-branch-summary=true > "$build/coverage.txt"
cat "$build/coverage.txt"
echo
# Files whose branch coverage is below 85%.
awk -v top="$(cd "$(dirname "$0")/.." && pwd)/" '
  $1 != "TOTAL" && $NF ~ /%$/ && NF >= 10 { b = $NF; sub(/%/, "", b); if (b + 0 < 85) { f = $1; sub(top, "", f); print "below 85% of branches: " f " (" $NF ")" } }
' "$build/coverage.txt"
llvm-cov show -instr-profile="$build/merged.profdata" "${objects[@]}" -ignore-filename-regex="$ignore" \
  -show-branches=count -format=html -output-dir="$build/coverage-html" >/dev/null
echo "line by line: $build/coverage-html/index.html"
