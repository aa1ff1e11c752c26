#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of zirev1 against the bare Qt 6 window, under Xvfb with openbox, alternating runs.
#   bench/startup/run.sh [BUILD_DIR] [RUNS]        (build first: scripts/test --plain)
# Prints, for time to map, time to the first complete paint and peak resident memory, the median,
# min and max of each program and the median of the pair-by-pair ratios (or differences).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-"$here/../../build"}
runs=${2:-15}
probe="$build/bench/startup/zirev1_startup_probe"
zirev1="$build/app/zirev1"
bare="$build/bench/startup/zirev1_bare_window"
source "$here/../../scripts/lib/xsession.sh"
trap stop_x_session EXIT
start_x_session 1280 1024
export XDG_RUNTIME_DIR="$X_SESSION_DIR/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

results="$X_SESSION_DIR/results"
for warmup in 1 2; do
    "$probe" "$zirev1" >/dev/null
    "$probe" "$bare" >/dev/null
done
for run in $(seq "$runs"); do
    echo "zirev1 $("$probe" "$zirev1")" >>"$results"
    echo "bare $("$probe" "$bare")" >>"$results"
done

python3 - "$results" "$runs" <<'PY'
import statistics
import sys

rows = [line.split() for line in open(sys.argv[1])]
zirev1 = [list(map(float, r[1:])) for r in rows if r[0] == "zirev1"]
bare = [list(map(float, r[1:])) for r in rows if r[0] == "bare"]

def spread(values, unit):
    return (f"{statistics.median(values):.1f} {unit} "
            f"({min(values):.1f}–{max(values):.1f})")

print(f"{sys.argv[2]} runs each, alternating, after 2 warm-up runs\n")
print("| | zirev1 | bare Qt window | zirev1 vs bare (median of pairs) |")
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
