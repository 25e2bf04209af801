#!/usr/bin/env bash
# KELVDATE.FMX is the whole installation: a 32-bit Intel DLL whose only export
# is FMExternCallProc, that the loader of Windows 2000 takes as it is.
#
# Every function it imports is a row of IMPORTS (tests/e2e/dll-imports.tsv)
# with the oldest Windows its documentation shows; none is newer than
# Windows 2000, and the rows that say "plug-in" are exactly the functions the
# plug-in's own code calls (read from CORE_LIB, the library of that code).
# The headers say GUI, Windows 4.0; the thread-local template holds no
# variable (Windows before Vista gives none to a DLL loaded at run time); the
# version block says a 32-bit Windows DLL, version 3.0.2.0.
#
#   check-dll.sh PATH/KELVDATE.FMX IMPORTS CORE_LIB
set -uo pipefail
dll=$1 table=$2 core_lib=$3
failures=0
check() { if [ "$2" == "$3" ]; then echo "ok   $1"; else echo "FAIL $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi; }

check "a PE32 DLL for Intel 80386" 1 "$(file "$dll" | grep -c 'PE32 executable (DLL).*Intel 80386')"
dump=$(i686-w64-mingw32-objdump -p "$dll")
exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ { on = 1; next } on && /^\t\[/ { print $NF } on && !/^\t\[/ { on = 0 }' <<<"$dump")
check "the one export" "FMExternCallProc" "$exports"

# --- the import table against its floor ---------------------------------
# "DLL function" for every import, the DLL in capitals.
imports=$(awk '/DLL Name:/ { dll = toupper($3); next }
               /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ && dll != "" { print dll, $NF }
               /^ [0-9a-f]+\t/ { dll = "" }' <<<"$dump" | sort -u)
# The plug-in's own calls: what its library leaves for the DLLs to give,
# __imp__CreateFileA@28 or _memcpy, as a bare function name.
own=$(i686-w64-mingw32-nm -u "$core_lib" 2>/dev/null | awk '{ print $NF }' |
      sed -E 's/^__imp_//; s/^_//; s/@[0-9]+$//' | sort -u)
# Oldest Windows as NT version numbers: 95 and NT 4.0 are 4.0, 98 is 4.10.
version_of() {
  case "$1" in
    NT3.1) echo 310 ;; NT3.5) echo 350 ;; NT3.51) echo 351 ;; 95 | NT4.0) echo 400 ;; 98) echo 410 ;;
    Me) echo 490 ;; 2000) echo 500 ;; XP) echo 501 ;; Vista) echo 600 ;; 7) echo 601 ;; *) echo 9999 ;;
  esac
}
floor=$(version_of 2000)
# Rows: function, DLL, plug-in or start-up, the docs' minimum client, the
# oldest Windows any cited document shows (each of a list that names both
# families must be met: "98,NT4.0"), the document.
declare -A row_use row_oldest
while IFS=$'\t' read -r function from use client oldest source; do
  case "$function" in '#'* | '' | function) continue ;; esac
  row_use["${from^^} $function"]=$use
  row_oldest["${from^^} $function"]=$oldest
done < "$table"

missing=() too_new=() wrong_use=() only_2000=()
count=0
while read -r from function; do
  [ -n "$function" ] || continue
  count=$((count + 1))
  key="$from $function"
  if [ -z "${row_use[$key]+set}" ]; then missing+=("$key"); continue; fi
  newest=0
  for windows in ${row_oldest[$key]//,/ }; do
    v=$(version_of "$windows")
    [ "$v" -gt "$newest" ] && newest=$v
  done
  [ "$newest" -gt "$floor" ] && too_new+=("$key (${row_oldest[$key]})")
  use=start-up
  grep -qx -- "$function" <<<"$own" && use=plug-in
  [ "${row_use[$key]}" == "$use" ] || wrong_use+=("$key (table: ${row_use[$key]}, code: $use)")
  [ "$use" == plug-in ] && [ "$newest" -gt "$(version_of NT4.0)" ] && only_2000+=("$function")
done <<<"$imports"
stale=()
for key in "${!row_use[@]}"; do
  grep -qx -- "$key" <<<"$imports" || stale+=("$key")
done
check "every one of the $count imports is in the table (missing: ${missing[*]})" 0 "${#missing[@]}"
check "no import newer than Windows 2000 (${too_new[*]})" 0 "${#too_new[@]}"
check "the table says which imports the plug-in's own code calls (${wrong_use[*]})" 0 "${#wrong_use[@]}"
check "no row for a function the DLL does not import (${stale[*]})" 0 "${#stale[@]}"
check "no winpthreads in the DLL" 0 "$(grep -ciE 'GetTickCount64|AddVectoredExceptionHandler|pthread' <<<"$dump")"
[ ${#only_2000[@]} -eq 0 ] ||
  echo "note the plug-in's own calls documented only back to Windows 2000 or 98: ${only_2000[*]}"

# --- the headers ----------------------------------------------------------
field() { awk -v name="$1" '$1 == name { print $2; exit }' <<<"$dump"; }
check "subsystem: Windows GUI" 00000002 "$(field Subsystem)"
check "operating system version 4.0" "4.0" "$(field MajorOSystemVersion).$(field MinorOSystemVersion)"
check "subsystem version 4.0" "4.0" "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)"

# Bytes of the file at a virtual address, through the section that holds it.
image_base=$((16#$(field ImageBase)))
sections=$(i686-w64-mingw32-objdump -h "$dll" | awk '/^ +[0-9]+ / { print $3, $4, $6 }')
u32_at_va() {  # u32_at_va VA: the 32-bit little-endian word there
  local va=$1 size vma off
  while read -r size vma off; do
    if [ "$va" -ge $((16#$vma)) ] && [ "$va" -lt $((16#$vma + 16#$size)) ]; then
      od -An -tu4 -j $((va - 16#$vma + 16#$off)) -N4 "$dll" | tr -d ' '
      return
    fi
  done <<<"$sections"
  echo "outside"
}
# The mingw-w64 start-up of a DLL (dllcrt2.o) always brings the directory
# for its callbacks; what must stay empty is the template of variables.
tls_rva=$(awk '/Thread Storage Directory/ { print $3 }' <<<"$dump")
if [ "$tls_rva" != 00000000 ]; then
  tls=$((image_base + 16#$tls_rva))
  start=$(u32_at_va "$tls") end=$(u32_at_va $((tls + 4))) zero_fill=$(u32_at_va $((tls + 16)))
  check "thread-local template: the start-up's two markers only" yes "$([ $((end - start)) -le 8 ] && echo yes || echo "$((end - start)) bytes")"
  check "thread-local zero fill" 0 "$zero_fill"
fi

# --- the version block ----------------------------------------------------
# VS_FIXEDFILEINFO begins with its signature FEEF04BD.
at=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$dll" | head -1 | cut -d: -f1)
fixed=($(od -An -tx4 -j "${at:-0}" -N52 "$dll"))
check "version block found" feef04bd "${fixed[0]:-none}"
check "file version 3.0.2.0" "00030000 00020000" "${fixed[2]:-} ${fixed[3]:-}"
check "product version 3.0.2.0" "00030000 00020000" "${fixed[4]:-} ${fixed[5]:-}"
# VOS__WINDOWS32, not VOS_NT_WINDOWS32: the DLL is for Windows 95 and 98 as
# much as for the NT line.
check "file OS: 32-bit Windows (VOS__WINDOWS32)" 00000004 "${fixed[8]:-}"
check "file type: DLL (VFT_DLL)" 00000002 "${fixed[9]:-}"

echo "$failures failed"
[ "$failures" -eq 0 ]
