#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window on an X display with no window manager (as under a plain xvfb-run, or in a kiosk
# session): nothing maximizes it, so it must cover the screen by itself, keep its restored size,
# and start without a word on standard error.
#   bare_x_check.sh PATH/TO/zirev1 PATH/TO/zirev1_window_tests
set -euo pipefail
program=$1
tests=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/lib/xsession.sh"
trap stop_x_session EXIT
start_x_session 1280 1024 bare
unset XDG_RUNTIME_DIR
export LC_ALL=C
# Quoted: the sanitizers split their options on blanks, and the path may hold some.
export LSAN_OPTIONS="suppressions='$here/lsan.supp'${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

QT_QPA_PLATFORM=xcb "$tests" Form2Test window coversTheAvailableArea

QT_QPA_PLATFORM=xcb "$program" 2>"$X_SESSION_DIR/stderr" &
X_SESSION_PIDS+=($!)
window=$(timeout 20 xdotool search --sync --name '^zirev1\.$' | head -n 1)
size=""
for _ in $(seq 50); do
    size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    [ "$size" = 1280x1024 ] && break
    sleep 0.1
done
[ "$size" = 1280x1024 ] || { echo "bare X: the window is $size, not 1280x1024" >&2; exit 1; }
echo "bare X: the window covers the screen ($size)"
if [ -s "$X_SESSION_DIR/stderr" ]; then
    echo "bare X: the program printed on standard error:" >&2
    cat "$X_SESSION_DIR/stderr" >&2
    exit 1
fi
