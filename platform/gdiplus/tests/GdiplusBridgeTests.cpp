// The bridge: GDI+ drawing on a canvas lands in the canvas's own pixels, bitmaps cross both ways,
// logical fonts find the layer's families and pictures are read from our streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <fontconfig/fontconfig.h>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/gdiplus/GdiplusBridge.h"
#include "platform/graphics/Codecs.h"

extern "C" {
int GdiplusStartup(std::uintptr_t* token, const void* input, void* output);
void GdiplusShutdown(std::uintptr_t token);
int GdipCreateSolidFill(Cardinal color, void** brush);
int GdipDeleteBrush(void* brush);
int GdipFillRectangleI(void* graphics, void* brush, int x, int y, int width, int height);
int GdipBitmapGetPixel(void* bitmap, int x, int y, Cardinal* color);
int GdipBitmapSetPixel(void* bitmap, int x, int y, Cardinal color);
int GdipCreateBitmapFromScan0(int width, int height, int stride, int format, std::uint8_t* scan0, void** bitmap);
int GdipDisposeImage(void* image);
int GdipGetImageWidth(void* image, unsigned* width);
int GdipGetImageHeight(void* image, unsigned* height);
int GdipGetFamily(void* font, void** family);
int GdipGetFamilyName(void* family, char16_t* name, Word language);
int GdipDeleteFontFamily(void* family);
int GdipGetFontSize(void* font, float* size);
int GdipGetFontStyle(void* font, int* style);
int GdipGetFontUnit(void* font, int* unit);
int GdipDeleteFont(void* font);
int GdipCreateFontFamilyFromName(const char16_t* name, void* collection, void** family);
int GdipCreateRegion(void** region);
int GdipDeleteRegion(void* region);
}

namespace {

struct StartupInput {
    Cardinal Version = 1;
    void* DebugCallback = nullptr;
    int SuppressBackgroundThread = 0;
    int SuppressExternalCodecs = 0;
};

class GdiplusBridge : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitQtGraphics();
        StartupInput input;
        GdiplusStartup(&token, &input, nullptr);
    }
    static void TearDownTestSuite() { GdiplusShutdown(token); }

    template <typename F>
    static F Bridge(const char* name)
    {
        void* entry = GdiplusBridgeEntry(name);
        EXPECT_NE(entry, nullptr) << name;
        return reinterpret_cast<F>(entry);
    }
    static void FillRect(void* graphics, Cardinal argb, int x, int y, int w, int h)
    {
        void* brush = nullptr;
        ASSERT_EQ(GdipCreateSolidFill(argb, &brush), 0);
        EXPECT_EQ(GdipFillRectangleI(graphics, brush, x, y, w, h), 0);
        GdipDeleteBrush(brush);
    }
    static inline std::uintptr_t token = 0;
};

using CreateFromHDCFn = int (*)(HDC, void**);
using DeleteGraphicsFn = int (*)(void*);

void White(TBitmap& bmp, Integer width, Integer height)
{
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(width, height);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, width, height));
}

// 'X' where the pixel is exactly 0x00RRGGBB of `ink` (its top byte clear), '.' where white.
std::string Picture(TBitmap& bmp, Cardinal ink)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    std::string out;
    for (Integer y = 0; y < px.Height; ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < px.Width; ++x) {
            Cardinal p = px.Row(y)[x];
            out += p == ink ? 'X' : p == 0x00FFFFFF ? '.' : '?';
        }
    }
    return out;
}

}  // namespace

TEST_F(GdiplusBridge, AGraphicsOnACanvasDrawsIntoTheCanvasPixels)
{
    // A 10 x 4 white bitmap; GDI+ fills (2, 1)-(6, 3) with opaque red.
    TBitmap bmp;
    White(bmp, 10, 4);
    int changes = 0;
    bmp.Canvas().OnChange = [&] { ++changes; };
    void* graphics = nullptr;
    ASSERT_EQ(Bridge<CreateFromHDCFn>("GdipCreateFromHDC")(bmp.Canvas().Handle(), &graphics), 0);
    FillRect(graphics, 0xFFFF0000, 2, 1, 4, 2);
    EXPECT_EQ(Bridge<DeleteGraphicsFn>("GdipDeleteGraphics")(graphics), 0);
    EXPECT_EQ(Picture(bmp, 0x00FF0000), ".........."
                                        "/..XXXX...."
                                        "/..XXXX...."
                                        "/..........");
    EXPECT_EQ(changes, 1);
    // A half-transparent fill blends with what the canvas had.
    ASSERT_EQ(Bridge<CreateFromHDCFn>("GdipCreateFromHDC")(bmp.Canvas().Handle(), &graphics), 0);
    FillRect(graphics, 0x800000FF, 0, 0, 1, 1);
    Bridge<DeleteGraphicsFn>("GdipDeleteGraphics")(graphics);
    TPixelBuffer px;
    bmp.GetPixels(px);
    Cardinal p = px.Row(0)[0];
    EXPECT_EQ(p >> 24, 0u);
    EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 127, 1);
    EXPECT_NEAR(static_cast<int>(p & 0xFF), 255, 1);
}

TEST_F(GdiplusBridge, TheCanvasOriginAndClipHoldForGdiplus)
{
    // The canvas's origin moved to (3, 1) and its clip limited to (3, 1)-(7, 3): a fill of
    // (-1, -1)-(9, 9) in GDI+ covers exactly the clip box.
    TBitmap bmp;
    White(bmp, 10, 4);
    bmp.Canvas().SetViewportOrg(3, 1);
    bmp.Canvas().IntersectClipRect(0, 0, 4, 2);
    void* graphics = nullptr;
    ASSERT_EQ(Bridge<CreateFromHDCFn>("GdipCreateFromHDC")(bmp.Canvas().Handle(), &graphics), 0);
    FillRect(graphics, 0xFF0000FF, -1, -1, 10, 10);
    Bridge<DeleteGraphicsFn>("GdipDeleteGraphics")(graphics);
    EXPECT_EQ(Picture(bmp, 0x000000FF), ".........."
                                        "/...XXXX..."
                                        "/...XXXX..."
                                        "/..........");
    // GetDC hands out the canvas itself.
    ASSERT_EQ(Bridge<CreateFromHDCFn>("GdipCreateFromHDC")(bmp.Canvas().Handle(), &graphics), 0);
    HDC dc = nullptr;
    EXPECT_EQ(Bridge<int (*)(void*, HDC*)>("GdipGetDC")(graphics, &dc), 0);
    EXPECT_EQ(dc, bmp.Canvas().Handle());
    EXPECT_EQ(Bridge<int (*)(void*, HDC)>("GdipReleaseDC")(graphics, dc), 0);
    Bridge<DeleteGraphicsFn>("GdipDeleteGraphics")(graphics);
}

TEST_F(GdiplusBridge, WindowsAndNonRasterCanvasesAnswerNotImplemented)
{
    void* graphics = nullptr;
    EXPECT_EQ(Bridge<int (*)(void*, void**)>("GdipCreateFromHWND")(nullptr, &graphics), 6);
    EXPECT_EQ(Bridge<CreateFromHDCFn>("GdipCreateFromHDC")(nullptr, &graphics), 2);
    TCanvas unattached;
    EXPECT_EQ(Bridge<CreateFromHDCFn>("GdipCreateFromHDC")(&unattached, &graphics), 6);
}

TEST_F(GdiplusBridge, BitmapsCrossBothWays)
{
    TBitmap bmp;
    White(bmp, 3, 2);
    bmp.Canvas().SetPixel(1, 0, TColor(0x00336699));   // TColor is $00BBGGRR
    void* gp = nullptr;
    ASSERT_EQ(Bridge<int (*)(HBITMAP, HPALETTE, void**)>("GdipCreateBitmapFromHBITMAP")(&bmp, nullptr, &gp), 0);
    unsigned width = 0, height = 0;
    GdipGetImageWidth(gp, &width);
    GdipGetImageHeight(gp, &height);
    EXPECT_EQ(width, 3u);
    EXPECT_EQ(height, 2u);
    Cardinal color = 0;
    GdipBitmapGetPixel(gp, 1, 0, &color);
    EXPECT_EQ(color, 0xFF996633u);
    GdipBitmapGetPixel(gp, 2, 1, &color);
    EXPECT_EQ(color, 0xFFFFFFFFu);
    GdipDisposeImage(gp);
    // Back to a bitmap of ours, transparent pixels laid over the background colour.
    ASSERT_EQ(GdipCreateBitmapFromScan0(2, 1, 0, 0x26200A, nullptr, &gp), 0);
    GdipBitmapSetPixel(gp, 0, 0, 0x00000000);
    GdipBitmapSetPixel(gp, 1, 0, 0x80FF0000);
    HBITMAP back = nullptr;
    ASSERT_EQ(Bridge<int (*)(void*, HBITMAP*, Cardinal)>("GdipCreateHBITMAPFromBitmap")(gp, &back, 0xFF00FF00), 0);
    std::unique_ptr<TBitmap> owned(back);
    EXPECT_EQ(owned->Width(), 2);
    EXPECT_EQ(owned->Canvas().Pixel(0, 0), TColor(0x0000FF00));
    TColor blended = owned->Canvas().Pixel(1, 0);   // half red over green
    EXPECT_NEAR(blended & 0xFF, 128, 1);
    EXPECT_NEAR((blended >> 8) & 0xFF, 127, 1);
    GdipDisposeImage(gp);
}

TEST_F(GdiplusBridge, LogicalFontsFindTheLayersFamilies)
{
    struct Case {
        const char16_t* face;
        Integer height, weight;
        const char16_t* family;
        float size;
        int style;
    };
    const Case cases[] = {
        {u"Tahoma", -11, FW_NORMAL, u"Tahoma", 11, 0},                  // a Wine font
        {u"MS Sans Serif", -13, FW_BOLD, u"MS Sans Serif", 13, 1},
        {u"Arial", -16, FW_NORMAL, u"Liberation Sans", 16, 0},          // its Liberation twin
        {u"courier new", -12, FW_NORMAL, u"Liberation Mono", 12, 0},
        {u"No Such Face", -10, FW_NORMAL, nullptr, 10, 0},                // the generic sans serif
    };
    auto create = Bridge<int (*)(HDC, const LOGFONTW*, void**)>("GdipCreateFontFromLogfontW");
    for (const Case& c : cases) {
        LOGFONTW lf;
        lf.lfHeight = c.height;
        lf.lfWeight = c.weight;
        std::u16string face(c.face);
        std::copy(face.begin(), face.end(), lf.lfFaceName);
        void* font = nullptr;
        ASSERT_EQ(create(nullptr, &lf, &font), 0) << String(c.face).ToUtf8();
        void* family = nullptr;
        GdipGetFamily(font, &family);
        char16_t name[32] = {};
        GdipGetFamilyName(family, name, 0);
        if (c.family) EXPECT_EQ(std::u16string(name), std::u16string(c.family)) << String(c.face).ToUtf8();
        else EXPECT_FALSE(std::u16string(name).empty());
        float size = 0;
        int style = -1, unit = -1;
        GdipGetFontSize(font, &size);
        GdipGetFontStyle(font, &style);
        GdipGetFontUnit(font, &unit);
        EXPECT_EQ(size, c.size) << String(c.face).ToUtf8();
        EXPECT_EQ(style, c.style) << String(c.face).ToUtf8();
        EXPECT_EQ(unit, 2) << String(c.face).ToUtf8();   // pixels
        GdipDeleteFontFamily(family);
        GdipDeleteFont(font);
    }
    // A canvas's font, through its device context.
    TBitmap bmp;
    White(bmp, 2, 2);
    bmp.Canvas().Font().SetName("Arial");
    bmp.Canvas().Font().SetHeight(-14);
    void* font = nullptr;
    ASSERT_EQ(Bridge<int (*)(HDC, void**)>("GdipCreateFontFromDC")(bmp.Canvas().Handle(), &font), 0);
    float size = 0;
    GdipGetFontSize(font, &size);
    EXPECT_EQ(size, 14);
    GdipDeleteFont(font);
}

TEST_F(GdiplusBridge, PicturesAreReadFromOurStreams)
{
    TPngImage png;
    png.SetSize(5, 3);
    png.Image().Canvas().Brush().SetColor(TColor(0x000000FF));
    png.Image().Canvas().FillRect(Rect(0, 0, 5, 3));
    TMemoryStream stream;
    png.SaveToStream(stream);
    stream.SetPosition(0);
    void* image = nullptr;
    ASSERT_EQ(Bridge<int (*)(IStream*, void**)>("GdipLoadImageFromStream")(&stream, &image), 0);
    unsigned width = 0, height = 0;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    EXPECT_EQ(width, 5u);
    EXPECT_EQ(height, 3u);
    Cardinal color = 0;
    GdipBitmapGetPixel(image, 4, 2, &color);
    EXPECT_EQ(color & 0x00FFFFFF, 0x00FF0000u);
    GdipDisposeImage(image);
    TMemoryStream garbage;
    garbage.WriteBuffer("not a picture", 13);
    garbage.SetPosition(0);
    EXPECT_NE(Bridge<int (*)(IStream*, void**)>("GdipLoadImageFromStream")(&garbage, &image), 0);
}

TEST_F(GdiplusBridge, RegionHandlesCrossBothWaysAndClipADrawing)
{
    // An L of two rectangles: (1, 1)-(3, 5) and (3, 3)-(6, 5).
    TRegion* ell = CreateRectRgn(1, 1, 3, 5);
    TRegion* foot = CreateRectRgn(3, 3, 6, 5);
    CombineRgn(ell, ell, foot, RGN_OR);
    DeleteObject(foot);
    void* region = nullptr;
    ASSERT_EQ(Bridge<int (*)(HRGN, void**)>("GdipCreateRegionHrgn")(ell, &region), 0);
    TBitmap bmp;
    White(bmp, 7, 6);
    void* graphics = nullptr;
    ASSERT_EQ(Bridge<CreateFromHDCFn>("GdipCreateFromHDC")(&bmp.Canvas(), &graphics), 0);
    using GetRegionHRgnFn = int (*)(void*, void*, HRGN*);
    HRGN back = nullptr;
    ASSERT_EQ(Bridge<GetRegionHRgnFn>("GdipGetRegionHRgn")(region, graphics, &back), 0);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(EqualRgn(back, ell));
    DeleteObject(back);
    GdipDeleteRegion(region);
    // An infinite region has no handle.
    GdipCreateRegion(&region);
    back = ell;
    EXPECT_EQ(Bridge<GetRegionHRgnFn>("GdipGetRegionHRgn")(region, graphics, &back), 0);
    EXPECT_EQ(back, nullptr);
    GdipDeleteRegion(region);
    EXPECT_EQ(Bridge<int (*)(void*, HRGN, int)>("GdipSetClipHrgn")(graphics, ell, 0), 0);
    FillRect(graphics, 0xFF0000FF, 0, 0, 7, 6);
    Bridge<DeleteGraphicsFn>("GdipDeleteGraphics")(graphics);
    EXPECT_EQ(Picture(bmp, 0x000000FF), "......./.XX..../.XX..../.XXXXX./.XXXXX./.......");
    EXPECT_EQ(Bridge<int (*)(HRGN, void**)>("GdipCreateRegionHrgn")(nullptr, &region), 2);
    DeleteObject(ell);
}

TEST_F(GdiplusBridge, OtherNamesAreLeftToGdiplus)
{
    EXPECT_EQ(GdiplusBridgeEntry("GdipFillRectangle"), nullptr);
    EXPECT_EQ(GdiplusBridgeEntry("GdipCreatePen1"), nullptr);
}

// The toolkit and cairo keep using fontconfig's configuration and caches for the whole run: GDI+
// shutting down must leave them as they are (ending fontconfig under them aborts the program).
TEST_F(GdiplusBridge, ShuttingDownLeavesFontconfigToTheRestOfTheProgram)
{
    FcConfig* before = FcConfigReference(nullptr);   // held, as the toolkit holds it
    ASSERT_NE(before, nullptr);
    auto startup = Bridge<int (*)(std::uintptr_t*, const void*, void*)>("GdiplusStartup");
    auto shutdown = Bridge<void (*)(std::uintptr_t)>("GdiplusShutdown");
    StartupInput input;
    std::uintptr_t mine = 0;
    ASSERT_EQ(startup(&mine, &input, nullptr), 0);
    shutdown(mine);
    EXPECT_EQ(FcConfigGetCurrent(), before);
    FcConfigDestroy(before);
    GdiplusStartup(&token, &input, nullptr);
}

TEST_F(GdiplusBridge, GdiplusStopsAtTheShutDownOfItsLastStartUp)
{
    auto startup = Bridge<int (*)(std::uintptr_t*, const void*, void*)>("GdiplusStartup");
    auto shutdown = Bridge<void (*)(std::uintptr_t)>("GdiplusShutdown");
    auto running = [] {
        void* family = nullptr;
        int status = GdipCreateFontFamilyFromName(u"Liberation Sans", nullptr, &family);
        if (family) GdipDeleteFontFamily(family);
        return status == 0;
    };
    StartupInput input;
    std::uintptr_t first = 0, second = 0;
    ASSERT_EQ(startup(&first, &input, nullptr), 0);
    ASSERT_EQ(startup(&second, &input, nullptr), 0);
    EXPECT_NE(first, second);
    shutdown(second);
    shutdown(second);   // a token shuts down once
    EXPECT_TRUE(running());
    shutdown(first);
    EXPECT_FALSE(running());
    // GDI+ back on for the rest of the run.
    GdiplusStartup(&token, &input, nullptr);
    EXPECT_TRUE(running());
}
