#!/usr/bin/env bash
# Runs the suite of every architecture this machine runs, one after the other,
# each with one Wine server kept up across its test programs (so it stays fast)
# and ended after. Its last line says what was tested, e.g. "tested: x86, x64"
# or "tested: x64; x86 built, not run: this machine cannot run 32-bit programs".
# Usage: tools/test-all.sh BUILD_FOLDER; tools/test-all.sh --plan prints what
# will be tested, before anything is installed or built.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ "${1:-}" = --plan ]; then
  if "$here/tools/runs-32bit"; then
    echo "testing: x86, x64"
  else
    echo "testing: x64; x86 built, not run: this machine cannot run 32-bit programs"
  fi
  exit 0
fi

build=$(cd "${1:-build}" && pwd)
archs=$("$here/tools/archs")
why=$("$here/tools/archs" --why)
tested="tested: ${archs// /, }"
[ -n "$why" ] && tested+="; x86 built, not run: $why"

status=0
for arch in $archs; do
  echo "== $arch =="
  export QB_ARCH=$arch
  "$here/tools/wine-start"
  # A test that fails is run once more, and its first failure stays in the
  # output above: the real players and X servers of some tests can stumble
  # on a loaded machine.
  (cd "$build/$arch" && ctest --output-on-failure --repeat until-pass:2 -j "${JOBS:-2}") || status=1
  (source "$here/tools/wine-env" && wineserver -k 2>/dev/null) || true
done
echo "$tested"
exit $status
