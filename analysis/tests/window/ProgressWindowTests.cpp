// The analysis window on the test driver: the run in the window's first activation, the list
// of performed calculations, the summary grid, the stop button of the long runs and the close
// dropped while a run goes on.
#include <gtest/gtest.h>

#include "analysis/GraphStatistic.h"
#include "analysis/Graphiques.h"
#include "analysis/Progress.h"
#include "analysis/tests/StudyTestSupport.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"

namespace {

// The captions of every entry of the list, section by section.
std::vector<std::vector<std::string>> ListedEntries(TProgressDlg* dlg)
{
    std::vector<std::vector<std::string>> entries;
    TListSectionCollection& sections = dlg->SectionListBox->Sections();
    for (int s = 0; s < sections.Count(); ++s) {
        std::vector<std::string> section{sections[s]->Caption().ToUtf8()};
        for (Integer i = 0; i < sections[s]->SubItems().Count(); ++i)
            section.push_back(sections[s]->SubItems()[i].ToUtf8());
        entries.push_back(section);
    }
    return entries;
}

// The grid as lines of tab-separated cells.
std::vector<std::string> GridLines(TStringGrid* grid)
{
    std::vector<std::string> lines;
    for (Integer row = 0; row < grid->RowCount(); ++row) {
        std::string line;
        for (Integer col = 0; col < grid->ColCount(); ++col) line += (col ? "\t" : "") + grid->Cells(col, row).ToUtf8();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> TableLines(const TResultTable& t)
{
    std::vector<std::string> lines;
    for (Integer row = 0; row < t.RowCount; ++row) {
        std::string line;
        for (Integer col = 0; col < t.ColCount; ++col) line += (col ? "\t" : "") + t.Cell(col, row).ToUtf8();
        lines.push_back(line);
    }
    return lines;
}

TEST(ProgressWindow, RunsInTheFirstActivationAndListsEveryStep)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    dlg->Param = ReadTestModel("sample.dam");
    EXPECT_EQ(dlg->Cursor(), crHourGlass);
    std::vector<std::string> seen;
    TestAnswerNextModal([&](TCustomForm* form) {
        seen.push_back(form->Caption().ToUtf8());
        seen.push_back(dlg->OKBtn->Caption().ToUtf8());
        EXPECT_TRUE(dlg->OKBtn->Enabled());
        EXPECT_FALSE(dlg->Gauge->Visible());
        EXPECT_FALSE(dlg->ButtonStatistics->Visible());
        EXPECT_EQ(dlg->Cursor(), crDefault);
        // Another activation runs nothing again.
        dlg->FormShow(dlg);
        EXPECT_EQ(dlg->SectionListBox->Sections().Count(), 3);
        TestClick(dlg->OKBtn, 4, 4);
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(seen, (std::vector<std::string>{"Incremental Laod Analysis Done", "Done"}));
    const std::vector<std::vector<std::string>> expected = {
        {"Loads:", "Geometry", "Concentrated masses", "Reservoir operating level", "Reservoir flood level",
         "Ice", "Silts", "Uplift - operating level", "Uplift - flood level", "Post-tension", "Pseudo-static - stress analysis",
         "Pseudo-static - stability analysis", "Pseudo-dynamic - stress analysis",
         "Pseudo-dynamic - stability analysis"},
        {"Load Combinations:", "Usual", "Flood", "Seismic #1 - stress analysis", "Seismic #1 - stability analysis",
         "Seismic #2 - stress analysis", "Seismic #2 - stability analysis", "Post-seismic"},
        {"Parametric Analysis:", "Monte-Carlo simulation", "Incremental Load Analysis"}};
    EXPECT_EQ(ListedEntries(dlg), expected);
    EXPECT_TRUE(dlg->Param.Donnees.Contains(daAnalysed));
    delete dlg;
    TestProcess();
}

// The window's captions and buttons through the run, as seen whenever the run lets events be
// handled.
TEST(ProgressWindow, CaptionsAndButtonsFollowTheRun)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    dlg->Param = ReadTestModel("sample.dam");
    std::vector<std::string> states;
    {
        TPendingEventsWatcher watcher([&] {
            const std::string state = dlg->Caption().ToUtf8() + " | " + dlg->OKBtn->Caption().ToUtf8() +
                                      (dlg->OKBtn->Enabled() ? "" : " (disabled)") +
                                      (dlg->Gauge->Visible() ? " | gauge" : "") + " | " +
                                      dlg->ButtonStatistics->Caption().ToUtf8();
            if (states.empty() || states.back() != state) states.push_back(state);
            return false;
        });
        TestAnswerNextModal([&](TCustomForm*) { TestClick(dlg->OKBtn, 4, 4); });
        dlg->ShowModal();
    }   // the watcher goes before the window
    const std::vector<std::string> expected = {
        "Analysis in progress | Processing (disabled) | Stop Statistical Analyses",
        "Probabilistic Analysis in Progress | Done (disabled) | gauge | Stop Statistical Analyses",
        "Incremental Load Analysis in Progress | Done (disabled) | gauge | Stop Incremental Analysis",
        "Incremental Laod Analysis Done | Done | Stop Incremental Analysis"};
    EXPECT_EQ(states, expected);
    delete dlg;
    TestProcess();
}

// Every entry shows its table in the grid, found by its caption.
TEST(ProgressWindow, ClickingAnEntryFillsTheGridWithItsTable)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    dlg->Param = ReadTestModel("sample.dam");
    const std::map<std::string, std::string> summaries = {
        {"Geometry", "Summary of Geometry"},
        {"Reservoir operating level", "Summary of Reservoir normal operating level"},
        {"Uplift - flood level", "Summary of Uplift pressures - flood level"},
        {"Pseudo-dynamic - stability analysis", "Pseudo-dynamic - stability analysis"},
        {"Usual", "Summary of usual combination"},
        {"Seismic #2 - stability analysis", "Summary of seismic #2 combination - stability analysis"},
        {"Post-seismic", "Summary of post-seismic combination"},
        {"Monte-Carlo simulation", "Summary of Monte-Carlo"},
        {"Incremental Load Analysis", "Summary of Incremental Load Analyses"}};
    int checked = 0;
    TestAnswerNextModal([&](TCustomForm*) {
        TListSectionCollection& sections = dlg->SectionListBox->Sections();
        for (Integer s = 0; s < sections.Count(); ++s)
            for (Integer i = 0; i < sections[s]->SubItems().Count(); ++i) {
                const String caption = sections[s]->SubItems()[i];
                ClickListEntry(dlg->SectionListBox, s, i);
                TResultTable expected;
                ASSERT_TRUE(ResultTableOfEntry(dlg->Param, caption, FormatSettings, expected));
                EXPECT_EQ(dlg->LabelSummary->Caption(), expected.Caption) << caption;
                EXPECT_EQ(GridLines(dlg->Grid), TableLines(expected)) << caption;
                if (summaries.contains(caption.ToUtf8())) {
                    EXPECT_EQ(dlg->LabelSummary->Caption().ToUtf8(), summaries.at(caption.ToUtf8()));
                    ++checked;
                }
            }
        TestClick(dlg->OKBtn, 4, 4);
    });
    dlg->ShowModal();
    EXPECT_EQ(checked, static_cast<int>(summaries.size()));
    delete dlg;
    TestProcess();
}

TEST(ProgressWindow, SelectionChangeFillsOnlyTheFirstFourteenEntriesOfTheFirstTwoSections)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    dlg->Param = ReadTestModel("sample.dam");
    TestAnswerNextModal([&](TCustomForm*) {
        dlg->SectionListBoxChange(dlg, 1, 0);
        EXPECT_EQ(dlg->LabelSummary->Caption(), "Summary of usual combination");
        dlg->SectionListBoxChange(dlg, 2, 0);   // Monte-Carlo: only a click shows it
        dlg->SectionListBoxChange(dlg, 0, -1);  // a section's own row
        EXPECT_EQ(dlg->LabelSummary->Caption(), "Summary of usual combination");
        dlg->SectionListBoxSubItemClick(dlg, 2, 0);
        EXPECT_EQ(dlg->LabelSummary->Caption(), "Summary of Monte-Carlo");
        dlg->SectionListBoxSubItemClick(dlg, 5, 0);   // no such section: nothing
        EXPECT_EQ(dlg->LabelSummary->Caption(), "Summary of Monte-Carlo");
        // The fifteenth entry of the loads shows its table on a click only.
        TListSection* loads = dlg->SectionListBox->Sections()[0];
        ASSERT_EQ(loads->SubItems().Count(), 13);
        loads->SubItems().Add("Applied forces");
        loads->SubItems().Add("Pseudo-dynamic - stability analysis");
        dlg->SectionListBoxChange(dlg, 0, 14);
        EXPECT_EQ(dlg->LabelSummary->Caption(), "Summary of Monte-Carlo");
        dlg->SectionListBoxSubItemClick(dlg, 0, 14);
        EXPECT_EQ(dlg->LabelSummary->Caption(), "Pseudo-dynamic - stability analysis");
        TestClick(dlg->OKBtn, 4, 4);
    });
    dlg->ShowModal();
    delete dlg;
    TestProcess();
}

// The stop button ends the Monte-Carlo run; the model gets its inputs back and the
// incremental-load run that follows still runs to its end.
TEST(ProgressWindow, StopButtonInterruptsTheMonteCarloRun)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    const TParametres model = ReadTestModel("sample.dam");
    const auto inputs = StoredInputs(Analysed(model));   // the run derives the modal quantities
    dlg->Param = model;
    Int64 stoppedAt = -1;
    bool closeTried = false;
    TPendingEventsWatcher watcher([&] {
        if (dlg->Caption() != "Probabilistic Analysis in Progress" || dlg->Gauge->Progress() < 10) return false;
        EXPECT_TRUE(dlg->Gauge->Visible());
        EXPECT_TRUE(dlg->LabelTime->Visible());
        EXPECT_FALSE(dlg->OKBtn->Enabled());
        EXPECT_EQ(dlg->LabelTime->Caption(), "Time left= ??? sec");
        stoppedAt = dlg->Gauge->Progress();
        TestClick(dlg->ButtonStatistics, 4, 4);
        // A close asked for during the run is dropped.
        dlg->Close();
        closeTried = true;
        return true;
    });
    TestAnswerNextModal([&](TCustomForm*) {
        EXPECT_TRUE(closeTried);
        EXPECT_TRUE(dlg->Visible());
        EXPECT_EQ(dlg->LabelTime->Caption(), "Analyses interupted");
        EXPECT_EQ(dlg->Caption(), "Incremental Laod Analysis Done");
        dlg->Close();
    });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_GE(stoppedAt, 10);
    EXPECT_LT(stoppedAt, 100);
    // Every input as before the runs; the incremental run records the steps it made.
    for (const auto& [path, value] : StoredInputs(dlg->Param)) {
        if (path != "IncrementLoad.AnalysisSteps") {
            EXPECT_EQ(value, inputs.at(path)) << path;
        }
    }
    EXPECT_EQ(dlg->Param.IncrementLoad.AnalysisSteps, 101);
    // The analysis itself is complete: the copy handed back holds its results.
    EXPECT_TRUE(dlg->Param.Donnees.Contains(daAnalysed));
    const TParametres analysed = Analysed(model);
    EXPECT_NE(analysed.Joint.Resultants.Normal[1][0], 0);
    for (int k = 1; k <= 7; ++k)
        for (Integer j = 0; j <= model.NJoints; ++j)
            EXPECT_EQ(dlg->Param.Joint.Resultants.Normal[k][j], analysed.Joint.Resultants.Normal[k][j]) << k << "," << j;
    EXPECT_EQ(ListedEntries(dlg).back(),
              (std::vector<std::string>{"Parametric Analysis:", "Monte-Carlo simulation", "Incremental Load Analysis"}));
    delete dlg;
    TestProcess();
}

// The stop button pressed during the basic analysis only clears the go-on flag: the analysis
// goes on, and the Monte-Carlo run that follows sets the flag again and runs to its end; a
// close asked for during that run neither stops it nor closes the window.
TEST(ProgressWindow, StopDuringTheBasicAnalysisDoesNotStopTheLaterRuns)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    dlg->Param = ReadTestModel("sample.dam");
    bool pressed = false, closeTried = false;
    Int64 lastMonteCarloPercent = -1;
    {
        TPendingEventsWatcher watcher([&] {
            if (!pressed && dlg->Caption() == "Analysis in progress") {
                EXPECT_TRUE(dlg->ButtonStatistics->Visible());
                TestClick(dlg->ButtonStatistics, 4, 4);
                EXPECT_FALSE(dlg->ProceedFlag());
                EXPECT_EQ(dlg->LabelTime->Caption(), "Analyses interupted");
                pressed = true;
            }
            if (dlg->Caption() != "Probabilistic Analysis in Progress") return false;
            lastMonteCarloPercent = dlg->Gauge->Progress();
            if (!closeTried && lastMonteCarloPercent >= 10) {
                dlg->Close();
                closeTried = true;
            }
            return false;
        });
        TestAnswerNextModal([&](TCustomForm*) {
            EXPECT_TRUE(dlg->Visible());
            EXPECT_EQ(dlg->Caption(), "Incremental Laod Analysis Done");
            TestClick(dlg->OKBtn, 4, 4);
        });
        EXPECT_EQ(dlg->ShowModal(), mrOk);
    }   // the watcher goes before the window
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(closeTried);
    EXPECT_EQ(lastMonteCarloPercent, 100);
    EXPECT_TRUE(dlg->Param.Donnees.Contains(daAnalysed));
    EXPECT_EQ(ListedEntries(dlg).back(),
              (std::vector<std::string>{"Parametric Analysis:", "Monte-Carlo simulation", "Incremental Load Analysis"}));
    delete dlg;
    TestProcess();
}

// A run that fails (here the Monte-Carlo results file cannot be written) ends with the failure
// reported; the window stays open until closed and hands back its copy without daAnalysed.
TEST(ProgressWindow, FailedRunReportsAndLeavesTheWindowOpen)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    TParametres model = ReadTestModel("sample.dam");
    model.Statistiques.SauverResultats = true;
    model.Statistiques.FichierOutput = "/nonexistent-dorvane-folder/Statistic.out";
    dlg->Param = model;
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrOk);
    TestAnswerNextModal([&](TCustomForm*) {
        EXPECT_EQ(TestMessageBoxes().size(), 1u);
        EXPECT_EQ(dlg->Caption(), "Probabilistic Analysis in Progress");
        EXPECT_FALSE(dlg->OKBtn->Enabled());
        EXPECT_FALSE(dlg->Running());
        dlg->Close();
    });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_FALSE(dlg->Param.Donnees.Contains(daAnalysed));
    delete dlg;
    TestProcess();
}

// The time left: the time spent per percent times the percents left, every second.
TEST(ProgressWindow, TimeLeftFromTheTimeSpentPerPercent)
{
    TTestClock clock;
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    dlg->StartLongRun();
    dlg->StartTiming();
    clock.Advance(1000);
    EXPECT_EQ(dlg->LabelTime->Caption(), "Time left= ??? sec");   // nothing done yet
    dlg->SetPercentDone(20);
    clock.Advance(1000);   // 2 s for 20 %: 8 s for the 80 % left
    EXPECT_EQ(dlg->LabelTime->Caption(), "Time left = 8 sec");
    dlg->ButtonStatisticsClick(dlg);
    EXPECT_FALSE(dlg->ProceedFlag());
    clock.Advance(5000);
    EXPECT_EQ(dlg->LabelTime->Caption(), "Analyses interupted");
    delete dlg;
    TestProcess();
}

// Without load combinations the list holds the loads only; a parametric run then starts the
// section "Parametric Analysis:" after them.
TEST(ProgressWindow, ModelWithoutCombinationsListsTheLoadsOnly)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    TParametres model = ReadTestModel("triangle.dam");
    model.Donnees.Exclude(daCombination);
    model.Statistiques.AnalysesDemandees = false;
    model.IncrementLoad.PerformAnalysis = false;
    dlg->Param = model;
    TestAnswerNextModal([&](TCustomForm*) {
        EXPECT_EQ(dlg->Caption(), "Analysis Done");
        EXPECT_EQ(dlg->SectionListBox->Sections().Count(), 1);
        dlg->FinishLongRun("Monte-Carlo simulation");
        dlg->FinishLongRun("Incremental Load Analysis");
        TestClick(dlg->OKBtn, 4, 4);
    });
    dlg->ShowModal();
    const auto entries = ListedEntries(dlg);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1],
              (std::vector<std::string>{"Parametric Analysis:", "Monte-Carlo simulation", "Incremental Load Analysis"}));
    EXPECT_TRUE(dlg->Param.Donnees.Contains(daAnalysed));
    delete dlg;
    TestProcess();
}

// The result windows' section lists as their descriptions and creation set them: 3-D nodes, the
// wallpaper and blue selected text on the analysis and joint lists, whose sections the user cannot
// close on the joint plots window; the probabilistic list with the default heights and colours.
// Until the windows fill them, the lists show the open, read-only sections their descriptions hold.
TEST(ResultLists, CarryTheSettingsOfTheirWindows)
{
    struct Case {
        const char* name;
        Integer sectionHeight, sectionIndent, subItemHeight;
        TColor selection, selectionText;
        bool wallpaper, contractDisable;
        std::vector<const char*> sections;
    };
    auto check = [](TSectionListBox* list, const Case& c) {
        EXPECT_EQ(list->SectionHeight(), c.sectionHeight) << c.name;
        EXPECT_EQ(list->SectionIndent(), c.sectionIndent) << c.name;
        EXPECT_EQ(list->SubItemIndent(), 14) << c.name;
        EXPECT_EQ(list->SubItemHeight(), c.subItemHeight) << c.name;
        EXPECT_EQ(list->NodeType(), ln3D) << c.name;
        EXPECT_EQ(list->SectionFocus(), TSectionFocus::sfDash) << c.name;
        EXPECT_EQ(list->ScrollWidth(), 16) << c.name;
        EXPECT_EQ(list->ScrollColor(), clNone) << c.name;
        EXPECT_TRUE(list->FullFocus()) << c.name;
        EXPECT_EQ(list->SectionColor(), clBtnFace) << c.name;
        EXPECT_EQ(list->SelectionColor(), c.selection) << c.name;
        EXPECT_EQ(list->SelectionTextColor(), c.selectionText) << c.name;
        EXPECT_EQ(!list->Wallpaper().Empty(), c.wallpaper) << c.name;
        EXPECT_EQ(list->Wallpaper().Width(), c.wallpaper ? 600 : 0) << c.name;
        if (c.wallpaper) {   // 13 rows of 8 bits, white at the left fading to a pale blue
            TBitmap& paper = list->Wallpaper();
            EXPECT_EQ(paper.Height(), 13) << c.name;
            EXPECT_EQ(paper.PixelFormat(), TPixelFormat::pf8bit) << c.name;
            EXPECT_EQ(paper.Canvas().Pixel(0, 12), TColor(0xFFFFFF)) << c.name;
            EXPECT_EQ(paper.Canvas().Pixel(300, 6), TColor(0xFFEBEB)) << c.name;
            EXPECT_EQ(paper.Canvas().Pixel(599, 0), TColor(0xFFD8D8)) << c.name;
        }
        EXPECT_EQ(list->ContractDisable(), c.contractDisable) << c.name;
        ASSERT_EQ(list->Sections().Count(), static_cast<Integer>(c.sections.size())) << c.name;
        for (Integer k = 0; k < list->Sections().Count(); ++k) {
            TListSection* section = list->Sections()[k];
            EXPECT_EQ(section->Caption(), String(c.sections[k])) << c.name;
            EXPECT_EQ(section->State(), lssExpanded) << c.name;
            EXPECT_TRUE(section->ReadOnly()) << c.name;
            EXPECT_TRUE(section->AutoSize()) << c.name;
            EXPECT_EQ(section->ItemHeight(), c.subItemHeight) << c.name;
            EXPECT_EQ(section->Font().Name(), String("Tahoma")) << c.name;
        }
    };
    auto* analysis = CreateForm<TProgressDlg>(Application);
    check(analysis->SectionListBox,
          {"analysis", 16, 16, 15, clWhite, clBlue, true, false, {"Loads:", "Load Combinations:"}});
    delete analysis;
    auto* plots = CreateForm<TGraphicsDlg>(Application);
    check(plots->JointList, {"joints", 16, 16, 15, clWhite, clBlue, true, true, {"U/S elevation:"}});
    check(plots->CombinationList, {"combinations", 16, 16, 15, clWhite, clBlue, true, true, {"Combination:"}});
    delete plots;
    auto* statistics = CreateForm<TGraphStatistics>(Application);
    check(statistics->SectionListBox, {"probabilistic", 14, 14, 13, clHighlight, clHighlightText, false, false,
                                       {"Input parameters:", "Output parameters:"}});
    delete statistics;
    TestProcess();
}

}  // namespace
