#pragma once
// Generic lists and dictionaries as objects: lists of integers, floats or strings, lists of
// objects they own, and dictionaries of owned objects by string key in the order they were added.
// Their classes are named as the platform names generic instances ("TList<Integer>",
// "TObjectList<TFont>", "TObjectDictionary<string,TFont>"), so reflection tells them apart by name.
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Object.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/UString.h"

template <class T>
struct TGenericTypeName;
template <>
struct TGenericTypeName<Integer> {
    static const char* Name() { return "Integer"; }
};
template <>
struct TGenericTypeName<double> {
    static const char* Name() { return "Double"; }
};
template <>
struct TGenericTypeName<String> {
    static const char* Name() { return "string"; }
};

// Index checks of the generic containers: EListError "Index de liste hors limites (<index>)".
void GenericIndexError(int Index);

// A list of values.
template <class T>
class TGenericList : public TObject {
public:
    using inherited = TObject;
    static TClass StaticClass()
    {
        static const std::string name = std::string("TList<") + TGenericTypeName<T>::Name() + ">";
        static const TMetaClass meta(name.c_str(), TObject::StaticClass(), NewObject<TGenericList<T>>);
        return &meta;
    }
    TClass ClassType() const override { return StaticClass(); }

    int Count() const { return static_cast<int>(FItems.size()); }
    const T& Items(int Index) const
    {
        if (Index < 0 || Index >= Count()) GenericIndexError(Index);
        return FItems[static_cast<size_t>(Index)];
    }
    int Add(const T& Value)
    {
        FItems.push_back(Value);
        return Count() - 1;
    }
    void Clear() { FItems.clear(); }

private:
    std::vector<T> FItems;
};

// A list that owns its objects; the objects of its item class only.
class TGenericObjectListBase : public TObject {
    DECLARE_CLASS(TGenericObjectListBase, TObject)
public:
    ~TGenericObjectListBase() override { Clear(); }
    virtual TClass ItemClass() const = 0;
    int Count() const { return static_cast<int>(FItems.size()); }
    TObject* Items(int Index) const
    {
        if (Index < 0 || Index >= Count()) GenericIndexError(Index);
        return FItems[static_cast<size_t>(Index)];
    }
    // Takes the object over; EInvalidCast (and the object freed) when it is not of the item class.
    int Add(TObject* AObject);
    void Clear();

private:
    std::vector<TObject*> FItems;
};

template <class T>
class TGenericObjectList : public TGenericObjectListBase {
public:
    using inherited = TGenericObjectListBase;
    static TClass StaticClass()
    {
        static const std::string name = "TObjectList<" + T::StaticClass()->ClassName().ToUtf8() + ">";
        static const TMetaClass meta(name.c_str(), TGenericObjectListBase::StaticClass(), NewObject<TGenericObjectList<T>>);
        return &meta;
    }
    TClass ClassType() const override { return StaticClass(); }
    TClass ItemClass() const override { return T::StaticClass(); }
    T* Item(int Index) const { return static_cast<T*>(Items(Index)); }
};

// A dictionary that owns its objects, by string key, in the order the keys were added.
class TGenericObjectDictionaryBase : public TObject {
    DECLARE_CLASS(TGenericObjectDictionaryBase, TObject)
public:
    ~TGenericObjectDictionaryBase() override { Clear(); }
    virtual TClass ItemClass() const = 0;
    int Count() const { return static_cast<int>(FPairs.size()); }
    const String& Keys(int Index) const;
    TObject* Values(int Index) const;
    // The object of that key (exact case), null when none.
    TObject* Find(const String& Key) const;
    // Takes the object over; EListError "Duplicates not allowed" for a key already there and
    // EInvalidCast for an object not of the item class (the object freed in both cases).
    void Add(const String& Key, TObject* Value);
    void Clear();

private:
    std::vector<std::pair<String, TObject*>> FPairs;
};

template <class T>
class TGenericObjectDictionary : public TGenericObjectDictionaryBase {
public:
    using inherited = TGenericObjectDictionaryBase;
    static TClass StaticClass()
    {
        static const std::string name = "TObjectDictionary<string," + T::StaticClass()->ClassName().ToUtf8() + ">";
        static const TMetaClass meta(name.c_str(), TGenericObjectDictionaryBase::StaticClass(),
                                     NewObject<TGenericObjectDictionary<T>>);
        return &meta;
    }
    TClass ClassType() const override { return StaticClass(); }
    TClass ItemClass() const override { return T::StaticClass(); }
};
