#!/usr/bin/env bash
# Fails when a tracked C or C++ file differs from what clang-format makes of
# it with the tree's .clang-format; names each such file and the lines.
#   check-format.sh CLANG_FORMAT SOURCE_DIR
set -euo pipefail
clang_format=$1
cd "$2"
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: no tracked files to check"
  exit 77
fi
git ls-files -z -- '*.c' '*.cc' '*.cpp' '*.h' '*.hpp' | xargs -0 -r "$clang_format" --dry-run -Werror
