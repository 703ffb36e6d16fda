// A picture of the Monte-Carlo input window with three random rows and the balloon of the
// horizontal ground acceleration, for people to look at.
#include <gtest/gtest.h>

#include "analysis/StatisticDlg.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "styledcontrols/StyMessageHint.h"

namespace {

TEST(StatisticInputScreenshots, InputWindowWithABalloon)
{
    TParametres m = ReadTestModel("sample.dam");
    for (int k = 1; k <= NLoadCases; ++k) m.LoadCombination.Selected[k] = k == 1 || k == 3 || k == 7;
    m.Charges.PostSeismic = 1;
    TStatistiques& st = m.Statistiques;
    struct Row {
        Word code;
        double mean, deviation, low, high;
        Byte distribution;
    };
    const Row rows[] = {{1, 250, 25, 200, 300, 1}, {2, 1234.5678, 150, 800, 1600, 2}, {14, 0.15, 0.0125, 0.1, 0.2, 0}};
    for (int r = 1; r <= NRandomVariables; ++r) st.Selection[r] = r <= 3;
    for (int r = 1; r <= 3; ++r) {
        const Row& row = rows[r - 1];
        st.NumeroParametre[r] = row.code;
        st.Moyenne[r] = row.mean;
        st.Deviation[r] = row.deviation;
        st.Minimum[r] = row.low;
        st.Maximum[r] = row.high;
        st.Distribution[r] = row.distribution;
    }
    st.NombreAnalyses = 50000;
    st.AnalysesDemandees = true;
    st.Combination = 3;
    auto* window = CreateForm<TStatisticDlg>(Application);
    window->param = m;
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        TestMouseMove(window->Quantities[3], 20, 8);
        ASSERT_TRUE(window->StyMessageHint->IsDisplaying());
        std::vector<TWinControl*> popups;
        for (TStyBaseHintWindow* balloon : window->StyMessageHint->Windows()) popups.push_back(balloon);
        TBitmap picture;
        TestScreenshot(window, popups, "probabilistic-input", picture);
        window->StyMessageHint->HideMessage();
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

}  // namespace
