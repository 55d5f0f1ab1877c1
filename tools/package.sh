#!/usr/bin/env bash
# Builds the i686 Release deliverables and the help, and writes the package a
# user downloads: dist/ZELK-<version>.zip with ZELK.exe, zelkhook.dll,
# ZELK.CHM and Readme.txt (code page 932, CRLF, as Windows' Japanese editors
# read it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" win32 deliverables
source "$root/tools/version.sh"

bin="$root/build/win32/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/ZELK.exe" "$bin/zelkhook.dll" "$bin/ZELK.CHM" "$work/"
sed "s/@VERSION@/$ZELK_VERSION/; s/\$/\r/" "$root/help/Readme.txt" | iconv -f UTF-8 -t CP932 >"$work/Readme.txt"

package="$root/dist/ZELK-$ZELK_VERSION.zip"
mkdir -p "$root/dist"
rm -f "$package"
(cd "$work" && zip -q -X "$package" ZELK.exe zelkhook.dll ZELK.CHM Readme.txt)
echo "package: $package ($(stat -c %s "$package") bytes)"
