# SPDX-License-Identifier: MIT
"""Drives zirev1 in a real X session and reads its results as a screen reader does."""

import locale
import os
import re
import subprocess
import sys

import pyatspi

from accessibility import (SIDES_345, Form, descendants, fields_by_name, find_application,
                           find_button, results, wait_for)

PROGRAM, SCREENSHOT, FORM, CALC = sys.argv[1], sys.argv[2], Form(sys.argv[3]), sys.argv[4]
CHECK = "real-X check"
DESKTOP_ENTRY = os.path.join(os.path.dirname(__file__), "..", "..", "..", "data",
                             "io.github.zirev1.Zirev1.desktop")


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.strip()


def xprop_numbers(*args):
    """A CARDINAL property's numbers; None while nobody has set it."""
    found = run("xprop", *args)
    return [int(n) for n in found.split("=", 1)[1].split(",")] if "=" in found else None


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def window_width(window):
    return int(run("xdotool", "getwindowgeometry", "--shell", window)
               .split("WIDTH=")[1].split()[0])


class Screen:
    """Clicks at the centre of a control where it shows on the screen. Under a scale factor Qt may
    give extents in its device-independent pixels: the window's width on X and on AT-SPI tells
    how many screen pixels one of them covers."""

    def __init__(self, window, top_level):
        self.pixels_per_unit = window_width(window) / extents(top_level)[2]

    def click(self, control):
        x, y, width, height = extents(control)
        centre = (round((x + width / 2) * self.pixels_per_unit),
                  round((y + height / 2) * self.pixels_per_unit))
        run("xdotool", "mousemove", str(centre[0]), str(centre[1]), "click", "1")

    def type_into(self, field, text):
        """Replaces the field's text by typing: its old text selected by keys and deleted."""
        self.click(field)
        run("xdotool", "key", "End", "shift+Home", "BackSpace")
        run("xdotool", "type", "--delay", "30", text)


def comma_locale():
    """Whether the user's decimal separator, by the C library's reading of LC_ALL, is the comma.
    A locale that is not installed ends the check: it would test the wrong rule."""
    try:
        locale.setlocale(locale.LC_ALL, "")
    except locale.Error:
        sys.exit(f"{CHECK}: the locale {os.environ.get('LC_ALL')} is not installed")
    return locale.localeconv()["decimal_point"] == ","


def results_of(sides):
    """What zirev1-calc, in the same locale, prints for the sides: the window must show it."""
    texts = run(CALC, *sides).split("\n")
    return dict(zip(FORM.result_descriptions, texts))


def calculate(screen, app, fields, button, typed, entered):
    """Types each text into its field and clicks Calcolo; the fields must then hold the entered
    texts and the results be those of the entered sides."""
    for name, text in zip(FORM.field_names, typed):
        screen.type_into(fields[name], text)
    screen.click(button)
    expected = results_of(entered)
    seen = []

    def shown():
        seen[:] = [results(app, FORM)]
        return seen[0] == expected

    try:
        wait_for(f"the results of {entered}", shown, check=CHECK)
    except SystemExit as timeout:
        sys.exit(f"{timeout}; read {seen}, fields {field_texts(fields)}")
    texts = field_texts(fields)
    if texts != dict(zip(FORM.field_names, entered)):
        sys.exit(f"{CHECK}: typed {typed}, the fields hold {texts}")
    print("typed", typed, "fields", texts, "results", expected)


def field_texts(fields):
    return {name: fields[name].queryText().getText(0, -1) for name in FORM.field_names}


def check_maximized(window):
    """The window manager has maximized the window: its frame spans the work area's width. The
    state alone is not enough, since the window asks for it before any manager acts."""
    state = run("xprop", "-id", window, "_NET_WM_STATE")
    if not {"_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WM_STATE_MAXIMIZED_VERT"} <= set(
            re.findall(r"_NET_WM_STATE_\w+", state)):
        return None
    frame = xprop_numbers("-id", window, "_NET_FRAME_EXTENTS")
    area = xprop_numbers("-root", "_NET_WORKAREA")
    if frame is None or area is None:
        return None
    width = window_width(window)
    left, right = frame[:2]
    return width if left + width + right == area[2] else None


def main():
    app_process = subprocess.Popen([PROGRAM])
    try:
        window = wait_for("the window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(FORM.title)}$"],
            capture_output=True, text=True).stdout.split(), check=CHECK)[0]
        width = wait_for("maximizing", lambda: check_maximized(window), check=CHECK)
        print(f"window {window} maximized to width {width}")

        app = wait_for("zirev1 on the accessibility bus", lambda: find_application(PROGRAM),
                       check=CHECK)
        fields = fields_by_name(app)
        missing = set(FORM.field_names) - set(fields)
        if missing:
            sys.exit(f"{CHECK}: fields not found by name: {sorted(missing)}")
        button = find_button(app, FORM.button_name)
        if button is None:
            sys.exit(f"{CHECK}: no button named {FORM.button_name}")
        top_level = next((n for n in app if n is not None and n.name == FORM.title), None)
        if top_level is None:
            sys.exit(f"{CHECK}: no window named {FORM.title} on the accessibility bus")
        screen = Screen(window, top_level)

        # The window's X class is the one the desktop entry names.
        wm_class = run("xprop", "-id", window, "WM_CLASS")
        wanted = next(line.split("=", 1)[1].strip() for line in open(DESKTOP_ENTRY)
                      if line.startswith("StartupWMClass="))
        if wm_class.split(", ")[-1] != f'"{wanted}"':
            sys.exit(f"{CHECK}: {wm_class}, the desktop entry wants {wanted}")

        # The keystroke filter drops "x"; a comma is the decimal point where the user's
        # separator is the comma, and is dropped elsewhere.
        comma = comma_locale()
        point = "." if comma else ""
        calculate(screen, app, fields, button,
                  [SIDES_345[0] + "x", SIDES_345[1] + ",", SIDES_345[2]],
                  [SIDES_345[0], SIDES_345[1] + point, SIDES_345[2]])
        if not comma and results(app, FORM) != FORM.expected_results():
            sys.exit(f"{CHECK}: 3, 4, 5 gave {results(app, FORM)}")
        subprocess.run(["import", "-window", "root", SCREENSHOT], check=True)
        # 3.5 and 35 both make a triangle with 30 and 30, with different results.
        calculate(screen, app, fields, button, ["3,5", "30", "30"],
                  ["3" + point + "5", "30", "30"])

        # The message after sides that make no triangle, and Svolgimento, which opens in a window
        # of its own on the last valid triangle: screenshots of both.
        calculate(screen, app, fields, button, SIDES_345, SIDES_345)
        screen.type_into(fields[FORM.field_names[2]], "9")
        screen.click(button)
        wait_for("the message", lambda: any(
            n.getRole() == pyatspi.ROLE_LABEL and "p − c" in n.name for n in descendants(app)),
            check=CHECK)
        subprocess.run(["import", "-window", "root", SCREENSHOT.replace(".png", "-message.png")],
                       check=True)
        screen.click(find_button(app, FORM.working_button))
        wait_for("Svolgimento", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{FORM.working_button}"],
            capture_output=True, text=True).stdout.split(), check=CHECK)
        subprocess.run(["import", "-window", "root",
                        SCREENSHOT.replace(".png", "-svolgimento.png")], check=True)
    finally:
        app_process.terminate()
        app_process.wait(timeout=10)


main()
