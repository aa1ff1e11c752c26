// SPDX-License-Identifier: MIT
// Runs the window test classes; the first argument, when given, names the one to run and the
// rest go to it as Qt Test arguments.

#include "runtime_directory.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

#include <memory>

std::unique_ptr<QObject> makeBehaviourTest();
std::unique_ptr<QObject> makeConformanceTest();
std::unique_ptr<QObject> makeContrastTest();
std::unique_ptr<QObject> makeForm2Test();
std::unique_ptr<QObject> makeKeyFilterTest();
std::unique_ptr<QObject> makePicturesTest();
std::unique_ptr<QObject> makeHostileInputTest();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    zirev1::provideRuntimeDirectory();
    QApplication app(argc, argv);
    // A run asked for in the comma locale must get it: without the locale installed, it would
    // check the point's rules twice.
    if (qgetenv("LC_ALL").startsWith("it_IT") && QLocale().decimalPoint() != QLatin1Char(',')) {
        qFatal("LC_ALL asks for %s, which is not installed", qgetenv("LC_ALL").constData());
    }
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int testArgc = argc > 1 ? argc - 1 : 1;
    char** testArgv = argc > 1 ? argv + 1 : argv;

    int failures = 0;
    const std::pair<const char*, std::unique_ptr<QObject> (*)()> suites[] = {
        {"BehaviourTest", makeBehaviourTest}, {"ConformanceTest", makeConformanceTest},
        {"Form2Test", makeForm2Test},         {"KeyFilterTest", makeKeyFilterTest},
        {"PicturesTest", makePicturesTest},   {"HostileInputTest", makeHostileInputTest},
        {"ContrastTest", makeContrastTest}};
    for (const auto& [name, make] : suites) {
        if (only.isEmpty() || only == QLatin1String(name)) {
            const auto suite = make();
            failures += QTest::qExec(suite.get(), only.isEmpty() ? 1 : testArgc,
                                     only.isEmpty() ? argv : testArgv);
        }
    }
    return failures == 0 ? 0 : 1;
}
