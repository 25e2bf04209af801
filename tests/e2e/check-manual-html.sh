#!/usr/bin/env bash
# Loads the HTML manual in a real browser (headless Chromium) and checks
# what a reader would see: every table of the Markdown pages is a <table>
# (none left as "| ... |" text), every link within the page lands on an
# element, and every picture has a natural size. Writes a screenshot of the
# top of the page.
#
#   check-manual-html.sh MANUAL.html SCREENSHOT.png MARKDOWN_PAGE...
set -uo pipefail
manual=$(realpath "$1") screenshot=$(realpath -m "$2")
shift 2
browser=$(command -v chromium || command -v chromium-browser) || { echo "no chromium (tools/install-deps.sh installs it)"; exit 1; }

# The tables the pages hold: their header rules, outside code.
tables=$(awk '/^```/ { fenced = !fenced } !fenced && /^\|( *:?-+:? *\|)+ *$/ { n++ } END { print n + 0 }' "$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The checks run in the page once it has loaded, and write their report
# into it for --dump-dom to show.
sed 's|</body>|<script src="check.js"></script></body>|' "$manual" > "$work/manual.html"
cat > "$work/check.js" <<SCRIPT
window.addEventListener('load', function () {
  var faults = [];
  var tables = document.querySelectorAll('table').length;
  if (tables !== $tables) faults.push('tables: ' + tables + ' rendered, the pages hold $tables');
  document.querySelectorAll('p, li, td').forEach(function (e) {
    if (/^\s*\|.*\|/m.test(e.textContent) || /\|\s*-{3,}/.test(e.textContent))
      faults.push('a table left as text: ' + e.textContent.slice(0, 60));
  });
  var links = 0;
  document.querySelectorAll('a[href^="#"]').forEach(function (a) {
    links++;
    var id = decodeURIComponent(a.getAttribute('href').slice(1));
    if (id === '' || !document.getElementById(id)) faults.push('a link to nothing: ' + a.getAttribute('href'));
  });
  document.querySelectorAll('a[href]').forEach(function (a) {
    if (/\.md(#|$)/.test(a.getAttribute('href'))) faults.push('a link to a Markdown file: ' + a.getAttribute('href'));
  });
  var images = document.querySelectorAll('img');
  if (images.length === 0) faults.push('no picture');
  images.forEach(function (img) {
    if (!img.complete || img.naturalWidth === 0 || img.naturalHeight === 0) faults.push('a picture of no size: ' + img.src.slice(0, 40));
  });
  var report = document.createElement('pre');
  report.id = 'check-report';
  report.textContent = 'CHECK ' + tables + ' tables, ' + links + ' links, ' + images.length + ' pictures\n' +
                       faults.map(function (f) { return 'FAULT ' + f; }).join('\n') + '\nCHECK END';
  document.body.appendChild(report);
});
SCRIPT

flags=(--headless --no-sandbox --disable-gpu --disable-dev-shm-usage --no-first-run --user-data-dir="$work/profile"
       --allow-file-access-from-files)
"$browser" "${flags[@]}" --virtual-time-budget=10000 --dump-dom "file://$work/manual.html" > "$work/dom.html" 2> "$work/browser.txt"
report=$(sed -e 's/<[^>]*>//g' "$work/dom.html" | sed -n '/^CHECK [0-9]/,/^CHECK END/p' |
         sed -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&amp;/\&/g')
if [ -z "$report" ]; then
  echo "the browser gave no report:"
  tail -20 "$work/browser.txt"
  exit 1
fi
echo "$report" | grep -v -e '^CHECK END' -e '^$'
"$browser" "${flags[@]}" --hide-scrollbars --window-size=1024,768 --screenshot="$screenshot" "file://$manual" \
  > /dev/null 2>> "$work/browser.txt"
if [ ! -s "$screenshot" ]; then
  echo "no screenshot written:"
  tail -20 "$work/browser.txt"
  exit 1
fi
echo "screenshot of the top: $screenshot"
! echo "$report" | grep -q '^FAULT'
