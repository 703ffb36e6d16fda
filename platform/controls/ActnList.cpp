// Action lists, actions and the links of their clients.
#include "platform/controls/ActnList.h"

#include <algorithm>

#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/ImgList.h"

// ---------------------------------------------------------------- TCustomActionList
IMPLEMENT_CLASS(TCustomActionList, TComponent, NewComponent<TCustomActionList>)
IMPLEMENT_CLASS(TActionList, TCustomActionList, NewComponent<TActionList>)

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList()
{
    for (TContainedAction* action : std::vector<TContainedAction*>(FActions)) action->SetActionList(nullptr);
    SetImages(nullptr);
}

void TCustomActionList::SetImages(TCustomImageList* Value)
{
    if (Value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomActionList::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    for (TContainedAction* action : FActions)
        if (action->Owner() == Root) Proc(action);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    FActions.erase(std::remove(FActions.begin(), FActions.end(), AComponent), FActions.end());
}

// ---------------------------------------------------------------- TContainedAction
IMPLEMENT_CLASS(TContainedAction, TBasicAction, NewComponent<TContainedAction>)

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

void TContainedAction::SetActionList(TCustomActionList* Value)
{
    if (Value == FActionList) return;
    if (FActionList) {
        auto& list = FActionList->FActions;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        RemoveFreeNotification(FActionList);
    }
    FActionList = Value;
    if (Value) {
        Value->FActions.push_back(this);
        FreeNotification(Value);
    }
}

TComponent* TContainedAction::GetParentComponent() const { return FActionList; }

void TContainedAction::SetParentComponent(TComponent* Value)
{
    if (auto* list = dynamic_cast<TCustomActionList*>(Value)) SetActionList(list);
}

// ---------------------------------------------------------------- TCustomAction
IMPLEMENT_CLASS(TCustomAction, TContainedAction, NewComponent<TCustomAction>)
IMPLEMENT_CLASS(TAction, TCustomAction, NewComponent<TAction>)

template <class V, class M>
void TCustomAction::Assign(V& field, const V& value, M set)
{
    if (field == value) return;
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
        if (auto* actionLink = dynamic_cast<TActionLink*>(link)) (actionLink->*set)(value);
    field = value;
    Change();
}

bool TCustomAction::Execute()
{
    Update();
    if (!FEnabled) return false;
    if (FAutoCheck && (!FChecked || FGroupIndex == 0)) SetChecked(!FChecked);
    return TContainedAction::Execute();
}

void TCustomAction::SetAutoCheck(bool Value) { Assign(FAutoCheck, Value, &TActionLink::SetAutoCheck); }
void TCustomAction::SetCaption(const String& Value) { Assign(FCaption, Value, &TActionLink::SetCaption); }
void TCustomAction::SetEnabled(bool Value) { Assign(FEnabled, Value, &TActionLink::SetEnabled); }
void TCustomAction::SetGroupIndex(Integer Value) { Assign(FGroupIndex, Value, &TActionLink::SetGroupIndex); }
void TCustomAction::SetHelpContext(Integer Value) { Assign(FHelpContext, Value, &TActionLink::SetHelpContext); }
void TCustomAction::SetHint(const String& Value) { Assign(FHint, Value, &TActionLink::SetHint); }
void TCustomAction::SetImageIndex(Integer Value) { Assign(FImageIndex, Value, &TActionLink::SetImageIndex); }
void TCustomAction::SetShortCut(TShortCut Value) { Assign(FShortCut, Value, &TActionLink::SetShortCut); }
void TCustomAction::SetVisible(bool Value) { Assign(FVisible, Value, &TActionLink::SetVisible); }

void TCustomAction::SetChecked(bool Value)
{
    if (Value == FChecked) return;
    Assign(FChecked, Value, &TActionLink::SetChecked);
    if (!Value || FGroupIndex <= 0 || !ActionList()) return;
    for (Integer i = 0; i < ActionList()->ActionCount(); ++i) {
        auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex) other->SetChecked(false);
    }
}

// ---------------------------------------------------------------- TActionLink
IMPLEMENT_CLASS(TActionLink, TBasicActionLink, nullptr)

TCustomAction* TActionLink::CustomAction() const { return dynamic_cast<TCustomAction*>(FAction); }

// ---------------------------------------------------------------- form descriptions
void RegisterActionClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    TPublished<TCustomActionList>(TCustomActionList::StaticClass())
        .Property("Images", &TCustomActionList::Images, &TCustomActionList::SetImages);
    TPublished<TBasicAction>(TBasicAction::StaticClass())
        .Property("OnExecute", &TBasicAction::OnExecute, &TBasicAction::SetOnExecute)
        .Property("OnUpdate", &TBasicAction::OnUpdate, &TBasicAction::SetOnUpdate);
    TPublished<TContainedAction>(TContainedAction::StaticClass())
        .Property("Category", [](TContainedAction* a) { return a->Category(); }, &TContainedAction::SetCategory);
    TPublished<TCustomAction>(TCustomAction::StaticClass())
        .Property("AutoCheck", &TCustomAction::AutoCheck, &TCustomAction::SetAutoCheck).Default(false)
        .Property("Caption", [](TCustomAction* a) { return a->Caption(); }, &TCustomAction::SetCaption)
        .Property("Checked", &TCustomAction::Checked, &TCustomAction::SetChecked).Default(false)
        .Property("Enabled", &TCustomAction::Enabled, &TCustomAction::SetEnabled).Default(true)
        .Property("GroupIndex", &TCustomAction::GroupIndex, &TCustomAction::SetGroupIndex).Default(0)
        .Property("HelpContext", &TCustomAction::HelpContext, &TCustomAction::SetHelpContext).Default(0)
        .Property("Hint", [](TCustomAction* a) { return a->Hint(); }, &TCustomAction::SetHint)
        .Property("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex).Default(-1)
        .Property("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut).Type("TShortCut").Default(0)
        .Property("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible).Default(true);
    RegisterClasses({TActionList::StaticClass(), TAction::StaticClass()});
}
