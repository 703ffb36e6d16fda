#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/testing/Driver.h"

namespace {

const char* const ToolBarForm = R"(object ToolForm: TForm
  Left = 0
  Top = 0
  Width = 320
  Height = 200
  object ToolBar1: TToolBar
    object SaveButton: TToolButton
      MenuItem = SaveItem
      ImageIndex = 0
    end
    object ExportButton: TToolButton
      Caption = 'Export'
      Hint = 'Export the section'
      ImageIndex = 1
      Style = tbsDropDown
      DropdownMenu = ExportMenu
    end
    object Separator1: TToolButton
      Style = tbsSeparator
    end
  end
  object MainMenu1: TMainMenu
    object SaveItem: TMenuItem
      Caption = '&Save'
    end
  end
  object ExportMenu: TPopupMenu
    object PngItem: TMenuItem
      Caption = 'As &PNG'
    end
  end
end
)";

struct Clicks : TObject {
    std::vector<TObject*> Senders;
    void Clicked(TObject* sender) { Senders.push_back(sender); }
};

struct ToolButtons : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        RegisterStdControlClasses();
        Form = new TForm(nullptr);
        ReadComponentText(ToolBarForm, Form);
        Bar = dynamic_cast<TToolBar*>(Form->FindComponent("ToolBar1"));
        Save = dynamic_cast<TMenuItem*>(Form->FindComponent("SaveItem"));
        Images = new TImageList(Form);
        for (TColor color : {clRed, clBlue}) {
            TBitmap image;
            image.SetPixelFormat(TPixelFormat::pf32bit);
            image.SetSize(16, 16);
            image.Canvas().FillRectColor(TRect{0, 0, 16, 16}, color);
            Images->Add(&image, nullptr);
        }
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TPoint Centre(Integer index)
    {
        const TRect r = Bar->ButtonRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TForm* Form = nullptr;
    TToolBar* Bar = nullptr;
    TMenuItem* Save = nullptr;
    TImageList* Images = nullptr;
    Clicks Events;
};

}  // namespace

TEST_F(ToolButtons, ReadFromAFormDescriptionAsButtonsOfTheBar)
{
    ASSERT_NE(Bar, nullptr);
    ASSERT_EQ(Bar->ToolButtonCount(), 3);
    ASSERT_EQ(Bar->ButtonCount(), 3);
    EXPECT_EQ(Bar->ButtonItem(0), Save);
    EXPECT_EQ(Bar->ToolButtons(0)->Caption(), String("&Save"));
    EXPECT_EQ(Bar->ButtonItem(1)->Caption(), String("Export"));
    EXPECT_EQ(Bar->ButtonItem(1)->Hint(), String("Export the section"));
    EXPECT_EQ(Bar->ButtonDropdown(1), Form->FindComponent("ExportMenu"));
    EXPECT_TRUE(Bar->ButtonItem(2)->IsLine());
    EXPECT_EQ(Bar->ButtonDropdown(2), nullptr);
}

TEST_F(ToolButtons, BoundButtonFollowsItsItemsEnabled)
{
    EXPECT_TRUE(Bar->ButtonEnabled(0));
    Save->SetEnabled(false);
    TestProcess();
    EXPECT_FALSE(Bar->ButtonEnabled(0));
    EXPECT_FALSE(Bar->ToolButtons(0)->Enabled());
    Bar->ToolButtons(0)->SetEnabled(true);
    TestProcess();
    EXPECT_TRUE(Save->Enabled());
    EXPECT_TRUE(Bar->ButtonEnabled(0));
}

TEST_F(ToolButtons, ImageIndexGivesThePictureOfTheBarsImages)
{
    Bar->SetImages(Images);
    TestProcess();
    const TPoint save = Centre(0);
    const TRect exportRect = Bar->ButtonRect(1);
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), clRed);
    EXPECT_EQ(TestPixel(Bar, exportRect.Left + 8, (exportRect.Top + exportRect.Bottom) / 2), clBlue);
    Save->SetEnabled(false);   // the disabled look, not the picture
    TestProcess();
    EXPECT_NE(TestPixel(Bar, save.X, save.Y), clRed);
    Save->SetEnabled(true);
    TestProcess();
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), clRed);
    delete Images;   // the buttons lose their pictures with the list
    TestProcess();
    EXPECT_EQ(Bar->Images(), nullptr);
    EXPECT_NE(TestPixel(Bar, save.X, save.Y), clRed);
}

// A disabled button shows its picture of the bar's DisabledImages as it is; without a picture
// there, or once that list is gone, the disabled look of Images.
TEST_F(ToolButtons, DisabledImagesGiveTheDisabledButtonsPicture)
{
    const TColor slate = 0x807060;   // a colour no disabled look draws
    auto* disabled = new TImageList(Form);
    TBitmap image;
    image.SetPixelFormat(TPixelFormat::pf32bit);
    image.SetSize(16, 16);
    image.Canvas().FillRectColor(TRect{0, 0, 16, 16}, slate);
    disabled->Add(&image, nullptr);
    Bar->SetImages(Images);
    Bar->SetDisabledImages(disabled);
    Save->SetEnabled(false);
    Bar->ToolButtons(1)->SetEnabled(false);
    TestProcess();
    const TPoint save = Centre(0);
    const TRect exportRect = Bar->ButtonRect(1);
    const TPoint exportPoint{exportRect.Left + 8, (exportRect.Top + exportRect.Bottom) / 2};
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), slate);
    const TColor exportDisabled = TestPixel(Bar, exportPoint.X, exportPoint.Y);   // no picture 1 in the list
    EXPECT_NE(exportDisabled, slate);
    EXPECT_NE(exportDisabled, clBlue);
    Save->SetEnabled(true);
    TestProcess();
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), clRed);
    Save->SetEnabled(false);
    delete disabled;
    TestProcess();
    EXPECT_EQ(Bar->DisabledImages(), nullptr);
    EXPECT_NE(TestPixel(Bar, save.X, save.Y), slate);
    EXPECT_NE(TestPixel(Bar, save.X, save.Y), clRed);
}

// The bar listens to its list: images added, replaced or cleared after the list was given show on
// the buttons at once.
TEST_F(ToolButtons, ChangesOfTheListShowOnTheButtons)
{
    auto* later = new TImageList(Form);
    Bar->SetImages(later);
    TestProcess();
    const TPoint save = Centre(0);
    EXPECT_NE(TestPixel(Bar, save.X, save.Y), clGreen);
    TBitmap image;
    image.SetPixelFormat(TPixelFormat::pf32bit);
    image.SetSize(16, 16);
    image.Canvas().FillRectColor(TRect{0, 0, 16, 16}, clGreen);
    later->Add(&image, nullptr);
    TestProcess();
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), clGreen);
    image.Canvas().FillRectColor(TRect{0, 0, 16, 16}, clYellow);
    later->Replace(0, &image, nullptr);
    TestProcess();
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), clYellow);
    Bar->SetImages(Images);   // the former list is no longer heard
    later->Clear();
    TestProcess();
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), clRed);
    later->Add(&image, nullptr);
    delete later;
    TestProcess();
    EXPECT_EQ(TestPixel(Bar, save.X, save.Y), clRed);
    Images->Clear();
    TestProcess();
    EXPECT_NE(TestPixel(Bar, save.X, save.Y), clRed);
}

// Buttons fit the list's 16-pixel pictures as the platform's 23 x 22 buttons do, not the style's
// larger icons, so a bar sized for its buttons shows them all.
TEST_F(ToolButtons, ButtonsFitTheListsPictures)
{
    Bar->SetImages(Images);
    TestProcess();
    const TRect save = Bar->ButtonRect(0);
    EXPECT_LE(save.Width(), 23);
    EXPECT_LE(save.Height(), 22);
    EXPECT_GE(save.Width(), 16);
}

// The picture and the drop-down arrow of one button are separate parts: giving the button its
// picture leaves the arrow dropping the menu down under the button.
TEST_F(ToolButtons, DropDownButtonWithAPictureStillDropsItsMenu)
{
    Bar->SetImages(Images);
    TestProcess();
    auto* png = dynamic_cast<TMenuItem*>(Form->FindComponent("PngItem"));
    png->OnClick = TNotifyEvent(&Events, &Clicks::Clicked);
    const TRect r = Bar->ButtonRect(1);
    EXPECT_EQ(TestPixel(Bar, r.Left + 8, (r.Top + r.Bottom) / 2), clBlue);
    TestAnswerNextPopup("As PNG");
    TestClick(Bar, r.Right - 4, (r.Top + r.Bottom) / 2);
    TestProcess();
    EXPECT_EQ(Events.Senders, (std::vector<TObject*>{png}));
    EXPECT_EQ(TestLastPopupPoint(), Bar->ClientToScreen({r.Left, r.Bottom}));
}

TEST_F(ToolButtons, ClickRunsTheBoundItemOrTheButtonsOwnOnClick)
{
    Save->OnClick = TNotifyEvent(&Events, &Clicks::Clicked);
    TToolButton* exportButton = Bar->ToolButtons(1);
    exportButton->OnClick = TNotifyEvent(&Events, &Clicks::Clicked);
    const TPoint save = Centre(0);
    TestClick(Bar, save.X, save.Y);
    const TRect r = Bar->ButtonRect(1);
    TestClick(Bar, r.Left + 4, (r.Top + r.Bottom) / 2);
    TestProcess();
    EXPECT_EQ(Events.Senders, (std::vector<TObject*>{Save, exportButton}));
}

TEST_F(ToolButtons, FreedMenuItemLeavesTheButtonWithItsOwnItem)
{
    TToolButton* button = Bar->ToolButtons(0);
    delete Save;
    TestProcess();
    EXPECT_EQ(button->MenuItem(), nullptr);
    ASSERT_EQ(Bar->ButtonCount(), 3);
    EXPECT_EQ(Bar->ButtonItem(0), button->Item());
    EXPECT_TRUE(Bar->ButtonEnabled(0));
}

TEST_F(ToolButtons, GroupedCheckButtonsKeepOneDown)
{
    std::vector<TToolButton*> group;
    for (int i = 0; i < 3; ++i) {
        auto* button = new TToolButton(Form);
        button->SetStyle(tbsCheck);
        button->SetGrouped(true);
        button->SetCaption("Mode " + IntToStr(i));
        button->SetToolBar(Bar);
        group.push_back(button);
    }
    ASSERT_EQ(Bar->ButtonCount(), 6);
    group[0]->Click();
    group[2]->Click();
    EXPECT_EQ((std::vector<bool>{group[0]->Down(), group[1]->Down(), group[2]->Down()}),
              (std::vector<bool>{false, false, true}));
    group[2]->Click();   // stays down
    EXPECT_TRUE(group[2]->Down());
    delete group[1];
    EXPECT_EQ(Bar->ButtonCount(), 5);
    EXPECT_EQ(Bar->ButtonItem(4), group[2]->Item());
}

TEST_F(ToolButtons, ItemOnTwoButtonsOutlivingOneOfThem)
{
    Bar->AddButton(Save);   // a plain button of the same item
    ASSERT_EQ(Bar->ButtonCount(), 4);
    delete Bar->ToolButtons(0);
    ASSERT_EQ(Bar->ButtonCount(), 3);
    EXPECT_EQ(Bar->ButtonItem(2), Save);
    delete Save;   // the bar still hears of it
    EXPECT_EQ(Bar->ButtonCount(), 2);
}
