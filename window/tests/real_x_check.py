# SPDX-License-Identifier: MIT
"""Drives zirev1 in a real X session and reads its results as a screen reader does."""

import os
import subprocess
import sys
import time

import pyatspi

PROGRAM, SCREENSHOT = sys.argv[1], sys.argv[2]
SCALE = int(os.environ.get("QT_SCALE_FACTOR", "1"))
DESKTOP_ENTRY = os.path.join(os.path.dirname(__file__), "..", "..", "data",
                             "io.github.zirev1.Zirev1.desktop")

# Where the controls are, in window pixels (twips / 15, times the scale), and what the results
# must read.
TEXT1, TEXT2, TEXT4 = ((168 * SCALE, y * SCALE) for y in (296, 344, 392))
COMMAND1 = (740 * SCALE, 240 * SCALE)
EXPECTED = {
    "α, gradi": "36", "α, primi": "52", "α, secondi": "12",
    "β, gradi": "53", "β, primi": "7", "β, secondi": "48",
    "γ, gradi": "89", "γ, primi": "59", "γ, secondi": "60",
    "Altezza h su a": "4.", "Superficie": "6.", "Perimetro": "12.",
}


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def wait_for(what, probe, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"real-X check: timed out waiting for {what}")


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == os.path.basename(PROGRAM):
            return app
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


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

        app = wait_for("zirev1 on the accessibility bus", find_application)
        fields = {n.name: n for n in descendants(app) if n.getRoleName() == "text"}
        missing = {"Lato a", "Lato b", "Lato c"} - set(fields)
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

        def results():
            found = {n.description: n.name for n in descendants(app)
                     if n.getRoleName() == "label" and n.description in EXPECTED}
            return found if found.get("Perimetro") else None

        found = wait_for("the results", results)
        subprocess.run(["import", "-window", "root", SCREENSHOT], check=True)
        if found != EXPECTED:
            sys.exit(f"real-X check: results read {found}, expected {EXPECTED}")
        texts = {n.name: n.queryText().getText(0, -1) for n in fields.values()}
        if texts != {"Lato a": "3", "Lato b": "4", "Lato c": "5"}:
            sys.exit(f"real-X check: the keystroke filter let through: {texts}")
        print("fields", texts, "results", found)
    finally:
        app_process.terminate()
        app_process.wait(timeout=10)


main()
