// The label base: settings that change the caption's size and look, accelerators, and the
// twinkling caption.
#include "styledcontrols/StyBaseLabel.h"

#include "foundation/StySysIn.h"

const TEnumTypeInfo& TypeInfoOf(TStyLabelOption)
{
    static const TEnumTypeInfo info("TStyLabelOption", {"loPathEllipsis", "loEndEllipsis", "loEditControl",
                                                        "loShowLabelHint"}, "TStyLabelOptions");
    return info;
}

TClass TStyBaseLabel::StaticClass()
{
    static const TMetaClass meta("TStyBaseLabel", TStyBaseGraphicControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_DIALOGCHAR, &TStyBaseLabel::CMDialogChar);
        m.OnMessage(CM_TEXTCHANGED, &TStyBaseLabel::CMTextChanged);
        m.OnMessage(CM_FONTCHANGED, &TStyBaseLabel::CMFontChanged);
        m.OnMessage(CM_ENABLEDCHANGED, &TStyBaseLabel::CMEnabledChanged);
        TPublished<TStyBaseLabel>(&m)
            .Property("ShowAccelChar", &TStyBaseLabel::ShowAccelChar, &TStyBaseLabel::SetShowAccelChar).Default(true)
            .Property("Twinkle", &TStyBaseLabel::Twinkle, &TStyBaseLabel::SetTwinkle).Default(false)
            .Property("MultiLine", &TStyBaseLabel::MultiLine, &TStyBaseLabel::SetMultiLine).Default(false)
            .Property("Alignment", &TStyBaseLabel::Alignment, &TStyBaseLabel::SetAlignment).Default(agTopLeft)
            .Property("Options", &TStyBaseLabel::Options, &TStyBaseLabel::SetOptions).Default(TStyLabelOptions{})
            .Property("TwinkleVisible", &TStyBaseLabel::TwinkleVisible, &TStyBaseLabel::SetTwinkleVisible)
            .Default(700)
            .Property("TwinkleInVisible", &TStyBaseLabel::TwinkleInVisible, &TStyBaseLabel::SetTwinkleInVisible)
            .Default(700)
            .Property("TwinkleColor", &TStyBaseLabel::TwinkleColor, &TStyBaseLabel::SetTwinkleColor)
            .Type("TColor")
            .Default(clNone)
            .Property("FontSmoothing", &TStyBaseLabel::FontSmoothing, &TStyBaseLabel::SetFontSmoothing).Default(false)
            .Property("UseGlobalTimer", &TStyBaseLabel::UseGlobalTimer, &TStyBaseLabel::SetUseGlobalTimer)
            .Default(false)
            .Property("FocusControl", &TStyBaseLabel::FocusControl, &TStyBaseLabel::SetFocusControl)
            .Property("AutoSize").Default(true)
            .Property("Transparent", &TStyBaseLabel::Transparent, &TStyBaseLabel::SetTransparent).Default(true);
    });
    return &meta;
}

bool TStyBaseLabel::SystemFontSmoothingState() { return FontSmoothingEnabled(); }

TStyBaseLabel::TStyBaseLabel(TComponent* AOwner) : TStyBaseGraphicControl(AOwner) { FAutoSize = true; }

TStyBaseLabel::~TStyBaseLabel() { FTwinkleTimerId.reset(); }

bool TStyBaseLabel::GetInterface(const TGUID& iid, void** obj)
{
    if (iid == IStyValidatingMsgControl::IID) return ProvideInterface<IStyValidatingMsgControl>(this, obj);
    return TStyBaseGraphicControl::GetInterface(iid, obj);
}

void TStyBaseLabel::ObjectChanged(TObject* Sender)
{
    CorrectBounds();
    TStyBaseGraphicControl::ObjectChanged(Sender);
}

void TStyBaseLabel::SetAlignment(TStyAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    ObjectChanged(nullptr);
}

void TStyBaseLabel::SetMultiLine(bool Value)
{
    if (FMultiLine == Value) return;
    FMultiLine = Value;
    ObjectChanged(nullptr);
}

void TStyBaseLabel::SetOptions(TStyLabelOptions Value)
{
    if (FOptions == Value) return;
    FOptions = Value;
    ObjectChanged(nullptr);
}

void TStyBaseLabel::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    CorrectBounds();
}

void TStyBaseLabel::SetShowAccelChar(bool Value)
{
    if (FAccelChar == Value) return;
    FAccelChar = Value;
    Invalidate();
}

// Outside design time a blink timer of TwinkleVisible milliseconds runs (on the pool with
// UseGlobalTimer); the caption starts shown.
void TStyBaseLabel::SetTwinkle(bool Value)
{
    FTwinkle = Value;
    FTwinkleTimerId.reset();
    FTwinkleFlag = true;
    if (FTwinkle && !ComponentState().Contains(csDesigning))
        FTwinkleTimerId = std::make_unique<TStyTimer>(static_cast<Word>(FTwinkleVisible),
                                                      TNotifyEvent(this, &TStyBaseLabel::TwinkleStep), Enabled(),
                                                      FUseGlobalTimer);
    Invalidate();
}

void TStyBaseLabel::TwinkleStep(TObject*)
{
    FTwinkleFlag = !FTwinkleFlag;
    if (FTwinkleTimerId)
        FTwinkleTimerId->SetInterval(static_cast<Word>(FTwinkleFlag ? FTwinkleVisible : FTwinkleInVisible));
    if (Visible()) Invalidate();
}

void TStyBaseLabel::SetFocusControl(TWinControl* Value)
{
    if (FControl == Value) return;
    if (FControl) FControl->RemoveFreeNotification(this);
    FControl = Value;
    if (FControl) FControl->FreeNotification(this);
    CorrectBounds();
}

void TStyBaseLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyBaseGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

void TStyBaseLabel::Loaded()
{
    TStyBaseGraphicControl::Loaded();
    CorrectBounds();
}

Cardinal TStyBaseLabel::OptionFlags() const
{
    Cardinal flags = 0;
    if (FOptions.Contains(loPathEllipsis)) flags |= DT_PATH_ELLIPSIS;
    if (FOptions.Contains(loEndEllipsis)) flags |= DT_END_ELLIPSIS;
    if (FOptions.Contains(loEditControl)) flags |= DT_EDITCONTROL;
    return flags;
}

// The accelerator of the caption gives the focus control the focus.
void TStyBaseLabel::CMDialogChar(TMessage& message)
{
    if (FAccelChar && FControl && Enabled() && IsAccel(static_cast<Word>(message.WParam), Caption())) {
        if (FControl->CanFocus()) FControl->SetFocus();
        message.Result = 1;
    }
}

void TStyBaseLabel::CMTextChanged(TMessage&)
{
    CorrectBounds();
    Invalidate();
}

void TStyBaseLabel::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!FCChange) LabelFontChanged(Font());
}

void TStyBaseLabel::LabelFontChanged(TFont&)
{
    if (ComponentState().Contains(csLoading)) return;
    ObjectChanged(nullptr);
}

void TStyBaseLabel::CMEnabledChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FTwinkleTimerId) FTwinkleTimerId->SetEnabled(Enabled());
}
