# SPDX-License-Identifier: MIT
"""Drives zirev1 on a Wayland compositor without any X tool: the sides are set and Calcolo is
pressed through the accessibility interfaces (AT-SPI), and the results are read back the same way.
"""

import subprocess
import sys

from accessibility import EXPECTED_345, FIELD_NAMES, descendants, fields_by_name, find_application
from accessibility import results, wait_for

PROGRAM = sys.argv[1]
CHECK = "Wayland check"


def main():
    app_process = subprocess.Popen([PROGRAM], stderr=subprocess.PIPE, text=True)
    try:
        app = wait_for("zirev1 on the accessibility bus", lambda: find_application(PROGRAM),
                       check=CHECK)
        fields = wait_for("the side fields", lambda: (f := fields_by_name(app))
                          and set(FIELD_NAMES) <= set(f) and f, check=CHECK)
        for name, text in zip(FIELD_NAMES, ("3", "4", "5")):
            fields[name].queryEditableText().setTextContents(text)
        button = next((n for n in descendants(app) if n.name == "Calcolo"), None)
        if button is None:
            sys.exit(f"{CHECK}: no button named Calcolo")
        button.queryAction().doAction(0)  # a push button's first action presses it
        found = wait_for("the results", lambda: results(app), check=CHECK)
        if found != EXPECTED_345:
            sys.exit(f"{CHECK}: results read {found}, expected {EXPECTED_345}")
        print("results", found)
    finally:
        app_process.terminate()
        _, errors = app_process.communicate(timeout=10)
    # Qt names the platform it could not use; on Wayland nothing is said at all.
    if errors.strip():
        sys.exit(f"{CHECK}: the program printed:\n{errors}")


main()
