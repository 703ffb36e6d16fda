// The flat GDI+ functions answered on our canvases, bitmaps, fonts and streams; everything they
// draw or decode is done by libgdiplus itself.
#include "platform/gdiplus/GdiplusBridge.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include <fontconfig/fontconfig.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using GpStatus = int;
enum : GpStatus { Ok = 0, InvalidParameter = 2, NotImplemented = 6, FontFamilyNotFound = 14 };
constexpr int PixelFormat32bppRGB = 0x22009, PixelFormat32bppARGB = 0x26200A;
constexpr unsigned ImageLockModeRead = 1, ImageLockModeWrite = 2;
constexpr int UnitPixel = 2, CombineModeReplace = 0, MatrixOrderPrepend = 0, FlushIntentionSync = 1;

struct GpRect {
    int X, Y, Width, Height;
};
// libgdiplus fills more than the published record: its own bookkeeping follows in place.
struct GpBitmapData {
    unsigned Width, Height;
    int Stride, PixelFormat;
    void* Scan0;
    std::uintptr_t Reserved;
    std::uint8_t Private[128];
};

using GetHeaderDelegate = int (*)(std::uint8_t*, int);
using GetBytesDelegate = int (*)(std::uint8_t*, int, int);
using PutBytesDelegate = int (*)(std::uint8_t*, int);
using SeekDelegate = long (*)(int, int);
using CloseDelegate = void (*)();
using SizeDelegate = long (*)();

}  // namespace

// The libgdiplus functions the bridge draws and decodes with.
extern "C" {
GpStatus GdiplusStartup(std::uintptr_t* token, const void* input, void* output);
void GdiplusShutdown(std::uintptr_t token);
GpStatus GdipCreateBitmapFromScan0(int width, int height, int stride, int format, std::uint8_t* scan0, void** bitmap);
GpStatus GdipGetImageGraphicsContext(void* image, void** graphics);
GpStatus GdipDeleteGraphics(void* graphics);
GpStatus GdipDisposeImage(void* image);
GpStatus GdipTranslateWorldTransform(void* graphics, float dx, float dy, int order);
GpStatus GdipFlush(void* graphics, int intention);
GpStatus GdipBitmapLockBits(void* bitmap, const GpRect* rect, unsigned flags, int format, GpBitmapData* data);
GpStatus GdipBitmapUnlockBits(void* bitmap, GpBitmapData* data);
GpStatus GdipGetImageWidth(void* image, unsigned* width);
GpStatus GdipGetImageHeight(void* image, unsigned* height);
GpStatus GdipCreateFontFamilyFromName(const char16_t* name, void* collection, void** family);
GpStatus GdipGetGenericFontFamilySansSerif(void** family);
GpStatus GdipDeleteFontFamily(void* family);
GpStatus GdipGetFamilyName(const void* family, char16_t* name, Word language);
GpStatus GdipCreateFont(const void* family, float emSize, int style, int unit, void** font);
GpStatus GdipCreateRegion(void** region);
GpStatus GdipSetEmpty(void* region);
GpStatus GdipDeleteRegion(void* region);
GpStatus GdipCombineRegionRectI(void* region, const GpRect* rect, int mode);
GpStatus GdipIsInfiniteRegion(void* region, void* graphics, int* result);
GpStatus GdipGetRegionScansCount(void* region, unsigned* count, void* matrix);
GpStatus GdipGetRegionScansI(void* region, GpRect* rects, int* count, void* matrix);
GpStatus GdipCreateMatrix(void** matrix);
GpStatus GdipDeleteMatrix(void* matrix);
GpStatus GdipSetClipRegion(void* graphics, void* region, int mode);
GpStatus GdipGetEmHeight(const void* family, int style, std::uint16_t* height);
GpStatus GdipGetCellAscent(const void* family, int style, std::uint16_t* ascent);
GpStatus GdipGetCellDescent(const void* family, int style, std::uint16_t* descent);
GpStatus GdipLoadImageFromDelegate_linux(GetHeaderDelegate getHeader, GetBytesDelegate getBytes,
                                         PutBytesDelegate putBytes, SeekDelegate seek, CloseDelegate close,
                                         SizeDelegate size, void** image);
GpStatus GdipSaveImageToDelegate_linux(void* image, GetBytesDelegate getBytes, PutBytesDelegate putBytes,
                                       SeekDelegate seek, CloseDelegate close, SizeDelegate size,
                                       const void* encoder, const void* params);
}

namespace {

// ---- Start-up and shut-down

// GDI+ counts its start-ups: each has its own token, and only the shut-down of the last one
// stops it.  libgdiplus starts once and stops at the first shut-down, so the counting is done here.
std::set<std::uintptr_t>& LiveTokens()
{
    static std::set<std::uintptr_t> tokens;
    return tokens;
}

GpStatus Startup(std::uintptr_t* token, const void* input, void* output)
{
    static std::uintptr_t lastToken = 0;
    if (!token || !input) return InvalidParameter;
    if (LiveTokens().empty()) {
        GpStatus status = GdiplusStartup(token, input, output);
        if (status != Ok) return status;
    }
    *token = ++lastToken;
    LiveTokens().insert(*token);
    return Ok;
}

void Shutdown(std::uintptr_t token)
{
    if (LiveTokens().erase(token) == 1 && LiveTokens().empty()) GdiplusShutdown(token);
}

// libgdiplus ends fontconfig (FcFini) when GDI+ shuts down, while the toolkit and cairo go on
// using fontconfig's caches in this process; fontconfig aborts when it is ended with caches still
// in use.  The process keeps fontconfig until it exits: this definition stands in for the
// library's for every caller in the program.
extern "C" void FcFini() {}

// ---- Graphics on a canvas

// A graphics drawing into a canvas: the GDI+ bitmap over the canvas's pixels (the clip box of
// the device) and that box in device pixels.
struct TCanvasGraphics {
    TCanvas* Canvas;
    void* Bitmap;
    TRect Area;
};
std::map<void*, TCanvasGraphics>& CanvasGraphics()
{
    static std::map<void*, TCanvasGraphics> graphics;
    return graphics;
}

// GDI+ leaves its own alpha in the pixels it draws; the canvas keeps 0x00RRGGBB.
void ClearAlpha(const TPixelBuffer& buf, const TRect& area)
{
    for (Integer y = area.Top; y < area.Bottom; ++y) {
        Cardinal* row = buf.Row(y);
        for (Integer x = area.Left; x < area.Right; ++x) row[x] &= 0x00FFFFFF;
    }
}

void CanvasDrawn(const TCanvasGraphics& cg)
{
    TPixelBuffer buf;
    if (!cg.Canvas->GetPixels(buf)) return;
    ClearAlpha(buf, cg.Area);
    if (cg.Canvas->Device()) cg.Canvas->Device()->Changed(cg.Area);
    if (cg.Canvas->OnChange) cg.Canvas->OnChange();
}

GpStatus CreateFromHDC(HDC hdc, void** graphics)
{
    if (!hdc || !graphics) return InvalidParameter;
    TPixelBuffer buf;
    if (!hdc->GetPixels(buf)) return NotImplemented;   // printers and metafiles take no pixels
    TRect clip = hdc->LPtoDP(hdc->ClipRect());
    TRect area;
    IntersectRect(area, clip, Rect(0, 0, buf.Width, buf.Height));
    if (area.Right <= area.Left || area.Bottom <= area.Top) area = Rect(0, 0, 0, 0);
    // An empty clip still makes a graphics: one pixel that nothing reaches.
    Integer width = std::max<Integer>(area.Right - area.Left, 1), height = std::max<Integer>(area.Bottom - area.Top, 1);
    static Cardinal nowhere = 0;
    std::uint8_t* scan0 = area.Right > area.Left ? reinterpret_cast<std::uint8_t*>(buf.Row(area.Top) + area.Left)
                                                 : reinterpret_cast<std::uint8_t*>(&nowhere);
    void* bitmap = nullptr;
    GpStatus status = GdipCreateBitmapFromScan0(width, height, buf.Stride * 4, PixelFormat32bppRGB, scan0, &bitmap);
    if (status != Ok) return status;
    void* g = nullptr;
    status = GdipGetImageGraphicsContext(bitmap, &g);
    if (status != Ok) {
        GdipDisposeImage(bitmap);
        return status;
    }
    TPoint origin = hdc->ToDevice({0, 0});
    if (origin.X != area.Left || origin.Y != area.Top)
        GdipTranslateWorldTransform(g, static_cast<float>(origin.X - area.Left), static_cast<float>(origin.Y - area.Top),
                                    MatrixOrderPrepend);
    if (hdc->OnChanging) hdc->OnChanging();
    CanvasGraphics()[g] = {hdc, bitmap, area};
    *graphics = g;
    return Ok;
}

GpStatus CreateFromHDC2(HDC hdc, void* device, void** graphics)
{
    (void)device;
    return CreateFromHDC(hdc, graphics);
}

// Windows have no device context of their own here: their canvases do.
GpStatus CreateFromHWND(void* hwnd, void** graphics)
{
    (void)hwnd;
    (void)graphics;
    return NotImplemented;
}

GpStatus DeleteGraphics(void* graphics)
{
    auto it = CanvasGraphics().find(graphics);
    if (it == CanvasGraphics().end()) return GdipDeleteGraphics(graphics);
    TCanvasGraphics cg = it->second;
    CanvasGraphics().erase(it);
    GpStatus status = GdipDeleteGraphics(graphics);
    GdipDisposeImage(cg.Bitmap);
    CanvasDrawn(cg);
    return status;
}

// The device context of a graphics on a canvas is the canvas, up to date with what GDI+ drew.
GpStatus GetDC(void* graphics, HDC* hdc)
{
    if (!graphics || !hdc) return InvalidParameter;
    auto it = CanvasGraphics().find(graphics);
    if (it == CanvasGraphics().end()) return NotImplemented;
    GdipFlush(graphics, FlushIntentionSync);
    CanvasDrawn(it->second);
    *hdc = it->second.Canvas;
    return Ok;
}

GpStatus ReleaseDC(void* graphics, HDC hdc)
{
    auto it = CanvasGraphics().find(graphics);
    if (it == CanvasGraphics().end() || it->second.Canvas != hdc) return InvalidParameter;
    return Ok;
}

// ---- Bitmaps

// A 32-bit copy of the bitmap's pixels, 0x00RRGGBB, top-down.
std::vector<Cardinal> PixelsOf(TBitmap& bitmap)
{
    TPixelBuffer buf;
    TBitmap copy;
    if (!bitmap.GetPixels(buf)) {
        copy.Assign(bitmap);
        copy.SetPixelFormat(TPixelFormat::pf32bit);
        copy.GetPixels(buf);
    }
    std::vector<Cardinal> pixels;
    pixels.reserve(static_cast<size_t>(buf.Width) * buf.Height);
    for (Integer y = 0; y < buf.Height; ++y) pixels.insert(pixels.end(), buf.Row(y), buf.Row(y) + buf.Width);
    return pixels;
}

GpStatus CreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE palette, void** bitmap)
{
    (void)palette;
    if (!hbm || !bitmap || hbm->Empty()) return InvalidParameter;
    std::vector<Cardinal> pixels = PixelsOf(*hbm);
    Integer width = hbm->Width(), height = hbm->Height();
    void* result = nullptr;
    GpStatus status = GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppRGB, nullptr, &result);
    if (status != Ok) return status;
    GpRect all{0, 0, width, height};
    GpBitmapData data{};
    status = GdipBitmapLockBits(result, &all, ImageLockModeWrite, PixelFormat32bppRGB, &data);
    if (status != Ok) {
        GdipDisposeImage(result);
        return status;
    }
    for (Integer y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<Cardinal*>(static_cast<std::uint8_t*>(data.Scan0) + y * data.Stride);
        for (Integer x = 0; x < width; ++x) row[x] = pixels[static_cast<size_t>(y) * width + x] | 0xFF000000;
    }
    GdipBitmapUnlockBits(result, &data);
    *bitmap = result;
    return Ok;
}

Cardinal Blend(Cardinal argb, Cardinal background)
{
    Cardinal a = argb >> 24;
    auto channel = [&](int shift) {
        Cardinal s = (argb >> shift) & 0xFF, d = (background >> shift) & 0xFF;
        return ((s * a + d * (255 - a) + 127) / 255) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// A new bitmap of ours with the GDI+ bitmap's pixels laid over the background colour.
GpStatus CreateHBITMAPFromBitmap(void* bitmap, HBITMAP* hbm, Cardinal background)
{
    if (!bitmap || !hbm) return InvalidParameter;
    unsigned width = 0, height = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    GpRect all{0, 0, static_cast<int>(width), static_cast<int>(height)};
    GpBitmapData data{};
    GpStatus status = GdipBitmapLockBits(bitmap, &all, ImageLockModeRead, PixelFormat32bppARGB, &data);
    if (status != Ok) return status;
    auto* result = new TBitmap(static_cast<Integer>(width), static_cast<Integer>(height));
    TPixelBuffer buf;
    result->GetPixels(buf);
    for (unsigned y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<const Cardinal*>(static_cast<const std::uint8_t*>(data.Scan0) + y * data.Stride);
        for (unsigned x = 0; x < width; ++x) buf.Row(static_cast<Integer>(y))[x] = Blend(row[x], background);
    }
    GdipBitmapUnlockBits(bitmap, &data);
    *hbm = result;
    return Ok;
}

GpStatus CreateBitmapFromHICON(HICON icon, void** bitmap)
{
    (void)icon;
    (void)bitmap;
    return NotImplemented;
}

GpStatus CreateHICONFromBitmap(void* bitmap, HICON* icon)
{
    (void)bitmap;
    (void)icon;
    return NotImplemented;
}

// ---- Fonts

// The Wine fonts (Tahoma, MS Sans Serif, ...) are not in the system's font configuration: they
// are added to it for this process, once, before GDI+ looks a family up, so that GDI+ finds them
// and its text engine draws with them.
void RegisterLayerFonts()
{
    static const bool registered = [] {
        std::error_code error;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator("/usr/share/wine/fonts", error))
            if (entry.path().extension() == ".ttf") files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files)
            FcConfigAppFontAddFile(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(file.c_str()));
        return true;
    }();
    (void)registered;
}

// The family with exactly that name (letter case aside) in a collection; GDI+'s own look-up
// answers a near match for a name it does not have.
GpStatus FamilyNamed(const String& name, void* collection, void** family)
{
    GpStatus status = GdipCreateFontFamilyFromName(name.c_str(), collection, family);
    if (status != Ok) return status;
    char16_t found[33] = {};
    GdipGetFamilyName(*family, found, 0);
    if (AnsiLowerCase(String(found)) == AnsiLowerCase(name)) return Ok;
    GdipDeleteFontFamily(*family);
    *family = nullptr;
    return FontFamilyNotFound;
}

GpStatus CreateFontFamilyFromName(const char16_t* name, void* collection, void** family)
{
    if (!name || !family) return InvalidParameter;
    RegisterLayerFonts();
    if (collection) return GdipCreateFontFamilyFromName(name, collection, family);
    return FamilyNamed(GdiplusFamilyName(String(std::u16string(name))), nullptr, family);
}

// Windows' rule: a negative height is the em height, a positive one the cell height, in device
// pixels; weight 600 and more is bold.
GpStatus CreateFontFromLogfontW(HDC hdc, const LOGFONTW* logfont, void** font)
{
    (void)hdc;
    if (!logfont || !font) return InvalidParameter;
    std::u16string face(logfont->lfFaceName, std::find(logfont->lfFaceName, logfont->lfFaceName + 32, u'\0'));
    void* family = nullptr;
    if (CreateFontFamilyFromName(face.c_str(), nullptr, &family) != Ok) {
        family = nullptr;
        GpStatus status = GdipGetGenericFontFamilySansSerif(&family);
        if (status != Ok) return status;
    }
    int style = (logfont->lfWeight >= 600 ? 1 : 0) | (logfont->lfItalic ? 2 : 0) | (logfont->lfUnderline ? 4 : 0) |
                (logfont->lfStrikeOut ? 8 : 0);
    float em = 0;
    if (logfont->lfHeight < 0) em = static_cast<float>(-logfont->lfHeight);
    else {
        std::uint16_t emHeight = 0, ascent = 0, descent = 0;
        GdipGetEmHeight(family, style, &emHeight);
        GdipGetCellAscent(family, style, &ascent);
        GdipGetCellDescent(family, style, &descent);
        Integer cell = logfont->lfHeight > 0 ? logfont->lfHeight : 16;
        em = ascent + descent > 0 ? static_cast<float>(cell) * emHeight / (ascent + descent) : static_cast<float>(cell);
    }
    GpStatus status = GdipCreateFont(family, em, style, UnitPixel, font);
    GdipDeleteFontFamily(family);
    return status;
}

GpStatus CreateFontFromLogfontA(HDC hdc, const LOGFONTA* logfont, void** font)
{
    if (!logfont) return InvalidParameter;
    LOGFONTW wide;
    wide.lfHeight = logfont->lfHeight;
    wide.lfWidth = logfont->lfWidth;
    wide.lfEscapement = logfont->lfEscapement;
    wide.lfOrientation = logfont->lfOrientation;
    wide.lfWeight = logfont->lfWeight;
    wide.lfItalic = logfont->lfItalic;
    wide.lfUnderline = logfont->lfUnderline;
    wide.lfStrikeOut = logfont->lfStrikeOut;
    wide.lfCharSet = logfont->lfCharSet;
    String face = AnsiString::FromBytes(std::string(logfont->lfFaceName, strnlen(logfont->lfFaceName, 32)));
    std::copy_n(face.c_str(), std::min<size_t>(face.Length(), 31), wide.lfFaceName);
    return CreateFontFromLogfontW(hdc, &wide, font);
}

GpStatus CreateFontFromDC(HDC hdc, void** font)
{
    if (!hdc) return InvalidParameter;
    LOGFONTW logfont = LogFontOf(hdc->Font());
    return CreateFontFromLogfontW(hdc, &logfont, font);
}

// ---- Streams

// libgdiplus reads and writes pictures through callbacks that carry no context: the stream being
// read or written is the one of the call in progress (drawing runs on the user-interface thread).
IStream* CurrentStream = nullptr;

int StreamGetHeader(std::uint8_t* buffer, int size)
{
    Int64 at = CurrentStream->Position();
    Integer read = CurrentStream->Read(buffer, size);
    CurrentStream->SetPosition(at);
    return read;
}
int StreamGetBytes(std::uint8_t* buffer, int size, int peek)
{
    Int64 at = CurrentStream->Position();
    Integer read = CurrentStream->Read(buffer, size);
    if (peek) CurrentStream->SetPosition(at);
    return read;
}
int StreamPutBytes(std::uint8_t* buffer, int size)
{
    return CurrentStream->Write(buffer, size);
}
long StreamSeek(int offset, int whence)
{
    TSeekOrigin origin = whence == 0 ? soFromBeginning : whence == 1 ? soFromCurrent : soFromEnd;
    return static_cast<long>(CurrentStream->Seek(offset, origin));
}
void StreamClose() {}
long StreamSize()
{
    return static_cast<long>(CurrentStream->Size());
}

GpStatus LoadImageFromStream(IStream* stream, void** image)
{
    if (!stream || !image) return InvalidParameter;
    CurrentStream = stream;
    GpStatus status = GdipLoadImageFromDelegate_linux(StreamGetHeader, StreamGetBytes, StreamPutBytes, StreamSeek,
                                                      StreamClose, StreamSize, image);
    CurrentStream = nullptr;
    return status;
}

GpStatus SaveImageToStream(void* image, IStream* stream, const void* encoder, const void* params)
{
    if (!image || !stream || !encoder) return InvalidParameter;
    CurrentStream = stream;
    GpStatus status = GdipSaveImageToDelegate_linux(image, StreamGetBytes, StreamPutBytes, StreamSeek, StreamClose,
                                                    StreamSize, encoder, params);
    CurrentStream = nullptr;
    return status;
}

// Regions of our device contexts (HRGN) as GDI+ regions and back, rectangle by rectangle.
constexpr int CombineModeUnion = 2;

GpStatus CreateRegionHrgn(HRGN hRgn, void** region)
{
    if (!hRgn || !region) return InvalidParameter;
    void* result = nullptr;
    GpStatus status = GdipCreateRegion(&result);
    if (status == Ok) status = GdipSetEmpty(result);
    for (const TRect& r : hRgn->Rects()) {
        if (status != Ok) break;
        const GpRect rect{r.Left, r.Top, r.Width(), r.Height()};
        status = GdipCombineRegionRectI(result, &rect, CombineModeUnion);
    }
    if (status != Ok) {
        GdipDeleteRegion(result);
        return status;
    }
    *region = result;
    return Ok;
}

// A new region of ours, or none for an infinite region.
GpStatus GetRegionHRgn(void* region, void* graphics, HRGN* hRgn)
{
    if (!region || !graphics || !hRgn) return InvalidParameter;
    int infinite = 0;
    GpStatus status = GdipIsInfiniteRegion(region, graphics, &infinite);
    if (status != Ok) return status;
    if (infinite) {
        *hRgn = nullptr;
        return Ok;
    }
    void* identity = nullptr;
    status = GdipCreateMatrix(&identity);
    unsigned count = 0;
    if (status == Ok) status = GdipGetRegionScansCount(region, &count, identity);
    std::vector<GpRect> rects(count);
    int filled = 0;
    if (status == Ok && count > 0) status = GdipGetRegionScansI(region, rects.data(), &filled, identity);
    GdipDeleteMatrix(identity);
    if (status != Ok) return status;
    auto result = std::make_unique<TRegion>();
    for (int i = 0; i < filled; ++i)
        result->Combine(TRegion(Bounds(rects[i].X, rects[i].Y, rects[i].Width, rects[i].Height)), RGN_OR);
    *hRgn = result.release();
    return Ok;
}

GpStatus SetClipHrgn(void* graphics, HRGN hRgn, int combineMode)
{
    void* region = nullptr;
    GpStatus status = CreateRegionHrgn(hRgn, &region);
    if (status != Ok) return status;
    status = GdipSetClipRegion(graphics, region, combineMode);
    GdipDeleteRegion(region);
    return status;
}

struct TBridgeEntry {
    const char* Name;
    void* Function;
};

template <typename F>
void* Entry(F function)
{
    return reinterpret_cast<void*>(function);
}


}  // namespace

void* GdiplusBridgeEntry(const char* name)
{
    // A table made on first use: the binding may run before other static objects are made.
    static const TBridgeEntry entries[] = {
        {"GdiplusStartup", Entry(Startup)},
        {"GdiplusShutdown", Entry(Shutdown)},
        {"GdipCreateFromHDC", Entry(CreateFromHDC)},
        {"GdipCreateFromHDC2", Entry(CreateFromHDC2)},
        {"GdipCreateFromHWND", Entry(CreateFromHWND)},
        {"GdipCreateFromHWNDICM", Entry(CreateFromHWND)},
        {"GdipDeleteGraphics", Entry(DeleteGraphics)},
        {"GdipGetDC", Entry(GetDC)},
        {"GdipReleaseDC", Entry(ReleaseDC)},
        {"GdipCreateBitmapFromHBITMAP", Entry(CreateBitmapFromHBITMAP)},
        {"GdipCreateHBITMAPFromBitmap", Entry(CreateHBITMAPFromBitmap)},
        {"GdipCreateBitmapFromHICON", Entry(CreateBitmapFromHICON)},
        {"GdipCreateHICONFromBitmap", Entry(CreateHICONFromBitmap)},
        {"GdipCreateFontFamilyFromName", Entry(CreateFontFamilyFromName)},
        {"GdipCreateFontFromDC", Entry(CreateFontFromDC)},
        {"GdipCreateFontFromLogfontA", Entry(CreateFontFromLogfontA)},
        {"GdipCreateFontFromLogfontW", Entry(CreateFontFromLogfontW)},
        {"GdipLoadImageFromStream", Entry(LoadImageFromStream)},
        {"GdipLoadImageFromStreamICM", Entry(LoadImageFromStream)},
        {"GdipCreateBitmapFromStream", Entry(LoadImageFromStream)},
        {"GdipCreateBitmapFromStreamICM", Entry(LoadImageFromStream)},
        {"GdipSaveImageToStream", Entry(SaveImageToStream)},
        {"GdipCreateRegionHrgn", Entry(CreateRegionHrgn)},
        {"GdipGetRegionHRgn", Entry(GetRegionHRgn)},
        {"GdipSetClipHrgn", Entry(SetClipHrgn)},
    };
    for (const TBridgeEntry& e : entries)
        if (std::strcmp(e.Name, name) == 0) return e.Function;
    return nullptr;
}

String GdiplusFamilyName(const String& faceName)
{
    static const std::pair<const char*, const char*> substitutes[] = {
        {"arial", "Liberation Sans"},      {"helvetica", "Liberation Sans"}, {"times new roman", "Liberation Serif"},
        {"courier new", "Liberation Mono"}, {"ms shell dlg", "Tahoma"},     {"ms shell dlg 2", "Tahoma"},
        {"segoe ui", "Tahoma"},
    };
    String lower = LowerCase(faceName);
    for (const auto& [from, to] : substitutes)
        if (lower == String(from)) return to;
    return faceName;
}

LOGFONTW LogFontOf(TFont& font)
{
    LOGFONTW logfont;
    logfont.lfHeight = font.Height();
    logfont.lfWeight = font.Style().Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    logfont.lfItalic = font.Style().Contains(TFontStyle::fsItalic);
    logfont.lfUnderline = font.Style().Contains(TFontStyle::fsUnderline);
    logfont.lfStrikeOut = font.Style().Contains(TFontStyle::fsStrikeOut);
    logfont.lfEscapement = logfont.lfOrientation = font.Orientation();
    String name = font.Name();
    std::copy_n(name.c_str(), std::min<size_t>(name.Length(), 31), logfont.lfFaceName);
    return logfont;
}
