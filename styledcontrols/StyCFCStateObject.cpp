// The state registry, the states and their "Kind" stream value.
#include "styledcontrols/StyCFCStateObject.h"

#include <vector>

namespace {
const std::vector<TStyStateEntry>& Registry()
{
    static const std::vector<TStyStateEntry> registry = {
        {{0, 0, 0, 0, 0, 0, 1}, "Disabled"}, {{0, 0, 0, 0, 0, 1, 2}, "Error"},
        {{1, 0, 0, 0, 0, 2, 2}, "Focused"},  {{2, 0, 0, 0, 1, 2, 2}, "ReadOnly"},
        {{2, 1, 0, 0, 2, 2, 2}, "Hot"},      {{2, 2, 1, 0, 2, 2, 2}, "Pressed"},
        {{2, 2, 2, 1, 2, 2, 2}, "Modified"}, {{2, 2, 2, 2, 2, 2, 2}, "Normal"}};
    return registry;
}
}  // namespace

Integer StateRegistryCount() { return static_cast<Integer>(Registry().size()); }
const TStyStateEntry& StateRegistryEntry(Integer Index) { return Registry().at(Index); }
bool SameStateList(const TStyStateList& A, const TStyStateList& B) { return A == B; }
const TStyStateList& NormalStateList() { return Registry().back().sl; }

TStyStateList NormalizeStateList(const TStyStateList& List)
{
    for (const TStyStateEntry& e : Registry())
        if (e.sl == List) return e.sl;
    return NormalStateList();
}

const TStyStateEntry& MatchStateConditions(const TStyStateList& Conditions)
{
    for (const TStyStateEntry& e : Registry()) {
        bool match = true;
        for (size_t i = 0; i < 7 && match; ++i) match = e.sl[i] == 0 || e.sl[i] == Conditions[i];
        if (match) return e;
    }
    return Registry().back();
}

// ---------------------------------------------------------------- a state

TClass TStyCFCStateObject::StaticClass()
{
    static const TMetaClass meta("TStyCFCStateObject", TCollectionItem::StaticClass(),
                                 NewCollectionItem<TStyCFCStateObject>, [](TMetaClass& m) {
        TPublished<TStyCFCStateObject>(&m).Property("Settings", &TStyCFCStateObject::Settings,
                                                    &TStyCFCStateObject::SetSettings);
    });
    return &meta;
}

TStyCFCStateObject::TStyCFCStateObject(TCollection* Collection) : TCollectionItem(Collection), FKind(NormalStateList())
{
}

TStyCFCSettingObjects* TStyCFCStateObject::Pool() const
{
    auto* states = dynamic_cast<TStyCFCStateObjects*>(Collection());
    return states ? states->SettingsObjects() : nullptr;
}

void TStyCFCStateObject::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStyCFCStateObject*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (s == this) return;
    FSettings.Assign(s->FSettings);
    FKind = s->FKind;
    Synchronize();
}

Integer TStyCFCStateObject::IndexOfSetting(TStyCFCSettingObjectKind aValue) const
{
    TClass cls = CFCSettingObjectClass(aValue);
    if (!cls) return -1;
    for (Integer i = 0; i < FSettings.Count(); ++i)
        if (const TObject* o = FSettings.Objects(i); o && o->ClassType()->InheritsFrom(cls)) return i;
    return -1;
}

bool TStyCFCStateObject::Add(TPersistent* aSettingObject, bool replace)
{
    TStyCFCSettingObjects* pool = Pool();
    if (!pool || !aSettingObject || pool->IndexOfObject(aSettingObject) < 0) return false;
    const String name = pool->NameOfObject(aSettingObject);
    for (Integer i = 0; i < FSettings.Count(); ++i) {
        const TObject* o = FSettings.Objects(i);
        if (o && o->ClassName() == aSettingObject->ClassName()) {
            if (!replace) return false;
            FSettings.Put(i, name);
            FSettings.PutObject(i, aSettingObject);
            return true;
        }
    }
    FSettings.AddObject(name, aSettingObject);
    return true;
}

void TStyCFCStateObject::Synchronize()
{
    TStyCFCSettingObjects* pool = Pool();
    for (Integer i = FSettings.Count() - 1; i >= 0; --i) {
        const Integer at = pool ? pool->IndexOf(FSettings[i]) : -1;
        if (at < 0) FSettings.Delete(i);
        else FSettings.PutObject(i, pool->GetItem(at));
    }
}

void TStyCFCStateObject::SynchronizeName()
{
    TStyCFCSettingObjects* pool = Pool();
    for (Integer i = FSettings.Count() - 1; i >= 0; --i) {
        if (pool && pool->IndexOf(FSettings[i]) >= 0) continue;
        auto* object = dynamic_cast<TPersistent*>(FSettings.Objects(i));
        if (pool && object && pool->IndexOfObject(object) >= 0) FSettings.Put(i, pool->NameOfObject(object));
        else FSettings.Delete(i);
    }
}

void TStyCFCStateObject::DefineProperties(TFiler* Filer)
{
    TCollectionItem::DefineProperties(Filer);
    Filer->DefineProperty(
        "Kind",
        [this](TReader* r) {
            // up to seven values, further ones read and ignored; a pattern not registered is Normal
            TStyStateList kind = NormalStateList();
            r->ReadListBegin();
            for (size_t i = 0; !r->EndOfList(); ++i) {
                const Integer v = r->ReadInteger();
                if (i < kind.size()) kind[i] = static_cast<Byte>(v);
            }
            r->ReadListEnd();
            FKind = NormalizeStateList(kind);
        },
        [this](TWriter* w) {
            w->WriteListBegin();
            for (Byte b : FKind) w->WriteInteger(b);
            w->WriteListEnd();
        },
        true);
}

// ---------------------------------------------------------------- the collection

TClass TStyCFCStateObjects::StaticClass()
{
    static const TMetaClass meta("TStyCFCStateObjects", TOwnedCollection::StaticClass(), nullptr);
    return &meta;
}

TStyCFCStateObjects::TStyCFCStateObjects(TPersistent* Owner, TStyCFCSettingObjects* Objects)
    : TOwnedCollection(Owner, TStyCFCStateObject::StaticClass()), FObjects(Objects)
{
}

Integer TStyCFCStateObjects::ItemByKind(const TStyStateList& Index) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (GetItem(i)->getKind() == Index) return i;
    return -1;
}

void TStyCFCStateObjects::Synchronize()
{
    for (Integer i = 0; i < Count(); ++i) GetItem(i)->Synchronize();
}

void TStyCFCStateObjects::SynchronizeNames()
{
    for (Integer i = 0; i < Count(); ++i) GetItem(i)->SynchronizeName();
}
