# Journeys of starting an item with a real click.

journey_a_click_on_an_item_starts_it_with_its_parameters_and_folder() {
  mkdir tool
  cp "$E2E_BIN"/zelk_record_start.exe tool/
  cp "$E2E_BIN"/zelk_sheet_tool.exe .
  local target
  target=$("$WINE" winepath -w "$E2E_FOLDER/tool/zelk_record_start.exe" | tr -d '\r')
  "$WINE" zelk_sheet_tool.exe make 一般 "$target" "--from zelk" >/dev/null
  e2e_start ZELK.exe
  e2e_wait_window "$ZELK_CAPTION" >/dev/null
  sleep 1
  local left top
  read -r left top < <("$WINE" zelk_sheet_tool.exe area | tr -d '\r')
  xdotool mousemove $((left + 20)) $((top + 15)) click 1
  e2e_wait_file tool/started.txt
  sleep 0.5
  local started
  started=$(iconv -f UTF-16LE -t UTF-8 tool/started.txt | tr -d '\r')
  echo "$started" | head -1 | grep -q -- "--from zelk" || { echo "command line: $started" >&2; return 1; }
  local folder
  folder=$(echo "$started" | sed -n 2p)
  e2e_expect_eq "${target%\\*}" "$folder" "working folder"
  e2e_expect_eq "1" "$("$WINE" zelk_sheet_tool.exe count 一般 | tr -d '\r')" "use count in the sheet file"
}
