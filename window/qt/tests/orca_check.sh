#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window read by Orca on a virtual X server with a window manager, its speech written to a
# file by speech-dispatcher; see orca_check.py.
#   orca_check.sh PATH/TO/zirev1 FORM.json PATH/TO/zirev1-calc LOCALE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../scripts/lib/xsession.sh"
trap stop_x_session EXIT
start_x_session 1280 1024
unset QT_QPA_PLATFORM
dbus-run-session -- /usr/bin/python3 "$here/orca_check.py" "$@"
