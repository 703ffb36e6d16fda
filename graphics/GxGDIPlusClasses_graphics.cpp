// The run-time-bound GDI+ wrapper: the drawing surface.
#include "graphics/GxGDIPlusClasses.h"

#include <vector>

namespace {
void* NativeOf(TGPPen* pen) { return pen ? pen->Native() : nullptr; }
void* NativeOf(TGPBrush* brush) { return brush ? brush->Native() : nullptr; }
void* NativeOf(TGPMatrix* matrix) { return matrix ? matrix->Native() : nullptr; }
void* NativeOf(TGPFont* font) { return font ? font->Native() : nullptr; }
void* NativeOf(TGPStringFormat* format) { return format ? format->Native() : nullptr; }
void* NativeOf(TGPImage* image) { return image ? image->Native() : nullptr; }
}  // namespace


TGPGraphics::TGPGraphics(HDC hdc, Integer, Integer) { lastResult = GdipCall(eGdipCreateFromHDC, hdc, &nativeGraphics); }
TGPGraphics::TGPGraphics(HDC hdc, void* hdevice)
{
    lastResult = GdipCall(eGdipCreateFromHDC2, hdc, hdevice, &nativeGraphics);
}
TGPGraphics::TGPGraphics(void* hwnd, bool icm)
{
    lastResult = GdipCall(icm ? eGdipCreateFromHWNDICM : eGdipCreateFromHWND, hwnd, &nativeGraphics);
}
TGPGraphics::TGPGraphics(TGPImage* image)
{
    if (image) lastResult = GdipCall(eGdipGetImageGraphicsContext, image->Native(), &nativeGraphics);
}
std::unique_ptr<TGPGraphics> TGPGraphics::FromHDC(HDC hdc) { return std::make_unique<TGPGraphics>(hdc, 0, 0); }
std::unique_ptr<TGPGraphics> TGPGraphics::FromHDC(HDC hdc, void* hdevice)
{
    return std::make_unique<TGPGraphics>(hdc, hdevice);
}
std::unique_ptr<TGPGraphics> TGPGraphics::FromHWND(void* hwnd, bool icm) { return std::make_unique<TGPGraphics>(hwnd, icm); }
std::unique_ptr<TGPGraphics> TGPGraphics::FromImage(TGPImage* image) { return std::make_unique<TGPGraphics>(image); }
TGPGraphics::~TGPGraphics() { GdipCall(eGdipDeleteGraphics, nativeGraphics); }

void TGPGraphics::Flush(FlushIntention intention) { GdipCall(eGdipFlush, nativeGraphics, intention); }
HDC TGPGraphics::GetHDC()
{
    HDC hdc = nullptr;
    SetStatus(GdipCall(eGdipGetDC, nativeGraphics, &hdc));
    return hdc;
}
void TGPGraphics::ReleaseHDC(HDC hdc) { SetStatus(GdipCall(eGdipReleaseDC, nativeGraphics, hdc)); }

Status TGPGraphics::SetRenderingOrigin(Integer x, Integer y)
{
    return SetStatus(GdipCall(eGdipSetRenderingOrigin, nativeGraphics, x, y));
}
Status TGPGraphics::GetRenderingOrigin(Integer& x, Integer& y)
{
    return SetStatus(GdipCall(eGdipGetRenderingOrigin, nativeGraphics, &x, &y));
}
Status TGPGraphics::SetTextContrast(Cardinal contrast)
{
    return SetStatus(GdipCall(eGdipSetTextContrast, nativeGraphics, contrast));
}
Cardinal TGPGraphics::GetTextContrast()
{
    Cardinal contrast = 0;
    SetStatus(GdipCall(eGdipGetTextContrast, nativeGraphics, &contrast));
    return contrast;
}
Unit_ TGPGraphics::GetPageUnit()
{
    Unit_ unit = UnitWorld;
    SetStatus(GdipCall(eGdipGetPageUnit, nativeGraphics, &unit));
    return unit;
}
Single TGPGraphics::GetPageScale()
{
    Single scale = 0;
    SetStatus(GdipCall(eGdipGetPageScale, nativeGraphics, &scale));
    return scale;
}
Status TGPGraphics::TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPointF* pts, Integer count)
{
    return SetStatus(GdipCall(eGdipTransformPoints, nativeGraphics, destSpace, srcSpace, pts, count));
}
Status TGPGraphics::GetNearestColor(ARGB& color) { return SetStatus(GdipCall(eGdipGetNearestColor, nativeGraphics, &color)); }
Status TGPGraphics::SetCompositingMode(CompositingMode compositingMode)
{
    return SetStatus(GdipCall(eGdipSetCompositingMode, nativeGraphics, compositingMode));
}
CompositingMode TGPGraphics::GetCompositingMode()
{
    CompositingMode mode = CompositingModeSourceOver;
    SetStatus(GdipCall(eGdipGetCompositingMode, nativeGraphics, &mode));
    return mode;
}
Status TGPGraphics::SetCompositingQuality(Integer compositingQuality)
{
    return SetStatus(GdipCall(eGdipSetCompositingQuality, nativeGraphics, compositingQuality));
}
Integer TGPGraphics::GetCompositingQuality()
{
    Integer quality = 0;
    SetStatus(GdipCall(eGdipGetCompositingQuality, nativeGraphics, &quality));
    return quality;
}
Status TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipCall(eGdipSetTextRenderingHint, nativeGraphics, newMode));
}
TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    TextRenderingHint hint = TextRenderingHintSystemDefault;
    SetStatus(GdipCall(eGdipGetTextRenderingHint, nativeGraphics, &hint));
    return hint;
}
Status TGPGraphics::SetInterpolationMode(Integer interpolationMode)
{
    return SetStatus(GdipCall(eGdipSetInterpolationMode, nativeGraphics, interpolationMode));
}
Integer TGPGraphics::GetInterpolationMode()
{
    Integer mode = -1;
    SetStatus(GdipCall(eGdipGetInterpolationMode, nativeGraphics, &mode));
    return mode;
}
Status TGPGraphics::SetSmoothingMode(Integer smoothingMode)
{
    return SetStatus(GdipCall(eGdipSetSmoothingMode, nativeGraphics, smoothingMode));
}
Integer TGPGraphics::GetSmoothingMode()
{
    Integer mode = -1;
    SetStatus(GdipCall(eGdipGetSmoothingMode, nativeGraphics, &mode));
    return mode;
}
Status TGPGraphics::SetPixelOffsetMode(Integer pixelOffsetMode)
{
    return SetStatus(GdipCall(eGdipSetPixelOffsetMode, nativeGraphics, pixelOffsetMode));
}
Integer TGPGraphics::GetPixelOffsetMode()
{
    Integer mode = -1;
    SetStatus(GdipCall(eGdipGetPixelOffsetMode, nativeGraphics, &mode));
    return mode;
}

Status TGPGraphics::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipSetWorldTransform, nativeGraphics, NativeOf(matrix)));
}
Status TGPGraphics::ResetTransform() { return SetStatus(GdipCall(eGdipResetWorldTransform, nativeGraphics)); }
Status TGPGraphics::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipMultiplyWorldTransform, nativeGraphics, NativeOf(matrix), order));
}
Status TGPGraphics::TranslateTransform(Single dx, Single dy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipTranslateWorldTransform, nativeGraphics, dx, dy, order));
}
Status TGPGraphics::ScaleTransform(Single sx, Single sy, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipScaleWorldTransform, nativeGraphics, sx, sy, order));
}
Status TGPGraphics::RotateTransform(Single angle, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipRotateWorldTransform, nativeGraphics, angle, order));
}
Status TGPGraphics::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipGetWorldTransform, nativeGraphics, NativeOf(matrix)));
}
Status TGPGraphics::SetPageUnit(Unit_ unit) { return SetStatus(GdipCall(eGdipSetPageUnit, nativeGraphics, unit)); }
Status TGPGraphics::SetPageScale(Single scale) { return SetStatus(GdipCall(eGdipSetPageScale, nativeGraphics, scale)); }
Single TGPGraphics::GetDpiX()
{
    Single dpi = 0;
    SetStatus(GdipCall(eGdipGetDpiX, nativeGraphics, &dpi));
    return dpi;
}
Single TGPGraphics::GetDpiY()
{
    Single dpi = 0;
    SetStatus(GdipCall(eGdipGetDpiY, nativeGraphics, &dpi));
    return dpi;
}

Status TGPGraphics::DrawLine(TGPPen* pen, Single x1, Single y1, Single x2, Single y2)
{
    return SetStatus(GdipCall(eGdipDrawLine, nativeGraphics, NativeOf(pen), x1, y1, x2, y2));
}
Status TGPGraphics::DrawLine(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2)
{
    return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y);
}
Status TGPGraphics::DrawLines(TGPPen* pen, const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawLines, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawArc(TGPPen* pen, Single x, Single y, Single width, Single height, Single startAngle,
                            Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipDrawArc, nativeGraphics, NativeOf(pen), x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphics::DrawBezier(TGPPen* pen, Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4,
                               Single y4)
{
    return SetStatus(GdipCall(eGdipDrawBezier, nativeGraphics, NativeOf(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}
Status TGPGraphics::DrawRectangle(TGPPen* pen, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipCall(eGdipDrawRectangle, nativeGraphics, NativeOf(pen), x, y, width, height));
}
Status TGPGraphics::DrawRectangle(TGPPen* pen, const TGPRectF& rect)
{
    return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::DrawEllipse(TGPPen* pen, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipCall(eGdipDrawEllipse, nativeGraphics, NativeOf(pen), x, y, width, height));
}
Status TGPGraphics::DrawPie(TGPPen* pen, Single x, Single y, Single width, Single height, Single startAngle,
                            Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipDrawPie, nativeGraphics, NativeOf(pen), x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphics::DrawPolygon(TGPPen* pen, const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawPolygon, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawPath(TGPPen* pen, TGPGraphicsPath* path)
{
    return SetStatus(GdipCall(eGdipDrawPath, nativeGraphics, NativeOf(pen), path ? path->Native() : nullptr));
}
Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawCurve, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPointF* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipDrawCurve2, nativeGraphics, NativeOf(pen), points, count, tension));
}
Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawClosedCurve, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawBeziers(TGPPen* pen, const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawBeziers, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawRectangles(TGPPen* pen, const TGPRectF* rects, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawRectangles, nativeGraphics, NativeOf(pen), rects, count));
}
Status TGPGraphics::FillRectangles(TGPBrush* brush, const TGPRectF* rects, Integer count)
{
    return SetStatus(GdipCall(eGdipFillRectangles, nativeGraphics, NativeOf(brush), rects, count));
}
Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipFillClosedCurve, nativeGraphics, NativeOf(brush), points, count));
}
// GDI+ takes the tension before the fill mode.
Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPointF* points, Integer count, FillMode fillMode,
                                    Single tension)
{
    return SetStatus(GdipCall(eGdipFillClosedCurve2, nativeGraphics, NativeOf(brush), points, count, tension, fillMode));
}
Status TGPGraphics::Clear(ARGB color) { return SetStatus(GdipCall(eGdipGraphicsClear, nativeGraphics, color)); }
Status TGPGraphics::FillRectangle(TGPBrush* brush, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipCall(eGdipFillRectangle, nativeGraphics, NativeOf(brush), x, y, width, height));
}
Status TGPGraphics::FillRectangle(TGPBrush* brush, const TGPRectF& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPointF* points, Integer count, FillMode fillMode)
{
    return SetStatus(GdipCall(eGdipFillPolygon, nativeGraphics, NativeOf(brush), points, count, fillMode));
}
Status TGPGraphics::FillEllipse(TGPBrush* brush, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipCall(eGdipFillEllipse, nativeGraphics, NativeOf(brush), x, y, width, height));
}
Status TGPGraphics::FillPie(TGPBrush* brush, Single x, Single y, Single width, Single height, Single startAngle,
                            Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipFillPie, nativeGraphics, NativeOf(brush), x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphics::FillPath(TGPBrush* brush, TGPGraphicsPath* path)
{
    return SetStatus(GdipCall(eGdipFillPath, nativeGraphics, NativeOf(brush), path ? path->Native() : nullptr));
}
Status TGPGraphics::FillRegion(TGPBrush* brush, TGPRegion* region)
{
    return SetStatus(GdipCall(eGdipFillRegion, nativeGraphics, NativeOf(brush), region ? region->Native() : nullptr));
}

Status TGPGraphics::DrawString(const String& string_, TGPFont* font, const TGPRectF& layoutRect,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    Integer length = string_.Length();
    std::vector<char16_t> copy(static_cast<size_t>(length) + 1, u'\0');
    std::copy(string_.c_str(), string_.c_str() + length, copy.begin());
    return SetStatus(GdipCall(eGdipDrawString, nativeGraphics, static_cast<const char16_t*>(copy.data()), length,
                              NativeOf(font), &layoutRect, NativeOf(stringFormat), NativeOf(brush)));
}
Status TGPGraphics::DrawString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    return SetStatus(GdipCall(eGdipDrawString, nativeGraphics, string_.c_str(), length, NativeOf(font), &layoutRect,
                              NativeOf(stringFormat), NativeOf(brush)));
}
Status TGPGraphics::DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    return DrawString(string_, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, stringFormat, brush);
}
Status TGPGraphics::DrawString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                               TGPBrush* brush)
{
    return DrawString(string_, length, font, origin, nullptr, brush);
}
Status TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPStringFormat* stringFormat, TGPRectF& boundingBox, Integer* codepointsFitted,
                                  Integer* linesFilled)
{
    return SetStatus(GdipCall(eGdipMeasureString, nativeGraphics, string_.c_str(), length, NativeOf(font), &layoutRect,
                              NativeOf(stringFormat), &boundingBox, codepointsFitted, linesFilled));
}
Status TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPSizeF& layoutRectSize,
                                  TGPStringFormat* stringFormat, TGPSizeF& size, Integer* codepointsFitted,
                                  Integer* linesFilled)
{
    TGPRectF layout{0, 0, layoutRectSize.Width, layoutRectSize.Height};
    TGPRectF box;
    Status status = SetStatus(GdipCall(eGdipMeasureString, nativeGraphics, string_.c_str(), length, NativeOf(font),
                                       &layout, NativeOf(stringFormat), &box, codepointsFitted, linesFilled));
    if (status == Ok) size = {box.Width, box.Height};
    return status;
}
Status TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                                  TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    return MeasureString(string_, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, stringFormat, boundingBox);
}
Status TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPRectF& boundingBox)
{
    return MeasureString(string_, length, font, layoutRect, nullptr, boundingBox);
}
Status TGPGraphics::MeasureString(const String& string_, Integer length, TGPFont* font, const TGPPointF& origin,
                                  TGPRectF& boundingBox)
{
    return MeasureString(string_, length, font, origin, nullptr, boundingBox);
}

Status TGPGraphics::DrawImage(TGPImage* image, Single x, Single y)
{
    return SetStatus(GdipCall(eGdipDrawImage, nativeGraphics, NativeOf(image), x, y));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::DrawImage(TGPImage* image, Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipCall(eGdipDrawImageRect, nativeGraphics, NativeOf(image), x, y, width, height));
}
// Three points give a parallelogram, four GDI+'s own choice; anything else is refused.
Status TGPGraphics::DrawImage(TGPImage* image, const TGPPointF* destPoints, Integer count)
{
    if ((count != 3 && count != 4) || !destPoints) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipDrawImagePoints, nativeGraphics, NativeOf(image), destPoints, count));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& destRect, Single srcx, Single srcy, Single srcwidth,
                              Single srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes,
                              ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(eGdipDrawImageRectRect, nativeGraphics, NativeOf(image), destRect.X, destRect.Y,
                              destRect.Width, destRect.Height, srcx, srcy, srcwidth, srcheight, srcUnit,
                              imageAttributes ? imageAttributes->Native() : nullptr, callback, callbackData));
}
Status TGPGraphics::DrawCachedBitmap(TGPCachedBitmap* cb, Integer x, Integer y)
{
    return SetStatus(GdipCall(eGdipDrawCachedBitmap, nativeGraphics, cb ? cb->Native() : nullptr, x, y));
}

// A count below one is refused without keeping it.
Status TGPGraphics::MeasureCharacterRanges(const String& string_, Integer length, TGPFont* font,
                                           const TGPRectF& layoutRect, TGPStringFormat* stringFormat,
                                           Integer regionCount, TGPRegion* const* regions)
{
    if (regionCount < 1) return InvalidParameter;
    std::vector<void*> handles;
    for (Integer i = 0; i < regionCount; ++i) handles.push_back(regions[i] ? regions[i]->Native() : nullptr);
    return SetStatus(GdipCall(eGdipMeasureCharacterRanges, nativeGraphics, string_.c_str(), length, NativeOf(font),
                              &layoutRect, NativeOf(stringFormat), regionCount, handles.data()));
}
Status TGPGraphics::DrawDriverString(const std::uint16_t* text, Integer length, TGPFont* font, TGPBrush* brush,
                                     const TGPPointF* positions, Integer flags, TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipDrawDriverString, nativeGraphics, text, length, NativeOf(font), NativeOf(brush),
                              positions, flags, NativeOf(matrix)));
}
Status TGPGraphics::MeasureDriverString(const std::uint16_t* text, Integer length, TGPFont* font,
                                        const TGPPointF* positions, Integer flags, TGPMatrix* matrix,
                                        TGPRectF& boundingBox)
{
    return SetStatus(GdipCall(eGdipMeasureDriverString, nativeGraphics, text, length, NativeOf(font), positions, flags,
                              NativeOf(matrix), &boundingBox));
}

Status TGPGraphics::SetClip(TGPGraphics* g, CombineMode combineMode)
{
    return SetStatus(GdipCall(eGdipSetClipGraphics, nativeGraphics, g ? g->nativeGraphics : nullptr, combineMode));
}
Status TGPGraphics::SetClip(const TGPRectF& rect, CombineMode combineMode)
{
    return SetStatus(GdipCall(eGdipSetClipRect, nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, combineMode));
}
Status TGPGraphics::SetClip(TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GdipCall(eGdipSetClipPath, nativeGraphics, path ? path->Native() : nullptr, combineMode));
}
Status TGPGraphics::SetClip(TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GdipCall(eGdipSetClipRegion, nativeGraphics, region ? region->Native() : nullptr, combineMode));
}
Status TGPGraphics::IntersectClip(const TGPRectF& rect) { return SetClip(rect, CombineModeIntersect); }
Status TGPGraphics::ExcludeClip(const TGPRectF& rect) { return SetClip(rect, CombineModeExclude); }
Status TGPGraphics::ResetClip() { return SetStatus(GdipCall(eGdipResetClip, nativeGraphics)); }
Status TGPGraphics::TranslateClip(Single dx, Single dy)
{
    return SetStatus(GdipCall(eGdipTranslateClip, nativeGraphics, dx, dy));
}
Status TGPGraphics::GetClip(TGPRegion* region)
{
    return SetStatus(GdipCall(eGdipGetClip, nativeGraphics, region ? region->Native() : nullptr));
}
Status TGPGraphics::GetClipBounds(TGPRectF& rect) { return SetStatus(GdipCall(eGdipGetClipBounds, nativeGraphics, &rect)); }
Status TGPGraphics::GetVisibleClipBounds(TGPRectF& rect)
{
    return SetStatus(GdipCall(eGdipGetVisibleClipBounds, nativeGraphics, &rect));
}
bool TGPGraphics::IsVisibleClipEmpty()
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisibleClipEmpty, nativeGraphics, &result));
    return result != 0;
}
Status TGPGraphics::IntersectClip(TGPRegion* region) { return SetClip(region, CombineModeIntersect); }
Status TGPGraphics::ExcludeClip(TGPRegion* region) { return SetClip(region, CombineModeExclude); }
bool TGPGraphics::IsClipEmpty()
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsClipEmpty, nativeGraphics, &result));
    return result != 0;
}
bool TGPGraphics::IsVisible(Single x, Single y)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisiblePoint, nativeGraphics, x, y, &result));
    return result != 0;
}
bool TGPGraphics::IsVisible(Single x, Single y, Single width, Single height)
{
    int result = -1;
    SetStatus(GdipCall(eGdipIsVisibleRect, nativeGraphics, x, y, width, height, &result));
    return result != 0;
}
Cardinal TGPGraphics::Save()
{
    Cardinal state = 0;
    if (SetStatus(GdipCall(eGdipSaveGraphics, nativeGraphics, &state)) != Ok) return 0;
    return state;
}
Status TGPGraphics::Restore(Cardinal gstate) { return SetStatus(GdipCall(eGdipRestoreGraphics, nativeGraphics, gstate)); }
Cardinal TGPGraphics::BeginContainer(const TGPRectF& dstrect, const TGPRectF& srcrect, Unit_ unit)
{
    Cardinal state = 0;
    SetStatus(GdipCall(eGdipBeginContainer, nativeGraphics, &dstrect, &srcrect, unit, &state));
    return state;
}
Cardinal TGPGraphics::BeginContainer()
{
    Cardinal state = 0;
    SetStatus(GdipCall(eGdipBeginContainer2, nativeGraphics, &state));
    return state;
}
Status TGPGraphics::EndContainer(Cardinal state) { return SetStatus(GdipCall(eGdipEndContainer, nativeGraphics, state)); }
Status TGPGraphics::AddMetafileComment(const std::uint8_t* data, Cardinal sizeData)
{
    return SetStatus(GdipCall(eGdipComment, nativeGraphics, sizeData, data));
}

// ---- Integer geometry and the record forms

Status TGPGraphics::TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPoint* pts, Integer count)
{
    return SetStatus(GdipCall(eGdipTransformPointsI, nativeGraphics, destSpace, srcSpace, pts, count));
}
Status TGPGraphics::DrawLine(TGPPen* pen, Integer x1, Integer y1, Integer x2, Integer y2)
{
    return SetStatus(GdipCall(eGdipDrawLineI, nativeGraphics, NativeOf(pen), x1, y1, x2, y2));
}
Status TGPGraphics::DrawLine(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2)
{
    return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y);
}
Status TGPGraphics::DrawLines(TGPPen* pen, const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawLinesI, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawArc(TGPPen* pen, Integer x, Integer y, Integer width, Integer height, Single startAngle,
                            Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipDrawArcI, nativeGraphics, NativeOf(pen), x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphics::DrawArc(TGPPen* pen, const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphics::DrawArc(TGPPen* pen, const TGPRect& rect, Single startAngle, Single sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphics::DrawBezier(TGPPen* pen, Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3,
                               Integer x4, Integer y4)
{
    return SetStatus(GdipCall(eGdipDrawBezierI, nativeGraphics, NativeOf(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}
Status TGPGraphics::DrawBezier(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                               const TGPPointF& pt4)
{
    return DrawBezier(pen, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}
Status TGPGraphics::DrawBezier(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3,
                               const TGPPoint& pt4)
{
    return DrawBezier(pen, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}
Status TGPGraphics::DrawBeziers(TGPPen* pen, const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawBeziersI, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawRectangle(TGPPen* pen, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipCall(eGdipDrawRectangleI, nativeGraphics, NativeOf(pen), x, y, width, height));
}
Status TGPGraphics::DrawRectangle(TGPPen* pen, const TGPRect& rect)
{
    return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::DrawRectangles(TGPPen* pen, const TGPRect* rects, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawRectanglesI, nativeGraphics, NativeOf(pen), rects, count));
}
Status TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRectF& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::DrawEllipse(TGPPen* pen, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipCall(eGdipDrawEllipseI, nativeGraphics, NativeOf(pen), x, y, width, height));
}
Status TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRect& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::DrawPie(TGPPen* pen, const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return DrawPie(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphics::DrawPie(TGPPen* pen, Integer x, Integer y, Integer width, Integer height, Single startAngle,
                            Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipDrawPieI, nativeGraphics, NativeOf(pen), x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphics::DrawPie(TGPPen* pen, const TGPRect& rect, Single startAngle, Single sweepAngle)
{
    return DrawPie(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphics::DrawPolygon(TGPPen* pen, const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawPolygonI, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawCurveI, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPoint* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipDrawCurve2I, nativeGraphics, NativeOf(pen), points, count, tension));
}
Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPointF* points, Integer count, Integer offset,
                              Integer numberOfSegments, Single tension)
{
    return SetStatus(
        GdipCall(eGdipDrawCurve3, nativeGraphics, NativeOf(pen), points, count, offset, numberOfSegments, tension));
}
Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPoint* points, Integer count, Integer offset,
                              Integer numberOfSegments, Single tension)
{
    return SetStatus(
        GdipCall(eGdipDrawCurve3I, nativeGraphics, NativeOf(pen), points, count, offset, numberOfSegments, tension));
}
Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipDrawClosedCurveI, nativeGraphics, NativeOf(pen), points, count));
}
Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPointF* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipDrawClosedCurve2, nativeGraphics, NativeOf(pen), points, count, tension));
}
Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPoint* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipDrawClosedCurve2I, nativeGraphics, NativeOf(pen), points, count, tension));
}
Status TGPGraphics::FillRectangle(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipCall(eGdipFillRectangleI, nativeGraphics, NativeOf(brush), x, y, width, height));
}
Status TGPGraphics::FillRectangle(TGPBrush* brush, const TGPRect& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::FillRectangles(TGPBrush* brush, const TGPRect* rects, Integer count)
{
    return SetStatus(GdipCall(eGdipFillRectanglesI, nativeGraphics, NativeOf(brush), rects, count));
}
Status TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPoint* points, Integer count, FillMode fillMode)
{
    return SetStatus(GdipCall(eGdipFillPolygonI, nativeGraphics, NativeOf(brush), points, count, fillMode));
}
Status TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRectF& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::FillEllipse(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipCall(eGdipFillEllipseI, nativeGraphics, NativeOf(brush), x, y, width, height));
}
Status TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRect& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::FillPie(TGPBrush* brush, const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return FillPie(brush, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphics::FillPie(TGPBrush* brush, Integer x, Integer y, Integer width, Integer height, Single startAngle,
                            Single sweepAngle)
{
    return SetStatus(
        GdipCall(eGdipFillPieI, nativeGraphics, NativeOf(brush), x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphics::FillPie(TGPBrush* brush, const TGPRect& rect, Single startAngle, Single sweepAngle)
{
    return FillPie(brush, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipFillClosedCurveI, nativeGraphics, NativeOf(brush), points, count));
}
Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPoint* points, Integer count, FillMode fillMode,
                                    Single tension)
{
    return SetStatus(
        GdipCall(eGdipFillClosedCurve2I, nativeGraphics, NativeOf(brush), points, count, tension, fillMode));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPPointF& point) { return DrawImage(image, point.X, point.Y); }
Status TGPGraphics::DrawImage(TGPImage* image, Integer x, Integer y)
{
    return SetStatus(GdipCall(eGdipDrawImageI, nativeGraphics, NativeOf(image), x, y));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPPoint& point) { return DrawImage(image, point.X, point.Y); }
Status TGPGraphics::DrawImage(TGPImage* image, Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipCall(eGdipDrawImageRectI, nativeGraphics, NativeOf(image), x, y, width, height));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPRect& rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPPoint* destPoints, Integer count)
{
    if ((count != 3 && count != 4) || !destPoints) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipDrawImagePointsI, nativeGraphics, NativeOf(image), destPoints, count));
}
Status TGPGraphics::DrawImage(TGPImage* image, Single x, Single y, Single srcx, Single srcy, Single srcwidth,
                              Single srcheight, Unit_ srcUnit)
{
    return SetStatus(GdipCall(eGdipDrawImagePointRect, nativeGraphics, NativeOf(image), x, y, srcx, srcy, srcwidth,
                              srcheight, srcUnit));
}
Status TGPGraphics::DrawImage(TGPImage* image, Integer x, Integer y, Integer srcx, Integer srcy, Integer srcwidth,
                              Integer srcheight, Unit_ srcUnit)
{
    return SetStatus(GdipCall(eGdipDrawImagePointRectI, nativeGraphics, NativeOf(image), x, y, srcx, srcy, srcwidth,
                              srcheight, srcUnit));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPRect& destRect, Integer srcx, Integer srcy, Integer srcwidth,
                              Integer srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes,
                              ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(eGdipDrawImageRectRectI, nativeGraphics, NativeOf(image), destRect.X, destRect.Y,
                              destRect.Width, destRect.Height, srcx, srcy, srcwidth, srcheight, srcUnit,
                              imageAttributes ? imageAttributes->Native() : nullptr, callback, callbackData));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPPointF* destPoints, Integer count, Single srcx, Single srcy,
                              Single srcwidth, Single srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes,
                              ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(eGdipDrawImagePointsRect, nativeGraphics, NativeOf(image), destPoints, count, srcx, srcy,
                              srcwidth, srcheight, srcUnit, imageAttributes ? imageAttributes->Native() : nullptr,
                              callback, callbackData));
}
Status TGPGraphics::DrawImage(TGPImage* image, const TGPPoint* destPoints, Integer count, Integer srcx, Integer srcy,
                              Integer srcwidth, Integer srcheight, Unit_ srcUnit,
                              TGPImageAttributes* imageAttributes, ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(eGdipDrawImagePointsRectI, nativeGraphics, NativeOf(image), destPoints, count, srcx,
                              srcy, srcwidth, srcheight, srcUnit,
                              imageAttributes ? imageAttributes->Native() : nullptr, callback, callbackData));
}
Status TGPGraphics::SetClip(const TGPRect& rect, CombineMode combineMode)
{
    return SetStatus(GdipCall(eGdipSetClipRectI, nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, combineMode));
}
Status TGPGraphics::SetClip(HRGN hRgn, CombineMode combineMode)
{
    return SetStatus(GdipCall(eGdipSetClipHrgn, nativeGraphics, hRgn, combineMode));
}
Status TGPGraphics::IntersectClip(const TGPRect& rect) { return SetClip(rect, CombineModeIntersect); }
Status TGPGraphics::ExcludeClip(const TGPRect& rect) { return SetClip(rect, CombineModeExclude); }
Status TGPGraphics::TranslateClip(Integer dx, Integer dy)
{
    return SetStatus(GdipCall(eGdipTranslateClipI, nativeGraphics, dx, dy));
}
Status TGPGraphics::GetClipBounds(TGPRect& rect) { return SetStatus(GdipCall(eGdipGetClipBoundsI, nativeGraphics, &rect)); }
Status TGPGraphics::GetVisibleClipBounds(TGPRect& rect)
{
    return SetStatus(GdipCall(eGdipGetVisibleClipBoundsI, nativeGraphics, &rect));
}
bool TGPGraphics::IsVisible(Integer x, Integer y)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisiblePointI, nativeGraphics, x, y, &result));
    return result != 0;
}
bool TGPGraphics::IsVisible(const TGPPointF& point) { return IsVisible(point.X, point.Y); }
bool TGPGraphics::IsVisible(const TGPPoint& point) { return IsVisible(point.X, point.Y); }
bool TGPGraphics::IsVisible(Integer x, Integer y, Integer width, Integer height)
{
    int result = -1;
    SetStatus(GdipCall(eGdipIsVisibleRectI, nativeGraphics, x, y, width, height, &result));
    return result != 0;
}
bool TGPGraphics::IsVisible(const TGPRectF& rect) { return IsVisible(rect.X, rect.Y, rect.Width, rect.Height); }
bool TGPGraphics::IsVisible(const TGPRect& rect) { return IsVisible(rect.X, rect.Y, rect.Width, rect.Height); }
Cardinal TGPGraphics::BeginContainer(const TGPRect& dstrect, const TGPRect& srcrect, Unit_ unit)
{
    Cardinal state = 0;
    SetStatus(GdipCall(eGdipBeginContainerI, nativeGraphics, &dstrect, &srcrect, unit, &state));
    return state;
}
