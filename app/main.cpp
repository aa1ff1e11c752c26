// zirev1: the window.

#include "fonts.h"
#include "form2.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window's default font for every widget from the start, so that none first loads the
    // platform's default font only to replace it.
    QApplication::setFont(zirev1::windowFont(zirev1::DEFAULT_POINT_SIZE));
    zirev1::Form2 window;
    window.showMaximized();
    return QApplication::exec();
}
