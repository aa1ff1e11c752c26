// SPDX-License-Identifier: MIT
#pragma once

#include "drawing.h"
#include "system_colours.h"

#include <windows.h>

#include <optional>

namespace zirev1 {

class Canvas;

// What Windows says of its colours: whether high contrast is on, and the colours it then asks
// every window to draw in.
struct SystemColourReading {
    bool highContrast = false;
    COLORREF window = 0;     // COLOR_WINDOW
    COLORREF windowText = 0; // COLOR_WINDOWTEXT
    COLORREF highlight = 0;  // COLOR_HIGHLIGHT
};

SystemColourReading readSystemColours();

// The colours a window of the program draws in: its ground (window, labels, opaque pictures),
// the fields' ground, the labels' inks, and the pictures' colours where they are the system's.
struct WindowColours {
    COLORREF face = 0;
    COLORREF fieldGround = 0;
    COLORREF text = 0;
    COLORREF blueInk = 0;
    std::optional<SystemColours> pictures; // none: the design's own
    friend bool operator==(const WindowColours&, const WindowColours&) = default;
};

// In high contrast every control and picture takes the system's colours; otherwise the design's.
WindowColours windowColours(const SystemColourReading& reading);

// A picture in the window's colours.
void drawInWindowColours(Drawing drawing, Canvas& canvas, const WindowColours& colours,
                         const DrawingInput& input = {});

} // namespace zirev1
