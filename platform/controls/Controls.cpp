// The control: TControl (bounds, parent, visibility, colours and fonts, the mouse messages) and the
// bases TCustomControl and TGraphicControl; the key and shift helpers, the cursor table and the hooks.
#include "platform/controls/Controls.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>

#include "platform/controls/Controls_internal.h"
#include "platform/rtl/RtlMath.h"
#include "platform/stdctrls/Menus.h"

using namespace ControlsKernel;

TMouse* Mouse = new TMouse;

namespace ControlsKernel {

std::set<const TControl*>& LiveControls()
{
    static std::set<const TControl*> live;
    return live;
}

std::function<void(TControl*)>& MouseOverHook()
{
    static std::function<void(TControl*)> hook;
    return hook;
}

std::function<void(TObject*)>& ExceptionHandler()
{
    static std::function<void(TObject*)> handler;
    return handler;
}

TControl* gCaptureControl = nullptr;

std::deque<TPosted>& PostedQueue()
{
    static std::deque<TPosted> queue;
    return queue;
}

TPoint SurfaceOrigin(const TControl* control, TWinControl*& surfaceOwner)
{
    TPoint p{0, 0};
    const TControl* c = control;
    while (c && !dynamic_cast<const TWinControl*>(c)) {
        p.X += c->Left();
        p.Y += c->Top();
        c = c->Parent();
    }
    surfaceOwner = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
    if (surfaceOwner) {
        Integer b = surfaceOwner->BorderWidthNC();
        p.X += b;
        p.Y += b;
    }
    return p;
}

}  // namespace ControlsKernel

// ---------------------------------------------------------------- helpers
bool IsAccel(Word VK, const String& Str)
{
    for (int i = 1; i < Str.Length(); ++i)
        if (Str[i] == u'&') {
            if (Str[i + 1] == u'&') {
                ++i;
                continue;
            }
            return AnsiUpperCase(String::FromChar(Str[i + 1])) == AnsiUpperCase(String::FromChar(static_cast<char16_t>(VK)));
        }
    return false;
}

TShiftState KeyDataToShiftState(Integer keyData)
{
    TShiftState s;
    if (keyData & 0x1) s.Include(ssShift);
    if (keyData & 0x2) s.Include(ssCtrl);
    if (keyData & 0x20000000) s.Include(ssAlt);
    return s;
}

Integer ShiftStateToKeyData(TShiftState shift)
{
    Integer d = 0;
    if (shift.Contains(ssShift)) d |= 0x1;
    if (shift.Contains(ssCtrl)) d |= 0x2;
    if (shift.Contains(ssAlt)) d |= 0x20000000;
    return d;
}

TShiftState KeysToShiftState(Cardinal keys)
{
    TShiftState s;
    if (keys & MK_SHIFT) s.Include(ssShift);
    if (keys & MK_CONTROL) s.Include(ssCtrl);
    if (keys & MK_LBUTTON) s.Include(ssLeft);
    if (keys & MK_RBUTTON) s.Include(ssRight);
    if (keys & MK_MBUTTON) s.Include(ssMiddle);
    return s;
}

Cardinal ShiftStateToKeys(TShiftState shift)
{
    Cardinal k = 0;
    if (shift.Contains(ssShift)) k |= MK_SHIFT;
    if (shift.Contains(ssCtrl)) k |= MK_CONTROL;
    if (shift.Contains(ssLeft)) k |= MK_LBUTTON;
    if (shift.Contains(ssRight)) k |= MK_RBUTTON;
    if (shift.Contains(ssMiddle)) k |= MK_MBUTTON;
    return k;
}

namespace {
std::map<Integer, TCursor>& CursorTable()
{
    static std::map<Integer, TCursor> table;
    return table;
}
}  // namespace

void SetCursorHandle(Integer index, TCursor handle) { CursorTable()[index] = handle; }

TCursor CursorHandle(Integer index)
{
    auto it = CursorTable().find(index);
    if (it != CursorTable().end()) return it->second;
    return index <= 0 ? static_cast<TCursor>(index) : crDefault;
}

void SetMouseOverHook(std::function<void(TControl*)> hook) { MouseOverHook() = std::move(hook); }

namespace {
std::function<bool(TWinControl*, Word)>& KeyPreviewHook()
{
    static std::function<bool(TWinControl*, Word)> hook;
    return hook;
}
}  // namespace

void SetKeyPreviewHook(std::function<bool(TWinControl*, Word)> hook) { KeyPreviewHook() = std::move(hook); }

bool PreviewKey(TWinControl* window, Word key)
{
    // A copy: the hook may remove itself.
    auto hook = KeyPreviewHook();
    return hook && hook(window, key);
}

String GetShortHint(const String& Hint)
{
    const int bar = Pos("|", Hint);
    return bar == 0 ? Hint : Copy(Hint, 1, bar - 1);
}

String GetLongHint(const String& Hint)
{
    const int bar = Pos("|", Hint);
    return bar == 0 ? Hint : Copy(Hint, bar + 1);
}

void SetExceptionHandler(std::function<void(TObject*)> handler) { ExceptionHandler() = std::move(handler); }

void CallProtected(TObject* sender, const std::function<void()>& fn)
{
    try {
        fn();
    } catch (...) {
        try {
            if (ExceptionHandler()) {
                ExceptionHandler()(sender);
            } else {
                try {
                    throw;
                } catch (const std::exception& e) {
                    std::fprintf(stderr, "%s\n", e.what());
                }
            }
        } catch (...) {
            std::fprintf(stderr, "exception in the exception handler\n");
        }
    }
}

// ---------------------------------------------------------------- TSizeConstraints
IMPLEMENT_CLASS(TSizeConstraints, TPersistent, NewObject<TSizeConstraints>)

void TSizeConstraints::SetMinWidth(Integer v) { if (v != FMinWidth) { FMinWidth = v; Changed(); } }
void TSizeConstraints::SetMinHeight(Integer v) { if (v != FMinHeight) { FMinHeight = v; Changed(); } }
void TSizeConstraints::SetMaxWidth(Integer v) { if (v != FMaxWidth) { FMaxWidth = v; Changed(); } }
void TSizeConstraints::SetMaxHeight(Integer v) { if (v != FMaxHeight) { FMaxHeight = v; Changed(); } }

void TSizeConstraints::Assign(TPersistent* source)
{
    if (auto* c = dynamic_cast<TSizeConstraints*>(source)) {
        FMinWidth = c->FMinWidth;
        FMinHeight = c->FMinHeight;
        FMaxWidth = c->FMaxWidth;
        FMaxHeight = c->FMaxHeight;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TSizeConstraints::Apply(Integer& width, Integer& height) const
{
    if (FMaxWidth > 0 && width > FMaxWidth) width = FMaxWidth;
    if (FMaxHeight > 0 && height > FMaxHeight) height = FMaxHeight;
    if (width < FMinWidth) width = FMinWidth;
    if (height < FMinHeight) height = FMinHeight;
}

void TSizeConstraints::Changed()
{
    if (FControl) FControl->SetBounds(FControl->Left(), FControl->Top(), FControl->Width(), FControl->Height());
}

// ---------------------------------------------------------------- TControl
TClass TControl::StaticClass()
{
    static const TMetaClass meta("TControl", TComponent::StaticClass(), NewComponent<TControl>, [](TMetaClass& m) {
        m.OnMessage(WM_LBUTTONDOWN, &TControl::WMLButtonDown);
        m.OnMessage(WM_LBUTTONUP, &TControl::WMLButtonUp);
        m.OnMessage(WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk);
        m.OnMessage(WM_RBUTTONDOWN, &TControl::WMRButtonDown);
        m.OnMessage(WM_RBUTTONUP, &TControl::WMRButtonUp);
        m.OnMessage(WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk);
        m.OnMessage(WM_MBUTTONDOWN, &TControl::WMMButtonDown);
        m.OnMessage(WM_MBUTTONUP, &TControl::WMMButtonUp);
        m.OnMessage(WM_MOUSEMOVE, &TControl::WMMouseMove);
        m.OnMessage(WM_CONTEXTMENU, &TControl::WMContextMenu);
        m.OnMessage(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged);
        m.OnMessage(CM_VISIBLECHANGED, &TControl::CMVisibleChanged);
        m.OnMessage(CM_FONTCHANGED, &TControl::CMFontChanged);
        m.OnMessage(CM_COLORCHANGED, &TControl::CMColorChanged);
        m.OnMessage(CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged);
        m.OnMessage(CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged);
        m.OnMessage(CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged);
        m.OnMessage(CM_TEXTCHANGED, &TControl::CMTextChanged);
        m.OnMessage(CM_MOUSEENTER, &TControl::CMMouseEnter);
        m.OnMessage(CM_MOUSELEAVE, &TControl::CMMouseLeave);
        m.OnMessage(CM_HITTEST, &TControl::CMHitTest);
    });
    return &meta;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner)
{
    LiveControls().insert(this);
    WindowProc = TWndMethod(this, &TControl::WndProc);
    FFont.OnChange = [this] { FontChanged(); };
}

TControl::~TControl()
{
    Destroying();
    if (gCaptureControl == this) gCaptureControl = nullptr;
    ForgetDragControl(this);
    if (FParent) {
        if (TWinControl* form = FormWindow(); form && form != this) form->ControlGone(this);
        FParent->RemoveControl(this);
    }
    LiveControls().erase(this);
}

void TControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_LBUTTONDBLCLK && !FControlStyle.Contains(csDoubleClicks)) message.Msg = WM_LBUTTONDOWN;
    if (IsMouseMessage(message.Msg)) {
        if (DragMouseInput(message)) return;
        if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) &&
            FControlStyle.Contains(csCaptureMouse))
            SetCaptureControl(this);
        else if (message.Msg == WM_LBUTTONUP && gCaptureControl == this)
            SetCaptureControl(nullptr);
    }
    Dispatch(message);
}

std::intptr_t TControl::Perform(Cardinal msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::MainWndProc(TMessage& message)
{
    NoteInputState(message);
    CallProtected(this, [&] { WindowProc(message); });
}

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    // The largest coordinate or size a control takes, far beyond any screen: bounds outside it
    // (a damaged form description) are cut, so that no sum of them overflows.
    constexpr Integer MaxCoordinate = 1 << 24;
    for (Integer* v : {&ALeft, &ATop, &AWidth, &AHeight}) *v = std::clamp(*v, -MaxCoordinate, MaxCoordinate);
    if (!ComponentState().Contains(csLoading)) {
        if ((AWidth != FWidth || AHeight != FHeight) && !CanResize(AWidth, AHeight)) return;
        FConstraints.Apply(AWidth, AHeight);
        if (FAutoSize) CanAutoSize(AWidth, AHeight);
    }
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    TRect old = BoundsRect();
    if (FParent && !dynamic_cast<TWinControl*>(this)) {
        Invalidate();
    }
    UpdateBoundsRect(Bounds(ALeft, ATop, AWidth, AHeight));
    FAnchorsKnown = false;
    if (FParent) {
        if (!dynamic_cast<TWinControl*>(this)) Invalidate();
        FParent->ChildPlacementChanged(this);
    }
    if (old.Width() != AWidth || old.Height() != AHeight) Resize();
}

void TControl::UpdateBoundsRect(const TRect& r)
{
    FLeft = r.Left;
    FTop = r.Top;
    FWidth = r.Width();
    FHeight = r.Height();
}

TRect TControl::ClientRect() const { return Rect(0, 0, FWidth, FHeight); }

void TControl::SetClientWidth(Integer v) { SetWidth(FWidth - ClientWidth() + v); }
void TControl::SetClientHeight(Integer v) { SetHeight(FHeight - ClientHeight() + v); }

TPoint TControl::ClientOrigin() const
{
    if (!FParent) return {FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

TPoint TControl::ClientToParent(TPoint p, TWinControl* AParent) const
{
    if (!AParent) AParent = FParent;
    const TControl* c = this;
    while (c && c != AParent) {
        p.X += c->Left();
        p.Y += c->Top();
        c = c->Parent();
    }
    if (!c) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    return p;
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign) return;
    FAlign = value;
    if (FParent) FParent->Realign();
}

void TControl::SetAnchors(TAnchors value)
{
    FAnchors = value;
    FAnchorsKnown = false;
}

void TControl::SetAutoSize(bool value)
{
    if (value == FAutoSize) return;
    FAutoSize = value;
    if (value) AdjustSize();
}

bool TControl::CanAutoSize(Integer&, Integer&) { return false; }

void TControl::AdjustSize()
{
    if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == FParent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        ParentChanged();
    }
}

void TControl::ParentChanged()
{
    if (!FParent) return;
    if (FParentFont) Perform(CM_PARENTFONTCHANGED);
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED);
    if (FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
    Perform(CM_PARENTCTL3DCHANGED);
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible) return;
    VisibleChanging();
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value);
    if (FParent) FParent->ChildPlacementChanged(this);
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled) return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED);
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::BringToFront()
{
    if (!FParent) return;
    auto& list = FParent->FControls;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        WindowSystem().BringToFront(w->WindowHandle());
    else
        Invalidate();
}

TWinControl* TControl::FormWindow() const
{
    const TControl* c = this;
    const TControl* top = c;
    for (; c; c = c->FParent) {
        if (auto* w = dynamic_cast<const TWinControl*>(c); w && w->IsFormWindow()) return const_cast<TWinControl*>(w);
        top = c;
    }
    return const_cast<TWinControl*>(dynamic_cast<const TWinControl*>(top));
}

String TControl::GetText() const { return FText; }

void TControl::SetText(const String& value)
{
    if (value == GetText()) return;
    FText = value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor value)
{
    if (value == FColor) {
        FParentColor = false;
        return;
    }
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    if (value == FParentColor) return;
    FParentColor = value;
    if (value && FParent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::FontChanged()
{
    if (!FSettingFont) FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::ScaleForPPI(Integer NewPPI)
{
    if (NewPPI > 0 && NewPPI != FCurrentPPI) ChangeScale(NewPPI, FCurrentPPI);
}

void TControl::ChangeScale(Integer M, Integer D)
{
    if (M == D || D == 0) return;
    SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
    if (!FParentFont) FFont.SetHeight(MulDiv(FFont.Height(), M, D));
    FCurrentPPI = MulDiv(FCurrentPPI, M, D);
}

void TControl::SetParentFont(bool value)
{
    if (value == FParentFont) return;
    FParentFont = value;
    if (value && FParent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCursor(TCursor value)
{
    if (value == FCursor) return;
    FCursor = value;
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        WindowSystem().SetCursor(w->WindowHandle(), CursorHandle(value));
}

void TControl::SetShowHint(bool value)
{
    FShowHint = value;
    FParentShowHint = false;
}

void TControl::SetParentShowHint(bool value)
{
    if (value == FParentShowHint) return;
    FParentShowHint = value;
    if (value && FParent) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FPopupMenu) FPopupMenu = nullptr;
    if (FActionLink && AComponent == FActionLink->Action()) SetAction(nullptr);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* Value)
{
    if (auto* w = dynamic_cast<TWinControl*>(Value)) SetParent(w);
}

void TControl::Invalidate()
{
    if (FParent && FVisible) FParent->InvalidateRect(BoundsRect(), !FControlStyle.Contains(csOpaque));
}

void TControl::Update()
{
    if (FParent) FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) { OnMouseDown(this, Button, Shift, X, Y); }
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) { OnMouseUp(this, Button, Shift, X, Y); }
void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y) { OnMouseMove(this, Shift, X, Y); }
void TControl::Resize() { OnResize(this); }

bool TControl::CanResize(Integer& NewWidth, Integer& NewHeight)
{
    bool resize = true;
    OnCanResize(this, NewWidth, NewHeight, resize);
    return resize;
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (FParent) ParentChanged();
    if (TBasicAction* action = Action()) ActionChange(action, true);
    if (FAutoSize) AdjustSize();
}

void TControl::DoMouseDown(TMessage& message, TMouseButton button, TShiftState extra)
{
    if (button == mbLeft && !(extra.Contains(ssDouble))) {
        if (TWinControl* form = FormWindow()) form->SendCancelMode(this);
        if (!LiveControls().contains(this)) return;
    }
    DefaultHandler(message);
    if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    TPoint p = MessagePoint(message);
    MouseDown(button, KeysToShiftState(static_cast<Cardinal>(message.WParam)) + extra, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& message, TMouseButton button)
{
    DefaultHandler(message);
    TPoint p = MessagePoint(message);
    if (button == mbLeft && FControlState.Contains(csClicked)) {
        FControlState.Exclude(csClicked);
        if (ClientRect().Contains(p)) Click();
    }
    if (!LiveControls().contains(this)) return;
    MouseUp(button, KeysToShiftState(static_cast<Cardinal>(message.WParam)), p.X, p.Y);
}

void TControl::WMLButtonDown(TMessage& message) { DoMouseDown(message, mbLeft, {}); }
void TControl::WMLButtonUp(TMessage& message) { DoMouseUp(message, mbLeft); }
void TControl::WMLButtonDblClk(TMessage& message)
{
    DefaultHandler(message);
    if (FControlStyle.Contains(csClickEvents)) DblClick();
    if (!LiveControls().contains(this)) return;
    TPoint p = MessagePoint(message);
    MouseDown(mbLeft, KeysToShiftState(static_cast<Cardinal>(message.WParam)) + TShiftState{ssDouble}, p.X, p.Y);
}
void TControl::WMRButtonDown(TMessage& message) { DoMouseDown(message, mbRight, {}); }
void TControl::WMRButtonUp(TMessage& message)
{
    DoMouseUp(message, mbRight);
    if (!LiveControls().contains(this) || message.Result != 0) return;
    // A right click that nobody took asks for the context menu (screen coordinates).
    TPoint s = ClientToScreen(MessagePoint(message));
    Perform(WM_CONTEXTMENU, 0, MakeLParam(s.X, s.Y));
}
void TControl::WMRButtonDblClk(TMessage& message) { DoMouseDown(message, mbRight, {ssDouble}); }
void TControl::WMMButtonDown(TMessage& message) { DoMouseDown(message, mbMiddle, {}); }
void TControl::WMMButtonUp(TMessage& message) { DoMouseUp(message, mbMiddle); }
void TControl::WMMouseMove(TMessage& message)
{
    DefaultHandler(message);
    TPoint p = MessagePoint(message);
    MouseMove(KeysToShiftState(static_cast<Cardinal>(message.WParam)), p.X, p.Y);
}

void TControl::WMContextMenu(TMessage& message)
{
    TPoint screen{LoSmall(message.LParam), HiSmall(message.LParam)};
    bool handled = false;
    OnContextPopup(this, ScreenToClient(screen), handled);
    if (handled) {
        message.Result = 1;
        return;
    }
    if (FPopupMenu && FPopupMenu->AutoPopup()) {
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(screen.X, screen.Y);
        message.Result = 1;
        return;
    }
    if (FParent) message.Result = FParent->Perform(WM_CONTEXTMENU, message.WParam, message.LParam);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { if (FParent) FParent->InvalidateRect(BoundsRect(), true); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&)
{
    if (!FParentFont || !FParent) return;
    FSettingFont = true;
    FFont.Assign(FParent->Font());
    FSettingFont = false;
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (!FParentColor || !FParent) return;
    if (FColor != FParent->Color()) {
        FColor = FParent->Color();
        Perform(CM_COLORCHANGED);
    }
    FParentColor = true;
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (FParentShowHint && FParent) FShowHint = FParent->ShowHint();
}

void TControl::CMMouseEnter(TMessage& message)
{
    if (FParent) FParent->Perform(CM_MOUSEENTER, 0, message.LParam ? message.LParam : reinterpret_cast<std::intptr_t>(this));
    if (!message.LParam) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage& message)
{
    if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, message.LParam ? message.LParam : reinterpret_cast<std::intptr_t>(this));
    if (!message.LParam) OnMouseLeave(this);
}

void TControl::CMHitTest(TMessage& message) { message.Result = HTCLIENT; }

// ---------------------------------------------------------------- TCustomControl
IMPLEMENT_CLASS(TCustomControl, TWinControl, NewComponent<TCustomControl>)

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}
TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas()
{
    if (FPaintCopyCanvas) return *FPaintCopyCanvas;
    if (!FInPaint) HandleNeeded();
    return WindowCanvas();
}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(TCanvas&) { Paint(); }

// ---------------------------------------------------------------- TGraphicControl
TClass TGraphicControl::StaticClass()
{
    static const TMetaClass meta("TGraphicControl", TControl::StaticClass(), NewComponent<TGraphicControl>,
                                 [](TMetaClass& m) { m.OnMessage(WM_PAINT, &TGraphicControl::WMPaint); });
    return &meta;
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}
TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas()
{
    if (FPaintCanvas) return *FPaintCanvas;
    TWinControl* owner = nullptr;
    TPoint origin = SurfaceOrigin(this, owner);
    if (owner) owner->HandleNeeded();
    if (owner && owner->Surface()) {
        TRect client = owner->ClientRect();
        Integer b = owner->BorderWidthNC();
        OffsetRect(client, b, b);
        TRect mine = Bounds(origin.X, origin.Y, FWidth, FHeight);
        TRect clip;
        IntersectRect(clip, client, mine);
        FCanvas.Attach(owner->Surface(), origin, TRegion(clip));
    }
    return FCanvas;
}

void TGraphicControl::Paint() {}

// Paints onto the device context the message carries: its parent's canvas, or that of someone
// who copies the control's picture.
void TGraphicControl::WMPaint(TMessage& message)
{
    auto* canvas = reinterpret_cast<TCanvas*>(message.WParam);
    if (!canvas) return;
    TCanvas* const outer = FPaintCanvas;
    FPaintCanvas = canvas;
    try {
        Paint();
    } catch (...) {
        FPaintCanvas = outer;
        throw;
    }
    FPaintCanvas = outer;
}
