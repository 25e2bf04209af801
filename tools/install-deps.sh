#!/usr/bin/env bash
# Installs what the builds and their tests need on Debian 12, skipping
# whatever is already there so that a second run costs a few dpkg queries.
#
# A mirror has bad hours: an index caught mid-sync ("File has unexpected
# size ... Mirror sync in progress?") fails apt-get update for minutes on
# end. The update is tried APT_UPDATE_TRIES times with growing waits, and the
# install is tried even when an index still fails, since the packages may not
# need it. When the install fails too, the message says which packages and
# which index, and what to run again.
#
# KELV_APT_RETRY_WAIT: seconds before the second update, doubled before the
# third (default 15; tests/setup/check-install-deps.sh sets it small).
set -euo pipefail

readonly APT_UPDATE_TRIES=3
retry_wait=${KELV_APT_RETRY_WAIT:-15}
# The command a person types to come back here: the way this script was run.
again="bash $0"

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in build-essential g++-multilib cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev \
         nlohmann-json3-dev libcli11-dev g++-mingw-w64-i686 binutils-mingw-w64-i686 \
         xvfb xauth file valgrind pmccabe imagemagick x11-utils cmark-gfm chromium emscripten; do
  have "$p" || need+=("$p")
done
if ! have wine32:i386 || ! have wine; then
  if [ "$(id -u)" == 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  need+=(wine wine32:i386)
fi

[ ${#need[@]} -eq 0 ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "missing packages: ${need[*]}; run as root (or install them) first" >&2
  exit 1
fi
echo "installing: ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# The indexes apt could not fetch, one URL a line, from its words in $log.
failed_indexes() { sed -n 's/^[EW]: Failed to fetch \([^ ]*\).*/\1/p' "$log" | sort -u; }

updated=0
for ((try = 1; try <= APT_UPDATE_TRIES; try++)); do
  if apt-get update -qq >"$log" 2>&1; then
    updated=1
    break
  fi
  if [ "$try" -lt "$APT_UPDATE_TRIES" ]; then
    wait_seconds=$((retry_wait * try))
    echo "apt-get update failed (try $try of $APT_UPDATE_TRIES); trying again in $wait_seconds s"
    sleep "$wait_seconds"
  fi
done
indexes=""
if [ "$updated" == 0 ]; then
  indexes=$(failed_indexes)
  echo "apt-get update failed $APT_UPDATE_TRIES times; installing anyway, the packages may not need what failed:"
  if [ -n "$indexes" ]; then sed 's/^/  /' <<<"$indexes"; else sed 's/^/  /' "$log"; fi
fi

if apt-get install -y -qq --no-install-recommends "${need[@]}" >"$log" 2>&1; then
  [ "$updated" == 0 ] && echo "the packages are installed all the same"
  exit 0
fi

{
  echo
  echo "apt-get install failed; it said:"
  grep -E '^(E:| [^ ]+ : )|^ +(Depends|PreDepends|Breaks|Conflicts):' "$log" | sed 's/^/  /' || sed 's/^/  /' "$log"
  # The packages it names: unmet dependencies, unknown names, no candidate.
  packages=$(sed -n -e 's/^ \([^ ]*\) : .*/\1/p' \
                    -e "s/^E: Unable to locate package \(.*\)/\1/p" \
                    -e "s/^E: Package '\([^']*\)' has no installation candidate.*/\1/p" "$log" | sort -u | tr '\n' ' ')
  packages=${packages% }
  echo "the packages that failed: ${packages:-(apt named none; the words above say why)}"
  if [ -n "$indexes" ]; then
    echo "the index that failed to update:"
    sed 's/^/  /' <<<"$indexes"
    echo "An index caught while its mirror syncs (\"File has unexpected size\", \"Mirror sync in progress?\","
    echo "\"Hash Sum mismatch\") usually clears within the hour: wait, then run again."
    # A failed update suite (security, updates, backports) leaves its
    # packages' other architectures without the candidate the suite offers
    # for one of them, so multi-arch pairs (wine32:i386 needs zlib1g:i386 of
    # the same version as zlib1g) cannot be met. Held below the main suite
    # for a while, the suite no longer offers that candidate.
    suites=$(sed -n 's|.*/dists/\([^/]*-[^/]*\)/.*|\1|p' <<<"$indexes" | sort -u)
    for suite in $suites; do
      hold=/etc/apt/preferences.d/kelv-hold-$suite
      echo "Or, rather than wait, hold $suite back until it syncs and install from the rest:"
      echo "  printf 'Package: *\\nPin: release n=$suite\\nPin-Priority: 100\\n' > $hold"
      echo "  $again; rm $hold"
    done
  fi
  echo "Run again: $again"
} >&2
exit 1
