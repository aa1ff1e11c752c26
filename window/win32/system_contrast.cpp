// SPDX-License-Identifier: MIT
#include "system_contrast.h"

#include "form_style.h"
#include "recoloured_canvas.h"

namespace zirev1 {
namespace {

Colour colourOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF colourRefOf(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace

SystemColourReading readSystemColours() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    const bool read =
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) != 0;
    return {read && (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0, GetSysColor(COLOR_WINDOW),
            GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHT)};
}

WindowColours windowColours(const SystemColourReading& reading) {
    if (!reading.highContrast) {
        return {colourRefOf(FACE_COLOUR), colourRefOf(FIELD_GROUND), reading.windowText,
                colourRefOf(BLUE), std::nullopt};
    }
    const Colour ground = colourOf(reading.window), text = colourOf(reading.windowText);
    const Colour highlight = colourOf(reading.highlight);
    // A mark must stand out from the ground; where the highlight does not, the frame round it
    // still does, in the text's colour.
    const Colour accent = contrastRatio(highlight, ground) >= 3 ? highlight : text;
    return {reading.window, reading.window, reading.windowText, reading.windowText,
            SystemColours{ground, text, accent}};
}

void drawInWindowColours(Drawing drawing, Canvas& canvas, const WindowColours& colours,
                         const DrawingInput& input) {
    if (!colours.pictures) {
        draw(drawing, canvas, input);
        return;
    }
    RecolouredCanvas recoloured(canvas, *colours.pictures);
    draw(drawing, recoloured, input);
}

} // namespace zirev1
