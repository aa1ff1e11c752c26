// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace zirev1 {

// Every text of the form is drawn in one bold sans typeface that Debian ships, DejaVu Sans Bold:
// it stands in for the typefaces the design names, which Linux and the web lack, and holds the
// Greek letters. Its metrics are read from the font file when the project is built, so that every
// front end sizes captions and places picture texts alike, without asking a toolkit.
inline constexpr std::string_view STAND_IN_TYPEFACE = "DejaVu Sans";

struct GlyphAdvance {
    char32_t codePoint;
    std::uint16_t advance; // in font units
};

} // namespace zirev1

#include "stand_in_font_metrics.inc" // generated: STAND_IN_FONT and STAND_IN_ADVANCES
#include "unicode_text.h"

namespace zirev1 {

// A character's advance in font units; one the typeface lacks takes its replacement glyph's.
constexpr int advanceOf(char32_t codePoint) {
    const auto* end = std::end(STAND_IN_ADVANCES);
    const auto* found = std::lower_bound(
        std::begin(STAND_IN_ADVANCES), end, codePoint,
        [](const GlyphAdvance& glyph, char32_t code) { return glyph.codePoint < code; });
    return found != end && found->codePoint == codePoint ? found->advance
                                                         : STAND_IN_FONT.missingAdvance;
}

// The width of a one-line text at a font size in pixels, as the typeface lays it out without
// kerning: "a" at 18 px -> 12.15, "Sui triangoli qualunque" at 64 px -> 847.06.
constexpr double textWidth(std::string_view utf8, double pixelSize) {
    long units = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        units += advanceOf(nextCodePoint(utf8, at));
    }
    return static_cast<double>(units) * pixelSize / STAND_IN_FONT.unitsPerEm;
}

// Above and below the baseline, at a font size in pixels.
constexpr double ascentOf(double pixelSize) {
    return STAND_IN_FONT.ascender * pixelSize / STAND_IN_FONT.unitsPerEm;
}
constexpr double descentOf(double pixelSize) {
    return STAND_IN_FONT.descender * pixelSize / STAND_IN_FONT.unitsPerEm;
}

} // namespace zirev1
