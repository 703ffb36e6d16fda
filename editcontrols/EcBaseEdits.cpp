// The numbers of the numeric edit: normalising, converting, rounding, limiting and formatting
// its text under the locale's separators.
#include "editcontrols/EcBaseEdits.h"

#include <cmath>

#include "editcontrols/EcCalc.h"
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

// The thousands separator of the text; where it is the blank, the no-break and narrow no-break
// spaces that other programs group digits with count as one.
bool IsThousandSeparator(char16_t c, char16_t thou)
{
    return thou != 0 && (c == thou || (thou == u' ' && (c == u'\u00A0' || c == u'\u202F')));
}

// What normalising a number text keeps besides signs, digits and separators.
enum class TKept { Everything, Number, NumberAndExponent };

// Blanks around and thousands separators removed, "." and "," made the decimal separator where
// neither is a separator of the locale; "" becomes "0" and "-" becomes "-0".  Unless everything
// is kept, every character that cannot belong to a number is dropped, the exponent letter with
// NumberAndExponent excepted.
String NormaliseNumber(const String& s, const TFormatSettings& fs, TKept kept)
{
    const char16_t dec = fs.DecimalSeparator;
    const char16_t thou = fs.ThousandSeparator;
    const String trimmed = TrimBlanks(s);
    String result;
    for (int i = 1; i <= trimmed.Length(); ++i) {
        char16_t c = trimmed[i];
        if (thou != dec && IsThousandSeparator(c, thou)) continue;
        if (c == u'.' && dec != u'.' && thou != u'.') c = dec;
        if (c == u',' && dec != u',' && thou != u',') c = dec;
        const bool number = c == u'+' || c == u'-' || IsDigit(c) || c == dec || (thou != 0 && c == thou);
        const bool exponent = kept == TKept::NumberAndExponent && (c == u'E' || c == u'e');
        if (kept != TKept::Everything && !number && !exponent) continue;
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
    return NormaliseNumber(s, Settings(), TKept::Number);
}

String TEcNumberRules::ConvertibleText(const String& s) const
{
    return NormaliseNumber(s, Settings(), TKept::NumberAndExponent);
}

Extended TEcNumberRules::TextValue(const String& text) const
{
    return StrToFloat(ConvertibleText(text), Settings());
}

Extended TEcNumberRules::TypedValue(const String& text) const
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
    if (!t.IsEmpty() && t != "-") t = ConvertibleText(t);
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
    candidate = NormaliseNumber(candidate, Settings(), TKept::Everything);

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

// ---------------------------------------------------------------- TEcCustomNumEdit
TClass TEcCustomNumEdit::StaticClass()
{
    static const TMetaClass meta("TEcCustomNumEdit", TEcCustomComboEdit::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(WM_PASTE, &TEcCustomNumEdit::WMPaste);
    });
    return &meta;
}

TEcCustomNumEdit::TEcCustomNumEdit(TComponent* AOwner) : TEcCustomComboEdit(AOwner)
{
    FControlStyle.Exclude(csSetCaption);
    TEcCustomComboEdit::SetAlignment(taRightJustify);
    RefreshText();
    SetImageKind(ikDefault);
    UpdateTextPainting();
}

void TEcCustomNumEdit::SetWindowText(const String& text)
{
    TEcCustomComboEdit::SetText(text);
}

Extended TEcCustomNumEdit::Value()
{
    if (!ComponentState().Contains(csDesigning)) {
        try {
            ReadEditValue();
        } catch (const EConvertError&) {
            FValue = FRules.MinValue;
        }
    }
    return FValue;
}

void TEcCustomNumEdit::SetValue(Extended value)
{
    FValue = FRules.LimitValue(value, false);
    RefreshText();
    Invalidate();
}

void TEcCustomNumEdit::SetMinValue(Extended value)
{
    if (value == FRules.MinValue) return;
    FRules.MinValue = value;
    SetValue(FValue);
}

void TEcCustomNumEdit::SetMaxValue(Extended value)
{
    if (value == FRules.MaxValue) return;
    FRules.MaxValue = value;
    SetValue(FValue);
}

void TEcCustomNumEdit::SetDecimalPlaces(Cardinal value)
{
    if (value == FRules.DecimalPlaces) return;
    FRules.DecimalPlaces = value;
    FRules.DisplayFormat = FRules.EditFormat();
    SetValue(FValue);
}

void TEcCustomNumEdit::SetDecimalPlacesAlwaysShown(bool value)
{
    if (value == FRules.DecimalPlacesAlwaysShown) return;
    FRules.DecimalPlacesAlwaysShown = value;
    FRules.DisplayFormat = FRules.EditFormat();
    SetValue(FValue);
}

void TEcCustomNumEdit::SetDecimalPlaceRound(bool value)
{
    if (value == FRules.DecimalPlaceRound) return;
    FRules.DecimalPlaceRound = value;
    SetValue(FValue);
    if (FFocused && FFormatOnEditing) RegroupEditText();
}

void TEcCustomNumEdit::SetDisplayFormat(const String& value)
{
    if (value == FRules.DisplayFormat) return;
    FRules.DisplayFormat = value;
    Invalidate();
    RefreshText();
}

void TEcCustomNumEdit::SetFormatOnEditing(bool value)
{
    if (value == FFormatOnEditing) return;
    FFormatOnEditing = value;
    ApplyOptions();
    if (!FFocused) return;
    if (value) {
        RegroupEditText();
    } else {
        try {
            ReadEditValue();
        } catch (const EConvertError&) {
        }
        RefreshText();
    }
}

void TEcCustomNumEdit::SetZeroEmpty(bool value)
{
    if (value == FRules.ZeroEmpty) return;
    FRules.ZeroEmpty = value;
    RefreshText();
}

void TEcCustomNumEdit::SetAlignment(TAlignment value)
{
    TEcCustomComboEdit::SetAlignment(value);
}

Cardinal TEcCustomNumEdit::EditAlignmentStyle() const
{
    return FFormatOnEditing ? TEcCustomComboEdit::EditAlignmentStyle() : ES_LEFT;
}

void TEcCustomNumEdit::SetBeepOnError(bool value)
{
    if (value == BeepOnError()) return;
    TEcCustomComboEdit::SetBeepOnError(value);
    ApplyPopupSettings();
}

void TEcCustomNumEdit::SetText(const String& value)
{
    if (ComponentState().Contains(csLoading)) return SetWindowText(value);
    FValue = FRules.LimitValue(FRules.TextValue(value), false);
    RefreshText();
    Invalidate();
}

String TEcCustomNumEdit::DisplayText() const
{
    if (FPopup && FPopupVisible) return FPopup->GetPopupText();
    if (FFocused) return Text();
    return FRules.DisplayText(FValue);
}

void TEcCustomNumEdit::RefreshText()
{
    const bool modified = Modified();
    const bool formatting = FFormatting;
    FFormatting = true;
    SetWindowText(FRules.EditText(FValue));
    FFormatting = formatting;
    SetModified(modified);
}

void TEcCustomNumEdit::Reset()
{
    RefreshText();
    SelectAll();
}

void TEcCustomNumEdit::ReadEditValue()
{
    FValue = FRules.LimitValue(FRules.TextValue(Text()), false);
}

void TEcCustomNumEdit::RegroupEditText()
{
    FFormatting = true;
    const bool modified = Modified();
    const String before = Text();
    const Integer selStart = SelStart();
    const String after = FRules.RegroupedText(before);
    SetWindowText(after);
    if (Focused()) SetSelStart(std::max(0, selStart + after.Length() - before.Length()));
    SetModified(modified);
    FFormatting = false;
}

void TEcCustomNumEdit::SetFocusedState(bool focused)
{
    if (focused == FFocused) return;
    FFocused = focused;
    UpdateTextPainting();
    FFormatting = true;
    RefreshText();
    FFormatting = false;
}

void TEcCustomNumEdit::KeyPress(char16_t& Key)
{
    if (PopupVisible() && FRules.IsCalculatorKey(Key)) {
        FPopup->PopupKeyPress(Key);
        Key = 0;
        return;
    }
    Key = FRules.TypedChar(Key);
    TEcCustomComboEdit::KeyPress(Key);
    if (Key == 0) return;
    if (Key < 32) {
        if (Key == 27) {
            RefreshText();
            SelectAll();
            Key = 0;
        }
        return;
    }
    if (!FRules.AcceptsChar(Text(), SelStart(), SelLength(), Key)) {
        ErrorBeep();
        Key = 0;
    }
}

void TEcCustomNumEdit::WMPaste(TMessage& message)
{
    const String text = Text();
    const bool modified = Modified();
    InheritedMessage(StaticClass(), message);
    try {
        FValue = FRules.LimitValue(FRules.TypedValue(Text()), false);
    } catch (const EConvertError&) {
        FFormatting = true;
        SetWindowText(text);
        FFormatting = false;
        SetModified(modified);
        SelectAll();
        if (CanFocus()) SetFocus();
        ErrorBeep();
    }
}

void TEcCustomNumEdit::DoEnter()
{
    SetFocusedState(true);
    if (FFormatOnEditing) RegroupEditText();
    TEcCustomComboEdit::DoEnter();
    if (AutoSelect() && !ControlState().Contains(csLButtonDown)) SelectAll();
}

void TEcCustomNumEdit::DoExit()
{
    // The calculator's display in the window text is no value typed: leaving gives it up first.
    if (PopupVisible()) {
        ++FInCMExit;
        ClosePopup(false);
        --FInCMExit;
    }
    try {
        if (!ComponentState().Contains(csDesigning) && FCheckOnExit)
            FRules.LimitValue(FRules.TextValue(Text()), true);
        ReadEditValue();
    } catch (...) {
        SelectAll();
        if (CanFocus()) SetFocus();
        throw;
    }
    SetFocusedState(false);
    SetSelStart(0);
    TEcCustomComboEdit::DoExit();
}

void TEcCustomNumEdit::Change()
{
    if (FFormatting) return;
    if (FFormatOnEditing && FFocused && !PopupVisible()) RegroupEditText();
    TEcCustomComboEdit::Change();
}

void TEcCustomNumEdit::WritePopupValue(const String& value)
{
    TEcCustomComboEdit::WritePopupValue(value.IsEmpty() ? value : FRules.ConvertibleText(value));
}

void TEcCustomNumEdit::AcceptPopupValue(const String& value)
{
    TEcCustomComboEdit::AcceptPopupValue(value);
    Extended x = 0;
    if (!TextToFloat(value, x, FRules.Settings())) x = 0;
    SetValue(FRules.LimitValue(x, false));
}

void TEcCustomNumEdit::Loaded()
{
    TEcCustomComboEdit::Loaded();
    SetValue(FValue);
}

// ---------------------------------------------------------------- TEcCustomCalcEdit
IMPLEMENT_CLASS(TEcCustomCalcEdit, TEcCustomNumEdit, nullptr)

TEcCustomCalcEdit::TEcCustomCalcEdit(TComponent* AOwner) : TEcCustomNumEdit(AOwner)
{
    FControlStyle.Exclude(csAcceptsControls);
    SetPopup(new TEcPopupCalculator(this));
    ApplyPopupSettings();
    ApplyButtonGlyph();
}

TEcCustomCalcEdit::~TEcCustomCalcEdit()
{
    if (FPopup) FPopup->OnCloseUp = TCloseUpEvent();
}

void TEcCustomCalcEdit::ApplyPopupSettings()
{
    if (auto* calculator = dynamic_cast<TEcPopupCalculator*>(FPopup)) calculator->SetPopupSettings(15, BeepOnError());
}

// While the calculator is open its display is the edit's window text.
void TEcCustomCalcEdit::PopupTextChanged()
{
    if (!FPopup) return;
    FFormatting = !FEnablePopupChange;
    SetWindowText(FPopup->GetPopupText());
    FFormatting = false;
    TEcCustomNumEdit::PopupTextChanged();
}

void TEcCustomCalcEdit::FireChange()
{
    TEcCustomNumEdit::FireChange();
    if (PopupVisible() && FEnablePopupChange) OnChange(this);
}

// The calculator picture of the button, read once; fuchsia is its transparent colour.
void TEcCustomCalcEdit::LoadDefaultGlyph(TBitmap& into) const
{
    static TBitmap* glyph = [] {
        auto* b = new TBitmap;
        b->LoadFromResourceName(HInstance, "EcCustomNumEditBUTTONGLYPH");
        b->SetTransparentColor(clFuchsia);
        return b;
    }();
    into.Assign(*glyph);
}

IMPLEMENT_CLASS(TEcCalcEdit, TEcCustomCalcEdit, NewComponent<TEcCalcEdit>)
