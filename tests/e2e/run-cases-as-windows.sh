#!/usr/bin/env bash
# Runs every end-to-end case of the Windows build with Wine pretending to be
# an older Windows (winxp, win2k: the versions the hosts' users still run),
# in a Wine prefix of its own, and checks each answer as run-case.sh does.
# Wine keeps every function whatever version it claims, so this tests what
# the plug-in does with the version it is told (the program's folder, the
# special folders, free space), not its imports: check-dll.sh holds those.
#
#   run-cases-as-windows.sh VERSION PREFIX BIN_DIR CASE...
set -uo pipefail
version=$1 prefix=$2 bin_dir=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/prepare-wine.sh"
WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
wineserver -w

# Wine says which Windows it is: "Microsoft Windows 5.1.2600" for XP.
case "$version" in
  winxp) want=5.1. ;;
  win2k) want=5.0. ;;
  *) want= ;;
esac
said=$(wine cmd /c ver 2>/dev/null | tr -d '\r' | grep -oE '[0-9]+\.[0-9]+\.[0-9]+' | head -1)
if [ -z "$said" ] || [[ "$said" != "$want"* ]]; then
  echo "FAIL: Wine set to $version says it is Windows [$said], expected [$want...]"
  exit 1
fi
echo "Wine as $version: $said"

# The cases run four at a time: a case waits on Wine far more than it
# computes, and once the prefix is up it takes sessions side by side. Each
# case's output is kept and shown in the cases' order.
parallel=${KELV_WINE_SESSIONS:-4}
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
start=$SECONDS
index=0
for case_file in "$@"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n; done
  (
    output=$(KELV_WINE_VERSION=$version "$here/run-case.sh" "$case_file" "$bin_dir" kelvhost.exe KELVDATE.FMX wine 2>&1)
    echo $? > "$results/$index.status"
    printf '%s' "$output" > "$results/$index.output"
  ) &
  index=$((index + 1))
done
wait

failures=0 ran=0 skipped=0
index=0
for case_file in "$@"; do
  name=$(basename "$case_file" .jsonl)
  status=$(cat "$results/$index.status" 2>/dev/null || echo 1)
  output=$(cat "$results/$index.output" 2>/dev/null)
  index=$((index + 1))
  if [ "$status" -eq 77 ]; then
    skipped=$((skipped + 1))
  elif [ "$status" -ne 0 ]; then
    echo "FAIL $name:"
    echo "$output"
    failures=$((failures + 1))
  else
    ran=$((ran + 1))
    echo "ok   $name: ${output##*$'\n'}"
  fi
done
echo "$ran cases as expected, $skipped skipped (native only), $failures failed, as $version in $((SECONDS - start)) s"
[ "$failures" -eq 0 ] && [ "$ran" -gt 0 ]
