# Helpers for end-to-end journeys: the real ZELK.exe in a fresh program
# folder, driven by xdotool on the Wine runner's display. A journey waits for
# the event it expects (a window state, a file, a helper program's line)
# through e2e_wait_for, never for a fixed time.

E2E_BIN="$ZELK_ROOT/build/win64/bin"
# How long any awaited event may take on a busy machine before the journey fails.
E2E_TIMEOUT=30

# Runs one journey function in a fresh program folder; prints PASS or FAIL.
e2e_run() {
  local journey=$1 rc
  E2E_FOLDER=$(mktemp -d)
  cp "$E2E_BIN"/ZELK.exe "$E2E_FOLDER"/
  cp "$E2E_BIN"/*.dll "$E2E_FOLDER"/ 2>/dev/null || true
  # A new shell, so that set -e stops the journey at its first failing step
  # even when e2e_run itself runs in a condition (where bash ignores set -e,
  # in subshells too). It reads the helpers and the journey's script afresh.
  local helpers script
  helpers=$(realpath "${BASH_SOURCE[0]}")
  script=$(realpath "$(shopt -s extdebug; declare -F "$journey" | cut -d' ' -f3-)")
  (cd "$E2E_FOLDER" && E2E_FOLDER=$E2E_FOLDER ZELK_ROOT=$ZELK_ROOT bash -c \
    'set -e; source "$1"; source "$2"; "$3"' journey "$helpers" "$script" "$journey") \
    >"$E2E_FOLDER.log" 2>&1
  rc=$?
  if [ "$rc" -eq 0 ]; then echo "PASS $journey"; else
    echo "FAIL $journey"; sed 's/^/    /' "$E2E_FOLDER.log"; fi
  e2e_cleanup
  return "$rc"
}

e2e_cleanup() {
  local program
  for program in ZELK.exe notepad.exe zelk_desktop.exe zelk_hook_receiver.exe; do
    "$WINE" taskkill /f /im "$program" >/dev/null 2>&1 || true
  done
  wineserver -w 2>/dev/null || true
  # The window watchers, by id, while each is still the xev this harness started.
  if [ -f "$E2E_FOLDER/watchers.pid" ]; then
    while read -r pid; do
      [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = xev ] && kill "$pid" 2>/dev/null
    done <"$E2E_FOLDER/watchers.pid"
  fi
  rm -rf "$E2E_FOLDER" "$E2E_FOLDER.log"
}

# Polls the command until it succeeds; after E2E_TIMEOUT seconds fails with a
# message that names what was awaited.
e2e_wait_for() {  # what command...
  local what=$1 deadline=$((SECONDS + E2E_TIMEOUT))
  shift
  until "$@" >/dev/null 2>&1; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "waited ${E2E_TIMEOUT} s in vain for $what" >&2
      return 1
    fi
    sleep 0.1
  done
}

# Waits until the command prints the expected text; else fails showing both.
e2e_wait_eq() {  # expected what command...
  local expected=$1 what=$2
  shift 2
  e2e_wait_for "$what to be '$expected'" e2e_prints "$expected" "$@" ||
    { echo "$what: expected '$expected', got '$("$@" 2>&1)'" >&2; return 1; }
}
e2e_prints() { [ "$("${@:2}")" = "$1" ]; }

# Fails with a message showing what was expected and what was found.
e2e_expect_eq() {  # expected actual what
  [ "$1" = "$2" ] && return 0
  echo "$3: expected '$1', got '$2'" >&2
  return 1
}

# Starts a program of the program folder in the background.
e2e_start() { (cd "$E2E_FOLDER" && exec "$WINE" "$@" >/dev/null 2>&1 &); }

e2e_visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }

# Prints the X window id of the first visible window whose name matches,
# once there is one; else fails naming the visible windows.
e2e_wait_window() {  # name
  e2e_wait_for "a window named '$1'" e2e_visible_window "$1" ||
    { echo "visible windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null |
        paste -sd '|')" >&2; return 1; }
  e2e_visible_window "$1"
}

e2e_window_state() {  # window; prints visible or hidden
  if xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; then echo visible; else echo hidden; fi
}

# Waits for a window to be shown ("visible") or hidden ("hidden").
e2e_wait_state() {  # window state
  e2e_wait_eq "$2" "the state of window $1" e2e_window_state "$1"
}
e2e_wait_hidden() { e2e_wait_state "$1" hidden; }
e2e_wait_visible() { e2e_wait_state "$1" visible; }

e2e_wait_file() { e2e_wait_for "the file '$1'" test -e "$1"; }

e2e_line_count() { [ -e "$1" ] && wc -l <"$1" || echo 0; }
e2e_has_lines() { [ "$(e2e_line_count "$1")" -ge "$2" ]; }

# Waits until the file has at least the given number of lines.
e2e_wait_lines() {  # file count what
  e2e_wait_for "$3 (line $2 of $1)" e2e_has_lines "$1" "$2"
}

# Records from now on every map, unmap and destruction of an X window, with
# no gap: the X server reports each one, so none is missed however briefly it
# lasted. A property this harness sets marks the start.
e2e_watch_window() {  # window file
  stdbuf -oL xev -id "$1" -event structure -event property >"$2" 2>/dev/null &
  echo $! >>"$E2E_FOLDER/watchers.pid"
  e2e_wait_for "the watcher of window $1 to start" e2e_mark_watched "$1" "$2"
}
e2e_mark_watched() {
  xprop -id "$1" -f E2E_WATCHED 8s -set E2E_WATCHED 1 && grep -q E2E_WATCHED "$2"
}

# The recorded changes of a window: "shown" or "hidden" for each.
e2e_window_changes() {  # file
  grep -oE '^(Map|Unmap)Notify' "$1" | sed 's/^MapNotify/shown/; s/^UnmapNotify/hidden/' | paste -sd ' '
}

# The stand-in desktop (see desktop/StandInDesktop_win.cpp) of the shape
# (progman or workerw): writes its icon's centre to icon.txt and each button
# press it takes to presses.txt.
e2e_start_desktop() {  # shape
  cp "$E2E_BIN"/zelk_desktop.exe .
  e2e_start zelk_desktop.exe "$1" icon.txt presses.txt
  e2e_wait_window "Ordinary window" >/dev/null
  e2e_wait_file icon.txt
}

# Clicks on the stand-in desktop's screen (its views or its ordinary window)
# and waits until the desktop has taken every press: the hook library has
# judged them and posted its notifications. Presses of one call come 80 ms
# apart, well inside the system's double-click time (500 ms).
e2e_desktop_click() {  # x y [button] [presses]
  local presses=${4:-1} before
  before=$(e2e_line_count presses.txt)
  xdotool mousemove "$1" "$2" click --repeat "$presses" --delay 80 "${3:-1}"
  e2e_wait_lines presses.txt $((before + presses)) "the stand-in desktop to take the press at $1,$2" ||
    { echo "presses taken: $(paste -sd '|' presses.txt)" >&2; return 1; }
}

# Keeps a screenshot of the whole display as a test artefact.
e2e_screenshot() {
  mkdir -p "$ZELK_ROOT/build/artifacts"
  import -window root "$ZELK_ROOT/build/artifacts/$1.png"
}

# Waits until a window shows more than a few colours: it has drawn its
# controls, and a screenshot shows them.
e2e_wait_painted() {  # window
  e2e_wait_for "window $1 to be painted" e2e_is_painted "$1"
}
e2e_is_painted() { [ "$(import -window "$1" png:- | identify -format '%k' -)" -gt 16 ]; }

# Clicks the close button of a window whose caption Wine draws itself.
e2e_click_close_button() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH - 12)) $((Y + 10)) click 1
}
