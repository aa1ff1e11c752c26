// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace zirev1 {

// Every text of the window is bold, in one sans typeface that Debian ships (DejaVu Sans): it
// stands in for the typefaces the design names, which Linux lacks, and has the Greek letters.
QFont windowFont(qreal pointSize);

} // namespace zirev1
