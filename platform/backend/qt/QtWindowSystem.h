#pragma once
// The window system on Qt widgets, as the back end's window files share it: the toolkit side of a
// window handle, the conversions of toolkit input into messages, and TQtWindowSystem, whose
// methods live by area in QtWindows.cpp (windows, MDI), QtEventLoop.cpp (event loop, timers, test
// input), QtNativeControls.cpp (edits, tool bar, date picker), QtMenus.cpp and QtDialogs.cpp.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
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
#include <QProxyStyle>
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
#include <QWindow>
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

extern std::unordered_map<const QObject*, TWindowHandle*> gByWidget;
extern int gEventDepth;   // toolkit events being handled by our widgets

// Counts a toolkit event being handled while it lives.
struct TDepth {
    TDepth() { ++gEventDepth; }
    ~TDepth() { --gEventDepth; }
};

// The toolkit widgets of freed windows are deleted by ProcessEvents when none of its events is
// being handled, before it reports anything more: while it reports an activation change it
// still holds the window losing the activation, which the handlers of the window gaining it
// may outlive by handling what is pending.
void RetireWidget(QWidget* w);
void DeleteRetiredWidgets();

TWindowHandle* HandleOf(const QObject* o);
// The control whose window holds the widget (its own or one inside it); null for none.
TWinControl* ControlOfWidget(const QWidget* w);
// Registers the native edits' undo with the layer.
void RegisterQtEditUndo();
// Registers the shapes and inactive showing of windows with the layer.
void RegisterQtPopupWindows();
// Registers wheel turns as the toolkit's wheel events.
void RegisterQtWheelInput();
// Registers the toolkit's screens as the screen's monitors.
void RegisterQtMonitors();
// Tells the layer's top-level windows of the toolkit's theme changes.
void WatchSystemChanges();
// Registers the toolkit's style hints as the desktop's settings.
void RegisterQtDesktopSettings();
// The widget that lost the keyboard focus last.
extern QPointer<QWidget> gFocusLost;
Cardinal MouseKeys(Qt::MouseButtons b, Qt::KeyboardModifiers m);
TShiftState ModifiersToShift(Qt::KeyboardModifiers m);
Qt::KeyboardModifiers ShiftToModifiers(Cardinal shiftKeys);
Word VkFromQt(int k);
int QtFromVk(Word vk);
QImage SurfaceImage(const TWindowSurface& s);
QCursor ToQCursor(TCursor c);
std::map<TCursor, QCursor>& CustomCursors();
// Sends the message through the control's window procedure, with the widget's own handling as
// its default.
void Deliver(TWinControl* control, TMessage& m, std::function<void(TMessage&)> native);

struct TMenuData {
    QPointer<QAction> Action;   // the item's own action (leaf items, tool buttons)
    QPointer<QMenu> Menu;       // the sub-menu of an item with sub-items
    bool ShortcutTaken = false;  // an item before it in its menu bar has its shortcut: shown, not bound
};
TMenuData* MenuData(TMenuItem* item);
// The action that shows the item: its sub-menu's action when it has sub-items.
QAction* SyncItem(TMenuItem* item);
QImage BitmapImage(TBitmap& b);
void ImageToBitmap(const QImage& image, TBitmap& into);
QPalette SystemPalette();

class TDropDownArrow;
class TButtonPicture;

class TQtWindowSystem : public TWindowSystem {
public:
    TWindowHandle* CreateWindow(TWinControl* control, TWindowKind kind) override;
    void DestroyWindow(TWindowHandle* h) override;
    void SetParent(TWindowHandle* h, TWindowHandle* parent) override;
    void SetBounds(TWindowHandle* h, const TRect& b) override;
    void SetVisible(TWindowHandle* h, bool visible) override;
    void SetEnabled(TWindowHandle* h, bool enabled) override;
    void SetText(TWindowHandle* h, const String& text) override;
    String GetText(TWindowHandle* h) override;
    void SetFont(TWindowHandle* h, const TFont& font) override;
    void SetColor(TWindowHandle* h, TColor color) override;
    void BringToFront(TWindowHandle* h) override;
    void ShowArea(TWindowHandle* h, const TRect& area) override;
    void SchedulePaint(TWindowHandle* h) override;
    void SetFocus(TWindowHandle* h) override;
    bool HasFocus(TWindowHandle* h) override;
    TPoint ClientToScreen(TWindowHandle* h, TPoint p) override;
    TSize ClientSize(TWindowHandle* h) override;
    TPoint CursorPos() override;
    void SetCapture(TWindowHandle*) override;
    void SetCursor(TWindowHandle* h, TCursor cursor) override;
    TCursor RegisterCursor(const std::vector<Byte>& curFile) override;
    void SetScreenCursor(TCursor cursor) override;
    void ShowCaret(TWindowHandle* h, const TRect& caret, bool visible) override;
    void SetScrollBar(TWindowHandle* h, int bar, bool visible, int min, int max, int page, int pos,
                      const TScrollBarLook& look, const TRect& client) override;
    void SetModal(TWindowHandle* h, bool modal) override;
    void Activate(TWindowHandle* h) override;
    bool IsActive(TWindowHandle* h) override;
    void SetWindowState(TWindowHandle* h, int state) override;
    void SetBorder(TWindowHandle* h, const TWindowFrame& frame) override;
    void SetApplicationIcon(const TBitmap* image) override;
    TSize ApplicationIconSize() override;
    bool HasCloseBox(TWindowHandle* h) override;
    TRect ScreenRect() override;
    void SetMenuBar(TWindowHandle* h, const std::vector<TMenuItem*>& items) override;
    int MenuBarHeight(TWindowHandle* h) override;
    void SetMDIClientRect(TWindowHandle* frame, const TRect& r) override;
    std::vector<TWinControl*> MDIChildren(TWindowHandle* frame) override;
    TWinControl* ActiveMDIChild(TWindowHandle* frame) override;
    void ActivateMDIChild(TWindowHandle* child) override;
    void ArrangeMDI(TWindowHandle* frame, int how) override;
    void AddToolButton(TWindowHandle* toolBar, TMenuItem* item) override;
    TRect ToolButtonRect(TWindowHandle* toolBar, TMenuItem* item) override;
    bool ToolButtonEnabled(TWindowHandle* toolBar, TMenuItem* item) override;
    void SetToolButtonDropDown(TWindowHandle* toolBar, TMenuItem* item, bool dropDown) override;
    void SetToolButtonPicture(TWindowHandle* toolBar, TMenuItem* item, TBitmap* picture, TBitmap* disabledPicture) override;
    void GetEditSel(TWindowHandle* h, Integer& start, Integer& end) override;
    void SetEditSel(TWindowHandle* h, Integer start, Integer end) override;
    void ReplaceEditSel(TWindowHandle* h, const String& text) override;
    bool EditModified(TWindowHandle* h) override;
    void SetEditModified(TWindowHandle* h, bool modified) override;
    void SetEditOptions(TWindowHandle* h, const TEditOptions& o) override;
    void SetButtonDefault(TWindowHandle* h, bool isDefault) override;
    void SetButtonGlyph(TWindowHandle* h, TBitmap* picture, TBitmap* disabledPicture) override;
    void SetPickerDate(TWindowHandle* h, TDateTime date, const String& format) override;
    TDateTime PickerDate(TWindowHandle* h) override;
    void MenuItemChanged(TMenuItem* item) override;
    void MenuItemDestroyed(TMenuItem* item) override;
    void HighlightMenuItem(TMenuItem* item) override;
    void PopupMenu(TMenuItem* root, TPoint screen) override;
    void ProcessEvents(bool wait) override;
    void WakeUp() override;
    void StartTimer(const void* key, Cardinal interval, std::function<void()> fire) override;
    void StopTimer(const void* key) override;
    int MessageBox(const String& caption, const String& text, TMessageBoxIcon icon, const std::vector<int>& buttons, int defaultButton) override;
    TFileDialogAnswer FileDialog(const TFileDialogRequest& r) override;
    bool PrintDialog(int& copies) override;
    void SendMouse(TWindowHandle* h, TMouseAction action, int button, TPoint p, Cardinal shift) override;
    void SendKey(TWindowHandle* h, Word vk, const String& text, Cardinal shift, bool release) override;
    void GrabWindow(TWindowHandle* h, TBitmap& into) override;
    void GrabOpenMenu(TMenuItem* item, TBitmap& into) override;
    TRect MenuItemRect(TWindowHandle* h, TMenuItem* item) override;

private:
    static int MemoPosToDoc(const QPlainTextEdit* m, int pos);
    static int MemoPosFromDoc(const QPlainTextEdit* m, int doc);
    static QString MemoText(const String& text);
    static QString DisplayFormat(const String& format, int depth = 0);
    static QDate DateEpoch();
    static QMessageBox::StandardButton StandardButton(int result);
    static QWidget* ToolButton(TWindowHandle* toolBar, TMenuItem* item);
    std::map<const void*, QTimer*> FTimers;
    // What the back end adds to a native tool button, kept here rather than looked up among the
    // button's children: the toolkit cannot tell our objects apart by type.
    struct TToolButtonParts {
        QPointer<TDropDownArrow> Arrow;
        QPointer<TButtonPicture> Picture;
    };
    std::unordered_map<const QToolButton*, TToolButtonParts> FToolButtonParts;
    TToolButtonParts& PartsOf(QToolButton* button);
};

}  // namespace qtbackend
