#!/usr/bin/env bash
# Installs what the two builds and their tests need on Debian 12, skipping
# whatever is already there so that a second run costs a few dpkg queries.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in build-essential g++-multilib cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev \
         nlohmann-json3-dev libcli11-dev g++-mingw-w64-i686 binutils-mingw-w64-i686 \
         xvfb xauth file valgrind imagemagick x11-utils cmark-gfm chromium emscripten; do
  have "$p" || need+=("$p")
done
if ! have wine32:i386 || ! have wine; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  need+=(wine wine32:i386)
fi

if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages: ${need[*]}; run as root (or install them) first" >&2
    exit 1
  fi
  echo "installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
