# Journeys of the mouse hook: zelkhook.dll installed by a small receiver
# program, clicks made by xdotool on a stand-in desktop in another process.
# The receiver writes one line per notification: the mouse message number
# (513 button-down, 515 double-click) and the desktop test's verdict.
# Screen 1024 x 768: desktop rows 0-559, an ordinary window on rows 560-767.

# Starts the stand-in desktop of the shape (progman or workerw) and the
# receiver; both end with the journey.
hook_start() {  # shape
  cp "$E2E_BIN"/zelk_desktop.exe "$E2E_BIN"/zelk_hook_receiver.exe .
  trap hook_stop EXIT
  e2e_start zelk_hook_receiver.exe notifications.txt
  e2e_wait_file notifications.txt
  e2e_expect_eq "SetHook 1" "$(head -1 notifications.txt)" "result of SetHook"
  e2e_start zelk_desktop.exe "$1" icon.txt
  e2e_wait_window "Ordinary window" >/dev/null
  e2e_wait_file icon.txt
}

hook_stop() {
  "$WINE" taskkill /f /im zelk_desktop.exe >/dev/null 2>&1 || true
  "$WINE" taskkill /f /im zelk_hook_receiver.exe >/dev/null 2>&1 || true
}

# Prints the notifications once there are at least the given number, waiting up to 10 s.
hook_notifications() {  # count
  for _ in $(seq 100); do
    [ "$(tail -n +2 notifications.txt | wc -l)" -ge "$1" ] && break
    sleep 0.1
  done
  tail -n +2 notifications.txt | paste -sd ' '
}

hook_click() {  # x y [button]
  xdotool mousemove "$1" "$2" click "${3:-1}"
  sleep 0.3
}

journey_wallpaper_double_click_posts_button_down_then_double_click() {
  hook_start progman
  xdotool mousemove 500 300 click --repeat 2 --delay 80 1
  sleep 1
  e2e_expect_eq "513 desktop 515 desktop" "$(hook_notifications 2)" "notifications"
}

journey_an_ordinary_window_posts_only_for_clicks_at_the_screen_edge() {
  hook_start progman
  hook_click 500 600       # inside, far from the edges
  hook_click 500 766       # two pixels above the bottom edge
  hook_click 500 300 3     # the right button on the wallpaper
  hook_click 0 600         # the leftmost column
  hook_click 1023 600      # the rightmost column
  hook_click 500 767       # the bottom row
  hook_click 500 764       # four pixels above the bottom edge
  hook_click 500 300       # the wallpaper, last
  e2e_expect_eq "513 away 513 away 513 away 513 away 513 desktop" "$(hook_notifications 5)" \
    "notifications"
}

journey_a_click_on_a_selected_desktop_icon_is_not_the_empty_desktop() {
  hook_start progman
  local x y
  read -r x y <icon.txt
  hook_click "$x" "$y"
  sleep 0.5                # apart enough not to make a double-click
  hook_click "$x" "$y"
  e2e_expect_eq "513 away" "$(hook_notifications 2 | cut -d' ' -f3-)" "second click on the icon"
}

journey_a_desktop_under_workerw_posts_for_its_icon_view_and_web_view() {
  hook_start workerw
  hook_click 200 300       # the icon view, left half
  hook_click 800 300       # the web view, right half
  e2e_expect_eq "513 desktop 513 desktop" "$(hook_notifications 2)" "notifications"
}

journey_remove_hook_in_a_process_that_never_set_it_removes_nothing() {
  hook_start progman
  e2e_start zelk_hook_receiver.exe --remove removed.txt
  e2e_wait_file removed.txt
  sleep 0.5
  hook_click 500 300
  e2e_expect_eq "513 desktop" "$(hook_notifications 1)" "notifications after the other RemoveHook"
}
