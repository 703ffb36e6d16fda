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

namespace {

// A 4 x 4 picture: a black 2 x 2 square on fuchsia, fuchsia transparent.
void AddSquare(TCustomImageList& images)
{
    images.SetWidth(4);
    images.SetHeight(4);
    TBitmap square(4, 4);
    square.Canvas().FillRectColor(TRect{0, 0, 4, 4}, clFuchsia);
    square.Canvas().FillRectColor(TRect{1, 1, 3, 3}, clBlack);
    images.AddMasked(&square, clFuchsia);
}

std::string Pixels(TBitmap& bmp)
{
    std::string text;
    for (Integer y = 0; y < bmp.Height(); ++y) {
        if (y) text += '/';
        for (Integer x = 0; x < bmp.Width(); ++x) {
            const TColor c = ColorToRGB(bmp.Canvas().Pixel(x, y));
            text += c == clWhite ? 'w' : c == clBlack ? 'K' : c == clRed ? 'R' : c == clBlue ? 'B' : '?';
        }
    }
    return text;
}

// Answers its images itself: three, each a blue cell.
class TOwnImages : public TCustomImageList {
public:
    TOwnImages() : TCustomImageList(nullptr) {}
    Integer Width() const override { return 2; }
    Integer Height() const override { return 1; }

protected:
    Integer GetCount() const override { return 3; }
    void DoDraw(Integer, TCanvas& Canvas, Integer X, Integer Y, bool) const override
    {
        Canvas.FillRectColor(TRect{X, Y, X + 2, Y + 1}, clBlue);
    }
};

}  // namespace

// The square drawn on white in each style with background red and blend colour blue.
TEST(ImageList, EachDrawingStyleOverItsBackground)
{
    InitQtGraphics();
    const struct {
        TDrawingStyle style;
        TColor background;
        const char* picture;
    } cases[] = {
        {dsTransparent, clRed, "wwww/wKKw/wKKw/wwww"}, {dsNormal, clNone, "wwww/wKKw/wKKw/wwww"},
        {dsNormal, clRed, "RRRR/RKKR/RKKR/RRRR"},      {dsSelected, clRed, "RBRB/BKBR/RBKB/BRBR"},
        {dsFocus, clRed, "BBBB/BKBR/BBBB/BRBR"},       {dsFocus, clNone, "wwww/wKKw/wKKw/wwww"},
    };
    for (const auto& c : cases) {
        TImageList images(nullptr);
        AddSquare(images);
        images.SetDrawingStyle(c.style);
        images.SetBkColor(c.background);
        images.SetBlendColor(clBlue);
        TBitmap target(4, 4);
        target.Canvas().FillRectColor(TRect{0, 0, 4, 4}, clWhite);
        images.Draw(target.Canvas(), 0, 0, 0);
        EXPECT_EQ(Pixels(target), c.picture) << c.style << " " << c.background;
    }
}

TEST(ImageList, ADescendantAnswersItsOwnImages)
{
    InitQtGraphics();
    TOwnImages images;
    EXPECT_EQ(images.Count(), 3);
    TBitmap target(3, 1);
    target.Canvas().FillRectColor(TRect{0, 0, 3, 1}, clWhite);
    const TCustomImageList& list = images;
    list.Draw(target.Canvas(), 1, 0, 2);
    list.Draw(target.Canvas(), 0, 0, 3);   // past the count: nothing
    EXPECT_EQ(Pixels(target), "wBB");
    TBitmap one;
    list.GetBitmap(0, one, clWhite);
    EXPECT_EQ(Pixels(one), "BB");
}
