// The pseudo-dynamic seismic dialog opened from the document window on the sample model: a dam
// of 60 m (crest 160 m on rock at 100 m) of concrete at 27400 MPa, 201 divisions, 10 % of
// hysteretic damping in the rock.
#include <cmath>
#include <utility>

#include <gtest/gtest.h>

#include "app/PseudoDynamicDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

String Shown(TCustomForm* form, const char* label) { return DialogControl<TLabel>(form, label)->Caption(); }
}  // namespace

TEST(PseudoDynamicDlg, AnAccelerationAndTheDivisionsReachTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Pseudo-dynamic method (Chopra 1988)"));
        EXPECT_EQ(form->HelpContext(), 550);
        // 0.38 x 60 / sqrt(27400) = 0.1377 s
        EXPECT_EQ(Shown(form, "LabelT1"), String("0.138 sec"));
        EXPECT_EQ(Shown(form, "LabelD1"), String("0.050 "));
        DialogScreenshot(form, "pseudo-dynamic");
        const std::pair<const char*, const char*> pages[] = {{"TabDam", "pseudo-dynamic-dam"},
                                                             {"TabReservoir", "pseudo-dynamic-reservoir"},
                                                             {"TabFoundation", "pseudo-dynamic-foundation"},
                                                             {"TabModal", "pseudo-dynamic-modal"}};
        for (const auto& [page, picture] : pages) {
            ShowPage(form, page);
            DialogScreenshot(form, picture);
        }
        ShowPage(form, "TabDam");
        auto* spin = DialogControl<TSpinEdit>(form, "SpinNumber");
        EXPECT_EQ(spin->Value(), 201);
        spin->SetFocus();
        TestPressKey(spin, VK_UP);
        EXPECT_EQ(spin->Value(), 211);
        ShowPage(form, "TabAccelerations");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditHPGA"), "0.3");
        ClickButton(form, "OKButton");
    });
    d->PseudoDynamic1->Click();
    EXPECT_EQ(d->Param.Acc.Peak.horizontal, 0.3);
    EXPECT_EQ(d->Param.Acc.Peak.spectral, 0.55);
    EXPECT_EQ(d->Param.ChopraC.tranches, 211);
    EXPECT_EQ(d->Param.ChopraCombination, ccSRSS);
    EXPECT_EQ(d->Param.ChopraC.SlopeCorr, scGeneralized);
    EXPECT_TRUE(d->Param.Charges.Seisme.PseudoDynamic);
    EXPECT_TRUE(d->Param.Donnees.Contains(daPseudoDynamic));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
}

TEST(PseudoDynamicDlg, TheSliderAndTheFieldsComputeAtOnce)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        const String period = Shown(form, "LabelT1rf"), damping = Shown(form, "LabelD1rf");
        ShowPage(form, "TabFoundation");
        auto* slider = DialogControl<TEcxSlider>(form, "SliderNf");
        auto* number = DialogControl<TNumLab>(form, "NumLabNf");
        EXPECT_EQ(slider->Value(), 10);
        EXPECT_EQ(number->ValueText(), String("0.10"));
        slider->SetFocus();
        TestPressKey(slider, VK_RIGHT);
        EXPECT_EQ(slider->Value(), 15);
        EXPECT_EQ(number->ValueText(), String("0.15"));
        EXPECT_EQ(Shown(form, "LabelT1rf"), period);   // the rock's damping does not lengthen the period
        EXPECT_NE(Shown(form, "LabelD1rf"), damping);
        // A concrete without stiffness: the periods divide by zero and show a dash.
        ShowPage(form, "TabDam");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditEs"), "0");
        EXPECT_EQ(Shown(form, "LabelT1"), String("-"));
        EXPECT_EQ(Shown(form, "LabelT1rf"), String("-"));
        EnterText(DialogControl<TEcCalcEdit>(form, "EditEs"), "25000");
        // 0.38 x 60 / sqrt(25000) = 0.1442 s
        EXPECT_EQ(Shown(form, "LabelT1"), String("0.144 sec"));
        // The velocity of the pressure waves takes no part in the computation.
        ShowPage(form, "TabReservoir");
        const String lengthened = Shown(form, "LabelT1rf");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditVelocity"), "1000");
        EXPECT_EQ(Shown(form, "LabelT1rf"), lengthened);
        // The reflection coefficient is held within 0 to 1.
        auto* alpha = DialogControl<TEcCalcEdit>(form, "EditResRef");
        EnterText(alpha, "2");
        EXPECT_EQ(static_cast<double>(alpha->Value()), 1);
        ClickButton(form, "OKButton");
    });
    d->PseudoDynamic1->Click();
    EXPECT_EQ(d->Param.ChopraC.FoundHystDamping, 15);
    EXPECT_EQ(d->Param.Concrete.Ec, 25000);
    EXPECT_EQ(d->Param.Reservoir.WaveVelocity, 1000);
    EXPECT_EQ(d->Param.ChopraC.Alpha, 1);
    EXPECT_NEAR(d->Param.ChopraC.TDam, 0.38 * 60 / std::sqrt(25000.0), 1e-12);
}

TEST(PseudoDynamicDlg, CancelLeavesTheModelAndAZeroAccelerationClearsTheInput)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TParametres before = d->Param;
    TestAnswerNextModal([&](TCustomForm* form) {
        EnterText(DialogControl<TEcCalcEdit>(form, "EditHSSA"), "0");
        ShowPage(form, "TabFoundation");
        auto* slider = DialogControl<TEcxSlider>(form, "SliderNf");
        slider->SetFocus();
        TestPressKey(slider, VK_RIGHT);
        TestPressKey(slider, VK_ESCAPE);
    });
    d->PseudoDynamic1->Click();
    EXPECT_EQ(d->Param.Acc.Sust.spectral, before.Acc.Sust.spectral);
    EXPECT_EQ(d->Param.ChopraC.FoundHystDamping, 10);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));

    TestAnswerNextModal([&](TCustomForm* form) {
        EnterText(DialogControl<TEcCalcEdit>(form, "EditHSSA"), "0");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditVPGA"), "0");
        ClickButton(form, "OKButton");
    });
    d->PseudoDynamic1->Click();
    EXPECT_FALSE(d->Param.Charges.Seisme.PseudoDynamic);
    EXPECT_FALSE(d->Param.Donnees.Contains(daPseudoDynamic));
}

TEST(PseudoDynamicDlg, EnterFollowsTheFieldOrdersToOK)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto enterFrom = [&](const char* name) {
            auto* c = DialogControl<TWinControl>(form, name);
            c->SetFocus();
            TestPressKey(c, VK_RETURN);
            TestProcess();
            return form->FocusedControl();
        };
        EXPECT_EQ(enterFrom("EditReturnPeriod"), form->FindComponent("EditHPGA"));
        EXPECT_EQ(enterFrom("EditHPSA"), form->FindComponent("EditHSA"));
        EXPECT_EQ(enterFrom("EditHSSA"), form->FindComponent("OKButton"));
        ShowPage(form, "TabDam");
        EXPECT_EQ(enterFrom("SpinNumber"), form->FindComponent("EditEs"));
        EXPECT_EQ(enterFrom("EditEs"), form->FindComponent("EditDamDamping"));
        EXPECT_EQ(enterFrom("EditDamDamping"), form->FindComponent("OKButton"));
        ShowPage(form, "TabReservoir");
        EXPECT_EQ(enterFrom("EditResRef"), form->FindComponent("EditVelocity"));
        EXPECT_EQ(enterFrom("EditVelocity"), form->FindComponent("OKButton"));
        ShowPage(form, "TabFoundation");
        EXPECT_EQ(enterFrom("EditEf"), form->FindComponent("OKButton"));
        EXPECT_TRUE(form->Modal());
        ClickButton(form, "CancelButton");
    });
    d->PseudoDynamic1->Click();
}

TEST(PseudoDynamicDlg, AnImperialModelShowsPsiAndFeetPerSecond)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(Shown(form, "LabelEsUnit"), String("psi"));
        EXPECT_EQ(Shown(form, "LabelEfUnit"), String("psi"));
        EXPECT_EQ(Shown(form, "LabelVelocityUnit"), String("ft/s"));
        // 1.4 x 60 / sqrt(27400): the imperial formula on the same numbers.
        EXPECT_EQ(Shown(form, "LabelT1"), String("0.507 sec"));
        ClickButton(form, "CancelButton");
    });
    d->PseudoDynamic1->Click();
}
