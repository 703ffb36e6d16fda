// The numbers of the numeric edit: normalising, converting, rounding, limiting and formatting
// its text under the locale's separators.
#include "editcontrols/EcBaseEdits.h"

#include <cmath>

#include "platform/rtl/Exceptions.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

String TrimBlanks(const String& s)
{
    int first = 1;
    int last = s.Length();
    while (first <= last && s[first] == u' ') ++first;
    while (last >= first && s[last] == u' ') --last;
    return Copy(s, first, last - first + 1);
}

// Blanks around and thousands separators removed, "." and "," made the decimal separator where
// neither is a separator of the locale; "" becomes "0" and "-" becomes "-0".  With keepNumberOnly
// every character that cannot belong to a number is dropped.
String NormaliseNumber(const String& s, const TFormatSettings& fs, bool keepNumberOnly)
{
    const char16_t dec = fs.DecimalSeparator;
    const char16_t thou = fs.ThousandSeparator;
    const String trimmed = TrimBlanks(s);
    String result;
    for (int i = 1; i <= trimmed.Length(); ++i) {
        char16_t c = trimmed[i];
        if (thou != dec && thou != 0 && c == thou) continue;
        if (c == u'.' && dec != u'.' && thou != u'.') c = dec;
        if (c == u',' && dec != u',' && thou != u',') c = dec;
        if (keepNumberOnly && !(c == u'+' || c == u'-' || IsDigit(c) || c == dec || (thou != 0 && c == thou))) continue;
        result += c;
    }
    if (result.IsEmpty()) return "0";
    if (result == "-") return "-0";
    return result;
}

bool HasExponentLetter(const String& s)
{
    return Pos("E", s) > 0 || Pos("e", s) > 0;
}

Extended PowerOfTen(Extended exponent)
{
    return std::exp(std::log(10.0L) * exponent);
}

int Sign(Extended x)
{
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

}  // namespace

String TEcNumberRules::NumberText(const String& s) const
{
    return NormaliseNumber(s, Settings(), true);
}

Extended TEcNumberRules::TextValue(const String& text) const
{
    if (HasExponentLetter(text))
        throw EConvertError(Format("'%s' is not a valid floating point value", {text}));
    return StrToFloat(NumberText(text), Settings());
}

Extended TEcNumberRules::ReadValue(const String& text) const
{
    try {
        return LimitValue(TextValue(text), false);
    } catch (const EConvertError&) {
        return MinValue;
    }
}

Extended TEcNumberRules::ExitValue(const String& text, bool checkRange) const
{
    const Extended value = TextValue(text);
    if (checkRange) LimitValue(value, true);
    return LimitValue(value, false);
}

Extended TEcNumberRules::LimitValue(Extended x, bool raiseError) const
{
    if (DecimalPlaceRound) {
        const Extended places = static_cast<Extended>(DecimalPlaces);
        x = std::trunc(x * PowerOfTen(places) + Sign(x) * 0.50000001L) * PowerOfTen(-places);
    }
    Extended limited = x;
    if (MinValue < MaxValue) {
        if (limited < MinValue) limited = MinValue;
        else if (limited > MaxValue) limited = MaxValue;
    } else if (MinValue > MaxValue) {
        if (MaxValue == 0) {
            if (limited < MinValue) limited = MinValue;
        } else if (MinValue == 0) {
            if (limited > MaxValue) limited = MaxValue;
        }
    }
    if (raiseError && limited != x) {
        const int places = static_cast<int>(DecimalPlaces);
        throw ERangeError(Format("Value must be between %.*f and %.*f",
                                 {places, MinValue, places, MaxValue}, Settings()));
    }
    return limited;
}

String TEcNumberRules::EditFormat() const
{
    if (DecimalPlaces == 0) return "0";
    return ",0." + StringOfChar(DecimalPlacesAlwaysShown ? u'0' : u'#', static_cast<int>(DecimalPlaces));
}

String TEcNumberRules::EditText(Extended value) const
{
    if (value == 0 && ZeroEmpty) return String();
    return FormatFloat(EditFormat(), LimitValue(value, false), Settings());
}

String TEcNumberRules::DisplayText(Extended value) const
{
    if (DisplayFormat.IsEmpty()) return FloatToStr(value, Settings());
    return FormatFloat(DisplayFormat, value, Settings());
}

String TEcNumberRules::GroupDigits(const String& s, bool grouping) const
{
    const bool isSigned = s.Length() > 0 && (s[1] == u'+' || s[1] == u'-');
    const int first = isSigned ? 2 : 1;
    int last = s.Length();   // the last integer digit
    const int point = Pos(String::FromChar(Settings().DecimalSeparator), s);
    if (point > 0) last = point - 1;
    int exponent = Pos("E", UpperCase(s));
    if (exponent > 0 && exponent - 1 < last) last = exponent - 1;

    String result = Copy(s, last + 1);
    int count = 0;
    for (int i = last; i >= first; --i) {
        result = String::FromChar(s[i]) + result;
        if (++count == 3 && grouping && i > first && Settings().ThousandSeparator != 0) {
            result = String::FromChar(Settings().ThousandSeparator) + result;
            count = 0;
        }
    }
    if (isSigned) result = String::FromChar(s[1]) + result;
    return result;
}

String TEcNumberRules::RegroupedText(const String& text) const
{
    String t = text;
    if (!t.IsEmpty() && t != "-") t = NumberText(t);
    return GroupDigits(t, Pos(",", DisplayFormat) > 0);
}

bool TEcNumberRules::IsCalculatorKey(char16_t c) const
{
    if (c == Settings().ThousandSeparator) return false;
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return IsDigit(c) || c == Settings().DecimalSeparator || String("\b\r%*+,-./=CQR_").u16().find(c) != std::u16string::npos;
}

char16_t TEcNumberRules::TypedChar(char16_t c) const
{
    if ((c == u'.' || c == u',') && c != Settings().ThousandSeparator) return Settings().DecimalSeparator;
    return c;
}

bool TEcNumberRules::AcceptsChar(const String& text, int selStart, int selLength, char16_t c) const
{
    String candidate = text;
    Delete(candidate, selStart + 1, selLength);
    Insert(String::FromChar(c), candidate, selStart + 1);
    candidate = NormaliseNumber(candidate, Settings(), false);

    const char16_t dec = Settings().DecimalSeparator;
    const int point = Pos(String::FromChar(dec), candidate);
    if (point > 0 && candidate.Length() - point > static_cast<int>(DecimalPlaces)) return false;

    for (int i = 1; i <= candidate.Length(); ++i) {
        const char16_t ch = candidate[i];
        if (!(ch == u'+' || ch == u'-' || IsDigit(ch) || ch == dec)) return false;
    }
    Extended value = 0;
    if (!TextToFloat(candidate, value, Settings())) return false;
    return !(MinValue >= 0 && MaxValue > 0 && value < 0);
}
