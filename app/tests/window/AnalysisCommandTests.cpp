// The document window's analysis command: the analysis window on a copy of the model, the
// results taken back into the document and the current model when the window closes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "analysis/GraphIncrement.h"
#include "analysis/GraphStatistic.h"
#include "analysis/Graphiques.h"
#include "analysis/IncrementalLoadDlg.h"
#include "analysis/Memo.h"
#include "analysis/Progress.h"
#include "analysis/ReportEpures.h"
#include "analysis/Statistic.h"
#include "analysis/StatisticDlg.h"
#include "app/tests/window/AppTestSupport.h"
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/ExtCtrls.h"
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

// After the analysis, Results > Stability drawings shows the current model's drawings, the
// tool button and the report pop-up's item too.
TEST(AnalysisCommand, StabilityDrawingsFromTheResultsMenu)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Statistiques.AnalysesDemandees = false;
    d->Param.IncrementLoad.PerformAnalysis = false;
    EXPECT_FALSE(d->StabilityDrawings1->Enabled());
    EXPECT_FALSE(d->PopupStabilityDrawings1->Enabled());
    TestAnswerNextModal([](TCustomForm* form) { form->Close(); });
    d->StartAnalyses1->Click();
    for (TMenuItem* item : {d->StabilityDrawings1, d->PopupStabilityDrawings1}) {
        SCOPED_TRACE(item->Name().ToUtf8());
        ASSERT_TRUE(item->Enabled());
        String caption;
        bool drawn = false, analysed = false;
        TestAnswerNextModal([&](TCustomForm* form) {
            auto* window = dynamic_cast<TReportEpures*>(form);
            ASSERT_NE(window, nullptr);
            caption = window->ComboBoxCombinaison->Text();
            drawn = window->Image1->Picture().Graphic() != nullptr;
            analysed = window->param.Donnees.Contains(daAnalysed);
            TestClick(dynamic_cast<TControl*>(window->FindComponent("ButtonClose")), 4, 4);
        });
        item->Click();
        EXPECT_EQ(caption, "Usual Combination [Stress analysis]");
        EXPECT_TRUE(drawn);
        EXPECT_TRUE(analysed);
    }
    EXPECT_EQ(d->PopupStabilityDrawings1->Caption(), String("Stability drawings"));
    EXPECT_EQ(d->PopupStabilityDrawings1->Parent(), d->PopupReport->Items());
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

// A Monte-Carlo study set up in its input window: the tensile strength drawn from a normal law
// (first refused for its null deviation), the peak cohesion from a density read from a file,
// 2000 simulations of the usual combination; handed to the document on OK, run by the analysis
// window and plotted from the results menu.
TEST(AnalysisCommand, MonteCarloStudyFromItsInputWindowToItsPlots)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TStatistiques& stored = d->Param.Statistiques;
    stored.AnalysesDemandees = false;
    stored.SauverParametres = stored.SauverResultats = stored.SauverInputCDF = stored.SauverOutPutCDF = false;
    for (int r = 1; r <= NRandomVariables; ++r) stored.Selection[r] = false;
    d->Param.IncrementLoad.PerformAnalysis = false;
    d->Param.LoadCombination.Selected[1] = true;
    d->UpdateMenuItems();
    ASSERT_TRUE(d->MonteCarlo1->Enabled());
    // A density rising then falling over the cohesion's range, one value per line.
    const String density = program.InFolder("cohesion.pdf");
    {
        std::ofstream out(density.ToUtf8());
        out << "12\n";
        for (double v : {0.0, 0.1, 0.3, 0.6, 0.9, 1.0, 1.0, 0.9, 0.6, 0.3, 0.1, 0.0}) out << v << "\n";
    }
    auto type = [](TEcCalcEdit* edit, const String& text) {
        edit->SetFocus();
        edit->SelectAll();
        TestTypeText(edit, text);
    };
    auto choose = [](TCustomComboBox* box, Integer index) {
        box->SetFocus();
        TestPressKey(box, VK_HOME);
        for (Integer i = 0; i < index; ++i) TestPressKey(box, VK_DOWN);
    };
    bool refused = false, balloon = false;
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* w = dynamic_cast<TStatisticDlg*>(form);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->CheckBox12->Checked());
        TestClick(w->CheckBox12, 4, 8);
        TestClick(w->RowBoxes[1], 4, 8);
        choose(w->Quantities[1], 1);   // tensile strength
        choose(w->Distributions[1], 1);   // normal
        type(w->Means[1], "250");
        type(w->Deviations[1], "0");
        type(w->Lows[1], "200");
        type(w->Highs[1], "300");
        TestClick(w->RowBoxes[2], 4, 8);
        choose(w->Quantities[2], 2);   // peak cohesion
        type(w->Lows[2], "50");
        type(w->Highs[2], "150");
        TestAnswerNextFileDialog({density});
        choose(w->Distributions[2], 3);
        EXPECT_EQ(w->Distributions[2]->Text(), "User defined");
        SetOrdProp(w->FindComponent("StySpinEdit1"), "Value", 2000);
        choose(w->ComboLoad, 0);
        EXPECT_EQ(w->ComboLoad->Text(), "Usual");
        // The mouse over the tensile strength's list shows the balloon of its warning (each
        // balloon window belongs to the component); a click and the mouse over the window's
        // surface end it.
        TComponent* hint = w->FindComponent("StyMessageHint");
        ASSERT_NE(hint, nullptr);
        TestMouseMove(w->Quantities[1], 10, 5);
        balloon = hint->ComponentCount() == 1;
        TestClick(w, 400, 30);
        TestMouseMove(w, 400, 30);
        EXPECT_EQ(hint->ComponentCount(), 0);
        TestAnswerNextMessageBox(mrOk);
        TestClick(w->ButtonOk, 4, 4);
        refused = w->ModalResult() == mrNone && TestMessageBoxes().size() == 1;
        type(w->Deviations[1], "20");
        TestClick(w->ButtonOk, 4, 4);
    });
    d->MonteCarlo1->Click();
    EXPECT_TRUE(refused);
    EXPECT_TRUE(balloon);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text.ToUtf8().rfind("Illegal values \r", 0), 0u);
    const TStatistiques& st = d->Param.Statistiques;
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_TRUE(st.AnalysesDemandees);
    EXPECT_EQ(st.NombreAnalyses, 2000);
    EXPECT_EQ(st.Combination, 1);
    EXPECT_TRUE(st.Selection[1] && st.Selection[2]);
    EXPECT_EQ(st.NumeroParametre[2], 2);
    EXPECT_EQ(st.Distribution[2], 3);
    EXPECT_EQ(d->Param.UserDefinedPDF.number[2], 12);
    EXPECT_EQ(CurrentModel.Statistiques.NombreAnalyses, 2000);

    TestProcess();   // what the program handles before the user's next command
    TestAnswerNextModal([](TCustomForm* form) { form->Close(); });
    d->StartAnalyses1->Click();
    ASSERT_TRUE(d->ProbabilisticPlots1->Enabled());

    // The drawn cohesions: their density, then their distribution, which ends at 1.
    const int index = StatIndex(StatInputs, 2);
    double density0 = -1, distribution = -1, low = 0, high = 0;
    TestProcess();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* plots = dynamic_cast<TGraphStatistics*>(form);
        ASSERT_NE(plots, nullptr);
        TStrings& inputs = plots->SectionListBox->Sections()[0]->SubItems();
        ASSERT_EQ(inputs.Count(), 2);
        plots->SectionListBoxSubItemClick(plots, 0, 1);
        ASSERT_FALSE(plots->ChartEmpty);
        density0 = plots->y->GetVal(1);
        TestClick(plots->RadioGroupCDF->Buttons(1), 4, 6);
        distribution = plots->y->GetVal(plots->y->NrOfElem());
        TestClick(plots->Button2, 4, 4);
    });
    d->ProbabilisticPlots1->Click();
    EXPECT_EQ(density0, d->Param.StatResult.histogramme[index]->GetVal(1));
    EXPECT_NEAR(distribution, 1, 1e-9);
    low = d->Param.StatResult.minimum[index];
    high = d->Param.StatResult.maximum[index];
    EXPECT_GE(low, 50);
    EXPECT_LE(high, 150);
}
