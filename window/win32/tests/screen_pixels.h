// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zirev1 {

// What the screen shows in a rectangle, as it is now.
class ScreenPixels {
public:
    explicit ScreenPixels(const RECT& area);

    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF at(int x, int y) const;
    // As a 32-bit BMP file.
    bool save(const std::wstring& path) const;

private:
    int m_width;
    int m_height;
    std::vector<std::uint32_t> m_bgrx; // top row first
};

} // namespace zirev1
