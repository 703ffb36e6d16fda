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

struct Counter : TObject {
    int Ok = 0, Cancel = 0;
    void Oked(TObject*) { ++Ok; }
    void Cancelled(TObject*) { ++Cancel; }
};

// The dialog layout on a form: memory keys with their indicator, OK and Cancel with their
// pictures; written to build/screenshots/editcontrols-calculator-dialog.png.
TEST(CalculatorDialog, MemoryKeysTheIndicatorOkAndCancel)
{
    TestInitialize();
    TSettingsScope scope(TFormatSettings::English());
    TForm form(nullptr);
    form.SetBounds(0, 0, 260, 150);
    auto* panel = new TEcCalculatorPanel(&form, clDialog);
    panel->SetParent(&form);
    Counter counter;
    panel->OnOk = TNotifyEvent(&counter, &Counter::Oked);
    panel->OnCancel = TNotifyEvent(&counter, &Counter::Cancelled);
    form.Show();
    TestProcess();
    EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, 240, 129));
    struct Place { TCalcBtnKind Kind; TRect Bounds; const char* Caption; };
    const Place places[] = {
        {cbNum7, Rect(47, 32, 83, 54), "7"}, {cbClr, Rect(191, 6, 235, 28), "C"}, {cbBck, Rect(145, 6, 189, 28), "<-"},
        {cbMC, Rect(5, 32, 41, 54), "MC"},   {cbOk, Rect(47, 6, 83, 28), ""},     {cbAdd, Rect(161, 104, 197, 126), ""},
    };
    for (const Place& p : places) {
        TEcCalcButton* button = panel->Button(p.Kind);
        ASSERT_NE(button, nullptr) << p.Kind;
        EXPECT_EQ(button->BoundsRect(), p.Bounds) << p.Kind;
        EXPECT_EQ(button->Caption(), String(p.Caption)) << p.Kind;
    }
    EXPECT_FALSE(panel->Button(cbAdd)->Glyph().Empty());   // "+" shows its picture

    auto click = [&](TCalcBtnKind kind) { TestClick(panel->Button(kind), 5, 5); };
    for (TCalcBtnKind kind : {cbNum1, cbNum2, cbMS}) click(kind);
    EXPECT_EQ(panel->MemoryLabel()->Caption(), String("M"));
    for (TCalcBtnKind kind : {cbNum3, cbMP, cbClr, cbMR}) click(kind);
    EXPECT_EQ(panel->Engine().Text(), String("15"));
    click(cbMC);
    EXPECT_EQ(panel->MemoryLabel()->Caption(), String(""));
    for (TCalcBtnKind kind : {cbNum1, cbDiv, cbNum0, cbEql, cbOk}) click(kind);   // no OK in the error state
    EXPECT_EQ(counter.Ok, 0);
    for (TCalcBtnKind kind : {cbClr, cbNum4, cbOk, cbCancel}) click(kind);
    EXPECT_EQ(counter.Ok, 1);
    EXPECT_EQ(counter.Cancel, 1);

    TBitmap picture;
    TestScreenshot(&form, "editcontrols-calculator-dialog", picture);
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

// The keypad of the drop-down: never focused itself, in the keypad's bold font, with each key in
// its colour, and flat or raised as the window it lies on.
TEST(LocCalculator, ItsStyleFontAndKeysFollowTheWindowItLiesOn)
{
    TestInitialize();
    TForm form(nullptr);
    auto* pad = new TEcLocCalculator(&form);
    EXPECT_EQ(pad->Width(), 131);
    EXPECT_EQ(pad->Height(), 124);
    EXPECT_EQ(pad->ControlStyle(), (TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable}));
    EXPECT_FALSE(pad->TabStop());
    EXPECT_EQ(pad->Font().Name(), String("MS Sans Serif"));
    EXPECT_EQ(pad->Font().Size(), 8);
    EXPECT_EQ(pad->Font().Style(), TFontStyles{TFontStyle::fsBold});
    EXPECT_FALSE(pad->ParentFont());
    EXPECT_TRUE(pad->ParentCtl3D());
    struct Case { TCalcBtnKind Kind; TColor Color; } cases[] = {{cbNum7, clBtnText}, {cbMul, clPurple},
                                                                 {cbSqr, clNavy}, {cbEql, clPurple}};
    for (const Case& c : cases) {
        TEcCalcButton* key = pad->Button(c.Kind);
        EXPECT_EQ(key->Font().Color(), c.Color) << c.Kind;
        EXPECT_TRUE(key->Font().Style().Contains(TFontStyle::fsBold)) << c.Kind;
        EXPECT_EQ(key->Style(), bsNew) << c.Kind;
    }
    form.SetCtl3D(false);
    pad->SetParent(&form);   // a flat window: flat keys
    EXPECT_FALSE(pad->Ctl3D());
    EXPECT_EQ(pad->Button(cbNum7)->Style(), bsWin31);
    form.SetCtl3D(true);
    EXPECT_EQ(pad->Button(cbNum7)->Style(), bsNew);
}
