#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "editcontrols/EcCalc.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/testing/Driver.h"

namespace {

// The pop-up keypad on a form, under French settings.
struct CalculatorForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 200, 180);
        Panel = new TEcCalculatorPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 10, 131, 124);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        Form.reset();
        TestProcess();
    }
    void Click(TCalcBtnKind kind) { TestClick(Panel->Button(kind), 5, 5); }
    TSettingsScope Scope{TFormatSettings::French()};
    std::unique_ptr<TForm> Form;
    TEcCalculatorPanel* Panel = nullptr;
};

TEST_F(CalculatorForm, ClickedKeysCompute)
{
    for (TCalcBtnKind kind : {cbNum1, cbNum2, cbMul, cbNum3, cbEql}) Click(kind);
    EXPECT_EQ(Panel->Engine().Text(), String("36"));
    for (TCalcBtnKind kind : {cbClr, cbNum1, cbDcm, cbNum5, cbSgn, cbAdd, cbNum4, cbEql}) Click(kind);
    EXPECT_EQ(Panel->Engine().Text(), String("2,5"));
    for (TCalcBtnKind kind : {cbNum9, cbSqr}) Click(kind);
    EXPECT_EQ(Panel->Engine().Text(), String("3"));
}

TEST_F(CalculatorForm, KeysCarryTheirTagsCaptionsAndPlaces)
{
    struct Case { TCalcBtnKind Kind; std::intptr_t Tag; const char* Caption; TRect Bounds; };
    const Case cases[] = {
        {cbNum7, 7, "7", Rect(6, 6, 27, 27)},       {cbNum0, 0, "0", Rect(6, 75, 27, 96)},
        {cbDcm, 11, ",", Rect(29, 75, 50, 96)},     {cbSgn, 10, "\u00B1", Rect(52, 75, 73, 96)},
        {cbAdd, 15, "+", Rect(75, 75, 96, 119)},    {cbEql, 19, "=", Rect(98, 75, 129, 119)},
        {cbBck, 20, "<-", Rect(29, 98, 73, 119)},   {cbClr, 21, "C", Rect(6, 98, 27, 119)},
    };
    for (const Case& c : cases) {
        TEcCalcButton* button = Panel->Button(c.Kind);
        ASSERT_NE(button, nullptr) << c.Kind;
        EXPECT_EQ(button->Tag(), c.Tag) << c.Kind;
        EXPECT_EQ(button->Caption(), String(c.Caption)) << c.Kind;
        EXPECT_EQ(button->BoundsRect(), c.Bounds) << c.Kind;
    }
    EXPECT_EQ(Panel->Button(cbMP), nullptr);   // no memory keys in the pop-up layout
}

TEST_F(CalculatorForm, TypedKeysComputeAsClicksDo)
{
    for (char16_t key : u"50+10%") if (key) Panel->CalcKeyPress(key);
    EXPECT_EQ(Panel->Engine().Text(), String("55"));
    Panel->CalcKeyPress(27);
    EXPECT_EQ(Panel->Engine().Text(), String("0"));
}

TEST_F(CalculatorForm, CtrlCAndCtrlVCopyAndPasteTheDisplay)
{
    for (char16_t key : u"12,5\x03") if (key) Panel->CalcKeyPress(key);
    EXPECT_EQ(Clipboard().AsText(), String("12,5"));
    Clipboard().SetAsText(" 7,25 \u20AC");
    Panel->CalcKeyPress(22);
    EXPECT_EQ(Panel->Engine().Text(), String("7,25"));
    Clipboard().SetAsText("sept");
    Panel->CalcKeyPress(22);
    EXPECT_EQ(Panel->Engine().Text(), String("0"));
}

// The keypad, written to build/screenshots/editcontrols-calculator.png.
TEST_F(CalculatorForm, Screenshot)
{
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    const String file = String(DORVANE_SCREENSHOTS) + "/editcontrols-calculator.png";
    TestGrabToPng(Form.get(), file);
    EXPECT_TRUE(std::filesystem::exists(file.ToUtf8()));
}

}  // namespace
