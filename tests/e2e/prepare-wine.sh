#!/usr/bin/env bash
# Prepares the private Wine prefix once: no Mono or Gecko installers, no crash
# dialog. Later runs find it ready and return at once.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the private prefix}"
if [ -f "$WINEPREFIX/.kelv-ready" ]; then exit 0; fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.kelv-ready"
