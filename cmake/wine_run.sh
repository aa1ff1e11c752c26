#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a Windows program under wine64: the Windows build's tests and build steps use it as their
# emulator. The prefix is WINEPREFIX when set (scripts/test gives each run a new one), or else one
# kept in the user's cache. It is made once, without Mono or Gecko, and Wine says nothing.
#   wine_run.sh PROGRAM.exe [ARGUMENT...]
set -eu
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zirev1/wine-prefix}"
wine=/usr/lib/wine/wine64 # Debian's wine64, which puts nothing on the PATH

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Tests start in parallel: one of them makes the prefix while the others wait for it.
    flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] ||
        { /usr/lib/wine/wine64 wineboot --init && /usr/lib/wine/wineserver64 --wait; } >/dev/null 2>&1'
fi
exec "$wine" "$@"
