// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zirev1 {

// The form is laid out in twips, 1440 to the inch; at 96 dots per inch a pixel is 15 twips.
// Front ends scale twips to their own device pixels (Qt and the page at 96 dpi, Windows by its
// monitor's dpi); the pictures are drawn in pixels at 96 dpi, the unit a CSS pixel also has.
inline constexpr int TWIPS_PER_INCH = 1440;
inline constexpr int TWIPS_PER_PIXEL = 15;
inline constexpr int POINTS_PER_INCH = 72;
inline constexpr int PIXELS_PER_INCH = TWIPS_PER_INCH / TWIPS_PER_PIXEL;

// Nearest whole pixel at 96 dpi, halves up: 4200 -> 280, 1215 -> 81, 9255 -> 617.
constexpr int twipsToPixels(int twips) {
    return (twips + TWIPS_PER_PIXEL / 2) / TWIPS_PER_PIXEL;
}

// A font's size in pixels at 96 dpi: 13.5 pt -> 18, 9.75 pt -> 13.
constexpr double pointsToPixels(double points) {
    return points * PIXELS_PER_INCH / POINTS_PER_INCH;
}

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool contains(const TwipsRect& other) const {
        return other.left >= left && other.top >= top && other.right() <= right() &&
               other.bottom() <= bottom();
    }
    constexpr bool intersects(const TwipsRect& other) const {
        return left < other.right() && other.left < right() && top < other.bottom() &&
               other.top < bottom();
    }
    friend constexpr bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect toPixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

} // namespace zirev1
