#!/usr/bin/env bash
# Makes resources/diameters.ttf, the diameter list's face: DejaVu Sans's
# printable ASCII and its diameter sign (U+2205), renamed as its license
# asks of a changed font, with its copyright and license kept in the font.
# The window's face, Liberation Sans, lacks the sign; a second face for the
# sign alone made Qt ask fontconfig to rank every installed font at start.
# Kept in git; run this again only to change it. Needs python3-fonttools
# and fonts-dejavu-core.
set -euo pipefail
cd "$(dirname "$0")/.."
out=resources/diameters.ttf
/usr/bin/python3 -m fontTools.subset /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
  --unicodes=U+0020-007E,U+2205 --layout-features= --name-IDs='*' \
  --drop-tables+=FFTM,kern,MATH,GDEF,GPOS,GSUB --output-file="$out"
/usr/bin/python3 - "$out" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
for record in font["name"].names:
    if record.nameID in (1, 3, 4, 16):
        record.string = "Pruz Diameters"
    elif record.nameID == 6:
        record.string = "PruzDiameters"
font.save(sys.argv[1])
PY
echo "$out: $(stat -c %s "$out") bytes"
