// SPDX-License-Identifier: MIT
#pragma once

#include "form2.h"
#include "form2_description.h"
#include "maximize.h"
#include "qt_conversions.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>

namespace zirev1::testing {

// A shown, active Form2, and its controls found by their role in the form's description.
struct ShownForm {
    std::unique_ptr<Form2> form = std::make_unique<Form2>();

    ShownForm() {
        showMaximizedOnAnyDisplay(*form); // as the program starts it
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get())) {
            qFatal("the window did not become active");
        }
    }
    ~ShownForm() { closeFaultBoxes(); }

    template <typename T = QWidget> T* control(const Control& described) const {
        auto* widget = form->findChild<T*>(toQString(described.name), Qt::FindDirectChildrenOnly);
        if (widget == nullptr) {
            qFatal("no control %s", std::string(described.name).c_str());
        }
        return widget;
    }
    QLineEdit* field(std::size_t side) const { return control<QLineEdit>(sideField(FORM2, side)); }
    QPushButton* calcolo() const { return control<QPushButton>(calculateButton(FORM2)); }
    QLabel* result(std::size_t index) const { return control<QLabel>(resultLabel(FORM2, index)); }
    QPushButton* button(Role role) const {
        return control<QPushButton>(controlOfRole(FORM2, role));
    }
    QLabel* message() const { return control<QLabel>(controlOfRole(FORM2, Role::Message)); }
    QWidget* picture(Drawing drawing) const {
        for (const Control& c : FORM2.controls) {
            if (c.drawing == drawing) {
                return control(c);
            }
        }
        qFatal("no picture draws %d", static_cast<int>(drawing));
    }

    // The result labels' captions in the order their texts are written.
    QStringList results() const {
        QStringList captions;
        for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
            captions << result(i)->text();
        }
        return captions;
    }

    // The fault boxes that are open.
    QList<QMessageBox*> faultBoxes() const {
        QList<QMessageBox*> open;
        for (QMessageBox* box : form->findChildren<QMessageBox*>()) {
            if (box->isVisible()) {
                open << box;
            }
        }
        return open;
    }
    void closeFaultBoxes() const {
        for (QMessageBox* box : faultBoxes()) {
            box->button(QMessageBox::Ok)->click();
        }
    }

    void type(std::size_t side, const QString& text) const {
        QLineEdit* edit = field(side);
        edit->setFocus();
        edit->end(false);
        for (const QChar ch : text) {
            if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F) {
                QTest::keyClick(edit, ch.toLatin1());
            } else { // a key of another keyboard: its character, no Qt key code
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            }
        }
    }
    void clickCalcolo() const { QTest::mouseClick(calcolo(), Qt::LeftButton); }
    void setSides(const QString& a, const QString& b, const QString& c) const {
        field(0)->setText(a);
        field(1)->setText(b);
        field(2)->setText(c);
    }
    void calculate(const QString& a, const QString& b, const QString& c) const {
        setSides(a, b, c);
        clickCalcolo();
    }
};

} // namespace zirev1::testing
