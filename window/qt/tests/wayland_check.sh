#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window on Wayland: a headless Weston compositor, the window through Qt's wayland platform
# (no X at all), and a calculation driven over the accessibility bus.
#   wayland_check.sh PATH/TO/zirev1 FORM.json
# FORM.json is the form's description, where the check learns the controls' names.
set -euo pipefail
program=$1
form=$2
here=$(cd "$(dirname "$0")" && pwd)
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
compositor=""
trap '[ -n "$compositor" ] && kill "$compositor" 2>/dev/null; wait 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

weston --backend=headless-backend.so --socket=zirev1-wayland --idle-time=0 --width=1280 \
    --height=1024 >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/zirev1-wayland" ] && break
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/zirev1-wayland" ] || { cat "$XDG_RUNTIME_DIR/weston.log" >&2; exit 1; }

unset DISPLAY
export WAYLAND_DISPLAY=zirev1-wayland QT_QPA_PLATFORM=wayland
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C
dbus-run-session -- /usr/bin/python3 "$here/wayland_check.py" "$program" "$form"
