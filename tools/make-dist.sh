#!/usr/bin/env bash
# The distribution: dist/ with the plug-in, the manual as one self-contained
# HTML page with the plug-in inside (its "Try it" boxes), a short read-me
# and the SHA-256 sums of them all.
#
#   make-dist.sh FMX KELVDATE_WEB_JS
set -euo pipefail
fmx=$(realpath "$1")
module=$(realpath "$2")
cd "$(dirname "$0")/.."
version=$(sed -n 's/^#define KELV_VERSION_TEXT "\(.*\)"/\1/p' resources/PluginTexts.h)
functions=$(grep -c -E '^  X\([0-9]+, ' resources/FunctionRegistry.h)  # the function table's rows
rm -rf dist
mkdir dist
cp "$fmx" dist/KELVDATE.FMX

# One page: the whole manual, its tables rendered, with a contents list, the
# dialog's picture and the plug-in's web build inside.
bash tools/make-manual-html.sh dist/manual.html "$module"

cat > dist/README.txt <<TEXT
Mevrin Date & Time $version, the KELVDATE.FMX plug-in for FileMaker Pro
on 32-bit Windows: $functions calculation functions for date and time
differences, time stamps, formatted dates and times, date lists, number
lists and list wrapping.

Installing: quit FileMaker Pro, copy KELVDATE.FMX into the System (or
Extensions) folder of FileMaker Pro, start FileMaker Pro and enable
"Mevrin Date & Time" under Edit > Preferences > Plug-ins.

manual.html is the whole manual: a guide for a first formula, every
function with its parameter, result, errors and examples, the
preferences, installing, why a call answers ??, and the changes.
Opened in a browser (from disk: no server, no network), it also lets
you try every function: each has a "Try it" box that calls the
plug-in's own code, compiled to WebAssembly, and a panel at the top of
the functions sets the preferences, which the browser keeps. A box
holds the text a formula's quotes enclose: a quote is typed once there,
where a formula doubles it; the legend under each box shows the signs
for a carriage return and a line feed.

SHA256SUMS holds the SHA-256 sum of each file here.
TEXT
(cd dist && sha256sum KELVDATE.FMX README.txt manual.html > SHA256SUMS)
echo "dist/:"
ls -l dist | tail -n +2
