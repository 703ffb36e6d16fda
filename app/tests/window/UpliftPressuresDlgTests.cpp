// The uplift-pressures dialog opened from the document window on the sample model (CDSA with
// drainage, cracking option "no drain effectiveness"): the guideline and its uplift load, the
// warning of the cracking options, no drainage, the gallery rule, the drain-effectiveness
// sub-dialog, Cancel and no close box.
#include <gtest/gtest.h>

#include "app/UpliftPressuresDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

void ChooseGuideline(TCustomForm* form, Integer entry)
{
    auto* combo = DialogControl<TComboBox>(form, "ComboBoxGuideline");
    combo->SetItemIndex(entry);
    combo->OnChange(combo);
    TestProcess();
}

void Click(TCustomForm* form, const char* name)
{
    auto* control = DialogControl<TControl>(form, name);
    TestClick(control, 6, control->Height() / 2);
    TestProcess();
}
}  // namespace

TEST(UpliftPressuresDlg, TheGuidelineGivesTheUpliftLoadAndTheCrackingWarning)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Include(daAnalysed);
    d->MakeCurrent();
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Uplift Pressures & Drainage System"));
        EXPECT_EQ(DialogControl<TComboBox>(form, "ComboBoxGuideline")->ItemIndex(), 0);
        EXPECT_TRUE(DialogControl<TGroupBox>(form, "GroupAlternatives")->Visible());
        EXPECT_FALSE(DialogControl<TGroupBox>(form, "GroupEffectiveness")->Visible());
        DialogScreenshot(form, "uplift-pressures");
        ChooseGuideline(form, 3);   // "FERC 1991"
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelNote1")->Caption(),
                  String("Uplift pressures are considered as an internal load."));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelNote2")->Caption(),
                  String("Dorva will do calculations using total stresses."));
        EXPECT_FALSE(DialogControl<TGroupBox>(form, "GroupAlternatives")->Visible());
        EXPECT_TRUE(DialogControl<TGroupBox>(form, "GroupEffectiveness")->Visible());
        DialogScreenshot(form, "uplift-pressures-ferc");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditEffectiveness"), "0.5");
        TestAnswerNextMessageBox(mrOk);
        ClickButton(form, "OKButton");
    });
    d->Drainage1->Click();
    EXPECT_EQ(d->Param.UpliftCode, cFERC);
    EXPECT_EQ(d->Param.Drainage.Code, cFERC);
    EXPECT_EQ(d->Param.UpliftLoad, ulInternal);
    EXPECT_EQ(d->Param.Drainage.effectiveness, 0.5);
    EXPECT_EQ(d->Param.Drainage.CrackOver, cdNoDrain);   // the cracking options are not changed
    EXPECT_TRUE(d->Param.Donnees.Contains(daDrain));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_FALSE(d->Results1->Enabled());
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Please check the drainage section in the cracking options\r"
                                                 "the FERC guideline for drain under cracking condition is not the selected one"));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
}

TEST(UpliftPressuresDlg, WithoutDrainageOnlyTheFlagAndTheCodeChange)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.UpliftLoad = ulInternal;
    d->MakeCurrent();
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        Click(form, "RadioNo");
        EXPECT_FALSE(DialogControl<TGroupBox>(form, "GroupPosition")->Enabled());
        EXPECT_FALSE(DialogControl<TGroupBox>(form, "GroupGallery")->Enabled());
        DialogScreenshot(form, "uplift-pressures-no-drain");
        ChooseGuideline(form, 1);   // "USACE 1995"
        ClickButton(form, "OKButton");
    });
    d->Drainage1->Click();
    EXPECT_FALSE(d->Param.Drain);
    EXPECT_FALSE(d->Param.Donnees.Contains(daDrain));
    EXPECT_EQ(d->Param.UpliftCode, cUSACE);
    EXPECT_EQ(d->Param.UpliftLoad, ulInternal);
    EXPECT_EQ(d->Param.Drainage.Xdrain, 6);
    EXPECT_TRUE(TestMessageBoxes().empty());
}

TEST(UpliftPressuresDlg, GalleryAndDrainEffectivenessSubDialog)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Drainage.GalleryElev = 95;
    d->Param.Drainage.MaxElevation = 100;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_FALSE(TestClickCloseBox(form));
        auto* drainOver = DialogControl<TEcCalcEdit>(form, "EditDrainOver");
        EXPECT_FALSE(drainOver->Enabled());
        Click(form, "CheckBoxDrain");
        EXPECT_TRUE(drainOver->Enabled());
        EnterText(DialogControl<TEcCalcEdit>(form, "EditGalleryElev"), "105");
        EXPECT_EQ(drainOver->Value(), 105);
        ChooseGuideline(form, 1);   // "USACE 1995": the effectiveness group
        auto* clickHere = DialogControl<TButton>(form, "Button2");
        EXPECT_FALSE(clickHere->Enabled());
        Click(form, "RadioButton2");
        EXPECT_TRUE(clickHere->Enabled());
        EXPECT_FALSE(DialogControl<TEcCalcEdit>(form, "EditEffectiveness")->Enabled());
        // Cancelled: the drains as they were.
        TestAnswerNextModal([&](TCustomForm* drains) {
            EnterText(DialogControl<TEcCalcEdit>(drains, "EditSpacing"), "5");
            ClickButton(drains, "CancelButton");
        });
        ClickButton(form, "Button2");
        // Taken: a diameter of 0 becomes 0.001.
        TestAnswerNextModal([&](TCustomForm* drains) {
            EXPECT_EQ(drains->Caption(), String("Computation of Drain Effectiveness (E)"));
            EXPECT_EQ(DialogControl<TEcCalcEdit>(drains, "EditSpacing")->Value(), 3);
            EXPECT_EQ(DialogControl<TLabel>(drains, "LabelDiameterUnit")->Caption(), String("m"));
            DialogScreenshot(drains, "drain-effectiveness");
            auto* diameter = DialogControl<TEcCalcEdit>(drains, "EditDiameter");
            EnterText(diameter, "0");
            EXPECT_DOUBLE_EQ(static_cast<double>(diameter->Value()), 0.001);
            TestPressKey(diameter, VK_ESCAPE);   // Escape does not cancel it
            TestProcess();
            EXPECT_TRUE(drains->Modal());
            ClickButton(drains, "OKButton");
        });
        ClickButton(form, "Button2");
        TestAnswerNextMessageBox(mrOk);   // USACE expects another cracking option than the sample's
        ClickButton(form, "OKButton");
    });
    d->Drainage1->Click();
    EXPECT_TRUE(d->Param.Drainage.DrainOver);
    EXPECT_EQ(d->Param.Drainage.GalleryElev, 105);
    EXPECT_EQ(d->Param.Drainage.MaxElevation, 105);
    EXPECT_TRUE(d->Param.DrainEfficiency.Activated);
    EXPECT_DOUBLE_EQ(d->Param.DrainEfficiency.DrainDiameter, 0.001);
    EXPECT_EQ(d->Param.DrainEfficiency.DrainSpacing, 3);
}

TEST(UpliftPressuresDlg, CancelAndAModelWithoutAGuidelineEntry)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Drainage.Code = cANCOLD;
    d->Param.UpliftCode = cANCOLD;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(DialogControl<TComboBox>(form, "ComboBoxGuideline")->ItemIndex(), -1);
        EnterText(DialogControl<TEcCalcEdit>(form, "EditDrainPosition"), "8");
        TestPressKey(DialogControl<TEcCalcEdit>(form, "EditDrainPosition"), VK_ESCAPE);
    });
    d->Drainage1->Click();
    EXPECT_EQ(d->Param.Drainage.Xdrain, 6);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) { ClickButton(form, "OKButton"); });
    d->Drainage1->Click();
    EXPECT_EQ(d->Param.Drainage.Code, cANCOLD);
    EXPECT_EQ(d->Param.UpliftCode, cANCOLD);
    EXPECT_TRUE(TestMessageBoxes().empty());
}
