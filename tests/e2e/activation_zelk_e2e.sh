# Journeys of desktop activation with the real ZELK.exe: clicks by xdotool
# on the stand-in desktop (zelk_desktop.exe) reach ZELK through zelkhook.dll.
# Screen 1024 x 768: desktop rows 0-559 with one icon, an ordinary window on
# rows 560-767. ZELK's first window lies at 346,168, 331 x 432, so the
# wallpaper is clicked at 150,300 and the ordinary window at 900,650.
# A check that something did not happen lets the click settle for a second.

# Starts the stand-in desktop, then ZELK.exe with the given settings lines in
# the section 設定 of ZELK.ini, and waits for ZELK's window. With "select"
# as the first argument the desktop icon is clicked (selected) before ZELK
# starts.
zelk_start() {  # [select] [KEY=value ...]
  cp "$E2E_BIN"/zelk_desktop.exe .
  trap zelk_stop EXIT
  e2e_start zelk_desktop.exe progman icon.txt
  e2e_wait_window "Ordinary window" >/dev/null
  e2e_wait_file icon.txt
  if [ "${1:-}" = select ]; then
    shift
    local x y
    read -r x y <icon.txt
    zelk_click "$x" "$y"
  fi
  # The section name 設定 in Shift-JIS.
  if [ $# -gt 0 ]; then { printf '[\x90\xdd\x92\xe8]\r\n'; printf '%s\r\n' "$@"; } >ZELK.ini; fi
  e2e_start ZELK.exe
  e2e_wait_window "$ZELK_CAPTION" >/dev/null
  sleep 1  # the first show sets the ready flag
}

zelk_stop() {
  "$WINE" taskkill /f /im zelk_desktop.exe >/dev/null 2>&1 || true
}

zelk_click() {  # x y
  xdotool mousemove "$1" "$2" click 1
}

zelk_double_click() {  # x y
  xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1
}

# Waits up to 5 s for ZELK's window to be visible, or hidden.
zelk_expect() {  # shown|hidden
  local now
  for _ in $(seq 50); do
    now=hidden
    xdotool search --onlyvisible --name "$ZELK_CAPTION" >/dev/null 2>&1 && now=shown
    [ "$now" = "$1" ] && return 0
    sleep 0.1
  done
  e2e_expect_eq "$1" "$now" "ZELK's window"
}

# A hidden window to start from; afterwards waits out the double-click time.
zelk_hide_by_wallpaper_click() {
  zelk_click 150 300
  zelk_expect hidden
  sleep 0.6
}

journey_zelk_dblmode_0_a_wallpaper_click_hides_and_a_double_click_shows() {
  zelk_start
  zelk_hide_by_wallpaper_click
  zelk_click 150 300
  sleep 1
  zelk_expect hidden
  sleep 0.6
  zelk_double_click 150 300
  zelk_expect shown
}

journey_zelk_dblmode_1_each_wallpaper_click_toggles_the_window() {
  zelk_start DBLMODE=1
  zelk_hide_by_wallpaper_click
  zelk_click 150 300
  zelk_expect shown
  sleep 0.6
  # A double-click toggles once: its button-down; the double-click adds nothing.
  zelk_double_click 150 300
  sleep 1
  zelk_expect hidden
}

journey_zelk_a_click_on_a_selected_desktop_icon_neither_hides_nor_shows() {
  zelk_start select
  local x y
  read -r x y <icon.txt
  zelk_click "$x" "$y"
  sleep 1
  zelk_expect shown
}

journey_zelk_sideclick_1_the_leftmost_column_shows_the_window_whatever_is_there() {
  zelk_start
  zelk_hide_by_wallpaper_click
  zelk_click 0 650
  zelk_expect shown
  sleep 0.6
  zelk_click 0 650
  sleep 1
  zelk_expect shown
}

journey_zelk_sideclick_0_the_leftmost_column_is_judged_by_the_desktop_test() {
  zelk_start SIDECLICK=0
  zelk_click 0 650         # the ordinary window: away from the desktop
  sleep 1
  zelk_expect shown
  sleep 0.6
  zelk_click 0 300         # the wallpaper: DBLMODE 0 hides
  zelk_expect hidden
}

journey_zelk_four_pixels_above_the_bottom_shows_two_pixels_above_does_not() {
  zelk_start
  zelk_hide_by_wallpaper_click
  zelk_click 900 766
  sleep 1
  zelk_expect hidden
  sleep 0.6
  zelk_click 900 764
  zelk_expect shown
}

journey_zelk_a_click_inside_an_ordinary_window_changes_nothing() {
  zelk_start
  zelk_click 900 650
  sleep 1
  zelk_expect shown
  sleep 0.6
  zelk_hide_by_wallpaper_click
  zelk_click 900 650
  sleep 1
  zelk_expect hidden
}

journey_zelk_button_downs_within_500_ms_of_a_double_click_activation_are_ignored() {
  zelk_start
  zelk_hide_by_wallpaper_click
  # Button-down, double-click, and a third button-down inside the guard.
  xdotool mousemove 150 300 click --repeat 3 --delay 80 1
  zelk_expect shown
  sleep 1
  zelk_expect shown
  zelk_click 150 300       # the guard has run out: a click hides again
  zelk_expect hidden
}

journey_zelk_a_second_start_leaves_one_hook_and_one_window() {
  zelk_start
  # The second ZELK.exe brings the first forward and ends by itself.
  timeout 30 "$WINE" ZELK.exe >/dev/null 2>&1 ||
    { echo "the second ZELK.exe did not end by itself" >&2; return 1; }
  sleep 1
  e2e_expect_eq 1 "$(xdotool search --name "$ZELK_CAPTION" | wc -l)" "ZELK windows"
  # The first one's hook still reports to the first one's window.
  zelk_hide_by_wallpaper_click
  zelk_double_click 150 300
  zelk_expect shown
}
