# SPDX-License-Identifier: MIT
"""Cross-checks zirev1-calc against an independent implementation of the same calculation.

The reference follows the documented steps in Python floats (IEEE doubles, no fused multiply-add)
and rounds the measures with decimal arithmetic on the doubles' exact values, ties away from zero;
seconds use Python's round(), half to even. The arctangent is mpmath's, worked out far beyond a
double and then rounded to the nearest one: the C library's atan misses the correctly rounded
result on a few tangents in a thousand, and a reference sharing its errors would pass a driver
that made them too. Random triangles, and a few whose α lies a last bit away from the next second,
go through the batch driver, and every one of the twelve texts must match.

    independent_reference.py PATH/TO/zirev1-calc [COUNT]
"""

import math
import random
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal

import mpmath

PI_APPROX = 3.1415927
# About 216 bits, against the 53 of a double. The result is taken only when the whole interval
# allowed for mpmath's own error rounds to one double.
ATAN_DIGITS = 65
ATAN_RELATIVE_ERROR = mpmath.mpf(10) ** -60


def nearest_double(x):
    with mpmath.workprec(53):
        return float(+x)


def atan(x):
    with mpmath.workdps(ATAN_DIGITS):
        y = mpmath.atan(x)
        low, high = y * (1 - ATAN_RELATIVE_ERROR), y * (1 + ATAN_RELATIVE_ERROR)
    result = nearest_double(low)
    if result != nearest_double(high):
        sys.exit(f"atan({x!r}) lies too close to a midpoint between two doubles for "
                 f"{ATAN_DIGITS} digits")
    return result


# Sides whose α lies within a last bit of where its seconds round to the next whole one, at tangents
# where the C library's atan is one bit off: the seconds of α tell a correctly rounded arctangent
# from that one. Random triangles almost never can, since a last bit moves an angle by about 5e-11
# of a second.
EDGE_TRIANGLES = (
    ("2.4242536778399306", "6.251191250403787", "5.350674026939218"),
    ("7.275403728018722", "6.99503378661968", "2.5055324927126112"),
    ("2.1787172524752245", "4.118091133642816", "2.1689177417437238"),
    ("5.7250152785632515", "9.38919358504522", "7.527065111533952"),
    ("1.2747991733142032", "3.910651137724263", "4.9503949191768"),
    ("7.084816152811931", "3.853920721075407", "7.204956696565864"),
    ("8.136201892097375", "7.366247279535725", "3.4555743307296467"),
    ("2.137768048552103", "6.077718142860978", "4.442060438896269"),
    ("7.305821039083712", "3.5995458253209462", "5.638701957047975"),
    ("6.270468154075153", "3.439860119745706", "8.026311306992927"),
)


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
        half = atan(math.sqrt((first * second) / (p * opposite)))
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
    triangles = [[side(rng, i % 4) for _ in range(3)] for i in range(count)]
    for a, b, c in triangles + list(EDGE_TRIANGLES):
        lines.append(f"{a}\t{b}\t{c}")
        result = solve(float(a), float(b), float(c)) if float(b) != 0 else None
        expected.append("\t".join(result) if result else "")
    output = subprocess.run([program], input="\n".join(lines) + "\n", capture_output=True,
                            text=True, check=True, env={"LC_ALL": "C"}).stdout.split("\n")[:-1]
    differences = [(line, want, got) for line, want, got in zip(lines, expected, output)
                   if want != got]
    solved = sum(1 for want in expected if want)
    print(f"{len(lines)} triangles ({solved} solved): {len(differences)} differences")
    for line, want, got in differences[:5]:
        print(f"  {line!r}: expected {want!r}, got {got!r}")
    sys.exit(1 if differences or len(output) != len(lines) else 0)


main()
