// The window system on Qt widgets: owner-drawn windows show the layer's surfaces, native
// widgets sit under the controls, and every toolkit event becomes a message sent through the
// control's MainWndProc, with the widget's own handling as the message's default.  This file
// holds the windows and MDI; the event loop, timers and test input are in QtEventLoop.cpp.
#include "platform/backend/qt/QtWindows.h"

#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/stdctrls/ScrollBars.h"

#include <utility>
#include <vector>

namespace qtbackend {

std::unordered_map<const QObject*, TWindowHandle*> gByWidget;
int gEventDepth = 0;

TWindowHandle* HandleOf(const QObject* o)
{
    auto it = gByWidget.find(o);
    return it == gByWidget.end() ? nullptr : it->second;
}

QPointer<QWidget> gFocusLost;

namespace {
std::vector<QPointer<QWidget>> gRetired;
}

void RetireWidget(QWidget* w) { gRetired.emplace_back(w); }

void DeleteRetiredWidgets()
{
    const std::vector<QPointer<QWidget>> retired = std::exchange(gRetired, {});
    for (const QPointer<QWidget>& w : retired) delete w.data();
}

TWinControl* ControlOfWidget(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (TWindowHandle* h = HandleOf(w)) return h->Control;
    return nullptr;
}

Cardinal MouseKeys(Qt::MouseButtons b, Qt::KeyboardModifiers m)
{
    Cardinal k = 0;
    if (b & Qt::LeftButton) k |= MK_LBUTTON;
    if (b & Qt::RightButton) k |= MK_RBUTTON;
    if (b & Qt::MiddleButton) k |= MK_MBUTTON;
    if (m & Qt::ShiftModifier) k |= MK_SHIFT;
    if (m & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

TShiftState ModifiersToShift(Qt::KeyboardModifiers m)
{
    TShiftState s;
    if (m & Qt::ShiftModifier) s.Include(ssShift);
    if (m & Qt::ControlModifier) s.Include(ssCtrl);
    if (m & Qt::AltModifier) s.Include(ssAlt);
    return s;
}

// MK_SHIFT and MK_CONTROL, and the key data's Alt bit.
Qt::KeyboardModifiers ShiftToModifiers(Cardinal shiftKeys)
{
    Qt::KeyboardModifiers m;
    if (shiftKeys & MK_SHIFT) m |= Qt::ShiftModifier;
    if (shiftKeys & MK_CONTROL) m |= Qt::ControlModifier;
    if (shiftKeys & 0x20000000) m |= Qt::AltModifier;
    return m;
}

struct TKeyPair {
    int Qt;
    Word Vk;
};
const TKeyPair KeyPairs[] = {
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_Left, VK_LEFT}, {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Up, VK_UP}, {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Home, VK_HOME}, {Qt::Key_End, VK_END}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Minus, VK_OEM_MINUS}, {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Pause, VK_PAUSE}, {Qt::Key_Help, VK_HELP}, {Qt::Key_Menu, VK_APPS},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
};

Word VkFromQt(int k)
{
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return static_cast<Word>('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return static_cast<Word>('0' + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return static_cast<Word>(VK_F1 + (k - Qt::Key_F1));
    for (const TKeyPair& p : KeyPairs)
        if (p.Qt == k) return p.Vk;
    return 0;
}

int QtFromVk(Word vk)
{
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
    if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + (vk - VK_F1);
    for (const TKeyPair& p : KeyPairs)
        if (p.Vk == vk) return p.Qt;
    return Qt::Key_unknown;
}

QImage SurfaceImage(const TWindowSurface& s)
{
    return QImage(reinterpret_cast<const uchar*>(s.Bits()), s.Width(), s.Height(), s.Width() * 4,
                  QImage::Format_RGB32);
}

Qt::CursorShape CursorShape(TCursor c)
{
    switch (c) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

std::map<TCursor, QCursor>& CustomCursors()
{
    static std::map<TCursor, QCursor> cursors;
    return cursors;
}

QCursor ToQCursor(TCursor c)
{
    if (c > 0)
        if (auto it = CustomCursors().find(c); it != CustomCursors().end()) return it->second;
    return QCursor(CursorShape(c));
}

// Delivers a message to the control with the widget's own handling as its default.
void Deliver(TWinControl* control, TMessage& m, std::function<void(TMessage&)> native)
{
    TWinControl::TNativeDefault d{m.Msg, std::move(native)};
    control->PushNativeDefault(&d);
    control->MainWndProc(m);
    control->PopNativeDefault();
}

// The toolkit's "Windows" style with the classic default button (a dark line around the button,
// its raised edge inside), and scroll bars as the layer's scroll bar control shows them: as thick,
// with the arrows and the thumb drawn by the layer's frame controls.
class TClassicStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_ScrollBarExtent) return ScrollBarSize;
        if (metric == PM_ScrollBarSliderMin) return ScrollBarThumbMin;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    // A sunken two-pixel frame (edits, memos) is the client edge: its inner lower and right line
    // is the 3D light, where the toolkit draws the face.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (element != PE_Frame || !frame || frame->lineWidth != 2 || !(option->state & State_Sunken)) return;
        const QRect& r = option->rect;
        const QPoint inner[3] = {{r.left() + 1, r.bottom() - 1}, {r.right() - 1, r.bottom() - 1}, {r.right() - 1, r.top() + 1}};
        painter->save();
        painter->setPen(option->palette.midlight().color());
        painter->drawPolyline(inner, 3);
        painter->restore();
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (DrawScrollBarPart(element, option, painter, widget)) return;
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButtonBevel || !button || !(button->features & QStyleOptionButton::DefaultButton) ||
            (button->state & State_Sunken)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setPen(button->palette.shadow().color());
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(button->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        QStyleOptionButton inner = *button;
        inner.rect = button->rect.adjusted(1, 1, -1, -1);
        QProxyStyle::drawControl(element, &inner, painter, widget);
    }

private:
    // An arrow or the thumb of a scroll bar, unless pressed (the toolkit shows a pressed arrow), and
    // the track of a window scroll bar given a colour of its own.  A window scroll bar made flat
    // shows its arrows and thumb flat: framed by the shadow colour, or in the Encarta look without
    // a frame.
    static bool DrawScrollBarPart(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget)
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (!bar || option->rect.isEmpty()) return false;
        const int mode = widget ? widget->property("flatMode").toInt() : FSB_REGULAR_MODE;
        const QVariant track = widget ? widget->property("trackColor") : QVariant();
        TBitmap part(option->rect.width(), option->rect.height());
        TRect r = Rect(0, 0, part.Width(), part.Height());
        HDC dc = part.Canvas().Handle();
        const bool arrow = element == CE_ScrollBarAddLine || element == CE_ScrollBarSubLine;
        if (element == CE_ScrollBarAddPage || element == CE_ScrollBarSubPage) {
            if (!track.isValid()) return false;
            part.Canvas().FillRectColor(r, static_cast<TColor>(track.toInt()));
        } else if ((!arrow && element != CE_ScrollBarSlider) || (option->state & State_Sunken)) {
            return false;
        } else if (arrow) {
            const bool forward = element == CE_ScrollBarAddLine, horizontal = bar->orientation == Qt::Horizontal;
            const UINT kind = horizontal ? (forward ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT) : (forward ? DFCS_SCROLLDOWN : DFCS_SCROLLUP);
            DrawFrameControl(dc, &r, DFC_SCROLL, kind | ((option->state & State_Enabled) ? 0u : UINT(DFCS_INACTIVE)) |
                                                     (mode == FSB_REGULAR_MODE ? 0u : UINT(DFCS_FLAT)));
        } else if (mode == FSB_REGULAR_MODE) {
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        } else {
            part.Canvas().FillRectColor(r, clBtnFace);
        }
        if (mode == FSB_FLAT_MODE && element != CE_ScrollBarAddPage && element != CE_ScrollBarSubPage) {
            part.Canvas().Brush().SetColor(clBtnShadow);
            part.Canvas().FrameRect(r);
        }
        painter->drawImage(option->rect.topLeft(), BitmapImage(part));
        return true;
    }
};

// The native widgets' colours from the layer's system colours, so that they and the controls
// the layer draws show one face, one frame and one selection.
QPalette SystemPalette()
{
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, TColor color) { p.setColor(role, QC(color)); };
    set(QPalette::Window, clBtnFace);
    set(QPalette::WindowText, clWindowText);
    set(QPalette::Button, clBtnFace);
    set(QPalette::ButtonText, clBtnText);
    set(QPalette::Base, clWindow);
    set(QPalette::AlternateBase, clBtnFace);
    set(QPalette::Text, clWindowText);
    set(QPalette::Light, clBtnHighlight);
    set(QPalette::Midlight, cl3DLight);
    set(QPalette::Mid, clBtnShadow);
    set(QPalette::Dark, clBtnShadow);
    set(QPalette::Shadow, cl3DDkShadow);
    set(QPalette::Highlight, clHighlight);
    set(QPalette::HighlightedText, clHighlightText);
    set(QPalette::ToolTipBase, clInfoBk);
    set(QPalette::ToolTipText, clInfoText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QC(clGrayText));
    p.setColor(QPalette::Disabled, QPalette::Base, QC(clBtnFace));
    return p;
}

namespace {

class THostBase {
public:
    virtual ~THostBase() = default;
    TWindowHandle* H = nullptr;
};

// A widget of a control: every event the layer cares for becomes a message.
template <class QBase>
class THost : public QBase, public THostBase {
public:
    template <class... A>
    explicit THost(TWindowHandle* h, A&&... a) : QBase(std::forward<A>(a)...)
    {
        H = h;
    }
    bool BaseEvent(QEvent* e) { return QBase::event(e); }

protected:
    bool event(QEvent* e) override
    {
        TWinControl* ctl = H ? H->Control : nullptr;
        if (!ctl) return QBase::event(e);
        TDepth depth;
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            // Handled here: a message goes to one window only, never on to the parent.
            Mouse(static_cast<QMouseEvent*>(e));
            e->accept();
            return true;
        case QEvent::Wheel: {
            auto* we = static_cast<QWheelEvent*>(e);
            QPoint g = we->globalPosition().toPoint();
            TMessage m{WM_MOUSEWHEEL, MakeWParam(static_cast<Integer>(MouseKeys(we->buttons(), we->modifiers())), we->angleDelta().y()),
                       MakeLParam(g.x(), g.y()), 0};
            Deliver(ctl, m, [&](TMessage&) { QBase::event(e); });
            e->accept();
            return true;
        }
        case QEvent::Enter:
        case QEvent::Leave: {
            TMessage m{e->type() == QEvent::Enter ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0, 0};
            Deliver(ctl, m, [&](TMessage&) { QBase::event(e); });
            return true;
        }
        case QEvent::KeyPress:
            Key(static_cast<QKeyEvent*>(e));
            e->accept();
            return true;
        case QEvent::InputMethod: return InputMethodText(static_cast<QInputMethodEvent*>(e));
        case QEvent::KeyRelease: {
            auto* ke = static_cast<QKeyEvent*>(e);
            // a key-up says the key was down before (bit 30) and is going up (bit 31)
            const std::intptr_t upBits = std::intptr_t(3) << 30;
            TMessage m{WM_KEYUP, VkFromQt(ke->key()), ShiftStateToKeyData(ModifiersToShift(ke->modifiers())) | upBits, 0};
            Deliver(ctl, m, [&](TMessage&) { QBase::event(e); });
            e->accept();
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // WM_SETFOCUS names the window that lost the focus, WM_KILLFOCUS the one that gains it
            const bool in = e->type() == QEvent::FocusIn;
            TWinControl* other = in ? ControlOfWidget(gFocusLost) : ControlOfWidget(QApplication::focusWidget());
            if (other == ctl) other = nullptr;
            if (!in) gFocusLost = this;
            TMessage m{in ? WM_SETFOCUS : WM_KILLFOCUS, reinterpret_cast<std::intptr_t>(other), 0, 0};
            Deliver(ctl, m, [&](TMessage&) { QBase::event(e); });
            return true;
        }
        case QEvent::Paint: return Paint(static_cast<QPaintEvent*>(e));
        case QEvent::Resize:
            QBase::event(e);
            if (H->Kind == TWindowKind::wkForm || H->Kind == TWindowKind::wkMDIForm ||
                H->Kind == TWindowKind::wkMDIChild) {
                QWidget* outer = H->Outer;
                CallProtected(ctl, [&] { ctl->WindowResized(outer->width(), outer->height()); });
            }
            return true;
        default: return QBase::event(e);
        }
    }

    bool Mouse(QMouseEvent* me)
    {
        TWinControl* ctl = H->Control;
        Cardinal msg = WM_MOUSEMOVE;
        const bool right = me->button() == Qt::RightButton, middle = me->button() == Qt::MiddleButton;
        switch (me->type()) {
        case QEvent::MouseButtonPress: msg = right ? WM_RBUTTONDOWN : middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN; break;
        case QEvent::MouseButtonRelease: msg = right ? WM_RBUTTONUP : middle ? WM_MBUTTONUP : WM_LBUTTONUP; break;
        case QEvent::MouseButtonDblClick:
            msg = right ? WM_RBUTTONDBLCLK : middle ? WM_MBUTTONDBLCLK : WM_LBUTTONDBLCLK;
            break;
        default: break;
        }
        QPoint local = me->position().toPoint();
        const QPoint global = me->globalPosition().toPoint();
        // With the capture on another window, that window gets the message; otherwise the
        // window system's hit test decides which window, if any, gets a client message.
        HWND target = ctl;
        if (HWND capture = GetCapture(); capture && capture != ctl && capture->HandleAllocated() &&
                                         capture->WindowHandle()->W) {
            local = capture->WindowHandle()->W->mapFromGlobal(global);
            target = capture;
        } else {
            target = MouseInputWindow(ctl, msg, {global.x(), global.y()});
            if (!target) return true;
            if (target != ctl) {
                if (!target->HandleAllocated() || !target->WindowHandle()->W) return true;
                local = target->WindowHandle()->W->mapFromGlobal(global);
            }
        }
        const Integer border = target->BorderWidthNC();
        TMessage m{msg, static_cast<std::intptr_t>(MouseKeys(me->buttons(), me->modifiers())),
                   MakeLParam(local.x() - border, local.y() - border), 0};
        if (target == ctl) Deliver(ctl, m, [&](TMessage&) { QBase::event(me); });
        else target->MainWndProc(m);
        return true;
    }

    // WM_KEYDOWN, then one WM_CHAR per character unless a dialog key used the key up; the
    // widget then gets the key and the characters that passed (replaced ones as replaced).
    bool Key(QKeyEvent* ke)
    {
        TWinControl* ctl = H->Control;
        QPointer<QWidget> self(this);
        bool keyDownPassed = false;
        TMessage down{WM_KEYDOWN, VkFromQt(ke->key()), ShiftStateToKeyData(ModifiersToShift(ke->modifiers())), 0};
        if (PreviewKey(ctl, static_cast<Word>(down.WParam))) return true;
        // the characters wait while the key-down is handled: PeekMessage sees them and may take them
        const QString text = ke->key() == Qt::Key_Delete ? QString() : ke->text();
        for (QChar ch : text)
            HoldInput(ctl, {ke->modifiers() & Qt::AltModifier ? WM_SYSCHAR : WM_CHAR, ch.unicode(), down.LParam, 0});
        const auto dropHeld = [ctl] {
            for (TMessage m; TakeHeldInput(ctl, m);) {}
        };
        Deliver(ctl, down, [&](TMessage&) { keyDownPassed = true; });
        if (!self || !H || H->Control != ctl) {
            dropHeld();
            return true;
        }
        QString passed;
        if (ctl->TakeDialogKeyUsed()) dropHeld();
        for (TMessage m; TakeHeldInput(ctl, m);) {
            Deliver(ctl, m, [&](TMessage& mm) { passed += QChar(static_cast<char16_t>(mm.WParam)); });
            if (!self || !H || H->Control != ctl) {
                dropHeld();
                return true;
            }
        }
        if (keyDownPassed && passed == text) return QBase::event(ke);
        if (keyDownPassed || !passed.isEmpty()) {
            QKeyEvent filtered(QEvent::KeyPress, keyDownPassed ? ke->key() : Qt::Key_unknown, ke->modifiers(), passed);
            return QBase::event(&filtered);
        }
        ke->accept();
        return true;
    }

    // The text an input method commits arrives as one WM_CHAR per UTF-16 unit; the widget then
    // gets the characters that passed (the composition still under way goes to it unchanged).
    bool InputMethodText(QInputMethodEvent* ie)
    {
        TWinControl* ctl = H->Control;
        QPointer<QWidget> self(this);
        const QString text = ie->commitString();
        QString passed;
        for (QChar ch : text) {
            TMessage m{WM_CHAR, ch.unicode(), 1, 0};
            Deliver(ctl, m, [&](TMessage& mm) { passed += QChar(static_cast<char16_t>(mm.WParam)); });
            if (!self || !H || H->Control != ctl) return true;
        }
        if (passed == text) return QBase::event(ie);
        QInputMethodEvent filtered(ie->preeditString(), ie->attributes());
        filtered.setCommitString(passed);
        return QBase::event(&filtered);
    }

    // The text of an edit drawn by its control, over the native painting.
    void PaintCustomText(TWinControl* ctl)
    {
        auto* edit = dynamic_cast<TCustomEdit*>(ctl);
        if (!edit) return;
        TBitmap picture(std::max(this->width(), 1), std::max(this->height(), 1));
        TRect r;
        CallProtected(edit, [&] {
            edit->PaintCustomText(picture.Canvas());
            r = edit->CustomTextRect();
        });
        IntersectRect(r, r, Rect(0, 0, picture.Width(), picture.Height()));
        if (r.IsEmpty()) return;
        QImage area(r.Width(), r.Height(), QImage::Format_RGB32);
        for (Integer y = 0; y < r.Height(); ++y) {
            const Byte* row = picture.ScanLine(r.Top + y) + r.Left * 4;
            auto* line = reinterpret_cast<QRgb*>(area.scanLine(y));
            for (Integer x = 0; x < r.Width(); ++x) line[x] = qRgb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
        }
        QPainter p(this);
        p.drawImage(QPoint(r.Left, r.Top), area);
    }

    bool Paint(QPaintEvent* pe)
    {
        TWinControl* ctl = H->Control;
        if (!ctl->Surface()) {
            TMessage m{WM_PAINT, 0, 0, 0};
            Deliver(ctl, m, [&](TMessage&) { QBase::event(pe); });
            if (H && H->Control && ctl->ControlState().Contains(csCustomPaint)) PaintCustomText(ctl);
            return true;
        }
        CallProtected(ctl, [&] { ctl->PaintPending(false); });
        if (!H || !H->Control || !ctl->Surface()) return true;
        QPainter p(this);
        p.drawImage(pe->rect(), SurfaceImage(*ctl->Surface()), pe->rect());
        if (H->CaretVisible && !H->Caret.isEmpty()) {
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p.fillRect(H->Caret, Qt::white);
        }
        return true;
    }
};

// Top-level and MDI frames of forms: closing asks the form; activation is reported.
template <class QBase>
class TFrame : public QBase {
public:
    TWindowHandle* H = nullptr;
    using QBase::QBase;

protected:
    bool event(QEvent* e) override
    {
        TWinControl* ctl = H ? H->Control : nullptr;
        if (!ctl) return QBase::event(e);
        TDepth depth;
        switch (e->type()) {
        case QEvent::Close: {
            e->ignore();
            // a frame without close box offers the user no way to close it
            if (e->spontaneous() && !WindowSystem().HasCloseBox(H)) return true;
            TMessage m{WM_CLOSE, 0, 0, 0};
            ctl->MainWndProc(m);
            return true;
        }
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate: {
            QBase::event(e);
            if (H->Kind == TWindowKind::wkMDIChild) return true;
            TMessage m{WM_ACTIVATE, e->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE, 0, 0};
            ctl->MainWndProc(m);
            return true;
        }
        case QEvent::Move:
        case QEvent::Resize:
            // a document window's frame, minimised to its title bar too, is the form's bounds
            QBase::event(e);
            if (H->Kind == TWindowKind::wkMDIChild) {
                const QRect at = this->geometry();
                CallProtected(ctl, [&] {
                    if (e->type() == QEvent::Move) ctl->WindowMoved(at.x(), at.y());
                    else ctl->WindowResized(at.width(), at.height());
                });
            }
            return true;
        case QEvent::WindowStateChange:
            QBase::event(e);
            if (H->Kind == TWindowKind::wkMDIChild) {
                const Qt::WindowStates state = this->windowState();
                const Integer now = state & Qt::WindowMinimized ? 1 : state & Qt::WindowMaximized ? 2 : 0;
                CallProtected(ctl, [&] { ctl->WindowStateChanged(now); });
            }
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Keys of a window without focused control go to the form.
            if (H->W && QApplication::focusWidget() == nullptr) return QApplication::sendEvent(H->W, e);
            return QBase::event(e);
        default: return QBase::event(e);
        }
    }
};

}  // namespace

TWindowHandle* TQtWindowSystem::CreateWindow(TWinControl* control, TWindowKind kind)
{
    auto* h = new TWindowHandle;
    h->Control = control;
    h->Kind = kind;
    switch (kind) {
    case TWindowKind::wkCustom: {
        auto* w = new THost<QWidget>(h);
        w->setAttribute(Qt::WA_OpaquePaintEvent);
        w->setAttribute(Qt::WA_InputMethodEnabled);   // committed text arrives as characters
        w->setMouseTracking(true);
        w->setFocusPolicy(Qt::NoFocus);
        h->W = w;
        break;
    }
    case TWindowKind::wkHint: {
        auto* w = new THost<QWidget>(h, nullptr, Qt::ToolTip);
        w->setAttribute(Qt::WA_OpaquePaintEvent);
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        h->W = w;
        break;
    }
    case TWindowKind::wkForm:
    case TWindowKind::wkMDIForm: {
        auto* main = new TFrame<QMainWindow>();
        main->H = h;
        auto* host = new THost<QWidget>(h);
        host->setAttribute(Qt::WA_OpaquePaintEvent);
        host->setMouseTracking(true);
        host->setFocusPolicy(Qt::NoFocus);
        main->setCentralWidget(host);
        main->menuBar()->setVisible(false);
        h->Main = main;
        h->W = host;
        h->Outer = main;
        if (kind == TWindowKind::wkMDIForm) {
            auto* mdi = new QMdiArea(host);
            mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
            h->Mdi = mdi;
            QObject::connect(mdi, &QMdiArea::subWindowActivated, [h](QMdiSubWindow* sw) {
                if (!h->Control) return;
                TDepth depth;   // the toolkit may be amid an activation change
                TWindowHandle* child = sw ? HandleOf(sw) : nullptr;
                TMessage m{WM_MDIACTIVATE, 0, reinterpret_cast<std::intptr_t>(child ? child->Control : nullptr), 0};
                h->Control->MainWndProc(m);
            });
        }
        break;
    }
    case TWindowKind::wkMDIChild: {
        auto* host = new THost<QWidget>(h);
        host->setAttribute(Qt::WA_OpaquePaintEvent);
        host->setMouseTracking(true);
        host->setFocusPolicy(Qt::NoFocus);
        auto* sub = new TFrame<QMdiSubWindow>();
        sub->H = h;
        sub->setWidget(host);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->setWindowIcon(QApplication::windowIcon());   // the toolkit's own picture otherwise
        h->W = host;
        h->Sub = sub;
        h->Outer = sub;
        break;
    }
    case TWindowKind::wkEdit: {
        auto* e = new THost<QLineEdit>(h);
        e->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(e, &QLineEdit::textChanged, [h] {
            if (auto* edit = dynamic_cast<TCustomEdit*>(h->Control)) CallProtected(edit, [edit] { edit->TextEdited(); });
        });
        h->W = e;
        break;
    }
    case TWindowKind::wkMemo: {
        auto* e = new THost<QPlainTextEdit>(h);
        e->setFocusPolicy(Qt::ClickFocus);
        e->setTabChangesFocus(true);
        QObject::connect(e, &QPlainTextEdit::textChanged, [h] {
            if (auto* edit = dynamic_cast<TCustomEdit*>(h->Control)) CallProtected(edit, [edit] { edit->TextEdited(); });
        });
        h->W = e;
        break;
    }
    case TWindowKind::wkDatePicker: {
        auto* d = new THost<QDateEdit>(h);
        d->setFocusPolicy(Qt::ClickFocus);
        d->setCalendarPopup(true);
        d->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
        QObject::connect(d, &QDateEdit::dateChanged, [h] {
            if (TWinControl* c = h->Control) {
                TNMHdr header{c, 0, DTN_DATETIMECHANGE};
                TMessage m{CN_NOTIFY, 0, reinterpret_cast<std::intptr_t>(&header), 0};
                CallProtected(c, [&] { c->MainWndProc(m); });
            }
        });
        h->W = d;
        break;
    }
    case TWindowKind::wkButton: {
        auto* b = new THost<QPushButton>(h);
        b->setFocusPolicy(Qt::ClickFocus);
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, [h] {
            if (TWinControl* c = h->Control) CallProtected(c, [c] { c->Click(); });
        });
        h->W = b;
        break;
    }
    case TWindowKind::wkToolBar: {
        auto* t = new THost<QToolBar>(h);
        t->setFocusPolicy(Qt::NoFocus);
        t->setMovable(false);
        t->setToolButtonStyle(Qt::ToolButtonTextOnly);
        h->W = t;
        break;
    }
    }
    if (!h->Outer) h->Outer = h->W;
    gByWidget[h->W.data()] = h;
    gByWidget[h->Outer.data()] = h;
    return h;
}

void TQtWindowSystem::DestroyWindow(TWindowHandle* h)
{
    gByWidget.erase(h->W.data());
    gByWidget.erase(h->Outer.data());
    h->Control = nullptr;
    if (auto* host = dynamic_cast<THostBase*>(h->W.data())) host->H = nullptr;
    if (auto* f = dynamic_cast<TFrame<QMainWindow>*>(h->Outer.data())) f->H = nullptr;
    if (auto* f = dynamic_cast<TFrame<QMdiSubWindow>*>(h->Outer.data())) f->H = nullptr;
    if (h->Sub && h->Sub->mdiArea()) h->Sub->mdiArea()->removeSubWindow(h->Sub);
    if (QWidget* outer = h->Outer) {
        outer->hide();
        outer->setParent(nullptr);
        RetireWidget(outer);
    }
    delete h;
}

void TQtWindowSystem::SetParent(TWindowHandle* h, TWindowHandle* parent)
{
    if (h->Kind == TWindowKind::wkMDIChild) {
        if (parent->Mdi && h->Sub && h->Sub->mdiArea() != parent->Mdi) parent->Mdi->addSubWindow(h->Sub);
        return;
    }
    if (h->Kind == TWindowKind::wkForm || h->Kind == TWindowKind::wkMDIForm || h->Kind == TWindowKind::wkHint)
        return;
    h->Outer->setParent(parent->W);
}

void TQtWindowSystem::SetBounds(TWindowHandle* h, const TRect& b)
{
    QWidget* outer = h->Outer;
    if (!outer) return;
    outer->setGeometry(b.Left, b.Top, std::max(b.Width(), 1), std::max(b.Height(), 1));
    if (outer->layout()) outer->layout()->activate();
}

void TQtWindowSystem::SetVisible(TWindowHandle* h, bool visible)
{
    if (!h->Outer) return;
    // A hint window (a drop-down list, a balloon, a completion list) belongs to the modal window
    // on top, whose modality would otherwise hold back the user's clicks on it.
    if (visible && h->Kind == TWindowKind::wkHint) {
        h->Outer->winId();
        QWidget* modal = QApplication::activeModalWidget();
        h->Outer->windowHandle()->setTransientParent(modal && modal != h->Outer ? modal->windowHandle() : nullptr);
    }
    if (h->Kind == TWindowKind::wkMDIChild) h->W->setVisible(visible);
    h->Outer->setVisible(visible);
    if (visible && h->Outer->layout()) h->Outer->layout()->activate();
}

void TQtWindowSystem::SetEnabled(TWindowHandle* h, bool enabled)
{
    if (h->W) h->W->setEnabled(enabled);
}

void TQtWindowSystem::SetText(TWindowHandle* h, const String& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
        if (e->text() != QS(text)) e->setText(QS(text));
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
        const QString plain = MemoText(text);
        if (m->toPlainText() != plain) m->setPlainText(plain);
    } else if (auto* b = qobject_cast<QPushButton*>(h->W)) {
        b->setText(QS(text));
        b->setShortcut(QKeySequence());   // accelerators go through CM_DIALOGCHAR, not the toolkit
    } else if (h->Outer) {
        h->Outer->setWindowTitle(QS(text));
    }
}

String TQtWindowSystem::GetText(TWindowHandle* h)
{
    if (auto* e = qobject_cast<QLineEdit*>(h->W)) return VS(e->text());
    if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) return VS(m->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
    if (auto* d = qobject_cast<QDateEdit*>(h->W)) return VS(d->text());
    if (auto* b = qobject_cast<QPushButton*>(h->W)) return VS(b->text());
    return h->Outer ? VS(h->Outer->windowTitle()) : String();
}

void TQtWindowSystem::SetFont(TWindowHandle* h, const TFont& font)
{
    if (!h->W || h->Control->Surface()) return;
    TFontSpec fontSpec;
    fontSpec.Name = font.Name();
    fontSpec.Height = font.Height();
    fontSpec.Style = font.Style();
    QFont q = ToQFont(fontSpec);
    h->W->setFont(q);
    // an edit writes its text in its font's colour
    if (!qobject_cast<QLineEdit*>(h->W) && !qobject_cast<QPlainTextEdit*>(h->W)) return;
    const TColor rgb = ColorToRGB(font.Color());
    QPalette palette = h->W->palette();
    palette.setColor(QPalette::Text, QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    h->W->setPalette(palette);
}

void TQtWindowSystem::SetColor(TWindowHandle* h, TColor color)
{
    if (!h->W || h->Control->Surface()) return;
    if (!qobject_cast<QLineEdit*>(h->W) && !qobject_cast<QPlainTextEdit*>(h->W) && !qobject_cast<QComboBox*>(h->W) &&
        !qobject_cast<QAbstractSpinBox*>(h->W))
        return;
    const TColor rgb = ColorToRGB(color);
    QPalette palette = h->W->palette();
    palette.setColor(QPalette::Base, QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    h->W->setPalette(palette);
}

void TQtWindowSystem::BringToFront(TWindowHandle* h)
{
    if (h->Outer && (!h->Outer->isWindow() || QGuiApplication::platformName() != "offscreen")) h->Outer->raise();
}

void TQtWindowSystem::ShowArea(TWindowHandle* h, const TRect& area)
{
    if (h->W) h->W->update(QR(area));
}

void TQtWindowSystem::SchedulePaint(TWindowHandle* h)
{
    if (!h->W) return;
    if (h->Control && h->Control->Surface()) h->W->update(QR(h->Control->UpdateRegion().BoundingRect()));
    else h->W->update();
}

void TQtWindowSystem::SetFocus(TWindowHandle* h)
{
    if (h->W) h->W->setFocus(Qt::OtherFocusReason);
}

bool TQtWindowSystem::HasFocus(TWindowHandle* h) { return h->W && h->W->hasFocus(); }

TPoint TQtWindowSystem::ClientToScreen(TWindowHandle* h, TPoint p)
{
    QPoint g = h->W ? h->W->mapToGlobal(QPoint(p.X, p.Y)) : QPoint(p.X, p.Y);
    return {g.x(), g.y()};
}

TSize TQtWindowSystem::ClientSize(TWindowHandle* h)
{
    if (!h->W) return {};
    if (h->Outer && h->Outer->layout()) h->Outer->layout()->activate();
    return {h->W->width(), h->W->height()};
}

TPoint TQtWindowSystem::CursorPos()
{
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void TQtWindowSystem::SetCapture(TWindowHandle*) {}

void TQtWindowSystem::SetCursor(TWindowHandle* h, TCursor cursor)
{
    if (!h->W) return;
    if (cursor == crDefault) h->W->unsetCursor();
    else h->W->setCursor(ToQCursor(cursor));
}

TCursor TQtWindowSystem::RegisterCursor(const std::vector<Byte>& curFile)
{
    QCursor cursor(Qt::ArrowCursor);
    if (curFile.size() >= 22) {
        const int hotX = curFile[10] | (curFile[11] << 8), hotY = curFile[12] | (curFile[13] << 8);
        QImage img;
        QByteArray data(reinterpret_cast<const char*>(curFile.data()), static_cast<qsizetype>(curFile.size()));
        if (img.loadFromData(data, "CUR") || img.loadFromData(data, "ICO"))
            cursor = QCursor(QPixmap::fromImage(img), hotX, hotY);
    }
    TCursor id = static_cast<TCursor>(1000 + CustomCursors().size());
    CustomCursors()[id] = cursor;
    return id;
}

void TQtWindowSystem::SetScreenCursor(TCursor cursor)
{
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    if (cursor != crDefault) QApplication::setOverrideCursor(ToQCursor(cursor));
}

void TQtWindowSystem::ShowCaret(TWindowHandle* h, const TRect& caret, bool visible)
{
    QRect old = h->Caret;
    h->Caret = QR(caret);
    h->CaretVisible = visible;
    if (h->W) {
        h->W->update(old);
        h->W->update(h->Caret);
    }
}

void TQtWindowSystem::SetScrollBar(TWindowHandle* h, int bar, bool visible, int min, int max, int page, int pos,
                                   const TScrollBarLook& look, const TRect& client)
{
    if (!h->W) return;
    const int index = bar == SB_VERT ? 1 : 0;
    QPointer<QScrollBar>& sb = h->Bars[index];
    if (!visible) {
        if (sb) sb->hide();
        return;
    }
    if (!sb) {
        sb = new QScrollBar(index ? Qt::Vertical : Qt::Horizontal, h->W);
        sb->setFocusPolicy(Qt::NoFocus);
        const Cardinal msg = index ? WM_VSCROLL : WM_HSCROLL;
        QScrollBar* raw = sb;
        auto send = [h, msg](Word code, int p) {
            if (!h->Control) return;
            TMessage m{msg, MakeWParam(code, p), 0, 0};
            h->Control->MainWndProc(m);
        };
        // The bar moves only as the control sets its position; the thumb follows a drag.
        QObject::connect(raw, &QAbstractSlider::actionTriggered, [h, raw, send, index](int action) {
            switch (action) {
            case QAbstractSlider::SliderSingleStepAdd: send(SB_LINEDOWN, 0); break;
            case QAbstractSlider::SliderSingleStepSub: send(SB_LINEUP, 0); break;
            case QAbstractSlider::SliderPageStepAdd: send(SB_PAGEDOWN, 0); break;
            case QAbstractSlider::SliderPageStepSub: send(SB_PAGEUP, 0); break;
            case QAbstractSlider::SliderToMinimum: send(SB_TOP, 0); break;
            case QAbstractSlider::SliderToMaximum: send(SB_BOTTOM, 0); break;
            case QAbstractSlider::SliderMove:
                if (h->Control) h->Control->ScrollBarState(index ? SB_VERT : SB_HORZ).Info.nTrackPos = raw->sliderPosition();
                send(SB_THUMBTRACK, raw->sliderPosition());
                return;
            default: return;
            }
            send(SB_ENDSCROLL, 0);
        });
        QObject::connect(raw, &QAbstractSlider::sliderReleased, [raw, send] {
            send(SB_THUMBPOSITION, raw->sliderPosition());
            send(SB_ENDSCROLL, 0);
        });
        QObject::connect(raw, &QAbstractSlider::valueChanged, [h, raw, index](int value) {
            if (h->SyncingBar || !h->Control || raw->isSliderDown()) return;
            const int wanted = h->Control->ScrollBarState(index ? SB_VERT : SB_HORZ).Info.nPos;
            if (value != wanted) {
                h->SyncingBar = true;
                raw->setValue(wanted);
                h->SyncingBar = false;
            }
        });
    }
    h->SyncingBar = true;
    sb->setRange(min, std::max(min, max - std::max(page - 1, 0)));
    sb->setPageStep(std::max(page, 1));
    sb->setSingleStep(1);
    sb->setValue(pos);
    h->SyncingBar = false;
    sb->setProperty("flatMode", look.Mode);
    sb->setProperty("trackColor", look.Background == clNone ? QVariant() : QVariant(static_cast<int>(ColorToRGB(look.Background))));
    sb->update();
    const int size = look.Size;
    if (index) sb->setGeometry(client.Right, client.Top, size, client.Height());
    else sb->setGeometry(client.Left, client.Bottom, client.Width(), size);
    sb->show();
}

void TQtWindowSystem::SetModal(TWindowHandle* h, bool modal)
{
    if (h->Outer) h->Outer->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

void TQtWindowSystem::Activate(TWindowHandle* h)
{
    if (h->Sub && h->Sub->mdiArea()) {
        h->Sub->mdiArea()->setActiveSubWindow(h->Sub);
        return;
    }
    if (!h->Outer) return;
    if (QGuiApplication::platformName() != "offscreen") h->Outer->raise();
    h->Outer->activateWindow();
}

bool TQtWindowSystem::IsActive(TWindowHandle* h) { return h->Outer && h->Outer->isActiveWindow(); }

void TQtWindowSystem::SetWindowState(TWindowHandle* h, int state)
{
    if (!h->Outer) return;
    // The toolkit activates a document window it minimises, but a disabled one it leaves alone:
    // minimising an inactive document window keeps the frame's list of its windows in order.
    const bool inactive = state == 1 && h->Sub && h->Sub->mdiArea() && h->Sub->mdiArea()->activeSubWindow() != h->Sub &&
                          h->Sub->isEnabled();
    if (inactive) h->Sub->setEnabled(false);
    // A window manager maximises only a window whose frame allows it, and the toolkit allows it
    // with the maximise box: a window the program maximises gets the box.
    if (state == 2 && h->Main && !(h->Main->windowFlags() & Qt::WindowMaximizeButtonHint)) {
        const bool shown = h->Main->isVisible();
        h->Main->setWindowFlags(h->Main->windowFlags() | Qt::WindowMaximizeButtonHint);
        if (shown) h->Main->show();
    }
    h->Outer->setWindowState(state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
    if (inactive) h->Sub->setEnabled(true);
}

void TQtWindowSystem::SetBorder(TWindowHandle* h, const TWindowFrame& frame)
{
    if (!h->Main) return;
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (frame.BorderStyle) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags |= Qt::Dialog; break;
    case bsToolWindow:
    case bsSizeToolWin: flags |= Qt::Tool; break;
    default: flags |= Qt::Window; break;
    }
    if (frame.BorderStyle != bsNone && frame.SystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        // dialog and tool frames have no minimize and maximize boxes; the help box stands in
        // their place only
        const bool sizeBoxes = frame.BorderStyle == bsSingle || frame.BorderStyle == bsSizeable;
        if (sizeBoxes && frame.Minimize) flags |= Qt::WindowMinimizeButtonHint;
        if (sizeBoxes && frame.Maximize) flags |= Qt::WindowMaximizeButtonHint;
        if (frame.Help && !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    if (frame.StayOnTop) flags |= Qt::WindowStaysOnTopHint;
    if (flags == h->Main->windowFlags()) return;
    // the toolkit hides a window whose flags change; a shown one is shown again with its new frame
    const bool shown = h->Main->isVisible();
    h->Main->setWindowFlags(flags);
    if (shown) h->Main->show();
}

// Top-level windows take the application's icon from the toolkit; document windows inside a
// frame are given it, the ones open included.
void TQtWindowSystem::SetApplicationIcon(const TBitmap* image)
{
    QIcon icon;
    TPixelBuffer px;
    if (image) {
        if (!image->GetPixels(px)) return;
        const QImage picture(reinterpret_cast<const uchar*>(px.Bits), px.Width, px.Height, px.Stride * 4,
                             QImage::Format_ARGB32);
        icon = QIcon(QPixmap::fromImage(picture.copy()));
    }
    QApplication::setWindowIcon(icon);
    for (const auto& [widget, h] : gByWidget)
        if (h->Sub && widget == h->Sub.data()) h->Sub->setWindowIcon(icon);
}

TSize TQtWindowSystem::ApplicationIconSize()
{
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    if (sizes.isEmpty()) return {0, 0};
    return {sizes.first().width(), sizes.first().height()};
}

bool TQtWindowSystem::HasCloseBox(TWindowHandle* h)
{
    if (h->Sub) return true;   // MDI children always carry their close box
    return h->Main && h->Main->windowFlags().testFlag(Qt::WindowCloseButtonHint);
}

TRect TQtWindowSystem::ScreenRect()
{
    QRect r = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry() : QRect(0, 0, 1024, 768);
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

void TQtWindowSystem::SetMDIClientRect(TWindowHandle* frame, const TRect& r)
{
    if (frame->Mdi) frame->Mdi->setGeometry(QR(r));
}

std::vector<TWinControl*> TQtWindowSystem::MDIChildren(TWindowHandle* frame)
{
    std::vector<TWinControl*> list;
    if (!frame->Mdi) return list;
    const auto subs = frame->Mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        if (TWindowHandle* h = HandleOf(*it); h && h->Control) list.push_back(h->Control);
    return list;
}

TWinControl* TQtWindowSystem::ActiveMDIChild(TWindowHandle* frame)
{
    if (!frame->Mdi) return nullptr;
    QMdiSubWindow* sw = frame->Mdi->activeSubWindow();
    if (!sw) sw = frame->Mdi->currentSubWindow();
    TWindowHandle* h = sw ? HandleOf(sw) : nullptr;
    return h ? h->Control : nullptr;
}

void TQtWindowSystem::ActivateMDIChild(TWindowHandle* child)
{
    if (child->Sub && child->Sub->mdiArea()) child->Sub->mdiArea()->setActiveSubWindow(child->Sub);
}

// Tiling puts the shown document windows that are not minimised, the most recently active first,
// one above the other at the frame's full width (1) or side by side at its full height (2), above
// the row of minimised windows; arranging icons lines the minimised ones up along the bottom,
// left to right, in rows upwards when one row is full.
void TQtWindowSystem::ArrangeMDI(TWindowHandle* frame, int how)
{
    QMdiArea* mdi = frame->Mdi;
    if (!mdi) return;
    if (how == 0) {
        mdi->cascadeSubWindows();
        return;
    }
    std::vector<QMdiSubWindow*> open, icons;
    const auto subs = mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        if ((*it)->isVisible()) ((*it)->isMinimized() ? icons : open).push_back(*it);
    const QSize area = mdi->viewport()->size();
    if (how == 3) {
        int x = 0, y = area.height() - (icons.empty() ? 0 : icons.front()->height());
        for (QMdiSubWindow* sw : icons) {
            if (x > 0 && x + sw->width() > area.width()) {
                x = 0;
                y -= sw->height();
            }
            sw->move(x, y);
            x += sw->width();
        }
        return;
    }
    const int n = static_cast<int>(open.size());
    const int w = area.width(), h = area.height() - (icons.empty() ? 0 : icons.front()->height());
    for (int i = 0; i < n; ++i) {
        if (open[i]->isMaximized()) open[i]->showNormal();
        open[i]->setGeometry(how == 1 ? QRect(0, h * i / n, w, h * (i + 1) / n - h * i / n)
                                      : QRect(w * i / n, 0, w * (i + 1) / n - w * i / n, h));
    }
}

}  // namespace qtbackend

void InitQtWindows()
{
    static bool done = false;
    if (done) return;
    done = true;
    InitQtGraphics();
    if (QStyle* style = QStyleFactory::create("Windows")) QApplication::setStyle(new qtbackend::TClassicStyle(style));
    QApplication::setPalette(qtbackend::SystemPalette());
    static qtbackend::TQtWindowSystem system;
    RegisterWindowSystem(&system);
    qtbackend::RegisterQtEditUndo();
    qtbackend::RegisterQtPopupWindows();
    qtbackend::RegisterQtWheelInput();
    qtbackend::RegisterQtMonitors();
    qtbackend::WatchSystemChanges();
    qtbackend::RegisterQtDesktopSettings();
}
