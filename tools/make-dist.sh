#!/usr/bin/env bash
# The distribution: dist/ with the plug-in, the manual as one self-contained
# HTML page, a short read-me and the SHA-256 sums of them all.
#
#   make-dist.sh FMX
set -euo pipefail
fmx=$(realpath "$1")
cd "$(dirname "$0")/.."
version=$(sed -n 's/^#define KELV_VERSION_TEXT "\(.*\)"/\1/p' resources/PluginTexts.h)
rm -rf dist
mkdir dist
cp "$fmx" dist/KELVDATE.FMX

# One page: the installation, the functions, the preferences; links between
# the pages become links within it, and the dialog's picture goes inside.
picture="data:image/png;base64,$(base64 -w0 docs/prefs-dialog.png)"
{
  cat <<HEAD
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Mevrin Date &amp; Time $version</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; color: #222; }
h1 { border-bottom: 2px solid #444; } h2 { border-bottom: 1px solid #bbb; margin-top: 2em; } h3 { margin-top: 1.8em; }
code, pre { font-family: monospace; background: #f4f4f4; } pre { padding: .6em; overflow-x: auto; }
table { border-collapse: collapse; } td, th { border: 1px solid #ccc; padding: .3em .5em; vertical-align: top; }
</style>
</head>
<body>
HEAD
  for page in docs/install.md docs/functions.md docs/preferences.md; do
    cmark --unsafe --to html "$page"  # the pages' own anchors are HTML
  done
  echo '</body>'
  echo '</html>'
} | sed -e "s|src=\"prefs-dialog.png\"|src=\"$picture\"|" -e 's|href="functions.md#|href="#|g' \
        -e 's|href="functions.md"|href="#functions"|g' -e 's|href="preferences.md"|href="#preferences"|g' \
        -e 's|href="install.md"|href="#install"|g' > dist/manual.html

cat > dist/README.txt <<TEXT
Mevrin Date & Time $version, the KELVDATE.FMX plug-in for FileMaker Pro
on 32-bit Windows: 31 calculation functions for date and time
differences, time stamps, formatted dates and times, date lists, number
lists and list wrapping.

Installing: quit FileMaker Pro, copy KELVDATE.FMX into the System (or
Extensions) folder of FileMaker Pro, start FileMaker Pro and enable
"Mevrin Date & Time" under Edit > Preferences > Plug-ins.

manual.html is the whole manual: installing, every function with its
parameter, result, errors and examples, and the preferences.

SHA256SUMS holds the SHA-256 sum of each file here.
TEXT
(cd dist && sha256sum KELVDATE.FMX README.txt manual.html > SHA256SUMS)
echo "dist/:"
ls -l dist | tail -n +2
