# A journey at 150 %: the test command runs it in a Wine of its own whose
# screen has 144 dots per inch (tools/wine-env.sh: wine_set_dpi), not with
# the *_e2e.sh journeys at 96.

# The painted item area's cells as ImageMagick sees them: the colour of
# each pixel of a column, one per line.
scale_column() {  # picture x top height
  convert "$1" -crop "1x$4+$2+$3" +repage txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}

# The rows of the column, from its top, that are the black lines between cells.
scale_black_rows() {  # picture x top height
  scale_column "$@" | grep -n '^000000$' | cut -d: -f1 | awk '{print $1 - 1}' | paste -sd ' '
}

# The size of what is drawn in a cell's inside, on its face colour C8C8C8.
scale_drawn_size() {  # picture x y width height
  convert "$1" -crop "$4x$5+$2+$3" +repage -fuzz 0 -transparent '#C8C8C8' -format '%@' info: |
    cut -d+ -f1
}

scale_icon_drawn() {  # picture x y width height
  import -window root "$1"
  [ "$(scale_drawn_size "$@")" != "0x0" ]
}

journey_at_150_percent_the_window_its_cells_and_icons_are_half_as_large_again() {
  cp "$E2E_BIN"/zelk_sheet_tool.exe .
  "$WINE" zelk_sheet_tool.exe fill 一般 3 >/dev/null
  # The cells' face in 200,200,200.
  printf '[\x90\x46]\r\nBM=13158600\r\n' >ZELK.ini
  e2e_start ZELK.exe
  local window
  window=$(e2e_wait_window "$ZELK_CAPTION")
  eval "$(xdotool getwindowgeometry --shell "$window")"
  e2e_expect_eq "497x648" "${WIDTH}x${HEIGHT}" "window size, 331 x 432 at 96 DPI"
  local left top
  read -r left top < <("$WINE" zelk_sheet_tool.exe area | tr -d '\r')
  # The first cell's inside, clear of its lines: its icon once looked up.
  local shot=$E2E_FOLDER/shot.png
  e2e_wait_for "the first cell's icon" scale_icon_drawn "$shot" $((left + 3)) $((top + 2)) 100 50
  e2e_screenshot scale-144dpi
  # Black lines between the rows, 54 pixels apart (36 at 96 DPI).
  e2e_expect_eq "0 54 108 162" "$(scale_black_rows "$shot" $((left + 10)) "$top" 200)" \
    "black rows of the first column"
  local icon
  icon=$(scale_drawn_size "$shot" $((left + 3)) $((top + 2)) 100 50)
  local width=${icon%x*} height=${icon#*x}
  [ "$width" -gt 32 ] && [ "$width" -le 48 ] && [ "$height" -gt 32 ] && [ "$height" -le 48 ] ||
    { echo "icon drawn $icon: expected larger than 32 and at most 48 pixels" >&2; return 1; }
}
