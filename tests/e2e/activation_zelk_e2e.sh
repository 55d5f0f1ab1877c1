# Journeys of desktop activation with the real ZELK.exe: clicks by xdotool
# on the stand-in desktop (zelk_desktop.exe) reach ZELK through zelkhook.dll.
# Screen 1024 x 768: desktop rows 0-559 with one icon, an ordinary window on
# rows 560-767. ZELK's first window lies at 346,168, 331 x 432, so the
# wallpaper is clicked left of it (x 0 to 150) and the ordinary window at
# x 900. Two clicks that must not make a double-click are made more than the
# double-click rectangle (4 pixels) apart, so no step waits for the
# double-click time to pass.
# Every change of ZELK's window is recorded. A check that something did not
# happen is made on that record when the journey ends ZELK: ZELK handles the
# close message after every notification posted before it, so a wrong show
# or hide is in the record even when a later step undid its effect.

# Starts the stand-in desktop, then ZELK.exe with the given settings lines in
# the section 設定 of ZELK.ini, waits for ZELK's window (shown, and from its
# first show on ready for notifications) and records its changes.
zelk_start() {  # [KEY=value ...]
  e2e_start_desktop progman
  # The section name 設定 in Shift-JIS.
  if [ $# -gt 0 ]; then { printf '[\x90\xdd\x92\xe8]\r\n'; printf '%s\r\n' "$@"; } >ZELK.ini; fi
  e2e_start ZELK.exe
  local window
  window=$(e2e_wait_window "$ZELK_CAPTION")
  e2e_watch_window "$window" zelk-window.txt
}

zelk_click() {  # x y
  e2e_desktop_click "$1" "$2"
}

zelk_double_click() {  # x y
  e2e_desktop_click "$1" "$2" 1 2
}

# Waits for ZELK's window to be shown, or hidden.
zelk_expect() {  # shown|hidden
  e2e_wait_eq "$1" "ZELK's window" zelk_state
}
zelk_state() { e2e_window_changes zelk-window.txt | awk '{print $NF}' | grep . || echo shown; }

# Ends ZELK as the system asks a program to close (a close message to each
# of its windows; the hidden application window's ends the program) and compares the whole record of its window's changes,
# complete once the window is destroyed, with the expected ones. The end
# itself hides a shown window.
zelk_expect_changes() {  # "hidden shown ..."
  local expected=$1 last=${1##* }
  [ "${last:-shown}" = shown ] && expected="${expected:+$expected }hidden"
  "$WINE" taskkill /im ZELK.exe >/dev/null 2>&1
  e2e_wait_for "ZELK's window to be destroyed after the close message" \
    grep -q '^DestroyNotify' zelk-window.txt
  e2e_expect_eq "$expected" "$(e2e_window_changes zelk-window.txt)" "changes of ZELK's window"
}

# A hidden window to start from, by a click on the wallpaper where no journey
# clicks next.
zelk_hide_by_wallpaper_click() {
  zelk_click 150 340
  zelk_expect hidden
}

journey_zelk_dblmode_0_a_wallpaper_click_hides_and_a_double_click_shows() {
  zelk_start
  zelk_hide_by_wallpaper_click
  zelk_click 150 300       # a single click does not show
  zelk_double_click 150 260
  zelk_expect shown
  zelk_expect_changes "hidden shown"
}

journey_zelk_dblmode_1_each_wallpaper_click_toggles_the_window() {
  zelk_start DBLMODE=1
  zelk_hide_by_wallpaper_click
  zelk_click 150 300
  zelk_expect shown
  # A double-click toggles once: its button-down; the double-click adds nothing.
  zelk_double_click 150 260
  zelk_expect hidden
  zelk_expect_changes "hidden shown hidden"
}

journey_zelk_a_click_on_a_selected_desktop_icon_neither_hides_nor_shows() {
  zelk_start
  # The same click on the empty desktop is seen: it hides.
  zelk_hide_by_wallpaper_click
  local x y
  read -r x y <icon.txt
  # Selects the icon; whether ZELK sees it selected yet or not, a click on
  # the desktop leaves a hidden window hidden.
  zelk_click "$x" "$y"
  zelk_click 0 650         # the leftmost column shows
  zelk_expect shown
  zelk_click "$x" "$y"     # the selected icon: no hide
  zelk_click 900 767       # the bottom row shows again after a wrong hide
  zelk_expect_changes "hidden shown"
}

journey_zelk_sideclick_1_the_leftmost_column_shows_the_window_whatever_is_there() {
  zelk_start
  zelk_hide_by_wallpaper_click
  zelk_click 0 650         # the ordinary window
  zelk_expect shown
  zelk_click 0 610         # again: it stays shown
  zelk_click 900 767       # the bottom row shows again after a wrong hide
  zelk_expect_changes "hidden shown"
}

# Ctrl+Alt+N from the ordinary window, which takes the keyboard focus: Wine
# delivers a hot key only while one of its windows has it. The desktop's
# thread hands the key on before any later click, so ZELK handles it after
# every notification posted before.
zelk_show_by_hot_key() {
  local ordinary
  ordinary=$(e2e_wait_window "Ordinary window")
  xdotool windowfocus --sync "$ordinary"
  xdotool key --clearmodifiers ctrl+alt+n
}

journey_zelk_sideclick_0_the_leftmost_column_is_judged_by_the_desktop_test() {
  zelk_start SIDECLICK=0
  zelk_click 0 650         # the ordinary window: away from the desktop, no hide
  zelk_show_by_hot_key     # shows again after a wrong hide
  zelk_click 0 300         # the wallpaper: DBLMODE 0 hides
  zelk_expect hidden
  zelk_click 0 610         # the ordinary window: no show
  zelk_expect_changes "hidden"
}

journey_zelk_four_pixels_above_the_bottom_shows_two_pixels_above_does_not() {
  zelk_start
  zelk_hide_by_wallpaper_click
  zelk_click 900 764
  zelk_expect shown
  zelk_click 150 300
  zelk_expect hidden
  zelk_click 900 766       # no show
  zelk_expect_changes "hidden shown hidden"
}

journey_zelk_a_click_inside_an_ordinary_window_changes_nothing() {
  zelk_start
  zelk_click 900 650       # no hide
  zelk_click 0 650         # the leftmost column shows again after a wrong hide
  # The same click on the wallpaper is seen: it hides.
  zelk_hide_by_wallpaper_click
  zelk_click 900 610       # no show
  zelk_expect_changes "hidden"
}

# Clicks the wallpaper in the column x, at two places in turn, until a click
# hides the window: the consequence of the guard after a double-click
# activation running out.
zelk_click_until_hidden() {  # x
  e2e_wait_for "a click on the wallpaper to hide ZELK's window" zelk_click_and_look_hidden "$1"
}
zelk_click_and_look_hidden() {  # x
  [ "$(zelk_state)" = hidden ] && return 0
  ZELK_NEXT_Y=$((${ZELK_NEXT_Y:-260} == 260 ? 220 : 260))
  zelk_click "$1" "$ZELK_NEXT_Y"
  [ "$(zelk_state)" = hidden ]
}

journey_zelk_button_downs_within_500_ms_of_a_double_click_activation_are_ignored() {
  zelk_start
  zelk_hide_by_wallpaper_click
  # Button-down, double-click, and a third button-down inside the guard.
  zelk_double_click_and_press 150 300
  zelk_expect shown
  # The guard ignores this too; without it, it shows again after a wrong hide.
  zelk_click 900 767
  # Once the guard has run out, a click on the wallpaper hides again.
  zelk_click_until_hidden 150
  zelk_expect_changes "hidden shown hidden"
}
zelk_double_click_and_press() {  # x y
  e2e_desktop_click "$1" "$2" 1 3
}

journey_zelk_a_second_start_leaves_one_hook_and_one_window() {
  zelk_start
  # The second ZELK.exe brings the first forward and ends by itself, taking
  # any window of its own with it.
  timeout 30 "$WINE" ZELK.exe >/dev/null 2>&1 ||
    { echo "the second ZELK.exe did not end by itself" >&2; return 1; }
  e2e_expect_eq 1 "$(xdotool search --name "$ZELK_CAPTION" | wc -l)" "ZELK windows"
  # The first one's hook still reports to the first one's window.
  zelk_hide_by_wallpaper_click
  zelk_double_click 150 300
  zelk_expect shown
}
