#!/usr/bin/env bash
# A short tour of the plug-in through kelvhost, on the native build and on the
# Windows build under Wine: its name, version and functions, then a few calls.
set -euo pipefail
cd "$(dirname "$0")/.."

tour() {
  local title=$1; shift
  local host=("$@")
  echo "=============================================================="
  echo " $title"
  echo "=============================================================="
  "${host[@]}" info
  echo
  echo "A few calls (function, parameter => result):"
  local calls=(
    "Kelv-DiffDays" "1/1/2001|1/3/2001"
    "Kelv-DiffDaysString" "Total: |1/1/2001|8:00|1/3/2001|17:30| hrs"
    "Kelv-DiffTimeString" "1/1/2001|0:00|1/2/2001|2:03:04.05"
    "Kelv-DiffMilliSeconds" "1/1/2001|1/31/2001"
    "Kelv-FormatDate" "3/5/2001"
    "Kelv-FormatTime" "14:05:33"
    "Kelv-TimeStamp (full)" ""
    "Kelv-DateList (MonthNames/Years)" "11/1/2001|2/1/2002"
    "Kelv-ListNumbers" "start=1|end=3|inc=1|zeropad=3|pre=A-"
    "Kelv-Version#" ""
  )
  local i result
  for ((i = 0; i < ${#calls[@]}; i += 2)); do
    result=$("${host[@]}" --raw call "${calls[i]}" "${calls[i+1]}" | tr '\r' '/' ) || true
    printf '  %-34s %-45s => %s\n' "${calls[i]}" "\"${calls[i+1]}\"" "$result"
  done
  echo "  (list items are shown separated by /)"
  echo
  echo "The preferences dialog, opened and cancelled through a session:"
  echo '{"event": "preferences"}' | "${host[@]}" run | sed 's/^/  /'
  echo
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/native" "$work/win32"
cp build/native/bin/kelvhost build/native/bin/KELVDATE.so "$work/native/"
cp build/win32/bin/kelvhost.exe build/win32/bin/KELVDATE.FMX "$work/win32/"

tour "Native build: $work/native/kelvhost" "$work/native/kelvhost"
bash tests/e2e/prepare-wine.sh
tour "Windows build under Wine: KELVDATE.FMX" wine "$work/win32/kelvhost.exe"
