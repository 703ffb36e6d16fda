// The image-list base: the items in a container of their own whose changes are the list's, the
// current item, and the list seen as a platform list of the current item's images.
#include "foundation/StyCustomImageList.h"
#include "platform/rtl/RtlConsts.h"

IMPLEMENT_CLASS(TStyCustomImageList, TCustomImageList, nullptr)

// The items' container: its changes, its refusal message and its loading state are the list's.
class TStyCustomImageList::TItems : public TStyCustomContainer {
public:
    TItems(TStyCustomImageList& List, TStyListItemClassType ListType, TStyListItemFactory ListClass)
        : TStyCustomContainer(nullptr, ListType, std::move(ListClass)), FList(List)
    {
    }
    void Change() override
    {
        if (!TStyCustomContainer::IsUpdating()) FList.Change();
    }

protected:
    void ItemChanged(TStyListItem*) override { Change(); }
    String ListClassName() const override { return FList.ClassName(); }
    bool Loading() const override { return FList.ComponentState().Contains(csLoading); }

private:
    TStyCustomImageList& FList;
};

TStyCustomImageList::TStyCustomImageList(TComponent* AOwner, TStyListItemClassType ListType,
                                         TStyListItemFactory ListClass)
    : TCustomImageList(AOwner), FItems(std::make_unique<TItems>(*this, ListType, std::move(ListClass)))
{
}

TStyCustomImageList::~TStyCustomImageList() { FItems.reset(); }

void TStyCustomImageList::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyCustomImageList*>(Source);
    if (!source || !Source->InheritsFrom(ClassType())) {
        TCustomImageList::Assign(Source);
        return;
    }
    BeginUpdate();
    FItems->Assign(source->FItems.get());
    FIndex = 0;
    EndUpdate(true);
}

void TStyCustomImageList::EndUpdate(bool aValue)
{
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0 && aValue) Change();
}

void TStyCustomImageList::Change()
{
    if (IsUpdating() || !FItems || ComponentState().Contains(csDestroying)) return;
    TCustomImageList::Change();
}

void TStyCustomImageList::SetIndex(Integer value)
{
    if (value == FIndex) return;
    // The message's placeholder stays as it is.
    if (value >= Count()) throw EInvalidGraphicOperation(SListIndexError);
    FIndex = value;
}

void TStyCustomImageList::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    FItems->GetChildren(Proc, Root);
}

// Enabled or not, the image of the current item.
void TStyCustomImageList::DoDraw(Integer Index, TCanvas& Canvas, Integer X, Integer Y, bool) const
{
    Draw(Canvas, X, Y, FIndex, Index);
}
