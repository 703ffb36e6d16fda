// The library's push button on shown forms: clicks, keys, default and cancel roles, modal
// results, auto-repeat on the test clock and multi-line captions.
#include <gtest/gtest.h>

#include "foundation/StyButton.h"
#include "foundation/StyCont.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/testing/Driver.h"

namespace {

struct TClicks : TObject {
    int Count = 0;
    void Click(TObject*) { ++Count; }
};

class StyButtonWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestInitialize();
        Form.SetBounds(0, 0, 300, 150);
        Ok = NewButton(10, "OK");
        Other = NewButton(100, "Other");
        Form.Show();
        TestProcess();
    }
    TStyButton* NewButton(Integer left, const char* caption)
    {
        auto* b = new TStyButton(&Form);
        b->SetParent(&Form);
        b->SetLeft(left);
        b->SetTop(10);
        b->SetCaption(caption);
        b->OnClick = TNotifyEvent(&Clicks, &TClicks::Click);
        return b;
    }
    TClicks Clicks;
    TForm Form{nullptr};
    TStyButton* Ok = nullptr;
    TStyButton* Other = nullptr;
};

TEST_F(StyButtonWindow, ANewButtonHasItsDefaults)
{
    EXPECT_EQ(Ok->Width(), 75);
    EXPECT_EQ(Ok->Height(), 25);
    EXPECT_EQ(Ok->ButtonStyle(), ubsWin40);
    EXPECT_EQ(Ok->ThemeMode(), ttmPlatform);
    EXPECT_EQ(Ok->EffectiveThemeMode(), ttmNone);   // no visual styles: the classic face
    EXPECT_EQ(Ok->RepeatingDelay(), 500);
    EXPECT_EQ(Ok->RepeatingInterval(), 100);
    EXPECT_TRUE(Ok->HideHint());
}

TEST_F(StyButtonWindow, ClickAndSpaceClick)
{
    TestClick(Ok, 20, 12);
    EXPECT_EQ(Clicks.Count, 1);
    EXPECT_TRUE(Ok->Focused());
    TestPressKey(Ok, VK_SPACE);
    EXPECT_EQ(Clicks.Count, 2);
    // pressed and dragged off: no click
    TestMouseDown(Ok, 20, 12);
    TestMouseMove(Ok, 200, 12, {ssLeft});
    TestMouseUp(Ok, 200, 12);
    EXPECT_EQ(Clicks.Count, 2);
}

TEST_F(StyButtonWindow, EnterClicksTheDefaultAndEscapeTheCancelButton)
{
    Ok->SetDefault(true);
    Other->SetCancel(true);
    auto* edit = new TEdit(&Form);   // a third control, not a button, holds the focus
    edit->SetParent(&Form);
    edit->SetLeft(190);
    TestProcess();
    TClicks okClicks, otherClicks;
    Ok->OnClick = TNotifyEvent(&okClicks, &TClicks::Click);
    Other->OnClick = TNotifyEvent(&otherClicks, &TClicks::Click);
    Form.SetActiveControl(edit);
    TestProcess();
    TestPressKey(edit, VK_RETURN);
    EXPECT_EQ(okClicks.Count, 1);
    TestPressKey(edit, VK_ESCAPE);
    EXPECT_EQ(otherClicks.Count, 1);
}

TEST_F(StyButtonWindow, ModalResultClosesAModalForm)
{
    TForm dialog(nullptr);
    dialog.SetBounds(0, 0, 200, 100);
    auto* ok = new TStyButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    TestAnswerNextModal([ok](TCustomForm*) { TestClick(ok, 10, 10); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
}

// On its own timer and on the application's 50 ms timer pool alike.
TEST_F(StyButtonWindow, HeldDownItRepeatsAfterTheDelayThenEveryInterval)
{
    for (bool global : {false, true}) {
        TTestClock clock;
        Clicks.Count = 0;
        Ok->SetRepeatedClick(true);
        Ok->SetUseGlobalTimer(global);
        const Integer poolTimers = StyApplication()->Timers()->Count();
        TestMouseDown(Ok, 20, 12);
        EXPECT_EQ(StyApplication()->Timers()->Count(), poolTimers + (global ? 1 : 0)) << global;
        clock.Advance(499);
        EXPECT_EQ(Clicks.Count, 0) << global;
        clock.Advance(1);
        EXPECT_EQ(Clicks.Count, 1) << global;   // the first repeat after 500 ms
        clock.Advance(300);
        EXPECT_EQ(Clicks.Count, 4) << global;   // then every 100 ms
        TestMouseMove(Ok, 200, 12, {ssLeft});   // off the button the repeats pause
        clock.Advance(300);
        EXPECT_EQ(Clicks.Count, 4) << global;
        TestMouseMove(Ok, 20, 12, {ssLeft});
        clock.Advance(100);
        EXPECT_EQ(Clicks.Count, 5) << global;
        TestMouseUp(Ok, 20, 12);
        EXPECT_EQ(Clicks.Count, 6) << global;   // the release clicks once more, as a click does
        EXPECT_EQ(StyApplication()->Timers()->Count(), poolTimers) << global;
        clock.Advance(1000);
        EXPECT_EQ(Clicks.Count, 6) << global;
    }
}

// Hiding the button while it is held stops the repeats.
TEST_F(StyButtonWindow, HidingAHeldButtonStopsItsRepeats)
{
    TTestClock clock;
    Ok->SetRepeatedClick(true);
    TestMouseDown(Ok, 20, 12);
    clock.Advance(500);
    EXPECT_EQ(Clicks.Count, 1);
    Ok->SetVisible(false);
    clock.Advance(1000);
    EXPECT_EQ(Clicks.Count, 1);
    EXPECT_FALSE(Ok->MouseOver());
}

// The mouse leaving the button takes the application's hint away, unless HideHint is off.
TEST_F(StyButtonWindow, LeavingTheButtonHidesTheHint)
{
    for (bool hide : {true, false}) {
        TTestClock clock;
        Ok->SetHint("Analyse");
        Ok->SetShowHint(true);
        Ok->SetHideHint(hide);
        TestMouseMove(&Form, 250, 100);
        TestMouseMove(Ok, 20, 12);
        clock.Advance(Application->HintPause());
        ASSERT_NE(Application->HintWindow(), nullptr) << Application->ShowHint();
        ASSERT_TRUE(Application->HintWindow()->Visible());
        Ok->Perform(CM_MOUSELEAVE);
        EXPECT_EQ(Application->HintWindow()->Visible(), !hide) << hide;
        Application->CancelHint();
        TestMouseMove(&Form, 250, 100);
    }
}

// A button that records what each change of its bounds changed.
class TBoundsButton : public TStyButton {
public:
    using TStyButton::TStyButton;
    std::vector<TStyBoundsChangeStates> Changes;

protected:
    void BoundsChanged(TStyBoundsChangeStates States) override { Changes.push_back(States); }
};

TEST_F(StyButtonWindow, ABoundsChangeTellsWhetherThePositionOrTheSizeChanged)
{
    auto* b = new TBoundsButton(&Form);
    b->SetParent(&Form);
    b->SetBounds(10, 60, 75, 25);
    const struct {
        TRect bounds;
        std::vector<TStyBoundsChangeStates> changes;
    } cases[] = {
        {Bounds(20, 60, 75, 25), {{bcPos}}},          {Bounds(20, 60, 80, 25), {{bcSize}}},
        {Bounds(30, 70, 90, 30), {{bcPos, bcSize}}},   {Bounds(30, 70, 90, 30), {}},
    };
    for (const auto& c : cases) {
        b->Changes.clear();
        b->SetBoundsRect(c.bounds);
        EXPECT_EQ(b->Changes, c.changes) << c.bounds.Left << "," << c.bounds.Width();
    }
}

// A turned caption needs an outline font: turning a caption in a bitmap font takes Arial, and a
// bitmap font chosen for a turned caption sets it straight.
TEST_F(StyButtonWindow, ATurnedCaptionTakesAnOutlineFont)
{
    Ok->Font().SetName("MS Sans Serif");
    Ok->FontFX().SetAngle(90);
    EXPECT_EQ(Ok->Font().Name(), String("Arial"));
    EXPECT_EQ(Ok->FontFX().Angle(), 90);
    Ok->Font().SetName("MS Sans Serif");
    EXPECT_EQ(Ok->FontFX().Angle(), 0);
    Ok->FontFX().SetAngle(45);
    Ok->Font().SetName("Tahoma");   // an outline font keeps the angle
    EXPECT_EQ(Ok->FontFX().Angle(), 45);
}

TEST_F(StyButtonWindow, ATwoLineBoldCaptionTakesTwoLines)
{
    auto* b = NewButton(10, "");
    b->SetTop(50);
    b->SetBounds(10, 50, 90, 40);
    b->SetMultiLine(true);
    b->Font().SetStyle({TFontStyle::fsBold});
    b->SetCaption("Step 4:\r\nOutput");
    TestProcess();
    // dark text pixels in the upper and in the lower half of the face
    auto darkRows = [&](Integer from, Integer to) {
        int n = 0;
        for (Integer y = from; y < to; ++y)
            for (Integer x = 6; x < 84; ++x)
                if ((ColorToRGB(TestPixel(b, x, y)) & 0xFFFFFF) == 0) ++n;
        return n;
    };
    EXPECT_GT(darkRows(5, 19), 10);
    EXPECT_GT(darkRows(20, 35), 10);
    EXPECT_EQ(b->GlyphObject().TextRect().Height() > 20, true);
}

}  // namespace

namespace {

// A form's background provider: a non-visual component lending a green bitmap with a red band.
class TBackProvider : public TComponent, public IStyBackground {
public:
    explicit TBackProvider(TComponent* owner) : TComponent(owner)
    {
        Back.SetPixelFormat(TPixelFormat::pf32bit);
        Back.SetSize(300, 150);
        Back.Canvas().Brush().SetColor(clGreen);
        Back.Canvas().FillRect(Rect(0, 0, 300, 150));
        Back.Canvas().Brush().SetColor(clRed);
        Back.Canvas().FillRect(Rect(0, 60, 300, 62));
    }
    TBitmap* BackBitmap() override { return &Back; }
    bool BackBitmapCheck() override { return true; }
    bool BackDrawArea(TCanvas&, const TRect&, TPoint, Word) override { return false; }
    bool isTransparentSet() override { return false; }
    TPoint BackMapPoint(TPoint p) override { return p; }
    Cardinal BackBitmapPalette() override { return 0; }
    void BackUpdate() override {}
    TControl* BackControl(Integer) override { return nullptr; }
    Integer BackControlCount() override { return 0; }
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IStyBackground::IID) return ProvideInterface<IStyBackground>(this, obj);
        return TComponent::GetInterface(iid, obj);
    }
    TBitmap Back;
};

}  // namespace

TEST_F(StyButtonWindow, ImageListPictureAndParentBackground)
{
    TStyImageList images(nullptr);
    auto* item = images.GetArrayItem(images.Add());
    item->SetWidth(6);
    item->SetHeight(6);
    TBitmap red;
    red.SetPixelFormat(TPixelFormat::pf32bit);
    red.SetSize(6, 6);
    red.Canvas().Brush().SetColor(clWhite);   // the bottom-left pixel: the transparent colour
    red.Canvas().FillRect(Rect(0, 0, 6, 6));
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect(Rect(1, 1, 5, 5));
    item->Add(&red);
    Ok->SetCaption("");
    Ok->SetImageList(&images);
    TestProcess();
    // the 6 x 6 picture in the middle of the 75 x 25 face
    EXPECT_EQ(TestPixel(Ok, 37, 12), clRed);
    // a change of the list shows at once: a blue strip moved to the front
    auto* second = images.GetArrayItem(images.Add());
    second->SetWidth(6);
    second->SetHeight(6);
    red.Canvas().Brush().SetColor(clBlue);
    red.Canvas().FillRect(Rect(1, 1, 5, 5));
    second->Add(&red);
    images.Move(1, 0);
    TestProcess();
    EXPECT_EQ(TestPixel(Ok, 37, 12), clBlue);

    // a transparent look on a form with a background provider paints the form's background
    EXPECT_FALSE(ParentBackBitmapCheck(Ok));   // no provider yet
    new TBackProvider(&Form);
    Other->SetButtonStyle(ubsExplorer);
    Other->SetTop(50);   // over the red band at y 60..61
    TestProcess();
    EXPECT_TRUE(ParentBackBitmapCheck(Other));
    Other->Invalidate();
    TestProcess();
    EXPECT_EQ(TestPixel(Other, 2, 10), clRed);
    EXPECT_EQ(TestPixel(Other, 2, 3), clGreen);
}

TEST(StyButtonStreaming, OlderFormsSetTheStyleThroughTheirOwnProperties)
{
    TestInitialize();
    RegisterClass(TStyButton::StaticClass());
    struct Case {
        const char* properties;
        TStyUserButtonStyle style;
        bool ctlXP;
    };
    const Case cases[] = {
        {"ExtStyle = ubsWinXP", ubsWin40, true},
        {"CtlXP = False\n    ExtStyle = ubsWinXPTool", ubsExplorer, true},
        {"CtlXP = False\n    ExtStyle = ubsFlat", ubsFlat, false},
        {"Style = nbsWin31", ubsWin31, true},
        {"ButtonStyle = ubsOffice\n    MultiLine = True", ubsOffice, true},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        form.SetName("Form1");
        const std::string text = std::string("object Form1: TForm\n  object Button1: TStyButton\n    ") + c.properties +
                                 "\n  end\nend\n";
        ReadComponentText(String(text), &form);
        auto* b = dynamic_cast<TStyButton*>(form.FindComponent("Button1"));
        ASSERT_NE(b, nullptr) << c.properties;
        EXPECT_EQ(b->ButtonStyle(), c.style) << c.properties;
        EXPECT_EQ(b->CtlXP(), c.ctlXP) << c.properties;
    }
}

TEST_F(StyButtonWindow, ADropDownMenuPopsUpUnderTheButtonOnClick)
{
    TPopupMenu menu(&Form);
    auto* item = new TMenuItem(&menu);
    item->SetCaption("Print");
    TClicks chosen;
    item->OnClick = TNotifyEvent(&chosen, &TClicks::Click);
    menu.Items()->Add(item);
    Ok->SetDropDownMenu(&menu);
    Ok->SetDropDownIndent(5);
    int droppedSeen = 0;
    struct TWatch : TObject {
        TStyButton* Button = nullptr;
        int* Seen = nullptr;
        void DroppedDown(TObject*) { *Seen += Button->Dropped() ? 1 : 0; }
    } watch;
    watch.Button = Ok;
    watch.Seen = &droppedSeen;
    Ok->OnDropDown = TNotifyEvent(&watch, &TWatch::DroppedDown);
    TestAnswerNextPopup("Print");
    TestClick(Ok, 20, 12);
    EXPECT_EQ(Clicks.Count, 1);     // OnClick, then the menu
    EXPECT_EQ(chosen.Count, 1);
    EXPECT_EQ(droppedSeen, 1);
    EXPECT_FALSE(Ok->Dropped());
    EXPECT_EQ(TestLastPopupPoint(), Ok->ClientToScreen(Point(5, 25)));
    EXPECT_EQ(Ok->Perform(BM_GETSTATE) & BST_PUSHED, 0);
}

TEST(StyButtonStreaming, LayoutCaptionEffectAndGlyphKindReadAndWriteBack)
{
    TestInitialize();
    RegisterClass(TStyButton::StaticClass());
    TForm form(nullptr);
    form.SetName("Form1");
    ReadComponentText("object Form1: TForm\n  object Button1: TStyButton\n    GlyphKind = gkFolder\n"
                      "    ButtonLayout.Alignment = agTopLeft\n    FontFX.Style = tdRaised\n  end\nend\n",
                      &form);
    auto* b = dynamic_cast<TStyButton*>(form.FindComponent("Button1"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GlyphKind(), gkFolder);
    EXPECT_EQ(b->ButtonLayout().Alignment(), agTopLeft);
    EXPECT_EQ(b->FontFX().Style(), tdRaised);
    const std::string written = WriteComponentText(&form).ToUtf8();
    EXPECT_NE(written.find("ButtonLayout.Alignment = agTopLeft"), std::string::npos) << written;
    EXPECT_NE(written.find("FontFX.Style = tdRaised"), std::string::npos) << written;
    EXPECT_EQ(written.find("Spacing"), std::string::npos) << written;   // defaults stay out
}

// A list of the form is stored by name with the index; a list of the global container by its
// reference, and neither its name nor the index.
TEST(StyButtonStreaming, ImageListsByNameOrByGlobalReference)
{
    TestInitialize();
    RegisterClass(TStyButton::StaticClass());
    RegisterClass(TStyImageList::StaticClass());
    TForm form(nullptr);
    form.SetName("Form1");
    auto* images = new TStyImageList(&form);
    images->SetName("Images1");
    auto* b = new TStyButton(&form);
    b->SetName("Button1");
    b->SetParent(&form);
    b->SetImageList(images);
    b->SetImageIndex(2);
    std::string written = WriteComponentText(&form).ToUtf8();
    EXPECT_NE(written.find("ImageList = Images1"), std::string::npos) << written;
    EXPECT_NE(written.find("ImageIndex = 2"), std::string::npos) << written;
    EXPECT_EQ(written.find("Internal"), std::string::npos) << written;
    {
        TForm back(nullptr);
        ReadComponentText(String(written), &back);
        auto* read = dynamic_cast<TStyButton*>(back.FindComponent("Button1"));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->ImageList(), back.FindComponent("Images1"));
        EXPECT_EQ(read->ImageIndex(), 2);
    }

    b->SetImageList(&GlobalContainer().ImageList());
    written = WriteComponentText(&form).ToUtf8();
    EXPECT_NE(written.find("Internal = 'STYIML30'"), std::string::npos) << written;
    EXPECT_EQ(written.find("ImageList ="), std::string::npos) << written;
    EXPECT_EQ(written.find("ImageIndex"), std::string::npos) << written;
    TForm back(nullptr);
    ReadComponentText(String(written), &back);
    auto* read = dynamic_cast<TStyButton*>(back.FindComponent("Button1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ImageList(), &GlobalContainer().ImageList());
}

// A button with an action takes the action list's images and the action's image, follows the
// action's index while it shares it, and leaves what the action gives out of the form.
TEST(StyButtonActions, TheActionGivesListAndImageWhichTheFormDoesNotKeep)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetName("Form1");
    auto* images = new TCustomImageList(&form);
    images->SetName("Images1");
    auto* list = new TActionList(&form);
    list->SetImages(images);
    auto* print = new TAction(&form);
    print->SetName("Print");
    print->SetActionList(list);
    print->SetImageIndex(3);
    auto* b = new TStyButton(&form);
    b->SetName("Button1");
    b->SetParent(&form);
    b->SetAction(print);
    EXPECT_EQ(b->ImageList(), images);
    EXPECT_EQ(b->ImageIndex(), 3);
    print->SetImageIndex(4);
    EXPECT_EQ(b->ImageIndex(), 4);
    auto buttonPart = [&form] {
        const std::string text = WriteComponentText(&form).ToUtf8();
        return text.substr(text.find("object Button1"));
    };
    std::string written = buttonPart();
    EXPECT_EQ(written.find("ImageList ="), std::string::npos) << written;
    EXPECT_EQ(written.find("ImageIndex"), std::string::npos) << written;
    // an index of its own no longer follows the action, and is kept
    b->SetImageIndex(1);
    print->SetImageIndex(2);
    EXPECT_EQ(b->ImageIndex(), 1);
    written = buttonPart();
    EXPECT_NE(written.find("ImageIndex = 1"), std::string::npos) << written;
    // a button with a picture of its own keeps its list when the form is read
    auto* own = new TCustomImageList(&form);
    auto* other = new TStyButton(&form);
    other->SetParent(&form);
    other->SetImageList(own);
    other->SetImageIndex(0);
    other->IncludeState(csLoading);
    other->SetAction(print);
    other->ExcludeState(csLoading);
    EXPECT_EQ(other->ImageList(), own);
    EXPECT_EQ(other->ImageIndex(), 2);   // index 0 counts as none
}

// A form setting every published property of the button away from its default reads and writes
// back the same description.
TEST(StyButtonStreaming, EveryPublishedPropertyReadsAndWritesBack)
{
    TestInitialize();
    RegisterClasses({TStyButton::StaticClass(), TStyImageList::StaticClass()});
    const char* const description = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 320
  Height = 240
  Font.Height = -11
  Font.Name = 'Tahoma'
  object Images1: TStyImageList
  end
  object Button1: TStyButton
    Left = 0
    Top = 0
    Width = 75
    Height = 25
    Font.Height = -11
    Font.Name = 'Tahoma'
    ParentFont = False
    TabOrder = 0
    ButtonStyle = ubsOffice
    MultiLine = True
    UseCaption = False
    RepeatedClick = True
    RepeatingDelay = 300
    RepeatingInterval = 60
    UseGlobalTimer = True
    HideHint = False
    GlyphKind = gkFolder
    ListIndex = 2
    ButtonLayout.Alignment = agTopLeft
    FontFX.Angle = 90
  end
  object Button2: TStyButton
    Left = 0
    Top = 0
    Width = 75
    Height = 25
    Caption = 'Step 4:'
    Visible = False
    TabOrder = 1
    NumGlyphs = 2
    ImageList = Images1
    ImageIndex = 3
  end
end
)";
    TForm form(nullptr);
    ReadComponentText(String(description), &form);
    auto* b1 = dynamic_cast<TStyButton*>(form.FindComponent("Button1"));
    auto* b2 = dynamic_cast<TStyButton*>(form.FindComponent("Button2"));
    ASSERT_TRUE(b1 && b2);
    EXPECT_TRUE(b1->UseGlobalTimer());
    EXPECT_FALSE(b1->HideHint());
    EXPECT_EQ(b1->RepeatingInterval(), 60);
    EXPECT_EQ(b1->FontFX().Angle(), 90);
    EXPECT_EQ(b2->NumGlyphs(), 2);   // applied once the form is read
    EXPECT_EQ(b2->ImageList(), form.FindComponent("Images1"));
    EXPECT_EQ(WriteComponentText(&form).ToUtf8(), description);
}
