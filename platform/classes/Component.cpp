#include "platform/classes/Component.h"

#include <algorithm>

#include "platform/rtl/Lists.h"

IMPLEMENT_CLASS(TComponent, TPersistent, NewComponent<TComponent>)

namespace {

String ListIndexError(int index)
{
    return StringReplace(SListIndexError, "%d", IntToStr(index), 0);
}

bool IsIdentStart(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}

}  // namespace

bool IsValidIdent(const String& Ident)
{
    if (Ident.IsEmpty() || !IsIdentStart(Ident[1])) return false;
    for (int i = 2; i <= Ident.Length(); ++i)
        if (!IsIdentStart(Ident[i]) && !(Ident[i] >= u'0' && Ident[i] <= u'9')) return false;
    return true;
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

TPersistent* TComponent::GetOwner()
{
    return FOwner;
}

void TComponent::SetName(const String& NewName)
{
    if (FName == NewName) return;
    if (!NewName.IsEmpty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    ChangeName(NewName);
}

String TComponent::GetNamePath()
{
    return FName;
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount()) throw EListError(ListIndexError(Index));
    return FComponents[static_cast<size_t>(Index)];
}

TComponent* TComponent::FindComponent(const String& AName) const
{
    if (AName.IsEmpty()) return nullptr;
    for (TComponent* component : FComponents)
        if (SameText(component->FName, AName)) return component;
    return nullptr;
}

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName)
{
    if (!AComponent || SameText(CurName, NewName)) return;
    TComponent* holder = FindComponent(NewName);
    if (holder && holder != AComponent) throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    // The name is checked before anything moves, so a refused component stays
    // where it was.
    ValidateRename(AComponent, "", AComponent->FName);
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    Notification(AComponent, opRemove);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (it == FComponents.end()) return;
    FComponents.erase(it);
    AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        // Only a component others asked to hear about is announced; the rest
        // leave quietly.
        bool designedInline = FComponentState.Contains(csDesigning) && FComponentState.Contains(csInline);
        if (instance->FComponentState.Contains(csFreeNotification) || designedInline)
            RemoveComponent(instance);
        else
            Remove(instance);
        delete instance;
    }
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    if (Value)
        IncludeState(csDesigning);
    else
        ExcludeState(csDesigning);
    if (SetChildren)
        for (TComponent* component : FComponents) component->SetDesigning(Value);
}

void TComponent::Updating()
{
    IncludeState(csUpdating);
}

void TComponent::Updated()
{
    ExcludeState(csUpdating);
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying)) return;
    IncludeState(csDestroying);
    for (TComponent* component : FComponents) component->Destroying();
}

void TComponent::SetSubComponent(bool IsSubComponent)
{
    if (IsSubComponent)
        FComponentStyle.Include(csSubComponent);
    else
        FComponentStyle.Exclude(csSubComponent);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // Last first; a notified component may remove others from the list.
    int i = ComponentCount() - 1;
    while (i >= 0) {
        FComponents[static_cast<size_t>(i)]->Notification(AComponent, Operation);
        --i;
        if (i >= ComponentCount()) i = ComponentCount() - 1;
    }
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent) return;
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(AComponent);
            AComponent->FreeNotification(this);
        }
    }
    IncludeState(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent)
{
    auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
}

void TComponent::RemoveFreeNotifications()
{
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        // The link is dropped on the other side too, even when its Notification
        // does not call the inherited one, so it never keeps a freed component.
        other->RemoveNotification(this);
        other->Notification(this, opRemove);
    }
}

void TComponent::Loaded()
{
    ExcludeState(csLoading);
}

HResult TComponent::QueryInterface(const TGUID& iid, void** obj)
{
    return GetInterface(iid, obj) ? S_OK : E_NOINTERFACE;
}

bool TComponent::GetInterface(const TGUID& iid, void** obj)
{
    if (iid == IInterface::IID) return ProvideInterface<IInterface>(this, obj);
    return TPersistent::GetInterface(iid, obj);
}
