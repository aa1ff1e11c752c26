// SPDX-License-Identifier: MIT
// Describes the window for the web edition, at build time: every control of Form2 in stacking
// order (name, kind, place and size in pixels, font, colours, caption, accessible name and
// description, place in the tab order) as JSON, and each picture drawn by its own painter code
// into an SVG file.
//
//   zirev1_describe_window OUTPUT_DIR    -> OUTPUT_DIR/window.json, Image1.svg, Image2.svg, ...

#include "arithmetic_fault.h"
#include "form2.h"
#include "picture.h"
#include "runtime_directory.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>

#include <cstdio>

namespace {

QString colourName(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QJsonObject fontOf(const QWidget& widget) {
    const QFont& font = widget.font();
    return {{"family", font.family()},
            {"pointSize", font.pointSizeF()},
            {"pixelSize", font.pointSizeF() * widget.logicalDpiY() / 72.0},
            {"bold", font.bold()}};
}

QString kindOf(const QWidget& widget) {
    if (qobject_cast<const zirev1::Picture*>(&widget)) {
        return QStringLiteral("picture");
    }
    if (qobject_cast<const QLineEdit*>(&widget)) {
        return QStringLiteral("field");
    }
    if (qobject_cast<const QPushButton*>(&widget)) {
        return QStringLiteral("button");
    }
    return QStringLiteral("label");
}

QByteArray svgOf(QWidget& picture) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(picture.size());
    generator.setViewBox(QRect(QPoint(), picture.size()));
    generator.setResolution(picture.logicalDpiX());
    generator.setTitle(picture.accessibleName());
    QPainter painter(&generator);
    picture.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return buffer.data();
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zirev1_describe_window OUTPUT_DIR\n");
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zirev1::provideRuntimeDirectory();
    QApplication app(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    zirev1::Form2 form;
    form.ensurePolished();

    QList<QWidget*> tabOrder;
    for (QWidget* widget = form.focusWidget() ? form.focusWidget()
                                              : form.findChild<QWidget*>("Command1");
         widget != nullptr && !tabOrder.contains(widget); widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            tabOrder << widget;
        }
    }

    QJsonArray controls;
    for (QObject* child : form.children()) { // stacking order, bottom first
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->objectName().isEmpty()) {
            continue;
        }
        QJsonObject control{{"name", widget->objectName()},
                            {"kind", kindOf(*widget)},
                            {"left", widget->x()},
                            {"top", widget->y()},
                            {"width", widget->width()},
                            {"height", widget->height()},
                            {"font", fontOf(*widget)},
                            {"accessibleName", widget->accessibleName()},
                            {"accessibleDescription", widget->accessibleDescription()},
                            {"tabIndex", tabOrder.indexOf(widget) + 1}};
        const QPalette& palette = widget->palette();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            control["caption"] = label->text();
            control["colour"] = colourName(palette.color(QPalette::WindowText));
            control["background"] = colourName(palette.color(QPalette::Window));
            // An autosized label takes its caption's size; a fixed one keeps its own.
            control["autoSize"] = label->sizeHint() == label->size();
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            control["caption"] = button->text();
            control["colour"] = colourName(palette.color(QPalette::ButtonText));
            control["background"] = colourName(palette.color(QPalette::Button));
        } else if (qobject_cast<QLineEdit*>(widget)) {
            control["colour"] = colourName(palette.color(QPalette::Text));
            control["background"] = colourName(palette.color(QPalette::Base));
        } else if (qobject_cast<zirev1::Picture*>(widget)) {
            const QString file = widget->objectName() + QStringLiteral(".svg");
            if (!write(output.filePath(file), svgOf(*widget))) {
                std::fprintf(stderr, "zirev1_describe_window: cannot write %s\n", qPrintable(file));
                return 1;
            }
            control["svg"] = file;
        }
        controls.append(control);
    }

    const QJsonObject window{
        {"name", form.objectName()},
        {"title", form.windowTitle()},
        {"width", form.width()},
        {"height", form.height()},
        {"background", colourName(form.palette().color(QPalette::Window))},
        {"font", fontOf(form)},
        {"faults", QJsonObject{{"Overflow", zirev1::faultExplanation(zirev1::FaultKind::Overflow)},
                               {"DivisionByZero",
                                zirev1::faultExplanation(zirev1::FaultKind::DivisionByZero)}}},
        {"controls", controls}};
    if (!write(output.filePath(QStringLiteral("window.json")),
               QJsonDocument(window).toJson(QJsonDocument::Indented))) {
        std::fprintf(stderr, "zirev1_describe_window: cannot write window.json\n");
        return 1;
    }
    return 0;
}
