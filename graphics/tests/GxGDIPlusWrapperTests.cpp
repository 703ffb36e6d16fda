// The run-time-bound GDI+ wrapper family by family: a table of calls, each with the status it
// answers and, for the drawing calls, a pixel it inks and one it leaves white on a GDI+ bitmap;
// and the listing of the flat names the wrapper reaches.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "graphics/GxGDIPlusClasses.h"

namespace {

constexpr ARGB White = 0xFFFFFFFF, Ink = 0xFF0000FF;

// A 40 x 40 white GDI+ bitmap with a surface on it, a pen three wide and a brush of the ink, and
// a 10 x 10 picture of the ink.
struct TCanvas40 {
    TGPBitmap Bitmap{40, 40};
    TGPGraphics Surface{&Bitmap};
    TGPPen Pen{Ink, 3};
    TGPSolidBrush Brush{Ink};
    TGPBitmap Picture{10, 10};
    TCanvas40()
    {
        Surface.Clear(White);
        TGPGraphics picture(&Picture);
        picture.Clear(Ink);
    }
    ARGB At(Integer x, Integer y)
    {
        ARGB color = 0;
        Bitmap.GetPixel(x, y, color);
        return color;
    }
    bool AnyInk()
    {
        for (Integer y = 0; y < 40; ++y)
            for (Integer x = 0; x < 40; ++x)
                if (At(x, y) != White) return true;
        return false;
    }
};

struct TDrawing {
    const char* name;
    std::function<Status(TCanvas40&)> draw;
    TGPPoint inked, clean;   // an inked point of (-1, -1): some ink anywhere
};

void CheckDrawings(const std::vector<TDrawing>& drawings)
{
    for (const TDrawing& d : drawings) {
        TCanvas40 c;
        EXPECT_EQ(d.draw(c), Ok) << d.name;
        if (d.inked.X < 0)
            EXPECT_TRUE(c.AnyInk()) << d.name;
        else
            EXPECT_EQ(c.At(d.inked.X, d.inked.Y), Ink) << d.name;
        EXPECT_EQ(c.At(d.clean.X, d.clean.Y), White) << d.name;
    }
}

const TGPPoint Line[3] = {{2, 20}, {20, 20}, {38, 20}};
const TGPPointF LineF[3] = {{2, 20}, {20, 20}, {38, 20}};
const TGPPoint Bezier[4] = {{2, 20}, {10, 20}, {30, 20}, {38, 20}};
const TGPPoint Square[4] = {{5, 5}, {35, 5}, {35, 35}, {5, 35}};
const TGPPointF SquareF[4] = {{5, 5}, {35, 5}, {35, 35}, {5, 35}};
const TGPPoint Triangle[3] = {{2, 2}, {38, 2}, {2, 38}};
const TGPRect Box{10, 10, 20, 20};
const TGPRect Boxes[2] = {{10, 10, 20, 20}, {0, 0, 2, 2}};
const TGPPoint Parallelogram[3] = {{15, 15}, {25, 15}, {15, 25}};
const TGPPointF ParallelogramF[3] = {{15, 15}, {25, 15}, {15, 25}};

}  // namespace

TEST(GxGDIPlusWrapper, EveryFlatNameTheWrapperCallsIsReachedByAWrapperMethod)
{
    // Bound but called by no method: path iterators, arrow caps, metafiles, codecs, font
    // collections and a few others; every other name is called by the wrapper's own code.
    const std::set<std::string> uncalled = {
        "GdipCreatePathIter", "GdipDeletePathIter", "GdipPathIterNextSubpath", "GdipPathIterNextSubpathPath",
        "GdipPathIterNextPathType", "GdipPathIterNextMarker", "GdipPathIterNextMarkerPath", "GdipPathIterGetCount",
        "GdipPathIterGetSubpathCount", "GdipPathIterIsValid", "GdipPathIterHasCurve", "GdipPathIterRewind",
        "GdipPathIterEnumerate", "GdipPathIterCopyData", "GdipCreateAdjustableArrowCap",
        "GdipSetAdjustableArrowCapHeight", "GdipGetAdjustableArrowCapHeight", "GdipSetAdjustableArrowCapWidth",
        "GdipGetAdjustableArrowCapWidth", "GdipSetAdjustableArrowCapMiddleInset",
        "GdipGetAdjustableArrowCapMiddleInset", "GdipSetAdjustableArrowCapFillState",
        "GdipGetAdjustableArrowCapFillState", "GdipGetCustomLineCapType", "GdipSetPenUnit", "GdipGetPenUnit",
        "GdipImageForceValidation", "GdipSetImageAttributesICMMode", "GdipResetPageTransform",
        "GdipCreateHalftonePalette", "GdipFillPolygon2", "GdipFillPolygon2I", "GdipGetMetafileHeaderFromWmf",
        "GdipGetMetafileHeaderFromEmf", "GdipGetMetafileHeaderFromFile", "GdipGetMetafileHeaderFromStream",
        "GdipGetMetafileHeaderFromMetafile", "GdipGetHemfFromMetafile", "GdipCreateStreamOnFile",
        "GdipCreateMetafileFromWmf", "GdipCreateMetafileFromEmf", "GdipCreateMetafileFromFile",
        "GdipCreateMetafileFromWmfFile", "GdipCreateMetafileFromStream", "GdipRecordMetafile", "GdipRecordMetafileI",
        "GdipRecordMetafileFileName", "GdipRecordMetafileFileNameI", "GdipRecordMetafileStream",
        "GdipRecordMetafileStreamI", "GdipSetMetafileDownLevelRasterizationLimit",
        "GdipGetMetafileDownLevelRasterizationLimit", "GdipGetImageDecodersSize", "GdipGetImageDecoders",
        "GdipGetImageEncodersSize", "GdipGetImageEncoders", "GdipFontCollectionEnumerable",
        "GdipFontCollectionEnumerate", "GdipNewInstalledFontCollection", "GdipNewPrivateFontCollection",
        "GdipDeletePrivateFontCollection", "GdipPrivateAddFontFile", "GdipPrivateAddMemoryFont", "GdipEmfToWmfBits",
    };
    ASSERT_EQ(uncalled.size(), 64u);
    // The wrapper's sources (the tests run in the library's folder), and the entries they name.
    std::string sources;
    for (const char* file : {"GxGDIPlusApi.cpp", "GxGDIPlusClasses.cpp", "GxGDIPlusClasses_brushes.cpp",
                             "GxGDIPlusClasses_graphics.cpp", "GxGDIPlusClasses_text.cpp"}) {
        std::ifstream in(std::string(std::getenv("DORVANE_TEST_DATA") ? std::getenv("DORVANE_TEST_DATA") : ".") +
                         "/" + file);
        ASSERT_TRUE(in) << file;
        std::stringstream text;
        text << in.rdbuf();
        sources += text.str();
    }
    std::set<std::string> named;
    const std::regex entry(R"(\be(Gdip\w+))");
    for (auto it = std::sregex_iterator(sources.begin(), sources.end(), entry); it != std::sregex_iterator(); ++it)
        named.insert((*it)[1]);
    for (int i = 0; i < GdiplusEntryCount; ++i) {
        const std::string name = GdiplusEntryName(static_cast<TGdiplusEntry>(i));
        EXPECT_EQ(named.count(name), uncalled.count(name) ? 0u : 1u) << name;
    }
}

TEST(GxGDIPlusWrapper, TheSurfaceDrawsWithEveryIntegerAndRecordForm)
{
    const std::vector<TDrawing> drawings = {
        {"DrawLine I", [](TCanvas40& c) { return c.Surface.DrawLine(&c.Pen, 2, 20, 38, 20); }, {20, 20}, {20, 5}},
        {"DrawLine points", [](TCanvas40& c) { return c.Surface.DrawLine(&c.Pen, Line[0], Line[2]); }, {20, 20}, {20, 5}},
        {"DrawLines I", [](TCanvas40& c) { return c.Surface.DrawLines(&c.Pen, Line, 3); }, {20, 20}, {20, 5}},
        {"DrawArc I", [](TCanvas40& c) { return c.Surface.DrawArc(&c.Pen, 2, 2, 36, 36, 45, 90); }, {20, 38}, {20, 2}},
        {"DrawArc rect", [](TCanvas40& c) { return c.Surface.DrawArc(&c.Pen, TGPRect{2, 2, 36, 36}, 45, 90); }, {20, 38}, {20, 2}},
        {"DrawArc rectF", [](TCanvas40& c) { return c.Surface.DrawArc(&c.Pen, TGPRectF{2, 2, 36, 36}, 45, 90); }, {20, 38}, {20, 2}},
        {"DrawBezier I", [](TCanvas40& c) { return c.Surface.DrawBezier(&c.Pen, 2, 20, 10, 20, 30, 20, 38, 20); }, {20, 20}, {20, 5}},
        {"DrawBezier points", [](TCanvas40& c) { return c.Surface.DrawBezier(&c.Pen, Bezier[0], Bezier[1], Bezier[2], Bezier[3]); }, {20, 20}, {20, 5}},
        {"DrawBezier pointsF", [](TCanvas40& c) { return c.Surface.DrawBezier(&c.Pen, TGPPointF{2, 20}, TGPPointF{10, 20}, TGPPointF{30, 20}, TGPPointF{38, 20}); }, {20, 20}, {20, 5}},
        {"DrawBeziers I", [](TCanvas40& c) { return c.Surface.DrawBeziers(&c.Pen, Bezier, 4); }, {20, 20}, {20, 5}},
        {"DrawRectangle I", [](TCanvas40& c) { return c.Surface.DrawRectangle(&c.Pen, 10, 10, 20, 20); }, {10, 20}, {20, 20}},
        {"DrawRectangle rect", [](TCanvas40& c) { return c.Surface.DrawRectangle(&c.Pen, Box); }, {10, 20}, {20, 20}},
        {"DrawRectangles I", [](TCanvas40& c) { return c.Surface.DrawRectangles(&c.Pen, Boxes, 2); }, {10, 20}, {20, 20}},
        {"DrawEllipse I", [](TCanvas40& c) { return c.Surface.DrawEllipse(&c.Pen, 2, 2, 36, 36); }, {2, 20}, {20, 20}},
        {"DrawEllipse rect", [](TCanvas40& c) { return c.Surface.DrawEllipse(&c.Pen, TGPRect{2, 2, 36, 36}); }, {2, 20}, {20, 20}},
        {"DrawEllipse rectF", [](TCanvas40& c) { return c.Surface.DrawEllipse(&c.Pen, TGPRectF{2, 2, 36, 36}); }, {2, 20}, {20, 20}},
        {"DrawPie I", [](TCanvas40& c) { return c.Surface.DrawPie(&c.Pen, 2, 2, 36, 36, 0, 90); }, {30, 20}, {10, 20}},
        {"DrawPie rect", [](TCanvas40& c) { return c.Surface.DrawPie(&c.Pen, TGPRect{2, 2, 36, 36}, 0, 90); }, {30, 20}, {10, 20}},
        {"DrawPie rectF", [](TCanvas40& c) { return c.Surface.DrawPie(&c.Pen, TGPRectF{2, 2, 36, 36}, 0, 90); }, {30, 20}, {10, 20}},
        {"DrawPolygon I", [](TCanvas40& c) { return c.Surface.DrawPolygon(&c.Pen, Triangle, 3); }, {20, 2}, {10, 10}},
        {"DrawCurve I", [](TCanvas40& c) { return c.Surface.DrawCurve(&c.Pen, Line, 3); }, {20, 20}, {20, 5}},
        {"DrawCurve I tension", [](TCanvas40& c) { return c.Surface.DrawCurve(&c.Pen, Line, 3, 0.5f); }, {20, 20}, {20, 5}},
        {"DrawCurve segments", [](TCanvas40& c) { return c.Surface.DrawCurve(&c.Pen, LineF, 3, 1, 1, 0.5f); }, {30, 20}, {10, 20}},
        {"DrawCurve I segments", [](TCanvas40& c) { return c.Surface.DrawCurve(&c.Pen, Line, 3, 1, 1, 0.5f); }, {30, 20}, {10, 20}},
        {"DrawClosedCurve I", [](TCanvas40& c) { return c.Surface.DrawClosedCurve(&c.Pen, Square, 4); }, {5, 5}, {20, 20}},
        {"DrawClosedCurve tension", [](TCanvas40& c) { return c.Surface.DrawClosedCurve(&c.Pen, SquareF, 4, 0.5f); }, {5, 5}, {20, 20}},
        {"DrawClosedCurve I tension", [](TCanvas40& c) { return c.Surface.DrawClosedCurve(&c.Pen, Square, 4, 0.5f); }, {5, 5}, {20, 20}},
        {"FillRectangle I", [](TCanvas40& c) { return c.Surface.FillRectangle(&c.Brush, 10, 10, 20, 20); }, {20, 20}, {5, 5}},
        {"FillRectangle rect", [](TCanvas40& c) { return c.Surface.FillRectangle(&c.Brush, Box); }, {20, 20}, {5, 5}},
        {"FillRectangles I", [](TCanvas40& c) { return c.Surface.FillRectangles(&c.Brush, Boxes, 2); }, {20, 20}, {5, 5}},
        {"FillPolygon I", [](TCanvas40& c) { return c.Surface.FillPolygon(&c.Brush, Triangle, 3); }, {10, 10}, {35, 35}},
        {"FillEllipse I", [](TCanvas40& c) { return c.Surface.FillEllipse(&c.Brush, 2, 2, 36, 36); }, {20, 20}, {3, 3}},
        {"FillEllipse rect", [](TCanvas40& c) { return c.Surface.FillEllipse(&c.Brush, TGPRect{2, 2, 36, 36}); }, {20, 20}, {3, 3}},
        {"FillEllipse rectF", [](TCanvas40& c) { return c.Surface.FillEllipse(&c.Brush, TGPRectF{2, 2, 36, 36}); }, {20, 20}, {3, 3}},
        {"FillPie I", [](TCanvas40& c) { return c.Surface.FillPie(&c.Brush, 2, 2, 36, 36, 0, 90); }, {28, 28}, {12, 12}},
        {"FillPie rect", [](TCanvas40& c) { return c.Surface.FillPie(&c.Brush, TGPRect{2, 2, 36, 36}, 0, 90); }, {28, 28}, {12, 12}},
        {"FillPie rectF", [](TCanvas40& c) { return c.Surface.FillPie(&c.Brush, TGPRectF{2, 2, 36, 36}, 0, 90); }, {28, 28}, {12, 12}},
        {"FillClosedCurve I", [](TCanvas40& c) { return c.Surface.FillClosedCurve(&c.Brush, Square, 4); }, {20, 20}, {1, 1}},
        {"FillClosedCurve I mode", [](TCanvas40& c) { return c.Surface.FillClosedCurve(&c.Brush, Square, 4, FillModeWinding, 0.5f); }, {20, 20}, {1, 1}},
        {"DrawImage pointF", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, TGPPointF{15, 15}); }, {20, 20}, {10, 10}},
        {"DrawImage I", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, 15, 15); }, {20, 20}, {10, 10}},
        {"DrawImage point", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, TGPPoint{15, 15}); }, {20, 20}, {10, 10}},
        {"DrawImage I rect", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, 15, 15, 10, 10); }, {20, 20}, {10, 10}},
        {"DrawImage rect", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, TGPRect{15, 15, 10, 10}); }, {20, 20}, {10, 10}},
        {"DrawImage I points", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, Parallelogram, 3); }, {20, 20}, {10, 10}},
        {"DrawImage source part", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, 15.0f, 15.0f, 0.0f, 0.0f, 5.0f, 5.0f, UnitPixel); }, {17, 17}, {22, 22}},
        {"DrawImage I source part", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, 15, 15, 0, 0, 5, 5, UnitPixel); }, {17, 17}, {22, 22}},
        {"DrawImage rect source", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, TGPRect{15, 15, 10, 10}, 0, 0, 10, 10, UnitPixel); }, {20, 20}, {10, 10}},
        {"DrawImage points source", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, ParallelogramF, 3, 0.0f, 0.0f, 10.0f, 10.0f, UnitPixel); }, {20, 20}, {10, 10}},
        {"DrawImage I points source", [](TCanvas40& c) { return c.Surface.DrawImage(&c.Picture, Parallelogram, 3, 0, 0, 10, 10, UnitPixel); }, {20, 20}, {10, 10}},
        {"DrawString rect", [](TCanvas40& c) {
             TGPFont font("Liberation Sans", 14, FontStyleRegular, UnitPixel);
             return c.Surface.DrawString("Dam", 3, &font, TGPRectF{0, 0, 40, 40}, nullptr, &c.Brush);
         }, {-1, -1}, {39, 39}},
        {"DrawString origin", [](TCanvas40& c) {
             TGPFont font("Liberation Sans", 14, FontStyleRegular, UnitPixel);
             return c.Surface.DrawString("Dam", 3, &font, TGPPointF{0, 0}, nullptr, &c.Brush);
         }, {-1, -1}, {39, 39}},
        // Clips set in Integer and region-handle forms, then the whole surface filled.
        {"SetClip I rect", [](TCanvas40& c) {
             c.Surface.SetClip(Box);
             return c.Surface.FillRectangle(&c.Brush, 0, 0, 40, 40);
         }, {15, 15}, {5, 5}},
        {"SetClip region handle", [](TCanvas40& c) {
             TRegion* handle = CreateRectRgn(10, 10, 30, 30);
             Status status = c.Surface.SetClip(handle);
             DeleteObject(handle);
             c.Surface.FillRectangle(&c.Brush, 0, 0, 40, 40);
             return status;
         }, {15, 15}, {5, 5}},
        {"IntersectClip I", [](TCanvas40& c) {
             c.Surface.IntersectClip(Box);
             return c.Surface.FillRectangle(&c.Brush, 0, 0, 40, 40);
         }, {15, 15}, {5, 5}},
        {"ExcludeClip I", [](TCanvas40& c) {
             c.Surface.ExcludeClip(Box);
             return c.Surface.FillRectangle(&c.Brush, 0, 0, 40, 40);
         }, {5, 5}, {15, 15}},
        {"TranslateClip I", [](TCanvas40& c) {
             c.Surface.SetClip(TGPRect{0, 0, 10, 10});
             c.Surface.TranslateClip(20, 20);
             return c.Surface.FillRectangle(&c.Brush, 0, 0, 40, 40);
         }, {25, 25}, {5, 5}},
    };
    CheckDrawings(drawings);
    // Two destination points are refused without drawing, and the refusal is kept.
    TCanvas40 c;
    EXPECT_EQ(c.Surface.DrawImage(&c.Picture, Parallelogram, 2), InvalidParameter);
    EXPECT_EQ(c.Surface.GetLastStatus(), InvalidParameter);
    EXPECT_FALSE(c.AnyInk());
}

TEST(GxGDIPlusWrapper, TheSurfaceAnswersInIntegersAndRecords)
{
    TCanvas40 c;
    // Integer points are transformed as the Single ones are.
    TGPPoint moved[1] = {{1, 2}};
    TGPPointF movedF[1] = {{1, 2}};
    c.Surface.TranslateTransform(10, 20);
    EXPECT_EQ(c.Surface.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, moved, 1), Ok);
    EXPECT_EQ(c.Surface.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, movedF, 1), Ok);
    EXPECT_EQ(moved[0].X, movedF[0].X);
    EXPECT_EQ(moved[0].Y, movedF[0].Y);
    c.Surface.ResetTransform();
    c.Surface.SetClip(TGPRect{5, 6, 7, 8});
    TGPRect bounds;
    EXPECT_EQ(c.Surface.GetClipBounds(bounds), Ok);
    EXPECT_EQ(bounds.X, 5);
    EXPECT_EQ(bounds.Height, 8);
    EXPECT_EQ(c.Surface.GetVisibleClipBounds(bounds), Ok);
    EXPECT_EQ(bounds.Width, 7);
    struct Case {
        const char* name;
        bool visible, expected;
    };
    const Case cases[] = {
        {"point I in", c.Surface.IsVisible(6, 7), true},
        {"point I out", c.Surface.IsVisible(1, 1), false},
        {"point", c.Surface.IsVisible(TGPPoint{6, 7}), true},
        {"pointF", c.Surface.IsVisible(TGPPointF{1, 1}), false},
        {"rect I", c.Surface.IsVisible(0, 0, 6, 7), true},
        {"rect I out", c.Surface.IsVisible(30, 30, 2, 2), false},
        {"rect", c.Surface.IsVisible(TGPRect{0, 0, 6, 7}), true},
        {"rectF", c.Surface.IsVisible(TGPRectF{30, 30, 2, 2}), false},
    };
    for (const Case& k : cases) EXPECT_EQ(k.visible, k.expected) << k.name;
    const Cardinal state = c.Surface.BeginContainer(TGPRect{0, 0, 20, 20}, TGPRect{0, 0, 10, 10}, UnitPixel);
    EXPECT_EQ(c.Surface.GetLastStatus(), Ok);
    EXPECT_EQ(c.Surface.EndContainer(state), Ok);
}

TEST(GxGDIPlusWrapper, PathsAndRegionsInIntegersRecordsAndRegionHandles)
{
    // Each row adds one figure to an empty path; its bounds tell the figure was added.
    struct Figure {
        const char* name;
        std::function<Status(TGPGraphicsPath&)> add;
        TGPRect bounds;
    };
    TGPFontFamily family("Liberation Sans");
    const Figure figures[] = {
        {"line points", [](TGPGraphicsPath& p) { return p.AddLine(TGPPoint{2, 3}, TGPPoint{12, 13}); }, {2, 3, 10, 10}},
        {"arc I", [](TGPGraphicsPath& p) { return p.AddArc(0, 0, 20, 20, 0, 90); }, {10, 10, 10, 10}},
        {"bezier I", [](TGPGraphicsPath& p) { return p.AddBezier(0, 0, 0, 10, 10, 10, 10, 0); }, {0, 0, 10, 8}},
        {"bezier points", [](TGPGraphicsPath& p) { return p.AddBezier(Bezier[0], Bezier[1], Bezier[2], Bezier[3]); }, {2, 20, 36, 0}},
        {"beziers I", [](TGPGraphicsPath& p) { return p.AddBeziers(Bezier, 4); }, {2, 20, 36, 0}},
        {"curve I", [](TGPGraphicsPath& p) { return p.AddCurve(Line, 3); }, {2, 20, 36, 0}},
        {"curve I tension", [](TGPGraphicsPath& p) { return p.AddCurve(Line, 3, 0.5f); }, {2, 20, 36, 0}},
        {"curve I segments", [](TGPGraphicsPath& p) { return p.AddCurve(Line, 3, 1, 1, 0.5f); }, {20, 20, 18, 0}},
        {"closed curve I", [](TGPGraphicsPath& p) { return p.AddClosedCurve(Square, 4); }, {5, 5, 30, 30}},
        {"closed curve I tension", [](TGPGraphicsPath& p) { return p.AddClosedCurve(Square, 4, 0); }, {5, 5, 30, 30}},
        {"rectangles I", [](TGPGraphicsPath& p) { return p.AddRectangles(Boxes, 2); }, {0, 0, 30, 30}},
        {"ellipse I", [](TGPGraphicsPath& p) { return p.AddEllipse(1, 2, 10, 20); }, {1, 2, 10, 20}},
        {"pie I", [](TGPGraphicsPath& p) { return p.AddPie(0, 0, 20, 20, 0, 90); }, {10, 10, 10, 10}},
        {"pie rect", [](TGPGraphicsPath& p) { return p.AddPie(TGPRect{0, 0, 20, 20}, 0, 90); }, {10, 10, 10, 10}},
        {"pie rectF", [](TGPGraphicsPath& p) { return p.AddPie(TGPRectF{0, 0, 20, 20}, 0, 90); }, {10, 10, 10, 10}},
        {"string rect", [&](TGPGraphicsPath& p) { return p.AddString("Dam", 3, &family, 0, 20, TGPRect{5, 5, 100, 40}, nullptr); }, {-1, -1, -1, -1}},
        {"string point", [&](TGPGraphicsPath& p) { return p.AddString("Dam", 3, &family, 0, 20, TGPPoint{5, 5}, nullptr); }, {-1, -1, -1, -1}},
    };
    for (const Figure& f : figures) {
        TGPGraphicsPath path;
        EXPECT_EQ(f.add(path), Ok) << f.name;
        TGPRect bounds;
        EXPECT_EQ(path.GetBounds(bounds), Ok) << f.name;
        if (f.bounds.X < 0) {
            EXPECT_GE(bounds.X, 5) << f.name;
            EXPECT_GT(bounds.Width, 20) << f.name;
            continue;
        }
        EXPECT_NEAR(bounds.X, f.bounds.X, 1) << f.name;
        EXPECT_NEAR(bounds.Y, f.bounds.Y, 1) << f.name;
        EXPECT_NEAR(bounds.Width, f.bounds.Width, 1) << f.name;
        EXPECT_NEAR(bounds.Height, f.bounds.Height, 1) << f.name;
    }
    TGPGraphicsPath box;
    box.AddRectangle(Box);
    TGPPen wide(Ink, 4);
    EXPECT_TRUE(box.IsVisible(TGPPoint{15, 15}));
    EXPECT_TRUE(box.IsOutlineVisible(TGPPoint{10, 15}, &wide));
    EXPECT_FALSE(box.IsOutlineVisible(TGPPointF{20, 20}, &wide));

    // A region combined with Integer rectangles, and through a region handle both ways.
    TGPRegion region(TGPRect{0, 0, 20, 20});
    EXPECT_EQ(region.Exclude(TGPRect{0, 0, 10, 20}), Ok);
    EXPECT_EQ(region.Union(TGPRect{30, 0, 5, 5}), Ok);
    EXPECT_FALSE(region.IsVisible(5, 5));
    EXPECT_TRUE(region.IsVisible(TGPPoint{15, 5}));
    EXPECT_TRUE(region.IsVisible(TGPPointF{31, 1}));
    EXPECT_TRUE(region.IsVisible(12, 2, 2, 2));
    EXPECT_FALSE(region.IsVisible(TGPRect{0, 0, 5, 5}));
    EXPECT_TRUE(region.IsVisible(12.0f, 2.0f, 2.0f, 2.0f));
    TCanvas40 c;
    TGPRect bounds;
    EXPECT_EQ(region.GetBounds(bounds, &c.Surface), NotImplemented);   // not in libgdiplus
    EXPECT_EQ(region.GetLastStatus(), NotImplemented);
    TGPMatrix identity;
    Integer count = region.GetRegionScansCount(&identity);
    ASSERT_GT(count, 0);
    std::vector<TGPRect> scans(static_cast<size_t>(count));
    EXPECT_EQ(region.GetRegionScans(&identity, scans.data(), count), Ok);
    EXPECT_EQ(scans[0].X, 10);
    HRGN handle = region.GetHRGN(&c.Surface);
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(PtInRegion(handle, 15, 5));
    EXPECT_FALSE(PtInRegion(handle, 5, 5));
    TGPRegion fromHandle(handle, 0, 0);
    std::unique_ptr<TGPRegion> fromHRGN = TGPRegion::FromHRGN(handle);
    DeleteObject(handle);
    ASSERT_NE(fromHRGN, nullptr);
    for (TGPRegion* r : {&fromHandle, fromHRGN.get()}) {
        EXPECT_TRUE(r->IsEqual(&region, &c.Surface));
        EXPECT_EQ(r->GetLastStatus(), Ok);
    }
    EXPECT_EQ(TGPRegion::FromHRGN(nullptr), nullptr);
    TGPRegion infinite;
    EXPECT_EQ(infinite.GetHRGN(&c.Surface), nullptr);
}

TEST(GxGDIPlusWrapper, BrushesWithIntegerGeometryImageAttributesTransformsPathsAndBlends)
{
    // Texture brushes made every way paint the picture.
    TCanvas40 picture;
    TGPImageAttributes attributes;
    const std::vector<TDrawing> textures = {
        {"texture rectF", [](TCanvas40& c) { TGPTextureBrush t(&c.Picture, WrapModeTile, TGPRectF{0, 0, 5, 5}); return c.Surface.FillRectangle(&t, 0, 0, 40, 40); }, {20, 20}, {20, 20}},
        {"texture coordinates", [](TCanvas40& c) { TGPTextureBrush t(&c.Picture, WrapModeTile, 0.0f, 0.0f, 5.0f, 5.0f); return c.Surface.FillRectangle(&t, 0, 0, 40, 40); }, {20, 20}, {20, 20}},
        {"texture rect", [](TCanvas40& c) { TGPTextureBrush t(&c.Picture, WrapModeTile, TGPRect{0, 0, 5, 5}); return c.Surface.FillRectangle(&t, 0, 0, 40, 40); }, {20, 20}, {20, 20}},
        {"texture I", [](TCanvas40& c) { TGPTextureBrush t(&c.Picture, WrapModeTile, 0, 0, 5, 5); return c.Surface.FillRectangle(&t, 0, 0, 40, 40); }, {20, 20}, {20, 20}},
        {"texture attributes", [&](TCanvas40& c) { TGPTextureBrush t(&c.Picture, TGPRectF{0, 0, 5, 5}, &attributes); return c.Surface.FillRectangle(&t, 0, 0, 40, 40); }, {2, 2}, {2, 2}},
        {"texture I attributes", [&](TCanvas40& c) { TGPTextureBrush t(&c.Picture, TGPRect{0, 0, 5, 5}, &attributes); return c.Surface.FillRectangle(&t, 0, 0, 40, 40); }, {2, 2}, {2, 2}},
    };
    for (const TDrawing& d : textures) {
        TCanvas40 c;
        EXPECT_EQ(d.draw(c), Ok) << d.name;
        EXPECT_EQ(c.At(d.inked.X, d.inked.Y), Ink) << d.name;
    }
    // Transforms of texture and path-gradient brushes: each call answers Ok and moves the matrix.
    TGPTextureBrush texture(&picture.Picture);
    TGPPointF square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    TGPPathGradientBrush gradient(square, 4);
    TGPMatrix twice(2, 0, 0, 2, 0, 0);
    struct Transform {
        const char* name;
        std::function<Status()> apply;
        std::function<Status(TGPMatrix&)> get;
        TMatrixArray expected;
    };
    const Transform transforms[] = {
        {"texture multiply", [&] { return texture.MultiplyTransform(&twice); }, [&](TGPMatrix& m) { return texture.GetTransform(&m); }, {2, 0, 0, 2, 0, 0}},
        {"texture scale", [&] { return texture.ScaleTransform(1, 3); }, [&](TGPMatrix& m) { return texture.GetTransform(&m); }, {2, 0, 0, 6, 0, 0}},
        {"texture rotate", [&] { texture.ResetTransform(); return texture.RotateTransform(90); }, [&](TGPMatrix& m) { return texture.GetTransform(&m); }, {0, 1, -1, 0, 0, 0}},
        {"gradient translate", [&] { return gradient.TranslateTransform(4, 5); }, [&](TGPMatrix& m) { return gradient.GetTransform(&m); }, {1, 0, 0, 1, 4, 5}},
        {"gradient scale", [&] { gradient.ResetTransform(); return gradient.ScaleTransform(2, 3); }, [&](TGPMatrix& m) { return gradient.GetTransform(&m); }, {2, 0, 0, 3, 0, 0}},
        {"gradient rotate", [&] { gradient.ResetTransform(); return gradient.RotateTransform(90); }, [&](TGPMatrix& m) { return gradient.GetTransform(&m); }, {0, 1, -1, 0, 0, 0}},
    };
    for (const Transform& t : transforms) {
        EXPECT_EQ(t.apply(), Ok) << t.name;
        TGPMatrix m;
        EXPECT_EQ(t.get(m), Ok) << t.name;
        TMatrixArray e;
        m.GetElements(e);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(e[i], t.expected[i], 1e-5) << t.name << " " << i;
    }
    // Linear gradients from an Integer rectangle with an angle, and their Integer rectangle.
    TGPLinearGradientBrush linear(TGPRect{2, 3, 20, 10}, Ink, White, 45, false);
    EXPECT_EQ(linear.GetLastStatus(), Ok);
    TGPRect rect;
    EXPECT_EQ(linear.GetRectangle(rect), Ok);
    EXPECT_EQ(rect.X, 2);
    EXPECT_EQ(rect.Width, 20);
    // The path gradient's centre and rectangle in Integers, its gamma, blend and outline.
    EXPECT_EQ(gradient.SetCenterPoint(TGPPoint{3, 4}), Ok);
    TGPPoint centre;
    EXPECT_EQ(gradient.GetCenterPoint(centre), Ok);
    EXPECT_EQ(centre.X, 3);
    EXPECT_EQ(centre.Y, 4);
    EXPECT_EQ(gradient.GetRectangle(rect), Ok);
    EXPECT_EQ(rect.Width, 10);
    EXPECT_EQ(gradient.SetGammaCorrection(true), Ok);
    EXPECT_TRUE(gradient.GetGammaCorrection());
    const Single factors[3] = {0, 0.5f, 1}, positions[3] = {0, 0.5f, 1};
    EXPECT_EQ(gradient.SetBlend(factors, positions, 3), Ok);
    EXPECT_EQ(gradient.GetBlendCount(), 3);
    Single readFactors[3] = {}, readPositions[3] = {};
    EXPECT_EQ(gradient.GetBlend(readFactors, readPositions, 3), Ok);
    EXPECT_EQ(readFactors[1], 0.5f);
    EXPECT_EQ(gradient.GetGraphicsPath(nullptr), InvalidParameter);
    EXPECT_EQ(gradient.SetGraphicsPath(nullptr), InvalidParameter);
    gradient.GetLastStatus();
    TGPGraphicsPath outline;
    EXPECT_EQ(gradient.GetGraphicsPath(&outline), NotImplemented);   // libgdiplus answers so
    EXPECT_EQ(gradient.SetGraphicsPath(&outline), NotImplemented);
}

TEST(GxGDIPlusWrapper, ImagesAndImageAttributesWithTheirRemainingMethods)
{
    // Parts of a bitmap copied by a rectangle record, Integer or Single.
    TCanvas40 c;
    c.Surface.FillRectangle(&c.Brush, 10, 10, 5, 5);
    std::unique_ptr<TGPBitmap> parts[2] = {c.Bitmap.Clone(TGPRect{10, 10, 8, 8}, PixelFormat32bppARGB),
                                           c.Bitmap.Clone(TGPRectF{10, 10, 8, 8}, PixelFormat32bppARGB)};
    for (const std::unique_ptr<TGPBitmap>& part : parts) {
        ASSERT_NE(part, nullptr);
        EXPECT_EQ(part->GetWidth(), 8u);
        ARGB inked = 0, clean = 0;
        part->GetPixel(2, 2, inked);
        part->GetPixel(6, 6, clean);
        EXPECT_EQ(inked, Ink);
        EXPECT_EQ(clean, White);
    }
    TGPBitmap bitmap(4, 4);
    Cardinal size = 0, count = 0;
    EXPECT_EQ(bitmap.GetPropertySize(size, count), Ok);
    EXPECT_EQ(count, 0u);
    // No property items: an empty buffer is all there is to read.
    PropertyItem none{};
    EXPECT_NE(bitmap.GetAllPropertyItems(0, 0, &none), Ok);
    bitmap.GetLastStatus();
    // A bitmap from a device-independent bitmap record: libgdiplus has no such entry.
    TGPBitmap dib(static_cast<const BITMAPINFO*>(nullptr), nullptr);
    EXPECT_EQ(dib.GetLastStatus(), NotImplemented);
    EXPECT_EQ(TGPBitmap::FromBITMAPINFO(nullptr, nullptr)->GetLastStatus(), NotImplemented);
    TGPBitmap resource(HINSTANCE(0), "NOSUCHBITMAP");
    EXPECT_NE(resource.GetLastStatus(), Ok);
    EXPECT_EQ(resource.Native(), nullptr);
    EXPECT_EQ(TGPBitmap::FromResource(HINSTANCE(0), "NOSUCHBITMAP")->Native(), nullptr);
    TGPImageAttributes attributes;
    // A profile file that does not exist is refused; clearing needs none.
    EXPECT_NE(attributes.SetOutputChannelColorProfile("no such profile.icc"), Ok);
    EXPECT_EQ(attributes.ClearOutputChannelColorProfile(), Ok);
    attributes.GetLastStatus();
    struct {
        ColorPalette palette;
        ARGB more[1];
    } palette{{0, 2, {0xFF000000}}, {0xFFFFFFFF}};
    EXPECT_EQ(attributes.GetAdjustedPalette(&palette.palette, ColorAdjustTypeBitmap), NotImplemented);
}

namespace {
struct TCall {
    const char* name;
    std::function<Status()> call;
    Status expected;
};
// A getter's value as a status: Ok when it is the expected one.
template <class T>
Status Is(T value, T expected)
{
    return value == expected ? Ok : GenericError;
}
void CheckCalls(const char* family, const std::vector<TCall>& calls)
{
    for (const TCall& c : calls) EXPECT_EQ(c.call(), c.expected) << family << ": " << c.name;
}
}  // namespace

TEST(GxGDIPlusWrapper, EveryMethodOfTheGeometryFamiliesAnswers)
{
    TGPMatrix m;
    TGPMatrix shift(1, 0, 0, 1, 3, 4);
    TGPPointF vector[1] = {{1, 0}};
    TGPPoint vectorI[1] = {{1, 0}};
    CheckCalls("matrix", {
        {"SetElements", [&] { return m.SetElements(1, 0, 0, 1, 3, 4); }, Ok},
        {"OffsetX", [&] { return Is(m.OffsetX(), 3.0f); }, Ok},
        {"OffsetY", [&] { return Is(m.OffsetY(), 4.0f); }, Ok},
        {"IsIdentity", [&] { return Is(m.IsIdentity(), false); }, Ok},
        {"Reset", [&] { return m.Reset(); }, Ok},
        {"IsIdentity after Reset", [&] { return Is(m.IsIdentity(), true); }, Ok},
        {"Multiply", [&] { return m.Multiply(&shift); }, Ok},
        {"Scale", [&] { return m.Scale(2, 2); }, Ok},
        {"Shear", [&] { return m.Shear(0, 0); }, Ok},
        {"IsInvertible", [&] { return Is(m.IsInvertible(), true); }, Ok},
        {"TransformVectors", [&] { m.TransformVectors(vector, 1); return Is(vector[0].X, 2.0f); }, Ok},
        {"TransformVectors I", [&] { m.TransformVectors(vectorI, 1); return Is(vectorI[0].X, 2); }, Ok},
    });
    TGPGraphicsPath path;
    TGPPointF last;
    std::uint8_t types[8];
    TGPPointF points[8];
    TGPPoint pointsI[8];
    TGPPointF corners[4] = {{0, 0}, {20, 0}, {0, 20}, {20, 20}};
    TGPPen pen(Ink, 2);
    CheckCalls("path", {
        {"AddRectangle", [&] { return path.AddRectangle(TGPRectF{0, 0, 10, 10}); }, Ok},
        {"GetLastPoint", [&] { path.GetLastPoint(last); return Is(last.Y, 10.0f); }, Ok},
        {"GetPathTypes", [&] { return path.GetPathTypes(types, 4); }, Ok},
        {"GetPathPoints", [&] { path.GetPathPoints(points, 4); return Is(points[2].X, 10.0f); }, Ok},
        {"GetPathPoints I", [&] { path.GetPathPoints(pointsI, 4); return Is(pointsI[2].Y, 10); }, Ok},
        {"SetMarker", [&] { return path.SetMarker(); }, Ok},
        {"ClearMarkers", [&] { return path.ClearMarkers(); }, Ok},
        {"Reverse", [&] { path.Reverse(); path.GetPathPoints(points, 4); return Is(points[0].Y, 10.0f); }, Ok},
        {"CloseAllFigures", [&] { return path.CloseAllFigures(); }, Ok},
        {"SetFillMode", [&] { path.SetFillMode(FillModeWinding); return Is(path.GetFillMode(), FillModeWinding); }, Ok},
        {"Transform", [&] { path.Transform(&shift); TGPRectF b; path.GetBounds(b); return Is(b.X, 3.0f); }, Ok},
        {"Flatten", [&] { return path.Flatten(); }, Ok},
        {"Widen", [&] { return path.Widen(&pen); }, Ok},
        {"Outline", [&] { return path.Outline(); }, NotImplemented},   // not in libgdiplus
        {"Warp", [&] { return path.Warp(corners, 4, TGPRectF{0, 0, 20, 20}); }, Ok},
        {"Reset", [&] { path.Reset(); return Is(path.GetPointCount(), 0); }, Ok},
    });
    path.GetLastStatus();
    TGPRegion region(TGPRectF{0, 0, 10, 10});
    TGPRegion other(TGPRectF{5, 0, 10, 10});
    TGPGraphicsPath square;
    square.AddRectangle(TGPRectF{0, 0, 4, 4});
    TCanvas40 c;
    CheckCalls("region", {
        {"Intersect", [&] { region.Intersect(TGPRectF{0, 0, 8, 10}); return Is(region.IsVisible(9, 5), false); }, Ok},
        {"Xor_", [&] { region.Xor_(&other); return Is(region.IsVisible(6, 5), false); }, Ok},
        {"Complement", [&] { return region.Complement(&square); }, Ok},
        {"Transform", [&] { return region.Transform(&shift); }, Ok},
        {"MakeEmpty", [&] { region.MakeEmpty(); return Is(region.IsEmpty(&c.Surface), true); }, Ok},
        {"MakeInfinite", [&] { region.MakeInfinite(); return Is(region.IsInfinite(&c.Surface), true); }, Ok},
        {"Intersect with a path", [&] { region.Intersect(&square); return Is(region.IsVisible(2, 2), true); }, Ok},
    });
}

TEST(GxGDIPlusWrapper, EveryMethodOfThePenBrushAndCapFamiliesAnswers)
{
    // The published cap numbers.
    constexpr Integer LineCapSquare = 1, LineCapRound = 2, DashCapRound = 2;
    TGPPen pen(Ink, 2);
    TGPCustomLineCap cap;
    TGPGraphicsPath arrow;
    const TGPPointF head[3] = {{-2, -2}, {0, 0}, {2, -2}};
    arrow.AddLines(head, 3);
    TGPCustomLineCap start(nullptr, &arrow);
    const Single dashes[2] = {2, 1}, compound[4] = {0, 0.25f, 0.75f, 1};
    Single read[4] = {};
    TGPSolidBrush solid(Ink);
    CheckCalls("pen", {
        {"SetStartCap", [&] { pen.SetStartCap(LineCapRound); return Is(pen.GetStartCap(), LineCapRound); }, Ok},
        {"SetEndCap", [&] { pen.SetEndCap(LineCapSquare); return Is(pen.GetEndCap(), LineCapSquare); }, Ok},
        {"SetDashCap", [&] { pen.SetDashCap(DashCapRound); return Is(pen.GetDashCap(), DashCapRound); }, Ok},
        {"SetDashOffset", [&] { pen.SetDashOffset(1.5f); return Is(pen.GetDashOffset(), 1.5f); }, Ok},
        {"SetDashPattern", [&] { return pen.SetDashPattern(dashes, 2); }, Ok},
        {"GetDashPatternCount", [&] { return Is(pen.GetDashPatternCount(), 2); }, Ok},
        {"GetDashPattern", [&] { pen.GetDashPattern(read, 2); return Is(read[0], 2.0f); }, Ok},
        {"SetCompoundArray", [&] { return pen.SetCompoundArray(compound, 4); }, Ok},
        {"GetCompoundArrayCount", [&] { return Is(pen.GetCompoundArrayCount(), 4); }, Ok},
        {"SetCustomStartCap", [&] { return pen.SetCustomStartCap(&start); }, Ok},
        {"GetCustomStartCap", [&] { return pen.GetCustomStartCap(&cap); }, Ok},
        {"GetPenType", [&] { return Is(pen.GetPenType(), 0); }, Ok},
        {"SetBrush", [&] { return pen.SetBrush(&solid); }, Ok},
    });
    TGPCustomLineCap line(nullptr, &arrow);
    CheckCalls("custom cap", {
        {"SetStrokeCap", [&] { return line.SetStrokeCap(LineCapRound); }, Ok},
        {"SetStrokeJoin", [&] { line.SetStrokeJoin(LineJoinRound); return Is(line.GetStrokeJoin(), LineJoinRound); }, Ok},
        {"SetBaseCap", [&] { line.SetBaseCap(LineCapRound); return Is(line.GetBaseCap(), LineCapRound); }, Ok},
        {"SetBaseInset", [&] { line.SetBaseInset(2); return Is(line.GetBaseInset(), 2.0f); }, Ok},
        {"SetWidthScale", [&] { line.SetWidthScale(3); return Is(line.GetWidthScale(), 3.0f); }, Ok},
    });
    TGPHatchBrush hatch(HatchStyleCross, Ink, White);
    ARGB fore = 0, back = 0;
    CheckCalls("hatch brush", {
        {"GetHatchStyle", [&] { return Is(hatch.GetHatchStyle(), HatchStyleCross); }, Ok},
        {"GetForegroundColor", [&] { hatch.GetForegroundColor(fore); return Is(fore, Ink); }, Ok},
        {"GetBackgroundColor", [&] { hatch.GetBackgroundColor(back); return Is(back, White); }, Ok},
    });
    TCanvas40 c;
    TGPTextureBrush texture(&c.Picture);
    CheckCalls("texture brush", {
        {"SetWrapMode", [&] { texture.SetWrapMode(WrapModeClamp); return Is(texture.GetWrapMode(), WrapModeClamp); }, Ok},
        {"GetImage", [&] { return Is(texture.GetImage()->GetWidth(), 10u); }, Ok},
    });
    TGPLinearGradientBrush linear(TGPRectF{0, 0, 10, 10}, Ink, White, LinearGradientModeHorizontal);
    CheckCalls("linear gradient", {
        {"SetWrapMode", [&] { linear.SetWrapMode(WrapModeTileFlipX); return Is(linear.GetWrapMode(), WrapModeTileFlipX); }, Ok},
        {"SetBlendBellShape", [&] { linear.SetBlendBellShape(0.5f); return Is(linear.GetBlendCount() > 1, true); }, Ok},
        {"SetBlendTriangularShape", [&] { return linear.SetBlendTriangularShape(0.5f); }, Ok},
    });
    TGPPointF square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    TGPPathGradientBrush gradient(square, 4);
    Single sx = 0, sy = 0;
    CheckCalls("path gradient", {
        {"GetSurroundColorCount", [&] { return Is(gradient.GetSurroundColorCount() > 0, true); }, Ok},
        {"SetWrapMode", [&] { gradient.SetWrapMode(WrapModeTile); return Is(gradient.GetWrapMode(), WrapModeTile); }, Ok},
        {"SetFocusScales", [&] { gradient.SetFocusScales(0.5f, 0.25f); gradient.GetFocusScales(sx, sy); return Is(sy, 0.25f); }, Ok},
        {"SetBlendBellShape", [&] { return gradient.SetBlendBellShape(0.5f); }, Ok},
        {"SetBlendTriangularShape", [&] { return gradient.SetBlendTriangularShape(0.5f); }, Ok},
    });
}

TEST(GxGDIPlusWrapper, EveryMethodOfTheTextImageAndSurfaceFamiliesAnswers)
{
    std::uint16_t height = 0;
    CheckCalls("font family", {
        {"GenericSansSerif", [] { return Is(TGPFontFamily::GenericSansSerif()->IsAvailable(), true); }, Ok},
        {"GenericSerif", [] { return Is(TGPFontFamily::GenericSerif()->IsAvailable(), true); }, Ok},
        {"GenericMonospace", [] { return Is(TGPFontFamily::GenericMonospace()->IsAvailable(), true); }, Ok},
        {"IsStyleAvailable", [] { return Is(TGPFontFamily::GenericSansSerif()->IsStyleAvailable(FontStyleBold), true); }, Ok},
        {"GetEmHeight", [&] { height = TGPFontFamily::GenericSansSerif()->GetEmHeight(0); return Is(height > 0, true); }, Ok},
        {"GetCellAscent", [&] { return Is(TGPFontFamily::GenericSansSerif()->GetCellAscent(0) > 0, true); }, Ok},
        {"GetCellDescent", [&] { return Is(TGPFontFamily::GenericSansSerif()->GetCellDescent(0) > 0, true); }, Ok},
        {"GetLineSpacing", [&] { return Is(TGPFontFamily::GenericSansSerif()->GetLineSpacing(0) >= height, true); }, Ok},
    });
    TGPFontCollection installed;
    TGPFont font("Liberation Sans", 10, FontStyleRegular, UnitPixel);
    TCanvas40 c;
    LOGFONTW logfont;
    CheckCalls("font", {
        {"GetFamilyCount", [&] { installed.GetFamilyCount(); return installed.GetLastStatus(); }, InvalidParameter},
        {"GetUnit", [&] { return Is(font.GetUnit(), UnitPixel); }, Ok},
        {"GetLogFontW", [&] { return font.GetLogFontW(&c.Surface, logfont); }, Ok},
    });
    TGPStringFormat format;
    const Single stops[2] = {10, 20};
    Single first = 0, read[2] = {};
    const TCharacterRange ranges[1] = {{0, 2}};
    CheckCalls("string format", {
        {"GenericDefault", [] { return TGPStringFormat::GenericDefault()->GetLastStatus(); }, Ok},
        {"GenericTypographic", [] { return TGPStringFormat::GenericTypographic()->GetLastStatus(); }, Ok},
        {"SetTabStops", [&] { return format.SetTabStops(5, 2, stops); }, Ok},
        {"GetTabStopCount", [&] { return Is(format.GetTabStopCount(), 2); }, Ok},
        {"GetTabStops", [&] { format.GetTabStops(2, first, read); return Is(read[1], 20.0f); }, Ok},
        {"SetDigitSubstitution", [&] { return format.SetDigitSubstitution(9, StringDigitSubstituteNone); }, Ok},
        {"GetDigitSubstitutionLanguage", [&] { return Is(format.GetDigitSubstitutionLanguage(), Word(9)); }, Ok},
        {"GetDigitSubstitutionMethod", [&] { return Is(format.GetDigitSubstitutionMethod(), StringDigitSubstituteNone); }, Ok},
        {"SetMeasurableCharacterRanges", [&] { return format.SetMeasurableCharacterRanges(1, ranges); }, Ok},
        {"GetMeasurableCharacterRangeCount", [&] { return Is(format.GetMeasurableCharacterRangeCount(), 1); }, Ok},
    });
    TGPBitmap& bitmap = c.Bitmap;
    BitmapData data;
    HBITMAP hbm = nullptr;
    HICON icon = nullptr;
    // Turned on a bitmap that owns its pixels: libgdiplus loses the turned copy of pixels it was lent.
    TGPBitmap owning(4, 4);
    CheckCalls("image and bitmap", {
        {"GetFlags", [&] { bitmap.GetFlags(); return bitmap.GetLastStatus(); }, Ok},
        {"GetPixelFormat", [&] { return Is(bitmap.GetPixelFormat(), Integer(PixelFormat32bppARGB)); }, Ok},
        {"SetResolution", [&] { bitmap.SetResolution(120, 144); return Is(bitmap.GetVerticalResolution(), 144.0f); }, Ok},
        {"GetHorizontalResolution", [&] { return Is(bitmap.GetHorizontalResolution(), 120.0f); }, Ok},
        {"GetPropertyCount", [&] { return Is(bitmap.GetPropertyCount(), 0u); }, Ok},
        {"GetFrameDimensionsCount", [&] { return Is(bitmap.GetFrameDimensionsCount(), 1u); }, Ok},
        {"RotateFlip", [&] { return owning.RotateFlip(Rotate180FlipNone); }, Ok},
        {"LockBits", [&] { return bitmap.LockBits(TGPRect{0, 0, 4, 4}, 1, PixelFormat32bppARGB, data); }, Ok},
        {"UnlockBits", [&] { return bitmap.UnlockBits(data); }, Ok},
        {"GetHBITMAP", [&] { return bitmap.GetHBITMAP(White, hbm); }, Ok},
        {"GetHICON", [&] { return bitmap.GetHICON(icon); }, NotImplemented},   // no icons from GDI+ here
        {"GetThumbnailImage", [&] { return Is(bitmap.GetThumbnailImage(8, 8)->GetWidth(), 8u); }, Ok},
    });
    delete hbm;
    delete icon;
    TGPImageAttributes attributes;
    const ColorMap map[1] = {{Ink, White}};
    ColorMatrix identity{};
    for (int i = 0; i < 5; ++i) identity.m[i][i] = 1;
    CheckCalls("image attributes", {
        {"SetToIdentity", [&] { return attributes.SetToIdentity(); }, Ok},
        {"Reset", [&] { return attributes.Reset(); }, Ok},
        {"SetColorMatrix", [&] { return attributes.SetColorMatrix(identity); }, Ok},
        {"ClearColorMatrix", [&] { return attributes.ClearColorMatrix(); }, Ok},
        {"SetThreshold", [&] { return attributes.SetThreshold(0.5f); }, Ok},
        {"ClearThreshold", [&] { return attributes.ClearThreshold(); }, Ok},
        {"SetGamma", [&] { return attributes.SetGamma(2.2f); }, Ok},
        {"ClearGamma", [&] { return attributes.ClearGamma(); }, Ok},
        {"SetNoOp", [&] { return attributes.SetNoOp(); }, Ok},
        {"ClearNoOp", [&] { return attributes.ClearNoOp(); }, Ok},
        {"SetOutputChannel", [&] { return attributes.SetOutputChannel(ColorChannelFlagsC); }, Ok},
        {"ClearOutputChannel", [&] { return attributes.ClearOutputChannel(); }, Ok},
        {"SetRemapTable", [&] { return attributes.SetRemapTable(1, map); }, Ok},
        {"ClearRemapTable", [&] { return attributes.ClearRemapTable(); }, Ok},
        {"SetBrushRemapTable", [&] { return attributes.SetBrushRemapTable(1, map); }, Ok},
        {"ClearBrushRemapTable", [&] { return attributes.ClearBrushRemapTable(); }, Ok},
        {"SetWrapMode", [&] { return attributes.SetWrapMode(WrapModeTile); }, Ok},
    });
    TGPGraphics& g = c.Surface;
    Integer ox = -1, oy = -1;
    ARGB nearest = 0xFF102030;
    TGPRegion clip;
    CheckCalls("surface", {
        {"SetCompositingMode", [&] { g.SetCompositingMode(CompositingModeSourceCopy); return Is(g.GetCompositingMode(), CompositingModeSourceCopy); }, Ok},
        {"SetCompositingQuality", [&] { g.SetCompositingQuality(2); return Is(g.GetCompositingQuality(), 2); }, Ok},
        {"SetInterpolationMode", [&] { g.SetInterpolationMode(5); return Is(g.GetInterpolationMode(), 5); }, Ok},
        {"SetPixelOffsetMode", [&] { g.SetPixelOffsetMode(4); return Is(g.GetPixelOffsetMode(), 4); }, Ok},
        {"SetTextRenderingHint", [&] { g.SetTextRenderingHint(TextRenderingHintAntiAlias); return Is(g.GetTextRenderingHint(), TextRenderingHintAntiAlias); }, Ok},
        {"SetTextContrast", [&] { g.SetTextContrast(4); return Is(g.GetTextContrast(), 4u); }, Ok},
        {"SetRenderingOrigin", [&] { g.SetRenderingOrigin(3, 4); g.GetRenderingOrigin(ox, oy); return Is(oy, 4); }, Ok},
        {"SetPageUnit", [&] { g.SetPageUnit(UnitPixel); return Is(g.GetPageUnit(), UnitPixel); }, Ok},
        {"SetPageScale", [&] { g.SetPageScale(1); return Is(g.GetPageScale(), 1.0f); }, Ok},
        {"GetDpiX", [&] { return Is(g.GetDpiX() > 0 && g.GetDpiY() > 0, true); }, Ok},
        {"GetNearestColor", [&] { return g.GetNearestColor(nearest); }, Ok},
        {"GetClip", [&] { g.GetClip(&clip); return Is(clip.IsInfinite(&g), true); }, Ok},
        {"IsClipEmpty", [&] { return Is(g.IsClipEmpty() || g.IsVisibleClipEmpty(), false); }, Ok},
    });
    // A region filled on a fresh surface; the device context of a surface made on a canvas.
    TCanvas40 fresh;
    TGPRegion corner(TGPRect{0, 0, 5, 5});
    EXPECT_EQ(fresh.Surface.FillRegion(&fresh.Brush, &corner), Ok);
    EXPECT_EQ(fresh.At(2, 2), Ink);
    EXPECT_EQ(fresh.At(7, 7), White);
    TBitmap canvasBitmap;
    canvasBitmap.SetSize(4, 4);
    TGPGraphics onCanvas(&canvasBitmap.Canvas(), 0, 0);
    HDC dc = onCanvas.GetHDC();
    EXPECT_EQ(dc, &canvasBitmap.Canvas());
    onCanvas.ReleaseHDC(dc);
    EXPECT_EQ(onCanvas.GetLastStatus(), Ok);
}
