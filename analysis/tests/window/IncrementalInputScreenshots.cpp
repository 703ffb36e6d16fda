// Pictures of the incremental-load input window, with the balloon of a flood level below the
// normal level, and of its output options, for people to look at.
#include <gtest/gtest.h>

#include "analysis/IncrementalLoadDlg.h"
#include "analysis/IncrementalOptions.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "styledcontrols/StyMessageHint.h"

namespace {

// The sample's flood level growing from below its normal level: the balloon points at the
// first value.
TEST(IncrementalInputScreenshots, InputWindowWithTheFloodBalloon)
{
    TParametres m = ReadTestModel("sample.dam");
    m.Combination.Flood.Selected = true;
    m.Donnees.Include(daResFlood);
    TIncrementLoad& il = m.IncrementLoad;
    il.Combination = 2;
    il.Loading = 2;
    il.StartValue[2] = m.Reservoir.NormalUp - 5;
    il.EndValue[2] = m.Reservoir.NormalUp + 5;
    il.IncrementValue[2] = 0.25;
    il.PerformAnalysis = true;
    auto* window = CreateForm<TIncrementalLoadDlg>(Application);
    window->param = m;
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        window->EditStart->SetFocus();
        TestPressKey(window->EditStart, VK_TAB);
        TestProcess();
        ASSERT_TRUE(window->StyMessage->IsDisplaying());
        std::vector<TWinControl*> popups;
        for (TStyBaseHintWindow* balloon : window->StyMessage->Windows()) popups.push_back(balloon);
        TBitmap picture;
        TestScreenshot(window, popups, "incremental-input", picture);
        EXPECT_EQ(window->ClientWidth(), 363);
        EXPECT_EQ(window->ClientHeight(), 346);
        window->StyMessage->HideMessage();
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

TEST(IncrementalInputScreenshots, OutputOptions)
{
    auto* window = CreateForm<TIncrementalOptionsDlg>(Application);
    window->IncrementLoad = ReadTestModel("sample.dam").IncrementLoad;
    window->IncrementLoad.SauverResultats = true;
    window->IncrementLoad.FichierOutput = "Incremental.out";
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        TBitmap picture;
        TestScreenshot(window, "incremental-options", picture);
        EXPECT_EQ(window->ClientWidth(), 521);
        EXPECT_EQ(window->ClientHeight(), 256);
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

}  // namespace
