// Update counting and change notification of the library's components.
#include "foundation/StyCustomComponent.h"

IMPLEMENT_CLASS(TStyCustomComponent, TComponent, NewComponent<TStyCustomComponent>)

TStyCustomComponent::TStyCustomComponent(TComponent* AOwner) : TComponent(AOwner) {}

void TStyCustomComponent::BeginUpdate()
{
    ++FUpdateCount;
}

void TStyCustomComponent::EndUpdate(bool aValue)
{
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0 && aValue) Change();
}

void TStyCustomComponent::GetChange(TObject*)
{
    Change();
}

void TStyCustomComponent::Change()
{
    if (OnChange && !IsUpdating()) OnChange(this);
}
