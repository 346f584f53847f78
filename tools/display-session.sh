# The widget on a real X display, for the display test and the CPU benchmark:
# a private Xvfb, a Wine prefix of the session's own that draws on it, and
# quillhost run from a folder laid out like the one users get.
#
#   QB_ARCH=x64 source tools/display-session.sh   # the architecture: x86 or x64
#   display_session_start BUILD_FOLDER NAME   # that architecture's build; NAME: prefix and work folder of this user
#   host_start CONFIG_INI                     # sets HOST_PID
# or, for a test script: display_test_start BUILD_FOLDER NAME, then
#   check WHAT COMMAND...                     # counts in passed/failed; finish reports them
#   ...
# Everything started here ends by process id when the calling shell exits.

qb_here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$qb_here/tools/wine-env"
QB_XVFB_PID=""
QB_COMPOSITOR_PID=""
QB_HEADLESS_PREFIX=""
HOST_PID=""
QB_READ_ONLY=()

# Stops the host, the prefix's Wine processes and the X server, in that order.
# Runs as the shell exits, also under set -e: nothing here may fail the exit.
display_session_end() {
  if [ -n "$HOST_PID" ] && kill -0 "$HOST_PID" 2>/dev/null; then
    kill "$HOST_PID" 2>/dev/null || true
    wait "$HOST_PID" 2>/dev/null || true
  fi
  if [ -n "$QB_COMPOSITOR_PID" ] && kill -0 "$QB_COMPOSITOR_PID" 2>/dev/null; then
    kill "$QB_COMPOSITOR_PID" 2>/dev/null || true
    wait "$QB_COMPOSITOR_PID" 2>/dev/null || true
  fi
  QB_COMPOSITOR_PID=""
  # The prefix is the session's own: ending its server ends only what this session started.
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$QB_HEADLESS_PREFIX" ]; then WINEPREFIX="$QB_HEADLESS_PREFIX" wineserver -k 2>/dev/null || true; fi
  if [ -n "$QB_XVFB_PID" ] && kill -0 "$QB_XVFB_PID" 2>/dev/null; then
    kill "$QB_XVFB_PID" 2>/dev/null || true
    wait "$QB_XVFB_PID" 2>/dev/null || true
  fi
  QB_XVFB_PID=""
  HOST_PID=""
  local folder
  for folder in "${QB_READ_ONLY[@]}"; do umount "$folder" 2>/dev/null || true; done
  QB_READ_ONLY=()
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

# A prefix as a user's own is, without the null driver, for programs run
# with no display at all: run_headless runs one there with DISPLAY unset, as
# where no X server runs. Its Wine server ends with the session.
headless_prefix() {  # BUILD_FOLDER NAME
  QB_HEADLESS_PREFIX=$(display_prefix "$1" "$2-headless")
  WINEPREFIX="$QB_HEADLESS_PREFIX" wineserver -k 2>/dev/null || true
}
run_headless() {  # PROGRAM ARGUMENTS...
  env -u DISPLAY WINEPREFIX="$QB_HEADLESS_PREFIX" "$QB_WINE" "$@"
}

# A new user's prefix, for what a program leaves in a profile and registry:
# made once by wineboot (with the project prefix's driver and fonts), kept
# unused, and copied afresh for each run. Prints the copy's folder.
fresh_prefix() {  # BUILD_FOLDER NAME
  local pristine="$1/wineprefix-pristine" prefix="$1/wineprefix-$2"
  QB_WINEPREFIX="$pristine" "$qb_here/tools/wine-prefix" >&2 || return 1
  rm -rf "$prefix"
  cp -a "$pristine" "$prefix"
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
  # No window manager runs on this server, and Wine is told so: else, each time
  # a framed window is hidden (the player's, the tray's), it waits 2 s for one.
  grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" ||
    printf '\n[Software\\\\Wine\\\\X11 Driver]\n"Managed"="N"\n' >>"$WINEPREFIX/user.reg"

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

  # A session that was itself killed may have left its folders read-only.
  umount "$QB_WORK/dist" 2>/dev/null || true
  chmod -R u+w "$QB_WORK/dist" 2>/dev/null || true
  "$qb_here/tools/dist.sh" "$build" "$QB_WORK/dist" >/dev/null
}

# A compositing manager, so that what lies behind a widget shows through it.
compositor_start() {
  if ! command -v xcompmgr >/dev/null; then
    echo "xcompmgr is not installed: tools/setup.sh installs it" >&2
    return 1
  fi
  xcompmgr >>"$QB_WORK/xcompmgr.log" 2>&1 &
  QB_COMPOSITOR_PID=$!
}

# A path of this machine as the Windows programs in the prefix see it.
windows_path() { echo "Z:${1//\//\\}"; }

# Without a settings file, the host keeps its settings where it does for a user.
host_start() {  # [CONFIG_INI]
  local config=()
  [ -n "${1:-}" ] && config=(--config "$(windows_path "$1")")
  "$QB_WINE" "$QB_WORK/dist/quillhost.exe" --player sim "${config[@]}" </dev/null >>"$QB_WORK/host.log" 2>&1 &
  HOST_PID=$!
}

# Waits for the host to end, 10 s at most; prints how many milliseconds it took from START_NS.
host_ended_after() {  # START_NS
  local deadline=$((SECONDS + 10))
  while kill -0 "$HOST_PID" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.01; done
  echo $((($(date +%s%N) - $1) / 1000000))
  kill -0 "$HOST_PID" 2>/dev/null || { wait "$HOST_PID" 2>/dev/null; HOST_PID=""; }
}

# A path of the prefix's Windows as this machine sees it.
unix_path() { "$QB_WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }

# Makes a folder read-only to the host, as Program Files is to a user. Root
# writes whatever the modes say, so for root a read-only mount is laid over it.
read_only() {  # FOLDER
  if [ "$(id -u)" = 0 ]; then
    mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && QB_READ_ONLY+=("$1")
  else
    chmod a-w "$1"
  fi
}
writable() {  # FOLDER
  if [ "$(id -u)" = 0 ]; then umount "$1"; else chmod u+w "$1"; fi
}

# Ends the host at once, as a crash or a power cut would.
host_kill() {
  kill -KILL "$HOST_PID" 2>/dev/null
  wait "$HOST_PID" 2>/dev/null
  HOST_PID=""
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

# Wine draws the frames of framed windows itself (no window manager): where
# the client area starts in a dialog's or a caption's frame, and in a sizing one.
QB_FRAME="3 21"
QB_SIZING_FRAME="4 22"
# A point of a framed window's client area.
point_in() {  # WINDOW FRAME DX DY
  local left top
  read -r left top <<<"$2"
  point_at "$1" $((left + $3)) $((top + $4))
}

# The hue at a point of the screen: red, yellow, green or blue.
hue_at() {  # X Y
  import -window root -crop "1x1+$1+$2" +repage -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: \
    2>/dev/null | awk '{
    if ($1 > 2 * $3 && $2 > 2 * $3 && 5 * $1 > 3 * $2 && 5 * $2 > 3 * $1) print "yellow"
    else if ($1 > $2 && $1 > $3) print "red"; else if ($2 > $1 && $2 > $3) print "green"; else print "blue" }'
}

# Where no window of ours ever stands: the pointer leaves the widgets alone.
pointer_away() { xdotool mousemove 1270 790; }

# The colour of the screen at a point, as ImageMagick names it.
screen_colour() {  # X Y
  import -window root -crop "1x1+$1+$2" +repage -format '%[pixel:p{0,0}]' info: 2>/dev/null
}

visible_windows() { xdotool search --onlyvisible --class quillhost 2>/dev/null | sort; }

# Runs an action and waits for a window of the host that was not on screen
# before (a menu, a submenu, a drop-down list); NEW_WINDOW names it.
NEW_WINDOW=""
windows_before=""
new_window_shown() {
  NEW_WINDOW=$(comm -13 <(echo "$windows_before") <(visible_windows) | head -1)
  [ -n "$NEW_WINDOW" ]
}
opens_window() {  # COMMAND...
  windows_before=$(visible_windows)
  "$@"
  wait_until 10 new_window_shown
}

right_click() {  # WINDOW DX DY
  point_at "$1" "$2" "$3"
  sleep 0.2
  xdotool click 3
}

right_click_in() {  # WINDOW FRAME DX DY
  point_in "$@"
  sleep 0.2
  xdotool click 3
}

# The checks of a display test, after display_test_start: work (the
# session's folder), config (the host's settings file there), passed, failed.
display_test_start() {  # BUILD_FOLDER NAME [--compositor]
  if ! display_session_start "$1" "$2" || { [ "${3:-}" = --compositor ] && ! compositor_start; }; then
    echo "FAIL the X server, the display prefix or the compositing manager could not be set up"
    echo "0 passed, 1 failed"
    exit 1
  fi
  work=$QB_WORK
  rm -f "$work"/failed-*.png "$work/host.log"
  config="$work/quillhost.ini"
  passed=0
  failed=0
}

# Counts the command's outcome, and answers it: "if check ..." goes on only after a pass.
check() {  # WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   $what"
  else
    failed=$((failed + 1))
    echo "FAIL $what"
    import -window root "$QB_WORK/failed-$failed.png" 2>/dev/null
    return 1
  fi
}

finish() {
  [ "$failed" -gt 0 ] && echo "screens of the failures: $QB_WORK/failed-*.png"
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

ini_value() {  # GROUP KEY
  tr -d '\r' <"$config" | awk -v group="[$1]" -v key="$2" '
    $0 == group {inside = 1; next} /^\[/ {inside = 0}
    inside && index($0, key "=") == 1 {print substr($0, length(key) + 2)}'
}

# "LEFT TOP WIDTH HEIGHT" of a group of a skin's skin.ini.
skin_rect() {  # SKIN GROUP
  tr -d '\r' <"$QB_WORK/dist/skins/$1/skin.ini" | awk -v group="[$2]" '
    $0 == group {inside = 1; next} /^\[/ {inside = 0}
    inside && /^(Left|Top|Width|Height)=/ {split($0, pair, "="); value[pair[1]] = pair[2]}
    END {print value["Left"] + 0, value["Top"] + 0, value["Width"] + 0, value["Height"] + 0}'
}

# The text of a pane of the widget's display, read off the screen: the pane
# enlarged four times and inverted (light text on a dark pane), one line.
pane_text() {  # WINDOW SKIN GROUP
  local x y dx dy left top width height
  read -r x y _ _ < <(geometry "$1")
  read -r dx dy _ _ < <(skin_rect "$2" DisplayPane)
  read -r left top width height < <(skin_rect "$2" "$3")
  import -window root -crop "${width}x${height}+$((x + dx + left))+$((y + dy + top))" +repage \
    -filter point -resize 400% -negate "$QB_WORK/pane.png" 2>/dev/null || return 1
  tesseract "$QB_WORK/pane.png" - --psm 7 2>/dev/null
}

# Letters and digits only, in lower case: what OCR reads reliably.
plain_text() { tr -cd '[:alnum:]' | tr '[:upper:]' '[:lower:]'; }

# The text read holds the one wanted, but for one letter in six that OCR may
# take for another (the corners of "g" and "q"), or miss, or add; its digits
# must all be read as they are.
reads_as() {  # READ WANTED
  python3 - "$1" "$2" <<'PY'
import sys
read, wanted = sys.argv[1], sys.argv[2]
# Edit distance of the wanted text to its best match anywhere in what was read.
def cost(*letters):
    return len(wanted) if any(c.isdigit() for c in letters) else 1
row = [0] * (len(read) + 1)
for i, w in enumerate(wanted, 1):
    previous, row = row, [row[0] + cost(w)] + [0] * len(read)
    for j, r in enumerate(read, 1):
        row[j] = min(previous[j] + cost(w), row[j - 1] + cost(r), previous[j - 1] + (w != r and cost(w, r)))
sys.exit(0 if wanted and min(row) <= len(wanted) // 6 else 1)
PY
}

# The pane reads one of the texts given; QB_LAST_READ holds what it read.
pane_reads() {  # WINDOW SKIN GROUP TEXT...
  local text
  QB_LAST_READ=$(pane_text "$1" "$2" "$3" | plain_text)
  for text in "${@:4}"; do
    reads_as "$QB_LAST_READ" "$(plain_text <<<"$text")" && return 0
  done
  return 1
}

# ImageMagick arguments that black out panes of the skin's display pane,
# on the widget shown SCALE times as large.
pane_masks() {  # SCALE SKIN GROUP...
  local scale=$1 skin=$2 group left top width height
  shift 2
  read -r dx dy _ _ < <(skin_rect "$skin" DisplayPane)
  for group in "$@"; do
    read -r left top width height < <(skin_rect "$skin" "$group")
    printf -- '-draw\nrectangle %d,%d %d,%d\n' $(((dx + left) * scale)) $(((dy + top) * scale)) \
      $(((dx + left + width) * scale - 1)) $(((dy + top + height) * scale - 1))
  done
}

render() {  # NAME SKIN TRACK
  "$QB_WINE" "$QB_WORK/dist/quillhost.exe" --render-skin "$2" --track "$3" \
    --out "$(windows_path "$QB_WORK/render-$1.png")" </dev/null >/dev/null 2>&1
}

# The widget on screen as the renderer draws the same track, pixel for pixel,
# but for the panes left out (time moves on; the artist and the title take
# turns).
looks_like() {  # WINDOW RENDER SKIN GROUP...
  shown_as "$1" 1 100 "${@:2}"
}

# The same, for a widget shown SCALE times as large (each pixel a block) and
# at OPACITY percent, over QB_BACKGROUND (a compositing manager paints the
# root grey where the bare X server leaves it black).
QB_BACKGROUND=black
shown_as() {  # WINDOW SCALE OPACITY RENDER SKIN GROUP...
  local window=$1 scale=$2 opacity=$3 picture="$QB_WORK/render-$4.png" skin=$5 x y width height
  shift 5
  local masks fuzz=1% factor
  [ "$opacity" = 100 ] || fuzz=3%
  factor="$((opacity / 100)).$(printf %02d $((opacity % 100)))"
  mapfile -t masks < <(pane_masks "$scale" "$skin" "$@")
  read -r x y width height < <(geometry "$window")
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$QB_WORK/screen.png" 2>/dev/null || return 1
  convert "$QB_WORK/screen.png" -fill black "${masks[@]}" "$QB_WORK/screen-masked.png"
  convert "$picture" -filter point -resize "$((100 * scale))%" -channel A -evaluate multiply "$factor" +channel \
    -background "$QB_BACKGROUND" -alpha remove -fill black "${masks[@]}" "$QB_WORK/render-masked.png"
  [ "$(compare -metric AE -fuzz "$fuzz" "$QB_WORK/screen-masked.png" "$QB_WORK/render-masked.png" null: 2>&1)" = 0 ]
}

has_size() {  # WINDOW WIDTH HEIGHT
  read -r _ _ width height < <(geometry "$1")
  [ "$width $height" = "$2 $3" ]
}

stands_at() {  # WINDOW X Y
  read -r x y _ _ < <(geometry "$1")
  [ "$x $y" = "$2 $3" ]
}

# Presses on the widget and moves it in small steps (5 px unless given) with the button held.
drag() {  # WINDOW DX DY BY_X [STEP]
  local step=${5:-5}
  point_at "$1" "$2" "$3"
  sleep 0.2
  xdotool mousedown 1
  for _ in $(seq 1 $(($4 / step))); do
    xdotool mousemove_relative -- "$step" 0
    sleep 0.03
  done
  xdotool mouseup 1
}
