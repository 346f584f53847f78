#!/usr/bin/env bash
# The player bridge end to end: the real module in a test program under Wine,
# through the helper, on a real mpv on a private bus; then quillhost's choice
# of player. Usage: test_widget.sh PATH/TO/quillbridge BUILD_FOLDER
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
helper=$1
build=$2
wine_run="$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-run"

start_bus
make_media
start_player --pause --volume=100 "${TRACK_FILES[@]}"
start_helper "$helper"

echo "the widget on the bridge"
run_windows_test "$build/test_mpris_widget.exe" || fail "the widget's test program failed"

# quillhost until it has said which player it chose (into CHOICE), then ended.
chosen_player() {
  local out="$FIXTURE_DIR/quillhost.out"
  : >"$out"
  "$wine_run" "$build/quillhost.exe" --config "Z:${FIXTURE_DIR//\//\\}\\quillhost.ini" --player auto >"$out" 2>&1 &
  local pid=$!
  FIXTURE_PIDS+=("$pid")
  wait_until 20 grep -q "player:" "$out" || fail "quillhost did not say which player it chose: $(cat "$out")"
  stop_pid "$pid"
  CHOICE=$(tr -d '\r' <"$out" | sed -n 's/^quillhost: player: //p')
}

echo "quillhost --player auto: the bridge's player, else the simulated one"
QB_BRIDGE_SESSION="$SESSION_FILE" chosen_player
[[ $CHOICE == "mpris (no Windows player is installed; the bridge's helper follows "*" ($PLAYER_NAME))" ]] ||
  fail "with the helper following $PLAYER_NAME, quillhost chose: $CHOICE"
QB_BRIDGE_SESSION="$FIXTURE_DIR/nowhere" chosen_player
[[ $CHOICE == "simulated (no Windows player is installed, and there is no readable bridge session file at "* ]] ||
  fail "without a helper, quillhost chose: $CHOICE"
echo "widget test passed"
