#!/usr/bin/env bash
# Builds the three builds: native (portable core, unit tests, sanitizers),
# win64 (the Win32 code and its tests, run under 64-bit Wine) and win32 (the
# i686 deliverables ZELK.exe and zelkhook.dll).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() {  # folder, extra arguments
  local folder=$1; shift
  [ -f "$root/build/$folder/build.ninja" ] ||
    cmake -S "$root" -B "$root/build/$folder" -G Ninja "$@" >/dev/null
}

configure native -DCMAKE_BUILD_TYPE=Debug
configure win64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
configure win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"

cmake --build "$root/build/native" -j "$jobs"
cmake --build "$root/build/win64" -j "$jobs"
cmake --build "$root/build/win32" -j "$jobs" --target deliverables
