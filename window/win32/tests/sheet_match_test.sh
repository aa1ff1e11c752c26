#!/bin/bash
# SPDX-License-Identifier: MIT
# The printed sheet of a triangle as zirev1.exe prints it, drawn by GDI+ under wine64 on a 300 dpi
# bitmap, held against the page's SVG of the same sheet as librsvg rasterizes it at that size.
# Both are compared at 96 dpi, as the Qt window's sheet and the page's are: at 300 dpi the two
# rasterizers still part by more than a pixel in places (Wine puts each glyph on a whole device
# pixel; librsvg joins "fi" as the typeface's ligature), which picture_match counts as misplaced.
# The measurement at 300 dpi is printed all the same. With ZIREV1_SCREENSHOTS set, the Windows
# bitmap goes there, about 794 px wide, as sheet-windows.png.
#
# Unlike the window tests, this one lets Wine see the host's fonts (fonts-dejavu-core): with none,
# Wine's GDI+ draws no text at all, even in the typeface the program carries.
#   sheet_match_test.sh SHEET_BITMAP.EXE PICTURE_MATCH.EXE TYPEFACE.TTF A B C
set -euo pipefail
sheet_program=$1 match_program=$2 typeface=$3 a=$4 b=$5 c=$6
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../../cmake/wine_run.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$wine_run" "$sheet_program" "$a" "$b" "$c" . "9 dicembre 2026" "Z:${typeface//\//\\}" \
    windows.ppm page.svg
rsvg-convert -w 2480 -h 3508 -b white page.svg -o page.png
convert page.png -type TrueColor -depth 8 page.ppm
echo -n "at 300 dpi, not a check: "
"$wine_run" "$match_program" windows.ppm page.ppm || true
for sheet in windows page; do
    convert "$sheet.ppm" -resize '794x1123!' -type TrueColor -depth 8 "$sheet-96.ppm"
done
echo -n "at 96 dpi: "
status=0
"$wine_run" "$match_program" windows-96.ppm page-96.ppm || status=$?
if [ -n "${ZIREV1_SCREENSHOTS:-}" ] && [ "$a $b $c" = "7 8 9" ]; then
    convert windows.ppm -resize 794x "$ZIREV1_SCREENSHOTS/sheet-windows.png"
fi
exit "$status"
