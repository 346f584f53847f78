#!/usr/bin/env bash
# The widget on the desktop's own player, as a user meets it: a private bus, a
# real mpv, the bridge's helper, and quillhost --player mpris on an X server of
# the test's own with default settings and the window's own timers. What the
# widget shows is read back from the screen.
# Usage: test_display.sh PATH/TO/quillbridge BUILD_FOLDER
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$here/tests/mpris/fixture.sh"
source "$here/tools/display-session.sh"
helper=$1

display_test_start "$2" mpris-display-test
trap 'display_session_end; stop_all' EXIT
start_bus
make_media
# Each track over and over, so that only Next moves it on.
start_player --volume=100 --loop-file=inf "${TRACK_FILES[@]}"
start_helper "$helper"

# Default settings: no settings file, so quillhost makes one widget where a first widget goes.
rm -f "$config"
"$QB_WINE" "$work/dist/quillhost.exe" --player mpris --bridge-session "$SESSION_FILE" \
  --config "$(windows_path "$config")" </dev/null >>"$work/host.log" 2>&1 &
HOST_PID=$!
if ! wait_until 30 widget_at 120 120 >/dev/null; then
  check "quillhost shows its first widget" false
  finish
fi
widget=$(widget_at 120 120)
pointer_away
started=$SECONDS

# The info pane takes turns: the artist for nine seconds, then the title for ten.
shows_track() {  # NUMBER, from 1
  pane_reads "$widget" Default InfoPane "${TRACK_ARTISTS[$1 - 1]}" "${TRACK_TITLES[$1 - 1]}"
}
shows_title() { pane_reads "$widget" Default InfoPane "${TRACK_TITLES[$1 - 1]}"; }
read -r art_left art_top art_width art_height < <(skin_rect Default AlbumArt)
cover_is() {  # COLOUR of the cover's middle
  read -r x y _ _ < <(geometry "$widget")
  [ "$(hue_at $((x + art_left + art_width / 2)) $((y + art_top + art_height / 2)))" = "$1" ]
}

check "the widget shows mpv's track from its first seconds" wait_until 5 shows_track 1 ||
  echo "     read: $QB_LAST_READ"
check "the widget shows mpv's title as the pane turns to it" wait_until 15 shows_title 1 ||
  echo "     read: $QB_LAST_READ"
echo "     the title showed $((SECONDS - started)) s after the widget"
check "the widget draws the track's cover" wait_until 5 cover_is red

read -r left top _ _ < <(skin_rect Default NextButton)
point_at "$widget" $((left + 12)) $((top + 12))
xdotool click 1
pointer_away
check "Next on the widget moves mpv on" wait_until 5 eval \
  '[ "$(playerctl -p "${PLAYER_NAME#org.mpris.MediaPlayer2.}" metadata title 2>/dev/null)" = "${TRACK_TITLES[1]}" ]'
check "the widget follows Next within two seconds" wait_until 2 shows_track 2 || echo "     read: $QB_LAST_READ"
check "then shows the next title" wait_until 15 shows_title 2 || echo "     read: $QB_LAST_READ"
check "and its cover" wait_until 5 cover_is green

# Another player takes mpv's place.
stop_pid "$PLAYER_PID"
start_player --volume=100 --loop-file=inf "${TRACK_FILES[2]}"
check "the widget shows the player that took mpv's place" wait_until 10 shows_track 3 ||
  echo "     read: $QB_LAST_READ"
check "with that player's title" wait_until 15 shows_title 3 || echo "     read: $QB_LAST_READ"
check "and its cover" wait_until 5 cover_is yellow

finish
