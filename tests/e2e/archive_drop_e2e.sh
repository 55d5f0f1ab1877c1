# Journey of an archive dropped on the extract target as a file manager drops
# it: through the X drag-and-drop protocol, which Wine turns into the shell's
# files-dropped notification for the window that accepts files. The stand-in
# UNLHA32.DLL beside ZELK.exe records the command line it gets.

E2E_DROP="$ZELK_ROOT/build/native/bin/zelk_xdnd_drop"

# The command lines the stand-in libraries received, one a line.
archive_commands() { [ -e calls.log ] && awk -F'\t' '$2 == "Command" { print $3 }' calls.log | tr -d '\r'; }
archive_has_command() { [ -n "$(archive_commands)" ]; }

journey_an_archive_dropped_on_the_extract_target_reaches_the_archiver_library() {
  cp "$E2E_BIN"/zelk_window_probe.exe "$E2E_BIN"/standins/all/UNLHA32.DLL .
  { printf '[\x90\xdd\x92\xe8]\r\n'; printf '%s\r\n' 'MeltDir=C:\Melt' MeltDLG=0; } >ZELK.ini
  mkdir archives
  printf -- '-lh5-' >archives/backup.2004.lzh
  e2e_start ZELK.exe
  local window centre
  window=$(e2e_wait_window "$ZELK_CAPTION")
  e2e_wait_painted "$window"
  centre=$("$WINE" zelk_window_probe.exe ArcPnl 2>/dev/null | tr -d '\r')
  "$E2E_DROP" "$window" ${centre} "$E2E_FOLDER/archives/backup.2004.lzh"
  e2e_wait_for "the library's command line" archive_has_command
  local archive="Z:${E2E_FOLDER//\//\\}\\archives\\backup.2004.lzh"
  e2e_expect_eq "x -+ -x1 -jso1 \"$archive\" \"C:\\Melt\\backup.2004\\\"" "$(archive_commands)" \
    "the command line of UNLHA32.DLL"
}
