#!/usr/bin/env bash
# Saves a PNG of the preferences dialog as it really appears under Wine, so
# that a person can look at it: kelvhost pauses on the opened dialog while
# ImageMagick takes its window from the X display.
#
#   dialog-screenshot.sh BIN_DIR OUTPUT.png
set -euo pipefail
bin_dir=$1 output=$2
title="Mevrin Date & Time Preferences"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin_dir/kelvhost.exe" "$bin_dir/KELVDATE.FMX" "$work/"
echo '{"event": "preferences"}' > "$work/requests.jsonl"
(cd "$work" && KELVHOST_DIALOG_PAUSE_MS=4000 wine ./kelvhost.exe run requests.jsonl > responses.jsonl) &
session=$!

for _ in $(seq 100); do
  xwininfo -name "$title" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1  # let it finish painting
import -window "$title" "$output"
wait "$session"

grep -q '"title":"Mevrin Date & Time Preferences"' "$work/responses.jsonl"
size=$(identify -format '%w %h' "$output")
read -r width height <<<"$size"
echo "dialog picture $output: ${width}x${height}"
# 270 x 200 dialog units are several hundred pixels each way in any font.
[ "$width" -gt 300 ] && [ "$height" -gt 250 ]
