#pragma once
// The styled combo box on the layer's combo box: incremental search that waits for a pause in
// typing, a block of most recently used entries at the top of the list, the drop-down width, a
// flat look, a control that takes the focus after a choice, and a validator.
#include <memory>

#include "foundation/StyClass.h"
#include "styledcontrols/StyThemedComboBox.h"
#include "styledcontrols/StyVldBase.h"

enum TStyValidatedListValue : Byte { vlvText, vlvIndex };

using TStyValidationErrorEvent = TEvent<TObject*, Integer>;

class TStyCustomComboBox : public TStyThemedComboBox, public IStyValidatedControl {
    DECLARE_CLASS(TStyCustomComboBox, TStyThemedComboBox)
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
    String GetValidationText() override { return ValidationText(); }
    TStyValidationEntity* Validator() const { return FValidator; }
    TStyValidationEntity* GetValidator() override { return FValidator; }
    void SetValidator(TStyValidationEntity* Value) override;
    const String& ValidationMsgString() const override { return FValidationMsgString; }
    void SetValidationMsgString(const String& Value) override { FValidationMsgString = Value; }
    TControl* GetControl() override { return this; }
    TBrush* ControlBackBrush() override { return &Brush(); }
    TFont* ControlFont() override { return &Font(); }
    // The validator's verdict: above 0 marks the box in error and tells OnValidationError.
    void RespondToError(Integer ErrorLevel) override;
    bool ErrorIndication() const { return FErrorIndication; }
    bool SupportsDefaultIndication() override { return false; }
    // Whether the flat look shows now (the three-dimensional one otherwise).
    bool FlatLookShown() const;

    TNotifyEvent OnEditClick;
    TStyValidationErrorEvent OnValidationError;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Select() override;
    void Change() override;
    // OnSelect, then the validator.
    virtual void DoSelect();
    void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseEntered() override;
    void MouseLeft() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SearchTimer(TObject* Sender);
    void UpdateMRU();
    void FreeTimer() { FTimer.reset(); }
    void Validate();
    void ExitHandling();
    void PaintFlatFrame();
    void EditWndProc(TMessage& Message);
    void HookEdit();
    // The list of an MRU box: rows 4 pixels higher than ItemHeight.
    void HeightenListRows();

    TWndMethod FEditProc;
    TCustomEdit* FHookedEdit = nullptr;
    bool FFocused = false;
    bool FRepaint = false;
    TStyValidationEntity* FValidator = nullptr;
    String FValidationMsgString;
    bool FErrorIndication = false;

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
