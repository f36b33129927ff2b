#!/bin/sh
# Runs one Windows program under Wine for CTest (the cross build's
# CMAKE_CROSSCOMPILING_EMULATOR): quiet, without a display, and without
# Wine offering to install .NET or Gecko. The Wine prefix is the project's
# own, build/wine-prefix, unless WINEPREFIX names another; it is made on
# first use.
WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/wine-prefix}"
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
if [ ! -d "$WINEPREFIX" ]; then
    # The programs are 32-bit: a 32-bit prefix is all they need.
    WINEARCH=win32
    export WINEARCH
    mkdir -p "$WINEPREFIX"
fi

# The first Wine program of a session starts Wine's own services, which
# inherit its output and keep CTest waiting on it until a timeout. When no
# server is running yet, start one that outlives this program by a minute
# (a running one is left alone: the call then fails) and bring the
# services up with their output going nowhere.
if wineserver -p60 >/dev/null 2>&1; then
    wine wineboot </dev/null >/dev/null 2>&1
fi
exec wine "$@"
