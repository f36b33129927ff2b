#!/bin/sh
# Runs one Windows program under Wine for CTest (the cross build's
# CMAKE_CROSSCOMPILING_EMULATOR): quiet, without a display, and without
# Wine offering to install .NET or Gecko. Honours WINEPREFIX.
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG WINEDLLOVERRIDES

# The first Wine program of a session starts Wine's own services, which
# inherit its output and keep CTest waiting on it until a timeout. When no
# server is running yet, start one that outlives this program by a minute
# (a running one is left alone: the call then fails) and bring the
# services up with their output going nowhere.
if wineserver -p60 >/dev/null 2>&1; then
    wine wineboot </dev/null >/dev/null 2>&1
fi
exec wine "$@"
