#!/usr/bin/env bash
# Input goes to the widget under the pointer: with two widgets on a private X
# server, the pointer rests on the first, moves onto the second and at once
# right-clicks, clicks a button, turns the wheel or starts a drag there, twenty
# times each; every time it acts on the second and never on the first.
# Usage: tests/test_display_pointer.sh BUILD_FOLDER
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/display-session.sh"

display_test_start "${1:-$here/build/$QB_ARCH}" display-pointer-test
render track21 Default 21
render track22 Default 22

cat >"$config" <<'INI'
[Quillhost]
Widgets=Widget1,Widget2
[Widget1]
X=700
Y=100
[Widget2]
X=700
Y=450
INI
host_start "$config"
both_shown() { widget_at 700 100 >/dev/null && widget_at 700 450 >/dev/null; }
if ! wait_until 30 both_shown; then
  check "the host shows its two widgets" false
  finish
fi
first=$(widget_at 700 100)
second=$(widget_at 700 450)
rounds=20

# The pointer rests on the first widget long enough for it to take the pointer,
# then moves onto the second; what follows comes at once.
from_first_to() {  # DX DY on the second
  point_at "$first" 50 50
  sleep 0.45
  point_at "$second" "$1" "$2"
}

# Each round chooses Lock position in the menu that opens: the settings file
# says whose menu it was.
lock_row=$((3 + 5 * 16 + 8))
locked=0
menus_right=0
at_rest=$(visible_windows)
menu_closed() { [ "$(visible_windows)" = "$at_rest" ]; }
for round in $(seq "$rounds"); do
  # The last round's menu gone first: the system may show the next in the same window.
  wait_until 5 menu_closed
  windows_before=$(visible_windows)
  from_first_to 50 50
  xdotool click 3
  wait_until 5 new_window_shown || break
  read -r menu_x menu_y _ _ < <(geometry "$NEW_WINDOW")
  xdotool mousemove $((menu_x + 30)) $((menu_y + lock_row))
  sleep 0.2
  xdotool click 1
  locked=$((1 - locked))
  lock_kept() { [ "$(ini_value Widget2 Locked)" = "$locked" ] && [ "$(ini_value Widget1 Locked)" != 1 ]; }
  wait_until 5 lock_kept || break
  menus_right=$((menus_right + 1))
done
check "a right-click just after the move opens the second widget's menu, $menus_right times of $rounds" \
  test "$menus_right" = "$rounds"

# Twenty presses of Next, each on the second just after the move: the
# simulated player goes from the first track to the twenty-first.
read -r left top _ _ < <(skin_rect Default NextButton)
for round in $(seq "$rounds"); do
  from_first_to $((left + 12)) $((top + 12))
  xdotool click 1
  sleep 0.2
done
pointer_away
check "a click on a button just after the move presses it on the second widget, $rounds times of $rounds" \
  wait_until 10 looks_like "$second" track21 Default InfoPane CounterPane ProgressBar SoundPane

# The wheel steps the one player's volume whichever widget takes it, so the
# screen cannot tell them apart; it must still step, and nothing else happen.
for round in $(seq "$rounds"); do
  from_first_to 50 50
  xdotool click $((round % 2 ? 4 : 5))
done
pointer_away
check "the wheel just after the move moves neither widget" \
  test "$(geometry "$first"),$(geometry "$second")" = "700 100 266 108,700 450 266 108"

# Twenty drags by 20 px, right and back, each started on the second just after the move.
drags_right=0
for round in $(seq "$rounds"); do
  step=$((round % 2 ? 5 : -5))
  # Away first, so that the widget of the last drag has heard the pointer leave.
  pointer_away
  sleep 0.5
  from_first_to 50 50
  xdotool mousedown 1
  for _ in 1 2 3 4; do
    xdotool mousemove_relative -- "$step" 0
    sleep 0.03
  done
  xdotool mouseup 1
  second_x=$((round % 2 ? 720 : 700))
  dragged_second() { stands_at "$second" "$second_x" 450 && stands_at "$first" 700 100; }
  wait_until 3 dragged_second || break
  drags_right=$((drags_right + 1))
done
check "a drag started just after the move moves the second widget, $drags_right times of $rounds" \
  test "$drags_right" = "$rounds"
check "the first widget never moved" stands_at "$first" 700 100

# Still one widget at a time: hovering, clicking and dragging the first alone.
point_at "$first" 50 50
sleep 0.5
point_at "$first" $((left + 12)) $((top + 12))
xdotool click 1
pointer_away
check "a click on the first widget alone still acts on it" \
  wait_until 10 looks_like "$first" track22 Default InfoPane CounterPane ProgressBar SoundPane

finish
