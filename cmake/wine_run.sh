#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a Windows program under wine64: the Windows build's tests and build steps use it as their
# emulator. The prefix is WINEPREFIX when set (scripts/test gives each run a new one), or else one
# kept in the user's cache, made once (wine_prefix.sh). Wine says nothing. With no program, it only
# makes the prefix.
#   wine_run.sh [PROGRAM.exe [ARGUMENT...]]
set -eu
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zirev1/wine-prefix}"
wine=/usr/lib/wine/wine64 # Debian's wine64, which puts nothing on the PATH

# Tests start in parallel: one of them makes the prefix while the others wait for it.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    flock "$WINEPREFIX.lock" "$(dirname "$0")/wine_prefix.sh"
fi
[ "$#" -eq 0 ] || exec "$wine" "$@"
