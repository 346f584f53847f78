# The widget on a real X display, for the display test and the CPU benchmark:
# a private Xvfb, a Wine prefix of the session's own that draws on it, and
# quillhost run from a folder laid out like the one users get.
#
#   QB_ARCH=x64 source tools/display-session.sh   # the architecture: x86 or x64
#   display_session_start BUILD_FOLDER NAME   # that architecture's build; NAME: prefix and work folder of this user
#   host_start CONFIG_INI                     # sets HOST_PID
#   ...
# Everything started here ends by process id when the calling shell exits.

qb_here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$qb_here/tools/wine-env"
QB_XVFB_PID=""
HOST_PID=""

# Stops the host, the prefix's Wine processes and the X server, in that order.
# Runs as the shell exits, also under set -e: nothing here may fail the exit.
display_session_end() {
  if [ -n "$HOST_PID" ] && kill -0 "$HOST_PID" 2>/dev/null; then
    kill "$HOST_PID" 2>/dev/null || true
    wait "$HOST_PID" 2>/dev/null || true
  fi
  # The prefix is the session's own: ending its server ends only what this session started.
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$QB_XVFB_PID" ] && kill -0 "$QB_XVFB_PID" 2>/dev/null; then
    kill "$QB_XVFB_PID" 2>/dev/null || true
    wait "$QB_XVFB_PID" 2>/dev/null || true
  fi
  QB_XVFB_PID=""
  HOST_PID=""
}

# Polls a command until it succeeds or the seconds run out.
wait_until() {  # SECONDS COMMAND...
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

# A copy of the project's prefix with the null graphics driver taken out:
# seconds, where a new prefix takes half a minute. Made once, then reused;
# prints its folder.
display_prefix() {  # BUILD_FOLDER NAME
  local prefix="$1/wineprefix-$2"
  if [ ! -f "$prefix/.quillbracket-display" ]; then
    QB_WINEPREFIX="$1/wineprefix" "$qb_here/tools/wine-prefix" >&2
    rm -rf "$prefix"
    # With no server of its own running, the copy's registry is edited as a file.
    cp -a "$1/wineprefix" "$prefix"
    sed -i '/^"Graphics"="null"$/d' "$prefix/user.reg"
    touch "$prefix/.quillbracket-display"
  fi
  echo "$prefix"
}

display_session_start() {  # BUILD_FOLDER NAME
  local build
  build=$(cd "$1" && pwd)
  QB_WORK="$build/$2"
  mkdir -p "$QB_WORK"
  trap display_session_end EXIT
  trap 'exit 1' INT TERM HUP

  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  WINEPREFIX=$(display_prefix "$build" "$2")
  # A session killed outright may have left its Wine server running.
  wineserver -k 2>/dev/null || true

  # Xvfb picks the first free display number and writes it once it listens.
  if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed: tools/setup.sh installs it" >&2
    return 1
  fi
  rm -f "$QB_WORK/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$QB_WORK/display" >"$QB_WORK/xvfb.log" 2>&1 &
  QB_XVFB_PID=$!
  xvfb_settled() { test -s "$QB_WORK/display" || ! kill -0 "$QB_XVFB_PID" 2>/dev/null; }
  wait_until 15 xvfb_settled || true
  if ! test -s "$QB_WORK/display"; then
    echo "Xvfb could not start:" >&2
    cat "$QB_WORK/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(tr -d '\n' <"$QB_WORK/display")"

  "$qb_here/tools/dist.sh" "$build" "$QB_WORK/dist" >/dev/null
}

# A path of this machine as the Windows programs in the prefix see it.
windows_path() { echo "Z:${1//\//\\}"; }

host_start() {  # CONFIG_INI
  "$QB_WINE" "$QB_WORK/dist/quillhost.exe" --player sim --config "$(windows_path "$1")" \
    </dev/null >>"$QB_WORK/host.log" 2>&1 &
  HOST_PID=$!
}

# The host's widget windows on screen, one X window id a line.
widget_windows() { xdotool search --onlyvisible --name '^Quillbracket$' 2>/dev/null; }

# "X Y WIDTH HEIGHT" of an X window, on the screen.
geometry() {  # WINDOW
  # Without an id xwininfo would wait for a click on a window.
  [ -n "$1" ] || { echo "0 0 0 0"; return 1; }
  xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
    END {print x, y, w, h}'
}

# The widget window whose top-left corner is at X Y, if there is one.
widget_at() {  # X Y
  local window
  for window in $(widget_windows); do
    read -r x y _ _ < <(geometry "$window")
    if [ "$x" = "$1" ] && [ "$y" = "$2" ]; then
      echo "$window"
      return 0
    fi
  done
  return 1
}

# Moves the pointer onto a window, at a point of it.
point_at() {  # WINDOW DX DY
  read -r x y _ _ < <(geometry "$1")
  xdotool mousemove $((x + $2)) $((y + $3))
}

# Where no window of ours ever stands: the pointer leaves the widgets alone.
pointer_away() { xdotool mousemove 1270 790; }
