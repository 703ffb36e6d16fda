// Change notification of the library's value objects.
#include "foundation/StyObject.h"

IMPLEMENT_CLASS(TStyObject, TPersistent, nullptr)

TStyObject::TStyObject(TPersistent* Owner) : FOwner(Owner) {}

void TStyObject::EndUpdate(bool aValue)
{
    FUpdate = 0;
    if (aValue) Change();
}

void TStyObject::GetChange(TObject*)
{
    Change();
}

void TStyObject::Change()
{
    if (OnChange && FUpdate != 1) OnChange(this);
}
