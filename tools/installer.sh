#!/usr/bin/env bash
# Makes the Windows installer of one architecture from its dist folder (made
# by tools/dist.sh): OUT_FOLDER/Quillbracket-VERSION-ARCH-setup.exe, with
# Debian's makensis. Prints the installer's path.
# Usage: tools/installer.sh DIST_FOLDER ARCH OUT_FOLDER
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ $# -eq 3 ] || { echo "usage: tools/installer.sh DIST_FOLDER x86|x64 OUT_FOLDER" >&2; exit 2; }
dist=$(cd "$1" && pwd)
arch=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)
case "$arch" in x86 | x64) ;; *) echo "installer: the architecture is x86 or x64, not '$arch'" >&2; exit 2 ;; esac
command -v makensis >/dev/null || { echo "installer: makensis is missing: tools/setup.sh installs nsis" >&2; exit 1; }

version=$("$here/tools/version")
quad=$version
while [ "$(tr -cd . <<<"$quad" | wc -c)" -lt 3 ]; do quad+=.0; done
installer="$out/Quillbracket-$version-$arch-setup.exe"

# The uninstaller removes what we installed by name, and our folders only
# when they are empty, so that whatever the user added there stays.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
  echo '!macro REMOVE_OWN_FILES'
  (cd "$dist" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  (cd "$dist" && find . -mindepth 1 -type d | sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
  echo '!macroend'
} >"$work/own_files.nsh"

makensis -V2 -NOCD "-DVERSION=$version" "-DVERSION_QUAD=$quad" "-DARCH=$arch" "-DDIST=$dist" \
  "-DOWN_FILES=$work/own_files.nsh" "-DOUTFILE=$installer" "$here/installer/quillbracket.nsi" >&2
echo "$installer"
