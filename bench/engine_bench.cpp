// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One whole press of "Recalculate" with boxes held in memory.
#include <benchmark/benchmark.h>

#include "engine/calculator.h"

namespace {

using octaval::Box;

void pressWith(benchmark::State& bench, std::array<std::string_view, 4> address,
               std::array<std::string_view, 4> mask) {
    octaval::CalculatorState state;
    octaval::MemoryBoxes boxes;
    setInputs(boxes, address, mask);
    for (auto _ : bench) {
        octaval::Recalculate(state, boxes);
        benchmark::DoNotOptimize(boxes[Box::Text21].data());
    }
}

void BM_PressValid(benchmark::State& bench) {
    pressWith(bench, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
}
BENCHMARK(BM_PressValid);

void BM_PressValidClassA(benchmark::State& bench) {
    pressWith(bench, {"10", "1", "2", "3"}, {"255", "255", "0", "0"});
}
BENCHMARK(BM_PressValidClassA);

void BM_PressRejected(benchmark::State& bench) {
    pressWith(bench, {"10", "1", "2", "3"}, {"255", "0", "255", "0"});
}
BENCHMARK(BM_PressRejected);

void BM_PressOutOfRange(benchmark::State& bench) {
    pressWith(bench, {"1", "2", "3", "4e4"}, {"255", "0", "0", "0"});
}
BENCHMARK(BM_PressOutOfRange);

}  // namespace
