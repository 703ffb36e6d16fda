// The general-information dialog opened from the document window on the sample model.
#include <gtest/gtest.h>

#include "app/InformationsDlg.h"
#include "app/tests/window/DialogTestSupport.h"
#include "platform/rtl/DateUtils.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);
}  // namespace

TEST(InformationsDlg, OkStoresTheEditedTextsAndMarksTheModelChanged)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TParametres before = d->Param;
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("General Informations"));
        EXPECT_EQ(form->HelpContext(), 500);
        auto* title = DialogControl<TEdit>(form, "EditTitle");
        EXPECT_EQ(title->Text(), before.Infos.Titre.ToString());
        DialogScreenshot(form, "informations");
        EnterText(title, "Spillway review");
        EnterText(DialogControl<TEdit>(form, "EditEngineer"), "A. Tremblay");
        DialogControl<TDateTimePicker>(form, "DateTimePicker")->SetDate(EncodeDate(2026, 12, 10));
        ClickButton(form, "OKButton");
    });
    d->GeneralInformation1->Click();
    EXPECT_EQ(d->Param.Infos.Titre.ToString(), String("Spillway review"));
    EXPECT_EQ(d->Param.Infos.Ingenieur.ToString(), String("A. Tremblay"));
    EXPECT_EQ(d->Param.Infos.Barrage, before.Infos.Barrage);
    EXPECT_EQ(d->Param.Infos.date, EncodeDate(2026, 12, 10));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    // The dialog itself changes no flag: the results stay valid.
    EXPECT_EQ(d->Param.Donnees.Contains(daAnalysed), before.Donnees.Contains(daAnalysed));
    EXPECT_EQ(CurrentModel.Infos.Titre.ToString(), String("Spillway review"));
}

TEST(InformationsDlg, CancelLeavesTheModelUntouched)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TParametres before = d->Param;
    TestAnswerNextModal([&](TCustomForm* form) {
        EnterText(DialogControl<TEdit>(form, "EditTitle"), "Not kept");
        TestPressKey(DialogControl<TEdit>(form, "EditDam"), VK_ESCAPE);   // the cancel button
    });
    d->GeneralInformation1->Click();
    EXPECT_EQ(d->Param.Infos.Titre, before.Infos.Titre);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(InformationsDlg, EightyCharactersAtMostAndEnterWalksTheFieldsToOk)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const String eighty(std::u16string(80, u'T'));
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* title = DialogControl<TEdit>(form, "EditTitle");
        EnterText(title, eighty + "X");   // the 81st character is not taken
        EXPECT_EQ(title->Text(), eighty);
        const char* order[] = {"EditTitle", "EditDam", "EditCompany", "EditLocation", "EditEngineer", "EditCreator",
                               "MemoComments", "OKButton"};
        DialogControl<TEdit>(form, order[0])->SetFocus();
        for (int i = 0; i + 1 < 8; ++i) {
            TestPressKey(DialogControl<TWinControl>(form, order[i]), VK_RETURN);
            TestProcess();
            EXPECT_EQ(form->FocusedControl(), DialogControl<TWinControl>(form, order[i + 1])) << order[i];
        }
        // The comments take no line break; Enter on OK closes.
        EXPECT_EQ(Pos("\r", DialogControl<TMemo>(form, "MemoComments")->Text()), 0);
        TestPressKey(DialogControl<TWinControl>(form, "OKButton"), VK_RETURN);
    });
    d->GeneralInformation1->Click();
    EXPECT_EQ(d->Param.Infos.Titre.ToString(), eighty);
}
