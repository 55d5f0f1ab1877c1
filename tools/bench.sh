#!/usr/bin/env bash
# Builds the benchmark programs (native Release, and win64 for Wine) and runs
# them, after the stripped sizes of the i686 deliverables. They print figures
# only; nothing here passes or fails on a time or a size.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
ZELK_BENCHMARKS=ON bash tools/build.sh native-release >/dev/null
ZELK_BENCHMARKS=ON bash tools/build.sh win64 >/dev/null
bash tools/build.sh win32 deliverables >/dev/null

# What a user copies, as it would be shipped: stripped, against 1 MiB.
stripped=$(mktemp -d)
total=0
for file in ZELK.exe zelkhook.dll; do
  i686-w64-mingw32-strip -o "$stripped/$file" "build/win32/bin/$file"
  size=$(stat -c %s "$stripped/$file")
  total=$((total + size))
  echo "i686 $file stripped: $size bytes"
done
rm -rf "$stripped"
echo "i686 ZELK.exe + zelkhook.dll stripped: $total bytes, $(awk "BEGIN{printf \"%.1f\", $total * 100 / 1048576}") % of 1 MiB"

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
