#include "editcontrols/TextEdit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

const TEnumTypeInfo& TypeInfoOf(TEditType)
{
    static const TEnumTypeInfo info("TEditType", {"esGeneral", "esInteger", "esFloat", "esCurrency", "esPercentage"});
    return info;
}

TClass TAlertData::StaticClass()
{
    static const TMetaClass meta("TAlertData", TPersistent::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TAlertData>(&m)
            .Property("Active", &TAlertData::Active, &TAlertData::SetActive).Default(false)
            .Property("Color", &TAlertData::Color, &TAlertData::SetColor).Type("TColor").Default(clWindow);
    });
    return &meta;
}

TClass TRangeData::StaticClass()
{
    static const TMetaClass meta("TRangeData", TPersistent::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TRangeData>(&m)
            .Property("Enforce", &TRangeData::Enforce, &TRangeData::SetEnforce).Default(false)
            .Property("MinValue", &TRangeData::MinValue, &TRangeData::SetMinValue)
            .Property("MaxValue", &TRangeData::MaxValue, &TRangeData::SetMaxValue)
            .Property("Color", &TRangeData::Color, &TRangeData::SetColor).Type("TColor").Default(clWindow);
    });
    return &meta;
}

TClass TExtendEdit::StaticClass()
{
    static const TMetaClass meta("TExtendEdit", TEdit::StaticClass(), NewComponent<TExtendEdit>, [](TMetaClass& m) {
        using E = TExtendEdit;
        TPublished<E>(&m)
            .Property("EditStyle", &E::EditStyle, &E::SetEditStyle).Default(esGeneral)
            .Property("ActiveFocus", &E::ActiveFocus, &E::SetActiveFocus).Default(true)
            .Property("DecimalPlaces", &E::DecimalPlaces, &E::SetDecimalPlaces).Default(0)
            .Property("OORError", &E::OORError, &E::SetOORError).Default(false)
            .Property("Alert", [](E* e) { return &e->Alert(); }, [](E* e, TAlertData* v) { if (v) e->Alert().Assign(v); })
            .Property("Range", [](E* e) { return &e->Range(); }, [](E* e, TRangeData* v) { if (v) e->Range().Assign(v); })
            .Property("Value", &E::Value, &E::SetValue);
    });
    return &meta;
}

// ---------------------------------------------------------------- the owned settings
void TAlertData::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TAlertData*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetActive(source->FActive);
    SetColor(source->FColor);
}

void TAlertData::SetActive(bool value)
{
    if (value == FActive) return;
    FActive = value;
    if (FControl) FControl->RangeCheck();
}

void TAlertData::SetColor(TColor value)
{
    if (value == FColor) return;
    FColor = value;
    if (FControl) FControl->RangeCheck();
}

void TRangeData::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TRangeData*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetColor(source->FColor);
    SetEnforce(source->FEnforce);
    SetMinValue(source->FMinValue);
    SetMaxValue(source->FMaxValue);
}

void TRangeData::SetEnforce(bool value)
{
    if (value == FEnforce) return;
    FEnforce = value;
    if (FControl) FControl->RangeCheck();
}

void TRangeData::SetColor(TColor value)
{
    if (value == FColor) return;
    FColor = value;
    if (FControl) FControl->RangeCheck();
}

void TRangeData::SetValue(Integer index, double value)
{
    (index == 1 ? FMinValue : FMaxValue) = value;
    if (FMaxValue < FMinValue) FMinValue = FMaxValue;
    if (FControl) FControl->RangeCheck();
}

// ---------------------------------------------------------------- the edit
TExtendEdit::TExtendEdit(TComponent* AOwner) : TEdit(AOwner) {}

void TExtendEdit::SetEditStyle(TEditType value)
{
    FEditStyle = value;
    RefreshShownText();
}

void TExtendEdit::SetDecimalPlaces(TDecWidth value)
{
    FDecPlaces = std::clamp(value, 0, 9);
    RefreshShownText();
}

namespace {

// The most decimals the fixed notation writes.
constexpr int MaxDecimals = 18;

// v in fixed notation, 15 significant digits and `decimals` decimals, never with an exponent:
// ParseNumber takes an exponent's digits and sign into the number ("1E-5" would read -15).
// Beyond 15 integer digits, where the fixed notation turns to the exponent, the digits are
// followed by zeros.
String PositionalText(double v, int decimals)
{
    const String fixed = FloatToStrF(v, ffFixed, 15, decimals, FormatSettings);
    if (!std::isfinite(v) || Pos("E", fixed) == 0) return fixed;
    char scientific[32];   // d.dddddddddddddde+XXX
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(v));
    const int exponent = std::atoi(scientific + 17);
    std::string digits = scientific[0] + std::string(scientific + 2, 14) + std::string(static_cast<size_t>(exponent - 14), '0');
    if (v < 0) digits.insert(0, 1, '-');
    String text(digits);
    if (decimals > 0) text += String::FromChar(FormatSettings.DecimalSeparator) + StringOfChar(u'0', decimals);
    return text;
}

}  // namespace

double TExtendEdit::ParseNumber(const String& text) const
{
    const bool negative = (Pos("(", text) > 0 && Pos(")", text) > 0) || Pos("-", text) > 0;
    const char16_t separator = FormatSettings.DecimalSeparator;
    Integer budget = FEditStyle == esInteger ? 0 : 1;
    String number;
    for (Integer i = 1; i <= text.Length(); ++i) {
        const char16_t c = text[i];
        if (c == separator) --budget;
        if (((c >= u'0' && c <= u'9') || c == separator) && budget >= 0) number += c;
    }
    number = Trim(number);
    if (negative) number = "-" + number;
    if (number.IsEmpty() || number == "-") number = "0";
    double value = 0;
    if (!TryStrToFloat(number, value, FormatSettings)) return 0;
    return value;
}

double TExtendEdit::Value()
{
    switch (FEditStyle) {
    case esGeneral: return 0;
    case esPercentage: return ParseNumber(Text()) / 100;
    default: return ParseNumber(Text());
    }
}

void TExtendEdit::SetValue(double x)
{
    if (FEditStyle != esGeneral) {
        const String text = FloatToStr(x, FormatSettings);
        SetText(Pos("E", text) > 0 ? PositionalText(x, MaxDecimals) : text);
    }
    RefreshShownText();
}

void TExtendEdit::RangeCheck()
{
    const double minValue = FRangeData.MinValue(), maxValue = FRangeData.MaxValue();
    if (FRangeData.Enforce() && FEditStyle != esGeneral) {
        // The text holds the percent figure of a percentage, so a bound is written as one.
        const double scale = FEditStyle == esPercentage ? 100 : 1;
        const double v = Value();
        if (v < minValue) SetValue(minValue * scale);
        else if (v > maxValue) SetValue(maxValue * scale);
    }
    const double v = Value();
    FOORError = !(v >= minValue && v <= maxValue);   // NaN is out of range
    SetColor(FOORError && FAlertData.Active() && FEditStyle != esGeneral ? FAlertData.Color() : FRangeData.Color());
}

String TExtendEdit::FixedText(double v) const { return PositionalText(v, FDecPlaces); }

// A whole number as the integer style shows it; one beyond 64 bits keeps its digits.
static String TruncatedText(double v)
{
    if (std::fabs(v) < 9.2e18) return IntToStr(Trunc(v));
    return PositionalText(v, 0);
}

void TExtendEdit::RefreshShownText()
{
    RangeCheck();
    if (FActiveFocus && Focused()) ShowFocusedText();
    else ShowDisplayText();
}

void TExtendEdit::ShowFocusedText()
{
    if (!(FActiveFocus && Focused())) return ShowDisplayText();
    const double v = Value();
    switch (FEditStyle) {
    case esInteger: SetText(TruncatedText(v)); break;
    case esPercentage: SetText(FixedText(v * 100)); break;
    case esFloat:
    case esCurrency: SetText(FixedText(v)); break;
    case esGeneral: break;
    }
    if (AutoSelect() && Focused()) SelectAll();
}

void TExtendEdit::ShowDisplayText()
{
    const double v = Value();
    switch (FEditStyle) {
    case esInteger: SetText(TruncatedText(v)); break;
    case esFloat: SetText(FixedText(v)); break;
    case esCurrency: SetText(FloatToStrF(v, ffCurrency, 15, FDecPlaces, FormatSettings)); break;
    case esPercentage: SetText(FixedText(v * 100) + "%"); break;
    case esGeneral: break;
    }
}

void TExtendEdit::Change()
{
    TEdit::Change();
    RangeCheck();
}

void TExtendEdit::DoEnter()
{
    ShowFocusedText();
    TEdit::DoEnter();
}

void TExtendEdit::DoExit()
{
    RangeCheck();
    ShowDisplayText();
    TEdit::DoExit();
}

// Whether a typed character may go into the text: the characters of the style, and no more
// decimals than DecimalPlaces once the text has a decimal separator.
bool TExtendEdit::KeyAccepted(char16_t key)
{
    const char16_t separator = FormatSettings.DecimalSeparator;
    const String text = Text();
    const Integer selStart = SelStart(), selLength = SelLength();
    String candidate = text;
    ::Delete(candidate, selStart + 1, selLength);
    Integer caret = selStart;
    if (key == u'\b') {
        if (selLength == 0 && caret > 0) ::Delete(candidate, caret--, 1);
    } else {
        ::Insert(String::FromChar(key), candidate, caret + 1);
    }

    String accepted = "0123456789-()";
    switch (FEditStyle) {
    case esFloat: accepted += separator; break;
    case esCurrency:
        accepted += separator;
        if (!FormatSettings.CurrencyString.IsEmpty()) accepted += FormatSettings.CurrencyString[1];
        break;
    case esPercentage: accepted += separator; accepted += u'%'; break;
    default: break;
    }
    bool ok = accepted.u16().find(key) != std::u16string::npos;
    if (text.u16().find(separator) != std::u16string::npos) {
        const auto at = candidate.u16().find(separator);
        const Integer decimals = at == std::u16string::npos
                                     ? 0 : std::min<Integer>(candidate.Length() - static_cast<Integer>(at) - 1, 99);
        ok = ok && decimals <= FDecPlaces && key != separator;
    }
    return ok || key == u'\b';
}

void TExtendEdit::KeyPress(char16_t& Key)
{
    if (FEditStyle != esGeneral && !KeyAccepted(Key)) Key = 0;
    TEdit::KeyPress(Key);
}
