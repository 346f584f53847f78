#!/usr/bin/env bash
# Gathers what a user needs into one folder: the host, the module, the skins,
# a read-me and the skin guide, of one architecture; the debug symbols go beside it.
# Usage: tools/dist.sh BUILD_FOLDER OUT_FOLDER [SYMBOLS_FOLDER], where the build
# folder is build/x86 or build/x64 (or QB_ARCH names its architecture).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-build/x86}" && pwd)
out="${2:-out/dist/x86}"
case "${QB_ARCH:-$(basename "$build")}" in
  x86) objcopy=i686-w64-mingw32-objcopy ;;
  x64) objcopy=x86_64-w64-mingw32-objcopy ;;
  *) echo "dist: name the architecture of $build with QB_ARCH=x86 or x64" >&2; exit 2 ;;
esac

symbols="${3:-$out-symbols}"
rm -rf "$out" "$symbols"
mkdir -p "$out/skins" "$symbols"
# Users get stripped binaries; the debug sections stay beside, outside their
# folder, linked by name so a debugger finds them.
for binary in quillhost.exe Quillbracket.dll; do
  "$objcopy" --only-keep-debug "$build/$binary" "$symbols/$binary.debug"
  "$objcopy" --strip-all --add-gnu-debuglink="$symbols/$binary.debug" "$build/$binary" "$out/$binary"
done
# Skins from the tree, then whatever the build generated for them.
cp -r "$here/skins/." "$out/skins/"
[ -d "$build/skins" ] && cp -r "$build/skins/." "$out/skins/"
sed 's/$/\r/' "$here/host/README-dist.txt" > "$out/README.txt"
# The skin author's guide, where authors are: beside the tools it describes.
sed 's/$/\r/' "$here/docs/skins.md" > "$out/SKINS.md"
echo "$out: quillhost.exe, Quillbracket.dll, skins ($(ls "$out/skins" | wc -l)), README.txt, SKINS.md; symbols in $symbols"
