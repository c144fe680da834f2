#!/bin/sh
# Runs a cross-built Windows program under Debian's Wine: the emulator that
# CMake puts before the Windows build's tests. WINEPREFIX says which Wine.
exec /usr/lib/wine/wine64 "$@"
