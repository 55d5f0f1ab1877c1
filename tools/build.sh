#!/usr/bin/env bash
# Builds the three builds: native (portable core, unit tests, sanitizers),
# win64 (the Win32 code and its tests, run under 64-bit Wine) and win32 (the
# i686 deliverables ZELK.exe and zelkhook.dll).
#   bash tools/build.sh                        all three
#   bash tools/build.sh <build> [target...]    one build (native, win64, win32,
#                                              native-release), or some of its targets
# Warnings are errors only under CI (CI=true); the benchmark programs are
# built only with ZELK_BENCHMARKS=ON in the environment (tools/bench.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

options=(
  -DZELK_WERROR="$([ "${CI:-}" = true ] && echo ON || echo OFF)"
  -DZELK_BENCHMARKS="${ZELK_BENCHMARKS:-OFF}"
)

# Configures a build when it is new or when one of the options changed.
configure() {  # build
  local folder=$root/build/$1 arguments=() option name
  case $1 in
    native) arguments=(-DCMAKE_BUILD_TYPE=Debug) ;;
    native-release) arguments=(-DCMAKE_BUILD_TYPE=Release) ;;
    win64) arguments=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
    win32) arguments=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
    *) echo "build: unknown build '$1' (native, native-release, win64, win32)" >&2; return 1 ;;
  esac
  if [ -f "$folder/build.ninja" ]; then
    local current=1
    for option in "${options[@]}"; do  # -DNAME=VALUE against NAME:BOOL=VALUE
      name=${option%%=*}
      grep -qx "${name#-D}:BOOL=${option#*=}" "$folder/CMakeCache.txt" || current=0
    done
    [ "$current" -eq 1 ] && return 0
  fi
  cmake -S "$root" -B "$folder" -G Ninja "${arguments[@]}" "${options[@]}" >/dev/null
}

build() {  # build [target...]
  local folder=$1; shift
  configure "$folder"
  if (($#)); then
    cmake --build "$root/build/$folder" -j "$jobs" --target "$@"
  else
    cmake --build "$root/build/$folder" -j "$jobs"
  fi
}

if (($#)); then
  build "$@"
else
  build native
  build win64
  build win32 deliverables
fi
