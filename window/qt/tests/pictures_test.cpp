// SPDX-License-Identifier: MIT
#include "validity_conditions.h"
#include "window_test_support.h"

#include <QImage>
#include <QPainter>

#include <memory>

using zirev1::testing::ShownForm;

namespace {

int px(int twips) {
    return (twips + 7) / 15;
}

// The children of the window from the bottom of the stack to the top.
int stackIndex(const ShownForm& shown, const char* name) {
    return static_cast<int>(shown.form->children().indexOf(shown.child(name)));
}

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
    void placesAndSizes_data() {
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Image1") << QRect(px(4560), px(3000), 289, 291);
        QTest::newRow("Image2") << QRect(px(360), px(6840), 370, 268);
        QTest::newRow("Image3") << QRect(px(6360), px(7560), px(9645), px(1635));
    }

    void placesAndSizes() {
        QFETCH(QRect, geometry);
        ShownForm shown;
        QWidget* picture = shown.child(QTest::currentDataTag());
        QCOMPARE(picture->geometry(), geometry);
        QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
    }

    // The formulas lie above the triangle; the conditions above every angle result.
    void stacking() {
        ShownForm shown;
        QVERIFY(stackIndex(shown, "Image2") > stackIndex(shown, "Image1"));
        for (const char* label :
             {"Label17", "Label25", "Label9", "Label18", "Label19", "Label20", "Label22", "Label23",
              "Label26", "Label12", "Label13", "Label14"}) {
            QVERIFY2(stackIndex(shown, "Image3") > stackIndex(shown, label), label);
        }
    }

    // After 3, 4, 5: every angle label inside the conditions' rectangle still shows its text, and
    // the band where the triangle and the formulas overlap shows the formulas' heading.
    void resultsAndHeadingStayVisible() {
        ShownForm shown;
        shown.calculate("3", "4", "5");
        const QImage window = grabbed(shown.form.get());
        const QRgb face = shown.form->palette().color(QPalette::Window).rgb();
        const QRect image3 = shown.child("Image3")->geometry();
        int inside = 0;
        for (const char* name :
             {"Label17", "Label25", "Label9", "Label18", "Label19", "Label20", "Label22", "Label23",
              "Label26", "Label12", "Label13", "Label14"}) {
            const QRect label = shown.child(name)->geometry();
            if (label.intersects(image3)) {
                ++inside;
                QVERIFY2(holdsColourOtherThan(window.copy(label & image3), face), name);
            }
        }
        QVERIFY(inside >= 6); // the beta and gamma rows at least

        QWidget* image2 = shown.child("Image2");
        const QRect band = shown.child("Image1")->geometry() & image2->geometry();
        QVERIFY(!band.isEmpty());
        const QImage ownHeading = grabbed(image2, band.translated(-image2->pos()));
        QCOMPARE(window.copy(band), ownHeading);
        QVERIFY(holdsColourOtherThan(ownHeading, qRgb(255, 255, 255)));
    }

    // The conditions are drawn only in their top-left corner; the rest is transparent.
    void conditionsDrawNothingBeyondTheirText() {
        ShownForm shown;
        QWidget* image3 = shown.child("Image3");
        QImage ink(image3->size(), QImage::Format_ARGB32);
        ink.fill(Qt::transparent);
        image3->render(&ink, QPoint(), QRegion(), QWidget::DrawChildren);
        const QRect area = zirev1::ValidityConditions::inkArea();
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
        QVERIFY(area.right() < px(9000) - px(6360)); // left of the alpha, beta, gamma labels
    }

    void pictureColours() {
        ShownForm shown;
        const QImage figure = grabbed(shown.child("Image1"));
        QCOMPARE(figure.pixel(5, 5), qRgb(255, 255, 255));
        const QColor base = figure.pixelColor(120, 244); // on the base, left of the altitude
        QVERIFY(base.blue() > 200 && base.red() < 160 && base.green() < 160);
        const QColor altitude = figure.pixelColor(189, 180);
        QVERIFY(altitude.red() > 200 && altitude.green() < 160 && altitude.blue() < 160);

        const QImage formulas = grabbed(shown.child("Image2"));
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

    // The pictures never change, whatever is typed or calculated.
    void picturesDoNotChange() {
        ShownForm shown;
        const char* pictures[] = {"Image1", "Image2", "Image3"};
        QList<QImage> before;
        for (const char* name : pictures) {
            before << grabbed(shown.child(name));
        }
        shown.calculate("7", "8", "9");
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(grabbed(shown.child(pictures[i])), before[i]);
            QCOMPARE(shown.child(pictures[i])->geometry().size(), before[i].size());
        }
    }
};

std::unique_ptr<QObject> makePicturesTest() {
    return std::make_unique<PicturesTest>();
}

#include "pictures_test.moc"
