// SPDX-License-Identifier: MIT
#pragma once

#include "print_sheet.h"

#include <windows.h>

#include <gdiplus.h>

namespace zirev1 {

// The sheet drawn by GDI+ on a device context that is an A4 page pixelsWide across, its top left
// corner at origin in the context's pixels: a printer's page, a metafile, a bitmap.
void drawSheetOn(HDC page, int pixelsWide, Gdiplus::FontFamily& family, const PrintSheet& sheet,
                 Point origin = {});

// What the print dialog came to.
enum class PrintOutcome { Printed, Cancelled, Failed };

// What the window says, in a box it owns, when printing fails; a cancelled dialog says nothing.
inline constexpr wchar_t PRINT_FAILED_TEXT[] = L"La stampa non \u00e8 riuscita.";

// The platform's print dialog, owned by the window, and on its printer one page: the sheet.
PrintOutcome printSheet(HWND owner, Gdiplus::FontFamily& family, const PrintSheet& sheet);

} // namespace zirev1
