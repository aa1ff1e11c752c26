// SPDX-License-Identifier: MIT
#include "canvas.h"

#include "text_metrics.h"

namespace zirev1 {

void Canvas::text(Point anchor, TextAnchor how, std::string_view utf8, double pixelSize,
                  Colour colour) {
    Point origin = anchor;
    if (how.horizontal == HorizontalAnchor::Centre) {
        origin.x -= textWidth(utf8, pixelSize) / 2;
    }
    const double ascent = ascentOf(pixelSize);
    const double descent = descentOf(pixelSize);
    switch (how.vertical) {
    case VerticalAnchor::Baseline:
        break;
    case VerticalAnchor::Top:
        origin.y += ascent;
        break;
    case VerticalAnchor::Middle:
        origin.y += (ascent - descent) / 2;
        break;
    }
    textAtBaseline(origin, utf8, pixelSize, colour);
}

} // namespace zirev1
