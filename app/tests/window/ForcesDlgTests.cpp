// The applied-forces dialogs opened from the document window on the sample model: a force added
// on the upstream face, the zero force refused, an edit cancelled, every force removed.
#include <gtest/gtest.h>

#include "app/ForcesDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

// The sample's upstream face: vertical from A = 100 to C = 100, then straight to (L2, E) = (3, 130).
void ChooseLocation(TCustomForm* editor, Integer index)
{
    TRadioGroup* group = DialogControl<TRadioGroup>(editor, "RadioGroup1");
    TRadioButton* button = group->Buttons(index);
    TestClick(button, 6, button->Height() / 2);
    TestProcess();
}

// A model with two forces, made the document's and the current model.
void TwoForces(TMDIChild* d)
{
    d->Param.Force.Elem = DynArray<TForce>{{10, 110, 100, 0}, {20, 120, 0, -50}};
    d->Param.Force.count = d->Param.NForces = 2;
    d->Param.Donnees.Include(daForces);
    d->MakeCurrent();
}
}  // namespace

TEST(ForcesDlg, AForceAddedOnTheUpstreamFaceReachesTheModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Include(daAnalysed);
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* list) {
        TestAnswerNextModal([&](TCustomForm* editor) {
            EXPECT_EQ(editor->Caption(), String("Force data"));
            DialogScreenshot(editor, "force-edition");
            ChooseLocation(editor, flUpstreamFace);
            EXPECT_EQ(DialogControl<TRadioGroup>(editor, "RadioGroup1")->Caption(), String("Force on the upstream face"));
            EXPECT_FALSE(DialogControl<TEcCalcEdit>(editor, "EditPositionX")->Enabled());
            EnterText(DialogControl<TEcCalcEdit>(editor, "EditElevation"), "120");
            EnterText(DialogControl<TEcCalcEdit>(editor, "EditHorForce"), "500");
            ClickButton(editor, "OKButton");
        });
        ClickButton(list, "ButtonAdd");
        TListBox* lines = DialogControl<TListBox>(list, "ListBox");
        ASSERT_EQ(lines->Count(), 1);
        EXPECT_EQ(lines->Items()[0], String("(x:   2.000, el: 120.000) (H:   500.0, V:     0.0)"));
        DialogScreenshot(list, "forces");
        ClickButton(list, "OKButton");
    });
    d->AppliedForces1->Click();
    ASSERT_EQ(d->Param.NForces, 1);
    EXPECT_EQ(d->Param.Force.count, 1);
    EXPECT_DOUBLE_EQ(d->Param.Force.Elem[0].PosX, 2);   // on the face at 120: 3 x (120 - 100) / 30
    EXPECT_EQ(d->Param.Force.Elem[0].Elev, 120);
    EXPECT_EQ(d->Param.Force.Elem[0].HorForce, 500);
    EXPECT_TRUE(d->Param.Donnees.Contains(daForces));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_EQ(CurrentModel.NForces, 1);
}

TEST(ForcesDlg, AZeroForceKeepsTheEditorOpen)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* list) {
        TestAnswerNextModal([&](TCustomForm* editor) {
            ChooseLocation(editor, flCrest);   // the elevation becomes the crest's
            auto* position = DialogControl<TEcCalcEdit>(editor, "EditPositionX");
            EXPECT_FALSE(DialogControl<TEcCalcEdit>(editor, "EditElevation")->Enabled());
            EXPECT_FALSE(DialogControl<TLabel>(editor, "LabelElevation")->Enabled());
            EXPECT_EQ(editor->FocusedControl(), position);
            EnterText(position, "50");
            EXPECT_EQ(position->Value(), 11);   // pulled to the crest's downstream end, L2 + L4
            TestAnswerNextMessageBox(mrOk);
            ClickButton(editor, "OKButton");
            EXPECT_TRUE(editor->Modal());
            EXPECT_EQ(editor->ModalResult(), mrNone);
            EXPECT_EQ(DialogControl<TEcCalcEdit>(editor, "EditElevation")->Value(), 160);
            ClickButton(editor, "CancelButton");
        });
        ClickButton(list, "ButtonAdd");
        EXPECT_EQ(DialogControl<TListBox>(list, "ListBox")->Count(), 0);
        ClickButton(list, "OKButton");
    });
    d->AppliedForces1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Force is zero!"));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
    EXPECT_EQ(d->Param.NForces, 0);
    EXPECT_FALSE(d->Param.Donnees.Contains(daForces));
}

TEST(ForcesDlg, CancelAfterAnEditLeavesTheDocumentsForces)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TwoForces(d);
    const TDataSet flags = d->Param.Donnees;
    TestAnswerNextModal([&](TCustomForm* list) {
        TListBox* lines = DialogControl<TListBox>(list, "ListBox");
        ASSERT_EQ(lines->Count(), 2);
        TestClick(lines, 20, lines->ItemRect(1).Top + 4);
        TestProcess();
        EXPECT_TRUE(DialogControl<TButton>(list, "ButtonChange")->Enabled());
        TestAnswerNextModal([&](TCustomForm* editor) {
            EXPECT_EQ(DialogControl<TEcCalcEdit>(editor, "EditPositionX")->Value(), 20);
            EnterText(DialogControl<TEcCalcEdit>(editor, "EditVertForce"), "-75");
            ClickButton(editor, "OKButton");
        });
        ClickButton(list, "ButtonChange");
        EXPECT_EQ(lines->Items()[1], String("(x:  20.000, el: 120.000) (H:     0.0, V:   -75.0)"));
        ClickButton(list, "CancelButton");
    });
    d->AppliedForces1->Click();
    EXPECT_EQ(d->Param.Force.Elem[1].VertForce, -50);
    EXPECT_EQ(CurrentModel.Force.Elem[1].VertForce, -50);
    EXPECT_EQ(d->Param.Donnees, flags);
}

TEST(ForcesDlg, RemovingEveryForceClearsTheFlag)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TwoForces(d);
    TestAnswerNextModal([&](TCustomForm* list) {
        TListBox* lines = DialogControl<TListBox>(list, "ListBox");
        lines->SelectAll();
        lines->OnClick(lines);
        EXPECT_FALSE(DialogControl<TButton>(list, "ButtonChange")->Enabled());
        ClickButton(list, "ButtonRemove");
        EXPECT_EQ(lines->Count(), 0);
        EXPECT_FALSE(DialogControl<TButton>(list, "ButtonRemove")->Enabled());
        ClickButton(list, "OKButton");
    });
    d->AppliedForces1->Click();
    EXPECT_EQ(d->Param.NForces, 0);
    EXPECT_EQ(d->Param.Force.count, 0);
    EXPECT_FALSE(d->Param.Donnees.Contains(daForces));
}
