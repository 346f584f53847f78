#!/usr/bin/env bash
# The widget on the desktop's own media player, through the player bridge:
# builds what is needed, starts the bridge's helper for this user unless one
# already serves, runs quillhost --player mpris on the display, and ends the
# helper it started when quillhost exits. Usage: tools/mpris-demo.sh
# (or make demo PLAYER=mpris); QB_ARCH=x86|x64 picks the architecture. Any MPRIS player will do: mpv with mpv-mpris,
# a desktop music player, a browser playing media.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  echo "mpris-demo: the widget needs a display (DISPLAY is not set)" >&2
  exit 1
fi
make -C "$here" --no-print-directory dist bridge

# Where the helper writes its session file and quillhost looks for it.
if [ -n "${XDG_RUNTIME_DIR:-}" ]; then
  session="$XDG_RUNTIME_DIR/quillbracket/bridge"
else
  session="$HOME/.cache/quillbracket/bridge"
fi

# A helper already serves when it greets its own token.
serving() {
  [ -r "$session" ] || return 1
  local port token reply
  port=$(sed -n 's/^port=//p' "$session")
  token=$(sed -n 's/^token=//p' "$session")
  exec 3<>"/dev/tcp/127.0.0.1/$port" 2>/dev/null || return 1
  printf 'HELLO %s\n' "$token" >&3
  IFS= read -r -t 2 reply <&3 || reply=""
  exec 3>&-
  [ "${reply%$'\r'}" = "OK quillbridge 1" ]
}

if ! serving; then
  "$here/build/native/quillbridge" &
  helper=$!
  trap 'kill "$helper" 2>/dev/null; wait "$helper" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do
    serving && break
    kill -0 "$helper" 2>/dev/null || { echo "mpris-demo: the bridge's helper did not start" >&2; exit 1; }
    sleep 0.2
  done
fi

source "$here/tools/display-session.sh"
prefix=$(display_prefix "$here/build/$QB_ARCH" display)
echo "The widget follows your media player: right-click it for the menu (Player pins one), Exit to end."
QB_WINEPREFIX="$prefix" "$here/tools/wine-run" "$here/out/dist/$QB_ARCH/quillhost.exe" --player mpris
