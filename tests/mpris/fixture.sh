# Shared by the player bridge's tests: a private session bus, real MPRIS
# players (mpv with its MPRIS plug-in) on generated tagged tracks with covers,
# and the bridge helper. Source it; every process it starts is recorded and
# ended by its process id when the test exits.
#
#   start_bus                      private bus; exports DBUS_SESSION_BUS_ADDRESS
#   make_media                     three tracks: TRACK_FILES, TRACK_TITLES, ... (below)
#   start_player [mpv options] FILE...   sets PLAYER_PID and PLAYER_NAME (bus name)
#   start_raise_player PROGRAM [slow]   the tests' own player, which can be raised: sets
#                                  PLAYER_PID, PLAYER_NAME and RAISE_FILE (a line per Raise)
#   start_helper HELPER            sets HELPER_PID, BRIDGE_PORT, BRIDGE_TOKEN, SESSION_FILE
#   run_windows_test PROGRAM       runs a test program under Wine and answers its requests (below)
#   stop_pid PID                   ends one of them now
#   wait_until SECONDS COMMAND...  polls COMMAND until it succeeds; fails at the deadline
#   stop_all                       ends everything (also run on exit)

FIXTURE_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quill-mpris.XXXXXX")
FIXTURE_PIDS=()
trap stop_all EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

stop_pid() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  # Ended within two seconds, or made to end.
  local i
  for i in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

stop_all() {
  local i
  for ((i = ${#FIXTURE_PIDS[@]} - 1; i >= 0; i--)); do stop_pid "${FIXTURE_PIDS[i]}"; done
  FIXTURE_PIDS=()
  rm -rf "$FIXTURE_DIR"
}

start_bus() {
  local address_file="$FIXTURE_DIR/bus-address"
  dbus-daemon --session --nofork --print-address=3 3>"$address_file" 2>/dev/null &
  FIXTURE_PIDS+=($!)
  wait_until 5 test -s "$address_file" || fail "the private session bus did not start"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address_file")
  export DBUS_SESSION_BUS_ADDRESS
}

# Three short tracks, each in a folder of its own with its cover next to it,
# where the player's MPRIS plug-in looks for art (it does not read embedded
# pictures). Folder names with a space and a non-ASCII letter keep the
# players' percent-encoded URIs honest.
make_media() {
  local colours=(red green yellow) seconds=(21 32 43) i
  # Told apart by words, not digits: the display test reads them off the screen.
  local titles=("Copper Rain" "Lantern Hill" "Quiet Harbour") artists=("Ada Marrow" "Bex Tallow" "Cyd Fennel")
  TRACK_FILES=() TRACK_TITLES=() TRACK_ARTISTS=() TRACK_ALBUMS=() TRACK_GENRES=() TRACK_LENGTHS_MS=() TRACK_COVERS=()
  # The same, a track a line of tab-separated fields, for programs that are not scripts.
  TRACKS_FILE="$FIXTURE_DIR/media/tracks.tsv"
  mkdir -p "$FIXTURE_DIR/media"
  : >"$TRACKS_FILE"
  for i in 0 1 2; do
    local folder="$FIXTURE_DIR/media/Track $((i + 1)) – é"
    mkdir -p "$folder"
    TRACK_FILES+=("$folder/song $((i + 1)).flac")
    TRACK_TITLES+=("${titles[i]}")
    TRACK_ARTISTS+=("${artists[i]}")
    TRACK_ALBUMS+=("Album $((i + 1))")
    TRACK_GENRES+=("Genre $((i + 1))")
    TRACK_LENGTHS_MS+=($((seconds[i] * 1000)))
    TRACK_COVERS+=("$folder/cover.png")
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "sine=frequency=$((220 * (i + 2))):duration=${seconds[i]}" \
      -ac 1 -ar 8000 -metadata title="${TRACK_TITLES[i]}" -metadata artist="${TRACK_ARTISTS[i]}" \
      -metadata album="${TRACK_ALBUMS[i]}" -metadata genre="${TRACK_GENRES[i]}" "${TRACK_FILES[i]}" ||
      fail "cannot make ${TRACK_FILES[i]}"
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "color=c=${colours[i]}:s=48x48" -frames:v 1 "${TRACK_COVERS[i]}" ||
      fail "cannot make ${TRACK_COVERS[i]}"
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "${TRACK_TITLES[i]}" "${TRACK_ARTISTS[i]}" "${TRACK_ALBUMS[i]}" \
      "${TRACK_GENRES[i]}" "${TRACK_LENGTHS_MS[i]}" "${TRACK_COVERS[i]}" "${TRACK_FILES[i]}" >>"$TRACKS_FILE"
  done
}

# The bus name a process holds: the first player takes ".mpv", later ones
# ".mpv.instance<pid>", whichever registers first.
player_name_of() {
  local pid=$1 name owner
  for name in "org.mpris.MediaPlayer2.mpv.instance$pid" org.mpris.MediaPlayer2.mpv; do
    owner=$(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null) || continue
    [ "${owner##* }" = "$pid" ] && echo "$name" && return 0
  done
  return 1
}

# mpv with its own empty configuration, the MPRIS plug-in loaded by path, no
# sound device; idle after a stop, as MPRIS Stop empties its playlist.
start_player() {
  mkdir -p "$FIXTURE_DIR/mpv-config"
  mpv --no-video --ao=null --idle=yes --no-terminal --config-dir="$FIXTURE_DIR/mpv-config" \
    --script=/usr/lib/mpv-mpris/mpris.so "$@" </dev/null >/dev/null 2>&1 &
  PLAYER_PID=$!
  FIXTURE_PIDS+=("$PLAYER_PID")
  wait_until 10 player_name_of "$PLAYER_PID" >/dev/null || fail "mpv did not appear on the bus"
  PLAYER_NAME=$(player_name_of "$PLAYER_PID")
}

start_raise_player() {
  RAISE_FILE="$FIXTURE_DIR/raises"
  : >"$RAISE_FILE"
  "$1" quilltest "$RAISE_FILE" ${2:-} &
  PLAYER_PID=$!
  FIXTURE_PIDS+=("$PLAYER_PID")
  PLAYER_NAME=org.mpris.MediaPlayer2.quilltest
  wait_until 10 dbus-send --session --print-reply --dest=$PLAYER_NAME /org/mpris/MediaPlayer2 \
    org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 || fail "the raise counting player did not appear on the bus"
}

start_helper() {
  HELPER_PROGRAM=$1
  SESSION_FILE="$FIXTURE_DIR/session/bridge"
  "$1" --session-file "$SESSION_FILE" 2>"$FIXTURE_DIR/helper.log" &
  HELPER_PID=$!
  FIXTURE_PIDS+=("$HELPER_PID")
  wait_until 10 test -s "$SESSION_FILE" || fail "the helper wrote no session file: $(cat "$FIXTURE_DIR/helper.log")"
  BRIDGE_PORT=$(sed -n 's/^port=//p' "$SESSION_FILE")
  BRIDGE_TOKEN=$(sed -n 's/^token=//p' "$SESSION_FILE")
}

# A Windows test program of the rig (tests/rig/shell_requests.h) under Wine,
# told the session file and the tracks, and answered while it runs:
#   playerctl ARGS...   what playerctl says of the player last started
#   stop-player         ends the player last started
#   start-player        starts a player, paused, on the second track
#   stop-helper, start-helper   ends the helper, starts it again
#   raises              how often the raise counting player was raised
# Returns the program's exit status.
run_windows_test() {
  local requests="$FIXTURE_DIR/requests"
  mkdir -p "$requests"
  QB_SHELL_REQUESTS="$requests" QB_BRIDGE_SESSION="$SESSION_FILE" QB_TRACKS="${TRACKS_FILE:-}" \
    "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-run" "$@" &
  local pid=$!
  FIXTURE_PIDS+=("$pid")
  while kill -0 "$pid" 2>/dev/null; do
    if [ -e "$requests/request" ]; then
      local request
      request=$(cat "$requests/request")
      rm -f "$requests/request"
      # Not in a subshell: starting a player records it here.
      answer_request $request >"$requests/answer.tmp"
      mv "$requests/answer.tmp" "$requests/answer"
    fi
    sleep 0.05
  done
  wait "$pid"
}

answer_request() {
  case $1 in
  playerctl) playerctl -p "${PLAYER_NAME#org.mpris.MediaPlayer2.}" "${@:2}" 2>/dev/null || true ;;
  stop-player) stop_pid "$PLAYER_PID" && echo stopped ;;
  start-player) start_player --pause "${TRACK_FILES[1]}" && echo started ;;
  stop-helper) stop_pid "$HELPER_PID" && echo stopped ;;
  start-helper) start_helper "$HELPER_PROGRAM" && echo started ;;
  raises) wc -l <"$RAISE_FILE" | tr -d ' ' ;;
  *) echo "unknown request $1" ;;
  esac
}
