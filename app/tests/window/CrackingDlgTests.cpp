// The cracking options dialog opened from the document window on the sample model: cracking
// evaluated, initiation factors 3, 2, 1 and 3 (usual, flood, seismic, post-seismic), propagation
// factors 10, uplift states 2, 1 and 2, no drain effectiveness (option 1), medium accuracy.
#include <utility>

#include <gtest/gtest.h>

#include "app/CrackingDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

void ShowPage(TCustomForm* form, const char* pages, const char* page)
{
    DialogControl<TPageControl>(form, pages)->SetActivePage(DialogControl<TTabSheet>(form, page));
    TestProcess();
}

void Click(TCustomForm* form, const char* name)
{
    auto* control = DialogControl<TControl>(form, name);
    TestClick(control, 6, 6);
    TestProcess();
}

TEcCalcEdit* Field(TCustomForm* form, const char* name) { return DialogControl<TEcCalcEdit>(form, name); }
}  // namespace

TEST(CrackingDlg, ASeismicFactorReachesItsFourLoadCases)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Cracking options"));
        EXPECT_EQ(form->HelpContext(), 470);
        EXPECT_EQ(DialogControl<TPageControl>(form, "PageControl1")->ActivePage(), DialogControl<TTabSheet>(form, "TabTensile"));
        EXPECT_EQ(DialogControl<TRadioGroup>(form, "RadioYesNo")->ItemIndex(), 0);
        // Each page shows its first load case.
        const std::pair<const char*, double> initiation[] = {
            {"EditSFInitiation1", 3}, {"EditSFInitiation2", 2}, {"EditSFInitiation3", 1}, {"EditSFInitiation4", 3}};
        for (const auto& [name, value] : initiation) EXPECT_EQ(static_cast<double>(Field(form, name)->Value()), value) << name;
        EXPECT_EQ(static_cast<double>(Field(form, "EditSFPropagation3")->Value()), 10);
        DialogScreenshot(form, "cracking");
        const std::pair<const char*, const char*> pages[] = {
            {"TabFlood", "cracking-flood"}, {"TabSeismic", "cracking-seismic"}, {"TabPostSeismic", "cracking-post-seismic"}};
        for (const auto& [page, picture] : pages) {
            ShowPage(form, "PageControlTensile", page);
            DialogScreenshot(form, picture);
        }
        EnterText(Field(form, "EditSFInitiation3"), "1.5");
        EnterText(Field(form, "EditftMagnification"), "1.2");
        ShowPage(form, "PageControl1", "TabUplift");
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "FullStaticUplift")->Checked());
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "UnchangedDynamicUplift")->Checked());
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "FullPostSeismicUplift")->Checked());
        EXPECT_TRUE(DialogControl<TCheckBox>(form, "CheckDSClosedCrack")->Checked());
        DialogScreenshot(form, "cracking-uplift");
        Click(form, "ZeroDynamicUplift");
        ShowPage(form, "PageControl1", "TabDrainage");
        DialogScreenshot(form, "cracking-drainage");
        ShowPage(form, "PageControl1", "TabNumerical");
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioMedium")->Checked());
        DialogScreenshot(form, "cracking-numerical");
        Click(form, "RadioFine");
        ClickButton(form, "OKButton");
    });
    d->Cracking1->Click();
    const TCracking& k = d->Param.Cracking;
    const double expected[] = {0, 3, 2, 1.5, 1.5, 1.5, 1.5, 3};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(k.InitiationSF[i], expected[i]) << i;
    const Byte uplift[] = {0, 2, 2, 0, 0, 0, 0, 2};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(k.UpliftState[i], uplift[i]) << i;
    EXPECT_EQ(k.DynamicMagn, 1.2);
    EXPECT_EQ(k.RootAccuracy, raFine);
    EXPECT_TRUE(k.Considered);
    EXPECT_TRUE(d->Param.Donnees.Contains(daCracking));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    // Opened again, the seismic page shows case 3.
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(static_cast<double>(Field(form, "EditSFInitiation3")->Value()), 1.5);
        ClickButton(form, "CancelButton");
    });
    d->Cracking1->Click();
}

TEST(CrackingDlg, TheZeroStrengthButtonDisablesTheFactorThatIsStillStored)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* factor = Field(form, "EditSFInitiation1");
        EXPECT_TRUE(factor->Enabled());
        EnterText(factor, "0.5");
        EXPECT_EQ(static_cast<double>(factor->Value()), 1);   // the lower bound
        Click(form, "RadioftZeroIni1");
        EXPECT_FALSE(factor->Enabled());
        Click(form, "RadioSFI1");
        EXPECT_TRUE(factor->Enabled());
        EXPECT_EQ(form->FocusedControl(), factor);
        Click(form, "RadioftZeroIni1");
        // "No" still stores every option.
        auto* yesNo = DialogControl<TRadioGroup>(form, "RadioYesNo");
        yesNo->SetItemIndex(1);
        ClickButton(form, "OKButton");
    });
    d->Cracking1->Click();
    const TCracking& k = d->Param.Cracking;
    EXPECT_TRUE(k.NoTensionI[1]);
    EXPECT_FALSE(k.NoTensionI[2]);
    EXPECT_EQ(k.InitiationSF[1], 1);
    EXPECT_FALSE(k.Considered);
    EXPECT_TRUE(d->Param.Donnees.Contains(daCracking));
}

TEST(CrackingDlg, APictureOrItsFrameSelectsTheDrainOption)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        ShowPage(form, "PageControl1", "TabDrainage");
        auto raised = [&](int option) {
            const char* const panels[] = {"PanelOption1", "PanelOption2", "PanelOption3", "PanelOption4"};
            return DialogControl<TPanel>(form, panels[option - 1])->BevelOuter() == TPanelBevel::bvRaised;
        };
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioOption1")->Checked());
        EXPECT_TRUE(raised(1));
        // The frame around option 2's picture.
        TestClick(DialogControl<TPanel>(form, "PanelOption2"), 2, 2);
        TestProcess();
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioOption2")->Checked());
        EXPECT_TRUE(raised(2));
        EXPECT_FALSE(raised(1));
        Click(form, "ImageOption4");
        EXPECT_TRUE(DialogControl<TRadioButton>(form, "RadioOption4")->Checked());
        Click(form, "RadioOption3");
        EXPECT_TRUE(raised(3));
        EXPECT_FALSE(raised(4));
        ClickButton(form, "OKButton");
    });
    d->Cracking1->Click();
    EXPECT_EQ(d->Param.Drainage.CrackOver, cdFullFull);
}

// The drain pictures are drawn at the size the dialog shows them, so that their words keep the
// size they were written in instead of shrinking to a few pixels.
TEST(CrackingDlg, DrainPicturesAreShownAtTheSizeTheyAreDrawn)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        for (const char* name : {"ImageOption1", "ImageOption2", "ImageOption3", "ImageOption4"}) {
            auto* image = DialogControl<TImage>(form, name);
            EXPECT_EQ(image->Picture().Width(), image->Width()) << name;
            EXPECT_EQ(image->Picture().Height(), image->Height()) << name;
        }
        ClickButton(form, "CancelButton");
    });
    d->Cracking1->Click();
}

TEST(CrackingDlg, CancelLeavesTheModelAndEnterMovesOn)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* usual = Field(form, "EditSFInitiation1");
        EnterText(usual, "4");
        usual->SetFocus();
        TestPressKey(usual, VK_RETURN);
        TestProcess();
        EXPECT_NE(form->FocusedControl(), usual);
        EXPECT_TRUE(form->Modal());
        ShowPage(form, "PageControl1", "TabDrainage");
        Click(form, "RadioOption4");
        TestPressKey(DialogControl<TRadioButton>(form, "RadioOption4"), VK_ESCAPE);
    });
    d->Cracking1->Click();
    EXPECT_EQ(d->Param.Cracking.InitiationSF[1], 3);
    EXPECT_EQ(d->Param.Drainage.CrackOver, cdNoDrain);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(CrackingDlg, OptionTwoSatisfiesTheUsaceGuidelineOfTheUpliftDialog)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        ShowPage(form, "PageControl1", "TabDrainage");
        Click(form, "RadioOption2");
        ClickButton(form, "OKButton");
    });
    d->Cracking1->Click();
    EXPECT_EQ(d->Param.Drainage.CrackOver, cdNotEffective);
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* guideline = DialogControl<TComboBox>(form, "ComboBoxGuideline");
        guideline->SetItemIndex(1);   // "USACE 1995"
        guideline->OnChange(guideline);
        TestProcess();
        ClickButton(form, "OKButton");
    });
    d->Drainage1->Click();
    EXPECT_EQ(d->Param.Drainage.Code, cUSACE);
    EXPECT_TRUE(TestMessageBoxes().empty());
}
