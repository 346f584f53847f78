#!/usr/bin/env bash
# Prepares the Wine prefix that shows windows on the display (the shared one
# draws nothing, with its null driver) and prints its path.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix="$here/build/wineprefix-display"
QB_WINEPREFIX="$prefix" "$here/tools/setup.sh" >&2
if [ ! -f "$prefix/.quillbracket-display" ]; then
  WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wineserver -w
  touch "$prefix/.quillbracket-display"
fi
echo "$prefix"
