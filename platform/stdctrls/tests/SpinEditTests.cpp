// The spin edit on the real back end: limits, stepping by buttons and keys, typing.
#include <gtest/gtest.h>

#include <functional>

#include "platform/stdctrls/Spin.h"
#include "platform/testing/Driver.h"

namespace {

// A 60 x 21 spin edit at (10, 10) for a number of simulations, 25 to 250 by 5, and an edit to
// move the focus to; its buttons are 15 pixels wide at its right, the upper one 0 .. 8 high.
struct SpinForm : ::testing::Test {
    TForm* Form = nullptr;
    TSpinEdit* Spin = nullptr;
    TEdit* Other = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 200, 100);
        Spin = new TSpinEdit(Form);
        Spin->SetBounds(10, 10, 60, 21);
        Spin->SetParent(Form);
        Spin->SetMinValue(25);
        Spin->SetMaxValue(250);
        Spin->SetIncrement(5);
        Spin->SetValue(50);
        Other = new TEdit(Form);
        Other->SetBounds(10, 40, 60, 21);
        Other->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(SpinForm, ButtonsAndArrowKeysStepWithinTheLimits)
{
    EXPECT_EQ(Spin->Text(), "50");
    TSpinButton* button = Spin->Button();
    ASSERT_EQ(button->Parent(), Spin);
    TestClick(button, 7, 3);
    EXPECT_EQ(Spin->Value(), 55);
    TestClick(button, 7, button->Height() - 3);
    TestClick(button, 7, button->Height() - 3);
    EXPECT_EQ(Spin->Value(), 45);
    Spin->SetFocus();
    TestPressKey(Spin, VK_UP);
    EXPECT_EQ(Spin->Value(), 50);
    TestPressKey(Spin, VK_DOWN);
    EXPECT_EQ(Spin->Value(), 45);

    struct Case { Integer Set, Kept; };
    for (Case c : {Case{1000, 250}, Case{-3, 25}, Case{120, 120}}) {
        Spin->SetValue(c.Set);
        EXPECT_EQ(Spin->Value(), c.Kept) << c.Set;
    }
    Spin->SetValue(250);
    TestClick(button, 7, 3);
    EXPECT_EQ(Spin->Value(), 250);
    TBitmap shot;
    TestScreenshot(Form, "platform-spinedit", shot);

    // equal limits: none
    Spin->SetMinValue(0);
    Spin->SetMaxValue(0);
    Spin->SetValue(-7);
    EXPECT_EQ(Spin->Value(), -7);
}

TEST_F(SpinForm, AHeldButtonRepeatsItsStepWhileThePointerStaysOnIt)
{
    TTestClock clock;
    TSpinButton* button = Spin->Button();
    struct Step {
        const char* what;
        std::function<void()> act;
        Integer value;
    } steps[] = {
        {"press: one step at once", [&] { TestMouseDown(button, 7, 3); }, 55},
        {"held 399 ms", [&] { clock.Advance(399); }, 55},
        {"held 400 ms: the first repeat", [&] { clock.Advance(1); }, 60},
        {"then one every 100 ms", [&] { clock.Advance(300); }, 75},
        {"pointer off the button", [&] { TestMouseMove(button, 30, 3, {ssLeft}); }, 75},
        {"no steps while off", [&] { clock.Advance(500); }, 75},
        {"pointer back", [&] { TestMouseMove(button, 7, 3, {ssLeft}); }, 75},
        {"steps again", [&] { clock.Advance(100); }, 80},
        {"release", [&] { TestMouseUp(button, 7, 3); }, 80},
        {"nothing after the release", [&] { clock.Advance(1000); }, 80},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(Spin->Value(), s.value) << s.what;
    }
}

TEST_F(SpinForm, TypedNumbersAreBroughtWithinTheLimitsOnLeaving)
{
    Spin->SetFocus();
    Spin->SelectAll();
    TestTypeText(Spin, "3x0-0");   // the letter is refused
    EXPECT_EQ(Spin->Text(), "30-0");
    EXPECT_EQ(Spin->Value(), 25);   // no number: the least value
    Spin->SelectAll();
    TestTypeText(Spin, "400");
    EXPECT_EQ(Spin->Text(), "400");
    Other->SetFocus();
    TestProcess();
    EXPECT_EQ(Spin->Text(), "250");

    Spin->SetEditorEnabled(false);
    Spin->SetFocus();
    Spin->SelectAll();
    TestTypeText(Spin, "7");
    EXPECT_EQ(Spin->Text(), "250");
}

}  // namespace
