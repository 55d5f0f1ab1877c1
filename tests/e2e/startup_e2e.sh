# Journeys of a first start.

journey_first_start_opens_centred_and_closing_saves_the_settings() {
  e2e_start ZELK.exe
  local window
  window=$(e2e_wait_window "ZELK Ver.2.10")
  eval "$(xdotool getwindowgeometry --shell "$window")"
  e2e_expect_eq "331x432" "${WIDTH}x${HEIGHT}" "window size"
  e2e_expect_eq "346,168" "$X,$Y" "window place on a 1024 x 768 screen"
  [ -d Data ] || { echo "the Data folder was not created" >&2; return 1; }

  e2e_click_close_button "$window"
  e2e_wait_file ZELK.ini
  sleep 1
  # The section name 設定 in Shift-JIS.
  e2e_expect_eq "5b90dd92e85d" "$(head -c 6 ZELK.ini | xxd -p)" "first bytes of ZELK.ini"
  grep -q '^TABCT=5' ZELK.ini
  grep -qa '^Left=346' ZELK.ini
  e2e_wait_file DATA.INI
}
