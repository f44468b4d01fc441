#!/usr/bin/env bash
# Screenshots of the running program under Xvfb, driven with xdotool:
#   main.png      the main window after start-up
#   report.png    the report window after Load of examples/wire-class2.rid and "Расчет"
#   diameter.png  the diameter choice dialog (a thin spring: k3 above 59.43)
# Usage: tools/screenshots.sh [output dir]   (default docs/screenshots)
# Builds the program first. Works on a copy of data/ in a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-docs/screenshots}")

if [ -z "${PRUZ_SHOTS_DISPLAY:-}" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target pruz >/dev/null
  exec xvfb-run -a -s "-screen 0 1024x768x24" env PRUZ_SHOTS_DISPLAY=1 "$0" "$out"
fi

work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -r data/. "$work/"
cp examples/wire-class2.rid "$work/"
mkdir -p "$out"

window() { xdotool search --sync --onlyvisible --name "$1" | head -1; }
# Clicks at a point of the window's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

"$root/build/app/pruz" --data "$work" &
pid=$!
main=$(window "Расчет пружин сжатия")
sleep 1
import -window "$main" "$out/main.png"

# Load the example through the open dialog, then "Расчет".
click "$main" 51 21
dialog=$(window "Загрузить исходные данные")
sleep 0.5
xdotool type --delay 20 "$work/wire-class2.rid"
xdotool key Return
sleep 0.5
click "$main" 59 417
report=$(window "Результат расчета")
sleep 1
import -window "$report" "$out/report.png"
click "$report" 479 323

# New, then a light spring of a large diameter: F1 1, F2 2, D1 20, H 10.
click "$main" 27 21
# Each field holds "0": the caret goes to its end, BackSpace clears it and
# Enter moves on to the next field.
click "$main" 284 77
for value in 1 2 20 10; do
  xdotool key BackSpace
  xdotool type --delay 50 "$value"
  xdotool key Return
done
click "$main" 59 417
window "^Расчет пружин$" >/dev/null   # "Не выполнено условие устойчивости i>10"
sleep 0.5
xdotool key Return
choice=$(window "Выбор диаметра")
sleep 1
import -window "$choice" "$out/diameter.png"
xdotool key Escape
echo "Screenshots in $out: $(cd "$out" && ls *.png | tr '\n' ' ')"
