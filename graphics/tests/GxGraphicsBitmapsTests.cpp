// The drawing object's pictures and control glyphs through a recording back end: placement of
// pictures by the four flags, parts of pictures, pictures by name and by scale, and the check box,
// radio button, buttons, button glyphs and progress bar with their colours and geometry.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "GraphicsRecorder.h"
#include "graphics/GxGraphics.h"
#include "graphics/PictureContainer.h"
#include "platform/rtl/SysFormat.h"

namespace {

using Calls = std::vector<std::string>;

struct TRecorded {
    TGxGraphics Graphics{nullptr, MakeGraphicsRecorder};
    TRecorded() { static_cast<TGraphicsRecorder*>(Graphics.Context())->LogFrames = true; }
    Calls& Recorded() { return static_cast<TGraphicsRecorder*>(Graphics.Context())->Calls; }
    Calls Take()
    {
        Calls taken = Recorded();
        Recorded().clear();
        return taken;
    }
};

// A raster picture of the size, every pixel (x, y) of colour x + 256 y.
std::unique_ptr<TGxBitmap> Raster(int w, int h)
{
    TBitmap bitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bitmap.Canvas().SetPixel(x, y, x + 256 * y);
    auto picture = std::make_unique<TGxBitmap>();
    picture->SetGraphic(&bitmap);
    return picture;
}

std::unique_ptr<TGxBitmap> SVGPicture(const char* text)
{
    TStringStream stream(text);
    auto picture = std::make_unique<TGxBitmap>();
    picture->LoadFromStream(stream);
    return picture;
}

}  // namespace

TEST(GxGraphicsBitmaps, AspectSizesFollowTheFlags)
{
    struct Case {
        float ow, oh, nw, nh;
        bool aspect, stretch, cropping;
        float w, h;
    } cases[] = {
        {100, 50, 200, 200, true, false, false, 100, 50},    // smaller than the target: natural size
        {100, 50, 200, 200, true, true, false, 200, 100},    // stretched with its proportions
        {100, 50, 50, 50, true, false, false, 50, 25},       // fitted into a smaller target
        {50, 100, 50, 50, true, false, false, 25, 50},
        {0, 50, 50, 50, true, false, false, 0, 0},           // any size zero or less: nothing
        {100, 50, 50, -1, true, true, false, 0, 0},
        {100, 50, 30, 70, false, true, false, 30, 70},       // stretched to the target
        {100, 50, 30, 70, false, false, false, 100, 50},     // natural size, cropping or not
        {100, 50, 30, 70, false, false, true, 100, 50},
    };
    for (const Case& c : cases) {
        float w = -7, h = -7;
        TGxGraphics::GetAspectSize(w, h, c.ow, c.oh, c.nw, c.nh, c.aspect, c.stretch, c.cropping);
        EXPECT_EQ(w, c.w) << c.ow << "x" << c.oh << " in " << c.nw << "x" << c.nh;
        EXPECT_EQ(h, c.h) << c.ow << "x" << c.oh << " in " << c.nw << "x" << c.nh;
    }
}

TEST(GxGraphicsBitmaps, DrawRectanglesAreCentredToTheNearestEvenPixel)
{
    TRecorded r;
    const auto picture = Raster(10, 10);
    EXPECT_EQ(r.Graphics.GetBitmapDrawRectangle(TRectF{0, 0, 25, 25}, picture.get(), true, false, true, false),
              (TRectF{8, 8, 18, 18}));   // 7.5 rounds to 8
    EXPECT_EQ(r.Graphics.GetBitmapDrawRectangle(TRectF{0, 0, 25, 25}, picture.get(), true, false, false, false),
              (TRectF{0, 0, 10, 10}));
    EXPECT_EQ(r.Graphics.GetBitmapDrawRectangle(TRectF{0, 0, 25, 25}, picture.get(), false, false, false, true),
              (TRectF{8, 8, 18, 18}));   // cropping centres too
    EXPECT_EQ(r.Graphics.GetBitmapDrawRectangle(Rect(0, 0, 31, 31), picture.get(), true, false, true, false),
              Rect(10, 10, 20, 20));     // 10.5 rounds to 10
    EXPECT_EQ(r.Graphics.GetBitmapDrawRectangle(TRectF{5, 5, 25, 25}, nullptr, true, false, true, false),
              (TRectF{0, 0, 0, 0}));

    r.Graphics.DrawBitmap(TRectF{0, 0, 25, 25}, picture.get(), true, false, true, false);
    r.Graphics.DrawBitmap(3.0f, 4.0f, picture.get());   // natural size at the point
    r.Graphics.DrawBitmap(TRectF{0, 0, 25, 25}, nullptr, true, false, true, false);
    EXPECT_EQ(r.Take(), (Calls{"picture 8,8-18,18", "picture 3,4-13,14"}));
}

TEST(GxGraphicsBitmaps, AnSVGPictureIsDrawnAsVectorsInItsRectangle)
{
    TRecorded r;
    const auto picture = SVGPicture("<svg viewBox='0 0 20 10'><rect width='20' height='10' fill='#FF0000'/></svg>");
    ASSERT_TRUE(picture->HasSVG());
    // 20 x 10 stretched with its proportions into 100 x 100: 100 x 50, centred 25 down
    r.Graphics.DrawBitmap(TRectF{0, 0, 100, 100}, picture.get(), true, true, true, false);
    EXPECT_EQ(r.Take(), (Calls{"fill 0,25-100,75 0000FF"}));
    // the source part of an SVG picture is not used: the whole is drawn into the destination
    r.Graphics.DrawBitmapPart(TRectF{0, 0, 5, 5}, TRectF{0, 0, 40, 20}, picture.get(), false, true, false, false);
    EXPECT_EQ(r.Take(), (Calls{"fill 0,0-40,20 0000FF"}));
    EXPECT_EQ(r.Graphics.DrawBitmapPartSync(0, 0, 5, 5, 0, 0, 40, 20, picture.get(), false, true, false, false),
              nullptr);
}

TEST(GxGraphicsBitmaps, APartOfAPictureIsCopiedAndPlacedByTheFlags)
{
    TRecorded r;
    const auto picture = Raster(30, 30);
    const std::unique_ptr<TGxBitmap> part =
        r.Graphics.DrawBitmapPartSync(10, 10, 20, 20, 0, 0, 50, 50, picture.get(), false, false, false, false);
    ASSERT_TRUE(part);
    ASSERT_EQ(part->Width(), 10);
    ASSERT_EQ(part->Height(), 10);
    TBitmap* pixels = dynamic_cast<TBitmap*>(part->Graphic());
    ASSERT_TRUE(pixels);
    for (auto [x, y] : {std::pair{0, 0}, {9, 0}, {0, 9}, {9, 9}, {4, 6}})
        EXPECT_EQ(pixels->Canvas().Pixel(x, y), TColor((10 + x) + 256 * (10 + y))) << x << "," << y;

    r.Graphics.DrawBitmapPart(TRectF{10, 10, 20, 20}, TRectF{0, 0, 50, 30}, picture.get(), true, true, true, false);
    EXPECT_EQ(r.Take(), (Calls{"picture 10,0-40,30"}));
    for (const TRectF& empty : {TRectF{10, 10, 10, 20}, TRectF{10, 10, 20, 5}}) {
        r.Graphics.DrawBitmapPart(empty, TRectF{0, 0, 50, 30}, picture.get(), true, true, true, false);
        r.Graphics.DrawBitmapPart(TRectF{10, 10, 20, 20}, empty, picture.get(), true, true, true, false);
        EXPECT_EQ(r.Graphics.DrawBitmapPartSync(empty.Left, empty.Top, empty.Right, empty.Bottom, 0, 0, 9, 9,
                                                picture.get(), false, false, false, false),
                  nullptr);
    }
    EXPECT_TRUE(r.Take().empty());
}

TEST(GxGraphicsBitmaps, NamedPicturesAreLookedUpWithTheScaleFirst)
{
    TPictureContainer container(nullptr);
    for (auto [name, size] : {std::pair{"icon", "4"}, {"icon_1.5", "6"}, {"logo_2", "8"}}) {
        TPictureItem* item = container.Items()->Add();
        item->SetName(name);
        TStringStream svg(std::string("<svg viewBox='0 0 ") + size + " " + size + "'><rect width='1' height='1'/></svg>");
        static_cast<THTMLPicture*>(item->Picture())->LoadFromStream(svg);
    }
    auto width = [&](const char* name, bool apply, float scale) {
        TPicture* p = TGxGraphics::GetBitmapFromPictureContainer(&container, name, apply, scale);
        return p ? p->Width() : 0;
    };
    EXPECT_EQ(width("icon", true, 1.5f), 6);
    EXPECT_EQ(width("icon", false, 1.5f), 4);
    EXPECT_EQ(width("icon", true, 2), 4);   // no icon_2: the plain name
    EXPECT_EQ(width("logo", true, 2), 8);
    EXPECT_EQ(width("logo", false, 2), 0);
    EXPECT_EQ(width("", true, 2), 0);
    {
        // the scale is written in the process's number format
        const TFormatSettings saved = FormatSettings;
        FormatSettings.DecimalSeparator = u',';
        TPictureItem* comma = container.Items()->Add();
        comma->SetName("icon_1,5");
        TStringStream svg("<svg viewBox='0 0 7 7'><rect width='1' height='1'/></svg>");
        static_cast<THTMLPicture*>(comma->Picture())->LoadFromStream(svg);
        EXPECT_EQ(width("icon", true, 1.5f), 7);
        FormatSettings = saved;
    }
    EXPECT_EQ(TGxGraphics::GetBitmapFromPictureContainer(nullptr, "icon", true, 1.5f), nullptr);

    TRecorded r;
    r.Graphics.PictureContainer = &container;
    r.Graphics.DrawBitmapWithName(TRectF{0, 0, 100, 100}, "icon", true, 1.5f, true, false, false, false);
    r.Graphics.DrawBitmapWithName(TRectF{0, 0, 100, 100}, "none", true, 1.5f, true, false, false, false);
    EXPECT_EQ(r.Take(), (Calls{"picture 0,0-6,6"}));
    // The same from floating-point, whole-pixel and integer coordinates.
    r.Graphics.DrawBitmapWithName(10.0, 20.0, 110.0, 120.0, "icon", true, 1.5f, true, false, false, false);
    r.Graphics.DrawBitmapWithName(TRect{10, 20, 110, 120}, "icon", true, 1.5f, true, false, false, false);
    r.Graphics.DrawBitmapWithName(10, 20, 110, 120, "icon", true, 1.5f, true, false, false, false);
    EXPECT_EQ(r.Take(), (Calls{"picture 10,20-16,26", "picture 10,20-16,26", "picture 10,20-16,26"}));
}

TEST(GxGraphicsBitmaps, ScaledPicturesFallBackToTheLargestScale)
{
    TGxScaledBitmaps bitmaps(nullptr);
    bitmaps.AddBitmap(Raster(16, 16).get(), 1);
    bitmaps.AddBitmap(Raster(32, 32).get(), 2);
    TRecorded r;
    r.Graphics.DrawScaledBitmap(TRectF{0, 0, 100, 100}, &bitmaps, 1, false, false, false, false);
    r.Graphics.DrawScaledBitmap(TRectF{0, 0, 100, 100}, &bitmaps, 1.5f, false, false, false, false);
    r.Graphics.DrawScaledBitmap(TRectF{0, 0, 100, 100}, nullptr, 1, false, false, false, false);
    EXPECT_EQ(r.Take(), (Calls{"picture 0,0-16,16", "picture 0,0-32,32"}));
    EXPECT_EQ(TGxGraphics::GetScaledBitmap(&bitmaps, 1.5f, nullptr)->Width(), 32);
    EXPECT_EQ(TGxGraphics::GetScaledBitmap(nullptr, 1, nullptr), nullptr);

    // an item without picture names one in the container, with the scale first
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("dam_3");
    TStringStream svg("<svg viewBox='0 0 12 12'><rect width='1' height='1'/></svg>");
    static_cast<THTMLPicture*>(item->Picture())->LoadFromStream(svg);
    TGxScaledBitmaps named(nullptr);
    named.AddBitmapName("dam", 3);
    r.Graphics.PictureContainer = &container;
    r.Graphics.DrawScaledBitmap(TRectF{0, 0, 100, 100}, &named, 3, false, false, false, false);
    EXPECT_EQ(r.Take(), (Calls{"picture 0,0-12,12"}));
    EXPECT_EQ(TGxGraphics::GetScaledBitmap(&named, 3, &container)->Width(), 12);
}

TEST(GxGraphicsBitmaps, CheckBoxesAndRadioButtonsTakeTheirStateColours)
{
    const std::string enabledFace = TGraphicsRecorder::Hex(LighterColor(0xD3D3D3, 85));
    struct Case {
        bool focused, enabled;
        const char* line;
        std::string face;
    } cases[] = {{false, true, "000000", enabledFace}, {true, true, "B48246", enabledFace},
                 {true, false, "A9A9A9", "D3D3D3"}, {false, false, "A9A9A9", "D3D3D3"}};
    for (const Case& c : cases) {
        TRecorded r;
        const std::string line = c.line;
        r.Graphics.DrawCheckBox(TRectF{0, 0, 22, 22}, true, c.focused, c.enabled);
        // a cross, not a tick, inside a fifth of the box
        EXPECT_EQ(r.Take(), (Calls{"rect 1,1-21,21 " + c.face, "frame 1,1-21,21 " + line + " width 1",
                                   "line 5,5-16,16 " + line + " width 2", "line 16,5-5,16 " + line + " width 2"}));
        r.Graphics.DrawCheckBox(TRectF{0, 0, 22, 22}, false, c.focused, c.enabled);
        EXPECT_EQ(r.Take(), (Calls{"rect 1,1-21,21 " + c.face, "frame 1,1-21,21 " + line + " width 1"}));
        r.Graphics.DrawRadioButton(TRectF{0, 0, 22, 22}, true, c.focused, c.enabled);
        EXPECT_EQ(r.Take(), (Calls{"ellipse 1,1-21,21 " + c.face, "ring 1,1-21,21 " + line + " width 1",
                                   "ellipse 5,5-17,17 " + line, "ring 5,5-17,17 " + line + " width 2"}));
        r.Graphics.DrawRadioButton(TRectF{0, 0, 22, 22}, false, c.focused, c.enabled);
        EXPECT_EQ(r.Take(), (Calls{"ellipse 1,1-21,21 " + c.face, "ring 1,1-21,21 " + line + " width 1"}));
    }
}

TEST(GxGraphicsBitmaps, ButtonsTakeTheirStateOrStyleColours)
{
    struct Case {
        bool down, focused, enabled, adapt;
        const char* outline;
        const char* face;
        std::string inner;
    } cases[] = {
        {false, false, true, false, "A9A9A9", "E1E1E1", "E1E1E1"},
        {false, true, true, false, "B17F3C", "FBF1E5", "FBF1E5"},
        {false, true, false, false, "A9A9A9", "D3D3D3", "D3D3D3"},
        {true, false, true, false, "A9A9A9", "E1E1E1", TGraphicsRecorder::Hex(LighterColor(0xA9A9A9, 40))},
        {false, false, true, true, "000000", "000000", "000000"},   // the style colours before they are set
    };
    for (const Case& c : cases) {
        TRecorded r;
        r.Graphics.DrawButton(TRectF{0, 0, 40, 20}, c.down, c.focused, c.enabled, c.adapt);
        EXPECT_EQ(r.Take(), (Calls{std::string("rect 0,0-40,20 ") + c.face,
                                   std::string("frame 0,0-40,20 ") + c.outline + " width 1",
                                   "frame 1,1-39,19 " + c.inner + " width 1"}))
            << c.outline << " " << c.face;
    }
    TGxGraphics::SetDefaultGraphicColors();
    TRecorded r;
    r.Graphics.DrawButton(TRectF{0, 0, 40, 20}, false, true, true, true);
    EXPECT_EQ(r.Take(), (Calls{"rect 0,0-40,20 FBF1E5", "frame 0,0-40,20 B17F3C width 1", "frame 1,1-39,19 FBF1E5 width 1"}));
    for (TColor* c : {&StyleFocusedBorderColor, &StyleFocusedFaceColor, &StyleDisabledBorderColor,
                      &StyleDisabledFaceColor, &StyleNormalBorderColor, &StyleNormalFaceColor})
        *c = 0;
}

TEST(GxGraphicsBitmaps, ButtonGlyphsAreTheSVGResourcesOrDrawnLines)
{
    TRecorded r;
    auto glyph = [&](auto draw) {
        draw();
        Calls calls = r.Take();
        calls.erase(calls.begin(), calls.begin() + 3);   // the button
        return calls;
    };
    // without style: the SVG glyph inside the rectangle shrunk by 6 s, square
    auto inside = [](const Calls& calls, int from, int to) {
        ASSERT_FALSE(calls.empty());
        for (const std::string& call : calls) {
            int l = 0, t = 0, rr = 0, b = 0;
            ASSERT_EQ(std::sscanf(call.c_str(), "fill %d,%d-%d,%d 000000", &l, &t, &rr, &b), 4) << call;
            EXPECT_TRUE(l >= from && t >= from && rr <= to && b <= to) << call;
        }
    };
    inside(glyph([&] { r.Graphics.DrawCloseButton(TRectF{0, 0, 40, 40}, false, false, true, false, 1); }), 6, 34);
    inside(glyph([&] { r.Graphics.DrawCloseButton(TRectF{0, 0, 40, 40}, false, false, true, false, 2); }), 12, 28);
    // chevrons in the rectangle shrunk by 4 s
    inside(glyph([&] { r.Graphics.DrawExpanderButton(TRectF{0, 0, 40, 40}, gesCollapsed, false, false, true, false, 1); }),
           4, 36);
    inside(glyph([&] { r.Graphics.DrawCompactButton(TRectF{0, 0, 40, 40}, gcsExpanded, false, false, true, false, 2); }),
           8, 32);
    // with the style: a 16 s bitmap centred at natural size; the drop-down's 7 s bitmap at the right
    struct Case {
        std::function<void()> draw;
        const char* picture;
    } cases[] = {
        {[&] { r.Graphics.DrawCloseButton(TRectF{0, 0, 40, 40}, false, false, true, true, 1); }, "picture 12,12-28,28"},
        {[&] { r.Graphics.DrawCloseButton(TRectF{0, 0, 40, 40}, false, false, true, true, 2); }, "picture 4,4-36,36"},
        {[&] { r.Graphics.DrawExpanderButton(TRectF{0, 0, 40, 40}, gesExpanded, false, false, true, true, 1); },
         "picture 12,12-28,28"},
        {[&] { r.Graphics.DrawCompactButton(TRectF{0, 0, 40, 40}, gcsCollapsed, false, false, true, true, 1); },
         "picture 12,12-28,28"},
        {[&] { r.Graphics.DrawDropDownButton(TRectF{0, 0, 100, 20}, false, false, true, false, true, 1); },
         "picture 88,6-95,13"},   // in (100 - 7 - 10, 0, 100, 20)
        {[&] { r.Graphics.DrawDropDownButton(TRectF{0, 0, 100, 20}, false, false, true, true, true, 1); },
         "picture 46,6-53,13"},
    };
    for (const Case& c : cases) EXPECT_EQ(glyph(c.draw), (Calls{c.picture}));
}

TEST(GxGraphicsBitmaps, ProgressBarsFillTheirShareOfTheTrough)
{
    const std::string trough = "rect 0,0-100,20 " + TGraphicsRecorder::Hex(LighterColor(0xD3D3D3, 75));
    struct Case {
        float value, max;
        Calls calls;
    } cases[] = {
        {50, 100, {trough, "frame 0,0-100,20 A9A9A9 width 1", "rect 1,1-50.5,19 00FF00", "frame 1,1-50.5,19 00FF00 width 1",
                   "text 50 % at 0,0"}},
        {150, 100, {trough, "frame 0,0-100,20 A9A9A9 width 1", "rect 1,1-100,19 00FF00", "frame 1,1-100,19 00FF00 width 1",
                    "text 100 % at 0,0"}},
        {50, 0, {trough, "frame 0,0-100,20 A9A9A9 width 1"}},
        {-5, 100, {trough, "frame 0,0-100,20 A9A9A9 width 1", "rect 1,1-1,19 00FF00", "frame 1,1-1,19 00FF00 width 1",
                   "text 0 % at 0,0"}},
    };
    for (const Case& c : cases) {
        TRecorded r;
        r.Graphics.Fill()->SetColor(0x123456);
        r.Graphics.DrawProgressBar(TRectF{0, 0, 100, 20}, c.value, "%.0f %%", c.max, 0x00FF00, 0xFFFFFF, true, true);
        EXPECT_EQ(r.Take(), c.calls) << c.value << " of " << c.max;
        EXPECT_EQ(r.Graphics.Fill()->Color(), TColor(0x123456));   // the fill colour is put back
    }
    TRecorded r;
    EXPECT_THROW(r.Graphics.DrawProgressBar(TRectF{0, 0, 100, 20}, 5, "%d", 10, 0, 0, true, true), Exception);
}
