#!/usr/bin/env bash
# Runs one end-to-end case through kelvhost in a fresh folder holding copies of
# kelvhost and the plug-in (the preference file lives beside the host), and
# compares every response with the expected one, byte for byte.
#
# A case file is JSON Lines requests, each followed by its expected response
# on a line that starts with "=> ", written without its "line" member: the
# runner puts in the line of the request above it. An expectation may give
# "result_length" instead of "result" for a long result. Lines starting with
# "#" are comments, except these directives:
#   #! --manual        the session has no automatic Init and Shutdown
#   #! native only     skipped (exit 77) when run through an emulator
# With KELV_NO_DIALOG set (the web build, which offers no preferences dialog)
# a case that expects the dialog to open is skipped (exit 77) as well.
#   #! user nobody     kelvhost runs as an unprivileged user
#   #! setup CMD       runs in the session's folder before kelvhost starts
#   #! shell CMD       runs there between two requests
#   #! after CMD       runs there once kelvhost has ended
# CMD may use the helpers below: bytes, default_prefs, expect_file, host.
# Comments and expectations reach kelvhost as blank lines, so the "line" of
# each response is the line of its request in the case file.
#
# A case run as "nobody" under Wine sets its own prefix to the Windows
# version KELV_WINE_VERSION names, when set (run-cases-as-windows.sh).
#
#   run-case.sh CASE BIN_DIR HOST_FILE PLUGIN_FILE [EMULATOR...]
set -uo pipefail
case_file=$(realpath "$1") bin_dir=$2 host_file=$3 plugin_file=$4
shift 4
emulator=("$@")

if grep -q '^#! native only' "$case_file" && [ ${#emulator[@]} -gt 0 ]; then
  echo "native only: skipped"
  exit 77
fi

if [ -n "${KELV_NO_DIALOG:-}" ] && grep -q '^=> .*"dialog":{' "$case_file"; then
  echo "opens the preferences dialog, which this build does not offer: skipped"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin_dir/$host_file" "$bin_dir/$plugin_file" "$work/"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# bytes TOKEN...: hex digits ("06000000"), text:..., zeros:N, to standard output.
bytes() {
  local token
  for token in "$@"; do
    case "$token" in
      zeros:*) head -c "${token#zeros:}" /dev/zero ;;
      text:*) printf '%s' "${token#text:}" ;;
      *)
        [[ "$token" =~ ^([0-9A-Fa-f]{2})+$ ]] || { echo "bad byte token: $token" >&2; return 1; }
        printf "$(sed 's/../\\x&/g' <<<"$token")" ;;
    esac
  done
}
# The 280 bytes of a preference file written with the defaults.
default_prefs() {
  bytes 06000000 0D000000 3A 2F 0000 01000000 01000000 01 01 00 \
        "text:The date range specified is too large." 0A \
        "text:Specify a smaller date range and try again." 00 zeros:174
}
# expect_file NAME CMD...: the file holds exactly the bytes CMD writes.
expect_file() {
  local name=$1
  shift
  "$@" > "$work/.expected-bytes" || return 1
  if ! cmp -s "$name" "$work/.expected-bytes"; then
    echo "$name differs from the expected bytes:"
    diff <(od -A d -t x1 "$work/.expected-bytes") <(od -A d -t x1 "$name" 2>&1) | head -20
    return 1
  fi
}
# host ARGS...: kelvhost of this session, as a second session would start it.
host() { "${run_as[@]}" "${emulator[@]}" "./$host_file" "$@" 2>/dev/null; }
run_here() { (cd "$work" && eval "$1") || fail "directive failed: $1"; }

options=()
grep -q '^#! --manual' "$case_file" && options+=(--manual)
run_as=()
if grep -q '^#! user nobody' "$case_file"; then
  chmod 0777 "$work"
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  if [ ${#emulator[@]} -gt 0 ]; then
    # Wine wants a prefix of the user's own, in a folder that user can reach
    # wherever the checkout lies: a temporary one, gone with the case.
    prefix=$work/wineprefix-nobody
    mkdir "$prefix"
    chown nobody:nogroup "$prefix"
    export WINEPREFIX=$prefix HOME=$prefix
    "${run_as[@]}" wineboot --init >/dev/null 2>&1 || true
    "${run_as[@]}" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    # The Windows that run-cases-as-windows.sh has Wine pretend to be.
    if [ -n "${KELV_WINE_VERSION:-}" ]; then
      "${run_as[@]}" wine reg add 'HKCU\Software\Wine' /v Version /d "$KELV_WINE_VERSION" /f >/dev/null 2>&1
    fi
    "${run_as[@]}" wineserver -w
    trap '"${run_as[@]}" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
  fi
fi

while IFS= read -r line; do
  case "$line" in '#! setup '*) run_here "${line#\#! setup }" ;; esac
done < "$case_file"

awk '/^=> \{/ { sub(/^=> \{/, "{\"line\":" request ","); print; next }
     /^=>/ || /^#/ || /^[[:space:]]*$/ { next }
     { request = NR }' "$case_file" > "$work/expected.jsonl"

coproc HOST { cd "$work" && exec "${run_as[@]}" "${emulator[@]}" "./$host_file" "${options[@]}" run 2> "$work/stderr.txt"; }
host_pid=$HOST_PID
to_host=${HOST[1]} from_host=${HOST[0]}
: > "$work/actual.jsonl"
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    '#! shell '*) run_here "${line#\#! shell }"; printf '\n' >&"$to_host" ;;
    '#'* | '=>'* | '') printf '\n' >&"$to_host" ;;
    *)
      printf '%s\n' "$line" >&"$to_host"
      if IFS= read -r -t 60 response <&"$from_host"; then
        printf '%s\n' "$response" >> "$work/actual.jsonl"
      else
        fail "no response to: $line"
        break
      fi ;;
  esac
done < "$case_file"
eval "exec ${to_host}>&-"  # end of input: the session shuts down
wait "$host_pid"
status=$?

while IFS= read -r line; do
  case "$line" in '#! after '*) run_here "${line#\#! after }" ;; esac
done < "$case_file"

# Long results compare by their length in bytes.
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

diff -u "$work/expected.jsonl" "$work/compared.jsonl" || fail "responses differ"
expected_status=0
grep -q '"error":' "$work/expected.jsonl" && expected_status=2
[ "$status" == "$expected_status" ] || fail "kelvhost exited $status, expected $expected_status"
if [ "$failures" -ne 0 ]; then
  echo "--- kelvhost's standard error:"
  cat "$work/stderr.txt"
  exit 1
fi
echo "$(grep -c . "$work/expected.jsonl") responses as expected"
