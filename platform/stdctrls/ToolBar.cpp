#include "platform/stdctrls/ToolBar.h"

#include <algorithm>

#include "platform/graphics/Bitmaps.h"

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
    FImageChangeLink.OnChange = TNotifyEvent(this, &TToolBar::ImageListChange);
    FDisabledImageChangeLink.OnChange = TNotifyEvent(this, &TToolBar::ImageListChange);
}

TToolBar::~TToolBar()
{
    for (TToolButton* button : FToolButtons) button->FToolBar = nullptr;
    for (TComponent* list : {FImages, FDisabledImages})
        if (list) list->RemoveFreeNotification(this);
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
    for (TToolButton* button : FToolButtons) UpdatePicture(button);
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
    if (AComponent == FImages) SetImages(nullptr);
    if (AComponent == FDisabledImages) SetDisabledImages(nullptr);
    for (size_t i = 0; i < FItems.size();) {
        // A tool button whose item goes away falls back to its own item itself.
        const bool ofToolButton = std::any_of(FToolButtons.begin(), FToolButtons.end(),
                                              [&](TToolButton* b) { return b->MenuItem() == AComponent; });
        if (FItems[i] == AComponent && !ofToolButton) {
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

void TToolBar::SetImages(TComponent* value) { SetImageList(FImages, FImageChangeLink, value); }

void TToolBar::SetDisabledImages(TComponent* value)
{
    SetImageList(FDisabledImages, FDisabledImageChangeLink, value);
}

// One of the bar's two lists takes another value; the bar still hears of the end of a list that
// it keeps in the other.
void TToolBar::SetImageList(TComponent*& list, TChangeLink& link, TComponent* value)
{
    if (list == value) return;
    const TComponent* other = &list == &FImages ? FDisabledImages : FImages;
    if (list && list != other) list->RemoveFreeNotification(this);
    if (TCustomImageList* former = link.Sender()) former->UnRegisterChanges(&link);
    list = value;
    if (list) list->FreeNotification(this);
    if (auto* images = dynamic_cast<TCustomImageList*>(list)) images->RegisterChanges(&link);
    ImageListChange(list);
}

void TToolBar::ImageListChange(TObject*)
{
    for (TToolButton* button : FToolButtons) UpdatePicture(button);
}

void TToolBar::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    TWinControl::GetChildren(Proc, Root);
    for (TToolButton* button : FToolButtons)
        if (button->Owner() == Root) Proc(button);
}

Integer TToolBar::IndexOfItem(const TMenuItem* item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<Integer>(it - FItems.begin());
}

// An item may show on several buttons; the bar hears of its end while any of them is left.
void TToolBar::ForgetItem(TMenuItem* item)
{
    if (IndexOfItem(item) < 0) item->RemoveFreeNotification(this);
}

void TToolBar::InsertToolButton(TToolButton* button)
{
    FToolButtons.push_back(button);
    AddButton(button->Item());
    if (button->Style() == tbsDropDown && button->DropdownMenu()) SetButtonDropdown(ButtonCount() - 1, button->DropdownMenu());
    UpdatePicture(button);
}

void TToolBar::RemoveToolButton(TToolButton* button)
{
    FToolButtons.erase(std::find(FToolButtons.begin(), FToolButtons.end(), button));
    const Integer index = IndexOfItem(button->Item());
    if (index < 0) return;
    SetButtonDropdown(index, nullptr);
    FItems.erase(FItems.begin() + index);
    FDropdowns.erase(FDropdowns.begin() + index);
    ForgetItem(button->Item());
    if (FHandle) RecreateWnd();
}

// The native bar keeps its buttons by item, so a button showing another item is rebuilt.
void TToolBar::ToolButtonItemChanged(TMenuItem* oldItem, TMenuItem* newItem)
{
    const Integer index = IndexOfItem(oldItem);
    if (index < 0 || oldItem == newItem) return;
    FItems[index] = newItem;
    newItem->FreeNotification(this);
    ForgetItem(oldItem);
    if (FHandle) RecreateWnd();
}

void TToolBar::UpdatePicture(TToolButton* button)
{
    if (!FHandle || IndexOfItem(button->Item()) < 0) return;
    TBitmap picture, disabled;
    const Integer index = button->ImageIndex();
    const bool has = FImages && FPictureSource && button->Style() != tbsSeparator &&
                     FPictureSource(FImages, index, true, picture) &&
                     ((FDisabledImages && FPictureSource(FDisabledImages, index, true, disabled)) ||
                      FPictureSource(FImages, index, false, disabled));
    WindowSystem().SetToolButtonPicture(FHandle, button->Item(), has ? &picture : nullptr, has ? &disabled : nullptr);
}

// ---------------------------------------------------------------- tool buttons

TClass TToolButton::StaticClass()
{
    static const TMetaClass meta("TToolButton", TComponent::StaticClass(), NewComponent<TToolButton>);
    return &meta;
}

TToolButton::TToolButton(TComponent* AOwner) : TComponent(AOwner), FOwnItem(std::make_unique<TMenuItem>(nullptr))
{
    FOwnItem->OnClick = TNotifyEvent(this, &TToolButton::OwnItemClick);
}

TToolButton::~TToolButton()
{
    SetToolBar(nullptr);
    if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
    if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
}

TMenuItem* TToolButton::Item() const
{
    return FMenuItem && FStyle != tbsSeparator ? FMenuItem : FOwnItem.get();
}

void TToolButton::SetToolBar(TToolBar* value)
{
    if (FToolBar == value) return;
    if (FToolBar) FToolBar->RemoveToolButton(this);
    FToolBar = value;
    if (FToolBar) FToolBar->InsertToolButton(this);
}

TComponent* TToolButton::GetParentComponent() const
{
    return FToolBar;
}

void TToolButton::SetParentComponent(TComponent* Value)
{
    SetToolBar(dynamic_cast<TToolBar*>(Value));
}

void TToolButton::ShowItem(TMenuItem* oldItem)
{
    if (!FToolBar) return;
    FToolBar->ToolButtonItemChanged(oldItem, Item());
    FToolBar->UpdatePicture(this);
}

void TToolButton::SetMenuItem(TMenuItem* value)
{
    if (FMenuItem == value) return;
    TMenuItem* old = Item();
    if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
    FMenuItem = value;
    if (FMenuItem) FMenuItem->FreeNotification(this);
    ShowItem(old);
}

void TToolButton::SetStyle(TToolButtonStyle value)
{
    if (FStyle == value) return;
    TMenuItem* old = Item();
    if (FStyle == tbsSeparator || value == tbsSeparator) FOwnItem->SetCaption(value == tbsSeparator ? "-" : "");
    FStyle = value;
    FOwnItem->SetAutoCheck(value == tbsCheck);
    ShowItem(old);
    SetDropdownMenu(FDropdownMenu);
}

void TToolButton::SetDropdownMenu(TPopupMenu* value)
{
    if (FDropdownMenu != value) {
        if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
        FDropdownMenu = value;
        if (FDropdownMenu) FDropdownMenu->FreeNotification(this);
    }
    if (!FToolBar) return;
    const Integer index = FToolBar->IndexOfItem(Item());
    if (index >= 0) FToolBar->SetButtonDropdown(index, FStyle == tbsDropDown ? FDropdownMenu : nullptr);
}

void TToolButton::SetImageIndex(Integer value)
{
    FImageIndex = value;
    if (FToolBar) FToolBar->UpdatePicture(this);
}

void TToolButton::SetCaption(const String& value)
{
    if (FStyle != tbsSeparator) Item()->SetCaption(value);
}

void TToolButton::SetEnabled(bool value)
{
    Item()->SetEnabled(value);
}

void TToolButton::SetDown(bool value)
{
    Item()->SetChecked(value);
}

// A grouped check button that goes down lets the grouped check buttons beside it go up.
void TToolButton::OwnItemClick(TObject* Sender)
{
    (void)Sender;
    if (FStyle == tbsCheck && FGrouped && FToolBar) {
        SetDown(true);
        const auto& buttons = FToolBar->FToolButtons;
        const auto self = std::find(buttons.begin(), buttons.end(), this);
        const auto inGroup = [](const TToolButton* b) { return b->FStyle == tbsCheck && b->FGrouped; };
        for (auto it = self + 1; it != buttons.end() && inGroup(*it); ++it) (*it)->SetDown(false);
        for (auto it = self; it != buttons.begin() && inGroup(*(it - 1)); --it) (*(it - 1))->SetDown(false);
    }
    if (OnClick) OnClick(this);
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FMenuItem) SetMenuItem(nullptr);
    if (AComponent == FDropdownMenu) SetDropdownMenu(nullptr);
}
