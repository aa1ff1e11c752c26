# SPDX-License-Identifier: MIT
# Sourced by the real-X checks and the start-up benchmark: a virtual X server with a window
# manager, or without one when asked. start_x_session WIDTH HEIGHT [bare] exports DISPLAY;
# stop_x_session ends both.

X_SESSION_PIDS=()
X_SESSION_DIR=""

start_x_session() {
    X_SESSION_DIR=$(mktemp -d)
    # Xvfb picks a free display and writes its number.
    Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp 3>"$X_SESSION_DIR/display" \
        2>"$X_SESSION_DIR/xvfb.log" &
    X_SESSION_PIDS+=($!)
    local _
    for _ in $(seq 100); do
        [ -s "$X_SESSION_DIR/display" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(cat "$X_SESSION_DIR/display")"
    if [ "${3:-}" != bare ]; then
        openbox --sm-disable >"$X_SESSION_DIR/openbox.log" 2>&1 &
        X_SESSION_PIDS+=($!)
        sleep 0.5
    fi
}

stop_x_session() {
    local pid
    for pid in "${X_SESSION_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -n "$X_SESSION_DIR" ] && rm -rf "$X_SESSION_DIR"
}
