#pragma once
// Number formatting and conversion with the runtime's rules (not printf's):
// locale settings, Format, FormatFloat, FloatToStr(F), StrToFloat and the
// Pascal-style Str/Val of reals.
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// A fixed list of names counted from 1 (months 1..12, days 1..7 from Sunday).
template <int N>
class TNameList {
public:
    String& operator[](int index) { return FItems[index - 1]; }
    const String& operator[](int index) const { return FItems[index - 1]; }

private:
    String FItems[N];
};

// The separators, currency and date/time conventions used by every routine
// below.  English() and French() give fixed records for tests; FromLocale()
// reads the process locale ("" = the user's, as set in the environment).
struct TFormatSettings {
    char16_t DecimalSeparator = u'.';
    char16_t ThousandSeparator = u',';   // 0: no grouping character
    String CurrencyString;
    Byte CurrencyFormat = 0;     // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    Byte NegCurrFormat = 0;      // 0 "($1)", 1 "-$1", ... 15 "(1 $)"
    Byte CurrencyDecimals = 2;
    char16_t DateSeparator = u'/';
    char16_t TimeSeparator = u':';
    String ShortDateFormat;
    String LongDateFormat;
    String ShortTimeFormat;
    String LongTimeFormat;
    String TimeAMString;
    String TimePMString;
    TNameList<12> ShortMonthNames;
    TNameList<12> LongMonthNames;
    TNameList<7> ShortDayNames;   // 1 = Sunday
    TNameList<7> LongDayNames;
    Word TwoDigitYearCenturyWindow = 50;

    static TFormatSettings English();
    static TFormatSettings French();
    static TFormatSettings FromLocale(const char* localeName = "");
};

// The process-wide settings, filled from the user's locale when the program
// starts.  Nothing in the program changes them behind the user's back.
extern TFormatSettings FormatSettings;

// ---- Floating-point text ------------------------------------------------

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Up to 18 decimal digits, held in place and followed by '0's: data() reads as the digits
// and then zeros for 36 characters, so that a run of up to 18 characters from any position
// up to 18 can be copied whole.
class TDigits {
public:
    static constexpr size_t Padded = 36;
    TDigits() { std::memset(FText, '0', sizeof FText); }
    size_t size() const { return FCount; }
    bool empty() const { return FCount == 0; }
    char operator[](size_t i) const { return FText[i]; }
    const char* data() const { return FText; }
    std::string str() const { return std::string(FText, FCount); }
    // Room for `count` digits (at most 18), which the caller writes.
    char* resize(size_t count)
    {
        FCount = count;
        return FText;
    }

private:
    char FText[Padded];
    size_t FCount = 0;
};

// The digits of a value: |value| = 0.Digits x 10^Exponent.  Digits holds no
// trailing zeros and is empty for zero.  Rounding is decimal, ties away from
// zero, on the value's 18-digit expansion.
struct TFloatRec {
    bool Negative = false;
    bool Nan = false;
    bool Infinite = false;
    int Exponent = 0;
    TDigits Digits;
};
// Rounds to at most `precision` significant digits and `decimals` digits
// after the decimal point.
TFloatRec FloatToDecimal(const Extended& value, int precision, int decimals);

// ffGeneral: shortest text of `precision` digits, scientific when the value
//   needs more than `precision` integer digits or is below 0.0001; `digits`
//   is the minimum number of exponent digits (no "+" sign).
// ffExponent: `precision` significant digits, "E", sign, at least `digits`
//   exponent digits.
// ffFixed, ffNumber (grouped), ffCurrency: `digits` decimals; a value with more
//   than `precision` integer digits is written as ffGeneral.
String FloatToStrF(const Extended& value, TFloatFormat format, int precision, int digits);
String FloatToStrF(const Extended& value, TFloatFormat format, int precision, int digits,
                   const TFormatSettings& settings);
String FloatToStr(const Extended& value);  // ffGeneral, 15 digits
String FloatToStr(const Extended& value, const TFormatSettings& settings);

// Format strings: "0" digit always written, "#" digit when significant, "."
// decimal point, "," (before the point) groups by thousands, "E+"/"E-"/"e+"/
// "e-" followed by "0"s for scientific notation, '...' and "..." literals,
// up to three sections "positive;negative;zero".  Ties round away from zero.
String FormatFloat(const String& format, const Extended& value);
String FormatFloat(const String& format, const Extended& value, const TFormatSettings& settings);

// Text to number with the settings' decimal separator: blanks around, a sign,
// digits, the separator, digits, an optional exponent.  No thousands
// separators.
bool TextToFloat(const String& text, Extended& value, const TFormatSettings& settings);
bool TryStrToFloat(const String& text, Extended& value);
bool TryStrToFloat(const String& text, Extended& value, const TFormatSettings& settings);
bool TryStrToFloat(const String& text, double& value);
bool TryStrToFloat(const String& text, double& value, const TFormatSettings& settings);
// EConvertError "'<text>' is not a valid floating point value" on failure.
Extended StrToFloat(const String& text);
Extended StrToFloat(const String& text, const TFormatSettings& settings);
Extended StrToFloatDef(const String& text, Extended defaultValue);
Extended StrToFloatDef(const String& text, Extended defaultValue, const TFormatSettings& settings);

// Pascal Str of a real, always with "." as decimal point and right-aligned in
// `width`.  Str(x, w): scientific, " d.dddE+dddd" with w - 9 decimals (1 to 17),
// a blank or "-" first.  Str(x, w, d): fixed with d decimals (d < 0 as Str(x, w)).
String Str(Extended value, int width);
String Str(Extended value, int width, int decimals);

// Pascal Val: code 0 on success, else the 1-based position of the first
// character that does not belong to the number (value is then 0).  Leading
// blanks are skipped; "." is the decimal point.  For a Double a value beyond
// its range is refused with the code of the text's last character.
void Val(const String& text, Extended& value, int& code);
void Val(const String& text, double& value, int& code);
void Val(const String& text, Integer& value, int& code);

// ---- Format -------------------------------------------------------------

// One argument of Format: an integer, a float, a string or a pointer.
class TVarRec {
public:
    enum TKind { vtInteger, vtInt64, vtExtended, vtString, vtPointer };

    TVarRec(int v) : FKind(vtInteger), FInt(v) {}                          // NOLINT
    TVarRec(unsigned v) : FKind(vtInt64), FInt(v) {}                       // NOLINT
    TVarRec(long v) : FKind(vtInt64), FInt(v) {}                           // NOLINT
    TVarRec(long long v) : FKind(vtInt64), FInt(v) {}                      // NOLINT
    TVarRec(unsigned long v) : FKind(vtInt64), FInt(static_cast<Int64>(v)) {}       // NOLINT
    TVarRec(unsigned long long v) : FKind(vtInt64), FInt(static_cast<Int64>(v)) {}  // NOLINT
    TVarRec(float v) : FKind(vtExtended), FFloat(v) {}                     // NOLINT
    TVarRec(double v) : FKind(vtExtended), FFloat(v) {}                    // NOLINT
    TVarRec(long double v) : FKind(vtExtended), FFloat(v) {}               // NOLINT
    TVarRec(const String& v) : FKind(vtString), FString(v) {}              // NOLINT
    TVarRec(const char* v) : FKind(vtString), FString(v) {}                // NOLINT
    TVarRec(const std::string& v) : FKind(vtString), FString(v) {}         // NOLINT
    TVarRec(const char16_t* v) : FKind(vtString), FString(v) {}            // NOLINT
    TVarRec(char v) : FKind(vtString), FString(1, static_cast<char16_t>(static_cast<unsigned char>(v))) {}  // NOLINT
    TVarRec(char16_t v) : FKind(vtString), FString(1, v) {}                // NOLINT
    TVarRec(const void* v) : FKind(vtPointer), FPointer(v) {}              // NOLINT
    TVarRec(std::nullptr_t) : FKind(vtPointer) {}                          // NOLINT
    TVarRec(bool) = delete;  // a Boolean is no Format argument

    TKind Kind() const { return FKind; }
    Int64 AsInt64() const { return FInt; }
    const Extended& AsExtended() const { return FFloat; }
    const String& AsString() const { return FString; }
    const void* AsPointer() const { return FPointer; }

private:
    TKind FKind;
    Int64 FInt = 0;
    Extended FFloat = 0;
    String FString;
    const void* FPointer = nullptr;
};

// "%" [index ":"] ["-"] [width] ["." precision] type, with "*" taking width,
// precision or index from the arguments.  Types: d u x (integers; precision =
// minimum digits), e f g n m (floats; see FloatToStrF: e and g take the
// precision as significant digits, default 15, exponents of at least three
// digits; f n m take it as decimals), s (precision = maximum characters),
// p (pointer), %% (a percent sign).  A bad format or argument raises
// EConvertError.
String Format(const String& format, std::initializer_list<TVarRec> args);
String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings);
