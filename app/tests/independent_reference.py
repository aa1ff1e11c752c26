# SPDX-License-Identifier: MIT
"""Cross-checks zirev1-calc against an independent implementation of the same calculation.

The reference follows the documented steps in Python floats (IEEE doubles, no fused multiply-add)
and rounds the measures with decimal arithmetic on the doubles' exact values, ties away from zero;
seconds use Python's round(), half to even. Random triangles go through the batch driver and every
one of the twelve texts must match.

    independent_reference.py PATH/TO/zirev1-calc [COUNT]
"""

import math
import random
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal

PI_APPROX = 3.1415927


def measure(x):
    digits = format(Decimal(x).quantize(Decimal("0.000001"), rounding=ROUND_HALF_UP), "f")
    whole, decimals = digits.split(".")
    return whole + "." + decimals.rstrip("0")


def split_angle(radians):
    degrees = (radians * 180) / PI_APPROX
    d = math.floor(degrees)
    minutes = (degrees - d) * 60
    m = math.floor(minutes)
    return [str(d), str(m), str(round((minutes - m) * 60))]


def solve(a, b, c):
    p = ((b + a) + c) / 2
    pa, pb, pc = p - a, p - b, p - c
    if not (pa > 0 and pb > 0 and pc > 0):
        return None
    angles = []
    for first, second, opposite in ((pb, pc, pa), (pa, pc, pb), (pa, pb, pc)):
        half = math.atan(math.sqrt((first * second) / (p * opposite)))
        angles += split_angle(half + half)
    area = math.sqrt(((p * pa) * pb) * pc)
    return angles + [measure((area + area) / a), measure(area), measure(p * 2)]


def side(rng, kind):
    if kind == 0:
        return f"{rng.uniform(0.1, 100):.{rng.randint(0, 6)}f}"
    if kind == 1:
        return str(rng.randint(1, 60))
    if kind == 2:
        return f"{rng.uniform(1, 1e6):.3f}"
    return rng.choice(["1", "2", "3", "4", "5", "7", "12", "13", "0.5", "1.5", "2.5"])


def main():
    program = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 50000
    rng = random.Random(7)
    lines, expected = [], []
    for i in range(count):
        a, b, c = (side(rng, i % 4) for _ in range(3))
        lines.append(f"{a}\t{b}\t{c}")
        result = solve(float(a), float(b), float(c)) if float(b) != 0 else None
        expected.append("\t".join(result) if result else "")
    output = subprocess.run([program], input="\n".join(lines) + "\n", capture_output=True,
                            text=True, check=True, env={"LC_ALL": "C"}).stdout.split("\n")[:-1]
    differences = [(line, want, got) for line, want, got in zip(lines, expected, output)
                   if want != got]
    solved = sum(1 for want in expected if want)
    print(f"{count} triangles ({solved} solved): {len(differences)} differences")
    for line, want, got in differences[:5]:
        print(f"  {line!r}: expected {want!r}, got {got!r}")
    sys.exit(1 if differences or len(output) != count else 0)


main()
