#!/usr/bin/env bash
# Builds the Debian package build-deb/pruz_<version>_amd64.deb: the program
# and pruzcalc alone (no tests), under /usr, with Debian's default compiler
# and the distribution's flags (dpkg-buildflags, every hardening feature),
# reproducibly: SOURCE_DATE_EPOCH is the last commit's time unless set.
#   tools/make-deb.sh [MAINTAINER_ADDRESS]   prints the package's path when done
# MAINTAINER_ADDRESS sets the feedback address and the package's maintainer
# (-DPRUZ_FEEDBACK_ADDRESS). BUILD names the build folder; LAUNCHER a
# compiler launcher such as ccache (its output is the compiler's).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh build >&2
build=${BUILD:-build-deb}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || stat -c %Y CMakeLists.txt)
fi
export SOURCE_DATE_EPOCH
settings=(-DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF)
[ $# -ge 1 ] && settings+=("-DPRUZ_FEEDBACK_ADDRESS=$1")
[ -n "${LAUNCHER:-}" ] && settings+=("-DCMAKE_CXX_COMPILER_LAUNCHER=$LAUNCHER")
cmake -S . -B "$build" -G Ninja "${settings[@]}" >&2
# No more compile jobs than cores.
cmake --build "$build" -j "$(nproc)" >&2
(cd "$build" && cpack -G DEB >&2)
ls "$PWD/$build"/pruz_*_amd64.deb
