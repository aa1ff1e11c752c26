// SPDX-License-Identifier: MIT
#pragma once

#include "form2.h"
#include "form2_description.h"
#include "maximize.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>

namespace zirev1::testing {

// A shown, active Form2 whose fault reports are collected instead of shown in a box.
struct ShownForm {
    std::unique_ptr<Form2> form = std::make_unique<Form2>();
    QStringList faults;

    ShownForm() {
        form->setFaultReporter([this](QWidget*, FaultKind fault) {
            const std::string_view name = faultName(fault);
            faults << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        });
        showMaximizedOnAnyDisplay(*form); // as the program starts it
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get())) {
            qFatal("the window did not become active");
        }
    }

    template <typename T = QWidget> T* child(const char* name) const {
        auto* widget = form->findChild<T*>(QLatin1String(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }
    QString caption(const char* name) const { return child<QLabel>(name)->text(); }

    void type(const char* fieldName, const QString& text) const {
        QLineEdit* edit = field(fieldName);
        QTest::mouseClick(edit, Qt::LeftButton);
        for (const QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClick(edit, ch.toLatin1());
            } else { // a key of another keyboard: its character, no Qt key code
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            }
        }
    }
    void clickCalcolo() const { QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton); }
    // Types the three sides into their fields.
    void enterSides(const QString& a, const QString& b, const QString& c) const {
        type("Text1", a);
        type("Text2", b);
        type("Text4", c);
    }
    // Types the three sides and clicks "Calcolo".
    void calculate(const QString& a, const QString& b, const QString& c) const {
        enterSides(a, b, c);
        clickCalcolo();
    }
};

// The result labels' captions in the order their texts are written.
inline QStringList resultCaptions(const ShownForm& shown) {
    QStringList captions;
    for (const std::string_view name : FORM2.resultLabels) {
        captions << shown.caption(std::string(name).c_str());
    }
    return captions;
}

} // namespace zirev1::testing
