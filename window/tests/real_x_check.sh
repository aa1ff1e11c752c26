#!/usr/bin/env bash
# The window as a person meets it: a real X server (Xvfb) with a window manager, keys typed and
# clicks made through the X server by xdotool, results read back through the screen reader's
# accessibility bus (AT-SPI), and a screenshot.
#   real_x_check.sh PATH/TO/zirev1 SCREENSHOT.png [SCALE]
# With SCALE 2 the window runs at QT_SCALE_FACTOR=2 on a screen twice as large.
set -euo pipefail
program=$1
screenshot=$2
scale=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 $((1280 * scale))x$((1024 * scale))x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export LC_ALL=C
unset QT_QPA_PLATFORM
export QT_SCALE_FACTOR=$scale

# The program and the checks share one session bus, through which the accessibility bus is found.
dbus-run-session -- /usr/bin/python3 "$here/real_x_check.py" "$program" "$screenshot"
