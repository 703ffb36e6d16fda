// Controllers and the change links of their clients.
#include "foundation/StyBaseController.h"

#include "platform/classes/TypInfo.h"

IMPLEMENT_CLASS(TStyChangeLink, TObject, NewObject<TStyChangeLink>)

TClass TStyBaseController::StaticClass()
{
    static const TMetaClass meta("TStyBaseController", TStyCustomComponent::StaticClass(),
                                 NewComponent<TStyBaseController>, [](TMetaClass& m) {
                                     TPublished<TStyBaseController>(&m)
                                         .Property("About", &TStyBaseController::About, &TStyBaseController::SetAbout)
                                         .Property("OnChange", &TStyBaseController::OnChange);
                                 });
    return &meta;
}

TStyChangeLink::~TStyChangeLink()
{
    if (FSender) FSender->UnRegisterChanges(this);
}

void TStyChangeLink::Change()
{
    if (OnChange) OnChange(FSender);
}

TStyBaseController::TStyBaseController(TComponent* AOwner) : TStyCustomComponent(AOwner), FClients(new TList)
{
    FComponentStyle.Exclude(csInheritable);
}

TStyBaseController::~TStyBaseController()
{
    while (FClients->Count() > 0)
        UnRegisterChanges(static_cast<TStyChangeLink*>(FClients->Last()));
    delete FClients;
    FClients = nullptr;
}

void TStyBaseController::RegisterChanges(TStyChangeLink* aValue)
{
    if (!aValue) return;
    aValue->SetSender(this);
    FClients->Add(aValue);
}

void TStyBaseController::UnRegisterChanges(TStyChangeLink* aValue)
{
    if (!FClients) return;
    Integer index = FClients->IndexOf(aValue);
    if (index < 0) return;
    aValue->SetSender(nullptr);
    FClients->Delete(index);
}

void TStyBaseController::Change()
{
    if (IsUpdating() || ComponentState().Contains(csLoading)) return;
    TStyCustomComponent::Change();
    for (Integer i = 0; i < FClients->Count(); ++i)
        static_cast<TStyChangeLink*>(FClients->Items(i))->Change();
}
