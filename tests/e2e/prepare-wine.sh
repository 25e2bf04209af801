#!/usr/bin/env bash
# Prepares the private Wine prefix once, with no Mono or Gecko installers and
# no crash dialog. Later runs return at once. (A case run as the unprivileged
# user "nobody" makes a prefix of that user's own for itself.)
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the private prefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

prepare() {  # prepare PREFIX
  local prefix=$1
  [ -f "$prefix/.kelv-ready" ] && return 0
  WINEPREFIX="$prefix" wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" \
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -w
  touch "$prefix/.kelv-ready"
}

prepare "$WINEPREFIX"
