// SPDX-License-Identifier: MIT
#include "qt_conversions.h"
#include "triangle_figure.h"
#include "validity_conditions.h"
#include "window_test_support.h"

#include <QImage>
#include <QPainter>

#include <memory>

using zirev1::Drawing;
using zirev1::testing::ShownForm;

namespace {

QImage grabbed(QWidget* widget, const QRect& area = QRect(QPoint(0, 0), QSize(-1, -1))) {
    return widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

bool holdsColourOtherThan(const QImage& image, QRgb background) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // After 3, 4, 5: every angle label inside the conditions' rectangle still shows its text, and
    // the band where the triangle and the formulas overlap shows the formulas' heading.
    void resultsAndHeadingStayVisible() {
        ShownForm shown;
        shown.calculate("3", "4", "5");
        const QImage window = grabbed(shown.form.get());
        const QRgb face = shown.form->palette().color(QPalette::Window).rgb();
        const QRect image3 = shown.picture(Drawing::ValidityConditions)->geometry();
        int inside = 0;
        for (QLabel* label : shown.form->findChildren<QLabel*>()) {
            if (label->geometry().intersects(image3)) {
                ++inside;
                QVERIFY2(holdsColourOtherThan(window.copy(label->geometry() & image3), face),
                         qPrintable(label->objectName()));
            }
        }
        QVERIFY(inside >= 8); // the beta and gamma rows at least

        QWidget* image2 = shown.picture(Drawing::BriggsFormulas);
        const QRect band = shown.picture(Drawing::TriangleFigure)->geometry() & image2->geometry();
        QVERIFY(!band.isEmpty());
        const QImage ownHeading = grabbed(image2, band.translated(-image2->pos()));
        QCOMPARE(window.copy(band), ownHeading);
        QVERIFY(holdsColourOtherThan(ownHeading, qRgb(255, 255, 255)));
    }

    // The conditions are drawn only in their top-left corner; the rest is transparent.
    void conditionsDrawNothingBeyondTheirText() {
        ShownForm shown;
        QWidget* image3 = shown.picture(Drawing::ValidityConditions);
        QImage ink(image3->size(), QImage::Format_ARGB32);
        ink.fill(Qt::transparent);
        image3->render(&ink, QPoint(), QRegion(), QWidget::DrawChildren);
        using zirev1::validity_conditions::INK_AREA_BOTTOM_RIGHT;
        const QRect area(0, 0, static_cast<int>(INK_AREA_BOTTOM_RIGHT.x),
                         static_cast<int>(INK_AREA_BOTTOM_RIGHT.y));
        bool drewText = false;
        for (int y = 0; y < ink.height(); ++y) {
            for (int x = 0; x < ink.width(); ++x) {
                const bool opaque = qAlpha(ink.pixel(x, y)) != 0;
                drewText = drewText || opaque;
                if (opaque && !area.contains(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("ink at %1, %2").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(drewText);
        // The ink leaves every label under the picture readable.
        for (QLabel* label : shown.form->findChildren<QLabel*>()) {
            QVERIFY2(!area.translated(image3->pos()).intersects(label->geometry()),
                     qPrintable(label->objectName()));
        }
    }

    void pictureColours() {
        ShownForm shown;
        const QImage figure = grabbed(shown.picture(Drawing::TriangleFigure));
        QCOMPARE(figure.pixel(5, 5), qRgb(255, 255, 255));
        using namespace zirev1::triangle_figure;
        // On the base, halfway to the altitude's foot.
        const QColor base = figure.pixelColor(static_cast<int>((BOTTOM_LEFT.x + APEX.x) / 2),
                                              static_cast<int>(BOTTOM_LEFT.y));
        QVERIFY(base.blue() > 200 && base.red() < 160 && base.green() < 160);
        const QColor altitude = figure.pixelColor(static_cast<int>(APEX.x),
                                                  static_cast<int>((APEX.y + BOTTOM_LEFT.y) / 2));
        QVERIFY(altitude.red() > 200 && altitude.green() < 160 && altitude.blue() < 160);

        const QImage formulas = grabbed(shown.picture(Drawing::BriggsFormulas));
        bool black = false;
        for (int y = 0; y < formulas.height(); ++y) {
            for (int x = 0; x < formulas.width(); ++x) {
                const QRgb p = formulas.pixel(x, y);
                QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)); // black on white only
                black = black || qRed(p) < 40;
            }
        }
        QVERIFY(black);
    }
};

std::unique_ptr<QObject> makePicturesTest() {
    return std::make_unique<PicturesTest>();
}

#include "pictures_test.moc"
