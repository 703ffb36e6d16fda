// The statically bound GDI+ wrapper: flat functions imported at link time, the layer's device
// contexts, fonts and streams through its bridge, GDI+ started for this unit with its own token.
#include "graphics/GxGDIP.h"

#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "graphics/GxGDIPlusClasses.h"

namespace {
struct TGuid {
    Cardinal Data1;
    Word Data2, Data3;
    std::uint8_t Data4[8];
};
}  // namespace

extern "C" {
Status GdipCreateMatrix3(const TGPRectF* rect, const TGPPointF* dstplg, void** matrix);
Status GdipCreateMatrix3I(const TGPRect* rect, const TGPPoint* dstplg, void** matrix);
Status GdipCreatePath2(const TGPPointF* points, const std::uint8_t* types, int count, int fillMode, void** path);
Status GdipGetPathTypes(void* path, std::uint8_t* types, int count);
Status GdipAddPathCurve3(void* path, const TGPPointF* points, int count, int offset, int numberOfSegments,
                         Single tension);
Status GdipAddPathBezierI(void* path, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
Status GdipCreateTexture2I(void* image, int wrap, int x, int y, int width, int height, void** brush);
Status GdipCreateTextureIA(void* image, void* attributes, Single x, Single y, Single width, Single height,
                           void** brush);
Status GdipCreateTextureIAI(void* image, void* attributes, int x, int y, int width, int height, void** brush);
Status GdipCreateLineBrushI(const TGPPoint* point1, const TGPPoint* point2, ARGB color1, ARGB color2, int wrap,
                            void** brush);
Status GdipCreateLineBrushFromRectI(const TGPRect* rect, ARGB color1, ARGB color2, int mode, int wrap, void** brush);
Status GdipCreateLineBrushFromRectWithAngleI(const TGPRect* rect, ARGB color1, ARGB color2, Single angle,
                                             int isAngleScalable, int wrap, void** brush);
Status GdipGetCompositingQuality(void* graphics, int* quality);
Status GdipMultiplyWorldTransform(void* graphics, void* matrix, int order);
Status GdipDrawEllipseI(void* graphics, void* pen, int x, int y, int width, int height);
Status GdipFillEllipseI(void* graphics, void* brush, int x, int y, int width, int height);
Status GdipFillPolygonI(void* graphics, void* brush, const TGPPoint* points, int count, int fillMode);
Status GdipDrawImageI(void* graphics, void* image, int x, int y);
Status GdipDrawImageRectI(void* graphics, void* image, int x, int y, int width, int height);
Status GdipSaveImageToFile(void* image, const char16_t* filename, const void* encoder, const void* params);
void* GdipAlloc(std::size_t size);
void GdipFree(void* p);
Status GdipCreateMatrix(void** matrix);
Status GdipCreateMatrix2(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy, void** matrix);
Status GdipCloneMatrix(void* matrix, void** clone);
Status GdipDeleteMatrix(void* matrix);
Status GdipSetMatrixElements(void* matrix, Single m11, Single m12, Single m21, Single m22, Single dx, Single dy);
Status GdipGetMatrixElements(void* matrix, Single* elements);
Status GdipMultiplyMatrix(void* matrix, void* other, int order);
Status GdipTranslateMatrix(void* matrix, Single dx, Single dy, int order);
Status GdipScaleMatrix(void* matrix, Single sx, Single sy, int order);
Status GdipRotateMatrix(void* matrix, Single angle, int order);
Status GdipInvertMatrix(void* matrix);
Status GdipShearMatrix(void* matrix, Single sx, Single sy, int order);
Status GdipTransformMatrixPointsI(void* matrix, TGPPoint* points, int count);
Status GdipVectorTransformMatrixPoints(void* matrix, TGPPointF* points, int count);
Status GdipVectorTransformMatrixPointsI(void* matrix, TGPPoint* points, int count);
Status GdipCreateTexture(void* image, int wrap, void** brush);
Status GdipCreateTexture2(void* image, int wrap, Single x, Single y, Single width, Single height, void** brush);
Status GdipResetTextureTransform(void* brush);
Status GdipTranslateTextureTransform(void* brush, Single dx, Single dy, int order);
Status GdipScaleTextureTransform(void* brush, Single sx, Single sy, int order);
Status GdipRotateTextureTransform(void* brush, Single angle, int order);
Status GdipSetTextureWrapMode(void* brush, int wrap);
Status GdipGetTextureWrapMode(void* brush, int* wrap);
Status GdipGetTextureImage(void* brush, void** image);
Status GdipAddPathRectangleI(void* path, int x, int y, int width, int height);
Status GdipAddPathPolygonI(void* path, const TGPPoint* points, int count);
Status GdipAddPathCurve(void* path, const TGPPointF* points, int count);
Status GdipAddPathCurve2(void* path, const TGPPointF* points, int count, Single tension);
Status GdipAddPathString(void* path, const char16_t* text, int length, void* family, int style, Single emSize,
                         const TGPRectF* layout, void* format);
Status GdipDrawBeziers(void* graphics, void* pen, const TGPPointF* points, int count);
Status GdipCreateImageAttributes(void** attributes);
Status GdipCloneImageAttributes(void* attributes, void** clone);
Status GdipDisposeImageAttributes(void* attributes);
Status GdipSetImageAttributesToIdentity(void* attributes, int type);
Status GdipResetImageAttributes(void* attributes, int type);
Status GdipSetImageAttributesColorMatrix(void* attributes, int type, int enable, const ColorMatrix* matrix,
                                         const ColorMatrix* gray, int flags);
Status GdipSetImageAttributesThreshold(void* attributes, int type, int enable, Single threshold);
Status GdipSetImageAttributesGamma(void* attributes, int type, int enable, Single gamma);
Status GdipSetImageAttributesNoOp(void* attributes, int type, int enable);
Status GdipSetImageAttributesColorKeys(void* attributes, int type, int enable, ARGB low, ARGB high);
Status GdipSetImageAttributesOutputChannel(void* attributes, int type, int enable, int flags);
Status GdipSetImageAttributesOutputChannelColorProfile(void* attributes, int type, int enable,
                                                       const char16_t* filename);
Status GdipSetImageAttributesRemapTable(void* attributes, int type, int enable, Cardinal size, const ColorMap* map);
Status GdipSetImageAttributesWrapMode(void* attributes, int wrap, ARGB color, int clamp);
Status GdipGetImageAttributesAdjustedPalette(void* attributes, ColorPalette* palette, int type);
Status GdipTransformMatrixPoints(void* matrix, TGPPointF* points, int count);
Status GdipIsMatrixInvertible(void* matrix, int* result);
Status GdipIsMatrixIdentity(void* matrix, int* result);
Status GdipCreateStringFormat(int flags, Word language, void** format);
Status GdipCloneStringFormat(void* format, void** clone);
Status GdipDeleteStringFormat(void* format);
Status GdipSetStringFormatAlign(void* format, int align);
Status GdipGetStringFormatAlign(void* format, int* align);
Status GdipSetStringFormatLineAlign(void* format, int align);
Status GdipGetStringFormatLineAlign(void* format, int* align);
Status GdipSetStringFormatFlags(void* format, int flags);
Status GdipGetStringFormatFlags(void* format, int* flags);
Status GdipSetStringFormatTrimming(void* format, int trimming);
Status GdipGetStringFormatTrimming(void* format, int* trimming);
Status GdipSetStringFormatHotkeyPrefix(void* format, int prefix);
Status GdipGetStringFormatHotkeyPrefix(void* format, int* prefix);
Status GdipDeleteBrush(void* brush);
Status GdipCreateSolidFill(ARGB color, void** brush);
Status GdipCreateHatchBrush(int style, ARGB fore, ARGB back, void** brush);
Status GdipGetHatchStyle(void* brush, int* style);
Status GdipGetHatchForegroundColor(void* brush, ARGB* color);
Status GdipGetHatchBackgroundColor(void* brush, ARGB* color);
Status GdipCreateLineBrush(const TGPPointF* p1, const TGPPointF* p2, ARGB c1, ARGB c2, int wrap, void** brush);
Status GdipCreateLineBrushFromRect(const TGPRectF* rect, ARGB c1, ARGB c2, int mode, int wrap, void** brush);
Status GdipCreateLineBrushFromRectWithAngle(const TGPRectF* rect, ARGB c1, ARGB c2, Single angle, int scalable,
                                            int wrap, void** brush);
Status GdipSetLineGammaCorrection(void* brush, int use);
Status GdipSetLinePresetBlend(void* brush, const ARGB* colors, const Single* positions, int count);
Status GdipCreatePen1(ARGB color, Single width, int unit, void** pen);
Status GdipCreatePen2(void* brush, Single width, int unit, void** pen);
Status GdipDeletePen(void* pen);
Status GdipGetPenBrushFill(void* pen, void** brush);
Status GdipSetPenBrushFill(void* pen, void* brush);
Status GdipGetPenDashStyle(void* pen, int* style);
Status GdipSetPenDashStyle(void* pen, int style);
Status GdipGetPenFillType(void* pen, int* type);
Status GdipSetPenEndCap(void* pen, int cap);
Status GdipDeleteFontFamily(void* family);
Status GdipGetFamilyName(void* family, char16_t* name, Word language);
Status GdipGetGenericFontFamilySansSerif(void** family);
Status GdipGetGenericFontFamilySerif(void** family);
Status GdipGetGenericFontFamilyMonospace(void** family);
Status GdipCreateFont(void* family, Single size, int style, int unit, void** font);
Status GdipDeleteFont(void* font);
Status GdipGetFontStyle(void* font, int* style);
Status GdipGetFontSize(void* font, Single* size);
Status GdipGetFamily(void* font, void** family);
Status GdipCreatePath(int fillMode, void** path);
Status GdipDeletePath(void* path);
Status GdipGetPointCount(void* path, int* count);
Status GdipGetPathPoints(void* path, TGPPointF* points, int count);
Status GdipGetPathWorldBounds(void* path, TGPRectF* bounds, void* matrix, void* pen);
Status GdipResetPath(void* path);
Status GdipClosePathFigure(void* path);
Status GdipAddPathLine(void* path, Single x1, Single y1, Single x2, Single y2);
Status GdipAddPathLine2(void* path, const TGPPointF* points, int count);
Status GdipAddPathRectangle(void* path, Single x, Single y, Single width, Single height);
Status GdipAddPathEllipse(void* path, Single x, Single y, Single width, Single height);
Status GdipAddPathArc(void* path, Single x, Single y, Single width, Single height, Single start, Single sweep);
Status GdipAddPathPie(void* path, Single x, Single y, Single width, Single height, Single start, Single sweep);
Status GdipAddPathPolygon(void* path, const TGPPointF* points, int count);
Status GdipAddPathBezier(void* path, Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4,
                         Single y4);
Status GdipCreateRegionRect(const TGPRectF* rect, void** region);
Status GdipCreateRegionPath(void* path, void** region);
Status GdipDeleteRegion(void* region);
Status GdipCombineRegionPath(void* region, void* path, int mode);
Status GdipCombineRegionRegion(void* region, void* other, int mode);
Status GdipLoadImageFromFile(const char16_t* filename, void** image);
Status GdipLoadImageFromFileICM(const char16_t* filename, void** image);
Status GdipDisposeImage(void* image);
Status GdipGetImageRawFormat(void* image, TGuid* format);
Status GdipGetImageWidth(void* image, Cardinal* width);
Status GdipGetImageHeight(void* image, Cardinal* height);
Status GdipGetImagePixelFormat(void* image, int* format);
Status GdipGetImageThumbnail(void* image, Cardinal w, Cardinal h, void** thumb, void* callback, void* data);
Status GdipImageRotateFlip(void* image, int type);
Status GdipSaveAddImage(void* image, void* newImage, const void* params);
Status GdipGetImageGraphicsContext(void* image, void** graphics);
Status GdipFlush(void* graphics, int intention);
Status GdipGraphicsClear(void* graphics, ARGB color);
Status GdipSetTextRenderingHint(void* graphics, int hint);
Status GdipGetTextRenderingHint(void* graphics, int* hint);
Status GdipSetSmoothingMode(void* graphics, int mode);
Status GdipGetSmoothingMode(void* graphics, int* mode);
Status GdipSetCompositingQuality(void* graphics, int quality);
Status GdipSetWorldTransform(void* graphics, void* matrix);
Status GdipResetWorldTransform(void* graphics);
Status GdipTranslateWorldTransform(void* graphics, Single dx, Single dy, int order);
Status GdipRotateWorldTransform(void* graphics, Single angle, int order);
Status GdipScaleWorldTransform(void* graphics, Single sx, Single sy, int order);
Status GdipSetClipRegion(void* graphics, void* region, int mode);
Status GdipSetClipPath(void* graphics, void* path, int mode);
Status GdipSetClipRect(void* graphics, Single x, Single y, Single width, Single height, int mode);
Status GdipResetClip(void* graphics);
Status GdipDrawLine(void* graphics, void* pen, Single x1, Single y1, Single x2, Single y2);
Status GdipDrawRectangle(void* graphics, void* pen, Single x, Single y, Single width, Single height);
Status GdipDrawEllipse(void* graphics, void* pen, Single x, Single y, Single width, Single height);
Status GdipDrawArc(void* graphics, void* pen, Single x, Single y, Single width, Single height, Single start,
                   Single sweep);
Status GdipDrawBezier(void* graphics, void* pen, Single x1, Single y1, Single x2, Single y2, Single x3, Single y3,
                      Single x4, Single y4);
Status GdipDrawPath(void* graphics, void* pen, void* path);
Status GdipFillRectangle(void* graphics, void* brush, Single x, Single y, Single width, Single height);
Status GdipFillEllipse(void* graphics, void* brush, Single x, Single y, Single width, Single height);
Status GdipFillPolygon(void* graphics, void* brush, const TGPPointF* points, int count, int fillMode);
Status GdipFillPath(void* graphics, void* brush, void* path);
Status GdipDrawImage(void* graphics, void* image, Single x, Single y);
Status GdipDrawImageRect(void* graphics, void* image, Single x, Single y, Single width, Single height);
Status GdipMeasureString(void* graphics, const char16_t* text, int length, void* font, const TGPRectF* layout,
                         void* format, TGPRectF* box, int* fitted, int* lines);
Status GdipDrawString(void* graphics, const char16_t* text, int length, void* font, const TGPRectF* layout,
                      void* format, void* brush);
}

namespace GxGDIP {

namespace {
// The flat functions that take the layer's device contexts, fonts and streams, and the start-up
// that counts, come from the bridge.
template <typename F>
F Bridged(const char* name)
{
    return reinterpret_cast<F>(GdiplusBridgeEntry(name));
}
Status CreateFromHDC(HDC hdc, void** graphics)
{
    return Status(Bridged<int (*)(HDC, void**)>("GdipCreateFromHDC")(hdc, graphics));
}
Status DeleteGraphics(void* graphics)
{
    return Status(Bridged<int (*)(void*)>("GdipDeleteGraphics")(graphics));
}
Status GetDC(void* graphics, HDC* hdc)
{
    return Status(Bridged<int (*)(void*, HDC*)>("GdipGetDC")(graphics, hdc));
}
Status ReleaseDC(void* graphics, HDC hdc)
{
    return Status(Bridged<int (*)(void*, HDC)>("GdipReleaseDC")(graphics, hdc));
}
Status CreateFontFamilyFromName(const char16_t* name, void* collection, void** family)
{
    return Status(Bridged<int (*)(const char16_t*, void*, void**)>("GdipCreateFontFamilyFromName")(name, collection,
                                                                                                   family));
}
Status LoadImageFromStream(IStream* stream, void** image)
{
    return Status(Bridged<int (*)(IStream*, void**)>("GdipLoadImageFromStream")(stream, image));
}
Status SaveImageToStream(void* image, IStream* stream, const void* encoder, const void* params)
{
    return Status(Bridged<int (*)(void*, IStream*, const void*, const void*)>("GdipSaveImageToStream")(
        image, stream, encoder, params));
}

struct TStartupInput {
    Cardinal GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    int SuppressBackgroundThread = 1;
    int SuppressExternalCodecs = 0;
};
struct TStartupOutput {
    void* NotificationHook = nullptr;
    void* NotificationUnhook = nullptr;
};
TStartupInput StartupInput;
TStartupOutput StartupOutput;
std::uintptr_t StartupToken = 0;

void Startup()
{
    Bridged<int (*)(std::uintptr_t*, const void*, void*)>("GdiplusStartup")(&StartupToken, &StartupInput,
                                                                             &StartupOutput);
}

// The notification hook of GDI+ is called only on Windows releases before 6; the system answers 10.
struct TGDIPUnit {
    TGDIPUnit()
    {
        if (!ModuleIsLibrary()) Startup();
    }
    ~TGDIPUnit()
    {
        if (!ModuleIsLibrary()) Bridged<void (*)(std::uintptr_t)>("GdiplusShutdown")(StartupToken);
    }
};
const bool GDIPStarted = (InitializeGxGDIP(), true);

Integer StyleBits(const TFontStyles& style)
{
    return (style.Contains(TFontStyle::fsBold) ? FontStyleBold : 0) |
           (style.Contains(TFontStyle::fsItalic) ? FontStyleItalic : 0) |
           (style.Contains(TFontStyle::fsUnderline) ? FontStyleUnderline : 0) |
           (style.Contains(TFontStyle::fsStrikeOut) ? FontStyleStrikeout : 0);
}

Integer RoundToEven(double x)
{
    return static_cast<Integer>(std::nearbyint(x));
}

void* NativeOf(TGPPen* pen) { return pen ? pen->Native() : nullptr; }
void* NativeOf(TGPBrush* brush) { return brush ? brush->Native() : nullptr; }
void* NativeOf(TGPFont* font) { return font ? font->Native() : nullptr; }
void* NativeOf(TGPStringFormat* format) { return format ? format->Native() : nullptr; }
}  // namespace

// The run-time-bound wrapper starts first and stops last.
void InitializeGxGDIP()
{
    InitializeGxGDIPlusClasses();
    static TGDIPUnit unit;
}

TGPPointF MakePoint(Single X, Single Y) { return {X, Y}; }
TGPRectF MakeRect(Single X, Single Y, Single Width, Single Height) { return {X, Y, Width, Height}; }
ARGB MakeColor(std::uint8_t A, std::uint8_t R, std::uint8_t G, std::uint8_t B)
{
    return (ARGB(A) << 24) | (ARGB(R) << 16) | (ARGB(G) << 8) | ARGB(B);
}
ARGB MakeColor(std::uint8_t A, TColor Color)
{
    auto rgb = static_cast<Cardinal>(ColorToRGB(Color));
    return MakeColor(A, rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
ARGB OpaqueARGB(TColor Color) { return MakeColor(255, Color); }

void* TGdiplusBase::operator new(std::size_t size)
{
    void* memory = GdipAlloc(size);
    if (!memory) {
        Startup();
        memory = GdipAlloc(size);
    }
    if (!memory) throw std::bad_alloc();
    std::memset(memory, 0, size);
    return memory;
}

void TGdiplusBase::operator delete(void* p)
{
    if (p) GdipFree(p);
}

// ---- Status rule

#define GXGDIP_SET_STATUS(Class, field)         \
    TStatus Class::SetStatus(TStatus status)    \
    {                                           \
        if (status != Ok) field = status;       \
        return status;                          \
    }
GXGDIP_SET_STATUS(TGPMatrix, lastResult)
GXGDIP_SET_STATUS(TGPStringFormat, lastError)
GXGDIP_SET_STATUS(TGPBrush, lastResult)
GXGDIP_SET_STATUS(TGPPen, lastResult)
GXGDIP_SET_STATUS(TGPFontFamily, lastResult)
GXGDIP_SET_STATUS(TGPFont, lastResult)
GXGDIP_SET_STATUS(TGPGraphicsPath, lastResult)
GXGDIP_SET_STATUS(TGPRegion, lastResult)
GXGDIP_SET_STATUS(TGPImage, lastResult)
GXGDIP_SET_STATUS(TGPGraphics, lastResult)
GXGDIP_SET_STATUS(TGPImageAttributes, lastResult)
#undef GXGDIP_SET_STATUS

TStatus TGPMatrix::GetLastStatus()
{
    TStatus s = lastResult;
    lastResult = Ok;
    return s;
}

TStatus TGPImageAttributes::GetLastStatus()
{
    TStatus s = lastResult;
    lastResult = Ok;
    return s;
}

TStatus TGPGraphics::GetLastStatus()
{
    TStatus s = lastResult;
    lastResult = Ok;
    return s;
}

// ---- Matrices

TGPMatrix::TGPMatrix() { lastResult = GdipCreateMatrix(&nativeMatrix); }
TGPMatrix::TGPMatrix(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy)
{
    lastResult = GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &nativeMatrix);
}
TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF& dstplg)
{
    lastResult = GdipCreateMatrix3(&rect, &dstplg, &nativeMatrix);
}
TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint& dstplg)
{
    lastResult = GdipCreateMatrix3I(&rect, &dstplg, &nativeMatrix);
}
TGPMatrix::~TGPMatrix() { GdipDeleteMatrix(nativeMatrix); }
std::unique_ptr<TGPMatrix> TGPMatrix::Clone()
{
    void* copy = nullptr;
    if (SetStatus(GdipCloneMatrix(nativeMatrix, &copy)) != Ok) return nullptr;
    return std::unique_ptr<TGPMatrix>(new TGPMatrix(copy));
}
TStatus TGPMatrix::GetElements(Single (&m)[6]) { return SetStatus(GdipGetMatrixElements(nativeMatrix, m)); }
TStatus TGPMatrix::SetElements(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy)
{
    return SetStatus(GdipSetMatrixElements(nativeMatrix, m11, m12, m21, m22, dx, dy));
}
Single TGPMatrix::OffsetX()
{
    Single m[6] = {};
    return GetElements(m) == Ok ? m[4] : 0.0f;
}
Single TGPMatrix::OffsetY()
{
    Single m[6] = {};
    return GetElements(m) == Ok ? m[5] : 0.0f;
}
TStatus TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }
TStatus TGPMatrix::Multiply(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyMatrix(nativeMatrix, matrix ? matrix->nativeMatrix : nullptr, order));
}
TStatus TGPMatrix::Translate(Single offsetX, Single offsetY, MatrixOrder order)
{
    return SetStatus(GdipTranslateMatrix(nativeMatrix, offsetX, offsetY, order));
}
TStatus TGPMatrix::Scale(Single scaleX, Single scaleY, MatrixOrder order)
{
    return SetStatus(GdipScaleMatrix(nativeMatrix, scaleX, scaleY, order));
}
TStatus TGPMatrix::Rotate(Single angle, MatrixOrder order) { return SetStatus(GdipRotateMatrix(nativeMatrix, angle, order)); }
// Move the centre to the origin, rotate, move it back, in the given order.
TStatus TGPMatrix::RotateAt(Single angle, const TGPPointF& center, MatrixOrder order)
{
    if (order == MatrixOrderPrepend) {
        SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
        SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
        return SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
    }
    SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
    SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
    return SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
}
TStatus TGPMatrix::Shear(Single shearX, Single shearY, MatrixOrder order)
{
    return SetStatus(GdipShearMatrix(nativeMatrix, shearX, shearY, order));
}
TStatus TGPMatrix::Invert() { return SetStatus(GdipInvertMatrix(nativeMatrix)); }
TStatus TGPMatrix::TransformPoints(TGPPoint* pts, Integer count)
{
    return SetStatus(GdipTransformMatrixPointsI(nativeMatrix, pts, count));
}
TStatus TGPMatrix::TransformVectors(TGPPointF* pts, Integer count)
{
    return SetStatus(GdipVectorTransformMatrixPoints(nativeMatrix, pts, count));
}
TStatus TGPMatrix::TransformVectors(TGPPoint* pts, Integer count)
{
    return SetStatus(GdipVectorTransformMatrixPointsI(nativeMatrix, pts, count));
}
TStatus TGPMatrix::TransformPoints(TGPPointF* pts, Integer count)
{
    return SetStatus(GdipTransformMatrixPoints(nativeMatrix, pts, count));
}
bool TGPMatrix::IsInvertible()
{
    int result = 0;
    SetStatus(GdipIsMatrixInvertible(nativeMatrix, &result));
    return result != 0;
}
bool TGPMatrix::IsIdentity()
{
    int result = 0;
    SetStatus(GdipIsMatrixIdentity(nativeMatrix, &result));
    return result != 0;
}

// ---- String formats

TGPStringFormat::TGPStringFormat(Integer formatFlags, Word language)
{
    lastError = GdipCreateStringFormat(formatFlags, language, &nativeFormat);
}
TGPStringFormat::TGPStringFormat(TGPStringFormat* format)
{
    lastError = GdipCloneStringFormat(format ? format->nativeFormat : nullptr, &nativeFormat);
}
TGPStringFormat::~TGPStringFormat() { GdipDeleteStringFormat(nativeFormat); }
TStatus TGPStringFormat::SetAlignment(StringAlignment align) { return SetStatus(GdipSetStringFormatAlign(nativeFormat, align)); }
StringAlignment TGPStringFormat::GetAlignment()
{
    int align = 0;
    SetStatus(GdipGetStringFormatAlign(nativeFormat, &align));
    return StringAlignment(align);
}
TStatus TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatLineAlign(nativeFormat, align));
}
StringAlignment TGPStringFormat::GetLineAlignment()
{
    int align = 0;
    SetStatus(GdipGetStringFormatLineAlign(nativeFormat, &align));
    return StringAlignment(align);
}
TStatus TGPStringFormat::SetFormatFlags(Integer flags) { return SetStatus(GdipSetStringFormatFlags(nativeFormat, flags)); }
Integer TGPStringFormat::GetFormatFlags()
{
    int flags = 0;
    SetStatus(GdipGetStringFormatFlags(nativeFormat, &flags));
    return flags;
}
TStatus TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipSetStringFormatTrimming(nativeFormat, trimming));
}
StringTrimming TGPStringFormat::GetTrimming()
{
    int trimming = 0;
    SetStatus(GdipGetStringFormatTrimming(nativeFormat, &trimming));
    return StringTrimming(trimming);
}
TStatus TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat, hotkeyPrefix));
}
HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    int prefix = 0;
    SetStatus(GdipGetStringFormatHotkeyPrefix(nativeFormat, &prefix));
    return HotkeyPrefix(prefix);
}

// ---- Brushes and pens

TGPBrush::~TGPBrush() { GdipDeleteBrush(nativeBrush); }
TGPSolidBrush::TGPSolidBrush(ARGB color) { lastResult = GdipCreateSolidFill(color, &nativeBrush); }
TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor)
{
    lastResult = GdipCreateHatchBrush(hatchStyle, foreColor, backColor, &nativeBrush);
}
HatchStyle TGPHatchBrush::GetHatchStyle()
{
    int style = 0;
    SetStatus(GdipGetHatchStyle(nativeBrush, &style));
    return HatchStyle(style);
}
TStatus TGPHatchBrush::GetForegroundColor(ARGB& color) { return SetStatus(GdipGetHatchForegroundColor(nativeBrush, &color)); }
TStatus TGPHatchBrush::GetBackgroundColor(ARGB& color) { return SetStatus(GdipGetHatchBackgroundColor(nativeBrush, &color)); }
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode)
{
    lastResult = GdipCreateTexture(image ? image->Native() : nullptr, wrapMode, &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Integer dstX, Integer dstY, Integer dstWidth,
                                 Integer dstHeight)
{
    lastResult = GdipCreateTexture2I(image ? image->Native() : nullptr, wrapMode, dstX, dstY, dstWidth, dstHeight,
                                     &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, TGPImageAttributes* imageAttributes)
{
    lastResult = GdipCreateTextureIA(image ? image->Native() : nullptr,
                                     imageAttributes ? imageAttributes->Native() : nullptr, dstRect.X, dstRect.Y,
                                     dstRect.Width, dstRect.Height, &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, TGPImageAttributes* imageAttributes)
{
    lastResult = GdipCreateTextureIAI(image ? image->Native() : nullptr,
                                      imageAttributes ? imageAttributes->Native() : nullptr, dstRect.X, dstRect.Y,
                                      dstRect.Width, dstRect.Height, &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Single dstX, Single dstY, Single dstWidth,
                                 Single dstHeight)
{
    lastResult = GdipCreateTexture2(image ? image->Native() : nullptr, wrapMode, dstX, dstY, dstWidth, dstHeight,
                                    &nativeBrush);
}
TStatus TGPTextureBrush::ResetTransform() { return SetStatus(GdipResetTextureTransform(nativeBrush)); }
TStatus TGPTextureBrush::TranslateTransform(Single dx, Single dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateTextureTransform(nativeBrush, dx, dy, order));
}
TStatus TGPTextureBrush::ScaleTransform(Single sx, Single sy, MatrixOrder order)
{
    return SetStatus(GdipScaleTextureTransform(nativeBrush, sx, sy, order));
}
TStatus TGPTextureBrush::RotateTransform(Single angle, MatrixOrder order)
{
    return SetStatus(GdipRotateTextureTransform(nativeBrush, angle, order));
}
TStatus TGPTextureBrush::SetWrapMode(WrapMode wrapMode) { return SetStatus(GdipSetTextureWrapMode(nativeBrush, wrapMode)); }
WrapMode TGPTextureBrush::GetWrapMode()
{
    int wrap = 0;
    SetStatus(GdipGetTextureWrapMode(nativeBrush, &wrap));
    return WrapMode(wrap);
}
std::unique_ptr<TGPImage> TGPTextureBrush::GetImage()
{
    void* image = nullptr;
    TStatus status = SetStatus(GdipGetTextureImage(nativeBrush, &image));
    return std::make_unique<TGPImage>(image, status);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2)
{
    lastResult = GdipCreateLineBrush(&point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1,
                                               ARGB color2)
{
    lastResult = GdipCreateLineBrushI(&point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, Single angle,
                                               bool isAngleScalable)
{
    lastResult = GdipCreateLineBrushFromRectWithAngleI(&rect, color1, color2, angle, isAngleScalable, WrapModeTile,
                                                       &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = GdipCreateLineBrushFromRect(&rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, Single angle,
                                               bool isAngleScalable)
{
    lastResult = GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable, WrapModeTile,
                                                      &nativeBrush);
}
TStatus TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetLineGammaCorrection(nativeBrush, useGammaCorrection));
}
TStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const Single* blendPositions,
                                                       Integer count)
{
    return SetStatus(GdipSetLinePresetBlend(nativeBrush, presetColors, blendPositions, count));
}

TGPPen::TGPPen(ARGB color, Single width) { lastResult = GdipCreatePen1(color, width, UnitWorld, &nativePen); }
TGPPen::TGPPen(TGPBrush* brush, Single width)
{
    lastResult = GdipCreatePen2(brush ? brush->nativeBrush : nullptr, width, UnitWorld, &nativePen);
}
TGPPen::~TGPPen() { GdipDeletePen(nativePen); }
std::unique_ptr<TGPBrush> TGPPen::GetBrush()
{
    std::unique_ptr<TGPBrush> brush;
    switch (GetPenType()) {
    case 0: brush = std::make_unique<TGPSolidBrush>(); break;
    case 1: brush = std::make_unique<TGPHatchBrush>(); break;
    case 2: brush = std::make_unique<TGPTextureBrush>(); break;
    case 3: brush = std::make_unique<TGPBrush>(); break;
    case 4: brush = std::make_unique<TGPLinearGradientBrush>(); break;
    default: return nullptr;
    }
    void* handle = nullptr;
    if (SetStatus(GdipGetPenBrushFill(nativePen, &handle)) == Ok) brush->nativeBrush = handle;
    return brush;
}
TStatus TGPPen::SetBrush(TGPBrush* brush)
{
    return SetStatus(GdipSetPenBrushFill(nativePen, brush ? brush->nativeBrush : nullptr));
}
DashStyle TGPPen::GetDashStyle()
{
    int style = 0;
    SetStatus(GdipGetPenDashStyle(nativePen, &style));
    return DashStyle(style);
}
TStatus TGPPen::SetDashStyle(DashStyle dashStyle) { return SetStatus(GdipSetPenDashStyle(nativePen, dashStyle)); }
Integer TGPPen::GetPenType()
{
    int type = -1;
    SetStatus(GdipGetPenFillType(nativePen, &type));
    return type;
}
TStatus TGPPen::SetEndCap(Integer endCap) { return SetStatus(GdipSetPenEndCap(nativePen, endCap)); }

// ---- Fonts

TGPFontFamily::TGPFontFamily(const String& name, TGPFontCollection* fontCollection)
{
    lastResult = CreateFontFamilyFromName(name.c_str(), fontCollection ? fontCollection->Native() : nullptr,
                                          &nativeFamily);
}
TGPFontFamily::~TGPFontFamily() { GdipDeleteFontFamily(nativeFamily); }
TStatus TGPFontFamily::GetFamilyName(String& name, Word language)
{
    char16_t buffer[33] = {};
    TStatus status = SetStatus(GdipGetFamilyName(nativeFamily, buffer, language));
    name = String(std::u16string(buffer));
    return status;
}

namespace {
TGPFontFamily* Generic(std::unique_ptr<TGPFontFamily>& shared, Status (*getter)(void**))
{
    if (!shared) {
        void* handle = nullptr;
        Status status = getter(&handle);
        shared.reset(new TGPFontFamily(handle, status));
    }
    return shared.get();
}
// Kept to the end of the run.  Made after the unit has started GDI+, so freed before it stops it.
struct TSharedFamilies {
    std::unique_ptr<TGPFontFamily> SansSerif, Serif, Monospace;
};
TSharedFamilies& Shared()
{
    static TSharedFamilies families;
    return families;
}
}  // namespace

TGPFontFamily* TGPFontFamily::GenericSansSerif() { return Generic(Shared().SansSerif, GdipGetGenericFontFamilySansSerif); }
TGPFontFamily* TGPFontFamily::GenericSerif() { return Generic(Shared().Serif, GdipGetGenericFontFamilySerif); }
TGPFontFamily* TGPFontFamily::GenericMonospace() { return Generic(Shared().Monospace, GdipGetGenericFontFamilyMonospace); }

TGPFont::TGPFont(TGPFontFamily* family, Single emSize, Integer style, Unit_ unit)
{
    lastResult = GdipCreateFont(family ? family->Native() : nullptr, emSize, style, unit, &nativeFont);
}
// A family that cannot be found gives way to the generic sans serif.
TGPFont::TGPFont(const String& familyName, Single emSize, Integer style, Unit_ unit, TGPFontCollection* fontCollection)
{
    TGPFontFamily family(familyName, fontCollection);
    lastResult = GdipCreateFont(family.Native(), emSize, style, unit, &nativeFont);
    if (lastResult != Ok)
        lastResult = GdipCreateFont(TGPFontFamily::GenericSansSerif()->Native(), emSize, style, unit, &nativeFont);
}
TGPFont::~TGPFont() { GdipDeleteFont(nativeFont); }
Integer TGPFont::GetStyle()
{
    int style = 0;
    SetStatus(GdipGetFontStyle(nativeFont, &style));
    return style;
}
Single TGPFont::GetSize()
{
    Single size = 0;
    SetStatus(GdipGetFontSize(nativeFont, &size));
    return size;
}
TStatus TGPFont::GetFamily(TGPFontFamily*& family)
{
    void* handle = nullptr;
    TStatus status = SetStatus(GdipGetFamily(nativeFont, &handle));
    family = new TGPFontFamily(handle, status);
    return status;
}

// ---- Paths and regions

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) { lastResult = GdipCreatePath(fillMode, &nativePath); }
TGPGraphicsPath::TGPGraphicsPath(const TGPPointF* points, const std::uint8_t* types, Integer count, FillMode fillMode)
{
    lastResult = GdipCreatePath2(points, types, count, fillMode, &nativePath);
}
TStatus TGPGraphicsPath::GetPathTypes(std::uint8_t* types, Integer count)
{
    return SetStatus(GdipGetPathTypes(nativePath, types, count));
}
TGPGraphicsPath::~TGPGraphicsPath() { GdipDeletePath(nativePath); }
Integer TGPGraphicsPath::GetPointCount()
{
    int count = 0;
    SetStatus(GdipGetPointCount(nativePath, &count));
    return count;
}
TStatus TGPGraphicsPath::GetPathPoints(TGPPointF* points, Integer count)
{
    return SetStatus(GdipGetPathPoints(nativePath, points, count));
}
TStatus TGPGraphicsPath::GetBounds(TGPRectF& bounds)
{
    return SetStatus(GdipGetPathWorldBounds(nativePath, &bounds, nullptr, nullptr));
}
TStatus TGPGraphicsPath::Reset() { return SetStatus(GdipResetPath(nativePath)); }
TStatus TGPGraphicsPath::CloseFigure() { return SetStatus(GdipClosePathFigure(nativePath)); }
TStatus TGPGraphicsPath::AddLine(Single x1, Single y1, Single x2, Single y2)
{
    return SetStatus(GdipAddPathLine(nativePath, x1, y1, x2, y2));
}
TStatus TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }
TStatus TGPGraphicsPath::AddLines(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipAddPathLine2(nativePath, points, count));
}
TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return SetStatus(GdipAddPathRectangle(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}
TStatus TGPGraphicsPath::AddRectangle(const TGPRect& rect)
{
    return SetStatus(GdipAddPathRectangleI(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}
TStatus TGPGraphicsPath::AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }
TStatus TGPGraphicsPath::AddPolygon(const TGPPoint* points, Integer count)
{
    return SetStatus(GdipAddPathPolygonI(nativePath, points, count));
}
TStatus TGPGraphicsPath::AddCurve(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipAddPathCurve(nativePath, points, count));
}
TStatus TGPGraphicsPath::AddCurve(const TGPPointF* points, Integer count, Single tension)
{
    return SetStatus(GdipAddPathCurve2(nativePath, points, count, tension));
}
TStatus TGPGraphicsPath::AddCurve(const TGPPointF* points, Integer count, Integer offset, Integer numberOfSegments,
                                  Single tension)
{
    return SetStatus(GdipAddPathCurve3(nativePath, points, count, offset, numberOfSegments, tension));
}
// The caller's length is passed on.
TStatus TGPGraphicsPath::AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style,
                                   Single emSize, const TGPRectF& layoutRect, TGPStringFormat* format)
{
    return SetStatus(GdipAddPathString(nativePath, string_.c_str(), length, family ? family->Native() : nullptr, style,
                                       emSize, &layoutRect, format ? format->Native() : nullptr));
}
TStatus TGPGraphicsPath::AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style,
                                   Single emSize, const TGPPointF& origin, TGPStringFormat* format)
{
    return AddString(string_, length, family, style, emSize, TGPRectF{origin.X, origin.Y, 0, 0}, format);
}
TStatus TGPGraphicsPath::AddEllipse(Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipAddPathEllipse(nativePath, x, y, width, height));
}
TStatus TGPGraphicsPath::AddArc(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle)
{
    return SetStatus(GdipAddPathArc(nativePath, x, y, width, height, startAngle, sweepAngle));
}
TStatus TGPGraphicsPath::AddArc(const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
TStatus TGPGraphicsPath::AddPie(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle)
{
    return SetStatus(GdipAddPathPie(nativePath, x, y, width, height, startAngle, sweepAngle));
}
TStatus TGPGraphicsPath::AddPie(const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
TStatus TGPGraphicsPath::AddPolygon(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipAddPathPolygon(nativePath, points, count));
}
TStatus TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}
TStatus TGPGraphicsPath::AddBezier(Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4,
                                   Single y4)
{
    return SetStatus(GdipAddPathBezier(nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}
TStatus TGPGraphicsPath::AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4)
{
    return SetStatus(GdipAddPathBezierI(nativePath, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y));
}

TGPRegion::TGPRegion(const TGPRectF& rect) { lastResult = GdipCreateRegionRect(&rect, &nativeRegion); }
TGPRegion::TGPRegion(TGPGraphicsPath* path)
{
    lastResult = GdipCreateRegionPath(path ? path->Native() : nullptr, &nativeRegion);
}
TGPRegion::~TGPRegion() { GdipDeleteRegion(nativeRegion); }
TStatus TGPRegion::Exclude(TGPGraphicsPath* path)
{
    return SetStatus(GdipCombineRegionPath(nativeRegion, path ? path->Native() : nullptr, CombineModeExclude));
}
TStatus TGPRegion::Union(TGPRegion* region)
{
    return SetStatus(GdipCombineRegionRegion(nativeRegion, region ? region->nativeRegion : nullptr, CombineModeUnion));
}

// ---- Images

TGPImage::TGPImage(const String& filename, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement ? GdipLoadImageFromFileICM(filename.c_str(), &nativeImage)
                                            : GdipLoadImageFromFile(filename.c_str(), &nativeImage);
}
TGPImage::TGPImage(IStream* stream, bool) { lastResult = LoadImageFromStream(stream, &nativeImage); }
TGPImage::~TGPImage() { GdipDisposeImage(nativeImage); }

// The raw format against GDI+'s ten picture formats, which differ in the first field only.
TGPImageFormat TGPImage::GetFormat()
{
    TGuid format{};
    if (!nativeImage || GdipGetImageRawFormat(nativeImage, &format) != Ok) return ifUndefined;
    const std::uint8_t tail[8] = {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e};
    if (format.Data2 != 0x0728 || format.Data3 != 0x11d3 || std::memcmp(format.Data4, tail, 8) != 0) return ifUndefined;
    switch (format.Data1) {
    case 0xb96b3caa: return ifMemoryBMP;
    case 0xb96b3cab: return ifBMP;
    case 0xb96b3cac: return ifEMF;
    case 0xb96b3cad: return ifWMF;
    case 0xb96b3cae: return ifJPEG;
    case 0xb96b3caf: return ifPNG;
    case 0xb96b3cb0: return ifGIF;
    case 0xb96b3cb1: return ifTIFF;
    case 0xb96b3cb2: return ifEXIF;
    case 0xb96b3cb5: return ifIcon;
    default: return ifUndefined;
    }
}
Cardinal TGPImage::GetWidth()
{
    Cardinal width = 0;
    SetStatus(GdipGetImageWidth(nativeImage, &width));
    return width;
}
Cardinal TGPImage::GetHeight()
{
    Cardinal height = 0;
    SetStatus(GdipGetImageHeight(nativeImage, &height));
    return height;
}
Integer TGPImage::GetPixelFormat()
{
    int format = 0;
    SetStatus(GdipGetImagePixelFormat(nativeImage, &format));
    return format;
}
Integer TGPImage::GetPixelDepth() { return (GetPixelFormat() >> 8) & 0xFF; }
bool TGPImage::HasAlphaChannel() { return (GetPixelFormat() & 0x40000) != 0; }
bool TGPImage::HasPalette() { return (GetPixelFormat() & 0x10000) != 0; }
std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(Cardinal thumbWidth, Cardinal thumbHeight)
{
    void* thumb = nullptr;
    TStatus status = SetStatus(GdipGetImageThumbnail(nativeImage, thumbWidth, thumbHeight, &thumb, nullptr, nullptr));
    return std::make_unique<TGPImage>(thumb, status);
}
TStatus TGPImage::RotateFlip(RotateFlipType rotateFlipType) { return SetStatus(GdipImageRotateFlip(nativeImage, rotateFlipType)); }
TStatus TGPImage::Save(const String& filename, const void* clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(GdipSaveImageToFile(nativeImage, filename.c_str(), clsidEncoder, encoderParams));
}
TStatus TGPImage::Save(IStream* stream, const void* clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(SaveImageToStream(nativeImage, stream, clsidEncoder, encoderParams));
}
TStatus TGPImage::SaveAdd(TGPImage* newImage, const EncoderParameters* encoderParams)
{
    if (!newImage) return SetStatus(InvalidParameter);
    return SetStatus(GdipSaveAddImage(nativeImage, newImage->nativeImage, encoderParams));
}

// ---- Image attributes

namespace {
constexpr int Enable = -1, Disable = 0;
}  // namespace

TGPImageAttributes::TGPImageAttributes() { lastResult = GdipCreateImageAttributes(&nativeImageAttr); }
TGPImageAttributes::~TGPImageAttributes() { GdipDisposeImageAttributes(nativeImageAttr); }
std::unique_ptr<TGPImageAttributes> TGPImageAttributes::Clone()
{
    void* copy = nullptr;
    if (SetStatus(GdipCloneImageAttributes(nativeImageAttr, &copy)) != Ok) return nullptr;
    return std::make_unique<TGPImageAttributes>(copy, Ok);
}
TStatus TGPImageAttributes::SetToIdentity(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesToIdentity(nativeImageAttr, type_));
}
TStatus TGPImageAttributes::Reset(ColorAdjustType type_) { return SetStatus(GdipResetImageAttributes(nativeImageAttr, type_)); }
TStatus TGPImageAttributes::SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode, ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type_, Enable, &colorMatrix, nullptr, mode));
}
TStatus TGPImageAttributes::ClearColorMatrix(ColorAdjustType type_)
{
    return SetStatus(
        GdipSetImageAttributesColorMatrix(nativeImageAttr, type_, Disable, nullptr, nullptr, ColorMatrixFlagsDefault));
}
TStatus TGPImageAttributes::SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                                             ColorMatrixFlags mode, ColorAdjustType type_)
{
    return SetStatus(
        GdipSetImageAttributesColorMatrix(nativeImageAttr, type_, Enable, &colorMatrix, &grayMatrix, mode));
}
TStatus TGPImageAttributes::ClearColorMatrices(ColorAdjustType type_) { return ClearColorMatrix(type_); }
TStatus TGPImageAttributes::SetThreshold(Single threshold, ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type_, Enable, threshold));
}
TStatus TGPImageAttributes::ClearThreshold(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type_, Disable, 0));
}
TStatus TGPImageAttributes::SetGamma(Single gamma, ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type_, Enable, gamma));
}
TStatus TGPImageAttributes::ClearGamma(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type_, Disable, 0));
}
TStatus TGPImageAttributes::SetNoOp(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type_, Enable));
}
TStatus TGPImageAttributes::ClearNoOp(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type_, Disable));
}
TStatus TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type_, Enable, colorLow, colorHigh));
}
TStatus TGPImageAttributes::ClearColorKey(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type_, Disable, 0, 0));
}
TStatus TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type_, Enable, channelFlags));
}
TStatus TGPImageAttributes::ClearOutputChannel(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type_, Disable, ColorChannelFlagsLast));
}
TStatus TGPImageAttributes::SetOutputChannelColorProfile(const String& colorProfileFilename, ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type_, Enable,
                                                                     colorProfileFilename.c_str()));
}
TStatus TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type_, Disable, nullptr));
}
TStatus TGPImageAttributes::SetRemapTable(Cardinal mapSize, const ColorMap* map, ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type_, Enable, mapSize, map));
}
TStatus TGPImageAttributes::ClearRemapTable(ColorAdjustType type_)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type_, Disable, 0, nullptr));
}
TStatus TGPImageAttributes::SetBrushRemapTable(Cardinal mapSize, const ColorMap* map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}
TStatus TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }
TStatus TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipSetImageAttributesWrapMode(nativeImageAttr, wrap, color, clamp));
}
TStatus TGPImageAttributes::GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType)
{
    return SetStatus(GdipGetImageAttributesAdjustedPalette(nativeImageAttr, colorPalette, colorAdjustType));
}

// ---- The drawing surface

TGPGraphics::TGPGraphics(HDC hdc) { lastResult = CreateFromHDC(hdc, &nativeGraphics); }
TGPGraphics::TGPGraphics(TGPImage* image)
{
    if (image) lastResult = GdipGetImageGraphicsContext(image->Native(), &nativeGraphics);
}
std::unique_ptr<TGPGraphics> TGPGraphics::FromImage(TGPImage* image) { return std::make_unique<TGPGraphics>(image); }
TGPGraphics::~TGPGraphics()
{
    FCachedFont.reset();
    if (nativeGraphics) DeleteGraphics(nativeGraphics);
}
void TGPGraphics::Flush(FlushIntention intention) { GdipFlush(nativeGraphics, intention); }
TStatus TGPGraphics::Clear(ARGB color) { return SetStatus(GdipGraphicsClear(nativeGraphics, color)); }
HDC TGPGraphics::GetHDC()
{
    HDC hdc = nullptr;
    SetStatus(GetDC(nativeGraphics, &hdc));
    return hdc;
}
void TGPGraphics::ReleaseHDC(HDC hdc) { SetStatus(ReleaseDC(nativeGraphics, hdc)); }

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(TFont& font) { return MakeFont(font, static_cast<Single>(font.Size())); }

// The font's family among the installed fonts, "Arial" when it is not there.
std::unique_ptr<TGPFont> TGPGraphics::MakeFont(TFont& font, Single size)
{
    auto family = std::make_unique<TGPFontFamily>(font.Name());
    if (family->LastResult() == FontFamilyNotFound || family->LastResult() == FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>("Arial");
    return std::make_unique<TGPFont>(family.get(), size, StyleBits(font.Style()), UnitPoint);
}

TGPFont* TGPGraphics::MakeFontEx(TFont& font) { return MakeFontEx(font, static_cast<Single>(font.Size())); }

TGPFont* TGPGraphics::MakeFontEx(TFont& font, Single size)
{
    if (FCachedFont && FCachedFont->GetSize() == size && FCachedFont->GetStyle() == StyleBits(font.Style())) {
        TGPFontFamily* family = nullptr;
        FCachedFont->GetFamily(family);
        std::unique_ptr<TGPFontFamily> owned(family);
        String name;
        family->GetFamilyName(name, 0);
        if (name == font.Name()) return FCachedFont.get();
    }
    FCachedFont = MakeFont(font, size);
    return FCachedFont.get();
}

Integer TGPGraphics::TextHeight(const String& text, TFont& font)
{
    TGPRectF box;
    MeasureString(text, text.Length(), MakeFontEx(font), TGPRectF{0, 0, 10000, 10000}, box);
    return RoundToEven(box.Height);
}

Integer TGPGraphics::TextWidth(const String& text, TFont& font)
{
    TGPRectF box;
    MeasureString(text, text.Length(), MakeFontEx(font), TGPRectF{0, 0, 10000, 10000}, box);
    return RoundToEven(box.Width);
}

// Measures with a trailing blank counted as a letter and a margin b that grows with the size,
// fills the measured box (shifted one pixel right) with the background colour, draws the text.
Integer TGPGraphics::DrawText(const String& text, Integer len, TRect& rect, TFont& font, Cardinal style, TColor bkColor)
{
    TGPFont* gpFont = MakeFontEx(font);
    const bool calculateOnly = (style & 0x400) != 0;
    if (calculateOnly || bkColor != clNone) {
        String copy = text;
        double b = 2;
        if (font.Size() > 8) b = 2 + RoundToEven((font.Size() - 8) / 1.5);
        if (copy.Length() > 1 && copy.c_str()[copy.Length() - 1] == u' ') copy = Copy(copy, 1, copy.Length() - 1) + "i";
        TGPRectF layout{float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                        float(rect.Bottom - rect.Top)};
        TGPRectF box;
        MeasureString(copy, len, gpFont, layout, box);
        rect.Right = rect.Left + RoundToEven(box.Width - b);
        rect.Bottom = rect.Top + RoundToEven(box.Height);
        if (bkColor != clNone) {
            TGPSolidBrush background(OpaqueARGB(bkColor));
            FillRectangle(&background, float(rect.Left + 1), float(rect.Top), float(box.Width - b + 1), box.Height);
        }
    }
    if (!calculateOnly) {
        TGPSolidBrush ink(OpaqueARGB(font.Color()));
        DrawString(text, len, gpFont, TGPPointF{float(rect.Left), float(rect.Top)}, &ink);
    }
    return rect.Bottom - rect.Top;
}

TStatus TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipSetTextRenderingHint(nativeGraphics, newMode));
}
TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    int hint = 0;
    SetStatus(GdipGetTextRenderingHint(nativeGraphics, &hint));
    return TextRenderingHint(hint);
}
TStatus TGPGraphics::SetSmoothingMode(Integer smoothingMode)
{
    return SetStatus(GdipSetSmoothingMode(nativeGraphics, smoothingMode));
}
Integer TGPGraphics::GetSmoothingMode()
{
    int mode = -1;
    SetStatus(GdipGetSmoothingMode(nativeGraphics, &mode));
    return mode;
}
TStatus TGPGraphics::SetCompositingQuality(Integer compositingQuality)
{
    return SetStatus(GdipSetCompositingQuality(nativeGraphics, compositingQuality));
}
Integer TGPGraphics::GetCompositingQuality()
{
    int quality = 0;
    SetStatus(GdipGetCompositingQuality(nativeGraphics, &quality));
    return quality;
}
TStatus TGPGraphics::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyWorldTransform(nativeGraphics, matrix ? matrix->Native() : nullptr, order));
}
TStatus TGPGraphics::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipSetWorldTransform(nativeGraphics, matrix ? matrix->Native() : nullptr));
}
TStatus TGPGraphics::TranslateTransform(Single dx, Single dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateWorldTransform(nativeGraphics, dx, dy, order));
}
TStatus TGPGraphics::RotateTransform(Single angle, MatrixOrder order)
{
    return SetStatus(GdipRotateWorldTransform(nativeGraphics, angle, order));
}
TStatus TGPGraphics::ScaleTransform(Single sx, Single sy, MatrixOrder order)
{
    return SetStatus(GdipScaleWorldTransform(nativeGraphics, sx, sy, order));
}
TStatus TGPGraphics::ResetTransform() { return SetStatus(GdipResetWorldTransform(nativeGraphics)); }
TStatus TGPGraphics::SetClip(TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, region ? region->Native() : nullptr, combineMode));
}
TStatus TGPGraphics::SetClip(TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GdipSetClipPath(nativeGraphics, path ? path->Native() : nullptr, combineMode));
}
TStatus TGPGraphics::ExcludeClip(const TGPRectF& rect)
{
    return SetStatus(GdipSetClipRect(nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, CombineModeExclude));
}
TStatus TGPGraphics::ExcludeClip(TGPRegion* region) { return SetClip(region, CombineModeExclude); }
TStatus TGPGraphics::ResetClip() { return SetStatus(GdipResetClip(nativeGraphics)); }
TStatus TGPGraphics::DrawLine(TGPPen* pen, Single x1, Single y1, Single x2, Single y2)
{
    return SetStatus(GdipDrawLine(nativeGraphics, NativeOf(pen), x1, y1, x2, y2));
}
TStatus TGPGraphics::DrawRectangle(TGPPen* pen, const TGPRectF& rect)
{
    return SetStatus(GdipDrawRectangle(nativeGraphics, NativeOf(pen), rect.X, rect.Y, rect.Width, rect.Height));
}
TStatus TGPGraphics::DrawRectangle(TGPPen* pen, Single x, Single y, Single width, Single height)
{
    return DrawRectangle(pen, TGPRectF{x, y, width, height});
}
TStatus TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRectF& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}
TStatus TGPGraphics::DrawBeziers(TGPPen* pen, const TGPPointF* points, Integer count)
{
    return SetStatus(GdipDrawBeziers(nativeGraphics, NativeOf(pen), points, count));
}
TStatus TGPGraphics::DrawEllipse(TGPPen* pen, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipDrawEllipse(nativeGraphics, NativeOf(pen), x, y, width, height));
}
TStatus TGPGraphics::DrawEllipse(TGPPen* pen, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipDrawEllipseI(nativeGraphics, NativeOf(pen), x, y, width, height));
}
TStatus TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRect& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}
TStatus TGPGraphics::DrawArc(TGPPen* pen, const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
TStatus TGPGraphics::DrawBezier(TGPPen* pen, Single x1, Single y1, Single x2, Single y2, Single x3, Single y3,
                                Single x4, Single y4)
{
    return DrawBezier(pen, TGPPointF{x1, y1}, TGPPointF{x2, y2}, TGPPointF{x3, y3}, TGPPointF{x4, y4});
}
TStatus TGPGraphics::DrawArc(TGPPen* pen, Single x, Single y, Single width, Single height, Single startAngle,
                             Single sweepAngle)
{
    return SetStatus(GdipDrawArc(nativeGraphics, NativeOf(pen), x, y, width, height, startAngle, sweepAngle));
}
TStatus TGPGraphics::DrawBezier(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                const TGPPointF& pt4)
{
    return SetStatus(
        GdipDrawBezier(nativeGraphics, NativeOf(pen), pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y));
}
TStatus TGPGraphics::DrawPath(TGPPen* pen, TGPGraphicsPath* path)
{
    return SetStatus(GdipDrawPath(nativeGraphics, NativeOf(pen), path ? path->Native() : nullptr));
}
TStatus TGPGraphics::FillRectangle(TGPBrush* brush, const TGPRectF& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
TStatus TGPGraphics::FillRectangle(TGPBrush* brush, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipFillRectangle(nativeGraphics, NativeOf(brush), x, y, width, height));
}
TStatus TGPGraphics::FillEllipse(TGPBrush* brush, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipFillEllipse(nativeGraphics, NativeOf(brush), x, y, width, height));
}
TStatus TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRectF& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
TStatus TGPGraphics::FillEllipse(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipFillEllipseI(nativeGraphics, NativeOf(brush), x, y, width, height));
}
TStatus TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRect& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
TStatus TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPoint* points, Integer count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygonI(nativeGraphics, NativeOf(brush), points, count, fillMode));
}
TStatus TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPointF* points, Integer count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygon(nativeGraphics, NativeOf(brush), points, count, fillMode));
}
TStatus TGPGraphics::FillPath(TGPBrush* brush, TGPGraphicsPath* path)
{
    return SetStatus(GdipFillPath(nativeGraphics, NativeOf(brush), path ? path->Native() : nullptr));
}
TStatus TGPGraphics::DrawImage(TGPImage* image, Single x, Single y)
{
    return SetStatus(GdipDrawImage(nativeGraphics, image ? image->Native() : nullptr, x, y));
}
TStatus TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& rect)
{
    return DrawImageRect(image, rect.X, rect.Y, rect.Width, rect.Height);
}
TStatus TGPGraphics::DrawImage(TGPImage* image, const TGPPointF& point) { return DrawImage(image, point.X, point.Y); }
TStatus TGPGraphics::DrawImage(TGPImage* image, Integer x, Integer y)
{
    return SetStatus(GdipDrawImageI(nativeGraphics, image ? image->Native() : nullptr, x, y));
}
TStatus TGPGraphics::DrawImageRect(TGPImage* image, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipDrawImageRectI(nativeGraphics, image ? image->Native() : nullptr, x, y, width, height));
}
TStatus TGPGraphics::DrawImageRect(TGPImage* image, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipDrawImageRect(nativeGraphics, image ? image->Native() : nullptr, x, y, width, height));
}

TStatus TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                                   TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    TGPRectF layout{origin.X, origin.Y, 0, 0};
    return SetStatus(GdipMeasureString(nativeGraphics, string_.c_str(), length, NativeOf(font), &layout,
                                       NativeOf(stringFormat), &boundingBox, nullptr, nullptr));
}
TStatus TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                                   TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    return SetStatus(GdipMeasureString(nativeGraphics, string_.c_str(), length, NativeOf(font), &layoutRect,
                                       NativeOf(stringFormat), &boundingBox, nullptr, nullptr));
}
TStatus TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                                   TGPRectF& boundingBox)
{
    return SetStatus(GdipMeasureString(nativeGraphics, string_.c_str(), length, NativeOf(font), &layoutRect, nullptr,
                                       &boundingBox, nullptr, nullptr));
}

TStatus TGPGraphics::DrawString(const String& string_, Integer, TGPFont* font, const TGPRectF& layoutRect,
                                TGPStringFormat* stringFormat, TGPBrush* brush)
{
    std::u16string copy(string_.c_str(), static_cast<size_t>(string_.Length()));
    return SetStatus(GdipDrawString(nativeGraphics, copy.c_str(), string_.Length(), NativeOf(font), &layoutRect,
                                    NativeOf(stringFormat), NativeOf(brush)));
}
TStatus TGPGraphics::DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                                TGPBrush* brush)
{
    return DrawString(string_, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, nullptr, brush);
}
TStatus TGPGraphics::DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                                TGPStringFormat* stringFormat, TGPBrush* brush)
{
    return DrawString(string_, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, stringFormat, brush);
}
TStatus TGPGraphics::DrawString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                                TGPBrush* brush)
{
    return DrawString(string_, length, font, layoutRect, nullptr, brush);
}

}  // namespace GxGDIP
