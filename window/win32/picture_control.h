// SPDX-License-Identifier: MIT
#pragma once

#include "drawing.h"
#include "form2_description.h"
#include "window_paints.h"

#include <windows.h>

#include <gdiplus.h>

namespace zirev1 {

// What every picture draws with: the typeface GDI+ has loaded (none until it has started, and
// then nothing is drawn) and the window's colours, whose face an opaque picture fills its ground
// with.
struct PictureTools {
    Gdiplus::FontFamily* family = nullptr;
    const WindowPaints* paints = nullptr;
};

// A picture's drawing and what it shows of the last calculation, kept by the window that owns the
// picture, for as long as the picture lives.
struct PictureContent {
    Drawing drawing = Drawing::None;
    DrawingInput input;
    const PictureTools* tools = nullptr;
};

// Registers the picture class once for the process; false if it cannot be.
bool registerPictureClass(HINSTANCE instance);

// A picture drawn by the shared drawing code at the picture's dpi, named for screen readers by
// its window text. An opaque picture does not paint over the pictures stacked above it; a
// transparent one is painted after what lies under it, and lets clicks through.
HWND createPicture(HWND parent, int id, const Control& control, PictureContent& content);

} // namespace zirev1
