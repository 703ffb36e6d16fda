// The section-geometry dialog opened from the document window on the sample model: a 60 m dam
// with A = B = 100, C = 100, D = 102, E = 130, F = 150, G = 160, H = I = 100 and L1 = 47 m.
#include <gtest/gtest.h>

#include "app/DimensionDlg.h"
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

TEST(DimensionDlg, OkWithoutChangeKeepsTheModelAndDropsTheResults)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Include(daAnalysed);
    d->MakeCurrent();
    const TParametres before = d->Param;
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Section geometry & Basic data:"));
        EXPECT_EQ(FieldValue(form, "EditL1"), 47);
        EXPECT_EQ(FieldValue(form, "EditElevG"), 160);
        DialogScreenshot(form, "dimension");
        ClickButton(form, "OKButton");
    });
    d->SectionGeometry1->Click();
    EXPECT_TRUE(TestMessageBoxes().empty());
    EXPECT_EQ(d->Param.NMasses, before.NMasses);
    EXPECT_EQ(d->Param.Reservoir.NormalUp, before.Reservoir.NormalUp);
    EXPECT_TRUE(d->Param.Donnees.Contains(daGeometry));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
}

TEST(DimensionDlg, AChangedSectionAsksAndYesResetsTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        // A above C and E moves them up to it; G stays above.
        EnterText(DialogControl<TCustomEdit>(form, "EditElevA"), "135");
        EXPECT_EQ(FieldValue(form, "EditElevC"), 135);
        EXPECT_EQ(FieldValue(form, "EditElevE"), 135);
        EXPECT_EQ(FieldValue(form, "EditElevRockUp"), 135);
        EXPECT_EQ(FieldValue(form, "EditElevG"), 160);
        TestAnswerNextMessageBox(mrAbort);
        ClickButton(form, "OKButton");
        EXPECT_TRUE(form->Modal());   // Abort keeps the dialog and its fields
        EXPECT_EQ(FieldValue(form, "EditElevA"), 135);
        TestAnswerNextMessageBox(mrYes);
        ClickButton(form, "OKButton");
    });
    d->SectionGeometry1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 2u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("This will erase all the previous data"));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
    EXPECT_EQ(TestMessageBoxes()[0].Buttons, (std::vector<Integer>{mrYes, mrAbort}));
    EXPECT_EQ(d->Param.Dim.Elev.A, 135);
    EXPECT_EQ(d->Param.Dim.Elev.C, 135);
    EXPECT_EQ(d->Param.NMasses, 0);
    EXPECT_EQ(d->Param.NJoints, 0);
    EXPECT_EQ(d->Param.NJointMaterials, 0);
    // The reservoir is emptied down to the foundation.
    EXPECT_EQ(d->Param.Reservoir.NormalUp, 135);
    EXPECT_EQ(d->Param.Reservoir.NormalDn, 100);
    EXPECT_EQ(d->Param.Joint.y1[0], 135);
    EXPECT_TRUE(d->Param.Donnees.Contains(daGeometry));
    EXPECT_FALSE(d->Param.Donnees.Contains(daMasses));
}

TEST(DimensionDlg, AFoundationBelowTheBaseIsRefusedAndCancelKeepsTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TParametres before = d->Param;
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        TestAnswerNextMessageBox(mrOk);
        EnterText(DialogControl<TCustomEdit>(form, "EditElevRockUp"), "95");
        EXPECT_EQ(FieldValue(form, "EditElevRockUp"), 100);   // A put back
        TestAnswerNextMessageBox(mrOk);
        EnterText(DialogControl<TCustomEdit>(form, "EditElevRockDown"), "170");
        EXPECT_EQ(FieldValue(form, "EditElevRockDown"), 100);   // B put back
        EnterText(DialogControl<TCustomEdit>(form, "EditL1"), "-5");
        EXPECT_EQ(FieldValue(form, "EditL1"), 0);
        ClickButton(form, "CancelButton");
    });
    d->SectionGeometry1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 2u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Upstream foundation elevation lower then elevation A!"));
    EXPECT_EQ(TestMessageBoxes()[1].Text, String("Downstream foundation elevation higher then crest elevation!"));
    EXPECT_EQ(d->Param.Dim.L1, before.Dim.L1);
    EXPECT_EQ(d->Param.Dim.Elev.Fup, before.Dim.Elev.Fup);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

// A base width typed empty, zero or negative leaves no section to analyse: OK says so and keeps
// the dialog open on the field; Cancel then leaves the document's section as it was.
TEST(DimensionDlg, ASectionWithoutBaseWidthIsRefusedAtOk)
{
    for (const char* typed : {"", "0", "-5"}) {
        TRunningProgram program({"{sample}"});
        TMDIChild* d = program.Active();
        TestClearMessageBoxes();
        TestAnswerNextModal([&](TCustomForm* form) {
            auto* l1 = DialogControl<TCustomEdit>(form, "EditL1");
            EnterText(l1, typed);
            TestAnswerNextMessageBox(mrOk);
            ClickButton(form, "OKButton");
            EXPECT_TRUE(form->Modal()) << typed;
            EXPECT_EQ(form->FocusedControl(), l1) << typed;
            ClickButton(form, "CancelButton");
        });
        d->SectionGeometry1->Click();
        ASSERT_EQ(TestMessageBoxes().size(), 1u) << typed;
        EXPECT_EQ(TestMessageBoxes()[0].Text, String("Base width L1 must be greater than zero!"));
        EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
        EXPECT_EQ(d->Param.Dim.L1, 47);
        EXPECT_TRUE(d->Param.Donnees.Contains(daGeometry));
    }
}

TEST(DimensionDlg, AnImperialModelShowsImperialUnits)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelL1Unit")->Caption(), String("ft"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelElevRockDownUnit")->Caption(), String("ft"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelGravityUnit")->Caption(), String(u"ft/s²"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelWeightUnit")->Caption(), String(u"lb/ft³"));
        ClickButton(form, "CancelButton");
    });
    d->SectionGeometry1->Click();
}

TEST(DimensionDlg, EnterLeavesTheFieldSoItsOrderIsKeptBeforeOk)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* a = DialogControl<TCustomEdit>(form, "EditElevA");
        a->SetFocus();
        a->SelectAll();
        TestTypeText(a, "140");
        TestPressKey(a, VK_RETURN);
        TestProcess();
        EXPECT_TRUE(form->Modal());
        EXPECT_EQ(form->FocusedControl(), DialogControl<TWinControl>(form, "EditElevB"));
        EXPECT_EQ(static_cast<double>(DialogControl<TEcCalcEdit>(form, "EditElevE")->Value()), 140);
        ClickButton(form, "CancelButton");
    });
    d->SectionGeometry1->Click();
    EXPECT_EQ(d->Param.Dim.Elev.A, 100);
}
