#include "platform/stdctrls/Buttons.h"

#include "platform/graphics/GdiApi.h"
#include "platform/stdctrls/ImgList.h"

namespace {
void (*gModalResultHook)(TWinControl*, Integer) = nullptr;

// The pictures of the button kinds, 18 pixels square on an olive background (transparent).
void DrawKindGlyph(TBitBtnKind kind, TBitmap& glyph)
{
    glyph.SetPixelFormat(TPixelFormat::pf32bit);
    glyph.SetSize(18, 18);
    TCanvas& c = glyph.Canvas();
    c.FillRectColor(TRect{0, 0, 18, 18}, clOlive);
    c.Pen().SetWidth(3);
    const auto line = [&c](TColor colour, std::vector<TPoint> points) {
        c.Pen().SetColor(colour);
        c.Polyline(points);
    };
    const auto cross = [&](TColor colour) {
        line(colour, {{4, 4}, {13, 13}});
        line(colour, {{13, 4}, {4, 13}});
    };
    switch (kind) {
    case bkOK:
    case bkYes: line(clGreen, {{3, 9}, {7, 13}, {14, 4}}); break;
    case bkAll:
        line(clGreen, {{1, 8}, {4, 11}, {9, 4}});
        line(clGreen, {{7, 11}, {10, 14}, {16, 6}});
        break;
    case bkCancel:
    case bkNo: cross(clRed); break;
    case bkAbort:
        c.Pen().SetWidth(1);
        c.Pen().SetColor(clMaroon);
        c.Brush().SetColor(clRed);
        c.Ellipse(1, 1, 17, 17);
        c.FillRectColor(TRect{5, 8, 13, 10}, clWhite);
        break;
    case bkIgnore: line(clNavy, {{3, 14}, {14, 3}}); break;
    case bkRetry:
        line(clGreen, {{13, 5}, {9, 3}, {5, 4}, {3, 8}, {4, 12}, {8, 14}, {12, 13}});
        line(clGreen, {{10, 5}, {14, 5}, {14, 1}});
        break;
    case bkClose:
        c.Pen().SetWidth(1);
        c.Pen().SetColor(clBlack);
        c.Brush().SetColor(clTeal);
        c.Rectangle(4, 1, 14, 17);
        c.FillRectColor(TRect{10, 8, 12, 10}, clYellow);
        break;
    case bkHelp:
        line(clNavy, {{5, 6}, {6, 3}, {9, 2}, {12, 3}, {13, 6}, {9, 9}, {9, 12}});
        c.FillRectColor(TRect{8, 14, 11, 17}, clNavy);
        break;
    default: break;
    }
}
}  // namespace

void SetModalResultHook(void (*hook)(TWinControl*, Integer)) { gModalResultHook = hook; }

// ---------------------------------------------------------------- TButton
TClass TButton::StaticClass()
{
    static const TMetaClass meta("TButton", TWinControl::StaticClass(), NewComponent<TButton>, [](TMetaClass& m) {
        m.OnMessage(CM_DIALOGKEY, &TButton::CMDialogKey);
        m.OnMessage(CM_DIALOGCHAR, &TButton::CMDialogChar);
        m.OnMessage(CM_FOCUSCHANGED, &TButton::CMFocusChanged);
        m.OnMessage(WM_GETDLGCODE, &TButton::WMGetDlgCode);
        m.OnMessage(BM_SETSTATE, &TButton::BMSetState);
        m.OnMessage(BM_GETSTATE, &TButton::BMGetState);
        m.OnMessage(WM_SETFOCUS, &TButton::WMFocusChanged);
        m.OnMessage(WM_KILLFOCUS, &TButton::WMFocusChanged);
        m.OnMessage(CM_ENABLEDCHANGED, &TButton::CMEnabledChanged);
    });
    return &meta;
}

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner)
{
    // Clicks come from the toolkit's button: no csClickEvents, so mouse-up does not click again.
    FControlStyle = {csSetCaption, csDoubleClicks};
    FTabStop = true;
    FWidth = 75;
    FHeight = 25;
}

void TButton::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Kind = TWindowKind::wkButton;
}

void TButton::InitializeWindow()
{
    TWinControl::InitializeWindow();
    FActive = FDefault;
    if (FActive) Perform(BM_SETSTYLE, BS_DEFPUSHBUTTON, 1);
}

void TButton::SetDefault(bool value)
{
    if (value == FDefault) return;
    FDefault = value;
    if (!HandleAllocated()) return;
    const TWinControl* focused = GetFocus();
    if (focused && focused->FormWindow() != FormWindow()) focused = nullptr;
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(focused));
}

// A button with the focus takes Enter and shows the default frame; with none focused the
// default button does.
void TButton::CMFocusChanged(TMessage& message)
{
    const auto* focused = reinterpret_cast<const TControl*>(message.LParam);
    const bool active = dynamic_cast<const TButton*>(focused) ? focused == this : FDefault;
    if (active != FActive) {
        FActive = active;
        if (HandleAllocated()) Perform(BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
    }
    InheritedMessage(StaticClass(), message);
}

void TButton::DefaultHandler(TMessage& message)
{
    if (message.Msg == BM_SETSTYLE && HandleAllocated()) {
        WindowSystem().SetButtonDefault(FHandle, (message.WParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        return;
    }
    TWinControl::DefaultHandler(message);
}

void TButton::Click()
{
    if (FModalResult != 0 && gModalResultHook)
        if (TWinControl* form = FormWindow()) gModalResultHook(form, FModalResult);
    TWinControl::Click();
}

void TButton::CMDialogKey(TMessage& message)
{
    const Word key = static_cast<Word>(message.WParam);
    if (((key == VK_RETURN && FActive) || (key == VK_ESCAPE && FCancel)) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    InheritedMessage(StaticClass(), message);
}

// The caption's accelerator clicks the button.
void TButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
    }
}

void TButton::WMGetDlgCode(TMessage& message) { message.Result = DLGC_BUTTON; }

// ---- owner-drawn buttons

bool TButton::IsOwnerDrawnButton()
{
    TCreateParams params;
    CreateParams(params);
    return (params.Style & BS_TYPEMASK) == BS_OWNERDRAW;
}

void TButton::SetPushed(bool value)
{
    if (value == FPushed) return;
    FPushed = value;
    Invalidate();
}

void TButton::BMSetState(TMessage& message)
{
    SetPushed(message.WParam != 0);
    message.Result = 0;
}

void TButton::BMGetState(TMessage& message)
{
    message.Result = (FPushed ? UINT(BST_PUSHED) : 0u) | (Focused() ? UINT(BST_FOCUS) : 0u);
}

void TButton::WMFocusChanged(TMessage& message)
{
    if (message.Msg == WM_KILLFOCUS) {
        FSpaceDown = false;
        if (!FMouseDown) SetPushed(false);
    }
    if (IsOwnerDrawnButton()) Invalidate();
    InheritedMessage(StaticClass(), message);
}

void TButton::CMEnabledChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (IsOwnerDrawnButton()) Invalidate();
}

void TButton::PaintWindow(TCanvas& canvas)
{
    if (!IsOwnerDrawnButton()) return;
    TDrawItemStruct item;
    item.itemState = (FPushed ? Cardinal(ODS_SELECTED) : 0u) | (Focused() ? Cardinal(ODS_FOCUS) : 0u) | (Enabled() ? 0u : Cardinal(ODS_DISABLED));
    item.hwndItem = this;
    item.hDC = &canvas;
    item.rcItem = ClientRect();
    Perform(CN_DRAWITEM, 0, reinterpret_cast<std::intptr_t>(&item));
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && IsOwnerDrawnButton() && Enabled()) {
        if (CanFocus() && !Focused()) SetFocus();
        FMouseDown = true;
        SetCaptureControl(this);
        SetPushed(true);
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (FMouseDown) SetPushed(PtInRect(ClientRect(), Point(X, Y)));
    TWinControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    const bool click = Button == mbLeft && FMouseDown && FPushed;
    if (Button == mbLeft && FMouseDown) {
        FMouseDown = false;
        SetCaptureControl(nullptr);
        SetPushed(false);
    }
    TWinControl::MouseUp(Button, Shift, X, Y);
    if (click) Click();
}

void TButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && IsOwnerDrawnButton() && !FSpaceDown) {
        FSpaceDown = true;
        SetPushed(true);
    }
    TWinControl::KeyDown(Key, Shift);
}

void TButton::KeyUp(Word& Key, TShiftState Shift)
{
    const bool click = Key == VK_SPACE && FSpaceDown;
    if (click) {
        FSpaceDown = false;
        SetPushed(false);
    }
    TWinControl::KeyUp(Key, Shift);
    if (click) Click();
}

// ---------------------------------------------------------------- TBitBtn
IMPLEMENT_CLASS(TBitBtn, TButton, NewComponent<TBitBtn>)

void TBitBtn::SetKind(TBitBtnKind value)
{
    struct TKind { const char* Caption; Integer ModalResult; bool Default, Cancel; };
    static const TKind kinds[] = {
        {"", 0, false, false},          {"OK", 1, true, false},       {"Cancel", 2, false, true},
        {"&Help", 0, false, false},     {"&Yes", 6, true, false},     {"&No", 7, false, true},
        {"&Close", 11, false, false},   {"Abort", 3, false, true},    {"&Retry", 4, false, false},
        {"&Ignore", 5, false, false},   {"&All", 8, false, false}};
    FKind = value;
    if (value != bkCustom) {
        const TKind& k = kinds[value];
        SetCaption(k.Caption);
        SetModalResult(k.ModalResult);
        SetDefault(k.Default);
        SetCancel(k.Cancel);
    }
    UpdateGlyph();
}

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner)
{
    FGlyph.OnChange = [this] { UpdateGlyph(); };
}

void TBitBtn::SetNumGlyphs(Integer value)
{
    FNumGlyphs = std::clamp<Integer>(value, 1, 4);
    UpdateGlyph();
}

void TBitBtn::InitializeWindow()
{
    TButton::InitializeWindow();
    UpdateGlyph();
}

void TBitBtn::UpdateGlyph()
{
    if (!FHandle) return;
    TBitmap kindGlyph;
    TBitmap* source = &FGlyph;
    Integer count = FNumGlyphs;
    if (FGlyph.Empty() && FKind != bkCustom) {
        DrawKindGlyph(FKind, kindGlyph);
        source = &kindGlyph;
        count = 1;
    }
    const Integer width = source->Width() / count, height = source->Height();
    if (width <= 0 || height <= 0) {
        WindowSystem().SetButtonGlyph(FHandle, nullptr, nullptr);
        return;
    }
    TImageList list(nullptr);
    list.SetWidth(width);
    list.SetHeight(height);
    list.AddMasked(source, source->Canvas().Pixel(0, height - 1));
    TBitmap picture, disabled;
    for (TBitmap* b : {&picture, &disabled}) {
        b->SetPixelFormat(TPixelFormat::pf32bit);
        b->SetSize(width, height);
        b->Canvas().FillRectColor(TRect{0, 0, width, height}, clBtnFace);
    }
    list.Draw(picture.Canvas(), 0, 0, 0);
    if (count >= 2) list.Draw(disabled.Canvas(), 0, 0, 1);
    else list.Draw(disabled.Canvas(), 0, 0, 0, false);
    WindowSystem().SetButtonGlyph(FHandle, &picture, &disabled);
}

// ---------------------------------------------------------------- TSpeedButton
TClass TSpeedButton::StaticClass()
{
    static const TMetaClass meta("TSpeedButton", TGraphicControl::StaticClass(), NewComponent<TSpeedButton>,
                                 [](TMetaClass& m) {
                                     m.OnMessage(CM_TEXTCHANGED, &TSpeedButton::CMTextChanged);
                                     m.OnMessage(CM_MOUSEENTER, &TSpeedButton::CMMouseEnter);
                                     m.OnMessage(CM_MOUSELEAVE, &TSpeedButton::CMMouseLeave);
                                 });
    return &meta;
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    // Clicks come from the button's own mouse handling.
    FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 23;
    FHeight = 22;
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0) value = false;
    if (value == FDown) return;
    if (FDown && !FAllowAllUp) {
        // The only down button of its group stays down unless all may be up.
        bool other = false;
        if (Parent())
            for (Integer i = 0; i < Parent()->ControlCount(); ++i)
                if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b != this && b->FGroupIndex == FGroupIndex)
                    other = other || b->FDown;
        if (!other) return;
    }
    FDown = value;
    FState = value ? bsExclusive : bsUp;
    Invalidate();
    if (value && Parent())
        for (Integer i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b != this && b->FGroupIndex == FGroupIndex && b->FDown) {
                b->FDown = false;
                b->FState = bsUp;
                b->Invalidate();
            }
}

void TSpeedButton::SetFlat(bool value)
{
    if (FFlat == value) return;
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = bsPressed;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (ClientRect().Contains(TPoint{X, Y}) && !FDown) state = bsPressed;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    bool inside = ClientRect().Contains(TPoint{X, Y});
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    if (inside) Click();
}

void TSpeedButton::CMTextChanged(TMessage&) { Invalidate(); }

void TSpeedButton::CMMouseEnter(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    FMouseInControl = true;
    if (FFlat) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    FMouseInControl = false;
    if (FFlat) Invalidate();
}

// Raised face, sunken when pressed or down; flat buttons show an edge only under the mouse or
// when down.  The glyph and caption move one pixel down and right while pressed.
void TSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.FillRectColor(r, Color());
    bool pressed = FState == bsPressed || FState == bsExclusive;
    if (!FFlat) {
        TRect edge = r;
        DrawEdge(canvas.Handle(), &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    } else if (pressed || (FMouseInControl && Enabled())) {
        TRect edge = r;
        DrawEdge(canvas.Handle(), &edge, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    Integer shift = pressed ? 1 : 0;
    String text = GetText();
    Integer gw = FGlyph.Empty() ? 0 : FGlyph.Width(), gh = FGlyph.Empty() ? 0 : FGlyph.Height();
    canvas.Font().Assign(Font());
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    TRect textRect{0, 0, 0, 0};
    if (!text.IsEmpty()) DrawText(canvas.Handle(), text, text.Length(), &textRect, DT_CALCRECT | DT_SINGLELINE);
    Integer tw = textRect.Width(), th = textRect.Height();
    Integer spacing = gw > 0 && tw > 0 ? 4 : 0;
    bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    Integer total = horizontal ? gw + spacing + tw : gh + spacing + th;
    Integer start = ((horizontal ? Width() : Height()) - total) / 2 + shift;
    TPoint glyphAt, textAt;
    if (horizontal) {
        Integer glyphX = FLayout == blGlyphLeft ? start : start + tw + spacing;
        Integer textX = FLayout == blGlyphLeft ? start + gw + spacing : start;
        glyphAt = {glyphX, (Height() - gh) / 2 + shift};
        textAt = {textX, (Height() - th) / 2 + shift};
    } else {
        Integer glyphY = FLayout == blGlyphTop ? start : start + th + spacing;
        Integer textY = FLayout == blGlyphTop ? start + gh + spacing : start;
        glyphAt = {(Width() - gw) / 2 + shift, glyphY};
        textAt = {(Width() - tw) / 2 + shift, textY};
    }
    if (gw > 0) canvas.Draw(glyphAt.X, glyphAt.Y, FGlyph);
    if (!text.IsEmpty()) {
        TRect t{textAt.X, textAt.Y, textAt.X + tw, textAt.Y + th};
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        DrawText(canvas.Handle(), text, text.Length(), &t, DT_SINGLELINE);
    }
}
