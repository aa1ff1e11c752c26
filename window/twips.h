// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

namespace zirev1 {

// The layout is stated in twips; at 96 dots per inch a pixel is 15 twips. Qt scales these
// device-independent pixels on high-density screens.
constexpr int TWIPS_PER_PIXEL = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + TWIPS_PER_PIXEL / 2) / TWIPS_PER_PIXEL;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace zirev1
