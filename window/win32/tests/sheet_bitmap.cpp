// SPDX-License-Identifier: MIT
// The printed sheet of a triangle twice: as the Windows edition prints it, drawn by GDI+ in the
// carried typeface on a 300 dpi page of white (2480 x 3508 pixels), as a binary PPM; and as the
// page prints it, the shared SVG document.
//   zirev1_sheet_bitmap A B C SEPARATOR DATE TYPEFACE.TTF OUTPUT.PPM OUTPUT.SVG
#include "picture_typeface.h"
#include "print_sheet.h"
#include "sheet_printing.h"
#include "svg_canvas.h"

#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace zirev1;

constexpr int PAGE_WIDTH = 2480; // A4 at 300 dpi
constexpr int PAGE_HEIGHT = 3508;

std::vector<std::byte> fileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<char> read{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::byte> bytes(read.size());
    std::transform(read.begin(), read.end(), bytes.begin(),
                   [](char c) { return static_cast<std::byte>(c); });
    return bytes;
}

// A white page of 32-bit pixels, top row first, in a memory context.
class PageBitmap {
public:
    PageBitmap() : m_context(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = PAGE_WIDTH;
        info.bmiHeader.biHeight = -PAGE_HEIGHT;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_bitmap = CreateDIBSection(m_context, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        if (m_bitmap != nullptr) {
            m_previous = SelectObject(m_context, m_bitmap);
            const RECT page{0, 0, PAGE_WIDTH, PAGE_HEIGHT};
            FillRect(m_context, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
    }
    ~PageBitmap() {
        if (m_bitmap != nullptr) {
            SelectObject(m_context, m_previous);
            DeleteObject(m_bitmap);
        }
        DeleteDC(m_context);
    }
    PageBitmap(const PageBitmap&) = delete;
    PageBitmap& operator=(const PageBitmap&) = delete;

    HDC context() const { return m_context; }
    bool made() const { return m_bitmap != nullptr; }

    bool writePpm(const char* path) const {
        GdiFlush();
        const auto* pixels = static_cast<const std::uint8_t*>(m_bits);
        std::string ppm = "P6\n";
        ppm += std::to_string(PAGE_WIDTH);
        ppm += ' ';
        ppm += std::to_string(PAGE_HEIGHT);
        ppm += "\n255\n";
        ppm.reserve(ppm.size() + std::size_t{3} * PAGE_WIDTH * PAGE_HEIGHT);
        for (std::size_t at = 0; at < std::size_t{4} * PAGE_WIDTH * PAGE_HEIGHT; at += 4) {
            ppm += static_cast<char>(pixels[at + 2]);
            ppm += static_cast<char>(pixels[at + 1]);
            ppm += static_cast<char>(pixels[at]);
        }
        std::ofstream file(path, std::ios::binary);
        file.write(ppm.data(), static_cast<std::streamsize>(ppm.size()));
        return static_cast<bool>(file);
    }

private:
    HDC m_context;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    void* m_bits = nullptr;
};

bool writeSvg(const char* path, const PrintSheet& sheet) {
    SvgCanvas canvas(print_sheet::SIZE.x, print_sheet::SIZE.y);
    drawPrintSheet(canvas, sheet);
    const std::string document = canvas.document();
    std::ofstream file(path, std::ios::binary);
    file.write(document.data(), static_cast<std::streamsize>(document.size()));
    return static_cast<bool>(file);
}

int drawBoth(char** arguments) {
    const std::array<std::string, 3> sides{arguments[0], arguments[1], arguments[2]};
    const std::string separator = arguments[3];
    const auto calculation = calculateForWindow(sides[0], sides[1], sides[2], separator);
    if (calculation.faulted() || !calculation->results) {
        std::fprintf(stderr, "zirev1_sheet_bitmap: %s, %s, %s give no results to print\n",
                     arguments[0], arguments[1], arguments[2]);
        return 65;
    }
    const PrintSheet sheet{sides, *calculation, arguments[4], separator};
    const std::vector<std::byte> typefaceFile = fileBytes(arguments[5]);
    if (typefaceFile.empty()) {
        std::fprintf(stderr, "zirev1_sheet_bitmap: cannot read %s\n", arguments[5]);
        return 66;
    }
    PictureTypeface typeface(typefaceFile);
    PageBitmap page;
    if (!page.made()) {
        std::fprintf(stderr, "zirev1_sheet_bitmap: no bitmap of %dx%d\n", PAGE_WIDTH, PAGE_HEIGHT);
        return 71;
    }
    drawSheetOn(page.context(), PAGE_WIDTH, typeface.family(), sheet);
    if (!page.writePpm(arguments[6]) || !writeSvg(arguments[7], sheet)) {
        std::fprintf(stderr, "zirev1_sheet_bitmap: cannot write %s or %s\n", arguments[6],
                     arguments[7]);
        return 73;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 9) {
        std::fprintf(stderr, "usage: zirev1_sheet_bitmap A B C SEPARATOR DATE TYPEFACE.TTF "
                             "OUTPUT.PPM OUTPUT.SVG\n");
        return 64;
    }
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput startup;
    if (Gdiplus::GdiplusStartup(&token, &startup, nullptr) != Gdiplus::Ok) {
        std::fprintf(stderr, "zirev1_sheet_bitmap: GDI+ does not start\n");
        return 71;
    }
    const int status = drawBoth(argv + 1);
    Gdiplus::GdiplusShutdown(token);
    return status;
}
