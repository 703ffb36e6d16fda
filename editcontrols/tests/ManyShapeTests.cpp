#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/Gpshape.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/rtl/RtlMath.h"

namespace {

// A shape on a parent without a window, painted by the parent onto an offscreen bitmap whose
// pixels are the parent's client area.
struct ManyShape : ::testing::Test {
    ManyShape() { Shape->SetParent(&Parent); }
    ~ManyShape() override { Shape->SetParent(nullptr); }
    TBitmap& Paint(Integer width, Integer height, TColor background = clWhite)
    {
        Bmp.SetSize(width, height);
        Bmp.Canvas().Brush().SetColor(background);
        Bmp.Canvas().FillRect(Rect(0, 0, width, height));
        Parent.PaintControls(Bmp.Canvas(), Shape.get());
        return Bmp;
    }
    TWinControl Parent{nullptr};
    std::unique_ptr<TManyShape> Shape = std::make_unique<TManyShape>(nullptr);
    TBitmap Bmp{1, 1};
};

// 'X' outline, 'r' the red surface, '.' the white background.
const std::vector<std::pair<TColor, char>> Inks = {{clBlack, 'X'}, {clRed, 'r'}, {clWhite, '.'}, {clBlue, 'b'}};

struct KindCase {
    TGPShapeType Kind;
    Integer Width, Height;
    const char* Picture;
};
// Each figure in a control at (1, 1) of its parent, opaque red surface, black outline one pixel
// wide: the vertices of the polygons are the ones the figure's box gives (a 9 x 7 diamond: (4, 0),
// (8, 3), (4, 6), (0, 3)); square kinds are narrowed to their height; star and polygon have their
// vertices on a circle of radius min(W / 2, H / 2) - 4 = 6 around the centre (10, 10), the star's
// inner ones at half of it, the regular polygon five of them.
const KindCase KindCases[] = {
    {gstRectangle, 9, 7,
     ".........../"
     ".XXXXXXXXX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XXXXXXXXX./"
     "..........."},
    {gstSquare, 7, 7,
     ".........../"
     ".XXXXXXX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XXXXXXX.../"
     "..........."},
    {gstRoundRect, 9, 7,
     ".........../"
     ".XXXXXXXXX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XXXXXXXXX./"
     "..........."},
    {gstRoundSquare, 7, 7,
     ".........../"
     ".XXXXXXX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XXXXXXX.../"
     "..........."},
    {gstEllipse, 9, 7,
     ".........../"
     "...XXXXX.../"
     "..XrrrrrX../"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     ".XrrrrrrrX./"
     "..XrrrrrX../"
     "...XXXXX.../"
     "..........."},
    {gstCircle, 7, 7,
     ".........../"
     "...XXX...../"
     "..XrrrX..../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     ".XrrrrrX.../"
     "..XrrrX..../"
     "...XXX...../"
     "..........."},
    {gstDiamond, 9, 7,
     ".........../"
     ".....X...../"
     "....XrXX.../"
     "..XXrrrrX../"
     ".XrrrrrrrX./"
     "..XrrrrXX../"
     "...XXrX..../"
     ".....X...../"
     "..........."},
    {gstStar, 21, 21,
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "...........X.........../"
     "..........XX.........../"
     "..........XrX........../"
     ".........XrrX........../"
     ".....XXXXXrrrXXXXX...../"
     "......XrrrrrrrrrX....../"
     ".......XrrrrrrrX......./"
     "........XrrrrrX......../"
     "........XrrrrrX......../"
     ".......XrrXXrrX......../"
     ".......XXX..XXrX......./"
     ".......X......XX......./"
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "......................."},
    {gstPolyGon, 21, 21,
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "...........X.........../"
     ".........XXrXX........./"
     "........XrrrrrX......../"
     "......XXrrrrrrrXX....../"
     ".....XrrrrrrrrrrrX...../"
     ".....XrrrrrrrrrrrX...../"
     "......XrrrrrrrrrX....../"
     "......XrrrrrrrrrX....../"
     "......XrrrrrrrrrX....../"
     "......XrrrrrrrrrX....../"
     ".......XrrrrrrrX......./"
     ".......XXXXXXXXX......./"
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "......................./"
     "......................."},
    {gstTriangleLeft, 9, 7,
     ".........../"
     "........XX./"
     "......XXrX./"
     "...XXXrrrX./"
     ".XXrrrrrrX./"
     "...XXrrrrX./"
     ".....XXXrX./"
     "........XX./"
     "..........."},
    {gstTriangleRight, 9, 7,
     ".........../"
     ".XX......../"
     ".XrXXX...../"
     ".XrrrrXX.../"
     ".XrrrrrrXX./"
     ".XrrrXXX.../"
     ".XrXX....../"
     ".XX......../"
     "..........."},
    {gstTriangleUp, 9, 7,
     ".........../"
     ".....X...../"
     "....XrX..../"
     "....XrX..../"
     "...XrrrX.../"
     "..XrrrrrX../"
     "..XrrrrrX../"
     ".XXXXXXXXX./"
     "..........."},
    {gstTriangleDown, 9, 7,
     ".........../"
     ".XXXXXXXXX./"
     "..XrrrrrX../"
     "..XrrrrrX../"
     "...XrrrX.../"
     "....XrX..../"
     "....XrX..../"
     ".....X...../"
     "..........."},

};

TEST_F(ManyShape, EveryFigureInItsBox)
{
    for (const KindCase& c : KindCases) {
        Shape->SetShape(c.Kind);
        Shape->SetBackColor(clRed);
        Shape->SetBounds(1, 1, c.Kind == gstStar || c.Kind == gstPolyGon ? 21 : 9,
                         c.Kind == gstStar || c.Kind == gstPolyGon ? 21 : 7);
        if (c.Kind == gstPolyGon) {
            Shape->SetVectors(5);
            Shape->SetInVectorPercent(0);
        }
        Paint(Shape->Width() + 2, Shape->Height() + 2);
        EXPECT_EQ(Shape->Width(), c.Width) << c.Kind;
        EXPECT_EQ(Picture(Bmp, Inks), c.Picture) << c.Kind;
    }
}

TEST_F(ManyShape, StarAndTriangleVertices)
{
    // A 25 x 25 star with the defaults: 10 vertices alternating radius 8 and 4 around (12, 12),
    // the first straight above the centre.
    Shape->SetShape(gstStar);
    const std::vector<TPoint> star = Shape->FigurePoints(0, 0, 25, 25);
    ASSERT_EQ(star.size(), 10u);
    EXPECT_EQ(star[0], TPoint(12, 4));
    EXPECT_EQ(star[5], TPoint(12, 16));   // 180 degrees on: straight below, the inner radius 4
    for (size_t i = 0; i < star.size(); ++i) {
        const double r = std::hypot(star[i].X - 12, star[i].Y - 12);
        EXPECT_NEAR(r, i % 2 == 0 ? 8 : 4, 0.75) << i;
    }
    Shape->SetShape(gstTriangleLeft);
    const std::vector<TPoint> left = Shape->FigurePoints(0, 0, 113, 157);
    EXPECT_EQ(left, (std::vector<TPoint>{{112, 0}, {112, 156}, {0, 78}}));
}

TEST_F(ManyShape, PropertyWritesOutsideTheirRangesAreIgnored)
{
    Shape->SetVectors(2);
    Shape->SetVectors(101);
    EXPECT_EQ(Shape->Vectors(), 10);
    Shape->SetVectors(3);
    EXPECT_EQ(Shape->Vectors(), 3);
    Shape->SetStartingAngle(360);
    EXPECT_EQ(Shape->StartingAngle(), 90);
    Shape->SetInVectorPercent(101);
    EXPECT_EQ(Shape->InVectorPercent(), 50);
    Shape->SetShadowDepth(20);   // half of 25 is 12
    EXPECT_EQ(Shape->ShadowDepth(), 5);
    Shape->SetShadowDepth(12);
    EXPECT_EQ(Shape->ShadowDepth(), 12);
    Shape->SetShadowOrient(static_cast<TShadowOrient>(5));
    EXPECT_EQ(Shape->ShadowOrient(), soNone);
    // a star takes its own defaults back
    Shape->SetInVectorPercent(0);
    Shape->SetStartingAngle(10);
    Shape->SetShape(gstStar);
    EXPECT_EQ(Shape->InVectorPercent(), 50);
    EXPECT_EQ(Shape->Vectors(), 10);
    EXPECT_EQ(Shape->StartingAngle(), 90);
}

// An aligned control paints a circle as an ellipse and keeps the free kind.
TEST_F(ManyShape, AlignedCircleBecomesAnEllipse)
{
    Parent.SetBounds(0, 0, 40, 20);
    Shape->SetShape(gstCircle);
    Shape->SetAlign(alTop);
    EXPECT_EQ(Shape->Shape(), gstCircle);
    Paint(40, 20);
    EXPECT_EQ(Shape->Shape(), gstEllipse);
    EXPECT_EQ(Shape->Width(), 40);
    Shape->SetShape(gstSquare);   // a square kind cannot stay aligned
    EXPECT_EQ(Shape->Align(), alNone);
}

// A solid shadow to the lower right: the shadow box is drawn first with a black one-pixel pen,
// the figure over it, both D = 2 pixels apart.
TEST_F(ManyShape, SolidShadowToTheLowerRight)
{
    Shape->SetBounds(1, 1, 10, 8);
    Shape->SetBackColor(clRed);
    Shape->SetShadowColor(clBlue);
    Shape->SetShadowDepth(2);
    Shape->SetShadowOrient(soLowerRight);
    EXPECT_EQ(Picture(Paint(12, 10), Inks), "............/"
                                            ".XXXXXXXX.../"
                                            ".XrrrrrrX.../"
                                            ".XrrrrrrXXX./"
                                            ".XrrrrrrXbX./"
                                            ".XrrrrrrXbX./"
                                            ".XXXXXXXXbX./"
                                            "...XbbbbbbX./"
                                            "...XXXXXXXX./"
                                            "............");
}

// Hatched surfaces: the pattern is aligned to the parent's pixels; 50 % darkens every other pixel
// of every row (rows 0xAA, 0x55), 25 % every other pixel of every other row (0xAA, 0x00), the
// others keep what lies beneath.  Darkening is an AND: red over silver gives 0x0000C0.
TEST_F(ManyShape, HatchRowsOfTheSeeThroughSurfaces)
{
    Shape->SetBounds(1, 1, 10, 6);
    Shape->SetBackColor(clRed);
    Shape->SetSurfaceType(stBrush50PercentOpaque);
    EXPECT_EQ(Picture(Paint(12, 8), Inks), "............/"
                                           ".XXXXXXXXXX./"
                                           ".Xr.r.r.r.X./"
                                           ".X.r.r.r.rX./"
                                           ".Xr.r.r.r.X./"
                                           ".X.r.r.r.rX./"
                                           ".XXXXXXXXXX./"
                                           "............");
    Shape->SetSurfaceType(stBrush25PercentOpaque);
    EXPECT_EQ(Picture(Paint(12, 8, clSilver), {{clBlack, 'X'}, {clSilver, 's'}, {TColor(0x0000C0), 'm'}}),
              "ssssssssssss/"
              "sXXXXXXXXXXs/"
              "sXmsmsmsmsXs/"
              "sXssssssssXs/"
              "sXmsmsmsmsXs/"
              "sXssssssssXs/"
              "sXXXXXXXXXXs/"
              "ssssssssssss");
}

// A hatched shadow lies only inside its figure: the pixels of the shadow box outside the triangle
// keep the background.
TEST_F(ManyShape, HatchedShadowIsClippedToItsFigure)
{
    Shape->SetBounds(2, 1, 9, 7);
    Shape->SetShape(gstTriangleDown);
    Shape->SetSurfaceType(stBrushTransparent);
    Shape->SetOutlineStyle(TPenStyle::psClear);
    Shape->SetShadowColor(clBlue);
    Shape->SetShadowFill(sf50Percent);
    Shape->SetShadowOrient(soUpperLeft);
    Shape->SetShadowDepth(2);
    Paint(13, 9);
    const TRegion triangle = TRegion::Polygon({{2, 1}, {5, 5}, {8, 1}}, false);   // shadow box (0, 0) + (2, 1)
    for (Integer y = 0; y < 9; ++y)
        for (Integer x = 0; x < 13; ++x) {
            const TColor c = Bmp.Canvas().Pixel(x, y);
            if (!triangle.Contains(x, y)) EXPECT_EQ(c, clWhite) << x << "," << y;
            else EXPECT_EQ(c, (x + y) % 2 == 0 ? clBlue : clWhite) << x << "," << y;
        }
}

// 256 bands over the control's height: band i fills rows 2i and 2i + 1 of a 512-pixel control
// with start + i (end - start) / 255 per channel; pixels outside the figure keep the background.
TEST_F(ManyShape, GradientBandsFromBackColorToGradientColor)
{
    Shape->SetBounds(3, 2, 10, 512);
    Shape->SetSurfaceType(stGradientFill);
    Shape->SetOutlineStyle(TPenStyle::psClear);
    Shape->SetBackColor(clRed);
    Shape->SetGradientToColor(clBlue);
    Paint(16, 516, clSilver);
    auto pixel = [&](Integer x, Integer y) { return Bmp.Canvas().Pixel(3 + x, 2 + y); };   // control coordinates
    EXPECT_EQ(pixel(0, 0), clRed);
    EXPECT_EQ(pixel(9, 1), clRed);
    EXPECT_EQ(pixel(5, 2), TColor(0x0100FE));     // band 1: red 254, blue 1
    EXPECT_EQ(pixel(5, 256), TColor(0x80007F));   // band 128: red 255 - 128, blue 128
    EXPECT_EQ(pixel(0, 510), clBlue);
    EXPECT_EQ(pixel(9, 511), clBlue);
    EXPECT_EQ(pixel(-1, 100), clSilver);
    EXPECT_EQ(pixel(10, 100), clSilver);

    // The same bands clipped to a triangle standing on the control's bottom.
    Shape->SetShape(gstTriangleUp);
    Paint(16, 516, clSilver);
    EXPECT_EQ(pixel(0, 5), clSilver);
    EXPECT_EQ(pixel(9, 100), clSilver);
    EXPECT_EQ(pixel(5, 500), TColor(0xFA0005));   // band 250
    EXPECT_EQ(pixel(1, 505), TColor(0xFC0003));   // band 252

    // Directions: down starts from the gradient colour; left and right run across.
    struct Case { TFillDirection Direction; TColor First, Last; };
    const Case cases[] = {{gdUp, clRed, clBlue}, {gdDown, clBlue, clRed}, {gdLeft, clRed, clBlue},
                          {gdRight, clBlue, clRed}};
    Shape->SetShape(gstRectangle);
    Shape->SetBounds(0, 0, 512, 512);   // on a 512 x 512 parent
    for (const Case& c : cases) {
        Shape->SetFillDirection(c.Direction);
        Paint(512, 512);
        const bool across = c.Direction == gdLeft || c.Direction == gdRight;
        EXPECT_EQ(Bmp.Canvas().Pixel(across ? 1 : 200, across ? 200 : 1), c.First) << c.Direction;
        EXPECT_EQ(Bmp.Canvas().Pixel(across ? 510 : 200, across ? 200 : 510), c.Last) << c.Direction;
    }
    // equal colours: a flat fill
    Shape->SetGradientToColor(clRed);
    Paint(512, 512);
    for (Integer y : {0, 100, 300, 511}) EXPECT_EQ(Bmp.Canvas().Pixel(300, y), clRed) << y;
}

// The foundation's tile repeats from the control's corner, inside the figure only.
TEST_F(ManyShape, ImageTilesFromTheCorner)
{
    TBitmap tile(3, 2);
    tile.Canvas().Brush().SetColor(clBlue);
    tile.Canvas().FillRect(Rect(0, 0, 3, 2));
    tile.Canvas().SetPixel(0, 0, clRed);
    Shape->SetImage(&tile);
    Shape->SetSurfaceType(stBrushImage);
    Shape->SetOutlineStyle(TPenStyle::psClear);
    Shape->SetBounds(1, 1, 7, 4);
    EXPECT_EQ(Picture(Paint(9, 6), Inks), "........./"
                                          ".rbbrbbr./"
                                          ".bbbbbbb./"
                                          ".rbbrbbr./"
                                          ".bbbbbbb./"
                                          ".........");
    Shape->SetImage(nullptr);
    EXPECT_TRUE(Shape->Image().Empty());
    EXPECT_EQ(Picture(Paint(9, 6), Inks).find_first_not_of("./"), std::string::npos);   // nothing painted
}

}  // namespace
