#pragma once
// A native tool bar whose buttons are bound to menu items: each button shows its item's caption,
// picture, hint, enabled and checked state, and runs the item's command.  A button with a
// drop-down menu has an arrow beside it that shows the menu under the button.
#include <vector>

#include "platform/controls/Menus.h"

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

protected:
    void CreateParams(TCreateParams& Params) override;
    void InitializeWindow() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CNNotify(TMessage& message);

private:
    std::vector<TMenuItem*> FItems;
    std::vector<TPopupMenu*> FDropdowns;   // per button, null for a plain one
};
