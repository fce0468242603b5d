// ComputeErrorFactorBounds calls per second on one core.
#include <benchmark/benchmark.h>

#include "error_factor_bounds.h"

namespace {

void BM_ComputeErrorFactorBounds(benchmark::State& state) {
    ErrorFactorInputs in{1.0, 3.0, 0.35, SpectrumType::Type1, SoilClass::C, 0.9, 1.1, 0.95, 1.05, 0.9, 1.1};
    // Vary the period over all four ranges so no branch is always predicted.
    const double periods[] = {0.1, 0.3, 0.6, 1.0, 1.7, 2.0, 2.5, 3.5};
    std::size_t i = 0;
    for (auto _ : state) {
        in.Period = periods[i++ & 7];
        benchmark::DoNotOptimize(in);
        ErrorFactorBounds b = ComputeErrorFactorBounds(in);
        benchmark::DoNotOptimize(b);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeErrorFactorBounds);

}  // namespace

BENCHMARK_MAIN();
