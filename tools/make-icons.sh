#!/usr/bin/env bash
# Renders the program icon (resources/pruz.svg) to the PNG sizes the desktop
# menus use, into pkg/icons/, and the toolbar glyphs (resources/glyphs/*.svg)
# to PNG at one and two times their size. The PNGs are kept in git, so that
# building needs no SVG renderer and starting the program reads no SVG; run
# this again after changing a picture.
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" resources/pruz.svg -o "pkg/icons/${size}x${size}.png"
done
for svg in resources/glyphs/*.svg; do
  png=${svg%.svg}
  rsvg-convert -w 16 -h 16 "$svg" -o "$png.png"
  rsvg-convert -w 32 -h 32 "$svg" -o "$png@2x.png"
done
