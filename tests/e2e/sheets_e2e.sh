# Journeys of the sheet operations, through the real menus and dialogs.

journey_a_sheet_created_through_the_tab_menu_is_in_the_settings_after_a_close() {
  cp "$E2E_BIN"/zelk_sheet_tool.exe .
  e2e_start ZELK.exe
  local window
  window=$(e2e_wait_window "$ZELK_CAPTION")
  sleep 1
  local left top
  read -r left top < <("$WINE" zelk_sheet_tool.exe tabs | tr -d '\r')
  # A right press in the tab strip opens the sheet menu; its first entry creates.
  xdotool mousemove $((left + 100)) $((top + 8)) click 3
  sleep 1
  xdotool key Down Return
  local dialog
  dialog=$(e2e_wait_window "シート名入力")
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool type --delay 50 "Tools"
  xdotool key Return
  e2e_wait_hidden "$dialog"
  sleep 0.5
  e2e_screenshot sheet-created
  e2e_click_close_button "$window"
  e2e_wait_hidden "$window"
  e2e_wait_file ZELK.ini
  grep -qa '^TABCT=6' ZELK.ini || { echo "ZELK.ini: $(grep -a TAB ZELK.ini | tr '\r\n' '  ')" >&2; return 1; }
  grep -qa '^TAB5=Tools' ZELK.ini
}
