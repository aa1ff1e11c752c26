# SPDX-License-Identifier: MIT
"""What the window checks share: the form's facts, read from its description file, and finding
zirev1 on the accessibility bus (AT-SPI) to read its fields and results as a screen reader does."""

import json
import os
import sys
import time

import pyatspi

# The 3-4-5 triangle's twelve results, in the order the form writes them.
EXPECTED_345 = ("36", "52", "12", "53", "7", "48", "89", "59", "60", "4.", "6.", "12.")
SIDES_345 = ("3", "4", "5")


class Form:
    """The facts the checks need from the form description: the window's title, the side fields'
    and the button's accessible names, and each result label's description in writing order."""

    def __init__(self, path):
        with open(path, encoding="utf-8") as file:
            description = json.load(file)
        controls = description["controls"]
        self.title = description["title"]
        by_name = {c["name"]: c for c in controls}
        self.field_names = [by_name[name]["accessibleName"] for name in description["sideFields"]]
        calculate = [c for c in controls if c["role"] == "calculate"]
        if len(calculate) != 1:
            sys.exit(f"{path}: {len(calculate)} buttons calculate, the checks press exactly one")
        # A control without an accessible name of its own is known by its caption.
        self.button_name = calculate[0]["accessibleName"] or calculate[0]["caption"]
        self.working_button = next(c["caption"] for c in controls if c["role"] == "openWorking")
        self.result_descriptions = [by_name[name]["accessibleDescription"]
                                    for name in description["resultLabels"]]
        if len(self.result_descriptions) != len(EXPECTED_345):
            sys.exit(f"{path}: {len(self.result_descriptions)} result labels, the calculation "
                     f"writes {len(EXPECTED_345)}")
        if len(self.field_names) != len(SIDES_345):
            sys.exit(f"{path}: {len(self.field_names)} fields, a triangle has "
                     f"{len(SIDES_345)} sides")

    def expected_results(self):
        return dict(zip(self.result_descriptions, EXPECTED_345))


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
    return {n.name: n for n in descendants(app) if n.getRole() == pyatspi.ROLE_TEXT}


def find_button(app, name):
    return next((n for n in descendants(app)
                 if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == name), None)


def results(app, form):
    """The result labels' texts by description, once the last one written has its text."""
    wanted = set(form.result_descriptions)
    found = {n.description: n.name for n in descendants(app)
             if n.getRole() == pyatspi.ROLE_LABEL and n.description in wanted}
    return found if found.get(form.result_descriptions[-1]) else None
