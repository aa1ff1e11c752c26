# SPDX-License-Identifier: MIT
"""The form as a blind user goes through it with Orca, the same in every front end: the focus
starts on Calcolo, Tab goes on to a, b and c, and Space on Calcolo calculates. Each front end's
check starts its program and says how its focus moves (Focus)."""

import json
import os
import subprocess

from orca_transcript import keys

SIDES_345 = ["3", "4", "5"]
NO_TRIANGLE_C = "9"      # 3, 4, 9: the results stay
OVERFLOWING_SIDE = "9" * 400


class Form:
    def __init__(self, form_json, calc, locale):
        with open(form_json, encoding="utf-8") as description:
            form = json.load(description)
        controls = {c["name"]: c for c in form["controls"]}
        self.title = form["title"]
        self.button = next(c["caption"] for c in form["controls"] if c["role"] == "calculate")
        self.working = next(c["caption"] for c in form["controls"] if c["role"] == "openWorking")
        self.fields = [controls[name]["accessibleName"] for name in form["sideFields"]]
        self.spoken = form["spokenResults"]
        self.box = form["faultBox"]
        self.overflow = next(f for f in form["faults"] if f["name"] == "Overflow")
        self.calc, self.locale = calc, locale
        self.no_triangle_message = message_after_side_c(
            os.path.join(os.path.dirname(form_json), "behaviour.json"), NO_TRIANGLE_C)

    def sentence(self, sides):
        """What Orca says after the sides are calculated: the parts around zirev1-calc's texts,
        in the locale the check runs in."""
        printed = subprocess.run([self.calc, *sides], check=True, capture_output=True, text=True,
                                 env=dict(os.environ, LC_ALL=self.locale)).stdout
        texts = printed.split("\n")[:len(self.spoken) - 1]
        return "".join(part + text for part, text in zip(self.spoken, texts + [""]))

    def result_words(self):
        """Words of the results' sentence that nothing else on the form says."""
        return [part.strip(" ,") for part in self.spoken if part.strip(" ,")]


def message_after_side_c(behaviour_json, side_c):
    """The message the behaviour's scenarios expect once side c is set to side_c and Calcolo
    pressed."""
    with open(behaviour_json, encoding="utf-8") as behaviour:
        scenarios = json.load(behaviour)["scenarios"]
    for scenario in scenarios:
        steps = scenario["steps"]
        for at, step in enumerate(steps):
            if step["act"] == "set" and step.get("target") == "c" and step.get("text") == side_c:
                said = [s.get("text", "") for s in steps[at:] if s["act"] == "message"]
                if said:
                    return said[0]
    raise LookupError(f"no scenario sets c to {side_c} and then reads the message")


class Focus:
    """Moves the focus by Tab and Shift+Tab through Calcolo, a, b, c, Svolgimento, waiting at each
    step until
    Orca has said where it is. wraps: Tab goes from Svolgimento round to Calcolo (in the window; the page
    goes on to the browser). entering_field: what Orca says besides when the focus goes from
    the button to a field (a browser's focus mode), which must be said before typing."""

    def __init__(self, orca, form, wraps, entering_field=()):
        self.orca, self.wraps, self.entering_field = orca, wraps, list(entering_field)
        self.order = [form.button, *form.fields, form.working]
        self.at = 0

    def to(self, target):
        goal = self.order.index(target)
        forward = (goal - self.at) % len(self.order)
        steps = (forward if self.wraps and forward <= len(self.order) - forward
                 else goal - self.at if not self.wraps else forward - len(self.order))
        for _ in range(abs(steps)):
            keys("Tab" if steps > 0 else "shift+Tab")
            previous, self.at = self.at, (self.at + (1 if steps > 0 else -1)) % len(self.order)
            extra = self.entering_field if previous == 0 and self.at != 0 else []
            self.orca.expect([self.order[self.at], *extra])


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def nothing_stale(form, said, after):
    stale = [line for line in said if any(word in line for word in form.result_words())]
    assert not stale, f"after {after} Orca said {stale}"


def run(orca, form, focus):
    """The 3-4-5 triangle calculated, then sides that make no triangle, then a side too large."""
    orca.expect([form.button])
    for side, text in enumerate(SIDES_345):
        focus.to(form.fields[side])
        type_text(text)
    focus.to(form.button)
    keys("space")
    orca.expect([form.sentence(SIDES_345)])

    # Sides that make no triangle: the message is said, and nothing about the results, which
    # stay.
    focus.to(form.fields[2])
    keys("ctrl+a")
    type_text(NO_TRIANGLE_C)
    focus.to(form.button)
    since = orca.heard
    keys("space")
    orca.expect([form.no_triangle_message])
    focus.to(form.fields[0])
    nothing_stale(form, orca.lines()[since:orca.heard], "sides that make no triangle")

    # A side too large: the box is read as it opens, and closing it says nothing stale.
    keys("ctrl+a")
    type_text(OVERFLOWING_SIDE)
    focus.to(form.button)
    keys("space")
    orca.expect([form.box["title"], form.overflow["name"], form.overflow["explanation"],
                 form.box["button"]])
    since = orca.heard
    keys("space")
    orca.expect([form.button])
    focus.to(form.fields[0])
    nothing_stale(form, orca.lines()[since:orca.heard], "the fault box closed")
