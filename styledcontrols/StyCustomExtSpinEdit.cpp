// The spin edit over a floating value: the value setter, stepping by the button, the keys and the
// wheel, the value read back from typed text, the bound check on leaving, the button's halves
// disabled at the bounds, and the button's place at the right end of the edit.
#include "styledcontrols/StyCustomExtSpinEdit.h"

#include <cmath>

#include "platform/rtl/RtlMath.h"

TClass TStyCustomExtSpinEdit::StaticClass()
{
    static const TMetaClass meta("TStyCustomExtSpinEdit", TStyCustomMaskEdit::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_ENABLEDCHANGED, &TStyCustomExtSpinEdit::CMEnabledChanged);
        TPublished<TStyCustomExtSpinEdit>(&m)
            .Property("AutoDisableButtons", &TStyCustomExtSpinEdit::AutoDisableButtons,
                      &TStyCustomExtSpinEdit::SetAutoDisableButtons)
            .Default(false)
            .Property("Alignment", &TStyCustomExtSpinEdit::Alignment, &TStyCustomExtSpinEdit::SetAlignment)
            .Default(taLeftJustify)
            .Property("CheckOnExitOnly", &TStyCustomExtSpinEdit::CheckOnExitOnly,
                      &TStyCustomExtSpinEdit::SetCheckOnExitOnly)
            .Default(false)
            .Property(
                "CustomButtons", [](TStyCustomExtSpinEdit* e) { return &e->CustomButtons(); },
                [](TStyCustomExtSpinEdit* e, TStySpecialButtons* v) { e->SetCustomButtons(v); })
            .Stored([](TStyCustomExtSpinEdit* e) { return e->CustomButtons().Count() > 0; })
            .Property("CustomButtonsStyle", &TStyCustomExtSpinEdit::CustomButtonsStyle,
                      &TStyCustomExtSpinEdit::SetCustomButtonsStyle)
            .Default(ubsIntegrated)
            .Property("CustomButtonWidth", &TStyCustomExtSpinEdit::CustomButtonWidth,
                      &TStyCustomExtSpinEdit::SetCustomButtonWidth)
            .Default(16)
            .Property("CustomButtonParentCtlXP", &TStyCustomExtSpinEdit::CustomButtonParentCtlXP,
                      &TStyCustomExtSpinEdit::SetCustomButtonParentCtlXP)
            .Default(true)
            .Property("ForceOverwriteMode", &TStyCustomExtSpinEdit::ForceOverwriteMode,
                      &TStyCustomExtSpinEdit::SetForceOverwriteMode)
            .Default(false)
            .Property("Interval", &TStyCustomExtSpinEdit::Interval, &TStyCustomExtSpinEdit::SetInterval)
            .Default(100)
            .Property("SpinBtnWidth", &TStyCustomExtSpinEdit::SpinBtnWidth, &TStyCustomExtSpinEdit::SetSpinBtnWidth)
            .Default(-1)
            .Property(
                "SpinBtnColor", [](TStyCustomExtSpinEdit* e) { return e->GetSpinBtnColor(0); },
                [](TStyCustomExtSpinEdit* e, TColor c) { e->SetSpinBtnColor(0, c); })
            .Type("TColor")
            .Default(clBtnFace)
            .Property(
                "SpinBtnHotColor", [](TStyCustomExtSpinEdit* e) { return e->GetSpinBtnColor(1); },
                [](TStyCustomExtSpinEdit* e, TColor c) { e->SetSpinBtnColor(1, c); })
            .Type("TColor")
            .Default(static_cast<TColor>(0x808000))
            .Property("SpinBtnDiag", &TStyCustomExtSpinEdit::SpinBtnDiag, &TStyCustomExtSpinEdit::SetSpinBtnDiag)
            .Default(true)
            .Property("Step", &TStyCustomExtSpinEdit::Step, &TStyCustomExtSpinEdit::SetStep)
            .Stored([](TStyCustomExtSpinEdit* e) { return e->Step() != 1.0; })
            .Property("EditorEnabled", &TStyCustomExtSpinEdit::EditorEnabled, &TStyCustomExtSpinEdit::SetEditorEnabled)
            .Default(true)
            .Property("ReadOnly", &TStyCustomExtSpinEdit::ReadOnly, &TStyCustomExtSpinEdit::SetReadOnly)
            .Default(false)
            .Property("OnSpinBtnUpClick", &TStyCustomExtSpinEdit::OnSpinBtnUpClick)
            .Property("OnSpinBtnDownClick", &TStyCustomExtSpinEdit::OnSpinBtnDownClick)
            .Property("OnValueChanged", &TStyCustomExtSpinEdit::OnValueChanged)
            .Property("OnValueChanging", &TStyCustomExtSpinEdit::OnValueChanging);
    });
    return &meta;
}

TStyCustomExtSpinEdit::TStyCustomExtSpinEdit(TComponent* AOwner)
    : TStyCustomMaskEdit(AOwner), FSpinBtn(new TStySpinButton(this))
{
    FSpinBtn->SetParent(this);
    FSpinBtn->SetThemeMode(ThemeMode());
    FSpinBtn->SetColor(clBtnFace);
    FSpinBtn->SetSpinButtons({sbUp, sbDown});
    FSpinBtn->SetExtStyle(seSpinEdit);
    FSpinBtn->SetCursor(crArrow);
    FSpinBtn->OnTopClick = TNotifyEvent(this, &TStyCustomExtSpinEdit::SpinUpClick);
    FSpinBtn->OnLeftClick = TNotifyEvent(this, &TStyCustomExtSpinEdit::SpinUpClick);
    FSpinBtn->OnBottomClick = TNotifyEvent(this, &TStyCustomExtSpinEdit::SpinDownClick);
    FSpinBtn->OnRightClick = TNotifyEvent(this, &TStyCustomExtSpinEdit::SpinDownClick);
    UpdateRects();   // the edit's rectangles were laid out before it had its button
    FMaskType = meInteger;
    FMinValue = 0;
    FMaxValue = 100;
    TStyCustomMaskEdit::SetValue(0);
    FOldText = FText;
}

TStyCustomExtSpinEdit::~TStyCustomExtSpinEdit()
{
    delete FSpinBtn;
    FSpinBtn = nullptr;
}

// ---------------------------------------------------------------- the value

String TStyCustomExtSpinEdit::RenderValue() const
{
    switch (FType) {
    case ntInteger: return StyIntToText(static_cast<Integer>(Trunc(FValue)), FNumberBase);
    case ntFloat: return StyRenderNumber(StyFloatToText(FValue, FNumberBase, FDecimals), ntInteger, 0);
    case ntFloatFixed: return StyRenderNumber(StyFloatToText(FValue, FNumberBase, FDecimals), ntFloatFixed, 1);
    case ntFloatNumber: return StyRenderNumber(StyFloatToText(FValue, FNumberBase, FDecimals), ntFloatNumber, 0);
    case ntCurrency: return FloatToStrF(FValue, ffCurrency, 15, FormatSettings.CurrencyDecimals);
    }
    return String();
}

// A vetoed change still rewrites the text, so a refused typed text gives way to the old value.
void TStyCustomExtSpinEdit::SetValueChecked(double v)
{
    if (v == FValue && !(FCheckBounds && FCheckOnExitOnly)) return;
    const double old = FValue;
    bool canModify = true;
    DoValueChanging(this, v, canModify);
    if (canModify) FValue = v;
    if (!FCheckOnExitOnly || FCheckBounds) {
        if (!FInfiniteMax && FMaxValue < FValue) FValue = FMaxValue;
        if (!FInfiniteMin && !(FMinValue <= FValue)) FValue = FMinValue;
    }
    if (FAutoDisableButtons) UpdateButtons();
    SetTextKeepCaret(RenderValue() + VisibleSuffix());
    if (!(FValue == old)) DoValueChanged(this, old, FValue);
}

double TStyCustomExtSpinEdit::ParsedText()
{
    switch (FType) {
    case ntInteger: return AsInteger();
    case ntCurrency: return AsCurrency();
    default: return AsFloat();
    }
}

void TStyCustomExtSpinEdit::TextChanged()
{
    SetValueChecked(ParsedText());
    TStyCustomMaskEdit::TextChanged();
}

bool TStyCustomExtSpinEdit::CanChangeText(const String& S)
{
    return TStyCustomMaskEdit::CanChangeText(S) && FEditorEnabled;
}

void TStyCustomExtSpinEdit::FocusLost()
{
    TStyCustomMaskEdit::FocusLost();
    FCheckBounds = true;
    try {
        SetValueChecked(ParsedText());
    } catch (...) {
        FCheckBounds = false;
        throw;
    }
    FCheckBounds = false;
}

// ---------------------------------------------------------------- stepping

// Right of the decimal separator a floating value steps by the fraction step; a whole-number
// value steps by whole numbers.  The caret stays where it was.
void TStyCustomExtSpinEdit::StepBy(double x, bool increase)
{
    if (FReadOnly) return;
    const Integer s = FSelStart;
    if (FType != ntInteger) {
        const Integer sep = Pos(String::FromChar(FormatSettings.DecimalSeparator), FText);
        if (sep > 0 && sep < FCurrentChar) x = FFractionStep;
    } else {
        x = static_cast<double>(Round(x));
    }
    SetValueChecked(increase ? FValue + x : FValue - x);
    if (s <= GetLength() + 1) SetCurrentChar(s);
}

void TStyCustomExtSpinEdit::DoSpinUp()
{
    if (Showing() && CanFocus() && !Focused()) SetFocus();
    StepBy(FStep, true);
    OnSpinBtnUpClick(this);
}

void TStyCustomExtSpinEdit::DoSpinDown()
{
    if (Showing() && CanFocus() && !Focused()) SetFocus();
    StepBy(FStep, false);
    OnSpinBtnDownClick(this);
}

void TStyCustomExtSpinEdit::KeyProcessing(Word& Key)
{
    switch (Key) {
    case VK_PRIOR: StepBy(FLargeStep, true); break;
    case VK_NEXT: StepBy(FLargeStep, false); break;
    case VK_UP: StepBy(FStep, true); break;
    case VK_DOWN: StepBy(FStep, false); break;
    default: TStyCustomMaskEdit::KeyProcessing(Key); return;
    }
    Key = 0;
}

bool TStyCustomExtSpinEdit::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    TStyCustomMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
    StepBy(FStep, WheelDelta > 0);
    return true;
}

// ---------------------------------------------------------------- the button

void TStyCustomExtSpinEdit::SetAutoDisableButtons(bool Value)
{
    FAutoDisableButtons = Value;
    UpdateButtons();
}

// Both halves normal; with AutoDisableButtons the half that would pass a bound is disabled.
void TStyCustomExtSpinEdit::UpdateButtons()
{
    FSpinBtn->Perform(CM_ENABLEDCHANGED, 1, bpsNormal);
    FSpinBtn->Perform(CM_ENABLEDCHANGED, 2, bpsNormal);
    if (!FAutoDisableButtons) return;
    if (!FInfiniteMax && !(FMaxValue > FValue)) FSpinBtn->Perform(CM_ENABLEDCHANGED, 2, bpsDisabled);
    if (!FInfiniteMin && !(FMinValue < FValue)) FSpinBtn->Perform(CM_ENABLEDCHANGED, 1, bpsDisabled);
}

void TStyCustomExtSpinEdit::SetSpinBtnWidth(Integer Value)
{
    if (Value == FSpinBtnWidth) return;
    FSpinBtnWidth = Value;
    UpdateRects();
    Invalidate();
}

TColor TStyCustomExtSpinEdit::GetSpinBtnColor(Integer Index) const
{
    return Index == 0 ? FSpinBtn->Color() : Index == 1 ? FSpinBtn->HotColor() : clNone;
}

void TStyCustomExtSpinEdit::SetSpinBtnColor(Integer Index, TColor Value)
{
    if (Index == 0) FSpinBtn->SetColor(Value);
    else if (Index == 1) FSpinBtn->SetHotColor(Value);
}

// The button takes the right end of the paint rectangle, as wide as asked or as it is high.
void TStyCustomExtSpinEdit::AdjustPaintRect()
{
    TStyCustomMaskEdit::AdjustPaintRect();
    if (!FSpinBtn) return;
    const Integer w = FSpinBtnWidth == -1 ? FPaintRect.Bottom - FPaintRect.Top : FSpinBtnWidth;
    FPaintRect.Right -= w;
    FSpinBtn->SetBounds(FPaintRect.Right, FPaintRect.Top, w, FPaintRect.Bottom - FPaintRect.Top);
}

void TStyCustomExtSpinEdit::CMEnabledChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FSpinBtn) FSpinBtn->SetEnabled(Enabled());
}

// The button takes the edit's theme mode before the edit redraws itself.
void TStyCustomExtSpinEdit::ThemeChanged()
{
    if (FSpinBtn) FSpinBtn->SetThemeMode(ThemeMode());
    TStyCustomMaskEdit::ThemeChanged();
}

void TStyCustomExtSpinEdit::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TStyCustomMaskEdit::MouseMove(Shift, X, Y);
    FSpinBtn->MouseLeave();
}

void TStyCustomExtSpinEdit::DoMouseExit()
{
    TStyCustomMaskEdit::DoMouseExit();
    FSpinBtn->MouseLeave();
}

void TStyCustomExtSpinEdit::SetSuffix(const String& Value)
{
    if (Value == FSuffix) return;
    const String pure = AsString();
    FSuffix = Value;
    SetTextWithSuffix(pure);
}

// ---------------------------------------------------------------- forms

void TStyCustomExtSpinEdit::Loaded()
{
    TStyCustomMaskEdit::Loaded();
    static const TStyMaskType types[] = {meInteger, meFloat, meFloatFixed, meFloatNumber, meCurrency};
    SetMaskType(types[FType]);
    if (FType == ntInteger) TStyCustomMaskEdit::SetMinValue(static_cast<double>(Trunc(FMinValue)));
}
