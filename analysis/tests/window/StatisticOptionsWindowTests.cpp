// The Monte-Carlo output options on the test driver: the joint list and its mapping to the
// stored joint, the save boxes with their file names, the intervals' limits and what OK stores.
#include <gtest/gtest.h>

#include <cstdio>

#include "analysis/StatisticOptions.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"

namespace {

// A model of 3 lift joints at 10, 20.5 and 31.25 above a base joint at 0.
TStatisticOptionsDlg* ThreeJointWindow(const TStatistiques& st)
{
    auto* window = CreateForm<TStatisticOptionsDlg>(Application);
    window->Statistiques = st;
    window->NJoints = 3;
    window->Joint.Elev.SetLength(4);
    const double elevations[4] = {0, 10, 20.5, 31.25};
    for (int j = 0; j < 4; ++j) window->Joint.Elev[j] = elevations[j];
    return window;
}

TStatistiques Settings()
{
    TStatistiques st;
    for (int q = 1; q <= 11; ++q) st.Resultats[q] = q >= 6;
    st.OutputJoint = 0;
    st.nPoints = 60;
    st.SauverParametres = true;
    st.SauverResultats = false;
    st.SauverInputCDF = true;
    st.SauverOutPutCDF = false;
    st.FichierInput = "Statistic.in";
    st.FichierOutput = "Statistic.out";
    st.FichierInCDF = "PDF_CDF.in";
    st.FichierOutCDF = "PDF_CDF.out";
    return st;
}

// Shows the window, runs `act` inside its showing; answers the settings the window holds after.
TStatistiques WithWindow(TStatisticOptionsDlg* window, const std::function<void(TStatisticOptionsDlg*)>& act,
                         TModalResult* result = nullptr)
{
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        act(window);
        if (window->ModalResult() == mrNone) window->Close();
    });
    const TModalResult r = window->ShowModal();
    if (result) *result = r;
    TStatistiques after = window->Statistiques;
    delete window;
    TestProcess();
    return after;
}

TEST(StatisticOptions, OpensOnTheSettingsWithTheJointsListed)
{
    WithWindow(ThreeJointWindow(Settings()), [](TStatisticOptionsDlg* w) {
        EXPECT_EQ(w->Caption(), "Probabilistic Analyses - Output Options");
        for (int q = 1; q <= 11; ++q) EXPECT_EQ(w->CheckBoxes[q]->Checked(), q >= 6) << q;
        EXPECT_EQ(w->EditDivisions->Value(), 60);
        EXPECT_TRUE(w->FileOpenEditInput->Enabled());
        EXPECT_FALSE(w->FileOpenEditoutput->Enabled());
        EXPECT_TRUE(w->FichierInCDF->Enabled());
        EXPECT_FALSE(w->FichierOutCDF->Enabled());
        EXPECT_EQ(w->FichierOutCDF->FileName(), "PDF_CDF.out");
        ASSERT_EQ(w->ComboJoint->Items().Count(), 4);
        EXPECT_EQ(w->ComboJoint->Items()[0], "#1  Elev.     10.000");
        EXPECT_EQ(w->ComboJoint->Items()[1], "#2  Elev.     20.500");
        EXPECT_EQ(w->ComboJoint->Items()[2], "#3  Elev.     31.250");
        EXPECT_EQ(w->ComboJoint->Items()[3], "#4  Base joint");
        EXPECT_EQ(w->ComboJoint->ItemIndex(), 3);   // the base joint
        EXPECT_FALSE(w->Button1->Visible());
    });
}

// The last entry stores the base joint (0), the first lift joint 1; OK stores boxes, intervals and
// names, a name cut to 255 characters.
TEST(StatisticOptions, OkStoresTheChoices)
{
    const String longName = String(std::string(300, 'x').c_str());
    struct Case {
        Integer entry, joint;
    };
    for (const Case c : {Case{0, 1}, Case{2, 3}, Case{3, 0}}) {
        TModalResult result = mrNone;
        const TStatistiques after = WithWindow(ThreeJointWindow(Settings()), [&](TStatisticOptionsDlg* w) {
            w->ComboJoint->SetFocus();
            TestPressKey(w->ComboJoint, VK_HOME);
            for (Integer i = 0; i < c.entry; ++i) TestPressKey(w->ComboJoint, VK_DOWN);
            TestClick(w->CheckBoxes[1], 4, 8);
            w->EditDivisions->SetValue(75);
            w->FileOpenEditInput->SetText(longName);
            TestClick(w->ButtonOk, 4, 4);
        }, &result);
        EXPECT_EQ(result, mrOk);
        EXPECT_EQ(after.OutputJoint, c.joint) << c.entry;
        EXPECT_TRUE(after.Resultats[1]);
        EXPECT_EQ(after.nPoints, 75);
        EXPECT_EQ(after.FichierInput.ToString(), Copy(longName, 1, 255));
    }
}

// A save box enables its name and sets its flag at once; the spin edit keeps 25..250.
TEST(StatisticOptions, SaveBoxesAndIntervals)
{
    TStatistiques st = Settings();
    st.nPoints = 10;
    const TStatistiques after = WithWindow(ThreeJointWindow(st), [](TStatisticOptionsDlg* w) {
        EXPECT_EQ(w->EditDivisions->Value(), 25);
        TestClick(w->CheckBoxSaveOutput, 4, 8);
        EXPECT_TRUE(w->FileOpenEditoutput->Enabled());
        EXPECT_TRUE(w->Statistiques.SauverResultats);
        TestClick(w->CheckBoxSaveInput, 4, 8);
        EXPECT_FALSE(w->FileOpenEditInput->Enabled());
        EXPECT_FALSE(w->Statistiques.SauverParametres);
        w->EditDivisions->SetValue(300);
        EXPECT_EQ(w->EditDivisions->Value(), 250);
        TestClick(w->ButtonCancel, 4, 4);
    });
    // The window's copy holds the flags; Cancel leaves the rest as it was.
    EXPECT_TRUE(after.SauverResultats);
    EXPECT_EQ(after.nPoints, 10);
}

// Enter reaching the window itself (no control previews it away) moves to the next control.
TEST(StatisticOptions, EnterAtTheWindowMovesToTheNextControl)
{
    WithWindow(ThreeJointWindow(Settings()), [](TStatisticOptionsDlg* w) {
        Word key = VK_RETURN;
        w->CheckBoxes[1]->SetFocus();
        w->FormKeyDown(w, key, {});
        TestProcess();
        EXPECT_EQ(key, 0);
        EXPECT_EQ(w->ActiveControl(), w->CheckBoxes[2]);
    });
}

}  // namespace
