// SPDX-License-Identifier: MIT
#include "window_test_support.h"

#include <QElapsedTimer>
#include <QFile>

#include <memory>

using zirev1::testing::ShownForm;

namespace {

constexpr int TEN_MB = 10 * 1000 * 1000;

// Resident memory of this process in KiB, from /proc.
long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

bool underSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Action: 10 MB pasted into a field, then "Calcolo". Expected: no crash and the leading
    // number rule applied to the whole text. The times are printed: Qt's own drawing of the
    // pasted text, then the click.
    void tenMegabytePastes() {
        ShownForm shown;
        QElapsedTimer timer;
        timer.start();
        shown.field(0)->setText(QStringLiteral("3") + QString(TEN_MB, QLatin1Char('x')));
        shown.field(1)->setText(QStringLiteral("4,") + QString(1000, QLatin1Char('7')));
        shown.field(2)->setText(QStringLiteral("5.") + QString(1000, QLatin1Char('0')));
        QApplication::processEvents();
        qInfo("pasting and drawing a 10 MB field: %lld ms", timer.elapsed());
        QCOMPARE(shown.field(0)->text().size(), TEN_MB + 1); // nothing cut off
        timer.restart();
        shown.clickCalcolo();
        qInfo("Calcolo with a 10 MB field: %lld ms", timer.elapsed());
        const QStringList solved = shown.results();
        ShownForm plain;
        plain.calculate("3", "4", "5");
        QCOMPARE(solved, plain.results());

        shown.field(0)->setText(QString(TEN_MB, QLatin1Char('9')));
        QApplication::processEvents();
        timer.restart();
        shown.clickCalcolo();
        qInfo("Calcolo with a 10 MB number: %lld ms", timer.elapsed());
        QCOMPARE(shown.faultBoxes().size(), 1);
        QCOMPARE(shown.faultBoxes().front()->text(), QStringLiteral("Overflow"));
        QCOMPARE(shown.results(), solved);
    }

    // Action: 10,000 calculations. Expected: resident memory stays flat.
    void tenThousandCalculationsLeaveMemoryFlat() {
        if (underSanitizer()) {
            QSKIP("the sanitizer's own bookkeeping grows; it checks leaks itself");
        }
        ShownForm shown;
        const char* sides[][3] = {{"3", "4", "5"}, {"7", "8", "9"}, {"1", "1", "1.9"}};
        const auto calculate = [&](int times) {
            for (int i = 0; i < times; ++i) {
                const auto& s = sides[i % 3];
                shown.field(0)->setText(QString::fromLatin1(s[0]));
                shown.field(1)->setText(QString::fromLatin1(s[1]));
                shown.field(2)->setText(QString::fromLatin1(s[2]));
                shown.clickCalcolo();
                if (i % 100 == 0) {
                    QApplication::processEvents(); // let the labels repaint
                }
            }
        };
        calculate(300); // warm up caches and glyphs
        const long before = residentKiB();
        calculate(10000);
        const long after = residentKiB();
        qInfo("resident memory: %ld KiB before, %ld KiB after 10,000 calculations", before, after);
        QVERIFY(before > 0);
        QVERIFY2(after - before < 1024, "grew by a MiB or more");
        QVERIFY(!shown.results().contains(QString()));
    }
};

std::unique_ptr<QObject> makeHostileInputTest() {
    return std::make_unique<HostileInputTest>();
}

#include "hostile_input_test.moc"
