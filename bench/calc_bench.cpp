// Timings of one calculation and of each number-text conversion. Run build/default/bench/calc_bench.

#include <benchmark/benchmark.h>

#include "calc/number_text.h"
#include "calc/sealant_calculation.h"

namespace {

void CalculateInitialWindow(benchmark::State& state) {
    for (auto _ : state) {
        SealantSheet sheet;
        benchmark::DoNotOptimize(CalculateSealant(sheet));
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(CalculateInitialWindow);

void CalculateWithWarning(benchmark::State& state) {
    for (auto _ : state) {
        SealantSheet sheet;
        sheet.Text3 = "4000";
        sheet.Check1 = {1, 1, 1, 1, 1};
        benchmark::DoNotOptimize(CalculateSealant(sheet));
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(CalculateWithWarning);

void ReadLeadingNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LeadingNumber(" 14.616"));
}
BENCHMARK(ReadLeadingNumber);

void ReadStrictNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(StrictNumber("18.462"));
}
BENCHMARK(ReadStrictNumber);

void WriteGeneralText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GeneralText(9.374999860301616));
}
BENCHMARK(WriteGeneralText);

void WriteFixedThree(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FixedThree("9.37499986030162"));
}
BENCHMARK(WriteFixedThree);

void WriteSignedSingleText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SignedSingleText(14.616f));
}
BENCHMARK(WriteSignedSingleText);

void WriteIntegerText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(IntegerText(7));
}
BENCHMARK(WriteIntegerText);

}  // namespace
