// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

namespace zirev1 {

// An RGB picture, 8 bits a channel, rows from the top.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// A binary PPM (P6, maxval 255), as pdftoppm and ImageMagick write it; nothing for anything else.
std::optional<Raster> readPpm(std::istream& in);

// Two drawings of one picture by different rasterizers agree up to antialiasing when, by the
// largest difference of the three channels (0-255):
// - every ink pixel (at least `ink` from white) of either has, within one pixel in the other, a
//   pixel no more than `near` from it: text and lines stand at the same places in both;
// - at most `farShare` of all pixels differ by more than `far` where they stand.
// Smoothing and glyph hinting move an edge by less than a pixel, which passes; a line or a text
// moved by a few pixels, or left out, leaves ink with nothing near it, and fails.
struct MatchTolerance {
    int ink = 128;
    int near = 128;
    int far = 64;
    double farShare = 0.02;
};

struct PictureMatch {
    bool sameSize = false;
    std::array<long, 2> ink{};       // of the first picture, of the second
    std::array<long, 2> unmatched{}; // ink pixels with nothing near them in the other
    double farShare = 0;

    bool agrees(const MatchTolerance& tolerance) const {
        return sameSize && ink[0] > 0 && ink[1] > 0 && unmatched == std::array<long, 2>{} &&
               farShare <= tolerance.farShare;
    }
};

PictureMatch matchPictures(const Raster& first, const Raster& second,
                           const MatchTolerance& tolerance);

} // namespace zirev1
