#!/usr/bin/env bash
# Builds the Debian package build-deb/pruz_<version>_amd64.deb: the program
# and pruzcalc alone (no tests), with Debian's compiler flags, under /usr.
#   tools/make-deb.sh        prints the package's path when done
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
build=${BUILD:-build-deb}
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/pruz_*_amd64.deb
