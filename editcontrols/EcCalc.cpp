// The calculator's arithmetic: digits and operators typed into the display, the pending
// operation, percentages, square root and reciprocal, memory and the error state.
#include "editcontrols/EcCalc.h"

#include <cmath>

#include "editcontrols/EcLibUtils.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/services/Sound.h"

const char16_t CalcKeys[] = u"0123456789_./*-+Q%R=\bC";

namespace {

constexpr char16_t Backspace = 8;
constexpr char16_t CtrlC = 3;
constexpr char16_t CtrlV = 22;
constexpr char16_t Enter = 13;
constexpr char16_t Escape = 27;

char16_t UpCase(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

void Fire(const std::function<void()>& event)
{
    if (event) event();
}

}  // namespace

int CalcKeyTag(char16_t key, char16_t decimalSeparator)
{
    if (key == u',' || key == u'.' || key == decimalSeparator) key = u'.';
    else if (key == Enter) key = u'=';
    else if (key == Escape) key = u'C';
    key = UpCase(key);
    for (int tag = 0; CalcKeys[tag] != 0; ++tag)
        if (CalcKeys[tag] == key) return tag;
    return -1;
}

char16_t CalcButtonChar(TCalcBtnKind kind, char16_t decimalSeparator)
{
    if (kind == cbDcm) return decimalSeparator;
    if (kind >= cbNum0 && kind <= cbClr) return CalcKeys[kind - 1];
    return 0;
}

Extended TEcCalcEngine::DisplayValue() const
{
    Extended value = 0;
    if (FStatus == csError || !TryStrToFloat(Trim(FText), value, *FSettings)) return 0;
    return value;
}

void TEcCalcEngine::SetDisplayValue(Extended value)
{
    const String text = FloatToStrF(value, ffGeneral, DisplayDigits(), 0, *FSettings);
    if (text == FText) return;
    SetText(text);
    Fire(OnDisplayChange);
}

void TEcCalcEngine::SetText(const String& text)
{
    if (text == FText) return;
    FText = text;
    Fire(OnTextChange);
}

void TEcCalcEngine::StartNumber()
{
    if (FStatus != csFirst) return;
    FStatus = csValid;
    SetText("0");
}

// The error state: the display shows "Error" until "C" or a new value.
void TEcCalcEngine::Fail()
{
    FStatus = csError;
    SetText("Error");
    if (FBeepOnError) MessageBeep(0);
    Fire(OnError);
}

void TEcCalcEngine::Refuse()
{
    if (FBeepOnError) MessageBeep(0);
}

void TEcCalcEngine::CalcKeyPress(char16_t key)
{
    const int tag = CalcKeyTag(key, FSettings->DecimalSeparator);
    ProcessKey(tag >= 0 ? CalcButtonChar(static_cast<TCalcBtnKind>(tag + 1), FSettings->DecimalSeparator) : key);
}

// The pending operation with x, the display value: "%" takes x as a percentage of the operand
// for "+" and "-" and as a hundredth for "*" and "/".
void TEcCalcEngine::CompleteOperation(char16_t key)
{
    Extended x = DisplayValue();
    if (key == u'%') {
        if (FOperator == u'*' || FOperator == u'/') x = x / 100;
        else if (FOperator == u'+' || FOperator == u'-') x = FOperand * x / 100;
    }
    Extended result = 0;
    switch (FOperator) {
    case u'+': result = FOperand + x; break;
    case u'-': result = FOperand - x; break;
    case u'*': result = FOperand * x; break;
    case u'/':
        if (x == 0) return Fail();
        result = FOperand / x;
        break;
    default: return;   // "=" or nothing pending: the display stays
    }
    ShowResult(result);
}

// A result beyond the range of the operand (an overflow to infinity) is an error, as a division
// by zero is: the calculator never hands on a number it cannot hold.
void TEcCalcEngine::ShowResult(Extended result)
{
    if (!std::isfinite(static_cast<double>(result))) return Fail();
    SetDisplayValue(result);
}

void TEcCalcEngine::ProcessKey(char16_t key)
{
    key = UpCase(key);
    if (FStatus == csError && key != u'C') return;
    if (OnCalcKey) OnCalcKey(key);
    if (key == 0) return;
    const char16_t dec = FSettings->DecimalSeparator;

    if (key == u',' || key == u'.' || key == dec) {
        StartNumber();
        if (Pos(String::FromChar(dec), FText) == 0) SetText(FText + dec);
    } else if (key == CtrlC) {
        Fire(OnCopy);
    } else if (key == CtrlV) {
        Fire(OnPaste);
    } else if (key == Backspace) {
        StartNumber();
        if (FText.Length() == 1 || (FText.Length() == 2 && FText[1] == u'-')) SetText("0");
        else SetText(Copy(FText, 1, FText.Length() - 1));
    } else if (key == Enter || key == u'%' || key == u'*' || key == u'+' || key == u'-' || key == u'/' || key == u'=') {
        if (FStatus == csValid) {
            FStatus = csFirst;
            CompleteOperation(key);
        }
        FOperator = key;
        FOperand = static_cast<double>(DisplayValue());
        if (key == Enter || key == u'%' || key == u'=') Fire(OnResult);
    } else if (key == Escape || key == u'C') {
        FStatus = csFirst;
        SetDisplayValue(0);
        FOperator = u'=';
    } else if (key >= u'0' && key <= u'9') {
        StartNumber();
        if (FText == "0") SetText("");
        if (Pos("E", FText) > 0) return;
        const int room = DisplayDigits() + (Pos("-", FText) > 0 ? 1 : 0);
        if (FText.Length() < room) SetText(FText + key);
        else Refuse();
    } else if (key == u'Q' || key == u'R') {
        if (FStatus == csError) return;
        FStatus = csFirst;
        const Extended x = DisplayValue();
        if ((key == u'Q' && x < 0) || (key == u'R' && x == 0)) return Fail();
        ShowResult(key == u'Q' ? std::sqrt(x) : 1 / x);
    } else if (key == u'_') {
        SetDisplayValue(-DisplayValue());
    }
}

void TEcCalcEngine::MemoryPlus()
{
    if (FStatus == csError) return;
    FStatus = csFirst;
    FMemory += static_cast<double>(DisplayValue());
}

void TEcCalcEngine::MemoryStore()
{
    if (FStatus == csError) return;
    FStatus = csFirst;
    FMemory = static_cast<double>(DisplayValue());
}

void TEcCalcEngine::MemoryRecall()
{
    if (FStatus == csError) return;
    StartNumber();
    SetDisplayValue(FMemory);
}

void TEcCalcEngine::MemoryClear()
{
    FMemory = 0;
}

void TEcCalcEngine::LoadValue(const String& text)
{
    Extended value = 0;
    if (!TryStrToFloat(Trim(text), value, *FSettings)) value = 0;
    SetDisplayValue(value);
    FStatus = csFirst;
    FOperator = u'=';
}

void TEcCalcEngine::PasteText(const String& text)
{
    String number = text;
    if (!FSettings->CurrencyString.IsEmpty())
        number = StringReplace(number, FSettings->CurrencyString, "", rfReplaceAll);
    Extended value = 0;
    if (!TryStrToFloat(Trim(number), value, *FSettings)) value = 0;
    SetDisplayValue(value);
}

// ---------------------------------------------------------------- keypad

namespace {

struct TKeyPlace {
    TCalcBtnKind Kind;
    TPoint Dialog, Popup;   // Left, Top; -1: no key in that layout
    const char* Caption;    // digits and the decimal key are captioned by the program
    Integer GlyphCell;      // the cell of the dialog's glyph strip shown instead of the caption, -1 none
    TColor FontColor;
};

// The digits in a block of three columns, operators to their right, then square root, percent,
// reciprocal and "="; backspace and clear under the block (pop-up) or above it (dialog), the
// memory keys at the dialog's left and its OK and Cancel keys at the top.
const TKeyPlace KeyPlaces[] = {
    {cbNum7, {47, 32}, {6, 6}, "", -1, clBtnText},     {cbNum8, {85, 32}, {29, 6}, "", -1, clBtnText},
    {cbNum9, {123, 32}, {52, 6}, "", -1, clBtnText},   {cbNum4, {47, 56}, {6, 29}, "", -1, clBtnText},
    {cbNum5, {85, 56}, {29, 29}, "", -1, clBtnText},   {cbNum6, {123, 56}, {52, 29}, "", -1, clBtnText},
    {cbNum1, {47, 80}, {6, 52}, "", -1, clBtnText},    {cbNum2, {85, 80}, {29, 52}, "", -1, clBtnText},
    {cbNum3, {123, 80}, {52, 52}, "", -1, clBtnText},  {cbNum0, {47, 104}, {6, 75}, "", -1, clBtnText},
    {cbSgn, {85, 104}, {52, 75}, "\u00B1", 2, clBtnText}, {cbDcm, {123, 104}, {29, 75}, "", -1, clBtnText},
    {cbDiv, {161, 32}, {75, 6}, "/", -1, clPurple},    {cbMul, {161, 56}, {75, 29}, "*", 3, clPurple},
    {cbSub, {161, 80}, {75, 52}, "-", 4, clPurple},    {cbAdd, {161, 104}, {75, 75}, "+", 5, clPurple},
    {cbSqr, {199, 32}, {98, 6}, "sqrt", -1, clNavy},   {cbPcnt, {199, 56}, {98, 29}, "%", -1, clNavy},
    {cbRev, {199, 80}, {98, 52}, "1/x", -1, clNavy},   {cbEql, {199, 104}, {98, 75}, "=", -1, clPurple},
    {cbBck, {145, 6}, {29, 98}, "<-", -1, clMaroon},   {cbClr, {191, 6}, {6, 98}, "C", -1, clMaroon},
    {cbMP, {5, 104}, {-1, -1}, "MP", -1, clNavy},      {cbMS, {5, 80}, {-1, -1}, "MS", -1, clNavy},
    {cbMR, {5, 56}, {-1, -1}, "MR", -1, clNavy},       {cbMC, {5, 32}, {-1, -1}, "MC", -1, clNavy},
    {cbOk, {47, 6}, {-1, -1}, "", 1, clBtnText},       {cbCancel, {85, 6}, {-1, -1}, "", 0, clBtnText},
};

// The size of a key: 21 x 21 in the pop-up (taller "+" and "=", wider operators on the right and
// backspace), 36 x 22 in the dialog (wider backspace and clear).
TSize KeySize(TCalcBtnKind kind, TCalcPanelLayout layout)
{
    if (layout == clDialog) return (kind == cbBck || kind == cbClr) ? TSize{44, 22} : TSize{36, 22};
    switch (kind) {
    case cbAdd: return {21, 44};
    case cbSqr:
    case cbPcnt:
    case cbRev: return {31, 21};
    case cbEql: return {31, 44};
    case cbBck: return {44, 21};
    default: return {21, 21};
    }
}

}  // namespace

IMPLEMENT_CLASS(TEcCalcButton, TEcSpeedButton, nullptr)
IMPLEMENT_CLASS(TEcLocCalculator, TEcCalculatorPanel, NewComponent<TEcLocCalculator>)

TClass TEcCalculatorPanel::StaticClass()
{
    static const TMetaClass meta("TEcCalculatorPanel", TEcExPanel::StaticClass(), NewComponent<TEcCalculatorPanel>,
                                 [](TMetaClass& m) { m.OnMessage(CM_CTL3DCHANGED, &TEcCalculatorPanel::CMCtl3DChanged); });
    return &meta;
}

TEcCalcButton::TEcCalcButton(TComponent* AOwner, TCalcBtnKind AKind) : TEcSpeedButton(AOwner), FKind(AKind)
{
    SetTag(AKind >= cbNum0 && AKind <= cbClr ? AKind - 1 : -1);
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
}

// The parent's font, in the key's own colour, still followed afterwards.
void TEcCalcButton::ParentFontChanged()
{
    TEcSpeedButton::ParentFontChanged();
    if (!ParentFont() || FFontChanging) return;
    FFontChanging = true;
    for (const TKeyPlace& place : KeyPlaces)
        if (place.Kind == FKind) Font().SetColor(place.FontColor);
    FParentFont = true;
    FFontChanging = false;
}

void ApplyCalculatorFont(TFont& font)
{
    font.SetName("MS Sans Serif");
    font.SetSize(8);
    font.SetColor(clWindowText);
    font.SetStyle(TFontStyles{TFontStyle::fsBold});
}

TEcCalculatorPanel::TEcCalculatorPanel(TComponent* AOwner, TCalcPanelLayout ALayout)
    : TEcExPanel(AOwner), FEngine(FormatSettings)
{
    SetColor(clBtnFace);
    SetParentColor(true);
    if (ALayout == clDialog) SetBounds(0, 0, 240, 129);
    else SetBounds(0, 0, 131, 124);
    ApplyCalculatorFont(Font());
    SetParentFont(false);
    SetBevelOuter(TPanelBevel::bvNone);
    SetCaption("");
    FEngine.OnCopy = [this] { Copy(); };
    FEngine.OnPaste = [this] { Paste(); };
    TBitmap strip;
    if (ALayout == clDialog) strip.LoadFromResourceName(HInstance, "EcCalculatorPanelBUTTONS");
    for (const TKeyPlace& place : KeyPlaces) {
        const TPoint at = ALayout == clDialog ? place.Dialog : place.Popup;
        if (at.X < 0) continue;
        auto* button = new TEcCalcButton(this, place.Kind);
        if (place.Kind >= cbNum0 && place.Kind <= cbNum9)
            button->SetCaption(String::FromChar(static_cast<char16_t>(u'0' + place.Kind - cbNum0)));
        else if (place.Kind == cbDcm)
            button->SetCaption(String::FromChar(FormatSettings.DecimalSeparator));
        else
            button->SetCaption(place.Caption);
        if (ALayout == clDialog && place.GlyphCell >= 0) {
            TBitmap cell;
            CopyBitmapCell(&strip, &cell, 6, 1, place.GlyphCell);
            button->SetGlyph(&cell);
            button->SetCaption("");
        }
        const TSize size = KeySize(place.Kind, ALayout);
        button->SetBounds(at.X, at.Y, size.cx, size.cy);
        button->SetStyle(bsNew);
        button->SetSpacing(-1);   // captions alone: the whole face is theirs ("sqrt" stays whole)
        button->OnClick = TNotifyEvent(this, &TEcCalculatorPanel::ButtonClicked);
        button->SetParent(this);
        button->SetParentFont(true);
    }
    if (ALayout == clDialog) {
        FMemoryPanel = new TPanel(this);
        FMemoryPanel->SetBounds(6, 7, 34, 20);
        FMemoryPanel->SetBevelOuter(TPanelBevel::bvNone);
        FMemoryPanel->SetBevelInner(TPanelBevel::bvLowered);
        FMemoryPanel->SetCaption("");
        FMemoryPanel->SetParent(this);
        FMemoryLabel = new TLabel(this);
        FMemoryLabel->SetBounds(3, 3, 26, 14);
        FMemoryLabel->SetAlignment(taCenter);
        FMemoryLabel->SetAutoSize(false);
        FMemoryLabel->Font().Assign(Font());
        FMemoryLabel->Font().SetStyle(TFontStyles{});
        FMemoryLabel->SetCaption("");
        FMemoryLabel->SetParent(FMemoryPanel);
    }
}

void TEcCalculatorPanel::CMCtl3DChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    for (Integer i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TEcSpeedButton*>(Controls(i))) button->SetStyle(Ctl3D() ? bsNew : bsWin31);
    if (!FMemoryPanel) return;
    FMemoryPanel->SetBevelInner(Ctl3D() ? TPanelBevel::bvLowered : TPanelBevel::bvNone);
    FMemoryPanel->SetBorderStyle(Ctl3D() ? bsNone : bsSingle);
}

TEcLocCalculator::TEcLocCalculator(TComponent* AOwner) : TEcCalculatorPanel(AOwner, clPopup)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable});
    SetTabStop(false);
}

TEcCalcButton* TEcCalculatorPanel::Button(TCalcBtnKind kind) const
{
    for (Integer i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TEcCalcButton*>(Controls(i)); button && button->Kind() == kind) return button;
    return nullptr;
}

void TEcCalculatorPanel::ButtonClicked(TObject* Sender)
{
    auto* button = static_cast<TEcCalcButton*>(Sender);
    switch (button->Kind()) {
    case cbMP: FEngine.MemoryPlus(); break;
    case cbMS: FEngine.MemoryStore(); break;
    case cbMR: FEngine.MemoryRecall(); break;
    case cbMC: FEngine.MemoryClear(); break;
    case cbOk:
        if (FEngine.Status() == csError) {
            if (FEngine.BeepOnError()) MessageBeep(0);
            return;
        }
        FEngine.NormaliseDisplay();
        OnOk(this);
        return;
    case cbCancel: OnCancel(this); return;
    default: FEngine.ProcessKey(CalcButtonChar(button->Kind(), FormatSettings.DecimalSeparator)); return;
    }
    // "M" while something is in the memory.
    if (FMemoryLabel) FMemoryLabel->SetCaption(FEngine.Memory() != 0 ? "M" : "");
}

// A typed key is a click from code of the button it selects; a key no button stands for goes
// straight to the engine.
void TEcCalculatorPanel::CalcKeyPress(char16_t key)
{
    const int tag = CalcKeyTag(key, FormatSettings.DecimalSeparator);
    for (Integer i = 0; tag >= 0 && i < ControlCount(); ++i) {
        auto* button = dynamic_cast<TEcCalcButton*>(Controls(i));
        if (button && button->Tag() == tag) return button->ButtonClick();
    }
    FEngine.CalcKeyPress(key);
}

void TEcCalculatorPanel::Copy()
{
    Clipboard().SetAsText(FEngine.Text());
}

void TEcCalculatorPanel::Paste()
{
    if (Clipboard().HasFormat(CF_TEXT)) FEngine.PasteText(Clipboard().AsText());
}

// ---------------------------------------------------------------- pop-up
IMPLEMENT_CLASS(TEcPopupCalculator, TEcPopupWindow, nullptr)

TEcPopupCalculator::TEcPopupCalculator(TComponent* AOwner) : TEcPopupWindow(AOwner)
{
    SetBounds(0, 0, 137, 127);
    SetColor(clBtnFace);
    ApplyCalculatorFont(Font());
    SetParentFont(false);
    FCalcPanel = new TEcLocCalculator(this);
    FCalcPanel->SetAlign(alClient);
    FCalcPanel->SetBevelOuter(TPanelBevel::bvRaised);
    FCalcPanel->SetParent(this);
    FCalcPanel->Engine().OnTextChange = [this] { DisplayChanged(); };
    FCalcPanel->Engine().OnResult = [this] { Result(); };
}

void TEcPopupCalculator::DisplayChanged()
{
    if (auto* edit = dynamic_cast<TEcCustomComboEdit*>(Editor()); edit && edit->PopupVisible()) PopupTextChanged();
}

void TEcPopupCalculator::Result()
{
    TEcCalcEngine& engine = FCalcPanel->Engine();
    if (engine.Status() == csError) return;
    engine.NormaliseDisplay();
    CloseUp(true);
}

String TEcPopupCalculator::ReadValue()
{
    TEcCalcEngine& engine = FCalcPanel->Engine();
    if (engine.Status() == csError) {
        if (engine.BeepOnError()) MessageBeep(0);
        return "0";
    }
    engine.NormaliseDisplay();
    return engine.Text();
}

void TEcPopupCalculator::WriteValue(const String& value)
{
    FCalcPanel->Engine().LoadValue(value);
}

void TEcPopupCalculator::PopupKeyPress(char16_t& Key)
{
    FCalcPanel->CalcKeyPress(Key);
}

void TEcPopupCalculator::SetPopupSettings(Byte precision, bool beepOnError)
{
    FCalcPanel->Engine().SetPrecision(std::max<Byte>(2, precision));
    FCalcPanel->Engine().SetBeepOnError(beepOnError);
}
