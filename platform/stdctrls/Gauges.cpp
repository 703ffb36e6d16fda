#include "platform/stdctrls/Gauges.h"

#include <algorithm>
#include <cmath>

#include "platform/classes/TypInfo.h"
#include "platform/graphics/GdiApi.h"

IMPLEMENT_CLASS(TGauge, TGraphicControl, NewComponent<TGauge>)

TGauge::TGauge(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csOpaque);
    FWidth = 100;
    FHeight = 100;
}

void TGauge::SetKind(TGaugeKind value)
{
    if (FKind == value) return;
    FKind = value;
    Invalidate();
}

void TGauge::SetShowText(bool value)
{
    if (FShowText == value) return;
    FShowText = value;
    Invalidate();
}

void TGauge::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    Invalidate();
}

void TGauge::SetForeColor(TColor value)
{
    if (FForeColor == value) return;
    FForeColor = value;
    Invalidate();
}

void TGauge::SetBackColor(TColor value)
{
    if (FBackColor == value) return;
    FBackColor = value;
    Invalidate();
}

void TGauge::SetMinValue(Int64 value)
{
    if (value == FMinValue) return;
    FMinValue = std::min(value, FMaxValue - 1);
    FProgress = std::max(FProgress, FMinValue);
    Invalidate();
}

void TGauge::SetMaxValue(Int64 value)
{
    if (value == FMaxValue) return;
    FMaxValue = std::max(value, FMinValue + 1);
    FProgress = std::min(FProgress, FMaxValue);
    Invalidate();
}

void TGauge::SetProgress(Int64 value)
{
    value = std::clamp(value, FMinValue, FMaxValue);
    if (value == FProgress) return;
    const Integer before = PercentDone();
    FProgress = value;
    if (PercentDone() != before || FKind == gkNeedle || FKind == gkPie) Invalidate();
}

Integer TGauge::PercentDone() const
{
    const Int64 range = FMaxValue - FMinValue;
    return range <= 0 ? 0 : static_cast<Integer>((FProgress - FMinValue) * 100 / range);
}

// The face of the gauge in the rectangle: the covered part in `face`, the rest in `back`.
void TGauge::PaintFace(TCanvas& canvas, const TRect& r, TColor face, TColor back)
{
    const Integer percent = PercentDone();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(back);
    canvas.FillRect(r);
    canvas.Brush().SetColor(face);
    switch (FKind) {
    case gkText: break;
    case gkHorizontalBar: canvas.FillRect(TRect{r.Left, r.Top, r.Left + r.Width() * percent / 100, r.Bottom}); break;
    case gkVerticalBar: canvas.FillRect(TRect{r.Left, r.Bottom - r.Height() * percent / 100, r.Right, r.Bottom}); break;
    case gkPie:
    case gkNeedle: {
        // from twelve o'clock, clockwise
        const double angle = std::acos(-1.0) * (0.5 - 2.0 * percent / 100.0);
        const Integer cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
        const Integer x = cx + static_cast<Integer>(std::lround(std::cos(angle) * r.Width())),
                      y = cy - static_cast<Integer>(std::lround(std::sin(angle) * r.Height()));
        canvas.Pen().SetColor(face);
        if (FKind == gkNeedle) {
            canvas.Brush().SetColor(back);
            canvas.Ellipse(r);
            canvas.MoveTo(cx, cy);
            canvas.LineTo((cx + x) / 2, (cy + y) / 2);
        } else if (percent >= 100) {
            canvas.Ellipse(r);
        } else if (percent > 0) {
            canvas.Pie(r.Left, r.Top, r.Right, r.Bottom, x, y, cx, r.Top - r.Height());
        }
        break;
    }
    }
}

void TGauge::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(r);
        InflateRect(r, -1, -1);
    }
    if (r.IsEmpty()) return;
    PaintFace(canvas, r, FForeColor, FBackColor);
    if (!FShowText) return;
    // the percentage in the middle: in the back colour where it lies on the covered part, in the
    // fore colour elsewhere
    const String text = IntToStr(PercentDone()) + "%";
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const TSize size = canvas.TextExtent(text);
    const Integer x = (r.Left + r.Right - size.cx) / 2, y = (r.Top + r.Bottom - size.cy) / 2;
    TRect covered = r;
    if (FKind == gkHorizontalBar) covered.Right = r.Left + r.Width() * PercentDone() / 100;
    else if (FKind == gkVerticalBar) covered.Top = r.Bottom - r.Height() * PercentDone() / 100;
    else covered = TRect{};
    HDC dc = canvas.Handle();
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, covered.Left, covered.Top, covered.Right, covered.Bottom);
    canvas.Font().SetColor(FForeColor);
    canvas.TextOut(x, y, text);
    RestoreDC(dc, saved);
    if (!covered.IsEmpty()) {
        const int inside = SaveDC(dc);
        IntersectClipRect(dc, covered.Left, covered.Top, covered.Right, covered.Bottom);
        canvas.Font().SetColor(FBackColor);
        canvas.TextOut(x, y, text);
        RestoreDC(dc, inside);
    }
}

const TEnumTypeInfo& TypeInfoOf(TGaugeKind)
{
    static const TEnumTypeInfo info("TGaugeKind", {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"});
    return info;
}

void PublishGauge()
{
    TPublished<TGauge>(TGauge::StaticClass())
        .Property("BackColor", &TGauge::BackColor, &TGauge::SetBackColor).Type("TColor").Default(clWhite)
        .Property("BorderStyle", &TGauge::BorderStyle, &TGauge::SetBorderStyle).Default(bsSingle)
        .Property("ForeColor", &TGauge::ForeColor, &TGauge::SetForeColor).Type("TColor").Default(clBlack)
        .Property("Kind", &TGauge::Kind, &TGauge::SetKind).Default(gkHorizontalBar)
        .Property("MaxValue", &TGauge::MaxValue, &TGauge::SetMaxValue).Default(100)
        .Property("MinValue", &TGauge::MinValue, &TGauge::SetMinValue).Default(0)
        .Property("Progress", &TGauge::Progress, &TGauge::SetProgress).Default(0)
        .Property("ShowText", &TGauge::ShowText, &TGauge::SetShowText).Default(true);
}
