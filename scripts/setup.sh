#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking and
# fuzzing Tessra need; with --windows, also what building and testing it for
# Windows needs (scripts/windows), and with --play-windows what playing it
# under Wine needs (scripts/play-windows). Safe to run again: it only calls apt-get
# when a package is missing. Works as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  # scripts/plant-faults and scripts/kill-matrix, and their test
  python3 git
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
  qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig
  clang libclang-rt-14-dev clang-tidy-14
  dpkg-dev desktop-file-utils appstream
  # The install tests: Debian's package checker, and the desktop's file
  # types as xdg-mime reads them through GIO (file managers) and through
  # File::MimeInfo (no desktop).
  lintian xdg-utils shared-mime-info libglib2.0-bin libfile-mimeinfo-perl
  # The class the running window announces, read on a virtual X server.
  xvfb xauth x11-utils
)

case "${1:-}" in
--windows | --play-windows)
  packages+=(
    # The MinGW-w64 cross compilers with the posix thread model, which
    # Qt's threads need, and the tools that read Windows programs.
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 icoutils
    # Qt's source comes from Debian (apt-get source needs dpkg-dev); its
    # build needs perl and the host Qt's tools.
    dpkg-dev perl qt6-base-dev-tools
    # Wine runs the tests and the installer; NSIS builds the installer.
    wine wine64 nsis zip unzip
    # A virtual X display, for Wine's first start without a desktop.
    xvfb xauth
  )
  if [ "$1" = --play-windows ]; then
    # scripts/play-windows: a window manager, and keys, clicks and
    # screenshots on the virtual display.
    packages+=(openbox xdotool imagemagick x11-utils)
  fi
  ;;
"") ;;
*)
  echo "usage: scripts/setup.sh [--windows | --play-windows]" >&2
  exit 2
  ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "setup: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
