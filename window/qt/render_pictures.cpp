// SPDX-License-Identifier: MIT
// Draws each picture of the form through Qt's painter, at its own pixel size and scale 1, on a
// white ground, as PNG files.
//
//   zirev1_render_pictures OUTPUT_DIR    -> OUTPUT_DIR/NAME.png, by each picture's name

#include "form2_description.h"
#include "qt_canvas.h"
#include "qt_conversions.h"
#include "runtime_directory.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zirev1_render_pictures OUTPUT_DIR\n");
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zirev1::provideRuntimeDirectory();
    QGuiApplication app(argc, argv);
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
