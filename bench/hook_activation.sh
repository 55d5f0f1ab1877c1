#!/usr/bin/env bash
# Prints the median time from an xdotool double-click on the wallpaper of the
# stand-in desktop to the window being visible, under Wine. The window is the
# hook receiver's (zelk_hook_receiver.exe, which shows itself on the
# double-click as the main window does with DBLMODE 0), or ZELK's when the
# first argument is "zelk". Needs the win64 build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-env.sh"
source "$root/tests/e2e/lib.sh"
runs=${RUNS:-15}
E2E_FOLDER=$(mktemp -d)
cp "$E2E_BIN"/zelk_hook_receiver.exe "$E2E_BIN"/zelkhook.dll "$E2E_FOLDER"/
cleanup() {
  e2e_cleanup
  wine_stop
}
trap cleanup EXIT
wine_start
cd "$E2E_FOLDER"
if [ "${1:-}" = zelk ]; then
  cp "$E2E_BIN"/ZELK.exe .
  name=$ZELK_CAPTION
  e2e_start ZELK.exe
  # Shown once, it is ready for notifications.
  e2e_wait_window "$name" >/dev/null
else
  name="ZELK hook receiver"
  e2e_start zelk_hook_receiver.exe notifications.txt
  # Its window starts hidden; the first double-click shows it.
  e2e_wait_file notifications.txt
fi
e2e_start_desktop progman

visible() { xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; }
hidden() { ! visible; }
now_ms() { date +%s%3N; }
# Hides the window by clicks on the wallpaper, left of where both windows
# open, until one hides it: ZELK ignores clicks for a while after a
# double-click has shown it. The clicks are more than the double-click
# rectangle (4 pixels) apart from each other and from the double-click.
next_y=340
hide_by_wallpaper_clicks() {
  next_y=$((next_y == 340 ? 380 : 340))
  visible && e2e_desktop_click 150 "$next_y"
  hidden
}
times=()
for _ in $(seq "$runs"); do
  e2e_wait_for "a click on the wallpaper to hide '$name'" hide_by_wallpaper_clicks
  start=$(now_ms)
  xdotool mousemove 150 300 click --repeat 2 --delay 60 1
  until visible; do sleep 0.005; done
  times+=($(($(now_ms) - start)))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
echo "double-click on the wallpaper to '$name' visible, median of $runs: ${median} ms" \
  "(all: $(echo $sorted))"
