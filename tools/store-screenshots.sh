#!/usr/bin/env bash
# Composes the AppStream screenshots (docs/screenshots/store-*.png) from the
# window screenshots: two windows side by side, as they stand on a desktop,
# so that each picture is at least 620 pixels wide as software centres ask.
# Run again after renewing the window screenshots.
# With a folder argument the pictures go there instead (the test compares
# them with the stored ones).
set -euo pipefail
cd "$(dirname "$0")/../docs/screenshots"
out_dir=${1:-.}
compose() {
  local out=$out_dir/$1
  shift
  convert -background '#d8dde3' "$@" -gravity north -splice 0x20 -gravity center +smush 24 \
    -bordercolor '#d8dde3' -border 20 -define png:exclude-chunk=date,time,tIME "$out"
}
compose store-calculation.png main.png report.png
compose store-sketch.png main.png sketch.png
compose store-catalogue.png settings-materials.png settings-properties.png
compose store-chart.png chart.png
for f in "$out_dir"/store-*.png; do identify -format '%f %wx%h\n' "$f"; done
