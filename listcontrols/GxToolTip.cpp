// The tooltip: its settings, and the window that measures the text with GDI+, takes the shape of a
// rounded body with a nose (a window region), stands beside its control and paints body, nose and
// text with GDI+ over the parent's own picture, so that it looks transparent around its shape.
#include "listcontrols/GxToolTip.h"

#include <algorithm>
#include <cmath>

#include "graphics/GxGDIP.h"
#include "listcontrols/GxStyleIF.h"

using namespace GxGDIP;

const TEnumTypeInfo& TypeInfoOf(TGxToolTipPosition)
{
    static const TEnumTypeInfo info("TGxToolTipPosition", {"ttTopRight", "ttTopLeft", "ttTopCenter", "ttRight",
                                                           "ttBottomLeft", "ttBottomCenter", "ttBottomRight",
                                                           "ttCustom"});
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TGxToolTipShape)
{
    static const TEnumTypeInfo info("TGxToolTipShape", {"tsBalloon", "tsRectangle"});
    return info;
}

namespace {
constexpr Integer B = 8;   // depth of the nose

bool IsTop(TGxToolTipPosition p) { return p <= ttTopCenter; }
bool IsBottom(TGxToolTipPosition p) { return p >= ttBottomLeft && p <= ttBottomRight; }
}  // namespace

// ---------------------------------------------------------------- TGxToolTip
IMPLEMENT_CLASS(TGxToolTip, TComponent, NewComponent<TGxToolTip>)

TGxToolTip::TGxToolTip(TComponent* AOwner) : TComponent(AOwner) { FFont.SetColor(clWhite); }

void TGxToolTip::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TGxToolTip*>(Source);
    if (!other) return;
    FControlBorderColor = other->FControlBorderColor;
    FBorderColor = other->FBorderColor;
    FColor = other->FColor;
    FFont.Assign(other->FFont);
    FImageIndex = other->FImageIndex;
    SetImages(other->FImages);
    FMargin = other->FMargin;
    FMaxWidth = other->FMaxWidth;
    FPosition = other->FPosition;
    FRounding = other->FRounding;
    FShape = other->FShape;
    FX = other->FX;
    FY = other->FY;
}

void TGxToolTip::SetImages(TCustomImageList* Value)
{
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
}

void TGxToolTip::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

Integer TGxToolTip::GetVersionNr() const { return (1 << 24) | 3; }

String TGxToolTip::Version() const { return VersionText(GetVersionNr()); }

// ---------------------------------------------------------------- FillRoundedRect
void FillRoundedRect(TGPGraphics* Graphics, Integer X, Integer Y, Integer W, Integer H, Integer R, TColor BorderColor,
                     TColor FillColor)
{
    if (!Graphics) return;
    const Single x = X, y = Y, w = W, h = H, r = R, d = 2 * r;
    TGPGraphicsPath path(FillModeAlternate);
    path.AddArc(x, y, d, d, 180, 90);
    path.AddLine(x + r, y, x + w - r, y);
    path.AddArc(x + w - d, y, d, d, 270, 90);
    path.AddLine(x + w, y + r, x + w, y + h - r);
    path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path.AddLine(x + w - r, y + h, x + r, y + h);
    path.AddArc(x, y + h - d, d, d, 90, 90);
    path.AddLine(x, y + h - r, x, y + r);
    path.CloseFigure();
    TGPSolidBrush fill(MakeColor(255, FillColor));
    Graphics->FillPath(&fill, &path);
    if (BorderColor != clNone && BorderColor != FillColor) {
        TGPPen pen(MakeColor(255, BorderColor), 1);
        Graphics->DrawPath(&pen, &path);
    }
}

// ---------------------------------------------------------------- TGxToolTipWindow
TClass TGxToolTipWindow::StaticClass()
{
    static const TMetaClass meta("TGxToolTipWindow", TCustomControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(WM_ERASEBKGND, &TGxToolTipWindow::WMEraseBkgnd);
        m.OnMessage(WM_PAINT, &TGxToolTipWindow::WMPaint);
        m.OnMessage(CM_FONTCHANGED, &TGxToolTipWindow::CMFontChanged);
    });
    return &meta;
}

IMPLEMENT_CLASS(TWinCtrl, TWinControl, nullptr)

TGxToolTipWindow::TGxToolTipWindow(TComponent* AOwner)
    : TCustomControl(AOwner), FInternalToolTip(new TGxToolTip(this))
{
    FWidth = 20;
    FHeight = 20;
    FText = "1";
    FFont.SetColor(clWhite);
    FVisible = false;
    FTabStop = false;
}

TGxToolTipWindow::~TGxToolTipWindow()
{
    if (FControl && FBorderSet) {
        if (const TPropInfo* border = GetPropInfo(FControl, "BorderColor")) {
            SetOrdProp(FControl, border, FOldBorderColor);
            FControl->Invalidate();
        }
    }
}

void TGxToolTipWindow::Show(TControl* AControl, TGxToolTip* AToolTip)
{
    FControl = AControl;
    FToolTip = AToolTip;
    if (!AControl) return;
    if (!Parent()) SetParent(AControl->FormWindow());
    UpdateSize();
    const TGxToolTip* tip = ActiveToolTip();
    const TPropInfo* border = GetPropInfo(AControl, "BorderColor");
    if (tip->BorderColor() != clNone && border && !Visible()) {
        FOldBorderColor = static_cast<TColor>(GetOrdProp(AControl, border));
        FBorderSet = true;
        SetOrdProp(AControl, border, tip->BorderColor());
    }
    SetVisible(true);
    BringToFront();
}

void TGxToolTipWindow::SetText(const String& Value)
{
    if (FText == Value) return;
    FText = Value;
    UpdateSize();
    Invalidate();
}

void TGxToolTipWindow::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Invalidate();
}

void TGxToolTipWindow::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateSize();
}

void TGxToolTipWindow::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    Invalidate();
}

void TGxToolTipWindow::UpdateSize()
{
    if (!HandleAllocated()) return;
    TGxToolTip* tip = ActiveToolTip();
    Integer w = 0, h = 0;
    {
        TGPGraphics g(Canvas().Handle());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
        std::unique_ptr<TGPFont> font = g.MakeFont(tip->Font());
        TGPStringFormat format(0, 0);
        const String s = " " + FText + " ";
        TGPRectF box;
        if (tip->MaxWidth() <= 0)
            g.MeasureString(s, s.Length(), font.get(), TGPPointF{0, 0}, &format, box);
        else
            g.MeasureString(s, s.Length(), font.get(), TGPRectF{0, 0, Single(tip->MaxWidth()), 1000}, &format, box);
        w = static_cast<Integer>(std::nearbyint(box.Width + 4 + 2 * tip->Margin()));
        h = static_cast<Integer>(std::nearbyint(box.Height + box.Height / 5 + 2 * tip->Margin()));
    }
    w = std::max(w, h);   // never narrower than high
    if (tip->Shape() == tsBalloon) {
        if (tip->Position() == ttRight) w += B;
        else h += B;
    }
    if (tip->HasImage()) {
        w += tip->Images()->Width();
        h = std::max(h, tip->Images()->Height() + 6);
    }
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    UpdateRegion();
    UpdatePosition();
}

void TGxToolTipWindow::UpdateRegion()
{
    SetWindowRgn(this, nullptr, false);
    const TGxToolTip* tip = ActiveToolTip();
    const TGxToolTipPosition pos = tip->Position();
    const bool balloon = tip->Shape() == tsBalloon;
    const Integer W = Width(), H = Height();
    Integer dx = 0, dt = 0, db = 0;
    if (balloon) {
        if (IsBottom(pos)) dt = B;
        if (IsTop(pos)) db = B;
        if (pos == ttRight) dx = B;
    }
    HRGN body = CreateRoundRectRgn(dx, dt, W + 1 + dx, H + 1 + dt - db, tip->Rounding(), tip->Rounding());
    if (!balloon) {
        SetWindowRgn(this, body, true);
        return;
    }
    TPoint nose[3];
    if (pos == ttRight) {
        nose[0] = {0, H / 2};
        nose[1] = {10, H / 2 - 5};
        nose[2] = {10, H / 2 + 5};
    } else {
        Integer nx = 0;
        if (pos == ttTopLeft || pos == ttBottomLeft) nx = 8;
        else if (pos == ttTopCenter || pos == ttBottomCenter) nx = W / 2;
        else if (pos == ttTopRight || pos == ttBottomRight) nx = W - 16;
        const Integer ny = IsTop(pos) ? H - B : 0;
        nose[0] = {nx, ny};
        nose[1] = {nx, ny + B};
        nose[2] = IsBottom(pos) ? TPoint{nx + B, ny + B} : TPoint{nx + B, ny};
    }
    HRGN triangle = CreatePolygonRgn(nose, 3, WINDING);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(shape, body, triangle, RGN_OR);
    DeleteObject(body);
    DeleteObject(triangle);
    SetWindowRgn(this, shape, true);
}

void TGxToolTipWindow::UpdatePosition()
{
    if (!FControl) return;
    Integer ax = 0, ay = 0;
    for (TControl* c = FControl; c; c = c->Parent()) {
        if (auto* windowed = dynamic_cast<TWinControl*>(c); windowed && windowed->IsFormWindow()) break;
        ax += c->Left();
        ay += c->Top();
    }
    const TGxToolTip* tip = ActiveToolTip();
    const Integer cw = FControl->Width(), ch = FControl->Height(), W = Width(), H = Height();
    Integer top = 0, left = 0;
    switch (tip->Position()) {
    case ttTopRight: top = ay - H; left = ax + cw - W; break;
    case ttTopLeft: top = ay - H; left = ax; break;
    case ttTopCenter: top = ay - H; left = ax + (cw - W) / 2; break;
    case ttRight: top = ay + (ch - H) / 2; left = ax + cw; break;
    case ttBottomLeft: top = ay + ch; left = ax; break;
    case ttBottomCenter: top = ay + ch; left = ax + (cw - W) / 2; break;
    case ttBottomRight: top = ay + ch; left = ax + cw - W; break;
    case ttCustom: top = ay + tip->Y(); left = ax + tip->X(); break;
    }
    SetBounds(left, top, W, H);
}

void TGxToolTipWindow::Paint()
{
    TGxToolTip* tip = ActiveToolTip();
    const TGxToolTipPosition pos = tip->Position();
    const bool balloon = tip->Shape() == tsBalloon;
    const Integer W = Width(), H = Height();
    const Integer p = balloon ? B : 0;
    const Integer pb = balloon && IsBottom(pos) ? B : 0;
    const Integer pt = balloon && IsTop(pos) ? B : 0;
    const Integer pr = balloon && pos == ttRight ? B : 0;
    TCanvas& canvas = Canvas();
    TGPGraphics g(canvas.Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    FillRoundedRect(&g, pr + 1, pb + 1, W - 2 - pr, H - 2 - p + pr, tip->Rounding(), tip->BorderColor(), tip->Color());

    if (balloon && pos != ttCustom) {
        // The nose: a box the window region cuts to its triangle, outlined along the two free sides.
        TGPRectF box;
        switch (pos) {
        case ttTopRight: box = {Single(W - 16), Single(H - 10), 8, 8}; break;
        case ttTopLeft: box = {8, Single(H - 10), 8, 8}; break;
        case ttTopCenter: box = {Single(W / 2), Single(H - 10), 8, 8}; break;
        case ttBottomLeft: box = {8, 0, 8, 10}; break;
        case ttBottomCenter: box = {Single(W / 2), 0, 8, 10}; break;
        case ttBottomRight: box = {Single(W - 16), 0, 8, 10}; break;
        default: box = {0, Single((H - 8) / 2), 10, 8}; break;
        }
        TGPSolidBrush fill(MakeColor(255, tip->Color()));
        g.FillRectangle(&fill, box);
        if (tip->BorderColor() != clNone && tip->BorderColor() != tip->Color()) {
            TGPPen pen(MakeColor(255, tip->BorderColor()), 1);
            const Single x = box.X, y = box.Y, h = box.Height;
            if (IsTop(pos)) {
                g.DrawLine(&pen, x, y + 1, x, y + h - 1);
                g.DrawLine(&pen, x + 8, y + 1, x, y + h - 1);
            } else if (IsBottom(pos)) {
                g.DrawLine(&pen, x, y, x, y + h - 1);
                g.DrawLine(&pen, x, y, x + 8, y + h - 1);
            } else {
                g.DrawLine(&pen, x, Single(H / 2), x + 9, Single(H / 2 - 4));
                g.DrawLine(&pen, x, Single(H / 2), x + 9, Single(H / 2 + 4));
            }
        }
    }

    // The text, centred in what the nose leaves of the window (beside the icon, when there is one).
    TGPRectF text{0, 0, Single(W), Single(H)};
    if (IsTop(pos)) text = {0, 0, Single(W), Single(H - pt)};
    else if (IsBottom(pos)) text = {0, Single(pb), Single(W), Single(H - pb)};
    else if (pos == ttRight) text = {Single(pr), 0, Single(W - pr), Single(H)};
    if (tip->HasImage()) {
        tip->Images()->Draw(canvas, static_cast<Integer>(std::nearbyint(text.X + 4)),
                            static_cast<Integer>(std::nearbyint(text.Y + 4)), tip->ImageIndex(), true);
        text.X += tip->Images()->Width();
        text.Width -= tip->Images()->Width();
    }
    std::unique_ptr<TGPFont> font = g.MakeFont(tip->Font());
    TGPStringFormat format(0, 0);
    format.SetAlignment(StringAlignmentCenter);
    format.SetLineAlignment(StringAlignmentCenter);
    TGPSolidBrush ink(MakeColor(255, tip->Font().Color()));
    g.DrawString(FText, FText.Length(), font.get(), text, &format, &ink);
}

void TGxToolTipWindow::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

// The parent paints itself under the tip first, so that the tip's anti-aliased edges blend into
// what lies beneath it.
void TGxToolTipWindow::WMPaint(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (Parent() && dc) {
        const int saved = dc->SaveDC();
        const TPoint origin = dc->ViewportOrg();
        dc->SetViewportOrg(origin.X - Left(), origin.Y - Top());
        Parent()->Perform(WM_ERASEBKGND, message.WParam);
        Parent()->Perform(WM_PAINT, message.WParam);
        if (auto* ctrl = dynamic_cast<TWinCtrl*>(Parent())) ctrl->PaintCtrls(dc, nullptr);
        dc->RestoreDC(saved);
    }
    InheritedMessage(StaticClass(), message);
}
