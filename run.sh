#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
# The program reads its catalogue from the working directory: on the first
# run the shipped data/ is copied to ${XDG_DATA_HOME:-~/.local/share}/pruz,
# and the program always starts there. Files already there are never
# replaced, so the user's catalogue survives updates.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pruz

datadir="${XDG_DATA_HOME:-$HOME/.local/share}/pruz"
if [ ! -d "$datadir" ]; then
  mkdir -p "$datadir"
  cp -r -n data/. "$datadir/"
  echo "Data copied to $datadir"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: pruz is a desktop program and needs one (DISPLAY or WAYLAND_DISPLAY)." >&2
  echo "Without a screen it can run under a virtual X server:" >&2
  echo "  (cd \"$datadir\" && xvfb-run -a \"$root/build/app/pruz\")" >&2
  echo "and tools/screenshots.sh shows it working there." >&2
  exit 1
fi

cd "$datadir"
exec "$root/build/app/pruz"
