// SPDX-License-Identifier: MIT
#pragma once

#include "system_contrast.h"

#include <windows.h>

namespace zirev1 {

// A window's colours and the brushes that paint its ground and its fields, read from the system
// when made and again whenever the system's colours or its high-contrast setting change.
class WindowPaints {
public:
    WindowPaints();
    ~WindowPaints();
    WindowPaints(const WindowPaints&) = delete;
    WindowPaints& operator=(const WindowPaints&) = delete;

    const WindowColours& colours() const { return m_colours; }
    HBRUSH faceBrush() const { return m_faceBrush; }
    HBRUSH fieldBrush() const { return m_fieldBrush; }

    // For WM_SYSCOLORCHANGE and WM_SETTINGCHANGE: reads the system's colours again and, where
    // they change what the window draws, repaints it and every control in it.
    void follow(HWND window);

private:
    void makeBrushes();
    void deleteBrushes();

    WindowColours m_colours;
    HBRUSH m_faceBrush = nullptr;
    HBRUSH m_fieldBrush = nullptr;
};

} // namespace zirev1
