// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace zirev1 {

// Every text of the window is bold, in one sans typeface that Debian ships (DejaVu Sans): it
// stands in for the typefaces the design names, which Linux lacks, and has the Greek letters.
QFont windowFont(qreal pointSize);

// The size of the window's default font, which the side labels, the button and the results use,
// and of the small print (the column heading, the signature). The pictures draw in these sizes
// too, so that their glyphs come from the same caches and start-up rasterizes fewer fonts.
inline constexpr qreal DEFAULT_POINT_SIZE = 13.5;
inline constexpr qreal SMALL_POINT_SIZE = 9.75;
// The size of the Greek angle names beside the results; Greek text elsewhere uses it as well,
// since each size needs a font engine of its own for Greek.
inline constexpr qreal GREEK_POINT_SIZE = 14.25;

} // namespace zirev1
