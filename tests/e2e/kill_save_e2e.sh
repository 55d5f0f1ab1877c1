# Journey: ZELK.exe killed at random moments while it saves a sheet of 400
# items (an item started) or its settings and DATA.INI (the window closed).
# Afterwards every sheet and settings file holds its old content or its new
# one, never a short one.

KILL_ROUNDS=8

# The item count of a sheet file of the format's size, else what is wrong.
kill_sheet_state() {
  local size
  size=$(stat -c %s "$1" 2>/dev/null || echo missing)
  [ "$size" = 288004 ] || { echo "size $size"; return; }
  od -An -tu4 -N4 "$1" | tr -d ' '
}

# An INI file without its use counts, the only values a round changes.
kill_ini_shape() { if [ -e "$1" ]; then sed 's/^Count=.*/Count=/' "$1"; else echo absent; fi; }

# Waits up to 3 s for a file: a click may come before the window takes it.
kill_wait_file_briefly() { E2E_TIMEOUT=3 e2e_wait_for "the file '$1'" test -e "$1" 2>/dev/null; }

# Starts ZELK.exe and clicks the first item until it has started it (so the
# window is ready). Sets KILL_PID, KILL_WINDOW, KILL_LEFT and KILL_TOP.
kill_start_ready() {
  "$WINE" ZELK.exe >/dev/null 2>&1 &
  KILL_PID=$!
  KILL_WINDOW=$(e2e_wait_window "ZELK Ver.2.10")
  read -r KILL_LEFT KILL_TOP < <("$WINE" zelk_sheet_tool.exe area | tr -d '\r')
  rm -f tool/started.txt
  for _ in $(seq 10); do
    xdotool mousemove $((KILL_LEFT + 20)) $((KILL_TOP + 15)) click 1
    kill_wait_file_briefly tool/started.txt && return 0
  done
  echo "the first item was never started" >&2
  return 1
}

kill_now() {
  kill -KILL "$KILL_PID"
  wait "$KILL_PID" 2>/dev/null || true
}

journey_kills_while_saving_leave_every_sheet_and_settings_file_whole() {
  mkdir tool
  cp "$E2E_BIN"/zelk_record_start.exe tool/
  cp "$E2E_BIN"/zelk_sheet_tool.exe .
  local target
  target=$("$WINE" winepath -w "$E2E_FOLDER/tool/zelk_record_start.exe" | tr -d '\r')
  "$WINE" zelk_sheet_tool.exe fill 一般 400 "$target" >/dev/null
  e2e_expect_eq 400 "$(kill_sheet_state Data/一般)" "the sheet made for the journey"

  # A clean round gives the settings and DATA.INI as every close writes them.
  kill_start_ready
  e2e_click_close_button "$KILL_WINDOW"
  e2e_wait_hidden "$KILL_WINDOW"
  kill_now
  local settings_ref data_ref
  settings_ref=$(kill_ini_shape ZELK.ini)
  data_ref=$(kill_ini_shape DATA.INI)
  grep -qa '^\[DATA400\]' DATA.INI || { echo "DATA.INI holds no 400 items" >&2; return 1; }

  local round changed=0 kept=0 temporaries=0 saving
  for round in $(seq "$KILL_ROUNDS"); do
    cp Data/一般 old-sheet
    cp ZELK.ini old-settings
    cp DATA.INI old-data
    kill_start_ready
    if ((round % 2)); then
      saving="the settings"
      e2e_click_close_button "$KILL_WINDOW"
    else
      saving="the sheet"
      xdotool mousemove $((KILL_LEFT + 20)) $((KILL_TOP + 15)) click 1
    fi
    # A random moment while it saves: the kill, not a wait for something.
    sleep "0.$(printf %03d $((RANDOM % 600)))"
    kill_now

    e2e_expect_eq 400 "$(kill_sheet_state Data/一般)" "round $round ($saving): Data/一般"
    e2e_expect_eq "$settings_ref" "$(kill_ini_shape ZELK.ini)" "round $round ($saving): ZELK.ini"
    e2e_expect_eq "$data_ref" "$(kill_ini_shape DATA.INI)" "round $round ($saving): DATA.INI"
    for file in Data/一般:old-sheet ZELK.ini:old-settings DATA.INI:old-data; do
      if cmp -s "${file%%:*}" "${file##*:}"; then kept=$((kept + 1)); else changed=$((changed + 1)); fi
    done
    # A temporary file left behind shows a kill in the middle of a save.
    temporaries=$((temporaries + $(find . -name 'zlk*.tmp' | wc -l)))
    find . -name 'zlk*.tmp' -delete
  done
  mkdir -p "$ZELK_ROOT/build/artifacts"
  echo "$KILL_ROUNDS kills: files whole in every round; $kept kept their old content," \
    "$changed had their new one; $temporaries temporary files left by kills mid-save" |
    tee "$ZELK_ROOT/build/artifacts/kill_save.txt"
}
