# Journeys of the main window as a user handles it: its size grip, a
# question box over it, 前面.

# Prints "X Y WIDTH HEIGHT" of an X window.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

window_geometry_differs() { [ "$(window_geometry "$1")" != "$2" ]; }

# What the system knows of ZELK's window, as the probe program says it.
window_probe() { "$WINE" zelk_window_probe.exe 2>/dev/null | tr -d '\r'; }

# A visible window of the program other than the given one.
window_other_of() {  # class window
  xdotool search --onlyvisible --classname "$1" 2>/dev/null | grep -vx "$2" | head -1 | grep .
}

# Succeeds when the first window lies above the second one on the screen.
window_above() {  # upper lower
  local order
  order=$(xwininfo -root -children | grep -oE '^ +0x[0-9a-f]+' | tr -d ' ')
  local upper lower
  upper=$(printf '0x%x' "$1")
  lower=$(printf '0x%x' "$2")
  [ "$(echo "$order" | grep -nx -e "$upper" -e "$lower" | head -1 | cut -d: -f2)" = "$upper" ]
}

journey_the_size_grip_stops_at_the_smallest_usable_window() {
  e2e_start ZELK.exe
  local window before
  window=$(e2e_wait_window "$ZELK_CAPTION")
  before=$(window_geometry "$window")
  read -r x y width height <<<"$before"
  # From the grip at the status bar's right end to far past any useful size.
  xdotool mousemove $((x + width - 4)) $((y + height - 4)) mousedown 1
  xdotool mousemove $((x + 40)) $((y + 30)) mouseup 1
  e2e_wait_for "the size grip to change the window" window_geometry_differs "$window" "$before"
  read -r x y width height <<<"$(window_geometry "$window")"
  # Every tool button stays reachable: the tool bar's 323 pixels and Wine's frame.
  e2e_expect_eq 331 "$width" "width at the grip's stop"
  [ "$height" -ge 250 ] && [ "$height" -lt 432 ] ||
    { echo "height at the grip's stop: expected 250 to 431, got $height" >&2; return 1; }
}

journey_the_exit_question_from_the_item_menu_is_owned_by_the_main_window() {
  e2e_start ZELK.exe
  local window box
  window=$(e2e_wait_window "$ZELK_CAPTION")
  read -r x y width height <<<"$(window_geometry "$window")"
  # A right click in the item area opens the item menu; its last but one
  # entry is ZELKの終了.
  xdotool mousemove $((x + 120)) $((y + height - 70)) click 3
  e2e_wait_for "the item menu" window_other_of zelk.exe "$window"
  xdotool key Up Up Return
  box=$(e2e_wait_window '^ZELK$')
  e2e_expect_eq "window id # $(printf '0x%x' "$window")" \
    "$(xprop -id "$box" WM_TRANSIENT_FOR | sed 's/.*: //')" "owner of the question box"
  window_above "$box" "$window"
  xdotool key Escape
  e2e_wait_hidden "$box"
  e2e_wait_visible "$window"
}

journey_the_on_top_button_puts_the_window_into_the_topmost_band_and_out() {
  cp "$E2E_BIN"/zelk_window_probe.exe .
  e2e_start ZELK.exe
  local window
  window=$(e2e_wait_window "$ZELK_CAPTION")
  read -r x y width height <<<"$(window_geometry "$window")"
  e2e_wait_eq "not topmost" "ZELK's window" window_probe
  # 前面, the second tool button.
  xdotool mousemove $((x + 162)) $((y + 44)) click 1
  e2e_wait_eq "topmost" "ZELK's window" window_probe
  xdotool click 1
  e2e_wait_eq "not topmost" "ZELK's window" window_probe
}
