#!/usr/bin/env bash
# Runs every fuzz target for N seconds each (default 300) on a clang build,
# growing a scratch corpus seeded from fuzz/corpus. New findings are left as
# crash-* files in the current folder; add each, once fixed, to its
# fuzz/corpus/<target>/ folder as a regression input.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
./tools/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRUZ_GUI=OFF >/dev/null
targets=$(cd fuzz && ls *.cpp | sed 's/\.cpp$//')
cmake --build build-fuzz --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)
for t in $targets; do
  work=build-fuzz/fuzz/long/$t
  mkdir -p "$work"
  echo "== $t: $seconds s"
  ./build-fuzz/fuzz/fuzz_$t -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$work" "fuzz/corpus/$t" 2>&1 \
    | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
done
