# Sourced by the scripts that run Windows programs: an isolated Wine prefix in
# the build folder, code page 932, its own Xvfb display. Everything started
# here is stopped by wine_stop, by its own id or for its own prefix only.
#
# This machine's kernel runs no 32-bit code, so the Win32 code is exercised
# through its x86_64 build under 64-bit Wine; the i686 deliverables are built
# from the same sources.

ZELK_ROOT=${ZELK_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
source "$ZELK_ROOT/tools/version.sh" || return 1
# A developer may point WINEPREFIX at a prefix of their own while iterating.
export WINEPREFIX="${WINEPREFIX:-$ZELK_ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=ja_JP.UTF-8
# The 64-bit loader itself: Debian's "wine" wrapper wants wine32, which this
# kernel cannot run.
WINE=$(command -v wine64 || true)
[ -n "$WINE" ] || { [ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64; }
if [ -z "$WINE" ]; then
  echo "wine-env: no 64-bit Wine (wine64 on PATH or /usr/lib/wine/wine64); run tools/setup.sh" >&2
  return 1
fi
export WINE
XVFB_PID=""

wine_start() {
  # Xvfb picks a free display number itself and reports it.
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${ZELK_SCREEN:-1024x768}x24" -nolisten tcp 3>"$display_file" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$display_file")"
  rm -f "$display_file"
  [ -f "$WINEPREFIX/system.reg" ] || wine_make_prefix
  # A prefix that starts no program (its making cut short, or left by
  # another Wine) is made anew once; a second failure says why.
  if ! wine_prefix_works; then
    echo "wine-env: the prefix $WINEPREFIX starts no program; making it anew" >&2
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    wine_make_prefix
    if ! wine_prefix_works; then
      echo "wine-env: still no program starts; $("$WINE" --version 2>&1)" >&2
      cat "$WINEPREFIX/wineboot.log" >&2
      "$WINE" cmd /c exit 0 </dev/null >&2
      return 1
    fi
  fi
}

wine_make_prefix() {
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i </dev/null >"$WINEPREFIX/wineboot.log" 2>&1 || true
  # Without a window manager, Wine draws the frames and captions itself.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y /f </dev/null >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
}

# The screen's scale (96 = 100 %) for the programs started from now on: Wine
# reads LogPixels when its server starts, so the prefix's server is restarted.
wine_set_dpi() {  # dpi
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1 || return 1
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

wine_prefix_works() { "$WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1; }

wine_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  XVFB_PID=""
}
