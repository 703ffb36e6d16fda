// Menus on the toolkit: each menu item is a QAction (a QMenu when it has sub-items) kept in step
// with the item; main menus become the window's menu bar, pop-up menus show at a screen point.
#include "platform/backend/qt/QtWindowSystem.h"

#include <set>

namespace qtbackend {

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

TMenuData* EnsureMenuData(TMenuItem* item)
{
    auto* d = MenuData(item);
    if (!d) {
        d = new TMenuData;
        item->SetBackendData(d);
    }
    return d;
}

void ApplyItemState(QAction* a, TMenuItem* item)
{
    const QKeySequence shortcut = ToKeySequence(item->ShortCut());
    const TMenuData* d = MenuData(item);
    const bool bound = !(d && d->ShortcutTaken);
    // A shortcut shown but not bound: the menu draws the text after a tab as the shortcut.
    a->setText(QS(item->Caption()) + (bound ? QString() : "\t" + shortcut.toString(QKeySequence::NativeText)));
    a->setSeparator(item->IsLine());
    a->setEnabled(item->Enabled());
    a->setVisible(item->Visible());
    a->setCheckable(item->Checked() || item->RadioItem() || item->AutoCheck());
    a->setChecked(item->Checked());
    a->setShortcut(bound ? shortcut : QKeySequence());
    a->setToolTip(QS(item->Hint().IsEmpty() ? StripHotkey(item->Caption()) : GetShortHint(item->Hint())));
    QFont f = a->font();
    f.setBold(item->Default());
    a->setFont(f);
    TBitmap picture, disabled;
    QIcon icon;
    if (item->Picture(picture, disabled)) {
        icon.addPixmap(QPixmap::fromImage(BitmapImage(picture)));
        if (!disabled.Empty()) icon.addPixmap(QPixmap::fromImage(BitmapImage(disabled)), QIcon::Disabled);
    }
    a->setIcon(icon);
}

QAction* SyncItem(TMenuItem* item)
{
    TMenuData* d = EnsureMenuData(item);
    if (!d->Action) {
        d->Action = new QAction();
        QObject::connect(d->Action, &QAction::triggered, [item] {
            CallProtected(item, [item] {
                // The toolkit has toggled a checkable action already; the item decides.
                if (auto* data = MenuData(item); data && data->Action) data->Action->setChecked(item->Checked());
                item->Click();
            });
        });
        QObject::connect(d->Action, &QAction::hovered, [item] { CallProtected(item, [item] { MenuItemSelected(item); }); });
    }
    ApplyItemState(d->Action, item);
    if (item->Count() == 0) {
        if (d->Menu) d->Menu->clear();
        return d->Action;
    }
    if (!d->Menu) {
        d->Menu = new QMenu();
        // Once the last open menu has closed, no item is highlighted any more.
        QObject::connect(d->Menu, &QMenu::aboutToHide, [] {
            QTimer::singleShot(0, [] {
                if (!QApplication::activePopupWidget()) MenuItemSelected(nullptr);
            });
        });
    }
    d->Menu->clear();
    for (Integer i = 0; i < item->Count(); ++i) d->Menu->addAction(SyncItem(item->Items(i)));
    QAction* ma = d->Menu->menuAction();
    ApplyItemState(ma, item);
    ma->setCheckable(false);
    return ma;
}

// A shortcut that two items of the bar carry runs the first of them in the bar's order; the
// later ones show it without binding it (the toolkit would run neither).
void MarkTakenShortcuts(TMenuItem* item, std::set<TShortCut>& taken)
{
    EnsureMenuData(item)->ShortcutTaken = item->ShortCut() != 0 && !taken.insert(item->ShortCut()).second;
    for (Integer i = 0; i < item->Count(); ++i) MarkTakenShortcuts(item->Items(i), taken);
}

void TQtWindowSystem::SetMenuBar(TWindowHandle* h, const std::vector<TMenuItem*>& items)
{
    if (!h->Main) return;
    std::set<TShortCut> taken;
    for (TMenuItem* item : items) MarkTakenShortcuts(item, taken);
    QMenuBar* bar = h->Main->menuBar();
    bar->clear();
    for (TMenuItem* item : items) bar->addAction(SyncItem(item));
    bar->setVisible(!items.empty());
    if (h->Main->layout()) h->Main->layout()->activate();
}

int TQtWindowSystem::MenuBarHeight(TWindowHandle* h)
{
    return h->Main && h->Main->menuBar()->isVisible() ? h->Main->menuBar()->height() : 0;
}

void TQtWindowSystem::MenuItemChanged(TMenuItem* item) { SyncItem(item); }

void TQtWindowSystem::MenuItemDestroyed(TMenuItem* item)
{
    auto* d = MenuData(item);
    if (!d) return;
    if (d->Menu) d->Menu->deleteLater();
    if (d->Action) d->Action->deleteLater();
    delete d;
    item->SetBackendData(nullptr);
}

void TQtWindowSystem::HighlightMenuItem(TMenuItem* item)
{
    if (auto* d = MenuData(item); d && d->Action) d->Action->hover();
}

// The menu is opened for the picture, so that it lays its items out as it does for the user, and
// closed again.
void TQtWindowSystem::GrabOpenMenu(TMenuItem* item, TBitmap& into)
{
    SyncItem(item);
    QMenu* menu = MenuData(item)->Menu;
    if (!menu) return;
    menu->popup(QPoint(0, 0));
    QApplication::processEvents();
    ImageToBitmap(menu->grab().toImage(), into);
    menu->hide();
    QApplication::processEvents();
}

TRect TQtWindowSystem::MenuItemRect(TWindowHandle* h, TMenuItem* item)
{
    QAction* action = SyncItem(item);
    QRect r;
    if (item->Parent() && item->Parent()->Parent()) {
        if (QMenu* menu = MenuData(item->Parent())->Menu) r = menu->actionGeometry(action);
    } else if (h && h->Main && h->Outer) {
        QMenuBar* bar = h->Main->menuBar();
        r = bar->actionGeometry(action);
        r.moveTopLeft(bar->mapTo(h->Outer.data(), r.topLeft()));
    }
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

void TQtWindowSystem::PopupMenu(TMenuItem* root, TPoint screen)
{
    QMenu menu;
    for (Integer i = 0; i < root->Count(); ++i) menu.addAction(SyncItem(root->Items(i)));
    menu.exec(QPoint(screen.X, screen.Y));
    menu.clear();
    MenuItemSelected(nullptr);
}

}  // namespace qtbackend
