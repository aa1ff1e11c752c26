// SPDX-License-Identifier: MIT
#pragma once

#include "system_colours.h"

#include <optional>

class QPalette;

namespace zirev1 {

// The desktop's colours when it asks for them to be followed: a dark palette, or a high-contrast
// one (its text and window at 15:1 or more, unlike the toolkit's own light palette). Nothing in
// the normal setting, where the form keeps its design's colours.
std::optional<SystemColours> systemColoursOf(const QPalette& palette);

} // namespace zirev1
