# SPDX-License-Identifier: MIT
"""The page in Chromium as Orca reads it to a blind user (scripts/lib/orca_scenarios.py).
    orca_check.py PAGE.html FORM.json PATH/TO/zirev1-calc LOCALE LANGUAGE"""

import gettext
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "lib"))
import orca_scenarios  # noqa: E402
from orca_transcript import OrcaTranscript  # noqa: E402

PAGE, FORM, CALC, LOCALE, LANGUAGE = sys.argv[1:6]


def focus_mode(locale):
    """Orca's words for its focus mode, in the language it speaks."""
    return gettext.translation("orca", "/usr/share/locale", languages=[locale.split(".")[0]],
                               fallback=True).gettext("Focus mode")


with tempfile.TemporaryDirectory() as folder, OrcaTranscript(folder, LOCALE) as orca:
    form = orca_scenarios.Form(FORM, CALC, LOCALE)
    orca.start(["chromium", "--no-sandbox", "--test-type", "--force-renderer-accessibility",
                f"--user-data-dir={os.path.join(folder, 'chromium')}", f"--lang={LANGUAGE}",
                f"--accept-lang={LANGUAGE}",
                "--no-first-run", "--no-default-browser-check", "--disable-gpu",
                "--start-maximized", f"--app=file://{os.path.abspath(PAGE)}"],
               "chromium.log",
               # On Linux Chromium takes the page's language from the environment.
               LANGUAGE=LANGUAGE.replace("-", "_") + ":" + LANGUAGE.split("-")[0])
    orca.expect([form.title])
    # Orca reads the page in browse mode, where digits move between headings, until a field
    # takes the focus and it says that it is in focus mode.
    orca_scenarios.run(orca, form, orca_scenarios.Focus(orca, form, wraps=False,
                                                        entering_field=[focus_mode(LOCALE)]))
print("Orca check: passed")
