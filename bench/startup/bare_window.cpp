// SPDX-License-Identifier: MIT
// The reference for start-up: the barest Qt 6 Widgets window, one label, maximized.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("zirev1."));
    label.showMaximized();
    return QApplication::exec();
}
