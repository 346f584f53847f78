#!/usr/bin/env bash
# Runs the widget on the simulated player from a distribution folder: in a
# window when there is a display, otherwise as a scripted session whose
# pictures land in out/demo. Usage: QB_ARCH=x86|x64 tools/demo.sh DIST_FOLDER
# (the folder of that architecture, out/dist/x86 or out/dist/x64).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/wine-env"
dist=$(cd "${1:-out/dist/$QB_ARCH}" && pwd)

if [ -n "${DISPLAY:-}" ]; then
  # The shared prefix draws nothing (null driver); a window needs a prefix of its own.
  source "$here/tools/display-session.sh"
  prefix=$(display_prefix "$here/build/$QB_ARCH" display)
  echo "The widget is on your screen: drag it to move it, right-click it for the menu, Exit to end."
  QB_WINEPREFIX="$prefix" exec "$here/tools/wine-run" "$dist/quillhost.exe" --player sim
fi

rm -rf "$here/out/demo"
cd "$here"
"$here/tools/wine-run" "$dist/quillhost.exe" --demo-script out/demo
