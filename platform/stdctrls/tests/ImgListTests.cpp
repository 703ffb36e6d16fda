#include <gtest/gtest.h>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/stdctrls/Menus.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

TEST(ImageList, MaskedCellsDrawnNormallyAndDisabled)
{
    InitQtGraphics();
    TImageList images(nullptr);
    images.SetWidth(4);
    images.SetHeight(4);
    TBitmap strip(8, 4);
    strip.Canvas().FillRectColor(TRect{0, 0, 8, 4}, clFuchsia);
    strip.Canvas().FillRectColor(TRect{1, 1, 3, 3}, clBlack);   // cell 0: a dark square
    strip.Canvas().FillRectColor(TRect{4, 0, 8, 4}, clYellow);  // cell 1: all light
    EXPECT_EQ(images.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(images.Count(), 2);

    TBitmap target(10, 10);
    target.Canvas().FillRectColor(TRect{0, 0, 10, 10}, clWhite);
    images.Draw(target.Canvas(), 2, 2, 0, true);
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(2, 2)), ColorToRGB(clWhite));   // masked: untouched
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(3, 3)), ColorToRGB(clBlack));

    target.Canvas().FillRectColor(TRect{0, 0, 10, 10}, clBlue);
    images.Draw(target.Canvas(), 2, 2, 0, false);
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(3, 3)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(5, 5)), ColorToRGB(clBtnHighlight));   // the embossed copy
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(2, 2)), ColorToRGB(clBlue));

    // The mask: black under the image's pixels, whatever their colour, white where it is clear.
    target.Canvas().FillRectColor(TRect{0, 0, 10, 10}, clBlue);
    images.DrawMask(target.Canvas(), 2, 2, 0);
    images.DrawMask(target.Canvas(), 6, 2, 1);
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(2, 2)), ColorToRGB(clWhite));
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(3, 3)), ColorToRGB(clBlack));
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(6, 2)), ColorToRGB(clBlack));   // the yellow cell
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(1, 1)), ColorToRGB(clBlue));
    images.DrawMask(target.Canvas(), 0, 0, 2);   // no such image: nothing
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(1, 1)), ColorToRGB(clBlue));

    TBitmap one;
    images.GetBitmap(1, one, clRed);
    EXPECT_EQ(one.Width(), 4);
    EXPECT_EQ(ColorToRGB(one.Canvas().Pixel(0, 0)), ColorToRGB(clYellow));
    images.Delete(0);
    EXPECT_EQ(images.Count(), 1);
    EXPECT_THROW(images.Delete(5), EInvalidOperation);
}

// A menu item shows its own bitmap, else the image of its index in its menu's list, with the
// list's disabled look; without either it shows none.
TEST(ImageList, MenuItemsShowTheImagesOfTheirMenusList)
{
    InitQtGraphics();
    RegisterStdControlClasses();
    TComponent owner(nullptr);
    auto* images = new TImageList(&owner);
    images->SetWidth(4);
    images->SetHeight(4);
    TBitmap strip(8, 4);
    strip.Canvas().FillRectColor(TRect{0, 0, 8, 4}, clRed);
    strip.Canvas().FillRectColor(TRect{4, 0, 8, 4}, clBlack);
    images->Add(&strip, nullptr);
    auto* menu = new TPopupMenu(&owner);
    auto* item = new TMenuItem(&owner);
    menu->Items()->Add(item);
    TBitmap picture, disabled;
    EXPECT_FALSE(item->Picture(picture, disabled));   // no list, no own bitmap
    menu->SetImages(images);
    EXPECT_FALSE(item->Picture(picture, disabled));   // no index
    item->SetImageIndex(1);
    ASSERT_TRUE(item->Picture(picture, disabled));
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(ColorToRGB(picture.Canvas().Pixel(2, 2)), ColorToRGB(clBlack));
    EXPECT_EQ(ColorToRGB(disabled.Canvas().Pixel(2, 2)), ColorToRGB(clBtnShadow));
    item->Bitmap()->SetSize(6, 6);
    item->Bitmap()->Canvas().FillRectColor(TRect{0, 0, 6, 6}, clLime);
    TBitmap own, noDisabled;
    ASSERT_TRUE(item->Picture(own, noDisabled));
    EXPECT_EQ(own.Width(), 6);
    EXPECT_EQ(ColorToRGB(own.Canvas().Pixel(2, 2)), ColorToRGB(clLime));
    EXPECT_TRUE(noDisabled.Empty());
}
