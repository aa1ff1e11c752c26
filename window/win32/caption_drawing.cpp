// SPDX-License-Identifier: MIT
#include "caption_drawing.h"

#include "control_fonts.h"
#include "unicode_text.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace zirev1 {
namespace {

void drawOneLine(const DRAWITEMSTRUCT& item, const Control& control, const std::wstring& caption,
                 UINT dpi) {
    const std::u16string units(caption.begin(), caption.end());
    const double scale = static_cast<double>(fontPixels(control, dpi)) / STAND_IN_FONT.unitsPerEm;
    // A character of two units advances the pen at its first; the second adds nothing.
    std::vector<INT> advances(caption.size(), 0);
    double pen = 0;
    int placed = 0;
    for (std::size_t at = 0; at < units.size();) {
        const std::size_t first = at;
        pen += advanceOf(nextCodePoint(std::u16string_view(units), at)) * scale;
        advances[first] = static_cast<INT>(std::lround(pen)) - placed;
        placed += advances[first];
    }
    ExtTextOutW(item.hDC, item.rcItem.left, item.rcItem.top, ETO_CLIPPED, &item.rcItem,
                caption.c_str(), static_cast<UINT>(caption.size()), advances.data());
}

} // namespace

void drawCaption(const DRAWITEMSTRUCT& item, const Control& control, const std::wstring& caption,
                 HFONT font, UINT dpi, const WindowPaints& paints) {
    FillRect(item.hDC, &item.rcItem, paints.faceBrush());
    HGDIOBJ previous = SelectObject(item.hDC, font);
    const WindowColours& colours = paints.colours();
    SetTextColor(item.hDC, control.ink == Ink::Blue ? colours.blueInk : colours.text);
    SetBkMode(item.hDC, TRANSPARENT);
    if (control.role == Role::Message) {
        RECT box = item.rcItem;
        DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &box,
                  DT_WORDBREAK | DT_NOPREFIX | DT_LEFT | DT_TOP);
    } else {
        drawOneLine(item, control, caption, dpi);
    }
    SelectObject(item.hDC, previous);
}

} // namespace zirev1
