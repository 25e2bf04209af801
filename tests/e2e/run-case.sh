#!/usr/bin/env bash
# Runs one end-to-end case through kelvhost in a fresh folder holding copies of
# kelvhost and the plug-in (the preference file lives beside the host), and
# compares every response with the expected one, byte for byte.
#
# A case file is JSON Lines requests, each followed by its expected response
# on a line that starts with "=> ", written without its "line" member: the
# runner puts in the line of the request above it. Lines starting with "#"
# are comments; "#! --manual" runs the session without its automatic Init
# and Shutdown. Expectations and comments are blanked before kelvhost reads
# the file, so the line numbers are those of the case file.
#
#   run-case.sh CASE BIN_DIR HOST_FILE PLUGIN_FILE [EMULATOR...]
set -euo pipefail
case_file=$1 bin_dir=$2 host_file=$3 plugin_file=$4
shift 4
emulator=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin_dir/$host_file" "$bin_dir/$plugin_file" "$work/"

sed -e 's/^=>.*$//' -e 's/^#.*$//' "$case_file" > "$work/requests.jsonl"
awk '/^=> \{/ { sub(/^=> \{/, "{\"line\":" request ","); print; next }
     /^=>/ || /^#/ || /^[[:space:]]*$/ { next }
     { request = NR }' "$case_file" > "$work/expected.jsonl"

# A line "#! --manual" asks for a session without the automatic Init and Shutdown.
options=()
grep -q '^#! --manual' "$case_file" && options+=(--manual)

status=0
(cd "$work" && "${emulator[@]}" "./$host_file" "${options[@]}" run requests.jsonl > actual.jsonl 2> stderr.txt) || status=$?

# An expectation may give "result_length" instead of "result" for a long
# result: the actual result is then replaced by its length in bytes.
awk 'NR == FNR { if ($0 ~ /"result_length":/) { split($0, f, /[:,]/); want[f[2]] = 1 } next }
     {
       split($0, f, /[:,]/)
       start = index($0, "\"result\":\"")
       if (!(f[2] in want) || start == 0) { print; next }
       i = start + 10; n = 0
       while (substr($0, i, 1) != "\"") {
         c = substr($0, i, 1)
         i += (c != "\\") ? 1 : (substr($0, i + 1, 1) == "u" ? 6 : 2)
         n++
       }
       print substr($0, 1, start - 1) "\"result_length\":" n substr($0, i + 1)
     }' "$work/expected.jsonl" "$work/actual.jsonl" > "$work/compared.jsonl"
mv "$work/compared.jsonl" "$work/actual.jsonl"

expected_status=0
grep -q '"error":' "$work/expected.jsonl" && expected_status=2
if ! diff -u "$work/expected.jsonl" "$work/actual.jsonl"; then
  echo "--- kelvhost's standard error:"; cat "$work/stderr.txt"
  exit 1
fi
if [ "$status" != "$expected_status" ]; then
  echo "kelvhost exited $status, expected $expected_status"; cat "$work/stderr.txt"
  exit 1
fi
echo "$(grep -c . "$work/expected.jsonl") responses as expected"
