#include "platform/stdctrls/StdCtrls.h"

#include <algorithm>

#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/ScrollBars.h"

namespace {
TCanvas& MeasureCanvas(const TFont& font)
{
    static TBitmap measure;
    if (measure.Empty()) measure.SetSize(1, 1);
    measure.Canvas().Font().Assign(font);
    return measure.Canvas();
}
}  // namespace

Integer FontTextHeight(const TFont& font) { return MeasureCanvas(font).TextHeight("0"); }

Integer FontTextWidth(const TFont& font, const String& text) { return MeasureCanvas(font).TextWidth(text); }

// ---------------------------------------------------------------- TCustomLabel
TClass TCustomLabel::StaticClass()
{
    static const TMetaClass meta("TCustomLabel", TGraphicControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_TEXTCHANGED, &TCustomLabel::CMTextChanged);
        m.OnMessage(CM_FONTCHANGED, &TCustomLabel::CMFontChanged);
    });
    return &meta;
}
IMPLEMENT_CLASS(TLabel, TCustomLabel, NewComponent<TLabel>)

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    FControlStyle.Include(csOpaque);
    FWidth = 65;
    FHeight = 17;
    FAutoSize = true;
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags)
{
    String text = GetText();
    if ((flags & DT_CALCRECT) && (text.IsEmpty() || (FShowAccelChar && text == "&"))) text = text + " ";
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    if (!Enabled()) {
        // The platform's disabled text: white shifted by one pixel, then grey.
        rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
        canvas.Font().SetColor(clBtnHighlight);
        DrawText(canvas.Handle(), text, text.Length(), &rect, flags);
        rect = TRect{rect.Left - 1, rect.Top - 1, rect.Right - 1, rect.Bottom - 1};
        canvas.Font().SetColor(clBtnShadow);
    }
    DrawText(canvas.Handle(), text, text.Length(), &rect, flags);
}

void TCustomLabel::Paint()
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (!FTransparent) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.FillRect(rect);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    UINT flags = DT_EXPANDTABS | (FWordWrap ? UINT(DT_WORDBREAK) : 0u) | alignments[FAlignment];
    if (FLayout != tlTop) {
        TRect calc = rect;
        DoDrawText(calc, flags | DT_CALCRECT);
        Integer dy = rect.Height() - calc.Height();
        rect.Top += FLayout == tlBottom ? dy : dy / 2;
    }
    DoDrawText(rect, flags);
}

bool TCustomLabel::CanAutoSize(Integer& NewWidth, Integer& NewHeight)
{
    if (!Parent()) return false;
    TRect rect{0, 0, FWordWrap ? FWidth : 0, 0};
    DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? UINT(DT_WORDBREAK) : 0u));
    NewWidth = rect.Width();
    NewHeight = rect.Height();
    return true;
}

void TCustomLabel::TextFormatChanged()
{
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value)
{
    TGraphicControl::SetAutoSize(value);
    TextFormatChanged();
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (FTransparent == value) return;
    FTransparent = value;
    if (value) FControlStyle.Exclude(csOpaque); else FControlStyle.Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (FWordWrap == value) return;
    FWordWrap = value;
    TextFormatChanged();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (FShowAccelChar == value) return;
    FShowAccelChar = value;
    TextFormatChanged();
}

void TCustomLabel::SetFocusControl(TWinControl* value)
{
    FFocusControl = value;
    if (value) value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::CMTextChanged(TMessage&) { TextFormatChanged(); }

void TCustomLabel::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    TextFormatChanged();
}

// ---------------------------------------------------------------- TCustomGroupBox
TClass TCustomGroupBox::StaticClass()
{
    static const TMetaClass meta("TCustomGroupBox", TCustomControl::StaticClass(), NewComponent<TCustomGroupBox>,
                                 [](TMetaClass& m) { m.OnMessage(CM_TEXTCHANGED, &TCustomGroupBox::CMTextChanged); });
    return &meta;
}
IMPLEMENT_CLASS(TGroupBox, TCustomGroupBox, NewComponent<TGroupBox>)

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csParentBackground};
    FWidth = 185;
    FHeight = 105;
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    Rect.Top += FontTextHeight(Font());
    Rect = TRect{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
}

void TCustomGroupBox::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(ClientRect());
    Integer h = canvas.TextHeight("0");
    TRect frame{0, h / 2 - 1, Width(), Height()};
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    String text = GetText();
    if (text.IsEmpty()) return;
    // The caption interrupts the frame: its box is filled first.
    TRect r{8, 0, 0, h};
    DrawText(canvas.Handle(), text, text.Length(), &r, DT_CALCRECT | DT_SINGLELINE);
    r.Right += 2;
    canvas.FillRect(r);
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawText(canvas.Handle(), text, text.Length(), &r, DT_SINGLELINE | DT_CENTER);
}

void TCustomGroupBox::CMTextChanged(TMessage&)
{
    Invalidate();
    Realign();
}

// ---------------------------------------------------------------- TButtonControl
TClass TButtonControl::StaticClass()
{
    static const TMetaClass meta("TButtonControl", TCustomControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_TEXTCHANGED, &TButtonControl::CMTextChanged);
        m.OnMessage(BM_GETCHECK, &TButtonControl::BMGetCheck);
        m.OnMessage(BM_SETCHECK, &TButtonControl::BMSetCheck);
        m.OnMessage(BM_CLICK, &TButtonControl::BMClick);
    });
    return &meta;
}
IMPLEMENT_CLASS(TCustomCheckBox, TButtonControl, NewComponent<TCustomCheckBox>)
IMPLEMENT_CLASS(TCheckBox, TCustomCheckBox, NewComponent<TCheckBox>)
IMPLEMENT_CLASS(TRadioButton, TButtonControl, NewComponent<TRadioButton>)

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Clicks come from the state changes, not from mouse-up.
    FControlStyle = {csSetCaption, csDoubleClicks, csParentBackground};
    FTabStop = true;
    FWidth = 97;
    FHeight = 17;
}

void TButtonControl::SetState(TCheckBoxState value)
{
    if (FState == value) return;
    FState = value;
    Invalidate();
    Click();
}

void TButtonControl::SetAlignment(TAlignment value)
{
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TButtonControl::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(ClientRect());
    const Integer box = 13;
    Integer top = (Height() - box) / 2;
    bool right = FAlignment == taRightJustify;
    TRect boxRect{right ? 0 : Width() - box, top, right ? box : Width(), top + box};
    UINT state = (IsRadio() ? DFCS_BUTTONRADIO : (FState == cbGrayed ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK)) |
                 (FState != cbUnchecked ? UINT(DFCS_CHECKED) : 0u) | (Enabled() ? 0u : UINT(DFCS_INACTIVE));
    DrawFrameControl(canvas.Handle(), &boxRect, DFC_BUTTON, state);
    String text = GetText();
    TRect textRect{right ? box + 4 : 0, 0, right ? Width() : Width() - box - 4, Height()};
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawText(canvas.Handle(), text, text.Length(), &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (Focused() && !text.IsEmpty()) {
        TRect focus = textRect;
        DrawText(canvas.Handle(), text, text.Length(), &focus, DT_SINGLELINE | DT_CALCRECT);
        Integer dy = (Height() - focus.Height()) / 2;
        focus = TRect{focus.Left - 1, dy - 1, focus.Right + 1, dy + focus.Height() + 1};
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.DrawFocusRect(focus);
    }
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        if (CanFocus()) SetFocus();
        Toggle();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::KeyPress(char16_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == u' ') {
        Toggle();
        Key = 0;
    }
}

void TButtonControl::CMTextChanged(TMessage&) { Invalidate(); }

void TButtonControl::BMGetCheck(TMessage& message) { message.Result = FState; }

void TButtonControl::BMSetCheck(TMessage& message)
{
    SetState(static_cast<TCheckBoxState>(std::clamp<std::intptr_t>(message.WParam, cbUnchecked, cbGrayed)));
}

void TButtonControl::BMClick(TMessage&) { Toggle(); }

void TCustomCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TRadioButton::SetState(TCheckBoxState value)
{
    if (value == cbGrayed) value = cbChecked;
    if (FState == value) return;
    TButtonControl::SetState(value);
    if (value != cbChecked || !Parent()) return;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
            other->SetChecked(false);
}

// ---------------------------------------------------------------- TScrollBar
IMPLEMENT_CLASS(TScrollBar, TCustomControl, NewComponent<TScrollBar>)

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
    FTabStop = true;
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 121;
    FHeight = ScrollBarSize;
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (FKind == value) return;
    FKind = value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax)
{
    if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
    APosition = std::clamp(APosition, AMin, std::max(AMin, AMax - std::max(FPageSize - 1, 0)));
    bool changed = APosition != FPosition;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    Invalidate();
    if (changed) OnChange(this);
}

void TScrollBar::SetPageSize(Integer value)
{
    if (FPageSize == value) return;
    FPageSize = std::max(0, value);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, Integer& ScrollPos) { OnScroll(this, ScrollCode, ScrollPos); }

void TScrollBar::DoScroll(TScrollCode code, Integer pos)
{
    Scroll(code, pos);
    SetPosition(pos);
}

void TScrollBar::Paint()
{
    bool vertical = FKind == sbVertical;
    ::PaintScrollBar(Canvas(), ClientRect(), vertical, FPosition - FMin, std::max(1, FPageSize), FMax - FMin + 1);
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    switch (ScrollBarHit(ClientRect(), FKind == sbVertical, TPoint{X, Y}, FPosition - FMin, std::max(1, FPageSize), FMax - FMin + 1)) {
    case shLineBack: DoScroll(scLineUp, FPosition - FSmallChange); break;
    case shLineForward: DoScroll(scLineDown, FPosition + FSmallChange); break;
    case shPageBack: DoScroll(scPageUp, FPosition - FLargeChange); break;
    case shPageForward: DoScroll(scPageDown, FPosition + FLargeChange); break;
    default: break;
    }
}

void TScrollBar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_UP: case VK_LEFT: DoScroll(scLineUp, FPosition - FSmallChange); break;
    case VK_DOWN: case VK_RIGHT: DoScroll(scLineDown, FPosition + FSmallChange); break;
    case VK_PRIOR: DoScroll(scPageUp, FPosition - FLargeChange); break;
    case VK_NEXT: DoScroll(scPageDown, FPosition + FLargeChange); break;
    case VK_HOME: DoScroll(scTop, FMin); break;
    case VK_END: DoScroll(scBottom, FMax); break;
    default: break;
    }
}
