#include <benchmark/benchmark.h>

#include "analysis/AnalysisRun.h"
#include "analysis/tests/FortyJointModel.h"

namespace {

// The whole analysis run, loads and all seven cases; every run recomputes everything from
// the inputs.
void BM_AnalysisRun40Joints(benchmark::State& state)
{
    TParametres model = FortyJointModel();
    TSilentAnalysisHost host;
    for (auto _ : state) {
        RunAnalysis(model, host);
        benchmark::DoNotOptimize(model.Joint.SafetyFactor.Sliding.Peak[7][0]);
    }
    state.counters["analyses/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AnalysisRun40Joints)->Unit(benchmark::kMillisecond);

// The same dam cut by 10 000 lift joints: the pseudo-dynamic loads of every joint sum
// over the slices of the dam.
void BM_AnalysisRun10000Joints(benchmark::State& state)
{
    TParametres model = FortyJointModel(10000);
    TSilentAnalysisHost host;
    for (auto _ : state) {
        RunAnalysis(model, host);
        benchmark::DoNotOptimize(model.Joint.SafetyFactor.Sliding.Peak[7][0]);
    }
}
BENCHMARK(BM_AnalysisRun10000Joints)->Unit(benchmark::kMillisecond);

} // namespace
