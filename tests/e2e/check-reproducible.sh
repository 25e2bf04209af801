#!/usr/bin/env bash
# Builds KELVDATE.FMX a second time, in a build folder of its own, and checks
# that it is the same file to the byte as the build's own.
#
#   check-reproducible.sh SOURCE_DIR FMX
set -euo pipefail
source_dir=$1 fmx=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source_dir" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/toolchain-mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work" --target kelvdate >/dev/null
if cmp "$work/bin/KELVDATE.FMX" "$fmx"; then
  echo "KELVDATE.FMX built twice: the same $(stat -c %s "$fmx") bytes"
else
  echo "KELVDATE.FMX differs between two builds of the same sources"
  exit 1
fi
