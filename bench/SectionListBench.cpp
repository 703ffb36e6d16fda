// The section list box filled as the analysis window fills it, 40 sections of 30 sub-items, and
// painted once; and a section file of N sections, two of three open, each with four sub-items and
// one caption far wider than the list, loaded and painted (the time should grow with N, not N²).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "listcontrols/slstbox.h"
#include "platform/testing/Driver.h"

namespace {

struct TListOnForm {
    TForm Form{nullptr};
    TSectionListBox* List = new TSectionListBox(&Form);
    TListOnForm()
    {
        TestInitialize();
        Form.SetBounds(0, 0, 400, 600);
        List->SetParent(&Form);
        List->SetBounds(8, 8, 360, 560);
    }
};

}  // namespace

static void BM_SectionListFillAndPaint(benchmark::State& state)
{
    TListOnForm on;
    TSectionListBox* list = on.List;
    list->SetNodeType(ln3D);
    on.Form.Show();
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

static void BM_SectionFileLoadAndPaint(benchmark::State& state)
{
    const auto sections = static_cast<Integer>(state.range(0));
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "dorvane-bench-sections.ini";
    {
        std::ofstream out(file, std::ios::binary);
        out << "[SECTIONS]\r\nCOUNT=" << sections << "\r\n";
        for (Integer s = 1; s <= sections; ++s) {
            out << "[SECTION" << s << "]\r\nCAPTION=";
            if (s == 1)
                for (int i = 0; i < 3000; ++i) out << "Lnt size=\"3\">";
            out << "Section " << s << "\r\nSUBITEMCOUNT=4\r\nCONTROL=1\r\nSTATE=" << (s % 3 == 0) << "\r\n";
            for (int i = 1; i <= 4; ++i) out << "SUBITEM" << i << "=<b>Joint</b> " << i << "\r\nSUBVAL" << i << "=1\r\n";
        }
    }
    TListOnForm on;
    for (auto _ : state) {
        on.List->LoadFromFile(String(file.c_str()));
        TBitmap picture;
        TestGrab(on.List, picture);
        benchmark::DoNotOptimize(on.List->Items().Count());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_SectionFileLoadAndPaint)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
