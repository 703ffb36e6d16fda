#pragma once
// The check list: a list box whose rows each carry a check box.  A click on a row's box, or the
// space bar on the focused row, moves its state on (unchecked, checked, and greyed when allowed)
// and fires OnClickCheck; the row's text is drawn right of the box.
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/StdCtrls.h"

class TCheckListBox : public TCustomListBox {
    DECLARE_CLASS(TCheckListBox, TCustomListBox)
public:
    explicit TCheckListBox(TComponent* AOwner);

    bool Checked(Integer index) const { return State(index) == cbChecked; }
    void SetChecked(Integer index, bool value) { SetState(index, value ? cbChecked : cbUnchecked); }
    // EListError (SListIndexError) for a row that does not exist.
    TCheckBoxState State(Integer index) const;
    void SetState(Integer index, TCheckBoxState value);
    // A disabled row's box is greyed and does not change by mouse or key.
    bool ItemEnabled(Integer index) const;
    void SetItemEnabled(Integer index, bool value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);

    // The width the box takes at the left of each row.
    static constexpr Integer CheckWidth = 15;

    TNotifyEvent OnClickCheck;

protected:
    void WndProc(TMessage& message) override;
    void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyPress(char16_t& Key) override;
    virtual void ClickCheck();

private:
    struct TCheck {
        TCheckBoxState State = cbUnchecked;
        bool Enabled = true;
    };
    const TCheck& Row(Integer index) const;
    void Toggle(Integer index);
    void InvalidateRow(Integer index);
    std::vector<TCheck> FChecks;   // one per row, kept in step with the rows
    bool FAllowGrayed = false;
    bool FFlat = true;
};

// The check list in the class registry, with its published properties.
void PublishCheckListBox();
