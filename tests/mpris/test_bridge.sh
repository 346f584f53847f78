#!/usr/bin/env bash
# The bridge helper over its socket, against real mpv players on a private bus,
# checked from outside with playerctl.  Usage: test_bridge.sh PATH/TO/quillbridge
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
helper=$1

# One connection on descriptor 3.
connect() { exec 3<>"/dev/tcp/127.0.0.1/$BRIDGE_PORT" || fail "cannot connect"; }
read_reply() { IFS= read -r -t 5 REPLY_LINE <&3 || fail "no answer from the helper"; }
ask() {
  printf '%s\n' "$1" >&3
  read_reply
}
greet() {
  connect
  ask "HELLO $BRIDGE_TOKEN"
  [ "$REPLY_LINE" = "OK quillbridge 1" ] || fail "handshake answered '$REPLY_LINE'"
}
# The helper has closed descriptor 3 (end of file, not a time-out).
closed() { ! IFS= read -r -t 5 line <&3 && [ -z "${line:-}" ]; }
field() {
  ask STATUS
  tr '\t' '\n' <<<"$REPLY_LINE" | sed -n "s/^$1=//p"
}
# playerctl's word about the player given, e.g. reports mpv Playing status.
reports() { [ "$(playerctl -p "${1#org.mpris.MediaPlayer2.}" "${@:3}" 2>/dev/null)" = "$2" ]; }
near() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { exit !((a - b) <= d && (b - a) <= d) }'; }
position_near() { near "$(playerctl -p "${1#org.mpris.MediaPlayer2.}" position)" "$2" 1; }
volume_is() { near "$(playerctl -p "${PLAYER_NAME#org.mpris.MediaPlayer2.}" volume)" "$1" 0.005; }
art_is() {
  printf 'ART\n' >&3
  read_reply
  [ "${REPLY_LINE%% *}" = OK ] || fail "ART answered '$REPLY_LINE'"
  head -c "${REPLY_LINE#OK }" <&3 >"$FIXTURE_DIR/art"
  cmp -s "$FIXTURE_DIR/art" "$1"
}
followed() { [ "$(field player)" = "$1" ]; }
player_count_is() {
  ask PLAYERS
  local i count=${REPLY_LINE#OK }
  for ((i = 0; i < count; i++)); do read_reply; done
  [ "$count" = "$1" ]
}

start_bus
make_media
start_player --pause "${TRACK_FILES[@]}"
first=$PLAYER_NAME first_pid=$PLAYER_PID
start_helper "$helper"

echo "refused: a wrong token, no token, no greeting, silence, an endless line"
# The right token but for its last character.
wrong=${BRIDGE_TOKEN%?}$([ "${BRIDGE_TOKEN: -1}" = 0 ] && echo 1 || echo 0)
for hello in "HELLO $wrong" "HELLO" "HELLO " "STATUS"; do
  connect
  ask "$hello"
  [ "$REPLY_LINE" = DENIED ] && closed || fail "'$hello' was not refused"
done
connect
closed || fail "a silent client was kept"
greet
head -c 70000 /dev/zero | tr '\0' x >&3
closed || fail "a line past the limit was taken"

echo "status: the first track's tags, length and cover"
greet
wait_until 5 followed "$first" || fail "the player is not followed"
[ "$(field title)" = "${TRACK_TITLES[0]}" ] || fail "title $(field title)"
[ "$(field artist)" = "${TRACK_ARTISTS[0]}" ] || fail "artist $(field artist)"
[ "$(field album)" = "${TRACK_ALBUMS[0]}" ] || fail "album $(field album)"
[ "$(field genre)" = "${TRACK_GENRES[0]}" ] || fail "genre $(field genre)"
near "$(field length_ms)" "${TRACK_LENGTHS_MS[0]}" 100 || fail "length $(field length_ms)"
art_is "${TRACK_COVERS[0]}" || fail "the art is not the first cover"

echo "transport: next, previous, play, pause"
ask NEXT
wait_until 5 reports "$first" "${TRACK_TITLES[1]}" metadata xesam:title || fail "NEXT did not reach the player"
wait_until 5 eval '[ "$(field title)" = "${TRACK_TITLES[1]}" ]' || fail "STATUS kept the old title"
art_is "${TRACK_COVERS[1]}" || fail "the art is not the second cover"
ask PREVIOUS
wait_until 5 reports "$first" "${TRACK_TITLES[0]}" metadata xesam:title || fail "PREVIOUS did not reach the player"
ask PLAY
wait_until 5 reports "$first" Playing status || fail "PLAY did not reach the player"
wait_until 5 eval '[ "$(field state)" = playing ]' || fail "STATUS does not show playing"
ask PAUSE
wait_until 5 reports "$first" Paused status || fail "PAUSE did not reach the player"

echo "seek: to 12 s of the track"
ask "SEEK 12000"
[ "$REPLY_LINE" = OK ] || fail "SEEK answered $REPLY_LINE"
wait_until 5 position_near "$first" 12 || fail "the player is not at 12 s"
wait_until 5 eval 'near "$(field position_ms)" 12000 1000' || fail "STATUS position $(field position_ms)"

echo "volume: set, mute, unmute"
ask "VOLUME 40"
wait_until 5 volume_is 0.40 || fail "VOLUME did not reach the player"
ask "MUTE 1"
wait_until 5 volume_is 0 || fail "MUTE did not silence the player"
[ "$(field muted)" = 1 ] || fail "STATUS does not show muted"
ask "MUTE 0"
wait_until 5 volume_is 0.40 || fail "unmuting did not give back the volume"
[ "$(field muted)" = 0 ] || fail "STATUS still shows muted"
# The player's report of the muted volume may still be on its way.
wait_until 5 eval '[ "$(field volume)" = 40 ]' || fail "STATUS volume after unmuting: $(field volume)"

echo "two players: the playing one is followed, a pin overrides"
start_player --pause "${TRACK_FILES[2]}"
second=$PLAYER_NAME
wait_until 5 player_count_is 2 || fail "PLAYERS does not list both"
playerctl -p "${first#org.mpris.MediaPlayer2.}" play
wait_until 5 followed "$first" || fail "the playing player is not followed"
ask "PIN $second"
followed "$second" || fail "the pinned player is not followed"
ask "PIN org.mpris.MediaPlayer2.nobody"
[ "$REPLY_LINE" = "ERR unknown-player" ] || fail "pinning an absent player answered $REPLY_LINE"
ask PIN
followed "$first" || fail "unpinning did not go back to the playing player"

echo "open a path, raise, quit"
ask "PIN $second"
ask "OPEN ${TRACK_FILES[0]}"
wait_until 5 reports "$second" "${TRACK_TITLES[0]}" metadata xesam:title || fail "OPEN of a path did not play it"
ask RAISE
[ "$REPLY_LINE" = "ERR cannot" ] || fail "RAISE on a player that cannot answered $REPLY_LINE"
ask QUIT
wait_until 5 eval '! kill -0 "$PLAYER_PID" 2>/dev/null' || fail "QUIT did not end the player"
wait_until 5 followed "$first" || fail "the pinned player gone, the other one is not followed"

echo "stop, then players gone and back"
ask STOP
wait_until 5 reports "$first" Stopped status || fail "STOP did not reach the player"
generation=$(field generation)
stop_pid "$first_pid"
wait_until 5 eval '[ "$(field connected)" = 0 ]' || fail "still connected with no player"
start_player --pause "${TRACK_FILES[1]}"
wait_until 5 followed "$PLAYER_NAME" || fail "the new player is not followed"
[ "$(field generation)" != "$generation" ] || fail "the generation did not change"
# mpv is on the bus a moment before its file is loaded.
wait_until 5 eval '[ "$(field title)" = "${TRACK_TITLES[1]}" ]' || fail "the new player's title: $(field title)"

echo "a slow player holds neither another client nor another player"
start_raise_player "$(dirname "$helper")/quillbridge_raise_player" slow
ask "PIN $PLAYER_NAME"
[ "$REPLY_LINE" = OK ] || fail "PIN of the slow player answered '$REPLY_LINE'"
exec 4<>"/dev/tcp/127.0.0.1/$BRIDGE_PORT"
printf 'HELLO %s\nRAISE\n' "$BRIDGE_TOKEN" >&4
IFS= read -r -t 5 line <&4 && [ "$line" = "OK quillbridge 1" ] || fail "the second client was not greeted"
sleep 0.2
started=$(date +%s%N)
ask STATUS
ask PLAYERS
for ((i = 0; i < ${REPLY_LINE#OK }; i++)); do read_reply; done
waited_ms=$((($(date +%s%N) - started) / 1000000))
[ "$waited_ms" -lt 300 ] || fail "STATUS and PLAYERS waited ${waited_ms} ms behind the slow player's Raise"
# Its 3 s are past the helper's 1 s for a player's answer.
IFS= read -r -t 5 line <&4 && [ "$line" = "ERR org.freedesktop.DBus.Error.NoReply" ] ||
  fail "the slow player's Raise was answered '${line:-nothing}'"
exec 4>&-
ask PIN
stop_pid "$PLAYER_PID"

echo "the helper ends on SIGTERM and removes its session file"
stop_pid "$HELPER_PID"
[ ! -e "$SESSION_FILE" ] || fail "the session file is left behind"
echo "bridge test passed"
