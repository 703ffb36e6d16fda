// The GDI+ back end: a GDI+ surface on the canvas, a pen, brush and font rebuilt when the
// stroke, fill or font change, every fill's gradient shaped to the figure being filled.
#include "graphics/GxGraphics.Win.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/GxUtils.h"

namespace {
TGPRectF GPRect(const TRectF& r)
{
    return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
}

std::vector<TGPPointF> GPPoints(const TGxGraphicsPathPolygon& points)
{
    std::vector<TGPPointF> out;
    out.reserve(points.size());
    for (const TPointF& p : points) out.push_back({p.X, p.Y});
    return out;
}

TGPGraphicsPath* AsPath(void* APath)
{
    return static_cast<TGPGraphicsPath*>(APath);
}

DashStyle DashStyleOf(TGxGraphicsStrokeKind kind)
{
    switch (kind) {
    case gskDash: return DashStyleDash;
    case gskDot: return DashStyleDot;
    case gskDashDot: return DashStyleDashDot;
    case gskDashDotDot: return DashStyleDashDotDot;
    default: return DashStyleSolid;
    }
}

StringAlignment AlignmentOf(TGxGraphicsTextAlign align)
{
    return align == gtaCenter ? StringAlignmentCenter : align == gtaTrailing ? StringAlignmentFar : StringAlignmentNear;
}

// Colour stops of a gradient fill, in the order GDI+ takes them for a linear brush.
void GradientStops(TGxGraphicsFill* AFill, std::vector<ARGB>& colors, std::vector<Single>& positions)
{
    float opacity = AFill->Opacity();
    if (AFill->GradientMode() == gfgmCollection) {
        TGxGraphicsFillGradientItems* items = AFill->GradientItems();
        int count = items->Count();
        if (count == 0) return;
        bool atStart = false, atEnd = false;
        for (int i = 0; i < count; ++i) {
            atStart = atStart || items->Items(i)->Position() == 0;
            atEnd = atEnd || items->Items(i)->Position() == 1;
        }
        auto stop = [&](TGxGraphicsFillGradientItem* item, float position) {
            colors.push_back(ToGPColor(item->Color(), item->Opacity()));
            positions.push_back(position);
        };
        if (!atStart) stop(items->Items(0), 0);
        for (int i = 0; i < count; ++i) stop(items->Items(i), items->Items(i)->Position());
        if (!atEnd) stop(items->Items(count - 1), 1);
        return;
    }
    if (AFill->ColorMirror() == -1 || AFill->ColorMirrorTo() == -1) {
        colors = {ToGPColor(AFill->Color(), opacity), ToGPColor(AFill->ColorTo(), opacity)};
        positions = {0, 1};
    } else {
        colors = {ToGPColor(AFill->Color(), opacity), ToGPColor(AFill->ColorTo(), opacity),
                  ToGPColor(AFill->ColorMirror(), opacity), ToGPColor(AFill->ColorMirrorTo(), opacity)};
        positions = {0, 0.5f, 0.5f, 1};
    }
}

std::unique_ptr<TGPMatrix> GPMatrix(const TGxGraphicsMatrix& m)
{
    return std::make_unique<TGPMatrix>(m.m11, m.m12, m.m21, m.m22, m.m31, m.m32);
}
}  // namespace

std::unique_ptr<TGxGraphicsContext> GetNativeContextClass(TGxGraphics* AGraphics)
{
    return std::make_unique<TGxGraphicsContextWin>(AGraphics);
}

ARGB ToGPColor(TColor AColor, float AOpacity)
{
    auto alpha = static_cast<std::uint8_t>(std::clamp(std::nearbyint(AOpacity * 255.0), 0.0, 255.0));
    return MakeColor(alpha, TGxGraphics::GetColorRed(AColor), TGxGraphics::GetColorGreen(AColor),
                     TGxGraphics::GetColorBlue(AColor));
}

std::unique_ptr<TGPSolidBrush> CreateGPFontBrush(TGxGraphicsFont* AFont)
{
    return std::make_unique<TGPSolidBrush>(ToGPColor(AFont->Color(), 1));
}

// "Arial" stands in for no name and "default"; size 0 draws at 8 points.
std::unique_ptr<TGPFont> CreateGPFont(TGxGraphicsFont* AFont)
{
    String name = AFont->Name();
    if (name.Length() == 0 || UpperCase(name) == String("DEFAULT")) name = "Arial";
    Integer size = AFont->Size() == 0 ? 8 : AFont->Size();
    TFontStyles style = AFont->Style();
    Integer gpStyle = (style.Contains(TFontStyle::fsBold) ? FontStyleBold : 0) |
                      (style.Contains(TFontStyle::fsItalic) ? FontStyleItalic : 0) |
                      (style.Contains(TFontStyle::fsUnderline) ? FontStyleUnderline : 0) |
                      (style.Contains(TFontStyle::fsStrikeOut) ? FontStyleStrikeout : 0);
    return std::make_unique<TGPFont>(name, static_cast<Single>(size), gpStyle, UnitPoint);
}

std::unique_ptr<TGPPen> CreateGPPen(TGxGraphicsStroke* AStroke)
{
    auto pen = std::make_unique<TGPPen>(ToGPColor(AStroke->Color(), AStroke->Opacity()), AStroke->Width());
    if (AStroke->Kind() != gskNone) pen->SetDashStyle(DashStyleOf(AStroke->Kind()));
    pen->SetLineCap(LineCapFlat, LineCapFlat, DashCapFlat);
    pen->SetLineJoin(LineJoinMiterClipped);
    pen->SetMiterLimit(4);
    return pen;
}

std::unique_ptr<TGPStringFormat> CreateGPStringFormat(TGxGraphicsTextAlign AHorizontal, TGxGraphicsTextAlign AVertical,
                                                      bool AWordWrapping, TGxGraphicsTextTrimming ATrimming,
                                                      bool AShowAccelerator)
{
    auto format = std::make_unique<TGPStringFormat>(0, 0);
    format->SetAlignment(AlignmentOf(AHorizontal));
    format->SetLineAlignment(AlignmentOf(AVertical));
    format->SetFormatFlags(AWordWrapping ? StringFormatFlagsNoClip
                                         : StringFormatFlagsNoClip | StringFormatFlagsNoWrap);
    if (ATrimming == gttCharacter) format->SetTrimming(StringTrimmingCharacter);
    if (ATrimming == gttWord) format->SetTrimming(StringTrimmingWord);
    format->SetHotkeyPrefix(AShowAccelerator ? HotkeyPrefixShow : HotkeyPrefixNone);
    return format;
}

// A solid brush, a transparent one for no fill and for textures (the drawing object paints those
// itself), or a gradient over the figure's bounds widened by one unit on each side.
std::unique_ptr<TGPBrush> CreateGPBrush(TGxGraphicsFill* AFill, TGPGraphicsPath* APath)
{
    if (AFill->Kind() == gfkSolid) return std::make_unique<TGPSolidBrush>(ToGPColor(AFill->Color(), AFill->Opacity()));
    if (AFill->Kind() != gfkGradient) return std::make_unique<TGPSolidBrush>(ToGPColor(-1, 0));
    TGPRectF bounds;
    if (APath) APath->GetBounds(bounds);
    TGPRectF area{bounds.X - 1, bounds.Y - 1, bounds.Width + 2, bounds.Height + 2};
    std::vector<ARGB> colors;
    std::vector<Single> positions;
    GradientStops(AFill, colors, positions);
    auto matrix = GPMatrix(AFill->GradientMatrix);
    if (AFill->GradientType() == gfgtRadial) {
        auto brush = std::make_unique<TGPPathGradientBrush>(APath);
        if (AFill->GradientCenterColor() != -1)
            brush->SetCenterColor(ToGPColor(AFill->GradientCenterColor(), AFill->Opacity()));
        TPointF center = AFill->GradientCenterPoint();
        brush->SetCenterPoint(TGPPointF{center.X, center.Y});
        // GDI+ counts path-gradient positions from the edge inwards.
        std::reverse(colors.begin(), colors.end());
        std::reverse(positions.begin(), positions.end());
        for (Single& p : positions) p = 1 - p;
        if (!colors.empty())
            brush->SetInterpolationColors(colors.data(), positions.data(), static_cast<Integer>(colors.size()));
        brush->SetTransform(matrix.get());
        return brush;
    }
    std::unique_ptr<TGPLinearGradientBrush> brush;
    switch (AFill->GradientOrientation()) {
    case gfoHorizontal: brush = std::make_unique<TGPLinearGradientBrush>(area, 0, 0, LinearGradientModeHorizontal); break;
    case gfoVertical: brush = std::make_unique<TGPLinearGradientBrush>(area, 0, 0, LinearGradientModeVertical); break;
    default: brush = std::make_unique<TGPLinearGradientBrush>(area, 0, 0, AFill->GradientAngle(), false); break;
    }
    if (!colors.empty())
        brush->SetInterpolationColors(colors.data(), positions.data(), static_cast<Integer>(colors.size()));
    brush->MultiplyTransform(matrix.get(), MatrixOrderPrepend);
    return brush;
}

// ---- Creation and the surface

TGxGraphicsContextWin::TGxGraphicsContextWin(TGxGraphics* AGraphics)
    : TGxGraphicsContext(AGraphics),
      FScale(TGxUtils::GetDPIScale(nullptr, -1)),
      FFont(std::make_unique<TGxGraphicsFont>()),
      FFill(std::make_unique<TGxGraphicsFill>(gfkSolid, 0xFFFFFF, 0x808080, -1, -1)),
      FStroke(std::make_unique<TGxGraphicsStroke>(gskSolid, 0xC0C0C0))
{
    FFont->OnChanged = TNotifyEvent(this, &TGxGraphicsContextWin::FontChanged);
    FStroke->OnChanged = TNotifyEvent(this, &TGxGraphicsContextWin::StrokeChanged);
    FFill->OnChanged = TNotifyEvent(this, &TGxGraphicsContextWin::FillChanged);
}

TGxGraphicsContextWin::~TGxGraphicsContextWin()
{
    Render();
    FGPPen.reset();
    FGPBrush.reset();
    FGPFont.reset();
    FTextMatrix.reset();
    DestroyGraphics();
}

void TGxGraphicsContextWin::FontChanged(TObject*)
{
    FGPFont = CreateGPFont(FFont.get());
}

void TGxGraphicsContextWin::StrokeChanged(TObject*)
{
    FGPPen = CreateGPPen(FStroke.get());
}

void TGxGraphicsContextWin::FillChanged(TObject*)
{
    TGPGraphicsPath area;
    area.AddRectangle(TGPRectF{0, 0, FContextSize.cx, FContextSize.cy});
    FGPBrush = CreateGPBrush(FFill.get(), &area);
}

void TGxGraphicsContextWin::UpdateBrush(TGPGraphicsPath* APath)
{
    FGPBrush = CreateGPBrush(FFill.get(), APath);
}

void TGxGraphicsContextWin::SetSize(float AWidth, float AHeight)
{
    FContextSize = {AWidth, AHeight};
    DestroyGraphics();
    if (!Canvas()) return;   // nothing to draw on
    FGPGraphics = std::make_unique<TGPGraphics>(Canvas()->Handle(), 0, 0);
    FSaveGP = FGPGraphics->Save();
}

void TGxGraphicsContextWin::DestroyGraphics()
{
    if (!FGPGraphics) return;
    FGPGraphics->Restore(FSaveGP);
    FGPGraphics.reset();
}

void TGxGraphicsContextWin::Render()
{
    if (!FNeedsRendering) return;
    FNeedsRendering = false;
    DestroyGraphics();
}

void TGxGraphicsContextWin::EndScene()
{
    if (FGPGraphics) Render();
}

TColor TGxGraphicsContextWin::GetFillColor()
{
    return Graphics() ? Graphics()->Fill()->Color() : FFill->Color();
}

// ---- State

void TGxGraphicsContextWin::ResetClip()
{
    if (FGPGraphics) FGPGraphics->ResetClip();
}

void TGxGraphicsContextWin::ResetTransform()
{
    if (!FGPGraphics) return;
    FGPGraphics->Restore(FSaveGP);
    FSaveGP = FGPGraphics->Save();
}

void TGxGraphicsContextWin::ScaleTransform(float AX, float AY)
{
    if (FGPGraphics) FGPGraphics->ScaleTransform(AX, AY, MatrixOrderPrepend);
}

void TGxGraphicsContextWin::RotateTransform(float AAngle)
{
    if (FGPGraphics) FGPGraphics->RotateTransform(AAngle, MatrixOrderPrepend);
}

void TGxGraphicsContextWin::TranslateTransform(float AX, float AY)
{
    if (FGPGraphics) FGPGraphics->TranslateTransform(AX, AY, MatrixOrderPrepend);
}

void TGxGraphicsContextWin::SetTextQuality(TGxGraphicsTextQuality ATextQuality)
{
    if (!FGPGraphics) return;
    FGPGraphics->Restore(FSaveGP);
    FGPGraphics->SetTextRenderingHint(ATextQuality == gtqAntiAliasing ? TextRenderingHintAntiAlias
                                      : ATextQuality == gtqClearType  ? TextRenderingHintClearTypeGridFit
                                                                      : TextRenderingHintSystemDefault);
    FSaveGP = FGPGraphics->Save();
}

void TGxGraphicsContextWin::SetAntiAliasing(bool AAntiAliasing)
{
    if (!FGPGraphics) return;
    FGPGraphics->Restore(FSaveGP);
    FGPGraphics->SetSmoothingMode(AAntiAliasing ? SmoothingModeAntiAlias : SmoothingModeDefault);
    FSaveGP = FGPGraphics->Save();
}

void TGxGraphicsContextWin::SetShowAcceleratorChar(bool AShowAcceleratorChar)
{
    if (FGPGraphics) FShowAcceleratorChar = AShowAcceleratorChar;
}

void TGxGraphicsContextWin::SaveState(TGxGraphicsSaveState* AState)
{
    if (FGPGraphics) AState->CustomSaveDC = FGPGraphics->Save();
}

void TGxGraphicsContextWin::RestoreState(TGxGraphicsSaveState* AState)
{
    if (FGPGraphics) FGPGraphics->Restore(static_cast<Cardinal>(AState->CustomSaveDC));
}

TGxGraphicsMatrix TGxGraphicsContextWin::GetMatrix()
{
    TGxGraphicsMatrix result = MatrixIdentity();
    if (!FGPGraphics) return result;
    TGPMatrix m;
    FGPGraphics->GetTransform(&m);
    TMatrixArray e{};
    m.GetElements(e);
    result.m11 = e[0];
    result.m12 = e[1];
    result.m21 = e[2];
    result.m22 = e[3];
    result.m31 = e[4];
    result.m32 = e[5];
    return result;
}

void TGxGraphicsContextWin::SetMatrix(const TGxGraphicsMatrix& AMatrix)
{
    if (!FGPGraphics) return;
    auto m = GPMatrix(AMatrix);
    FGPGraphics->SetTransform(m.get());
}

void TGxGraphicsContextWin::SetFontSize(Integer ASize) { FFont->SetSize(ASize); }
void TGxGraphicsContextWin::SetFontColor(TColor AColor) { FFont->SetColor(AColor); }
void TGxGraphicsContextWin::SetFontName(const String& AName) { FFont->SetName(AName); }
void TGxGraphicsContextWin::SetFont(TGxGraphicsFont* AFont) { FFont->Assign(AFont); }
void TGxGraphicsContextWin::SetFontStyles(TFontStyles AStyle) { FFont->SetStyle(AStyle); }
void TGxGraphicsContextWin::SetFill(TGxGraphicsFill* AFill) { FFill->Assign(AFill); }
void TGxGraphicsContextWin::SetFillKind(TGxGraphicsFillKind AKind) { FFill->SetKind(AKind); }
void TGxGraphicsContextWin::SetFillColor(TColor AColor) { FFill->SetColor(AColor); }
void TGxGraphicsContextWin::SetStroke(TGxGraphicsStroke* AStroke) { FStroke->Assign(AStroke); }
void TGxGraphicsContextWin::SetStrokeKind(TGxGraphicsStrokeKind AKind) { FStroke->SetKind(AKind); }
void TGxGraphicsContextWin::SetStrokeColor(TColor AColor) { FStroke->SetColor(AColor); }
void TGxGraphicsContextWin::SetStrokeWidth(float AWidth) { FStroke->SetWidth(AWidth); }

// ---- Paths

void* TGxGraphicsContextWin::CreatePath()
{
    return new TGPGraphicsPath(FillModeAlternate);
}

void TGxGraphicsContextWin::FreePath(void* APath)
{
    delete AsPath(APath);
}

void TGxGraphicsContextWin::PathOpen(void* APath)
{
    if (APath) AsPath(APath)->StartFigure();
}

void TGxGraphicsContextWin::PathMoveTo(void*, const TPointF& APoint)
{
    FMovePoint = APoint;
}

void TGxGraphicsContextWin::PathLineTo(void* APath, const TPointF& APoint)
{
    if (APath) AsPath(APath)->AddLine(FMovePoint.X, FMovePoint.Y, APoint.X, APoint.Y);
    FMovePoint = APoint;
}

void TGxGraphicsContextWin::PathClose(void* APath)
{
    if (APath) AsPath(APath)->CloseFigure();
}

// ---- Drawing

template <typename Draw>
void TGxGraphicsContextWin::Outline(Draw draw)
{
    if (!FGPGraphics || !FGPPen) return;
    if (FGPPen->GetDashStyle() == DashStyleSolid) {
        draw();
        return;
    }
    Integer smoothing = FGPGraphics->GetSmoothingMode();
    FGPGraphics->SetSmoothingMode(SmoothingModeDefault);
    draw();
    FGPGraphics->SetSmoothingMode(smoothing);
}

void TGxGraphicsContextWin::FillGPPath(TGPGraphicsPath& APath)
{
    if (!FGPGraphics) return;
    UpdateBrush(&APath);
    FGPGraphics->FillPath(FGPBrush.get(), &APath);
}

void TGxGraphicsContextWin::DrawGPPath(TGPGraphicsPath& APath)
{
    Outline([&] { FGPGraphics->DrawPath(FGPPen.get(), &APath); });
}

void TGxGraphicsContextWin::DrawLine(TGxGraphicsStroke*, const TPointF& AFromPoint, const TPointF& AToPoint,
                                     TGxGraphicsModifyPointMode, TGxGraphicsModifyPointMode)
{
    Outline([&] { FGPGraphics->DrawLine(FGPPen.get(), AFromPoint.X, AFromPoint.Y, AToPoint.X, AToPoint.Y); });
}

void TGxGraphicsContextWin::DrawPolygon(TGxGraphicsStroke*, const TGxGraphicsPathPolygon& APolygon)
{
    if (APolygon.empty()) return;
    std::vector<TGPPointF> points = GPPoints(APolygon);
    Outline([&] { FGPGraphics->DrawPolygon(FGPPen.get(), points.data(), static_cast<Integer>(points.size())); });
}

void TGxGraphicsContextWin::DrawPolyline(TGxGraphicsStroke*, const TGxGraphicsPathPolygon& APolyline)
{
    if (APolyline.empty()) return;
    std::vector<TGPPointF> points = GPPoints(APolyline);
    Outline([&] { FGPGraphics->DrawLines(FGPPen.get(), points.data(), static_cast<Integer>(points.size())); });
}

void TGxGraphicsContextWin::FillPolygon(TGxGraphicsFill*, const TGxGraphicsPathPolygon& APolygon)
{
    if (APolygon.empty()) return;
    std::vector<TGPPointF> points = GPPoints(APolygon);
    TGPGraphicsPath path;
    path.AddPolygon(points.data(), static_cast<Integer>(points.size()));
    FillGPPath(path);
}

void TGxGraphicsContextWin::FillPolyline(TGxGraphicsFill* AFill, const TGxGraphicsPathPolygon& APolyline)
{
    FillPolygon(AFill, APolyline);
}

void TGxGraphicsContextWin::FillArc(TGxGraphicsFill*, const TPointF& c, const TPointF& r, float AStartAngle,
                                    float ASweepAngle)
{
    TGPGraphicsPath path;
    path.AddArc(c.X - r.X, c.Y - r.Y, 2 * r.X, 2 * r.Y, AStartAngle, ASweepAngle);
    FillGPPath(path);
}

void TGxGraphicsContextWin::DrawArc(TGxGraphicsStroke*, const TPointF& c, const TPointF& r, float AStartAngle,
                                    float ASweepAngle)
{
    Outline([&] { FGPGraphics->DrawArc(FGPPen.get(), c.X - r.X, c.Y - r.Y, 2 * r.X, 2 * r.Y, AStartAngle, ASweepAngle); });
}

void TGxGraphicsContextWin::FillRect(TGxGraphicsFill*, const TRectF& ARect, TGxGraphicsModifyRectMode)
{
    TGPGraphicsPath path;
    path.AddRectangle(GPRect(ARect));
    FillGPPath(path);
}

// Each chosen side a line, the rectangle's right and bottom taken one unit in.
void TGxGraphicsContextWin::DrawRect(TGxGraphicsStroke* AStroke, const TRectF& ARect, TGxGraphicsSides ASides,
                                     TGxGraphicsModifyRectMode)
{
    float L = ARect.Left, T = ARect.Top, R = ARect.Right - 1, B = ARect.Bottom - 1;
    if (ASides.Contains(gsTop)) DrawLine(AStroke, {L, T}, {R, T}, gcpmNone, gcpmNone);
    if (ASides.Contains(gsLeft)) DrawLine(AStroke, {L, T}, {L, B}, gcpmNone, gcpmNone);
    if (ASides.Contains(gsBottom)) DrawLine(AStroke, {L, B}, {R, B}, gcpmNone, gcpmNone);
    if (ASides.Contains(gsRight)) DrawLine(AStroke, {R, T}, {R, B}, gcpmNone, gcpmNone);
}

namespace {
// The outline of a rectangle with the chosen corners rounded by r.
void RoundRectPath(TGxGraphicsPath& path, const TRectF& rect, float r, TGxGraphicsCorners corners)
{
    float L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    if (corners.Contains(gcBottomLeft)) {
        path.MoveTo({L + r, B});
        path.AddArc({L + r, B - r}, {r, r}, -270, 90);
        path.LineTo({L, B - r});
    } else {
        path.MoveTo({L, B});
    }
    if (corners.Contains(gcTopLeft)) {
        path.LineTo({L, T + r});
        path.AddArc({L + r, T + r}, {r, r}, -180, 90);
        path.LineTo({L + r, T});
    } else {
        path.LineTo({L, T});
    }
    if (corners.Contains(gcTopRight)) {
        path.LineTo({R - r, T});
        path.AddArc({R - r, T + r}, {r, r}, -90, 90);
        path.LineTo({R, T + r});
    } else {
        path.LineTo({R, T});
    }
    if (corners.Contains(gcBottomRight)) {
        path.LineTo({R, B - r});
        path.AddArc({R - r, B - r}, {r, r}, 0, 90);
        path.LineTo({R - r, B});
    } else {
        path.LineTo({R, B});
    }
    path.LineTo(corners.Contains(gcBottomLeft) ? TPointF{L + r, B} : TPointF{L, B});
    path.ClosePath();
}
}  // namespace

void TGxGraphicsContextWin::DrawRoundRect(TGxGraphicsStroke* AStroke, const TRectF& ARect, float ARounding,
                                          TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode)
{
    TGxGraphicsPath path;
    RoundRectPath(path, {ARect.Left, ARect.Top, ARect.Right - 1, ARect.Bottom - 1}, ARounding, ACorners);
    DrawPath(AStroke, &path, pdmPolygon);
}

void TGxGraphicsContextWin::FillRoundRect(TGxGraphicsFill* AFill, const TRectF& ARect, float ARounding,
                                          TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode)
{
    TGxGraphicsPath path;
    RoundRectPath(path, ARect, ARounding, ACorners);
    FillPath(AFill, &path, pdmPolygon);
}

void TGxGraphicsContextWin::FillEllipse(TGxGraphicsFill*, const TRectF& ARect, TGxGraphicsModifyRectMode)
{
    TGPGraphicsPath path;
    path.AddEllipse(GPRect(ARect));
    FillGPPath(path);
}

void TGxGraphicsContextWin::DrawEllipse(TGxGraphicsStroke*, const TRectF& ARect, TGxGraphicsModifyRectMode)
{
    Outline([&] {
        FGPGraphics->DrawEllipse(FGPPen.get(), ARect.Left, ARect.Top, ARect.Right - ARect.Left - 1,
                                 ARect.Bottom - ARect.Top - 1);
    });
}

// The picture's bytes go to GDI+ through a memory stream; a bitmap is copied into a 32-bit ARGB
// bitmap of its own, so nothing depends on the stream afterwards.
void TGxGraphicsContextWin::DrawBitmap(TGraphic* ABitmap, const TRectF&, const TRectF& ADstRect, float)
{
    if (!ABitmap || !FGPGraphics) return;
    TMemoryStream stream;
    ABitmap->SaveToStream(stream);
    stream.SetPosition(0);
    auto image = std::make_unique<TGPImage>(&stream, false);
    std::unique_ptr<TGPImage> drawn;
    if (image->GetType() == ImageTypeBitmap) {
        Integer w = static_cast<Integer>(image->GetWidth()), h = static_cast<Integer>(image->GetHeight());
        auto copy = std::make_unique<TGPBitmap>(w, h, PixelFormat32bppARGB);
        {
            TGPGraphics g(copy.get());
            g.DrawImage(image.get(), 0.0f, 0.0f, Single(w), Single(h));
        }
        drawn = std::move(copy);
    } else {
        drawn = std::move(image);
    }
    FGPGraphics->DrawImage(drawn.get(), ADstRect.Left, ADstRect.Top, ADstRect.Right - ADstRect.Left,
                           ADstRect.Bottom - ADstRect.Top);
}

void TGxGraphicsContextWin::ClipRect(const TRectF& ARect)
{
    if (FGPGraphics) FGPGraphics->SetClip(GPRect(ARect), CombineModeReplace);
}

void TGxGraphicsContextWin::ClipPath(TGxGraphicsPath* APath)
{
    if (!FGPGraphics || !APath) return;
    void* path = ConvertToPath(APath, 0.25f);
    FGPGraphics->SetClip(AsPath(path), CombineModeReplace);
    FreePath(path);
}

void TGxGraphicsContextWin::DrawFocusPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath, TColor AColor)
{
    if (!FGPGraphics || !FGPPen) return;
    Integer smoothing = FGPGraphics->GetSmoothingMode();
    DashStyle dash = FGPPen->GetDashStyle();
    Single width = FGPPen->GetWidth();
    ARGB color = 0;
    FGPPen->GetColor(color);
    FGPGraphics->SetSmoothingMode(SmoothingModeDefault);
    FGPPen->SetDashStyle(DashStyleDot);
    FGPPen->SetWidth(1);
    FGPPen->SetColor(ToGPColor(AColor, 1));
    DrawPath(AStroke, APath, pdmPolygon);
    FGPPen->SetWidth(width);
    FGPPen->SetDashStyle(dash);
    FGPPen->SetColor(color);
    FGPGraphics->SetSmoothingMode(smoothing);
}

void TGxGraphicsContextWin::DrawFocusRectangle(TGxGraphicsStroke* AStroke, const TRectF& ARect, TColor AColor,
                                               TGxGraphicsModifyRectMode AModifyRectMode)
{
    if (!FGPGraphics || !FGPPen) return;
    Integer smoothing = FGPGraphics->GetSmoothingMode();
    DashStyle dash = FGPPen->GetDashStyle();
    Single width = FGPPen->GetWidth();
    ARGB color = 0;
    FGPPen->GetColor(color);
    FGPGraphics->SetSmoothingMode(SmoothingModeDefault);
    FGPPen->SetDashStyle(DashStyleDot);
    FGPPen->SetWidth(1);
    FGPPen->SetColor(ToGPColor(AColor, 1));
    DrawRect(AStroke, ARect, AllSides, AModifyRectMode);
    FGPPen->SetWidth(width);
    FGPPen->SetDashStyle(dash);
    FGPPen->SetColor(color);
    FGPGraphics->SetSmoothingMode(smoothing);
}

void TGxGraphicsContextWin::DrawPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath,
                                     TGxGraphicsPathDrawMode APathMode)
{
    if (!APath) return;
    if (APathMode == pdmPath) {
        std::unique_ptr<TGPGraphicsPath> path(AsPath(ConvertToPath(APath, 0.25f)));
        DrawGPPath(*path);
        return;
    }
    TGxGraphicsPathPolygon polygon;
    APath->FlattenToPolygon(polygon, 0.25f);
    if (APathMode == pdmPolygon) DrawPolygon(AStroke, polygon);
    else DrawPolyline(AStroke, polygon);
}

void TGxGraphicsContextWin::FillPath(TGxGraphicsFill* AFill, TGxGraphicsPath* APath, TGxGraphicsPathDrawMode APathMode)
{
    if (!APath) return;
    if (APathMode == pdmPath) {
        std::unique_ptr<TGPGraphicsPath> path(AsPath(ConvertToPath(APath, 0.25f)));
        FillGPPath(*path);
        return;
    }
    TGxGraphicsPathPolygon polygon;
    APath->FlattenToPolygon(polygon, 0.25f);
    if (APathMode == pdmPolygon) FillPolygon(AFill, polygon);
    else FillPolyline(AFill, polygon);
}

// ---- Text

TRectF TGxGraphicsContextWin::CalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping)
{
    if (!FGPGraphics) return {};
    auto format = CreateGPStringFormat(gtaLeading, gtaLeading, AWordWrapping, gttNone, FShowAcceleratorChar);
    TGPRectF box;
    FGPGraphics->MeasureString(AText, AText.Length(), FGPFont.get(), GPRect(ARect), format.get(), box);
    return {box.X, box.Y, box.X + box.Width, box.Y + box.Height};
}

// Text at an angle turns about the rectangle's centre; the rectangle to draw in is centred on
// the origin, its sides swapped when it is taller than wide.
TRectF TGxGraphicsContextWin::SetTextAngle(const TRectF& ARect, float AAngle)
{
    if (!FGPGraphics || AAngle == 0) return ARect;
    FTextMatrix = std::make_unique<TGPMatrix>();
    FGPGraphics->GetTransform(FTextMatrix.get());
    float width = ARect.Right - ARect.Left, height = ARect.Bottom - ARect.Top;
    TGPMatrix turn;
    turn.Translate(ARect.Left + width / 2, ARect.Top + height / 2);
    turn.Rotate(AAngle);
    FGPGraphics->MultiplyTransform(&turn, MatrixOrderPrepend);
    if (width >= height) return {-width / 2, -height / 2, width / 2, height / 2};
    return {-height / 2, -width / 2, height / 2, width / 2};
}

void TGxGraphicsContextWin::ResetTextAngle(float AAngle)
{
    if (AAngle == 0 || !FTextMatrix) return;
    if (FGPGraphics) FGPGraphics->SetTransform(FTextMatrix.get());
    FTextMatrix.reset();
}

void TGxGraphicsContextWin::DrawText(const String& AText, const TRectF& ARect, bool AWordWrapping,
                                     TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                                     TGxGraphicsTextTrimming ATrimming, float)
{
    if (!FGPGraphics) return;
    auto brush = CreateGPFontBrush(FFont.get());
    auto format = CreateGPStringFormat(AHorizontalAlign, AVerticalAlign, AWordWrapping, ATrimming, FShowAcceleratorChar);
    FGPGraphics->DrawString(AText, FGPFont.get(), GPRect(ARect), format.get(), brush.get());
}
