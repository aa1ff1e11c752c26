// SPDX-License-Identifier: MIT
#include "window_paints.h"

namespace zirev1 {

WindowPaints::WindowPaints() : m_colours(windowColours(readSystemColours())) {
    makeBrushes();
}

WindowPaints::~WindowPaints() {
    deleteBrushes();
}

void WindowPaints::follow(HWND window) {
    const WindowColours colours = windowColours(readSystemColours());
    // The common controls draw in the system's colours too, and hear of a change only from
    // their parent.
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
    if (colours == m_colours) {
        return;
    }
    m_colours = colours;
    deleteBrushes();
    makeBrushes();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void WindowPaints::makeBrushes() {
    m_faceBrush = CreateSolidBrush(m_colours.face);
    m_fieldBrush = CreateSolidBrush(m_colours.fieldGround);
}

void WindowPaints::deleteBrushes() {
    DeleteObject(m_faceBrush);
    DeleteObject(m_fieldBrush);
}

} // namespace zirev1
