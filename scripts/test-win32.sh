#!/bin/sh
# Cross-builds the 32-bit Windows plug-in with MinGW-w64 and runs the whole
# test suite under Wine: configure, build and test the win32 preset.
#
# Needs (Debian 12, after dpkg --add-architecture i386 && apt-get update):
#   cmake g++-mingw-w64-i686 wine wine32:i386 libgtest-dev libgmock-dev
# No display and no input are needed. The Wine prefix is build/wine-prefix
# (WINEPREFIX overrides it), made on the first run; its wineserver is kept
# running for the tests and stopped at the end.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

WINEPREFIX="${WINEPREFIX:-$ROOT/build/wine-prefix}"
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

missing=""
for tool in cmake ctest i686-w64-mingw32-g++-posix i686-w64-mingw32-dlltool wine wineserver; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "test-win32: missing:$missing" >&2
    echo "test-win32: install cmake g++-mingw-w64-i686 wine wine32:i386 libgtest-dev libgmock-dev" >&2
    exit 2
fi

stop_wineserver() {
    wineserver -k >/dev/null 2>&1 || true
}
trap stop_wineserver EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "test-win32: making the Wine prefix $WINEPREFIX"
    WINEARCH=win32
    export WINEARCH
fi
mkdir -p "$WINEPREFIX" "$ROOT/build"
# One server for the whole run: a cold start costs seconds for every test
# program. (If one is running already it is kept, and the call fails.)
wineserver -p || true
# Makes or updates the prefix and starts Wine's services now, with their
# output going to a log rather than to the first test's pipe.
wine wineboot </dev/null >"$ROOT/build/wineboot.log" 2>&1 || {
    echo "test-win32: wineboot failed; see build/wineboot.log" >&2
    exit 1
}

cmake --preset win32
cmake --build --preset win32
ctest --preset win32
