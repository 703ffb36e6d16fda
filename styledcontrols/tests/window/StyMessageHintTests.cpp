// Message balloons at a control: a shaped window next to an edit with its title, icon and close
// button, dismissed by a key press or the close button; shadows, gradients, elliptic balloons,
// line breaks and the form description; build/screenshots/styled-balloon.png.
#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyMessageHint.h"

namespace {

struct MessageHint : ::testing::Test {
    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    TStyMessageHint* Hint = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 420, 170);
        Form->SetCaption("Statistics");
        Edit = new TEdit(Form);
        Edit->SetBounds(20, 20, 120, 22);
        Edit->SetParent(Form);
        Hint = new TStyMessageHint(Form);
        Hint->SetPosition(hpBelowRight);
        Hint->SetMaxWidth(-2);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TStyMessageHintWindow* Balloon() const
    {
        return Hint->Windows().empty() ? nullptr : static_cast<TStyMessageHintWindow*>(Hint->Windows().back());
    }
};

}  // namespace

TEST_F(MessageHint, ShowsAShapedBalloonBelowRightOfTheControlsCentre)
{
    Hint->SetOptions({hoShowTitle, hoShowCloseButton, hoShowIcon});
    Hint->ShowControlMessage("<html>The number of analyses must lie<br>between <b>1</b> and <b>10000</b>.", Edit,
                             "Number of analyses", clNone, hitWarning, -1);
    TestProcess();
    ASSERT_TRUE(Hint->IsDisplaying());
    TStyMessageHintWindow* b = Balloon();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Visible() && b->HandleAllocated());
    const TPoint centre = Form->ClientToScreen({20 + 60, 20 + 11});
    EXPECT_EQ(b->Origin().X, centre.X);
    EXPECT_EQ(b->Origin().Y, centre.Y);
    EXPECT_EQ(b->PlacedAt(), hpBelowRight);
    EXPECT_EQ(b->Left(), centre.X + 6) << "6 pixels right of the centre";
    EXPECT_EQ(b->Top(), centre.Y + 1) << "1 pixel below it";
    // The window is shaped: its top-left corner (outside the nose and the rounded body) is not
    // part of it, the nose's tip is.
    TRegion shape;
    ASSERT_NE(GetWindowRgn(b, &shape), 0);
    EXPECT_TRUE(shape.Contains(6, 3)) << "the tip of the nose points at the target";
    EXPECT_FALSE(shape.Contains(b->Width() - 1, 0)) << "the body's corner is rounded off";
    EXPECT_FALSE(shape.Contains(10, 20)) << "beside the nose";

    // The title above the text, the icon left of both, the close button at the text's top right.
    const TRect text = b->TextBox(), title = b->TitleRect(), close = b->CloseBtnRect(), icon = b->IconRect();
    EXPECT_EQ(title.Bottom, text.Top - 1) << title.Top << " " << title.Bottom << " " << text.Top;
    EXPECT_EQ(title.Left, text.Left);
    EXPECT_EQ(close.Left, text.Right - 1);
    EXPECT_EQ(close.Top, text.Top);
    EXPECT_EQ(close.Width(), 16);
    EXPECT_EQ(icon.Right, text.Left - 1);
    EXPECT_EQ(icon.Top, title.Top + 1) << "level with the text's top less the title's height";
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_TRUE(shape.Contains(close.Right - 1, close.Bottom - 1) && shape.Contains(icon.Left, icon.Top)) << "inside the balloon";
    EXPECT_EQ(TestPixel(b, (icon.Left + icon.Right) / 2, icon.Top + 7), ColorToRGB(clBlack)) << "the warning's mark";
    EXPECT_EQ(TestPixel(b, close.Left + 4, close.Top + 4), ColorToRGB(clBtnText)) << "the close button's cross";

    TBitmap shot;
    TestScreenshot(Form, {b}, "styled-balloon", shot);
}

// The hint font is the screen's, Tahoma, whose bold is a face of its own: bold text is wider
// than plain text in the same face, never another family's.
TEST_F(MessageHint, BoldTextIsTheHintFontsBoldFace)
{
    EXPECT_EQ(Hint->GetHintFont().Name(), "Tahoma");
    Hint->ShowControlMessage("<html>plain <b>bold</b>", Edit, "", clNone, hitInfo, -1);
    TStyMessageHintWindow* b = Balloon();
    ASSERT_NE(b, nullptr);
    for (TStyHTMLItem* item : b->Render().Data()->Items())
        if (item->ItemType() == hitChar) { EXPECT_EQ(item->FFontRef, "Tahoma"); }
    TCanvas& c = b->Render().Canvas();
    c.Font().Assign(Hint->GetHintFont());
    EXPECT_TRUE(c.GetTextMetrics().tmPitchAndFamily & TMPF_TRUETYPE) << "an outline face, with a true bold";
}

// The program's balloon texts break their lines at a lone CR.
TEST_F(MessageHint, ALoneCarriageReturnBreaksTheLine)
{
    Hint->ShowControlMessage("Out of range", Edit, "", clNone, hitInfo, -1);
    const Integer one = Balloon()->TextBox().Height();
    Hint->ShowControlMessage("Out of range\rEnter 1 to 10000", Edit, "", clNone, hitInfo, -1);
    const Integer two = Balloon()->TextBox().Height();
    TCanvas& c = Balloon()->Render().Canvas();
    c.Font().Assign(Hint->GetHintFont());
    EXPECT_EQ(two - one, c.TextHeight("Ag"));
}

// A tracing shadow is a checkerboard of its colour and white; a gradient fills the body under the
// border; an elliptic balloon's nose reaches the target.
TEST_F(MessageHint, ShadowGradientAndEllipse)
{
    Hint->Shadow().SetStyle(hssTracing);
    Hint->Shadow().SetColor(clNavy);
    Hint->ShowControlMessage("Out of range", Edit, "", clNone, hitInfo, -1);
    TStyMessageHintWindow* b = Balloon();
    TRegion shape;
    ASSERT_NE(GetWindowRgn(b, &shape), 0);
    // Bottom-right corner area: only shadow there (the body ends d = 6 pixels earlier).
    const Integer x = b->Width() - 3, y = b->Height() - 12;
    ASSERT_TRUE(shape.Contains(x, y) && shape.Contains(x, y + 1));
    const TColor a = TestPixel(b, x, y), c = TestPixel(b, x, y + 1);
    EXPECT_TRUE((a == ColorToRGB(clNavy) && c == ColorToRGB(clWhite)) || (a == ColorToRGB(clWhite) && c == ColorToRGB(clNavy))) << std::hex << a << " " << c;

    Hint->Shadow().SetStyle(hssSolid);
    Hint->SetUseGradient(true);
    Hint->Gradient().SetColor(clWhite);
    Hint->Gradient().SetEndColor(clAqua);
    Hint->ShowControlMessage("Out of range", Edit, "", clNone, hitInfo, -1);
    TestProcess();
    b = Balloon();
    const TRect text = b->TextBox();
    EXPECT_NE(TestPixel(b, text.Left - 2, (text.Top + text.Bottom) / 2), ColorToRGB(Hint->Color())) << "the gradient, not the plain colour";

    Hint->SetUseGradient(false);
    Hint->SetStyle(hsNoseEllipse);
    Hint->ShowControlMessage("Out of range", Edit, "", clNone, hitInfo, -1);
    b = Balloon();
    ASSERT_NE(GetWindowRgn(b, &shape), 0);
    EXPECT_EQ(b->PlacedAt(), hpBelowRight);
    EXPECT_TRUE(shape.Contains(1, 1)) << "the nose's tip, at the target";
    EXPECT_FALSE(shape.Contains(b->Width() - 8, 26)) << "the ellipse's corner is off";
    const TRect body{25, 25, b->Width() - 6, b->Height() - 7};
    EXPECT_TRUE(shape.Contains((body.Left + body.Right) / 2, (body.Top + body.Bottom) / 2));
}

// A click on the close button takes the balloon off the screen and tells; the balloon stays in
// the list until HideMessage.
TEST_F(MessageHint, TheCloseButtonTakesTheBalloonAway)
{
    struct TLog : TObject {
        Integer Closed = 0;
        void Close(TObject*) { ++Closed; }
    } log;
    Hint->OnCloseHintWindow = TNotifyEvent(&log, &TLog::Close);
    Hint->SetSetCapture(false);
    Hint->SetOptions({hoShowCloseButton});
    Hint->ShowControlMessage("Out of range", Edit, "", clNone, hitInfo, -1);
    TStyMessageHintWindow* b = Balloon();
    const TRect close = b->CloseBtnRect();
    ASSERT_FALSE(close.IsEmpty());
    TestMouseDown(b, close.Left + 5, close.Top + 5);
    EXPECT_TRUE(b->Visible());
    TestMouseUp(b, close.Left + 5, close.Top + 5);
    EXPECT_FALSE(b->HandleAllocated() || b->Visible());
    EXPECT_EQ(log.Closed, 1);
    EXPECT_TRUE(Hint->IsDisplaying());
    Hint->HideMessage();
    EXPECT_EQ(log.Closed, 1) << "told once";
}

TEST_F(MessageHint, AFormDescriptionSetsThePublishedProperties)
{
    RegisterClasses({TStyMessageHint::StaticClass()});
    TComponent* read = ReadComponentText("object Balloons: TStyMessageHint\n"
                                         "  AllowMultipleHints = False\n"
                                         "  MaxWidth = -2\n"
                                         "  Options = [hoShowTitle, hoShowIcon]\n"
                                         "  Position = hpBelowRight\n"
                                         "  SetCapture = False\n"
                                         "  Style = hsNoseEllipse\n"
                                         "  TitleFont.Name = 'Arial'\n"
                                         "  TitleFont.Height = -13\n"
                                         "  Shadow.Depth = 4\n"
                                         "end\n");
    std::unique_ptr<TStyMessageHint> hint(dynamic_cast<TStyMessageHint*>(read));
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->MaxWidth(), -2);
    EXPECT_EQ(hint->Options(), (TStyHintOptions{hoShowTitle, hoShowIcon}));
    EXPECT_EQ(hint->Position(), hpBelowRight);
    EXPECT_FALSE(hint->SetCapture());
    EXPECT_EQ(hint->Style(), hsNoseEllipse);
    EXPECT_EQ(hint->TitleFont().Height(), -13);
    EXPECT_EQ(hint->Shadow().Depth(), 4);
}

TEST_F(MessageHint, AKeyPressTakesTheBalloonAwayButItStaysDisplayingUntilHidden)
{
    Edit->SetFocus();
    Hint->ShowControlMessage("Out of range", Edit, "", clNone, hitInfo, -1);
    TestProcess();
    TStyMessageHintWindow* b = Balloon();
    ASSERT_TRUE(b && b->Visible() && b->HandleAllocated());
    TestPressKey(Edit, 'A');
    EXPECT_FALSE(b->Visible() || b->HandleAllocated()) << "the balloon left the screen";
    EXPECT_EQ(Edit->Text(), String()) << "the key only dismissed the balloon";
    EXPECT_TRUE(Hint->IsDisplaying());
    Hint->HideMessage();
    EXPECT_FALSE(Hint->IsDisplaying());
    TestPressKey(Edit, 'B');
    EXPECT_EQ(Edit->Text(), String("b"));
}

TEST_F(MessageHint, OneBalloonAtATimeAndGroupsWithSeveral)
{
    Hint->ShowControlMessage("first", Edit, "", clNone, hitInfo, -1);
    Hint->ShowControlMessage("second", Edit, "", clNone, hitInfo, -1);
    EXPECT_EQ(Hint->Windows().size(), 1u);
    Hint->HideMessage();
    Hint->HideMessage();
    EXPECT_FALSE(Hint->IsDisplaying());

    Hint->SetAllowMultipleHints(true);
    EXPECT_FALSE(Hint->SetCapture());
    Hint->ShowMessage("a", 200, 200, "", clNone, hitInfo, 1);
    Hint->ShowMessage("b", 220, 220, "", clNone, hitInfo, 2);
    Hint->ShowMessage("c", 240, 240, "", clNone, hitInfo, 1);
    ASSERT_EQ(Hint->Windows().size(), 3u);
    EXPECT_EQ(Hint->Windows()[2]->Tag(), 2);
    Hint->HideMessages(1);
    ASSERT_EQ(Hint->Windows().size(), 1u);
    EXPECT_EQ(Hint->Windows()[0]->Tag(), 1);
    Hint->SetAllowMultipleHints(false);
    EXPECT_FALSE(Hint->SetCapture());

    Edit->Hide();
    Hint->ShowControlMessage("hidden", Edit, "", clNone, hitInfo, -1);
    EXPECT_FALSE(Hint->IsDisplaying()) << "an invisible control shows nothing, the others are gone";
}
