// The spin button alone on a form: the hit regions of the stacked and the diagonal halves, and a
// half disabled by the enabled-changed message.
#include <gtest/gtest.h>

#include "foundation/StyThemes.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StySpinButton.h"

namespace {

struct TClickLog : TObject {
    std::string Parts;
    bool Raise = false;
    void Top(TObject*)
    {
        Parts += "u";
        if (Raise) throw Exception("The drawing is not ready");
    }
    void Bottom(TObject*) { Parts += "d"; }
};

// A 17 x 21 button with up and down halves at (10, 10) of a form.
struct StySpinButtons : ::testing::Test {
    TForm* Form = nullptr;
    TStySpinButton* Button = nullptr;
    TClickLog Log;
    std::unique_ptr<TTestClock> Clock;
    void SetUp() override
    {
        TestInitialize();
        Clock = std::make_unique<TTestClock>();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 200, 100);
        Button = new TStySpinButton(Form);
        Button->SetSpinButtons({sbUp, sbDown});
        Button->SetBounds(10, 10, 17, 21);
        Button->SetParent(Form);
        Button->OnTopClick = TNotifyEvent(&Log, &TClickLog::Top);
        Button->OnBottomClick = TNotifyEvent(&Log, &TClickLog::Bottom);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
        Clock.reset();
    }
};

}  // namespace

TEST_F(StySpinButtons, StackedHalvesLeaveTheMiddleRowToNeither)
{
    Button->SetOldStyle(false);
    // ceil(21 / 2) = 11: the upper half covers rows 0..9, the lower rows 11..20.
    struct Case {
        Integer x, y;
        const char* parts;
    };
    const Case cases[] = {{0, 0, "u"}, {16, 9, "u"}, {8, 10, ""}, {8, 11, "d"}, {16, 20, "d"}};
    for (const Case& c : cases) {
        Log.Parts.clear();
        TestClick(Button, c.x, c.y);
        EXPECT_EQ(Log.Parts, c.parts) << c.x << "," << c.y;
    }
}

TEST_F(StySpinButtons, TheDiagonalSplitsTheButtonFromLowerLeftToUpperRight)
{
    struct Case {
        Integer x, y;
        const char* parts;
    };
    const Case cases[] = {{1, 1, "u"}, {14, 2, "u"}, {2, 16, "u"}, {15, 19, "d"}, {16, 4, "d"}, {9, 14, "d"}};
    for (const Case& c : cases) {
        Log.Parts.clear();
        TestClick(Button, c.x, c.y);
        EXPECT_EQ(Log.Parts, c.parts) << c.x << "," << c.y;
    }
}

TEST_F(StySpinButtons, ADisabledHalfNeitherFiresNorRepeats)
{
    Button->Perform(CM_ENABLEDCHANGED, 2, bpsDisabled);   // the up half
    TestMouseDown(Button, 1, 1);
    Clock->Advance(1000);
    TestMouseUp(Button, 1, 1);
    EXPECT_EQ(Log.Parts, "");
    EXPECT_EQ(Button->PartState(sbUp), bpsDisabled);
    TestClick(Button, 15, 19);
    EXPECT_EQ(Log.Parts, "d");
    Button->Perform(CM_ENABLEDCHANGED, 2, bpsNormal);
    TestClick(Button, 1, 1);
    EXPECT_EQ(Log.Parts, "du");
}

TEST_F(StySpinButtons, AHandlerThatRaisesDuringTheRepeatEndsIt)
{
    TestMouseDown(Button, 1, 1);
    Log.Raise = true;
    TestAnswerNextMessageBox(mrOk);   // the program reports the error
    try {
        Clock->Advance(300);   // the first repetition raises
    } catch (const Exception&) {
    }
    Clock->Advance(1000);
    TestMouseUp(Button, 1, 1);
    EXPECT_EQ(Log.Parts, "uu");
}

TEST(StySpinButtonGlyphs, TheArrowOfEachPartTakesTheStylesTextColourOnce)
{
    TestInitialize();
    // 7 x 7 arrows: the up arrow's tip is at (3, 2), the right arrow's at (4, 3).
    struct Case {
        TStySingleSpinButton part;
        TPoint tip, clear;
    };
    const Case cases[] = {{sbUp, {3, 2}, {3, 1}}, {sbDown, {3, 4}, {3, 5}}, {sbLeft, {2, 3}, {1, 3}},
                          {sbRight, {4, 3}, {5, 3}}};
    for (const Case& c : cases) {
        TBitmap& glyph = SpinButtonGlyph(c.part, clRed);
        EXPECT_EQ(ColorToRGB(glyph.Canvas().Pixel(c.tip.X, c.tip.Y)), ColorToRGB(clRed)) << c.part;
        EXPECT_EQ(ColorToRGB(glyph.Canvas().Pixel(c.clear.X, c.clear.Y)), ColorToRGB(clFuchsia)) << c.part;
        glyph.Canvas().SetPixel(0, 0, clGreen);   // kept while the colour stays
        EXPECT_EQ(&SpinButtonGlyph(c.part, clRed), &glyph);
        EXPECT_EQ(ColorToRGB(glyph.Canvas().Pixel(0, 0)), ColorToRGB(clGreen)) << c.part;
        SpinButtonGlyph(c.part, clBlue);           // made again for another colour
        EXPECT_EQ(ColorToRGB(glyph.Canvas().Pixel(c.tip.X, c.tip.Y)), ColorToRGB(clBlue)) << c.part;
        EXPECT_EQ(ColorToRGB(glyph.Canvas().Pixel(0, 0)), ColorToRGB(clFuchsia)) << c.part;
    }
}

TEST(StySpinButtonGlyphs, EachPartAndStateHasItsThemedElement)
{
    struct Case {
        TStySingleSpinButton part;
        TStyButtonPartState state;
        TStyExtSpinBtnStyle style;
        TThemedElement element;
        int ordinal;
    };
    const Case cases[] = {
        {sbUp, bpsNormal, seSpinEdit, teSpin, 2},          {sbDown, bpsPressed, seSpinEdit, teSpin, 8},
        {sbRight, bpsNormal, seSpinEdit, teSpin, 10},      {sbLeft, bpsDisabled, seSpinEdit, teSpin, 17},
        {sbUp, bpsHot, seSpinScrollBar, teScrollBar, 3},   {sbLeft, bpsNormal, seSpinScrollBar, teScrollBar, 10},
        {sbRight, bpsDisabled, seSpinScrollBar, teScrollBar, 17},
    };
    for (const Case& c : cases) {
        const TThemedElementDetails d = SpinButtonElement(c.part, c.state, c.style);
        EXPECT_EQ(d.Element, c.element) << c.part << c.state;
        EXPECT_EQ(GetDetailOrd(d), c.ordinal) << c.part << c.state;
    }
}
