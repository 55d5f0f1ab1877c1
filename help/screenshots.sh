#!/usr/bin/env bash
# Takes the help's pictures from the running program: builds the win64
# ZELK.exe, starts it under Wine on its own Xvfb display with a few items on
# the first sheet, and saves PNGs of the main window, the item menu and the
# four pages of 設定 into help/images/. Run it after a change to what a user
# sees, then rebuild the help.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export ZELK_ROOT=$root
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" win64 ZELK zelkhook >/dev/null

images="$root/help/images"
mkdir -p "$images"
rm -f "$images"/*.png
source "$root/tools/wine-env.sh"
source "$root/tests/e2e/lib.sh"
E2E_FOLDER=$(mktemp -d)
trap 'e2e_cleanup; wine_stop' EXIT
wine_start

cp "$E2E_BIN"/ZELK.exe "$E2E_BIN"/zelkhook.dll "$E2E_FOLDER"/
cd "$E2E_FOLDER"

# A text field of a launcher item: code page 932, padded with zeros.
item_field() {  # text size
  local bytes
  bytes=$(printf '%s' "$1" | iconv -f UTF-8 -t CP932 | wc -c)
  printf '%s' "$1" | iconv -f UTF-8 -t CP932
  head -c $(($2 - bytes)) /dev/zero
}
item_int32() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) \
  $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"; }

# The first sheet 一般 with the given items ("target|display|count" each), in
# the sheet file's layout: the count, then 400 records of 720 bytes.
write_sheet() {
  mkdir -p Data
  # Wine names the host's files in UTF-8 whatever the code page.
  local file=Data/一般
  {
    item_int32 $#
    local slot=0 target display count
    for item in "$@"; do
      IFS='|' read -r target display count <<<"$item"
      item_field "$target" 256
      item_field "" 100
      item_field "一般" 100
      item_field "$display" 256
      item_int32 "$slot"
      item_int32 "$count"
      slot=$((slot + 1))
    done
  } >"$file"
  truncate -s 288004 "$file"
}
write_sheet 'C:\windows\system32\notepad.exe|メモ帳|12' \
  'C:\windows\regedit.exe|レジストリ|3' \
  'C:\windows\system32\cmd.exe|コマンド|7' \
  'C:\windows\system32\winemine.exe|マイン|1' \
  'C:\windows|Windows|0' \
  'C:\windows\system32\taskmgr.exe|タスク管理|2'
# Names and use counts under the icons, as most users have them.
printf '[設定]\r\nFILE_DISP=1\r\nCOUNT_DISP=1\r\n' | iconv -f UTF-8 -t CP932 >ZELK.ini

window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
# A picture without dates, so that an unchanged window gives the same file.
picture() { convert - -strip -define png:exclude-chunks=date,time "$1"; }
# Saves the window's picture once two pictures in a row are the same: the
# window has finished painting.
snap() {  # window name
  e2e_wait_for "a still picture of $2" still_picture "$1" "$images/$2.png"
  echo "help: $2.png"
}
still_picture() {  # window file
  import -window "$1" png:- | picture "$2.next.png"
  if [ -f "$2" ] && compare -metric AE "$2" "$2.next.png" null: 2>/dev/null; then
    rm "$2.next.png"
    return 0
  fi
  mv "$2.next.png" "$2"
  return 1
}

e2e_start ZELK.exe
window=$(e2e_wait_window "$ZELK_CAPTION")
e2e_wait_painted "$window"
snap "$window" main-window
read -r x y width height <<<"$(window_geometry "$window")"

# The item menu: a right click on the first item; the picture holds the
# window and the menu beside it.
before=$(xdotool search --onlyvisible --name '' 2>/dev/null | sort)
xdotool mousemove $((x + 90)) $((y + 110)) click 3
# The menu is the new window that is taller than the item hint.
menu_window() {
  local candidate
  for candidate in $(comm -13 <(echo "$before") <(xdotool search --onlyvisible --name '' 2>/dev/null | sort)); do
    read -r _ _ _ candidate_height <<<"$(window_geometry "$candidate")"
    [ "$candidate_height" -gt 100 ] && { echo "$candidate"; return 0; }
  done
  return 1
}
e2e_wait_for "the item menu" menu_window
menu=$(menu_window)
e2e_wait_painted "$menu"
read -r mx my mwidth mheight <<<"$(window_geometry "$menu")"
right=$((mx + mwidth > x + width ? mx + mwidth : x + width))
bottom=$((my + mheight > y + height ? my + mheight : y + height))
import -window root -crop "$((right - x))x$((bottom - y))+$x+$y" +repage png:- | picture "$images/item-menu.png"
echo "help: item-menu.png"
xdotool key Escape
e2e_wait_hidden "$menu"

# 設定, the first tool button, and its four pages one after the other.
xdotool mousemove $((x + 120)) $((y + 44)) click 1
dialog=$(e2e_wait_window '^設定$')
e2e_wait_painted "$dialog"
read -r dx dy _ _ <<<"$(window_geometry "$dialog")"
snap "$dialog" settings-1
# The page tabs take the arrow keys once the first tab has the focus.
xdotool mousemove $((dx + 30)) $((dy + 32)) click 1
for page in 2 3 4; do
  xdotool key Right
  # The next page is there when the picture differs from the last one.
  e2e_wait_for "page $page of 設定" bash -c \
    '! import -window "$1" png:- | compare -metric AE - "$2" null: 2>/dev/null' _ "$dialog" \
    "$images/settings-$((page - 1)).png"
  rm -f "$images/settings-$page.png"
  snap "$dialog" settings-$page
done
xdotool key Escape
e2e_wait_hidden "$dialog"
