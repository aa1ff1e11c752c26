#!/bin/sh
# SPDX-License-Identifier: MIT
# Makes the Wine prefix WINEPREFIX unless it is made already, in wine_run.sh's settings (without
# Mono or Gecko). Making one has, rarely and on a busy machine, never ended, before any program of
# ours ran: each try has a bound, and one that runs over is thrown away and made again from
# nothing, once, with a note.
#   wine_prefix.sh, from wine_run.sh
set -u
[ -f "$WINEPREFIX/system.reg" ] && exit 0
for attempt in 1 2; do
    timeout 90 sh -c '/usr/lib/wine/wine64 wineboot --init && /usr/lib/wine/wineserver64 --wait' \
        >/dev/null 2>&1 && exit 0
    status=$?
    [ "$status" -eq 124 ] && why="was not ready within 90 s" || why="failed (status $status)"
    echo "note: Wine's prefix $why, try $attempt of 2; Wine's processes then:" >&2
    ps -eo pid,etime,args | grep -E '[w]ine|[.]exe' >&2
    /usr/lib/wine/wineserver64 -k 2>/dev/null
    rm -rf "$WINEPREFIX"
done
echo "Wine could not make the prefix $WINEPREFIX" >&2
exit 1
