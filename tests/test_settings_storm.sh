#!/usr/bin/env bash
# The settings file through kills and a full disk: a host changing its
# widgets' places and options as fast as it can (settings_churn) is killed
# with SIGKILL at a random moment, 200 times over, each time started anew on
# the file the last one left, and read at a random moment before each kill;
# every file read or left must name every widget with a place and options
# the host really gave it, and keep the user's own group. Then, where a small
# file system can be mounted (as root), the disk fills up while the host
# writes: the file stays whole, the host says so once and writes again once
# there is room.
# Usage: tests/test_settings_storm.sh BUILD_FOLDER [KILLS [READS_A_RUN]]
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/wine-env"
export WINEDEBUG=-all
build=$(cd "${1:-$here/build/$QB_ARCH}" && pwd)
runs=${2:-200}
reads=${3:-1}
work="$build/work/settings-storm"
umount "$work/full" 2>/dev/null  # left by a run that was itself killed
rm -rf "$work"
mkdir -p "$work/kept"
windows_path() { echo "Z:${1//\//\\}"; }

CHURN_PID=""
MOUNTED=""
end_all() {
  [ -n "$CHURN_PID" ] && kill -KILL "$CHURN_PID" 2>/dev/null && wait "$CHURN_PID" 2>/dev/null
  [ -n "$MOUNTED" ] && umount "$MOUNTED" 2>/dev/null
  true
}
trap end_all EXIT

# The user's own group, which every write must keep.
seed() {  # FILE
  {
    printf '[Notes]\r\n'
    for i in $(seq 1 200); do printf 'Note%d=kept by hand, line %d of 200\r\n' "$i" "$i"; done
  } >"$1"
}

churn_start() {  # SETTINGS_FILE LOG
  "$QB_WINE" "$build/settings_churn.exe" "$(windows_path "$1")" </dev/null >"$2" 2>&1 &
  CHURN_PID=$!
  local deadline=$((SECONDS + 30))
  until grep -q '^ready' "$2" 2>/dev/null; do
    kill -0 "$CHURN_PID" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.005
  done
}

churn_kill() {
  kill -KILL "$CHURN_PID" 2>/dev/null
  wait "$CHURN_PID" 2>/dev/null
  CHURN_PID=""
}

# Each file given: what is wrong with it, one line a file; nothing when all are right.
check_files() {  # FILE...
  python3 - "$@" <<'PY'
import sys
def parse(text):
    groups, order, current = {}, [], None
    for line in text.replace('\r', '').split('\n'):
        s = line.strip()
        if s.startswith('[') and ']' in s:
            current = s[1:s.index(']')].strip()
            order.append(current)
            groups.setdefault(current, {})
        elif current is not None and '=' in s and not s.startswith(';'):
            key, value = s.split('=', 1)
            groups[current].setdefault(key.strip(), value.strip())
    return groups, order
def problems(path):
    try:
        text = open(path, 'rb').read().decode('latin-1')
    except OSError as e:
        return 'cannot be read: %s' % e
    if not text:
        return 'empty'
    groups, order = parse(text)
    notes = groups.get('Notes', {})
    if order[:1] != ['Notes'] or len(notes) != 200 or any(
            notes.get('Note%d' % i) != 'kept by hand, line %d of 200' % (i, ) for i in range(1, 201)):
        return "the user's group is not whole"
    if groups.get('Quillhost', {}).get('Widgets') != 'Widget1,Widget2,Widget3':
        return 'Widgets=%s' % groups.get('Quillhost', {}).get('Widgets')
    for index in range(3):
        name = 'Widget%d' % (index + 1)
        g = groups.get(name, {})
        try:
            x, y = int(g['X']), int(g['Y'])
            held = (x in range(100, 600, 10) and y == x + index and int(g['MonitorX']) == x
                    and int(g['MonitorY']) == y and int(g['Opacity']) in range(30, 101, 10)
                    and g['Layer'] == 'Normal' and g['Scale'] == 'Auto')
        except (KeyError, ValueError):
            held = False
        if not held:
            return '%s holds no place and options it had: %s' % (name, g)
        if groups.get(name + '.Settings', {}).get('SkinDir') != 'Default':
            return "%s's own settings are gone" % name
    return None
for path in sys.argv[1:]:
    problem = problems(path)
    if problem:
        print('%s: %s' % (path.rsplit('/', 1)[-1], problem))
PY
}

wait_until() {  # SECONDS COMMAND...
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

passed=0
failed=0
check() {  # WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   $what"
  else
    failed=$((failed + 1))
    echo "FAIL $what"
  fi
}

# Kills, once the host is up and writing many times over. The file on disk at
# any moment is what a kill at that moment leaves (the kill neither finishes
# nor undoes what reached the file), so a read at a random moment before the
# kill adds another such moment without the few tenths of a second a new Wine
# process takes. Each file read or left is kept, and all are checked at the end.
settings="$work/quillhost.ini"
seed "$settings"
started=$SECONDS
pause() { sleep "0.0$((RANDOM % 3))$((RANDOM % 10))"; }  # up to 30 ms, while the host writes many times
for run in $(seq 1 "$runs"); do
  if ! churn_start "$settings" "$work/churn.log"; then
    echo "the host did not start:"
    cat "$work/churn.log"
    churn_kill
    check "the host starts on the file the last kill left (start $run)" false
    break
  fi
  for read in $(seq 1 "$reads"); do
    pause
    # What one opening of the file reads (cp would skip a file renamed over while it copies).
    cat "$settings" >"$work/kept/run-$run-read-$read.ini" 2>/dev/null
  done
  pause
  churn_kill
  cat "$settings" >"$work/kept/run-$run-kill.ini" 2>/dev/null
done
samples=$(ls "$work"/kept | wc -l)
bad=$(check_files "$work"/kept/*.ini)
echo "$runs kills and $((samples - runs)) reads in $((SECONDS - started)) s; files whole and true: $((samples - $(grep -c . <<<"$bad")))"
[ -n "$bad" ] && head -5 <<<"$bad"
check "after each of $runs kills and $((samples - runs)) reads the file names every widget with a place and options it had" \
  test -z "$bad"

# A full disk: a small file system of its own, filled up while the host writes.
full="$work/full"
mkdir -p "$full"
if [ "$(id -u)" != 0 ] || ! mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null; then
  echo "skipped: the full disk needs a file system of its own, which only root may mount here"
else
  MOUNTED=$full
  cp "$settings" "$full/quillhost.ini"
  # Full but for one page: less than the settings take, so that each write stops part-way.
  dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null
  truncate -s -4096 "$full/filler"
  echo "the settings take $(stat -c %s "$full/quillhost.ini") bytes, the disk has $(df -B1 --output=avail "$full" | tail -1) free"
  if check "the host starts on a full disk" churn_start "$full/quillhost.ini" "$work/full.log"; then
    sleep 0.5
    cat "$full/quillhost.ini" >"$work/kept/full.ini"
    check "the file is still whole and true" test -z "$(check_files "$work/kept/full.ini")"
    check "the host says once that it cannot save" test "$(grep -c 'cannot be saved' "$work/full.log")" = 1
    rm -f "$full/filler"
    saved_again() { grep -q 'saved again' "$work/full.log"; }
    check "once there is room again it writes at the next change" wait_until 5 saved_again
    churn_kill
    cp "$full/quillhost.ini" "$work/kept/room.ini"
    check "and the file is whole and true" test -z "$(check_files "$work/kept/room.ini")"
  fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
