// The window system on Qt widgets: owner-drawn windows show the layer's surfaces, native
// widgets (line edit, push button, tool bar, menus, MDI area, dialogs) sit under the controls,
// and every toolkit event becomes a message sent through the control's MainWndProc, with the
// widget's own handling as the message's default.
#include "platform/backend/qt/QtWindows.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDateEdit>
#include <QEventLoop>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionToolButton>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <map>
#include <unordered_map>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/backend/qt/QtSupport.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/SysFormat.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/Menus.h"
#include "platform/stdctrls/ToolBar.h"

struct TWindowHandle {
    TWinControl* Control = nullptr;
    TWindowKind Kind = TWindowKind::wkCustom;
    QPointer<QWidget> W;       // the control's own widget
    QPointer<QWidget> Outer;   // what sits in the parent: the top-level window or the MDI sub-window
    QPointer<QMainWindow> Main;
    QPointer<QMdiArea> Mdi;
    QPointer<QMdiSubWindow> Sub;
    QRect Caret;
    bool CaretVisible = false;
    QPointer<QScrollBar> Bars[2];   // horizontal, vertical
    bool SyncingBar = false;
    bool ClosingByToolkit = false;
};

namespace qtbackend {

namespace {

std::unordered_map<const QObject*, TWindowHandle*> gByWidget;
int gEventDepth = 0;   // toolkit events being handled by our widgets

struct TDepth {
    TDepth() { ++gEventDepth; }
    ~TDepth() { --gEventDepth; }
};

TWindowHandle* HandleOf(const QObject* o)
{
    auto it = gByWidget.find(o);
    return it == gByWidget.end() ? nullptr : it->second;
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

// ---------------------------------------------------------------- widgets
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
        case QEvent::KeyRelease: {
            auto* ke = static_cast<QKeyEvent*>(e);
            TMessage m{WM_KEYUP, VkFromQt(ke->key()), ShiftStateToKeyData(ModifiersToShift(ke->modifiers())), 0};
            Deliver(ctl, m, [&](TMessage&) { QBase::event(e); });
            e->accept();
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            TMessage m{e->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0, 0};
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
        // With the capture on another window, that window gets the message.
        HWND target = ctl;
        if (HWND capture = GetCapture(); capture && capture != ctl && capture->HandleAllocated() &&
                                         capture->WindowHandle()->W) {
            local = capture->WindowHandle()->W->mapFromGlobal(me->globalPosition().toPoint());
            target = capture;
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
        Deliver(ctl, down, [&](TMessage&) { keyDownPassed = true; });
        if (!self || !H || H->Control != ctl) return true;
        QString passed;
        QString text = ke->key() == Qt::Key_Delete ? QString() : ke->text();
        if (!ctl->TakeDialogKeyUsed()) {
            for (QChar ch : text) {
                const bool alt = ke->modifiers() & Qt::AltModifier;
                TMessage m{alt ? WM_SYSCHAR : WM_CHAR, ch.unicode(), down.LParam, 0};
                Deliver(ctl, m, [&](TMessage& mm) { passed += QChar(static_cast<char16_t>(mm.WParam)); });
                if (!self || !H || H->Control != ctl) return true;
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

    bool Paint(QPaintEvent* pe)
    {
        TWinControl* ctl = H->Control;
        if (!ctl->Surface()) {
            TMessage m{WM_PAINT, 0, 0, 0};
            Deliver(ctl, m, [&](TMessage&) { QBase::event(pe); });
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
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Keys of a window without focused control go to the form.
            if (H->W && QApplication::focusWidget() == nullptr) return QApplication::sendEvent(H->W, e);
            return QBase::event(e);
        default: return QBase::event(e);
        }
    }
};

struct TMenuData {
    QPointer<QAction> Action;   // the item's own action (leaf items, tool buttons)
    QPointer<QMenu> Menu;       // the sub-menu of an item with sub-items
};

TMenuData* MenuData(TMenuItem* item)
{
    return static_cast<TMenuData*>(item->BackendData());
}

QKeySequence ToKeySequence(TShortCut s)
{
    if (s == 0) return QKeySequence();
    Word key;
    TShiftState shift;
    ShortCutToKey(s, key, shift);
    int k = QtFromVk(key);
    if (shift.Contains(ssShift)) k |= Qt::SHIFT;
    if (shift.Contains(ssCtrl)) k |= Qt::CTRL;
    if (shift.Contains(ssAlt)) k |= Qt::ALT;
    return QKeySequence(k);
}

QImage BitmapImage(TBitmap& b)
{
    TPixelBuffer px;
    if (!b.GetPixels(px)) return QImage();
    return QImage(reinterpret_cast<const uchar*>(px.Bits), px.Width, px.Height, px.Stride * 4, QImage::Format_RGB32).copy();
}

// The action that shows the item: its sub-menu's action when it has sub-items.
QAction* SyncItem(TMenuItem* item);

void ApplyItemState(QAction* a, TMenuItem* item)
{
    a->setText(QS(item->Caption()));
    a->setSeparator(item->IsLine());
    a->setEnabled(item->Enabled());
    a->setVisible(item->Visible());
    a->setCheckable(item->Checked() || item->RadioItem() || item->AutoCheck());
    a->setChecked(item->Checked());
    a->setShortcut(ToKeySequence(item->ShortCut()));
    a->setStatusTip(QS(item->Hint()));
    a->setToolTip(QS(item->Hint().IsEmpty() ? StripHotkey(item->Caption()) : item->Hint()));
    QFont f = a->font();
    f.setBold(item->Default());
    a->setFont(f);
    if (item->HasBitmap() && !item->Bitmap()->Empty()) a->setIcon(QIcon(QPixmap::fromImage(BitmapImage(*item->Bitmap()))));
}

QAction* SyncItem(TMenuItem* item)
{
    auto* d = MenuData(item);
    if (!d) {
        d = new TMenuData;
        item->SetBackendData(d);
    }
    if (!d->Action) {
        d->Action = new QAction();
        QObject::connect(d->Action, &QAction::triggered, [item] {
            CallProtected(item, [item] {
                // The toolkit has toggled a checkable action already; the item decides.
                if (auto* data = MenuData(item); data && data->Action) data->Action->setChecked(item->Checked());
                item->Click();
            });
        });
    }
    ApplyItemState(d->Action, item);
    if (item->Count() == 0) {
        if (d->Menu) d->Menu->clear();
        return d->Action;
    }
    if (!d->Menu) d->Menu = new QMenu();
    d->Menu->clear();
    for (Integer i = 0; i < item->Count(); ++i) d->Menu->addAction(SyncItem(item->Items(i)));
    QAction* ma = d->Menu->menuAction();
    ApplyItemState(ma, item);
    ma->setCheckable(false);
    return ma;
}

// A press on the arrow of a drop-down tool button goes to the tool bar's control as
// CN_NOTIFY TBN_DROPDOWN; the rest of the button runs its action as before.
class TDropDownArrow : public QObject {
public:
    TDropDownArrow(QToolButton* button, QToolBar* bar, TMenuItem* item) : QObject(button), FBar(bar), FItem(item) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (!button || e->type() != QEvent::MouseButtonPress) return false;
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() != Qt::LeftButton || !ArrowRect(button).contains(me->position().toPoint())) return false;
        TWindowHandle* h = FBar ? HandleOf(FBar) : nullptr;
        if (!h || !h->Control) return true;
        TWinControl* bar = h->Control;
        TNMToolBar info{{bar, 0, TBN_DROPDOWN}, FItem};
        TMessage m{CN_NOTIFY, 0, reinterpret_cast<std::intptr_t>(&info), 0};
        CallProtected(bar, [&] { bar->MainWndProc(m); });
        return true;
    }

private:
    static QRect ArrowRect(QToolButton* button)
    {
        QStyleOptionToolButton opt;
        opt.initFrom(button);
        opt.rect = button->rect();
        opt.subControls = QStyle::SC_ToolButton | QStyle::SC_ToolButtonMenu;
        opt.features = QStyleOptionToolButton::MenuButtonPopup;
        return button->style()->subControlRect(QStyle::CC_ToolButton, &opt, QStyle::SC_ToolButtonMenu, button);
    }
    QPointer<QToolBar> FBar;
    TMenuItem* FItem;
};

// The picture of one tool button: the button takes its action's icon again whenever the action
// changes, so the picture is put back after each change.
class TButtonPicture : public QObject {
public:
    TButtonPicture(QToolButton* button, const QIcon& icon) : QObject(button), FIcon(icon) { Apply(button); }
    void SetIcon(QToolButton* button, const QIcon& icon)
    {
        FIcon = icon;
        Apply(button);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (!button || e->type() != QEvent::ActionChanged) return false;
        static_cast<QObject*>(button)->event(e);
        Apply(button);
        return true;
    }

private:
    void Apply(QToolButton* button)
    {
        button->setIcon(FIcon);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    QIcon FIcon;
};

// ---------------------------------------------------------------- the window system
class TQtWindowSystem : public TWindowSystem {
public:
    TWindowHandle* CreateWindow(TWinControl* control, TWindowKind kind) override
    {
        auto* h = new TWindowHandle;
        h->Control = control;
        h->Kind = kind;
        switch (kind) {
        case TWindowKind::wkCustom: {
            auto* w = new THost<QWidget>(h);
            w->setAttribute(Qt::WA_OpaquePaintEvent);
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

    void DestroyWindow(TWindowHandle* h) override
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
            outer->deleteLater();
        }
        delete h;
    }

    void SetParent(TWindowHandle* h, TWindowHandle* parent) override
    {
        if (h->Kind == TWindowKind::wkMDIChild) {
            if (parent->Mdi && h->Sub && h->Sub->mdiArea() != parent->Mdi) parent->Mdi->addSubWindow(h->Sub);
            return;
        }
        if (h->Kind == TWindowKind::wkForm || h->Kind == TWindowKind::wkMDIForm || h->Kind == TWindowKind::wkHint)
            return;
        h->Outer->setParent(parent->W);
    }

    void SetBounds(TWindowHandle* h, const TRect& b) override
    {
        QWidget* outer = h->Outer;
        if (!outer) return;
        outer->setGeometry(b.Left, b.Top, std::max(b.Width(), 1), std::max(b.Height(), 1));
        if (outer->layout()) outer->layout()->activate();
    }

    void SetVisible(TWindowHandle* h, bool visible) override
    {
        if (!h->Outer) return;
        if (h->Kind == TWindowKind::wkMDIChild) h->W->setVisible(visible);
        h->Outer->setVisible(visible);
        if (visible && h->Outer->layout()) h->Outer->layout()->activate();
    }

    void SetEnabled(TWindowHandle* h, bool enabled) override
    {
        if (h->W) h->W->setEnabled(enabled);
    }

    void SetText(TWindowHandle* h, const String& text) override
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

    String GetText(TWindowHandle* h) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) return VS(e->text());
        if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) return VS(m->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
        if (auto* d = qobject_cast<QDateEdit*>(h->W)) return VS(d->text());
        if (auto* b = qobject_cast<QPushButton*>(h->W)) return VS(b->text());
        return h->Outer ? VS(h->Outer->windowTitle()) : String();
    }

    void SetFont(TWindowHandle* h, const TFont& font) override
    {
        if (!h->W || h->Control->Surface()) return;
        TFontSpec fontSpec;
        fontSpec.Name = font.Name();
        fontSpec.Height = font.Height();
        fontSpec.Style = font.Style();
        QFont q = ToQFont(fontSpec);
        h->W->setFont(q);
    }

    void BringToFront(TWindowHandle* h) override
    {
        if (h->Outer && (!h->Outer->isWindow() || QGuiApplication::platformName() != "offscreen")) h->Outer->raise();
    }

    void ShowArea(TWindowHandle* h, const TRect& area) override
    {
        if (h->W) h->W->update(QR(area));
    }

    void SchedulePaint(TWindowHandle* h) override
    {
        if (!h->W) return;
        if (h->Control && h->Control->Surface()) h->W->update(QR(h->Control->UpdateRegion().BoundingRect()));
        else h->W->update();
    }

    void SetFocus(TWindowHandle* h) override
    {
        if (h->W) h->W->setFocus(Qt::OtherFocusReason);
    }

    bool HasFocus(TWindowHandle* h) override { return h->W && h->W->hasFocus(); }

    TPoint ClientToScreen(TWindowHandle* h, TPoint p) override
    {
        QPoint g = h->W ? h->W->mapToGlobal(QPoint(p.X, p.Y)) : QPoint(p.X, p.Y);
        return {g.x(), g.y()};
    }

    TSize ClientSize(TWindowHandle* h) override
    {
        if (!h->W) return {};
        if (h->Outer && h->Outer->layout()) h->Outer->layout()->activate();
        return {h->W->width(), h->W->height()};
    }

    TPoint CursorPos() override
    {
        QPoint p = QCursor::pos();
        return {p.x(), p.y()};
    }

    void SetCapture(TWindowHandle*) override {}

    void SetCursor(TWindowHandle* h, TCursor cursor) override
    {
        if (!h->W) return;
        if (cursor == crDefault) h->W->unsetCursor();
        else h->W->setCursor(ToQCursor(cursor));
    }

    TCursor RegisterCursor(const std::vector<Byte>& curFile) override
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

    void SetScreenCursor(TCursor cursor) override
    {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        if (cursor != crDefault) QApplication::setOverrideCursor(ToQCursor(cursor));
    }

    void ShowCaret(TWindowHandle* h, const TRect& caret, bool visible) override
    {
        QRect old = h->Caret;
        h->Caret = QR(caret);
        h->CaretVisible = visible;
        if (h->W) {
            h->W->update(old);
            h->W->update(h->Caret);
        }
    }

    void SetScrollBar(TWindowHandle* h, int bar, bool visible, int min, int max, int page, int pos,
                      const TRect& client) override
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
        const int size = ScrollBarSize;
        if (index) sb->setGeometry(client.Right, client.Top, size, client.Height());
        else sb->setGeometry(client.Left, client.Bottom, client.Width(), size);
        sb->show();
    }

    void SetModal(TWindowHandle* h, bool modal) override
    {
        if (h->Outer) h->Outer->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    }

    void Activate(TWindowHandle* h) override
    {
        if (h->Sub && h->Sub->mdiArea()) {
            h->Sub->mdiArea()->setActiveSubWindow(h->Sub);
            return;
        }
        if (!h->Outer) return;
        if (QGuiApplication::platformName() != "offscreen") h->Outer->raise();
        h->Outer->activateWindow();
    }

    bool IsActive(TWindowHandle* h) override { return h->Outer && h->Outer->isActiveWindow(); }

    void SetWindowState(TWindowHandle* h, int state) override
    {
        if (!h->Outer) return;
        h->Outer->setWindowState(state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
    }

    void SetBorder(TWindowHandle* h, int borderStyle) override
    {
        if (!h->Main || h->Main->isVisible()) return;
        Qt::WindowFlags flags = Qt::Window;
        switch (borderStyle) {
        case bsNone: flags |= Qt::FramelessWindowHint; break;
        case bsDialog: flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint; break;
        case bsToolWindow:
        case bsSizeToolWin: flags = Qt::Tool; break;
        default: break;
        }
        h->Main->setWindowFlags(flags);
    }

    TRect ScreenRect() override
    {
        QRect r = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry() : QRect(0, 0, 1024, 768);
        return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    }

    void SetMenuBar(TWindowHandle* h, const std::vector<TMenuItem*>& items) override
    {
        if (!h->Main) return;
        QMenuBar* bar = h->Main->menuBar();
        bar->clear();
        for (TMenuItem* item : items) bar->addAction(SyncItem(item));
        bar->setVisible(!items.empty());
        if (h->Main->layout()) h->Main->layout()->activate();
    }

    int MenuBarHeight(TWindowHandle* h) override
    {
        return h->Main && h->Main->menuBar()->isVisible() ? h->Main->menuBar()->height() : 0;
    }

    void SetMDIClientRect(TWindowHandle* frame, const TRect& r) override
    {
        if (frame->Mdi) frame->Mdi->setGeometry(QR(r));
    }

    std::vector<TWinControl*> MDIChildren(TWindowHandle* frame) override
    {
        std::vector<TWinControl*> list;
        if (!frame->Mdi) return list;
        const auto subs = frame->Mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = subs.rbegin(); it != subs.rend(); ++it)
            if (TWindowHandle* h = HandleOf(*it); h && h->Control) list.push_back(h->Control);
        return list;
    }

    TWinControl* ActiveMDIChild(TWindowHandle* frame) override
    {
        if (!frame->Mdi) return nullptr;
        QMdiSubWindow* sw = frame->Mdi->activeSubWindow();
        if (!sw) sw = frame->Mdi->currentSubWindow();
        TWindowHandle* h = sw ? HandleOf(sw) : nullptr;
        return h ? h->Control : nullptr;
    }

    void ActivateMDIChild(TWindowHandle* child) override
    {
        if (child->Sub && child->Sub->mdiArea()) child->Sub->mdiArea()->setActiveSubWindow(child->Sub);
    }

    void ArrangeMDI(TWindowHandle* frame, int how) override
    {
        if (!frame->Mdi) return;
        if (how == 0) frame->Mdi->cascadeSubWindows();
        else if (how == 1 || how == 2) frame->Mdi->tileSubWindows();
    }

    void AddToolButton(TWindowHandle* toolBar, TMenuItem* item) override
    {
        if (auto* t = qobject_cast<QToolBar*>(toolBar->W)) {
            SyncItem(item);
            t->addAction(MenuData(item)->Action);
        }
    }

    TRect ToolButtonRect(TWindowHandle* toolBar, TMenuItem* item) override
    {
        QWidget* b = ToolButton(toolBar, item);
        if (!b) return {};
        QRect r = b->geometry();
        return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    }

    bool ToolButtonEnabled(TWindowHandle* toolBar, TMenuItem* item) override
    {
        QWidget* b = ToolButton(toolBar, item);
        return b && b->isEnabled();
    }

    void SetToolButtonDropDown(TWindowHandle* toolBar, TMenuItem* item, bool dropDown) override
    {
        auto* button = qobject_cast<QToolButton*>(ToolButton(toolBar, item));
        if (!button) return;
        button->setPopupMode(dropDown ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
        auto* arrow = button->findChild<TDropDownArrow*>(QString(), Qt::FindDirectChildrenOnly);
        if (dropDown && !arrow) button->installEventFilter(new TDropDownArrow(button, qobject_cast<QToolBar*>(toolBar->W), item));
        if (!dropDown && arrow) delete arrow;
        button->updateGeometry();
    }

    void SetToolButtonPicture(TWindowHandle* toolBar, TMenuItem* item, TBitmap* picture, TBitmap* disabledPicture) override
    {
        auto* button = qobject_cast<QToolButton*>(ToolButton(toolBar, item));
        if (!button) return;
        auto* current = button->findChild<TButtonPicture*>(QString(), Qt::FindDirectChildrenOnly);
        if (!picture) {
            delete current;
            button->setIcon(button->defaultAction() ? button->defaultAction()->icon() : QIcon());
            button->setToolButtonStyle(qobject_cast<QToolBar*>(toolBar->W)->toolButtonStyle());
            return;
        }
        // Opaque pictures: the bitmap's pixels leave the alpha byte empty.
        const auto pixmap = [](TBitmap& b) { return QPixmap::fromImage(BitmapImage(b).convertToFormat(QImage::Format_ARGB32)); };
        QIcon icon(pixmap(*picture));
        icon.addPixmap(pixmap(*disabledPicture), QIcon::Disabled);
        if (current) current->SetIcon(button, icon);
        else button->installEventFilter(new TButtonPicture(button, icon));
    }

    // Memos count a line break as the two characters CR LF, as their text has them; the
    // document has one.
    static int MemoPosToDoc(const QPlainTextEdit* m, int pos)
    {
        const QString text = m->toPlainText();
        int doc = 0;
        for (int win = 0; doc < text.size() && win < pos; ++doc) win += text[doc] == u'\n' ? 2 : 1;
        return doc;
    }

    static int MemoPosFromDoc(const QPlainTextEdit* m, int doc)
    {
        const QString text = m->toPlainText();
        return doc + static_cast<int>(text.left(doc).count(u'\n'));
    }

    static QString MemoText(const String& text)
    {
        return QS(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

    void GetEditSel(TWindowHandle* h, Integer& start, Integer& end) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
            start = end = e->cursorPosition();
            if (e->hasSelectedText()) {
                start = e->selectionStart();
                end = e->selectionEnd();
            }
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
            const QTextCursor c = m->textCursor();
            start = MemoPosFromDoc(m, c.selectionStart());
            end = MemoPosFromDoc(m, c.selectionEnd());
        }
    }

    void SetEditSel(TWindowHandle* h, Integer start, Integer end) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
            const int length = static_cast<int>(e->text().size());
            if (end < 0 || end > length) end = length;
            start = std::clamp(start, 0, length);
            if (start == end) e->setCursorPosition(end);
            else e->setSelection(start, end - start);
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
            const int length = static_cast<int>(m->toPlainText().size());
            const int docEnd = end < 0 ? length : MemoPosToDoc(m, end);
            QTextCursor c = m->textCursor();
            c.setPosition(MemoPosToDoc(m, std::max(start, 0)));
            c.setPosition(docEnd, QTextCursor::KeepAnchor);
            m->setTextCursor(c);
        }
    }

    void ReplaceEditSel(TWindowHandle* h, const String& text) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) e->insert(QS(text));
        else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) m->insertPlainText(MemoText(text));
    }

    bool EditModified(TWindowHandle* h) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) return e->isModified();
        if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) return m->document()->isModified();
        return false;
    }

    void SetEditModified(TWindowHandle* h, bool modified) override
    {
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) e->setModified(modified);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) m->document()->setModified(modified);
    }

    void SetEditOptions(TWindowHandle* h, const TEditOptions& o) override
    {
        const QMargins margins(o.TextMargins.Left, o.TextMargins.Top, o.TextMargins.Right, o.TextMargins.Bottom);
        if (auto* e = qobject_cast<QLineEdit*>(h->W)) {
            // Changing the limit makes the line edit set its text again, which clears the modified flag.
            const int limit = o.MaxLength > 0 ? o.MaxLength : 32767;
            if (e->maxLength() != limit) {
                const bool modified = e->isModified();
                e->setMaxLength(limit);
                e->setModified(modified);
            }
            e->setReadOnly(o.ReadOnly);
            e->setEchoMode(o.PasswordChar ? QLineEdit::Password : QLineEdit::Normal);
            e->setStyleSheet(o.PasswordChar ? QStringLiteral("QLineEdit { lineedit-password-character: %1 }").arg(int(o.PasswordChar))
                                            : QString());
            e->setTextMargins(margins);
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(h->W)) {
            m->setReadOnly(o.ReadOnly);
            m->setLineWrapMode(o.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
            m->setHorizontalScrollBarPolicy(o.ScrollBars & 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            m->setVerticalScrollBarPolicy(o.ScrollBars & 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        }
    }

    // The FormatDateTime date patterns as the date edit's display format: day, month and year
    // fields (any case), "/" as the date separator, quoted and other text as it is.
    static QString DisplayFormat(const String& format, int depth = 0)
    {
        const QString f = QS(format);
        QString out, literal;
        auto flush = [&] {
            if (literal.isEmpty()) return;
            out += u'\'' + QString(literal).replace(u'\'', QStringLiteral("''")) + u'\'';
            literal.clear();
        };
        for (qsizetype i = 0; i < f.size();) {
            const QChar c = f[i].toLower();
            qsizetype n = 1;
            while (i + n < f.size() && f[i + n].toLower() == c) ++n;
            if (c == u'"' || c == u'\'') {
                const qsizetype close = f.indexOf(f[i], i + 1);
                const qsizetype end = close < 0 ? f.size() : close;
                literal += f.mid(i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            if (c == u'd' && n >= 5 && depth == 0) {
                flush();
                out += DisplayFormat(n == 5 ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat, 1);
            } else if (c == u'd' || c == u'm') {
                flush();
                out += QString(std::min<qsizetype>(n, 4), c == u'd' ? u'd' : u'M');
            } else if (c == u'y') {
                flush();
                out += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
            } else if (c == u'/') {
                literal += QString(n, QChar(FormatSettings.DateSeparator));
            } else {
                literal += f.mid(i, n);
            }
            i += n;
        }
        flush();
        return out;
    }

    static QDate DateEpoch() { return QDate(1899, 12, 30); }

    void SetPickerDate(TWindowHandle* h, TDateTime date, const String& format) override
    {
        auto* d = qobject_cast<QDateEdit*>(h->W);
        if (!d) return;
        const QSignalBlocker quiet(d);   // the program's change is no user's change
        d->setDisplayFormat(DisplayFormat(format));
        d->setDate(DateEpoch().addDays(static_cast<qint64>(date)));
    }

    TDateTime PickerDate(TWindowHandle* h) override
    {
        auto* d = qobject_cast<QDateEdit*>(h->W);
        return d ? static_cast<TDateTime>(DateEpoch().daysTo(d->date())) : 0;
    }

    void MenuItemChanged(TMenuItem* item) override { SyncItem(item); }

    void MenuItemDestroyed(TMenuItem* item) override
    {
        auto* d = MenuData(item);
        if (!d) return;
        if (d->Menu) d->Menu->deleteLater();
        if (d->Action) d->Action->deleteLater();
        delete d;
        item->SetBackendData(nullptr);
    }

    void PopupMenu(TMenuItem* root, TPoint screen) override
    {
        QMenu menu;
        for (Integer i = 0; i < root->Count(); ++i) menu.addAction(SyncItem(root->Items(i)));
        menu.exec(QPoint(screen.X, screen.Y));
        menu.clear();
    }

    void ProcessEvents(bool wait) override
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents
                                             : QEventLoop::AllEvents);
        if (gEventDepth == 0) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void WakeUp() override
    {
        if (auto* d = QCoreApplication::eventDispatcher()) d->wakeUp();
    }

    void StartTimer(const void* key, Cardinal interval, std::function<void()> fire) override
    {
        StopTimer(key);
        auto* t = new QTimer();
        t->setInterval(static_cast<int>(interval));
        QObject::connect(t, &QTimer::timeout, [fire] { fire(); });
        FTimers[key] = t;
        t->start();
    }

    void StopTimer(const void* key) override
    {
        auto it = FTimers.find(key);
        if (it == FTimers.end()) return;
        it->second->stop();
        it->second->deleteLater();
        FTimers.erase(it);
    }

    int MessageBox(const String& caption, const String& text, TMessageBoxIcon icon, const std::vector<int>& buttons,
                   int defaultButton) override
    {
        static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Warning, QMessageBox::Critical,
                                                  QMessageBox::Information, QMessageBox::Question};
        QMessageBox box(icons[static_cast<int>(icon)], QS(caption), QS(text), QMessageBox::NoButton,
                        QApplication::activeWindow());
        std::map<QAbstractButton*, int> results;
        for (int result : buttons) {
            QAbstractButton* b = box.addButton(StandardButton(result));
            results[b] = result;
            if (result == defaultButton) box.setDefaultButton(static_cast<QPushButton*>(b));
        }
        box.exec();
        auto it = results.find(box.clickedButton());
        return it == results.end() ? 2 : it->second;
    }

    TFileDialogAnswer FileDialog(const TFileDialogRequest& r) override
    {
        QFileDialog dlg(QApplication::activeWindow(), QS(r.Title), QS(r.InitialDir));
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        dlg.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dlg.setFileMode(r.Save ? QFileDialog::AnyFile
                               : r.MultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        if (!r.OverwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite);
        QStringList filters;
        for (const auto& [desc, patterns] : r.Filters)
            filters << QS(desc) + " (" + QS(patterns).replace(';', ' ') + ")";
        dlg.setNameFilters(filters);
        if (r.FilterIndex >= 1 && r.FilterIndex <= filters.size()) dlg.selectNameFilter(filters[r.FilterIndex - 1]);
        if (!r.FileName.IsEmpty()) dlg.selectFile(QS(r.FileName));
        TFileDialogAnswer a;
        if (dlg.exec() != QDialog::Accepted) return a;
        a.Accepted = true;
        for (const QString& f : dlg.selectedFiles()) a.Files.push_back(VS(f));
        a.FilterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
        return a;
    }

    bool PrintDialog(int& copies) override
    {
        QPrinter printer;
        printer.setCopyCount(copies);
        QPrintDialog dlg(&printer, QApplication::activeWindow());
        if (dlg.exec() != QDialog::Accepted) return false;
        copies = printer.copyCount();
        return true;
    }

    void SendMouse(TWindowHandle* h, TMouseAction action, int button, TPoint p, Cardinal shift) override
    {
        if (!h->W) return;
        const Integer border = h->Control ? h->Control->BorderWidthNC() : 0;
        QPoint local(p.X + border, p.Y + border);
        QWidget* target = h->W;
        if (QWidget* child = h->W->childAt(local)) {
            local = child->mapFrom(h->W, local);
            target = child;
        }
        const Qt::MouseButton b = button == 1 ? Qt::RightButton : button == 2 ? Qt::MiddleButton : Qt::LeftButton;
        QEvent::Type type = QEvent::MouseMove;
        Qt::MouseButtons held = Qt::NoButton;
        switch (action) {
        case maPress: type = QEvent::MouseButtonPress; held = b; break;
        case maRelease: type = QEvent::MouseButtonRelease; break;
        case maDoubleClick: type = QEvent::MouseButtonDblClick; held = b; break;
        case maMove: held = (shift & MK_LBUTTON) ? Qt::LeftButton : Qt::NoButton; break;
        }
        // A press gives the focus as a click would.
        if (type == QEvent::MouseButtonPress && (target->focusPolicy() & Qt::ClickFocus)) target->setFocus(Qt::MouseFocusReason);
        QMouseEvent ev(type, QPointF(local), QPointF(target->mapToGlobal(local)), action == maMove ? Qt::NoButton : b,
                       held, ShiftToModifiers(shift));
        QApplication::sendEvent(target, &ev);
    }

    void SendKey(TWindowHandle* h, Word vk, const String& text, Cardinal shift, bool release) override
    {
        if (!h->W) return;
        QKeyEvent ev(release ? QEvent::KeyRelease : QEvent::KeyPress, QtFromVk(vk), ShiftToModifiers(shift), QS(text));
        QApplication::sendEvent(h->W, &ev);
    }

    void GrabWindow(TWindowHandle* h, TBitmap& into) override
    {
        QWidget* w = h->Kind == TWindowKind::wkForm || h->Kind == TWindowKind::wkMDIForm || h->Kind == TWindowKind::wkMDIChild
                         ? h->Outer.data()
                         : h->W.data();
        if (!w) return;
        QImage img = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        into.SetPixelFormat(TPixelFormat::pf32bit);
        into.SetSize(img.width(), img.height());
        for (int y = 0; y < img.height(); ++y)
            std::memcpy(into.ScanLine(y), img.constScanLine(y), static_cast<size_t>(img.width()) * 4);
    }

private:
    static QMessageBox::StandardButton StandardButton(int result)
    {
        switch (result) {
        case 1: return QMessageBox::Ok;
        case 2: return QMessageBox::Cancel;
        case 3: return QMessageBox::Abort;
        case 4: return QMessageBox::Retry;
        case 5: return QMessageBox::Ignore;
        case 6: return QMessageBox::Yes;
        case 7: return QMessageBox::No;
        case 8: return QMessageBox::YesToAll;
        case 9: return QMessageBox::NoToAll;
        case 10: return QMessageBox::YesToAll;
        default: return QMessageBox::Close;
        }
    }

    static QWidget* ToolButton(TWindowHandle* toolBar, TMenuItem* item)
    {
        auto* t = qobject_cast<QToolBar*>(toolBar->W);
        auto* d = MenuData(item);
        if (!t || !d || !d->Action) return nullptr;
        if (t->layout()) t->layout()->activate();
        return t->widgetForAction(d->Action);
    }

    std::map<const void*, QTimer*> FTimers;
};

}  // namespace

}  // namespace qtbackend

void InitQtWindows()
{
    static bool done = false;
    if (done) return;
    done = true;
    InitQtGraphics();
    if (QStyle* style = QStyleFactory::create("Windows")) QApplication::setStyle(style);
    static qtbackend::TQtWindowSystem system;
    RegisterWindowSystem(&system);
}
