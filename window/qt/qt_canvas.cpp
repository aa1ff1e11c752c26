// SPDX-License-Identifier: MIT
#include "qt_canvas.h"

#include "qt_conversions.h"
#include "text_metrics.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace zirev1 {
namespace {

QPolygonF qPolygon(std::span<const Point> points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points) {
        polygon << QPointF(p.x, p.y);
    }
    return polygon;
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter) : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setBrush(Qt::NoBrush);
}

void QtCanvas::usePen(const Pen& pen) {
    QPen qPen(toQColor(pen.colour), pen.width, Qt::SolidLine, Qt::FlatCap, Qt::SvgMiterJoin);
    qPen.setMiterLimit(4); // SVG's default, so that both back ends cut corners alike
    m_painter.setPen(qPen);
}

void QtCanvas::fillRect(Point topLeft, Point bottomRight, Colour colour) {
    m_painter.fillRect(QRectF(QPointF(topLeft.x, topLeft.y), QPointF(bottomRight.x, bottomRight.y)),
                       toQColor(colour));
}

void QtCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    usePen(pen);
    m_painter.drawPolyline(qPolygon(points));
}

void QtCanvas::polygon(std::span<const Point> points, const Pen& pen) {
    usePen(pen);
    m_painter.drawPolygon(qPolygon(points));
}

void QtCanvas::arc(Point centre, double radius, double startDegrees, double spanDegrees,
                   const Pen& pen) {
    usePen(pen);
    QPainterPath path;
    const QRectF box(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius);
    path.arcMoveTo(box, startDegrees);
    path.arcTo(box, startDegrees, spanDegrees);
    m_painter.drawPath(path);
}

void QtCanvas::textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                              Colour colour) {
    // Qt sizes a font in whole pixels: a size between them (the sheet's rows, a picture drawn
    // smaller) is drawn at a large whole size and scaled down, so it keeps its advances.
    constexpr int SCALED_SIZE = 200;
    const bool whole = pixelSize == std::round(pixelSize);
    QFont font{toQString(STAND_IN_TYPEFACE)};
    font.setStyleHint(QFont::SansSerif, QFont::NoFontMerging);
    font.setPixelSize(whole ? static_cast<int>(pixelSize) : SCALED_SIZE);
    font.setWeight(QFont::Bold);
    font.setKerning(false); // placed by the typeface's advances alone, as every back end does
    m_painter.save();
    m_painter.translate(origin.x, origin.y);
    if (!whole) {
        m_painter.scale(pixelSize / SCALED_SIZE, pixelSize / SCALED_SIZE);
    }
    m_painter.setFont(font);
    m_painter.setPen(toQColor(colour));
    m_painter.drawText(QPointF(0, 0), toQString(utf8));
    m_painter.restore();
}

} // namespace zirev1
