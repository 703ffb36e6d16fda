#pragma once
// The styled combo box on the layer's combo box: incremental search that waits for a pause in
// typing, a block of most recently used entries at the top of the list, the drop-down width, a
// flat look, a control that takes the focus after a choice, and a validator.
#include <memory>

#include "foundation/StyClass.h"
#include "platform/stdctrls/ComboBox.h"
#include "styledcontrols/StyVldBase.h"

enum TStyValidatedListValue : Byte { vlvText, vlvIndex };

class TStyCustomComboBox : public TCustomComboBox {
    DECLARE_CLASS(TStyCustomComboBox, TCustomComboBox)
public:
    explicit TStyCustomComboBox(TComponent* AOwner);
    ~TStyCustomComboBox() override;

    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    Integer DropDownWidth() const { return FWidth; }
    void SetDropDownWidth(Integer Value);
    // Searching keeps the list sorted.
    bool Search() const { return FSearch; }
    void SetSearch(bool Value);
    Integer Interval() const { return FTimerInterval; }
    void SetInterval(Integer Value) { FTimerInterval = Value; }
    bool UseGlobalTimer() const { return FUseGlobalTimer; }
    void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
    TWinControl* FocusControl() const { return FFocusCtrl; }
    void SetFocusControl(TWinControl* Value) { FFocusCtrl = Value; }
    bool MRUList() const { return FMRUList; }
    void SetMRUList(bool Value);
    Integer MRUMax() const { return FMRUMax; }
    void SetMRUMax(Integer Value);
    Integer MRUCount() const { return FMRUCount; }
    bool isMRUItem(Integer Index) const { return Index < FMRUCount; }
    bool SearchPending() const { return FTimer && FTimer->Enabled(); }
    TStyValidatedListValue ValidatedValue() const { return FValidatedValue; }
    void SetValidatedValue(TStyValidatedListValue Value) { FValidatedValue = Value; }
    // The text a validator checks: the text, or the item index in decimals.
    String ValidationText() const;

    TNotifyEvent OnEditClick;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Select() override;
    void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) override;
    void WndProc(TMessage& Message) override;

private:
    void SearchTimer(TObject* Sender);
    void UpdateMRU();
    void FreeTimer() { FTimer.reset(); }

    std::unique_ptr<TStyTimer> FTimer;
    bool FKeyed = false;
    bool FSearch = false;
    bool FFlat = false;
    Integer FWidth = 0;
    Integer FTimerInterval = 1500;
    TWinControl* FFocusCtrl = nullptr;
    Integer FMRUCount = 0;
    Integer FMRUMax = 5;
    bool FMRUList = false;
    bool FUseGlobalTimer = false;
    TStyValidatedListValue FValidatedValue = vlvText;
};
