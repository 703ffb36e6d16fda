#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "editcontrols/EcSpeedButton.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/testing/Driver.h"

namespace {

struct TClicks : TObject {
    int Count = 0;
    void Clicked(TObject*) { ++Count; }
};

// Four 30 x 24 buttons in a row at y = 10: a plain one repeating while held, and three of
// group 1.
struct SpeedButtonForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 240, 90);
        for (int i = 0; i < 4; ++i) {
            Buttons[i] = new TEcSpeedButton(Form.get());
            Buttons[i]->SetParent(Form.get());
            Buttons[i]->SetBounds(10 + 40 * i, 10, 30, 24);
            Buttons[i]->SetCaption(String::FromChar(static_cast<char16_t>(u'A' + i)));
            Buttons[i]->OnClick = TNotifyEvent(&Clicks[i], &TClicks::Clicked);
            if (i > 0) Buttons[i]->SetGroupIndex(1);
        }
        Buttons[0]->SetAllowTimer(true);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        Form.reset();
        TestProcess();
    }
    std::unique_ptr<TForm> Form;
    TEcSpeedButton* Buttons[4] = {};
    TClicks Clicks[4];
};

TEST_F(SpeedButtonForm, AClickNeedsTheReleaseOnTheButton)
{
    TestClick(Buttons[0], 5, 5);
    EXPECT_EQ(Clicks[0].Count, 1);
    EXPECT_EQ(Buttons[0]->State(), rbsUp);
    TestMouseDown(Buttons[0], 5, 5);
    EXPECT_EQ(Buttons[0]->State(), rbsDown);
    TestMouseMove(Buttons[0], 40, 5);
    EXPECT_EQ(Buttons[0]->State(), rbsUp);
    TestMouseUp(Buttons[0], 40, 5);
    EXPECT_EQ(Clicks[0].Count, 1);
}

TEST_F(SpeedButtonForm, HoldingTheButtonRepeatsAfterHalfASecondThenEveryTenth)
{
    TTestClock clock;
    TestMouseDown(Buttons[0], 5, 5);
    clock.Advance(499);
    EXPECT_EQ(Clicks[0].Count, 0);
    clock.Advance(1);
    EXPECT_EQ(Clicks[0].Count, 1);
    clock.Advance(100);
    EXPECT_EQ(Clicks[0].Count, 2);
    TestMouseMove(Buttons[0], 40, 5);   // off the button: no repeats
    clock.Advance(300);
    EXPECT_EQ(Clicks[0].Count, 2);
    TestMouseMove(Buttons[0], 5, 5);    // back on it: they resume
    clock.Advance(100);
    EXPECT_EQ(Clicks[0].Count, 3);
    TestMouseUp(Buttons[0], 5, 5);      // and the release clicks once more
    EXPECT_EQ(Clicks[0].Count, 4);
    clock.Advance(1000);
    EXPECT_EQ(Clicks[0].Count, 4);
}

TEST_F(SpeedButtonForm, OneButtonOfAGroupIsDownAtATime)
{
    TestClick(Buttons[1], 5, 5);
    EXPECT_TRUE(Buttons[1]->Down());
    EXPECT_EQ(Buttons[1]->State(), rbsExclusive);
    TestClick(Buttons[2], 5, 5);
    EXPECT_TRUE(Buttons[2]->Down());
    EXPECT_FALSE(Buttons[1]->Down());
    EXPECT_EQ(Buttons[1]->State(), rbsUp);
    TestClick(Buttons[2], 5, 5);        // AllowAllUp off: the only down button stays down
    EXPECT_TRUE(Buttons[2]->Down());
    EXPECT_EQ(Clicks[2].Count, 2);
    // a latched button released off it stays latched
    TestMouseDown(Buttons[2], 5, 5);
    TestMouseMove(Buttons[2], 50, 5);
    TestMouseUp(Buttons[2], 50, 5);
    EXPECT_TRUE(Buttons[2]->Down());
    EXPECT_EQ(Buttons[2]->State(), rbsExclusive);
    EXPECT_EQ(Clicks[2].Count, 2);
    // AllowAllUp set on one button reaches the whole group
    Buttons[1]->SetAllowAllUp(true);
    EXPECT_TRUE(Buttons[2]->AllowAllUp());
    EXPECT_TRUE(Buttons[3]->AllowAllUp());
    EXPECT_FALSE(Buttons[0]->AllowAllUp());
    TestClick(Buttons[2], 5, 5);
    EXPECT_FALSE(Buttons[2]->Down());
}

TEST_F(SpeedButtonForm, AClickGivesTheFormTheButtonsModalResult)
{
    Buttons[0]->SetModalResult(mrOk);
    TestClick(Buttons[0], 5, 5);
    EXPECT_EQ(Form->ModalResult(), mrOk);
}

// A flat button draws no frame until the mouse is over it.
TEST_F(SpeedButtonForm, AFlatButtonShowsItsFrameWhileTheMouseIsOverIt)
{
    Buttons[0]->SetFlat(true);
    TestProcess();
    auto topLeft = [&] {
        TBitmap bmp;
        TestGrab(Form.get(), bmp);
        return bmp.Canvas().Pixel(Buttons[0]->Left(), Buttons[0]->Top());
    };
    const TColor face = ColorToRGB(Form->Color());
    EXPECT_EQ(ColorToRGB(topLeft()), face);
    TestMouseMove(Buttons[0], 5, 5);
    TestProcess();
    EXPECT_EQ(ColorToRGB(topLeft()), ColorToRGB(HighlightColorOf(Buttons[0]->Color())));
    TestMouseMove(Form.get(), 200, 80);
    TestProcess();
    EXPECT_EQ(ColorToRGB(topLeft()), face);
}

TEST_F(SpeedButtonForm, AHotTrackingButtonFillsItsFaceAndTakesItsHoverFontUnderTheMouse)
{
    TEcSpeedButton* b = Buttons[0];
    b->SetHotTrack(true);
    b->HotTrackOptions().SetEnabled(true);
    b->HotTrackOptions().SetColor(clYellow);
    b->HotTrackFont().SetColor(clRed);
    b->Font().SetSize(10);   // the hover font follows the size, keeps its colour
    EXPECT_EQ(b->HotTrackFont().Size(), 10);
    EXPECT_EQ(b->HotTrackFont().Color(), clRed);
    TestProcess();
    // The 30 x 24 button's face inside its two-pixel frame, away from the caption.
    EXPECT_NE(ColorToRGB(TestPixel(b, 3, 3)), ColorToRGB(clYellow));
    TestMouseMove(b, 5, 5);
    TestProcess();
    EXPECT_EQ(ColorToRGB(TestPixel(b, 3, 3)), ColorToRGB(clYellow));
    b->HotTrackOptions().SetFrameVisible(true);
    b->HotTrackOptions().SetFrameColor(clBlue);
    TestProcess();
    EXPECT_EQ(ColorToRGB(TestPixel(b, 0, 0)), ColorToRGB(clBlue));
    TestMouseMove(Form.get(), 200, 80);
    TestProcess();
    EXPECT_NE(ColorToRGB(TestPixel(b, 3, 3)), ColorToRGB(clYellow));
}

// The buttons in their states, written to build/screenshots/editcontrols-speedbuttons.png.
TEST_F(SpeedButtonForm, Screenshot)
{
    Buttons[2]->SetDown(true);
    Buttons[3]->SetEnabled(false);
    auto* flat = new TEcSpeedButton(Form.get());
    flat->SetParent(Form.get());
    flat->SetBounds(10, 50, 60, 24);
    flat->SetCaption("Flat");
    flat->SetFlat(true);
    auto* old = new TEcSpeedButton(Form.get());
    old->SetParent(Form.get());
    old->SetBounds(80, 50, 60, 24);
    old->SetCaption("Win31");
    old->SetStyle(bsWin31);
    TestMouseDown(Buttons[0], 5, 5);
    TestProcess();
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    const String file = String(DORVANE_SCREENSHOTS) + "/editcontrols-speedbuttons.png";
    TestGrabToPng(Form.get(), file);
    TestMouseUp(Buttons[0], 5, 5);
    EXPECT_TRUE(std::filesystem::exists(file.ToUtf8()));
}

TEST_F(SpeedButtonForm, APressDropsTheMenuUnderTheButtonInsteadOfClicking)
{
    auto* menu = new TPopupMenu(Form.get());
    TClicks chosen;
    for (const char* caption : {"Open", "Save"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        if (String(caption) == "Save") item->OnClick = TNotifyEvent(&chosen, &TClicks::Clicked);
        menu->Items()->Add(item);
    }
    Buttons[0]->SetDropDownMenu(menu);
    TestAnswerNextPopup("Save");
    TestClick(Buttons[0], 5, 5);
    EXPECT_EQ(chosen.Count, 1);
    EXPECT_EQ(Clicks[0].Count, 0);                     // the press dropped the menu, no click
    EXPECT_EQ(Buttons[0]->State(), rbsUp);
    EXPECT_EQ(TestLastPopupPoint(), Buttons[0]->ClientToScreen(TPoint{-1, 24}));   // under its left edge
    Buttons[0]->ButtonClick();                         // a menu that drops by itself: nothing
    EXPECT_EQ(Clicks[0].Count, 0);
    delete menu;
    EXPECT_EQ(Buttons[0]->DropDownMenu(), nullptr);
    TestClick(Buttons[0], 5, 5);
    EXPECT_EQ(Clicks[0].Count, 1);
}

// The click that closes a menu waits for the form while the menu's item runs: posted here.
struct TClickPoster : TObject {
    TWinControl* Window = nullptr;
    std::vector<Cardinal> Messages;
    TPoint At;
    void Chosen(TObject*)
    {
        for (Cardinal m : Messages)
            PostMessage(Window, m, m == WM_LBUTTONUP ? 0u : Cardinal{MK_LBUTTON}, MakeLParam(At.X, At.Y));
        Messages.clear();
    }
};

TEST_F(SpeedButtonForm, TheClickThatClosesTheMenuPressesNoButtonButReachesAnother)
{
    // Buttons[0] drops the menu; Buttons[1] (group 1) lies at (50, 10) on the form.
    struct Case {
        const char* name;
        TPoint at;
        std::vector<Cardinal> messages;
        int menuButtonClicks, otherClicks, menusShown;
    };
    const Case cases[] = {
        {"on the other button", {60, 20}, {WM_LBUTTONDOWN, WM_LBUTTONUP}, 0, 1, 1},
        {"on the menu button", {20, 20}, {WM_LBUTTONDOWN, WM_LBUTTONUP}, 0, 0, 1},
        {"double click on the menu button", {20, 20}, {WM_LBUTTONDBLCLK, WM_LBUTTONUP}, 0, 0, 1},
    };
    auto* menu = new TPopupMenu(Form.get());
    auto* item = new TMenuItem(menu);
    item->SetCaption("Open");
    TClickPoster poster;
    poster.Window = Form.get();
    item->OnClick = TNotifyEvent(&poster, &TClickPoster::Chosen);
    menu->Items()->Add(item);
    Buttons[0]->SetDropDownMenu(menu);
    for (const Case& c : cases) {
        Clicks[0].Count = Clicks[1].Count = 0;
        Buttons[1]->SetAllowAllUp(true);
        Buttons[1]->SetDown(false);
        poster.At = c.at;
        poster.Messages = c.messages;
        TestAnswerNextPopup("Open");
        TestAnswerNextPopup("Open");   // taken only when the closing click drops the menu again
        TestClick(Buttons[0], 5, 5);
        TestProcess();
        EXPECT_EQ(Clicks[0].Count, c.menuButtonClicks) << c.name;
        EXPECT_EQ(Clicks[1].Count, c.otherClicks) << c.name;
        EXPECT_EQ(2 - static_cast<int>(TestDropUnusedAnswers().Popups), c.menusShown) << c.name;
        EXPECT_EQ(Buttons[0]->State(), rbsUp) << c.name;
    }
}

TEST_F(SpeedButtonForm, AClickFromCodeClicksAndTogglesAGroupButton)
{
    Buttons[0]->ButtonClick();
    EXPECT_EQ(Clicks[0].Count, 1);
    EXPECT_EQ(Buttons[0]->State(), rbsUp);
    Buttons[2]->ButtonClick();
    EXPECT_TRUE(Buttons[2]->Down());
    EXPECT_EQ(Clicks[2].Count, 1);
    Buttons[1]->SetEnabled(false);
    Buttons[1]->ButtonClick();
    EXPECT_EQ(Clicks[1].Count, 0);
}

TEST_F(SpeedButtonForm, AnImageButtonShowsItsImageAndTheHoverImageUnderTheMouse)
{
    // A list of two 8 x 8 images, red then blue, and a 30 x 24 button whose centre (15, 12)
    // lies inside the image drawn at (11, 8).
    auto* images = new TCustomImageList(8, 8);
    for (TColor color : {clRed, clBlue}) {
        TBitmap picture(8, 8);
        picture.Canvas().Brush().SetColor(color);
        picture.Canvas().FillRect(Rect(0, 0, 8, 8));
        images->Add(&picture, nullptr);
    }
    auto* button = new TEcImageSpeedButton(Form.get());
    button->SetParent(Form.get());
    button->SetBounds(10, 50, 30, 24);
    button->SetImages(images);
    button->SetImageIndex(1);
    TestProcess();
    EXPECT_EQ(ColorToRGB(TestPixel(button, 15, 12)), ColorToRGB(clBlue));
    button->SetHotTrack(true);   // the hover image index starts at 0, not -1
    TestMouseMove(button, 5, 5);
    TestProcess();
    EXPECT_EQ(ColorToRGB(TestPixel(button, 15, 12)), ColorToRGB(clRed));
    button->SetHotTrackImageIndex(-1);
    TestProcess();
    EXPECT_EQ(ColorToRGB(TestPixel(button, 15, 12)), ColorToRGB(clBlue));
    button->SetEnabled(false);
    TestProcess();
    EXPECT_NE(ColorToRGB(TestPixel(button, 15, 12)), ColorToRGB(clBlue));   // drawn disabled
    delete images;
    EXPECT_EQ(button->Images(), nullptr);
    EXPECT_EQ(button->ImageIndex(), -1);
}

TEST_F(SpeedButtonForm, AltAndTheUnderlinedLetterClickTheButton)
{
    Buttons[0]->SetCaption("&Apply");
    TestPressKey(Form.get(), 'A', TShiftState{ssAlt});
    EXPECT_EQ(Clicks[0].Count, 1);
    TestPressKey(Form.get(), 'A');   // without Alt: no click
    Buttons[0]->SetEnabled(false);
    TestPressKey(Form.get(), 'A', TShiftState{ssAlt});
    EXPECT_EQ(Clicks[0].Count, 1);
}

TEST_F(SpeedButtonForm, ADoubleClickCountsOnALatchedButtonOnly)
{
    TClicks doubles[4];
    for (int i : {0, 2}) Buttons[i]->OnDblClick = TNotifyEvent(&doubles[i], &TClicks::Clicked);
    TestDoubleClick(Buttons[0], 5, 5);
    EXPECT_EQ(doubles[0].Count, 0);
    Buttons[2]->SetDown(true);
    TestDoubleClick(Buttons[2], 5, 5);
    EXPECT_EQ(doubles[2].Count, 1);
}

// A panel painted in 4 x 4 squares of blue and yellow, and a windowless lime square on it.
class TCheckeredPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    static TColor At(Integer x, Integer y) { return (x / 4 + y / 4) % 2 ? clYellow : clBlue; }

protected:
    void Paint() override
    {
        for (Integer y = 0; y < Height(); ++y)
            for (Integer x = 0; x < Width(); ++x) Canvas().SetPixel(x, y, At(x, y));
    }
};

class TLimeSquare : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override { Canvas().FillRectColor(ClientRect(), clLime); }
};

TEST_F(SpeedButtonForm, ATransparentButtonShowsItsParentAndTheControlsBeforeItThrough)
{
    // The 100 x 40 panel at (10, 45); the square at (30, 5) on it, 10 x 10; the 40 x 30 button
    // at (25, 5) over both, without caption, so its face inside the frame shows what is under it.
    auto* panel = new TCheckeredPanel(Form.get());
    panel->SetBounds(10, 45, 100, 40);
    panel->SetParent(Form.get());
    auto* square = new TLimeSquare(Form.get());
    square->SetBounds(30, 5, 10, 10);
    square->SetParent(panel);
    auto* button = new TEcSpeedButton(Form.get());
    button->SetBounds(25, 5, 40, 30);
    button->SetParent(panel);
    struct Case {
        bool transparent;
        bool flat;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{true, true}}) {
        button->SetTransparent(c.transparent);
        button->SetFlat(c.flat);
        TestProcess();
        TBitmap picture;
        TestScreenshot(Form.get(), c.flat ? "editcontrols-speedbutton-transparent-flat"
                                          : c.transparent ? "editcontrols-speedbutton-transparent"
                                                          : "editcontrols-speedbutton-opaque",
                       picture);
        Integer wrong = 0;
        for (Integer y = 3; y < 27; ++y)
            for (Integer x = 3; x < 37; ++x) {
                const TPoint p{25 + x, 5 + y};   // on the panel
                const bool onSquare = p.X >= 30 && p.X < 40 && p.Y >= 5 && p.Y < 15;
                const TColor under = onSquare ? clLime : TCheckeredPanel::At(p.X, p.Y);
                const TColor shown = TestPixel(button, x, y);
                if (ColorToRGB(shown) != ColorToRGB(c.transparent ? under : clBtnFace)) ++wrong;
            }
        EXPECT_EQ(wrong, 0) << c.transparent << c.flat;
        if (!c.flat) {   // framed
            EXPECT_EQ(ColorToRGB(TestPixel(button, 0, 0)), ColorToRGB(HighlightColorOf(clBtnFace)));
        }
    }
}

TEST(DropDownMenuPoint, ByPositionAndAlignment)
{
    struct Case { TEcDropDownMenuPos Position; TPopupAlignment Alignment; TPoint At; };
    const Case cases[] = {
        {dmpBottom, paLeft, {-1, 24}}, {dmpBottom, paRight, {31, 24}}, {dmpBottom, paCenter, {15, 24}},
        {dmpRight, paLeft, {30, -1}},  {dmpRight, paRight, {-1, -1}},  {dmpRight, paCenter, {15, 24}},
    };
    for (const Case& c : cases) EXPECT_EQ(DropDownMenuPoint(c.Position, c.Alignment, 30, 24), c.At) << c.Position << c.Alignment;
}

}  // namespace
