#!/usr/bin/env bash
# Checks the compiled help and the download package; one "ok" or "FAIL" line
# per check (tools/test.sh counts them).
#   bash tests/help/help_package_check.sh <ZELK.CHM> <ZELK-version.zip>
set -uo pipefail
chm=$1
package=$2
check() {  # what command...
  local what=$1; shift
  if "$@"; then echo "ok $what"; else echo "FAIL $what"; fi
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The help opens as a CHM: its header and its directory can be read.
chm_opens() {
  [ "$(head -c 4 "$chm")" = ITSF ] && chmls -n list "$chm" >"$work/list" 2>/dev/null &&
    grep -q '^/index.html$' "$work/list"
}
check "ZELK.CHM opens as a CHM" chm_opens

# Every topic of the contents and the index, and every page, picture and
# style sheet a page links to, is inside the CHM.
links_inside() {
  local missing=0 link
  chmls extractall "$chm" "$work/chm" >/dev/null 2>&1 || return 1
  {
    grep -ohP '<param name="Local" value="\K[^"#]+' "$work/chm"/*.hhc "$work/chm"/*.hhk
    grep -ohP '(href|src)="\K[^"#:]+' "$work/chm"/*.html
  } | sort -u >"$work/links"
  [ -s "$work/links" ] || return 1
  while read -r link; do
    grep -qx "/$link" "$work/list" || { echo "  not in ZELK.CHM: $link"; missing=1; }
  done <"$work/links"
  return "$missing"
}
check "every topic and picture the help names is inside ZELK.CHM" links_inside

package_holds_four_files() {
  [ "$(unzip -Z1 "$package" 2>/dev/null | sort | paste -sd ' ')" = \
    "Readme.txt ZELK.CHM ZELK.exe zelkhook.dll" ]
}
check "$(basename "$package") holds ZELK.exe, zelkhook.dll, ZELK.CHM and Readme.txt" package_holds_four_files

unzip -q "$package" -d "$work/package" 2>/dev/null
for program in ZELK.exe zelkhook.dll; do
  check "$program of the package is PE32 i386" \
    bash -c 'objdump -f "$1" 2>/dev/null | grep -q "file format pei-i386"' _ "$work/package/$program"
done
readme_is_japanese() {
  iconv -f CP932 -t UTF-8 "$work/package/Readme.txt" 2>/dev/null | grep -q 'ZELK.ini'
}
check "Readme.txt of the package reads as code page 932" readme_is_japanese
