#!/usr/bin/env bash
# Gathers what a user needs into one folder: the host, the module, the skins
# and a read-me. Usage: tools/dist.sh BUILD_FOLDER OUT_FOLDER
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
out="${2:-out/dist}"

symbols="$(dirname "$out")/symbols"
rm -rf "$out" "$symbols"
mkdir -p "$out/skins" "$symbols"
# Users get stripped binaries; the debug sections stay beside, outside their
# folder, linked by name so a debugger finds them.
for binary in quillhost.exe Quillbracket.dll; do
  i686-w64-mingw32-objcopy --only-keep-debug "$build/$binary" "$symbols/$binary.debug"
  i686-w64-mingw32-objcopy --strip-all --add-gnu-debuglink="$symbols/$binary.debug" "$build/$binary" "$out/$binary"
done
# Skins from the tree, then whatever the build generated for them.
cp -r "$here/skins/." "$out/skins/"
[ -d "$build/skins" ] && cp -r "$build/skins/." "$out/skins/"
sed 's/$/\r/' "$here/host/README-dist.txt" > "$out/README.txt"
echo "$out: quillhost.exe, Quillbracket.dll, skins ($(ls "$out/skins" | wc -l)), README.txt; symbols in $symbols"
