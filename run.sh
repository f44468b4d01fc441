#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. The program
# finds its catalogue itself (see build/app/pruz --help): the user's
# ${XDG_DATA_HOME:-~/.local/share}/pruz, made on the first start as a copy
# of the repository's data/, which is never written to. Arguments are passed
# on (for instance --data DIR).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=ON >/dev/null
cmake --build build --target pruz

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: pruz is a desktop program and needs one (DISPLAY or WAYLAND_DISPLAY)." >&2
  echo "Without a screen it can run under a virtual X server:" >&2
  echo "  xvfb-run -a $PWD/build/app/pruz" >&2
  echo "and tools/screenshots.sh shows it working there." >&2
  exit 1
fi

exec build/app/pruz "$@"
