// The analysis window's whole run on a 40-joint dam: the window created from its description
// and shown, the run in its first activation filling the list of performed calculations, then
// the table of every listed entry in the summary grid, and the window painted once.
#include <benchmark/benchmark.h>

#include "analysis/Progress.h"
#include "analysis/tests/FortyJointModel.h"
#include "platform/testing/Driver.h"

static void BM_AnalysisWindowRun40Joints(benchmark::State& state)
{
    TestInitialize();
    RegisterAnalysisWindows();
    const TParametres model = FortyJointModel();
    Integer tables = 0;
    for (auto _ : state) {
        TProgressDlg* window = CreateForm<TProgressDlg>(Application);
        window->Param = model;
        window->Show();
        window->FormShow(window);
        TListSectionCollection& sections = window->SectionListBox->Sections();
        tables = 0;
        for (Integer s = 0; s < sections.Count(); ++s)
            for (Integer i = 0; i < sections[s]->SubItems().Count(); ++i, ++tables)
                window->SectionListBoxSubItemClick(window, s, i);
        TestProcess();
        benchmark::DoNotOptimize(window->Grid->Cells(1, 3));
        delete window;
        TestProcess();
    }
    state.counters["tables"] = static_cast<double>(tables);
}
BENCHMARK(BM_AnalysisWindowRun40Joints)->Unit(benchmark::kMillisecond);
