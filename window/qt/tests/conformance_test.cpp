// SPDX-License-Identifier: MIT
// The window against its description: every control the Qt window realized, walked from the
// form's table, at its place and size, in its stacking and tab order, with its caption, font,
// colour and accessible texts. Moving a control in the description moves it here too.
#include "picture_widget.h"
#include "qt_conversions.h"
#include "window_test_support.h"
#include "working_form_description.h"
#include "working_rows.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTableWidget>

#include <memory>

using zirev1::testing::ShownForm;
using namespace zirev1;

class ConformanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls_data() {
        QTest::addColumn<bool>("working");
        QTest::addColumn<int>("index");
        for (const FormDescription* form : {&FORM2, &WORKING_FORM}) {
            for (std::size_t i = 0; i < form->controls.size(); ++i) {
                QTest::newRow(std::string(form->controls[i].name).c_str())
                    << (form == &WORKING_FORM) << static_cast<int>(i);
            }
        }
    }

    // State: the window at start, and Svolgimento as it opens. Expected: the control is what the
    // description says.
    void controls() {
        QFETCH(bool, working);
        QFETCH(int, index);
        const FormDescription& form = working ? WORKING_FORM : FORM2;
        const Control& control = form.controls[static_cast<std::size_t>(index)];
        ShownForm shown;
        QWidget* parent = shown.form.get();
        if (working) {
            shown.button(Role::OpenWorking)->click();
            parent = shown.form->findChild<QWidget*>(toQString(WORKING_FORM.name));
            QVERIFY(parent != nullptr && parent->isVisible());
            QCOMPARE(parent->windowTitle(), toQString(WORKING_FORM.title));
        }
        QWidget* widget =
            parent->findChild<QWidget*>(toQString(control.name), Qt::FindDirectChildrenOnly);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), toQRect(control.startPlace()));
        QCOMPARE(parent->children().indexOf(widget), index); // stacking, bottom first
        QCOMPARE(widget->font().weight(), QFont::Bold);

        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible != nullptr);
        const QString name = control.accessibleName.empty() ? toQString(control.caption)
                                                            : toQString(control.accessibleName);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description),
                 toQString(control.accessibleDescription));

        switch (control.kind) {
        case ControlKind::Label: {
            auto* label = qobject_cast<QLabel*>(widget);
            QVERIFY(label != nullptr);
            QCOMPARE(label->text(), toQString(control.caption));
            QCOMPARE(label->font().pointSizeF(), control.font.pointSize);
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     control.ink == Ink::Blue ? toQColor(inkColour(control.ink))
                                              : shown.form->palette().color(QPalette::WindowText));
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            break;
        }
        case ControlKind::Field: {
            auto* field = qobject_cast<QLineEdit*>(widget);
            QVERIFY(field != nullptr);
            QCOMPARE(field->text(), QString());
            QCOMPARE(field->font().pointSizeF(), control.font.pointSize);
            QVERIFY(field->hasFrame());
            QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            break;
        }
        case ControlKind::Button: {
            auto* button = qobject_cast<QPushButton*>(widget);
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), toQString(control.caption));
            QCOMPARE(button->font().pointSizeF(), control.font.pointSize);
            QVERIFY(!button->isDefault() && !button->autoDefault());
            break;
        }
        case ControlKind::Picture:
            QVERIFY(qobject_cast<PictureWidget*>(widget) != nullptr);
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            QCOMPARE(accessible->role(), QAccessible::Client);
            break;
        case ControlKind::Table: {
            auto* table = qobject_cast<QTableWidget*>(widget);
            QVERIFY(table != nullptr);
            QCOMPARE(table->columnCount(), static_cast<int>(std::size(WORKING_COLUMNS)));
            for (int column = 0; column < table->columnCount(); ++column) {
                QCOMPARE(table->horizontalHeaderItem(column)->text(),
                         toQString(WORKING_COLUMNS[static_cast<std::size_t>(column)]));
            }
            QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
            break;
        }
        }
    }

    // Tab walks the focusable controls in the description's order, then back to the first.
    void tabOrder() {
        ShownForm shown;
        const TabOrder order = zirev1::tabOrder(FORM2);
        QCOMPARE(QApplication::focusWidget()->objectName(), toQString(order.controls[0]->name));
        for (std::size_t i = 1; i <= order.count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     toQString(order.controls[i % order.count]->name));
        }
    }

    // After a calculation with long results, autosized result labels take their captions' size
    // by the description's rule and the others keep theirs; none moves.
    void resultLabelsAfterACalculation() {
        ShownForm shown;
        shown.calculate("123456.5", "123456.25", "123456.75");
        for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
            const Control& control = resultLabel(FORM2, i);
            QLabel* label = shown.result(i);
            QVERIFY(!label->text().isEmpty());
            const TwipsSize size = captionSize(label->text().toStdString(), control.font);
            const TwipsRect expected =
                control.autoSize
                    ? TwipsRect{control.place.left, control.place.top, size.width, size.height}
                    : control.place;
            QCOMPARE(label->geometry(), toQRect(expected));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
            QCOMPARE(accessible->text(QAccessible::Name), label->text());
        }
    }
};

std::unique_ptr<QObject> makeConformanceTest() {
    return std::make_unique<ConformanceTest>();
}

#include "conformance_test.moc"
