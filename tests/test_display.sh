#!/usr/bin/env bash
# quillhost in a real window on a private X server, driven by the pointer and
# the keyboard as a person would, and read back from the screen. Where the
# screen is held against a picture, the picture is quillhost --render-skin of
# the same track. Usage: tests/test_display.sh BUILD_FOLDER
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/display-session.sh"

display_test_start "${1:-$here/build/$QB_ARCH}" display-test

# The window's pixels stay the same for the seconds given.
stands_still() {  # WINDOW SECONDS
  read -r x y width height < <(geometry "$1")
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$work/before.png" 2>/dev/null
  sleep "$2"
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$work/after.png" 2>/dev/null
  [ "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)" = 0 ]
}

keys() { xdotool key --delay 120 "$@"; }

# The host's menu, in Wine's menu metrics: rows of 16 pixels, separators of 9
# and a border of 3. Properties, Remove widget, the six rows of the widget's
# options, Reload skin, Exit, then one row a source.
menu_row=16
menu_border=3
properties_row=11
remove_row=27
exit_row=164
menu_x=0
menu_y=0
open_menu() {  # WINDOW DX DY
  opens_window right_click "$@" || return 1
  read -r menu_x menu_y _ menu_height < <(geometry "$NEW_WINDOW")
  # The sources are the last rows.
  library_row=$((menu_height - menu_border - 3 * menu_row / 2))
  pocket_row=$((menu_height - menu_border - menu_row / 2))
}
point_in_menu() { xdotool mousemove $((menu_x + 30)) $((menu_y + $1)); }
choose_in_menu() {  # ROW
  point_in_menu "$1"
  sleep 0.2
  xdotool click 1
}

not() { ! "$@"; }
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
host_ended() { ! kill -0 "$HOST_PID" 2>/dev/null; }

# Tracks of the simulated library, counted from 1: Quiet Hours starts with
# two tracks that have no artist, so their titles always show. One picture at
# a time: the simulated players of two renderers would share artwork files.
render first Default 1
render quiet Default 18
render quiet-next Default 19
render tower Tower 19
render tower-face-next Tower 14
render tower-first Tower 1

cat >"$config" <<'EOF'
[Quillhost]
Widgets=Widget1,Widget2
[Widget1]
X=700
Y=80
[Widget2]
X=700
Y=500
[Widget2.Settings]
SkinDir=Slim
EOF
host_start "$config"

both_shown() { widget_at 700 80 >/dev/null && widget_at 700 500 >/dev/null; }
if ! wait_until 30 both_shown; then
  check "the host shows its two widgets" false
  finish
fi
main=$(widget_at 700 80)
slim=$(widget_at 700 500)
check "the Default widget appears where the settings file puts it, at its skin's size" has_size "$main" 266 108
check "the Slim widget appears where the settings file puts it, at its skin's size" has_size "$slim" 266 40
check "the widget looks as the renderer draws it" \
  wait_until 10 looks_like "$main" first Default InfoPane CounterPane ProgressBar SoundPane
check "its info pane reads the first track's artist or title" \
  wait_until 10 pane_reads "$main" Default InfoPane "The Lantern Society" "Morning Tide"

# The context menu: each source a submenu of its playlists.
check "a right click shows the menu" open_menu "$main" 50 50
check "pointing at the first source opens its submenu" opens_window point_in_menu "$library_row"
library_height=$(geometry "$NEW_WINDOW" | cut -d' ' -f4)
check "pointing at the second source opens its submenu" opens_window point_in_menu "$pocket_row"
pocket_height=$(geometry "$NEW_WINDOW" | cut -d' ' -f4)
check "the submenus hold the library's four playlists and the pocket player's two" \
  test "$library_height,$pocket_height" = "$((2 * menu_border + 4 * menu_row)),$((2 * menu_border + 2 * menu_row))"
opens_window point_in_menu "$library_row"
read -r submenu_x submenu_y _ _ < <(geometry "$NEW_WINDOW")
# Along the row into the submenu, then down to its third playlist.
xdotool mousemove $((submenu_x + 20)) $((menu_y + library_row))
sleep 0.2
xdotool mousemove $((submenu_x + 20)) $((submenu_y + menu_border + 2 * menu_row + menu_row / 2))
sleep 0.2
xdotool click 1
pointer_away
check "a playlist chosen from the menu plays its first track" \
  wait_until 10 looks_like "$main" quiet Default CounterPane ProgressBar SoundPane

read -r left top _ _ < <(skin_rect Default NextButton)
point_at "$main" $((left + 12)) $((top + 12))
xdotool click 1
pointer_away
check "a click on next shows the next title" \
  wait_until 10 looks_like "$main" quiet-next Default CounterPane ProgressBar SoundPane

check "before the wheel the volume strip shows another volume than the picture's" \
  not looks_like "$main" quiet-next Default CounterPane ProgressBar
point_at "$main" 50 50
sleep 0.2
xdotool click --repeat 4 --delay 200 4  # four steps of 5 up: the picture's 70
pointer_away
check "the wheel moves the volume strip" \
  wait_until 10 looks_like "$main" quiet-next Default CounterPane ProgressBar

drag "$main" 50 50 60
check "a drag moves the widget with the pointer" wait_until 10 stands_at "$main" 760 80

point_at "$slim" 150 20
check "pointing at the Slim display unrolls it" wait_until 10 has_size "$slim" 266 108
pointer_away
check "leaving rolls it back" wait_until 10 has_size "$slim" 266 40

check "Remove widget is in the menu" open_menu "$slim" 20 20
choose_in_menu "$remove_row"
check "Remove widget takes the widget away" wait_until 10 gone "$slim"
check "the settings file forgets it" test "$(ini_value Quillhost Widgets)" = Widget1

# Properties: the skin page, its list, Tower, OK.
open_menu "$main" 50 50
choose_in_menu "$properties_row"
sheet_shown() { sheet=$(xdotool search --onlyvisible --name '^Quillbracket Properties$' | head -1); [ -n "$sheet" ]; }
if check "Properties opens the property sheet" wait_until 10 sheet_shown; then
  point_in "$sheet" "$QB_FRAME" 132 15  # the Skin tab; the sheet takes the keyboard from here on
  xdotool click 1
  keys Tab  # to the skin list
  check "the skin list drops down" opens_window keys alt+Down
  skins=$(find "$work/dist/skins" -mindepth 1 -maxdepth 1 -type d | wc -l)
  list_height=$(geometry "$NEW_WINDOW" | cut -d' ' -f4)
  check "the skin list shows all $skins skins, a row of text each" test $((list_height - 2)) -ge $((skins * 10))
  keys End Return Return  # Tower, the last; then OK
  check "OK puts the widget in the Tower skin" wait_until 10 has_size "$main" 110 300
  pointer_away
  check "the Tower widget looks as the renderer draws it" \
    wait_until 10 looks_like "$main" tower Tower CounterPane ProgressBar
  check "the settings file holds the new skin" test "$(ini_value Widget1.Settings SkinDir)" = Tower
fi

# Applying the page shows the player's window (the player is not to be hidden).
player_shown() { player=$(xdotool search --onlyvisible --name '^Simulated player$' | head -1); [ -n "$player" ]; }
if check "the player's window shows" wait_until 10 player_shown; then
  import -window "$player" "$work/player.png" 2>/dev/null
  check "the player's window has a face, not a blank rectangle" \
    test "$(convert "$work/player.png" -format %k info:)" -gt 16
  # Places in the player's window as its face lays them out.
  point_in "$player" "$QB_SIZING_FRAME" 195 69  # the Next button
  xdotool click 1
  check "the player's Next button moves the widget on" \
    wait_until 10 looks_like "$main" tower-face-next Tower InfoPane CounterPane ProgressBar
  # The pane is narrower than the artist and the title: their start shows.
  check "and its info pane reads that track's artist or title" \
    wait_until 10 pane_reads "$main" Tower InfoPane "Osric Bell" "Blue Lantern"
  point_in "$player" "$QB_SIZING_FRAME" 300 114  # the first track of the library's list
  xdotool click --repeat 2 --delay 80 1
  check "a double-click on a track plays it" \
    wait_until 10 looks_like "$main" tower-first Tower InfoPane CounterPane ProgressBar
  keys alt+F4
  check "closing the player's window quits the player" wait_until 10 gone "$player"
  # As with the real player: the last frame stays and its time stands still.
  check "the widget lets go of the player that quit" stands_still "$main" 3
  widgets_before=$(widget_windows | sort)
  "$QB_WINE" "$work/dist/quillhost.exe" --add Default </dev/null >>"$work/second.log" 2>&1
  late_shown() { late=$(comm -13 <(echo "$widgets_before") <(widget_windows | sort) | head -1); [ -n "$late" ]; }
  if check "a widget added while the player does not run shows" wait_until 10 late_shown; then
    drag "$late" 50 50 900 20  # out of the way of the player's window
    pointer_away
    check "and says the player is not loaded" wait_until 5 pane_reads "$late" Default InfoPane "iTunes not loaded"
  fi
  point_at "$main" 50 50
  xdotool click 1
  pointer_away
  check "a click on the widget starts the player again" wait_until 10 player_shown
  if [ -n "${late:-}" ]; then
    point_in "$player" "$QB_SIZING_FRAME" 118 69  # the player's Play button: a widget draws anew only while something plays
    xdotool click 1
    point_at "$late" 120 20  # its info pane: the click finds the player running
    sleep 0.2
    xdotool click 1
    pointer_away
    # Polled from then on, it turns from the artist to the title on its own.
    check "the widget made before the player started follows it once a click found it" \
      wait_until 15 pane_reads "$late" Default InfoPane "Morning Tide" "Salt on the Windows" \
      "The Keeper's Daughter" "Nets and Knots" "Harbour Lights" "Last Boat Out"
  fi
fi

check "Exit is in the menu" open_menu "$main" 50 50
choose_in_menu "$exit_row"
check "Exit ends the host" wait_until 10 host_ended
check "the settings file keeps where the widget was dragged" \
  test "$(ini_value Widget1 X),$(ini_value Widget1 Y)" = "760,80"

host_start "$config"
tower_at() { local window; window=$(widget_at "$1" "$2") && has_size "$window" 110 300; }
check "the next start shows the widget where it was dragged, in Tower" wait_until 30 tower_at 760 80

finish
