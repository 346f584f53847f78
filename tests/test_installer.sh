#!/usr/bin/env bash
# The installer as a user meets it, in a new user's Wine prefix: a silent
# install that starts at login, the installed quillhost, a second install over
# a running quillhost that keeps the user's settings and own skin, and the
# silent uninstall that the uninstall entry names.
# Usage: tests/test_installer.sh BUILD_FOLDER (QB_ARCH names its architecture)
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/display-session.sh"

build=$(cd "${1:-$here/build/$QB_ARCH}" && pwd)
QB_WORK="$build/installer-test"
work=$QB_WORK
rm -rf "$work"
mkdir -p "$work"
passed=0
failed=0
trap display_session_end EXIT
trap 'exit 1' INT TERM HUP
# Null graphics: nothing to look at, and no screenshot of a failure.
unset DISPLAY
# No menu entries on this machine's desktop for the shortcut, and no bridge
# helper of this machine's to choose the player.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
export QB_BRIDGE_SESSION="$work/no-bridge-session"

"$here/tools/dist.sh" "$build" "$work/dist" >/dev/null
if ! setup=$("$here/tools/installer.sh" "$work/dist" "$QB_ARCH" "$work" 2>"$work/makensis.log") ||
  ! WINEPREFIX=$(fresh_prefix "$build" installer-test); then
  echo "FAIL the installer or a new prefix could not be made:"
  cat "$work/makensis.log"
  echo "0 passed, 1 failed"
  exit 1
fi
export WINEPREFIX
profile=$(echo "$WINEPREFIX"/drive_c/users/*/AppData)
user=$(basename "$(dirname "$profile")")
programs="$profile/Local/Programs/Quillbracket"
location="C:\\users\\$user\\AppData\\Local\\Programs\\Quillbracket"
shortcut="$profile/Roaming/Microsoft/Windows/Start Menu/Programs/Quillbracket.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillbracket'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# The settings quillhost keeps in the user's roaming folder, never beside itself.
config="$profile/Roaming/Quillbracket/quillhost.ini"
settings_written() { [ -f "$config" ] && [ -n "$(ini_value Widget1 X)" ] && [ ! -f "$programs/quillhost.ini" ]; }

# "NAME TYPE DATA" of each value of a key, sorted; nothing when the key is not
# there. Through a file: the services a first Wine program starts would hold a
# pipe open.
reg_values() {  # KEY
  "$QB_WINE" reg query "$1" </dev/null >"$work/reg.txt" 2>/dev/null
  tr -d '\r' <"$work/reg.txt" | awk '/^    / {sub(/^ +/, ""); print}' | sort
}
reg_value() {  # KEY NAME
  reg_values "$1" | awk -v name="$2" '$1 == name {sub(/^[^ ]+ +[^ ]+ +/, ""); print}'
}

machine_of() {  # FILE: the PE header's machine field, in hex
  python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read(4096)
print("%x" % struct.unpack_from("<H", data, struct.unpack_from("<I", data, 0x3C)[0] + 4)[0])' "$1"
}
case $QB_ARCH in x64) machine=8664 ;; x86) machine=14c ;; esac

# Every file of the build's dist folder, installed as it is there.
installed_as_built() {
  (cd "$work/dist" && find . -type f) | while read -r file; do
    cmp -s "$work/dist/$file" "$programs/$file" || { echo "  differs: $file"; return 1; }
  done
}
no_program_file_left() {
  ! (cd "$work/dist" && find . -type f; echo uninstall.exe; echo temp) | while read -r file; do
    [ -e "$programs/$file" ] && echo "  left: $file"
  done | grep .
}

installed_host_start() {
  "$QB_WINE" "$programs/quillhost.exe" </dev/null >>"$work/host.log" 2>&1 &
  HOST_PID=$!
}
host_running() { kill -0 "$HOST_PID" 2>/dev/null; }
host_ended() { ! host_running; }
# Runs for a few seconds: the widget and the module are up, nothing failed on the way.
host_stays_up() { sleep 3 && host_running; }

silent_install() {  # [OPTION...]
  "$QB_WINE" "$setup" /S "$@" </dev/null >>"$work/install.log" 2>&1
}

check "the installer is an $QB_ARCH program" [ "$(machine_of "$setup")" = "$machine" ]
check "a silent install that starts at login ends with status 0" silent_install /STARTATLOGIN=1
check "it installs the $QB_ARCH build's files into the user's programs folder" installed_as_built
check "the Start menu has a shortcut to the installed quillhost" \
  grep -qaF "$location\\quillhost.exe" "$shortcut"
expected_entry=$(sort <<EOF
DisplayIcon REG_SZ $location\\quillhost.exe,0
DisplayName REG_SZ Quillbracket
DisplayVersion REG_SZ $("$here/tools/version")
InstallLocation REG_SZ $location
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ Marrowby
QuietUninstallString REG_SZ "$location\\uninstall.exe" /S
UninstallString REG_SZ "$location\\uninstall.exe"
EOF
)
entry=$(reg_values "$uninstall_key" | sed 's/  */ /g')
check "the uninstall entry names the install" diff <(echo "$expected_entry") <(grep -v '^EstimatedSize ' <<<"$entry")
estimated=$(($(reg_value "$uninstall_key" EstimatedSize)))
size=$(du -sk --apparent-size "$programs" | cut -f1)
check "the uninstall entry's size is the install's, in KiB ($estimated, $size on disk)" \
  [ $((estimated * 10)) -ge $((size * 9)) -a $((estimated * 10)) -le $((size * 11)) ]
check "the Run entry starts the installed quillhost at login" \
  [ "$(reg_value "$run_key" Quillhost)" = "\"$location\\quillhost.exe\"" ]

installed_host_start
check "the installed quillhost starts and writes its settings with a widget in the user's application data" \
  wait_until 20 settings_written
check "the installed quillhost stays up" host_stays_up
"$QB_WINE" "$programs/quillhost.exe" --exit </dev/null >>"$work/host.log" 2>&1
check "quillhost --exit ends it" wait_until 10 host_ended

# What the user changed: an option, a skin of their own; and what an older
# version installed, which the new one replaces.
sed -i '/^\[Widget1\]/,/^\[/ s/^Opacity=[0-9]*/Opacity=70/' "$config"
cp -r "$programs/skins/Default" "$programs/skins/Mine"
echo "an older version's" >"$programs/README.txt"
echo "an older version's" >>"$programs/skins/Default/skin.ini"
installed_host_start
check "quillhost runs again on the changed settings" host_stays_up
check "a second silent install over the running quillhost ends with status 0" silent_install
check "it ended the running quillhost first" host_ended
check "it replaces the files of the version before" installed_as_built
check "it keeps the option the user changed" [ "$(ini_value Widget1 Opacity)" = 70 ]
check "it keeps the skin the user added" [ -f "$programs/skins/Mine/skin.ini" ]
check "without /STARTATLOGIN it keeps the Run entry" \
  [ "$(reg_value "$run_key" Quillhost)" = "\"$location\\quillhost.exe\"" ]

# The uninstall entry's own command, over a running quillhost. The
# uninstaller runs on as a copy of itself: the prefix's server ends with it.
installed_host_start
check "and runs again" host_stays_up
[[ $(reg_value "$uninstall_key" QuietUninstallString) =~ ^\"([^\"]+)\"\ *(.*)$ ]]
read -ra options <<<"${BASH_REMATCH[2]}"
"$QB_WINE" "${BASH_REMATCH[1]}" "${options[@]}" </dev/null >"$work/uninstall.log" 2>&1
timeout 30 wineserver -w
check "the silent uninstall ends the running quillhost" host_ended
check "it removes every program file" no_program_file_left
check "it removes the Start menu's shortcut" [ ! -e "$shortcut" ]
check "it removes the Run entry" [ -z "$(reg_value "$run_key" Quillhost)" ]
check "it removes the uninstall entry" [ -z "$(reg_values "$uninstall_key")" ]
check "it keeps the user's settings" [ "$(ini_value Widget1 Opacity)" = 70 ]
check "it keeps the skin the user added" [ -f "$programs/skins/Mine/skin.ini" ]
finish
