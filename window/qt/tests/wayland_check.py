# SPDX-License-Identifier: MIT
"""Drives zirev1 on a Wayland compositor without any X tool: the sides are set and Calcolo is
pressed through the accessibility interfaces (AT-SPI), and the results are read back the same way.
"""

import subprocess
import sys

from accessibility import SIDES_345, Form, fields_by_name, find_application, find_button, results
from accessibility import wait_for

PROGRAM, FORM = sys.argv[1], Form(sys.argv[2])
CHECK = "Wayland check"


def main():
    app_process = subprocess.Popen([PROGRAM], stderr=subprocess.PIPE, text=True)
    try:
        app = wait_for("zirev1 on the accessibility bus", lambda: find_application(PROGRAM),
                       check=CHECK)
        fields = wait_for("the side fields", lambda: (f := fields_by_name(app))
                          and set(FORM.field_names) <= set(f) and f, check=CHECK)
        for name, text in zip(FORM.field_names, SIDES_345):
            fields[name].queryEditableText().setTextContents(text)
        button = find_button(app, FORM.button_name)
        if button is None:
            sys.exit(f"{CHECK}: no button named {FORM.button_name}")
        button.queryAction().doAction(0)  # a push button's first action presses it
        expected = FORM.expected_results()
        found = wait_for("the results", lambda: results(app, FORM), check=CHECK)
        if found != expected:
            sys.exit(f"{CHECK}: results read {found}, expected {expected}")
        print("results", found)
    finally:
        app_process.terminate()
        _, errors = app_process.communicate(timeout=10)
    # Qt names the platform it could not use; on Wayland nothing is said at all.
    if errors.strip():
        sys.exit(f"{CHECK}: the program printed:\n{errors}")


main()
