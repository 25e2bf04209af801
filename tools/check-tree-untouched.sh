#!/usr/bin/env bash
# Tests write only into temporary folders and build/: a make test run that
# leaves anything new in the working tree fails.
#
#   check-tree-untouched.sh save FILE    note the tree's state before the run
#   check-tree-untouched.sh check FILE   fail on what the run added or changed
set -uo pipefail
mode=$1 file=$2
cd "$(dirname "$0")/.."
state() { git status --porcelain --untracked-files=all -- . ':!build' ':!dist' | LC_ALL=C sort; }
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  [ "$mode" == check ] && echo "not a git work tree: the tree's state is not checked"
  exit 0
fi
case $mode in
  save) mkdir -p "$(dirname "$file")" && state > "$file" ;;
  check)
    [ -f "$file" ] || { echo "check-tree-untouched: no saved state in $file" >&2; exit 1; }
    added=$(LC_ALL=C comm -13 "$file" <(state))
    if [ -n "$added" ]; then
      echo "FAIL the tests left this in the working tree:"
      echo "$added"
      exit 1
    fi
    echo "ok   the tests left the working tree as they found it" ;;
  *) echo "usage: $0 save|check FILE" >&2; exit 2 ;;
esac
