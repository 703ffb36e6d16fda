// The two back ends of the drawing object on real pixels: the same scene drawn on the canvas and
// through GDI+ agrees inside every shape and differs only along anti-aliased edges; GDI+ lands in
// the canvas's own pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "GraphicsTestSupport.h"
#include "graphics/GxGraphics.Win.h"
#include "platform/backend/qt/QtGraphics.h"

namespace {
struct TQtEnvironment : ::testing::Environment {
    void SetUp() override { InitQtGraphics(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

Cardinal PixelAt(TBitmap& bmp, Integer x, Integer y)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    return px.Row(y)[x] & 0xFFFFFF;
}

int Channel(Cardinal pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

bool Near(Cardinal a, Cardinal b, int tolerance)
{
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
    return true;
}

// Pixels of a colour other than the background inside a box.
int InkIn(TBitmap& bmp, const TRect& box, Cardinal background)
{
    int ink = 0;
    for (Integer y = box.Top; y < box.Bottom; ++y)
        for (Integer x = box.Left; x < box.Right; ++x) ink += PixelAt(bmp, x, y) != background;
    return ink;
}
}  // namespace

TEST(GxGraphicsBackEnds, TheSameSceneAgreesOnBothBackEnds)
{
    auto canvas = TGxGraphics::CreateBitmapCanvas(200, 140);
    auto native = TGxGraphics::CreateNativeBitmapCanvas(200, 140);
    ASSERT_TRUE(native->Native());
    native->Context()->SetAntiAliasing(true);
    DrawDrawingObjectScene(*canvas);
    DrawDrawingObjectScene(*native);
    // Pixels well inside the shapes (0x00RRGGBB), exactly; the gradient's middle within a band.
    struct Probe {
        const char* what;
        Integer x, y;
        Cardinal color;
        int tolerance;
    };
    const Probe probes[] = {
        {"background", 80, 5, 0xFFFFFF, 0},    {"rectangle", 40, 30, 0xFF0000, 0},
        {"rectangle's top edge", 40, 10, 0x000000, 0}, {"ellipse", 120, 35, 0x00A000, 0},
        {"triangle", 40, 100, 0x0000FF, 0},    {"gradient start", 92, 85, 0x000000, 12},
        {"gradient middle", 140, 85, 0x808080, 16}, {"gradient end", 187, 85, 0xFFFFFF, 12},
        {"picture", 164, 14, 0xFF00FF, 0},      {"picture", 186, 36, 0xFFFF00, 0},
        {"texture tile", 156, 47, 0xFF00FF, 0}, {"texture tile", 160, 51, 0xFFFF00, 0},
        {"last texture tile", 185, 67, 0xFFFF00, 0}, {"right of the tiles", 188, 50, 0xFFFFFF, 0},
        {"below everything", 195, 137, 0xFFFFFF, 0},
    };
    for (const Probe& p : probes) {
        EXPECT_TRUE(Near(PixelAt(*canvas->Bitmap(), p.x, p.y), p.color, p.tolerance))
            << "canvas " << p.what << " " << std::hex << PixelAt(*canvas->Bitmap(), p.x, p.y);
        EXPECT_TRUE(Near(PixelAt(*native->Bitmap(), p.x, p.y), p.color, p.tolerance))
            << "GDI+ " << p.what << " " << std::hex << PixelAt(*native->Bitmap(), p.x, p.y);
    }
    // The text is inked inside its box on both, and nothing is drawn right of the shapes.
    for (TGxGraphics* g : {canvas.get(), native.get()}) {
        EXPECT_GT(InkIn(*g->Bitmap(), {110, 105, 170, 135}, 0xFFFFFF), 20) << g->Native();
        EXPECT_EQ(InkIn(*g->Bitmap(), {195, 0, 200, 68}, 0xFFFFFF), 0) << g->Native();
    }
    // Away from the shapes' edges the two pictures are the same: count strongly differing pixels
    // outside two-pixel bands around the outlines (the triangle, the text, the gradient and the
    // picture, which GDI+ smooths when it stretches it, are left to the probes).
    auto nearEdge = [](Integer x, Integer y) {
        auto band = [&](const TRect& r) {
            return x >= r.Left - 2 && x < r.Right + 2 && y >= r.Top - 2 && y < r.Bottom + 2 &&
                   !(x >= r.Left + 2 && x < r.Right - 2 && y >= r.Top + 2 && y < r.Bottom - 2);
        };
        double ex = (x + 0.5 - 120) / 30, ey = (y + 0.5 - 35) / 25;
        bool ellipse = std::abs(std::sqrt(ex * ex + ey * ey) - 1) < 0.12;
        return band({10, 10, 70, 50}) || ellipse || (x >= 158 && x < 195 && y >= 8 && y < 45) ||
               (x >= 8 && x < 73 && y >= 58 && y < 123) || (x >= 88 && y >= 68);
    };
    int differing = 0;
    for (Integer y = 0; y < 140; ++y)
        for (Integer x = 0; x < 200; ++x)
            if (!nearEdge(x, y) && !Near(PixelAt(*canvas->Bitmap(), x, y), PixelAt(*native->Bitmap(), x, y), 8))
                ++differing;
    EXPECT_EQ(differing, 0);
}

TEST(GxGraphicsBackEnds, BothPaintATextureFill)
{
    // A 4 x 4 yellow texture with a magenta top-left quarter, tiled over (5, 5)-(15, 13): whole
    // tiles at x 5, 9, 13 and y 5, 9, the last column sticking out to 17; kept at its natural
    // size cut to (20, 5)-(22, 20).
    TBitmap tile;
    tile.SetPixelFormat(TPixelFormat::pf32bit);
    tile.SetSize(4, 4);
    tile.Canvas().Brush().SetColor(clYellow);
    tile.Canvas().FillRect(Rect(0, 0, 4, 4));
    tile.Canvas().Brush().SetColor(clFuchsia);
    tile.Canvas().FillRect(Rect(0, 0, 2, 2));
    TGxBitmap texture;
    texture.SetGraphic(&tile);
    struct Probe {
        Integer x, y;
        Cardinal color;
    };
    const Probe probes[] = {
        {5, 5, 0xFF00FF},  {7, 7, 0xFFFF00},   {9, 9, 0xFF00FF},   {14, 10, 0xFF00FF}, {16, 12, 0xFFFF00},
        {17, 5, 0xFFFFFF}, {5, 13, 0xFFFFFF},  {4, 5, 0xFFFFFF},   {20, 5, 0xFF00FF},  {21, 8, 0xFFFF00},
        {22, 5, 0xFFFFFF}, {20, 9, 0xFFFFFF},
    };
    for (bool native : {false, true}) {
        auto g = TGxGraphics::CreateBitmapCanvas(30, 20, native);
        g->BeginScene();
        g->Stroke()->SetKind(gskNone);
        g->SetFillColor(clWhite);
        g->DrawRectangle(TRectF{0, 0, 30, 20});
        g->Fill()->BeginUpdate();
        g->Fill()->SetKind(gfkTexture);
        g->Fill()->SetColor(clNone);
        g->Fill()->SetTexture(&texture);
        g->Fill()->SetTextureMode(gtmTile);
        g->Fill()->EndUpdate();
        g->DrawRectangle(TRectF{5, 5, 15, 13});
        g->Fill()->SetTextureMode(gtmOriginal);
        g->DrawEllipse(TRectF{20, 5, 22, 20});
        g->EndScene();
        for (const Probe& p : probes)
            EXPECT_EQ(PixelAt(*g->Bitmap(), p.x, p.y), p.color)
                << (native ? "GDI+ " : "canvas ") << p.x << "," << p.y << " " << std::hex
                << PixelAt(*g->Bitmap(), p.x, p.y);
    }
}

TEST(GxGraphicsBackEnds, GdiplusDrawsIntoTheCanvasItIsGiven)
{
    // A 30 x 20 white bitmap; a GDI+ drawing object on its canvas fills (5, 5)-(25, 15) red.
    TBitmap bmp;
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(30, 20);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 30, 20));
    {
        TGxGraphics g(&bmp.Canvas(), true);
        g.BeginScene();
        g.Stroke()->SetKind(gskNone);
        g.SetFillColor(0x0000FF);
        g.DrawRectangle(TRectF{5, 5, 25, 15});
        g.EndScene();
    }
    EXPECT_EQ(PixelAt(bmp, 15, 10), 0xFF0000u);
    EXPECT_EQ(PixelAt(bmp, 5, 5), 0xFF0000u);
    EXPECT_EQ(PixelAt(bmp, 4, 5), 0xFFFFFFu);
    // libgdiplus's aliased fill also takes the pixel column and row at the far edges.
    EXPECT_EQ(PixelAt(bmp, 26, 10), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(bmp, 15, 16), 0xFFFFFFu);
    EXPECT_EQ(bmp.Canvas().Pixel(15, 10), TColor(0x0000FF));
}

TEST(GxGraphicsBackEnds, GdiplusPensBrushesAndFormatsFromTheDrawingState)
{
    EXPECT_EQ(ToGPColor(0x0000FF, 1), 0xFFFF0000u);
    EXPECT_EQ(ToGPColor(0x0000FF, 0.5f), 0x80FF0000u);   // 127.5 rounds to even
    TGxGraphicsStroke dashed(gskDash, 0x00FF00);
    dashed.SetWidth(2);
    auto pen = CreateGPPen(&dashed);
    EXPECT_EQ(pen->GetDashStyle(), DashStyleDash);
    EXPECT_EQ(pen->GetWidth(), 2);
    EXPECT_EQ(pen->GetLineJoin(), LineJoinMiterClipped);
    EXPECT_EQ(pen->GetMiterLimit(), 4);
    auto format = CreateGPStringFormat(gtaCenter, gtaTrailing, false, gttWord, true);
    EXPECT_EQ(format->GetAlignment(), StringAlignmentCenter);
    EXPECT_EQ(format->GetLineAlignment(), StringAlignmentFar);
    EXPECT_EQ(format->GetFormatFlags(), 0x5000);
    EXPECT_EQ(format->GetTrimming(), StringTrimmingWord);
    EXPECT_EQ(format->GetHotkeyPrefix(), HotkeyPrefixShow);
    TGxGraphicsFont font;
    font.SetName("default");
    font.SetSize(0);
    auto gpFont = CreateGPFont(&font);
    EXPECT_EQ(gpFont->GetSize(), 8);
    TGPFontFamily family;
    gpFont->GetFamily(&family);
    String name;
    family.GetFamilyName(name);
    EXPECT_EQ(name, String("Liberation Sans"));   // "Arial"
    // A radial gradient's stops go to GDI+ reversed, measured from the edge.
    TGxGraphicsFill fill(gfkGradient, 0x0000FF, 0xFF0000, -1, -1);
    fill.SetGradientType(gfgtRadial);
    TGPGraphicsPath square;
    square.AddRectangle(TGPRectF{0, 0, 10, 10});
    auto brush = CreateGPBrush(&fill, &square);
    auto* radial = dynamic_cast<TGPPathGradientBrush*>(brush.get());
    ASSERT_NE(radial, nullptr);
    ARGB colors[2] = {};
    Single positions[2] = {};
    EXPECT_EQ(radial->GetInterpolationColors(colors, positions, 2), Ok);
    EXPECT_EQ(colors[0], 0xFF0000FFu);
    EXPECT_EQ(colors[1], 0xFFFF0000u);
    EXPECT_EQ(positions[0], 0);
    EXPECT_EQ(positions[1], 1);
}

namespace {
// 'X' where the pixel has the ink, '.' elsewhere; rows separated by '/'.
std::string Picture(TBitmap& bmp, Cardinal ink)
{
    std::string out;
    for (Integer y = 0; y < bmp.Height(); ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < bmp.Width(); ++x) out += PixelAt(bmp, x, y) == ink ? 'X' : '.';
    }
    return out;
}
}  // namespace

TEST(GxGraphicsBackEnds, CanvasOutlinesTakeTheLastPixelInsideTheRectangle)
{
    // A 7 x 5 white bitmap: the rectangle (1, 1)-(6, 4) outlined with a one-pixel black pen.
    auto g = TGxGraphics::CreateBitmapCanvas(7, 5);
    g->SetFillColor(clWhite);
    g->Stroke()->SetKind(gskNone);
    g->DrawRectangle(TRectF{0, 0, 7, 5});
    g->Fill()->SetColor(-1);
    g->Stroke()->BeginUpdate();
    g->Stroke()->SetKind(gskSolid);
    g->Stroke()->SetColor(clBlack);
    g->Stroke()->EndUpdate();
    g->DrawRectangle(TRectF{1, 1, 6, 4});
    EXPECT_EQ(Picture(*g->Bitmap(), 0x000000), "......."
                                               "/.XXXXX."
                                               "/.X...X."
                                               "/.XXXXX."
                                               "/.......");
    // Two sides only: each is a line that leaves out its end pixel, which the right side drew.
    g->SetFillColor(clWhite);
    g->Stroke()->SetKind(gskNone);
    g->DrawRectangle(TRectF{0, 0, 7, 5});
    g->SetFillColor(-1);
    g->Stroke()->SetKind(gskSolid);
    g->DrawRectangle(TRectF{1, 1, 6, 4}, {gsLeft, gsBottom});
    EXPECT_EQ(Picture(*g->Bitmap(), 0x000000), "......."
                                               "/.X....."
                                               "/.X....."
                                               "/.XXXX.."
                                               "/.......");
}

TEST(GxGraphicsBackEnds, CanvasFocusRectanglesClippingAndTextAlignment)
{
    // The focus rectangle of (1, 1)-(9, 5) on a white 10 x 6 bitmap: the cosmetic pen takes every
    // other pixel along the outline, whatever the stroke.
    auto g = TGxGraphics::CreateBitmapCanvas(10, 6);
    g->Stroke()->SetKind(gskNone);
    g->SetFillColor(clWhite);
    g->DrawRectangle(TRectF{0, 0, 10, 6});
    g->DrawFocusRectangle(TRectF{1, 1, 9, 5}, clBlack);
    EXPECT_EQ(Picture(*g->Bitmap(), 0x000000), ".........."
                                               "/.X.X.X.X.."
                                               "/........X."
                                               "/.X........"
                                               "/..X.X.X.X."
                                               "/..........");
    // A clip keeps a fill of everything inside (3, 2)-(7, 4).
    g->SetFillColor(clWhite);
    g->DrawRectangle(TRectF{0, 0, 10, 6});
    g->ClipRect(TRect{3, 2, 7, 4});
    g->SetFillColor(clBlack);
    g->DrawRectangle(TRectF{0, 0, 10, 6});
    EXPECT_EQ(Picture(*g->Bitmap(), 0x000000), ".........."
                                               "/.........."
                                               "/...XXXX..."
                                               "/...XXXX..."
                                               "/.........."
                                               "/..........");
    // Text to the left, centre and right of a wide rectangle, in the canvas's text flags.
    struct Case {
        TGxGraphicsTextAlign align;
        Integer inkLeftMin, inkLeftMax;
    };
    for (const Case& c : {Case{gtaLeading, 0, 3}, Case{gtaCenter, 90, 140}, Case{gtaTrailing, 180, 240}}) {
        auto t = TGxGraphics::CreateBitmapCanvas(240, 20);
        t->Stroke()->SetKind(gskNone);
        t->SetFillColor(clWhite);
        t->DrawRectangle(TRectF{0, 0, 240, 20});
        t->Font()->SetColor(clBlack);
        t->DrawText(TRectF{0, 0, 240, 20}, "Dam", false, c.align, gtaCenter);
        Integer left = 240, right = 0;
        for (Integer y = 0; y < 20; ++y)
            for (Integer x = 0; x < 240; ++x)
                if (PixelAt(*t->Bitmap(), x, y) != 0xFFFFFF) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        EXPECT_GE(left, c.inkLeftMin) << c.align;
        EXPECT_LE(left, c.inkLeftMax) << c.align;
        if (c.align == gtaTrailing) { EXPECT_GE(right, 236); }
    }
}

TEST(GxGraphicsBackEnds, CanvasTextTurnedAQuarterRunsDownTheRectangle)
{
    // "Dam" at 90 degrees, centred both ways in (10, 10)-(50, 110): taller than wide ink.
    auto g = TGxGraphics::CreateBitmapCanvas(60, 120);
    g->Stroke()->SetKind(gskNone);
    g->DrawRectangle(TRectF{0, 0, 60, 120});
    g->Font()->SetColor(clBlack);
    g->DrawText(TRectF{10, 10, 50, 110}, "Dam", false, gtaCenter, gtaCenter, gttNone, 90);
    TRect ink{60, 120, 0, 0};
    for (Integer y = 0; y < 120; ++y)
        for (Integer x = 0; x < 60; ++x)
            if (PixelAt(*g->Bitmap(), x, y) == 0) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    EXPECT_GT(ink.Bottom - ink.Top, ink.Right - ink.Left);
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 60, 4);
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 30, 4);
}

TEST(GxGraphicsBackEnds, GdiplusTurnsTextAboutTheRectangleAndDrawsDashesWithoutSmoothing)
{
    auto g = TGxGraphics::CreateNativeBitmapCanvas(120, 120);
    TGxGraphicsContext* context = g->Context();
    auto* surface = static_cast<TGPGraphics*>(context->NativeCanvas());
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(context->SetTextAngle(TRectF{0, 0, 100, 20}, 30), (TRectF{-50, -10, 50, 10}));
    context->ResetTextAngle(30);
    EXPECT_EQ(context->SetTextAngle(TRectF{0, 0, 20, 100}, 30), (TRectF{-50, -10, 50, 10}));
    context->ResetTextAngle(30);
    EXPECT_EQ(context->GetMatrix().m31, 0);   // the turn is undone
    context->SetAntiAliasing(true);
    g->Stroke()->SetKind(gskDash);
    g->DrawLine(TPointF{0, 0}, TPointF{100, 100});
    EXPECT_EQ(surface->GetSmoothingMode(), SmoothingModeAntiAlias);
    // After the scene ends, nothing reaches the pixels until a new size is set.
    g->EndScene();
    EXPECT_EQ(context->NativeCanvas(), nullptr);
    g->Stroke()->SetKind(gskNone);
    g->SetFillColor(0x0000FF);
    g->DrawRectangle(TRectF{10, 10, 50, 50});
    EXPECT_NE(PixelAt(*g->Bitmap(), 30, 30), 0xFF0000u);
}

TEST(GxGraphicsBackEnds, GdiplusGradientStopsFromTheCollection)
{
    TGxGraphicsFill fill(gfkGradient, 0, 0, -1, -1);
    fill.SetGradientMode(gfgmCollection);
    fill.AddGradientItem(0x0000FF, 0.2f, 1);
    fill.AddGradientItem(0xFF0000, 0.8f, 1);
    TGPGraphicsPath area;
    area.AddRectangle(TGPRectF{0, 0, 10, 10});
    auto brush = CreateGPBrush(&fill, &area);
    auto* linear = dynamic_cast<TGPLinearGradientBrush*>(brush.get());
    ASSERT_NE(linear, nullptr);
    ASSERT_EQ(linear->GetInterpolationColorCount(), 4);
    ARGB colors[4] = {};
    Single positions[4] = {};
    linear->GetInterpolationColors(colors, positions, 4);
    const ARGB red = 0xFFFF0000, blue = 0xFF0000FF;
    EXPECT_EQ(colors[0], red);
    EXPECT_EQ(colors[1], red);
    EXPECT_EQ(colors[2], blue);
    EXPECT_EQ(colors[3], blue);
    EXPECT_FLOAT_EQ(positions[0], 0);
    EXPECT_FLOAT_EQ(positions[1], 0.2f);
    EXPECT_FLOAT_EQ(positions[2], 0.8f);
    EXPECT_FLOAT_EQ(positions[3], 1);
    // No fill and texture fills paint nothing visible.
    for (TGxGraphicsFillKind kind : {gfkNone, gfkTexture}) {
        TGxGraphicsFill transparent(kind, 0x0000FF, 0, -1, -1);
        ARGB color = 1;
        auto solid = CreateGPBrush(&transparent, &area);
        static_cast<TGPSolidBrush*>(solid.get())->GetColor(color);
        EXPECT_EQ(color >> 24, 0u) << kind;
    }
}

TEST(GxGraphicsBackEnds, RoundRectanglesAndArcsOnBothBackEnds)
{
    // A 60 x 40 rectangle at (10, 10) with corners rounded by 12, filled blue and outlined black,
    // and the upper half of a circle of radius 15 about (100, 40), outlined: its corners and the
    // circle's lower half stay white, its middle is blue.
    for (bool native : {false, true}) {
        auto g = TGxGraphics::CreateBitmapCanvas(130, 60, native);
        g->Stroke()->SetKind(gskNone);
        g->SetFillColor(clWhite);
        g->DrawRectangle(TRectF{0, 0, 130, 60});
        g->Stroke()->BeginUpdate();
        g->Stroke()->SetKind(gskSolid);
        g->Stroke()->SetColor(clBlack);
        g->Stroke()->EndUpdate();
        g->SetFillColor(0xFF0000);
        g->DrawRoundRectangle(TRectF{10, 10, 70, 50}, 12);
        g->SetFillColor(-1);
        g->DrawArc(TPointF{100, 40}, TPointF{15, 15}, 180, 180);
        TBitmap& bmp = *g->Bitmap();
        EXPECT_EQ(PixelAt(bmp, 40, 30), 0x0000FFu) << native;
        EXPECT_EQ(PixelAt(bmp, 11, 11), 0xFFFFFFu) << native;
        EXPECT_EQ(PixelAt(bmp, 68, 48), 0xFFFFFFu) << native;
        EXPECT_EQ(PixelAt(bmp, 10, 30), 0x000000u) << native;   // the straight left side
        EXPECT_GT(InkIn(bmp, {84, 24, 117, 40}, 0xFFFFFF), 20) << native;
        EXPECT_EQ(InkIn(bmp, {84, 43, 117, 60}, 0xFFFFFF), 0) << native;
    }
}

TEST(GxGraphicsBackEnds, WithoutACanvasNothingIsDrawnAndNothingBreaks)
{
    for (bool native : {false, true}) {
        TGxGraphics g(nullptr, native);
        g.BeginScene();
        g.DrawRectangle(TRectF{0, 0, 10, 10});
        g.DrawEllipse(TRectF{0, 0, 10, 10});
        g.DrawText(TRectF{0, 0, 50, 20}, "Dam");
        EXPECT_EQ(g.CalculateText("Dam", TRectF{0, 0, 50, 20}).Right, 0) << native;
        g.EndScene();
    }
}
