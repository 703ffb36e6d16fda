// The joint-materials dialog and its material editor opened from the document window on the
// sample model: one lift-joint material, "Lift joint", used by the five lift joints.
#include <gtest/gtest.h>

#include "app/AddMaterialDlg2.h"
#include "app/JointMaterialDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

double FieldValue(TCustomForm* form, const char* name)
{
    return static_cast<double>(DialogControl<TEcCalcEdit>(form, name)->Value());
}
}  // namespace

TEST(JointMaterialDlg, ACreatedMaterialStartsFromTheBaseJointAndReachesTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TProprietes base = d->Param.JointMaterials[0];
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Material Properties"));
        auto* list = DialogControl<TListBox>(form, "ListBox");
        EXPECT_EQ(list->Items().Count(), 1);
        DialogScreenshot(form, "jointmaterials");
        TestAnswerNextModal([&](TCustomForm* editor) {
            EXPECT_EQ(editor->Caption(), String("Material Properties"));
            EXPECT_EQ(editor->HelpContext(), 450);
            EXPECT_EQ(FieldValue(editor, "EditJointfc"), base.fc);
            EXPECT_EQ(FieldValue(editor, "EditjointAngle"), base.peak.angle);
            DialogScreenshot(editor, "addmaterial");
            EnterText(DialogControl<TCustomEdit>(editor, "EditName"), "Grout joints");   // stored cut to 10
            EnterText(DialogControl<TCustomEdit>(editor, "EditJointcPeak"), "450");
            EXPECT_EQ(DialogControl<TRadioGroup>(editor, "RadioPeak2")->ItemIndex(), 1);   // the base's Option 2
            DialogControl<TRadioGroup>(editor, "RadioPeak2")->SetItemIndex(0);
            ClickButton(editor, "OKButton");
        });
        ClickButton(form, "ButtonAdd");
        EXPECT_EQ(list->Items().Count(), 2);
        ClickButton(form, "OKButton");
    });
    d->LiftJointsMaterials1->Click();
    ASSERT_EQ(d->Param.NJointMaterials, 2);
    const TProprietes& grout = d->Param.JointMaterials[2];
    EXPECT_EQ(grout.nom.ToString(), String("Grout join"));
    EXPECT_EQ(grout.id, 2);
    EXPECT_EQ(grout.peak.c, 450);
    EXPECT_EQ(grout.residual.angle, base.residual.angle);
    EXPECT_EQ(grout.peak.ShearCurve, scNonContinue);     // "Option 1"
    EXPECT_EQ(grout.residual.ShearCurve, scContinue);    // "Option 2", as the base joint's
    EXPECT_TRUE(d->Param.Donnees.Contains(daMaterials));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
}

TEST(JointMaterialDlg, TheEditorRefusesADuplicateNameAndAPeakAngleBelowTheResidual)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        TestAnswerNextModal([&](TCustomForm* editor) {
            EnterText(DialogControl<TCustomEdit>(editor, "EditName"), "Lift joint");
            TestAnswerNextMessageBox(mrOk);
            ClickButton(editor, "OKButton");
            EXPECT_TRUE(editor->Modal());
            EnterText(DialogControl<TCustomEdit>(editor, "EditName"), "Other");
            EnterText(DialogControl<TCustomEdit>(editor, "EditjointAngle"), "30");
            EnterText(DialogControl<TCustomEdit>(editor, "EditJointResidual"), "35");
            TestAnswerNextMessageBox(mrOk);
            ClickButton(editor, "OKButton");
            EXPECT_TRUE(editor->Modal());
            TestPressKey(DialogControl<TWinControl>(editor, "EditName"), VK_ESCAPE);
        });
        ClickButton(form, "ButtonAdd");
        EXPECT_EQ(DialogControl<TListBox>(form, "ListBox")->Items().Count(), 1);
        ClickButton(form, "CancelButton");
    });
    d->LiftJointsMaterials1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 2u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Duplicate material name!"));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
    EXPECT_EQ(TestMessageBoxes()[1].Text, String("Peak friction angle lower than Residual friction angle!"));
    EXPECT_EQ(d->Param.NJointMaterials, 1);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(JointMaterialDlg, AMaterialInUseStaysAndEditsAreLostOnCancel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const double peakC = d->Param.JointMaterials[1].peak.c;
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* list = DialogControl<TListBox>(form, "ListBox");
        TestClick(list, 5, 5);
        TestAnswerNextModal([&](TCustomForm* editor) {
            EXPECT_EQ(editor->Caption(), String("Change material properties"));
            EnterText(DialogControl<TCustomEdit>(editor, "EditJointcPeak"), "1");
            ClickButton(editor, "OKButton");
        });
        ClickButton(form, "ButtonChange");
        TestClick(list, 5, 5);
        TestAnswerNextMessageBox(mrOk);
        ClickButton(form, "ButtonRemove");
        EXPECT_EQ(list->Items().Count(), 1);
        // The rock's fields follow the check box.
        auto* check = DialogControl<TCheckBox>(form, "CheckBoxPassiveStrength");
        DialogControl<TPageControl>(form, "PageControl1")->SetActivePageIndex(2);
        TestClick(check, 6, 8);
        EXPECT_TRUE(check->Checked());
        EXPECT_TRUE(DialogControl<TWinControl>(form, "EditRocMass")->Enabled());
        DialogScreenshot(form, "jointmaterials-rock");
        TestClick(check, 6, 8);
        EXPECT_FALSE(DialogControl<TWinControl>(form, "EditRocMass")->Enabled());
        DialogControl<TPageControl>(form, "PageControl1")->SetActivePageIndex(1);
        DialogScreenshot(form, "jointmaterials-base");
        ClickButton(form, "CancelButton");
    });
    d->LiftJointsMaterials1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text,
              String("Material Lift joint is used by at least one joint.\rRemove all related joints before deleting this material"));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Information);
    EXPECT_EQ(d->Param.JointMaterials[1].peak.c, peakC);
}

TEST(JointMaterialDlg, AnImperialModelShowsImperialUnits)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelEditRockfcUnit")->Caption(), String("ksf"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelEditPeakMinStressUnit")->Caption(), String("ksf"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelEditRocMassUnit")->Caption(), String(u"lb/ft³"));
        TestAnswerNextModal([](TCustomForm* editor) {
            EXPECT_EQ(DialogControl<TLabel>(editor, "LabelEditJointfcUnit")->Caption(), String("ksf"));
            ClickButton(editor, "CancelButton");
        });
        ClickButton(form, "ButtonAdd");
        ClickButton(form, "CancelButton");
    });
    d->LiftJointsMaterials1->Click();
}

TEST(JointMaterialDlg, EnterMovesToTheNextFieldInBothDialogs)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        // On the base joint's page the hidden "Create a material" does not take the Enter.
        DialogControl<TPageControl>(form, "PageControl1")->SetActivePageIndex(1);
        auto* fc = DialogControl<TWinControl>(form, "EditRockfc");
        fc->SetFocus();
        TestPressKey(fc, VK_RETURN);
        TestProcess();
        EXPECT_EQ(form->FocusedControl(), DialogControl<TWinControl>(form, "EditRockft"));
        EXPECT_TRUE(form->Modal());
        // In the material editor Enter walks the fields and leaves the editor open.
        DialogControl<TPageControl>(form, "PageControl1")->SetActivePageIndex(0);
        TestAnswerNextModal([&](TCustomForm* editor) {
            auto* name = DialogControl<TWinControl>(editor, "EditName");
            name->SetFocus();
            TestTypeText(name, "Grout");
            TestPressKey(name, VK_RETURN);
            TestProcess();
            EXPECT_EQ(editor->FocusedControl(), DialogControl<TWinControl>(editor, "EditJointfc"));
            EXPECT_TRUE(editor->Modal());
            ClickButton(editor, "CancelButton");
        });
        ClickButton(form, "ButtonAdd");
        ClickButton(form, "CancelButton");
    });
    d->LiftJointsMaterials1->Click();
    EXPECT_EQ(d->Param.NJointMaterials, 1);
}
