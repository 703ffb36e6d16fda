// The library's push button on shown forms: clicks, keys, default and cancel roles, modal
// results, auto-repeat on the test clock and multi-line captions.
#include <gtest/gtest.h>

#include "foundation/StyButton.h"
#include "foundation/StyCont.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/stdctrls/Edits.h"
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

TEST_F(StyButtonWindow, HeldDownItRepeatsAfterTheDelayThenEveryInterval)
{
    TTestClock clock;
    Ok->SetRepeatedClick(true);
    TestMouseDown(Ok, 20, 12);
    clock.Advance(499);
    EXPECT_EQ(Clicks.Count, 0);
    clock.Advance(1);
    EXPECT_EQ(Clicks.Count, 1);   // the first repeat after 500 ms
    clock.Advance(300);
    EXPECT_EQ(Clicks.Count, 4);   // then every 100 ms
    TestMouseMove(Ok, 200, 12, {ssLeft});   // off the button the repeats pause
    clock.Advance(300);
    EXPECT_EQ(Clicks.Count, 4);
    TestMouseMove(Ok, 20, 12, {ssLeft});
    clock.Advance(100);
    EXPECT_EQ(Clicks.Count, 5);
    TestMouseUp(Ok, 20, 12);
    EXPECT_EQ(Clicks.Count, 6);   // the release clicks once more, as a click does
    clock.Advance(1000);
    EXPECT_EQ(Clicks.Count, 6);
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
    item->SetSize(6, 6);
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
    second->SetSize(6, 6);
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
