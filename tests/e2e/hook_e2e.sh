# Journeys of the mouse hook: zelkhook.dll installed by a small receiver
# program, clicks made by xdotool on a stand-in desktop in another process.
# The receiver writes one line per notification: the mouse message number
# (513 button-down, 515 double-click) and the desktop test's verdict.
# Screen 1024 x 768: desktop rows 0-559, an ordinary window on rows 560-767.
# A click that posts is followed by a wait for its line, so that the mouse
# stays where the receiver's desktop test looks. Each journey's last click
# posts, so its line shows that every earlier notification has arrived.

# Starts the receiver and the stand-in desktop of the shape (progman or
# workerw); both end with the journey.
hook_start() {  # shape
  cp "$E2E_BIN"/zelk_hook_receiver.exe .
  e2e_start zelk_hook_receiver.exe notifications.txt
  e2e_wait_file notifications.txt
  e2e_expect_eq "SetHook 1" "$(head -1 notifications.txt)" "result of SetHook"
  e2e_start_desktop "$1"
}

# Waits for the given number of notifications and prints them all.
hook_notifications() {  # count
  e2e_wait_lines notifications.txt $(($1 + 1)) "the receiver's notification $1"
  tail -n +2 notifications.txt | paste -sd ' '
}

hook_click() {  # x y [button]
  e2e_desktop_click "$1" "$2" "${3:-1}"
}

journey_wallpaper_double_click_posts_button_down_then_double_click() {
  hook_start progman
  e2e_desktop_click 500 300 1 2
  hook_click 500 260       # a later click shows nothing else came in between
  e2e_expect_eq "513 desktop 515 desktop 513 desktop" "$(hook_notifications 3)" "notifications"
}

journey_an_ordinary_window_posts_only_for_clicks_at_the_screen_edge() {
  hook_start progman
  hook_click 500 600       # inside, far from the edges
  hook_click 500 766       # two pixels above the bottom edge
  hook_click 500 300 3     # the right button on the wallpaper
  hook_click 0 600         # the leftmost column
  hook_notifications 1 >/dev/null
  hook_click 1023 600      # the rightmost column
  hook_notifications 2 >/dev/null
  hook_click 500 767       # the bottom row
  hook_notifications 3 >/dev/null
  hook_click 500 764       # four pixels above the bottom edge
  hook_notifications 4 >/dev/null
  hook_click 500 300       # the wallpaper, last
  e2e_expect_eq "513 away 513 away 513 away 513 away 513 desktop" "$(hook_notifications 5)" \
    "notifications"
}

journey_a_click_on_a_selected_desktop_icon_is_not_the_empty_desktop() {
  hook_start progman
  local x y
  read -r x y <icon.txt
  hook_click "$x" "$y"
  hook_notifications 1 >/dev/null
  hook_click $((x + 8)) "$y"  # the icon still, too far off to make a double-click
  e2e_expect_eq "513 away" "$(hook_notifications 2 | cut -d' ' -f3-)" "second click on the icon"
}

journey_a_desktop_under_workerw_posts_for_its_icon_view_and_web_view() {
  hook_start workerw
  hook_click 200 300       # the icon view, left half
  hook_notifications 1 >/dev/null
  hook_click 800 300       # the web view, right half
  e2e_expect_eq "513 desktop 513 desktop" "$(hook_notifications 2)" "notifications"
}

journey_remove_hook_in_a_process_that_never_set_it_removes_nothing() {
  hook_start progman
  # That process has ended when this returns.
  timeout 30 "$WINE" zelk_hook_receiver.exe --remove removed.txt
  e2e_expect_eq removed "$(cat removed.txt)" "the other process's record"
  hook_click 500 300
  e2e_expect_eq "513 desktop" "$(hook_notifications 1)" "notifications after the other RemoveHook"
}
