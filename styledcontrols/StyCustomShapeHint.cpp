#include "styledcontrols/StyCustomShapeHint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "foundation/StyClass.h"
#include "foundation/StyGraph.h"
#include "platform/rtl/Streams.h"

IMPLEMENT_CLASS(TStyCustomShapeHint, TStyCustomHTMLHint, NewComponent<TStyCustomShapeHint>)
IMPLEMENT_CLASS(TStyShapeHintWindow, TStyCustomHTMLHintWindow, NewComponent<TStyShapeHintWindow>)

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

TPoint EllipsePoint(const TRect& Box, Integer Degrees)
{
    const double a = Degrees * std::numbers::pi / 180;
    const Integer cx = (Box.Left + Box.Right) / 2, cy = (Box.Top + Box.Bottom) / 2;
    const Integer rx = (Box.Right - Box.Left) / 2, ry = (Box.Bottom - Box.Top) / 2;
    return {cx + static_cast<Integer>(std::trunc(std::cos(a) * rx)), cy - static_cast<Integer>(std::trunc(std::sin(a) * ry))};
}

TStyBalloonShape NoseEllipseShape(const TStyBalloonMetrics& M, TStyHintPosition Position, Integer W, Integer H)
{
    const Integer d = M.Shadow, NL = M.NoseLength;
    TStyBalloonShape s;
    Integer angle = 0;
    switch (Position) {
    case hpAboveLeft: s.Body = {0, 0, W - d - NL, H - d - NL}; s.Tip = {W - d, H - d}; angle = 305; break;
    case hpAboveRight: s.Body = {NL, 0, W - d, H - d - NL}; s.Tip = {0, H - d}; angle = 225; break;
    case hpBelowLeft: s.Body = {0, NL, W - d - NL, H - d - 1}; s.Tip = {W, 0}; angle = 45; break;
    case hpBelowRight: s.Body = {NL, NL, W - d, H - d - 1}; s.Tip = {0, 0}; angle = 125; break;
    }
    s.BaseTo = EllipsePoint(s.Body, angle);
    s.BaseFrom = EllipsePoint(s.Body, angle + M.NoseAngle);
    return s;
}

// ---------------------------------------------------------------- component

TStyCustomShapeHint::TStyCustomShapeHint(TComponent* AOwner, bool Hookable) : TStyCustomHTMLHint(AOwner, Hookable)
{
    FTitleFont.SetName("Arial");
    FTitleFont.SetSize(10);
    FTitleFont.SetColor(clInfoText);
    if (Hookable) ApplyEnabledAgain();
}

TStyCustomShapeHint::~TStyCustomShapeHint() = default;

TClass TStyCustomShapeHint::GetHintWindowClass() const { return TStyShapeHintWindow::StaticClass(); }

void TStyCustomShapeHint::Assign(TPersistent* Source)
{
    TStyCustomHTMLHint::Assign(Source);
    auto* source = dynamic_cast<TStyCustomShapeHint*>(Source);
    if (!source) return;
    FBorderColor = source->FBorderColor;
    FOptions = source->FOptions;
    FPosition = source->FPosition;
    FShadow.Assign(&source->FShadow);
    FMetrics.Style = source->FMetrics.Style;
    FUseSystemShadow = source->FUseSystemShadow;
    FTitleFont.Assign(source->FTitleFont);
    FTitleFont3D.Assign(&source->FTitleFont3D);
}

bool TStyCustomShapeHint::IsThemed() const
{
    const TStyThemeMode mode = FThemeGlobalMode ? StyApplication()->ThemeGlobalMode() : FThemeMode;
    return UseTheme(mode) != ttmNone;
}

// The window system here draws no shadow under windows, so a balloon always draws its own.
bool TStyCustomShapeHint::UseSystemShadowNow() const { return false; }

TStyBalloonMetrics TStyCustomShapeHint::Metrics() const
{
    TStyBalloonMetrics m = FMetrics;
    m.Shadow = FShadow.Style() != hssNone && !UseSystemShadowNow() ? FShadow.Depth() : 0;
    m.RightAngledNose = FOptions.Contains(hoRightAngledNose);
    return m;
}

// ---------------------------------------------------------------- window

namespace {

// Without visual styles every close button is the library's own, 16 x 16.
constexpr TSize CloseButtonSize{16, 16};

const char* const IconResources[] = {nullptr, "HINTICONERROR", "HINTICONINFO", "HINTICONQUESTION", "HINTICONWARNING"};

// Flags of the balloon's texts: no prefix character when the component hides accelerators.
Cardinal PrefixFlags(const TStyCustomShapeHint& Hint) { return Hint.HideAccelChar() ? UINT{DT_NOPREFIX} : 0; }

}  // namespace

TStyShapeHintWindow::TStyShapeHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : TStyCustomHTMLHintWindow(AOwner, AHintControl)
{
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
}

void TStyShapeHintWindow::ApplyHintColor()
{
    if (TStyCustomShapeHint* hint = ShapeHint(); hint && !FIsCustom) SetColor(hint->Color());
}

void TStyShapeHintWindow::CreateHandle()
{
    ApplyHintColor();
    TStyCustomHTMLHintWindow::CreateHandle();
}

TStyShapeHintWindow::TStyShapeHintWindow(TComponent* AOwner) : TStyShapeHintWindow(AOwner, nullptr) {}

TStyShapeHintWindow::~TStyShapeHintWindow() = default;

void TStyShapeHintWindow::CreateParams(TCreateParams& Params)
{
    TStyCustomHTMLHintWindow::CreateParams(Params);
    Params.Style = WS_POPUP;
    TStyCustomShapeHint* hint = ShapeHint();
    if (hint && hint->UseSystemShadowNow()) Params.WindowClassStyle |= CS_DROPSHADOW;
    else Params.WindowClassStyle &= ~CS_DROPSHADOW;
}

void TStyShapeHintWindow::ActivateHintExt(const TRect& Rect, const String& AHint)
{
    CalcHintRect(FMaxWidth, AHint);
    ActivateHint(Rect, AHint);
}

void TStyShapeHintWindow::ActivateHint(const TRect& Rect, const String& AHint)
{
    if (Rect.Right == -1 && Rect.Bottom == -1) {
        FOrigin = {Rect.Left, Rect.Top};
        if (!ShapeHint() && !FIsCustom) return;
    } else {
        GetCursorPos(&FOrigin);
    }
    if (!ShapeHint() && !FIsCustom) {
        TStyCustomHTMLHintWindow::ActivateHint(Rect, AHint);
        return;
    }
    SetHintText(AHint);
    PaintShape();
}

void TStyShapeHintWindow::ReleaseHandle()
{
    const bool shown = HandleAllocated();
    TStyCustomHTMLHintWindow::ReleaseHandle();
    if (TStyCustomShapeHint* hint = ShapeHint(); hint && shown) hint->OnCloseHintWindow(hint);
}

void TStyShapeHintWindow::ShiftTextRect(TRect& Rect, bool HasIcon, bool HasClose)
{
    if (HasIcon && !HasClose && FIcon) OffsetRect(Rect, FIcon->Width() / 2, 0);
    if (HasClose && !HasIcon) OffsetRect(Rect, -CloseButtonSize.cx / 2, 0);
}

void TStyShapeHintWindow::LoadHintIcon()
{
    if (FIcon) return;
    TStyHintIconType type = FIconType;
    if (type == hitCustom) type = ShapeHint()->DefaultIcon();
    auto icon = std::make_unique<TPngImage>();
    const char* name = IconResources[type];
    if (!name) throw EResNotFound("Resource hitCustom not found");
    TResourceStream stream(name, RT_RCDATA);
    icon->LoadFromStream(stream);
    FIcon = std::move(icon);
}

void TStyShapeHintWindow::PaintShape()
{
    TStyCustomShapeHint* hint = ShapeHint();
    if (!hint) return;
    const TStyBalloonMetrics m = hint->Metrics();
    const TStyHintOptions options = hint->Options();
    const bool hasIcon = options.Contains(hoShowIcon), hasClose = options.Contains(hoShowCloseButton);
    if (hasIcon) LoadHintIcon();
    const TSize close = hasClose ? CloseButtonSize : TSize{0, 0};
    const TSize icon = hasIcon && FIcon ? TSize{FIcon->Width(), FIcon->Height()} : TSize{0, 0};

    // The title above the text.
    String title;
    Integer tw = 0, th = 0, g = 0;
    if (options.Contains(hoShowTitle)) {
        title = FTitle.IsEmpty() ? hint->DefaultTitle() : FTitle;
        TRect r{0, 0, hint->RealMaxWidth(), 0};
        MeasureCaption(title, &hint->TitleFont3D(), r, hint->TitleFont(), true, !hint->HideAccelChar(), 0, PrefixFlags(*hint));
        tw = r.Width();
        th = r.Height();
        g = 1;
    }
    TRect text{0, 0, hint->RealMaxWidth(), 0};
    FMaxWidth = hint->RealMaxWidth();
    MeasureText(Caption(), text);
    text.Bottom += th + g;
    text.Right = std::max(text.Right, text.Left + tw);

    TRect window = AddShapeMargins(m, text);
    if (hasClose) {
        window.Right += close.cx + 4;
        window.Bottom = std::max(window.Bottom, close.cy + 2);
    }
    if (hasIcon) {
        window.Right += icon.cx + 2;
        window.Bottom = std::max(window.Bottom, icon.cy + 2);
    }
    TRect bounds;
    FPlacedAt = PlaceBalloon(m, hint->Position(), FOrigin, {window.Width(), window.Height()}, hint->Distance(),
                             {0, 0, Screen->Width(), Screen->Height()}, bounds);
    const Integer W = bounds.Width(), H = bounds.Height();
    TRect body;
    BuildShape(m, W, H, body);

    // The text, centred in the body, 3 pixels below the exact centre.
    FText = {0, 0, text.Width(), text.Height()};
    OffsetRect(FText, body.Left + (body.Width() - FText.Width()) / 2, body.Top + (body.Height() - FText.Height()) / 2 + 3);
    OffsetRect(FText, 2, th + g);
    ShiftTextRect(FText, hasIcon, hasClose);
    FTitleRect = title.IsEmpty() ? TRect{} : TRect{FText.Left, FText.Top - g - th, FText.Left + tw, FText.Top - g};
    FCloseBtnRect = hasClose ? TRect{FText.Right - 1, FText.Top, FText.Right - 1 + close.cx, FText.Top + close.cy} : TRect{};
    FIconRect = hasIcon ? TRect{FText.Left - icon.cx - 1, FText.Top - th, FText.Left - 1, FText.Top - th + icon.cy} : TRect{};

    SetBounds(bounds.Left, bounds.Top, W, H);
    HandleNeeded();
    auto* region = new TRegion(FBalloon);
    region->Combine(FShadow, RGN_OR);
    SetWindowRgn(this, region, true);
    if (!Visible()) {
        SetVisible(true);
        ShowWindow(this, SW_SHOWNOACTIVATE);
        SetWindowPos(this, HWND_TOPMOST, bounds.Left, bounds.Top, W, H, SWP_NOACTIVATE);
    }
    if (!FShownTold) DoShowHint();
    Invalidate();
}

// The balloon's region (body and nose) and the visible part of its shadow: the body's shape moved
// by the shadow's depth, with the nose except below-right.
void TStyShapeHintWindow::BuildShape(const TStyBalloonMetrics& M, Integer W, Integer H, TRect& Body)
{
    const Integer d = M.Shadow;
    auto bodyRegion = [&](const TRect& r) {
        switch (M.Style) {
        case hsRect: case hsNoseRect: return TRegion(r);
        case hsEllipse: case hsNoseEllipse: return TRegion::Ellipse(r);
        default: return TRegion::RoundRect(r, M.RoundRect, M.RoundRect);
        }
    };
    TStyBalloonShape s;
    switch (M.Style) {
    case hsRect: case hsRoundRect: s.Body = {1, 0, W - d, H - d}; break;
    case hsEllipse: s.Body = {0, 0, W - d, H - d}; break;
    case hsNoseEllipse: s = NoseEllipseShape(M, FPlacedAt, W, H); break;
    default: s = BalloonShape(M, FPlacedAt, W, H); break;
    }
    Body = s.Body;
    const bool nosed = M.Style >= hsNoseRect;
    FBalloon = bodyRegion(s.Body);
    if (nosed) FBalloon.Combine(TRegion::Polygon({s.BaseFrom, s.BaseTo, s.Tip}, true), RGN_OR);
    FShadow = TRegion();
    if (d == 0) return;
    FShadow = bodyRegion(s.Body);
    if (nosed && FPlacedAt != hpBelowRight) FShadow.Combine(TRegion::Polygon({s.BaseFrom, s.BaseTo, s.Tip}, true), RGN_OR);
    FShadow.Offset(d, d);
    FShadow.Combine(FBalloon, RGN_DIFF);
}

void TStyShapeHintWindow::PaintBalloonBackground(TCanvas& Canvas, const TRect& Rect)
{
    if (ShapeHint()->UseGradient()) ShapeHint()->Gradient().PaintGradient(Canvas, Rect);
}

// The shadow: solid, or a checkerboard of its colour and white for hssTracing.
void TStyShapeHintWindow::PaintShadow(TCanvas& Canvas)
{
    const TStyShadow& shadow = ShapeHint()->Shadow();
    if (shadow.Style() != hssTracing) {
        for (const TRect& r : FShadow.Rects()) Canvas.FillRectColor(r, shadow.Color());
        return;
    }
    TBitmap* pattern = StyApplication()->GetBrushBitmap(shadow.Color());
    for (const TRect& r : FShadow.Rects())
        for (Integer y = r.Top; y < r.Bottom; ++y)
            for (Integer x = r.Left; x < r.Right; ++x) Canvas.SetPixel(x, y, pattern->Canvas().Pixel(x % 8, y % 8));
}

// The border: every balloon pixel beside one outside the balloon, so the whole line lies inside.
void TStyShapeHintWindow::PaintOutline(TCanvas& Canvas)
{
    const TColor border = ShapeHint()->BorderColor();
    const TRect box = FBalloon.BoundingRect();
    for (Integer y = box.Top; y < box.Bottom; ++y)
        for (Integer x = box.Left; x < box.Right; ++x)
            if (FBalloon.Contains(x, y) && (!FBalloon.Contains(x - 1, y) || !FBalloon.Contains(x + 1, y) ||
                                            !FBalloon.Contains(x, y - 1) || !FBalloon.Contains(x, y + 1)))
                Canvas.SetPixel(x, y, border);
}

void TStyShapeHintWindow::PaintCloseButton(const TRect& Rect, Integer State)
{
    TStyCustomShapeHint* hint = ShapeHint();
    TCanvas& c = Canvas();
    TRect face = Rect;
    const TStyButtonState state = State == 4 ? bsDown : State == 2 ? bsMouseOver : bsUp;
    DrawButtonFace(c, State == 2, face, hint->CloseBtnStyle(), state, 0, Color(), ttmNone);
    // The cross: two lines 2 pixels wide between the corners of the face, 1 pixel in.
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetColor(clBtnText);
    c.Pen().SetWidth(2);
    const TRect x{face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1};
    c.MoveTo(x.Left, x.Top);
    c.LineTo(x.Right, x.Bottom);
    c.MoveTo(x.Right - 1, x.Top);
    c.LineTo(x.Left - 1, x.Bottom);
    c.Pen().SetWidth(1);
}

void TStyShapeHintWindow::DrawHintTitle(TCanvas& Canvas, const String& Text, const TRect& Rect)
{
    TStyCustomShapeHint* hint = ShapeHint();
    Canvas.Font().Assign(hint->TitleFont());
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TStyDrawTextStyles styles;
    styles.Include(dtEnabled);
    DrawCaptionText(Canvas, Text, &hint->TitleFont3D(), Rect, DT_WORDBREAK | PrefixFlags(*hint), styles, nullptr);
}

void TStyShapeHintWindow::Paint()
{
    TStyCustomShapeHint* hint = ShapeHint();
    if (!hint) {
        TStyCustomHTMLHintWindow::Paint();
        return;
    }
    TCanvas& c = Canvas();
    PaintBalloonBackground(c, FBalloon.BoundingRect());
    PaintShadow(c);
    if (!hint->UseGradient() && !hint->IsThemed())
        for (const TRect& r : FBalloon.Rects()) c.FillRectColor(r, hint->Color());
    PaintOutline(c);
    PaintHintText(FText);
    if (!FTitleRect.IsEmpty()) DrawHintTitle(c, FTitle.IsEmpty() ? hint->DefaultTitle() : FTitle, FTitleRect);
    if (!FCloseBtnRect.IsEmpty()) PaintCloseButton(FCloseBtnRect, FCloseBtnPressed ? 4 : 0);
    if (FIcon && !FIconRect.IsEmpty()) c.Draw(FIconRect.Left, FIconRect.Top, *FIcon);
}

// The close button of a custom window: hot under the mouse, pressed by the left button; letting
// go of it over the button hides the balloon.
void TStyShapeHintWindow::WndProc(TMessage& Message)
{
    if (FIsCustom && !FCloseBtnRect.IsEmpty()) {
        const TPoint p{static_cast<SmallInt>(Message.LParam & 0xFFFF), static_cast<SmallInt>((Message.LParam >> 16) & 0xFFFF)};
        const bool over = PtInRect(FCloseBtnRect, p);
        switch (Message.Msg) {
        case WM_MOUSEMOVE:
            PaintCloseButton(FCloseBtnRect, FCloseBtnPressed ? 4 : over ? 2 : 0);
            break;
        case WM_LBUTTONDOWN:
            if (over) {
                FCloseBtnPressed = true;
                PaintCloseButton(FCloseBtnRect, 4);
                Message.Result = 0;
                return;
            }
            break;
        case WM_LBUTTONUP:
            if (FCloseBtnPressed) {
                FCloseBtnPressed = false;
                ReleaseHandle();
                Message.Result = 0;
                return;
            }
            break;
        case CM_MOUSELEAVE:
            PaintCloseButton(FCloseBtnRect, 0);
            break;
        }
    }
    TStyCustomHTMLHintWindow::WndProc(Message);
}
