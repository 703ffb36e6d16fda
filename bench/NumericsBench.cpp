// Speed of the numerical library's comb sort and of draws from a tabulated density.
#include <benchmark/benchmark.h>

#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_statis.h"
#include "numerics/VEZ_vector.h"

static void BM_SortElems(benchmark::State& state)
{
    const auto n = static_cast<Integer>(state.range(0));
    TVector vec(nullptr);
    vec.Resize(n);
    for (auto _ : state) {
        state.PauseTiming();
        RandSeed = 1234;
        for (Integer i = 1; i <= n; ++i) vec.SetVal(i, Random());
        state.ResumeTiming();
        vec.SortElems(true, 0, 0);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SortElems)->Arg(100)->Arg(10000)->Arg(1000000);

static void BM_RandGenUniform(benchmark::State& state)
{
    TRandGen gen(nullptr);
    gen.SetResolution(500);
    gen.SetHighBorder(1);
    for (auto _ : state) benchmark::DoNotOptimize(gen.Random());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandGenUniform);

static void BM_RandGenNormal(benchmark::State& state)
{
    TRandGen gen(nullptr);
    gen.SetResolution(1000);
    gen.SetLowBorder(-4);
    gen.SetHighBorder(4);
    gen.NormalDistri(0, 1);
    for (auto _ : state) benchmark::DoNotOptimize(gen.Random());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandGenNormal);
