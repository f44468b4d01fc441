#!/usr/bin/env bash
# Renders the program icon (resources/pruz.svg) to the PNG sizes the desktop
# menus use, into pkg/icons/. The PNGs are kept in git, so that building
# needs no SVG renderer; run this again after changing the icon.
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" resources/pruz.svg -o "pkg/icons/${size}x${size}.png"
done
