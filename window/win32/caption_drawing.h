// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"
#include "window_paints.h"

#include <windows.h>

#include <string>

namespace zirev1 {

// An owner-drawn label: its ground in the window's face colour, its caption in its font and the
// window's ink for it (the system's in high contrast). A
// message wraps at word breaks in its box; any other caption is one line at the advances of the
// typeface's own metrics, as every front end places it, rather than at the hinted advances GDI
// rounds each glyph to.
void drawCaption(const DRAWITEMSTRUCT& item, const Control& control, const std::wstring& caption,
                 HFONT font, UINT dpi, const WindowPaints& paints);

} // namespace zirev1
