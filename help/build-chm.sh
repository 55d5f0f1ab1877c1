#!/usr/bin/env bash
# Compiles the help into a CHM: the UTF-8 sources converted to code page 932
# (the Japanese HTML Help viewer reads them so), then chmcmd (Debian package
# fp-utils).
#   bash help/build-chm.sh <output ZELK.CHM>
set -euo pipefail
help=$(cd "$(dirname "$0")" && pwd)
output=$1
if ! command -v chmcmd >/dev/null; then
  echo "build-chm: chmcmd is missing: the help ZELK.CHM cannot be compiled; run tools/setup.sh (package fp-utils)" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for source in "$help"/*.hhp "$help"/*.hhc "$help"/*.hhk "$help"/*.html "$help"/*.css; do
  # iconv fails on a character that code page 932 lacks: the build stops there.
  iconv -f UTF-8 -t CP932 "$source" >"$work/$(basename "$source")"
done
cp -r "$help/images" "$work/"
(cd "$work" && chmcmd --verbosity 1 ZELK.hhp) >"$work/chmcmd.log" 2>&1 ||
  { cat "$work/chmcmd.log" >&2; echo "build-chm: chmcmd failed" >&2; exit 1; }
if grep -qi 'error\|missing\|not found' "$work/chmcmd.log"; then
  cat "$work/chmcmd.log" >&2; echo "build-chm: chmcmd reported a problem" >&2; exit 1
fi
mkdir -p "$(dirname "$output")"
mv "$work/ZELK.CHM" "$output"
