// SPDX-License-Identifier: MIT
#include "side_key_filter.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QInputMethodEvent>

#include <memory>

using zirev1::testing::ShownForm;

namespace {

const char* const SIDE_FIELDS[] = {"Text1", "Text2", "Text4"};

} // namespace

class KeyFilterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        QTest::addColumn<QString>("kept");
        QTest::newRow("comma dropped") << "12,5"
                                       << "125";
        QTest::newRow("letters dropped") << "abcXYZ"
                                         << "";
        QTest::newRow("blank dropped") << "1 2"
                                       << "12";
        QTest::newRow("exponent letter dropped") << "3e5"
                                                 << "35";
        QTest::newRow("points are free") << "1.2.3"
                                         << "1.2.3";
        QTest::newRow("signs are free") << "--5+"
                                        << "--5+";
        QTest::newRow("non-ASCII digits dropped") << QString::fromUtf8("٣½３") << "";
        QTest::newRow("symbols dropped") << "*/=()&%$#"
                                         << "";
    }

    // Action: type the characters into each field. Expected: only number characters kept.
    void typedCharacters() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        ShownForm shown;
        for (const char* name : SIDE_FIELDS) {
            shown.type(name, typed);
            QCOMPARE(shown.field(name)->text(), kept);
        }
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
        QTest::newRow("digits pass") << "12.5"
                                     << "12.5";
        QTest::newRow("letters dropped from a mix") << "1a2b"
                                                    << "12";
        QTest::newRow("Greek dropped") << QString::fromUtf8("αβ") << "";
        QTest::newRow("full-width digits dropped") << QString::fromUtf8("１２") << "";
        // Found by fuzzing: a backspace inside a commit was inserted as a control character.
        QTest::newRow("backspace inside a commit dropped") << "1\b2"
                                                           << "12";
        QTest::newRow("lone backspace commit inserts nothing") << "\b"
                                                               << "";
    }

    // Characters committed by an input method pass the same filter as typed ones.
    void inputMethodCommits() {
        QFETCH(QString, commit);
        QFETCH(QString, kept);
        ShownForm shown;
        QLineEdit* field = shown.field("Text1");
        field->setFocus();
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(field, &event);
        QCOMPARE(field->text(), kept);
    }

    // Pasting through the context menu is not typing: not filtered.
    void pastingIsNotFiltered() {
        ShownForm shown;
        QGuiApplication::clipboard()->setText(QStringLiteral("2,5"));
        shown.field("Text1")->paste();
        QCOMPARE(shown.field("Text1")->text(), QStringLiteral("2,5"));
    }

    // Filtered fields still feed the calculation: typed 2,5 becomes 25.
    void filteredTextIsWhatIsCalculated() {
        ShownForm shown;
        shown.calculate("2,5", "24", "7");
        QCOMPARE(shown.caption("Label15"), QStringLiteral("56."));
    }
};

std::unique_ptr<QObject> makeKeyFilterTest() {
    return std::make_unique<KeyFilterTest>();
}

#include "key_filter_test.moc"
