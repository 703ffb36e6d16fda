#include "platform/classes/ObjectList.h"

void TObjectList::Notify(void* Item, TListNotification Action)
{
    if (FOwnsObjects && Action == lnDeleted) delete static_cast<TObject*>(Item);
    TList::Notify(Item, Action);
}
