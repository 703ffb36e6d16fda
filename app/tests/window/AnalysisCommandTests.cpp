// The document window's analysis command: the analysis window on a copy of the model, the
// results taken back into the document and the current model when the window closes.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/GraphIncrement.h"
#include "analysis/GraphStatistic.h"
#include "analysis/Graphiques.h"
#include "analysis/IncrementalLoadDlg.h"
#include "analysis/Memo.h"
#include "analysis/Progress.h"
#include "app/tests/window/AppTestSupport.h"
#include "platform/services/ServicesBackend.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);
}  // namespace

TEST(AnalysisCommand, StartAnalysesRunsTheWindowAndHandsTheResultsBack)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    ASSERT_TRUE(d->StartAnalyses1->Enabled());
    EXPECT_FALSE(d->Results1->Enabled());
    String caption, usualBase;
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* window = dynamic_cast<TProgressDlg*>(form);
        ASSERT_NE(window, nullptr);
        caption = window->Caption();
        window->SectionListBoxSubItemClick(window, 1, 0);
        usualBase = window->Grid->Cells(5, window->Grid->RowCount() - 1);
        TestClick(window->OKBtn, 4, 4);
    });
    d->StartAnalyses1->Click();
    EXPECT_EQ(caption, "Incremental Laod Analysis Done");
    EXPECT_TRUE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_TRUE(CurrentModel.Donnees.Contains(daAnalysed));
    EXPECT_TRUE(d->Results1->Enabled());
    // The base joint's normal force of the usual combination, as the grid showed it.
    EXPECT_EQ(Format("%11.3f", {d->Param.Joint.Resultants.Normal[1][0]}), usualBase);
    EXPECT_NE(d->Param.Joint.Resultants.Normal[1][0], 0);
}

// Closed by its title bar after the run, the window still hands its results back.
TEST(AnalysisCommand, ResultsComeBackWhateverTheWindowsEnd)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Statistiques.AnalysesDemandees = false;
    d->Param.IncrementLoad.PerformAnalysis = false;
    TestAnswerNextModal([](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), "Analysis Done");
        form->Close();
    });
    d->StartAnalyses1->Click();
    EXPECT_TRUE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_TRUE(CurrentModel.Donnees.Contains(daAnalysed));
}

// After the analysis, Results > Plots > Graphical views of joints plots the current model, and
// "Values" opens the text report of the plot.
TEST(AnalysisCommand, JointPlotsFromTheResultsMenuAndTheirReport)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Statistiques.AnalysesDemandees = false;
    d->Param.IncrementLoad.PerformAnalysis = false;
    TestAnswerNextModal([](TCustomForm* form) { form->Close(); });
    d->StartAnalyses1->Click();
    ASSERT_TRUE(d->GraphicalViews1->Enabled());
    String firstLine, jointLine;
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* plots = dynamic_cast<TGraphicsDlg*>(form);
        ASSERT_NE(plots, nullptr);
        plots->CombinationListChange(plots, 0, 1);   // "Flood"
        plots->JointListChange(plots, 0, 0);         // the first lift joint
        TestAnswerNextModal([&](TCustomForm* report) {
            auto* memo = dynamic_cast<TGraphicValue*>(report);
            ASSERT_NE(memo, nullptr);
            firstLine = memo->Memo1->Lines()[0];
            jointLine = memo->Memo1->Lines()[1];
            report->Close();
        });
        TestClick(plots->valuesbutton, 4, 4);
        form->Close();
    });
    d->GraphicalViews1->Click();
    EXPECT_EQ(firstLine, "Load combination = flood");
    EXPECT_EQ(jointLine, "Joint number = 1");
}

// After a run with the Monte-Carlo and incremental studies, the results menu opens the plots
// of both on the document's model: a quantity chosen in the probabilistic plots switches
// between its density and its distribution, a curve checked in the incremental plots is drawn.
TEST(AnalysisCommand, StudyPlotsFromTheResultsMenu)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TStatistiques& st = d->Param.Statistiques;
    st.SauverParametres = st.SauverResultats = st.SauverInputCDF = st.SauverOutPutCDF = false;
    d->Param.IncrementLoad.SauverResultats = false;
    TestAnswerNextModal([](TCustomForm* form) { form->Close(); });
    d->StartAnalyses1->Click();
    ASSERT_TRUE(d->ProbabilisticPlots1->Enabled());
    ASSERT_TRUE(d->IncrementalPlots1->Enabled());

    const int index = (2 - 1) * 11 + 3;   // the results' peak sliding safety factor
    double density = -1, distribution = -1;
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* plots = dynamic_cast<TGraphStatistics*>(form);
        ASSERT_NE(plots, nullptr);
        EXPECT_EQ(plots->Caption(), "Probabilistic Analyses - Monte-Carlo simulations");
        TStrings& outputs = plots->SectionListBox->Sections()[1]->SubItems();
        for (Integer i = 0; i < outputs.Count(); ++i)
            if (outputs[i] == "Sliding SF (Peak)") plots->SectionListBoxSubItemClick(plots, 1, i);
        ASSERT_FALSE(plots->ChartEmpty);
        density = plots->y->GetVal(1);
        TestClick(plots->RadioGroupCDF->Buttons(1), 4, 6);
        distribution = plots->y->GetVal(plots->y->NrOfElem());
        TestClick(plots->Button2, 4, 4);
    });
    d->ProbabilisticPlots1->Click();
    EXPECT_EQ(density, d->Param.StatResult.histogramme[index]->GetVal(1));
    EXPECT_NEAR(distribution, 1, 1e-9);

    bool drawn = false;
    String axis;
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* plots = dynamic_cast<TGraphIncrementLoad*>(form);
        ASSERT_NE(plots, nullptr);
        axis = plots->DIzure->Scale1X().Caption();
        for (int q = 1; q <= 10; ++q)
            if (plots->CheckListBox->ItemEnabled(q - 1)) {
                TestClick(plots->CheckListBox, 7, (q - 1) * 18 + 9);
                break;
            }
        drawn = !plots->ChartEmpty;
        TestClick(plots->Button1, 4, 4);
    });
    d->IncrementalPlots1->Click();
    EXPECT_TRUE(drawn);
    EXPECT_EQ(axis, IncrementedLoadCaption(d->Param.IncrementLoad.Loading, d->Param.unites));
}

// An incremental study set up in its input window: the normal level rising 10 m in 0.5 m steps,
// handed to the document on OK, run by the analysis window and plotted from the results menu.
TEST(AnalysisCommand, IncrementalStudyFromItsInputWindowToItsPlots)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Statistiques.AnalysesDemandees = false;
    d->Param.IncrementLoad.PerformAnalysis = false;
    d->Param.IncrementLoad.SauverResultats = false;
    d->UpdateMenuItems();
    ASSERT_TRUE(d->Incremental1->Enabled());
    const double normal = d->Param.Reservoir.NormalUp;
    // Help shows the window's page; Cancel hands nothing back.
    const std::filesystem::path help = std::filesystem::path(program.Folder().Path()) / "help" / "dorvane";
    std::filesystem::create_directories(help);
    std::filesystem::copy_file(std::filesystem::path(PROGRAMDATA_DIR) / "help" / "dorvane" / "850.html", help / "850.html");
    String page;
    TestAnswerNextModal([&page](TCustomForm* form) {
        auto* w = dynamic_cast<TIncrementalLoadDlg*>(form);
        ASSERT_NE(w, nullptr);
        TestClick(w->Button3, 4, 4);
        page = ServicesBackend().HelpPage();
        ServicesBackend().CloseHelp();
        TestClick(w->CheckBox, 4, 8);
        TestClick(w->Button2, 4, 4);
    });
    d->Incremental1->Click();
    TestProcess();
    EXPECT_EQ(page, program.InFolder("help/dorvane/850.html"));
    EXPECT_FALSE(d->Param.IncrementLoad.PerformAnalysis);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
    auto type = [](TWinControl* edit, const String& text) {
        edit->SetFocus();
        dynamic_cast<TCustomEdit*>(edit)->SelectAll();
        TestTypeText(edit, text);
    };
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* w = dynamic_cast<TIncrementalLoadDlg*>(form);
        ASSERT_NE(w, nullptr);
        TestClick(w->CheckBox, 4, 8);
        w->CombinationBox->SetFocus();
        TestPressKey(w->CombinationBox, VK_HOME);   // "Usual Combination"
        EXPECT_EQ(w->CombinationBox->Text(), "Usual Combination");
        EXPECT_EQ(w->LoadingBox->Items().IndexOf("Normal Upstream Reservoir Elevation"), 0);
        w->LoadingBox->SetFocus();
        TestPressKey(w->LoadingBox, VK_HOME);
        type(w->EditStart, FloatToStr(normal - 10));
        type(w->EditEnd, FloatToStr(normal));
        type(w->EditIncrement, "0.5");
        w->JointBox->SetFocus();
        TestPressKey(w->JointBox, VK_END);   // the base joint
        TestClick(w->Button1, 4, 4);
    });
    d->Incremental1->Click();
    const TIncrementLoad& il = d->Param.IncrementLoad;
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_TRUE(il.PerformAnalysis);
    EXPECT_EQ(il.Combination, 1);
    EXPECT_EQ(il.Loading, 1);
    EXPECT_EQ(il.JointNumber, 0);
    EXPECT_DOUBLE_EQ(il.IncrementValue[1], 0.5);
    EXPECT_TRUE(CurrentModel.IncrementLoad.PerformAnalysis);

    TestAnswerNextModal([](TCustomForm* form) { form->Close(); });
    d->StartAnalyses1->Click();
    EXPECT_EQ(d->Param.IncrementLoad.AnalysisSteps, 21);   // 10 / 0.5 increments

    double first = 0, last = 0;
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* plots = dynamic_cast<TGraphIncrementLoad*>(form);
        ASSERT_NE(plots, nullptr);
        for (int q = 1; q <= 10; ++q)
            if (plots->CheckListBox->ItemEnabled(q - 1)) {
                TestClick(plots->CheckListBox, 7, (q - 1) * 18 + 9);
                break;
            }
        EXPECT_FALSE(plots->ChartEmpty);
        first = plots->x[1];
        last = plots->x[21];
        TestClick(plots->Button1, 4, 4);
    });
    d->IncrementalPlots1->Click();
    EXPECT_DOUBLE_EQ(first, normal - 10);
    EXPECT_DOUBLE_EQ(last, normal);
}
