#pragma once
// JSON persistence of objects: the published properties of an object are written as the members
// of a JSON object, with its class name in the type member ("$type"), and read back into an
// existing object or into objects created by class name.  Colours are "#RRGGBB" (or "gcNull"),
// collections and string lists arrays, pictures hexadecimal text of their file image, components
// referred to by name, event handlers by the name of the root object's published method.
#include <functional>
#include <memory>
#include <vector>

#include "graphics/GxJSONReader.h"
#include "graphics/GxJSONWriter.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Interfaces.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

DORVANE_EXCEPTION(EGxReaderException, Exception);

using TGxExcludePropertyListArray = std::vector<String>;
using TGxObjectArray = std::vector<TObject*>;
// Called for every property before it is written; clearing ACanWrite writes nothing for it (the
// handler may write a member of its own through AWriter).
using TGxWriterCustomWritePropertyEvent = std::function<void(
    TObject* AObject, const String& APropertyName, TTypeKind APropertyKind, TGxJSONWriter& AWriter, bool& ACanWrite)>;
// Called for every property found before it is read; clearing ACanRead leaves the value to the
// handler, which must consume it through AReader.
using TGxReaderCustomReadPropertyEvent = std::function<void(
    TObject* AObject, const String& APropertyName, TTypeKind APropertyKind, TGxJSONReader& AReader, bool& ACanRead)>;
using TGxWriterCustomIsAssignablePropertyEvent =
    std::function<void(TObject* AObject, const String& APropertyName, bool& AIsAssignable)>;

// What the persistence asks of the objects it meets; no class of the program offers these, the
// library's users may.  Objects are created by the reference owner when it offers
// IGxPersistenceIO (or IGxReferencePersistenceIO).
struct IGxPersistenceIO : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{91DEAFC3-8932-45F4-A3ED-5AAA0C0E9250}");
    virtual TObject* CreateObject(const String& AClassName, TClass ABaseClass) = 0;
};

// Objects of the classes it accepts are written as references and resolved by SolveReferences.
struct IGxReferencePersistenceIO : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{11B625F8-447A-4AE5-BB88-5ECDEA979AF7}");
    virtual TObject* CreateObject(const String& AClassName, TClass ABaseClass) = 0;
    virtual bool IsReference(TClass AClass) = 0;
    virtual String GetReference(TObject* AObject) = 0;
    virtual TComponent* FindReference(const String& AId) = 0;
    // An object read was added to a list.
    virtual void ObjectAdded(TObject* AObject, TObject* AList) = 0;
};

// Asked of the object being written or read: which properties go.
struct IGxPersistenceFilter : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{363F04AF-B8A7-4C47-A2D6-8ED9C44CEFF6}");
    virtual bool CanSaveProperty(TObject* AObject, const String& APropertyName, TTypeKind APropertyKind) = 0;
    virtual bool CanLoadProperty(TObject* AObject, const String& APropertyName, TTypeKind APropertyKind) = 0;
};

// Asked of a list, collection or dictionary being read: the class of its elements.
struct IGxItemClassProvider : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{FAB1D21E-D798-4CE0-B17B-9D75E4456AB4}");
    virtual TClass GetItemClass() = 0;
};

// Asked of a collection being read: a new item for an object read.
struct IGxCollectionItemFactory : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{90FDF257-7362-411D-B7F6-E2BEE2265016}");
    virtual TCollectionItem* AddItem(TObject* AObject) = 0;
};

// A reference read but not yet resolved.
class TGxObjectReference : public TObject, public TGxJSONOperations<TGxObjectReference> {
public:
    TGxObjectReference(TObject* AInstance, const TPropInfo* AProp, const String& AId)
        : Instance(AInstance), Prop(AProp), Id(AId) {}
    TObject* Instance;
    const TPropInfo* Prop;
    String Id;
};

// Its members are static; an instance only offers the JSON operations.
class TGxPersistence : public TObject, public TGxJSONOperations<TGxPersistence> {
public:

    // Process-wide settings of the entry points.
    static inline String PersistenceTypeName = "$type";
    static inline TGxExcludePropertyListArray PersistenceExcludeProperties;
    static inline TObject* PersistenceRootObject = nullptr;
    static inline TObject* PersistenceIOReference = nullptr;
    static inline TGxWriterCustomWritePropertyEvent PersistenceOnCustomWriteProperty;
    static inline TGxReaderCustomReadPropertyEvent PersistenceOnCustomReadProperty;

    // The object as JSON at the stream's position / the stream from its start into the object.
    static void SaveSettingsToStream(TObject* AObject, TStream* AStream);
    static void SaveSettingsToFile(TObject* AObject, const String& AFileName);
    static void LoadSettingsFromStream(TObject* AObject, TStream* AStream);
    static void LoadSettingsFromFile(TObject* AObject, const String& AFileName);

    // A new object of the registered class of that name, which must inherit from BaseClass
    // (when given); EGxReaderException otherwise.
    static TObject* CreateObject(const String& AClassName, TClass BaseClass);

    // The names of the values of the property's enumeration (of a set's members) added to AValues.
    static void GetEnumValues(TStrings* AValues, const TPropInfo* APropInfo);
    static String GetEnumName(const TEnumTypeInfo* ATypeInfo, Integer AValue);
    // The enumeration of an ordinal property (tells Boolean properties), null for other kinds.
    static const TEnumTypeInfo* GetPropInfoDataTypeInfo(const TPropInfo* APropInfo);
    // The declared class of a class-typed property, null for other kinds.
    static TClass GetPropInfoDataTypeInfoClassType(const TPropInfo* APropInfo);
    static String GetPropInfoTypeName(const TPropInfo* APropInfo) { return APropInfo->TypeName; }
    static TTypeKind GetPropInfoType(const TPropInfo* APropInfo) { return APropInfo->Kind; }
    static String GetPropInfoName(const TPropInfo* APropInfo) { return APropInfo->Name; }
    static bool IsWriteOnly(const TPropInfo* APropInfo);
    static bool IsReadOnly(const TPropInfo* APropInfo);
    // A class-typed property whose value is absent or a component.
    static bool IsAssignableProperty(TObject* AObject, const TPropInfo* APropInfo);
    static bool IsColor(const String& ATypeName);
    static bool IsStrokeKind(const String& ATypeName);
    static bool IsFillKind(const String& ATypeName);
    static bool IsDate(const String& ATypeName);
    static bool IsDateTime(const String& ATypeName);
    static bool IsTime(const String& ATypeName);
    // A class of the chain whose name begins with "TList<" or "TObjectList<" (and holds AType).
    static bool IsGenericList(TClass AClass, const String& AType = String());
    static bool IsGenericDictionary(TClass AClass);
    static bool IsCollection(TClass AClass);
    static bool IsComponent(TClass AClass);
    static bool IsControl(TClass AClass);
    static bool IsList(TClass AClass);
    static bool IsDescendingClass(TClass AClass, const std::vector<String>& AClassParentList);
    static bool IsBitmap(TClass AClass);
    static bool IsStrings(TClass AClass);
};

class TGxWriter : public TObject, public TGxJSONOperations<TGxWriter> {
public:
    explicit TGxWriter(TStream* AStream);
    TGxWriter(const TGxWriter&) = delete;
    TGxWriter& operator=(const TGxWriter&) = delete;

    void Write(TObject* AObject);
    // An object with the one member AName: the array of the objects.
    void WriteArray(const String& AName, const TGxObjectArray& AArray);

    TGxJSONWriter& JSONWriter() { return *FWriter; }
    TObject* IOReference() const { return FIOReference; }
    void SetIOReference(TObject* Value);
    TObject* RootObject() const { return FRootObject; }
    void SetRootObject(TObject* Value);
    const TGxExcludePropertyListArray& ExcludeProperties() const { return FExcludeProperties; }
    void SetExcludeProperties(const TGxExcludePropertyListArray& Value);
    TGxWriterCustomWritePropertyEvent OnCustomWriteProperty;
    TGxWriterCustomIsAssignablePropertyEvent OnCustomIsAssignableProperty;

private:
    void WriteObjectValue(TObject* AObject);
    void WriteProperties(TObject* AObject);
    void WriteProperty(TObject* AObject, const TPropInfo* AProp);
    void WriteOrdinal(TObject* AObject, const TPropInfo* AProp);

    std::unique_ptr<TGxJSONWriter> FWriter;
    TObject* FIOReference = TGxPersistence::PersistenceIOReference;
    TObject* FRootObject = TGxPersistence::PersistenceRootObject;
    TGxExcludePropertyListArray FExcludeProperties = TGxPersistence::PersistenceExcludeProperties;
};

class TGxReader : public TObject, public TGxJSONOperations<TGxReader> {
public:
    explicit TGxReader(TStream* AStream);
    TGxReader(const TGxReader&) = delete;
    TGxReader& operator=(const TGxReader&) = delete;

    // A new object read as an object value based on AClass; the caller owns it.
    TObject* Read(TClass AClass);
    void Read(TObject* AObject);
    // Of an object, the array member AName; its elements are new objects the caller owns.
    TGxObjectArray ReadArray(const String& AName);

    // Sets the properties of the references read to the reference owner's objects.
    void SolveReferences();

    TGxJSONReader& JSONReader() { return *FReader; }
    TObject* IOReference() const { return FIOReference; }
    void SetIOReference(TObject* Value);
    TObject* RootObject() const { return FRootObject; }
    void SetRootObject(TObject* Value);
    const TGxExcludePropertyListArray& ExcludeProperties() const { return FExcludeProperties; }
    void SetExcludeProperties(const TGxExcludePropertyListArray& Value);
    TGxReaderCustomReadPropertyEvent OnCustomReadProperty;
    TGxWriterCustomIsAssignablePropertyEvent OnCustomIsAssignableProperty;

private:
    TObject* ReadObjectValue(TClass ABaseClass);
    // The element class of a list being read: its provider's, else ADefault.
    static TClass ElementClass(TObject* AList, TClass ADefault);
    // The elements of an array, its nulls skipped.
    void ReadArrayElements(const std::function<void()>& AReadElement);
    void ReadTypeMember(String* AClassName);
    void ReadProperties(TObject* AObject);
    void ReadProperty(TObject* AObject, const TPropInfo* AProp);
    void ReadClassProperty(TObject* AObject, const TPropInfo* AProp);
    void ReadOrdinal(TObject* AObject, const TPropInfo* AProp);

    std::vector<std::unique_ptr<TGxObjectReference>> FReferences;
    std::unique_ptr<TGxJSONReader> FReader;
    TObject* FIOReference = TGxPersistence::PersistenceIOReference;
    TObject* FRootObject = TGxPersistence::PersistenceRootObject;
    TGxExcludePropertyListArray FExcludeProperties = TGxPersistence::PersistenceExcludeProperties;
};
