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

# The plug-in and the unit tests hold every function of the plug-in's code,
# each built once into the static core that every program links, so the
# replays' counts (merged above by name and hash) land on the same records.
# The replays themselves are not read for their mappings: each holds dummy
# records of header functions it never calls, which llvm-cov takes for
# records whose data do not match.
objects=("$build/bin/KELVDATE.so" -object "$build/bin/unit_tests")
ignore='(^|/)(platform|tools|tests|fuzz|bench|usr)/'
llvm-cov report -instr-profile="$build/merged.profdata" "${objects[@]}" -ignore-filename-regex="$ignore" \
  -show-region-summary=false -show-branch-summary=true > "$build/coverage.txt"
cat "$build/coverage.txt"
echo
llvm-cov show -instr-profile="$build/merged.profdata" "${objects[@]}" -ignore-filename-regex="$ignore" \
  -show-branches=count -format=html -output-dir="$build/coverage-html" >/dev/null
echo "line by line: $build/coverage-html/index.html"
echo
# Branches by folder, and every branch no test takes that tools/coverage-unreached.txt does not name.
llvm-cov export -format=text -instr-profile="$build/merged.profdata" "${objects[@]}" -ignore-filename-regex="$ignore" \
  > "$build/coverage.json"
python3 "$(dirname "$0")/coverage-branches.py" "$build/coverage.json" "$(cd "$(dirname "$0")/.." && pwd)"
