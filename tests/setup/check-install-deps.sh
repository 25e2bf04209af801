#!/usr/bin/env bash
# tools/install-deps.sh's decisions against stand-ins for apt-get, dpkg,
# dpkg-query, id and sleep. The script runs with a PATH of the stand-ins and
# of links to the few plain tools it uses, nothing else: the real apt-get and
# dpkg are out of its reach.
#
#   check-install-deps.sh SOURCE_DIR
set -uo pipefail
script=$(realpath "$1/tools/install-deps.sh")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/stand-ins" "$work/tools"
for tool in bash sed grep sort tr mktemp rm cat; do
  ln -s "$(command -v "$tool")" "$work/tools/$tool"
done

# Every stand-in notes its arguments in calls.txt. STANDIN_MISSING lists the
# packages dpkg-query reports missing; apt-get update fails its first
# STANDIN_UPDATE_FAILS runs with the words apt said on a mirror mid-sync;
# apt-get install fails with the held broken packages of that day when
# STANDIN_INSTALL_FAILS is 1.
standin() { printf '#!/bin/bash\necho "%s $*" >> "$STANDIN_DIR/calls.txt"\n%s\n' "$1" "$2" > "$work/stand-ins/$1"
            chmod +x "$work/stand-ins/$1"; }
standin dpkg-query 'for p in $STANDIN_MISSING; do [ "$p" == "$3" ] && exit 1; done; printf "install ok installed"'
standin dpkg '[ "$1" == --print-foreign-architectures ] && echo "$STANDIN_FOREIGN"; exit 0'
standin id 'echo "$STANDIN_UID"'
standin sleep 'exit 0'
standin apt-get '
case "$1" in
  update)
    runs=$(( $(cat "$STANDIN_DIR/updates" 2>/dev/null || echo 0) + 1 )); echo $runs > "$STANDIN_DIR/updates"
    [ "$runs" -gt "$STANDIN_UPDATE_FAILS" ] && exit 0
    echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 151.101.2.132 80]" >&2
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
    exit 100 ;;
  install)
    [ "$STANDIN_INSTALL_FAILS" == 1 ] || exit 0
    echo "Some packages could not be installed. This may mean that you have"
    echo "The following packages have unmet dependencies:"
    echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages." >&2
    exit 100 ;;
esac'

failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok   $1"
  else
    echo "FAIL $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}

# One run per row: what is missing, the user, how often update fails, whether
# install fails; then the script's exit status, the apt-get and sleep calls in
# order, and lines its words must hold (|-separated, "-" for none) and must not.
while IFS='~' read -r name missing uid update_fails install_fails want_status want_calls says says_not; do
  [[ -z "$name" || "$name" == '#'* ]] && continue
  run=$work/run-$name
  mkdir "$run"
  out=$(env -i PATH="$work/stand-ins:$work/tools" STANDIN_DIR="$run" STANDIN_MISSING="$missing" STANDIN_UID="$uid" \
          STANDIN_UPDATE_FAILS="$update_fails" STANDIN_INSTALL_FAILS="$install_fails" STANDIN_FOREIGN= \
          KELV_APT_RETRY_WAIT=2 bash "$script" 2>&1)
  status=$?
  calls=$(grep -E '^(apt-get|sleep|dpkg --add)' "$run/calls.txt" 2>/dev/null | sed 's/ -y -qq --no-install-recommends//' |
          tr '\n' ',' | sed 's/,$//')
  check "$name: exit status" "$want_status" "$status"
  check "$name: apt calls" "$want_calls" "$calls"
  IFS='|' read -ra lines <<<"$says"
  for line in "${lines[@]}"; do
    [ "$line" == - ] && continue
    line=${line//SCRIPT/$script}
    check "$name: says \"$line\"" yes "$(grep -qF -- "$line" <<<"$out" && echo yes || echo no)"
  done
  IFS='|' read -ra lines <<<"$says_not"
  for line in "${lines[@]}"; do
    [ "$line" == - ] && continue
    check "$name: does not say \"$line\"" no "$(grep -qF -- "$line" <<<"$out" && echo yes || echo no)"
  done
done <<'ROWS'
# name~missing~uid~update fails~install fails~status~apt calls~says~does not say
all-there~~0~0~0~0~~-~installing
not-root~cmake~1000~0~0~1~~missing packages: cmake; run as root~-
wine-missing~wine~0~0~0~0~dpkg --add-architecture i386,apt-get update -qq,apt-get install wine wine32:i386~installing: wine wine32:i386~failed
update-fails-once~cmake~0~1~0~0~apt-get update -qq,sleep 2,apt-get update -qq,apt-get install cmake~apt-get update failed (try 1 of 3); trying again in 2 s~installing anyway|Run again
update-fails-always~cmake~0~9~0~0~apt-get update -qq,sleep 2,apt-get update -qq,sleep 4,apt-get update -qq,apt-get install cmake~trying again in 4 s|apt-get update failed 3 times; installing anyway|  http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz|the packages are installed all the same~Run again|the packages that failed|within the hour
install-fails~wine32:i386~0~0~1~1~dpkg --add-architecture i386,apt-get update -qq,apt-get install wine wine32:i386~  E: Unable to correct problems, you have held broken packages.|the packages that failed: wine32:i386|Run again: bash SCRIPT~within the hour|Pin
both-fail~wine32:i386~0~9~1~1~dpkg --add-architecture i386,apt-get update -qq,sleep 2,apt-get update -qq,sleep 4,apt-get update -qq,apt-get install wine wine32:i386~the packages that failed: wine32:i386|the index that failed to update:|usually clears within the hour|Pin: release n=bookworm-security\nPin-Priority: 100|> /etc/apt/preferences.d/kelv-hold-bookworm-security|  bash SCRIPT; rm /etc/apt/preferences.d/kelv-hold-bookworm-security|Run again: bash SCRIPT~-
ROWS

echo "$failures failed"
[ "$failures" -eq 0 ]
