// The concentrated-masses dialog and its mass editor opened from the document window on the
// sample model (one hoist of 20 000 kg at x = 5 m, el. 161 m).
#include <gtest/gtest.h>

#include "app/AddMassDlg.h"
#include "app/MassesDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

// The mass editor, answered with these four values, or with its unit texts checked only.
void AnswerMassEditor(const char* x, const char* elevation, const char* horizontal, const char* vertical,
                      const char* screenshot = nullptr)
{
    TestAnswerNextModal([=](TCustomForm* editor) {
        if (screenshot) DialogScreenshot(editor, screenshot);
        EnterText(DialogControl<TCustomEdit>(editor, "EditPosX"), x);
        EnterText(DialogControl<TCustomEdit>(editor, "EditElev"), elevation);
        EnterText(DialogControl<TCustomEdit>(editor, "EditHorMass"), horizontal);
        EnterText(DialogControl<TCustomEdit>(editor, "EditVertMass"), vertical);
        ClickButton(editor, "OKButton");
    });
}
}  // namespace

TEST(MassesDlg, AMassAddedInTheEditorReachesTheModelOnOk)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Include(daAnalysed);
    d->MakeCurrent();
    const Integer before = d->Param.NMasses;
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Added Mass(es)"));
        auto* list = DialogControl<TListBox>(form, "ListBox");
        EXPECT_EQ(list->Items().Count(), before);
        DialogScreenshot(form, "masses");
        TestAnswerNextModal([](TCustomForm* editor) {
            EXPECT_EQ(editor->Caption(), String("Add a mass"));
            EXPECT_EQ(editor->HelpContext(), 620);
            DialogScreenshot(editor, "addmass");
            EnterText(DialogControl<TCustomEdit>(editor, "EditPosX"), "12.5");
            EnterText(DialogControl<TCustomEdit>(editor, "EditElev"), "158");
            EnterText(DialogControl<TCustomEdit>(editor, "EditHorMass"), "1500");
            ClickButton(editor, "OKButton");
        });
        ClickButton(form, "ButtonAdd");
        ASSERT_EQ(list->Items().Count(), before + 1);
        EXPECT_EQ(list->Items()[before], String("(x:  12.500, el: 158.000) (H:  1500.0, V:     0.0)"));
        ClickButton(form, "OKButton");
    });
    d->Masses1->Click();
    ASSERT_EQ(d->Param.NMasses, before + 1);
    EXPECT_EQ(d->Param.Masses.Elem[before].PosX, 12.5);
    EXPECT_EQ(d->Param.Masses.Elem[before].HorMass, 1500);
    EXPECT_EQ(d->Param.Masses.count, before + 1);
    EXPECT_TRUE(d->Param.Donnees.Contains(daMasses));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
}

TEST(MassesDlg, AMassWithoutMassesIsNotAddedAndCancelKeepsTheDocumentsMasses)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TMasses first = d->Param.Masses.Elem[0];
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* list = DialogControl<TListBox>(form, "ListBox");
        AnswerMassEditor("1", "150", "0", "0");
        ClickButton(form, "ButtonAdd");
        EXPECT_EQ(list->Items().Count(), 1);
        // The sample's mass edited (both masses 0 are accepted), then everything removed.
        TestClick(list, 5, 5);
        EXPECT_TRUE(DialogControl<TButton>(form, "ButtonChange")->Enabled());
        AnswerMassEditor("7", "161", "0", "0");
        ClickButton(form, "ButtonChange");
        EXPECT_EQ(list->Items()[0], String("(x:   7.000, el: 161.000) (H:     0.0, V:     0.0)"));
        TestClick(list, 5, 5);
        ClickButton(form, "ButtonRemove");
        EXPECT_EQ(list->Items().Count(), 0);
        TestPressKey(list, VK_ESCAPE);   // no cancel key: still open
        TestProcess();
        EXPECT_TRUE(form->Modal());
        ClickButton(form, "CancelButton");
    });
    d->Masses1->Click();
    EXPECT_EQ(d->Param.NMasses, 1);
    EXPECT_EQ(d->Param.Masses.Elem[0].PosX, first.PosX);
    EXPECT_EQ(d->Param.Masses.Elem[0].HorMass, first.HorMass);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(MassesDlg, RemovingEveryMassClearsTheFlagAndFeetShowInTheEditor)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* list = DialogControl<TListBox>(form, "ListBox");
        TestClick(list, 5, 5);
        TestAnswerNextModal([](TCustomForm* editor) {
            EXPECT_EQ(editor->Caption(), String("Edit mass properties"));
            EXPECT_EQ(DialogControl<TLabel>(editor, "LabelPosXUnit")->Caption(), String("ft"));
            EXPECT_EQ(DialogControl<TLabel>(editor, "LabelVertMassUnit")->Caption(), String("lb"));
            ClickButton(editor, "CancelButton");
        });
        TestDoubleClick(list, 5, 5);
        TestClick(list, 5, 5);
        ClickButton(form, "ButtonRemove");
        ClickButton(form, "OKButton");
    });
    d->Masses1->Click();
    EXPECT_EQ(d->Param.NMasses, 0);
    EXPECT_FALSE(d->Param.Donnees.Contains(daMasses));
}
