// The lift-joints dialog opened from the document window on the sample model: A = B = 100,
// crest G = 160, lift joints at 110 to 150 m of the material "Lift joint".
#include <gtest/gtest.h>

#include "app/JointDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);
}  // namespace

TEST(JointDlg, GeneratedJointsReachTheModelWithTheirEnds)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Lift joints"));
        auto* list = DialogControl<TListBox>(form, "ListBox");
        EXPECT_EQ(list->Items().Count(), 5);
        DialogScreenshot(form, "joints");
        EnterText(DialogControl<TCustomEdit>(form, "EditFirst"), "105");
        EnterText(DialogControl<TCustomEdit>(form, "EditLast"), "125");
        EnterText(DialogControl<TCustomEdit>(form, "EditInc"), "5");
        ClickButton(form, "ButtonMultiple");
        // 105, 115 and 125 are new; 110 and 120 exist.
        ASSERT_EQ(list->Items().Count(), 8);
        EXPECT_EQ(list->Items()[0], String("  150.000   Lift joint"));
        EXPECT_EQ(list->Items()[7], String("  105.000   Lift joint"));
        ClickButton(form, "OKButton");
    });
    d->LiftJoints1->Click();
    ASSERT_EQ(d->Param.NJoints, 8);
    EXPECT_EQ(d->Param.Joint.Elev[1], 150);
    EXPECT_EQ(d->Param.Joint.Elev[8], 105);
    EXPECT_GT(d->Param.Joint.x2[8], 0);   // the ends computed from the section
    EXPECT_EQ(d->Param.DrainEfficiency.Joint.Length(), 9);
    EXPECT_TRUE(d->Param.Donnees.Contains(daLiftjoints));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    // The next opening shows the last range.
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(static_cast<double>(DialogControl<TEcCalcEdit>(form, "EditLast")->Value()), 125);
        ClickButton(form, "CancelButton");
    });
    d->LiftJoints1->Click();
}

TEST(JointDlg, AJointAtTheCrestIsRefusedAndCancelKeepsTheJoints)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* list = DialogControl<TListBox>(form, "ListBox");
        TestAnswerNextMessageBox(mrOk);
        EnterText(DialogControl<TCustomEdit>(form, "EditSingle"), "160");
        ClickButton(form, "ButtonSingle");
        EXPECT_EQ(list->Items().Count(), 5);
        EnterText(DialogControl<TCustomEdit>(form, "EditSingle"), "155");
        ClickButton(form, "ButtonSingle");
        EXPECT_EQ(list->Items().Count(), 6);
        // Lines 2 and 3 (155 and 150): a click and a click with Ctrl.
        const Integer h = list->ItemHeight();
        TestClick(list, 5, h + h / 2);
        TestClick(list, 5, 2 * h + h / 2, mbLeft, {ssCtrl});
        EXPECT_EQ(list->SelCount(), 2);
        ClickButton(form, "ButtonRemove");
        EXPECT_EQ(list->Items().Count(), 4);
        TestPressKey(list, VK_ESCAPE);
    });
    d->LiftJoints1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Lift joint is not within dam!"));
    EXPECT_EQ(d->Param.NJoints, 5);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(JointDlg, EnterWalksTheGroupAndRunsItsCommandInTheMaterialList)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* single = DialogControl<TCustomEdit>(form, "EditSingle");
        auto* combo = DialogControl<TWinControl>(form, "ComboBoxMaterial2");
        EnterText(single, "157");
        single->SetFocus();
        TestPressKey(single, VK_RETURN);
        TestPressKey(DialogControl<TWinControl>(form, "EditAng2"), VK_RETURN);
        TestProcess();
        EXPECT_TRUE(DialogControl<TButton>(form, "ButtonSingle")->Default());
        TestPressKey(combo, VK_RETURN);   // Create
        TestProcess();
        EXPECT_EQ(DialogControl<TListBox>(form, "ListBox")->Items().Count(), 6);
        // Create gave the default role back to OK; the material list of the other group takes it.
        EXPECT_FALSE(DialogControl<TButton>(form, "ButtonSingle")->Default());
        EXPECT_TRUE(DialogControl<TButton>(form, "OKButton")->Default());
        DialogControl<TWinControl>(form, "ComboBoxMaterial1")->SetFocus();
        TestProcess();
        EXPECT_TRUE(DialogControl<TButton>(form, "ButtonMultiple")->Default());
        // Enter in a field takes it from Generate and moves on.
        auto* first = DialogControl<TWinControl>(form, "EditFirst");
        first->SetFocus();
        TestPressKey(first, VK_RETURN);
        TestProcess();
        EXPECT_FALSE(DialogControl<TButton>(form, "ButtonMultiple")->Default());
        EXPECT_EQ(form->FocusedControl(), DialogControl<TWinControl>(form, "EditLast"));
        EXPECT_TRUE(form->Modal());
        ClickButton(form, "OKButton");
    });
    d->LiftJoints1->Click();
    EXPECT_EQ(d->Param.NJoints, 6);
    EXPECT_EQ(d->Param.Joint.Elev[1], 157);
}

TEST(JointDlg, AnImperialModelShowsFeet)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelFirstUnit")->Caption(), String("ft"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelAng1Unit")->Caption(), String("deg"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelElevationColumn")->Caption(), String("U/S elev. (ft)"));
        ClickButton(form, "CancelButton");
    });
    d->LiftJoints1->Click();
}
