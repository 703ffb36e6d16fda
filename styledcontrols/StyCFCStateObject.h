#pragma once
// The states of a face controller: each is a 7-condition pattern with the names of the pool's
// setting objects that apply in it.  The registry of the eight named states matches a control's
// actual conditions.
#include <array>

#include "platform/classes/Collection.h"
#include "platform/classes/TypInfo.h"
#include "styledcontrols/StyCFCSettingObject.h"

// One byte per condition: 0 focused, 1 hot (mouse above), 2 pressed, 3 modified, 4 read-only,
// 5 error, 6 disabled.  In a pattern 0 is any, 1 must be true, 2 must be false.
using TStyStateList = std::array<Byte, 7>;
struct TStyStateEntry {
    TStyStateList sl;
    String name;
};

// The registry: Disabled, Error, Focused, ReadOnly, Hot, Pressed, Modified, Normal.
Integer StateRegistryCount();
const TStyStateEntry& StateRegistryEntry(Integer Index);
bool SameStateList(const TStyStateList& A, const TStyStateList& B);
// The registered pattern equal to the list, else the Normal pattern.
TStyStateList NormalizeStateList(const TStyStateList& List);
// The first registered pattern that the conditions (1 true, 2 false) match.
const TStyStateEntry& MatchStateConditions(const TStyStateList& Conditions);
const TStyStateList& NormalStateList();

class TStyCFCStateObjects;

class TStyCFCStateObject : public TCollectionItem {
    DECLARE_CLASS(TStyCFCStateObject, TCollectionItem)
public:
    explicit TStyCFCStateObject(TCollection* Collection);
    // The settings list and the kind, then Synchronize.
    void Assign(TPersistent* Source) override;

    const TStyStateList& getKind() const { return FKind; }
    void setKind(const TStyStateList& aStateList) { FKind = aStateList; }
    TStringList* Settings() { return &FSettings; }
    void SetSettings(TStringList* Value) { FSettings.Assign(*Value); }

    // The first setting whose object is of the kind's class or a descendant; -1 for none.
    Integer IndexOfSetting(TStyCFCSettingObjectKind aValue) const;
    // Only objects of the pool count, under their pool name; a setting of the same class is
    // replaced when replace, else the call answers false.
    bool Add(TPersistent* aSettingObject, bool replace);
    // Drops names no longer in the pool; the others take the pool's object of that name.
    void Synchronize();
    // Settings whose name left the pool take their object's current name, or are dropped.
    void SynchronizeName();
    bool Paint(TObject*) const { return FLinkIndex != -1; }
    TStyCFCSettingObjects* Pool() const;

    void DefineProperties(TFiler* Filer) override;

private:
    TStyStateList FKind;
    TStringList FSettings;   // names with the pool's objects, not owned
    Integer FLinkIndex = -1;
};

class TStyCFCStateObjects : public TOwnedCollection {
    DECLARE_CLASS(TStyCFCStateObjects, TOwnedCollection)
public:
    TStyCFCStateObjects(TPersistent* Owner, TStyCFCSettingObjects* Objects);
    TStyCFCStateObject* Add() { return static_cast<TStyCFCStateObject*>(TCollection::Add()); }
    TStyCFCStateObject* GetItem(Integer Index) const { return static_cast<TStyCFCStateObject*>(Items(Index)); }
    void SetItem(Integer Index, TStyCFCStateObject* Value) { Items(Index)->Assign(Value); }
    // The first state whose kind equals the list byte for byte; -1 when none.
    Integer ItemByKind(const TStyStateList& Index) const;
    void Synchronize();
    void SynchronizeNames();
    TStyCFCSettingObjects* SettingsObjects() const { return FObjects; }
    void SetSettingsObjects(TStyCFCSettingObjects* Value) { FObjects = Value; }

private:
    TStyCFCSettingObjects* FObjects;
};
