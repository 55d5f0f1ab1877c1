#!/usr/bin/env bash
# Builds ZELK and starts it under Wine in a program folder of its own
# (build/run). Without a display it runs under Xvfb, saves a screenshot and
# prints where; with a display it runs until the window is closed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" >/dev/null

folder="$root/build/run"
mkdir -p "$folder"
cp "$root"/build/win64/bin/ZELK.exe "$folder"/
cp "$root"/build/win64/bin/zelkhook.dll "$folder"/ 2>/dev/null || true

headless=${DISPLAY:-}
own_display=${DISPLAY:-}
source "$root/tools/wine-env.sh"
if [ -z "$headless" ]; then
  trap wine_stop EXIT
  wine_start
  (cd "$folder" && exec "$WINE" ZELK.exe >/dev/null 2>&1 &)
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "ZELK Ver" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 2
  import -window root "$root/build/screenshot.png"
  echo "ZELK is running headless; screenshot saved to $root/build/screenshot.png"
else
  export DISPLAY=$own_display
  [ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot -i >/dev/null 2>&1
  cd "$folder" && exec "$WINE" ZELK.exe
fi
