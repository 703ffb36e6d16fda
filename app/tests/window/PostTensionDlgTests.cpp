// The post-tensioning dialog opened from the document window on the sample model: a tension
// changed and the anchor placed on the face, the two anchor checks with their messages, the
// field order of Enter, and the imperial unit texts.
#include <gtest/gtest.h>

#include "app/PostTensionDlg.h"
#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);
}  // namespace

// The sample: crest 8 wide (L4), toe at B = 100, crest at G = 160; the downstream face rises
// vertically to D = 102, then straight from (47, 102) to (L2 + L3, F) = (11, 150).
TEST(PostTensionDlg, OkStoresTheCablesAndPlacesTheAnchorOnTheFace)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.PostTension.Position2 = 0;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(form->Caption(), String("Post-tensioning cables"));
        DialogScreenshot(form, "post-tension");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditTension"), "2000");
        EnterText(DialogControl<TEcCalcEdit>(form, "EditElevation"), "126");
        TestClick(DialogControl<TRadioButton>(form, "RadioPassive"), 6, 8);
        ClickButton(form, "OKButton");
    });
    d->PostTension1->Click();
    const TPostTension& p = d->Param.PostTension;
    EXPECT_EQ(p.Tension, 2000);
    EXPECT_EQ(p.Tension2, 800);
    EXPECT_EQ(p.Elev, 126);
    EXPECT_DOUBLE_EQ(p.Position2, 29);   // 47 - 36 x (126 - 102) / 48
    EXPECT_EQ(p.PostTensionType, ptPassive);
    EXPECT_TRUE(d->Param.Donnees.Contains(daPostTension));
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_EQ(CurrentModel.PostTension.Tension, 2000);
}

TEST(PostTensionDlg, AnchorsOffTheDamAreRefusedWithTheirMessages)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TPostTension before = d->Param.PostTension;
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* position = DialogControl<TEcCalcEdit>(form, "EditPosition");
        auto* elevation = DialogControl<TEcCalcEdit>(form, "EditElevation");
        TestAnswerNextMessageBox(mrOk);
        EnterText(position, "9");
        EXPECT_EQ(position->Value(), 0);
        TestAnswerNextMessageBox(mrOk);
        EnterText(elevation, "160");
        EXPECT_EQ(elevation->Value(), 100);
        ClickButton(form, "CancelButton");
    });
    d->PostTension1->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 2u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Cable out of the crest; maximum value =    8.000"));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
    EXPECT_EQ(TestMessageBoxes()[1].Text, String("Cable not on downstream side; must be between  100.000 and  160.000"));
    EXPECT_EQ(d->Param.PostTension.Position, before.Position);
    EXPECT_EQ(d->Param.PostTension.Elev, before.Elev);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}

TEST(PostTensionDlg, EnterFollowsTheCablesToOk)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    TestAnswerNextModal([&](TCustomForm* form) {
        const char* order[] = {"EditTension", "EditPosition", "EditTensionP2", "EditElevation", "EditAngle"};
        DialogControl<TEcCalcEdit>(form, order[0])->SetFocus();
        for (std::size_t i = 1; i < std::size(order); ++i) {
            TestPressKey(DialogControl<TEcCalcEdit>(form, order[i - 1]), VK_RETURN);
            TestProcess();
            EXPECT_EQ(form->FocusedControl(), form->FindComponent(order[i])) << order[i];
        }
        TestPressKey(DialogControl<TEcCalcEdit>(form, "EditAngle"), VK_RETURN);
        TestProcess();
        EXPECT_EQ(form->FocusedControl(), form->FindComponent("OKButton"));
        ClickButton(form, "CancelButton");
    });
    d->PostTension1->Click();
}

TEST(PostTensionDlg, AnImperialModelShowsKips)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.unites = US;
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelTensionUnit")->Caption(), String("kips"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelTensionP2Unit")->Caption(), String("kips"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelPositionUnit")->Caption(), String("ft"));
        EXPECT_EQ(DialogControl<TLabel>(form, "LabelElevationUnit")->Caption(), String("ft"));
        ClickButton(form, "CancelButton");
    });
    d->PostTension1->Click();
}
