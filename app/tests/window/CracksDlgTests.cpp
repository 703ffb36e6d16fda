// The pre-cracked joints dialog opened from the document window on the sample model: lift joints
// 1 to 5 at 150, 140 ... 110 m and the base joint at 100 m, none of them cracked.
#include <gtest/gtest.h>

#include "app/CracksDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

// A click on a line of the list, Ctrl held to add it to the selection.
void ClickLine(TCustomForm* form, Integer line, TShiftState shift = {})
{
    auto* list = DialogControl<TListBox>(form, "ListBox");
    const TRect r = list->ItemRect(line);
    TestClick(list, r.Left + 10, (r.Top + r.Bottom) / 2, mbLeft, shift);
    TestProcess();
}

bool SetEnabled(TCustomForm* form) { return DialogControl<TButton>(form, "SetButton")->Enabled(); }
}  // namespace

TEST(CracksDlg, ACrackLengthSetOnTwoJointsReachesTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const double length1 = d->Param.Joint.Length[1], length0 = d->Param.Joint.Length[0];
    ASSERT_NE(length1, length0);
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Pre-Cracked Joint(s)"));
        EXPECT_EQ(form->HelpContext(), 820);
        auto* list = DialogControl<TListBox>(form, "ListBox");
        ASSERT_EQ(list->Items().Count(), 6);
        // The lift joints first, the base joint last.
        EXPECT_EQ(Copy(list->Items()[0], 1, 22), String("  150.000   Lift joint"));
        EXPECT_EQ(Copy(list->Items()[4], 1, 22), String("  110.000   Lift joint"));
        EXPECT_EQ(Copy(list->Items()[5], 1, 22), String("  100.000   Base joint"));
        EXPECT_FALSE(SetEnabled(form));
        EXPECT_FALSE(DialogControl<TEcCalcEdit>(form, "EditUpPercentage")->Enabled());
        ClickLine(form, 0);
        ClickLine(form, 5, TShiftState{ssCtrl});
        EXPECT_TRUE(SetEnabled(form));
        DialogScreenshot(form, "cracks");
        // 2 m upstream: the same length, a fraction of each joint's own length.
        EnterText(DialogControl<TEcCalcEdit>(form, "EditUpLength"), "2");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditDownLength"), "1");
        ClickButton(form, "SetButton");
        EXPECT_FALSE(SetEnabled(form));   // the list filled again
        EXPECT_EQ(list->Items()[0],
                  Format("%9.3f   %10s  %9.3f   %9.3f", {150.0, String("Lift joint"), 2.0, 1.0}));
        ClickButton(form, "OKButton");
    });
    d->Param.Donnees.Include(daAnalysed);
    d->PreCracked1->Click();
    EXPECT_DOUBLE_EQ(d->Param.Cracks.Up[1], 2 / length1);
    EXPECT_DOUBLE_EQ(d->Param.Cracks.Down[1], 1 / length1);
    EXPECT_DOUBLE_EQ(d->Param.Cracks.Up[0], 2 / length0);
    EXPECT_EQ(d->Param.Cracks.Up[2], 0);
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
}

TEST(CracksDlg, PercentagesOverTheWholeJointAreRefusedWithTheirMessage)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* list = DialogControl<TListBox>(form, "ListBox");
        ClickLine(form, 1);
        TestClick(DialogControl<TRadioButton>(form, "RadioPercentage"), 6, 8);
        TestProcess();
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelUpColumn")->Caption(), String("U/S crack (%)"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelDownColumn")->Caption(), String("D/S crack (%)"));
        EXPECT_FALSE(SetEnabled(form));   // a new choice is needed
        EXPECT_FALSE(DialogControl<TEcCalcEdit>(form, "EditUpLength")->Enabled());
        ClickLine(form, 1);
        EnterText(DialogControl<TEcCalcEdit>(form, "EditUpPercentage"), "30");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditDownPercentage"), "80");
        TestAnswerNextMessageBox(mrOk);
        ClickButton(form, "SetButton");
        EXPECT_EQ(list->Items()[1], Format("%9.3f   %10s  %9.3f   %9.3f", {140.0, String("Lift joint"), 0.0, 0.0}));
        DialogScreenshot(form, "cracks-percentage");
        // A click on the line shows the joint's cracks in the fields.
        ClickLine(form, 1);
        EXPECT_EQ(static_cast<double>(DialogControl<TEcCalcEdit>(form, "EditUpPercentage")->Value()), 0);
        EnterText(DialogControl<TEcCalcEdit>(form, "EditUpPercentage"), "30");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditDownPercentage"), "70");
        ClickButton(form, "SetButton");
        EXPECT_EQ(list->Items()[1], Format("%9.3f   %10s  %9.3f   %9.3f", {140.0, String("Lift joint"), 30.0, 70.0}));
        ClickButton(form, "OKButton");
    });
    d->PreCracked1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text,
              String("Illegal values for Joint at elevation   140.000 m.\rCrack lengths are ignored for this joint."));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
    EXPECT_EQ(TestMessageBoxes()[0].Buttons, (std::vector<Integer>{mrOk}));
    EXPECT_DOUBLE_EQ(d->Param.Cracks.Up[2], 0.3);
    EXPECT_DOUBLE_EQ(d->Param.Cracks.Down[2], 0.7);
}

TEST(CracksDlg, CancelAfterSetLeavesTheDocumentsCracks)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        ClickLine(form, 0);
        auto* up = DialogControl<TEcCalcEdit>(form, "EditUpLength");
        EnterText(up, "3");
        // Enter moves on as Tab does and keeps the dialog.
        up->SetFocus();
        TestPressKey(up, VK_RETURN);
        TestProcess();
        EXPECT_NE(form->FocusedControl(), up);
        EXPECT_TRUE(form->Modal());
        ClickButton(form, "SetButton");
        TestPressKey(DialogControl<TListBox>(form, "ListBox"), VK_ESCAPE);
    });
    d->PreCracked1->Click();
    EXPECT_EQ(d->Param.Cracks.Up[1], 0);
    EXPECT_EQ(CurrentModel.Cracks.Up[1], 0);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(CracksDlg, AnImperialModelShowsFeet)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelElevationColumn")->Caption(), String("U/S elev. (ft)"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelUpColumn")->Caption(), String("U/S crack (ft)"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelUpLengthUnit")->Caption(), String("ft"));
        ClickButton(form, "CancelButton");
    });
    d->PreCracked1->Click();
}
