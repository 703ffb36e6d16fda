// The splash window that stays for its 5000 ms and the About box with the version line.
#include <filesystem>

#include <gtest/gtest.h>

#include "app/tests/window/AppTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);
}  // namespace

TEST(Splash, MayCloseOnlyOnceItsTimerHasRun)
{
    RegisterProgramClasses();
    TTestClock clock;
    auto* splash = CreateForm<TSplashScreen>(Application);
    EXPECT_EQ(splash->Version->Caption(), String("Version 2.0.9 - November 10, 2022"));
    EXPECT_EQ(splash->Width(), 660);
    EXPECT_EQ(splash->Height(), 490);
    EXPECT_FALSE(splash->CloseQuery());
    clock.Advance(4999);
    EXPECT_FALSE(splash->CloseQuery());
    clock.Advance(1);
    EXPECT_TRUE(splash->CloseQuery());
    splash->Show();
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    TestGrabToPng(splash, DORVANE_SCREENSHOTS "/splash.png");
    delete splash;
}

TEST(AboutBox, ShowsTheVersionAndClosesWithOkOrEscape)
{
    TRunningProgram program;
    TestAnswerNextModal([](TCustomForm* form) {
        auto* box = dynamic_cast<TAboutBox*>(form);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->Caption(), String("About Dorvane"));
        EXPECT_EQ(box->Version->Caption(), String("Version 2.0.9 - November 10, 2022"));
        // The program's picture: the icon with its white transparent, larger on the button.
        TBitmap& icon = box->ProgramIcon->Picture().Bitmap();
        EXPECT_EQ(icon.Width(), 32);
        EXPECT_TRUE(icon.Transparent());
        EXPECT_EQ(icon.TransparentColor(), clWhite);
        EXPECT_EQ(box->PictureButton->Glyph().Width(), 72);
        TestGrabToPng(box, DORVANE_SCREENSHOTS "/about-box.png");
        TestPressKey(box, VK_ESCAPE);
    });
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    auto* about = dynamic_cast<TMenuItem*>(program.Main()->FindComponent("HelpAboutItem"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->ShortCut(), ShortCut('A', {ssCtrl}));
    about->Click();
    EXPECT_TRUE(program.Main()->Visible());
}
