// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

#include <cstddef>
#include <optional>

namespace zirev1 {

// The conditions of validity, black bold text on a transparent ground. Only the top-left corner
// holds anything: the angle results lie under the rest and show through it.
namespace validity_conditions {
// Where the text stands, in the picture's pixels: about 1560 x 1360 twips, with room for the
// wider stand-in typeface.
inline constexpr Point INK_AREA_BOTTOM_RIGHT{130, 93};

inline constexpr Colour MARK_RED{0xc0, 0, 0}; // 5.6:1 on the window's face
} // namespace validity_conditions
// marked: the condition that failed, 0, 1, 2 for p − a, p − b, p − c, drawn in red and framed.
void drawValidityConditions(Canvas& canvas, std::optional<std::size_t> marked = std::nullopt);

} // namespace zirev1
