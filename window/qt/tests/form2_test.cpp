// SPDX-License-Identifier: MIT
#include "window_test_support.h"

#include <QAccessible>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <memory>

using zirev1::testing::resultCaptions;
using zirev1::testing::ShownForm;

namespace {

const QStringList RESULTS_345 = {"36", "52", "12", "53", "7",  "48",
                                 "89", "59", "60", "4.", "6.", "12."};
const QStringList BLANK_RESULTS = QStringList(12, QString());

const QSize RESTORED_SIZE(zirev1::twipsToPixels(zirev1::FORM2.restoredClientSize.width),
                          zirev1::twipsToPixels(zirev1::FORM2.restoredClientSize.height));

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void window() {
        ShownForm shown;
        QCOMPARE(shown.form->windowTitle(), QStringLiteral("zirev1."));
        QVERIFY(shown.form->isMaximized());
        QCOMPARE(shown.form->normalGeometry().size(), RESTORED_SIZE);
        QVERIFY(shown.form->layout() == nullptr);
    }

    // With or without a window manager to maximize it, the window covers the screen's available
    // area, and its restored size stays the design client area. (Run also on a bare X display.)
    void coversTheAvailableArea() {
        ShownForm shown;
        const QRect available = shown.form->screen()->availableGeometry();
        QTRY_COMPARE(shown.form->frameGeometry().united(available), available);
        QTRY_VERIFY(shown.form->width() >= available.width() * 9 / 10);
        QTRY_VERIFY(shown.form->height() >= available.height() * 9 / 10);
        QCOMPARE(shown.form->normalGeometry().size(), RESTORED_SIZE);
    }

    // State: window at start. Expected: every result blank and the focus on "Calcolo".
    void startsBlankWithTheFocusOnCalcolo() {
        ShownForm shown;
        QCOMPARE(resultCaptions(shown), BLANK_RESULTS);
        QCOMPARE(QApplication::focusWidget(), shown.child("Command1"));
    }

    // Action: type 3, 4, 5 and click "Calcolo". Expected: the twelve results in order.
    void calculatesTheRightTriangle() {
        ShownForm shown;
        shown.calculate("3", "4", "5");
        QCOMPARE(resultCaptions(shown), RESULTS_345);
        QVERIFY(shown.faults.isEmpty());
    }

    // State: 3, 4, 5 calculated. Action: c becomes 9 (no triangle), then b becomes 0.
    // Expected: the labels still show 3, 4, 5.
    void invalidInputKeepsTheLastResults() {
        ShownForm shown;
        shown.calculate("3", "4", "5");
        shown.field("Text4")->setText("9");
        shown.clickCalcolo();
        QCOMPARE(resultCaptions(shown), RESULTS_345);
        shown.field("Text4")->setText("5");
        shown.field("Text2")->setText("0");
        shown.clickCalcolo();
        QCOMPARE(resultCaptions(shown), RESULTS_345);
        QVERIFY(shown.faults.isEmpty());
    }

    void emptyFieldsChangeNothing() {
        ShownForm shown;
        shown.clickCalcolo();
        QCOMPARE(resultCaptions(shown), BLANK_RESULTS);
    }

    // Action: Enter in a field, Enter on the button. Expected: nothing; Space on the button
    // calculates.
    void onlyTheButtonCalculates() {
        ShownForm shown;
        shown.enterSides("3", "4", "5");
        QTest::keyClick(shown.field("Text4"), Qt::Key_Return);
        QTest::keyClick(shown.field("Text4"), Qt::Key_Enter);
        auto* button = shown.child<QPushButton>("Command1");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(resultCaptions(shown), BLANK_RESULTS);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(resultCaptions(shown), RESULTS_345);
    }

    // Action: pasted sides that overflow, or divide by zero. Expected: one report naming the
    // kind, labels unchanged, and the window goes on working.
    void faultsAreReportedAndTheWindowGoesOn() {
        ShownForm shown;
        shown.calculate("3", "4", "5");

        shown.field("Text1")->setText(QString(400, QLatin1Char('9')));
        shown.clickCalcolo();
        QCOMPARE(shown.faults, QStringList{"Overflow"});
        QCOMPARE(resultCaptions(shown), RESULTS_345);

        const QString tiny = "0." + QString(169, QLatin1Char('0')) + "1";
        shown.field("Text1")->setText(tiny);
        shown.field("Text2")->setText(tiny);
        shown.field("Text4")->setText(tiny);
        shown.clickCalcolo();
        QCOMPARE(shown.faults, (QStringList{"Overflow", "Divisione per zero"}));
        QCOMPARE(resultCaptions(shown), RESULTS_345);

        shown.field("Text1")->setText("7");
        shown.field("Text2")->setText("8");
        shown.field("Text4")->setText("9");
        shown.clickCalcolo();
        QCOMPARE(shown.caption("Label11"), QStringLiteral("26.832816"));
    }

    // The real report: a modal box titled "zirev1." naming the fault. A timer closes it.
    void defaultFaultReportIsAModalBox() {
        Form2Holder holder;
        holder.form->findChild<QLineEdit*>("Text1")->setText(QString(400, QLatin1Char('9')));
        QString title;
        QString text;
        QString explanation;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            explanation = box->informativeText();
            box->accept();
        });
        QTest::mouseClick(holder.form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("zirev1."));
        QCOMPARE(text, QStringLiteral("Overflow"));
        QVERIFY(explanation.contains(QStringLiteral("troppo grande")));
    }

    // Run by the comma-locale test, with LC_ALL=it_IT.UTF-8.
    void measuresFollowTheCommaLocale() {
        if (qgetenv("LC_ALL") != "it_IT.UTF-8") {
            QSKIP("run with LC_ALL=it_IT.UTF-8 by its own test");
        }
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        ShownForm shown;
        shown.calculate("2", "3.0", "4");
        QCOMPARE(shown.caption("Label7"), QStringLiteral("2,904738"));
        QCOMPARE(shown.caption("Label11"), QStringLiteral("2,904738"));
        QCOMPARE(shown.caption("Label15"), QStringLiteral("9,"));
        QCOMPARE(shown.caption("Label12"), QStringLiteral("104"));
    }

    // A screen reader walks the window's accessibility tree: the fields and the button by their
    // Italian names, and after "Calcolo" each result by its value and description.
    void accessibilityTree() {
        ShownForm shown;
        shown.calculate("3", "4", "5");
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(shown.form.get());
        QVERIFY(window != nullptr);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("zirev1."));
        QMap<QString, QAccessible::Role> named;
        QMap<QString, QString> results; // description -> value
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            named.insert(child->text(QAccessible::Name), child->role());
            if (!child->text(QAccessible::Description).isEmpty()) {
                results.insert(child->text(QAccessible::Description),
                               child->text(QAccessible::Name));
            }
        }
        QCOMPARE(named.value("Lato a"), QAccessible::EditableText);
        QCOMPARE(named.value("Lato b"), QAccessible::EditableText);
        QCOMPARE(named.value("Lato c"), QAccessible::EditableText);
        QCOMPARE(named.value("Calcolo"), QAccessible::Button);
        QCOMPARE(results.size(), 12);
        QCOMPARE(results.value(QString::fromUtf8("γ, secondi")), QStringLiteral("60"));
        QCOMPARE(results.value("Superficie"), QStringLiteral("6."));
        QCOMPARE(results.value("Altezza h su a"), QStringLiteral("4."));
        QCOMPARE(results.value("Perimetro"), QStringLiteral("12."));
    }

    void windowIcon() {
        ShownForm shown;
        const QIcon icon = shown.form->windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
        QVERIFY(!icon.pixmap(48).toImage().isNull());
    }

    // Controls never move or resize with the window.
    void controlsStayWhenTheWindowShrinks() {
        ShownForm shown;
        QList<QRect> before;
        for (QWidget* child : shown.form->findChildren<QWidget*>()) {
            before << child->geometry();
        }
        shown.form->showNormal();
        shown.form->resize(200, 150);
        QList<QRect> after;
        for (QWidget* child : shown.form->findChildren<QWidget*>()) {
            after << child->geometry();
        }
        QCOMPARE(after, before);
    }

private:
    // A Form2 with the default fault report.
    struct Form2Holder {
        std::unique_ptr<zirev1::Form2> form = std::make_unique<zirev1::Form2>();
        Form2Holder() { form->show(); }
    };
};

std::unique_ptr<QObject> makeForm2Test() {
    return std::make_unique<Form2Test>();
}

#include "form2_test.moc"
