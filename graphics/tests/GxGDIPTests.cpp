// The statically bound GDI+ wrapper: colours, the status rule, fonts made once per change, text
// drawn and measured as the tooltip and the picture container use it, picture formats.
#include <gtest/gtest.h>

#include <functional>

#include "graphics/GxGDIP.h"
#include "platform/backend/qt/QtGraphics.h"
#include "platform/graphics/Codecs.h"

using namespace GxGDIP;

namespace {
void White(TBitmap& bmp, Integer width, Integer height)
{
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(width, height);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, width, height));
}

// The box of the pixels that are not white, or an empty box.
TRect InkBox(TBitmap& bmp)
{
    TRect box{bmp.Width(), bmp.Height(), 0, 0};
    for (Integer y = 0; y < bmp.Height(); ++y)
        for (Integer x = 0; x < bmp.Width(); ++x)
            if (bmp.Canvas().Pixel(x, y) != clWhite) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TFont Tahoma(Integer size)
{
    TFont font;
    font.SetName("Tahoma");
    font.SetSize(size);
    return font;
}
}  // namespace

TEST(GxGDIP, ColoursFromOurs)
{
    EXPECT_EQ(GxGDIP::MakeColor(255, TColor(0x0000FF)), 0xFFFF0000u);
    Cardinal face = static_cast<Cardinal>(ColorToRGB(clBtnFace));
    EXPECT_EQ(GxGDIP::MakeColor(128, clBtnFace),
              0x80000000u | ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF));
    EXPECT_EQ(OpaqueARGB(0x00FF00), 0xFF00FF00u);
    EXPECT_EQ(GxGDIP::MakeColor(1, 2, 3, 4), 0x01020304u);
}

TEST(GxGDIP, AFailureIsKeptUntilRead)
{
    TGPStringFormat format(0, 0);
    EXPECT_NE(format.SetAlignment(static_cast<StringAlignment>(7)), Ok);
    EXPECT_EQ(format.SetLineAlignment(StringAlignmentCenter), Ok);
    EXPECT_NE(format.LastError(), Ok);
    TGPMatrix singular(0, 0, 0, 0, 0, 0);
    Status failure = singular.Invert();
    EXPECT_NE(failure, Ok);
    EXPECT_EQ(singular.Translate(1, 1), Ok);
    EXPECT_EQ(singular.GetLastStatus(), failure);
    EXPECT_EQ(singular.GetLastStatus(), Ok);
    EXPECT_EQ(TGPBrush().LastResult(), NotImplemented);
    TGPImage none(nullptr, InvalidParameter);
    EXPECT_EQ(none.SaveAdd(nullptr, nullptr), InvalidParameter);
    TGPImageAttributes attributes;
    EXPECT_EQ(attributes.SetGamma(1.5f), Ok);
    EXPECT_EQ(attributes.ClearGamma(), Ok);
    EXPECT_NE(attributes.Clone(), nullptr);
    EXPECT_EQ(attributes.GetLastStatus(), Ok);
}

TEST(GxGDIP, FontsAreMadeOncePerChange)
{
    TBitmap bmp;
    White(bmp, 10, 10);
    TGPGraphics g(bmp.Canvas().Handle());
    TFont font = Tahoma(8);
    TGPFont* first = g.MakeFontEx(font);
    EXPECT_EQ(g.MakeFontEx(font), first);
    font.SetSize(10);
    TGPFont* second = g.MakeFontEx(font);
    EXPECT_EQ(second->GetSize(), 10);
    EXPECT_EQ(g.MakeFontEx(font), second);
    // A face that is not installed is made in "Arial" (its Liberation twin) every time.
    TFont missing;
    missing.SetName("No Such Face");
    missing.SetSize(9);
    auto made = g.MakeFont(missing);
    TGPFontFamily* family = nullptr;
    made->GetFamily(family);
    std::unique_ptr<TGPFontFamily> owned(family);
    String name;
    family->GetFamilyName(name);
    EXPECT_EQ(name, String("Liberation Sans"));
}

TEST(GxGDIP, TextDrawnAndMeasuredAsTheTooltipDoes)
{
    InitQtGraphics();
    TFont font = Tahoma(10);
    font.SetColor(clBlack);
    // The length given does not cut the text: all six letters are drawn.
    TRect boxes[3];
    Integer lengths[3] = {-1, 3, 6};
    for (int i = 0; i < 3; ++i) {
        TBitmap bmp;
        White(bmp, 120, 30);
        {
            TGPGraphics g(bmp.Canvas().Handle());
            TGPSolidBrush ink(OpaqueARGB(clBlack));
            g.DrawString("abcdef", lengths[i], g.MakeFontEx(font), TGPPointF{2, 2}, &ink);
        }
        boxes[i] = InkBox(bmp);
    }
    EXPECT_GT(boxes[0].Right - boxes[0].Left, 30);
    EXPECT_EQ(boxes[1], boxes[0]);
    EXPECT_EQ(boxes[2], boxes[0]);
    // Measuring only draws nothing and answers the height; a trailing blank measures as "i".
    TBitmap bmp;
    White(bmp, 120, 40);
    TGPGraphics g(bmp.Canvas().Handle());
    TRect measured{5, 5, 5, 5};
    Integer height = g.DrawText("ab ", 3, measured, font, 0x400, clNone);
    TRect asI{5, 5, 5, 5};
    g.DrawText("abi", 3, asI, font, 0x400, clNone);
    EXPECT_EQ(measured, asI);
    EXPECT_EQ(height, measured.Bottom - measured.Top);
    EXPECT_GT(height, 8);
    EXPECT_EQ(g.TextHeight("ab", font), height);
    // With a background colour the measured box, one pixel to the right, is filled.
    TRect filled{5, 5, 5, 5};
    g.DrawText("ab", 2, filled, font, 0x400, clYellow);
    HDC dc = g.GetHDC();   // the canvas, up to date
    EXPECT_EQ(dc, bmp.Canvas().Handle());
    g.ReleaseHDC(dc);
    EXPECT_EQ(bmp.Canvas().Pixel(filled.Left + 1, filled.Top + 1), TColor(clYellow));
    EXPECT_EQ(bmp.Canvas().Pixel(filled.Left, filled.Top + 1), TColor(clWhite));
    EXPECT_EQ(InkBox(bmp).Left, filled.Left + 1);
}

TEST(GxGDIP, PictureFormatsFromTheirBytes)
{
    TPngImage png;
    png.SetSize(4, 3);
    TMemoryStream pngBytes;
    png.SaveToStream(pngBytes);
    pngBytes.SetPosition(0);
    TGPImage fromPng(&pngBytes, false);
    EXPECT_EQ(fromPng.GetFormat(), ifPNG);
    EXPECT_EQ(fromPng.GetWidth(), 4u);
    EXPECT_EQ(fromPng.GetHeight(), 3u);
    TBitmap bmp;
    White(bmp, 5, 2);
    TMemoryStream bmpBytes;
    bmp.SaveToStream(bmpBytes);
    bmpBytes.SetPosition(0);
    TGPImage fromBmp(&bmpBytes, false);
    EXPECT_EQ(fromBmp.GetFormat(), ifBMP);
    TMemoryStream nothing;
    TGPImage failed(&nothing, false);
    EXPECT_NE(failed.LastResult(), Ok);
    EXPECT_EQ(failed.GetFormat(), ifUndefined);
}

TEST(GxGDIP, ABalloonOfLinesAndArcsIsFilledAndOutlinedOnTheCanvas)
{
    // A 40 x 30 balloon at (5, 5): straight top and bottom, rounded ends of radius 15 (a
    // stadium), filled light yellow and outlined black, as the tooltip draws it.
    TBitmap bmp;
    White(bmp, 60, 40);
    {
        TGPGraphics g(bmp.Canvas().Handle());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPGraphicsPath balloon(FillModeAlternate);
        balloon.AddLine(20, 5, 30, 5);
        balloon.AddArc(15, 5, 30, 30, 270, 180);
        balloon.AddLine(30, 35, 20, 35);
        balloon.AddArc(5, 5, 30, 30, 90, 180);
        balloon.CloseFigure();
        TGPSolidBrush fill(OpaqueARGB(TColor(0xE1FFFF)));
        TGPPen pen(OpaqueARGB(clBlack), 1);
        EXPECT_EQ(g.FillPath(&fill, &balloon), Ok);
        EXPECT_EQ(g.DrawPath(&pen, &balloon), Ok);
        EXPECT_EQ(g.GetLastStatus(), Ok);
    }
    EXPECT_EQ(bmp.Canvas().Pixel(25, 20), TColor(0xE1FFFF));
    EXPECT_EQ(bmp.Canvas().Pixel(6, 6), TColor(clWhite));     // outside the rounded corner
    EXPECT_EQ(bmp.Canvas().Pixel(55, 20), TColor(clWhite));
    EXPECT_NE(bmp.Canvas().Pixel(25, 5), TColor(clWhite));    // the top line
}

// The Integer forms draw what their Single twins draw; the other constructors make their objects.
TEST(GxGDIP, IntegerFormsDrawAsTheirSingleTwins)
{
    using TDraw = std::function<TStatus(TGPGraphics&)>;
    TGPPen pen(OpaqueARGB(clBlack), 1);
    TGPSolidBrush brush(OpaqueARGB(TColor(0x0000FF)));
    TBitmap picture;
    White(picture, 6, 6);
    picture.Canvas().Brush().SetColor(clBlue);
    picture.Canvas().FillRect(Rect(0, 0, 3, 3));
    TMemoryStream bytes;
    picture.SaveToStream(bytes);
    bytes.SetPosition(0);
    TGPImage image(&bytes);
    const TGPPointF triangleF[3] = {{4, 30}, {20, 4}, {36, 30}};
    const TGPPoint triangle[3] = {{4, 30}, {20, 4}, {36, 30}};
    struct Case {
        const char* name;
        TDraw single, integer;
    } cases[] = {
        {"ellipse", [&](TGPGraphics& g) { return g.DrawEllipse(&pen, 4.0f, 4.0f, 30.0f, 20.0f); },
         [&](TGPGraphics& g) { return g.DrawEllipse(&pen, TGPRect{4, 4, 30, 20}); }},
        {"filled ellipse", [&](TGPGraphics& g) { return g.FillEllipse(&brush, TGPRectF{4, 4, 30, 20}); },
         [&](TGPGraphics& g) { return g.FillEllipse(&brush, 4, 4, 30, 20); }},
        {"polygon", [&](TGPGraphics& g) { return g.FillPolygon(&brush, triangleF, 3); },
         [&](TGPGraphics& g) { return g.FillPolygon(&brush, triangle, 3); }},
        {"picture", [&](TGPGraphics& g) { return g.DrawImage(&image, TGPPointF{5, 7}); },
         [&](TGPGraphics& g) { return g.DrawImage(&image, Integer(5), Integer(7)); }},
        {"stretched picture", [&](TGPGraphics& g) { return g.DrawImageRect(&image, 2.0f, 2.0f, 24.0f, 24.0f); },
         [&](TGPGraphics& g) { return g.DrawImageRect(&image, 2, 2, 24, 24); }},
        {"arc", [&](TGPGraphics& g) { return g.DrawArc(&pen, 4, 4, 30, 20, 0, 180); },
         [&](TGPGraphics& g) { return g.DrawArc(&pen, TGPRectF{4, 4, 30, 20}, 0, 180); }},
    };
    for (const Case& c : cases) {
        TBitmap a, b;
        White(a, 40, 34);
        White(b, 40, 34);
        {
            TGPGraphics g(a.Canvas().Handle());
            EXPECT_EQ(c.single(g), Ok) << c.name;
        }
        {
            TGPGraphics g(b.Canvas().Handle());
            EXPECT_EQ(c.integer(g), Ok) << c.name;
        }
        EXPECT_GT(InkBox(a).Right, InkBox(a).Left) << c.name;
        for (Integer y = 0; y < 34; ++y)
            for (Integer x = 0; x < 40; ++x)
                ASSERT_EQ(a.Canvas().Pixel(x, y), b.Canvas().Pixel(x, y)) << c.name << " at " << x << "," << y;
    }
    // The constructors of the other forms.
    const TGPPoint corners[3] = {{5, 5}, {15, 5}, {5, 25}};   // the square moved by (5, 5), twice as high
    TGPMatrix fromRect(TGPRect{0, 0, 10, 10}, corners[0]);
    TGPPointF p{10, 10};
    fromRect.TransformPoints(&p);
    EXPECT_EQ(fromRect.GetLastStatus(), Ok);
    EXPECT_NEAR(p.X, 15, 1e-4);
    EXPECT_NEAR(p.Y, 25, 1e-4);
    TGPLinearGradientBrush byPoints(TGPPoint{0, 0}, TGPPoint{10, 0}, 0xFF000000, 0xFFFFFFFF);
    TGPLinearGradientBrush byRect(TGPRect{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical);
    TGPLinearGradientBrush byAngle(TGPRect{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, 45.0f);
    TGPTextureBrush tiles(&image, WrapModeTile, TGPRect{0, 0, 3, 3});
    TGPTextureBrush withAttributes(&image, TGPRectF{0, 0, 3, 3}, nullptr);
    for (TGPBrush* b : std::initializer_list<TGPBrush*>{&byPoints, &byRect, &byAngle, &tiles, &withAttributes})
        EXPECT_EQ(b->LastResult(), Ok);
    const std::uint8_t types[3] = {0, 1, 0x81};
    TGPGraphicsPath fromPoints(triangleF, types, 3);
    std::uint8_t back[3] = {};
    EXPECT_EQ(fromPoints.GetPathTypes(back, 3), Ok);
    EXPECT_EQ(back[2], 0x81);
    EXPECT_EQ(fromPoints.AddCurve(triangleF, 3, 0, 2, 0.5f), Ok);
    EXPECT_EQ(fromPoints.AddBezier(TGPPoint{0, 0}, TGPPoint{1, 1}, TGPPoint{2, 1}, TGPPoint{3, 0}), Ok);
    EXPECT_EQ(fromPoints.AddPie(TGPRectF{0, 0, 10, 10}, 0, 90), Ok);
    TBitmap canvas;
    White(canvas, 8, 8);
    TGPGraphics g(canvas.Canvas().Handle());
    g.SetCompositingQuality(2);
    EXPECT_EQ(g.GetCompositingQuality(), 2);
    TGPMatrix twice(2, 0, 0, 2, 0, 0);
    EXPECT_EQ(g.MultiplyTransform(&twice), Ok);
    TGPRegion corner(TGPRectF{0, 0, 4, 4});
    EXPECT_EQ(g.ExcludeClip(&corner), Ok);
    EXPECT_EQ(g.GetLastStatus(), Ok);
}
