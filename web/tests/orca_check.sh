#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The page in Chromium read by Orca on a virtual X server with a window manager, its speech
# written to a file by speech-dispatcher; see orca_check.py.
#   orca_check.sh PAGE.html FORM.json PATH/TO/zirev1-calc LOCALE LANGUAGE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/xsession.sh"
trap stop_x_session EXIT
start_x_session 1280 1024
dbus-run-session -- /usr/bin/python3 "$here/orca_check.py" "$@"
