#include "platform/stdctrls/Menus.h"

#include <algorithm>

#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/RtlConsts.h"

namespace {

struct TKeyName {
    Word Key;
    const char* Name;
};
const TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"}, {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"}, {VK_HOME, "Home"}, {VK_LEFT, "Left"},
    {VK_UP, "Up"}, {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

String KeyName(Word key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return String::FromChar(static_cast<char16_t>(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + IntToStr(key - VK_F1 + 1);
    for (const TKeyName& k : KeyNames)
        if (k.Key == key) return k.Name;
    return "";
}

void NotifyBackend(TMenuItem* item)
{
    if (item->BackendData() && WindowSystemRegistered()) WindowSystem().MenuItemChanged(item);
}

std::function<void(TMenuItem*)>& MenuSelectHook()
{
    static std::function<void(TMenuItem*)> hook;
    return hook;
}

}  // namespace

void SetMenuSelectHook(std::function<void(TMenuItem*)> hook) { MenuSelectHook() = std::move(hook); }

void MenuItemSelected(TMenuItem* item)
{
    if (MenuSelectHook()) MenuSelectHook()(item);
}

TShortCut ShortCut(Word Key, TShiftState Shift)
{
    if (Key & 0xFF00) return 0;
    TShortCut s = Key;
    if (Shift.Contains(ssShift)) s |= scShift;
    if (Shift.Contains(ssCtrl)) s |= scCtrl;
    if (Shift.Contains(ssAlt)) s |= scAlt;
    return s;
}

void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift)
{
    Key = ShortCut & 0xFF;
    Shift = {};
    if (ShortCut & scShift) Shift.Include(ssShift);
    if (ShortCut & scCtrl) Shift.Include(ssCtrl);
    if (ShortCut & scAlt) Shift.Include(ssAlt);
}

String ShortCutToText(TShortCut ShortCut)
{
    String name = KeyName(ShortCut & 0xFF);
    if (name.IsEmpty()) return "";
    String prefix;
    if (ShortCut & scShift) prefix += "Shift+";
    if (ShortCut & scCtrl) prefix += "Ctrl+";
    if (ShortCut & scAlt) prefix += "Alt+";
    return prefix + name;
}

TShortCut TextToShortCut(const String& Text)
{
    String rest = Text;
    TShortCut mods = 0;
    for (;;) {
        if (SameText(Copy(rest, 1, 6), "Shift+")) { mods |= scShift; rest = Copy(rest, 7); }
        else if (SameText(Copy(rest, 1, 5), "Ctrl+")) { mods |= scCtrl; rest = Copy(rest, 6); }
        else if (SameText(Copy(rest, 1, 4), "Alt+")) { mods |= scAlt; rest = Copy(rest, 5); }
        else break;
    }
    for (Word key = 1; key < 256; ++key) {
        String name = KeyName(key);
        if (!name.IsEmpty() && SameText(name, rest)) return static_cast<TShortCut>(mods | key);
    }
    return 0;
}

String StripHotkey(const String& text)
{
    String r;
    for (int i = 1; i <= text.Length(); ++i) {
        if (text[i] == u'&') {
            if (i < text.Length() && text[i + 1] == u'&') { r += u'&'; ++i; }
            continue;
        }
        r += text[i];
    }
    return r;
}

// ---------------------------------------------------------------- TMenuItem
IMPLEMENT_CLASS(TMenuItem, TComponent, NewComponent<TMenuItem>)

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    while (!FItems.empty()) delete FItems.back();
    if (FParent) FParent->Remove(this);
    if (FBackend && WindowSystemRegistered()) WindowSystem().MenuItemDestroyed(this);
}

TMenuItem* TMenuItem::Items(Integer index) const
{
    if (index < 0 || index >= Count()) throw EListError(ListIndexErrorMessage(index));
    return FItems[index];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(Integer Index, TMenuItem* Item)
{
    if (Item->FParent) throw EInvalidOperation("Menu inserted twice");
    if (Index < 0 || Index > Count()) throw EListError(ListIndexErrorMessage(Index));
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Item->FMenu = FMenu;
    Changed();
}

void TMenuItem::Delete(Integer Index) { delete Items(Index); }

void TMenuItem::Remove(TMenuItem* Item)
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end()) throw EInvalidOperation("Sub-menu is not in menu");
    FItems.erase(it);
    Item->FParent = nullptr;
    if (!ComponentState().Contains(csDestroying)) Changed();
}

void TMenuItem::Clear()
{
    while (!FItems.empty()) delete FItems.back();
}

Integer TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<Integer>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const
{
    for (TMenuItem* i : FItems)
        if (SameText(StripHotkey(i->FCaption), StripHotkey(ACaption))) return i;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* i = this;
    while (i->FParent) i = i->FParent;
    return i->FMenu;
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (FParent && !FParent->FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value)
{
    if (FParent) FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(Value)) menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(Value)) item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    for (TMenuItem* i : std::vector<TMenuItem*>(FItems))
        if (i->Owner() == Root) Proc(i);
}

void TMenuItem::Changed()
{
    NotifyBackend(this);
    if (FParent) NotifyBackend(FParent);
    if (TMenu* menu = GetParentMenu(); menu && !menu->ComponentState().Contains(csDestroying)) menu->MenuChanged(this);
}

void TMenuItem::SetCaption(const String& value) { if (value != FCaption) { FCaption = value; Changed(); } }
void TMenuItem::SetEnabled(bool value) { if (value != FEnabled) { FEnabled = value; Changed(); } }
void TMenuItem::SetVisible(bool value) { if (value != FVisible) { FVisible = value; Changed(); } }
// A menu has one default item: the item made default takes the mark from the others.
void TMenuItem::SetDefault(bool value)
{
    if (value == FDefault) return;
    if (value && FParent)
        for (TMenuItem* i : FParent->FItems)
            if (i != this && i->FDefault) {
                i->FDefault = false;
                i->Changed();
            }
    FDefault = value;
    Changed();
}
void TMenuItem::SetRadioItem(bool value) { if (value != FRadioItem) { FRadioItem = value; Changed(); } }
void TMenuItem::SetGroupIndex(Byte value) { if (value != FGroupIndex) { FGroupIndex = value; Changed(); } }
void TMenuItem::SetShortCut(TShortCut value) { if (value != FShortCut) { FShortCut = value; Changed(); } }
void TMenuItem::SetImageIndex(Integer value) { if (value != FImageIndex) { FImageIndex = value; Changed(); } }
void TMenuItem::SetHint(const String& value) { if (value != FHint) { FHint = value; Changed(); } }

void TMenuItem::SetChecked(bool value)
{
    if (value == FChecked) return;
    FChecked = value;
    // A checked radio item unchecks the other radio items of its group.
    if (value && FRadioItem && FParent)
        for (TMenuItem* i : FParent->FItems)
            if (i != this && i->FRadioItem && i->FGroupIndex == FGroupIndex && i->FChecked) {
                i->FChecked = false;
                i->Changed();
            }
    Changed();
}

bool TMenuItem::Picture(TBitmap& picture, TBitmap& disabled)
{
    if (FBitmap && !FBitmap->Empty()) {
        picture.Assign(*FBitmap);
        return true;
    }
    const TMenu* menu = GetParentMenu();
    TComponent* images = menu ? menu->Images() : nullptr;
    return images && FImageIndex >= 0 && FPictureSource && FPictureSource(images, FImageIndex, true, picture) &&
           FPictureSource(images, FImageIndex, false, disabled);
}

TBitmap* TMenuItem::Bitmap()
{
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    return FBitmap.get();
}

void TMenuItem::Click()
{
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(!FChecked);
    OnClick(this);
}

// ---------------------------------------------------------------- TMenu
IMPLEMENT_CLASS(TMenu, TComponent, nullptr)

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr))
{
    FItems->SetParentMenu(this);
}

TMenu::~TMenu()
{
    Destroying();
    delete FItems;
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const
{
    std::function<TMenuItem*(TMenuItem*)> search = [&](TMenuItem* parent) -> TMenuItem* {
        for (Integer i = 0; i < parent->Count(); ++i) {
            TMenuItem* item = parent->Items(i);
            if (item->ShortCut() == shortCut && shortCut != 0) return item;
            if (TMenuItem* found = search(item)) return found;
        }
        return nullptr;
    };
    return search(FItems);
}

bool TMenu::IsShortCut(Word key, TShiftState shift)
{
    TMenuItem* item = FindItemByShortCut(ShortCut(key, shift));
    if (!item || !item->Enabled() || !item->Visible()) return false;
    item->Click();
    return true;
}

void TMenu::SetImages(TComponent* value)
{
    if (value == FImages) return;
    FImages = value;
    const std::function<void(TMenuItem*)> show = [&show](TMenuItem* item) {
        for (Integer i = 0; i < item->Count(); ++i) {
            NotifyBackend(item->Items(i));
            show(item->Items(i));
        }
    };
    show(FItems);
}

void TMenu::MenuChanged(TMenuItem*) { OnChange(this); }

void TMenu::GetChildren(const TGetChildProc& Proc, TComponent* Root) { FItems->GetChildren(Proc, Root); }

// ---------------------------------------------------------------- TMainMenu
IMPLEMENT_CLASS(TMainMenu, TMenu, NewComponent<TMainMenu>)

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

std::vector<TMenuItem*> TMainMenu::MergedItems(const TMainMenu* Menu) const
{
    std::vector<TMenuItem*> bar;
    for (Integer i = 0; i < Items()->Count(); ++i) bar.push_back(Items()->Items(i));
    if (!Menu) return bar;
    std::vector<Byte> replaced;
    for (Integer i = 0; i < Menu->Items()->Count(); ++i) {
        TMenuItem* add = Menu->Items()->Items(i);
        const Byte group = add->GroupIndex();
        if (std::find(replaced.begin(), replaced.end(), group) == replaced.end()) {
            replaced.push_back(group);
            bar.erase(std::remove_if(bar.begin(), bar.end(),
                                     [&](TMenuItem* t) { return t->GroupIndex() == group && t->GetParentMenu() == this; }),
                      bar.end());
        }
        auto pos = std::find_if(bar.begin(), bar.end(), [&](TMenuItem* t) { return t->GroupIndex() > group; });
        bar.insert(pos, add);
    }
    return bar;
}

void TMainMenu::MenuChanged(TMenuItem* item)
{
    TMenu::MenuChanged(item);
    if (FWindow) FWindow->Perform(CM_MENUCHANGED, 0, reinterpret_cast<std::intptr_t>(this));
}

// ---------------------------------------------------------------- TPopupMenu
IMPLEMENT_CLASS(TPopupMenu, TMenu, NewComponent<TPopupMenu>)

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

std::function<bool(TPopupMenu*, TPoint)> PopupMenuHook;

void TPopupMenu::Popup(Integer X, Integer Y)
{
    OnPopup(this);
    // The menu takes the mouse: the control that held it gets no more of its messages.
    ReleaseCapture();
    if (PopupMenuHook && PopupMenuHook(this, {X, Y})) return;
    WindowSystem().PopupMenu(Items(), {X, Y});
}
