// The windowless graphic and speed buttons on a shown form, driven by the mouse through the test
// driver: the states they take, clicks, groups, the auto-repeat and hover timers on the test
// clock, the drop-down menu and its part, and the PNG picture.
#include <gtest/gtest.h>

#include "foundation/StyGraph.h"
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/Menus.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StySpeedButton.h"

namespace {

const char* StateName(TStyButtonState s)
{
    static const char* const names[] = {"Up", "DisabledUp", "MouseOver", "OptionSet", "Down",
                                        "DragOver", "DropDownOpen", "DisabledDown", "DefaultEd"};
    return names[s];
}

// Counts the clicks and notes the button's state at each drop-down.
struct TButtonLog : TObject {
    Integer Clicks = 0;
    std::vector<String> DropDowns;
    void Click(TObject*) { ++Clicks; }
    void DropDown(TObject* Sender) { DropDowns.push_back(StateName(static_cast<TStyBaseGraphicButton*>(Sender)->State())); }
};

struct StyButtons : ::testing::Test {
    TForm* Form = nullptr;
    std::unique_ptr<TTestClock> Clock;
    TButtonLog Log;
    Integer& Clicks = Log.Clicks;
    void SetUp() override
    {
        TestInitialize();
        Clock = std::make_unique<TTestClock>();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 120);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
        Clock.reset();
    }
    template <typename T> T* Make(Integer left, Integer top = 10)
    {
        auto* b = new T(Form);
        b->SetLeft(left);
        b->SetTop(top);
        b->SetParent(Form);
        b->OnClick = TNotifyEvent(&Log, &TButtonLog::Click);
        return b;
    }
    // Client coordinates of the button on its form.
    void Down(TControl* b, Integer x, Integer y) { TestMouseDown(Form, b->Left() + x, b->Top() + y); }
    void Up(TControl* b, Integer x, Integer y) { TestMouseUp(Form, b->Left() + x, b->Top() + y); }
    void Move(TControl* b, Integer x, Integer y, TShiftState shift = {})
    {
        TestMouseMove(Form, b->Left() + x, b->Top() + y, shift);
    }
};

TEST_F(StyButtons, NewButtonsStartWithTheirDefaults)
{
    auto* g = Make<TStyBaseGraphicButton>(10);
    EXPECT_EQ(g->Width(), 25);
    EXPECT_EQ(g->Height(), 25);
    EXPECT_EQ(g->State(), bsUp);
    EXPECT_TRUE(g->AllowTransparency());
    EXPECT_FALSE(g->AllowMouseOver());
    EXPECT_EQ(g->DropDownComboWidth(), 12);
    EXPECT_EQ(g->RepeatingDelay(), 500);
    EXPECT_EQ(g->RepeatingInterval(), 100);
    EXPECT_EQ(g->EnterColor(), clCaptionText);
    EXPECT_TRUE(g->HideHint());
    EXPECT_TRUE(g->ControlStyle().Contains(csOpaque));

    auto* s = Make<TStySpeedButton>(50);
    EXPECT_EQ(s->Width(), 23);
    EXPECT_EQ(s->Height(), 22);
    EXPECT_EQ(s->ButtonStyle(), ubsWin40);
    EXPECT_EQ(s->ThemeMode(), ttmPlatform);
    EXPECT_TRUE(s->AllowMouseOver());
    EXPECT_FALSE(s->AllowTransparency());
    EXPECT_FALSE(s->UnColorMain());
    EXPECT_EQ(s->ControlStyle(), (TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable}));
}

// A new button stores nothing but what differs from its published defaults.
TEST_F(StyButtons, PublishedPropertiesOfTheSpeedButton)
{
    auto* b = Make<TStySpeedButton>(10);
    for (const char* name : {"ButtonStyle", "GroupIndex", "Pressed", "AllowAllUp", "GlyphKind", "NumGlyphs",
                             "RepeatedClick", "RepeatingDelay", "RepeatingInterval", "DropDownCombo",
                             "DropDownComboWidth", "ThemeMode", "HideHint", "UseGlobalTimer", "UsePngGlyph"}) {
        const TPropInfo* info = GetPropInfo(b, name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_TRUE(IsDefaultPropValue(b, info)) << name;
    }
    EXPECT_EQ(GetOrdProp(b, "DropDownComboWidth"), 12);
    b->SetRepeatingDelay(300);
    EXPECT_FALSE(IsDefaultPropValue(b, GetPropInfo(b, "RepeatingDelay")));
}

// A plain graphic button always has a glyph of its own; a speed button only with the custom kind.
TEST_F(StyButtons, OnlyTheCustomGlyphKindCountsAsACustomGlyph)
{
    auto* g = Make<TStyBaseGraphicButton>(10);
    auto* s = Make<TStySpeedButton>(50);
    EXPECT_TRUE(g->HasCustomGlyph());
    EXPECT_TRUE(s->HasCustomGlyph());
    s->SetGlyphKind(gkFolder);
    EXPECT_FALSE(s->HasCustomGlyph());
}

// Each row: a mouse step on the button at (x, y), then the state and the clicks so far.
TEST_F(StyButtons, MouseStepsWalkTheStateTable)
{
    enum Step { move, down, up, dragMove };
    struct Row {
        Step step;
        Integer x, y;
        TStyButtonState speed;    // a speed button follows the mouse
        TStyButtonState graphic;  // the plain graphic button does not
        Integer clicks;
    };
    const Row rows[] = {
        {move, 5, 5, bsMouseOver, bsUp, 0},
        {down, 5, 5, bsDown, bsDown, 0},
        {dragMove, 40, 5, bsUp, bsUp, 0},    // off the button during the press
        {dragMove, 6, 6, bsDown, bsDown, 0}, // back on it
        {up, 6, 6, bsMouseOver, bsUp, 1},    // release inside clicks
        {down, 5, 5, bsDown, bsDown, 1},
        {dragMove, 40, 5, bsUp, bsUp, 1},
        {up, 40, 5, bsUp, bsUp, 1},          // release outside: no click
    };
    auto* speed = Make<TStySpeedButton>(10);
    auto* graphic = Make<TStyBaseGraphicButton>(120);
    for (TStyBaseGraphicButton* b : {static_cast<TStyBaseGraphicButton*>(speed), graphic}) {
        Clicks = 0;
        for (const Row& r : rows) {
            switch (r.step) {
            case move: Move(b, r.x, r.y); break;
            case down: Down(b, r.x, r.y); break;
            case up: Up(b, r.x, r.y); break;
            case dragMove: Move(b, r.x, r.y, {ssLeft}); break;
            }
            const TStyButtonState expected = b == speed ? r.speed : r.graphic;
            SCOPED_TRACE(testing::Message() << b->ClassName().ToUtf8() << " step to " << r.x << "," << r.y);
            EXPECT_STREQ(StateName(b->State()), StateName(expected));
            EXPECT_EQ(Clicks, r.clicks);
        }
    }
}

TEST_F(StyButtons, ReleaseEdgesAndDisabling)
{
    auto* b = Make<TStySpeedButton>(10);
    Down(b, 5, 5);
    Up(b, b->Width(), 5);
    EXPECT_EQ(Clicks, 0) << "the right edge counts as outside";
    Down(b, 5, 5);
    Up(b, 5, b->Height());
    EXPECT_EQ(Clicks, 1) << "the bottom edge counts as inside";

    b->SetEnabled(false);
    EXPECT_EQ(b->State(), bsDisabledUp);
    TestClick(Form, b->Left() + 5, b->Top() + 5);
    EXPECT_EQ(Clicks, 1);
    b->SetEnabled(true);
    EXPECT_EQ(b->State(), bsUp);
}

TEST_F(StyButtons, HeldRepeatingButtonClicksOnTheTestClock)
{
    auto* b = Make<TStySpeedButton>(10);
    b->SetRepeatedClick(true);
    Down(b, 5, 5);
    EXPECT_EQ(Clicks, 1) << "the first click comes with the press";
    ASSERT_NE(b->RepeatTimer(), nullptr);
    Clock->Advance(499);
    EXPECT_EQ(Clicks, 1);
    Clock->Advance(1);
    EXPECT_EQ(Clicks, 2);
    Clock->Advance(100);
    EXPECT_EQ(Clicks, 3);
    Move(b, 60, 5, {ssLeft});
    Clock->Advance(300);
    EXPECT_EQ(Clicks, 3) << "off the button the repeats pause";
    Move(b, 5, 5, {ssLeft});
    Clock->Advance(100);
    EXPECT_EQ(Clicks, 4);
    Up(b, 5, 5);
    EXPECT_EQ(Clicks, 4) << "the release adds no click";
    EXPECT_EQ(b->RepeatTimer(), nullptr);
    Clock->Advance(1000);
    EXPECT_EQ(Clicks, 4);
}

TEST_F(StyButtons, HoverTimerEndsTheHoverLookWhenTheCursorIsElsewhere)
{
    auto* b = Make<TStySpeedButton>(10);
    // The screen's cursor stays where it is; the form moves away from it when needed.
    TPoint cursor;
    GetCursorPos(&cursor);
    const auto cursorOnButton = [&] {
        const TPoint at = b->ClientToScreen(Point(0, 0));
        return cursor.X >= at.X && cursor.X <= at.X + b->Width() && cursor.Y >= at.Y && cursor.Y <= at.Y + b->Height();
    };
    if (cursorOnButton()) Form->SetLeft(Form->Left() + 100);
    TestProcess();
    ASSERT_FALSE(cursorOnButton());
    Move(b, 5, 5);
    EXPECT_EQ(b->State(), bsMouseOver);
    ASSERT_NE(b->HoverTimer(), nullptr);
    Clock->Advance(99);
    EXPECT_EQ(b->State(), bsMouseOver);
    Clock->Advance(1);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(b->HoverTimer(), nullptr) << "the hover timer lives only in the hover look";
}

TEST_F(StyButtons, GroupKeepsOneButtonPressed)
{
    TStySpeedButton* g[3];
    for (int i = 0; i < 3; ++i) {
        g[i] = Make<TStySpeedButton>(10 + 30 * i);
        g[i]->SetGroupIndex(1);
    }
    auto* lone = Make<TStySpeedButton>(200);
    lone->SetPressed(true);
    EXPECT_FALSE(lone->Pressed()) << "without a group a button cannot stay pressed";

    g[0]->SetPressed(true);
    EXPECT_EQ(g[0]->State(), bsOptionSet);
    TestClick(Form, g[1]->Left() + 5, 15);
    EXPECT_TRUE(g[1]->Pressed());
    EXPECT_FALSE(g[0]->Pressed());
    EXPECT_EQ(g[0]->State(), bsUp);
    EXPECT_EQ(Clicks, 1);
    TestClick(Form, g[1]->Left() + 5, 15);
    EXPECT_EQ(Clicks, 1) << "clicking the pressed button of the group does nothing";
    EXPECT_TRUE(g[1]->Pressed());
    g[1]->SetPressed(false);
    EXPECT_TRUE(g[1]->Pressed()) << "the group does not allow all buttons up";

    g[2]->SetAllowAllUp(true);
    EXPECT_TRUE(g[0]->AllowAllUp());
    EXPECT_TRUE(g[1]->AllowAllUp());
    g[1]->SetPressed(false);
    EXPECT_FALSE(g[1]->Pressed());
}

TEST_F(StyButtons, AcceleratorClicksOrTogglesAGroupedButton)
{
    auto* plain = Make<TStyBaseGraphicButton>(10);
    plain->SetCaption("&Open");
    EXPECT_EQ(plain->Perform(CM_DIALOGCHAR, 'O', 0), 1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(plain->Perform(CM_DIALOGCHAR, 'X', 0), 0);

    auto* grouped = Make<TStyBaseGraphicButton>(50);
    grouped->SetCaption("&Grid");
    grouped->SetGroupIndex(2);
    grouped->Perform(CM_DIALOGCHAR, 'G', 0);
    EXPECT_TRUE(grouped->Pressed());
    EXPECT_EQ(Clicks, 1) << "a grouped button that does not follow the mouse only toggles";
}

TEST_F(StyButtons, DropDownPartWidensTheButton)
{
    auto* b = Make<TStySpeedButton>(10);
    b->SetWidth(25);
    b->SetDropDownCombo(true);
    EXPECT_EQ(b->Width(), 37);
    b->SetDropDownComboWidth(20);
    EXPECT_EQ(b->Width(), 45);
    b->SetDropDownCombo(false);
    EXPECT_EQ(b->Width(), 25);

    // Read from a form, the width is the stored one.
    auto* read = Make<TStySpeedButton>(100);
    read->IncludeState(csLoading);
    read->SetWidth(45);
    read->SetDropDownCombo(true);
    read->SetDropDownComboWidth(20);
    EXPECT_EQ(read->Width(), 45);
}

TEST_F(StyButtons, DropDownMenuOpensFromTheButtonOrItsPart)
{
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(menu);
    item->SetCaption("Upstream face");
    menu->Items()->Add(item);
    auto* b = Make<TStySpeedButton>(10);
    b->SetWidth(40);
    b->SetDropDownMenu(menu);
    const std::vector<String>& seen = Log.DropDowns;
    b->OnDropDown = TNotifyEvent(&Log, &TButtonLog::DropDown);

    TestAnswerNextPopup("Upstream face");
    Move(b, 5, 5);
    Down(b, 5, 5);
    Up(b, 5, 5);
    EXPECT_EQ(seen, (std::vector<String>{"DropDownOpen"}));
    EXPECT_EQ(b->State(), bsMouseOver);
    EXPECT_EQ(Clicks, 0);
    const TPoint below = b->ClientToScreen(Point(0, b->Height()));
    EXPECT_EQ(TestLastPopupPoint(), below);

    b->SetDropDownCombo(true);
    EXPECT_TRUE(b->HasDropDownPart());
    const Integer w = b->Width();
    Down(b, w - 13, 5);
    Up(b, w - 13, 5);
    EXPECT_EQ(seen.size(), 1U) << "left of the part the button clicks";
    EXPECT_EQ(Clicks, 1);
    TestAnswerNextPopup("Upstream face");
    Down(b, w - 12, 5);
    Up(b, w - 12, 5);
    EXPECT_EQ(seen.size(), 2U);
    EXPECT_EQ(Clicks, 1);

    delete menu;
    EXPECT_EQ(b->DropDownMenu(), nullptr);
    EXPECT_FALSE(b->HasDropDownPart());
}

TEST_F(StyButtons, StyleDecidesTransparencyAndGlyphLook)
{
    auto* b = Make<TStySpeedButton>(10);
    b->SetCtlXP(false);
    b->SetButtonStyle(ubsExplorer);
    EXPECT_TRUE(b->Transparent());
    EXPECT_FALSE(b->ControlStyle().Contains(csOpaque));
    EXPECT_TRUE(b->UnColorMain());
    b->SetButtonStyle(ubsWin40);
    EXPECT_FALSE(b->Transparent());
    EXPECT_TRUE(b->ControlStyle().Contains(csOpaque));
    EXPECT_FALSE(b->UnColorMain());
    b->SetButtonStyle(ubsFlat);
    EXPECT_FALSE(b->Transparent()) << "from an opaque look to another the transparency stays";
}

TEST_F(StyButtons, PngPictureIsDrawnWherePictureGoes)
{
    auto* b = Make<TStySpeedButton>(10);
    b->SetBounds(10, 10, 40, 30);
    TPngImage png;
    png.Image().SetSize(12, 12);
    png.Image().Canvas().Brush().SetColor(TColor(0x0000C0));
    png.Image().Canvas().FillRect(Rect(0, 0, 12, 12));
    b->SetPngGlyph(&png);
    b->SetUsePngGlyph(true);
    TestProcess();
    b->Repaint();
    TestProcess();
    const TRect g = b->GlyphRect();
    EXPECT_EQ(g.Width(), 12);
    EXPECT_EQ(g.Height(), 12);
    EXPECT_EQ(TestPixel(b, g.Left + 6, g.Top + 6), TColor(0x0000C0));

    // Pressed, the picture moves one pixel right and down.
    b->SetGroupIndex(1);
    b->SetPressed(true);
    b->Repaint();
    TestProcess();
    EXPECT_EQ(b->GlyphRect().Left, g.Left + 1);
    EXPECT_EQ(b->GlyphRect().Top, g.Top + 1);
}

TEST_F(StyButtons, FontFollowsTheParentUntilSetOnTheButton)
{
    auto* b = Make<TStySpeedButton>(10);
    Form->Font().SetSize(14);
    EXPECT_EQ(b->Font().Size(), 14);
    EXPECT_TRUE(b->ParentFont());
    b->Font().SetSize(9);
    EXPECT_FALSE(b->ParentFont());
    Form->Font().SetSize(11);
    EXPECT_EQ(b->Font().Size(), 9);
}

TEST_F(StyButtons, AutoSizeTakesThePictureWidthAndTheSpacing)
{
    auto* b = Make<TStySpeedButton>(10);
    b->SetCtlXP(false);
    b->SetGlyphKind(gkEllipsis);   // the standard glyphs are 13 pixels wide
    b->SetAutoSize(true);
    b->Repaint();
    TestProcess();
    EXPECT_EQ(b->Width(), 13 + 2 * b->ButtonLayout().Spacing());
}

// The face of a 35-pixel button with a 12-pixel drop-down part, composed here from the drawing
// routines with the geometry the button must use, against what the form shows.
TEST_F(StyButtons, SplitFaceGeometryAndArrow)
{
    TPopupMenu menu(nullptr);
    auto* b = Make<TStySpeedButton>(10);
    b->SetCtlXP(false);
    b->SetDropDownMenu(&menu);
    b->SetDropDownCombo(true);
    b->SetBounds(10, 10, 35, 22);
    struct Row {
        const char* name;
        TStyButtonState state;
        TStyButtonState main, part;   // the state each face is drawn in
    };
    const Row rows[] = {
        {"up", bsUp, bsUp, bsUp},
        {"held", bsDown, bsDown, bsUp},
        {"menu open", bsDropDownOpen, bsUp, bsDropDownOpen},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        b->DoStateChange(r.state, true);
        TestProcess();
        TBitmap expected(35, 22);
        TCanvas& c = expected.Canvas();
        c.Brush().SetColor(b->Color());
        c.FillRect(Rect(0, 0, 35, 22));
        TRect main = Rect(0, 0, 24, 22), part = Rect(23, 0, 35, 22);
        DrawButtonFace(c, false, main, ubsWin40, r.main, 0x0005 | bfSplit, b->Color(), ttmNone);
        DrawButtonFace(c, false, part, ubsWin40, r.part, 0x0005 | bfSplit | bfSplitDropDown, b->Color(), ttmNone);
        DrawArrow(c, 27, 9, 3, clBlack, true, true);
        TBitmap shot;
        TestGrab(Form, shot);
        const Integer top = shot.Height() - Form->ClientHeight();
        Integer differing = 0;
        for (Integer y = 0; y < 22; ++y)
            for (Integer x = 0; x < 35; ++x)
                differing += shot.Canvas().Pixel(10 + x, top + 10 + y) != c.Pixel(x, y);
        EXPECT_EQ(differing, 0);
        // The arrow's top row runs from x 27 to 31, its tip at (29, 11).
        for (const TPoint p : {Point(27, 9), Point(31, 9), Point(29, 11)})
            EXPECT_EQ(shot.Canvas().Pixel(10 + p.X, top + 10 + p.Y), clBlack);
    }
}

} // namespace
