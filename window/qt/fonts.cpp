// SPDX-License-Identifier: MIT
#include "fonts.h"

#include "qt_conversions.h"
#include "text_metrics.h"

namespace zirev1 {

QFont windowFont(qreal pointSize) {
    QFont font(toQString(STAND_IN_TYPEFACE));
    // DejaVu Sans holds every character the window shows, Greek included, so Qt need not
    // look up fallback typefaces for it: that lookup is a large part of start-up.
    font.setStyleHint(QFont::SansSerif, QFont::NoFontMerging);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace zirev1
