# SPDX-License-Identifier: MIT
"""What the window checks share: finding zirev1 on the accessibility bus (AT-SPI) and reading its
fields and results as a screen reader does."""

import os
import sys
import time

import pyatspi

# The 3-4-5 triangle's results, by the description each result label carries.
EXPECTED_345 = {
    "α, gradi": "36", "α, primi": "52", "α, secondi": "12",
    "β, gradi": "53", "β, primi": "7", "β, secondi": "48",
    "γ, gradi": "89", "γ, primi": "59", "γ, secondi": "60",
    "Altezza h su a": "4.", "Superficie": "6.", "Perimetro": "12.",
}
FIELD_NAMES = ("Lato a", "Lato b", "Lato c")


def wait_for(what, probe, seconds=20, check="window check"):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"{check}: timed out waiting for {what}")


def find_application(program):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == os.path.basename(program):
            return app
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def fields_by_name(app):
    return {n.name: n for n in descendants(app) if n.getRoleName() == "text"}


def results(app):
    """The result labels' texts by description, once the last one (the perimeter) is written."""
    found = {n.description: n.name for n in descendants(app)
             if n.getRoleName() == "label" and n.description in EXPECTED_345}
    return found if found.get("Perimetro") else None
