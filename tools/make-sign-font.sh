#!/usr/bin/env bash
# Makes resources/diameter-sign.ttf: the diameter sign (U+2205) of DejaVu
# Sans alone, renamed as its license asks of a changed font, with its
# copyright and license kept in the font. The diameter column shows it after
# the window's Liberation Sans, which lacks it; left to fontconfig, the sign
# came from whatever face was found first (a Type 1 font on Debian, whose
# loading cost the start a third of a megabyte). Kept in git; run this
# again only to change the sign. Needs python3-fonttools and fonts-dejavu-core.
set -euo pipefail
cd "$(dirname "$0")/.."
out=resources/diameter-sign.ttf
/usr/bin/python3 -m fontTools.subset /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
  --unicodes=U+2205 --no-hinting --layout-features= --name-IDs='*' --drop-tables+=FFTM,kern,MATH,GDEF,GPOS,GSUB \
  --output-file="$out"
/usr/bin/python3 - "$out" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
for record in font["name"].names:
    if record.nameID in (1, 3, 4, 16):
        record.string = "Pruz Diameter Sign"
    elif record.nameID == 6:
        record.string = "PruzDiameterSign"
font.save(sys.argv[1])
PY
echo "$out: $(stat -c %s "$out") bytes"
