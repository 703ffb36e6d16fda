#include "styledcontrols/StyCustomShapeHint.h"

#include <algorithm>

IMPLEMENT_CLASS(TStyCustomShapeHint, TStyCustomHTMLHint, NewComponent<TStyCustomShapeHint>)
IMPLEMENT_CLASS(TStyShapeHintWindow, TStyCustomHTMLHintWindow, nullptr)

TRect AddShapeMargins(const TStyBalloonMetrics& M, TRect R)
{
    const Integer d = M.Shadow;
    switch (M.Style) {
    case hsRect: R.Right += d + 4; R.Bottom += d; break;
    case hsRoundRect: R.Right += d + M.RoundRect / 2; R.Bottom += d + 4; break;
    case hsEllipse: R.Right += d + R.Right / 3; R.Bottom += d + R.Bottom / 3; break;
    case hsNoseRect: case hsNoseRoundRect:
        R.Right = std::max(R.Right, M.NoseWidth + M.RoundRect);
        R.Right += M.NoseLength + d + M.RoundRect / 2;
        R.Bottom += M.NoseLength + d + 9;
        break;
    case hsNoseEllipse:
        R.Right += d + R.Right / 2 + M.NoseLength;
        R.Bottom += d + R.Bottom / 2 + M.NoseLength;
        break;
    }
    return R;
}

TStyHintPosition PlaceBalloon(const TStyBalloonMetrics& M, TStyHintPosition Requested, TPoint Origin, TSize Size,
                              Integer Distance, const TRect& Desktop, TRect& Bounds)
{
    const Integer x = Origin.X, y = Origin.Y, w = Size.cx, h = Size.cy, D = Distance;
    auto candidate = [&](TStyHintPosition p) -> TPoint {
        switch (p) {
        case hpAboveLeft: return {x - D - w, y - D - h};
        case hpAboveRight: return {x + D, y - D - h};
        case hpBelowLeft: return {x - 3 * D - w, y + D};
        default: return {x + 6 * D, y + D};
        }
    };
    auto inside = [&](TPoint p) { return p.X >= Desktop.Left && p.X < Desktop.Right && p.Y >= Desktop.Top && p.Y < Desktop.Bottom; };
    TStyHintPosition p = Requested;
    for (int tries = 0; tries < 4; ++tries) {
        TPoint topLeft = candidate(p);
        Bounds = {topLeft.X, topLeft.Y, topLeft.X + w, topLeft.Y + h};
        if (inside(topLeft) && inside({Bounds.Right, Bounds.Bottom})) break;
        if (tries < 3) p = static_cast<TStyHintPosition>((p + 1) % 4);
    }
    if (M.RightAngledNose && (M.Style == hsNoseRect || M.Style == hsNoseRoundRect)) {
        Integer shift = M.NoseLength + 20;
        OffsetRect(Bounds, p == hpAboveLeft || p == hpBelowLeft ? shift : -shift, 0);
    }
    return p;
}

TStyBalloonShape BalloonShape(const TStyBalloonMetrics& M, TStyHintPosition Position, Integer W, Integer H)
{
    const Integer d = M.Shadow, NL = M.NoseLength, NW = M.NoseWidth;
    TStyBalloonShape s;
    switch (Position) {
    case hpAboveLeft:
        s = {{1, 0, W - d - NL, H - d - NL}, {W - NL - d - NW - 20, H - d - NL}, {W - NL - d - 20, H - d - NL}, {W - d, H - d}};
        if (M.RightAngledNose) s.Tip.X = W - NL - d - 19;
        break;
    case hpAboveRight:
        s = {{NL, 0, W - d, H - d - NL}, {NL + 20, H - NL - d}, {NL + 20 + NW, H - NL - d}, {0, H - d}};
        if (M.RightAngledNose) s.Tip.X = NL + 20;
        break;
    case hpBelowLeft:
        s = {{1, NL, W - d - NL, H - d}, {W - NL - d - NW - 20, NL + 1}, {W - NL - d - 20, NL + 1}, {W, 1}};
        if (M.RightAngledNose) s.Tip.X = W - NL - d - 20;
        break;
    case hpBelowRight:
        s = {{NL, NL, W - d, H - d}, {NL + 20, NL + 1}, {NL + 20 + NW, NL + 1}, {0, 0}};
        if (M.RightAngledNose) s.Tip.X = NL + 20;
        break;
    }
    return s;
}

TStyCustomShapeHint::TStyCustomShapeHint(TComponent* AOwner) : TStyCustomHTMLHint(AOwner) {}

TStyBalloonMetrics TStyCustomShapeHint::Metrics() const
{
    TStyBalloonMetrics m = FMetrics;
    m.Shadow = FShadowDepth;
    m.RightAngledNose = FOptions.Contains(hoRightAngledNose);
    return m;
}

TStyShapeHintWindow::TStyShapeHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : TStyCustomHTMLHintWindow(AOwner, AHintControl)
{
    if (TStyCustomShapeHint* hint = ShapeHint()) SetColor(hint->Color());
}

TStyShapeHintWindow::~TStyShapeHintWindow() = default;

void TStyShapeHintWindow::CreateParams(TCreateParams& Params)
{
    TStyCustomHTMLHintWindow::CreateParams(Params);
    Params.Style = WS_POPUP;
}

void TStyShapeHintWindow::ActivateHintExt(const TRect& Rect, const String& AHint)
{
    CalcHintRect(FMaxWidth, AHint);
    ActivateHint(Rect, AHint);
}

void TStyShapeHintWindow::ActivateHint(const TRect& Rect, const String& AHint)
{
    if (Rect.Right == -1 && Rect.Bottom == -1) FOrigin = {Rect.Left, Rect.Top};
    else GetCursorPos(&FOrigin);
    SetHintText(AHint);
    PaintShape();
}

void TStyShapeHintWindow::ReleaseHandle()
{
    if (HandleAllocated()) DoHideHint();
    TStyCustomHTMLHintWindow::ReleaseHandle();
}

void TStyShapeHintWindow::PaintShape()
{
    TStyCustomShapeHint* hint = ShapeHint();
    if (!hint) return;
    const TStyBalloonMetrics m = hint->Metrics();
    TRect text{0, 0, hint->RealMaxWidth(), 0};
    FMaxWidth = hint->RealMaxWidth();
    MeasureText(Caption(), text);
    TRect window = AddShapeMargins(m, text);
    TRect bounds;
    FPlacedAt = PlaceBalloon(m, hint->Position(), FOrigin, {window.Width(), window.Height()}, hint->Distance(),
                             {0, 0, Screen->Width(), Screen->Height()}, bounds);
    const Integer W = bounds.Width(), H = bounds.Height(), d = m.Shadow;
    TRect body;
    FBalloon = TRegion();
    switch (m.Style) {
    case hsRect: body = {1, 0, W - d, H - d}; FBalloon = TRegion(body); break;
    case hsRoundRect: body = {1, 0, W - d, H - d}; FBalloon = TRegion::RoundRect(body, m.RoundRect, m.RoundRect); break;
    case hsEllipse: case hsNoseEllipse: body = {0, 0, W - d, H - d}; FBalloon = TRegion::Ellipse(body); break;
    case hsNoseRect: case hsNoseRoundRect: {
        TStyBalloonShape s = BalloonShape(m, FPlacedAt, W, H);
        body = s.Body;
        FBalloon = m.Style == hsNoseRect ? TRegion(body) : TRegion::RoundRect(body, m.RoundRect, m.RoundRect);
        FBalloon.Combine(TRegion::Polygon({s.BaseFrom, s.BaseTo, s.Tip}, true), RGN_OR);
        break;
    }
    }
    FShadow = TRegion();
    if (d > 0) {
        FShadow = TRegion::RoundRect(body, m.RoundRect, m.RoundRect);
        FShadow.Offset(d, d);
        FShadow.Combine(FBalloon, RGN_DIFF);
    }
    // The text, centred in the body, 3 pixels below the exact centre.
    FText = {0, 0, text.Width(), text.Height()};
    OffsetRect(FText, body.Left + (body.Width() - FText.Width()) / 2, body.Top + (body.Height() - FText.Height()) / 2 + 3);
    SetBounds(bounds.Left, bounds.Top, W, H);
    HandleNeeded();
    auto* region = new TRegion(FBalloon);
    region->Combine(FShadow, RGN_OR);
    SetWindowRgn(this, region, true);
    if (!Visible()) {
        SetVisible(true);
        ShowWindow(this, SW_SHOWNOACTIVATE);
        SetWindowPos(this, HWND_TOPMOST, bounds.Left, bounds.Top, W, H, SWP_NOACTIVATE);
        DoShowHint();
    }
    Invalidate();
}

void TStyShapeHintWindow::Paint()
{
    TStyCustomShapeHint* hint = ShapeHint();
    if (!hint) {
        TStyCustomHTMLHintWindow::Paint();
        return;
    }
    TCanvas& c = Canvas();
    const TStyBalloonMetrics m = hint->Metrics();
    for (const TRect& r : FShadow.Rects()) c.FillRectColor(r, hint->ShadowColor());
    for (const TRect& r : FBalloon.Rects()) c.FillRectColor(r, Color());
    // The outline: every balloon pixel with a neighbour outside the balloon.
    const TRect box = FBalloon.BoundingRect();
    for (Integer y = box.Top; y < box.Bottom; ++y)
        for (Integer x = box.Left; x < box.Right; ++x)
            if (FBalloon.Contains(x, y) && (!FBalloon.Contains(x - 1, y) || !FBalloon.Contains(x + 1, y) ||
                                            !FBalloon.Contains(x, y - 1) || !FBalloon.Contains(x, y + 1)))
                c.SetPixel(x, y, hint->BorderColor());
    (void)m;
    TRect text = FText;
    OffsetRect(text, 2, 0);
    PaintHintText(text);
}
