// SPDX-License-Identifier: MIT
#include "validity_conditions.h"

#include "fonts.h"
#include "twips.h"

#include <QPainter>

namespace zirev1 {
namespace {

// The drawing is laid out in its own units, 2.4 twips each (4016 x 682 units in all).
constexpr qreal TWIPS_PER_UNIT = 2.4;

qreal unitsToPixels(qreal units) {
    return units * TWIPS_PER_UNIT / TWIPS_PER_PIXEL;
}

struct TextRun {
    qreal x, y;       // the top left of the text, in units
    const char* text; // UTF-8
    qreal pointSize;  // 83 units high is about 10 points, 100 units 12 points
};

// clang-format off
constexpr TextRun RUNS[] = {
    {1, 1, "Condizioni di ", SMALL_POINT_SIZE},
    {1, 103, "validità ", SMALL_POINT_SIZE},
    {1, 203, "(p - a) > 0 ", 12},
    {1, 325, "(p - b) > 0 ", 12},
    {1, 446, "(p - c) > 0 ", 12},
};
// clang-format on

} // namespace

ValidityConditions::ValidityConditions(const QRect& geometry, QWidget* parent)
    : Picture("Image3",
              QStringLiteral("Condizioni di validità: p - a, p - b e p - c maggiori di zero"),
              geometry, parent) {}

QRect ValidityConditions::inkArea() {
    // About 1560 x 1360 twips, with room for the wider stand-in typeface.
    return QRect(0, 0, twipsToPixels(1950), twipsToPixels(1400));
}

// No background is filled: what lies under the empty part shows through.
void ValidityConditions::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(inkArea());
    painter.setPen(Qt::black);
    for (const TextRun& run : RUNS) {
        painter.setFont(windowFont(run.pointSize));
        const QRectF box(unitsToPixels(run.x), unitsToPixels(run.y), inkArea().width(), 30);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(run.text));
    }
}

} // namespace zirev1
