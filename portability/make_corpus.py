# SPDX-License-Identifier: MIT
"""Writes a fixed corpus of field-text triples, one per line, tab-separated, as zirev1-calc's batch
mode reads them: ordinary triangles, the adversarial ones whose seconds depend on the last bit of
the arctangent, sides that make no triangle, faults, huge and tiny sides, and junk texts with
bytes of every kind. The same seed gives the same corpus everywhere.

    make_corpus.py OUTPUT [COUNT]
"""

import random
import sys

ADVERSARIAL = [
    ("145.617653171900173", "75", "81"),
    ("30.0346253665570764", "39", "34"),
    ("19.4628692245318859", "93", "77"),
]
JUNK_ALPHABET = b"0123456789.-+ \n,eE&Hx\x00\xff\xc3\xa8abc;'\"\\"


def decimal_text(rng, value):
    """value with a random number of decimals, sometimes dressed in blanks or a sign."""
    text = f"{value:.{rng.randint(0, 17)}f}"
    dressing = rng.random()
    if dressing < 0.05:
        text = " " + text.replace(".", " .", 1)
    elif dressing < 0.08:
        text = "+" + text
    return text


def triangle(rng):
    a = rng.uniform(0.01, 1000)
    b = rng.uniform(0.01, 1000)
    low, high = abs(a - b), a + b
    c = rng.uniform(low, high)
    return [decimal_text(rng, x) for x in (a, b, c)]


def no_triangle(rng):
    a, b = rng.uniform(0, 100), rng.uniform(0, 100)
    c = a + b + rng.uniform(0, 10)
    sides = [decimal_text(rng, x) for x in (a, b, c)]
    rng.shuffle(sides)
    if rng.random() < 0.3:
        sides[rng.randrange(3)] = rng.choice(["0", "-5", "-", "", "0.000"])
    return sides


def huge(rng):
    digits = rng.randint(60, 420)
    side = "".join(rng.choice("123456789") for _ in range(1)) + "0" * (digits - 1)
    return [side, side if rng.random() < 0.7 else "1" + "0" * (digits - 2), side]


def tiny(rng):
    zeros = rng.randint(100, 340)
    sides = []
    for _ in range(3):
        sides.append("0." + "0" * zeros + str(rng.randint(1, 999999)))
    return sides


def near_degenerate(rng):
    a = rng.uniform(1, 100)
    b = rng.uniform(1, 100)
    c = a + b - rng.uniform(0, 1e-9) * (a + b)
    return [repr(a), repr(b), repr(c)]


def small_whole(rng):
    return [str(rng.randint(0, 30)) for _ in range(3)]


def junk(rng):
    fields = []
    for _ in range(3):
        length = rng.randint(0, 24)
        fields.append(bytes(rng.choice(JUNK_ALPHABET) for _ in range(length)))
    # Text after the second tab belongs to the third field, tabs included.
    if rng.random() < 0.1:
        fields[2] += b"\t" + fields[0]
    return fields


KINDS = [(triangle, 40), (no_triangle, 10), (huge, 8), (tiny, 8), (near_degenerate, 6),
         (small_whole, 10), (junk, 18)]


def main():
    output = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 120000
    rng = random.Random(20261208)
    makers = [maker for maker, weight in KINDS for _ in range(weight)]
    with open(output, "wb") as out:
        for sides in ADVERSARIAL:
            out.write("\t".join(sides).encode() + b"\n")
        for _ in range(count - len(ADVERSARIAL)):
            sides = rng.choice(makers)(rng)
            line = b"\t".join(s if isinstance(s, bytes) else s.encode() for s in sides)
            out.write(line.replace(b"\n", b" ") + b"\n")


if __name__ == "__main__":
    main()
