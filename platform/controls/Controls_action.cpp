// A control and its action: the link through which the action's values reach the control, and
// the click that runs the action.
#include "platform/controls/Controls.h"

IMPLEMENT_CLASS(TControlActionLink, TActionLink, nullptr)
IMPLEMENT_CLASS(TWinControlActionLink, TControlActionLink, nullptr)

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value)
{
    if (Value == Action()) return;
    if (TBasicAction* old = Action()) old->RemoveFreeNotification(this);
    if (!Value) {
        FActionLink.reset();
        FControlStyle.Exclude(csActionClient);
        return;
    }
    if (!FActionLink) FActionLink = GetActionLinkClass()(this);
    FActionLink->SetAction(Value);
    ActionChange(Value, ComponentState().Contains(csLoading));
    Value->FreeNotification(this);
    FControlStyle.Include(csActionClient);
}

TControl::TControlActionLinkClass TControl::GetActionLinkClass() const
{
    return &TControlActionLink::Make<TControlActionLink>;
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || Caption().IsEmpty()) SetCaption(action->Caption());
    if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
    if (!CheckDefaults || Hint().IsEmpty()) SetHint(action->Hint());
    if (!CheckDefaults || Visible()) SetVisible(action->Visible());
    if (!CheckDefaults || !OnClick) OnClick = action->OnExecute();
    if (!CheckDefaults || HelpContext() == 0) SetHelpContext(action->HelpContext());
}

void TControl::Click()
{
    TBasicAction* action = Action();
    if (OnClick && action && OnClick != action->OnExecute())
        OnClick(this);
    else if (FActionLink && !ComponentState().Contains(csDesigning))
        FActionLink->Execute(this);
    else
        OnClick(this);
}

// ---------------------------------------------------------------- TControlActionLink
bool TControlActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const
{
    return TActionLink::IsEnabledLinked() && FClient->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHelpContextLinked() const
{
    return TActionLink::IsHelpContextLinked() && FClient->HelpContext() == CustomAction()->HelpContext();
}

bool TControlActionLink::IsHintLinked() const
{
    return TActionLink::IsHintLinked() && FClient->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const
{
    return TActionLink::IsVisibleLinked() && FClient->Visible() == CustomAction()->Visible();
}

bool TControlActionLink::IsOnExecuteLinked() const
{
    return TActionLink::IsOnExecuteLinked() && FAction && FClient->OnClick == FAction->OnExecute();
}

void TControlActionLink::SetCaption(const String& Value)
{
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TControlActionLink::SetHelpContext(Integer Value)
{
    if (IsHelpContextLinked()) FClient->SetHelpContext(Value);
}

void TControlActionLink::SetHint(const String& Value)
{
    if (IsHintLinked()) FClient->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked()) FClient->SetVisible(Value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent& Value)
{
    if (IsOnExecuteLinked()) FClient->OnClick = Value;
}
