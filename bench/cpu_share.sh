#!/usr/bin/env bash
# What a widget costs as a user would see it: quillhost with one widget on a
# real X display, 60 s playing, 60 s paused, 30 s with the pointer over a long
# title that scrolls, then ten widgets playing for 60 s, each as a share of
# one core; and what quillhost spends on one frame (bench_present). Read from /proc: utime +
# stime of quillhost; of the Wine server, which carries every message and
# timer of the widget, next to what it spends with the prefix's own services
# and no widget (measured first); of the X server, shown apart (on a desktop
# that work is the compositor's); and the run time of quillhost's threads to
# the nanosecond. Before quillhost, the same readings of bench_floor: the
# least a widget can cost here (a timer a second; one window update a second;
# ten a second). Usage: QB_ARCH=x86|x64 bench/cpu_share.sh BUILD_FOLDER
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/display-session.sh"
display_session_start "${1:-$here/build/$QB_ARCH}" display-bench
echo "CPU share of widgets on a display, $QB_ARCH"
ticks_per_second=$(getconf CLK_TCK)

# Seconds of CPU a process has had: utime + stime, fields 14 and 15 after the name.
cpu_seconds() {  # PID
  awk -v hz="$ticks_per_second" '{sub(/.*\) /, ""); printf "%.3f\n", ($12 + $13) / hz}' "/proc/$1/stat"
}

# Seconds the process's threads have run, from the scheduler's own count.
run_seconds() {  # PID
  cat /proc/"$1"/task/*/schedstat | awk '{sum += $1} END {printf "%.6f\n", sum / 1e9}'
}

# The Wine server of this session's prefix.
wineserver_pid() {
  local entry
  for entry in /proc/[0-9]*; do
    case "$(cat "$entry/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
    if tr '\0' '\n' <"$entry/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      basename "$entry"
      return 0
    fi
  done
  return 1
}

config="$QB_WORK/quillhost.ini"
# COUNT widgets of the Default skin, in rows; the player's own window stays
# hidden: its face is no part of the widget's cost.
write_config() {  # COUNT
  local n widgets=""
  for n in $(seq "$1"); do widgets+="${widgets:+,}Widget$n"; done
  printf '[Quillhost]\nWidgets=%s\n' "$widgets" >"$config"
  for n in $(seq "$1"); do
    printf '[Widget%d]\nX=%d\nY=%d\n[Widget%d.Settings]\nSkinDir=Default\nAutoHideiTunes=1\n' \
      "$n" $((700 - (n - 1) % 2 * 380)) $((80 + (n - 1) / 2 * 140)) "$n" >>"$config"
  done
}
write_config 1
# Share of one core a process had over some seconds, from two readings.
share() {  # BEFORE AFTER SECONDS
  awk -v a="$1" -v b="$2" -v s="$3" 'BEGIN {printf "%9.3f %%", 100 * (b - a) / s}'
}
row() { printf '%-30s %7s %11s %11s %11s %13s\n' "$@"; }

row phase seconds process wineserver "X server" "process ns"

# The prefix's services alone, kept up by a persistent server: what the Wine
# server spends with no widget at all.
wineserver -p
"$QB_WINE" cmd /c exit </dev/null >/dev/null 2>&1
server=$(wineserver_pid)
sleep 5
server_before=$(cpu_seconds "$server")
x_before=$(cpu_seconds "$QB_XVFB_PID")
sleep 30
row "no widget (Wine's services)" 30 - "$(share "$server_before" "$(cpu_seconds "$server")" 30)" \
  "$(share "$x_before" "$(cpu_seconds "$QB_XVFB_PID")" 30)" -

measure() {  # WHAT SECONDS [PID, by default quillhost's]
  local pid=${3:-$HOST_PID} host_before run_before
  host_before=$(cpu_seconds "$pid")
  run_before=$(run_seconds "$pid")
  server_before=$(cpu_seconds "$server")
  x_before=$(cpu_seconds "$QB_XVFB_PID")
  sleep "$2"
  row "$1" "$2" "$(share "$host_before" "$(cpu_seconds "$pid")" "$2")" \
    "$(share "$server_before" "$(cpu_seconds "$server")" "$2")" \
    "$(share "$x_before" "$(cpu_seconds "$QB_XVFB_PID")" "$2")" \
    "$(share "$run_before" "$(run_seconds "$pid")" "$2")"
}

# The floor, on a window of the Default skin's size; the program ends itself.
read -r floor_width floor_height < <(awk -F= '/^\[/ {bg = ($0 ~ /^\[Bg\]/); next}
  bg && $1 == "Width" {w = $2} bg && $1 == "Height" {h = $2} END {print w, h}' "$here/skins/Default/skin.ini")
floor_row() {  # WHAT UPDATES_PER_SECOND
  local pid
  "$QB_WINE" "$QB_WORK/../bench_floor.exe" "$floor_width" "$floor_height" "$2" 40 </dev/null >/dev/null 2>&1 &
  pid=$!
  sleep 5
  measure "$1" 30 "$pid"
  wait "$pid" || true
}
floor_row "floor: a timer a second" 0
floor_row "floor: an update a second" 1
floor_row "floor: ten updates a second" 10

host_start "$config"
wait_until 30 widget_at 700 80 >/dev/null || { echo "the widget did not appear" >&2; exit 1; }
widget=$(widget_at 700 80)
pointer_away
sleep 5  # start-up done

click_on_widget() {  # DX DY
  point_at "$widget" "$1" "$2"
  sleep 0.2
  xdotool click 1
}

measure "playing" 60

click_on_widget 140 88  # pause
pointer_away
sleep 3
measure "paused" 60

# The long title is the 24th track: on from the first, then play.
for _ in $(seq 23); do
  click_on_widget 192 88
done
click_on_widget 140 88
point_at "$widget" 170 20  # over the title, which scrolls while the pointer stays
sleep 3
measure "pointer over a scrolling title" 30
pointer_away


# Ten widgets on one host, all playing: the cost must grow no faster than the count.
host_kill || true
write_config 10
host_start "$config"
wait_until 60 widget_at 700 80 >/dev/null || { echo "the ten widgets did not appear" >&2; exit 1; }
sleep 5
measure "ten widgets playing" 60

echo "shares of one core; one tick of utime + stime (1/$ticks_per_second s) is $(awk -v hz="$ticks_per_second" 'BEGIN {printf "%.3f", 100 / hz / 60}') % over 60 s"
echo "goal per widget: quillhost under 0.1 % playing, 0.03 % paused, 0.5 % over a scrolling title; ten widgets under ten times one"
echo "the Wine server's part is what it spends above the no-widget row"
echo "process: quillhost; in the floor rows bench_floor, a program that only ticks and updates a window of the Default skin's size (${floor_width} x ${floor_height}) with one pixel changed"
host_kill || true
echo
(cd "$QB_WORK/.." && "$QB_WINE" bench_present.exe) | grep -v '^\[\|passed'

