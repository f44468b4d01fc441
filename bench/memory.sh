#!/usr/bin/env bash
# Peak memory and time of pruzcalc on inputs far larger than real ones:
# a 16 MB input file of line breaks, a 16 MB material.dat of line breaks
# (one design and 100), and a material.dat of 50 000 names under 10 000
# designs. Each figure is the peak resident set (GNU time's %M) and the
# wall time; the baseline is one ordinary design. With the program as a
# second argument, also its start (off screen, the material list printed)
# on the shipped catalogue and on the material.dat of line breaks.
#   bench/memory.sh build/cli/pruzcalc [build/app/pruz]
set -eu
exe=$(realpath "$1")
program=${2:+$(realpath "$2")}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
big=$((16 * 1024 * 1024 - 4096)) # just under the 16 MB a data file may have

breaks() { head -c "$1" /dev/zero | tr '\0' '\n'; }

measure() { # label, then the command
  local label=$1
  shift
  /usr/bin/time -f "%M %e" -o "$work/time" "$@" >/dev/null 2>&1 || true
  read -r kb secs < <(tail -n 1 "$work/time") # after "Command exited with..."
  printf '%-52s %8.1f MB %8.2f s\n' "$label" "$(echo "$kb / 1024" | bc -l)" "$secs"
}

example=$root/examples/steel-60s2a.rid
measure "one design (baseline)" "$exe" --data "$root/data" "$example"

breaks "$big" >"$work/breaks.rid"
measure "16 MB .rid of line breaks" "$exe" --data "$root/data" "$work/breaks.rid"

mkdir "$work/long"
cp "$root"/data/* "$work/long/"
breaks "$big" >>"$work/long/material.dat"
measure "16 MB material.dat of line breaks, one design" "$exe" --data "$work/long" "$example"

mkdir "$work/hundred"
for k in $(seq 1 100); do cp "$example" "$work/hundred/$k.rid"; done
measure "the same, 100 designs" "$exe" --data "$work/long" "$work/hundred"

mkdir "$work/names" "$work/many"
cp "$root"/data/* "$work/names/"
{ seq -f 'Материал %05g' 1 50000 | iconv -f UTF-8 -t CP1251 | sed 's/$/\r/'; cat "$root/data/material.dat"; } \
  >"$work/names/material.dat.new"
mv "$work/names/material.dat.new" "$work/names/material.dat"
for k in $(seq 1 10000); do cp "$example" "$work/many/$k.rid"; done
measure "material.dat of 50 000 names, 10 000 designs" "$exe" --data "$work/names" "$work/many"
measure "shipped material.dat, 10 000 designs" "$exe" --data "$root/data" "$work/many"

if [ -n "$program" ]; then
  export QT_QPA_PLATFORM=offscreen
  measure "the program's start, shipped catalogue" "$program" --data "$root/data" --list-materials
  measure "the program's start, material.dat of line breaks" "$program" --data "$work/long" --list-materials
fi
