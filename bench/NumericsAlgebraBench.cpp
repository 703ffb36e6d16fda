// Squaring a 512 x 512 matrix on 1, 2 and 4 threads.
#include <benchmark/benchmark.h>

#include "numerics/VEZ_matrix.h"

static void BM_Square512(benchmark::State& state)
{
    TMatrix source(nullptr), result(nullptr);
    source.Resize(512, 512);
    source.FillRandomUniform(-1, 1);
    const Integer threads = static_cast<Integer>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(source.Square(&result, 1, threads));
    state.SetLabel(std::to_string(threads) + " threads");
}
BENCHMARK(BM_Square512)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
