#!/usr/bin/env bash
# Installs the build under an unusual prefix into a scratch folder (DESTDIR)
# and runs the installed programs from another folder, with HOME and
# XDG_DATA_HOME in scratch folders:
#   - the installed pruzcalc prints for each example the build tree's report;
#   - the user's catalogue it made equals data/ byte for byte with its
#     manifest beside it, and nothing else was made;
#   - a file changed there is kept on the next run;
#   - the installed pruz comes up with that catalogue's materials, and its
#     printing module is where it looks.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR [gui]
set -euo pipefail
build=$1 src=$2 gui=${3:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

DESTDIR=$scratch/root cmake --install "$build" --prefix /opt/pruz >/dev/null
bin=$scratch/root/opt/pruz/bin
export HOME=$scratch/home XDG_DATA_HOME=$scratch/xdg
catalogue=$XDG_DATA_HOME/pruz
mkdir -p "$HOME" "$scratch/work"
cd "$scratch/work"

# Report and exit status of pruzcalc, the first argument naming the copy.
report() {
  local exe=$1
  shift
  local status=0
  "$exe" "$@" >"$scratch/report" 2>&1 || status=$?
  echo "exit status $status" >>"$scratch/report"
  cat "$scratch/report"
}

for rid in "$src"/examples/*.rid; do
  report "$build/cli/pruzcalc" --data "$src/data" "$rid" >"$scratch/want"
  report "$bin/pruzcalc" "$rid" >"$scratch/got"
  cmp -s "$scratch/want" "$scratch/got" || fail "installed pruzcalc on $(basename "$rid"): $(diff "$scratch/want" "$scratch/got" | head -5)"
done

diff -r -x .pruz-shipped "$src/data" "$catalogue" >/dev/null || fail "the user's catalogue differs from data/"
[ -s "$catalogue/.pruz-shipped" ] || fail "no manifest of the shipped catalogue"
[ "$(ls -A "$XDG_DATA_HOME")" = pruz ] || fail "left beside the catalogue: $(ls -A "$XDG_DATA_HOME")"
[ -z "$(ls -A "$HOME" "$scratch/work" | grep -v ':$' | grep .)" ] || fail "made in the home or working folder"

# A material added by the user (Windows-1251, CR LF) survives the next run.
printf '\xd2\xe5\xf1\xf2\r\n' >>"$catalogue/material.dat"
cp "$catalogue/material.dat" "$scratch/changed"
report "$bin/pruzcalc" "$src/examples/steel-60s2a.rid" >/dev/null
cmp -s "$scratch/changed" "$catalogue/material.dat" || fail "the changed material.dat was replaced"

if [ "$gui" = gui ]; then
  QT_QPA_PLATFORM=offscreen "$bin/pruz" --list-materials >"$scratch/materials" 2>"$scratch/pruz-errors" \
    || fail "pruz: $(cat "$scratch/pruz-errors")"
  iconv -f CP1251 -t UTF-8 "$catalogue/material.dat" | tr -d '\r' >"$scratch/want-materials"
  cmp -s "$scratch/want-materials" "$scratch/materials" \
    || fail "pruz materials: $(diff "$scratch/want-materials" "$scratch/materials" | head -5)"
  # pruz links QtSvg and QtPrintSupport itself, so the package's
  # dependencies, read from the binaries (pkg/CMakeLists.txt), name them.
  needed=$(readelf -d "$bin/pruz")
  for lib in Svg PrintSupport; do
    grep -q "NEEDED.*libQt6$lib" <<<"$needed" || fail "pruz does not link Qt $lib"
  done
fi
echo "installed programs work from $scratch/root/opt/pruz"
