// SPDX-License-Identifier: MIT
#include "window_test_support.h"

#include <QAccessible>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <memory>

using zirev1::testing::RESULT_LABEL_NAMES;
using zirev1::testing::resultCaptions;
using zirev1::testing::ShownForm;

namespace {

const QStringList RESULTS_345 = {"36", "52", "12", "53", "7",  "48",
                                 "89", "59", "60", "4.", "6.", "12."};
const QStringList BLANK_RESULTS = QStringList(12, QString());

int px(int twips) {
    return (twips + 7) / 15;
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void window() {
        ShownForm shown;
        QCOMPARE(shown.form->windowTitle(), QStringLiteral("zirev1."));
        QVERIFY(shown.form->isMaximized());
        QCOMPARE(shown.form->normalGeometry().size(), QSize(312, 213));
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
        QCOMPARE(shown.form->normalGeometry().size(), QSize(312, 213));
    }

    void staticLabels_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<bool>("blue");
        const auto row = [](const char* name, const char* caption, int left, int top, qreal size,
                            bool blue) {
            QTest::newRow(name) << QString::fromUtf8(caption) << left << top << size << blue;
        };
        row("Label1", "Sui triangoli qualunque", 1200, 360, 48, true);
        row("Label24", "Soluzioni con precisioni angolari di 1''", 1440, 1800, 24, true);
        row("Label4", "Elementi dati: 3 lati ", 240, 2400, 13.5, false);
        row("Label8", "lati", 2280, 3600, 13.5, false);
        row("Label3", "a", 3240, 4320, 13.5, true);
        row("Label6", "b", 3240, 5040, 13.5, true);
        row("Label10", "c", 3240, 5760, 14.25, true);
        row("Label5", "Sup.=", 9240, 4440, 13.5, false);
        row("Label16", "h =", 9255, 5040, 13.5, false);
        row("Label28", "2 p =", 9240, 5520, 13.5, false);
        row("Label21", "    Gradi             Primi            Secondi", 9360, 6720, 9.75, false);
        row("Label17", "α =", 9000, 7200, 14.25, false);
        row("Label25", "β =", 9000, 7800, 14.25, false);
        row("Label9", "γ =", 9000, 8400, 14.25, false);
        row("Label29", "KWZ 2017", 12960, 10200, 9.75, false);
    }

    // State: window at start. Expected: each fixed caption at its place, in its font and colour,
    // sized to its caption (autosize), on an opaque face-coloured ground.
    void staticLabels() {
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(qreal, pointSize);
        QFETCH(bool, blue);
        ShownForm shown;
        auto* label = shown.child<QLabel>(QTest::currentDataTag());
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->pos(), QPoint(px(left), px(top)));
        QCOMPARE(label->size(), label->sizeHint());
        QCOMPARE(label->font().pointSizeF(), pointSize);
        QCOMPARE(label->font().weight(), QFont::Bold);
        QVERIFY(!label->font().italic() && !label->font().underline());
        const QColor expected =
            blue ? QColor(0, 0, 255) : shown.form->palette().color(QPalette::WindowText);
        QCOMPARE(label->palette().color(QPalette::WindowText), expected);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window),
                 shown.form->palette().color(QPalette::Window));
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    void resultLabels_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* name, int left, int top, int width, int height,
                            bool autoSize, const char* description) {
            QTest::newRow(name) << left << top << width << height << autoSize
                                << QString::fromUtf8(description);
        };
        row("Label11", 10200, 4440, 105, 360, true, "Superficie");
        row("Label7", 9840, 5040, 105, 360, true, "Altezza h su a");
        row("Label15", 10680, 5520, 105, 360, true, "Perimetro");
        row("Label18", 9720, 7200, 105, 360, true, "α, gradi");
        row("Label19", 11100, 7200, 105, 360, true, "α, primi");
        row("Label20", 12480, 7200, 1110, 360, false, "α, secondi");
        row("Label22", 9720, 7800, 105, 360, true, "β, gradi");
        row("Label23", 11100, 7800, 105, 360, true, "β, primi");
        row("Label26", 12480, 7800, 1110, 360, false, "β, secondi");
        row("Label12", 9720, 8400, 1110, 360, false, "γ, gradi");
        row("Label13", 11100, 8400, 1110, 360, false, "γ, primi");
        row("Label14", 12480, 8400, 1110, 360, false, "γ, secondi");
    }

    // State: window at start, then a calculation with long results. Expected: blank at first;
    // autosized labels then take their caption's size, the others keep theirs; the value is the
    // accessible name and the description says what it is.
    void resultLabels() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, autoSize);
        QFETCH(QString, description);
        ShownForm shown;
        auto* label = shown.child<QLabel>(QTest::currentDataTag());
        QCOMPARE(label->text(), QString());
        QCOMPARE(label->pos(), QPoint(px(left), px(top)));
        if (!autoSize) {
            QCOMPARE(label->size(), QSize(px(width), px(height)));
        }
        QCOMPARE(label->font().pointSizeF(), 13.5);
        QCOMPARE(label->font().weight(), QFont::Bold);
        QCOMPARE(label->accessibleDescription(), description);

        shown.calculate("123456.5", "123456.25", "123456.75");
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->pos(), QPoint(px(left), px(top)));
        QCOMPARE(label->size(), autoSize ? label->sizeHint() : QSize(px(width), px(height)));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), label->text());
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    void sideFieldsAndButton() {
        ShownForm shown;
        const struct {
            const char* name;
            int top;
            const char* accessibleName;
        } fields[] = {
            {"Text1", 4200, "Lato a"}, {"Text2", 4920, "Lato b"}, {"Text4", 5640, "Lato c"}};
        for (const auto& f : fields) {
            QLineEdit* edit = shown.field(f.name);
            QCOMPARE(edit->geometry(), QRect(px(1920), px(f.top), px(1215), px(495)));
            QCOMPARE(edit->font().pointSizeF(), 12.0);
            QCOMPARE(edit->font().weight(), QFont::Bold);
            QCOMPARE(edit->text(), QString());
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            QVERIFY(edit->hasFrame());
            QCOMPARE(edit->accessibleName(), QString::fromUtf8(f.accessibleName));
        }
        auto* button = shown.child<QPushButton>("Command1");
        QCOMPARE(button->text(), QStringLiteral("Calcolo"));
        QCOMPARE(button->geometry(), QRect(px(10080), px(3360), px(2055), px(495)));
        QCOMPARE(button->font().pointSizeF(), 13.5);
        QVERIFY(!button->isDefault() && !button->autoDefault());
    }

    // State: window at start. Expected: focus on the button; Tab cycles button, a, b, c.
    void startFocusAndTabOrder() {
        ShownForm shown;
        QCOMPARE(resultCaptions(shown), BLANK_RESULTS);
        const char* order[] = {"Command1", "Text1", "Text2", "Text4", "Command1"};
        QCOMPARE(QApplication::focusWidget(), shown.child("Command1"));
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(order[i]));
        }
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
        const QRect before = shown.child("Label14")->geometry();
        shown.form->showNormal();
        shown.form->resize(200, 150);
        QCOMPARE(shown.child("Label14")->geometry(), before);
        QCOMPARE(shown.child("Text1")->geometry(), QRect(px(1920), px(4200), px(1215), px(495)));
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
