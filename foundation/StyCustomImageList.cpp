// The image-list base: the current item.
#include "foundation/StyCustomImageList.h"
#include "platform/rtl/RtlConsts.h"

IMPLEMENT_CLASS(TStyCustomImageList, TStyCustomContainer, nullptr)

void TStyCustomImageList::SetIndex(Integer value)
{
    if (value == FIndex) return;
    // The message's placeholder stays as it is.
    if (value >= Count()) throw EInvalidGraphicOperation(SListIndexError);
    FIndex = value;
}
