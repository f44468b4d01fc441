#!/usr/bin/env bash
# Builds the Debian package build-deb/pruz_<version>_amd64.deb: the program
# and pruzcalc alone (no tests), with Debian's compiler flags, under /usr.
#   tools/make-deb.sh --maintainer "Name <address>" [--homepage URL]
# prints the package's path when done. The maintainer is required: a
# package names a real person or team, never a made-up address.
set -euo pipefail
maintainer= homepage=
while [ $# -gt 0 ]; do
  case $1 in
    --maintainer) maintainer=${2-}; shift 2 ;;
    --homepage) homepage=${2-}; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
if [[ ! $maintainer =~ ^[^\<\>]+\ \<[^@\<\>\ ]+@[^@\<\>\ ]+\>$ ]]; then
  echo 'usage: tools/make-deb.sh --maintainer "Name <address>" [--homepage URL]' >&2
  exit 2
fi
cd "$(dirname "$0")/.."
./tools/install-deps.sh
build=${BUILD:-build-deb}
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF \
  -DPRUZ_MAINTAINER="$maintainer" -DPRUZ_HOMEPAGE="$homepage" >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/pruz_*_amd64.deb
