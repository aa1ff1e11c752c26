// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace zirev1 {

// A control's font size in pixels at the window's dpi.
int fontPixels(const Control& control, UINT dpi);

// The controls' fonts at one dpi: one font a pixel size, shared by the controls of that size (a
// font is realized from the typeface once, and a form has a few sizes).
class SizedFonts {
public:
    SizedFonts() = default;
    SizedFonts(SizedFonts&& other) noexcept : m_fonts(std::exchange(other.m_fonts, {})) {}
    SizedFonts& operator=(SizedFonts&& other) noexcept;
    SizedFonts(const SizedFonts&) = delete;
    SizedFonts& operator=(const SizedFonts&) = delete;
    ~SizedFonts();

    HFONT forControl(const Control& control, UINT dpi);

private:
    std::vector<std::pair<int, HFONT>> m_fonts;
};

} // namespace zirev1
