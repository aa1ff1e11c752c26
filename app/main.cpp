// SPDX-License-Identifier: MIT
// zirev1: the window.

#include "fonts.h"
#include "form2.h"
#include "form2_description.h"
#include "maximize.h"
#include "runtime_directory.h"

#include <QApplication>

int main(int argc, char** argv) {
    zirev1::provideRuntimeDirectory();
    QApplication app(argc, argv);
    // The X window class (zirev1) and the desktop entry's id tie the window to its
    // launcher and icon.
    QApplication::setApplicationName(QStringLiteral("zirev1"));
    QApplication::setApplicationVersion(QStringLiteral(ZIREV1_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zirev1.Zirev1"));
    // The window's default font for every widget from the start, so that none first loads the
    // platform's default font only to replace it.
    QApplication::setFont(zirev1::windowFont(zirev1::WINDOW_FONT.pointSize));
    zirev1::Form2 window;
    zirev1::showMaximizedOnAnyDisplay(window);
    return QApplication::exec();
}
