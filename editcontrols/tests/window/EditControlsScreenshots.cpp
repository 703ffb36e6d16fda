#include <gtest/gtest.h>

#include <filesystem>

#include "editcontrols/Gpshape.h"
#include "editcontrols/TextEdit.h"
#include "editcontrols/EcxSlider.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/testing/Driver.h"

namespace {

// A form with one shape of each kind (their surfaces and shadows varied), two range-limited edits
// and a slider, written to build/screenshots/editcontrols-shapes.png for people to look at.
TEST(EditControlsScreenshots, ShapesEditsAndSlider)
{
    TestInitialize();
    TSettingsScope scope(TFormatSettings::French());
    TForm form(nullptr);
    form.SetBounds(0, 0, 560, 330);
    form.SetCaption("Edit controls");
    TBitmap tile(8, 8);
    tile.Canvas().Brush().SetColor(TColor(0x4080A0));
    tile.Canvas().FillRect(Rect(0, 0, 8, 8));
    tile.Canvas().Pen().SetColor(TColor(0x204060));
    tile.Canvas().MoveTo(0, 0);
    tile.Canvas().LineTo(8, 8);
    const TGPShapeType kinds[] = {gstRectangle, gstSquare, gstRoundRect, gstRoundSquare, gstEllipse, gstCircle,
                                  gstDiamond, gstStar, gstPolyGon, gstTriangleLeft, gstTriangleRight,
                                  gstTriangleUp, gstTriangleDown};
    const TSurfaceType surfaces[] = {stBrushOpaque, stGradientFill, stBrushImage, stBrush50PercentOpaque,
                                     stBrush25PercentOpaque, stBrushTransparent};
    for (int i = 0; i < 13; ++i) {
        auto* shape = new TManyShape(&form);
        shape->SetParent(&form);
        shape->SetBounds(10 + (i % 7) * 78, 10 + (i / 7) * 88, 70, 70);
        shape->SetShape(kinds[i]);
        shape->SetSurfaceType(surfaces[i % 6]);
        shape->SetBackColor(clAqua);
        shape->SetGradientToColor(clBlue);
        shape->SetForeColor(clNavy);
        shape->SetPattern(TBrushStyle::bsDiagCross);
        shape->SetImage(&tile);
        shape->SetOutlineWidth(i % 3 == 0 ? 2 : 1);
        if (i % 4 == 1) {
            shape->SetShadowOrient(static_cast<TShadowOrient>(1 + i % 4));
            shape->SetShadowColor(clGray);
            shape->SetShadowFill(i % 2 ? sf50Percent : sfSolid);
        }
        if (kinds[i] == gstPolyGon) shape->SetVectors(6);
    }
    auto* factor = new TExtendEdit(&form);
    factor->SetParent(&form);
    factor->SetBounds(10, 190, 120, 24);
    factor->SetEditStyle(esFloat);
    factor->SetDecimalPlaces(3);
    factor->SetValue(1.25);
    auto* uplift = new TExtendEdit(&form);
    uplift->SetParent(&form);
    uplift->SetBounds(140, 190, 120, 24);
    uplift->SetEditStyle(esPercentage);
    uplift->SetDecimalPlaces(1);
    uplift->Alert().SetActive(true);
    uplift->Alert().SetColor(clYellow);
    uplift->Range().SetMinValue(0);
    uplift->Range().SetMaxValue(1);
    uplift->SetValue(150);   // out of range: the alert colour
    auto* slider = new TEcxSlider(&form);   // the pseudo-dynamic dialog's slider
    slider->SetParent(&form);
    slider->SetBounds(10, 230, 321, 40);
    slider->SetMaxValue(50);
    slider->SetMinValue(1);
    slider->SetIncrement(5);
    slider->SetValue(26);
    auto* vertical = new TEcxSlider(&form);
    vertical->SetParent(&form);
    vertical->SetOrientation(soVertical);
    vertical->SetBounds(350, 180, 40, 140);
    vertical->SetValue(30);
    vertical->SetBevelStyle(TPanelBevel::bvLowered);
    form.Show();
    TestProcess();
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    const String file = String(DORVANE_SCREENSHOTS) + "/editcontrols-shapes.png";
    TestGrabToPng(&form, file);
    EXPECT_TRUE(std::filesystem::exists(file.ToUtf8()));
}

}  // namespace
