// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The batch mode's own work around a press: cutting a line into fields, and writing the answer.
#include <benchmark/benchmark.h>

#include <string>

#include "report/batch.h"
#include "report/json_writer.h"

namespace {

constexpr std::string_view validLine = "192\t168\t1\t70\t255\t255\t255\t224";
constexpr std::string_view rejectedLine = "10\t1\t2\t3\t255\t0\t255\t0";

void BM_SplitBatchFields(benchmark::State& bench) {
    for (auto _ : bench)
        benchmark::DoNotOptimize(octaval::splitBatchFields(validLine));
}
BENCHMARK(BM_SplitBatchFields);

void BM_AppendResultJson(benchmark::State& bench) {
    octaval::CalculatorState state;
    octaval::BatchBoxes boxes;
    std::string out;
    octaval::processBatchLine(validLine, 1, state, boxes, out);
    for (auto _ : bench) {
        out.clear();
        octaval::appendResultJson(out, boxes.outputs());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_AppendResultJson);

void lineWith(benchmark::State& bench, std::string_view line) {
    octaval::CalculatorState state;
    octaval::BatchBoxes boxes;
    std::string out;
    for (auto _ : bench) {
        out.clear();
        octaval::processBatchLine(line, 1, state, boxes, out);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_ProcessBatchLineValid(benchmark::State& bench) {
    lineWith(bench, validLine);
}
BENCHMARK(BM_ProcessBatchLineValid);

void BM_ProcessBatchLineRejected(benchmark::State& bench) {
    lineWith(bench, rejectedLine);
}
BENCHMARK(BM_ProcessBatchLineRejected);

void BM_ProcessBatchLineMalformed(benchmark::State& bench) {
    lineWith(bench, "10.1.2.3 255.255.0.0");
}
BENCHMARK(BM_ProcessBatchLineMalformed);

}  // namespace
