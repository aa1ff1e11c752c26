#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of zirev1 against the bare window of its toolkit, under Xvfb with openbox, alternating
# runs: the Qt window against a bare Qt 6 window, or with --windows zirev1.exe against a bare
# Win32 window (one STATIC), both under one persistent wine64 server.
#   bench/startup/run.sh [BUILD_DIR] [RUNS]        (build first: scripts/test --plain)
#   bench/startup/run.sh --windows [BUILD_DIR] [RUNS]   (and scripts/test --windows)
# Prints, for time to map, time to the first complete paint and peak resident memory, the median,
# min and max of each program and the median of the pair-by-pair ratios (or differences).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
windows=false
if [ "${1:-}" = --windows ]; then
    windows=true
    shift
fi
build=${1:-"$here/../../build"}
runs=${2:-15}
probe="$build/bench/startup/zirev1_startup_probe"
source "$here/../../scripts/lib/xsession.sh"
start_x_session 1280 1024
if $windows; then
    windows_build=$here/../../build-windows
    wine_run=$here/../../cmake/wine_run.sh
    zirev1=("$wine_run" "$windows_build/app/zirev1.exe")
    bare=("$wine_run" "$windows_build/bench/startup/zirev1_bare_win32_window.exe")
    bare_name="bare Win32 window"
    export WINEPREFIX="$X_SESSION_DIR/wine-prefix"
    trap '/usr/lib/wine/wineserver64 -k 2>/dev/null || true; stop_x_session' EXIT
    "$wine_run" cmd /c exit >/dev/null
    /usr/lib/wine/wineserver64 --wait
    /usr/lib/wine/wineserver64 --persistent
    # Wine's services start with the first program; they are up before the first measured one.
    "$wine_run" cmd /c exit </dev/null >/dev/null
else
    zirev1=("$build/app/zirev1")
    bare=("$build/bench/startup/zirev1_bare_window")
    bare_name="bare Qt window"
    trap stop_x_session EXIT
    export XDG_RUNTIME_DIR="$X_SESSION_DIR/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM QT_SCALE_FACTOR
fi

results="$X_SESSION_DIR/results"
for warmup in 1 2; do
    "$probe" "${zirev1[@]}" >/dev/null
    "$probe" "${bare[@]}" >/dev/null
done
for run in $(seq "$runs"); do
    echo "zirev1 $("$probe" "${zirev1[@]}")" >>"$results"
    echo "bare $("$probe" "${bare[@]}")" >>"$results"
done

python3 - "$results" "$runs" "$bare_name" <<'PY'
import statistics
import sys

rows = [line.split() for line in open(sys.argv[1])]
zirev1 = [list(map(float, r[1:])) for r in rows if r[0] == "zirev1"]
bare = [list(map(float, r[1:])) for r in rows if r[0] == "bare"]

def spread(values, unit):
    return (f"{statistics.median(values):.1f} {unit} "
            f"({min(values):.1f}–{max(values):.1f})")

print(f"{sys.argv[2]} runs each, alternating, after 2 warm-up runs\n")
print(f"| | zirev1 | {sys.argv[3]} | zirev1 vs bare (median of pairs) |")
print("|---|---|---|---|")
for column, name in ((0, "exec to map"), (1, "exec to first complete paint")):
    z = [r[column] for r in zirev1]
    b = [r[column] for r in bare]
    ratio = statistics.median(x / y for x, y in zip(z, b))
    print(f"| {name} | {spread(z, 'ms')} | {spread(b, 'ms')} | {ratio:.2f}x |")
z = [r[2] / 1024 for r in zirev1]
b = [r[2] / 1024 for r in bare]
difference = statistics.median(x - y for x, y in zip(z, b))
print(f"| peak resident memory | {spread(z, 'MiB')} | {spread(b, 'MiB')} | {difference:+.1f} MiB |")
PY
