#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and running the
# widget, then prepares the project's Wine prefix of every architecture this
# machine runs. Quick when all is there. Both architectures are always built;
# x86 runs only where Linux runs 32-bit programs and Wine's 32-bit half
# (wine32, from the i386 architecture) can be installed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 cmake make fonts-liberation2 python3)
# The widget in a real window: an X server of the tests' own, a pointer and
# window tools, screenshots, a compositing manager for transparency, and OCR
# to read the text the widget shows.
packages+=(xvfb xdotool x11-utils imagemagick xcompmgr tesseract-ocr)
# The Windows installer.
packages+=(nsis)
# The player bridge's native helper: a compiler, sd-bus and curl to build it;
# a bus, a real MPRIS player, media tools and playerctl to test it against.
# Without recommends: a player's desktop extras are of no use here.
bridge_packages=(g++ pkg-config libsystemd-dev libcurl4-openssl-dev dbus-daemon dbus-bin mpv mpv-mpris playerctl ffmpeg)

not_installed() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

# Some index (often the i386 one, while a mirror syncs) may fail to fetch:
# try a few times, then go on with what was fetched.
updated=false
update_indexes() {
  $updated && return 0
  updated=true
  local attempt
  for attempt in 1 2 3; do
    $sudo apt-get update -qq >/tmp/quillbracket-apt-update.log 2>&1 && return 0
    sleep $((attempt * 2))
  done
  echo "setup: some package indexes could not be fetched ($(grep -m1 -E '^(E|W):' /tmp/quillbracket-apt-update.log || echo 'apt-get update failed')); going on with what was fetched"
}

# Installs the packages, or fails naming the ones that cannot be installed.
install() {  # [--no-install-recommends] PACKAGE...
  local options=() p failed=()
  if [ "${1:-}" = --no-install-recommends ]; then options+=("$1"); shift; fi
  [ $# -gt 0 ] || return 0
  update_indexes
  echo "Installing: $*"
  $sudo apt-get install -y -qq "${options[@]}" "$@" >/dev/null 2>&1 && return 0
  for p in "$@"; do
    $sudo apt-get install -y -qq "${options[@]}" "$p" >/dev/null 2>&1 || failed+=("$p")
  done
  [ ${#failed[@]} -eq 0 ] && return 0
  echo "setup: cannot install ${failed[*]}: the project needs them" >&2
  exit 1
}

install $(not_installed "${packages[@]}")
install --no-install-recommends $(not_installed "${bridge_packages[@]}")

# The 32-bit runtime is wanted, not needed: without it x86 is built, not run.
if "$here/tools/runs-32bit" && [ ! -x /usr/lib/wine/wine ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
    updated=false
  fi
  update_indexes
  echo "Installing: wine32:i386"
  if ! $sudo apt-get install -y -qq wine32:i386 >/tmp/quillbracket-apt-wine32.log 2>&1; then
    echo "setup: wine32 cannot be installed ($(grep -m1 -E '^E:' /tmp/quillbracket-apt-wine32.log || echo 'apt-get failed')); going on with x64 alone, x86 built but not run"
  fi
fi

for arch in $("$here/tools/archs"); do
  QB_ARCH=$arch QB_WINEPREFIX= "$here/tools/wine-prefix"
done
