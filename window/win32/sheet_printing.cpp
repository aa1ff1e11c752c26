// SPDX-License-Identifier: MIT
#include "sheet_printing.h"

#include "gdiplus_canvas.h"

#include <commdlg.h>

namespace zirev1 {
namespace {

// Frees what the print dialog hands back, whatever happens after it.
struct PrintDialogResult {
    PRINTDLGEXW dialog{};
    ~PrintDialogResult() {
        if (dialog.hDC != nullptr) {
            DeleteDC(dialog.hDC);
        }
        if (dialog.hDevMode != nullptr) {
            GlobalFree(dialog.hDevMode);
        }
        if (dialog.hDevNames != nullptr) {
            GlobalFree(dialog.hDevNames);
        }
    }
};

} // namespace

void drawSheetOn(HDC page, int pixelsWide, Gdiplus::FontFamily& family, const PrintSheet& sheet,
                 Point origin) {
    Gdiplus::Graphics graphics(page);
    graphics.SetPageUnit(Gdiplus::UnitPixel);
    graphics.TranslateTransform(static_cast<Gdiplus::REAL>(origin.x),
                                static_cast<Gdiplus::REAL>(origin.y));
    GdiplusCanvas canvas(graphics, family, pixelsWide / print_sheet::SIZE.x);
    drawPrintSheet(canvas, sheet);
}

PrintOutcome printSheet(HWND owner, Gdiplus::FontFamily& family, const PrintSheet& sheet) {
    PrintDialogResult result;
    PRINTDLGEXW& dialog = result.dialog;
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE;
    dialog.nStartPage = START_PAGE_GENERAL;
    if (PrintDlgExW(&dialog) != S_OK) {
        return PrintOutcome::Failed;
    }
    if (dialog.dwResultAction != PD_RESULT_PRINT) {
        return PrintOutcome::Cancelled;
    }
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"Sui triangoli qualunque";
    HDC printer = dialog.hDC;
    if (StartDocW(printer, &document) <= 0) {
        return PrintOutcome::Failed;
    }
    if (StartPage(printer) <= 0) {
        AbortDoc(printer);
        return PrintOutcome::Failed;
    }
    // The sheet covers the whole paper; the printer's page starts inside its unprintable edge.
    drawSheetOn(printer, GetDeviceCaps(printer, PHYSICALWIDTH), family, sheet,
                {-static_cast<double>(GetDeviceCaps(printer, PHYSICALOFFSETX)),
                 -static_cast<double>(GetDeviceCaps(printer, PHYSICALOFFSETY))});
    const bool printed = EndPage(printer) > 0 && EndDoc(printer) > 0;
    return printed ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace zirev1
