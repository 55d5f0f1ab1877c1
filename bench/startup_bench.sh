# Figures: start-up to the first shown window of ZELK.exe with 5 sheets and a
# full first sheet of 400 items, beside a minimal program that shows one
# window (the floor). Runs under the Wine runner that tools/bench.sh started.

startup_median() {  # program, window name pattern, folder
  local times=() start end id
  for _ in $(seq 9); do
    start=$(date +%s%N)
    (cd "$3" && exec "$WINE" "$1" >/dev/null 2>&1 &)
    for _ in $(seq 3000); do
      id=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -1)
      [ -n "$id" ] && break
      sleep 0.01
    done
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    "$WINE" taskkill /f /im "$1" >/dev/null 2>&1 || true
    wineserver -w
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 5p
}

folder=$(mktemp -d)
cp build/win64/bin/ZELK.exe build/win64/bin/zelkhook.dll build/win64/bin/minimal_window.exe "$folder"/
(cd "$folder" && "$WINE" "$ZELK_ROOT/build/win64/bin/full_sheet_data.exe" >/dev/null)
zelk=$(startup_median ZELK.exe "ZELK Ver" "$folder")
floor=$(startup_median minimal_window.exe "Minimal window" "$folder")
echo "Wine: start-up to the first shown window, 5 sheets and 400 items: ${zelk} ms (median of 9)"
echo "Wine: the same for a minimal one-window program: ${floor} ms (median of 9); ratio $(awk "BEGIN{printf \"%.2f\", $zelk/$floor}")"
rm -rf "$folder"
