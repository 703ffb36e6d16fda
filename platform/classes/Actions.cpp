// Actions and the links of their clients.
#include "platform/classes/Actions.h"

#include <algorithm>

IMPLEMENT_CLASS(TBasicActionLink, TObject, nullptr)

TBasicActionLink::~TBasicActionLink()
{
    if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value)
{
    if (Value == FAction) return;
    if (FAction) FAction->UnRegisterChanges(this);
    if (Value) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent)
{
    if (!FAction) return false;
    TBasicAction* action = FAction;
    action->SetActionComponent(AComponent);
    struct TReset {
        TBasicAction* Action;
        ~TReset() { Action->SetActionComponent(nullptr); }
    } reset{action};
    return action->Execute();
}

bool TBasicActionLink::Update() { return FAction && FAction->Update(); }

void TBasicActionLink::Change() { OnChange(FAction); }

IMPLEMENT_CLASS(TBasicAction, TComponent, nullptr)

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    // The clients keep their links; they point at no action from now on.
    for (TBasicActionLink* link : FClients) link->FAction = nullptr;
    FClients.clear();
    SetActionComponent(nullptr);
}

bool TBasicAction::Execute()
{
    if (!FOnExecute) return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!FOnUpdate) return false;
    FOnUpdate(this);
    return true;
}

void TBasicAction::SetActionComponent(TComponent* Value)
{
    if (Value == FActionComponent) return;
    if (FActionComponent) FActionComponent->RemoveFreeNotification(this);
    FActionComponent = Value;
    if (Value) Value->FreeNotification(this);
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value)
{
    if (Value == FOnExecute) return;
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients)) link->SetOnExecute(Value);
    FOnExecute = Value;
    Change();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value)
{
    Value->FAction = this;
    FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value)
{
    FClients.erase(std::remove(FClients.begin(), FClients.end(), Value), FClients.end());
    Value->FAction = nullptr;
}

void TBasicAction::Change()
{
    OnChange(this);
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients)) link->Change();
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActionComponent) FActionComponent = nullptr;
}
