#!/usr/bin/env bash
# What the function registry makes: docs/functions.md, the README's table of
# functions and the end-to-end case of the manual's examples; the table of
# limits in the pages that hold one, from resources/PluginLimits.h; and the
# case of the checked examples of the hand-written pages (every other docs/*.md).
# Writes them, or with --check only tells whether the committed ones are up
# to date.
#
#   update-docs.sh GENERATE_MANUAL [--check]
set -euo pipefail
generator=$(realpath "$1")
check=${2:-}
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
pages=()
for page in docs/*.md; do
  [ "$page" == docs/functions.md ] || pages+=("$page")
done
mkdir "$out/pages"
"$generator" "$out" "${pages[@]}"

# The pages' tables of limits, made from resources/PluginLimits.h.
pairs=()
for page in "${pages[@]}"; do
  pairs+=("pages/${page#docs/}:$page")
done

# The README with its table between the two markers replaced.
awk -v table="$out/readme-table.md" '
  /^<!-- functions:/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
  /^<!-- \/functions -->/ { skip = 0 }
  !skip { print }' README.md > "$out/README.md"

stale=0
for pair in "functions.md:docs/functions.md" "manual_examples.jsonl:tests/e2e/manual_examples.jsonl" \
            "manual_pages.jsonl:tests/e2e/manual_pages.jsonl" "README.md:README.md" "${pairs[@]}"; do
  made=$out/${pair%%:*} committed=${pair#*:}
  if [ "$check" == "--check" ]; then
    if ! cmp -s "$made" "$committed"; then
      echo "$committed is not what the registry makes (run make docs):"
      diff -u "$committed" "$made" | head -20 || true
      stale=1
    fi
  else
    cp "$made" "$committed"
  fi
done
[ "$check" == "--check" ] && [ "$stale" -eq 0 ] && echo "the manual, the README's table and the examples' cases are up to date"
exit "$stale"
