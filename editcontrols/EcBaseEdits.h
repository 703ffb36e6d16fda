#pragma once
// The numeric edit of the input dialogs and the numbers behind it: how its text is normalised,
// converted, rounded, limited to the range, formatted for editing and for display, grouped while
// typing, and which keystrokes keep it a number.  TEcNumberRules takes the locale settings it
// works under, so the rules are checked without a window; TEcCalcEdit is the control.
#include "editcontrols/EcToolEdit.h"
#include "platform/rtl/SysFormat.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

class TEcNumberRules {
public:
    explicit TEcNumberRules(const TFormatSettings& settings = FormatSettings) : FSettings(&settings) {}

    // The range (both 0: no range), the decimals that can be typed and that the edit format
    // shows, and the display format of the unfocused edit.
    Extended MinValue = 0;
    Extended MaxValue = 0;
    Cardinal DecimalPlaces = 2;
    bool DecimalPlacesAlwaysShown = false;
    bool DecimalPlaceRound = false;
    bool ZeroEmpty = true;
    String DisplayFormat = BaseDisplayFormat();

    static String BaseDisplayFormat() { return ",0.##"; }
    const TFormatSettings& Settings() const { return *FSettings; }

    // A typed text made readable by the locale's string-to-float conversion: blanks around
    // and thousands separators removed, "." and "," made the decimal separator, every other
    // character dropped; "" reads "0" and "-" reads "-0".
    String NumberText(const String& s) const;
    // NumberText that keeps the exponent letter: the edit writes a value beyond the digits of
    // its format with an exponent ("1E20"), and its own text reads back as that value.
    String ConvertibleText(const String& s) const;
    // The value of an edit text: ConvertibleText converted (EConvertError when it is no number).
    Extended TextValue(const String& text) const;
    // The value of a text the user pasted: NumberText converted, but a text with an exponent
    // letter is refused (EConvertError), for NumberText would drop the letter and read "1,5E3"
    // as 1.53.  The keystroke filter lets no exponent be typed either.
    Extended TypedValue(const String& text) const;

    // The value the program reads from an edit text: converted and limited without error; a
    // text that does not convert reads as MinValue.  Never raises.
    Extended ReadValue(const String& text) const;
    // The value kept when the field is left: converted and limited; with checkRange a text out
    // of range raises the range message instead of being clamped.
    Extended ExitValue(const String& text, bool checkRange) const;

    // Rounds to DecimalPlaces when DecimalPlaceRound (halves away from zero) and keeps the value
    // in the range: Min = Max no limit; Min < Max both bounds; Min > Max the lower bound alone
    // when Max = 0, the upper bound alone when Min = 0.  With raiseError a value the range
    // changes raises ERangeError "Value must be between %.*f and %.*f".
    Extended LimitValue(Extended x, bool raiseError) const;

    // "0" without decimals, else ",0." and DecimalPlaces times "0" (always shown) or "#".
    String EditFormat() const;
    // The window text of a value: the edit format of the limited value, empty for zero when
    // ZeroEmpty.
    String EditText(Extended value) const;
    // What the unfocused edit shows: DisplayFormat (general format when empty), zero included.
    String DisplayText(Extended value) const;

    // The integer digits of a number text grouped in threes with the thousands separator
    // (when grouping), the sign, decimal part and exponent kept.
    String GroupDigits(const String& s, bool grouping) const;
    // The text regrouped while typing: normalised (unless empty or "-"), then grouped when the
    // display format groups.
    String RegroupedText(const String& text) const;

    // Whether a key typed into the edit while its calculator is open belongs to the calculator:
    // digits, operators, Enter, backspace, "C", "Q", "R", "_", "." and "," (unless it groups).
    bool IsCalculatorKey(char16_t c) const;
    // A typed "." or "," that is not the thousands separator stands for the decimal separator.
    char16_t TypedChar(char16_t c) const;
    // Whether the text stays a number when the selection (0-based start, length) is replaced
    // by c: no more than DecimalPlaces decimals, only signs, digits and the decimal separator
    // (no exponent), convertible, and not negative when the range is not.
    bool AcceptsChar(const String& text, int selStart, int selLength, char16_t c) const;

private:
    const TFormatSettings* FSettings;
};

// The numeric logic of the edit: a value kept in the range, shown in DisplayFormat while the edit
// does not have the focus and in the edit format while it has it; only keystrokes that keep the
// text a number get through.
class TEcCustomNumEdit : public TEcCustomComboEdit {
    DECLARE_CLASS(TEcCustomNumEdit, TEcCustomComboEdit)
public:
    explicit TEcCustomNumEdit(TComponent* AOwner);

    // Reading re-reads the edit text (so the value has at most DecimalPlaces decimals); a text
    // that does not convert reads MinValue.  Writing limits the value silently and rewrites the
    // text.
    Extended Value();
    void SetValue(Extended value);
    Integer AsInteger() { return static_cast<Integer>(Value()); }
    void SetAsInteger(Integer value) { SetValue(value); }
    Extended MinValue() const { return FRules.MinValue; }
    void SetMinValue(Extended value);
    Extended MaxValue() const { return FRules.MaxValue; }
    void SetMaxValue(Extended value);
    Cardinal DecimalPlaces() const { return FRules.DecimalPlaces; }
    void SetDecimalPlaces(Cardinal value);
    bool DecimalPlacesAlwaysShown() const { return FRules.DecimalPlacesAlwaysShown; }
    void SetDecimalPlacesAlwaysShown(bool value);
    bool DecimalPlaceRound() const { return FRules.DecimalPlaceRound; }
    void SetDecimalPlaceRound(bool value);
    const String& DisplayFormat() const { return FRules.DisplayFormat; }
    void SetDisplayFormat(const String& value);
    String EditFormat() const { return FRules.EditFormat(); }
    bool FormatOnEditing() const { return FFormatOnEditing; }
    void SetFormatOnEditing(bool value);
    bool ZeroEmpty() const { return FRules.ZeroEmpty; }
    void SetZeroEmpty(bool value);
    // Leaving the edit with a value out of the range raises the range message instead of
    // limiting the value silently.
    bool CheckOnExit() const { return FCheckOnExit; }
    void SetCheckOnExit(bool value) { FCheckOnExit = value; }
    void SetAlignment(TAlignment value) override;
    void SetBeepOnError(bool value) override;
    const TEcNumberRules& Rules() const { return FRules; }

    // Writing the text by program converts it (EConvertError when it is no number), limits the
    // value and rewrites the text in the edit format.
    void SetText(const String& value) override;
    // What the edit shows while it does not have the focus, or the calculator's text while it is
    // open.
    String DisplayText() const;
    // The window text made again from the value.
    virtual void RefreshText();
    void Clear() { SetText(String()); }
    void Reset() override;

protected:
    void KeyPress(char16_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;
    void AcceptPopupValue(const String& value) override;
    // The calculator starts from the edit's number, grouping and all ("1 234,5" is 1234.5).
    void WritePopupValue(const String& value) override;
    void Loaded() override;
    // Hands the calculator its precision and beep setting.
    virtual void ApplyPopupSettings() {}
    // Unfocused, or with the calculator open, the edit draws DisplayText itself (left-aligned
    // while the calculator is open); focused, the native edit shows the window text, aligned by
    // Alignment with FormatOnEditing, else left.
    bool OwnTextPainted() const override { return !FFocused || PopupVisible() || !Enabled(); }
    String PaintedText() const override { return DisplayText(); }
    TAlignment PaintedAlignment() const override { return PopupVisible() ? taLeftJustify : Alignment(); }
    Cardinal EditAlignmentStyle() const override;
    void WMPaste(TMessage& message);

    // The value taken from the edit text, limited without error; EConvertError when the text
    // is no number.
    void ReadEditValue();
    void RegroupEditText();
    void SetFocusedState(bool focused);
    void SetWindowText(const String& text);

    TEcNumberRules FRules;
    Extended FValue = 0;
    bool FFocused = false;
    bool FFormatting = false;

private:
    bool FFormatOnEditing = false;
    bool FCheckOnExit = false;
};

// The numeric edit with its calculator, dropped down by the button or the click key.
class TEcCustomCalcEdit : public TEcCustomNumEdit {
    DECLARE_CLASS(TEcCustomCalcEdit, TEcCustomNumEdit)
public:
    explicit TEcCustomCalcEdit(TComponent* AOwner);
    ~TEcCustomCalcEdit() override;
    // Changes made in the calculator fire OnChange too.
    bool EnablePopupChange() const { return FEnablePopupChange; }
    void SetEnablePopupChange(bool value) { FEnablePopupChange = value; }

protected:
    void ApplyPopupSettings() override;
    void PopupTextChanged() override;
    void FireChange() override;
    void LoadDefaultGlyph(TBitmap& into) const override;

private:
    bool FEnablePopupChange = false;
};

// The numeric edit of the input dialogs, as their form descriptions name it.
class TEcCalcEdit : public TEcCustomCalcEdit {
    DECLARE_CLASS(TEcCalcEdit, TEcCustomCalcEdit)
public:
    explicit TEcCalcEdit(TComponent* AOwner) : TEcCustomCalcEdit(AOwner) {}
};
