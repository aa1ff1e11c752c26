// SPDX-License-Identifier: MIT
#pragma once

#include "layout_units.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string_view>

namespace zirev1 {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Twips to Qt's device-independent pixels, which Qt scales on high-density screens.
inline QRect toQRect(const TwipsRect& twips) {
    const PixelRect px = toPixels(twips);
    return QRect(px.left, px.top, px.width, px.height);
}

inline QColor toQColor(Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace zirev1
