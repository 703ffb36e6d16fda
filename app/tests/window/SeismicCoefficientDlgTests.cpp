// The pseudo-static seismic dialog opened from the document window on the sample model: an
// acceleration changed, the accelerations all 0, the period of 0, Cancel, the enabling of the
// period and depth-limit fields and the Enter orders.
#include <gtest/gtest.h>

#include "app/SeismicCoefficientDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

}  // namespace

TEST(SeismicCoefficientDlg, AnAccelerationReachesTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Pseudo-static method (seismic coefficient)"));
        EXPECT_EQ(DialogControl<TPageControl>(form, "PageControl1")->ActivePage(),
                  DialogControl<TTabSheet>(form, "TabAccelerations"));
        DialogScreenshot(form, "seismic-coefficient");
        ShowPage(form, "TabWestergaard");
        DialogScreenshot(form, "seismic-coefficient-westergaard");
        ShowPage(form, "TabHydrostatic");
        TestClick(DialogControl<TCheckBox>(form, "CheckVertAccOnReservoir"), 6, 8);
        DialogScreenshot(form, "seismic-coefficient-hydrostatic");
        ShowPage(form, "TabAccelerations");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditBaseAcc"), "0.3");
        ClickButton(form, "OKButton");
    });
    d->PseudoStatic1->Click();
    EXPECT_EQ(d->Param.Acc.Peak.horizontal, 0.3);
    EXPECT_EQ(d->Param.Acc.Peak.vertical, 0.17);
    EXPECT_EQ(d->Param.Acc.ReturnPeriod, 2500);
    EXPECT_TRUE(d->Param.Reservoir.VertAccOnReservoir);
    EXPECT_EQ(d->Param.CoeffSis.SlopeCorr, scGeneralized);
    EXPECT_TRUE(d->Param.Charges.Seisme.PseudoStatic);
    EXPECT_TRUE(d->Param.Donnees.Contains(daPseudoStatic));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
}

TEST(SeismicCoefficientDlg, NoAccelerationAndAPeriodOfZero)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        for (const char* name : {"EditBaseAcc", "EditVertAcc", "EditSustAcc", "EditVertSusAcc"})
            EnterText(DialogControl<TEcCalcEdit>(form, name), "0");
        auto* returnPeriod = DialogControl<TExtendEdit>(form, "EditReturnPeriod");
        EnterText(returnPeriod, "0");
        EXPECT_EQ(returnPeriod->Value(), 1);   // the enforced range
        // A period of 0 typed, then compressibility left out again: 0.01 is stored all the same.
        ShowPage(form, "TabWestergaard");
        auto* compressibility = DialogControl<TCheckBox>(form, "CheckBoxCompressibility");
        TestClick(compressibility, 6, 8);
        EnterText(DialogControl<TEcCalcEdit>(form, "EditPeriod"), "0");
        TestClick(compressibility, 6, 8);
        ClickButton(form, "OKButton");
    });
    d->PseudoStatic1->Click();
    EXPECT_FALSE(d->Param.Charges.Seisme.PseudoStatic);
    EXPECT_FALSE(d->Param.Donnees.Contains(daPseudoStatic));
    EXPECT_EQ(d->Param.Acc.ReturnPeriod, 1);
    EXPECT_FALSE(d->Param.CoeffSis.WaterCompressibility);
    EXPECT_EQ(d->Param.CoeffSis.te, 0.01);
    // The next opening shows the stored period.
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_DOUBLE_EQ(static_cast<double>(DialogControl<TEcCalcEdit>(form, "EditPeriod")->Value()), 0.01);
        ClickButton(form, "CancelButton");
    });
    d->PseudoStatic1->Click();
}

TEST(SeismicCoefficientDlg, CancelLeavesTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        EnterText(DialogControl<TEcCalcEdit>(form, "EditBaseAcc"), "0.5");
        ShowPage(form, "TabWestergaard");
        TestClick(DialogControl<TRadioButton>(form, "RadioLimit"), 6, 8);
        TestPressKey(DialogControl<TRadioButton>(form, "RadioLimit"), VK_ESCAPE);
    });
    d->PseudoStatic1->Click();
    EXPECT_EQ(d->Param.Acc.Peak.horizontal, 0.25);
    EXPECT_FALSE(d->Param.CoeffSis.Depth.IsLimit);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(SeismicCoefficientDlg, WestergaardFieldsFollowTheirChoicesAndEnterOrder)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        ShowPage(form, "TabWestergaard");
        auto* period = DialogControl<TEcCalcEdit>(form, "EditPeriod");
        auto* limit = DialogControl<TEcCalcEdit>(form, "EditLimit");
        auto* compressibility = DialogControl<TCheckBox>(form, "CheckBoxCompressibility");
        // The sample: no compressibility, no depth limit.
        EXPECT_FALSE(period->Enabled());
        EXPECT_FALSE(limit->Enabled());
        TestClick(compressibility, 6, 8);
        TestProcess();
        EXPECT_TRUE(period->Enabled());
        EXPECT_EQ(form->FocusedControl(), compressibility);
        // Without a depth limit Enter goes from the period to OK.
        period->SetFocus();
        TestPressKey(period, VK_RETURN);
        TestProcess();
        EXPECT_EQ(form->FocusedControl(), form->FindComponent("OKButton"));
        TestClick(DialogControl<TRadioButton>(form, "RadioLimit"), 6, 8);
        EXPECT_TRUE(limit->Enabled());
        period->SetFocus();
        TestPressKey(period, VK_RETURN);
        TestProcess();
        EXPECT_EQ(form->FocusedControl(), limit);
        TestClick(DialogControl<TRadioButton>(form, "RadioNoLimit"), 6, 8);
        EXPECT_FALSE(limit->Enabled());
        EnterText(DialogControl<TEcCalcEdit>(form, "EditBaseAcc"), "0.2");
        ShowPage(form, "TabAccelerations");
        auto* base = DialogControl<TEcCalcEdit>(form, "EditBaseAcc");
        base->SetFocus();
        TestPressKey(base, VK_RETURN);
        TestProcess();
        EXPECT_EQ(form->FocusedControl(), form->FindComponent("EditVertAcc"));
        ClickButton(form, "OKButton");
    });
    d->PseudoStatic1->Click();
    EXPECT_TRUE(d->Param.CoeffSis.WaterCompressibility);
    EXPECT_FALSE(d->Param.CoeffSis.Depth.IsLimit);
    EXPECT_EQ(d->Param.CoeffSis.Depth.Limit, 60);   // no limit keeps the field's value
}
