#!/usr/bin/env bash
# quillhost as a desktop widget host on a private X server with a compositing
# manager: a widget at 200 % and one at 60 %, held against quillhost
# --render-skin; a lock, snapping, a widget saved off screen, a second
# quillhost handing over its command, a drag kept when the host is killed,
# and an exit within a second. Then as users have it: run from a read-only
# folder with its settings in the user's application data, kept across a
# restart, and a read-only settings folder told in a balloon.
# Usage: tests/test_display_host.sh BUILD_FOLDER
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/display-session.sh"

display_test_start "${1:-$here/build/$QB_ARCH}" display-host-test --compositor

render first Default 1
render second Default 2
render slim Slim 1

# The simulated player's window takes the top-left corner. Slim widgets stand where dragging one 50 px to the right ends 6 px short
# of the screen's right edge (1280 wide; Slim is 266).
cat >"$config" <<'INI'
[Quillhost]
Widgets=Widget1,Widget2,Widget3,Widget4,Widget5,Widget6
[Widget1]
X=40
Y=440
Scale=2
[Widget2]
X=700
Y=40
Opacity=60
[Widget2.Settings]
SkinDir=Slim
[Widget3]
X=700
Y=300
Locked=1
[Widget3.Settings]
SkinDir=Slim
[Widget4]
X=958
Y=480
[Widget4.Settings]
SkinDir=Slim
[Widget5]
X=958
Y=640
[Widget5.Settings]
SkinDir=Slim
[Widget6]
X=5000
Y=-3000
[Widget6.Settings]
SkinDir=Slim
INI
host_start "$config"

all_shown() {
  local place
  for place in "40 440" "700 40" "700 300" "958 480" "958 640"; do
    # shellcheck disable=SC2086
    widget_at $place >/dev/null || return 1
  done
}
if ! wait_until 30 all_shown; then
  check "the host shows its widgets" false
  finish
fi
big=$(widget_at 40 440)
faded=$(widget_at 700 40)
locked=$(widget_at 700 300)
snapping=$(widget_at 958 480)
free=$(widget_at 958 640)
pointer_away
QB_BACKGROUND=$(screen_colour 1279 420)

all_on_screen() {
  local window x y width height
  [ "$(widget_windows | wc -l)" = "$1" ] || return 1
  for window in $(widget_windows); do
    read -r x y width height < <(geometry "$window")
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le 1280 ] && [ $((y + height)) -le 800 ] || return 1
  done
}
none_overlap() {
  local rects
  mapfile -t rects < <(for window in $(widget_windows); do geometry "$window"; done)
  for ((i = 0; i < ${#rects[@]}; i++)); do
    for ((j = i + 1; j < ${#rects[@]}; j++)); do
      read -r x1 y1 w1 h1 <<<"${rects[i]}"
      read -r x2 y2 w2 h2 <<<"${rects[j]}"
      [ $((x1 + w1)) -le "$x2" ] || [ $((x2 + w2)) -le "$x1" ] || [ $((y1 + h1)) -le "$y2" ] ||
        [ $((y2 + h2)) -le "$y1" ] || return 1
    done
  done
}
check "a widget saved off every monitor comes back wholly on screen" wait_until 10 all_on_screen 6

check "at 200 % the widget is twice its skin's size" has_size "$big" 532 216
check "at 200 % the widget is the renderer's picture enlarged, each pixel a 2x2 block" \
  wait_until 10 shown_as "$big" 2 100 first Default InfoPane CounterPane ProgressBar SoundPane
read -r left top _ _ < <(skin_rect Default NextButton)
point_at "$big" $((2 * (left + 12))) $((2 * (top + 12)))
xdotool click 1
pointer_away
check "at 200 % a click on next at twice its place presses next" \
  wait_until 10 shown_as "$big" 2 100 second Default InfoPane CounterPane ProgressBar SoundPane

check "at 60 % the widget is the renderer's picture at 60 % over what lies behind" \
  wait_until 10 shown_as "$faded" 1 60 slim Slim InfoPane CounterPane ProgressBar

drag "$locked" 20 20 60
sleep 1
check "a locked widget stays where it stands when dragged" stands_at "$locked" 700 300

drag "$snapping" 20 20 50
check "a drag ending 6 px from the screen's edge lands on it" wait_until 10 stands_at "$snapping" 1014 480
kept_at() { test "$(ini_value "$1" X),$(ini_value "$1" Y)" = "$2,$3"; }
check "the settings file holds the place as the drag ends" wait_until 2 kept_at Widget4 1014 480
xdotool keydown ctrl
drag "$free" 20 20 50
xdotool keyup ctrl
check "with Ctrl held it ends where the pointer put it" wait_until 10 stands_at "$free" 1008 640

# The icon's menu, under Wine in its own tray window: the six widgets,
# a separator, then Add widget, whose submenu lists the skins by name.
tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1)
if check "a right click on the notification-area icon opens its menu" opens_window right_click_in "$tray" "$QB_FRAME" 10 10; then
  read -r menu_x menu_y _ _ < <(geometry "$NEW_WINDOW")
  add_row=$((3 + 6 * 16 + 9 + 8))
  if check "Add widget opens the list of skins" opens_window xdotool mousemove $((menu_x + 30)) $((menu_y + add_row)); then
    read -r skins_x skins_y _ _ < <(geometry "$NEW_WINDOW")
    xdotool mousemove $((skins_x + 20)) $((menu_y + add_row))
    sleep 0.2
    xdotool mousemove $((skins_x + 20)) $((skins_y + 3 + 16 + 8))  # Slim, the second skin
    sleep 0.2
    xdotool click 1
    pointer_away
    check "Add widget adds a widget on screen" wait_until 10 all_on_screen 7
    check "no widget covers another" none_overlap
  fi
fi

"$QB_WINE" "$work/dist/quillhost.exe" --add Slim </dev/null >>"$work/second.log" 2>&1
check "a second quillhost hands --add Slim to the first and ends with 0" test $? = 0
check "the running host adds the Slim widget, on screen" wait_until 10 all_on_screen 8

# What the user hid stays hidden, though the module asks to be shown at every redraw.
tray_point() {  # ROW [SEPARATORS ABOVE IT]: right-clicks the icon and points at that row of its menu
  xdotool windowraise "$tray"
  opens_window right_click_in "$tray" "$QB_FRAME" 10 10 || return 1
  read -r menu_x menu_y _ _ < <(geometry "$NEW_WINDOW")
  xdotool mousemove $((menu_x + 30)) $((menu_y + 3 + $1 * 16 + ${2:-0} * 9 + 8))
  sleep 0.2
}
tray_item() {  # ROW [SEPARATORS ABOVE IT]: chooses that row of the icon's menu
  tray_point "$@" || return 1
  xdotool click 1
  pointer_away
}
widget_hidden() { ! widget_at "$1" "$2" >/dev/null; }
if check "the tray menu's entry of a widget hides it" tray_item 0 && wait_until 5 widget_hidden 40 440; then
  sleep 3
  check "a widget hidden from the tray is still hidden 3 s later" widget_hidden 40 440
fi
"$QB_WINE" "$work/dist/quillhost.exe" --hide-all </dev/null >>"$work/second.log" 2>&1
none_shown() { [ -z "$(widget_windows)" ]; }
if check "--hide-all hides every widget" wait_until 5 none_shown; then
  sleep 3
  check "hidden by --hide-all, every widget is still hidden 3 s later" none_shown
fi
"$QB_WINE" "$work/dist/quillhost.exe" --show-all </dev/null >>"$work/second.log" 2>&1
check "--show-all shows every widget again" wait_until 10 all_on_screen 8

host_kill
# A Topmost widget and a Normal one made after it that overlaps it.
sed -i 's/\r$//; s/^Widgets=.*/&,Widget20,Widget21/' "$config"
cat >>"$config" <<'INI'
[Widget20]
X=100
Y=680
Layer=Topmost
[Widget21]
X=200
Y=700
[Widget21.Settings]
SkinDir=Slim
INI
host_start "$config"
widget_stands_at() { widget_at "$1" "$2" >/dev/null; }
check "after the host was killed, the next start shows the dragged widget where it was left" \
  wait_until 30 widget_stands_at 1014 480
# What the X server draws uppermost: xwininfo lists the screen's windows from the top down.
stacked_above() {  # UPPER LOWER
  local order
  order=$(xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x/ {print $1}')
  [ "$(grep -nx "$(printf '0x%x' "$1")" <<<"$order" | cut -d: -f1)" -lt \
    "$(grep -nx "$(printf '0x%x' "$2")" <<<"$order" | cut -d: -f1)" ]
}
if wait_until 30 widget_stands_at 200 700 && wait_until 5 widget_stands_at 100 680; then
  sleep 1
  check "after a restart the Topmost widget is drawn above the Normal one made after it" \
    stacked_above "$(widget_at 100 680)" "$(widget_at 200 700)"
else
  check "the overlapping Topmost and Normal widgets are shown after the restart" false
fi

# quillhost --exit: the host ends at once, everything it was given on disk.
exit_start=$(date +%s%N)
"$QB_WINE" "$work/dist/quillhost.exe" --exit </dev/null >>"$work/second.log" 2>&1
took=$(host_ended_after "$exit_start")
check "quillhost --exit ends the running host within a second (${took} ms)" test "$took" -lt 1000
check "and the settings file still names every widget, each where it stood" \
  test "$(ini_value Quillhost Widgets | tr ',' '\n' | wc -l)" = 10 -a "$(ini_value Widget4 X),$(ini_value Widget4 Y)" = 1014,480

# As users have it: the program's folder read-only, as Program Files is to a
# user, and no --config: the settings where Windows keeps a user's.
settings_at=$("$QB_WINE" "$work/dist/quillhost.exe" --help 2>/dev/null | tr -d '\r' | sed -n 's/^This copy.s settings: //p')
config=$(unix_path "$settings_at")
check "--help names the settings file in the user's application data ($settings_at)" \
  test -n "$config" -a "${settings_at%%\\Quillbracket\\quillhost.ini}" != "$settings_at"
settings_folder=$(dirname "$config")
chmod -R u+w "$settings_folder" 2>/dev/null
rm -rf "$settings_folder"
read_only "$work/dist"
host_start
if ! check "from a read-only folder the host shows its first widget" wait_until 30 widget_stands_at 120 120; then
  finish
fi
tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1)
check "its settings are in the user's application data, nothing beside the program" \
  wait_until 5 test -f "$config" -a ! -e "$work/dist/quillhost.ini"
drag "$(widget_at 120 120)" 20 20 60
check "a drag is kept there" wait_until 5 kept_at Widget1 180 120
locked() { test "$(ini_value Widget1 Locked)" = "$1"; }
tray_item 4 1  # Lock all positions, below the widget and a separator
check "and so is an option" wait_until 5 locked 1
tray_point 7 2  # Exit
exit_start=$(date +%s%N)
xdotool click 1
took=$(host_ended_after "$exit_start")
check "the tray's Exit ends the host within a second (${took} ms)" test "$took" -lt 1000
host_start
check "after a restart the widget stands where it was dragged" wait_until 30 widget_stands_at 180 120
check "and keeps its option" locked 1

# The settings folder read-only too: the host says so and keeps running; once
# the folder is writable again the next change is written.
tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1)
read_only "$settings_folder"
tray_item 4 1  # Lock all positions: now unlocked
said_once() { test "$(grep -c 'cannot be saved' "$work/host.log")" = 1; }
check "a write into a read-only settings folder is said on stderr" wait_until 5 said_once
balloon_shown() {
  local window
  for window in $(xdotool search --onlyvisible --class explorer 2>/dev/null); do
    [ "$window" = "$tray" ] && continue
    read -r x y width height < <(geometry "$window")
    import -window root -crop "${width}x${height}+${x}+${y}" +repage -resize 300% "$work/balloon.png" 2>/dev/null
    tesseract "$work/balloon.png" - 2>/dev/null | plain_text | grep -q cannotbesaved && return 0
  done
  return 1
}
check "and in a balloon over the notification-area icon" wait_until 10 balloon_shown
drag "$(widget_at 180 120)" 20 20 60
check "the host keeps running and moves the widget" wait_until 5 widget_stands_at 240 120
check "a failure is said once" said_once
kept_as() { test "$(ini_value Widget1 X),$(ini_value Widget1 Locked)" = "$1"; }
check "the file is left as it was" kept_as 180,1
writable "$settings_folder"
drag "$(widget_at 240 120)" 20 20 60
check "once the folder is writable the next change writes all the host kept" wait_until 5 kept_as 300,0

finish
