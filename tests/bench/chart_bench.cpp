// The color chart's portable work before each drawing: every number from
// the handed-over record, the picture's shapes and regions, and the hit
// test the hover legend makes.
#include "chart/chart_layout.h"

#include <benchmark/benchmark.h>

namespace {

ChartInput maria() {
    ChartInput input = exampleChartInput();
    return input;
}

void chartNumbers(benchmark::State& state) {
    const ChartInput input = maria();
    for (auto _ : state) benchmark::DoNotOptimize(computeChartNumbers(input));
}
BENCHMARK(chartNumbers);

void chartLayout(benchmark::State& state) {
    const ChartNumbers numbers = computeChartNumbers(maria());
    for (auto _ : state) benchmark::DoNotOptimize(layoutChart(numbers));
}
BENCHMARK(chartLayout);

void numbersAndLayout(benchmark::State& state) {
    const ChartInput input = maria();
    for (auto _ : state) benchmark::DoNotOptimize(layoutChart(computeChartNumbers(input)));
}
BENCHMARK(numbersAndLayout);

// A point over nothing walks every region.
void hitTestMiss(benchmark::State& state) {
    const ChartPicture picture = layoutChart(computeChartNumbers(maria()));
    for (auto _ : state) benchmark::DoNotOptimize(hitTest(picture.regions, {5, 5}));
}
BENCHMARK(hitTestMiss);

}  // namespace

BENCHMARK_MAIN();
