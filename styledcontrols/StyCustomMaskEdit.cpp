// The typed edit: number text in any base, the value readers and writers, the rendering after a
// change, typing rules per kind, character masks, and stepping dates and times.
#include "styledcontrols/StyCustomMaskEdit.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "foundation/StySysInfo.h"
#include "platform/classes/Persistent.h"
#include "platform/forms/Dialogs.h"
#include "platform/rtl/RtlMath.h"

IMPLEMENT_CLASS(TStyCustomMaskEdit, TStyCustomEdit, nullptr)

const TEnumTypeInfo& TypeInfoOf(TStyMaskType)
{
    static const TEnumTypeInfo info("TStyMaskType", {"meInteger", "meWord", "meFloat", "meFloatFixed", "meFloatNumber",
                                                     "meCurrency", "meDate", "meTime", "meMask", "meNone",
                                                     "meDateTime"});
    return info;
}

namespace {

// The digit alphabet; the digits of base b are its first b characters.
const String Alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Digit values of the integer routines: "1" counts 1 ... "Z" 35, anything else 0.
const String NonZeroDigits = "123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

String Sep(char16_t c) { return String::FromChar(c); }

bool IsFloatType(TStyMaskType t) { return t == meFloat || t == meFloatFixed || t == meFloatNumber; }

}  // namespace

// ---------------------------------------------------------------- number text

Int64 StyTextToInt(const String& text, TStyNumberBase base)
{
    if (text == "-") return 0;
    if (base == 10) return StrToInt64(text);
    Int64 sum = 0;
    Integer power = 0;
    for (Integer i = text.Length(); i >= 1; --i, ++power) {
        if (i == 1 && text[1] == u'-') return -sum;
        const Integer digit = Pos(Sep(CharToUpper(text[i])), NonZeroDigits);
        sum += static_cast<Int64>(digit * Power(base, power));
    }
    return sum;
}

String StyIntToText(Int64 value, TStyNumberBase base)
{
    if (value == 0) return "0";
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    String s;
    while (magnitude > 0) {
        const Integer r = static_cast<Integer>(magnitude % base);
        s = (r > 0 ? Sep(NonZeroDigits[r]) : String("0")) + s;
        magnitude /= base;
    }
    return value < 0 ? "-" + s : s;
}

Extended StyTextToFloat(const String& text, TStyNumberBase base)
{
    String s = Trim(text);
    if (s.IsEmpty() || s == "-") return 0;
    const char16_t decimal = FormatSettings.DecimalSeparator;
    if (s.Length() >= 2 && s[1] == u'-' && s[2] == decimal) Insert("0", s, 2);
    const Integer sep = Pos(Sep(decimal), s);
    const String integerPart = sep > 0 ? ::Copy(s, 1, sep - 1) : s;
    const Extended whole = static_cast<Extended>(integerPart.IsEmpty() ? 0 : StyTextToInt(integerPart, base));
    Extended fraction = 0;
    if (sep > 0 && sep < s.Length()) {
        auto digit = [&](Integer i) { return static_cast<Extended>(std::max(0, Pos(Sep(CharToUpper(s[i])), Alphabet) - 1)); };
        Extended f = digit(s.Length());
        for (Integer k = s.Length() - 1; k > sep; --k) f = digit(k) + f / base;
        fraction = f / base;
    }
    const Extended result = whole >= 0 ? whole + fraction : whole - fraction;
    return whole == 0 && s[1] == u'-' ? -result : result;
}

String StyFloatToText(Extended value, TStyNumberBase base, Integer digits)
{
    if (base == 10) return FloatToStrF(value, ffFixed, 18, digits);
    String s = StyIntToText(static_cast<Integer>(Trunc(value)), base) + Sep(FormatSettings.DecimalSeparator);
    Extended fraction = std::fabs(value - Trunc(value));
    for (Integer i = 0; i < digits; ++i) {
        fraction *= base;
        const Integer d = static_cast<Integer>(Trunc(fraction));
        s += Alphabet[d + 1];
        fraction -= d;
    }
    if (value < 0 && s[1] != u'-') s = "-" + s;
    return s;
}

String StyRenderNumber(const String& text, TStyNumberType type, Integer c)
{
    const char16_t decimal = FormatSettings.DecimalSeparator;
    String s = text;
    Integer sep = Pos(Sep(decimal), s);
    auto pad = [&](Integer count) {
        if (sep == 0 && count > 0) s += decimal, sep = s.Length();
        while (sep > 0 && s.Length() - sep < count) s += u'0';
    };
    switch (type) {
    case ntInteger:
        if (sep > 0) {
            while (s.Length() > 1 && s[s.Length()] == u'0') SetLength(s, s.Length() - 1);
            if (s[s.Length()] == decimal) SetLength(s, s.Length() - 1);
        }
        break;
    case ntFloat: break;
    case ntFloatFixed: pad(c); break;
    case ntFloatNumber: {
        const Integer first = !s.IsEmpty() && s[1] == u'-' ? 2 : 1;
        for (Integer at = (sep > 0 ? sep : s.Length() + 1) - 3; at > first; at -= 3)
            Insert(Sep(FormatSettings.ThousandSeparator), s, at);
        break;
    }
    case ntCurrency:
        pad(2);
        s += " " + FormatSettings.CurrencyString;
        break;
    }
    return s;
}

// ---------------------------------------------------------------- construction

TStyCustomMaskEdit::TStyCustomMaskEdit(TComponent* AOwner)
    : TStyCustomEdit(AOwner),
      FThousandDelim(FormatSettings.ThousandSeparator),
      FDecimalDelim(FormatSettings.DecimalSeparator),
      FDateSet(std::make_unique<TStyDateFormat>(this)),
      FTimeSet(std::make_unique<TStyTimeFormat>(this)),
      FCurSet(std::make_unique<TStyCurrencySettings>(this))
{
    FCurSet->OnChange = TNotifyEvent(this, &TStyCustomMaskEdit::SettingsChanged);
    FDateSet->OnChange = TNotifyEvent(this, &TStyCustomMaskEdit::SettingsChanged);
    FTimeSet->OnChange = TNotifyEvent(this, &TStyCustomMaskEdit::SettingsChanged);
    for (TStyFieldFormat* f : {static_cast<TStyFieldFormat*>(FDateSet.get()), static_cast<TStyFieldFormat*>(FTimeSet.get())}) {
        f->OnFormatChange = TNotifyEvent(this, &TStyCustomMaskEdit::FormatChanging);
        f->OnFormatChanged = TNotifyEvent(this, &TStyCustomMaskEdit::FormatChanged);
    }
    if (FThousandDelim == FDecimalDelim) ShowMessage("Decimal and thousand separators must differ!");
}

TStyCustomMaskEdit::~TStyCustomMaskEdit()
{
    FCurSet->OnChange = TNotifyEvent();
    FDateSet->OnChange = TNotifyEvent();
    FTimeSet->OnChange = TNotifyEvent();
}

// ---------------------------------------------------------------- text and suffix

String TStyCustomMaskEdit::VisibleSuffix() const
{
    return FMaskType == meCurrency || FMaskType == meDate || FMaskType == meTime || FMaskType == meMask ? String()
                                                                                                          : FSuffix;
}

void TStyCustomMaskEdit::GetPureText(String& Result) const
{
    Result = FText;
    const String suffix = VisibleSuffix();
    const Integer at = suffix.IsEmpty() ? 0 : Pos(suffix, Result);
    if (at > 0) Delete(Result, at, suffix.Length());
}

String TStyCustomMaskEdit::AsString() const
{
    String s;
    GetPureText(s);
    return s;
}

void TStyCustomMaskEdit::SetTextKeepCaret(const String& s)
{
    if (s == FText) return;
    const Integer caret = FCurrentChar;
    BeginUpdate();
    SetText(s);
    SetCurrentChar(std::min(caret, GetLength() + 1));
    EndUpdate();
}

// ---------------------------------------------------------------- values

void TStyCustomMaskEdit::SetValue(double Value)
{
    String s;
    switch (FMaskType) {
    case meInteger: s = StyIntToText(static_cast<Integer>(Trunc(Value)), FNumberBase); break;
    case meWord: s = StyIntToText(std::llabs(Trunc(Value)), FNumberBase); break;
    case meFloat: s = StyRenderNumber(StyFloatToText(Value, FNumberBase, FDecimals), ntInteger, 0); break;
    case meFloatFixed: s = StyRenderNumber(StyFloatToText(Value, FNumberBase, FDecimals), ntFloatFixed, FDecimals); break;
    case meFloatNumber: s = StyRenderNumber(StyFloatToText(Value, FNumberBase, FDecimals), ntFloatNumber, 0); break;
    case meCurrency: s = FCurSet->toStr(Round(static_cast<Extended>(Value) * 10000)); break;
    case meDate: s = FDateSet->DateToStr(Value); break;
    case meTime: s = FTimeSet->TimeToStr(Value); break;
    case meDateTime: s = FDateSet->DateToStr(Value) + " " + FTimeSet->TimeToStr(Value); break;
    default: return;
    }
    SetTextWithSuffix(s);
}

// Reads the text with `read`; a conversion that fails calls DoError and gives 0.
template <class T, class F>
static T Convert(TStyCustomMaskEdit* edit, void (TStyCustomMaskEdit::*error)(), F read)
{
    try {
        return read();
    } catch (const Exception&) {
        (edit->*error)();
        return T();
    }
}

Integer TStyCustomMaskEdit::AsInteger()
{
    if (FMaskType != meInteger && FMaskType != meMask) throw EStyWrongDataType("No Integer entered");
    const String s = FMaskType == meMask ? UnMaskedText() : AsString();
    if (s.IsEmpty()) return 0;
    return Convert<Integer>(this, &TStyCustomMaskEdit::DoError, [&] {
        const Int64 v = StyTextToInt(s, FNumberBase);
        if (v < -2147483647 || v > 2147483647) throw EConvertError("'" + s + "' is not a valid integer value");
        return static_cast<Integer>(v);
    });
}

Cardinal TStyCustomMaskEdit::AsCardinal()
{
    if (FMaskType != meWord) throw EStyWrongDataType("No Word entered");
    const String s = AsString();
    if (s.IsEmpty()) return 0;
    return Convert<Cardinal>(this, &TStyCustomMaskEdit::DoError,
                             [&] { return static_cast<Cardinal>(StyTextToInt(s, FNumberBase)); });
}

Int64 TStyCustomMaskEdit::AsInt64()
{
    if (FMaskType != meInteger) throw EStyWrongDataType("No Integer entered");
    const String s = AsString();
    if (s.IsEmpty()) return 0;
    return Convert<Int64>(this, &TStyCustomMaskEdit::DoError, [&] { return StyTextToInt(s, FNumberBase); });
}

double TStyCustomMaskEdit::AsFloat()
{
    if (!IsFloatType(FMaskType) && FMaskType != meCurrency) throw EStyWrongDataType("No float entered");
    String s = StringReplace(AsString(), Sep(FormatSettings.ThousandSeparator), "", rfReplaceAll);
    if (s.IsEmpty()) return 0;
    const Integer sep = Pos(Sep(FormatSettings.DecimalSeparator), s);
    if (FMaskType != meFloat && sep > 0 && s.Length() - sep > FDecimals) SetLength(s, sep + FDecimals);
    return Convert<double>(this, &TStyCustomMaskEdit::DoError,
                           [&] { return static_cast<double>(StyTextToFloat(s, FNumberBase)); });
}

double TStyCustomMaskEdit::AsCurrency()
{
    const String s = AsString();
    if (s.IsEmpty()) return 0;
    return static_cast<double>(FCurSet->toCur(s)) / 10000;
}

TDateTime TStyCustomMaskEdit::AsDate()
{
    if (FMaskType != meDate && FMaskType != meDateTime) throw EStyWrongDataType("No date entered");
    String s = AsString();
    if (s.IsEmpty()) return 0;
    if (FMaskType == meDateTime) s = ::Copy(s, 1, FDateSet->DateLength(s) - 1);
    return FDateSet->StrToDate(s);
}

TDateTime TStyCustomMaskEdit::AsTime()
{
    if (FMaskType != meTime && FMaskType != meDateTime) throw EStyWrongDataType("No time entered");
    const String s = AsString();
    if (s.IsEmpty()) return 0;
    const Integer offset = FTimeSet->SetOffset(FMaskType == meDateTime ? FDateSet->DateLength(s) : 0);
    const TDateTime t = Convert<TDateTime>(this, &TStyCustomMaskEdit::DoError, [&] { return FTimeSet->StrToTime(s); });
    FTimeSet->SetOffset(offset);
    return t;
}

TDateTime TStyCustomMaskEdit::AsDateTime()
{
    if (!IsDateOrTime()) throw EStyWrongDataType("No datetime entered");
    if (FMaskType == meDate) return AsDate();
    if (FMaskType == meTime) return AsTime();
    return AsDate() + AsTime();
}

double TStyCustomMaskEdit::ReadNumber()
{
    switch (FMaskType) {
    case meInteger: return AsInteger();
    case meWord: return AsCardinal();
    case meCurrency: return AsCurrency();
    default: return AsFloat();
    }
}

void TStyCustomMaskEdit::SetMinValue(double Value)
{
    if (Value == FMinValue) return;
    FMinValue = Value;
    if (FMaxValue < Value) FMaxValue = Value;
}

void TStyCustomMaskEdit::SetMaxValue(double Value)
{
    if (Value == FMaxValue) return;
    FMaxValue = Value;
    if (FMinValue > Value) FMinValue = Value;
}

// ---------------------------------------------------------------- type and base

void TStyCustomMaskEdit::SetMaskType(TStyMaskType Value)
{
    if (Value == FMaskType) return;
    BeginUpdate();
    FMaskType = Value;
    FUserSelect = true;
    FUserDrag = false;
    switch (Value) {
    case meInteger:
    case meWord:
    case meFloat:
    case meFloatFixed:
    case meFloatNumber:
    case meCurrency: {
        double v = 0;
        try {
            v = ReadNumber();
        } catch (const Exception&) {
            DoError();
        }
        SetValue(v);
        break;
    }
    case meDate: FUserSelect = false, SetValue(Date()); break;
    case meTime: FUserSelect = false, FTimeSet->SetOffset(0), SetValue(Time()); break;
    case meDateTime: FUserSelect = false, SetValue(Now()); break;
    case meMask: SetText(EmptyMaskText()); break;
    case meNone: FUserDrag = true; break;
    }
    EndUpdate();
}

void TStyCustomMaskEdit::SetNumberBase(TStyNumberBase Value)
{
    if (Value == FNumberBase || FMaskType == meCurrency) return;
    const double v = FMaskType == meInteger ? AsInteger() : FMaskType == meWord ? AsCardinal() : AsFloat();
    FNumberBase = Value;
    SetValue(v);
}

// ---------------------------------------------------------------- rendering after a change

void TStyCustomMaskEdit::DoChange()
{
    if (FNormalising) return;
    FNormalising = true;
    BeginUpdate();
    try {
        TextChanged();
    } catch (const Exception&) {
        DoError();
    }
    EndUpdate();
    FNormalising = false;
    TStyCustomEdit::DoChange();
}

void TStyCustomMaskEdit::TextChanged()
{
    // A minus sign typed before a zero stays: "-0" is on its way to a negative number.
    const String pure = AsString();
    auto keepMinus = [&](String s) {
        if (!pure.IsEmpty() && pure[1] == u'-' && (s.IsEmpty() || s[1] != u'-')) s = "-" + s;
        return s;
    };
    switch (FMaskType) {
    case meInteger:
        if (pure.IsEmpty()) SetTextKeepCaret("0" + VisibleSuffix());
        else if (pure == "-") SetTextKeepCaret("-0" + VisibleSuffix());
        else SetTextKeepCaret(keepMinus(StyIntToText(AsInteger(), FNumberBase)) + VisibleSuffix());
        break;
    case meFloatFixed:
    case meFloatNumber: {
        String s = FMaskType == meFloatFixed
                       ? StyRenderNumber(StyFloatToText(AsFloat(), FNumberBase, FDecimals), ntFloatFixed, FDecimals)
                       : StyRenderNumber(StyFloatToText(AsFloat(), FNumberBase, FDecimals), ntFloatNumber, 0);
        if (FMaxLength > 0) s = ::Copy(s, 1, FMaxLength);
        if (s.Length() > 1) s = keepMinus(s);
        if (s != pure) SetTextKeepCaret(s + VisibleSuffix());
        if (FMaskType == meFloatNumber && std::exchange(FPlaceCaret, false)) PlaceCaretAfterEdit();
        break;
    }
    case meCurrency: {
        String s = FCurSet->toStr(FMinus, Round(static_cast<Extended>(AsCurrency()) * 10000));
        if (FMaxLength > 0) s = ::Copy(s, 1, FMaxLength);
        if (s != FText) {
            const Integer caret = FCurrentChar;
            FText = s;
            FCurrentChar = std::min(caret, GetLength() + 1);
            FSelStart = FCurrentChar;
            FSelLength = 0;
            NotifyChanges({euTextLayout, euTextAppearance, euCursorAppearance});
            FMinus = false;
        }
        if (std::exchange(FPlaceCaret, false)) PlaceCaretAfterEdit();
        break;
    }
    case meMask:
        if (!ValidMaskText(FText)) {
            FText = FOldText;
            NotifyChanges({euTextLayout, euTextAppearance, euCursorAppearance});
        }
        break;
    default: break;
    }
    FOldText = FText;
}

// ---------------------------------------------------------------- typing

bool TStyCustomMaskEdit::IsDigitOfBase(char16_t c) const
{
    const Integer at = Pos(Sep(CharToUpper(c)), Alphabet);
    return at > 0 && at <= FNumberBase;
}

void TStyCustomMaskEdit::ToggleSign()
{
    if (FReadOnly) return;
    if (FSelLength == 0) {
        const Integer minus = Pos("-", FText);
        const Integer caret = FCurrentChar;
        if (minus > 0) {
            Replace(minus, 1, String());
            SetCurrentChar(std::max(1, caret - 1));
        } else {
            Replace(1, 0, "-");
            SetCurrentChar(caret + 1);
        }
    } else {
        SetSelText("-");
        SetCurrentChar(2);
        SetSelStart(FCurrentChar);
        SetSelLength(1);
    }
}

// A typed digit takes the place of a zero that only holds the place of the value.
void TStyCustomMaskEdit::ZeroReplacement(char16_t ch)
{
    if (FText.IsEmpty() || FSelLength > 0 || ch < 32 || ch == FDecimalDelim) return;
    if (!StyApplication()->EditMode().Contains(emInsert)) return;
    const Integer p = Pos(Sep(FDecimalDelim), FText);
    double v = 0;
    try {
        v = ReadNumber();
    } catch (const Exception&) {
        return;
    }
    if (!((v == 0 && p == 0) || (Trunc(v) == 0 && p >= 2 && FCurrentChar <= p))) return;
    Integer at = p > 0 ? p - 1 : 1;
    if (FText[at] == u'-') ++at;
    if (at > GetLength()) return;
    ::Delete(FText, at, 1);
    NotifyChange(euTextChanged, at);
    SetCurrentChar(at);
    SetSelStart(at);
}

bool TStyCustomMaskEdit::AcceptNumberChar(char16_t ch)
{
    const bool beforeMinus = !FText.IsEmpty() && FCurrentChar <= Pos("-", FText);
    switch (FMaskType) {
    case meInteger:
        if (ch == u'-') return ToggleSign(), false;
        return IsDigitOfBase(ch) && !beforeMinus;
    case meWord: return IsDigitOfBase(ch);
    case meFloat:
    case meFloatFixed:
    case meFloatNumber: {
        if (ch == u'-') return ToggleSign(), false;
        const Integer sep = Pos(Sep(FDecimalDelim), FText);
        if (IsDigitOfBase(ch)) {
            if (FCurrentChar == sep && FForceOverwriteMode) return false;
            return !(beforeMinus && !(FSelLength >= 1 && FSelStart == 1));
        }
        if (ch == FDecimalDelim && sep == 0 && FCurrentChar > Pos("-", FText)) return true;
        if (sep > 0 && FCurrentChar == sep && !FIsDeleting) SetCurrentChar(sep + 1);
        return false;
    }
    case meCurrency: {
        FMinus = ch == u'-' && FCurSet->IsNegative(FText);
        if (ch == FCurSet->FractionDelim()) {
            const Integer sep = Pos(Sep(ch), FText);
            if (FSelLength == 0) {
                if (sep > 0) ::Delete(FText, sep, 1);
                return true;
            }
            return sep == FSelStart || sep == FSelStart + FSelLength;
        }
        return true;
    }
    default: return true;
    }
}

bool TStyCustomMaskEdit::IsAmountChar(char16_t c) const
{
    return Pos(Sep(c), Alphabet) > 0 || c == FCurSet->FractionDelim();
}

// A minus sign typed into a currency text moves the number within its pattern; the caret stays on
// the same digit (counted among the digits and the separator), or goes to the first one.
void TStyCustomMaskEdit::KeyPress(char16_t& Key)
{
    Integer n = 0;
    if (FMaskType == meCurrency && Key == u'-' && FSelLength == 0) {
        const bool onAmount = FCurrentChar <= GetLength() && (IsAmountChar(FText[FCurrentChar]) || FText[FCurrentChar] == u'-');
        n = onAmount ? 0 : 1;
        for (Integer i = 1; onAmount && i <= FCurrentChar; ++i)
            if (IsAmountChar(FText[i])) ++n;
    }
    HandleKeyPress(Key);
    for (Integer i = 1, seen = 0; n > 0 && i <= GetLength(); ++i)
        if (IsAmountChar(FText[i]) && ++seen == n) {
            MoveCaretTo(i);
            break;
        }
}

void TStyCustomMaskEdit::HandleKeyPress(char16_t& Key)
{
    BeginUpdate();
    try {
        bool accepted = true;
        if (FMaskType == meMask) {
            if (FSelLength > 1) SetSelLength(1);
            if (Key == FBlankChar && !FProcessBlankChar) accepted = false;
        }
        if (FMaskType < meCurrency) Key = CharToUpper(Key);
        if (FForceMaskCheck && Key == 13) {
            ForceMaskValidation();
            EndUpdate();
            return;
        }
        if (accepted) {
            switch (FMaskType) {
            case meInteger:
            case meWord:
            case meCurrency:
            case meFloat:
            case meFloatFixed:
            case meFloatNumber:
                if (FMaskType == meInteger || FMaskType == meWord || FMaskType == meCurrency || !FForceOverwriteMode)
                    ZeroReplacement(Key);
                accepted = AcceptNumberChar(Key);
                break;
            case meMask: accepted = AcceptMaskChar(Key); break;
            case meDate:
            case meTime:
            case meDateTime: accepted = AcceptDateTimeChar(Key); break;
            default: break;
            }
        }
        if (accepted) TStyCustomEdit::KeyPress(Key);
        else TStyCustomBevelPanel::KeyPress(Key);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---------------------------------------------------------------- edit permission and filters

// The caret's step after a refused deletion: Backspace one to the left, Delete stays, others one
// to the right.
void TStyCustomMaskEdit::StepCaretAfterRefusal()
{
    const Integer step = FCommandKey == VK_BACK ? -1 : FCommandKey == VK_DELETE ? 0 : 1;
    MoveCaretTo(std::clamp(FCurrentChar + step, 1, std::max(1, GetLength())));
}

void TStyCustomMaskEdit::MoveCaretTo(Integer At)
{
    SetCurrentChar(std::clamp(At, 1, GetLength() + 1));
    SetSelStart(FCurrentChar);
}

bool TStyCustomMaskEdit::CanChangeText(const String& S)
{
    if (!TStyCustomEdit::CanChangeText(S)) return false;
    // Fixed, grouped and currency texts keep their separator and a digit before it.
    const bool separated = FMaskType == meFloatFixed || FMaskType == meFloatNumber || FMaskType == meCurrency;
    if (separated && S.IsEmpty() && FSelLength == 1 && FCurrentChar <= GetLength() + 1) {
        const Integer sep = Pos(Sep(DecimalDelimOfType()), FText);
        const bool lastIntegerDigit = sep > 1 && FSelStart == sep - 1 &&
                                      (FSelStart == 1 || !(FText[FSelStart - 1] >= u'1' && FText[FSelStart - 1] <= u'9'));
        if (lastIntegerDigit && FText[FSelStart] != u'0') {
            FText[FSelStart] = u'0';
            NotifyChange(euTextChanged, FSelStart);
        }
        if (lastIntegerDigit || (sep > 0 && FSelStart == sep)) {
            StepCaretAfterRefusal();
            return false;
        }
    }
    if (separated && !S.IsEmpty() && FCurrentChar <= GetLength() && !CanOverwrite(S)) return false;
    const String suffix = VisibleSuffix();
    const bool numeric = FMaskType == meInteger || IsFloatType(FMaskType);
    if (numeric && !S.IsEmpty() && !suffix.IsEmpty() && !AsString().IsEmpty() &&
        !(FSelStart == 1 && FSelLength == GetLength())) {
        const Integer inside = GetLength() - suffix.Length() + 1 + (StyApplication()->EditMode().Contains(emInsert) ? 1 : 0);
        if (FCurrentChar >= inside) return false;
    }
    FEditedText = S;
    FEditedAt = FCurrentChar;
    return true;
}

// Overwriting a separated number: the separator is stepped over, a minus sign typed into a currency
// text takes the place of the symbol (the re-rendering puts the sign where the pattern wants it),
// and the characters around a currency amount are not overwritten by digits.
bool TStyCustomMaskEdit::CanOverwrite(const String& S)
{
    if (StyApplication()->EditMode().Contains(emInsert) && !FForceOverwriteMode) return true;
    const Integer sep = Pos(Sep(DecimalDelimOfType()), FText);
    const bool minus = FMaskType == meCurrency && S == "-";
    if (minus || FCurrentChar == sep) {
        SetSelLength(0);
        if (!minus) {
            MoveCaretTo(FCurrentChar + 1);
            return FCurrentChar <= GetLength();
        }
        const Integer symbol = FCurSet->Symbol().IsEmpty() ? 0 : Pos(FCurSet->Symbol(), FText);
        if (symbol > 0) MoveCaretTo(symbol);
        return true;
    }
    const char16_t at = FText[FCurrentChar];
    if (FMaskType == meCurrency && FCurrentChar < sep && !(at >= u'0' && at <= u'9')) {
        StepCaretAfterRefusal();
        return false;
    }
    return true;
}

void TStyCustomMaskEdit::AdjustInsertText(Integer APos, String& S)
{
    TStyCustomEdit::AdjustInsertText(APos, S);
    if (S.IsEmpty()) return;
    auto allDigits = [&](const String& t, Integer from) {
        for (Integer i = from; i <= t.Length(); ++i)
            if (!IsDigitOfBase(t[i])) return false;
        return true;
    };
    switch (FMaskType) {
    case meInteger: {
        const bool minus = S[1] == u'-';
        if (minus && !FText.IsEmpty() && FText[1] == u'-' && APos != 1) S = String();
        else if (!allDigits(UpperCase(S), minus ? 2 : 1)) S = String();
        break;
    }
    case meWord:
        if (!allDigits(UpperCase(S), 1)) S = String();
        break;
    case meFloat: {
        // At most one separator and one leading minus sign in the result.
        const bool textHasSep = Pos(Sep(FDecimalDelim), FText) > 0;
        for (Integer i = 1; i <= S.Length(); ++i) {
            const char16_t c = S[i];
            const bool ok = IsDigitOfBase(c) || (c == FDecimalDelim && !textHasSep && Pos(Sep(c), S) == i) ||
                            (c == u'-' && i == 1 && APos == 1 && Pos("-", FText) == 0);
            if (!ok) {
                S = String();
                break;
            }
        }
        break;
    }
    case meMask: {
        FitIntoMask(FText, APos, FIsPasting, S);
        break;
    }
    default: break;
    }
}

Integer TStyCustomMaskEdit::GroupDelimsBeforeCaret() const
{
    const char16_t group = FMaskType == meCurrency ? FCurSet->GroupDelim() : FThousandDelim;
    Integer count = 0;
    for (Integer i = 1; i < FCurrentChar && i <= GetLength(); ++i)
        if (FText[i] == group) ++count;
    return count;
}

void TStyCustomMaskEdit::BeforeChange() { FTDelims = GroupDelimsBeforeCaret(); }

void TStyCustomMaskEdit::AfterChange()
{
    // The caret is placed once the text has been rendered again.
    FPlaceCaret = (FMaskType == meFloatNumber || FMaskType == meCurrency) && FUpdState.Changes.Contains(euTextChanged);
}

// After an edit of a grouped or currency text: the caret keeps its place among the digits when
// group delimiters come or go, and a currency caret left of the amount goes behind its first digit.
void TStyCustomMaskEdit::PlaceCaretAfterEdit()
{
    if (FMaskType == meCurrency) {
        const Integer first = FCurSet->firstDigitPos(Round(static_cast<Extended>(AsCurrency()) * 10000));
        const Integer symbolLength = FCurSet->Symbol().Length();
        if (first >= FCurrentChar && !FIsDeleting) MoveCaretTo(first + symbolLength);
        const Integer sep = Pos(Sep(FCurSet->FractionDelim()), FText);
        if (!FIsDeleting && !FEditedText.IsEmpty() && !FCurSet->Symbol().IsEmpty() &&
            FEditedText[1] == FCurSet->Symbol()[1] && FEditedAt <= sep)
            MoveCaretTo(first + symbolLength - 1);
    }
    const Integer delims = GroupDelimsBeforeCaret();
    if (FIsDeleting || delims > FTDelims) MoveCaretTo(FSelStart + delims - FTDelims);
}

void TStyCustomMaskEdit::GetDeletionText(String& S)
{
    if (FMaskType != meMask) {
        TStyCustomEdit::GetDeletionText(S);
        return;
    }
    S = FSuppressBlankCharOnDelete ? String() : ::Copy(EmptyMaskText(), FSelStart, FSelLength);
}

void TStyCustomMaskEdit::CutToClipboard()
{
    const String suffix = VisibleSuffix();
    if (suffix.IsEmpty() || FSelStart + FSelLength <= GetLength() - suffix.Length() + 1) TStyCustomEdit::CutToClipboard();
}

void TStyCustomMaskEdit::PasteFromClipboard()
{
    const String suffix = VisibleSuffix();
    if (!suffix.IsEmpty() && FSelStart + FSelLength > GetLength() - suffix.Length() + 1) return;
    // Pasting into a character mask overwrites as many positions as it brings characters; a text
    // the mask refuses leaves the edit as it was.
    if (FMaskType == meMask && FOptions.Contains(eoAllowPaste)) {
        String text;
        GetClipboardText(text);
        const bool grown = FSelLength == 0;
        if (grown) SetSelLength(std::min(text.Length(), GetLength() - FSelStart + 1));
        String rest = FText;
        ::Delete(rest, FSelStart, FSelLength);
        FitIntoMask(rest, FSelStart, true, text);
        if (text.IsEmpty()) {
            if (grown) SetSelLength(0);
            return;
        }
    }
    TStyCustomEdit::PasteFromClipboard();
}

// ---------------------------------------------------------------- keys

void TStyCustomMaskEdit::KeyProcessing(Word& Key)
{
    FCommandKey = Key;
    const String suffix = VisibleSuffix();
    if ((Key == VK_BACK || Key == VK_DELETE) && !suffix.IsEmpty()) {
        const Integer limit = GetLength() - suffix.Length() + 1;
        if (FSelStart + FSelLength > limit) SetSelLength(std::max(0, limit - FSelStart));
        if (Key == VK_DELETE && FSelLength == 0 && FCurrentChar >= limit) return;
    }
    if (IsDateOrTime()) {
        switch (Key) {
        case VK_HOME:
        case VK_END: return;
        case VK_LEFT: SetCurrentChar(PrevEditChar()); return;
        case VK_RIGHT: SetCurrentChar(NextEditChar()); return;
        case VK_UP: StepUp(); return;
        case VK_DOWN: StepDown(); return;
        case VK_BACK:
        case VK_DELETE:
            if (FMaskType != meTime) return;
            break;
        default: break;
        }
    }
    if (FMaskType == meMask && (Key == VK_DELETE || Key == VK_BACK) && !FReadOnly) {
        const Integer emptyLength = EmptyMaskText().Length();
        if (Key == VK_DELETE) {
            if (FSelStart > emptyLength) return;
            ClearMaskPositions(FSelStart, std::max(1, FSelLength));
            return;
        }
        if (FText.IsEmpty()) return;
        Integer start = FSelStart, count = FSelLength;
        if (count == 0) start = FCurrentChar - 1, count = 1;
        if (start < 1) return;
        ClearMaskPositions(start, count);
        SetCurrentChar(start);
        return;
    }
    if (Key == VK_DELETE && (FMaskType == meFloatNumber || FMaskType == meCurrency) && FSelLength == 0 &&
        FCurrentChar <= GetLength() && FText[FCurrentChar] == FThousandDelim)
        SetCurrentChar(FCurrentChar + 1);
    TStyCustomEdit::KeyProcessing(Key);
}

bool TStyCustomMaskEdit::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    if (TStyCustomEdit::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    if (!IsDateOrTime() || FReadOnly) return false;
    StepDateTime(WheelDelta > 0 ? 1 : -1);
    return true;
}

// ---------------------------------------------------------------- focus

void TStyCustomMaskEdit::FocusGained()
{
    if (FMaskType == meMask) FEditMode = StyApplication()->EditMode();
    TStyCustomEdit::FocusGained();
}

void TStyCustomMaskEdit::FocusLost()
{
    TStyCustomEdit::FocusLost();
    if ((FMaskType == meDate || FMaskType == meTime) && !SkipDateTimeCheck()) {
        try {
            if (FMaskType == meDate) SetValue(FDateSet->StrToDate(AsString()));
            else SetValue(FTimeSet->StrToTime(AsString()));
        } catch (const Exception&) {
            DoError();
            if (!ComponentState().Contains(csDestroying) && CanFocus()) SetFocus();
        }
    } else if (FMaskType == meMask) {
        const Integer length = EmptyMaskText().Length();
        for (Integer p = 1; p <= length; ++p) {
            char16_t c = 0;
            bool literal = false, required = false;
            MaskElement(p, c, literal, required);
            if (required && (p > GetLength() || !StrictlyValid(FText[p], p))) {
                if (CanFocus()) SetFocus();
                SetCurrentChar(p);
                SetSelStart(p);
                SetSelLength(1);
                break;
            }
        }
        StyApplication()->SetEditMode(FEditMode);
    } else {
        if (AsString() == "-") SetTextWithSuffix(String());
        if (FRangeCheck && FMaskType != meNone && FMaskType != meDateTime) {
            Extended v = ReadNumber();
            if (v > FMaxValue) {
                OnRangeError(this, FMinValue, FMaxValue, v);
                if (v > FMaxValue) v = FMaxValue;
                SetValue(static_cast<double>(v));
            }
            if (!(v >= FMinValue)) {
                OnRangeError(this, FMinValue, FMaxValue, v);
                if (!(v >= FMinValue)) v = FMinValue;
                SetValue(static_cast<double>(v));
            }
        }
    }
    dep = 0, dep_spc = false, dep_help = 0;
}

void TStyCustomMaskEdit::ForceMaskValidation()
{
    Perform(WM_KILLFOCUS, 0, 0);
    Perform(WM_SETFOCUS, 0, 0);
}

// ---------------------------------------------------------------- streaming

void TStyCustomMaskEdit::Loaded()
{
    BeginUpdate();
    TStyCustomEdit::Loaded();
    if (IsFloatType(FMaskType) && !AsString().IsEmpty()) {
        Integer i = FText.Length();
        while (i > 1 && IsDigitOfBase(FText[i])) --i;
        if (i > 1 || !IsDigitOfBase(FText[1])) FText[i] = FDecimalDelim;
    }
    if (FMaskType == meMask && !ValidMaskText(FText)) FText = EmptyMaskText();
    if (IsDateOrTime()) FUserSelect = false;
    if (FCurSet->SystemDefaults() == cmSystem) {
        const double amount = FMaskType == meCurrency ? AsCurrency() : 0;
        FCurSet->LoadDefaults();
        if (FMaskType == meCurrency) SetText(FCurSet->toStr(Round(static_cast<Extended>(amount) * 10000)));
    }
    FOldText = FText;
    NotifyChange(euTextChanged, 1);
    EndUpdate();
}

void TStyCustomMaskEdit::DefineProperties(TFiler* Filer)
{
    TStyCustomEdit::DefineProperties(Filer);
    Filer->DefineProperty(
        "Value", [this](TReader* r) { SetValue(static_cast<double>(r->ReadFloat())); },
        [this](TWriter* w) {
            switch (FMaskType) {
            case meInteger: w->WriteInteger(AsInteger()); break;
            case meWord: w->WriteInt64(AsCardinal()); break;
            case meCurrency: w->WriteFloat(AsCurrency()); break;
            case meDate: w->WriteFloat(AsDate()); break;
            case meTime: w->WriteFloat(AsTime()); break;
            default: w->WriteFloat(AsFloat()); break;
            }
        },
        IsValueStored());
    Filer->DefineProperty(
        "DateTime",
        [this](TReader* r) {
            const double v = static_cast<double>(r->ReadFloat());
            if (IsDateOrTime()) SetValue(v);
        },
        nullptr, false);
}
