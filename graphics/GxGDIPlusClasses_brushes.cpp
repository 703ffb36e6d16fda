// The run-time-bound GDI+ wrapper: pens and brushes.
#include "graphics/GxGDIPlusClasses.h"

#include <new>
#include <vector>

namespace {
void* NativeOf(TGPMatrix* matrix)
{
    return matrix ? matrix->Native() : nullptr;
}
}  // namespace

// ---- Brushes

TGPBrush::TGPBrush() : lastResult(NotImplemented) {}
TGPBrush::TGPBrush(void* ANativeBrush, Status status) : nativeBrush(ANativeBrush), lastResult(status) {}
TGPBrush::~TGPBrush() { GdipCall(eGdipDeleteBrush, nativeBrush); }

std::unique_ptr<TGPBrush> TGPBrush::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneBrush, nativeBrush, &copy));
    return std::make_unique<TGPBrush>(copy, lastResult);
}

BrushType TGPBrush::GetType()
{
    BrushType type = static_cast<BrushType>(-1);
    SetStatus(GdipCall(eGdipGetBrushType, nativeBrush, &type));
    return type;
}

TGPSolidBrush::TGPSolidBrush(ARGB color) { lastResult = GdipCall(eGdipCreateSolidFill, color, &nativeBrush); }
TGPSolidBrush::TGPSolidBrush() : TGPBrush(nullptr, Ok) {}
Status TGPSolidBrush::GetColor(ARGB& color)
{
    SetStatus(GdipCall(eGdipGetSolidFillColor, nativeBrush, &color));
    return lastResult;
}
Status TGPSolidBrush::SetColor(ARGB color) { return SetStatus(GdipCall(eGdipSetSolidFillColor, nativeBrush, color)); }

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor)
{
    lastResult = GdipCall(eGdipCreateHatchBrush, hatchStyle, foreColor, backColor, &nativeBrush);
}
TGPHatchBrush::TGPHatchBrush() : TGPBrush(nullptr, Ok) {}
HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle style = HatchStyleHorizontal;
    SetStatus(GdipCall(eGdipGetHatchStyle, nativeBrush, &style));
    return style;
}
Status TGPHatchBrush::GetForegroundColor(ARGB& color)
{
    return SetStatus(GdipCall(eGdipGetHatchForegroundColor, nativeBrush, &color));
}
Status TGPHatchBrush::GetBackgroundColor(ARGB& color)
{
    return SetStatus(GdipCall(eGdipGetHatchBackgroundColor, nativeBrush, &color));
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode)
{
    lastResult = GdipCall(eGdipCreateTexture, image ? image->Native() : nullptr, wrapMode, &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect)
{
    lastResult = GdipCall(eGdipCreateTexture2, image ? image->Native() : nullptr, wrapMode, dstRect.X, dstRect.Y,
                          dstRect.Width, dstRect.Height, &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush() : TGPBrush(nullptr, Ok) {}
Status TGPTextureBrush::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipSetTextureTransform, nativeBrush, NativeOf(matrix)));
}
Status TGPTextureBrush::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipGetTextureTransform, nativeBrush, NativeOf(matrix)));
}
Status TGPTextureBrush::ResetTransform() { return SetStatus(GdipCall(eGdipResetTextureTransform, nativeBrush)); }
Status TGPTextureBrush::TranslateTransform(Single dx, Single dy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipTranslateTextureTransform, nativeBrush, dx, dy, order));
}
Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipCall(eGdipSetTextureWrapMode, nativeBrush, wrapMode));
}
WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode mode = WrapModeTile;
    SetStatus(GdipCall(eGdipGetTextureWrapMode, nativeBrush, &mode));
    return mode;
}
std::unique_ptr<TGPImage> TGPTextureBrush::GetImage()
{
    void* image = nullptr;
    SetStatus(GdipCall(eGdipGetTextureImage, nativeBrush, &image));
    return std::make_unique<TGPImage>(image, lastResult);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2)
{
    lastResult = GdipCall(eGdipCreateLineBrush, &point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1,
                                               ARGB color2)
{
    lastResult = GdipCall(eGdipCreateLineBrushI, &point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = GdipCall(eGdipCreateLineBrushFromRect, &rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = GdipCall(eGdipCreateLineBrushFromRectI, &rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, Single angle,
                                               bool isAngleScalable)
{
    lastResult = GdipCall(eGdipCreateLineBrushFromRectWithAngle, &rect, color1, color2, angle,
                          static_cast<int>(isAngleScalable), WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush() : TGPBrush(nullptr, Ok) {}
Status TGPLinearGradientBrush::SetLinearColors(ARGB color1, ARGB color2)
{
    return SetStatus(GdipCall(eGdipSetLineColors, nativeBrush, color1, color2));
}
Status TGPLinearGradientBrush::GetLinearColors(ARGB& color1, ARGB& color2)
{
    ARGB colors[2] = {};
    SetStatus(GdipCall(eGdipGetLineColors, nativeBrush, colors));
    if (lastResult == Ok) {
        color1 = colors[0];
        color2 = colors[1];
    }
    return lastResult;
}
Status TGPLinearGradientBrush::GetRectangle(TGPRectF& rect) { return SetStatus(GdipCall(eGdipGetLineRect, nativeBrush, &rect)); }
Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipCall(eGdipSetLineGammaCorrection, nativeBrush, static_cast<int>(useGammaCorrection)));
}
bool TGPLinearGradientBrush::GetGammaCorrection()
{
    int result = 0;
    SetStatus(GdipCall(eGdipGetLineGammaCorrection, nativeBrush, &result));
    return result != 0;
}
Integer TGPLinearGradientBrush::GetBlendCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetLineBlendCount, nativeBrush, &count));
    return count;
}
Status TGPLinearGradientBrush::SetBlend(const Single* blendFactors, const Single* blendPositions, Integer count)
{
    return SetStatus(GdipCall(eGdipSetLineBlend, nativeBrush, blendFactors, blendPositions, count));
}
Status TGPLinearGradientBrush::GetBlend(Single* blendFactors, Single* blendPositions, Integer count)
{
    if (count <= 0 || !blendFactors || !blendPositions) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipGetLineBlend, nativeBrush, blendFactors, blendPositions, count));
}
Integer TGPLinearGradientBrush::GetInterpolationColorCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetLinePresetBlendCount, nativeBrush, &count));
    return count;
}
Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const Single* blendPositions,
                                                      Integer count)
{
    if (count <= 0) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipSetLinePresetBlend, nativeBrush, presetColors, blendPositions, count));
}
Status TGPLinearGradientBrush::GetInterpolationColors(ARGB* presetColors, Single* blendPositions, Integer count)
{
    if (count <= 0) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipGetLinePresetBlend, nativeBrush, presetColors, blendPositions, count));
}
Status TGPLinearGradientBrush::SetBlendBellShape(Single focus, Single scale)
{
    return SetStatus(GdipCall(eGdipSetLineSigmaBlend, nativeBrush, focus, scale));
}
Status TGPLinearGradientBrush::SetBlendTriangularShape(Single focus, Single scale)
{
    return SetStatus(GdipCall(eGdipSetLineLinearBlend, nativeBrush, focus, scale));
}
Status TGPLinearGradientBrush::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipSetLineTransform, nativeBrush, NativeOf(matrix)));
}
Status TGPLinearGradientBrush::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipGetLineTransform, nativeBrush, NativeOf(matrix)));
}
Status TGPLinearGradientBrush::ResetTransform() { return SetStatus(GdipCall(eGdipResetLineTransform, nativeBrush)); }
Status TGPLinearGradientBrush::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipMultiplyLineTransform, nativeBrush, NativeOf(matrix), order));
}
Status TGPLinearGradientBrush::TranslateTransform(Single dx, Single dy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipTranslateLineTransform, nativeBrush, dx, dy, order));
}
Status TGPLinearGradientBrush::ScaleTransform(Single sx, Single sy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipScaleLineTransform, nativeBrush, sx, sy, order));
}
Status TGPLinearGradientBrush::RotateTransform(Single angle, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipRotateLineTransform, nativeBrush, angle, order));
}
Status TGPLinearGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipCall(eGdipSetLineWrapMode, nativeBrush, wrapMode));
}
WrapMode TGPLinearGradientBrush::GetWrapMode()
{
    WrapMode mode = WrapModeTile;
    SetStatus(GdipCall(eGdipGetLineWrapMode, nativeBrush, &mode));
    return mode;
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPPointF* points, Integer count, WrapMode wrapMode)
{
    lastResult = GdipCall(eGdipCreatePathGradient, points, count, wrapMode, &nativeBrush);
}
TGPPathGradientBrush::TGPPathGradientBrush(const TGPPoint* points, Integer count, WrapMode wrapMode)
{
    lastResult = GdipCall(eGdipCreatePathGradientI, points, count, wrapMode, &nativeBrush);
}
TGPPathGradientBrush::TGPPathGradientBrush(TGPGraphicsPath* path)
{
    lastResult = GdipCall(eGdipCreatePathGradientFromPath, path ? path->Native() : nullptr, &nativeBrush);
}
TGPPathGradientBrush::TGPPathGradientBrush() : TGPBrush(nullptr, Ok) {}
Status TGPPathGradientBrush::GetCenterColor(ARGB& color)
{
    SetStatus(GdipCall(eGdipGetPathGradientCenterColor, nativeBrush, &color));
    return lastResult;
}
Status TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    SetStatus(GdipCall(eGdipSetPathGradientCenterColor, nativeBrush, color));
    return lastResult;
}
Integer TGPPathGradientBrush::GetPointCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetPathGradientPointCount, nativeBrush, &count));
    return count;
}
Integer TGPPathGradientBrush::GetSurroundColorCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetPathGradientSurroundColorCount, nativeBrush, &count));
    return count;
}
Status TGPPathGradientBrush::GetSurroundColors(ARGB* colors, Integer& count)
{
    if (!colors) return SetStatus(InvalidParameter);
    Integer n = 0;
    SetStatus(GdipCall(eGdipGetPathGradientSurroundColorCount, nativeBrush, &n));
    if (lastResult != Ok) return lastResult;
    if (count < n || n < 1) return SetStatus(InsufficientBuffer);
    SetStatus(GdipCall(eGdipGetPathGradientSurroundColorsWithCount, nativeBrush, colors, &n));
    if (lastResult == Ok) count = n;
    return lastResult;
}
Status TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, Integer& count)
{
    if (!colors) return SetStatus(InvalidParameter);
    Integer n = GetPointCount();
    if (count > n || n < 1) return SetStatus(InvalidParameter);
    n = count;
    SetStatus(GdipCall(eGdipSetPathGradientSurroundColorsWithCount, nativeBrush, colors, &n));
    if (lastResult == Ok) count = n;
    return lastResult;
}
Status TGPPathGradientBrush::GetCenterPoint(TGPPointF& point)
{
    return SetStatus(GdipCall(eGdipGetPathGradientCenterPoint, nativeBrush, &point));
}
Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point)
{
    return SetStatus(GdipCall(eGdipSetPathGradientCenterPoint, nativeBrush, &point));
}
Status TGPPathGradientBrush::GetRectangle(TGPRectF& rect)
{
    return SetStatus(GdipCall(eGdipGetPathGradientRect, nativeBrush, &rect));
}
Integer TGPPathGradientBrush::GetInterpolationColorCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetPathGradientPresetBlendCount, nativeBrush, &count));
    return count;
}
Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const Single* blendPositions,
                                                    Integer count)
{
    if (count <= 0 || !presetColors) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipSetPathGradientPresetBlend, nativeBrush, presetColors, blendPositions, count));
}
// The colours come through a temporary array and are copied out also when the call fails.
Status TGPPathGradientBrush::GetInterpolationColors(ARGB* presetColors, Single* blendPositions, Integer count)
{
    if (count < 1 || !presetColors) return SetStatus(InvalidParameter);
    std::vector<ARGB> colors(static_cast<size_t>(count));
    Status status = SetStatus(GdipCall(eGdipGetPathGradientPresetBlend, nativeBrush, colors.data(), blendPositions, count));
    std::copy(colors.begin(), colors.end(), presetColors);
    return status;
}
Status TGPPathGradientBrush::SetBlendBellShape(Single focus, Single scale)
{
    return SetStatus(GdipCall(eGdipSetPathGradientSigmaBlend, nativeBrush, focus, scale));
}
Status TGPPathGradientBrush::SetBlendTriangularShape(Single focus, Single scale)
{
    return SetStatus(GdipCall(eGdipSetPathGradientLinearBlend, nativeBrush, focus, scale));
}
Status TGPPathGradientBrush::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipSetPathGradientTransform, nativeBrush, NativeOf(matrix)));
}
Status TGPPathGradientBrush::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipGetPathGradientTransform, nativeBrush, NativeOf(matrix)));
}
Status TGPPathGradientBrush::ResetTransform() { return SetStatus(GdipCall(eGdipResetPathGradientTransform, nativeBrush)); }
Status TGPPathGradientBrush::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipMultiplyPathGradientTransform, nativeBrush, NativeOf(matrix), order));
}
Status TGPPathGradientBrush::GetFocusScales(Single& xScale, Single& yScale)
{
    return SetStatus(GdipCall(eGdipGetPathGradientFocusScales, nativeBrush, &xScale, &yScale));
}
Status TGPPathGradientBrush::SetFocusScales(Single xScale, Single yScale)
{
    return SetStatus(GdipCall(eGdipSetPathGradientFocusScales, nativeBrush, xScale, yScale));
}
WrapMode TGPPathGradientBrush::GetWrapMode()
{
    WrapMode mode = WrapModeTile;
    SetStatus(GdipCall(eGdipGetPathGradientWrapMode, nativeBrush, &mode));
    return mode;
}
Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipCall(eGdipSetPathGradientWrapMode, nativeBrush, wrapMode));
}

// ---- Custom line caps

TGPCustomLineCap::TGPCustomLineCap(TGPGraphicsPath* fillPath, TGPGraphicsPath* strokePath, Integer baseCap,
                                   Single baseInset)
{
    lastResult = GdipCall(eGdipCreateCustomLineCap, fillPath ? fillPath->Native() : nullptr,
                          strokePath ? strokePath->Native() : nullptr, baseCap, baseInset, &nativeCap);
}
TGPCustomLineCap::~TGPCustomLineCap() { GdipCall(eGdipDeleteCustomLineCap, nativeCap); }
std::unique_ptr<TGPCustomLineCap> TGPCustomLineCap::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneCustomLineCap, nativeCap, &copy));
    if (lastResult != Ok) {
        if (copy) GdipCall(eGdipDeleteCustomLineCap, copy);
        return nullptr;
    }
    return std::make_unique<TGPCustomLineCap>(copy, lastResult);
}
Status TGPCustomLineCap::SetStrokeCap(Integer strokeCap) { return SetStrokeCaps(strokeCap, strokeCap); }
Status TGPCustomLineCap::SetStrokeCaps(Integer startCap, Integer endCap)
{
    return SetStatus(GdipCall(eGdipSetCustomLineCapStrokeCaps, nativeCap, startCap, endCap));
}
Status TGPCustomLineCap::GetStrokeCaps(Integer& startCap, Integer& endCap)
{
    startCap = 0;
    endCap = 0;
    return SetStatus(GdipCall(eGdipGetCustomLineCapStrokeCaps, nativeCap, &startCap, &endCap));
}
Status TGPCustomLineCap::SetStrokeJoin(LineJoin lineJoin)
{
    return SetStatus(GdipCall(eGdipSetCustomLineCapStrokeJoin, nativeCap, lineJoin));
}
LineJoin TGPCustomLineCap::GetStrokeJoin()
{
    LineJoin join = LineJoinMiter;
    SetStatus(GdipCall(eGdipGetCustomLineCapStrokeJoin, nativeCap, &join));
    return join;
}
Status TGPCustomLineCap::SetBaseCap(Integer baseCap) { return SetStatus(GdipCall(eGdipSetCustomLineCapBaseCap, nativeCap, baseCap)); }
Integer TGPCustomLineCap::GetBaseCap()
{
    Integer cap = 0;
    SetStatus(GdipCall(eGdipGetCustomLineCapBaseCap, nativeCap, &cap));
    return cap;
}
Status TGPCustomLineCap::SetBaseInset(Single inset) { return SetStatus(GdipCall(eGdipSetCustomLineCapBaseInset, nativeCap, inset)); }
Single TGPCustomLineCap::GetBaseInset()
{
    Single inset = 0;
    SetStatus(GdipCall(eGdipGetCustomLineCapBaseInset, nativeCap, &inset));
    return inset;
}
Status TGPCustomLineCap::SetWidthScale(Single widthScale)
{
    return SetStatus(GdipCall(eGdipSetCustomLineCapWidthScale, nativeCap, widthScale));
}
Single TGPCustomLineCap::GetWidthScale()
{
    Single scale = 0;
    SetStatus(GdipCall(eGdipGetCustomLineCapWidthScale, nativeCap, &scale));
    return scale;
}

// ---- Pens

TGPPen::TGPPen(ARGB color, Single width) { lastResult = GdipCall(eGdipCreatePen1, color, width, UnitWorld, &nativePen); }
TGPPen::TGPPen(TGPBrush* brush, Single width)
{
    lastResult = GdipCall(eGdipCreatePen2, brush ? brush->nativeBrush : nullptr, width, UnitWorld, &nativePen);
}
TGPPen::TGPPen(void* ANativePen, Status status) : nativePen(ANativePen), lastResult(status) {}
TGPPen::~TGPPen() { GdipCall(eGdipDeletePen, nativePen); }

std::unique_ptr<TGPPen> TGPPen::Clone()
{
    void* copy = nullptr;
    lastResult = GdipCall(eGdipClonePen, nativePen, &copy);
    return std::make_unique<TGPPen>(copy, lastResult);
}
Status TGPPen::SetWidth(Single width) { return SetStatus(GdipCall(eGdipSetPenWidth, nativePen, width)); }
Single TGPPen::GetWidth()
{
    Single width = 0;
    SetStatus(GdipCall(eGdipGetPenWidth, nativePen, &width));
    return width;
}
Status TGPPen::SetLineCap(Integer startCap, Integer endCap, Integer dashCap)
{
    return SetStatus(GdipCall(eGdipSetPenLineCap197819, nativePen, startCap, endCap, dashCap));
}
Status TGPPen::SetStartCap(Integer startCap) { return SetStatus(GdipCall(eGdipSetPenStartCap, nativePen, startCap)); }
Status TGPPen::SetEndCap(Integer endCap) { return SetStatus(GdipCall(eGdipSetPenEndCap, nativePen, endCap)); }
Status TGPPen::SetDashCap(Integer dashCap) { return SetStatus(GdipCall(eGdipSetPenDashCap197819, nativePen, dashCap)); }
Integer TGPPen::GetStartCap()
{
    Integer cap = 0;
    SetStatus(GdipCall(eGdipGetPenStartCap, nativePen, &cap));
    return cap;
}
Integer TGPPen::GetEndCap()
{
    Integer cap = 0;
    SetStatus(GdipCall(eGdipGetPenEndCap, nativePen, &cap));
    return cap;
}
Integer TGPPen::GetDashCap()
{
    Integer cap = 0;
    SetStatus(GdipCall(eGdipGetPenDashCap197819, nativePen, &cap));
    return cap;
}
Status TGPPen::SetLineJoin(LineJoin lineJoin) { return SetStatus(GdipCall(eGdipSetPenLineJoin, nativePen, lineJoin)); }
LineJoin TGPPen::GetLineJoin()
{
    LineJoin join = LineJoinMiter;
    SetStatus(GdipCall(eGdipGetPenLineJoin, nativePen, &join));
    return join;
}
Status TGPPen::SetCustomStartCap(TGPCustomLineCap* customCap)
{
    return SetStatus(GdipCall(eGdipSetPenCustomStartCap, nativePen, customCap ? customCap->nativeCap : nullptr));
}
Status TGPPen::SetCustomEndCap(TGPCustomLineCap* customCap)
{
    return SetStatus(GdipCall(eGdipSetPenCustomEndCap, nativePen, customCap ? customCap->nativeCap : nullptr));
}
Status TGPPen::GetCustomStartCap(TGPCustomLineCap* customCap)
{
    if (!customCap) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipGetPenCustomStartCap, nativePen, &customCap->nativeCap));
}
Status TGPPen::GetCustomEndCap(TGPCustomLineCap* customCap)
{
    if (!customCap) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipGetPenCustomEndCap, nativePen, &customCap->nativeCap));
}
Status TGPPen::SetMiterLimit(Single miterLimit) { return SetStatus(GdipCall(eGdipSetPenMiterLimit, nativePen, miterLimit)); }
Single TGPPen::GetMiterLimit()
{
    Single limit = 0;
    SetStatus(GdipCall(eGdipGetPenMiterLimit, nativePen, &limit));
    return limit;
}
Status TGPPen::SetAlignment(PenAlignment penAlignment) { return SetStatus(GdipCall(eGdipSetPenMode, nativePen, penAlignment)); }
PenAlignment TGPPen::GetAlignment()
{
    PenAlignment alignment = PenAlignmentCenter;
    SetStatus(GdipCall(eGdipGetPenMode, nativePen, &alignment));
    return alignment;
}
Status TGPPen::SetTransform(TGPMatrix* matrix) { return SetStatus(GdipCall(eGdipSetPenTransform, nativePen, NativeOf(matrix))); }
Status TGPPen::GetTransform(TGPMatrix* matrix) { return SetStatus(GdipCall(eGdipGetPenTransform, nativePen, NativeOf(matrix))); }
Status TGPPen::ResetTransform() { return SetStatus(GdipCall(eGdipResetPenTransform, nativePen)); }
Status TGPPen::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipMultiplyPenTransform, nativePen, NativeOf(matrix), order));
}
Status TGPPen::TranslateTransform(Single dx, Single dy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipTranslatePenTransform, nativePen, dx, dy, order));
}
Status TGPPen::ScaleTransform(Single sx, Single sy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipScalePenTransform, nativePen, sx, sy, order));
}
Status TGPPen::RotateTransform(Single angle, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipRotatePenTransform, nativePen, angle, order));
}
Integer TGPPen::GetPenType()
{
    Integer type = -1;
    SetStatus(GdipCall(eGdipGetPenFillType, nativePen, &type));
    return type;
}
Status TGPPen::SetColor(ARGB color) { return SetStatus(GdipCall(eGdipSetPenColor, nativePen, color)); }
Status TGPPen::SetBrush(TGPBrush* brush)
{
    return SetStatus(GdipCall(eGdipSetPenBrushFill, nativePen, brush ? brush->nativeBrush : nullptr));
}

// Only a pen of a solid colour has one: any other answers WrongState, which it does not keep.
Status TGPPen::GetColor(ARGB& color)
{
    if (GetPenType() != 0) return WrongState;
    ARGB argb = 0;
    SetStatus(GdipCall(eGdipGetPenColor, nativePen, &argb));
    if (lastResult == Ok) color = argb;
    return lastResult;
}

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
    if (SetStatus(GdipCall(eGdipGetPenBrushFill, nativePen, &handle)) != Ok) handle = nullptr;
    brush->nativeBrush = handle;
    return brush;
}
DashStyle TGPPen::GetDashStyle()
{
    DashStyle style = DashStyleSolid;
    SetStatus(GdipCall(eGdipGetPenDashStyle, nativePen, &style));
    return style;
}
Status TGPPen::SetDashStyle(DashStyle dashStyle) { return SetStatus(GdipCall(eGdipSetPenDashStyle, nativePen, dashStyle)); }
Single TGPPen::GetDashOffset()
{
    Single offset = 0;
    SetStatus(GdipCall(eGdipGetPenDashOffset, nativePen, &offset));
    return offset;
}
Status TGPPen::SetDashOffset(Single dashOffset) { return SetStatus(GdipCall(eGdipSetPenDashOffset, nativePen, dashOffset)); }
Status TGPPen::SetDashPattern(const Single* dashArray, Integer count)
{
    return SetStatus(GdipCall(eGdipSetPenDashArray, nativePen, dashArray, count));
}
Integer TGPPen::GetDashPatternCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetPenDashCount, nativePen, &count));
    return count;
}
Status TGPPen::GetDashPattern(Single* dashArray, Integer count)
{
    return SetStatus(GdipCall(eGdipGetPenDashArray, nativePen, dashArray, count));
}
Status TGPPen::SetCompoundArray(const Single* compoundArray, Integer count)
{
    return SetStatus(GdipCall(eGdipSetPenCompoundArray, nativePen, compoundArray, count));
}
Integer TGPPen::GetCompoundArrayCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetPenCompoundCount, nativePen, &count));
    return count;
}
Status TGPPen::GetCompoundArray(Single* compoundArray, Integer count)
{
    if (count <= 0) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipGetPenCompoundArray, nativePen, compoundArray, count));
}

// ---- Brushes: Integer geometry, image attributes, transforms, paths and blends

namespace {
void* NativeOf(TGPImage* image) { return image ? image->Native() : nullptr; }
}  // namespace

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Single dstX, Single dstY, Single dstWidth,
                                 Single dstHeight)
    : TGPTextureBrush(image, wrapMode, TGPRectF{dstX, dstY, dstWidth, dstHeight})
{
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, Integer dstX, Integer dstY, Integer dstWidth,
                                 Integer dstHeight)
{
    lastResult = GdipCall(eGdipCreateTexture2I, NativeOf(image), wrapMode, dstX, dstY, dstWidth, dstHeight,
                          &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, TGPImageAttributes* imageAttributes)
{
    lastResult = GdipCall(eGdipCreateTextureIA, NativeOf(image), imageAttributes ? imageAttributes->Native() : nullptr,
                          dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height, &nativeBrush);
}
TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, TGPImageAttributes* imageAttributes)
{
    lastResult = GdipCall(eGdipCreateTextureIAI, NativeOf(image), imageAttributes ? imageAttributes->Native() : nullptr,
                          dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height, &nativeBrush);
}
Status TGPTextureBrush::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipMultiplyTextureTransform, nativeBrush, NativeOf(matrix), order));
}
Status TGPTextureBrush::ScaleTransform(Single sx, Single sy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipScaleTextureTransform, nativeBrush, sx, sy, order));
}
Status TGPTextureBrush::RotateTransform(Single angle, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipRotateTextureTransform, nativeBrush, angle, order));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, Single angle,
                                               bool isAngleScalable)
{
    lastResult = GdipCall(eGdipCreateLineBrushFromRectWithAngleI, &rect, color1, color2, angle,
                          static_cast<int>(isAngleScalable), WrapModeTile, &nativeBrush);
}
Status TGPLinearGradientBrush::GetRectangle(TGPRect& rect) { return SetStatus(GdipCall(eGdipGetLineRectI, nativeBrush, &rect)); }

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint& point)
{
    return SetStatus(GdipCall(eGdipGetPathGradientCenterPointI, nativeBrush, &point));
}
Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point)
{
    return SetStatus(GdipCall(eGdipSetPathGradientCenterPointI, nativeBrush, &point));
}
Status TGPPathGradientBrush::GetRectangle(TGPRect& rect)
{
    return SetStatus(GdipCall(eGdipGetPathGradientRectI, nativeBrush, &rect));
}
Status TGPPathGradientBrush::GetGraphicsPath(TGPGraphicsPath* path)
{
    if (!path) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipGetPathGradientPath, nativeBrush, path->Native()));
}
Status TGPPathGradientBrush::SetGraphicsPath(TGPGraphicsPath* path)
{
    if (!path) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipSetPathGradientPath, nativeBrush, path->Native()));
}
Status TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipCall(eGdipSetPathGradientGammaCorrection, nativeBrush, static_cast<int>(useGammaCorrection)));
}
bool TGPPathGradientBrush::GetGammaCorrection()
{
    int result = 0;
    SetStatus(GdipCall(eGdipGetPathGradientGammaCorrection, nativeBrush, &result));
    return result != 0;
}
Integer TGPPathGradientBrush::GetBlendCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetPathGradientBlendCount, nativeBrush, &count));
    return count;
}
Status TGPPathGradientBrush::GetBlend(Single* blendFactors, Single* blendPositions, Integer count)
{
    return SetStatus(GdipCall(eGdipGetPathGradientBlend, nativeBrush, blendFactors, blendPositions, count));
}
Status TGPPathGradientBrush::SetBlend(const Single* blendFactors, const Single* blendPositions, Integer count)
{
    return SetStatus(GdipCall(eGdipSetPathGradientBlend, nativeBrush, blendFactors, blendPositions, count));
}
Status TGPPathGradientBrush::TranslateTransform(Single dx, Single dy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipTranslatePathGradientTransform, nativeBrush, dx, dy, order));
}
Status TGPPathGradientBrush::ScaleTransform(Single sx, Single sy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipScalePathGradientTransform, nativeBrush, sx, sy, order));
}
Status TGPPathGradientBrush::RotateTransform(Single angle, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipRotatePathGradientTransform, nativeBrush, angle, order));
}
