#!/usr/bin/env bash
# Builds ZELK (the win64 ZELK.exe and zelkhook.dll, nothing else) and starts
# it under Wine in a program folder of its own (build/run). Without a display
# it runs under Xvfb, saves a screenshot and prints where; with a display it
# runs until ZELK ends. Fails with one line when no ZELK window appears.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" win64 ZELK zelkhook >/dev/null

folder="$root/build/run"
mkdir -p "$folder"
cp "$root"/build/win64/bin/ZELK.exe "$root"/build/win64/bin/zelkhook.dll "$folder"/

headless=true
[ -n "${DISPLAY:-}" ] && headless=false
source "$root/tools/wine-env.sh"
trap wine_stop EXIT
if $headless; then
  wine_start
else
  [ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot -i >/dev/null 2>&1
fi

log="$folder/wine.log"
(cd "$folder" && exec "$WINE" ZELK.exe >"$log" 2>&1) &
zelk=$!
window_bound=30
for _ in $(seq $((window_bound * 10))); do
  xdotool search --onlyvisible --name "$ZELK_CAPTION" >/dev/null 2>&1 && break
  kill -0 "$zelk" 2>/dev/null || break  # ZELK ended without a window
  sleep 0.1
done
if ! xdotool search --onlyvisible --name "$ZELK_CAPTION" >/dev/null 2>&1; then
  echo "run: no '$ZELK_CAPTION' window appeared within ${window_bound} s (Wine's output: $log)" >&2
  exit 1
fi

if $headless; then
  sleep 1  # lets the first paint finish before the picture is taken
  import -window root "$root/build/screenshot.png"
  echo "ZELK is running headless; screenshot saved to $root/build/screenshot.png"
else
  echo "ZELK is running on $DISPLAY; it ends when ZELK ends"
  wait "$zelk" || true
fi
