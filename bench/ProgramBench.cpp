// The program: start-up to the main window shown with the sample model open, and one redraw of
// the dam in its document window.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/Childwin.h"
#include "app/Main.h"
#include "platform/backend/qt/QtServices.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/testing/Driver.h"

namespace {

namespace fs = std::filesystem;

// A program folder with the sample and the pictures, as the program finds them beside itself.
struct TProgramFolder {
    TempFolder folder;
    TProgramFolder()
    {
        TestInitialize();
        InitQtServices();
        const fs::path data(DORVANE_PROGRAMDATA_DIR);
        fs::copy_file(data / "samples" / "GravityDam60m.dam", folder / "GravityDam60m.dam");
        fs::copy(data / "images", folder / "images", fs::copy_options::recursive);
        Application->SetExeName(String(folder / "dorvane"));
    }
};

TProgramFolder& Folder()
{
    static TProgramFolder folder;
    return folder;
}

void StartProgram(TTestClock& clock)
{
    Application->ResetTerminated();
    CommandLineArguments = {String(Folder().folder / "GravityDam60m.dam")};
    ProgramStart([&clock] { clock.Advance(5000); });
    TestProcess();
}

void StopProgram()
{
    MainForm->Close();
    TestProcess();
    while (MainForm->MDIChildCount() > 0) delete MainForm->MDIChildren(0);
    delete MainForm;
    MainForm = nullptr;
}

void StartUpToTheMainWindowWithTheSampleOpen(benchmark::State& state)
{
    Folder();
    TTestClock clock;
    for (auto _ : state) {
        StartProgram(clock);
        state.PauseTiming();
        StopProgram();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToTheMainWindowWithTheSampleOpen)->Unit(benchmark::kMillisecond);

void RedrawOfTheDamInItsWindow(benchmark::State& state)
{
    Folder();
    TTestClock clock;
    StartProgram(clock);
    TMDIChild* document = MainForm->ActiveDocument();
    for (auto _ : state) {
        document->DrawonImage();
        TestProcess();
    }
    StopProgram();
}
BENCHMARK(RedrawOfTheDamInItsWindow)->Unit(benchmark::kMillisecond);

}  // namespace
