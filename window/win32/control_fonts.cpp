// SPDX-License-Identifier: MIT
#include "control_fonts.h"

#include "wide_text.h"

#include <algorithm>
#include <cmath>

namespace zirev1 {

int fontPixels(const Control& control, UINT dpi) {
    return static_cast<int>(std::lround(control.font.pointSize * dpi / POINTS_PER_INCH));
}

SizedFonts& SizedFonts::operator=(SizedFonts&& other) noexcept {
    std::swap(m_fonts, other.m_fonts);
    return *this;
}

SizedFonts::~SizedFonts() {
    for (const auto& [pixels, font] : m_fonts) {
        DeleteObject(font);
    }
}

HFONT SizedFonts::forControl(const Control& control, UINT dpi) {
    const int pixels = fontPixels(control, dpi);
    const auto found = std::find_if(m_fonts.begin(), m_fonts.end(),
                                    [&](const auto& sized) { return sized.first == pixels; });
    if (found != m_fonts.end()) {
        return found->second;
    }
    HFONT font = CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH, toWide(STAND_IN_TYPEFACE).c_str());
    m_fonts.emplace_back(pixels, font);
    return font;
}

} // namespace zirev1
