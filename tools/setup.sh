#!/usr/bin/env bash
# Installs everything the builds and tests need on a fresh Debian machine.
# Idempotent: a second run finds everything in place and returns at once.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine64 xvfb xdotool x11-utils imagemagick
  # The journeys' X drag source is built against Xlib.
  libx11-dev
  locales fonts-ipafont-gothic fonts-vlgothic
  # Commands of the test and tool scripts beyond the essential packages.
  binutils xxd
  # The help compiler (chmcmd, chmls) and the package's zip.
  fp-utils zip unzip
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# One query for all: the installed ones are listed with status "ii"; the
# query fails for a package this machine has never heard of.
installed=" $({ dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "${packages[@]}" 2>/dev/null || true; } |
  awk '$2 == "ii" { printf "%s ", $1 }')"
missing=()
for package in "${packages[@]}"; do
  [[ $installed == *" $package "* ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf8'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null \
    || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
