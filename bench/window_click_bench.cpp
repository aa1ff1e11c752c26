// SPDX-License-Identifier: MIT
// From a click of "Calcolo" to the twelve result labels repainted, on the offscreen platform.
//
//   build/bench/zirev1_window_click_bench

#include "form2.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void clickToRepaintedLabels(benchmark::State& state) {
    zirev1::Form2 form;
    form.showMaximized();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    auto* a = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* b = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* c = form.findChild<QLineEdit*>(QStringLiteral("Text4"));
    auto* button = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    b->setText(QStringLiteral("8"));
    c->setText(QStringLiteral("9"));
    QApplication::processEvents();
    bool seven = false;
    for (auto _ : state) {
        state.PauseTiming();
        // Alternate between two triangles so that every click changes every label.
        a->setText(seven ? QStringLiteral("7") : QStringLiteral("6.5"));
        seven = !seven;
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents(); // paints what the click changed
    }
}
BENCHMARK(clickToRepaintedLabels)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
