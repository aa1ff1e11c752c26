# SPDX-License-Identifier: MIT
"""Cross-checks zirev1-calc against an independent implementation of the same calculation.

The reference follows the documented steps in Python floats (IEEE doubles, no fused multiply-add)
and rounds the measures with decimal arithmetic on the doubles' exact values, ties away from zero;
seconds use Python's round(), half to even. The arctangent is mpmath's, worked out far beyond a
double and then rounded to the nearest one: the C library's atan misses the correctly rounded
result on a few tangents in a thousand, and a reference sharing its errors would pass a driver
that made them too. Random triangles, and a few whose α lies a last bit away from the next second,
go through the batch driver, and every one of the twelve texts must match.

The elements (zirev1-calc --elements) are checked against the exact values of the sides given, not
against the steps the driver takes: mpmath works each out to 50 digits from the textbook formula,
and the printed text must be that value rounded to its digits, ties away from zero. A value whose
exact form lies within a relative 2e-14 of a rounding midpoint may show either neighbour, since
the driver's doubles are allowed their last bits. The carried reading is the twelve's reading with
its carry, and the kind is decided on the sides rounded to 15 significant digits, exactly.

    independent_reference.py PATH/TO/zirev1-calc [COUNT]
"""

import math
import random
import subprocess
import sys
from decimal import ROUND_HALF_UP, Context, Decimal
from fractions import Fraction

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


def fixed(x, decimals):
    return format(Decimal(x).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP), "f")


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


# The triangles whose every element is checked, besides random ones.
ELEMENT_TRIANGLES = (("3", "4", "5"), ("7", "8", "9"), ("2", "3", "4"), ("1", "1", "1"),
                     ("5", "12", "13"), ("3", "5", "7"), ("0.3", "0.4", "0.5"),
                     ("1", "1", "1.41421356"), ("2", "2", "3"), ("13", "14", "15"))
ELEMENT_DIGITS = 50
ELEMENT_TOLERANCE = mpmath.mpf(2) * 10 ** -14


def carried(dms):
    d, m, s = (int(x) for x in dms)
    if s == 60:
        s, m = 0, m + 1
    if m == 60:
        m, d = 0, d + 1
    return [str(d), str(m), str(s)]


def kinds(a, b, c):
    fifteen = Context(prec=15, rounding=ROUND_HALF_UP)
    x, y, z = sorted(Fraction(fifteen.plus(Decimal(side))) for side in (a, b, c))
    excess = x * x + y * y - z * z
    angle = "rettangolo" if excess == 0 else "acutangolo" if excess > 0 else "ottusangolo"
    equal = (a == b) + (b == c) + (a == c)
    return [angle, ["scaleno", "isoscele", "isoscele", "equilatero"][equal]]


def elements(a, b, c, twelve):
    """The 52 element texts, as (kind of text, exact value or text) pairs in the printed order."""
    with mpmath.workdps(ELEMENT_DIGITS):
        sides = [mpmath.mpf(a), mpmath.mpf(b), mpmath.mpf(c)]
        pi_approx = mpmath.mpf(PI_APPROX)
        p = sum(sides) / 2
        differences = [p - x for x in sides]
        values = [("length", v) for v in [p] + differences]
        area = mpmath.sqrt(p * differences[0] * differences[1] * differences[2])
        degrees = 0
        for i in range(3):
            rest = [differences[j] for j in range(3) if j != i]
            tangent = mpmath.sqrt(rest[0] * rest[1] / (p * differences[i]))
            half = mpmath.atan(tangent)
            values += [("ratio", tangent)]
            for angle in (half, half + half):
                values += [("angle", angle * 180 / pi_approx), ("angle", angle * 200 / pi_approx),
                           ("ratio", angle)]
            values += [("text", t) for t in carried(twelve[3 * i:3 * i + 3])]
            degrees += (half + half) * 180 / pi_approx
        values += [("angle", degrees), ("angle", degrees * 200 / 180)]
        others = [(sides[1], sides[2]), (sides[0], sides[2]), (sides[0], sides[1])]
        values += [("length", 2 * area / x) for x in sides]
        values += [("length", mpmath.sqrt(2 * y * y + 2 * z * z - x * x) / 2)
                   for x, (y, z) in zip(sides, others)]
        values += [("length", 2 * mpmath.sqrt(y * z * p * d) / (y + z))
                   for d, (y, z) in zip(differences, others)]
        values += [("length", area / p), ("length", sides[0] * sides[1] * sides[2] / (4 * area))]
        values += [("length", area / d) for d in differences]
        values += [("text", t) for t in kinds(a, b, c)]
        return values


def element_allowed(kind, value, text):
    """Whether the text is the exact value's, or a neighbour's within the tolerance; and what the
    exact value prints as."""
    if kind == "text":
        return text == value, value
    write = {"length": measure, "angle": lambda x: fixed(x, 4), "ratio": lambda x: fixed(x, 6)}[kind]
    with mpmath.workdps(ELEMENT_DIGITS):
        low, exact, high = (write(Decimal(mpmath.nstr(x, ELEMENT_DIGITS, strip_zeros=False)))
                            for x in (value * (1 - ELEMENT_TOLERANCE), value,
                                      value * (1 + ELEMENT_TOLERANCE)))
    return text == exact or Decimal(low) <= Decimal(text) <= Decimal(high), exact


def element_differences(program, triangles):
    lines = ["\t".join(t) for t in triangles]
    output = subprocess.run([program, "--elements"], input="\n".join(lines) + "\n",
                            capture_output=True, text=True, check=True,
                            env={"LC_ALL": "C"}).stdout.split("\n")[:-1]
    differences = []
    for line, triangle, answer in zip(lines, triangles, output):
        a, b, c = (float(x) for x in triangle)
        twelve = solve(a, b, c)
        texts = answer.split("\t")
        if twelve is None or texts[:12] != twelve or len(texts) != 64:
            differences.append((line, "the twelve and 52 elements", answer[:120]))
            continue
        for position, ((kind, value), text) in enumerate(zip(elements(a, b, c, twelve), texts[12:])):
            allowed, exact = element_allowed(kind, value, text)
            if not allowed:
                differences.append((line, f"element {position + 1}: {exact!r}", text))
    return len(lines), differences


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

    element_triangles = list(ELEMENT_TRIANGLES) + [
        t for t in triangles[:count // 20] if solve(*(float(x) for x in t)) and float(t[1]) != 0]
    checked, element_problems = element_differences(program, element_triangles)
    print(f"{checked} triangles with every element: {len(element_problems)} differences")
    for line, want, got in element_problems[:5]:
        print(f"  {line!r}: expected {want}, got {got!r}")
    sys.exit(1 if differences or element_problems or len(output) != len(lines) else 0)


main()
