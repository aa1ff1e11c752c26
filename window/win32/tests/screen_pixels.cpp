// SPDX-License-Identifier: MIT
#include "screen_pixels.h"

#include <cstdio>

namespace zirev1 {
namespace {

BITMAPINFOHEADER topDownHeader(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

} // namespace

ScreenPixels::ScreenPixels(const RECT& area)
    : m_width(area.right - area.left), m_height(area.bottom - area.top),
      m_bgrx(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height)) {
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = topDownHeader(m_width, m_height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, m_width, m_height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    m_bgrx.assign(pixels, pixels + m_bgrx.size());
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenPixels::at(int x, int y) const {
    const std::uint32_t pixel = m_bgrx[static_cast<std::size_t>(y) * m_width + x];
    return RGB((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
}

bool ScreenPixels::save(const std::wstring& path) const {
    const BITMAPINFOHEADER info = topDownHeader(m_width, m_height);
    const DWORD bytes = static_cast<DWORD>(m_bgrx.size() * sizeof m_bgrx[0]);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4d42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(m_bgrx.data(), bytes, 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

} // namespace zirev1
