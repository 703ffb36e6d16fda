// The drawing object through a recording back end: its defaults, state passed once, which shapes
// fill and which stroke, saved states, paths cut into segments; point tests and colour text.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "GraphicsTestSupport.h"
#include "QuietGraphicsContext.h"
#include "graphics/GxGraphics.h"
#include "platform/rtl/Exceptions.h"

namespace {

// A back end that writes down what it is asked, one line per call.
class TRecordingContext : public TQuietGraphicsContext {
public:
    using TQuietGraphicsContext::TQuietGraphicsContext;
    std::vector<std::string> Calls;

    static std::string Pt(const TPointF& p)
    {
        std::ostringstream s;
        s << p.X << "," << p.Y;
        return s.str();
    }
    static std::string Rc(const TRectF& r) { return Pt({r.Left, r.Top}) + "-" + Pt({r.Right, r.Bottom}); }
    void Log(const std::string& call) { Calls.push_back(call); }

    void* CreatePath() override { return this; }
    TColor GetFillColor() override { return FFillColor; }
    TRectF CalculateText(const String&, const TRectF& r, bool) override { return {r.Left, r.Top, r.Left + 30, r.Top + 12}; }
    TGxGraphicsMatrix GetMatrix() override { return MatrixIdentity(); }
    void PathOpen(void*) override { Log("open"); }
    void PathMoveTo(void*, const TPointF& p) override { Log("move " + Pt(p)); }
    void PathLineTo(void*, const TPointF& p) override { Log("line " + Pt(p)); }
    void PathClose(void*) override { Log("close"); }
    void SetSize(float w, float h) override { Log("size " + Pt({w, h})); }
    void RestoreState(TGxGraphicsSaveState*) override { Log("restore"); }
    void SaveState(TGxGraphicsSaveState*) override { Log("save"); }
    void SetFontSize(Integer) override { Log("font size"); }
    void SetFontColor(TColor) override { Log("font color"); }
    void SetFontName(const String&) override { Log("font name"); }
    void SetFont(TGxGraphicsFont*) override { Log("font"); }
    void SetFontStyles(TFontStyles) override { Log("font styles"); }
    void SetMatrix(const TGxGraphicsMatrix&) override {}
    void SetFill(TGxGraphicsFill* f) override
    {
        FFillColor = f->Color();
        Log("fill");
    }
    void SetFillKind(TGxGraphicsFillKind) override { Log("fill kind"); }
    void SetFillColor(TColor c) override
    {
        FFillColor = c;
        Log("fill color");
    }
    void SetStroke(TGxGraphicsStroke*) override { Log("stroke"); }
    void SetStrokeKind(TGxGraphicsStrokeKind) override { Log("stroke kind"); }
    void SetStrokeColor(TColor) override { Log("stroke color"); }
    void SetStrokeWidth(float) override { Log("stroke width"); }
    void DrawLine(TGxGraphicsStroke*, const TPointF& a, const TPointF& b, TGxGraphicsModifyPointMode,
                  TGxGraphicsModifyPointMode) override
    {
        Log("DrawLine " + Pt(a) + " " + Pt(b));
    }
    void DrawPolygon(TGxGraphicsStroke*, const TGxGraphicsPathPolygon& p) override { Log("DrawPolygon " + std::to_string(p.size())); }
    void FillPolygon(TGxGraphicsFill*, const TGxGraphicsPathPolygon& p) override { Log("FillPolygon " + std::to_string(p.size())); }
    void DrawPolyline(TGxGraphicsStroke*, const TGxGraphicsPathPolygon& p) override { Log("DrawPolyline " + std::to_string(p.size())); }
    void FillPolyline(TGxGraphicsFill*, const TGxGraphicsPathPolygon& p) override { Log("FillPolyline " + std::to_string(p.size())); }
    void FillArc(TGxGraphicsFill*, const TPointF& c, const TPointF&, float, float) override { Log("FillArc " + Pt(c)); }
    void DrawArc(TGxGraphicsStroke*, const TPointF& c, const TPointF&, float, float) override { Log("DrawArc " + Pt(c)); }
    void FillRect(TGxGraphicsFill*, const TRectF& r, TGxGraphicsModifyRectMode) override { Log("FillRect " + Rc(r)); }
    void DrawRect(TGxGraphicsStroke*, const TRectF& r, TGxGraphicsSides s, TGxGraphicsModifyRectMode) override
    {
        Log("DrawRect " + Rc(r) + (s == AllSides ? " all" : " some"));
    }
    void FillRoundRect(TGxGraphicsFill*, const TRectF& r, float, TGxGraphicsCorners, TGxGraphicsModifyRectMode) override
    {
        Log("FillRoundRect " + Rc(r));
    }
    void DrawRoundRect(TGxGraphicsStroke*, const TRectF& r, float, TGxGraphicsCorners, TGxGraphicsModifyRectMode) override
    {
        Log("DrawRoundRect " + Rc(r));
    }
    void FillEllipse(TGxGraphicsFill*, const TRectF& r, TGxGraphicsModifyRectMode) override { Log("FillEllipse " + Rc(r)); }
    void DrawEllipse(TGxGraphicsStroke*, const TRectF& r, TGxGraphicsModifyRectMode) override { Log("DrawEllipse " + Rc(r)); }
    void DrawBitmap(TGraphic*, const TRectF&, const TRectF& d, float) override { Log("DrawBitmap " + Rc(d)); }
    void ClipRect(const TRectF& r) override { Log("ClipRect " + Rc(r)); }
    void ClipPath(TGxGraphicsPath*) override { Log("ClipPath"); }
    void DrawFocusPath(TGxGraphicsStroke*, TGxGraphicsPath*, TColor) override { Log("DrawFocusPath"); }
    void DrawFocusRectangle(TGxGraphicsStroke*, const TRectF& r, TColor, TGxGraphicsModifyRectMode) override
    {
        Log("DrawFocusRectangle " + Rc(r));
    }
    void DrawText(const String& t, const TRectF& r, bool, TGxGraphicsTextAlign, TGxGraphicsTextAlign,
                  TGxGraphicsTextTrimming, float) override
    {
        Log("DrawText " + t.ToUtf8() + " " + Rc(r));
    }
    void DrawPath(TGxGraphicsStroke*, TGxGraphicsPath*, TGxGraphicsPathDrawMode) override { Log("DrawPath"); }
    void FillPath(TGxGraphicsFill*, TGxGraphicsPath*, TGxGraphicsPathDrawMode) override { Log("FillPath"); }

private:
    TColor FFillColor = clNone;
};

std::unique_ptr<TGxGraphicsContext> MakeRecording(TGxGraphics* g)
{
    return std::make_unique<TRecordingContext>(g);
}

struct TRecorded {
    TGxGraphics Graphics{nullptr, MakeRecording};
    TRecordingContext& Context() { return *static_cast<TRecordingContext*>(Graphics.Context()); }
    std::vector<std::string> Take()
    {
        std::vector<std::string> calls = Context().Calls;
        Context().Calls.clear();
        return calls;
    }
};

using Calls = std::vector<std::string>;

// A white picture of the size.
std::unique_ptr<TGxBitmap> Picture(Integer AWidth, Integer AHeight)
{
    TBitmap bitmap;
    bitmap.SetSize(AWidth, AHeight);
    auto picture = std::make_unique<TGxBitmap>();
    picture->SetGraphic(&bitmap);
    return picture;
}

}  // namespace

TEST(GxGraphics, ANewDrawingObjectStartsFromItsDefaultsAndHandsThemToTheBackEnd)
{
    TRecorded r;
    EXPECT_EQ(r.Take(), (Calls{"size 1,1", "fill", "stroke", "font"}));
    EXPECT_EQ(r.Graphics.Fill()->Kind(), gfkSolid);
    EXPECT_EQ(r.Graphics.Fill()->Color(), 0xFFFFFF);
    EXPECT_EQ(r.Graphics.Fill()->ColorTo(), 0x808080);
    EXPECT_EQ(r.Graphics.Stroke()->Kind(), gskSolid);
    EXPECT_EQ(r.Graphics.Stroke()->Color(), 0xC0C0C0);
    EXPECT_EQ(r.Graphics.Stroke()->Width(), 1);
    EXPECT_EQ(r.Graphics.HighlightColor, 0xFF0000);
    EXPECT_EQ(r.Graphics.HighlightTextColor, 0xFFFFFF);
    EXPECT_EQ(r.Graphics.URLColor, 0xFF0000);
    EXPECT_TRUE(r.Graphics.URLUnderline);
    auto own = TGxGraphics::CreateBitmapCanvas(100, 50);
    EXPECT_EQ(own->Bitmap()->Width(), 100);
    EXPECT_EQ(own->Bitmap()->Height(), 50);
    EXPECT_EQ(own->HighlightColor, 0);
    EXPECT_EQ(own->HighlightTextColor, 0);
    EXPECT_FALSE(own->Native());
}

TEST(GxGraphics, EachChangeReachesTheBackEndOnce)
{
    TRecorded r;
    r.Take();
    r.Graphics.SetFillColor(0x0000FF);
    EXPECT_EQ(r.Take(), Calls{"fill color"});
    r.Graphics.Fill()->SetColor(0x00FF00);   // directly: the whole fill
    EXPECT_EQ(r.Take(), Calls{"fill"});
    r.Graphics.Stroke()->BeginUpdate();
    r.Graphics.Stroke()->SetColor(0);
    r.Graphics.Stroke()->SetWidth(3);
    r.Graphics.Stroke()->EndUpdate();
    EXPECT_EQ(r.Take(), Calls{"stroke"});
    r.Graphics.SetFontSize(12);
    EXPECT_EQ(r.Take(), Calls{"font size"});
    EXPECT_EQ(r.Graphics.Font()->Size(), 12);
}

TEST(GxGraphics, ShapesFillWhenTheFillIsInUseAndStrokeWhenTheStrokeIs)
{
    struct Case {
        const char* name;
        TColor fill;
        TGxGraphicsFillKind fillKind;
        TColor stroke;
        TGxGraphicsStrokeKind strokeKind;
        Calls rectangle, ellipse, polyline;
    };
    const Case cases[] = {
        {"both", 0xFF, gfkSolid, 0, gskSolid,
         {"FillRect 1,2-11,12", "DrawRect 1,2-11,12 all"}, {"FillEllipse 1,2-11,12", "DrawEllipse 1,2-11,12"},
         {"FillPolyline 3", "DrawPolyline 3"}},
        {"no fill colour", -1, gfkSolid, 0, gskSolid, {"DrawRect 1,2-11,12 all"}, {"DrawEllipse 1,2-11,12"},
         {"DrawPolyline 3"}},
        {"no stroke", 0xFF, gfkSolid, 0, gskNone, {"FillRect 1,2-11,12"}, {"FillEllipse 1,2-11,12"}, {"FillPolyline 3"}},
        {"fill kind none", 0xFF, gfkNone, -1, gskSolid, {}, {}, {}},
        {"texture", 0xFF, gfkTexture, 0, gskSolid, {"DrawBitmap 1,2-11,12", "DrawRect 1,2-11,12 all"},
         {"DrawBitmap 1,2-11,12", "DrawEllipse 1,2-11,12"}, {"FillPolyline 3", "DrawPolyline 3"}},
    };
    for (const Case& c : cases) {
        TRecorded r;
        r.Graphics.Fill()->BeginUpdate();
        r.Graphics.Fill()->SetColor(c.fill);
        r.Graphics.Fill()->SetKind(c.fillKind);
        r.Graphics.Fill()->SetTexture(Picture(4, 4).get());
        r.Graphics.Fill()->EndUpdate();
        r.Graphics.Stroke()->BeginUpdate();
        r.Graphics.Stroke()->SetColor(c.stroke);
        r.Graphics.Stroke()->SetKind(c.strokeKind);
        r.Graphics.Stroke()->EndUpdate();
        r.Take();
        r.Graphics.DrawRectangle(TRect{1, 2, 11, 12});
        EXPECT_EQ(r.Take(), c.rectangle) << c.name;
        r.Graphics.DrawEllipse(TRectF{1, 2, 11, 12});
        EXPECT_EQ(r.Take(), c.ellipse) << c.name;
        r.Graphics.DrawPolyline({{0, 0}, {5, 0}, {5, 5}});
        EXPECT_EQ(r.Take(), c.polyline) << c.name;
    }
    // The focus rectangle is drawn whatever the stroke.
    TRecorded r;
    r.Graphics.Stroke()->SetKind(gskNone);
    r.Take();
    r.Graphics.DrawFocusRectangle(TRectF{0, 0, 4, 4}, clBlack);
    EXPECT_EQ(r.Take(), Calls{"DrawFocusRectangle 0,0-4,4"});
    r.Graphics.ClipRect(TRect{1, 2, 3, 4});
    r.Graphics.ClipRect(TRectF{1, 2, 3, 4});
    EXPECT_EQ(r.Take(), (Calls{"ClipRect 1,2-3,4", "ClipRect 1,2-3,4"}));
}

TEST(GxGraphics, ATextureIsPaintedOverTheBoundsOfEveryFilledShapeButTheArcWithoutColourAndThePolyline)
{
    TRecorded r;
    r.Graphics.Fill()->BeginUpdate();
    r.Graphics.Fill()->SetColor(clNone);
    r.Graphics.Fill()->SetKind(gfkTexture);
    r.Graphics.Fill()->SetTexture(Picture(4, 4).get());
    r.Graphics.Fill()->EndUpdate();
    TGxGraphicsPath path;
    path.AddRectangle(TRectF{3, 4, 13, 9}, 0, 0);
    r.Take();
    r.Graphics.DrawRectangle(TRectF{1, 2, 11, 12});
    r.Graphics.DrawRoundRectangle(TRectF{1, 2, 11, 12}, 3);
    r.Graphics.DrawEllipse(TRectF{1, 2, 11, 12});
    r.Graphics.DrawPolygon({{0, 0}, {5, 0}, {5, 6}});
    r.Graphics.DrawPath(&path);
    r.Graphics.DrawArc(TPointF{20, 20}, TPointF{5, 5}, 0, 90);
    r.Graphics.DrawPolyline({{0, 0}, {5, 0}, {5, 5}});
    EXPECT_EQ(r.Take(), (Calls{"DrawBitmap 1,2-11,12", "DrawRect 1,2-11,12 all", "DrawBitmap 1,2-11,12",
                               "DrawRoundRect 1,2-11,12", "DrawBitmap 1,2-11,12", "DrawEllipse 1,2-11,12",
                               "DrawBitmap 0,0-5,6", "DrawPolygon 3", "DrawBitmap 3,4-13,9", "DrawPath",
                               "DrawArc 20,20", "DrawPolyline 3"}));
    // With a colour the arc paints it over the arc's bounds.
    r.Graphics.Fill()->SetColor(clRed);
    r.Take();
    r.Graphics.DrawArc(TPointF{20, 20}, TPointF{5, 5}, 0, 90);
    EXPECT_EQ(r.Take(), (Calls{"DrawBitmap 20,20-25,25", "DrawArc 20,20"}));
    // An empty picture paints nothing.
    r.Graphics.Fill()->SetTexture(nullptr);
    r.Take();
    r.Graphics.DrawRectangle(TRectF{1, 2, 11, 12});
    EXPECT_EQ(r.Take(), Calls{"DrawRect 1,2-11,12 all"});
}

TEST(GxGraphics, TheTextureModePlacesThePicture)
{
    struct Case {
        TGxGraphicsTextureMode mode;
        TRectF rect;
        Calls drawn;
    };
    const Case cases[] = {
        {gtmOriginal, {5, 5, 30, 20}, {"DrawBitmap 5,5-15,15"}},
        {gtmOriginal, {5, 5, 12, 20}, {"DrawBitmap 5,5-12,15"}},   // cut to the shape
        {gtmFit, {5, 5, 30, 20}, {"DrawBitmap 10,5-25,20"}},
        {gtmStretch, {5, 5, 30, 20}, {"DrawBitmap 5,5-30,20"}},
        {gtmCenter, {5, 5, 30, 20}, {"DrawBitmap 13,7-23,17"}},     // 7.5 rounds to 8, 2.5 to 2
        // whole tiles, the last column and row sticking out by 5
        {gtmTile, {0, 0, 25, 25}, {"DrawBitmap 0,0-10,10", "DrawBitmap 0,10-10,20", "DrawBitmap 0,20-10,30",
                                   "DrawBitmap 10,0-20,10", "DrawBitmap 10,10-20,20", "DrawBitmap 10,20-20,30",
                                   "DrawBitmap 20,0-30,10", "DrawBitmap 20,10-30,20", "DrawBitmap 20,20-30,30"}},
    };
    for (const Case& c : cases) {
        TRecorded r;
        r.Graphics.Stroke()->SetKind(gskNone);
        r.Graphics.Fill()->BeginUpdate();
        r.Graphics.Fill()->SetKind(gfkTexture);
        r.Graphics.Fill()->SetTextureMode(c.mode);
        r.Graphics.Fill()->SetTexture(Picture(10, 10).get());
        r.Graphics.Fill()->EndUpdate();
        r.Take();
        r.Graphics.DrawRectangle(c.rect);
        EXPECT_EQ(r.Take(), c.drawn) << c.mode << " " << c.rect.Right;
    }
}

TEST(GxGraphics, ASavedStateBringsTheFillBackUnlessOnlyTheCanvasWasSaved)
{
    TRecorded r;
    TGxGraphicsSaveState* state = r.Graphics.SaveState(false);
    r.Graphics.SetFillColor(0x123456);
    r.Graphics.RestoreState(state, false);
    EXPECT_EQ(r.Graphics.Fill()->Color(), 0xFFFFFF);
    state = r.Graphics.SaveState(true);
    r.Graphics.SetFillColor(0x123456);
    r.Graphics.RestoreState(state, true);
    EXPECT_EQ(r.Graphics.Fill()->Color(), 0x123456);
}

TEST(GxGraphics, TextIsDrawnInTheFontColourAndMeasuredOneUnitTaller)
{
    TRecorded r;
    EXPECT_EQ(r.Graphics.CalculateText("", TRectF{10, 10, 100, 100}), (TRectF{10, 10, 10, 10}));
    TRectF narrow = r.Graphics.CalculateText("text", TRectF{0, 0, 0.4f, 50});
    EXPECT_EQ(narrow.Bottom - narrow.Top, 0);
    EXPECT_EQ(r.Graphics.CalculateText("text"), (TRectF{0, 0, 30, 13}));
    EXPECT_EQ(r.Graphics.CalculateTextWidth("text"), 30);
    r.Graphics.Font()->SetColor(0x0000FF);
    r.Take();
    r.Graphics.DrawText(TRectF{0, 0, 50, 20}, "Dam", false, gtaCenter, gtaCenter, gttNone, 0, -1, 50);
    EXPECT_EQ(r.Take(), (Calls{"fill color", "DrawText Dam 0,0-50,50", "fill color"}));
    EXPECT_EQ(r.Context().GetFillColor(), 0xFFFFFF);   // put back
    r.Graphics.DrawText(TRectF{0, 0, 50, 20}, "Dam", false, gtaCenter, gtaCenter, gttNone, 0, -1, -1, true, true);
    EXPECT_EQ(r.Take(), (Calls{"fill color", "fill color"}));   // an anchor test draws nothing
}

TEST(GxGraphics, TheTextFormsOfEveryCoordinateTypeDrawAndMeasureAlike)
{
    // Each form against the floating-point rectangle form, in the minimum-height case: a rectangle
    // 20 high grows downwards to 50.
    using Draw = std::function<String(TGxGraphics&)>;
    String id, value, type;
    const Draw forms[] = {
        [](TGxGraphics& g) { return g.DrawText(TRectF{1, 2, 51, 22}, "Dam", false, gtaCenter, gtaCenter, gttNone, 0, -1, 50); },
        [](TGxGraphics& g) { return g.DrawText(1.0, 2.0, 51.0, 22.0, "Dam", false, gtaCenter, gtaCenter, gttNone, 0, -1, 50); },
        [](TGxGraphics& g) { return g.DrawText(TRect{1, 2, 51, 22}, "Dam", false, gtaCenter, gtaCenter, gttNone, 0, -1, 50); },
        [](TGxGraphics& g) { return g.DrawText(1, 2, 51, 22, "Dam", false, gtaCenter, gtaCenter, gttNone, 0, -1, 50); },
        [&](TGxGraphics& g) {
            return g.DrawText(TRectF{1, 2, 51, 22}, "Dam", id, value, type, false, gtaCenter, gtaCenter, gttNone, 0,
                              -1, 50, true, false, -1, -1);
        },
        [&](TGxGraphics& g) {
            return g.DrawText(1.0, 2.0, 51.0, 22.0, "Dam", id, value, type, false, gtaCenter, gtaCenter, gttNone, 0,
                              -1, 50, true, false, -1, -1);
        },
        [&](TGxGraphics& g) {
            return g.DrawText(TRect{1, 2, 51, 22}, "Dam", id, value, type, false, gtaCenter, gtaCenter, gttNone, 0, -1,
                              50, true, false, -1, -1);
        },
        [&](TGxGraphics& g) {
            return g.DrawText(1, 2, 51, 22, "Dam", id, value, type, false, gtaCenter, gtaCenter, gttNone, 0, -1, 50,
                              true, false, -1, -1);
        },
    };
    for (size_t i = 0; i < std::size(forms); ++i) {
        TRecorded r;
        r.Take();
        EXPECT_EQ(forms[i](r.Graphics), String()) << i;
        EXPECT_EQ(r.Take(), (Calls{"fill color", "DrawText Dam 1,2-51,52", "fill color"})) << i;
    }
    // The measuring forms: the rectangle form, its size, width and height, floating and whole.
    TRecorded r;
    EXPECT_EQ(r.Graphics.CalculateTextSize("text", TRectF{5, 5, 100, 100}), (TSizeF{30, 13}));
    EXPECT_EQ(r.Graphics.CalculateTextWidth("text", TRectF{5, 5, 100, 100}), 30);
    EXPECT_EQ(r.Graphics.CalculateTextHeight("text", TRectF{5, 5, 0.4f, 100}), 0);
    EXPECT_EQ(r.Graphics.CalculateTextSize("text", TRect{5, 5, 100, 100}), (TSize{30, 13}));
    EXPECT_EQ(r.Graphics.CalculateTextWidth("text", TRect{5, 5, 100, 100}), 30);
    EXPECT_EQ(r.Graphics.CalculateTextHeight("text", TRect{5, 5, 100, 100}), 13);
    EXPECT_EQ(r.Graphics.CalculateTextHeight("", TRect{5, 5, 100, 100}), 0);
    EXPECT_EQ(r.Graphics.CalculateTextSizeInt("text"), (TSize{30, 13}));
}

TEST(GxGraphics, TheIntegerAndWholePixelFormsOfTheShapesPicturesAndGlyphsDrawAsTheFloatingPointOnes)
{
    auto picture = Picture(4, 4);
    TPicture* p = picture.get();
    TGxScaledBitmaps scaled(nullptr);
    scaled.AddBitmap(picture.get(), 1);
    TGxScaledBitmaps* s = &scaled;
    using Draw = std::function<void(TGxGraphics&)>;
    struct Case {
        const char* name;
        Draw floating, other;
    };
    const Case cases[] = {
        {"rectangle", [](TGxGraphics& g) { g.DrawRectangle(TRectF{1, 2, 11, 12}); },
         [](TGxGraphics& g) { g.DrawRectangle(1, 2, 11, 12); }},
        {"round rectangle", [](TGxGraphics& g) { g.DrawRoundRectangle(TRectF{1, 2, 11, 12}, 3); },
         [](TGxGraphics& g) { g.DrawRoundRectangle(1, 2, 11, 12, 3); }},
        {"ellipse", [](TGxGraphics& g) { g.DrawEllipse(TRectF{1, 2, 11, 12}); },
         [](TGxGraphics& g) { g.DrawEllipse(1, 2, 11, 12); }},
        {"focus rectangle", [](TGxGraphics& g) { g.DrawFocusRectangle(TRectF{1, 2, 11, 12}, clBlack); },
         [](TGxGraphics& g) { g.DrawFocusRectangle(1, 2, 11, 12, clBlack); }},
        {"picture", [p](TGxGraphics& g) { g.DrawBitmap(TRectF{1, 2, 11, 12}, p, false, true, false, false); },
         [p](TGxGraphics& g) { g.DrawBitmap(1, 2, 11, 12, p, false, true, false, false); }},
        {"scaled picture, floating-point coordinates",
         [s](TGxGraphics& g) { g.DrawScaledBitmap(TRectF{1, 2, 11, 12}, s, 1, false, true, false, false); },
         [s](TGxGraphics& g) { g.DrawScaledBitmap(1.0, 2.0, 11.0, 12.0, s, 1, false, true, false, false); }},
        {"scaled picture, integer coordinates",
         [s](TGxGraphics& g) { g.DrawScaledBitmap(TRectF{1, 2, 11, 12}, s, 1, false, true, false, false); },
         [s](TGxGraphics& g) { g.DrawScaledBitmap(1, 2, 11, 12, s, 1, false, true, false, false); }},
        {"picture part",
         [p](TGxGraphics& g) { g.DrawBitmapPart(TRectF{0, 0, 2, 2}, TRectF{1, 2, 11, 12}, p, false, true, false, false); },
         [p](TGxGraphics& g) { g.DrawBitmapPart(0, 0, 2, 2, 1, 2, 11, 12, p, false, true, false, false); }},
        {"check box", [](TGxGraphics& g) { g.DrawCheckBox(TRectF{1, 2, 17, 18}, true, true, true); },
         [](TGxGraphics& g) { g.DrawCheckBox(TRect{1, 2, 17, 18}, true, true, true); }},
        {"radio button", [](TGxGraphics& g) { g.DrawRadioButton(TRectF{1, 2, 17, 18}, true, false, true); },
         [](TGxGraphics& g) { g.DrawRadioButton(TRect{1, 2, 17, 18}, true, false, true); }},
        {"button", [](TGxGraphics& g) { g.DrawButton(TRectF{1, 2, 41, 22}, true, false, true, false); },
         [](TGxGraphics& g) { g.DrawButton(TRect{1, 2, 41, 22}, true, false, true, false); }},
        {"close button", [](TGxGraphics& g) { g.DrawCloseButton(TRectF{1, 2, 21, 22}, false, true, true, true); },
         [](TGxGraphics& g) { g.DrawCloseButton(TRect{1, 2, 21, 22}, false, true, true, true); }},
        {"expander", [](TGxGraphics& g) { g.DrawExpanderButton(TRectF{1, 2, 21, 22}, gesExpanded, false, false, true, true); },
         [](TGxGraphics& g) { g.DrawExpanderButton(TRect{1, 2, 21, 22}, gesExpanded, false, false, true, true); }},
        {"compact", [](TGxGraphics& g) { g.DrawCompactButton(TRectF{1, 2, 21, 22}, gcsExpanded, false, false, true, true); },
         [](TGxGraphics& g) { g.DrawCompactButton(TRect{1, 2, 21, 22}, gcsExpanded, false, false, true, true); }},
        {"drop-down", [](TGxGraphics& g) { g.DrawDropDownButton(TRectF{1, 2, 21, 22}, false, false, true, true, true); },
         [](TGxGraphics& g) { g.DrawDropDownButton(TRect{1, 2, 21, 22}, false, false, true, true, true); }},
        {"progress bar",
         [](TGxGraphics& g) { g.DrawProgressBar(TRectF{1, 2, 101, 22}, 40, "%.0f%%", 100, clBlue, clBlack, true, true); },
         [](TGxGraphics& g) { g.DrawProgressBar(TRect{1, 2, 101, 22}, 40, "%.0f%%", 100, clBlue, clBlack, true, true); }},
    };
    for (const Case& c : cases) {
        TRecorded a, b;
        a.Take();
        b.Take();
        c.floating(a.Graphics);
        c.other(b.Graphics);
        const Calls drawn = a.Take();
        EXPECT_FALSE(drawn.empty()) << c.name;
        EXPECT_EQ(b.Take(), drawn) << c.name;
    }
    TRecorded r;
    EXPECT_EQ(r.Graphics.GetBitmapDrawRectangle(0, 0, 25, 25, p, false, false, true, false), (TRect{10, 10, 14, 14}));
}

TEST(GxGraphics, AHighlightEnclosesTheSearchedTextInTheTag)
{
    struct Case {
        const char *text, *hilight;
        bool doCase;
        const char* result;
    };
    const Case cases[] = {
        {"<B>abc</B>", "b", true, "<B>a<HI>b</HI>c</B>"},   // inside the bold run
        {"Dam dam", "DAM", false, "<HI>Dam</HI> <HI>dam</HI>"},
        {"Dam dam", "DAM", true, "Dam dam"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TGxGraphics::ApplyHilight(c.text, c.hilight, "HI", c.doCase), String(c.result)) << c.text;
}

TEST(GxGraphics, PathsAreCutIntoSegmentsOfTheFlatness)
{
    TRecorded r;
    r.Take();
    TGxGraphicsPath empty;
    r.Graphics.Context()->ConvertToPath(&empty, 0.25f);
    EXPECT_TRUE(r.Take().empty());
    // A square figure: move, three lines, close.
    TGxGraphicsPath square;
    square.MoveTo({0, 0});
    square.LineTo({4, 0});
    square.LineTo({4, 4});
    square.ClosePath();
    r.Graphics.Context()->ConvertToPath(&square, 0.25f);
    EXPECT_EQ(r.Take(), (Calls{"open", "move 0,0", "line 4,0", "line 4,4", "close"}));
    // A straight curve 10 long: 40 segments at 0.25, 200 at any flatness below 0.05.
    TGxGraphicsPath curve;
    curve.MoveTo({0, 0});
    curve.CurveTo({10.0f / 3, 0}, {20.0f / 3, 0}, {10, 0});
    r.Graphics.Context()->ConvertToPath(&curve, 0.25f);
    Calls calls = r.Take();
    ASSERT_EQ(calls.size(), 2u + 40u);
    EXPECT_EQ(calls[2], "line 0,0");
    EXPECT_EQ(calls.back(), "line 10,0");
    r.Graphics.Context()->ConvertToPath(&curve, 0);
    EXPECT_EQ(r.Take().size(), 2u + 200u);
    // A curve shorter than 1.5 times the flatness is one line to its end.
    TGxGraphicsPath tiny;
    tiny.MoveTo({0, 0});
    tiny.CurveTo({0.1f, 0}, {0.2f, 0}, {0.3f, 0});
    tiny.LineTo({1, 1});
    r.Graphics.Context()->ConvertToPath(&tiny, 0.25f);
    EXPECT_EQ(r.Take(), (Calls{"open", "move 0,0", "line 0.3,0", "line 1,1"}));
    // A curve without its two following points is refused by the path's point accessor.
    TGxGraphicsPath broken;
    broken.MoveTo({0, 0});
    broken.CurveTo({1, 0}, {2, 0}, {3, 0});
    broken.PathData().pop_back();
    EXPECT_THROW(r.Graphics.Context()->ConvertToPath(&broken, 0.25f), EListError);
}

// The scene both back ends are compared on, as the back end is asked to draw it: each shape
// filled and then outlined where the stroke is in use, in the scene's own coordinates.
TEST(GxGraphics, TheComparedSceneReachesTheBackEndAsItsShapes)
{
    TRecorded r;
    r.Take();
    DrawDrawingObjectScene(r.Graphics);
    Calls drawn;
    for (const std::string& call : r.Take())
        if (std::isupper(static_cast<unsigned char>(call[0]))) drawn.push_back(call);
    EXPECT_EQ(drawn, (Calls{"FillRect 0,0-200,140", "FillRect 10,10-70,50", "DrawRect 10,10-70,50 all",
                            "FillEllipse 90,10-150,60", "DrawEllipse 90,10-150,60", "FillPolygon 3",
                            "DrawPolygon 3", "FillRect 90,70-190,100", "DrawText Dam 90,105-190,135",
                            "DrawBitmap 160,10-192,42", "DrawBitmap 155,46-163,54", "DrawBitmap 155,54-163,62",
                            "DrawBitmap 155,62-163,70", "DrawBitmap 163,46-171,54", "DrawBitmap 163,54-171,62",
                            "DrawBitmap 163,62-171,70", "DrawBitmap 171,46-179,54", "DrawBitmap 171,54-179,62",
                            "DrawBitmap 171,62-179,70", "DrawBitmap 179,46-187,54", "DrawBitmap 179,54-187,62",
                            "DrawBitmap 179,62-187,70"}));
}

TEST(GxGraphics, PointTests)
{
    EXPECT_FALSE(TGxGraphics::PointInRect(TPointF{10, 5}, TRectF{0, 0, 10, 10}));
    EXPECT_TRUE(TGxGraphics::PointInRect(TPointF{0, 0}, TRectF{0, 0, 10, 10}));
    EXPECT_TRUE(TGxGraphics::PointInRect(TPoint{9, 9}, TRect{0, 0, 10, 10}));
    EXPECT_FALSE(TGxGraphics::PointInCircle({0, 0}, {0, 0}, 0));
    EXPECT_TRUE(TGxGraphics::PointInCircle({3, 3.9f}, {0, 0}, 5));
    EXPECT_FALSE(TGxGraphics::PointInCircle({3, 4.1f}, {0, 0}, 5));
    TGxGraphicsPathPolygon square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(TGxGraphics::PointInPolygon(TPointF{5, 5}, square));
    EXPECT_FALSE(TGxGraphics::PointInPolygon(TPointF{15, 5}, square));
    EXPECT_TRUE(TGxGraphics::PointInPolygon(TPoint{5, 5}, square));
    EXPECT_FALSE(TGxGraphics::PointInPolygon(TPoint{15, 5}, square));
}

TEST(GxGraphics, ColoursAsHTMLTextAndKeywords)
{
    EXPECT_EQ(TGxGraphics::ColorToHTML(0x0000FF), String("#FF0000"));
    EXPECT_EQ(TGxGraphics::ColorToHTML(0x123456), String("#563412"));
    EXPECT_EQ(TGxGraphics::ColorToHTML(clWindow), TGxGraphics::ColorToHTML(ColorToRGB(clWindow)));
    struct Case {
        const char* text;
        TColor color;
    };
    for (const Case& c : {Case{"", -1}, Case{"#FF0000", 0x0000FF}, Case{"#F00", 0x0000FF}, Case{"#F0A", 0xAA00FF},
                          Case{"#102030xyz", 0x302010}})
        EXPECT_EQ(TGxGraphics::HTMLToColor(c.text), c.color) << c.text;
    EXPECT_THROW(TGxGraphics::HTMLToColor("#FF00"), EConvertError);
    EXPECT_THROW(TGxGraphics::HTMLToColor("#GG0000"), EConvertError);
    for (const Case& c : {Case{"clRed", 0x0000FF}, Case{"Red", 0x0000FF}, Case{"gcRed", 0x0000FF},
                          Case{"claRed", 0}, Case{"no such colour", 0}})
        EXPECT_EQ(TGxGraphics::TextToColor(c.text), c.color) << c.text;
    EXPECT_EQ(TGxGraphics::TextToColor("clAqua"), TGxGraphics::TextToColor("aqua"));
    EXPECT_NE(TGxGraphics::TextToColor("aqua"), 0);
}

// Mini-HTML goes to the mini-HTML engine, which measures each run as the back end does (30 x 12,
// one more in height from the drawing object) and adds a quarter of the tallest run above and
// below the line and 2 to its width.
TEST(GxGraphics, MiniHTMLIsMeasuredAndDrawnByTheMiniHTMLEngine)
{
    TRecorded r;
    EXPECT_EQ(r.Graphics.CalculateText("<B>Dam</B>"), (TRectF{0, 0, 32, 13 + 6.5f + 1}));
    EXPECT_EQ(r.Graphics.CalculateText("<B>Dam</B>", TRectF{0, 0, 100, 100}, false, false), (TRectF{0, 0, 30, 13}));
    r.Take();
    // centred: the measured 33 x 20.5 in the middle of (0, 0, 100, 40), clipped to the rectangle
    r.Graphics.DrawText(TRectF{0, 0, 100, 40}, "<B>Dam</B>", false, gtaCenter, gtaCenter);
    Calls drawn;
    for (const std::string& call : r.Take())
        if (call.rfind("ClipRect", 0) == 0 || call.rfind("DrawText", 0) == 0 || call == "save" || call == "restore")
            drawn.push_back(call);
    EXPECT_EQ(drawn, (Calls{"save", "ClipRect 0,0-100,40", "DrawText Dam 33.5,9.75-63.5,22.75", "restore"}));

    // an anchor test draws nothing and answers the anchor under the point
    const String linked = "<A href=\"crest\">Dam</A> toe";
    EXPECT_EQ(r.Graphics.DrawText(TRectF{0, 0, 200, 40}, linked, false, gtaLeading, gtaLeading, gttNone, 0, -1, -1,
                                  true, true, 10, 10),
              String("crest"));
    EXPECT_EQ(r.Graphics.DrawText(TRectF{0, 0, 200, 40}, linked, false, gtaLeading, gtaLeading, gttNone, 0, -1, -1,
                                  true, true, 45, 10),
              String());
    for (const std::string& call : r.Take()) EXPECT_EQ(call.rfind("DrawText", 0), std::string::npos) << call;
}

TEST(GxGraphics, OptimizedDrawingTakesMiniHTMLLineByLineAtItsFirstBreakTagsSpelling)
{
    TRecorded r;
    r.Graphics.OptimizedHTMLDrawing = true;
    // "one" and "two" (the empty last part dropped), each 13 high, in the rectangle's width
    EXPECT_EQ(r.Graphics.CalculateText("one<br/>two<br/>", TRectF{0, 0, 100, 100}), (TRectF{0, 0, 100, 26}));
    r.Take();
    EXPECT_EQ(r.Graphics.DrawText(TRectF{0, 0, 100, 100}, "one<br/>two<br/>"), String());
    Calls drawn;
    for (const std::string& call : r.Take())
        if (call.rfind("DrawText", 0) == 0) drawn.push_back(call);
    EXPECT_EQ(drawn, (Calls{"DrawText one 0,0-31,13", "DrawText two 0,13-31,26"}));
    // another spelling is not split; "<BR>" alone takes the ordinary way through the engine
    EXPECT_EQ(r.Graphics.CalculateText("one<br/>two<BR/>", TRectF{0, 0, 100, 100}).Height(), 13 + 19.5f + 1);
    EXPECT_EQ(r.Graphics.CalculateText("one<BR>two", TRectF{0, 0, 100, 100}).Height(), 2 * 19.5f + 1);
}
