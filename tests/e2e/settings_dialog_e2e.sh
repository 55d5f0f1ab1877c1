# Journey of the settings dialog 設定: a setting changed there reaches
# ZELK.ini with the next save.

settings_window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

journey_a_check_box_changed_in_the_settings_dialog_is_in_zelk_ini_after_a_close() {
  e2e_start ZELK.exe
  local window dialog
  window=$(e2e_wait_window "$ZELK_CAPTION")
  e2e_wait_painted "$window"
  read -r x y _ _ <<<"$(settings_window_geometry "$window")"
  # 設定, the first tool button.
  xdotool mousemove $((x + 120)) $((y + 44)) click 1
  dialog=$(e2e_wait_window '^設定$')
  e2e_wait_painted "$dialog"
  e2e_screenshot settings-dialog
  read -r x y _ _ <<<"$(settings_window_geometry "$dialog")"
  # ステータスバーの表示 on the first page, then OK.
  xdotool mousemove $((x + 70)) $((y + 235)) click 1
  xdotool key Return
  e2e_wait_hidden "$dialog"
  e2e_click_close_button "$window"
  e2e_wait_for "STATUS_DISP=0 in ZELK.ini" grep -q '^STATUS_DISP=0' ZELK.ini
}
