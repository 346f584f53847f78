#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and running the
# widget, then prepares the project's own Wine prefix. Quick when all is there.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"

packages=(g++-mingw-w64-i686 wine wine32 cmake make fonts-liberation2 python3)
# The widget in a real window: an X server of the tests' own, a pointer and
# window tools, and screenshots.
packages+=(xvfb xdotool x11-utils imagemagick)
# The player bridge's native helper: a compiler, sd-bus and curl to build it;
# a bus, a real MPRIS player, media tools and playerctl to test it against.
bridge_packages=(g++ pkg-config libsystemd-dev libcurl4-openssl-dev dbus-daemon dbus-bin mpv mpv-mpris playerctl ffmpeg)
not_installed() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
missing=($(not_installed "${packages[@]}"))
missing_bridge=($(not_installed "${bridge_packages[@]}"))
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  missing+=(wine32)
fi
if [ $((${#missing[@]} + ${#missing_bridge[@]})) -gt 0 ]; then
  echo "Installing: ${missing[*]} ${missing_bridge[*]}"
  $sudo apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# Without recommends: a player's desktop extras are of no use here.
if [ ${#missing_bridge[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing_bridge[@]}" >/dev/null
fi

prefix="${QB_WINEPREFIX:-$here/build/wineprefix}"
if [ ! -f "$prefix/.quillbracket-ready" ]; then
  echo "Creating the Wine prefix in $prefix (once, about half a minute)"
  mkdir -p "$prefix"
  export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # Windows, timers, menus and dialogs without a display.
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  # The faces our skins name, served by Liberation.
  for pair in "Arial=Liberation Sans" "Helvetica=Liberation Sans" "Verdana=Liberation Sans" \
              "Tahoma=Liberation Sans" "MS Sans Serif=Liberation Sans" \
              "Times New Roman=Liberation Serif" "Georgia=Liberation Serif" \
              "Courier New=Liberation Mono"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$prefix/.quillbracket-ready"
fi
