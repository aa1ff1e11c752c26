// SPDX-License-Identifier: MIT
#pragma once

#include "layout_units.h"

#include <string_view>

namespace zirev1 {

// The form's fonts and colours, which its description gives each control.

struct ControlFont {
    std::string_view designFace; // the typeface the design names; STAND_IN_TYPEFACE draws it
    double pointSize;            // every font is bold, none italic or underlined
    constexpr double pixelSize() const { return pointsToPixels(pointSize); }
};

inline constexpr std::string_view WINDOW_FACE = "MS Sans Serif";
inline constexpr ControlFont WINDOW_FONT{WINDOW_FACE, 13.5};
inline constexpr ControlFont SMALL_FONT{WINDOW_FACE, 9.75};
inline constexpr ControlFont FIELD_FONT{WINDOW_FACE, 12};
inline constexpr ControlFont GREEK_FONT{"Symbol", 14.25};

// Text colours: the platform's default, or the design's blue.
enum class Ink { Default, Blue };

inline constexpr Colour BLUE{0, 0, 255};
// Where no platform gives its own: the default text, the face colour of dialog windows behind the
// window and its labels, and the fields' white ground (Qt's and Windows' defaults).
inline constexpr Colour DEFAULT_TEXT{0, 0, 0};
inline constexpr Colour FACE_COLOUR{0xef, 0xef, 0xef};
inline constexpr Colour FIELD_GROUND{0xff, 0xff, 0xff};

// What a platform draws round the controls, as the page draws it: the fields' and the button's
// border (a grey that keeps 4.5:1 against the face colour), the button's face, which the fault
// box's title bar shares, and the ring round the control that has the keyboard's focus.
inline constexpr Colour CONTROL_BORDER{0x76, 0x76, 0x76};
inline constexpr Colour BUTTON_FACE{0xe1, 0xe1, 0xe1};
inline constexpr Colour FOCUS_RING = BLUE;

constexpr Colour inkColour(Ink ink) {
    return ink == Ink::Blue ? BLUE : DEFAULT_TEXT;
}

} // namespace zirev1
