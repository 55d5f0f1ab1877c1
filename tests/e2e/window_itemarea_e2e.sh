# Journeys of the item area's own window: the mouse wheel over many items.

# Waits up to 20 s until the item area's scroll bar, as "position last",
# matches a pattern.
itemarea_wait_scroll() {  # pattern
  local state=""
  for _ in $(seq 200); do
    state=$("$WINE" zelk_sheet_tool.exe scroll 2>/dev/null | tr -d '\r')
    [[ $state =~ $1 ]] && return 0
    sleep 0.1
  done
  echo "scroll bar: expected '$1', got '$state'" >&2
  return 1
}

journey_the_wheel_over_many_items_scrolls_the_first_rows_away_and_back() {
  cp "$E2E_BIN"/zelk_sheet_tool.exe .
  # 90 items in 3 columns fill rows 0 to 29, past row 15 and the visible rows.
  "$WINE" zelk_sheet_tool.exe fill 一般 90 >/dev/null
  e2e_start ZELK.exe
  e2e_wait_window "$ZELK_CAPTION" >/dev/null
  # Loaded: at the top, and the last position reaches beyond row 15.
  itemarea_wait_scroll '^0 (1[6-9]|2[0-9])$'
  local left top
  read -r left top < <("$WINE" zelk_sheet_tool.exe area | tr -d '\r')
  xdotool mousemove $((left + 20)) $((top + 15)) click 5
  itemarea_wait_scroll '^[1-9][0-9]* '
  e2e_screenshot itemarea-wheel-down
  xdotool click 4
  itemarea_wait_scroll '^0 '
}
