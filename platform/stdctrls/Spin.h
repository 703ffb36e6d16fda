#pragma once
// The spin edit: a native edit holding a whole number, with a pair of spin buttons at its right.
// The buttons, the Up and Down keys step the value by Increment; the value keeps within
// MinValue .. MaxValue unless both are equal (no limits).
#include "platform/stdctrls/Edits.h"

// Two stacked buttons drawn by the layer; a press on the upper one fires OnUpClick, on the lower
// one OnDownClick, and again while it is held (ButtonRepeatDelay, ButtonRepeatInterval).
class TSpinButton : public TCustomControl {
    DECLARE_CLASS(TSpinButton, TCustomControl)
public:
    explicit TSpinButton(TComponent* AOwner);
    ~TSpinButton() override;
    TNotifyEvent OnUpClick, OnDownClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void WndProc(TMessage& message) override;

private:
    int ButtonAt(Integer X, Integer Y) const;
    void Click();
    int FPressed = 0;     // 1 the upper button is down, -1 the lower one, 0 neither
    bool FOver = false;   // the pointer is on the pressed button
};

class TSpinEdit : public TCustomEdit {
    DECLARE_CLASS(TSpinEdit, TCustomEdit)
public:
    explicit TSpinEdit(TComponent* AOwner);
    ~TSpinEdit() override;

    Integer MinValue() const { return FMinValue; }
    void SetMinValue(Integer value);
    Integer MaxValue() const { return FMaxValue; }
    void SetMaxValue(Integer value);
    Integer Increment() const { return FIncrement; }
    void SetIncrement(Integer value) { FIncrement = value; }
    // The number the text holds (MinValue when it holds none); setting it writes the value,
    // brought within the limits, as text.
    Integer Value() const;
    void SetValue(Integer value);
    // Whether the number may be typed; the buttons and keys step it either way.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    TSpinButton* Button() const { return FButton; }

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void Resize() override;
    void CMExit(TMessage& message);

private:
    Integer CheckValue(Integer value) const;
    void UpClick(TObject*);
    void DownClick(TObject*);
    void PlaceButton();
    TSpinButton* FButton = nullptr;
    Integer FMinValue = 0, FMaxValue = 0, FIncrement = 1;
    bool FEditorEnabled = true;
};

// The spin edit in the class registry, with its published properties.
void PublishSpinEdit();
