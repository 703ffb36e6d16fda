#pragma once
// GDI+ objects bound at run time: each wrapper owns one native GDI+ object and keeps the status of
// its latest failed call instead of raising.  Matrices, paths, regions, pens and brushes; fonts,
// string formats and images; the drawing surface; and the start and stop of GDI+ for the process.
//
// Conventions: a constructor stores its creation status as it is; every other call returns its
// status and keeps it only when it is not Ok (SetStatus), so the status field holds the latest
// failure until GetLastStatus reads (and resets) it.  Value getters start from a default that a
// failed call leaves.  Objects handed out (Clone, GetBrush, GetImage) belong to the caller.
#include <memory>
#include <vector>

#include "graphics/GxGDIPlusApi.h"
#include "platform/gdiplus/GdiplusBridge.h"

using TMatrixArray = Single[6];   // m11, m12, m21, m22, dx, dy
struct BITMAPINFO;   // only passed through to GDI+

class TGPGraphics;
class TGPImage;
class TGPImageAttributes;
class TGPFontCollection;

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy);
    TGPMatrix(const TGPRectF& rect, const TGPPointF& dstplg);
    TGPMatrix(const TGPRect& rect, const TGPPoint& dstplg);
    explicit TGPMatrix(void* ANativeMatrix);
    ~TGPMatrix() override;

    std::unique_ptr<TGPMatrix> Clone();
    Status GetElements(TMatrixArray& m);
    Status SetElements(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy);
    Single OffsetX();
    Single OffsetY();
    Status Reset();
    Status Multiply(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status Translate(Single offX, Single offY, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(Single scaleX, Single scaleY, MatrixOrder order = MatrixOrderPrepend);
    Status Rotate(Single angle, MatrixOrder order = MatrixOrderPrepend);
    Status RotateAt(Single angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    Status Shear(Single shearX, Single shearY, MatrixOrder order = MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(PGPPointF pts, Integer count = 1);
    Status TransformPoints(PGPPoint pts, Integer count = 1);
    Status TransformVectors(PGPPointF pts, Integer count = 1);
    Status TransformVectors(PGPPoint pts, Integer count = 1);
    bool IsInvertible();
    bool IsIdentity();
    bool IsEqual(TGPMatrix* matrix);
    Status GetLastStatus();
    void* Native() const { return nativeMatrix; }

protected:
    Status SetStatus(Status status);
    void* nativeMatrix = nullptr;
    Status lastResult = Ok;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    TGPGraphicsPath(const TGPPointF* points, const std::uint8_t* types, Integer count,
                    FillMode fillMode = FillModeAlternate);
    TGPGraphicsPath(const TGPPoint* points, const std::uint8_t* types, Integer count,
                    FillMode fillMode = FillModeAlternate);
    explicit TGPGraphicsPath(TGPGraphicsPath* path);
    ~TGPGraphicsPath() override;

    std::unique_ptr<TGPGraphicsPath> Clone();
    Status Reset();
    FillMode GetFillMode();
    Status SetFillMode(FillMode fillmode);
    Status GetPathData(TPathData& pathData);
    Status StartFigure();
    Status CloseFigure();
    Status CloseAllFigures();
    Status SetMarker();
    Status ClearMarkers();
    Status Reverse();
    Status GetLastPoint(TGPPointF& lastPoint);
    Status AddLine(Single x1, Single y1, Single x2, Single y2);
    Status AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
    Status AddLine(Integer x1, Integer y1, Integer x2, Integer y2);
    Status AddLines(const TGPPointF* points, Integer count);
    Status AddLines(const TGPPoint* points, Integer count);
    Status AddArc(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle);
    Status AddArc(const TGPRectF& rect, Single startAngle, Single sweepAngle);
    Status AddArc(const TGPRect& rect, Single startAngle, Single sweepAngle);
    Status AddBezier(Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4, Single y4);
    Status AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    Status AddBeziers(const TGPPointF* points, Integer count);
    Status AddCurve(const TGPPointF* points, Integer count);
    Status AddCurve(const TGPPointF* points, Integer count, Single tension);
    Status AddCurve(const TGPPointF* points, Integer count, Integer offset, Integer numberOfSegments, Single tension);
    Status AddClosedCurve(const TGPPointF* points, Integer count);
    Status AddClosedCurve(const TGPPointF* points, Integer count, Single tension);
    Status AddRectangle(const TGPRectF& rect);
    Status AddRectangle(const TGPRect& rect);
    Status AddRectangles(const TGPRectF* rects, Integer count);
    Status AddEllipse(Single x, Single y, Single width, Single height);
    Status AddEllipse(const TGPRectF& rect);
    Status AddEllipse(const TGPRect& rect);
    Status AddPie(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle);
    Status AddPolygon(const TGPPointF* points, Integer count);
    Status AddPolygon(const TGPPoint* points, Integer count);
    Status AddPath(TGPGraphicsPath* addingPath, bool connect);
    // An origin becomes the layout rectangle (origin.X, origin.Y, 0, 0).
    Status AddString(const String& string_, Integer length, class TGPFontFamily* family, Integer style, Single emSize,
                     const TGPPointF& origin, class TGPStringFormat* format);
    Status AddString(const String& string_, Integer length, class TGPFontFamily* family, Integer style, Single emSize,
                     const TGPRectF& layoutRect, class TGPStringFormat* format);
    Status Warp(const TGPPointF* destPoints, Integer count, const TGPRectF& srcRect, TGPMatrix* matrix = nullptr,
                WarpMode warpMode = WarpModePerspective, Single flatness = 0.25f);
    Status Transform(TGPMatrix* matrix);
    Status GetBounds(TGPRectF& bounds, TGPMatrix* matrix = nullptr, class TGPPen* pen = nullptr);
    Status GetBounds(TGPRect& bounds, TGPMatrix* matrix = nullptr, class TGPPen* pen = nullptr);
    Status Flatten(TGPMatrix* matrix = nullptr, Single flatness = 0.25f);
    Status Widen(class TGPPen* pen, TGPMatrix* matrix = nullptr, Single flatness = 0.25f);
    Status Outline(TGPMatrix* matrix = nullptr, Single flatness = 0.25f);
    Integer GetPointCount();
    Status GetPathTypes(std::uint8_t* types, Integer count);
    Status GetPathPoints(PGPPointF points, Integer count);
    Status GetPathPoints(PGPPoint points, Integer count);
    bool IsVisible(Single x, Single y, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPPointF& point, TGPGraphics* g = nullptr);
    bool IsVisible(Integer x, Integer y, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(Single x, Single y, class TGPPen* pen, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(Integer x, Integer y, class TGPPen* pen, TGPGraphics* g = nullptr);
    // Integer geometry and the record forms.
    Status AddLine(const TGPPoint& pt1, const TGPPoint& pt2);
    Status AddArc(Integer x, Integer y, Integer width, Integer height, Single startAngle, Single sweepAngle);
    Status AddBezier(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4, Integer y4);
    Status AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    Status AddBeziers(const TGPPoint* points, Integer count);
    Status AddCurve(const TGPPoint* points, Integer count);
    Status AddCurve(const TGPPoint* points, Integer count, Single tension);
    Status AddCurve(const TGPPoint* points, Integer count, Integer offset, Integer numberOfSegments, Single tension);
    Status AddClosedCurve(const TGPPoint* points, Integer count);
    Status AddClosedCurve(const TGPPoint* points, Integer count, Single tension);
    Status AddRectangles(const TGPRect* rects, Integer count);
    Status AddEllipse(Integer x, Integer y, Integer width, Integer height);
    Status AddPie(const TGPRectF& rect, Single startAngle, Single sweepAngle);
    Status AddPie(Integer x, Integer y, Integer width, Integer height, Single startAngle, Single sweepAngle);
    Status AddPie(const TGPRect& rect, Single startAngle, Single sweepAngle);
    Status AddString(const String& string_, Integer length, class TGPFontFamily* family, Integer style, Single emSize,
                     const TGPPoint& origin, class TGPStringFormat* format);
    Status AddString(const String& string_, Integer length, class TGPFontFamily* family, Integer style, Single emSize,
                     const TGPRect& layoutRect, class TGPStringFormat* format);
    bool IsVisible(const TGPPoint& point, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(const TGPPointF& point, class TGPPen* pen, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(const TGPPoint& point, class TGPPen* pen, TGPGraphics* g = nullptr);
    Status GetLastStatus();
    void* Native() const { return nativePath; }

protected:
    TGPGraphicsPath(void* nativePath, Status status);
    Status SetStatus(Status status);
    void* nativePath = nullptr;
    Status lastResult = Ok;
};

// Not used by the program; kept for the wrapper's completeness.
class TGPRegion : public TGdiplusBase {
public:
    TGPRegion();
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPRect& rect);
    explicit TGPRegion(TGPGraphicsPath* path);
    TGPRegion(const std::uint8_t* regionData, Integer size);
    explicit TGPRegion(void* ANativeRegion);
    // The region of one of our device-context region handles (a copy; the handle stays the caller's).
    TGPRegion(HRGN hRgn, Integer Dummy1, Integer Dummy2);
    static std::unique_ptr<TGPRegion> FromHRGN(HRGN hRgn);
    ~TGPRegion() override;

    std::unique_ptr<TGPRegion> Clone();
    Status MakeInfinite();
    Status MakeEmpty();
    Status Intersect(const TGPRectF& rect);
    Status Union(const TGPRectF& rect);
    Status Xor_(const TGPRectF& rect);
    Status Exclude(const TGPRectF& rect);
    Status Complement(const TGPRectF& rect);
    Status Intersect(TGPRegion* region);
    Status Union(TGPRegion* region);
    Status Xor_(TGPRegion* region);
    Status Exclude(TGPRegion* region);
    Status Complement(TGPRegion* region);
    Status Intersect(TGPGraphicsPath* path);
    Status Union(TGPGraphicsPath* path);
    Status Xor_(TGPGraphicsPath* path);
    Status Exclude(TGPGraphicsPath* path);
    Status Complement(TGPGraphicsPath* path);
    Cardinal GetDataSize();
    Status GetData(std::uint8_t* buffer, Cardinal bufferSize, Cardinal* sizeFilled = nullptr);
    Status Translate(Single dx, Single dy);
    Status Translate(Integer dx, Integer dy);
    Status Transform(TGPMatrix* matrix);
    Status GetBounds(TGPRectF& rect, TGPGraphics* g);
    bool IsEmpty(TGPGraphics* g);
    bool IsInfinite(TGPGraphics* g);
    bool IsEqual(TGPRegion* region, TGPGraphics* g);
    bool IsVisible(Single x, Single y, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPRectF& rect, TGPGraphics* g = nullptr);
    Integer GetRegionScansCount(TGPMatrix* matrix);
    Status GetRegionScans(TGPMatrix* matrix, TGPRectF* rects, Integer& count);
    // Integer geometry and the record forms.
    Status Intersect(const TGPRect& rect);
    Status Union(const TGPRect& rect);
    Status Xor_(const TGPRect& rect);
    Status Exclude(const TGPRect& rect);
    Status Complement(const TGPRect& rect);
    Status GetBounds(TGPRect& rect, TGPGraphics* g);
    // A new device-context region handle of the caller's; nil for an infinite region.
    HRGN GetHRGN(TGPGraphics* g);
    bool IsVisible(const TGPPointF& point, TGPGraphics* g = nullptr);
    bool IsVisible(Integer x, Integer y, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPPoint& point, TGPGraphics* g = nullptr);
    bool IsVisible(Single x, Single y, Single width, Single height, TGPGraphics* g = nullptr);
    bool IsVisible(Integer x, Integer y, Integer width, Integer height, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPRect& rect, TGPGraphics* g = nullptr);
    Status GetRegionScans(TGPMatrix* matrix, TGPRect* rects, Integer& count);
    Status GetLastStatus();
    void* Native() const { return nativeRegion; }

protected:
    Status SetStatus(Status status);
    Status Combine(const TGPRectF& rect, CombineMode mode);
    Status Combine(TGPRegion* region, CombineMode mode);
    Status Combine(TGPGraphicsPath* path, CombineMode mode);
    Status Combine(const TGPRect& rect, CombineMode mode);
    void* nativeRegion = nullptr;
    Status lastResult = Ok;
};

class TGPBrush : public TGdiplusBase {
public:
    TGPBrush();   // an empty brush that answers NotImplemented
    TGPBrush(void* ANativeBrush, Status status);
    ~TGPBrush() override;

    // A plain brush around a copy of the native brush, whatever the subclass, with this
    // brush's status field.
    virtual std::unique_ptr<TGPBrush> Clone();
    BrushType GetType();
    Status GetLastStatus();
    void* Native() const { return nativeBrush; }

protected:
    friend class TGPPen;
    Status SetStatus(Status status);
    void* nativeBrush = nullptr;
    Status lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
    TGPSolidBrush();
    Status GetColor(ARGB& color);
    Status SetColor(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    TGPHatchBrush();
    HatchStyle GetHatchStyle();
    Status GetForegroundColor(ARGB& color);
    Status GetBackgroundColor(ARGB& color);
};

class TGPTextureBrush : public TGPBrush {
public:
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Single dstX, Single dstY, Single dstWidth, Single dstHeight);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Integer dstX, Integer dstY, Integer dstWidth,
                    Integer dstHeight);
    TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, TGPImageAttributes* imageAttributes = nullptr);
    TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, TGPImageAttributes* imageAttributes = nullptr);
    TGPTextureBrush();
    Status SetTransform(TGPMatrix* matrix);
    Status GetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(Single dx, Single dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(Single sx, Single sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(Single angle, MatrixOrder order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    std::unique_ptr<TGPImage> GetImage();
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, Single angle,
                           bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, Single angle, bool isAngleScalable = false);
    TGPLinearGradientBrush();   // empty, for a pen's brush
    Status SetLinearColors(ARGB color1, ARGB color2);
    Status GetLinearColors(ARGB& color1, ARGB& color2);
    Status GetRectangle(TGPRectF& rect);
    Status GetRectangle(TGPRect& rect);
    Status SetGammaCorrection(bool useGammaCorrection);
    bool GetGammaCorrection();
    Integer GetBlendCount();
    Status SetBlend(const Single* blendFactors, const Single* blendPositions, Integer count);
    Status GetBlend(Single* blendFactors, Single* blendPositions, Integer count);
    Integer GetInterpolationColorCount();
    Status SetInterpolationColors(const ARGB* presetColors, const Single* blendPositions, Integer count);
    Status GetInterpolationColors(ARGB* presetColors, Single* blendPositions, Integer count);
    Status SetBlendBellShape(Single focus, Single scale = 1.0f);
    Status SetBlendTriangularShape(Single focus, Single scale = 1.0f);
    Status SetTransform(TGPMatrix* matrix);
    Status GetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(Single dx, Single dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(Single sx, Single sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(Single angle, MatrixOrder order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
};

class TGPPathGradientBrush : public TGPBrush {
public:
    TGPPathGradientBrush(const TGPPointF* points, Integer count, WrapMode wrapMode = WrapModeClamp);
    TGPPathGradientBrush(const TGPPoint* points, Integer count, WrapMode wrapMode = WrapModeClamp);
    explicit TGPPathGradientBrush(TGPGraphicsPath* path);
    TGPPathGradientBrush();
    Status GetCenterColor(ARGB& color);
    Status SetCenterColor(ARGB color);
    Integer GetPointCount();
    Integer GetSurroundColorCount();
    Status GetSurroundColors(ARGB* colors, Integer& count);
    Status SetSurroundColors(const ARGB* colors, Integer& count);
    Status GetCenterPoint(TGPPointF& point);
    Status SetCenterPoint(const TGPPointF& point);
    Status GetCenterPoint(TGPPoint& point);
    Status SetCenterPoint(const TGPPoint& point);
    Status GetRectangle(TGPRectF& rect);
    Status GetRectangle(TGPRect& rect);
    // The brush's outline copied into, or taken from, the path.
    Status GetGraphicsPath(TGPGraphicsPath* path);
    Status SetGraphicsPath(TGPGraphicsPath* path);
    Status SetGammaCorrection(bool useGammaCorrection);
    bool GetGammaCorrection();
    Integer GetBlendCount();
    Status GetBlend(Single* blendFactors, Single* blendPositions, Integer count);
    Status SetBlend(const Single* blendFactors, const Single* blendPositions, Integer count);
    Integer GetInterpolationColorCount();
    Status SetInterpolationColors(const ARGB* presetColors, const Single* blendPositions, Integer count);
    Status GetInterpolationColors(ARGB* presetColors, Single* blendPositions, Integer count);
    Status SetBlendBellShape(Single focus, Single scale = 1.0f);
    Status SetBlendTriangularShape(Single focus, Single scale = 1.0f);
    Status SetTransform(TGPMatrix* matrix);
    Status GetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(Single dx, Single dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(Single sx, Single sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(Single angle, MatrixOrder order = MatrixOrderPrepend);
    Status GetFocusScales(Single& xScale, Single& yScale);
    Status SetFocusScales(Single xScale, Single yScale);
    WrapMode GetWrapMode();
    Status SetWrapMode(WrapMode wrapMode);
};

// Not used by the program; kept for the wrapper's completeness.
class TGPCustomLineCap : public TGdiplusBase {
public:
    TGPCustomLineCap(TGPGraphicsPath* fillPath, TGPGraphicsPath* strokePath, Integer baseCap = LineCapFlat,
                     Single baseInset = 0);
    TGPCustomLineCap() = default;
    TGPCustomLineCap(void* ANativeCap, Status status) : nativeCap(ANativeCap), lastResult(status) {}
    ~TGPCustomLineCap() override;
    std::unique_ptr<TGPCustomLineCap> Clone();
    Status SetStrokeCap(Integer strokeCap);
    Status SetStrokeCaps(Integer startCap, Integer endCap);
    Status GetStrokeCaps(Integer& startCap, Integer& endCap);
    Status SetStrokeJoin(LineJoin lineJoin);
    LineJoin GetStrokeJoin();
    Status SetBaseCap(Integer baseCap);
    Integer GetBaseCap();
    Status SetBaseInset(Single inset);
    Single GetBaseInset();
    Status SetWidthScale(Single widthScale);
    Single GetWidthScale();
    Status GetLastStatus();
    void* Native() const { return nativeCap; }

protected:
    friend class TGPPen;
    Status SetStatus(Status status);
    void* nativeCap = nullptr;
    Status lastResult = Ok;
};

class TGPPen : public TGdiplusBase {
public:
    TGPPen(ARGB color, Single width = 1.0f);
    TGPPen(TGPBrush* brush, Single width = 1.0f);
    TGPPen(void* ANativePen, Status status);
    ~TGPPen() override;

    std::unique_ptr<TGPPen> Clone();
    Status SetWidth(Single width);
    Single GetWidth();
    Status SetLineCap(Integer startCap, Integer endCap, Integer dashCap);
    Status SetStartCap(Integer startCap);
    Status SetEndCap(Integer endCap);
    Status SetDashCap(Integer dashCap);
    Integer GetStartCap();
    Integer GetEndCap();
    Integer GetDashCap();
    Status SetLineJoin(LineJoin lineJoin);
    LineJoin GetLineJoin();
    Status SetCustomStartCap(TGPCustomLineCap* customCap);
    Status SetCustomEndCap(TGPCustomLineCap* customCap);
    // GDI+ writes the cap's handle field itself.
    Status GetCustomStartCap(TGPCustomLineCap* customCap);
    Status GetCustomEndCap(TGPCustomLineCap* customCap);
    Status SetMiterLimit(Single miterLimit);
    Single GetMiterLimit();
    Status SetAlignment(PenAlignment penAlignment);
    PenAlignment GetAlignment();
    Status SetTransform(TGPMatrix* matrix);
    Status GetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(Single dx, Single dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(Single sx, Single sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(Single angle, MatrixOrder order = MatrixOrderPrepend);
    Integer GetPenType();
    Status SetColor(ARGB color);
    Status SetBrush(TGPBrush* brush);
    Status GetColor(ARGB& color);
    std::unique_ptr<TGPBrush> GetBrush();
    DashStyle GetDashStyle();
    Status SetDashStyle(DashStyle dashStyle);
    Single GetDashOffset();
    Status SetDashOffset(Single dashOffset);
    Status SetDashPattern(const Single* dashArray, Integer count);
    Integer GetDashPatternCount();
    Status GetDashPattern(Single* dashArray, Integer count);
    Status SetCompoundArray(const Single* compoundArray, Integer count);
    Integer GetCompoundArrayCount();
    Status GetCompoundArray(Single* compoundArray, Integer count);
    Status GetLastStatus();
    void* Native() const { return nativePen; }

protected:
    Status SetStatus(Status status);
    void* nativePen = nullptr;
    Status lastResult = Ok;
};

class TGPFontFamily : public TGdiplusBase {
public:
    TGPFontFamily();
    TGPFontFamily(const String& name, TGPFontCollection* fontCollection = nullptr);
    TGPFontFamily(void* nativeOrig, Status status);
    ~TGPFontFamily() override;

    // The process's shared generic families, made on first request (never freed by callers).
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();

    Status GetFamilyName(String& name, Word language = 0);
    std::unique_ptr<TGPFontFamily> Clone();
    bool IsAvailable() const { return nativeFamily != nullptr; }
    bool IsStyleAvailable(Integer style);
    Word GetEmHeight(Integer style);
    Word GetCellAscent(Integer style);
    Word GetCellDescent(Integer style);
    Word GetLineSpacing(Integer style);
    Status GetLastStatus();
    void* Native() const { return nativeFamily; }

protected:
    friend class TGPFont;
    friend class TGPFontCollection;
    Status SetStatus(Status status);
    void* nativeFamily = nullptr;
    Status lastResult = Ok;
};

// Not used by the program: it always stands for the installed fonts.
class TGPFontCollection : public TGdiplusBase {
public:
    TGPFontCollection() = default;
    Integer GetFamilyCount();
    Status GetFamilies(Integer numSought, std::vector<TGPFontFamily*>& gpfamilies, Integer& numFound);
    Status GetLastStatus() { return lastResult; }   // not reset
    void* Native() const { return nativeFontCollection; }

protected:
    void* nativeFontCollection = nullptr;
    Status lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
public:
    explicit TGPFont(HDC hdc);
    TGPFont(HDC hdc, const LOGFONTA* logfont);
    TGPFont(HDC hdc, const LOGFONTW* logfont);
    // The logical font of a platform font, else the device context's own.
    TGPFont(HDC hdc, TFont* hfont);
    TGPFont(TGPFontFamily* family, Single emSize, Integer style = FontStyleRegular, Unit_ unit = UnitPoint);
    // A family GDI+ does not find, or a style it cannot draw, falls back to the generic sans serif.
    TGPFont(const String& familyName, Single emSize, Integer style = FontStyleRegular, Unit_ unit = UnitPoint,
            TGPFontCollection* fontCollection = nullptr);
    TGPFont(void* font, Status status);
    ~TGPFont() override;

    std::unique_ptr<TGPFont> Clone();
    Status GetLogFontA(TGPGraphics* g, LOGFONTA& logfontA);
    Status GetLogFontW(TGPGraphics* g, LOGFONTW& logfontW);
    bool IsAvailable() const { return nativeFont != nullptr; }
    Integer GetStyle();
    Single GetSize();
    Unit_ GetUnit();
    Single GetHeight(TGPGraphics* graphics);
    Single GetHeight(Single dpi);
    Status GetFamily(TGPFontFamily* family);
    Status GetLastStatus() { return lastResult; }   // not reset
    void* Native() const { return nativeFont; }

protected:
    Status SetStatus(Status status);
    void* nativeFont = nullptr;
    Status lastResult = Ok;
};

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(Integer formatFlags = 0, Word language = 0);
    explicit TGPStringFormat(TGPStringFormat* format);
    ~TGPStringFormat() override;

    // The process's shared generic formats, made on first request (never freed by callers).
    static TGPStringFormat* GenericDefault();
    static TGPStringFormat* GenericTypographic();

    std::unique_ptr<TGPStringFormat> Clone();
    Status SetFormatFlags(Integer flags);
    Integer GetFormatFlags();
    Status SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    Status SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();
    Status SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    Status SetTabStops(Single firstTabOffset, Integer count, const Single* tabStops);
    Integer GetTabStopCount();
    Status GetTabStops(Integer count, Single& firstTabOffset, Single* tabStops);
    Status SetDigitSubstitution(Word language, StringDigitSubstitute substitute);
    Word GetDigitSubstitutionLanguage();
    StringDigitSubstitute GetDigitSubstitutionMethod();
    Status SetMeasurableCharacterRanges(Integer rangeCount, const TCharacterRange* ranges);
    Integer GetMeasurableCharacterRangeCount();
    Status GetLastStatus();
    void* Native() const { return nativeFormat; }

protected:
    TGPStringFormat(void* nativeFormat, Status status);
    Status SetStatus(Status status);
    void* nativeFormat = nullptr;
    Status lastError = Ok;
};

class TGPImage : public TGdiplusBase {
public:
    TGPImage(const String& filename, bool useEmbeddedColorManagement = false);
    TGPImage(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPImage(void* ANativeImage, Status status);
    ~TGPImage() override;

    std::unique_ptr<TGPImage> Clone();
    ImageType GetType();
    Cardinal GetWidth();
    Cardinal GetHeight();
    Single GetHorizontalResolution();
    Single GetVerticalResolution();
    Cardinal GetFlags();
    Integer GetPixelFormat();
    Status GetPhysicalDimension(TGPSizeF& size);
    Status GetBounds(TGPRectF& srcRect, Unit_& srcUnit);
    std::unique_ptr<TGPImage> GetThumbnailImage(Cardinal thumbWidth, Cardinal thumbHeight,
                                                ImageAbort callback = nullptr, void* callbackData = nullptr);
    Status RotateFlip(RotateFlipType rotateFlipType);
    Status Save(const String& filename, const void* clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    Status Save(IStream* stream, const void* clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    Status SaveAdd(const EncoderParameters* encoderParams);
    Status SaveAdd(TGPImage* newImage, const EncoderParameters* encoderParams);
    Status GetRawFormat(std::uint8_t (&format)[16]);
    Integer GetPaletteSize();
    Status GetPalette(ColorPalette* palette, Integer size);
    Status SetPalette(const ColorPalette* palette);
    Cardinal GetFrameDimensionsCount();
    Status GetFrameDimensionsList(std::uint8_t (*dimensionIDs)[16], Cardinal count);
    Cardinal GetFrameCount(const std::uint8_t (&dimensionID)[16]);
    Status SelectActiveFrame(const std::uint8_t (&dimensionID)[16], Cardinal frameIndex);
    Cardinal GetPropertyCount();
    Status GetPropertyIdList(Cardinal numOfProperty, Cardinal* list);
    Cardinal GetPropertyItemSize(Cardinal propId);
    Status GetPropertyItem(Cardinal propId, Cardinal propSize, PropertyItem* buffer);
    Status GetPropertySize(Cardinal& totalBufferSize, Cardinal& numProperties);
    Status GetAllPropertyItems(Cardinal totalBufferSize, Cardinal numProperties, PropertyItem* allItems);
    Status RemovePropertyItem(Cardinal propId);
    Status SetPropertyItem(const PropertyItem& item);
    Cardinal GetEncoderParameterListSize(const void* clsidEncoder);
    Status GetEncoderParameterList(const void* clsidEncoder, Cardinal size, EncoderParameters* buffer);
    static std::unique_ptr<TGPImage> FromFile(const String& filename, bool useEmbeddedColorManagement = false);
    static std::unique_ptr<TGPImage> FromStream(IStream* stream, bool useEmbeddedColorManagement = false);
    Status GetLastStatus();
    void* Native() const { return nativeImage; }

protected:
    TGPImage() = default;
    Status SetStatus(Status status);
    void* nativeImage = nullptr;
    Status lastResult = Ok;
};

class TGPBitmap : public TGPImage {
public:
    TGPBitmap(Integer width, Integer height, Integer stride, Integer format, std::uint8_t* scan0);
    TGPBitmap(Integer width, Integer height, Integer format = PixelFormat32bppARGB);
    TGPBitmap(Integer width, Integer height, TGPGraphics* target);
    TGPBitmap(HBITMAP hbm, HPALETTE hpal);
    TGPBitmap(IStream* stream, bool useEmbeddedColorManagement);
    TGPBitmap(const String& filename, bool useEmbeddedColorManagement);
    TGPBitmap(HICON hicon, Integer Dummy1);
    // A device-independent bitmap: its header record and its pixel rows.
    TGPBitmap(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData);
    // The bitmap resource of that name in the module.
    TGPBitmap(HINSTANCE hInstance, const String& bitmapName);
    explicit TGPBitmap(void* nativeBitmap);
    static std::unique_ptr<TGPBitmap> FromBITMAPINFO(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData);
    static std::unique_ptr<TGPBitmap> FromResource(HINSTANCE hInstance, const String& bitmapName);
    static std::unique_ptr<TGPBitmap> FromFile(const String& filename, bool useEmbeddedColorManagement = false);
    static std::unique_ptr<TGPBitmap> FromStream(IStream* stream, bool useEmbeddedColorManagement = false);
    static std::unique_ptr<TGPBitmap> FromHBITMAP(HBITMAP hbm, HPALETTE hpal);
    static std::unique_ptr<TGPBitmap> FromHICON(HICON hicon);

    std::unique_ptr<TGPBitmap> Clone(Integer x, Integer y, Integer width, Integer height, Integer format);
    std::unique_ptr<TGPBitmap> Clone(Single x, Single y, Single width, Single height, Integer format);
    std::unique_ptr<TGPBitmap> Clone(const TGPRect& rect, Integer format);
    std::unique_ptr<TGPBitmap> Clone(const TGPRectF& rect, Integer format);
    // Locks into the published record; libgdiplus's own bookkeeping stays in the wrapper.
    Status LockBits(const TGPRect& rect, Cardinal flags, Integer format, BitmapData& lockedBitmapData);
    Status UnlockBits(BitmapData& lockedBitmapData);
    Status GetPixel(Integer x, Integer y, ARGB& color);
    Status SetPixel(Integer x, Integer y, ARGB color);
    Status SetResolution(Single xdpi, Single ydpi);
    Status GetHBITMAP(ARGB colorBackground, HBITMAP& hbmReturn);
    Status GetHICON(HICON& hicon);

private:
    std::uint8_t FLockState[160] = {};
};

// Not used by the program; kept for the wrapper's completeness.  Each Set method switches its
// adjustment on with its values, each Clear method off.
class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();
    TGPImageAttributes(void* imageAttr, Status status) : nativeImageAttr(imageAttr), lastResult(status) {}
    ~TGPImageAttributes() override;
    std::unique_ptr<TGPImageAttributes> Clone();
    Status SetToIdentity(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                          ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetThreshold(Single threshold, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearThreshold(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetGamma(Single gamma, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearGamma(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetNoOp(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearNoOp(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearOutputChannel(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetOutputChannelColorProfile(const String& colorProfileFilename,
                                        ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearOutputChannelColorProfile(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetRemapTable(Cardinal mapSize, const ColorMap* map, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearRemapTable(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetBrushRemapTable(Cardinal mapSize, const ColorMap* map);
    Status ClearBrushRemapTable();
    Status SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    // The palette as these attributes would adjust it.
    Status GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType);
    Status GetLastStatus();
    void* Native() const { return nativeImageAttr; }

protected:
    Status SetStatus(Status status);
    void* nativeImageAttr = nullptr;
    Status lastResult = Ok;
};

// Not used by the program (and not in libgdiplus, whose missing entry answers NotImplemented).
class TGPCachedBitmap : public TGdiplusBase {
public:
    TGPCachedBitmap(TGPBitmap* bitmap, TGPGraphics* graphics);
    ~TGPCachedBitmap() override;
    Status GetLastStatus();
    void* Native() const { return nativeCachedBitmap; }

protected:
    void* nativeCachedBitmap = nullptr;
    Status lastResult = Ok;
};

class TGPGraphics : public TGdiplusBase {
public:
    TGPGraphics(HDC hdc, Integer Dummy1, Integer Dummy2);
    TGPGraphics(HDC hdc, void* hdevice);
    TGPGraphics(void* hwnd, bool icm);
    explicit TGPGraphics(TGPImage* image);
    static std::unique_ptr<TGPGraphics> FromHDC(HDC hdc);
    static std::unique_ptr<TGPGraphics> FromHDC(HDC hdc, void* hdevice);
    static std::unique_ptr<TGPGraphics> FromHWND(void* hwnd, bool icm = false);
    static std::unique_ptr<TGPGraphics> FromImage(TGPImage* image);
    ~TGPGraphics() override;

    void Flush(FlushIntention intention = FlushIntentionFlush);
    HDC GetHDC();
    void ReleaseHDC(HDC hdc);
    Status SetRenderingOrigin(Integer x, Integer y);
    Status GetRenderingOrigin(Integer& x, Integer& y);
    Status SetTextContrast(Cardinal contrast);
    Cardinal GetTextContrast();
    Unit_ GetPageUnit();
    Single GetPageScale();
    Status TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPointF* pts, Integer count);
    Status GetNearestColor(ARGB& color);
    Status SetCompositingMode(CompositingMode compositingMode);
    CompositingMode GetCompositingMode();
    Status SetCompositingQuality(Integer compositingQuality);
    Integer GetCompositingQuality();
    Status SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    Status SetInterpolationMode(Integer interpolationMode);
    Integer GetInterpolationMode();
    Status SetSmoothingMode(Integer smoothingMode);
    Integer GetSmoothingMode();
    Status SetPixelOffsetMode(Integer pixelOffsetMode);
    Integer GetPixelOffsetMode();
    Status SetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(Single dx, Single dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(Single sx, Single sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(Single angle, MatrixOrder order = MatrixOrderPrepend);
    Status GetTransform(TGPMatrix* matrix);
    Status SetPageUnit(Unit_ unit);
    Status SetPageScale(Single scale);
    Single GetDpiX();
    Single GetDpiY();
    Status DrawLine(TGPPen* pen, Single x1, Single y1, Single x2, Single y2);
    Status DrawLine(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2);
    Status DrawLines(TGPPen* pen, const TGPPointF* points, Integer count);
    Status DrawArc(TGPPen* pen, Single x, Single y, Single width, Single height, Single startAngle,
                   Single sweepAngle);
    Status DrawBezier(TGPPen* pen, Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4,
                      Single y4);
    Status DrawRectangle(TGPPen* pen, Single x, Single y, Single width, Single height);
    Status DrawRectangle(TGPPen* pen, const TGPRectF& rect);
    Status DrawEllipse(TGPPen* pen, Single x, Single y, Single width, Single height);
    Status DrawPie(TGPPen* pen, Single x, Single y, Single width, Single height, Single startAngle,
                   Single sweepAngle);
    Status DrawPolygon(TGPPen* pen, const TGPPointF* points, Integer count);
    Status DrawPath(TGPPen* pen, TGPGraphicsPath* path);
    Status DrawCurve(TGPPen* pen, const TGPPointF* points, Integer count);
    Status DrawCurve(TGPPen* pen, const TGPPointF* points, Integer count, Single tension);
    Status DrawClosedCurve(TGPPen* pen, const TGPPointF* points, Integer count);
    Status DrawBeziers(TGPPen* pen, const TGPPointF* points, Integer count);
    Status DrawRectangles(TGPPen* pen, const TGPRectF* rects, Integer count);
    Status FillRectangles(TGPBrush* brush, const TGPRectF* rects, Integer count);
    Status FillClosedCurve(TGPBrush* brush, const TGPPointF* points, Integer count);
    Status FillClosedCurve(TGPBrush* brush, const TGPPointF* points, Integer count, FillMode fillMode, Single tension);
    Status Clear(ARGB color);
    Status FillRectangle(TGPBrush* brush, Single x, Single y, Single width, Single height);
    Status FillRectangle(TGPBrush* brush, const TGPRectF& rect);
    Status FillPolygon(TGPBrush* brush, const TGPPointF* points, Integer count, FillMode fillMode = FillModeAlternate);
    Status FillEllipse(TGPBrush* brush, Single x, Single y, Single width, Single height);
    Status FillPie(TGPBrush* brush, Single x, Single y, Single width, Single height, Single startAngle,
                   Single sweepAngle);
    Status FillPath(TGPBrush* brush, TGPGraphicsPath* path);
    Status FillRegion(TGPBrush* brush, TGPRegion* region);
    // The text is copied into a zero-terminated buffer of its own.
    Status DrawString(const String& string_, TGPFont* font, const TGPRectF& layoutRect, TGPStringFormat* stringFormat,
                      TGPBrush* brush);
    Status DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin, TGPBrush* brush);
    Status MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                         TGPStringFormat* stringFormat, TGPRectF& boundingBox, Integer* codepointsFitted = nullptr,
                         Integer* linesFilled = nullptr);
    Status MeasureString(const String& string_, Integer length, TGPFont* font, const TGPSizeF& layoutRectSize,
                         TGPStringFormat* stringFormat, TGPSizeF& size, Integer* codepointsFitted = nullptr,
                         Integer* linesFilled = nullptr);
    Status DrawImage(TGPImage* image, Single x, Single y);
    Status DrawImage(TGPImage* image, const TGPRectF& rect);
    Status DrawImage(TGPImage* image, Single x, Single y, Single width, Single height);
    Status DrawImage(TGPImage* image, const TGPPointF* destPoints, Integer count);
    Status DrawImage(TGPImage* image, const TGPRectF& destRect, Single srcx, Single srcy, Single srcwidth,
                     Single srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     ImageAbort callback = nullptr, void* callbackData = nullptr);
    Status DrawCachedBitmap(TGPCachedBitmap* cb, Integer x, Integer y);
    // Each region receives the box of one measurable character range.
    Status MeasureCharacterRanges(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPStringFormat* stringFormat, Integer regionCount, TGPRegion* const* regions);
    Status DrawDriverString(const std::uint16_t* text, Integer length, TGPFont* font, TGPBrush* brush,
                            const TGPPointF* positions, Integer flags, TGPMatrix* matrix);
    Status MeasureDriverString(const std::uint16_t* text, Integer length, TGPFont* font, const TGPPointF* positions,
                               Integer flags, TGPMatrix* matrix, TGPRectF& boundingBox);
    Status SetClip(TGPGraphics* g, CombineMode combineMode = CombineModeReplace);
    Status SetClip(const TGPRectF& rect, CombineMode combineMode = CombineModeReplace);
    Status SetClip(TGPGraphicsPath* path, CombineMode combineMode = CombineModeReplace);
    Status SetClip(TGPRegion* region, CombineMode combineMode = CombineModeReplace);
    Status IntersectClip(const TGPRectF& rect);
    Status ExcludeClip(const TGPRectF& rect);
    Status ResetClip();
    Status TranslateClip(Single dx, Single dy);
    Status GetClip(TGPRegion* region);
    Status GetClipBounds(TGPRectF& rect);
    Status GetVisibleClipBounds(TGPRectF& rect);
    bool IsClipEmpty();
    bool IsVisibleClipEmpty();
    Status IntersectClip(TGPRegion* region);
    Status ExcludeClip(TGPRegion* region);
    bool IsVisible(Single x, Single y);
    bool IsVisible(Single x, Single y, Single width, Single height);
    Cardinal Save();
    Status Restore(Cardinal gstate);
    Cardinal BeginContainer(const TGPRectF& dstrect, const TGPRectF& srcrect, Unit_ unit);
    Cardinal BeginContainer();
    Status EndContainer(Cardinal state);
    Status AddMetafileComment(const std::uint8_t* data, Cardinal sizeData);

    // The same with Integer geometry, and the record forms of the coordinate overloads.
    Status TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPoint* pts, Integer count);
    Status DrawLine(TGPPen* pen, Integer x1, Integer y1, Integer x2, Integer y2);
    Status DrawLine(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2);
    Status DrawLines(TGPPen* pen, const TGPPoint* points, Integer count);
    Status DrawArc(TGPPen* pen, Integer x, Integer y, Integer width, Integer height, Single startAngle,
                   Single sweepAngle);
    Status DrawArc(TGPPen* pen, const TGPRectF& rect, Single startAngle, Single sweepAngle);
    Status DrawArc(TGPPen* pen, const TGPRect& rect, Single startAngle, Single sweepAngle);
    Status DrawBezier(TGPPen* pen, Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4,
                      Integer y4);
    Status DrawBezier(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                      const TGPPointF& pt4);
    Status DrawBezier(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    Status DrawBeziers(TGPPen* pen, const TGPPoint* points, Integer count);
    Status DrawRectangle(TGPPen* pen, Integer x, Integer y, Integer width, Integer height);
    Status DrawRectangle(TGPPen* pen, const TGPRect& rect);
    Status DrawRectangles(TGPPen* pen, const TGPRect* rects, Integer count);
    Status DrawEllipse(TGPPen* pen, const TGPRectF& rect);
    Status DrawEllipse(TGPPen* pen, Integer x, Integer y, Integer width, Integer height);
    Status DrawEllipse(TGPPen* pen, const TGPRect& rect);
    Status DrawPie(TGPPen* pen, const TGPRectF& rect, Single startAngle, Single sweepAngle);
    Status DrawPie(TGPPen* pen, Integer x, Integer y, Integer width, Integer height, Single startAngle,
                   Single sweepAngle);
    Status DrawPie(TGPPen* pen, const TGPRect& rect, Single startAngle, Single sweepAngle);
    Status DrawPolygon(TGPPen* pen, const TGPPoint* points, Integer count);
    Status DrawCurve(TGPPen* pen, const TGPPoint* points, Integer count);
    Status DrawCurve(TGPPen* pen, const TGPPoint* points, Integer count, Single tension);
    Status DrawCurve(TGPPen* pen, const TGPPointF* points, Integer count, Integer offset, Integer numberOfSegments,
                     Single tension);
    Status DrawCurve(TGPPen* pen, const TGPPoint* points, Integer count, Integer offset, Integer numberOfSegments,
                     Single tension);
    Status DrawClosedCurve(TGPPen* pen, const TGPPoint* points, Integer count);
    Status DrawClosedCurve(TGPPen* pen, const TGPPointF* points, Integer count, Single tension);
    Status DrawClosedCurve(TGPPen* pen, const TGPPoint* points, Integer count, Single tension);
    Status FillRectangle(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height);
    Status FillRectangle(TGPBrush* brush, const TGPRect& rect);
    Status FillRectangles(TGPBrush* brush, const TGPRect* rects, Integer count);
    Status FillPolygon(TGPBrush* brush, const TGPPoint* points, Integer count, FillMode fillMode = FillModeAlternate);
    Status FillEllipse(TGPBrush* brush, const TGPRectF& rect);
    Status FillEllipse(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height);
    Status FillEllipse(TGPBrush* brush, const TGPRect& rect);
    Status FillPie(TGPBrush* brush, const TGPRectF& rect, Single startAngle, Single sweepAngle);
    Status FillPie(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height, Single startAngle,
                   Single sweepAngle);
    Status FillPie(TGPBrush* brush, const TGPRect& rect, Single startAngle, Single sweepAngle);
    Status FillClosedCurve(TGPBrush* brush, const TGPPoint* points, Integer count);
    Status FillClosedCurve(TGPBrush* brush, const TGPPoint* points, Integer count, FillMode fillMode, Single tension);
    Status DrawString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                      TGPStringFormat* stringFormat, TGPBrush* brush);
    Status DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                      TGPStringFormat* stringFormat, TGPBrush* brush);
    Status MeasureString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                         TGPStringFormat* stringFormat, TGPRectF& boundingBox);
    Status MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                         TGPRectF& boundingBox);
    Status MeasureString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                         TGPRectF& boundingBox);
    Status DrawImage(TGPImage* image, const TGPPointF& point);
    Status DrawImage(TGPImage* image, Integer x, Integer y);
    Status DrawImage(TGPImage* image, const TGPPoint& point);
    Status DrawImage(TGPImage* image, Integer x, Integer y, Integer width, Integer height);
    Status DrawImage(TGPImage* image, const TGPRect& rect);
    Status DrawImage(TGPImage* image, const TGPPoint* destPoints, Integer count);
    // The source part (srcx, srcy, srcwidth, srcheight) at (x, y).
    Status DrawImage(TGPImage* image, Single x, Single y, Single srcx, Single srcy, Single srcwidth, Single srcheight,
                     Unit_ srcUnit);
    Status DrawImage(TGPImage* image, Integer x, Integer y, Integer srcx, Integer srcy, Integer srcwidth,
                     Integer srcheight, Unit_ srcUnit);
    Status DrawImage(TGPImage* image, const TGPRect& destRect, Integer srcx, Integer srcy, Integer srcwidth,
                     Integer srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     ImageAbort callback = nullptr, void* callbackData = nullptr);
    Status DrawImage(TGPImage* image, const TGPPointF* destPoints, Integer count, Single srcx, Single srcy,
                     Single srcwidth, Single srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     ImageAbort callback = nullptr, void* callbackData = nullptr);
    Status DrawImage(TGPImage* image, const TGPPoint* destPoints, Integer count, Integer srcx, Integer srcy,
                     Integer srcwidth, Integer srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     ImageAbort callback = nullptr, void* callbackData = nullptr);
    Status SetClip(const TGPRect& rect, CombineMode combineMode = CombineModeReplace);
    Status SetClip(HRGN hRgn, CombineMode combineMode = CombineModeReplace);
    Status IntersectClip(const TGPRect& rect);
    Status ExcludeClip(const TGPRect& rect);
    Status TranslateClip(Integer dx, Integer dy);
    Status GetClipBounds(TGPRect& rect);
    Status GetVisibleClipBounds(TGPRect& rect);
    bool IsVisible(Integer x, Integer y);
    bool IsVisible(const TGPPointF& point);
    bool IsVisible(const TGPPoint& point);
    bool IsVisible(Integer x, Integer y, Integer width, Integer height);
    bool IsVisible(const TGPRectF& rect);
    bool IsVisible(const TGPRect& rect);
    Cardinal BeginContainer(const TGPRect& dstrect, const TGPRect& srcrect, Unit_ unit);
    Status GetLastStatus();
    void* Native() const { return nativeGraphics; }

protected:
    Status SetStatus(Status status);
    void* nativeGraphics = nullptr;
    Status lastResult = Ok;
};

// GDI+ for the process: started once when the program starts (after the table is bound) and
// shut down once at its end, after the shared generic families and formats are freed.  Nothing
// happens without the library, nor when this code runs inside another program as a library.
void StartGdiplus();
void StopGdiplus();
void FreeSharedGdiplusObjects();
bool ModuleIsLibrary();
void InitializeGxGDIPlusClasses();
