#include "platform/controls/Controls.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <exception>
#include <map>
#include <set>

#include "platform/stdctrls/Menus.h"

TMouse* Mouse = new TMouse;

namespace {

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

struct TPosted {
    HWND Window;
    TMessage Message;
};
std::deque<TPosted>& PostedQueue()
{
    static std::deque<TPosted> queue;
    return queue;
}

bool IsMouseMessage(Cardinal msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

TPoint MessagePoint(const TMessage& m) { return {LoSmall(m.LParam), HiSmall(m.LParam)}; }

// The parent's surface point of a control's client origin.
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

}  // namespace

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

// ---------------------------------------------------------------- surface and canvas
bool TWindowSurface::GetPixels(TPixelBuffer& buffer)
{
    if (FPixels.empty()) return false;
    buffer.Bits = FPixels.data();
    buffer.Width = FWidth;
    buffer.Height = FHeight;
    buffer.Stride = FWidth;
    return true;
}

void TWindowSurface::Changed(const TRect& deviceArea)
{
    if (!FOwner->FInPaint && FOwner->HandleAllocated()) WindowSystem().ShowArea(FOwner->WindowHandle(), deviceArea);
}

void TWindowSurface::Resize(Integer width, Integer height, Cardinal fill)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    std::vector<Cardinal> pixels(static_cast<size_t>(width) * height, fill);
    for (Integer y = 0; y < std::min(height, FHeight); ++y)
        std::copy_n(FPixels.begin() + static_cast<ptrdiff_t>(y) * FWidth, std::min(width, FWidth),
                    pixels.begin() + static_cast<ptrdiff_t>(y) * width);
    FPixels = std::move(pixels);
    FWidth = width;
    FHeight = height;
}

void TWindowSurface::Scroll(const TRect& area, Integer dx, Integer dy)
{
    TRect r;
    if (!IntersectRect(r, area, Rect(0, 0, FWidth, FHeight))) return;
    std::vector<Cardinal> copy(FPixels);
    for (Integer y = r.Top; y < r.Bottom; ++y)
        for (Integer x = r.Left; x < r.Right; ++x) {
            Integer sx = x - dx, sy = y - dy;
            if (sx >= r.Left && sx < r.Right && sy >= r.Top && sy < r.Bottom)
                FPixels[static_cast<size_t>(y) * FWidth + x] = copy[static_cast<size_t>(sy) * FWidth + sx];
        }
}

void TControlCanvas::Attach(TWindowSurface* surface, TPoint origin, const TRegion& clip)
{
    SetDevice(surface);
    if (!surface) return;
    SetViewportOrg(origin.X, origin.Y);
    SelectClipRgn(&clip);
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
    CallProtected(this, [&] { WindowProc(message); });
}

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    if (!ComponentState().Contains(csLoading)) {
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
        if (FAlign != alNone) FParent->Realign();
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
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible) return;
    VisibleChanging();
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value);
    if (FParent && FAlign != alNone) FParent->Realign();
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
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
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

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) { OnMouseDown(this, Button, Shift, X, Y); }
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) { OnMouseUp(this, Button, Shift, X, Y); }
void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y) { OnMouseMove(this, Shift, X, Y); }
void TControl::Resize() { OnResize(this); }

void TControl::Loaded()
{
    TComponent::Loaded();
    if (FParent) ParentChanged();
    if (FAutoSize) AdjustSize();
}

void TControl::DoMouseDown(TMessage& message, TMouseButton button, TShiftState extra)
{
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

// ---------------------------------------------------------------- TWinControl
TClass TWinControl::StaticClass()
{
    static const TMetaClass meta("TWinControl", TControl::StaticClass(), NewComponent<TWinControl>, [](TMetaClass& m) {
        m.OnMessage(WM_PAINT, &TWinControl::WMPaint);
        m.OnMessage(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
        m.OnMessage(WM_NCPAINT, &TWinControl::WMNCPaint);
        m.OnMessage(WM_KEYDOWN, &TWinControl::WMKeyDown);
        m.OnMessage(WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
        m.OnMessage(WM_KEYUP, &TWinControl::WMKeyUp);
        m.OnMessage(WM_SYSKEYUP, &TWinControl::WMKeyUp);
        m.OnMessage(WM_CHAR, &TWinControl::WMChar);
        m.OnMessage(WM_SYSCHAR, &TWinControl::WMSysChar);
        m.OnMessage(WM_SETFOCUS, &TWinControl::WMSetFocus);
        m.OnMessage(WM_KILLFOCUS, &TWinControl::WMKillFocus);
        m.OnMessage(WM_MOUSEWHEEL, &TWinControl::WMMouseWheel);
        m.OnMessage(WM_SIZE, &TWinControl::WMSize);
        m.OnMessage(WM_GETDLGCODE, &TWinControl::WMGetDlgCode);
        m.OnMessage(CM_ENTER, &TWinControl::CMEnter);
        m.OnMessage(CM_EXIT, &TWinControl::CMExit);
        m.OnMessage(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
        m.OnMessage(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
        m.OnMessage(CM_FONTCHANGED, &TWinControl::CMFontChanged);
        m.OnMessage(CM_COLORCHANGED, &TWinControl::CMColorChanged);
        m.OnMessage(CM_TEXTCHANGED, &TWinControl::CMTextChanged);
        m.OnMessage(CM_SHOWINGCHANGED, &TWinControl::CMShowingChanged);
    });
    return &meta;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner)
{
    FBrush.SetColor(FColor);
}

TWinControl::~TWinControl()
{
    Destroying();
    // Children go first, so that no toolkit widget dies with ours while its control lives.
    while (!FControls.empty()) delete FControls.back();
    DestroyHandle();
}

HWND TWinControl::Handle()
{
    if (!FHandle) CreateHandle();
    return this;
}

void TWinControl::CreateHandle()
{
    if (FHandle) return;
    if (FParent) FParent->HandleNeeded();
    CreateWnd();
    for (TControl* c : std::vector<TControl*>(FControls))
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    Params.Kind = TWindowKind::wkCustom;
}

void TWinControl::CreateWnd()
{
    FControlState.Include(csCreating);
    TCreateParams params;
    CreateParams(params);
    FHandle = WindowSystem().CreateWindow(this, params.Kind);
    if (IsOwnerDrawn() && !FSurface) FSurface = std::make_unique<TWindowSurface>(this);
    InitializeWindow();
    FControlState.Exclude(csCreating);
}

bool TWinControl::IsOwnerDrawn() const
{
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    return params.Kind == TWindowKind::wkCustom || params.Kind == TWindowKind::wkForm ||
           params.Kind == TWindowKind::wkMDIForm || params.Kind == TWindowKind::wkMDIChild ||
           params.Kind == TWindowKind::wkHint;
}

void TWinControl::InitializeWindow()
{
    TWindowSystem& ws = WindowSystem();
    if (FParent && FParent->HandleAllocated()) ws.SetParent(FHandle, FParent->WindowHandle());
    ws.SetText(FHandle, FText);
    ws.SetFont(FHandle, FFont);
    ws.SetEnabled(FHandle, FEnabled);
    ws.SetCursor(FHandle, CursorHandle(FCursor));
    ws.SetBounds(FHandle, BoundsRect());
    if (FSurface) {
        TSize s = SurfaceSize();
        FSurface->Resize(s.cx, s.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
        FUpdateRegion = TRegion(Rect(0, 0, s.cx, s.cy));
        FErasePending = true;
    }
    UpdateScrollBars();
    ws.SetVisible(FHandle, FVisible && (!FParent || FParent->HandleAllocated()));
}

void TWinControl::DestroyWnd()
{
    if (!FHandle) return;
    FText = GetText();
    TWindowHandle* h = FHandle;
    FHandle = nullptr;
    WindowSystem().DestroyWindow(h);
}

void TWinControl::DestroyHandle()
{
    if (!FHandle) return;
    FControlState.Include(csDestroyingHandle);
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    DestroyWnd();
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd()
{
    if (!FHandle) return;
    FControlState.Include(csRecreating);
    DestroyHandle();
    FSurface.reset();
    FWindowCanvas.reset();
    CreateHandle();
    FControlState.Exclude(csRecreating);
}

void TWinControl::DefaultHandler(TMessage& message)
{
    for (auto it = FNativeDefaults.rbegin(); it != FNativeDefaults.rend(); ++it) {
        TNativeDefault* d = *it;
        if (d->Msg == message.Msg && !d->Done) {
            d->Done = true;
            d->Run(message);
            return;
        }
    }
    switch (message.Msg) {
    case WM_GETTEXT:
        message.Result = 0;
        break;
    case WM_SETTEXT:
        if (FHandle) WindowSystem().SetText(FHandle, String(reinterpret_cast<const char16_t*>(message.LParam)));
        message.Result = 1;
        break;
    default:
        break;
    }
}

void TWinControl::WndProc(TMessage& message)
{
    if (IsMouseMessage(message.Msg)) {
        TControl* capture = gCaptureControl;
        if (capture && capture != this && capture->FParent == this && !dynamic_cast<TWinControl*>(capture)) {
            RouteMouse(message);
            return;
        }
        if (!capture || capture == this) {
            TControl* child = ControlAtPos(MessagePoint(message));
            if (message.Msg == WM_MOUSEMOVE && MouseOverHook()) MouseOverHook()(child ? child : this);
            if (message.Msg == WM_MOUSEMOVE && child != FMouseControl) {
                TControl* old = FMouseControl;
                FMouseControl = child;
                if (old && LiveControls().contains(old)) old->Perform(CM_MOUSELEAVE);
                if (child) child->Perform(CM_MOUSEENTER);
            }
            if (child) {
                RouteMouse(message);
                return;
            }
        }
    }
    TControl::WndProc(message);
}

void TWinControl::RouteMouse(TMessage& message)
{
    TPoint p = MessagePoint(message);
    TControl* target = gCaptureControl && gCaptureControl->FParent == this ? gCaptureControl : ControlAtPos(p);
    if (!target) return;
    TMessage m = message;
    m.LParam = MakeLParam(p.X - target->Left(), p.Y - target->Top());
    target->WindowProc(m);
    message.Result = m.Result;
}

void TWinControl::InsertControl(TControl* AControl)
{
    AControl->FParent = this;
    FControls.push_back(AControl);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
        FTabList.push_back(w);
        if (FHandle) {
            if (w->FHandle) WindowSystem().SetParent(w->FHandle, FHandle);
            w->HandleNeeded();
            WindowSystem().SetBounds(w->FHandle, w->BoundsRect());
            WindowSystem().SetVisible(w->FHandle, w->FVisible);
        }
    } else {
        AControl->Invalidate();
    }
    if (AControl->Align() != alNone) Realign();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<std::intptr_t>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    if (FMouseControl == AControl) FMouseControl = nullptr;
    if (!dynamic_cast<TWinControl*>(AControl)) AControl->Invalidate();
    FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), AControl), FTabList.end());
    if (TWinControl* form = FormWindow()) form->ControlGone(AControl);
    AControl->FParent = nullptr;
    if (AControl->Align() != alNone) Realign();
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    TComponent::GetChildren(Proc, Root);
    for (TControl* c : std::vector<TControl*>(FControls))
        if (c->Owner() == Root) Proc(c);
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->FParent)
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool AllowDisabled, bool AllowWinControls) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->Visible() || (!c->Enabled() && !AllowDisabled)) continue;
        if (!c->BoundsRect().Contains(pos)) continue;
        TMessage hit{CM_HITTEST, 0, MakeLParam(pos.X - c->Left(), pos.Y - c->Top()), 0};
        c->WindowProc(hit);
        if (hit.Result != 0) return c;
    }
    return nullptr;
}

TControl* TWinControl::FindChildControl(const String& name) const
{
    for (TControl* c : FControls)
        if (SameText(c->Name(), name)) return c;
    return nullptr;
}

void TWinControl::EnableAlign()
{
    if (--FAlignLevel == 0) Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    FControlState.Exclude(csAlignmentNeeded);
    TRect r = ClientRect();
    AdjustClientRect(r);
    AlignControls(nullptr, r);
}

void TWinControl::AlignControl(TControl*) { Realign(); }

void TWinControl::AlignControls(TControl*, TRect& r)
{
    ++FAlignLevel;
    auto place = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        // Controls of one alignment keep their order along the edge they stick to.
        std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            TRect b = c->BoundsRect();
            switch (align) {
            case alTop: b = Bounds(r.Left, r.Top, r.Width(), c->Height()); r.Top += c->Height(); break;
            case alBottom: b = Bounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height()); r.Bottom -= c->Height(); break;
            case alLeft: b = Bounds(r.Left, r.Top, c->Width(), r.Height()); r.Left += c->Width(); break;
            case alRight: b = Bounds(r.Right - c->Width(), r.Top, c->Width(), r.Height()); r.Right -= c->Width(); break;
            case alClient: b = r; break;
            default: break;
            }
            c->SetBounds(b.Left, b.Top, std::max(b.Width(), 0), std::max(b.Height(), 0));
        }
    };
    place(alTop);
    place(alBottom);
    place(alLeft);
    place(alRight);
    place(alClient);
    --FAlignLevel;
}

void TWinControl::ApplyAnchors(TSize oldClient)
{
    TRect client = ClientRect();
    Integer dx = client.Width() - oldClient.cx, dy = client.Height() - oldClient.cy;
    if ((dx == 0 && dy == 0) || oldClient.cx <= 0 || oldClient.cy <= 0) return;
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (c->Align() != alNone) continue;
        TAnchors a = c->Anchors();
        Integer l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft)) w += dx;
            else l += dx;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop)) h += dy;
            else t += dy;
        }
        if (l != c->Left() || t != c->Top() || w != c->Width() || h != c->Height()) c->SetBounds(l, t, w, h);
    }
}

void TWinControl::UpdateBoundsRect(const TRect& r)
{
    TRect oldClient = ClientRect();
    TControl::UpdateBoundsRect(r);
    if (FHandle) WindowSystem().SetBounds(FHandle, r);
    TRect newClient = ClientRect();
    UpdateScrollBars();
    if (oldClient.Width() != newClient.Width() || oldClient.Height() != newClient.Height()) {
        if (FSurface) {
            TSize s = SurfaceSize();
            FSurface->Resize(s.cx, s.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
            InvalidateRect(ClientRect(), true);
            FUpdateRegion = TRegion(Rect(0, 0, s.cx, s.cy));
        }
        if (!ComponentState().Contains(csLoading)) ApplyAnchors({oldClient.Width(), oldClient.Height()});
        Realign();
        Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(newClient.Width(), newClient.Height()));
    }
}

void TWinControl::WindowResized(Integer width, Integer height)
{
    TSize surface = SurfaceSize();
    if (width == FWidth && height == FHeight && FSurface && FSurface->Width() == surface.cx &&
        FSurface->Height() == surface.cy)
        return;
    TRect r = Bounds(FLeft, FTop, width, height);
    TRect oldClient = ClientRect();
    TControl::UpdateBoundsRect(r);
    TRect newClient = ClientRect();
    if (FSurface) {
        TSize s = SurfaceSize();
        FSurface->Resize(s.cx, s.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
        FUpdateRegion = TRegion(Rect(0, 0, s.cx, s.cy));
        FErasePending = true;
    }
    ApplyAnchors({oldClient.Width(), oldClient.Height()});
    Realign();
    Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(newClient.Width(), newClient.Height()));
    Resize();
}

void TWinControl::ScrollBy(Integer DeltaX, Integer DeltaY) { ScrollWindow(DeltaX, DeltaY); }

void TWinControl::ScrollWindow(Integer dx, Integer dy, const TRect* area)
{
    for (TControl* c : std::vector<TControl*>(FControls))
        if (!area) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    if (!FSurface) return;
    TRect client = area ? *area : ClientRect();
    Integer b = BorderWidthNC();
    TRect dev = client;
    OffsetRect(dev, b, b);
    FSurface->Scroll(dev, dx, dy);
    // What scrolled in from outside needs painting; so do pending areas that moved.
    FUpdateRegion.Offset(dx, dy);
    TRegion exposed(dev);
    TRect kept = dev;
    OffsetRect(kept, dx, dy);
    exposed.Combine(TRegion(kept), RGN_DIFF);
    FUpdateRegion.Combine(exposed, RGN_OR);
    FErasePending = true;
    if (FHandle) {
        WindowSystem().ShowArea(FHandle, dev);
        WindowSystem().SchedulePaint(FHandle);
    }
}

Integer TWinControl::TabOrder() const
{
    if (!FParent) return -1;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<Integer>(it - list.begin());
}

void TWinControl::SetTabOrder(Integer value)
{
    if (!FParent) return;
    auto& list = FParent->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    value = std::clamp<Integer>(value, 0, static_cast<Integer>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value)
{
    if (value == FTabStop) return;
    FTabStop = value;
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::SetChildOrder(TComponent* Child, Integer Order)
{
    if (auto* w = dynamic_cast<TWinControl*>(Child); w && w->FParent == this) w->SetTabOrder(Order);
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const { return FHandle && WindowSystem().HasFocus(FHandle); }

void TWinControl::SetFocus()
{
    HandleNeeded();
    TWinControl* form = FormWindow();
    if (form && form != this) form->SetFocusedControl(this);
    if (LiveControls().contains(this) && FHandle) WindowSystem().SetFocus(FHandle);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* w : FTabList) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const Integer n = static_cast<Integer>(list.size());
    auto it = std::find(list.begin(), list.end(), CurControl);
    Integer start = it == list.end() ? (GoForward ? n - 1 : 0) : static_cast<Integer>(it - list.begin());
    Integer i = start;
    for (Integer step = 0; step < n; ++step) {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[i];
        if (c == CurControl) break;
        if (CheckParent && c->FParent != this) continue;
        if (CheckTabStop && !c->FTabStop) continue;
        if (!c->CanFocus()) continue;
        return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, false)) next->SetFocus();
}

void TWinControl::SelectFirst()
{
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

bool TWinControl::DoKeyDown(TMessage& message)
{
    TWinControl* form = FormWindow();
    if (form && form != this && form->KeyPreviewActive() && form->DoKeyDown(message)) return true;
    Word key = static_cast<Word>(message.WParam);
    KeyDown(key, KeyDataToShiftState(static_cast<Integer>(message.LParam)));
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    TWinControl* form = FormWindow();
    if (form && form != this && form->KeyPreviewActive() && form->DoKeyUp(message)) return true;
    Word key = static_cast<Word>(message.WParam);
    KeyUp(key, KeyDataToShiftState(static_cast<Integer>(message.LParam)));
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    TWinControl* form = FormWindow();
    if (form && form != this && form->KeyPreviewActive() && form->DoKeyPress(message)) return true;
    char16_t ch = static_cast<char16_t>(message.WParam);
    KeyPress(ch);
    message.WParam = ch;
    return ch == 0;
}

bool TWinControl::TakeDialogKeyUsed()
{
    bool used = FDialogKeyUsed;
    FDialogKeyUsed = false;
    return used;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) { OnKeyDown(this, Key, Shift); }
void TWinControl::KeyUp(Word& Key, TShiftState Shift) { OnKeyUp(this, Key, Shift); }
void TWinControl::KeyPress(char16_t& Key) { OnKeyPress(this, Key); }
void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

bool TWinControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    bool handled = false;
    OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

void TWinControl::WMKeyDown(TMessage& message)
{
    FDialogKeyUsed = false;
    if (DoKeyDown(message)) return;
    const Word key = static_cast<Word>(message.WParam);
    if (key == VK_F1)
        if (TWinControl* form = FormWindow(); form && form->Perform(WM_HELP, 0, reinterpret_cast<std::intptr_t>(this)) != 0)
            return;
    Cardinal want = 0;
    switch (key) {
    case VK_TAB: want = DLGC_WANTTAB; break;
    case VK_RETURN:
    case VK_ESCAPE: want = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (want && !(static_cast<Cardinal>(Perform(WM_GETDLGCODE)) & want)) {
        if (TWinControl* form = FormWindow(); form && form->Perform(CM_DIALOGKEY, key, message.LParam) != 0) {
            FDialogKeyUsed = true;
            return;
        }
    }
    DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message)
{
    if (!DoKeyUp(message)) DefaultHandler(message);
}

// A character the focused control does not take (no DLGC_WANTCHARS) is offered to the form's
// controls as an accelerator first.
void TWinControl::WMChar(TMessage& message)
{
    if (DoKeyPress(message)) return;
    if (!(static_cast<Cardinal>(Perform(WM_GETDLGCODE)) & DLGC_WANTCHARS))
        if (TWinControl* form = FormWindow(); form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
            return;
    DefaultHandler(message);
}

// Alt+character: the form's accelerators.
void TWinControl::WMSysChar(TMessage& message)
{
    if (TWinControl* form = FormWindow(); form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
        return;
    DefaultHandler(message);
}

void TWinControl::WMSetFocus(TMessage& message)
{
    if (TWinControl* form = FormWindow(); form && form != this) form->SetFocusedControl(this);
    if (LiveControls().contains(this)) DefaultHandler(message);
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMMouseWheel(TMessage& message)
{
    TPoint p{LoSmall(message.LParam), HiSmall(message.LParam)};
    if (DoMouseWheel(KeysToShiftState(LoWord(message.WParam)), HiSmall(message.WParam), p)) {
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
    if (message.Result == 0 && FParent) message.Result = FParent->Perform(WM_MOUSEWHEEL, message.WParam, message.LParam);
}

void TWinControl::WMSize(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMGetDlgCode(TMessage& message) { DefaultHandler(message); }

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::CMEnabledChanged(TMessage& message)
{
    if (!FEnabled) {
        if (TWinControl* form = FormWindow(); form && form != this) form->ControlGone(this);
    }
    if (FHandle) WindowSystem().SetEnabled(FHandle, FEnabled);
    TControl::CMEnabledChanged(message);
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (!FVisible) {
        if (TWinControl* form = FormWindow(); form && form != this) form->ControlGone(this);
    }
    if (FHandle) WindowSystem().SetVisible(FHandle, FVisible);
    else if (FVisible && FParent && FParent->HandleAllocated()) HandleNeeded();
    Perform(CM_SHOWINGCHANGED);
}

void TWinControl::CMShowingChanged(TMessage&) {}

void TWinControl::CMFontChanged(TMessage& message)
{
    if (FHandle) WindowSystem().SetFont(FHandle, FFont);
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTFONTCHANGED);
    TControl::CMFontChanged(message);
}

void TWinControl::CMColorChanged(TMessage& message)
{
    FBrush.SetColor(FColor);
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTCOLORCHANGED);
    TControl::CMColorChanged(message);
}

void TWinControl::CMTextChanged(TMessage& message)
{
    if (FHandle) WindowSystem().SetText(FHandle, FText);
    TControl::CMTextChanged(message);
}

// ---- painting
Integer TWinControl::BorderWidthNC() const
{
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    if (params.Kind != TWindowKind::wkCustom) return 0;
    if (params.ExStyle & WS_EX_CLIENTEDGE) return 2;
    if ((params.Style & WS_BORDER) || (params.ExStyle & WS_EX_STATICEDGE)) return 1;
    return 0;
}

TRect TWinControl::ClientRect() const
{
    Integer b = BorderWidthNC();
    Integer w = FWidth - 2 * b, h = FHeight - 2 * b;
    if (HasScrollBar(SB_VERT)) w -= ScrollBarSize;
    if (HasScrollBar(SB_HORZ)) h -= ScrollBarSize;
    return Rect(0, 0, std::max(w, 0), std::max(h, 0));
}

bool TWinControl::TScrollBarState::Visible() const
{
    if (!Shown) return false;
    if (KeepShown) return true;
    Integer range = Info.nMax - Info.nMin + 1;
    return Info.nMax > Info.nMin && (Info.nPage == 0 || static_cast<Integer>(Info.nPage) < range);
}

bool TWinControl::HasScrollBar(int bar) const
{
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    if (params.Kind != TWindowKind::wkCustom) return false;
    const Cardinal style = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    return (params.Style & style) && FScrollBars[bar == SB_VERT ? 1 : 0].Visible();
}

void TWinControl::UpdateScrollBars()
{
    if (!FHandle) return;
    TRect client = ClientRect();
    Integer b = BorderWidthNC();
    OffsetRect(client, b, b);
    for (int bar : {SB_HORZ, SB_VERT}) {
        const SCROLLINFO& i = ScrollBarState(bar).Info;
        WindowSystem().SetScrollBar(FHandle, bar, HasScrollBar(bar), i.nMin, i.nMax, static_cast<int>(i.nPage),
                                    i.nPos, client);
    }
}

TPoint TWinControl::ClientOrigin() const
{
    if (FHandle) {
        Integer b = BorderWidthNC();
        return WindowSystem().ClientToScreen(FHandle, {b, b});
    }
    return TControl::ClientOrigin();
}

void TWinControl::Invalidate() { InvalidateRect(ClientRect(), !FControlStyle.Contains(csOpaque)); }

void TWinControl::InvalidateRect(const TRect& r, bool erase)
{
    if (!FHandle) return;
    if (!FSurface) {
        WindowSystem().SchedulePaint(FHandle);
        return;
    }
    Integer b = BorderWidthNC();
    TRect client = ClientRect();
    TRect area;
    if (!IntersectRect(area, r, client)) return;
    OffsetRect(area, b, b);
    FUpdateRegion.Combine(TRegion(area), RGN_OR);
    if (erase) FErasePending = true;
    WindowSystem().SchedulePaint(FHandle);
}

void TWinControl::ValidateRect(const TRect& r)
{
    TRect area = r;
    Integer b = BorderWidthNC();
    OffsetRect(area, b, b);
    FUpdateRegion.Combine(TRegion(area), RGN_DIFF);
}

void TWinControl::Update()
{
    if (FHandle && FSurface) PaintPending(true);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

TControlCanvas& TWinControl::WindowCanvas()
{
    if (!FWindowCanvas) FWindowCanvas = std::make_unique<TControlCanvas>(this);
    if (!FInPaint && FSurface) {
        Integer b = BorderWidthNC();
        TRect client = ClientRect();
        OffsetRect(client, b, b);
        FWindowCanvas->Attach(FSurface.get(), {b, b}, TRegion(client));
    }
    return *FWindowCanvas;
}

void TWinControl::PaintPending(bool show)
{
    if (!FSurface || FInPaint) return;
    TSize size = SurfaceSize();
    if (FSurface->Width() != size.cx || FSurface->Height() != size.cy) {
        FSurface->Resize(size.cx, size.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
        FUpdateRegion = TRegion(Rect(0, 0, size.cx, size.cy));
        FErasePending = true;
    }
    if (FUpdateRegion.IsEmpty()) return;
    TRegion region = FUpdateRegion;
    bool erase = FErasePending;
    FUpdateRegion = TRegion();
    FErasePending = false;
    Integer b = BorderWidthNC();
    if (b > 0) Perform(WM_NCPAINT);
    TRect client = ClientRect();
    OffsetRect(client, b, b);
    TRegion clip = region;
    clip.Combine(TRegion(client), RGN_AND);
    TControlCanvas& canvas = WindowCanvas();
    FInPaint = true;
    try {
        canvas.Attach(FSurface.get(), {b, b}, clip);
        canvas.SetWindowOrg(0, 0);
        if (erase) Perform(WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(&canvas));
        Perform(WM_PAINT, reinterpret_cast<std::intptr_t>(&canvas));
    } catch (...) {
        FInPaint = false;
        throw;
    }
    FInPaint = false;
    if (show && FHandle) WindowSystem().ShowArea(FHandle, region.BoundingRect());
}

void TWinControl::WMEraseBkgnd(TMessage& message)
{
    auto* canvas = reinterpret_cast<TCanvas*>(message.WParam);
    if (canvas) canvas->FillRectColor(canvas->ClipRect(), FColor);
    message.Result = 1;
}

void TWinControl::WMNCPaint(TMessage&)
{
    if (!FSurface) return;
    TCreateParams params;
    CreateParams(params);
    TCanvas canvas(FSurface.get());
    TRect r = Rect(0, 0, FWidth, FHeight);
    FInPaint = true;
    if (params.ExStyle & WS_EX_CLIENTEDGE) {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.MoveTo(0, FHeight - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(FWidth - 1, 0);
        canvas.Pen().SetColor(clBtnHighlight);
        canvas.LineTo(FWidth - 1, FHeight - 1);
        canvas.LineTo(-1, FHeight - 1);
        canvas.Pen().SetColor(cl3DDkShadow);
        canvas.MoveTo(1, FHeight - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(FWidth - 2, 1);
        canvas.Pen().SetColor(cl3DLight);
        canvas.LineTo(FWidth - 2, FHeight - 2);
        canvas.LineTo(0, FHeight - 2);
    } else {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(r);
    }
    FInPaint = false;
}

void TWinControl::WMPaint(TMessage& message)
{
    if (!FSurface) {
        DefaultHandler(message);
        return;
    }
    PaintHandler(message);
}

void TWinControl::PaintHandler(TMessage& message)
{
    auto* canvas = reinterpret_cast<TCanvas*>(message.WParam);
    if (!canvas) return;
    PaintWindow(*canvas);
    PaintControls(*canvas);
}

void TWinControl::PaintWindow(TCanvas&) {}

void TWinControl::PaintControls(TCanvas& canvas, TControl* First)
{
    auto it = FControls.begin();
    if (First) it = std::find(FControls.begin(), FControls.end(), First);
    for (; it != FControls.end(); ++it) {
        auto* g = dynamic_cast<TGraphicControl*>(*it);
        if (!g || !g->Visible()) continue;
        TRect clip = canvas.ClipRect();
        TRect inter;
        if (!IntersectRect(inter, clip, g->BoundsRect())) continue;
        int saved = canvas.SaveDC();
        TPoint vp = canvas.ViewportOrg();
        canvas.SetViewportOrg(vp.X + g->Left(), vp.Y + g->Top());
        canvas.IntersectClipRect(0, 0, g->Width(), g->Height());
        g->FPaintCanvas = &canvas;
        try {
            g->Perform(WM_PAINT, reinterpret_cast<std::intptr_t>(&canvas));
        } catch (...) {
            g->FPaintCanvas = nullptr;
            canvas.RestoreDC(saved);
            throw;
        }
        g->FPaintCanvas = nullptr;
        canvas.RestoreDC(saved);
    }
}

// ---------------------------------------------------------------- TCustomControl
IMPLEMENT_CLASS(TCustomControl, TWinControl, NewComponent<TCustomControl>)

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}
TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas()
{
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

void TGraphicControl::WMPaint(TMessage&)
{
    if (FPaintCanvas) Paint();
}

// ---------------------------------------------------------------- capture, posting, timers
void SetCaptureControl(TControl* control)
{
    gCaptureControl = control;
    if (!WindowSystemRegistered()) return;
    TWinControl* w = nullptr;
    if (control) SurfaceOrigin(control, w);
    WindowSystem().SetCapture(w && w->HandleAllocated() ? w->WindowHandle() : nullptr);
}

TControl* GetCaptureControl() { return gCaptureControl; }

HWND SetCapture(HWND window)
{
    HWND old = dynamic_cast<TWinControl*>(gCaptureControl);
    SetCaptureControl(window);
    return old;
}

HWND GetCapture()
{
    TWinControl* w = nullptr;
    if (gCaptureControl) SurfaceOrigin(gCaptureControl, w);
    return w;
}

bool ReleaseCapture()
{
    SetCaptureControl(nullptr);
    return true;
}

bool IsWindow(HWND window) { return window && LiveControls().contains(window) && window->HandleAllocated(); }

std::intptr_t SendMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam)
{
    if (!window || !LiveControls().contains(window)) return 0;
    return window->Perform(msg, wParam, lParam);
}

bool PostMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam)
{
    if (window && !LiveControls().contains(window)) return false;
    PostedQueue().push_back({window, TMessage{msg, wParam, lParam, 0}});
    if (WindowSystemRegistered()) WindowSystem().WakeUp();
    return true;
}

void DeliverPostedMessages()
{
    // Only what was queued before this call; messages posted by the handlers wait for the next.
    size_t n = PostedQueue().size();
    for (size_t i = 0; i < n && !PostedQueue().empty(); ++i) {
        TPosted p = PostedQueue().front();
        PostedQueue().pop_front();
        if (!p.Window || !LiveControls().contains(p.Window)) continue;
        p.Window->MainWndProc(p.Message);
    }
}

bool InvalidateRect(HWND window, const TRect* r, bool erase)
{
    if (!window) return false;
    window->InvalidateRect(r ? *r : window->ClientRect(), erase);
    return true;
}

bool UpdateWindow(HWND window)
{
    if (!window) return false;
    window->Update();
    return true;
}

bool ValidateRect(HWND window, const TRect* r)
{
    if (!window) return false;
    window->ValidateRect(r ? *r : window->ClientRect());
    return true;
}

namespace {
std::map<std::pair<HWND, std::uintptr_t>, int>& WindowTimers()
{
    static std::map<std::pair<HWND, std::uintptr_t>, int> timers;
    return timers;
}
}  // namespace

std::uintptr_t SetTimer(HWND window, std::uintptr_t id, Cardinal elapse)
{
    auto& timers = WindowTimers();
    auto key = std::make_pair(window, id);
    auto [it, inserted] = timers.emplace(key, 0);
    (void)inserted;
    const void* token = &it->first;
    StartLayerTimer(token, elapse, [window, id] {
        if (LiveControls().contains(window)) {
            TMessage m{WM_TIMER, static_cast<std::intptr_t>(id), 0, 0};
            window->MainWndProc(m);
        }
    });
    return id;
}

bool KillTimer(HWND window, std::uintptr_t id)
{
    auto& timers = WindowTimers();
    auto it = timers.find(std::make_pair(window, id));
    if (it == timers.end()) return false;
    StopLayerTimer(&it->first);
    timers.erase(it);
    return true;
}

// ---------------------------------------------------------------- scroll bars
namespace {
// Applies a change of a bar; the client area may change with the bar's visibility.
void ScrollBarChanged(HWND window, bool wasShown)
{
    TRect before = window->ClientRect();
    (void)wasShown;
    window->UpdateScrollBars();
    TRect after = window->ClientRect();
    if (before != after) {
        window->Realign();
        window->Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(after.Width(), after.Height()));
        window->Invalidate();
    }
}

Integer ClampPos(const SCROLLINFO& i, Integer pos)
{
    Integer maxPos = i.nMax - std::max<Integer>(static_cast<Integer>(i.nPage) - 1, 0);
    return std::max(i.nMin, std::min(pos, std::max(maxPos, i.nMin)));
}
}  // namespace

Integer SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool)
{
    if (!window || !info || bar == SB_CTL) return 0;
    auto& state = window->ScrollBarState(bar);
    bool was = window->HasScrollBar(bar);
    if (info->fMask & SIF_RANGE) {
        state.Info.nMin = info->nMin;
        state.Info.nMax = info->nMax;
    }
    if (info->fMask & SIF_PAGE)
        state.Info.nPage = std::min<Cardinal>(info->nPage, static_cast<Cardinal>(std::max(state.Info.nMax - state.Info.nMin + 1, 0)));
    if (info->fMask & SIF_POS) state.Info.nPos = info->nPos;
    state.KeepShown = (info->fMask & SIF_DISABLENOSCROLL) != 0;
    state.Info.nPos = ClampPos(state.Info, state.Info.nPos);
    ScrollBarChanged(window, was);
    return state.Info.nPos;
}

bool GetScrollInfo(HWND window, int bar, SCROLLINFO* info)
{
    if (!window || !info || bar == SB_CTL) return false;
    const SCROLLINFO& i = window->ScrollBarState(bar).Info;
    if (info->fMask & SIF_RANGE) {
        info->nMin = i.nMin;
        info->nMax = i.nMax;
    }
    if (info->fMask & SIF_PAGE) info->nPage = i.nPage;
    if (info->fMask & SIF_POS) info->nPos = i.nPos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = i.nTrackPos;
    return true;
}

Integer SetScrollPos(HWND window, int bar, Integer pos, bool redraw)
{
    Integer old = GetScrollPos(window, bar);
    SCROLLINFO i;
    i.fMask = SIF_POS;
    i.nPos = pos;
    SetScrollInfo(window, bar, &i, redraw);
    return old;
}

Integer GetScrollPos(HWND window, int bar)
{
    return window && bar != SB_CTL ? window->ScrollBarState(bar).Info.nPos : 0;
}

bool SetScrollRange(HWND window, int bar, Integer minPos, Integer maxPos, bool redraw)
{
    SCROLLINFO i;
    i.fMask = SIF_RANGE;
    i.nMin = minPos;
    i.nMax = maxPos;
    SetScrollInfo(window, bar, &i, redraw);
    return window != nullptr;
}

bool GetScrollRange(HWND window, int bar, Integer* minPos, Integer* maxPos)
{
    if (!window || bar == SB_CTL) return false;
    *minPos = window->ScrollBarState(bar).Info.nMin;
    *maxPos = window->ScrollBarState(bar).Info.nMax;
    return true;
}

bool ShowScrollBar(HWND window, int bar, bool show)
{
    if (!window) return false;
    for (int b : {SB_HORZ, SB_VERT})
        if (bar == b || bar == SB_BOTH) window->ScrollBarState(b).Shown = show;
    ScrollBarChanged(window, !show);
    return true;
}

bool GetCursorPos(TPoint* p)
{
    *p = WindowSystem().CursorPos();
    return true;
}

TPoint TMouse::CursorPos() const { return WindowSystem().CursorPos(); }

namespace {
struct TCaret {
    HWND Window = nullptr;
    TRect Box;
    bool Visible = false;
} gCaret;

void ShowCaretNow()
{
    if (gCaret.Window && IsWindow(gCaret.Window)) {
        TRect r = gCaret.Box;
        Integer b = gCaret.Window->BorderWidthNC();
        OffsetRect(r, b, b);
        WindowSystem().ShowCaret(gCaret.Window->WindowHandle(), r, gCaret.Visible);
    }
}
}  // namespace

bool CreateCaret(HWND window, Integer width, Integer height)
{
    DestroyCaret();
    gCaret = {window, Rect(0, 0, std::max(width, 1), std::max(height, 1)), false};
    return true;
}

bool SetCaretPos(Integer x, Integer y)
{
    if (!gCaret.Window) return false;
    gCaret.Box = Bounds(x, y, gCaret.Box.Width(), gCaret.Box.Height());
    ShowCaretNow();
    return true;
}

bool ShowCaret(HWND window)
{
    if (!gCaret.Window || (window && window != gCaret.Window)) return false;
    gCaret.Visible = true;
    ShowCaretNow();
    return true;
}

bool HideCaret(HWND window)
{
    if (!gCaret.Window || (window && window != gCaret.Window)) return false;
    gCaret.Visible = false;
    ShowCaretNow();
    return true;
}

bool DestroyCaret()
{
    if (!gCaret.Window) return false;
    gCaret.Visible = false;
    ShowCaretNow();
    gCaret = {};
    return true;
}

HWND GetFocus()
{
    for (const TControl* c : LiveControls())
        if (auto* w = dynamic_cast<const TWinControl*>(c); w && w->Focused()) return const_cast<TWinControl*>(w);
    return nullptr;
}
