// The drawing object: creation on a canvas or a bitmap of its own, the state passed once to the
// back end, shapes decided from the fill and stroke, text, point tests and colour conversions;
// and the context's conversion of vector paths into back-end paths.
#include "graphics/GxGraphics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/GxGraphics.General.h"
#include "graphics/GxGraphics.Win.h"
#include "graphics/GxGraphicsHTMLEngine.h"
#include "graphics/GxUtils.h"

// ---- The context

TCanvas* TGxGraphicsContext::Canvas() const
{
    return FGraphics ? FGraphics->Canvas() : nullptr;
}

// Curves become straight segments of about the flatness: their length estimated from six samples,
// then sampled again at that many points, up to the most a curve is flattened into.
void* TGxGraphicsContext::ConvertToPath(TGxGraphicsPath* APath, float Flatness)
{
    void* path = CreatePath();
    if (!APath || APath->Count() == 0) return path;
    float flatness = Flatness > 0.05f ? Flatness : 0.05f;
    TPointF current;
    try {
        for (Integer i = 0; i < APath->Count(); ++i) {
            TGxGraphicsPathPoint point = APath->Points(i);
            switch (point.Kind) {
            case gppMoveTo:
                PathOpen(path);
                PathMoveTo(path, point.Point);
                current = point.Point;
                break;
            case gppLineTo:
                PathLineTo(path, point.Point);
                current = point.Point;
                break;
            case gppCurveTo: {
                TGxGraphicsPathCubicBezier bezier = {current, point.Point, APath->Points(i + 1).Point,
                                                     APath->Points(i + 2).Point};
                i += 2;
                TGxGraphicsPathPolygon samples = TGxGraphicsPath::CreateBezier(bezier, 6);
                double length = 0;
                for (size_t k = 1; k < samples.size(); ++k)
                    length += std::hypot(samples[k].X - samples[k - 1].X, samples[k].Y - samples[k - 1].Y);
                const auto n = static_cast<Integer>(
                    std::nearbyint(std::min(double(TGxGraphicsPath::MaxBezierPoints), length / flatness)));
                if (n >= 2) {
                    for (const TPointF& p : TGxGraphicsPath::CreateBezier(bezier, n)) PathLineTo(path, p);
                } else {
                    PathLineTo(path, bezier[3]);
                }
                current = bezier[3];
                break;
            }
            case gppClose: PathClose(path); break;
            }
        }
    } catch (...) {
        FreePath(path);
        throw;
    }
    return path;
}

// ---- Creation

TGxGraphics::TGxGraphics(TCanvas* ACanvas, bool ANative) : TGxGraphics(ANative, ACanvas, nullptr, 1, 1)
{
    HighlightColor = 0xFF0000;
    HighlightTextColor = 0xFFFFFF;
}

TGxGraphics::TGxGraphics(TCanvas* ACanvas, TContextMaker AMakeContext)
    : TGxGraphics(false, ACanvas, nullptr, 1, 1, AMakeContext)
{
    HighlightColor = 0xFF0000;
    HighlightTextColor = 0xFFFFFF;
}

TGxGraphics::TGxGraphics(bool ANative, TCanvas* ACanvas, std::unique_ptr<TBitmap> ABitmap, float AWidth, float AHeight,
                         TContextMaker AMakeContext)
    : FActiveCanvas(ABitmap ? &ABitmap->Canvas() : ACanvas), FNative(ANative), FBitmap(std::move(ABitmap))
{
    HighlightColor = 0;
    HighlightTextColor = 0;
    if (AMakeContext) FContextGeneral = AMakeContext(this);
    else if (FNative) FContextNative = GetNativeContextClass(this);
    else FContextGeneral = std::make_unique<TGxGraphicsContextGeneral>(this);
    Context()->SetSize(AWidth, AHeight);
    FFill = std::make_unique<TGxGraphicsFill>(gfkSolid, 0xFFFFFF, 0x808080, -1, -1);
    FFill->OnChanged = TNotifyEvent(this, &TGxGraphics::FillChanged);
    FStroke = std::make_unique<TGxGraphicsStroke>(gskSolid, 0xC0C0C0);
    FStroke->OnChanged = TNotifyEvent(this, &TGxGraphics::StrokeChanged);
    FFont = std::make_unique<TGxGraphicsFont>();
    FFont->OnChanged = TNotifyEvent(this, &TGxGraphics::FontChanged);
    InitializeDefaults();
}

std::unique_ptr<TGxGraphics> TGxGraphics::CreateNative(TCanvas* ACanvas)
{
    return std::make_unique<TGxGraphics>(ACanvas, true);
}

std::unique_ptr<TGxGraphics> TGxGraphics::CreateBitmapCanvas(Integer AWidth, Integer AHeight, bool ANative, bool)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(TPixelFormat::pf32bit);
    bitmap->SetSize(AWidth, AHeight);
    return std::unique_ptr<TGxGraphics>(
        new TGxGraphics(ANative, nullptr, std::move(bitmap), static_cast<float>(AWidth), static_cast<float>(AHeight)));
}

std::unique_ptr<TGxGraphics> TGxGraphics::CreateNativeBitmapCanvas(Integer AWidth, Integer AHeight)
{
    return CreateBitmapCanvas(AWidth, AHeight, true, true);
}

void TGxGraphics::InitializeDefaults()
{
    URLColor = 0xFF0000;
    URLUnderline = true;
    SetFill(FFill.get());
    SetStroke(FStroke.get());
    SetFont(FFont.get());
}

// The back end goes first: its surface is made on the bitmap's canvas.
TGxGraphics::~TGxGraphics()
{
    FContextNative.reset();
    FContextGeneral.reset();
    FFill->OnChanged = TNotifyEvent();
    FStroke->OnChanged = TNotifyEvent();
    FFont->OnChanged = TNotifyEvent();
}

// ---- State

template <typename Apply>
void TGxGraphics::Update(Apply apply)
{
    if (FBlockUpdate > 0) return;
    struct TBlock {
        Integer& Count;
        explicit TBlock(Integer& c) : Count(c) { ++Count; }
        ~TBlock() { --Count; }
    } block(FBlockUpdate);
    apply();
}

void TGxGraphics::FillChanged(TObject*) { SetFill(FFill.get()); }
void TGxGraphics::StrokeChanged(TObject*) { SetStroke(FStroke.get()); }
void TGxGraphics::FontChanged(TObject*) { SetFont(FFont.get()); }

void TGxGraphics::SetFill(TGxGraphicsFill* AFill)
{
    Update([&] {
        Context()->SetFill(AFill);
        if (AFill != FFill.get()) FFill->Assign(AFill);
    });
}
void TGxGraphics::SetStroke(TGxGraphicsStroke* AStroke)
{
    Update([&] {
        Context()->SetStroke(AStroke);
        if (AStroke != FStroke.get()) FStroke->Assign(AStroke);
    });
}
void TGxGraphics::SetFont(TGxGraphicsFont* AFont)
{
    Update([&] {
        Context()->SetFont(AFont);
        if (AFont != FFont.get()) FFont->AssignSource(AFont);
    });
}
void TGxGraphics::SetFillKind(TGxGraphicsFillKind AKind)
{
    Update([&] {
        Context()->SetFillKind(AKind);
        FFill->SetKind(AKind);
    });
}
void TGxGraphics::SetFillColor(TColor AColor)
{
    Update([&] {
        Context()->SetFillColor(AColor);
        FFill->SetColor(AColor);
    });
}
void TGxGraphics::SetFontColor(TColor AColor)
{
    Update([&] {
        Context()->SetFontColor(AColor);
        FFont->SetColor(AColor);
    });
}
void TGxGraphics::SetFontName(const String& AName)
{
    Update([&] {
        Context()->SetFontName(AName);
        FFont->SetName(AName);
    });
}
void TGxGraphics::SetFontSize(Integer ASize)
{
    Update([&] {
        Context()->SetFontSize(ASize);
        FFont->SetSize(ASize);
    });
}
void TGxGraphics::SetFontStyles(TFontStyles AStyle)
{
    Update([&] {
        Context()->SetFontStyles(AStyle);
        FFont->SetStyle(AStyle);
    });
}
void TGxGraphics::SetStrokeKind(TGxGraphicsStrokeKind AKind)
{
    Update([&] {
        Context()->SetStrokeKind(AKind);
        FStroke->SetKind(AKind);
    });
}
void TGxGraphics::SetStrokeColor(TColor AColor)
{
    Update([&] {
        Context()->SetStrokeColor(AColor);
        FStroke->SetColor(AColor);
    });
}
void TGxGraphics::SetStrokeWidth(float AWidth)
{
    Update([&] {
        Context()->SetStrokeWidth(AWidth);
        FStroke->SetWidth(AWidth);
    });
}

TGxGraphicsMatrix TGxGraphics::GetMatrix() { return Context()->GetMatrix(); }
void TGxGraphics::SetMatrix(const TGxGraphicsMatrix& AMatrix) { Context()->SetMatrix(AMatrix); }
void TGxGraphics::BeginPrinting() { Context()->BeginPrinting(); }
void TGxGraphics::EndPrinting() { Context()->EndPrinting(); }
void TGxGraphics::BeginScene() { Context()->BeginScene(); }
void TGxGraphics::EndScene() { Context()->EndScene(); }
void TGxGraphics::StartSpecialPen() { Context()->StartSpecialPen(); }
void TGxGraphics::StopSpecialPen() { Context()->StopSpecialPen(); }

void TGxGraphics::Assign(TGxGraphics* Source)
{
    if (!Source) return;
    FFill->BeginUpdate();
    FFill->Assign(Source->Fill());
    FFill->EndUpdate();
    FStroke->BeginUpdate();
    FStroke->Assign(Source->Stroke());
    FStroke->EndUpdate();
    FFont->BeginUpdate();
    FFont->AssignSource(Source->Font());
    FFont->EndUpdate();
}

TGxGraphicsSaveState* TGxGraphics::SaveState(bool ACanvasOnly)
{
    auto* state = new TGxGraphicsSaveState();
    if (!ACanvasOnly) {
        state->Fill()->Assign(FFill.get());
        state->Stroke()->Assign(FStroke.get());
        state->Font()->AssignSource(FFont.get());
    }
    Context()->SaveState(state);
    return state;
}

void TGxGraphics::RestoreState(TGxGraphicsSaveState* AState, bool ACanvasOnly)
{
    std::unique_ptr<TGxGraphicsSaveState> owned(AState);
    if (!ACanvasOnly) {
        SetFill(AState->Fill());
        SetStroke(AState->Stroke());
        SetFont(AState->Font());
    }
    Context()->RestoreState(AState);
}

// ---- Shapes

bool TGxGraphics::FillInUse() const
{
    return FFill->Color() != -1 && FFill->Kind() != gfkNone;
}

// The filled shapes paint a texture whatever the fill colour.
bool TGxGraphics::FillOrTexture() const { return FillInUse() || FFill->Kind() == gfkTexture; }

// The fill's picture over ARect, placed by the texture mode; tiles are whole pictures and stick out
// past the right and bottom edges.
void TGxGraphics::DrawTexture(const TRectF& ARect)
{
    TGxBitmap* texture = FFill->Texture();
    if (IsPictureEmpty(texture)) return;
    const float W = float(texture->Width()), H = float(texture->Height());
    const float L = ARect.Left, T = ARect.Top;
    const TRectF whole{0, 0, W, H};
    TRectF r;
    switch (FFill->TextureMode()) {
    case gtmOriginal:
        IntersectRectEx(TRectF{L, T, L + W, T + H}, ARect, r);
        DrawBitmapPart(TRectF{0, 0, r.Width(), r.Height()}, TRectF{L, T, L + r.Width(), T + r.Height()}, texture,
                       false, false, false, false);
        break;
    case gtmFit:
        FitRectEx(whole, ARect, r);
        PixelAlignRectEx(r, false, 1, r);
        DrawBitmapPart(whole, r, texture, false, true, false, false);
        break;
    case gtmStretch:
        DrawBitmapPart(whole, ARect, texture, false, true, false, false);
        break;
    case gtmCenter:
        CenterRectEx(whole, ARect, r);
        PixelAlignRectEx(r, false, 1, r);
        DrawBitmapPart(whole, r, texture, true, false, true, false);
        break;
    case gtmTile: {
        const int columns = int(std::trunc((ARect.Right - ARect.Left) / W)) + 1;
        const int rows = int(std::trunc((ARect.Bottom - ARect.Top) / H)) + 1;
        for (int i = 0; i <= columns; ++i)
            for (int j = 0; j <= rows; ++j) {
                const TRectF tile{L + float(i) * W, T + float(j) * H, L + float(i) * W + W, T + float(j) * H + H};
                if (RectsIntersectEx(tile, ARect)) DrawBitmap(tile, texture, false, false, false, false);
            }
        break;
    }
    }
}

bool TGxGraphics::StrokeInUse() const
{
    return FStroke->Color() != -1 && FStroke->Kind() != gskNone;
}

void TGxGraphics::DrawLine(const TPointF& AFromPoint, const TPointF& AToPoint, TGxGraphicsModifyPointMode AModeFrom,
                           TGxGraphicsModifyPointMode AModeTo)
{
    if (StrokeInUse()) Context()->DrawLine(FStroke.get(), AFromPoint, AToPoint, AModeFrom, AModeTo);
}

void TGxGraphics::DrawLine(const TPoint& AFromPoint, const TPoint& AToPoint)
{
    DrawLine(TPointF{float(AFromPoint.X), float(AFromPoint.Y)}, TPointF{float(AToPoint.X), float(AToPoint.Y)});
}

// A texture fill is painted as its picture over the shape's bounds (the back ends fill it with
// nothing); the polyline never paints it.
void TGxGraphics::DrawPolyline(const TGxGraphicsPathPolygon& APolyline)
{
    if (FillInUse()) Context()->FillPolyline(FFill.get(), APolyline);
    if (StrokeInUse()) Context()->DrawPolyline(FStroke.get(), APolyline);
}

void TGxGraphics::DrawPolygon(const TGxGraphicsPathPolygon& APolygon)
{
    if (FillOrTexture()) {
        if (FFill->Kind() == gfkTexture) {
            TGxGraphicsPath bounds;
            bounds.AddPolygon(APolygon);
            DrawTexture(bounds.GetBounds());
        } else {
            Context()->FillPolygon(FFill.get(), APolygon);
        }
    }
    if (StrokeInUse()) Context()->DrawPolygon(FStroke.get(), APolygon);
}

void TGxGraphics::DrawPath(TGxGraphicsPath* APath, TGxGraphicsPathDrawMode APathMode)
{
    if (FillOrTexture()) {
        if (FFill->Kind() == gfkTexture)
            DrawTexture(APath->GetBounds());
        else
            Context()->FillPath(FFill.get(), APath, APathMode);
    }
    if (StrokeInUse()) Context()->DrawPath(FStroke.get(), APath, APathMode);
}

void TGxGraphics::DrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle)
{
    if (FillInUse()) {
        if (FFill->Kind() == gfkTexture) {
            TGxGraphicsPath bounds;
            bounds.AddArc(Center, Radius, StartAngle, SweepAngle);
            DrawTexture(bounds.GetBounds());
        } else {
            Context()->FillArc(FFill.get(), Center, Radius, StartAngle, SweepAngle);
        }
    }
    if (StrokeInUse()) Context()->DrawArc(FStroke.get(), Center, Radius, StartAngle, SweepAngle);
}

void TGxGraphics::DrawArc(const TPoint& Center, const TPoint& Radius, Integer StartAngle, Integer SweepAngle)
{
    DrawArc(TPointF{float(Center.X), float(Center.Y)}, TPointF{float(Radius.X), float(Radius.Y)}, float(StartAngle),
            float(SweepAngle));
}

void TGxGraphics::DrawRectangle(double ALeft, double ATop, double ARight, double ABottom, TGxGraphicsSides ASides,
                                TGxGraphicsModifyRectMode AModifyRectMode)
{
    TRectF r{float(ALeft), float(ATop), float(ARight), float(ABottom)};
    if (FillOrTexture()) {
        if (FFill->Kind() == gfkTexture)
            DrawTexture(r);
        else
            Context()->FillRect(FFill.get(), r, AModifyRectMode);
    }
    if (StrokeInUse()) Context()->DrawRect(FStroke.get(), r, ASides, AModifyRectMode);
}

void TGxGraphics::DrawRectangle(const TRectF& ARect, TGxGraphicsSides ASides, TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawRectangle(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom, ASides, AModifyRectMode);
}

void TGxGraphics::DrawRectangle(const TRect& ARect, TGxGraphicsSides ASides, TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawRectangle(RectToRectF(ARect), ASides, AModifyRectMode);
}

void TGxGraphics::DrawRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TGxGraphicsSides ASides,
                                TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawRectangle(TRect{ALeft, ATop, ARight, ABottom}, ASides, AModifyRectMode);
}

void TGxGraphics::DrawRoundRectangle(double ALeft, double ATop, double ARight, double ABottom, float ARounding,
                                     TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode AModifyRectMode)
{
    TRectF r{float(ALeft), float(ATop), float(ARight), float(ABottom)};
    if (FillOrTexture()) {
        if (FFill->Kind() == gfkTexture)
            DrawTexture(r);
        else
            Context()->FillRoundRect(FFill.get(), r, ARounding, ACorners, AModifyRectMode);
    }
    if (StrokeInUse()) Context()->DrawRoundRect(FStroke.get(), r, ARounding, ACorners, AModifyRectMode);
}

void TGxGraphics::DrawRoundRectangle(const TRectF& ARect, float ARounding, TGxGraphicsCorners ACorners,
                                     TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawRoundRectangle(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom, ARounding, ACorners, AModifyRectMode);
}

void TGxGraphics::DrawRoundRectangle(const TRect& ARect, Integer ARounding, TGxGraphicsCorners ACorners,
                                     TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawRoundRectangle(RectToRectF(ARect), float(ARounding), ACorners, AModifyRectMode);
}

void TGxGraphics::DrawRoundRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, Integer ARounding,
                                     TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawRoundRectangle(TRect{ALeft, ATop, ARight, ABottom}, ARounding, ACorners, AModifyRectMode);
}

void TGxGraphics::DrawEllipse(double ALeft, double ATop, double ARight, double ABottom,
                              TGxGraphicsModifyRectMode AModifyRectMode)
{
    TRectF r{float(ALeft), float(ATop), float(ARight), float(ABottom)};
    if (FillOrTexture()) {
        if (FFill->Kind() == gfkTexture)
            DrawTexture(r);
        else
            Context()->FillEllipse(FFill.get(), r, AModifyRectMode);
    }
    if (StrokeInUse()) Context()->DrawEllipse(FStroke.get(), r, AModifyRectMode);
}

void TGxGraphics::DrawEllipse(const TRectF& ARect, TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawEllipse(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom, AModifyRectMode);
}

void TGxGraphics::DrawEllipse(const TRect& ARect, TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawEllipse(RectToRectF(ARect), AModifyRectMode);
}

void TGxGraphics::DrawEllipse(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom,
                              TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawEllipse(TRect{ALeft, ATop, ARight, ABottom}, AModifyRectMode);
}

void TGxGraphics::DrawFocusRectangle(double ALeft, double ATop, double ARight, double ABottom, TColor AColor,
                                     TGxGraphicsModifyRectMode AModifyRectMode)
{
    TRectF r{float(ALeft), float(ATop), float(ARight), float(ABottom)};
    Context()->DrawFocusRectangle(FStroke.get(), r, AColor, AModifyRectMode);
}

void TGxGraphics::DrawFocusRectangle(const TRectF& ARect, TColor AColor, TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawFocusRectangle(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom, AColor, AModifyRectMode);
}

void TGxGraphics::DrawFocusRectangle(const TRect& ARect, TColor AColor, TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawFocusRectangle(RectToRectF(ARect), AColor, AModifyRectMode);
}

void TGxGraphics::DrawFocusRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TColor AColor,
                                     TGxGraphicsModifyRectMode AModifyRectMode)
{
    DrawFocusRectangle(TRect{ALeft, ATop, ARight, ABottom}, AColor, AModifyRectMode);
}

void TGxGraphics::DrawFocusPath(TGxGraphicsPath* APath, TColor AColor)
{
    Context()->DrawFocusPath(FStroke.get(), APath, AColor);
}

void TGxGraphics::DrawBitmap(TGraphic* ABitmap, const TRectF& ADstRect)
{
    if (!ABitmap || ABitmap->Empty()) return;
    TRectF source{0, 0, float(ABitmap->Width()), float(ABitmap->Height())};
    Context()->DrawBitmap(ABitmap, source, ADstRect, 1);
}

void TGxGraphics::ClipRect(const TRectF& ARect) { Context()->ClipRect(ARect); }
void TGxGraphics::ClipRect(const TRect& ARect) { ClipRect(RectToRectF(ARect)); }

// ---- Text

namespace {
// The lines of a mini-HTML text split at "<BR/>" in the spelling of its first occurrence, the
// empty last part dropped; no lines when the text has none.
std::vector<String> OptimizedHTMLLines(const String& AText)
{
    const std::u16string upper(UpperCase(AText).u16());
    const size_t first = upper.find(u"<BR/>");
    if (first == std::u16string::npos) return {};
    const String tag = Copy(AText, static_cast<Integer>(first) + 1, 5);
    std::vector<String> lines;
    String rest = AText;
    for (Integer next = Pos(tag, rest); next > 0; next = Pos(tag, rest)) {
        lines.push_back(Copy(rest, 1, next - 1));
        rest = Copy(rest, next + tag.Length(), rest.Length());
    }
    if (!rest.IsEmpty()) lines.push_back(rest);
    return lines;
}
}  // namespace

TGxHTMLOptions TGxGraphics::HTMLOptions(bool AWordWrapping) const
{
    TGxHTMLOptions options;
    options.AWordWrap = AWordWrapping;
    options.AURLColor = URLColor;
    options.AURLUnderline = URLUnderline;
    options.APictureContainer = PictureContainer;
    options.AImageList = ImageList;
    options.AHighlightColor = HighlightColor;
    options.AHighlightTextColor = HighlightTextColor;
    options.AHighlightFontStyles = HighlightFontStyle;
    return options;
}

TRectF TGxGraphics::DoCalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping, bool ASupportHTML)
{
    TRectF result = ARect;
    if (std::nearbyint(ARect.Right - ARect.Left) <= 0) {
        result.Bottom = result.Top;
        return result;
    }
    if (AText.Length() == 0) {
        result.Right = result.Left;
        result.Bottom = result.Top;
        return result;
    }
    if (ASupportHTML && TGxUtils::IsHTML(AText)) {
        TGxHTMLOptions options = HTMLOptions(AWordWrapping);
        options.ACalculateOnly = true;
        TGxHTMLResult measured;
        DrawGraphicsHTML(*this, AText, ARect, options, measured);
        return {ARect.Left, ARect.Top, ARect.Left + measured.AWidth, ARect.Top + measured.AHeight + 1};
    }
    result = Context()->CalculateText(AText, ARect, AWordWrapping);
    result.Bottom += 1;
    return result;
}

TRectF TGxGraphics::CalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping, bool ASupportHTML)
{
    if (OptimizedHTMLDrawing && TGxUtils::IsHTML(AText)) {
        const std::vector<String> lines = OptimizedHTMLLines(AText);
        if (!lines.empty()) {
            TRectF result = ARect;
            result.Bottom = ARect.Top;
            for (const String& line : lines)
                result.Bottom += DoCalculateText(line, ARect, AWordWrapping, ASupportHTML).Height();
            return result;
        }
    }
    return DoCalculateText(AText, ARect, AWordWrapping, ASupportHTML);
}

TSizeF TGxGraphics::CalculateTextSize(const String& AText, const TRectF& ARect, bool AWordWrapping, bool ASupportHTML)
{
    const TRectF r = CalculateText(AText, ARect, AWordWrapping, ASupportHTML);
    return {r.Right - r.Left, r.Bottom - r.Top};
}

float TGxGraphics::CalculateTextWidth(const String& AText, const TRectF& ARect, bool AWordWrapping, bool ASupportHTML)
{
    return CalculateTextSize(AText, ARect, AWordWrapping, ASupportHTML).cx;
}

float TGxGraphics::CalculateTextHeight(const String& AText, const TRectF& ARect, bool AWordWrapping, bool ASupportHTML)
{
    return CalculateTextSize(AText, ARect, AWordWrapping, ASupportHTML).cy;
}

namespace {
const TRectF TextArea{0, 0, 10000, 10000};
}  // namespace

TRectF TGxGraphics::CalculateText(const String& AText) { return CalculateText(AText, TextArea, false, true); }
TSizeF TGxGraphics::CalculateTextSize(const String& AText) { return CalculateTextSize(AText, TextArea, false, true); }
float TGxGraphics::CalculateTextWidth(const String& AText) { return CalculateTextSize(AText).cx; }
float TGxGraphics::CalculateTextHeight(const String& AText) { return CalculateTextSize(AText).cy; }

namespace {
Integer RoundToEven(float x)
{
    return static_cast<Integer>(std::nearbyint(x));
}
TRect RoundRectF(const TRectF& r)
{
    return {RoundToEven(r.Left), RoundToEven(r.Top), RoundToEven(r.Right), RoundToEven(r.Bottom)};
}
}  // namespace

TRect TGxGraphics::CalculateText(const String& AText, const TRect& ARect, bool AWordWrapping, bool ASupportHTML)
{
    return RoundRectF(CalculateText(AText, RectToRectF(ARect), AWordWrapping, ASupportHTML));
}
TSize TGxGraphics::CalculateTextSize(const String& AText, const TRect& ARect, bool AWordWrapping, bool ASupportHTML)
{
    const TSizeF size = CalculateTextSize(AText, RectToRectF(ARect), AWordWrapping, ASupportHTML);
    return {RoundToEven(size.cx), RoundToEven(size.cy)};
}
Integer TGxGraphics::CalculateTextWidth(const String& AText, const TRect& ARect, bool AWordWrapping, bool ASupportHTML)
{
    return CalculateTextSize(AText, ARect, AWordWrapping, ASupportHTML).cx;
}
Integer TGxGraphics::CalculateTextHeight(const String& AText, const TRect& ARect, bool AWordWrapping, bool ASupportHTML)
{
    return CalculateTextSize(AText, ARect, AWordWrapping, ASupportHTML).cy;
}
TRect TGxGraphics::CalculateTextInt(const String& AText) { return RoundRectF(CalculateText(AText)); }
TSize TGxGraphics::CalculateTextSizeInt(const String& AText)
{
    return CalculateTextSize(AText, RectFToRect(TextArea), false, true);
}
Integer TGxGraphics::CalculateTextWidthInt(const String& AText) { return CalculateTextSizeInt(AText).cx; }
Integer TGxGraphics::CalculateTextHeightInt(const String& AText) { return CalculateTextSizeInt(AText).cy; }

String TGxGraphics::DoDrawText(TRectF ARect, const String& AText, String& AControlID, String& AControlValue,
                               String& AControlType, bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                               TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                               float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX,
                               float AY)
{
    TColor fillColor = Context()->GetFillColor();
    Context()->SetFillColor(FFont->Color());
    if (AMinHeight > -1 && ARect.Bottom - ARect.Top < AMinHeight) ARect.Bottom = ARect.Top + AMinHeight;
    if (AMinWidth > -1 && ARect.Right - ARect.Left < AMinWidth) ARect.Right = ARect.Left + AMinWidth;
    ARect = Context()->SetTextAngle(ARect, AAngle);
    String anchor;
    if (ASupportHTML && TGxUtils::IsHTML(AText)) {
        TGxHTMLOptions options = HTMLOptions(AWordWrapping);
        options.ACalculateOnly = true;
        TGxHTMLResult measured;
        DrawGraphicsHTML(*this, AText, ARect, options, measured);
        const float w = measured.AWidth + 1, h = measured.AHeight + 1;
        TRectF box = ARect;
        if (!AWordWrapping || measured.ALineCount < 2) {
            auto place = [](TGxGraphicsTextAlign align, float from, float to, float size) {
                return align == gtaLeading ? from : align == gtaCenter ? from + (to - from - size) / 2 : to - size;
            };
            box.Left = place(AHorizontalAlign, ARect.Left, ARect.Right, w);
            box.Top = place(AVerticalAlign, ARect.Top, ARect.Bottom, h);
            box.Right = box.Left + w;
            box.Bottom = box.Top + h;
        }
        options.ACalculateOnly = false;
        options.AHitTestOnly = ATestAnchor;
        options.AMouseX = static_cast<Integer>(std::nearbyint(AX));
        options.AMouseY = static_cast<Integer>(std::nearbyint(AY));
        options.AControlID = AControlID;
        TGxHTMLResult drawn;
        TGxGraphicsSaveState* state = SaveState(true);
        ClipRect(ARect);
        const bool hit = DrawGraphicsHTML(*this, AText, box, options, drawn);
        RestoreState(state, true);
        if (hit) {
            anchor = drawn.AAnchor;
            AControlID = drawn.AControlID;
            AControlValue = drawn.AControlValue;
            AControlType = drawn.AControlType;
        }
    } else if (!ATestAnchor) {
        Context()->DrawText(AText, ARect, AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle);
    }
    Context()->ResetTextAngle(AAngle);
    Context()->SetFillColor(fillColor);
    return anchor;
}

String TGxGraphics::DrawText(const TRectF& ARect, const String& AText, String& AControlID, String& AControlValue,
                             String& AControlType, bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                             TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                             float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    if (OptimizedHTMLDrawing && !ATestAnchor && TGxUtils::IsHTML(AText)) {
        const std::vector<String> lines = OptimizedHTMLLines(AText);
        if (!lines.empty()) {
            TRectF running = ARect;
            for (const String& line : lines) {
                const TRectF r = CalculateText(line, running, AWordWrapping, ASupportHTML);
                DoDrawText(TRectF{r.Left, r.Top, r.Right + 1, r.Bottom}, line, AControlID, AControlValue, AControlType,
                           AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle, AMinWidth, AMinHeight,
                           ASupportHTML, ATestAnchor, AX, AY);
                running.Top += r.Height();
                running.Bottom += r.Height();
            }
            return String();
        }
    }
    return DoDrawText(ARect, AText, AControlID, AControlValue, AControlType, AWordWrapping, AHorizontalAlign,
                      AVerticalAlign, ATrimming, AAngle, AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
}

String TGxGraphics::DrawText(const TRectF& ARect, const String& AText, bool AWordWrapping,
                             TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                             TGxGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                             bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    String controlID, controlValue, controlType;
    return DrawText(ARect, AText, controlID, controlValue, controlType, AWordWrapping, AHorizontalAlign,
                    AVerticalAlign, ATrimming, AAngle, AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
}

String TGxGraphics::DrawText(const TRect& ARect, const String& AText, bool AWordWrapping,
                             TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                             TGxGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                             bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    return DrawText(RectToRectF(ARect), AText, AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle,
                    AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
}

String TGxGraphics::DrawText(double ALeft, double ATop, double ARight, double ABottom, const String& AText,
                             bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                             TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                             float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    return DrawText(TRectF{float(ALeft), float(ATop), float(ARight), float(ABottom)}, AText, AWordWrapping,
                    AHorizontalAlign, AVerticalAlign, ATrimming, AAngle, AMinWidth, AMinHeight, ASupportHTML,
                    ATestAnchor, AX, AY);
}

String TGxGraphics::DrawText(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, const String& AText,
                             bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                             TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                             float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    return DrawText(TRect{ALeft, ATop, ARight, ABottom}, AText, AWordWrapping, AHorizontalAlign, AVerticalAlign,
                    ATrimming, AAngle, AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
}

String TGxGraphics::DrawText(const TRect& ARect, const String& AText, String& AControlID, String& AControlValue,
                             String& AControlType, bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                             TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                             float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    return DrawText(RectToRectF(ARect), AText, AControlID, AControlValue, AControlType, AWordWrapping,
                    AHorizontalAlign, AVerticalAlign, ATrimming, AAngle, AMinWidth, AMinHeight, ASupportHTML,
                    ATestAnchor, AX, AY);
}

String TGxGraphics::DrawText(double ALeft, double ATop, double ARight, double ABottom, const String& AText,
                             String& AControlID, String& AControlValue, String& AControlType, bool AWordWrapping,
                             TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                             TGxGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                             bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    return DrawText(TRectF{float(ALeft), float(ATop), float(ARight), float(ABottom)}, AText, AControlID,
                    AControlValue, AControlType, AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle,
                    AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
}

String TGxGraphics::DrawText(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, const String& AText,
                             String& AControlID, String& AControlValue, String& AControlType, bool AWordWrapping,
                             TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                             TGxGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                             bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    return DrawText(TRect{ALeft, ATop, ARight, ABottom}, AText, AControlID, AControlValue, AControlType,
                    AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle, AMinWidth, AMinHeight,
                    ASupportHTML, ATestAnchor, AX, AY);
}

String TGxGraphics::ApplyHilight(const String& AText, const String& AHilight, const String& ATag, bool ADoCase)
{
    return HilightHTMLText(AText, AHilight, ATag, ADoCase);
}

String TGxGraphics::DrawText(const TPointF& APoint, const String& AText, float AAngle, bool ASupportHTML,
                             bool ATestAnchor, float AX, float AY)
{
    return DrawText(TRectF{APoint.X, APoint.Y, APoint.X + 10000, APoint.Y + 10000}, AText, false, gtaLeading,
                    gtaLeading, gttNone, AAngle, -1, -1, ASupportHTML, ATestAnchor, AX, AY);
}

// ---- Point tests

bool TGxGraphics::PointInRect(const TPointF& P, const TRectF& R)
{
    return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom;
}

bool TGxGraphics::PointInRect(const TPoint& P, const TRect& R)
{
    return PointInRect(TPointF{float(P.X), float(P.Y)}, RectToRectF(R));
}

bool TGxGraphics::PointInCircle(const TPointF& P, const TPointF& C, float ARadius)
{
    if (ARadius <= 0) return false;
    double dx = (P.X - C.X) / ARadius, dy = (P.Y - C.Y) / ARadius;
    return dx * dx + dy * dy <= 1;
}

bool TGxGraphics::PointInPath(const TPointF& P, TGxGraphicsPath* APath)
{
    return APath && APath->IsPointVisible(P);
}

bool TGxGraphics::PointInPath(const TPoint& P, TGxGraphicsPath* APath)
{
    return PointInPath(TPointF{float(P.X), float(P.Y)}, APath);
}

bool TGxGraphics::PointInPolygon(const TPointF& P, const TGxGraphicsPathPolygon& APolygon)
{
    return ::PointInPolygon(P, APolygon);
}

bool TGxGraphics::PointInPolygon(const TPoint& P, const TGxGraphicsPathPolygon& APolygon)
{
    return PointInPolygon(TPointF{float(P.X), float(P.Y)}, APolygon);
}

// ---- Colours

Byte TGxGraphics::GetColorRed(TColor AColor) { return static_cast<Byte>(ColorToRGB(AColor) & 0xFF); }
Byte TGxGraphics::GetColorGreen(TColor AColor) { return static_cast<Byte>((ColorToRGB(AColor) >> 8) & 0xFF); }
Byte TGxGraphics::GetColorBlue(TColor AColor) { return static_cast<Byte>((ColorToRGB(AColor) >> 16) & 0xFF); }

String TGxGraphics::ColorToHTML(TColor AColor)
{
    return "#" + IntToHex(GetColorRed(AColor), 2) + IntToHex(GetColorGreen(AColor), 2) + IntToHex(GetColorBlue(AColor), 2);
}

// "#RRGGBB" or its short form "#RGB"; the first character is not looked at.  A part that is not
// hexadecimal, or missing, raises the conversion error.
TColor TGxGraphics::HTMLToColor(const String& AHTML)
{
    if (AHTML.Length() == 0) return -1;
    auto part = [&](int index, int length) { return StrToInt("$" + Copy(AHTML, index, length)); };
    Integer r, g, b;
    if (AHTML.Length() == 4) {
        auto doubled = [&](int index) { return StrToInt("$" + Copy(AHTML, index, 1) + Copy(AHTML, index, 1)); };
        r = doubled(2);
        g = doubled(3);
        b = doubled(4);
    } else {
        if (AHTML.Length() < 7) StrToInt("$" + Copy(AHTML, 6, 2));   // a missing part
        r = part(2, 2);
        g = part(4, 2);
        b = part(6, 2);
    }
    return r + g * 256 + b * 65536;
}

TColor TGxGraphics::TextToColor(const String& AText)
{
    String name = LowerCase(AText);
    if (Copy(name, 1, 2) == "cl") name = Copy(name, 3, name.Length());
    if (Copy(name, 1, 3) == "cla") name = Copy(name, 4, name.Length());
    if (Copy(name, 1, 2) == "gc") name = Copy(name, 3, name.Length());
    TStringList* list = NamedColorList();
    if (!list) return 0;
    int index = list->IndexOf(name);
    if (index < 0) return 0;
    return static_cast<TGxGraphicsColorObject*>(list->Objects(index))->Color;
}

void TGxGraphics::DrawSample(TCanvas* ACanvas, const TRectF& ARect)
{
    TGxGraphics g(ACanvas, false);
    g.Font()->SetName("Courier New");
    g.Font()->SetSize(20);
    g.Font()->SetColor(0xFFFFFF);
    g.Fill()->BeginUpdate();
    g.Fill()->SetKind(gfkGradient);
    g.Fill()->SetColor(0x008CFF);
    g.Fill()->SetColorTo(0xB48246);
    g.Fill()->EndUpdate();
    g.Stroke()->SetColor(0x8B0000);
    g.DrawRectangle(ARect);
    g.DrawText(ARect, "Sample", false, gtaCenter, gtaCenter, gttNone);
}
