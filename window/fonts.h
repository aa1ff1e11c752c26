#pragma once

#include <QFont>

namespace zirev1 {

// Every text of the window is bold, in one sans typeface that Debian ships (DejaVu Sans): it
// stands in for the typefaces the design names, which Linux lacks, and has the Greek letters.
QFont windowFont(qreal pointSize);

// The size of the window's default font, which the side labels, the button and the results use.
inline constexpr qreal DEFAULT_POINT_SIZE = 13.5;

} // namespace zirev1
