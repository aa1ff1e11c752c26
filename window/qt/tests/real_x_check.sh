#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window as a person meets it: a real X server (Xvfb) with a window manager, keys typed and
# clicks made through the X server by xdotool, results read back through the screen reader's
# accessibility bus (AT-SPI), and a screenshot.
#   real_x_check.sh PATH/TO/zirev1 SCREENSHOT.png SCALE FORM.json PATH/TO/zirev1-calc LOCALE
# With SCALE 2 the window runs at QT_SCALE_FACTOR=2 on a screen twice as large. FORM.json is the
# form's description, where the check learns the controls' names and the window's title;
# zirev1-calc gives the results the window must show. LOCALE (C.UTF-8, it_IT.UTF-8) is the
# user's: a typed comma is the decimal point where its separator is the comma.
set -euo pipefail
program=$1
screenshot=$2
scale=$3
form=$4
calc=$5
export LC_ALL=$6
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/lib/xsession.sh"
trap stop_x_session EXIT
start_x_session $((1280 * scale)) $((1024 * scale))

export XDG_RUNTIME_DIR="$X_SESSION_DIR/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_SCALE_FACTOR=$scale
unset QT_QPA_PLATFORM

# The program and the checks share one session bus, through which the accessibility bus is found.
dbus-run-session -- /usr/bin/python3 "$here/real_x_check.py" "$program" "$screenshot" "$form" \
    "$calc"
