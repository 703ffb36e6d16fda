// A library image list linked where a platform image list is taken: a speed button's images.
#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcSpeedButton.h"
#include "foundation/StyImageList.h"
#include "platform/testing/Driver.h"

// An item of two 8 x 8 images, red then blue, the list's current item, and a 30 x 24 button whose
// centre (15, 12) lies inside the image drawn at (11, 8).
TEST(StyImageListSpeedButton, ASpeedButtonDrawsTheImageOfTheListsCurrentItem)
{
    TestInitialize();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 100, 60);
    auto* images = new TStyImageList(form.get());
    images->GetArrayItem(images->Add())->SetWidth(4);   // another item first: not the current one
    TStyImageListItem* item = images->GetArrayItem(images->Add());
    item->SetWidth(8);
    item->SetHeight(8);
    for (TColor color : {clRed, clBlue}) {
        TBitmap picture(8, 8, TPixelFormat::pf24bit);
        picture.Canvas().Brush().SetColor(color);
        picture.Canvas().FillRect(Rect(0, 0, 8, 8));
        item->Add(&picture);
    }
    images->SetIndex(1);
    auto* button = new TEcImageSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 30, 24);
    button->SetImages(images);
    button->SetImageIndex(1);
    form->Show();
    TestProcess();
    EXPECT_EQ(ColorToRGB(TestPixel(button, 15, 12)), ColorToRGB(clBlue));
    button->SetImageIndex(0);
    TestProcess();
    EXPECT_EQ(ColorToRGB(TestPixel(button, 15, 12)), ColorToRGB(clRed));
    form.reset();
    TestProcess();
}
