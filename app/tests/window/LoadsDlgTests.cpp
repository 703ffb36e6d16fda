// The load combinations dialog opened from the document window on the sample model: the five
// combinations with every load factor 1 (no ice with an earthquake), seismic #1 pseudo-static,
// seismic #2 pseudo-dynamic, the post-seismic case after seismic #1.
#include <utility>

#include <gtest/gtest.h>

#include "app/LoadsDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

TCheckBox* Box(TCustomForm* form, const char* name) { return DialogControl<TCheckBox>(form, name); }
void Click(TCustomForm* form, const char* name)
{
    TestClick(DialogControl<TControl>(form, name), 6, 8);
    TestProcess();
}
bool PageShown(TCustomForm* form, const char* page) { return DialogControl<TTabSheet>(form, page)->TabVisible(); }
}  // namespace

TEST(LoadsDlg, ThePseudoStaticEarthquakeWritesItsFactorTable)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Include(daAnalysed);
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Load Combinations"));
        EXPECT_EQ(form->HelpContext(), 560);
        for (const char* box : {"CheckBoxUsual", "CheckBoxFlood", "CheckBoxSeismic1", "CheckBoxSeismic2", "CheckBoxPostSeismic"}) {
            EXPECT_TRUE(Box(form, box)->Checked()) << box;
            EXPECT_TRUE(Box(form, box)->Enabled()) << box;
        }
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "sfLimitEquilibrium")->Checked());
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioS1PS")->Checked());
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioS2PD")->Checked());
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioSeismic1")->Checked());
        // Each page shows its own required factors.
        EXPECT_EQ(DialogControl<TExtendEdit>(form, "EditUsPSF")->Text(), String("3.000"));
        EXPECT_EQ(DialogControl<TExtendEdit>(form, "EditFlPSF")->Text(), String("2.000"));
        EXPECT_EQ(DialogControl<TExtendEdit>(form, "EditS1TF")->Text(), String("0.909"));
        DialogScreenshot(form, "loads");
        const std::pair<const char*, const char*> pages[] = {{"TabFlood", "loads-flood"},
                                                             {"TabSeismic1", "loads-seismic1"},
                                                             {"TabSeismic2", "loads-seismic2"},
                                                             {"TabPostSeismic", "loads-post-seismic"}};
        for (const auto& [page, picture] : pages) {
            ShowPage(form, page);
            DialogScreenshot(form, picture);
        }
        ShowPage(form, "TabSeismic1");
        EnterText(DialogControl<TExtendEdit>(form, "EditS1Qv"), "0.5");
        ClickButton(form, "OKButton");
    });
    d->LoadCombinations1->Click();
    const TLoadCombination& f = d->Param.LoadCombination;
    EXPECT_EQ(d->Param.Combination.Seismic1.Qv, 0.5);
    // Case 3, the stress analysis: the peak components.
    for (double v : {f.QH[3], f.HDu[3], f.HDd[3], f.SDh[3]}) EXPECT_EQ(v, 1);
    for (double v : {f.QV[3], f.VDu[3], f.VDd[3], f.SDv[3]}) EXPECT_EQ(v, 0.5);
    for (double v : {f.EMc[3], f.EQv[3], f.QHp[3], f.QVp[3], f.HDdp[3], f.EMcp[3]}) EXPECT_EQ(v, 0);
    // Case 4, the stability analysis: the same in the sustained components.
    for (double v : {f.QHp[4], f.HDup[4], f.HDdp[4], f.SDhp[4]}) EXPECT_EQ(v, 1);
    for (double v : {f.QVp[4], f.VDup[4], f.VDdp[4], f.SDvp[4]}) EXPECT_EQ(v, 0.5);
    for (double v : {f.QH[4], f.QV[4], f.HDd[4], f.EMc[4], f.EMcp[4], f.EQvp[4]}) EXPECT_EQ(v, 0);
    // Seismic #2, pseudo-dynamic: the dynamic pressure of the water in EMc, none from the
    // pseudo-static inertia.
    EXPECT_EQ(f.QH[5], 0);
    EXPECT_EQ(f.HDd[5], 1);
    EXPECT_EQ(f.EMc[5], 1);
    // Factors the field rounds for display but the user did not touch keep their values.
    EXPECT_EQ(d->Param.SafetyFactors.Seismic1.Tension, 1 / 1.1);
    EXPECT_EQ(d->Param.SafetyFactors.Usual.Compression, 1.0 / 3.0);
    EXPECT_EQ(d->Param.Charges.PostSeismic, 1);
    EXPECT_TRUE(d->Param.Donnees.Contains(daCombination));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
}

TEST(LoadsDlg, RequiredFactorsAreHeldInTheirRangeAndLoadFactorsAreNot)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        // 0.5 pasted whole (typed key by key, the "0" would already jump to the bound).
        auto* peak = DialogControl<TExtendEdit>(form, "EditUsPSF");
        peak->SetFocus();
        peak->SetText("0.5");
        TestPressKey(peak, VK_TAB);
        TestProcess();
        EXPECT_EQ(peak->Value(), 1);
        EXPECT_EQ(peak->Text(), String("1.000"));
        EnterText(DialogControl<TExtendEdit>(form, "editUsD"), "20");
        EnterText(DialogControl<TExtendEdit>(form, "EditUsTF"), "3");
        // Seismic #1 by the pseudo-dynamic method.
        ShowPage(form, "TabSeismic1");
        Click(form, "RadioS1PD");
        ClickButton(form, "OKButton");
    });
    d->LoadCombinations1->Click();
    EXPECT_EQ(d->Param.SafetyFactors.Usual.Peak, 1);
    EXPECT_EQ(d->Param.SafetyFactors.Usual.Tension, 2);
    EXPECT_EQ(d->Param.Combination.Usual.D, 20);
    EXPECT_EQ(d->Param.LoadCombination.W[1], 20);
    EXPECT_EQ(d->Param.Charges.Seisme.Seismic1, seDynamic);
    EXPECT_EQ(d->Param.LoadCombination.QH[3], 0);
    EXPECT_EQ(d->Param.LoadCombination.EMc[3], 1);
}

TEST(LoadsDlg, TheCombinationBoxesFollowEachOther)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        // Clearing "Usual" clears and hides every other combination.
        Click(form, "CheckBoxUsual");
        for (const char* box : {"CheckBoxFlood", "CheckBoxSeismic1", "CheckBoxSeismic2", "CheckBoxPostSeismic"}) {
            EXPECT_FALSE(Box(form, box)->Checked()) << box;
            EXPECT_FALSE(Box(form, box)->Enabled()) << box;
        }
        for (const char* page : {"TabUsual", "TabFlood", "TabSeismic1", "TabSeismic2", "TabPostSeismic"})
            EXPECT_FALSE(PageShown(form, page)) << page;
        Click(form, "CheckBoxUsual");
        EXPECT_TRUE(PageShown(form, "TabUsual"));
        EXPECT_EQ(DialogControl<TPageControl>(form, "PageControl1")->ActivePage(), DialogControl<TTabSheet>(form, "TabUsual"));
        EXPECT_TRUE(Box(form, "CheckBoxFlood")->Enabled());
        // Only seismic #2 with the post-seismic case: it follows seismic #2.
        Click(form, "CheckBoxSeismic2");
        Click(form, "CheckBoxPostSeismic");
        EXPECT_TRUE(PageShown(form, "TabSeismic2"));
        EXPECT_FALSE(PageShown(form, "TabSeismic1"));
        EXPECT_FALSE(DialogControl<TRadioButton>(form, "RadioSeismic1")->Enabled());
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioSeismic2")->Checked());
        DialogScreenshot(form, "loads-seismic2-only");
        ClickButton(form, "OKButton");
    });
    d->LoadCombinations1->Click();
    EXPECT_TRUE(d->Param.Combination.Usual.Selected);
    EXPECT_FALSE(d->Param.Combination.Flood.Selected);
    EXPECT_FALSE(d->Param.Combination.Seismic1.Selected);
    EXPECT_TRUE(d->Param.Combination.Seismic2.Selected);
    EXPECT_EQ(d->Param.Charges.PostSeismic, 2);
    EXPECT_FALSE(d->Param.LoadCombination.Selected[3]);
    EXPECT_TRUE(d->Param.LoadCombination.Selected[6]);

    // Clearing both earthquakes clears the post-seismic case.
    TestAnswerNextModal([&](TCustomForm* form) {
        Click(form, "CheckBoxSeismic2");
        EXPECT_FALSE(Box(form, "CheckBoxPostSeismic")->Checked());
        EXPECT_FALSE(PageShown(form, "TabPostSeismic"));
        ClickButton(form, "OKButton");
    });
    d->LoadCombinations1->Click();
    EXPECT_FALSE(d->Param.Combination.PostSeismic.Selected);
}

TEST(LoadsDlg, WithoutFloodLevelsTheFloodCannotBeTicked)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Exclude(daResFlood);
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_FALSE(Box(form, "CheckBoxFlood")->Enabled());
        ClickButton(form, "CancelButton");
    });
    d->LoadCombinations1->Click();
}

TEST(LoadsDlg, CancelLeavesTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TLoadCombination before = d->Param.LoadCombination;
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* dead = DialogControl<TExtendEdit>(form, "editUsD");
        EnterText(dead, "2");
        Click(form, "CheckBoxFlood");
        dead->SetFocus();
        TestPressKey(dead, VK_RETURN);   // Enter moves on like Tab
        TestProcess();
        EXPECT_EQ(form->FocusedControl(), form->FindComponent("EditUsHu"));
        TestPressKey(dead, VK_ESCAPE);
    });
    d->LoadCombinations1->Click();
    EXPECT_EQ(d->Param.Combination.Usual.D, 1);
    EXPECT_TRUE(d->Param.Combination.Flood.Selected);
    EXPECT_EQ(d->Param.LoadCombination.W[1], before.W[1]);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}
