#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "analysis/AnalysisRun.h"
#include "analysis/ExcelOLE.h"
#include "analysis/tests/FortyJointModel.h"

namespace {

// The Results workbook of the analysed 40-joint dam (all seven cases): filled in memory from
// its template, then written as an .xlsx file.
void BM_ResultsWorkbook40Joints(benchmark::State& state)
{
    TParametres model = FortyJointModel();
    TSilentAnalysisHost host;
    RunAnalysis(model, host);
    const std::string file = (std::filesystem::temp_directory_path() / "dorvane-bench-results.xlsx").string();
    const bool write = state.range(0) != 0;
    for (auto _ : state) {
        TWorkbook book;
        MakeExcelWorkbook(book, model, caResult, DORVANE_PROGRAMDATA_DIR);
        if (write) book.SaveAs(file);
        benchmark::DoNotOptimize(book.LastRow());
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_ResultsWorkbook40Joints)->ArgName("written")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
