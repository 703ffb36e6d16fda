#pragma once
// The second, statically bound GDI+ wrapper: its classes call the flat functions imported from
// the library at link time (the device contexts, fonts and streams of the layer through its
// bridge), start GDI+ for themselves with the background thread suppressed and keep their own
// token.  The picture container decodes and draws pictures with it and the tooltip draws its
// balloon and text; it shares nothing with the run-time-bound wrapper of GxGDIPlusClasses.
//
// Status rule: constructors store their call's status as it is; every other call keeps a status
// that is not Ok and returns it.  GetLastStatus hands the kept status out and clears it.
#include <memory>

#include "graphics/GxGDIPlusApi.h"
#include "platform/gdiplus/GdiplusBridge.h"
#include "platform/graphics/Graphics.h"

namespace GxGDIP {

using TStatus = ::Status;
using ::TGPPointF;
using ::TGPPoint;
using ::TGPRectF;
using ::TGPRect;

enum TGPImageFormat { ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon };

TGPPointF MakePoint(Single X, Single Y);
TGPRectF MakeRect(Single X, Single Y, Single Width, Single Height);
// A colour of ours with an alpha: system colours resolved first.
ARGB MakeColor(std::uint8_t A, TColor Color);
ARGB MakeColor(std::uint8_t A, std::uint8_t R, std::uint8_t G, std::uint8_t B);
ARGB OpaqueARGB(TColor Color);

// Objects in GDI+'s heap; when GDI+ gives no memory it is started once more and asked again.
class TGdiplusBase {
public:
    static void* operator new(std::size_t size);
    static void operator delete(void* p);
    virtual ~TGdiplusBase() = default;
};

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy);
    // The matrix taking the rectangle to the parallelogram of three corners (top-left, top-right,
    // bottom-left) held from dstplg on.
    TGPMatrix(const TGPRectF& rect, const TGPPointF& dstplg);
    TGPMatrix(const TGPRect& rect, const TGPPoint& dstplg);
    ~TGPMatrix() override;
    std::unique_ptr<TGPMatrix> Clone();
    TStatus GetElements(Single (&m)[6]);
    TStatus SetElements(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy);
    Single OffsetX();
    Single OffsetY();
    TStatus Reset();
    TStatus Multiply(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    TStatus Translate(Single offsetX, Single offsetY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Scale(Single scaleX, Single scaleY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Rotate(Single angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateAt(Single angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    TStatus Shear(Single shearX, Single shearY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Invert();
    TStatus TransformPoints(TGPPointF* pts, Integer count = 1);
    TStatus TransformPoints(TGPPoint* pts, Integer count = 1);
    TStatus TransformVectors(TGPPointF* pts, Integer count = 1);
    TStatus TransformVectors(TGPPoint* pts, Integer count = 1);
    bool IsInvertible();
    bool IsIdentity();
    TStatus GetLastStatus();
    void* Native() const { return nativeMatrix; }

protected:
    explicit TGPMatrix(void* native) : nativeMatrix(native) {}
    TStatus SetStatus(TStatus status);
    void* nativeMatrix = nullptr;
    TStatus lastResult = Ok;
};

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(Integer formatFlags = 0, Word language = 0);
    explicit TGPStringFormat(TGPStringFormat* format);
    TGPStringFormat(void* native, TStatus status) : nativeFormat(native), lastError(status) {}
    ~TGPStringFormat() override;
    TStatus SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    TStatus SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    TStatus SetFormatFlags(Integer flags);
    Integer GetFormatFlags();
    TStatus SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    TStatus SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();
    TStatus LastError() const { return lastError; }
    void* Native() const { return nativeFormat; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativeFormat = nullptr;
    TStatus lastError = Ok;
};

class TGPBrush : public TGdiplusBase {
public:
    TGPBrush() : lastResult(NotImplemented) {}
    TGPBrush(void* native, TStatus status) : nativeBrush(native), lastResult(status) {}
    ~TGPBrush() override;
    TStatus LastResult() const { return lastResult; }
    void* Native() const { return nativeBrush; }

protected:
    friend class TGPPen;
    TStatus SetStatus(TStatus status);
    void* nativeBrush = nullptr;
    TStatus lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
    TGPSolidBrush() : TGPBrush(nullptr, Ok) {}
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    TGPHatchBrush() : TGPBrush(nullptr, Ok) {}
    HatchStyle GetHatchStyle();
    TStatus GetForegroundColor(ARGB& color);
    TStatus GetBackgroundColor(ARGB& color);
};

class TGPImage;
class TGPImageAttributes;

class TGPTextureBrush : public TGPBrush {
public:
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Single dstX, Single dstY, Single dstWidth, Single dstHeight);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Integer dstX, Integer dstY, Integer dstWidth, Integer dstHeight);
    TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, TGPImageAttributes* imageAttributes);
    TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, TGPImageAttributes* imageAttributes);
    TGPTextureBrush() : TGPBrush(nullptr, Ok) {}
    TStatus ResetTransform();
    TStatus TranslateTransform(Single dx, Single dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus ScaleTransform(Single sx, Single sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateTransform(Single angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    std::unique_ptr<TGPImage> GetImage();
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, Single angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, Single angle, bool isAngleScalable = false);
    TGPLinearGradientBrush() : TGPBrush(nullptr, Ok) {}
    TStatus SetGammaCorrection(bool useGammaCorrection);
    TStatus SetInterpolationColors(const ARGB* presetColors, const Single* blendPositions, Integer count);
};

class TGPPen : public TGdiplusBase {
public:
    TGPPen(ARGB color, Single width = 1.0f);
    TGPPen(TGPBrush* brush, Single width = 1.0f);
    ~TGPPen() override;
    std::unique_ptr<TGPBrush> GetBrush();
    TStatus SetBrush(TGPBrush* brush);
    DashStyle GetDashStyle();
    TStatus SetDashStyle(DashStyle dashStyle);
    Integer GetPenType();
    TStatus SetEndCap(Integer endCap);
    TStatus LastResult() const { return lastResult; }
    void* Native() const { return nativePen; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativePen = nullptr;
    TStatus lastResult = Ok;
};

class TGPFontCollection : public TGdiplusBase {
public:
    void* Native() const { return nullptr; }   // the installed fonts
};

class TGPFontFamily : public TGdiplusBase {
public:
    TGPFontFamily(const String& name, TGPFontCollection* fontCollection = nullptr);
    TGPFontFamily(void* native, TStatus status) : nativeFamily(native), lastResult(status) {}
    ~TGPFontFamily() override;
    TStatus GetFamilyName(String& name, Word language = 0);
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();
    TStatus LastResult() const { return lastResult; }
    void* Native() const { return nativeFamily; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativeFamily = nullptr;
    TStatus lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(TGPFontFamily* family, Single emSize, Integer style = FontStyleRegular, Unit_ unit = UnitPoint);
    TGPFont(const String& familyName, Single emSize, Integer style = FontStyleRegular, Unit_ unit = UnitPoint,
            TGPFontCollection* fontCollection = nullptr);
    TGPFont(void* native, TStatus status) : nativeFont(native), lastResult(status) {}
    ~TGPFont() override;
    Integer GetStyle();
    Single GetSize();
    TStatus GetFamily(TGPFontFamily*& family);   // a new family the caller frees
    TStatus LastResult() const { return lastResult; }
    void* Native() const { return nativeFont; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativeFont = nullptr;
    TStatus lastResult = Ok;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    TGPGraphicsPath(const TGPPointF* points, const std::uint8_t* types, Integer count,
                    FillMode fillMode = FillModeAlternate);
    explicit TGPGraphicsPath(void* native) : nativePath(native) {}
    ~TGPGraphicsPath() override;
    Integer GetPointCount();
    TStatus GetPathPoints(TGPPointF* points, Integer count);
    TStatus GetPathTypes(std::uint8_t* types, Integer count);
    TStatus GetBounds(TGPRectF& bounds);
    TStatus Reset();
    TStatus CloseFigure();
    TStatus AddLine(Single x1, Single y1, Single x2, Single y2);
    TStatus AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
    TStatus AddLines(const TGPPointF* points, Integer count);
    TStatus AddRectangle(const TGPRectF& rect);
    TStatus AddRectangle(const TGPRect& rect);
    TStatus AddEllipse(Single x, Single y, Single width, Single height);
    TStatus AddEllipse(const TGPRectF& rect);
    TStatus AddArc(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle);
    TStatus AddArc(const TGPRectF& rect, Single startAngle, Single sweepAngle);
    TStatus AddPie(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle);
    TStatus AddPie(const TGPRectF& rect, Single startAngle, Single sweepAngle);
    TStatus AddPolygon(const TGPPointF* points, Integer count);
    TStatus AddPolygon(const TGPPoint* points, Integer count);
    TStatus AddCurve(const TGPPointF* points, Integer count);
    TStatus AddCurve(const TGPPointF* points, Integer count, Single tension);
    TStatus AddCurve(const TGPPointF* points, Integer count, Integer offset, Integer numberOfSegments, Single tension);
    TStatus AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style, Single emSize,
                      const TGPRectF& layoutRect, TGPStringFormat* format);
    TStatus AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style, Single emSize,
                      const TGPPointF& origin, TGPStringFormat* format);
    TStatus AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    TStatus AddBezier(Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4, Single y4);
    TStatus AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    TStatus LastResult() const { return lastResult; }
    void* Native() const { return nativePath; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativePath = nullptr;
    TStatus lastResult = Ok;
};

class TGPRegion : public TGdiplusBase {
public:
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(TGPGraphicsPath* path);
    ~TGPRegion() override;
    TStatus Exclude(TGPGraphicsPath* path);
    TStatus Union(TGPRegion* region);
    void* Native() const { return nativeRegion; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativeRegion = nullptr;
    TStatus lastResult = Ok;
};

class TGPImage : public TGdiplusBase {
public:
    TGPImage(const String& filename, bool useEmbeddedColorManagement = false);
    TGPImage(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPImage(void* native, TStatus status) : nativeImage(native), lastResult(status) {}
    ~TGPImage() override;
    TGPImageFormat GetFormat();
    Cardinal GetWidth();
    Cardinal GetHeight();
    Integer GetPixelFormat();
    Integer GetPixelDepth();
    bool HasAlphaChannel();
    bool HasPalette();
    std::unique_ptr<TGPImage> GetThumbnailImage(Cardinal thumbWidth, Cardinal thumbHeight);
    TStatus RotateFlip(RotateFlipType rotateFlipType);
    TStatus Save(IStream* stream, const void* clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    TStatus Save(const String& filename, const void* clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    TStatus SaveAdd(TGPImage* newImage, const EncoderParameters* encoderParams);
    TStatus LastResult() const { return lastResult; }
    void* Native() const { return nativeImage; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativeImage = nullptr;
    TStatus lastResult = Ok;
    TStatus loadStatus = Ok;   // never written
};

// Colour adjustments for drawing pictures; each Set method switches one on with its values, each
// Clear method off.
class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();
    TGPImageAttributes(void* native, TStatus status) : nativeImageAttr(native), lastResult(status) {}
    ~TGPImageAttributes() override;
    std::unique_ptr<TGPImageAttributes> Clone();
    TStatus SetToIdentity(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus Reset(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                           ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearColorMatrix(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                             ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                             ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearColorMatrices(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetThreshold(Single threshold, ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearThreshold(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetGamma(Single gamma, ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearGamma(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetNoOp(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearNoOp(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearColorKey(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearOutputChannel(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetOutputChannelColorProfile(const String& colorProfileFilename,
                                         ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearOutputChannelColorProfile(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetRemapTable(Cardinal mapSize, const ColorMap* map, ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus ClearRemapTable(ColorAdjustType type_ = ColorAdjustTypeDefault);
    TStatus SetBrushRemapTable(Cardinal mapSize, const ColorMap* map);
    TStatus ClearBrushRemapTable();
    TStatus SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    TStatus GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType);
    TStatus GetLastStatus();
    void* Native() const { return nativeImageAttr; }

protected:
    TStatus SetStatus(TStatus status);
    void* nativeImageAttr = nullptr;
    TStatus lastResult = Ok;
};

class TGPGraphics : public TGdiplusBase {
public:
    explicit TGPGraphics(HDC hdc);
    explicit TGPGraphics(TGPImage* image);
    static std::unique_ptr<TGPGraphics> FromImage(TGPImage* image);
    ~TGPGraphics() override;

    void Flush(FlushIntention intention = FlushIntentionFlush);
    TStatus Clear(ARGB color);
    HDC GetHDC();
    void ReleaseHDC(HDC hdc);
    // Replaces the platform's text drawing: measures (style $400) and draws the text from the
    // rectangle's top-left, filling its measured box with bkColor unless clNone.
    Integer DrawText(const String& text, Integer len, TRect& rect, TFont& font, Cardinal style, TColor bkColor);
    Integer TextHeight(const String& text, TFont& font);
    Integer TextWidth(const String& text, TFont& font);
    // A new GDI+ font of the platform font (the caller frees it); "Arial" when the font's family
    // is not installed.
    std::unique_ptr<TGPFont> MakeFont(TFont& font);
    std::unique_ptr<TGPFont> MakeFont(TFont& font, Single size);
    // The same, kept by this graphics and made anew only when the font changes.
    TGPFont* MakeFontEx(TFont& font);
    TGPFont* MakeFontEx(TFont& font, Single size);
    TStatus SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    TStatus SetSmoothingMode(Integer smoothingMode);
    Integer GetSmoothingMode();
    TStatus SetCompositingQuality(Integer compositingQuality);
    Integer GetCompositingQuality();
    TStatus MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    TStatus SetTransform(TGPMatrix* matrix);
    TStatus TranslateTransform(Single dx, Single dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateTransform(Single angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus ScaleTransform(Single sx, Single sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus ResetTransform();
    TStatus SetClip(TGPRegion* region, CombineMode combineMode = CombineModeReplace);
    TStatus SetClip(TGPGraphicsPath* path, CombineMode combineMode = CombineModeReplace);
    TStatus ExcludeClip(const TGPRectF& rect);
    TStatus ExcludeClip(TGPRegion* region);
    TStatus ResetClip();
    TStatus DrawLine(TGPPen* pen, Single x1, Single y1, Single x2, Single y2);
    TStatus DrawRectangle(TGPPen* pen, const TGPRectF& rect);
    TStatus DrawRectangle(TGPPen* pen, Single x, Single y, Single width, Single height);
    TStatus DrawEllipse(TGPPen* pen, Single x, Single y, Single width, Single height);
    TStatus DrawEllipse(TGPPen* pen, const TGPRectF& rect);
    TStatus DrawEllipse(TGPPen* pen, Integer x, Integer y, Integer width, Integer height);
    TStatus DrawEllipse(TGPPen* pen, const TGPRect& rect);
    TStatus DrawArc(TGPPen* pen, const TGPRectF& rect, Single startAngle, Single sweepAngle);
    TStatus DrawBezier(TGPPen* pen, Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4,
                       Single y4);
    TStatus DrawArc(TGPPen* pen, Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle);
    TStatus DrawBezier(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                       const TGPPointF& pt4);
    TStatus DrawBeziers(TGPPen* pen, const TGPPointF* points, Integer count);
    TStatus DrawPath(TGPPen* pen, TGPGraphicsPath* path);
    TStatus FillRectangle(TGPBrush* brush, const TGPRectF& rect);
    TStatus FillRectangle(TGPBrush* brush, Single x, Single y, Single width, Single height);
    TStatus FillEllipse(TGPBrush* brush, Single x, Single y, Single width, Single height);
    TStatus FillEllipse(TGPBrush* brush, const TGPRectF& rect);
    TStatus FillEllipse(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height);
    TStatus FillEllipse(TGPBrush* brush, const TGPRect& rect);
    TStatus FillPolygon(TGPBrush* brush, const TGPPoint* points, Integer count, FillMode fillMode = FillModeAlternate);
    TStatus FillPolygon(TGPBrush* brush, const TGPPointF* points, Integer count, FillMode fillMode = FillModeAlternate);
    TStatus FillPath(TGPBrush* brush, TGPGraphicsPath* path);
    TStatus DrawImage(TGPImage* image, Single x, Single y);
    TStatus DrawImage(TGPImage* image, const TGPRectF& rect);
    TStatus DrawImage(TGPImage* image, const TGPPointF& point);
    TStatus DrawImage(TGPImage* image, Integer x, Integer y);
    TStatus DrawImageRect(TGPImage* image, Integer x, Integer y, Integer width, Integer height);
    TStatus DrawImageRect(TGPImage* image, Single x, Single y, Single width, Single height);
    TStatus MeasureString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                          TGPStringFormat* stringFormat, TGPRectF& boundingBox);
    TStatus MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                          TGPStringFormat* stringFormat, TGPRectF& boundingBox);
    TStatus MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                          TGPRectF& boundingBox);
    // The whole text is drawn, whatever length says.
    TStatus DrawString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                       TGPStringFormat* stringFormat, TGPBrush* brush);
    TStatus DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin, TGPBrush* brush);
    TStatus DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                       TGPStringFormat* stringFormat, TGPBrush* brush);
    TStatus DrawString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                       TGPBrush* brush);
    TStatus GetLastStatus();
    void* Native() const { return nativeGraphics; }

protected:
    TStatus SetStatus(TStatus status);
    std::unique_ptr<TGPFont> FCachedFont;
    void* nativeGraphics = nullptr;
    TStatus lastResult = Ok;
};

// The unit's GDI+: started when the program starts (after the run-time-bound wrapper's start),
// shut down first at its end.
void InitializeGxGDIP();

}  // namespace GxGDIP
