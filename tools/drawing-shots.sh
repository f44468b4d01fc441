#!/usr/bin/env bash
# The working drawings the README shows: the four examples and two designs
# made from them here (a left-hand spring of few coils with plain ends, and
# a heavy one on an A3 sheet), each written as PDF by pruzsheet and turned
# into PNG by pdftoppm. Usage: tools/drawing-shots.sh [output dir]
# (default docs/screenshots); build pruzsheet first. chosen-diameter.rid is
# answered with 3,2 mm: with 3 mm its τ3 check fails and it has no drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshots}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
names=(--designer Иванов --checker Петров --approver Сидоров)

draw() {
  local name=$1 dpi=$2
  shift 2
  build/cli/pruzsheet --data data --drawing "$work/$name.pdf" "$@" >/dev/null
  pdftoppm -r "$dpi" -png -singlefile "$work/$name.pdf" "$out/drawing-$name"
}

# A design of its own: an example with some of its 22 lines replaced
# (8 F1, 9 F2, 10 D1, 11 H in kgf and mm, 18 winding: 0 left, 1 right).
made() {
  local from=$1 to=$2
  shift 2
  cp "examples/$from.rid" "$work/$to.rid"
  for edit in "$@"; do sed -i "${edit%%=*}s/^[^\r]*/${edit#*=}/" "$work/$to.rid"; done
}

draw wire-class2 60 --designation АБВГ.304111.001 --material-text "Проволока II класса ГОСТ 9389-75" \
  "${names[@]}" --requirement "Покрытие Хим. Окс. прм" examples/wire-class2.rid
draw steel-60s2a 60 --designation АБВГ.304111.002 --material-text "60С2А ГОСТ 14959-2016" "${names[@]}" \
  examples/steel-60s2a.rid
draw stainless-free-length 60 --designation АБВГ.304111.003 examples/stainless-free-length.rid
draw chosen-diameter 60 --wire-diameter 3,2 --designation АБВГ.304111.004 examples/chosen-diameter.rid
made wire-class2 left-plain 8=40 9=80 10=40 11=12 18=0
draw left-plain 60 --designation АБВГ.304111.005 --ends not-ground "${names[@]}" "$work/left-plain.rid"
made steel-60s2a heavy-a3 8=80 9=250 10=60 11=40
draw heavy-a3 45 --a3 --designation АБВГ.304111.006 --material-text "60С2А ГОСТ 14959-2016" "${names[@]}" \
  --requirement "Твердость 44…50 HRC" "$work/heavy-a3.rid"
echo "Drawings in $out: $(cd "$out" && ls drawing-*.png | tr '\n' ' ')"
