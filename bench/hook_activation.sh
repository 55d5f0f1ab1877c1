#!/usr/bin/env bash
# Prints the median time from an xdotool double-click on the wallpaper of the
# stand-in desktop to the window being visible, under Wine. The window is the
# hook receiver's (zelk_hook_receiver.exe, which shows itself on the
# double-click as the main window does with DBLMODE 0), or ZELK's when the
# first argument is "zelk". Needs the win64 build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-env.sh"
runs=${RUNS:-15}
bin="$root/build/win64/bin"
folder=$(mktemp -d)
cp "$bin"/zelk_desktop.exe "$bin"/zelk_hook_receiver.exe "$bin"/zelkhook.dll "$folder"/
cleanup() {
  "$WINE" taskkill /f /im zelk_desktop.exe >/dev/null 2>&1 || true
  "$WINE" taskkill /f /im zelk_hook_receiver.exe >/dev/null 2>&1 || true
  "$WINE" taskkill /f /im ZELK.exe >/dev/null 2>&1 || true
  wine_stop
  rm -rf "$folder"
}
trap cleanup EXIT
wine_start
cd "$folder"
if [ "${1:-}" = zelk ]; then
  cp "$bin"/ZELK.exe .
  name=$ZELK_CAPTION
  ("$WINE" ZELK.exe >/dev/null 2>&1 &)
else
  name="ZELK hook receiver"
  ("$WINE" zelk_hook_receiver.exe notifications.txt >/dev/null 2>&1 &)
fi
("$WINE" zelk_desktop.exe progman icon.txt >/dev/null 2>&1 &)
until xdotool search --onlyvisible --name "Ordinary window" >/dev/null 2>&1; do sleep 0.2; done
sleep 2

visible() { xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; }
now_ms() { date +%s%3N; }
times=()
for _ in $(seq "$runs"); do
  # One click on the wallpaper hides the window; then the double-click.
  # Left of where both windows open, so the click lands on the wallpaper.
  xdotool mousemove 150 300 click 1
  while visible; do sleep 0.01; done
  sleep 0.7
  start=$(now_ms)
  xdotool click --repeat 2 --delay 60 1
  until visible; do sleep 0.005; done
  times+=($(($(now_ms) - start)))
  sleep 0.7
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
echo "double-click on the wallpaper to '$name' visible, median of $runs: ${median} ms" \
  "(all: $(echo $sorted))"
