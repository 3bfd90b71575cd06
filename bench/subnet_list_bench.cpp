// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// octaval-cli --list to /dev/null: the 4,194,304 subnets of a class A address under
// 255.255.255.252, as text, as JSON Lines and as CSV, in rows a second.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "cli/list.h"

namespace {

void listToDevNull(benchmark::State& bench, octaval::ListFormat format) {
    const octaval::AddressTexts inputs = {{"10", "1", "2", "3"}, {{"255", "255", "255", "252"}}};
    const int fd = open("/dev/null", O_WRONLY);
    for (auto _ : bench)
        benchmark::DoNotOptimize(octaval::writeSubnetList(inputs, format, fd).exitStatus);
    close(fd);
    bench.SetItemsProcessed(bench.iterations() * (std::int64_t{1} << 22));
}

void BM_ListText(benchmark::State& bench) {
    listToDevNull(bench, octaval::ListFormat::text);
}
BENCHMARK(BM_ListText)->Unit(benchmark::kMillisecond);

void BM_ListJsonLines(benchmark::State& bench) {
    listToDevNull(bench, octaval::ListFormat::jsonLines);
}
BENCHMARK(BM_ListJsonLines)->Unit(benchmark::kMillisecond);

void BM_ListCsv(benchmark::State& bench) {
    listToDevNull(bench, octaval::ListFormat::csv);
}
BENCHMARK(BM_ListCsv)->Unit(benchmark::kMillisecond);

}  // namespace
