#pragma once
// The calculator that the numeric edit drops down: a four-function calculator with memory.
// TEcCalcEngine holds its arithmetic (display text, pending operation, memory), so the
// computation is checked without a window; the panels around it turn clicks and keys into its
// characters.
#include <functional>

#include "editcontrols/EcExExtCtrls.h"
#include "editcontrols/EcSpeedButton.h"
#include "editcontrols/EcToolEdit.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

#include "platform/rtl/SysFormat.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

enum TCalcBtnKind {
    cbNone, cbNum0, cbNum1, cbNum2, cbNum3, cbNum4, cbNum5, cbNum6, cbNum7, cbNum8, cbNum9,
    cbSgn, cbDcm, cbDiv, cbMul, cbSub, cbAdd, cbSqr, cbPcnt, cbRev, cbEql, cbBck, cbClr,
    cbMP, cbMS, cbMR, cbMC, cbOk, cbCancel
};

enum TCalcPanelLayout { clDialog, clPopup };

// csFirst: the next digit starts a new number; csValid: a number is entered or shown;
// csError: the display shows the error text.
enum TEcCalcState { csFirst, csValid, csError };

// The keys that a calculator button stands for, in the order of the buttons' Tag (kind - 1):
// the digits, "_" sign change, "." decimal, "/", "*", "-", "+", "Q" square root, "%", "R"
// reciprocal, "=", backspace and "C" clear.
extern const char16_t CalcKeys[];
// The button Tag a typed key selects ("," "." and the decimal separator select the decimal key,
// Enter "=", Esc "C"; letters in either case), -1 for a key no button stands for.
int CalcKeyTag(char16_t key, char16_t decimalSeparator);
// The character a click on a key button (cbNum0 .. cbClr) types; the decimal key types the
// decimal separator.
char16_t CalcButtonChar(TCalcBtnKind kind, char16_t decimalSeparator);

class TEcCalcEngine {
public:
    explicit TEcCalcEngine(const TFormatSettings& settings = FormatSettings) : FSettings(&settings) {}

    // Fired when the display text changes, when the shown number changes, on an error, and after
    // Enter, "%" or "=".  OnCalcKey may change each key before it is processed (0 drops it).
    // OnCopy and OnPaste carry Ctrl+C and Ctrl+V to the clipboard.
    std::function<void()> OnTextChange, OnDisplayChange, OnError, OnResult, OnCopy, OnPaste;
    std::function<void(char16_t&)> OnCalcKey;

    const String& Text() const { return FText; }
    TEcCalcState Status() const { return FStatus; }
    char16_t PendingOperator() const { return FOperator; }
    double Memory() const { return FMemory; }
    Byte Precision() const { return FPrecision; }
    void SetPrecision(Byte precision) { FPrecision = precision; }
    bool BeepOnError() const { return FBeepOnError; }
    void SetBeepOnError(bool beep) { FBeepOnError = beep; }

    // The number shown: 0 in the error state and for a text that does not convert.
    Extended DisplayValue() const;
    // Shows the number in general format with max(2, Precision) significant digits.
    void SetDisplayValue(Extended value);

    // A typed key, through the button it selects (Enter as "=", Esc as "C").
    void CalcKeyPress(char16_t key);
    // One character of the calculator's input (digits, operators, backspace 8, Ctrl+C 3,
    // Ctrl+V 22, Enter 13, Esc 27).
    void ProcessKey(char16_t key);

    // The memory keys: MP adds the display to the memory, MS stores it, MR recalls it (none of
    // them in the error state), MC clears the memory.
    void MemoryPlus();
    void MemoryStore();
    void MemoryRecall();
    void MemoryClear();

    // Re-shows the display value in general format ("12," becomes "12").
    void NormaliseDisplay() { SetDisplayValue(DisplayValue()); }
    // Loads a value to compute with: the text converted (0 for an empty or bad one), then the
    // next digit starts a new number and no operation is pending.
    void LoadValue(const String& text);
    // The number of a pasted text without its currency string; "0" for text that is no number.
    void PasteText(const String& text);

private:
    void SetText(const String& text);
    void StartNumber();
    void Fail();
    void Refuse();
    void CompleteOperation(char16_t key);
    void ShowResult(Extended result);
    int DisplayDigits() const { return FPrecision < 2 ? 2 : FPrecision; }

    const TFormatSettings* FSettings;
    String FText = "0";
    TEcCalcState FStatus = csFirst;
    char16_t FOperator = 0;
    double FOperand = 0;
    double FMemory = 0;
    Byte FPrecision = 15;
    bool FBeepOnError = true;
};

// A key of the calculator: its Tag is the position of its key in CalcKeys (kind - 1), -1 for
// the memory and dialog keys.
// Keys follow the keypad's font, each in the colour of its kind (digits, operators, functions,
// editing keys).
class TEcCalcButton : public TEcSpeedButton {
    DECLARE_CLASS(TEcCalcButton, TEcSpeedButton)
public:
    TEcCalcButton(TComponent* AOwner, TCalcBtnKind AKind);
    TCalcBtnKind Kind() const { return FKind; }

protected:
    void ParentFontChanged() override;

private:
    TCalcBtnKind FKind;
    bool FFontChanging = false;
};

// The font of the keypad and its pop-up window: the desktop's message font, bold; without one
// (as here) "MS Sans Serif", 8 points, in the window text colour, bold.
void ApplyCalculatorFont(TFont& font);

// The keypad of the calculator: the pop-up layout (131 x 124, keys of 21 x 21) or the dialog
// layout (240 x 129, keys of 36 x 22, with memory keys, a memory indicator and OK and Cancel):
// clicks and typed keys go to its engine.
class TEcCalculatorPanel : public TEcExPanel {
    DECLARE_CLASS(TEcCalculatorPanel, TEcExPanel)
public:
    explicit TEcCalculatorPanel(TComponent* AOwner, TCalcPanelLayout ALayout = clPopup);
    // OK (outside the error state, after the display is normalised) and Cancel of the dialog layout.
    TNotifyEvent OnOk, OnCancel;
    // The memory indicator of the dialog layout: "M" while the memory holds a number.
    TLabel* MemoryLabel() const { return FMemoryLabel; }
    TEcCalcEngine& Engine() { return FEngine; }
    // A typed key, as a click of the button it selects.
    void CalcKeyPress(char16_t key);
    // The display text to the clipboard; a number from the clipboard's text to the display.
    void Copy();
    void Paste();
    TEcCalcButton* Button(TCalcBtnKind kind) const;

protected:
    // A flat keypad has flat keys (bsWin31) and a memory indicator in a single border.
    void CMCtl3DChanged(TMessage& message);

private:
    void ButtonClicked(TObject* Sender);
    TEcCalcEngine FEngine;
    TPanel* FMemoryPanel = nullptr;
    TLabel* FMemoryLabel = nullptr;
};

// The keypad of the pop-up: the pop-up layout, which never takes the focus, so the keys typed
// stay with the edit.
class TEcLocCalculator : public TEcCalculatorPanel {
    DECLARE_CLASS(TEcLocCalculator, TEcCalculatorPanel)
public:
    explicit TEcLocCalculator(TComponent* AOwner);
};

// The calculator a numeric edit drops down (137 x 127): its keypad takes the keys typed into the
// edit, mirrors its display into the edit, and a result (Enter, "%", "=") closes it with
// acceptance.
class TEcPopupCalculator : public TEcPopupWindow {
    DECLARE_CLASS(TEcPopupCalculator, TEcPopupWindow)
public:
    explicit TEcPopupCalculator(TComponent* AOwner);
    TEcLocCalculator* CalcPanel() const { return FCalcPanel; }
    // The display as a number's text; "0" (with a beep) in the error state.
    String ReadValue() override;
    // Shows the number of the text (0 for an empty text or one that does not convert), ready
    // for a new computation.
    void WriteValue(const String& value) override;
    String GetPopupText() const override { return FCalcPanel->Engine().Text(); }
    void PopupKeyPress(char16_t& Key) override;
    // Precision (at least 2 digits) and beep of the keypad.
    void SetPopupSettings(Byte precision, bool beepOnError);

private:
    void DisplayChanged();
    void Result();
    TEcLocCalculator* FCalcPanel;
};
