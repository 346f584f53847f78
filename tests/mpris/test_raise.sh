#!/usr/bin/env bash
# Only the module's request to show the player raises it: the real module on
# the bridge, under Wine, on the tests' own player that can be raised.
# Usage: test_raise.sh NATIVE_FOLDER BUILD_FOLDER
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/fixture.sh"
native=$1
build=$2

start_bus
start_raise_player "$native/quillbridge_raise_player"
start_helper "$native/quillbridge"
run_windows_test "$build/test_mpris_raise.exe" || fail "the raise test program failed"
echo "raise test passed"
