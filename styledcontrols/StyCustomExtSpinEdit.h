#pragma once
// The spin edit over a floating value: a typed edit with a spin button at its right end.  Every
// change of the value (the button, Up, Down, Page Up, Page Down, the wheel, typing, leaving the
// control, the program) goes through one setter that asks OnValueChanging first, keeps the value
// within its bounds unless the check waits for the control to lose the focus, shows the value
// and reports OnValueChanged when it really changed.
#include "styledcontrols/StyCustomMaskEdit.h"
#include "styledcontrols/StySpinButton.h"

using TStyOnValueChangedEvent = TEvent<TObject*, double, double>;            // Sender, OldVal, NewVal
using TStyOnValueChangingEvent = TEvent<TObject*, double&, bool&>;           // Sender, Val, CanModify

class TStyCustomExtSpinEdit : public TStyCustomMaskEdit {
    DECLARE_CLASS(TStyCustomExtSpinEdit, TStyCustomMaskEdit)
public:
    explicit TStyCustomExtSpinEdit(TComponent* AOwner);
    ~TStyCustomExtSpinEdit() override;

    double Value() const { return FValue; }
    // The value setter behind every change of the value.
    void SetValueChecked(double v);
    bool AutoDisableButtons() const { return FAutoDisableButtons; }
    void SetAutoDisableButtons(bool Value);
    bool CheckOnExitOnly() const { return FCheckOnExitOnly; }
    void SetCheckOnExitOnly(bool Value) { FCheckOnExitOnly = Value; }
    Word Interval() const { return FSpinBtn->Interval(); }
    void SetInterval(Word Value) { FSpinBtn->SetInterval(Value); }
    Integer SpinBtnWidth() const { return FSpinBtnWidth; }
    void SetSpinBtnWidth(Integer Value);
    // Index 0 the button's colour, 1 its hot colour.
    TColor GetSpinBtnColor(Integer Index) const;
    void SetSpinBtnColor(Integer Index, TColor Value);
    bool SpinBtnDiag() const { return FSpinBtn->OldStyle(); }
    void SetSpinBtnDiag(bool Value) { FSpinBtn->SetOldStyle(Value); }
    double Step() const { return FStep; }
    void SetStep(double Value) { FStep = Value; }
    double LargeStep() const { return FLargeStep; }
    void SetLargeStep(double Value) { FLargeStep = Value; }
    double FractionStep() const { return FFractionStep; }
    void SetFractionStep(double Value) { FFractionStep = Value; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    TStyNumberType NumberType() const { return FType; }
    const String& Suffix() const { return FSuffix; }
    void SetSuffix(const String& Value);
    TStySpinButton* SpinButton() { return FSpinBtn; }

    TNotifyEvent OnSpinBtnUpClick, OnSpinBtnDownClick;
    TStyOnValueChangedEvent OnValueChanged;
    TStyOnValueChangingEvent OnValueChanging;

protected:
    virtual void DoSpinUp();
    virtual void DoSpinDown();
    virtual void DoValueChanging(TObject* Sender, double& Val, bool& CanModify) { OnValueChanging(Sender, Val, CanModify); }
    virtual void DoValueChanged(TObject* Sender, double OldVal, double NewVal) { OnValueChanged(Sender, OldVal, NewVal); }

    void TextChanged() override;
    bool CanChangeText(const String& S) override;
    void KeyProcessing(Word& Key) override;
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    void FocusLost() override;
    void Loaded() override;
    void AdjustPaintRect() override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void DoMouseExit() override;
    void ThemeChanged() override;
    void CMEnabledChanged(TMessage& message);

    // The value read from the text by the number type.
    double ParsedText();
    String RenderValue() const;
    void StepBy(double x, bool increase);
    void UpdateButtons();

    bool FAutoDisableButtons = false;
    TStySpinButton* FSpinBtn;   // owned by the edit as a component
    Integer FSpinBtnWidth = -1;
    bool FInfiniteMax = false, FInfiniteMin = false;
    bool FEditorEnabled = true;
    TStyNumberType FType = ntInteger;
    double FValue = 0;
    double FFractionStep = 0.1;
    double FLargeStep = 10.0;
    double FStep = 1.0;
    bool FCheckOnExitOnly = false;
    bool FCheckBounds = false;

private:
    void SpinUpClick(TObject*) { DoSpinUp(); }
    void SpinDownClick(TObject*) { DoSpinDown(); }
};
