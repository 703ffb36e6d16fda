#include <gtest/gtest.h>

#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/Mask.h"
#include "platform/stdctrls/Menus.h"
#include "platform/stdctrls/ToolBar.h"
#include "platform/testing/Driver.h"

namespace {

struct KeyEvents : TObject {
    // The decimal point typed as a point becomes the comma of the locale.
    void DecimalKey(TObject*, char16_t& key)
    {
        if (key == u'.') key = u',';
    }
};

struct NativeForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 320, 200);
        Edit = new TEdit(Form);
        Edit->SetBounds(10, 60, 120, 24);
        Edit->SetParent(Form);
        Bar = new TToolBar(Form);
        Bar->SetParent(Form);
        Menu = new TMainMenu(Form);
        Save = new TMenuItem(Menu);
        Save->SetCaption("&Save");
        Menu->Items()->Add(Save);
        Bar->AddButton(Save);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    TToolBar* Bar = nullptr;
    TMainMenu* Menu = nullptr;
    TMenuItem* Save = nullptr;
    KeyEvents Events;
};

}  // namespace

TEST_F(NativeForm, TypingOverASelectionWithAReplacedKey)
{
    Edit->OnKeyPress = TKeyPressEvent(&Events, &KeyEvents::DecimalKey);
    Edit->SetFocus();
    TestTypeText(Edit, "12345");
    TestPressKey(Edit, VK_HOME);
    TestPressKey(Edit, VK_RIGHT);
    TestPressKey(Edit, VK_RIGHT, {ssShift});
    TestPressKey(Edit, VK_RIGHT, {ssShift});   // "23" selected
    TestTypeText(Edit, ".");
    EXPECT_EQ(Edit->Text(), String("1,45"));
}

TEST_F(NativeForm, ToolButtonFollowsItsMenuItem)
{
    ASSERT_EQ(Bar->ButtonCount(), 1);
    EXPECT_TRUE(Bar->ButtonEnabled(0));
    Save->SetEnabled(false);
    TestProcess();
    EXPECT_FALSE(Bar->ButtonEnabled(0));
    Save->SetEnabled(true);
    TestProcess();
    EXPECT_TRUE(Bar->ButtonEnabled(0));
}

// A shortcut that two items of the menu bar carry runs the first one in the bar, as one that
// only one item carries runs it.
TEST_F(NativeForm, AShortcutOfTwoItemsRunsTheFirstInTheBar)
{
    struct Commands : TObject {
        std::string Log;
        void SaveAs(TObject*) { Log += "save as;"; }
        void About(TObject*) { Log += "about;"; }
        void Open(TObject*) { Log += "open;"; }
    } commands;
    auto* bar = new TMainMenu(Form);
    auto add = [&](TMenuItem* parent, const char* caption, TShortCut shortCut, void (Commands::*run)(TObject*)) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        item->SetShortCut(shortCut);
        if (run) item->OnClick = TNotifyEvent(&commands, run);
        parent->Add(item);
        return item;
    };
    TMenuItem* file = add(bar->Items(), "&File", 0, nullptr);
    add(file, "&Open", ShortCut('O', {ssCtrl}), &Commands::Open);
    add(file, "Save &As...", ShortCut('A', {ssCtrl}), &Commands::SaveAs);
    add(add(bar->Items(), "&Help", 0, nullptr), "&About", ShortCut('A', {ssCtrl}), &Commands::About);
    Form->SetMenu(bar);
    TestProcess();
    TestPressKey(Form, 'A', {ssCtrl});
    TestPressKey(Form, 'O', {ssCtrl});
    TestPressKey(Form, 'A', {ssCtrl});
    EXPECT_EQ(commands.Log, "save as;open;save as;");
}

TEST_F(NativeForm, MaskEditKnowsWhenTheUserChangedItAndResets)
{
    auto* edit = new TMaskEdit(Form);
    edit->SetBounds(150, 60, 120, 24);
    edit->SetParent(Form);
    edit->SetText("1.5");
    TestProcess();
    EXPECT_FALSE(edit->Modified());
    edit->SetFocus();
    TestProcess();
    TestPressKey(edit, VK_END);
    TestTypeText(edit, "0");
    EXPECT_EQ(edit->Text(), String("1.50"));
    EXPECT_TRUE(edit->Modified());
    edit->Reset();
    EXPECT_EQ(edit->Text(), String("1.5"));
    EXPECT_FALSE(edit->Modified());
}

TEST_F(NativeForm, DropDownButtonShowsItsMenuUnderTheButton)
{
    struct Clicks : TObject {
        std::vector<String> Names;
        void Clicked(TObject* sender) { Names.push_back(static_cast<TMenuItem*>(sender)->Caption()); }
    } clicks;
    auto* menu = new TPopupMenu(Form);
    for (const char* caption : {"As &PNG", "As &EMF"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        item->OnClick = TNotifyEvent(&clicks, &Clicks::Clicked);
        menu->Items()->Add(item);
    }
    Save->OnClick = TNotifyEvent(&clicks, &Clicks::Clicked);
    Bar->SetButtonDropdown(0, menu);
    TestProcess();
    const TRect r = Bar->ButtonRect(0);
    TestAnswerNextPopup("As EMF");
    TestClick(Bar, r.Right - 3, (r.Top + r.Bottom) / 2);   // the arrow
    EXPECT_EQ(clicks.Names, (std::vector<String>{"As &EMF"}));
    EXPECT_EQ(TestLastPopupPoint(), Bar->ClientToScreen({r.Left, r.Bottom}));
    TestClick(Bar, r.Left + 4, (r.Top + r.Bottom) / 2);   // the button itself
    TestProcess();
    EXPECT_EQ(clicks.Names, (std::vector<String>{"As &EMF", "&Save"}));
    delete menu;   // the button goes back to a plain one
    EXPECT_EQ(Bar->ButtonDropdown(0), nullptr);
}

// Native widgets take the layer's system colours: a push button's face is the button face, its
// outer lower and right line the dark shadow, as the buttons the layer draws.
TEST_F(NativeForm, NativeButtonShowsTheSystemColours)
{
    auto* button = new TButton(Form);
    button->SetBounds(150, 60, 80, 25);
    button->SetParent(Form);
    TestProcess();
    TBitmap shot;
    TestGrab(button, shot);
    ASSERT_EQ(shot.Width(), 80);
    EXPECT_EQ(shot.Canvas().Pixel(40, 12), ColorToRGB(clBtnFace));
    EXPECT_EQ(shot.Canvas().Pixel(40, 24), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(shot.Canvas().Pixel(79, 12), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(shot.Canvas().Pixel(0, 12), ColorToRGB(clBtnHighlight));
}

// A native edit shows the sunken client edge of the layer's system colours: the button shadow
// outside, the dark shadow inside it along the top and left, the 3D light and the highlight along
// the bottom and right, the window colour within.
TEST_F(NativeForm, NativeEditShowsTheSystemColours)
{
    TBitmap shot;
    TestGrab(Edit, shot);
    ASSERT_EQ(shot.Width(), 120);
    const Integer w = shot.Width(), h = shot.Height();
    struct Case {
        TPoint At;
        TColor Colour;
    };
    const Case cases[] = {
        {Point(60, 0), clBtnShadow},      {Point(0, 12), clBtnShadow},      {Point(60, 1), cl3DDkShadow},
        {Point(1, 12), cl3DDkShadow},     {Point(60, h - 1), clBtnHighlight}, {Point(w - 1, 12), clBtnHighlight},
        {Point(60, h - 2), cl3DLight},    {Point(w - 2, 12), cl3DLight},    {Point(w - 6, h / 2), clWindow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToRGB(shot.Canvas().Pixel(c.At.X, c.At.Y)), ColorToRGB(c.Colour)) << c.At.X << "," << c.At.Y;
}

namespace {
struct ClickCount : TObject {
    int Clicks = 0;
    void Clicked(TObject*) { ++Clicks; }
};
}  // namespace

// The default button shows the default frame (a dark line around the button) and Enter typed in
// another control of the form clicks it.
TEST_F(NativeForm, DefaultButtonShowsItsFrameAndTakesEnter)
{
    ClickCount count;
    auto* ok = new TButton(Form);
    ok->SetBounds(150, 60, 80, 25);
    ok->SetParent(Form);
    ok->OnClick = TNotifyEvent(&count, &ClickCount::Clicked);
    TestProcess();
    TBitmap plain;
    TestGrab(ok, plain);
    EXPECT_NE(plain.Canvas().Pixel(0, 12), ColorToRGB(cl3DDkShadow));
    ok->SetDefault(true);
    TestProcess();
    TBitmap framed;
    TestGrab(ok, framed);
    for (TPoint p : {Point(0, 12), Point(40, 0), Point(79, 12), Point(40, 24)})
        EXPECT_EQ(framed.Canvas().Pixel(p.X, p.Y), ColorToRGB(cl3DDkShadow)) << p.X << "," << p.Y;
    Edit->SetFocus();
    TestProcess();
    TestPressKey(Edit, VK_RETURN);
    TestProcess();
    EXPECT_EQ(count.Clicks, 1);
    ok->SetDefault(false);
    TestPressKey(Edit, VK_RETURN);
    TestProcess();
    EXPECT_EQ(count.Clicks, 1);
}

namespace {
// Pixels of one colour in a picture.
int CountColour(TBitmap& b, TColor colour)
{
    int n = 0;
    for (Integer y = 0; y < b.Height(); ++y)
        for (Integer x = 0; x < b.Width(); ++x) n += b.Canvas().Pixel(x, y) == ColorToRGB(colour);
    return n;
}
}  // namespace

// A bit button shows its glyph left of the caption without its transparent colour, the second
// picture while disabled, and the kind's own picture while its glyph is empty.
TEST_F(NativeForm, BitButtonShowsItsGlyphLeftOfTheCaption)
{
    auto* button = new TBitBtn(Form);
    button->SetBounds(150, 60, 100, 30);
    button->SetCaption("Stop");
    button->SetParent(Form);
    TBitmap glyph;
    glyph.SetPixelFormat(TPixelFormat::pf32bit);
    glyph.SetSize(32, 16);
    glyph.Canvas().FillRectColor(TRect{0, 0, 32, 16}, clFuchsia);   // bottom-left: transparent
    glyph.Canvas().FillRectColor(TRect{4, 4, 12, 12}, clRed);       // up
    glyph.Canvas().FillRectColor(TRect{20, 4, 28, 12}, clBlue);     // disabled
    button->SetNumGlyphs(2);
    button->SetGlyph(&glyph);
    TestProcess();
    TBitmap shot;
    TestGrab(button, shot);
    EXPECT_EQ(CountColour(shot, clRed), 64);
    EXPECT_EQ(CountColour(shot, clFuchsia), 0);
    EXPECT_EQ(CountColour(shot, clBlue), 0);
    Integer redLeft = shot.Width();
    for (Integer y = 0; y < shot.Height(); ++y)
        for (Integer x = 0; x < shot.Width(); ++x)
            if (shot.Canvas().Pixel(x, y) == ColorToRGB(clRed)) redLeft = std::min(redLeft, x);
    EXPECT_LT(redLeft, 40);   // left of the caption, which is centred with it

    button->SetEnabled(false);
    TestProcess();
    TestGrab(button, shot);
    EXPECT_EQ(CountColour(shot, clRed), 0);
    EXPECT_EQ(CountColour(shot, clBlue), 64);

    auto* ok = new TBitBtn(Form);
    ok->SetBounds(150, 100, 100, 30);
    ok->SetParent(Form);
    ok->SetKind(bkOK);
    auto* cancel = new TBitBtn(Form);
    cancel->SetBounds(150, 140, 100, 30);
    cancel->SetParent(Form);
    cancel->SetKind(bkCancel);
    TestProcess();
    TestGrab(ok, shot);
    EXPECT_GT(CountColour(shot, clGreen), 10);
    TestGrab(cancel, shot);
    EXPECT_GT(CountColour(shot, clRed), 10);
    TestScreenshot(Form, "platform-bit-buttons", shot);
}
