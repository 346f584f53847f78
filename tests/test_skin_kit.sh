#!/usr/bin/env bash
# The skin author's kit as a user gets it: the guide and the read-me in the
# folder handed out, and quillhost --render-skin from that folder on a
# display, with no display in the project's prefix (null graphics driver),
# and with no display where no window can be made (a prefix without the null
# driver, as a user's own): the same picture, or a reason and no picture.
# Usage: tests/test_skin_kit.sh BUILD_FOLDER
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/display-session.sh"

build=$(cd "${1:-$here/build/$QB_ARCH}" && pwd)
display_test_start "$build" skin-kit
headless_prefix "$build" skin-kit
dist=$work/dist

check "the folder handed out holds the skin guide as SKINS.md" test -s "$dist/SKINS.md"
for tool in --new-skin --check-skin --render-skin; do
  check "its read-me names $tool" grep -q -- "$tool" "$dist/README.txt"
done

same_picture() {  # PNG PNG
  [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}
# No display, no X server to reach: the project's prefix draws with the null driver.
render_undisplayed() {  # NAME SKIN TRACK
  env -u DISPLAY WINEPREFIX="$build/wineprefix" "$QB_WINE" "$dist/quillhost.exe" --render-skin "$2" --track "$3" \
    --out "$(windows_path "$work/render-$1.png")" </dev/null >/dev/null 2>&1
}

for skin in Default Tower; do
  rm -f "$work"/render-*"$skin".png "$work/none-$skin".*
  check "$skin renders on the display" render "$skin" "$skin" 5
  check "$skin renders with no display in the project's prefix" render_undisplayed "none-$skin" "$skin" 5
  check "and that picture is the one drawn on the display, pixel for pixel" \
    same_picture "$work/render-$skin.png" "$work/render-none-$skin.png"

  run_headless "$dist/quillhost.exe" --render-skin "$skin" --track 5 --out "$(windows_path "$work/none-$skin.png")" \
    </dev/null >"$work/none-$skin.out" 2>"$work/none-$skin.err"
  status=$?
  check "where no window can be made, rendering $skin fails" test "$status" -ne 0
  check "and says why" grep -q "no window can be made" "$work/none-$skin.err"
  check "and writes no picture" test ! -e "$work/none-$skin.png"
done

# The author's loop on a running quillhost: a skin of one's own shown,
# edited and shown anew, and skins that cannot be shown told of. The widget
# stands clear of the player's window, which a widget made with settings shows.
# Bounded: a quillhost that took the command would run on as the host.
timeout 30 "$QB_WINE" "$dist/quillhost.exe" --add NoSuchSkin </dev/null >"$work/add.out" 2>"$work/add.err"
status=$?
check "--add of a skin that is not there fails at once" test "$status" -ne 0 -a "$status" -ne 124
check "and lists the skins there are" grep -q "the skins there are: .*Default" "$work/add.err"

rm -rf "$dist/skins/Mine" "$dist/skins/Broken"
cp -r "$dist/skins/Default" "$dist/skins/Mine"
cat >"$config" <<'INI'
[Quillhost]
Widgets=Widget1
[Widget1]
X=700
Y=300
[Widget1.Settings]
SkinDir=Mine
INI
host_start "$config"
if check "quillhost shows a widget in the author's skin" wait_until 30 widget_at 700 300; then
  # Below the album art, left of the buttons: only the background is there.
  background_is() { [ "$(hue_at 750 400)" = "$1" ]; }
  check "its background is the skin's" wait_until 5 background_is blue
  convert -size 266x108 xc:'#00c000' "$dist/skins/Mine/images/bg.png"
  check "a background replaced while the widget shows is on screen within 2 s" wait_until 2 background_is green
  "$QB_WINE" "$dist/quillhost.exe" --reload </dev/null >>"$work/second.log" 2>&1
  check "quillhost --reload is taken by the running quillhost" test $? = 0
  check "and the widget still shows the edited skin" wait_until 5 background_is green

  cp -r "$dist/skins/Default" "$dist/skins/Broken"
  rm "$dist/skins/Broken/images/bg.png"
  "$QB_WINE" "$dist/quillhost.exe" --add Broken </dev/null >>"$work/second.log" 2>&1
  told() { grep -q 'The skin "Broken" of a widget: .*error: .*bg.png' "$QB_WORK/host.log"; }
  check "a widget added in a skin without its background is told of, naming the skin and its error" \
    wait_until 10 told
  check "once" test "$(grep -c 'The skin "Broken"' "$QB_WORK/host.log")" = 1
fi

finish
