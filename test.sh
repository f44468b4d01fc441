#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh            the normal build in build/
#   BUILD=build-asan SANITIZE=ON ./test.sh   the sanitizer build
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
build=${BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE="${SANITIZE:-OFF}" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
