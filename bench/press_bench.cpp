// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One press of "Recalculate" on the real main window, with the repaint of the boxes that it
// changed. Runs on the platform given by QT_QPA_PLATFORM (offscreen when no display is set).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>

#include "ui/frm_main.h"

namespace {

using octaval::Box;

void setInputs(octaval::frmMain& window, const std::array<const char*, 8>& texts) {
    for (int k = 1; k <= 8; ++k)
        window.box(octaval::boxNumber(k))->setText(QString::fromLatin1(texts[k - 1]));
}

void pressLoop(benchmark::State& state, bool repaint) {
    octaval::frmMain window;
    window.show();
    QCoreApplication::processEvents();
    QPushButton* recalculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    // Two addresses in turn, so that every press changes the boxes it writes.
    const std::array<const char*, 8> first = {"192", "168", "1", "70", "255", "255", "255", "224"};
    const std::array<const char*, 8> second = {"10", "1", "2", "3", "255", "255", "0", "0"};
    setInputs(window, first);
    setInputs(window, second);
    bool flip = false;
    for (auto _ : state) {
        state.PauseTiming();
        setInputs(window, (flip = !flip) ? first : second);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        recalculate->click();
        // Paints the changed boxes and hands the frame to the window system.
        if (repaint) QCoreApplication::processEvents();
    }
}

void BM_PressAndRepaint(benchmark::State& state) {
    pressLoop(state, true);
}
BENCHMARK(BM_PressAndRepaint)->Unit(benchmark::kMicrosecond);

// The press alone, the repaint left to the next iteration's paused part.
void BM_PressOnly(benchmark::State& state) {
    pressLoop(state, false);
}
BENCHMARK(BM_PressOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
