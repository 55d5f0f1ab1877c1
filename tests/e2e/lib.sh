# Helpers for end-to-end journeys: the real ZELK.exe in a fresh program
# folder, driven by xdotool on the Wine runner's display.

E2E_BIN="$ZELK_ROOT/build/win64/bin"

# Runs one journey function in a fresh program folder; prints PASS or FAIL.
e2e_run() {
  local journey=$1 rc
  E2E_FOLDER=$(mktemp -d)
  cp "$E2E_BIN"/ZELK.exe "$E2E_FOLDER"/
  cp "$E2E_BIN"/*.dll "$E2E_FOLDER"/ 2>/dev/null || true
  # A subshell outside any condition, so that set -e stops the journey at
  # its first failing step.
  (set -e; cd "$E2E_FOLDER"; "$journey") >"$E2E_FOLDER.log" 2>&1
  rc=$?
  if [ "$rc" -eq 0 ]; then echo "PASS $journey"; else
    echo "FAIL $journey"; sed 's/^/    /' "$E2E_FOLDER.log"; fi
  e2e_cleanup
  return "$rc"
}

e2e_cleanup() {
  "$WINE" taskkill /f /im ZELK.exe >/dev/null 2>&1 || true
  "$WINE" taskkill /f /im notepad.exe >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
  rm -rf "$E2E_FOLDER" "$E2E_FOLDER.log"
}

# Starts a program of the program folder in the background.
e2e_start() { (cd "$E2E_FOLDER" && exec "$WINE" "$@" >/dev/null 2>&1 &); }

# Prints the X window id of the first window whose name matches, waiting up to 20 s.
e2e_wait_window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named '$1' appeared" >&2
  return 1
}

# Waits up to 20 s for a window to be shown ("visible") or hidden ("hidden").
e2e_wait_state() {  # window state
  local shown
  for _ in $(seq 200); do
    shown=hidden
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" && shown=visible
    [ "$shown" = "$2" ] && return 0
    sleep 0.1
  done
  echo "window $1 did not become $2" >&2
  return 1
}
e2e_wait_hidden() { e2e_wait_state "$1" hidden; }
e2e_wait_visible() { e2e_wait_state "$1" visible; }

# Keeps a screenshot of the whole display as a test artefact.
e2e_screenshot() {
  mkdir -p "$ZELK_ROOT/build/artifacts"
  import -window root "$ZELK_ROOT/build/artifacts/$1.png"
}

# Waits up to 20 s for a file to exist.
e2e_wait_file() {
  for _ in $(seq 200); do [ -e "$1" ] && return 0; sleep 0.1; done
  echo "file '$1' did not appear" >&2
  return 1
}

# Fails with a message showing what was expected and what was found.
e2e_expect_eq() {  # expected actual what
  [ "$1" = "$2" ] && return 0
  echo "$3: expected '$1', got '$2'" >&2
  return 1
}

# Clicks the close button of a window whose caption Wine draws itself.
e2e_click_close_button() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH - 12)) $((Y + 10)) click 1
}
