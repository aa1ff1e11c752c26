// zirev1: the window.

#include "form2.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zirev1::Form2 window;
    window.showMaximized();
    return QApplication::exec();
}
