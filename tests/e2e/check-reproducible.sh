#!/usr/bin/env bash
# KELVDATE.FMX is the same file whenever it is built from the same sources.
# Its objects are: every compile refuses the clock's macros (-Werror=date-time),
# and the file holds neither its source folder's path nor its build folder's,
# so a checkout elsewhere gives the same bytes. What is left is the link and
# the resource compiler, which may write the time: the build links the DLL
# again from the same objects, with its resources compiled again, in a folder
# of its own and in a later second, and the two files must be the same.
#
#   check-reproducible.sh SOURCE_DIR BUILD_DIR FMX
set -euo pipefail
source_dir=$(realpath "$1") build_dir=$(realpath "$2") fmx=$3
failures=0

for folder in "$source_dir" "$build_dir"; do
  if grep -q -F -- "$folder" "$fmx"; then
    echo "FAIL KELVDATE.FMX holds the path $folder"
    failures=$((failures + 1))
  fi
done

# A time stamp counts seconds: the second link must fall in a later one.
while [ "$(date +%s)" -le "$(stat -c %Y "$fmx")" ]; do sleep 0.2; done
rm -rf "$build_dir/relinked" "$build_dir/CMakeFiles/kelvdate_relinked.dir"
cmake --build "$build_dir" --target kelvdate_relinked >/dev/null
if cmp "$build_dir/relinked/KELVDATE.FMX" "$fmx"; then
  echo "KELVDATE.FMX linked twice: the same $(stat -c %s "$fmx") bytes"
else
  echo "FAIL KELVDATE.FMX differs between two links of the same objects"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
