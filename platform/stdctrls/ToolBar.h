#pragma once
// A native tool bar whose buttons are bound to menu items: each button shows its item's caption,
// picture, hint, enabled and checked state, and runs the item's command.  A button with a
// drop-down menu has an arrow beside it that shows the menu under the button.
//
// Form descriptions give the bar TToolButton children; each one is a button of the bar, bound
// to its MenuItem or, without one, to an item of its own that carries its caption, state and
// OnClick.  The bar's Images give the buttons their pictures at their ImageIndex, its
// DisabledImages those of the disabled buttons.
#include <vector>

#include "platform/stdctrls/ImgList.h"
#include "platform/stdctrls/Menus.h"

class TToolButton;

class TToolBar : public TWinControl {
    DECLARE_CLASS(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;
    // Adds a button following the item; the item must outlive the tool bar or be freed first.
    void AddButton(TMenuItem* item);
    Integer ButtonCount() const { return static_cast<Integer>(FItems.size()); }
    TMenuItem* ButtonItem(Integer index) const { return FItems.at(index); }
    TRect ButtonRect(Integer index);
    bool ButtonEnabled(Integer index);
    TPopupMenu* ButtonDropdown(Integer index) const { return FDropdowns.at(index); }
    void SetButtonDropdown(Integer index, TPopupMenu* menu);   // null: a plain button

    // The TToolButton children, in their order on the bar.
    Integer ToolButtonCount() const { return static_cast<Integer>(FToolButtons.size()); }
    TToolButton* ToolButtons(Integer index) const { return FToolButtons.at(index); }
    // An image list of the stdctrls layer, held as a plain component here.
    TComponent* Images() const { return FImages; }
    void SetImages(TComponent* value);
    // The disabled buttons' pictures at their ImageIndex, shown as they are; a button that this
    // list has no picture for (or a bar without the list) shows the disabled look of Images.
    TComponent* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TComponent* value);

    // How the bar gets image Index of its image list, in the normal or the disabled look; false
    // when the list has no such image.  The stdctrls layer, which owns the image lists, sets it.
    using TPictureSource = bool (*)(TComponent* images, Integer index, bool enabled, TBitmap& picture);
    static void SetPictureSource(TPictureSource source) { FPictureSource = source; }

    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void InitializeWindow() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CNNotify(TMessage& message);

private:
    friend class TToolButton;
    void InsertToolButton(TToolButton* button);
    void RemoveToolButton(TToolButton* button);
    // The button now shows another item (its MenuItem bound, freed, or its style changed).
    void ToolButtonItemChanged(TMenuItem* oldItem, TMenuItem* newItem);
    void SetImageList(TComponent*& list, TChangeLink& link, TComponent* value);
    void UpdatePicture(TToolButton* button);
    void ImageListChange(TObject* Sender);   // the buttons show the list's new pictures
    Integer IndexOfItem(const TMenuItem* item) const;
    void ForgetItem(TMenuItem* item);
    std::vector<TMenuItem*> FItems;
    std::vector<TPopupMenu*> FDropdowns;   // per button, null for a plain one
    std::vector<TToolButton*> FToolButtons;
    TComponent* FImages = nullptr;
    TChangeLink FImageChangeLink;
    TComponent* FDisabledImages = nullptr;
    TChangeLink FDisabledImageChangeLink;
    static inline TPictureSource FPictureSource = nullptr;
};

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator };

class TToolButton : public TComponent {
    DECLARE_CLASS(TToolButton, TComponent)
public:
    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    TToolBar* ToolBar() const { return FToolBar; }
    void SetToolBar(TToolBar* value);   // appends the button to the bar
    // The item the bar shows: the bound MenuItem, else the button's own.
    TMenuItem* Item() const;
    TMenuItem* MenuItem() const { return FMenuItem; }
    void SetMenuItem(TMenuItem* value);
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer value);
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool value) { FGrouped = value; }
    // These read and write the shown item: a bound button is a view of its menu item.
    String Caption() const { return Item()->Caption(); }
    void SetCaption(const String& value);
    String Hint() const { return Item()->Hint(); }
    void SetHint(const String& value) { Item()->SetHint(value); }
    bool Enabled() const { return Item()->Enabled(); }
    void SetEnabled(bool value);
    bool Down() const { return Item()->Checked(); }
    void SetDown(bool value);

    // Runs the command of the shown item.
    void Click() { Item()->Click(); }
    // Runs for a button without a menu item.
    TNotifyEvent OnClick;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TToolBar;
    void OwnItemClick(TObject* Sender);
    void ShowItem(TMenuItem* oldItem);
    TToolBar* FToolBar = nullptr;
    TMenuItem* FMenuItem = nullptr;
    std::unique_ptr<TMenuItem> FOwnItem;
    TToolButtonStyle FStyle = tbsButton;
    TPopupMenu* FDropdownMenu = nullptr;
    Integer FImageIndex = -1;
    bool FGrouped = false;
};
