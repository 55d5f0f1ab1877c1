# Journeys of a first start: the window, hiding by the close button, the hot key.

journey_first_start_opens_centred_and_the_close_button_only_hides() {
  e2e_start ZELK.exe
  local window
  window=$(e2e_wait_window "$ZELK_CAPTION")
  eval "$(xdotool getwindowgeometry --shell "$window")"
  e2e_expect_eq "331x432" "${WIDTH}x${HEIGHT}" "window size"
  e2e_expect_eq "346,168" "$X,$Y" "window place on a 1024 x 768 screen"
  [ -d Data ] || { echo "the Data folder was not created" >&2; return 1; }
  sleep 1
  e2e_screenshot first-start

  e2e_click_close_button "$window"
  e2e_wait_hidden "$window"
  e2e_wait_file ZELK.ini
  e2e_wait_file DATA.INI
  # The section name 設定 in Shift-JIS, and the window's place written back.
  e2e_expect_eq "5b90dd92e85d" "$(head -c 6 ZELK.ini | xxd -p)" "first bytes of ZELK.ini"
  grep -qa '^TABCT=5' ZELK.ini
  grep -qa '^Left=346' ZELK.ini

  # Ctrl+Alt+N brings it back; Wine sees keys only while one of its windows
  # has the focus, as the desktop's would on Windows.
  e2e_start notepad.exe
  local other
  other=$(e2e_wait_window "Notepad|メモ帳")
  xdotool windowfocus --sync "$other"
  xdotool key --clearmodifiers ctrl+alt+n
  e2e_wait_visible "$window"
}
