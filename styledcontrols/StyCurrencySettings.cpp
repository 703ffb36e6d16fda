// Currency settings: the locale's monetary values, the sign signature that tells a negative text,
// and the formatting and parsing of amounts.
#include "styledcontrols/StyCurrencySettings.h"

#include "foundation/StySysIn.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

const TEnumTypeInfo& TypeInfoOf(TStyCurrencyMode)
{
    static const TEnumTypeInfo info("TStyCurrencyMode", {"cmSystem", "cmUser"});
    return info;
}

// Settings that follow the locale are taken from it again when a form is loaded, so only
// settings made by hand are stored.
TClass TStyCurrencySettings::StaticClass()
{
    static const TMetaClass meta("TStyCurrencySettings", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        auto byHand = [](TStyCurrencySettings* c) { return c->SystemDefaults() == cmUser; };
        TPublished<TStyCurrencySettings>(&m)
            .Property("SystemDefaults", &TStyCurrencySettings::SystemDefaults, &TStyCurrencySettings::SetSystemDefaults)
            .Stored(byHand)
            .Property("PositiveFormatStr", &TStyCurrencySettings::PositiveFormatStr,
                      &TStyCurrencySettings::SetPositiveFormatStr)
            .Stored(byHand)
            .Property("NegativeFormatStr", &TStyCurrencySettings::NegativeFormatStr,
                      &TStyCurrencySettings::SetNegativeFormatStr)
            .Stored(byHand)
            .Property("Symbol", &TStyCurrencySettings::Symbol, &TStyCurrencySettings::SetSymbol)
            .Stored(byHand);
    });
    return &meta;
}

namespace {

constexpr char16_t CurrencySign = u'\u00A4';

// Indexes of GetLocaleValue.
enum : Integer {
    lvCurrDigits = 1, lvCurrency = 2, lvNegCurr = 8, lvSymbol = 13, lvMonDecimalSep = 19, lvMonGrouping = 20,
    lvMonThousandSep = 21
};

const char* const NegativePatterns[16] = {"(\u00A41,1)", "-\u00A41,1", "\u00A4-1,1", "\u00A41,1-", "(1,1\u00A4)",
                                          "-1,1\u00A4", "1,1-\u00A4", "1,1\u00A4-", "-1,1 \u00A4", "-\u00A4 1,1",
                                          "1,1 \u00A4-", "\u00A4 1,1-", "\u00A4 -1,1", "1,1- \u00A4", "(\u00A4 1,1)",
                                          "(1,1 \u00A4)"};
const char* const PositivePatterns[4] = {"\u00A41,1", "1,1\u00A4", "\u00A4 1,1", "1,1 \u00A4"};

Integer LocaleNumber(Integer selector, Integer fallback) { return StrToIntDef(GetLocaleValue(selector), fallback); }

char16_t FirstChar(const String& s) { return s.IsEmpty() ? char16_t(0) : s[1]; }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

TStyCurrencySettings::TStyCurrencySettings(TPersistent*) : TStyObject(nullptr) { LoadDefaults(); }

void TStyCurrencySettings::LoadDefaults()
{
    FSymbol = GetLocaleValue(lvSymbol);
    const Integer neg = LocaleNumber(lvNegCurr, 0), pos = LocaleNumber(lvCurrency, 0);
    if (neg >= 0 && neg < 16) FNegFormatStr = NegativePatterns[neg];
    if (pos >= 0 && pos < 4) FPosFormatStr = PositivePatterns[pos];
    const String grouping = GetLocaleValue(lvMonGrouping);
    const Integer semicolon = Pos(";", grouping);
    FGroup = static_cast<Byte>(semicolon > 0 ? StrToIntDef(Copy(grouping, 1, semicolon - 1), 3) : 3);
    FDigits = static_cast<Byte>(LocaleNumber(lvCurrDigits, 2));
    FFractionDelim = FirstChar(GetLocaleValue(lvMonDecimalSep));
    FCurrencyGroup = FirstChar(GetLocaleValue(lvMonThousandSep));
    UpdateSignature();
}

void TStyCurrencySettings::SetSystemDefaults(TStyCurrencyMode Value)
{
    if (Value == FSystem) return;
    FSystem = Value;
    if (FSystem == cmSystem) LoadDefaults();
}

void TStyCurrencySettings::SetPositiveFormatStr(const String& Value)
{
    if (Value == FPosFormatStr) return;
    FPosFormatStr = Value;
    Change();
}

void TStyCurrencySettings::SetNegativeFormatStr(const String& Value)
{
    if (Value == FNegFormatStr) return;
    FNegFormatStr = Value;
    UpdateSignature();
    Change();
}

void TStyCurrencySettings::SetSymbol(const String& Value)
{
    if (Value == FSymbol) return;
    FSymbol = Value;
    UpdateSignature();
    Change();
}

void TStyCurrencySettings::SetGroupDelim(char16_t Value)
{
    if (Value == FCurrencyGroup) return;
    FCurrencyGroup = Value;
    UpdateSignature();
    Change();
}

void TStyCurrencySettings::SetFractionDelim(char16_t Value)
{
    if (Value == FFractionDelim) return;
    FFractionDelim = Value;
    UpdateSignature();
    Change();
}

void TStyCurrencySettings::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStyCurrencySettings*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    SetSystemDefaults(s->FSystem);
    if (FSystem != cmUser) return;
    FSymbol = s->FSymbol;
    FDigits = s->FDigits;
    FFractionDelim = s->FFractionDelim;
    FCurrencyGroup = s->FCurrencyGroup;
    FPosFormatStr = s->FPosFormatStr;
    FNegFormatStr = s->FNegFormatStr;
    UpdateSignature();
}

// What a negative text shows besides its number: the negative pattern without digits and delimiters.
void TStyCurrencySettings::UpdateSignature()
{
    FNegFormatSignature = String();
    for (int i = 1; i <= FNegFormatStr.Length(); ++i) {
        const char16_t c = FNegFormatStr[i];
        if (c == CurrencySign || (FSymbol.Length() == 1 && c == FSymbol[1])) FNegFormatSignature += FSymbol;
        else if (c != FCurrencyGroup && c != FFractionDelim && c != u'1') FNegFormatSignature += c;
    }
    FNegFormatContainsMinus = Pos("-", FNegFormatSignature) > 0;
}

bool TStyCurrencySettings::IsNegative(const String& text) const
{
    const bool patternHasMinus = Pos("-", FNegFormatStr) > 0;
    String collected;
    for (int i = 1; i <= text.Length(); ++i) {
        const char16_t c = text[i];
        if (c == FCurrencyGroup || c == FFractionDelim || IsDigit(c) || (!patternHasMinus && c == u'-')) continue;
        collected += c;
    }
    return collected == FNegFormatSignature;
}

// The amount's number: cut (not rounded) to Digits fraction digits, padded with zeros, grouped.
String TStyCurrencySettings::FormatNumber(Int64 value) const
{
    String s = FloatToStr(static_cast<Extended>(value) / 10000);
    const char16_t decimal = FormatSettings.DecimalSeparator;
    Integer sep = Pos(String::FromChar(decimal), s);
    if (sep > 0) {
        if (s.Length() - sep > FDigits) SetLength(s, sep + FDigits);
        if (s.Length() == sep && FDigits == 0) SetLength(s, sep - 1), sep = 0;
        else s[sep] = FFractionDelim;
    }
    if (FDigits > 0) {
        if (sep == 0) {
            s += FFractionDelim;
            sep = s.Length();
        }
        while (s.Length() - sep < FDigits) s += u'0';
    }
    const bool minus = !s.IsEmpty() && s[1] == u'-';
    if (minus) Delete(s, 1, 1);
    if (FGroup > 0) {
        const Integer fraction = Pos(String::FromChar(FFractionDelim), s);
        for (Integer at = (fraction > 0 ? fraction : s.Length() + 1) - FGroup; at > 1; at -= FGroup)
            Insert(String::FromChar(FCurrencyGroup), s, at);
    }
    return minus ? "-" + s : s;
}

String TStyCurrencySettings::toStr(bool minus, Int64 value) const
{
    const bool negative = value < 0 || (value == 0 && minus);
    const String& pattern = negative ? FNegFormatStr : FPosFormatStr;
    String number = FormatNumber(value);
    const Integer dash = Pos("-", number);
    if (dash > 0) Delete(number, dash, 1);
    String result;
    for (int i = 1; i <= pattern.Length(); ++i) {
        const char16_t c = pattern[i];
        if (c == CurrencySign) result += FSymbol;
        else if (c == u'1') {
            result += number;
            i += 2;
        } else {
            result += c;
        }
    }
    return result;
}

Int64 TStyCurrencySettings::toCur(const String& text) const
{
    if (text.IsEmpty()) return 0;
    const Extended factor = !FNegFormatContainsMinus && IsNegative(text) ? -1 : 1;
    String s = text;
    const Integer symbol = FSymbol.IsEmpty() ? 0 : Pos(FSymbol, s);
    if (symbol > 0) Delete(s, symbol, FSymbol.Length());
    Integer minusCount = 0;
    String number;
    for (int i = 1; i <= s.Length(); ++i) {
        const char16_t c = s[i];
        if (c == u'-') ++minusCount;
        else if (IsDigit(c)) number += c;
        else if (c == FFractionDelim) number += FormatSettings.DecimalSeparator;
    }
    Extended f = 0;
    if (number.IsEmpty() || !TryStrToFloat(number, f)) return 0;
    const Extended amount = static_cast<Extended>(Round(f * 10000));
    const Extended sign = minusCount % 2 == 1 ? -1 : 1;
    return Round(std::fabs(amount / 10000) * factor * sign * 10000);
}

Integer TStyCurrencySettings::firstDigitPos(Int64 value) const
{
    return Pos("1", value >= 0 ? FPosFormatStr : FNegFormatStr);
}
