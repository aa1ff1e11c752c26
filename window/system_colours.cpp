// SPDX-License-Identifier: MIT
#include "system_colours.h"

#include <algorithm>
#include <cmath>

namespace zirev1 {
namespace {

double channel(std::uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Colour colour) {
    return 0.2126 * channel(colour.red) + 0.7152 * channel(colour.green) +
           0.0722 * channel(colour.blue);
}

} // namespace

double contrastRatio(Colour first, Colour second) {
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace zirev1
