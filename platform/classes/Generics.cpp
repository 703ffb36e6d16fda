// Generic lists and dictionaries of owned objects.
#include "platform/classes/Generics.h"
#include "platform/rtl/RtlConsts.h"

#include <memory>

void GenericIndexError(int Index) { throw EListError(ListIndexErrorMessage(Index)); }

IMPLEMENT_CLASS(TGenericObjectListBase, TObject, nullptr)

int TGenericObjectListBase::Add(TObject* AObject)
{
    std::unique_ptr<TObject> owned(AObject);
    if (AObject && !AObject->InheritsFrom(ItemClass())) throw EInvalidCast("Invalid class typecast");
    FItems.push_back(owned.release());
    return Count() - 1;
}

void TGenericObjectListBase::Clear()
{
    for (TObject* item : FItems) delete item;
    FItems.clear();
}

IMPLEMENT_CLASS(TGenericObjectDictionaryBase, TObject, nullptr)

const String& TGenericObjectDictionaryBase::Keys(int Index) const
{
    if (Index < 0 || Index >= Count()) GenericIndexError(Index);
    return FPairs[static_cast<size_t>(Index)].first;
}

TObject* TGenericObjectDictionaryBase::Values(int Index) const
{
    if (Index < 0 || Index >= Count()) GenericIndexError(Index);
    return FPairs[static_cast<size_t>(Index)].second;
}

TObject* TGenericObjectDictionaryBase::Find(const String& Key) const
{
    for (const auto& pair : FPairs)
        if (pair.first == Key) return pair.second;
    return nullptr;
}

void TGenericObjectDictionaryBase::Add(const String& Key, TObject* Value)
{
    std::unique_ptr<TObject> owned(Value);
    for (const auto& pair : FPairs)
        if (pair.first == Key) throw EListError("Duplicates not allowed");
    if (Value && !Value->InheritsFrom(ItemClass())) throw EInvalidCast("Invalid class typecast");
    FPairs.emplace_back(Key, owned.release());
}

void TGenericObjectDictionaryBase::Clear()
{
    for (auto& pair : FPairs) delete pair.second;
    FPairs.clear();
}
