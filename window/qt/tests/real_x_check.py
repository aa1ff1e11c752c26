# SPDX-License-Identifier: MIT
"""Drives zirev1 in a real X session and reads its results as a screen reader does."""

import os
import subprocess
import sys

from accessibility import (EXPECTED_345, FIELD_NAMES, descendants, fields_by_name,
                           find_application, results, wait_for)

PROGRAM, SCREENSHOT = sys.argv[1], sys.argv[2]
SCALE = int(os.environ.get("QT_SCALE_FACTOR", "1"))
DESKTOP_ENTRY = os.path.join(os.path.dirname(__file__), "..", "..", "data",
                             "io.github.zirev1.Zirev1.desktop")

# Where the controls are, in window pixels (twips / 15, times the scale), and what the results
# must read.
TEXT1, TEXT2, TEXT4 = ((168 * SCALE, y * SCALE) for y in (296, 344, 392))
COMMAND1 = (740 * SCALE, 240 * SCALE)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def click(window, point):
    xdotool("mousemove", "--window", window, str(point[0]), str(point[1]))
    xdotool("click", "1")


def type_into(window, point, text):
    click(window, point)
    xdotool("type", "--delay", "30", text)


def main():
    app_process = subprocess.Popen([PROGRAM])
    try:
        window = wait_for("the window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", r"^zirev1\.$"],
            capture_output=True, text=True).stdout.split())[0]
        width = wait_for("maximizing", lambda: (w := int(xdotool(
            "getwindowgeometry", "--shell", window).split("WIDTH=")[1].split()[0])) >= 1200 * SCALE
            and w)
        print(f"window {window} maximized to width {width}")

        app = wait_for("zirev1 on the accessibility bus", lambda: find_application(PROGRAM))
        fields = fields_by_name(app)
        missing = set(FIELD_NAMES) - set(fields)
        if missing:
            sys.exit(f"real-X check: fields not found by name: {sorted(missing)}")
        buttons = [n for n in descendants(app) if n.name == "Calcolo"]
        if not buttons:
            sys.exit("real-X check: no button named Calcolo")

        # The window's X class is the one the desktop entry names.
        wm_class = subprocess.run(["xprop", "-id", window, "WM_CLASS"], check=True,
                                  capture_output=True, text=True).stdout
        wanted = next(line.split("=", 1)[1].strip() for line in open(DESKTOP_ENTRY)
                      if line.startswith("StartupWMClass="))
        if wm_class.strip().split(", ")[-1] != f'"{wanted}"':
            sys.exit(f"real-X check: {wm_class.strip()}, the desktop entry wants {wanted}")

        # "x" and "," are dropped by the fields' keystroke filter. The clicks land on the controls'
        # places times the scale: at any scale every control keeps its place in proportion.
        type_into(window, TEXT1, "3x")
        type_into(window, TEXT2, "4,")
        type_into(window, TEXT4, "5")
        click(window, COMMAND1)

        found = wait_for("the results", lambda: results(app))
        subprocess.run(["import", "-window", "root", SCREENSHOT], check=True)
        if found != EXPECTED_345:
            sys.exit(f"real-X check: results read {found}, expected {EXPECTED_345}")
        texts = {n.name: n.queryText().getText(0, -1) for n in fields.values()}
        if texts != {"Lato a": "3", "Lato b": "4", "Lato c": "5"}:
            sys.exit(f"real-X check: the keystroke filter let through: {texts}")
        print("fields", texts, "results", found)
    finally:
        app_process.terminate()
        app_process.wait(timeout=10)


main()
