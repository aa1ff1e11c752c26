// SPDX-License-Identifier: MIT
#pragma once

#include "layout_units.h"

namespace zirev1 {

// The colours a platform asks its programs to draw in, under a high-contrast mode, forced colours
// or a dark desktop: the ground, the text on it, and a colour that stands out from both for what
// the design marks in red.
struct SystemColours {
    Colour ground;
    Colour text;
    Colour accent;
    friend constexpr bool operator==(const SystemColours&, const SystemColours&) = default;
};

// What a colour of the design is for: its light grounds (white, the window's grey), its reds,
// which mark, and every other ink (black, the blues). By the colour's own character, so that a
// drawing needs no list of its colours.
enum class ColourRole { Ground, Text, Accent };
constexpr ColourRole colourRole(Colour design) {
    const int r = design.red, g = design.green, b = design.blue;
    if (r > 2 * (g + b) + 64) {
        return ColourRole::Accent;
    }
    // Relative lightness by the usual weights, on 0..255.
    return (299 * r + 587 * g + 114 * b) / 1000 >= 160 ? ColourRole::Ground : ColourRole::Text;
}

// The design's colour in the system's, by its role.
//
//   inSystemColours({255, 255, 255}, c) -> c.ground     inSystemColours({0, 0, 255}, c) -> c.text
//   inSystemColours({0xc0, 0, 0}, c)    -> c.accent
constexpr Colour inSystemColours(Colour design, const SystemColours& system) {
    switch (colourRole(design)) {
    case ColourRole::Ground:
        return system.ground;
    case ColourRole::Accent:
        return system.accent;
    case ColourRole::Text:
        break;
    }
    return system.text;
}

// Luminance contrast of two colours, as WCAG measures it (1 to 21).
double contrastRatio(Colour first, Colour second);

} // namespace zirev1
