#pragma once
// Menus: menu items in a tree, main menus (merged by group index into an MDI frame's bar), pop-up
// menus, and keyboard shortcuts.  The back end shows each item as a toolkit action, so a tool
// button bound to an item follows its caption, state and command.
#include <vector>

#include "platform/controls/Controls.h"

// Shortcut: a virtual key with scShift, scCtrl, scAlt.
using TShortCut = Word;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(Word Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift);
String ShortCutToText(TShortCut ShortCut);   // "Ctrl+S", "F5", "Shift+Del"

class TMenuItem;
// Told of the menu item the user highlights (in a menu or on its tool button), and of null when
// the menus close (the application's status-line hints).
void SetMenuSelectHook(std::function<void(TMenuItem*)> hook);
void MenuItemSelected(TMenuItem* item);
TShortCut TextToShortCut(const String& Text);

class TMenu;

class TMenuItem : public TComponent {
    DECLARE_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    // ---- tree
    Integer Count() const { return static_cast<Integer>(FItems.size()); }
    TMenuItem* Items(Integer index) const;
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* Item);
    void Insert(Integer Index, TMenuItem* Item);
    void Delete(Integer Index);   // frees the item
    void Remove(TMenuItem* Item); // takes it out without freeing
    void Clear();                 // frees every sub-item
    Integer IndexOf(const TMenuItem* Item) const;
    Integer MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    TMenuItem* Find(const String& ACaption) const;   // "&" ignored
    // The menu whose item tree holds this item.
    TMenu* GetParentMenu() const;

    // ---- properties
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    bool IsLine() const { return FCaption == "-"; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    Byte GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Byte value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer value);
    // A picture of the item's own (replaces the menu's image list entry).
    TBitmap* Bitmap();
    bool HasBitmap() const { return FBitmap != nullptr; }
    // The picture the item shows and its look while disabled (left empty when the toolkit makes
    // it): its own bitmap, else the image of ImageIndex in its menu's image list. False: none.
    bool Picture(TBitmap& picture, TBitmap& disabled);
    // How a picture is taken from an image list (which this layer holds as a plain component).
    using TPictureSource = bool (*)(TComponent* images, Integer index, bool enabled, TBitmap& picture);
    static void SetPictureSource(TPictureSource source) { FPictureSource = source; }
    const String& Hint() const { return FHint; }
    void SetHint(const String& value);
    Integer HelpContext() const { return FHelpContext; }
    void SetHelpContext(Integer value) { FHelpContext = value; }

    TNotifyEvent OnClick;

    // Form descriptions: sub-items are read inside their item, entries inside their menu.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

    // Runs the command: toggles AutoCheck items, then OnClick.
    virtual void Click();

    // Back-end object of the item (the toolkit action and sub-menu).
    void* BackendData() const { return FBackend; }
    void SetBackendData(void* data) { FBackend = data; }

protected:
    void Changed();

private:
    friend class TMenu;
    void SetParentMenu(TMenu* menu) { FMenu = menu; }
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;
    String FCaption;
    bool FChecked = false, FEnabled = true, FVisible = true, FDefault = false, FRadioItem = false,
         FAutoCheck = false;
    Byte FGroupIndex = 0;
    TShortCut FShortCut = 0;
    Integer FImageIndex = -1;
    std::unique_ptr<TBitmap> FBitmap;
    String FHint;
    Integer FHelpContext = 0;
    void* FBackend = nullptr;
    static inline TPictureSource FPictureSource = nullptr;
};

class TMenu : public TComponent {
    DECLARE_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    // The root; its sub-items are the menu's entries.
    TMenuItem* Items() const { return FItems; }
    // An image list of the stdctrls layer, held as a plain component here.
    TComponent* Images() const { return FImages; }
    // The items show the images of the list at their ImageIndex.
    void SetImages(TComponent* value);
    // The item with the shortcut, searched depth first; null when none.
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;
    // Runs the enabled, visible item whose shortcut matches; true when one ran.
    bool IsShortCut(Word key, TShiftState shift);
    TNotifyEvent OnChange;
    virtual void MenuChanged(TMenuItem* item);
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

private:
    TMenuItem* FItems;
    TComponent* FImages = nullptr;
};

class TMainMenu : public TMenu {
    DECLARE_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* AOwner);
    bool AutoMerge() const { return FAutoMerge; }
    void SetAutoMerge(bool value) { FAutoMerge = value; }
    // The bar's entries with Menu's merged in: an entry of Menu replaces the entries of the same
    // group index; other entries are inserted after the last entry of a lower group index.
    std::vector<TMenuItem*> MergedItems(const TMainMenu* Menu) const;
    void MenuChanged(TMenuItem* item) override;
    // The window that shows the bar (set by the form).
    TWinControl* WindowOwner() const { return FWindow; }
    void SetWindowOwner(TWinControl* window) { FWindow = window; }

private:
    bool FAutoMerge = false;
    TWinControl* FWindow = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
    DECLARE_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* AOwner);
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value) { FPopupComponent = value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    // Shows the menu at the screen point and returns when it closes (the chosen item has run).
    virtual void Popup(Integer X, Integer Y);
    TNotifyEvent OnPopup;

private:
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    TPopupAlignment FAlignment = paLeft;
};

const TEnumTypeInfo& TypeInfoOf(TPopupAlignment);

// When set, a pop-up menu asks it first; true means it has been answered (a test chose an item).
extern std::function<bool(TPopupMenu* menu, TPoint screen)> PopupMenuHook;

// Strips the accelerator marks ("&File" -> "File"; "&&" -> "&").
String StripHotkey(const String& text);
