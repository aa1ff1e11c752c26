#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs zirev1.exe under wine64 on a virtual X server, in a prefix of its own at the given dpi and
# locale, with no host fonts visible to Wine, and checks it:
#   messages: the message-level test program starts it, once for each scenario, and drives it;
#   hostile:  the test program starts it, pastes 10 MB into a field and clicks 10,000 times;
#   keys:     xdotool types 3, 4, 5 into it, clicks Calcolo and reads the results back, clicks
#             Svolgimento and reads the working, then makes c 9 and reads the message; each
#             screen is saved in SCREENS (windows.png, windows-svolgimento.png, windows-message.png).
#   contrast: the test program tells it high contrast is on (through SHIM.DLL) and reads its
#             pixels; with ZIREV1_SCREENSHOTS set, the screen goes to windows-high-contrast.png
#             there.
#   print-failure: the test program makes its print dialog fail (through SHIM.DLL) and reads
#             what the working says.
#   run_window_test.sh messages|hostile|keys|contrast|print-failure DPI LOCALE ZIREV1.EXE TEST.EXE
#                      [SCREENS | SHIM.DLL]
set -euo pipefail
mode=$1 dpi=$2 locale=$3 app=$4 test_program=$5 screens=${6:-} shim=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../../cmake/wine_run.sh
source "$here/../../../scripts/lib/xsession.sh"

work=$(mktemp -d)
export WINEPREFIX=$work/prefix LC_ALL=$locale
# A fontconfig with no font directories: a typeface the program forgot to carry shows. Screens
# for the docs are taken with the host's fonts, as a PC has its own: without any, Wine's GDI+
# draws no text in the pictures, even in the typeface the program carries.
if [ -z "$screens" ]; then
    printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s/fc</cachedir></fontconfig>\n' \
        "$work" >"$work/fonts.conf"
    export FONTCONFIG_FILE=$work/fonts.conf
fi
cleanup() {
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    stop_x_session
    rm -rf "$work"
}
trap cleanup EXIT
start_x_session 1280 1024

# Wine's processes of the set-up end, within a bound: a set-up that hangs says so.
wine_settles() {
    timeout 120 /usr/lib/wine/wineserver64 -w ||
        { echo "Wine's set-up processes did not end within 120 s"; exit 1; }
}

"$wine_run" || exit 1

# A step of the set-up that fails says so: otherwise set -e ends the test with no word. A prefix
# made while the machine is busy has once refused its first write, saying nothing: it is tried
# again once its server has settled. A write that hangs is stopped at 60 s and tried again too.
set_dpi() {
    local status=0
    for _ in 1 2; do
        status=0
        timeout 60 "$wine_run" reg add "$1" /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >"$work/reg.log" 2>&1 || status=$?
        [ "$status" -ne 0 ] || return 0
        if [ "$status" -eq 124 ]; then /usr/lib/wine/wineserver64 -k; else wine_settles; fi
    done
    echo "Wine did not set the dpi in $1 (status $status):"
    cat "$work/reg.log"
    exit 1
}
set_dpi 'HKCU\Control Panel\Desktop'
set_dpi 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'
wine_settles
echo "set-up: a Wine prefix at $dpi dpi, $locale"

# The program as Wine names it to a Windows program, on the drive that maps the root.
app_in_wine="Z:${app//\//\\}"
status=0
if [ "$mode" = messages ]; then
    "$wine_run" "$test_program" "$dpi" "$app_in_wine" || status=$?
elif [ "$mode" = hostile ]; then
    "$wine_run" "$test_program" --hostile "$app_in_wine" || status=$?
elif [ "$mode" = print-failure ]; then
    "$wine_run" "$test_program" --print-failure "$app_in_wine" "Z:${shim//\//\\}" || status=$?
elif [ "$mode" = contrast ]; then
    screenshot=${ZIREV1_SCREENSHOTS:+Z:${work//\//\\}\\screen.bmp}
    "$wine_run" "$test_program" --contrast "$app_in_wine" "Z:${shim//\//\\}" "$screenshot" ||
        status=$?
    if [ -n "$screenshot" ] && [ -f "$work/screen.bmp" ]; then
        convert "$work/screen.bmp" -alpha off "$ZIREV1_SCREENSHOTS/windows-high-contrast.png"
    fi
else
    "$wine_run" "$app" &
    app_pid=$!
    until window=$(xdotool search --name '^zirev1\.$' 2>/dev/null | head -1) && [ -n "$window" ]; do
        kill -0 "$app_pid" || { echo "zirev1.exe ended before its window showed"; exit 1; }
        sleep 0.1
    done
    xdotool windowactivate --sync "$window"
    # The focus starts on Calcolo; Tab reaches a, b, c in turn.
    xdotool key --window "$window" Tab type --window "$window" 3
    xdotool key --window "$window" Tab type --window "$window" 4
    xdotool key --window "$window" Tab type --window "$window" x5
    # Calcolo is at (10080 + 2055 / 2, 3360 + 495 / 2) twips of the client area.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --window "$window" $(( (10080 + 1027) / 15 )) $(( (3360 + 247) / 15 )) click 1
    "$wine_run" "$test_program" --read-results >"$work/results" || status=$?
    results=$(tr -d "\r" <"$work/results")
    echo "results: $results"
    [ "$results" = "36|52|12|53|7|48|89|59|60|4.|6.|12.|" ] || status=1
    # The screen once the window has had a moment to paint what it has been told; a picture for
    # the docs, not a check.
    screen() { [ -z "$screens" ] || { sleep 1; import -window root "$screens/$1"; }; }
    screen windows.png
    # Svolgimento, below the sides, at (1920 + 2055 / 2, 6240 + 495 / 2) twips.
    xdotool mousemove --window "$window" $(( (1920 + 1027) / 15 )) $(( (6240 + 247) / 15 )) click 1
    "$wine_run" "$test_program" --read-working >"$work/working" || status=$?
    grep -qx 'p|(a + b + c) / 2 = (3 + 4 + 5) / 2|6.|' <(tr -d "\r" <"$work/working") ||
        { echo "the working shows no p of 6.:"; cat "$work/working"; status=1; }
    screen windows-svolgimento.png
    working=$(xdotool search --name '^Svolgimento - zirev1\.$' | head -1)
    xdotool windowactivate --sync "$working" key --window "$working" Escape
    # Into c, at (1920 + 1215 / 2, 5640 + 495 / 2) twips: its text goes, and 9 comes.
    xdotool windowactivate --sync "$window"
    xdotool mousemove --window "$window" $(( (1920 + 607) / 15 )) $(( (5640 + 247) / 15 )) click 1
    xdotool key --window "$window" End BackSpace type --window "$window" 9
    xdotool mousemove --window "$window" $(( (10080 + 1027) / 15 )) $(( (3360 + 247) / 15 )) click 1
    "$wine_run" "$test_program" --read-message >"$work/message" || status=$?
    message=$(tr -d "\r" <"$work/message")
    echo "message: $message"
    [ "$message" = "Questi lati non formano un triangolo: p − c = −1, che non è maggiore di 0 (con p = 8)." ] ||
        status=1
    screen windows-message.png
    "$wine_run" "$test_program" --close >/dev/null || true
    wait "$app_pid" || true
fi
exit "$status"
