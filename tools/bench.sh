#!/usr/bin/env bash
# Builds the benchmark programs (native Release, and win64 for Wine) and runs
# them. They print figures only; nothing here passes or fails on a time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
bash tools/build.sh >/dev/null
[ -f build/native-release/build.ninja ] ||
  cmake -S . -B build/native-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native-release -j "$(nproc)" >/dev/null

for program in build/native-release/bench/bench_*; do
  [ -x "$program" ] && "$program"
done
source tools/wine-env.sh
trap wine_stop EXIT
wine_start
for program in build/win64/bin/bench_*.exe; do
  (cd build/win64/bin && "$WINE" "$(basename "$program")")
done
for script in bench/*_bench.sh; do
  [ -f "$script" ] && source "$script"
done
