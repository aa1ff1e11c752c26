// SPDX-License-Identifier: MIT
// Renders the application's SVG icon at build time to raw premultiplied ARGB32 pixels of the given
// size (native byte order: the build machine's is the program's), so that the window shows the
// same icon without an SVG engine or an image decoder at start-up.
//
//   zirev1_render_icon ICON.svg OUTPUT.argb SIZE

#include "runtime_directory.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zirev1_render_icon ICON.svg OUTPUT.argb SIZE\n");
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zirev1::provideRuntimeDirectory();
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[3]).toInt();
    if (!renderer.isValid() || size <= 0) {
        std::fprintf(stderr, "zirev1_render_icon: cannot render %s at %s\n", argv[1], argv[3]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QFile output(QString::fromLocal8Bit(argv[2]));
    const auto bytes = static_cast<qint64>(image.sizeInBytes());
    const bool written =
        output.open(QIODevice::WriteOnly) &&
        output.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes;
    return written ? 0 : 1;
}
