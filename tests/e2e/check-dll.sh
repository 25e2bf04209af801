#!/usr/bin/env bash
# KELVDATE.FMX is the whole installation: a 32-bit Intel DLL whose only export
# is FMExternCallProc and which imports from Windows system DLLs only.
#   check-dll.sh PATH/KELVDATE.FMX
set -uo pipefail
dll=$1
failures=0
check() { if [ "$2" == "$3" ]; then echo "ok   $1"; else echo "FAIL $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi; }

check "a PE32 DLL for Intel 80386" 1 "$(file "$dll" | grep -c 'PE32 executable (DLL).*Intel 80386')"
dump=$(i686-w64-mingw32-objdump -p "$dll")
exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ { on = 1; next } on && /^\t\[/ { print $NF } on && !/^\t\[/ { on = 0 }' <<<"$dump")
check "the one export" "FMExternCallProc" "$exports"
imports=$(grep 'DLL Name:' <<<"$dump" | awk '{ print toupper($3) }' | sort | tr '\n' ' ')
unexpected=$(tr ' ' '\n' <<<"$imports" | grep -v -E '^(KERNEL32|USER32|SHELL32|MSVCRT|OLE32|ADVAPI32|GDI32)\.DLL$' | grep -c .)
check "imports from system DLLs only ($imports)" 0 "$unexpected"
echo "$failures failed"
[ "$failures" -eq 0 ]
