#!/usr/bin/env bash
# Lists the program's functions that its start runs, in the order they
# first run, into app/startup-order.txt. The linker lays them out together
# at the front of the program's code (lld's --symbol-ordering-file, see
# app/CMakeLists.txt), so that starting maps a fifth of the code instead of
# nearly all of it. Run it after changes to what the start does:
#   tools/startup-order.sh [BUILD_DIR]      (default: build)
# Needs gdb, Xvfb and a built pruz; takes about half a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/.config XDG_DATA_HOME=$scratch/data XDG_RUNTIME_DIR=$scratch/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export STARTUP_ORDER_OUT=$scratch/order.txt
# A first start copies the catalogue, as a user's first start does; the
# listed start is the usual one, which finds it.
timeout 20 xvfb-run -a "$build/app/pruz" --list-materials >/dev/null
timeout 120 xvfb-run -a gdb -q -batch -x tools/startup-order.py "$build/app/pruz" >"$scratch/gdb.log" 2>&1 || true
[ -s "$STARTUP_ORDER_OUT" ] || { cat "$scratch/gdb.log"; exit 1; }
cp "$STARTUP_ORDER_OUT" app/startup-order.txt
echo "app/startup-order.txt: $(wc -l <app/startup-order.txt) functions"
