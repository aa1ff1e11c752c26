# SPDX-License-Identifier: MIT
"""The window as Orca reads it to a blind user (scripts/lib/orca_scenarios.py).
    orca_check.py PATH/TO/zirev1 FORM.json PATH/TO/zirev1-calc LOCALE"""

import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "..", "scripts", "lib"))
import orca_scenarios  # noqa: E402
from orca_transcript import OrcaTranscript  # noqa: E402

PROGRAM, FORM, CALC, LOCALE = sys.argv[1:5]

with tempfile.TemporaryDirectory() as folder, OrcaTranscript(folder, LOCALE) as orca:
    form = orca_scenarios.Form(FORM, CALC, LOCALE)
    orca.start([PROGRAM], "zirev1.log", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    orca.expect([form.title])
    orca_scenarios.run(orca, form, orca_scenarios.Focus(orca, form, wraps=True))
print("Orca check: passed")
