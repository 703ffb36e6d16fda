// Every drop-down list of the analysis windows, each shown modally as the program shows it, takes
// the entry the user clicks in its dropped list.
#include <gtest/gtest.h>

#include <functional>

#include "analysis/AnalysisRun.h"
#include "analysis/IncrementalLoadDlg.h"
#include "analysis/ReportEpures.h"
#include "analysis/StatisticDlg.h"
#include "analysis/StatisticOptions.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"

namespace {

// The sample, analysed, with every combination and every Monte-Carlo row selected, so that each
// list is on view and enabled.
TParametres EveryListModel()
{
    TParametres m = ReadTestModel("sample.dam");
    m.Statistiques.AnalysesDemandees = false;
    m.IncrementLoad.PerformAnalysis = false;
    TCombinations& c = m.Combination;
    c.Usual.Selected = c.Flood.Selected = c.Seismic1.Selected = c.Seismic2.Selected = c.PostSeismic.Selected = true;
    for (int k = 1; k <= NLoadCases; ++k) m.LoadCombination.Selected[k] = true;
    for (int r = 1; r <= NRandomVariables; ++r) {
        m.Statistiques.Selection[r] = true;
        m.Statistiques.NumeroParametre[r] = static_cast<Word>(r);
    }
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    return m;
}

// Shows the window modally after `prepare` and clicks another entry of each of its lists; answers
// how many lists it found.
template <class T>
int ClickEveryList(const std::function<void(T*)>& prepare)
{
    auto* window = CreateForm<T>(Application);
    prepare(window);
    int lists = 0;
    TestAnswerNextModal([&](TCustomForm*) {
        // At its own size: the test screen is 800 pixels wide, and there the maximised stability
        // drawings window has its button bar over the list's button.
        window->SetWindowState(wsNormal);
        TestProcess();
        for (Integer i = 0; i < window->ComponentCount(); ++i) {
            auto* box = dynamic_cast<TCustomComboBox*>(window->Components(i));
            if (!box || !box->Visible() || !box->Enabled()) continue;
            ++lists;
            const Integer chosen = ChooseAnotherWithMouse(box);
            const String name = window->ClassName() + "." + box->Name();
            EXPECT_GE(chosen, 0) << name.ToUtf8();
            EXPECT_EQ(box->ItemIndex(), chosen) << name.ToUtf8();
            if (chosen >= 0) {
                EXPECT_EQ(box->Text(), box->Items()[chosen]) << name.ToUtf8();
            }
            EXPECT_FALSE(box->DroppedDown()) << name.ToUtf8();
        }
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
    return lists;
}

TEST(DropDownLists, EachListOfTheAnalysisWindowsTakesTheEntryClickedInItsDroppedList)
{
    const TParametres model = EveryListModel();
    auto withModel = [&](auto* window) { window->param = model; };
    EXPECT_EQ(ClickEveryList<TReportEpures>(withModel), 1);
    EXPECT_EQ(ClickEveryList<TStatisticDlg>(withModel), 23);
    EXPECT_EQ(ClickEveryList<TIncrementalLoadDlg>(withModel), 3);
    EXPECT_EQ(ClickEveryList<TStatisticOptionsDlg>([&](TStatisticOptionsDlg* window) {
                  window->Statistiques = model.Statistiques;
                  window->Joint = model.Joint;
                  window->NJoints = model.NJoints;
              }),
              1);
}

}  // namespace
