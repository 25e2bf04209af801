#!/usr/bin/env bash
# Prepares the private Wine prefixes once: one for root and one for the
# unprivileged user "nobody" (Wine only uses a prefix its user owns), with no
# Mono or Gecko installers and no crash dialog. Later runs return at once.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the private prefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

prepare() {  # prepare PREFIX [COMMAND PREFIX...]
  local prefix=$1
  shift
  [ -f "$prefix/.kelv-ready" ] && return 0
  "$@" env WINEPREFIX="$prefix" HOME="$prefix" wineboot --init >/dev/null 2>&1 || true
  "$@" env WINEPREFIX="$prefix" HOME="$prefix" \
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  "$@" env WINEPREFIX="$prefix" HOME="$prefix" wineserver -w
  "$@" touch "$prefix/.kelv-ready"
}

prepare "$WINEPREFIX"
if [ "$(id -u)" = 0 ] && id nobody >/dev/null 2>&1; then
  mkdir -p "$WINEPREFIX-nobody"
  chown nobody:nogroup "$WINEPREFIX-nobody"
  prepare "$WINEPREFIX-nobody" setpriv --reuid=nobody --regid=nogroup --clear-groups
fi
