#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lines per second of the batch driver over a million triangles (build first: scripts/test).
#   bench/batch_throughput.sh [build-dir] [lines]
set -euo pipefail
build=${1:-"$(dirname "$0")/../build"}
lines=${2:-1000000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$lines" 'BEGIN { for (i = 0; i < n; i++) printf "%d\t%d.%d\t%d\n", 3 + i % 7, 4 + i % 5, i % 10, 5 + i % 3 }' >"$input"
start=$(date +%s.%N)
"$build/app/zirev1-calc" <"$input" >/dev/null
end=$(date +%s.%N)
awk -v n="$lines" -v s="$start" -v e="$end" \
    'BEGIN { printf "%d lines in %.3f s: %.0f lines/s\n", n, e - s, n / (e - s) }'
