// SPDX-License-Identifier: MIT
// The printed sheet from the Qt window: its PDF is one A4 page that holds the heading, the sides
// as given, the twelve results and every value of the working, read back by pdftotext; a needle
// and a side of 4,000 characters still give one page, their cut shown; the print dialog opens
// and cancels.
#include "sheet_printing.h"
#include "window_test_support.h"
#include "working_form.h"
#include "working_form_description.h"

#include <QPrintDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zirev1;
using zirev1::testing::ShownForm;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qFatal("%s failed", qPrintable(program));
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Compatibility forms too: the PDF sets "fi" as its ligature.
QString withoutBlanks(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC)
        .remove(QRegularExpression(QStringLiteral("\\s")));
}

struct Printed {
    QString text; // pdftotext's, without blanks: it sets them by the glyphs' places
    QString info; // pdfinfo's
    PrintSheet sheet;
};

Printed printed(const QStringList& sides) {
    ShownForm shown;
    for (qsizetype side = 0; side < 3; ++side) {
        shown.field(static_cast<std::size_t>(side))->setText(sides[side]);
    }
    shown.calcolo()->click();
    shown.button(Role::OpenWorking)->click();
    auto* working = shown.form->findChild<WorkingForm*>();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    Printed result{{}, {}, working->sheet()};
    if (!writeSheetPdf(pdf, result.sheet)) {
        qFatal("no PDF written");
    }
    if (qEnvironmentVariableIsSet("ZIREV1_SHEET")) {
        QFile::remove(qEnvironmentVariable("ZIREV1_SHEET"));
        QFile::copy(pdf, qEnvironmentVariable("ZIREV1_SHEET"));
    }
    result.text = withoutBlanks(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    result.info = run(QStringLiteral("pdfinfo"), {pdf});
    return result;
}

bool onePageOfA4(const QString& info) {
    return info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))) &&
           info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(A4\\)")));
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sheetHoldsEveryValue_data() {
        QTest::addColumn<QStringList>("sides");
        QTest::newRow("3, 4, 5") << QStringList{"3", "4", "5"};
        QTest::newRow("7, 8, 9") << QStringList{"7", "8", "9"};
    }

    void sheetHoldsEveryValue() {
        QFETCH(QStringList, sides);
        const Printed sheet = printed(sides);
        QVERIFY2(onePageOfA4(sheet.info), qPrintable(sheet.info));
        QVERIFY(sheet.text.contains(QStringLiteral("Suitriangoliqualunque")));
        QVERIFY(sheet.text.contains(QStringLiteral("a=") + sides[0]));
        for (const std::string& result : sheet.sheet.calculation.results->texts) {
            QVERIFY2(sheet.text.contains(QString::fromStdString(result)), result.c_str());
        }
        for (const WorkingSection& section :
             workingSections(sheet.sheet.calculation, sheet.sheet.decimalSeparator)) {
            QVERIFY(sheet.text.contains(withoutBlanks(QString::fromStdString(section.heading))));
            for (const WorkingRow& row : section.rows) {
                const QString line =
                    withoutBlanks(QString::fromStdString(row.quantity + row.working + row.value));
                QVERIFY2(sheet.text.contains(line), qPrintable(line));
            }
        }
    }

    // Whatever the triangle, one page: a needle's working, and a side text of 4,000 characters
    // shortened with its cut shown.
    void oneSheetForAnyTriangle() {
        const Printed needle = printed(
            {QStringLiteral("1"), QStringLiteral("0.5000001"), QStringLiteral("0.5000001")});
        QVERIFY2(onePageOfA4(needle.info), qPrintable(needle.info));
        QVERIFY(needle.text.contains(QStringLiteral("ottusangolo")));
        const QString zeros(3998, QLatin1Char('0'));
        const Printed longText =
            printed({QStringLiteral("3.") + zeros, QStringLiteral("4.") + zeros,
                     QStringLiteral("5.") + zeros});
        QVERIFY2(onePageOfA4(longText.info), qPrintable(longText.info));
        QVERIFY(longText.text.contains(QStringLiteral("a=3.000")));
        QVERIFY(longText.text.contains(withoutBlanks(QStringLiteral("0…"))));
    }

    void printDialogOpensAndCancels() {
        ShownForm shown;
        shown.field(0)->setText(QStringLiteral("3"));
        shown.field(1)->setText(QStringLiteral("4"));
        shown.field(2)->setText(QStringLiteral("5"));
        shown.calcolo()->click();
        shown.button(Role::OpenWorking)->click();
        auto* working = shown.form->findChild<WorkingForm*>();
        working->Command4_Click();
        auto* dialog = working->findChild<QPrintDialog*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        dialog->reject();
        QTRY_VERIFY(working->findChild<QPrintDialog*>() == nullptr);
        QVERIFY(working->isVisible());
    }
};

std::unique_ptr<QObject> makePrintTest() {
    return std::make_unique<PrintTest>();
}

#include "print_test.moc"
