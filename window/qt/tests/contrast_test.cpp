// SPDX-License-Identifier: MIT
// The window under the desktop's own colours: a dark palette and a high-contrast one draw every
// control and picture in them; the toolkit's normal palette keeps the design's.
#include "form_style.h"
#include "picture_widget.h"
#include "window_test_support.h"
#include "working_form_description.h"

#include <QTest>

#include <memory>

using namespace zirev1;
using zirev1::testing::ShownForm;

namespace {

QPalette desktopPalette(QColor window, QColor text, QColor highlight) {
    QPalette palette;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, window);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

// The colours of the image's pixels, each once.
QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y) & 0xffffff);
        }
    }
    return colours;
}

int distance(const QColor& first, const QColor& second) {
    return std::abs(first.red() - second.red()) + std::abs(first.green() - second.green()) +
           std::abs(first.blue() - second.blue());
}

// The design's own colours that show in the image where the desktop has none like them: white
// grounds, the blues and reds of lines, letters and marks.
QStringList designColoursShown(const QImage& image, const QList<QColor>& desktop) {
    const QList<QColor> design = {Qt::white,         QColor(0, 0, 255),  QColor(0, 0, 128),
                                  QColor(255, 0, 0), QColor(0xc0, 0, 0), Qt::black};
    const QSet<QRgb> shown = coloursOf(image);
    QStringList found;
    for (const QColor& colour : design) {
        const bool desktopHasIt = std::any_of(desktop.begin(), desktop.end(), [&](const QColor& d) {
            return distance(d, colour) < 24;
        });
        const bool inImage = std::any_of(shown.begin(), shown.end(), [&](QRgb pixel) {
            return distance(QColor(pixel), colour) < 8;
        });
        if (!desktopHasIt && inImage) {
            found << colour.name();
        }
    }
    return found;
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_normal = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(m_normal); }

    void desktopColoursAreFollowed_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("highlight");
        QTest::newRow("dark") << QColor(0x20, 0x20, 0x20) << QColor(0xf0, 0xf0, 0xf0)
                              << QColor(0x3d, 0xae, 0xe9);
        QTest::newRow("high contrast, white on black")
            << QColor(Qt::black) << QColor(Qt::white) << QColor(0x1a, 0xeb, 0xff);
        QTest::newRow("high contrast, black on white")
            << QColor(Qt::white) << QColor(Qt::black) << QColor(0x60, 0x00, 0x00);
    }

    // State: a desktop palette, Svolgimento open, 3, 4, 9 calculated after 3, 4, 5. Expected:
    // the pictures hold only the desktop's colours (the failing condition in its highlight), and
    // the design's blue captions take its text colour.
    void desktopColoursAreFollowed() {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(QColor, highlight);
        QApplication::setPalette(desktopPalette(window, text, highlight));
        ShownForm shown;
        for (std::size_t side = 0; side < 3; ++side) {
            shown.field(side)->setText(QString::number(side + 3));
        }
        shown.calcolo()->click();
        shown.field(2)->setText(QStringLiteral("9"));
        shown.calcolo()->click();
        shown.button(Role::OpenWorking)->click();
        QWidget* working = shown.form->findChild<QWidget*>(toQString(WORKING_FORM.name));
        QVERIFY(working != nullptr);

        for (const Drawing drawing :
             {Drawing::TriangleFigure, Drawing::BriggsFormulas, Drawing::ValidityConditions}) {
            const QImage image = shown.picture(drawing)->grab().toImage();
            QCOMPARE(designColoursShown(image, {window, text, highlight}), QStringList());
            QCOMPARE(image.pixelColor(1, 1), window);
        }
        const QImage conditions = shown.picture(Drawing::ValidityConditions)->grab().toImage();
        QVERIFY(coloursOf(conditions).contains(highlight.rgb() & 0xffffff));
        auto* figure = working->findChild<PictureWidget*>();
        QCOMPARE(designColoursShown(figure->grab().toImage(), {window, text, highlight}),
                 QStringList());

        const Control& heading = controlOfRole(FORM2, Role::Heading);
        QCOMPARE(shown.control<QLabel>(heading)->palette().color(QPalette::WindowText), text);
        if (qEnvironmentVariableIsSet("ZIREV1_SCREENSHOTS")) {
            const QString name =
                QString::fromLatin1(QTest::currentDataTag()).split(',')[0].replace(' ', '-');
            shown.form->resize(1280, 1024); // the design's screen, wider than the offscreen one
            shown.form->grab().save(qEnvironmentVariable("ZIREV1_SCREENSHOTS") +
                                    QStringLiteral("/window-%1.png").arg(name));
            working->grab().save(qEnvironmentVariable("ZIREV1_SCREENSHOTS") +
                                 QStringLiteral("/window-svolgimento-%1.png").arg(name));
        }
    }

    // State: the toolkit's own palette. Expected: the design's white pictures and blue heading.
    void normalSettingKeepsTheDesign() {
        ShownForm shown;
        const QImage figure = shown.picture(Drawing::TriangleFigure)->grab().toImage();
        QCOMPARE(QColor(figure.pixel(2, 2)), QColor(Qt::white));
        const Control& heading = controlOfRole(FORM2, Role::Heading);
        QCOMPARE(shown.control<QLabel>(heading)->palette().color(QPalette::WindowText),
                 QColor(BLUE.red, BLUE.green, BLUE.blue));
    }

private:
    QPalette m_normal;
};

std::unique_ptr<QObject> makeContrastTest() {
    return std::make_unique<ContrastTest>();
}

#include "contrast_test.moc"
