// Simulations per second of the Monte-Carlo run and steps per second of the incremental-load
// run, on the 10-joint study model with every kind of load.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "analysis/AnalysisRun.h"
#include "analysis/IncrementalLoads.h"
#include "analysis/Statistic.h"
#include "analysis/tests/StudyModel.h"

namespace {

constexpr int Simulations = 2000;

TParametres AnalysedWithoutFiles(TParametres m)
{
    m.Statistiques.SauverParametres = m.Statistiques.SauverResultats = false;
    m.Statistiques.SauverInputCDF = m.Statistiques.SauverOutPutCDF = false;
    m.IncrementLoad.SauverResultats = false;
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    return m;
}

// Every simulation draws the tensile strength, the cohesion, the reservoir level and the
// ground acceleration: the joint's reservoir and seismic loads are recomputed and the
// usual case and seismic #2 analysed again.
void BM_MonteCarloRerunningTheCombination(benchmark::State& state)
{
    TParametres m = AnalysedWithoutFiles(MonteCarloModel(Simulations));
    TSilentLongRunHost host;
    for (auto _ : state)
        StatisticalAnalyses(m, host);
    state.SetItemsProcessed(state.iterations() * Simulations);
}
BENCHMARK(BM_MonteCarloRerunningTheCombination)->Unit(benchmark::kMillisecond);

// Every simulation draws the four shear strengths only: one joint analysis each.
void BM_MonteCarloStrengthsOnly(benchmark::State& state)
{
    TParametres m = MonteCarloModel(Simulations);
    TStatistiques& st = m.Statistiques;
    st.Combination = 1;
    for (int r = 1; r <= NRandomVariables; ++r)
        st.Selection[r] = r <= 4;
    for (int r = 1; r <= 4; ++r) {
        st.NumeroParametre[r] = static_cast<Word>(r + 1);
        st.Distribution[r] = 0;
        st.Minimum[r] = r <= 2 ? 100 : 0.5;
        st.Maximum[r] = r <= 2 ? 600 : 1.2;
    }
    m = AnalysedWithoutFiles(m);
    TSilentLongRunHost host;
    for (auto _ : state)
        StatisticalAnalyses(m, host);
    state.SetItemsProcessed(state.iterations() * Simulations);
}
BENCHMARK(BM_MonteCarloStrengthsOnly)->Unit(benchmark::kMillisecond);

// The Monte-Carlo run end to end with its four text files, written into a scratch folder.
void BM_MonteCarloWithFiles(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "dorvane-bench-montecarlo";
    std::filesystem::create_directories(folder);
    TParametres m = MonteCarloModel(Simulations);
    TStatistiques& st = m.Statistiques;
    st.FichierInput = (folder / "Statistic.in").string();
    st.FichierOutput = (folder / "Statistic.out").string();
    st.FichierInCDF = (folder / "PDF_CDF.in").string();
    st.FichierOutCDF = (folder / "PDF_CDF.out").string();
    TSilentAnalysisHost analysisHost;
    RunAnalysis(m, analysisHost);
    TSilentLongRunHost host;
    for (auto _ : state)
        StatisticalAnalyses(m, host);
    state.SetItemsProcessed(state.iterations() * Simulations);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_MonteCarloWithFiles)->Unit(benchmark::kMillisecond);

// 2001 steps of the normal upstream level.
void BM_IncrementalReservoirLevel(benchmark::State& state)
{
    TParametres m = IncrementalModel();
    m.IncrementLoad.IncrementValue[1] = 0.01;
    m = AnalysedWithoutFiles(m);
    TSilentLongRunHost host;
    for (auto _ : state)
        IncrementalLoadAnalysis(m, host);
    state.SetItemsProcessed(state.iterations() * m.IncrementLoad.AnalysisSteps);
}
BENCHMARK(BM_IncrementalReservoirLevel)->Unit(benchmark::kMillisecond);

} // namespace
