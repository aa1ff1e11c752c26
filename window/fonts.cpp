#include "fonts.h"

namespace zirev1 {

QFont windowFont(qreal pointSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace zirev1
