// SPDX-License-Identifier: MIT
#include "triangle_figure.h"

#include "fonts.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zirev1 {
namespace {

const QColor LINE_BLUE(0, 0, 255);
const QColor DARK_BLUE(0, 0, 128);
const QColor ARC_RED(255, 0, 0);

// Corners, in the picture's pixels: the base from bottom left to bottom right, apex up right.
const QPointF BOTTOM_LEFT(33, 244);
const QPointF BOTTOM_RIGHT(261, 244);
const QPointF APEX(189, 13);

// Angle of the direction from one point to another, counter-clockwise in degrees as QPainter's
// arcs measure it (y grows downwards on screen).
qreal directionDegrees(const QPointF& from, const QPointF& to) {
    return std::atan2(from.y() - to.y(), to.x() - from.x()) * 180 / M_PI;
}

// The arc at a corner between its two sides, going the short way round.
void drawAngleArc(QPainter& painter, const QPointF& corner, const QPointF& alongFirst,
                  const QPointF& alongSecond, qreal radius) {
    const qreal first = directionDegrees(corner, alongFirst);
    qreal span = directionDegrees(corner, alongSecond) - first;
    if (span > 180) {
        span -= 360;
    } else if (span < -180) {
        span += 360;
    }
    const QRectF box(corner.x() - radius, corner.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(box, qRound(first * 16), qRound(span * 16));
}

void drawLetter(QPainter& painter, const QPointF& centre, const QString& letter) {
    const QRectF box(centre.x() - 15, centre.y() - 15, 30, 30);
    painter.drawText(box, Qt::AlignCenter, letter);
}

} // namespace

TriangleFigure::TriangleFigure(const QPoint& topLeft, QWidget* parent)
    : Picture("Image1",
              QStringLiteral("Figura: il triangolo con i lati a, b, c, gli angoli α, β, γ e "
                             "l'altezza h su a"),
              QRect(topLeft, QSize(289, 291)), parent) {}

void TriangleFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);

    painter.setPen(QPen(LINE_BLUE, 1.5));
    painter.drawPolygon(QPolygonF{BOTTOM_LEFT, BOTTOM_RIGHT, APEX});

    const QPointF foot(APEX.x(), BOTTOM_LEFT.y());
    painter.setPen(QPen(ARC_RED, 1.5));
    painter.drawLine(APEX, foot);
    painter.drawPolyline(QPolygonF{foot + QPointF(-9, 0), foot + QPointF(-9, -9),
                                   foot + QPointF(0, -9)}); // the right angle at the foot
    drawAngleArc(painter, APEX, BOTTOM_LEFT, BOTTOM_RIGHT, 34);
    drawAngleArc(painter, BOTTOM_RIGHT, APEX, BOTTOM_LEFT, 30);
    drawAngleArc(painter, BOTTOM_LEFT, BOTTOM_RIGHT, APEX, 38);

    painter.setPen(DARK_BLUE);
    painter.setFont(windowFont(DEFAULT_POINT_SIZE));
    drawLetter(painter, QPointF((BOTTOM_LEFT.x() + BOTTOM_RIGHT.x()) / 2, 264), "a");
    drawLetter(painter, QPointF(92, 120), "b");
    drawLetter(painter, QPointF(240, 120), "c");
    drawLetter(painter, QPointF(APEX.x() + 12, 140), "h");
    painter.setFont(windowFont(GREEK_POINT_SIZE));
    drawLetter(painter, QPointF(APEX.x() - 2, 62), QStringLiteral("α"));
    drawLetter(painter, QPointF(BOTTOM_RIGHT.x() - 44, 229), QStringLiteral("β"));
    drawLetter(painter, QPointF(BOTTOM_LEFT.x() + 50, 230), QStringLiteral("γ"));
}

} // namespace zirev1
