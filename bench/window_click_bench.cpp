// SPDX-License-Identifier: MIT
// From a click of "Calcolo" to the twelve result labels repainted, on the offscreen platform.
//
//   build/bench/zirev1_window_click_bench

#include "form2.h"
#include "form2_description.h"
#include "qt_conversions.h"

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
    using zirev1::FORM2;
    const auto named = [](const zirev1::Control& control) {
        return zirev1::toQString(control.name);
    };
    auto* a = form.findChild<QLineEdit*>(named(zirev1::sideField(FORM2, 0)));
    auto* b = form.findChild<QLineEdit*>(named(zirev1::sideField(FORM2, 1)));
    auto* c = form.findChild<QLineEdit*>(named(zirev1::sideField(FORM2, 2)));
    auto* button = form.findChild<QPushButton*>(named(zirev1::calculateButton(FORM2)));
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
