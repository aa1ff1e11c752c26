// SPDX-License-Identifier: MIT
#include "side_key_filter.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>

#include <memory>

using zirev1::testing::ShownForm;

namespace {

// The suite runs under a point locale and under a comma locale; a typed comma differs.
bool commaLocale() {
    return QLocale().decimalPoint() == QStringLiteral(",");
}

} // namespace

class KeyFilterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The comma lands where the caret is, like any typed character, and replaces a selection.
    void aCommaIsTypedAtTheCaret() {
        ShownForm shown;
        QLineEdit* field = shown.field(1);
        shown.type(1, "35");
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Comma);
        QCOMPARE(field->text(), commaLocale() ? QStringLiteral("3.5") : QStringLiteral("35"));
        QCOMPARE(field->cursorPosition(), commaLocale() ? 2 : 1);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Comma);
        QCOMPARE(field->text(), commaLocale() ? QStringLiteral(".") : QStringLiteral("35"));
    }

    // Backspace is in the set and deletes; Delete, arrows and Home type nothing and work as usual.
    void editingKeysWork() {
        ShownForm shown;
        QLineEdit* field = shown.field(0);
        shown.type(0, "12345");
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
        QLineEdit* field = shown.field(2);
        shown.type(2, "123");
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
        QLineEdit* field = shown.field(0);
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
        shown.field(0)->paste();
        QCOMPARE(shown.field(0)->text(), QStringLiteral("2,5"));
    }
};

std::unique_ptr<QObject> makeKeyFilterTest() {
    return std::make_unique<KeyFilterTest>();
}

#include "key_filter_test.moc"
