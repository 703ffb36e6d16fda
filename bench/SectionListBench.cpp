// The section list box filled as the analysis window fills it, 40 sections of 30 sub-items, and
// painted once.
#include <benchmark/benchmark.h>

#include "listcontrols/slstbox.h"
#include "platform/testing/Driver.h"

static void BM_SectionListFillAndPaint(benchmark::State& state)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 600);
    auto* list = new TSectionListBox(&form);
    list->SetParent(&form);
    list->SetBounds(8, 8, 360, 560);
    list->SetNodeType(ln3D);
    form.Show();
    TestProcess();
    for (auto _ : state) {
        list->Clear();
        for (Integer s = 0; s < 40; ++s) {
            TListSection* section = list->Sections().Add();
            section->SetCaption("Section " + IntToStr(s));
            for (Integer i = 0; i < 30; ++i) section->SubItems().Add("Joint " + IntToStr(i) + " load case result");
            section->SetState(lssExpanded);
        }
        list->Repaint();
        benchmark::DoNotOptimize(list->Items().Count());
    }
}
BENCHMARK(BM_SectionListFillAndPaint)->Unit(benchmark::kMillisecond);
