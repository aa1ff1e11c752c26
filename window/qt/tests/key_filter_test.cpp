// SPDX-License-Identifier: MIT
#include "side_key_filter.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>

#include <memory>

using zirev1::testing::ShownForm;

namespace {

const char* const SIDE_FIELDS[] = {"Text1", "Text2", "Text4"};

// The suite runs under a point locale and under a comma locale; a typed comma differs.
bool commaLocale() {
    return QLocale().decimalPoint() == QStringLiteral(",");
}

} // namespace

class KeyFilterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The locale the run asks for is the one the window sees; without it installed, the comma
    // locale's run would check the point's rule twice.
    void runsInTheLocaleAsked() {
        const QByteArray asked = qgetenv("LC_ALL");
        if (asked.isEmpty()) {
            QSKIP("LC_ALL is unset: the rule of whatever locale this is is checked");
        }
        QCOMPARE(commaLocale(), asked.startsWith("it_IT"));
    }

    // Every 16-bit code: exactly the fourteen of "-+.0123456789" and backspace pass.
    void allowsExactlyTheFourteenCodes() {
        QString allowed;
        for (int code = -32768; code <= 32767; ++code) {
            if (zirev1::isSideKeyAllowed(static_cast<std::int16_t>(code))) {
                allowed += QChar(static_cast<char16_t>(code));
            }
        }
        QCOMPARE(allowed, QStringLiteral("\b+-.0123456789"));
    }

    void typedCharacters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");              // where the separator is the point
        QTest::addColumn<QString>("keptInCommaLocale"); // where it is the comma
        QTest::newRow("comma") << "12,5"
                               << "125"
                               << "12.5";
        QTest::newRow("thousands comma") << "1,250"
                                         << "1250"
                                         << "1.250";
        QTest::newRow("comma and point both") << "1,2.3"
                                              << "12.3"
                                              << "1.2.3";
        QTest::newRow("letters dropped") << "abcXYZ"
                                         << ""
                                         << "";
        QTest::newRow("blank dropped") << "1 2"
                                       << "12"
                                       << "12";
        QTest::newRow("exponent letter dropped") << "3e5"
                                                 << "35"
                                                 << "35";
        QTest::newRow("points are free") << "1.2.3"
                                         << "1.2.3"
                                         << "1.2.3";
        QTest::newRow("signs are free") << "--5+"
                                        << "--5+"
                                        << "--5+";
        QTest::newRow("non-ASCII digits dropped") << QString::fromUtf8("٣½３") << ""
                                                  << "";
        QTest::newRow("other separators dropped") << QString::fromUtf8("3٫5·1'2") << "3512"
                                                  << "3512";
        QTest::newRow("symbols dropped") << "*/=()&%$#"
                                         << ""
                                         << "";
    }

    // Action: type the characters into each field. Expected: only number characters kept, a
    // comma entered as the point in a comma locale.
    void typedCharacters() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, keptInCommaLocale);
        ShownForm shown;
        for (const char* name : SIDE_FIELDS) {
            shown.type(name, typed);
            QCOMPARE(shown.field(name)->text(), commaLocale() ? keptInCommaLocale : kept);
        }
    }

    // The comma lands where the caret is, like any typed character, and replaces a selection.
    void aCommaIsTypedAtTheCaret() {
        ShownForm shown;
        QLineEdit* field = shown.field("Text2");
        shown.type("Text2", "35");
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Comma);
        QCOMPARE(field->text(), commaLocale() ? QStringLiteral("3.5") : QStringLiteral("35"));
        QCOMPARE(field->cursorPosition(), commaLocale() ? 2 : 1);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Comma);
        QCOMPARE(field->text(), commaLocale() ? QStringLiteral(".") : QStringLiteral("35"));
    }

    // Enter (13) and Escape (27) are characters outside the set: dropped, and nothing else
    // happens.
    void enterAndEscapeAreDropped() {
        ShownForm shown;
        shown.type("Text2", "42");
        QLineEdit* field = shown.field("Text2");
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), QStringLiteral("42"));
        QCOMPARE(QApplication::focusWidget(), field);
    }

    // Backspace is in the set and deletes; Delete, arrows and Home type nothing and work as usual.
    void editingKeysWork() {
        ShownForm shown;
        QLineEdit* field = shown.field("Text1");
        shown.type("Text1", "12345");
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("1234"));
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("234"));
        QTest::keyClick(field, Qt::Key_Right);
        QTest::keyClicks(field, "9");
        QCOMPARE(field->text(), QStringLiteral("2934"));
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("293"));
    }

    // The clipboard and undo keys (Ctrl+C, V, X, Z) type the control characters 3, 22, 24 and 26:
    // dropped, so they do nothing in the fields.
    void clipboardAndUndoKeysDoNothing() {
        ShownForm shown;
        QLineEdit* field = shown.field("Text4");
        shown.type("Text4", "123");
        QGuiApplication::clipboard()->setText(QStringLiteral("77"));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("77"));
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("123"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("123"));
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("123"));
    }

    void inputMethodCommits_data() {
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("keptInCommaLocale");
        QTest::newRow("digits pass") << "12.5"
                                     << "12.5"
                                     << "12.5";
        QTest::newRow("comma") << "3,5"
                               << "35"
                               << "3.5";
        QTest::newRow("lone comma") << ","
                                    << ""
                                    << ".";
        QTest::newRow("letters dropped from a mix") << "1a2b"
                                                    << "12"
                                                    << "12";
        QTest::newRow("Greek dropped") << QString::fromUtf8("αβ") << ""
                                       << "";
        QTest::newRow("full-width digits and comma dropped") << QString::fromUtf8("１，２") << ""
                                                             << "";
        // Found by fuzzing: a backspace inside a commit was inserted as a control character.
        QTest::newRow("backspace inside a commit dropped") << "1\b2"
                                                           << "12"
                                                           << "12";
        QTest::newRow("lone backspace commit inserts nothing") << "\b"
                                                               << ""
                                                               << "";
    }

    // Characters committed by an input method pass the same filter as typed ones.
    void inputMethodCommits() {
        QFETCH(QString, commit);
        QFETCH(QString, kept);
        QFETCH(QString, keptInCommaLocale);
        ShownForm shown;
        QLineEdit* field = shown.field("Text1");
        field->setFocus();
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(field, &event);
        QCOMPARE(field->text(), commaLocale() ? keptInCommaLocale : kept);
    }

    // Pasting through the context menu is not typing: not filtered.
    void pastingIsNotFiltered() {
        ShownForm shown;
        QGuiApplication::clipboard()->setText(QStringLiteral("2,5"));
        shown.field("Text1")->paste();
        QCOMPARE(shown.field("Text1")->text(), QStringLiteral("2,5"));
    }

    // Filtered fields feed the calculation: typed 3,5 gives exactly the results of 3.5 in a
    // comma locale, and of 35 elsewhere (both make a triangle with 30 and 30).
    void filteredTextIsWhatIsCalculated() {
        const auto resultsOf = [](const QString& a) {
            ShownForm shown;
            shown.calculate(a, "30", "30");
            return zirev1::testing::resultCaptions(shown);
        };
        const QStringList withComma = resultsOf("3,5");
        QVERIFY(!withComma.contains(QString()));
        QVERIFY(resultsOf("3.5") != resultsOf("35"));
        QCOMPARE(withComma, resultsOf(commaLocale() ? "3.5" : "35"));
    }
};

std::unique_ptr<QObject> makeKeyFilterTest() {
    return std::make_unique<KeyFilterTest>();
}

#include "key_filter_test.moc"
