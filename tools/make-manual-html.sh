#!/usr/bin/env bash
# The manual as one self-contained HTML page: the guide, the functions, the
# preferences, installing, troubleshooting and the changes, each page's
# tables rendered (GitHub-flavoured Markdown), a contents list at the top,
# every heading with an id of its own so that the links between the pages
# become links within this one, and the dialog's picture inside. It reads on
# a phone's screen as on a desktop's: nothing is wider than the window (a
# table's cells break their code, and on a phone its text is smaller, a
# picture shrinks, a code block scrolls within itself), and the line feed sign ␊ comes with its own glyph
# (tools/web/page/lf-glyph-font.py), which no font Debian installs has.
#
# Given the browser module (kelvdate-web.js, from the web build), the page
# also carries the plug-in itself: a "Try it" box under every function, its
# field filled with the function's first checked example, and a panel for
# the preferences (tools/web/page/). The module is inlined, so the page
# works opened from disk, with no server and no network.
#
#   make-manual-html.sh OUT.html [KELVDATE_WEB_JS]
set -euo pipefail
out=$(realpath -m "$1")
module=${2:+$(realpath "$2")}
cd "$(dirname "$0")/.."
version=$(sed -n 's/^#define KELV_VERSION_TEXT "\(.*\)"/\1/p' resources/PluginTexts.h)
pages=(docs/guide.md docs/functions.md docs/preferences.md docs/install.md docs/troubleshooting.md CHANGES.md)
picture="data:image/png;base64,$(base64 -w0 docs/prefs-dialog.png)"
lf_font="data:font/ttf;base64,$(python3 tools/web/page/lf-glyph-font.py)"

body=$(mktemp)
trap 'rm -f "$body"' EXIT
for page in "${pages[@]}"; do
  echo "<!-- page $page -->"
  cmark-gfm --unsafe -e table "$page"  # the pages' own anchors are HTML
done > "$body"

# Headings get GitHub's ids (lower case, punctuation dropped, blanks as -,
# a number added to a repeated one); links to a page or a page's heading
# point into this page; the contents list is made from the pages' titles and
# the functions' groups.
awk -v title="Mevrin Date &amp; Time $version" -v picture="$picture" -v lf_font="$lf_font" '
  function slug(text,   s) {
    s = text
    gsub(/<[^>]*>/, "", s); gsub(/&amp;/, "\\&", s); gsub(/&[a-z]+;/, "", s)
    s = tolower(s)
    gsub(/[^a-z0-9 _-]/, "", s); gsub(/ /, "-", s)
    return s
  }
  function unique(id,   n, try) {
    if (!(id in taken)) { taken[id] = 1; return id }
    for (n = 1; (id "-" n) in taken; n++) {}
    taken[id "-" n] = 1
    return id "-" n
  }
  NR == FNR {
    rest = $0
    while (match(rest, /id="[^"]*"/)) { taken[substr(rest, RSTART + 4, RLENGTH - 5)] = 1; rest = substr(rest, RSTART + RLENGTH) }
    next
  }
  /^<!-- page / { page = $3; next }
  {
    line = $0
    if (match(line, /<a id="[^"]*"><\/a>/)) anchor = substr(line, RSTART + 7, RLENGTH - 13)
    if (match(line, /^<h[1-3]>.*<\/h[1-3]>$/)) {
      level = substr(line, 3, 1)
      text = substr(line, 5, length(line) - 9)
      id = unique(slug(text))
      line = "<h" level " id=\"" id "\">" text "</h" level ">"
      if (level == 1) toc = toc (toc == "" ? "" : "</li>\n") "<li><a href=\"#" anchor "\">" text "</a>"
      if (level == 2 && page == "docs/functions.md") groups = groups "<li><a href=\"#" id "\">" text "</a></li>\n"
      if (level == 1 && page == "docs/functions.md") functionsAt = length(toc)
    }
    gsub(/src="prefs-dialog.png"/, "src=\"" picture "\"", line)
    gsub(/href="(docs\/)?[a-z]+\.md#/, "href=\"#", line)
    while (match(line, /href="(docs\/)?[a-z]+\.md"/)) {
      name = substr(line, RSTART + 6, RLENGTH - 10); sub(/^docs\//, "", name)
      line = substr(line, 1, RSTART - 1) "href=\"#" (name == "CHANGES" ? "changes" : name) "\"" substr(line, RSTART + RLENGTH)
    }
    html = html line "\n"
  }
  END {
    toc = substr(toc, 1, functionsAt) "\n<ul>\n" groups "</ul>" substr(toc, functionsAt + 1) "</li>"
    print "<!DOCTYPE html>"
    print "<html lang=\"en\">"
    print "<head>"
    print "<meta charset=\"utf-8\">"
    print "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
    print "<title>" title "</title>"
    print "<style>"
    print "@font-face { font-family: \"Kelv LF\"; src: url(" lf_font ") format(\"truetype\"); unicode-range: U+240A; }"
    print "body { font-family: \"Kelv LF\", sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; color: #222; overflow-wrap: break-word; }"
    print "h1 { border-bottom: 2px solid #444; } h2 { border-bottom: 1px solid #bbb; margin-top: 2em; } h3 { margin-top: 1.8em; }"
    print "code, pre { font-family: \"Kelv LF\", monospace; font-size: .8125em; background: #f4f4f4; } pre code { font-size: 100%; }"
    print "pre { padding: .6em; overflow-x: auto; } img { max-width: 100%; height: auto; }"
    print "table { border-collapse: collapse; } td, th { border: 1px solid #ccc; padding: .3em .5em; vertical-align: top; } td code, th code { overflow-wrap: anywhere; }"
    print "@media (max-width: 30em) { table { font-size: 85%; } td, th { padding: .3em .3em; } }"
    print "nav#contents { border: 1px solid #ccc; padding: .2em 1em; background: #fafafa; } nav#contents h2 { margin-top: .6em; }"
    print "</style>"
    print "</head>"
    print "<body>"
    print "<h1 id=\"top\">" title "</h1>"
    print "<nav id=\"contents\">"
    print "<h2 id=\"contents-list\">Contents</h2>"
    print "<ul>"
    print toc
    print "</ul>"
    print "</nav>"
    printf "%s", html
    print "</body>"
    print "</html>"
  }' "$body" "$body" > "$out"

[ -n "$module" ] || exit 0

# A script's text ends at "</script" and changes its reading after "<!--":
# the module must hold neither to stand inline.
if grep -qi -e '</script' -e '<!--' "$module"; then
  echo "$module holds </script or <!--: it cannot be inlined" >&2
  exit 1
fi
# Each function's first checked example: the field it starts with.
examples=$(python3 - tests/e2e/manual_examples.jsonl tests/e2e/manual_pages.jsonl <<'PYTHON'
import json, sys
first = {}
for name in sys.argv[1:]:
    for line in open(name, encoding='utf-8'):
        if line.startswith('{') and '"call"' in line:
            request = json.loads(line)
            first.setdefault(request['call'], request.get('param', ''))
print(json.dumps(first, ensure_ascii=True).replace('</', '<\\/'))
PYTHON
)
page=$(mktemp)
trap 'rm -f "$body" "$page"' EXIT
{
  sed '/^<\/body>$/,$d' "$out"
  printf '<style>\n'; cat tools/web/page/try-it.css; printf '</style>\n'
  printf '<script>window.kelvFirstExamples = %s;</script>\n' "$examples"
  printf '<script>\n'; cat "$module"; printf '\n</script>\n'
  printf '<script>\n'; cat tools/web/page/try-it.js; printf '</script>\n'
  printf '</body>\n</html>\n'
} > "$page"
cat "$page" > "$out"  # the page keeps the permissions it was made with
