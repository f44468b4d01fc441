#!/usr/bin/env bash
# Runs fuzz targets for N seconds each on a clang build, growing a scratch
# corpus seeded from fuzz/corpus:
#   tools/fuzz-all.sh [seconds] [target...]    (default 300 s, every target)
#   JOBS=2 tools/fuzz-all.sh 300               two targets at a time
# Prints one line per target: inputs executed, seconds run, findings. A
# finding (a crash, leak, timeout or out-of-memory input) stops its target
# and is left in build-fuzz/fuzz/long/<target>/findings/, emptied when the
# target runs again; once fixed, add the input to fuzz/corpus/<target>/ as
# a regression. The target's full log is beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
jobs=${JOBS:-1}
./tools/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRUZ_GUI=OFF >/dev/null
if [ $# -gt 0 ]; then targets="$*"; else targets=$(cd fuzz && ls *.cpp | sed 's/\.cpp$//'); fi
cmake --build build-fuzz --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

run_one() {
  local t=$1 seconds=$2 long=build-fuzz/fuzz/long/$1
  rm -rf "$long/findings"
  mkdir -p "$long/corpus" "$long/findings"
  local started=$SECONDS
  ./build-fuzz/fuzz/fuzz_"$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$long/findings/" "$long/corpus" "fuzz/corpus/$t" >"$long/log" 2>&1 || true
  local runs findings
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$long/log" | tail -1)
  findings=$(find "$long/findings" -type f | wc -l)
  printf '%-14s %10s inputs in %s s, %s findings\n' "$t" "${runs:-?}" "$((SECONDS - started))" "$findings"
}
export -f run_one
printf '%s\n' $targets | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} "$seconds"
