// SPDX-License-Identifier: MIT
#pragma once

#include "working_rows.h"

#include <windows.h>

#include <commctrl.h>

#include <span>

namespace zirev1 {

// The working's table: a report-view list with the working's three columns, each section's
// heading on a row of its own, in blue, above its rows. It scrolls; the quantities and values are
// always seen whole, a long formula where the pointer rests on it (and whole on the clipboard).
HWND createWorkingList(HWND parent, int id);
void showWorking(HWND list, std::span<const WorkingSection> sections);
// The list's custom drawing, asked of its parent: the headings' rows in their ink (the
// design's blue, or the system's text colour in high contrast).
LRESULT drawWorkingRow(NMLVCUSTOMDRAW& draw, COLORREF headingInk);
// The tip of the row the pointer rests on, asked of its parent: its formula and value whole.
void tipOfRow(NMLVGETINFOTIPW& tip, std::span<const WorkingSection> sections);

} // namespace zirev1
