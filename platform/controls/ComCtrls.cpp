#include "platform/controls/ComCtrls.h"

#include <algorithm>

TClass TToolBar::StaticClass()
{
    static const TMetaClass meta("TToolBar", TWinControl::StaticClass(), NewComponent<TToolBar>,
                                 [](TMetaClass& m) { m.OnMessage(CN_NOTIFY, &TToolBar::CNNotify); });
    return &meta;
}

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner)
{
    FHeight = 29;
    SetAlign(alTop);
}

TToolBar::~TToolBar()
{
    for (TMenuItem* item : FItems) item->RemoveFreeNotification(this);
    for (TPopupMenu* menu : FDropdowns)
        if (menu) menu->RemoveFreeNotification(this);
}

void TToolBar::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Kind = TWindowKind::wkToolBar;
}

void TToolBar::InitializeWindow()
{
    TWinControl::InitializeWindow();
    for (size_t i = 0; i < FItems.size(); ++i) {
        WindowSystem().AddToolButton(FHandle, FItems[i]);
        if (FDropdowns[i]) WindowSystem().SetToolButtonDropDown(FHandle, FItems[i], true);
    }
}

void TToolBar::AddButton(TMenuItem* item)
{
    FItems.push_back(item);
    FDropdowns.push_back(nullptr);
    item->FreeNotification(this);
    if (FHandle) WindowSystem().AddToolButton(FHandle, item);
}

TRect TToolBar::ButtonRect(Integer index)
{
    HandleNeeded();
    return WindowSystem().ToolButtonRect(FHandle, FItems.at(index));
}

bool TToolBar::ButtonEnabled(Integer index)
{
    HandleNeeded();
    return WindowSystem().ToolButtonEnabled(FHandle, FItems.at(index));
}

void TToolBar::SetButtonDropdown(Integer index, TPopupMenu* menu)
{
    TPopupMenu*& dropdown = FDropdowns.at(index);
    if (dropdown) dropdown->RemoveFreeNotification(this);
    dropdown = menu;
    if (menu) menu->FreeNotification(this);
    if (FHandle) WindowSystem().SetToolButtonDropDown(FHandle, FItems[index], menu != nullptr);
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    for (size_t i = 0; i < FItems.size();) {
        if (FItems[i] == AComponent) {
            FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(i));
            FDropdowns.erase(FDropdowns.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (FDropdowns[i] == AComponent) SetButtonDropdown(static_cast<Integer>(i), nullptr);
        ++i;
    }
}

// The arrow of a drop-down button: its menu shows under the button.
void TToolBar::CNNotify(TMessage& message)
{
    const auto* info = reinterpret_cast<const TNMToolBar*>(message.LParam);
    if (!info || info->hdr.code != TBN_DROPDOWN) return;
    const auto it = std::find(FItems.begin(), FItems.end(), info->Item);
    if (it == FItems.end()) return;
    const auto index = static_cast<Integer>(it - FItems.begin());
    TPopupMenu* menu = FDropdowns[index];
    if (!menu) return;
    const TRect button = ButtonRect(index);
    const TPoint at = WindowSystem().ClientToScreen(FHandle, {button.Left, button.Bottom});
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
}
