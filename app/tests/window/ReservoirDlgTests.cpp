// The reservoir dialog opened from the document window on the sample model: levels, debris and
// overtopping reaching the model with their flags, the bounds of its fields, Cancel, no close
// box, and the imperial unit texts.
#include <gtest/gtest.h>

#include "app/ReservoirDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

}  // namespace

// The sample: heel and toe at A = B = 100, upstream rock at H = 100; operating levels 156 and
// 104, flood levels 159 and 108, ice 150 kN/m on 0.6 m, silt up to 112, no floating debris.
TEST(ReservoirDlg, LevelsDebrisAndOvertoppingReachTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Include(daResOvertop);
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Reservoir, Ice, Silt & Floating Debris"));
        DialogScreenshot(form, "reservoir");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditUOres"), "100");   // down to the heel
        EnterText(DialogControl<TEcCalcEdit>(form, "EditDOres"), "100");
        ShowPage(form, "TabIce");
        DialogScreenshot(form, "reservoir-ice");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditIceThickness"), "0");
        ShowPage(form, "TabDebris");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditFDForce"), "25");
        DialogScreenshot(form, "reservoir-debris");
        ShowPage(form, "TabSilt");
        DialogScreenshot(form, "reservoir-silt");
        TestClick(DialogControl<TRadioButton>(form, "RadioActive"), 6, 8);
        ShowPage(form, "TabOvertopping");
        EnterText(DialogControl<TExtendEdit>(form, "EditUpPercentage"), "150");
        DialogScreenshot(form, "reservoir-overtopping");
        ClickButton(form, "OKButton");
    });
    d->Reservoir1->Click();
    const TReservoir& r = d->Param.Reservoir;
    EXPECT_EQ(r.NormalUp, 100);
    EXPECT_EQ(r.NormalDn, 100);
    EXPECT_EQ(r.FloodUp, 159);
    EXPECT_EQ(r.IceThickness, 0);
    EXPECT_EQ(r.SedModel, smActive);
    EXPECT_DOUBLE_EQ(r.PressureUp, 1.5);   // the range is not enforced
    EXPECT_DOUBLE_EQ(r.PressureDown, 0.5);
    EXPECT_EQ(d->Param.DebrisFlottant.Force, 25);
    const TDataSet& flags = d->Param.Donnees;
    EXPECT_FALSE(flags.Contains(daResNormal));
    EXPECT_TRUE(flags.Contains(daResFlood));
    EXPECT_FALSE(flags.Contains(daIce));
    EXPECT_TRUE(flags.Contains(daSediments));
    EXPECT_TRUE(flags.Contains(daFloatingDebris));
    EXPECT_TRUE(flags.Contains(daResOvertop));
    EXPECT_TRUE(flags.Contains(daChanged));
    EXPECT_EQ(CurrentModel.Reservoir.NormalUp, 100);
}

TEST(ReservoirDlg, FieldsKeepTheirBoundsAndCancelLeavesTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Reservoir.WaterWeight = 9.80665;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_FALSE(TestClickCloseBox(form));   // no close box
        // Metric: the water weight with three decimals at most.
        auto* weight = DialogControl<TEcCalcEdit>(form, "EditWaterWeight");
        EXPECT_EQ(weight->DisplayText(), String("9.807"));
        // Enter acts as Tab, and no default button closes the dialog.
        weight->SetFocus();
        TestPressKey(weight, VK_RETURN);
        TestProcess();
        EXPECT_EQ(form->FocusedControl(), form->FindComponent("EditUOres"));
        EXPECT_TRUE(form->Modal());
        auto* level = DialogControl<TEcCalcEdit>(form, "EditUFres");
        EnterText(level, "90");
        EXPECT_EQ(level->Value(), 100);   // below the heel: the heel's elevation
        ShowPage(form, "TabSilt");
        auto* angle = DialogControl<TEcCalcEdit>(form, "EditSiltAngle");
        EnterText(angle, "90");
        EXPECT_DOUBLE_EQ(static_cast<double>(angle->Value()), 89.999);
        EnterText(angle, "0");
        EXPECT_DOUBLE_EQ(static_cast<double>(angle->Value()), 0.001);
        ClickButton(form, "CancelButton");
    });
    d->Reservoir1->Click();
    EXPECT_EQ(d->Param.Reservoir.FloodUp, 159);
    EXPECT_EQ(d->Param.Reservoir.SedAngle, 30);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(ReservoirDlg, AnImperialModelShowsFeetAndFiveDecimalsOfWaterWeight)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->Param.Reservoir.WaterWeight = 0.062428;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelWaterWeightUnit")->Caption(), String(u"kip/ft\u00B3"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelUOresUnit")->Caption(), String("ft"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelIceUnit")->Caption(), String("kip/ft"));
        EXPECT_EQ(DialogControl<TEcCalcEdit>(form, "EditWaterWeight")->DisplayText(), String("0.06243"));
        ClickButton(form, "CancelButton");
    });
    d->Reservoir1->Click();
}
