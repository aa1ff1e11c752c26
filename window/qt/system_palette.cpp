// SPDX-License-Identifier: MIT
#include "system_palette.h"

#include "form_style.h"
#include "qt_conversions.h"

#include <QPalette>

namespace zirev1 {
namespace {

Colour colourOf(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

} // namespace

std::optional<SystemColours> systemColoursOf(const QPalette& palette) {
    const Colour window = colourOf(palette.color(QPalette::Window));
    const Colour windowText = colourOf(palette.color(QPalette::WindowText));
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    const bool designs = window == FACE_COLOUR && windowText == DEFAULT_TEXT;
    const bool highContrast = !designs && contrastRatio(window, windowText) >= 15;
    if (!dark && !highContrast) {
        return std::nullopt;
    }
    const Colour ground = colourOf(palette.color(QPalette::Base));
    const Colour text = colourOf(palette.color(QPalette::Text));
    const Colour highlight = colourOf(palette.color(QPalette::Highlight));
    // A mark must stand out from the ground; where the highlight does not, the frame round it
    // still does, in the text's colour.
    return SystemColours{ground, text, contrastRatio(highlight, ground) >= 3 ? highlight : text};
}

} // namespace zirev1
