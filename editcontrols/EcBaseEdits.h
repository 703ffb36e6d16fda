#pragma once
// The numbers of the numeric edit: how its text is normalised, converted, rounded, limited to
// the range, formatted for editing and for display, grouped while typing, and which keystrokes
// keep it a number.  Every routine takes the locale settings it works under, so the rules are
// checked without a window.
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
    // The value of an edit text: NumberText converted.  A text with an exponent letter is
    // refused (EConvertError) rather than read with the letter dropped ("1,5E3" is not 1.53).
    Extended TextValue(const String& text) const;

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
