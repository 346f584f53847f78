#!/usr/bin/env bash
# Gathers what a user needs into one folder: the host, the module, the skins
# and a read-me. Usage: tools/dist.sh BUILD_FOLDER OUT_FOLDER
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
out="${2:-out/dist}"

rm -rf "$out"
mkdir -p "$out/skins"
cp "$build/quillhost.exe" "$build/Quillbracket.dll" "$out/"
# Skins from the tree, then whatever the build generated for them.
cp -r "$here/skins/." "$out/skins/"
[ -d "$build/skins" ] && cp -r "$build/skins/." "$out/skins/"
sed 's/$/\r/' "$here/host/README-dist.txt" > "$out/README.txt"
echo "$out: quillhost.exe, Quillbracket.dll, skins ($(ls "$out/skins" | wc -l)), README.txt"
