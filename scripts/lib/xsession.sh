# SPDX-License-Identifier: MIT
# Sourced by the real-X checks and the start-up benchmark: a virtual X server with a window
# manager, or without one when asked. start_x_session WIDTH HEIGHT [bare] exports DISPLAY;
# stop_x_session ends both. A server or window manager that does not come up ends the calling
# script with a message and status 1: nothing may run on a session that is not the one asked for.

X_SESSION_PIDS=()
X_SESSION_DIR=""

x_session_fail() {
    echo "X session: $1" >&2
    [ -n "${2:-}" ] && [ -s "$2" ] && sed 's/^/  /' "$2" >&2
    exit 1
}

# The window manager's check window, named on the root window, names itself in turn once the
# manager owns the screen; before that, or with a stale property, the two disagree.
x_session_window_manager_ready() {
    local root id
    root=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    [[ $root =~ "window id # "(0x[0-9a-f]+) ]] || return 1
    id=${BASH_REMATCH[1]}
    [[ $(xprop -id "$id" _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id # $id" ]]
}

start_x_session() {
    X_SESSION_DIR=$(mktemp -d)
    # Xvfb picks a free display and writes its number once it accepts connections. It never
    # resets: by default it starts over whenever its last client leaves, and a client that comes
    # just then (a window manager after a probe, a program after a check) is refused.
    Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp -noreset 3>"$X_SESSION_DIR/display" \
        2>"$X_SESSION_DIR/xvfb.log" &
    local xvfb=$!
    X_SESSION_PIDS+=("$xvfb")
    local _
    for _ in $(seq 200); do
        [ -s "$X_SESSION_DIR/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || x_session_fail "Xvfb exited" "$X_SESSION_DIR/xvfb.log"
        sleep 0.05
    done
    [ -s "$X_SESSION_DIR/display" ] ||
        x_session_fail "Xvfb gave no display within 10 s" "$X_SESSION_DIR/xvfb.log"
    export DISPLAY=":$(cat "$X_SESSION_DIR/display")"
    if [ "${3:-}" != bare ]; then
        openbox --sm-disable >"$X_SESSION_DIR/openbox.log" 2>&1 &
        local manager=$! deadline=$((SECONDS + 10))
        X_SESSION_PIDS+=("$manager")
        until x_session_window_manager_ready; do
            kill -0 "$manager" 2>/dev/null ||
                x_session_fail "openbox exited" "$X_SESSION_DIR/openbox.log"
            [ "$SECONDS" -lt "$deadline" ] ||
                x_session_fail "openbox did not manage $DISPLAY within 10 s" \
                    "$X_SESSION_DIR/openbox.log"
            sleep 0.05
        done
    fi
}

stop_x_session() {
    local pid
    for pid in "${X_SESSION_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -n "$X_SESSION_DIR" ] && rm -rf "$X_SESSION_DIR"
}
