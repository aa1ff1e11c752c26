// SPDX-License-Identifier: MIT
#include "briggs_formulas.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace zirev1 {
namespace {

struct Formula {
    const char* angle; // UTF-8
    const char* numerator;
    const char* denominator;
};

constexpr Formula FORMULAS[] = {
    {"α", "(p-b)(p-c)", "p(p-a)"},
    {"β", "(p-a)(p-c)", "p(p-b)"},
    {"γ", "(p-a)(p-b)", "p(p-c)"},
};

// Draws "Tg(x/2) = " and a square root over a fraction, centred on the line at midY.
void drawFormula(QPainter& painter, const Formula& formula, qreal left, qreal midY) {
    const QFontMetricsF metrics(painter.font());
    const QString lead = QStringLiteral("Tg(%1/2) = ").arg(QString::fromUtf8(formula.angle));
    const QString numerator = QString::fromLatin1(formula.numerator);
    const QString denominator = QString::fromLatin1(formula.denominator);
    const qreal ascent = metrics.ascent();
    const qreal descent = metrics.descent();

    painter.drawText(QPointF(left, midY + (ascent - descent) / 2), lead);

    const qreal fractionWidth =
        std::max(metrics.horizontalAdvance(numerator), metrics.horizontalAdvance(denominator)) + 10;
    const qreal rootLeft = left + metrics.horizontalAdvance(lead);
    const qreal fractionLeft = rootLeft + 18;
    const qreal top = midY - ascent - descent - 6;
    const qreal bottom = midY + ascent + descent + 4;

    QPainterPath root;
    root.moveTo(rootLeft, midY + 2);
    root.lineTo(rootLeft + 5, midY - 1);
    root.lineTo(rootLeft + 11, bottom);
    root.lineTo(fractionLeft, top);
    root.lineTo(fractionLeft + fractionWidth, top);
    painter.drawPath(root);

    painter.drawLine(QPointF(fractionLeft + 3, midY),
                     QPointF(fractionLeft + fractionWidth - 3, midY));
    const auto centred = [&](const QString& text) {
        return fractionLeft + (fractionWidth - metrics.horizontalAdvance(text)) / 2;
    };
    painter.drawText(QPointF(centred(numerator), midY - descent - 3), numerator);
    painter.drawText(QPointF(centred(denominator), midY + ascent + 2), denominator);
}

} // namespace

BriggsFormulas::BriggsFormulas(const QPoint& topLeft, QWidget* parent)
    : Picture("Image2",
              QStringLiteral("Formule di Briggs: le tangenti dei mezzi angoli dai lati e dal "
                             "semiperimetro p"),
              QRect(topLeft, QSize(370, 268)), parent) {}

void BriggsFormulas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1.3));

    painter.setFont(windowFont(SMALL_POINT_SIZE));
    painter.drawText(QRectF(0, 8, width(), 24), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Soluzione mediante le formule di Briggs"));

    painter.setFont(windowFont(GREEK_POINT_SIZE));
    qreal midY = 84;
    for (const Formula& formula : FORMULAS) {
        drawFormula(painter, formula, 24, midY);
        midY += 68;
    }
}

} // namespace zirev1
