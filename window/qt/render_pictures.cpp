// SPDX-License-Identifier: MIT
// Draws each picture of the form through Qt's painter, at its own pixel size and scale 1, on a
// white ground, as PNG files; or the printed sheet of a triangle as the window writes its PDF.
//
//   zirev1_render_pictures OUTPUT_DIR    -> OUTPUT_DIR/NAME.png, by each picture's name
//   zirev1_render_pictures --sheet A B C SEPARATOR DATE OUTPUT.pdf

#include "form2_description.h"
#include "qt_canvas.h"
#include "qt_conversions.h"
#include "runtime_directory.h"
#include "sheet_printing.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

int writeSheet(char** arguments) {
    const std::array<std::string, 3> sides{arguments[0], arguments[1], arguments[2]};
    const std::string separator = arguments[3];
    const auto calculation = zirev1::calculateForWindow(sides[0], sides[1], sides[2], separator);
    if (calculation.faulted() || !calculation->results) {
        std::fprintf(stderr, "zirev1_render_pictures: %s, %s, %s give no results to print\n",
                     arguments[0], arguments[1], arguments[2]);
        return 65;
    }
    const QString file = QString::fromLocal8Bit(arguments[5]);
    if (!zirev1::writeSheetPdf(file, {sides, *calculation, arguments[4], separator})) {
        std::fprintf(stderr, "zirev1_render_pictures: cannot write %s\n", qPrintable(file));
        return 73;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool sheet = argc == 8 && std::string_view(argv[1]) == "--sheet";
    if (argc != 2 && !sheet) {
        std::fprintf(stderr,
                     "usage: zirev1_render_pictures OUTPUT_DIR\n"
                     "       zirev1_render_pictures --sheet A B C SEPARATOR DATE OUTPUT.pdf\n");
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zirev1::provideRuntimeDirectory();
    QGuiApplication app(argc, argv);
    if (sheet) {
        return writeSheet(argv + 2);
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (const zirev1::Control& control : zirev1::FORM2.controls) {
        if (control.kind != zirev1::ControlKind::Picture) {
            continue;
        }
        const QRect place = zirev1::toQRect(control.startPlace());
        QImage image(place.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            zirev1::QtCanvas canvas(painter);
            zirev1::draw(control.drawing, canvas);
        }
        const QString file = output.filePath(zirev1::toQString(control.name) + ".png");
        if (!image.save(file)) {
            std::fprintf(stderr, "zirev1_render_pictures: cannot write %s\n", qPrintable(file));
            return 73;
        }
    }
    return 0;
}
