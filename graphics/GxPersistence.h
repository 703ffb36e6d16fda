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
#include "platform/classes/Component.h"
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

class TGxPersistence {
public:
    TGxPersistence() = delete;

    // Process-wide settings of the entry points.
    static inline String PersistenceTypeName = "$type";
    static inline TGxExcludePropertyListArray PersistenceExcludeProperties;
    static inline TObject* PersistenceRootObject = nullptr;
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

class TGxWriter {
public:
    explicit TGxWriter(TStream* AStream);
    TGxWriter(const TGxWriter&) = delete;
    TGxWriter& operator=(const TGxWriter&) = delete;

    void Write(TObject* AObject);
    // An object with the one member AName: the array of the objects.
    void WriteArray(const String& AName, const TGxObjectArray& AArray);

    TGxJSONWriter& JSONWriter() { return *FWriter; }
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
    TObject* FRootObject = TGxPersistence::PersistenceRootObject;
    TGxExcludePropertyListArray FExcludeProperties = TGxPersistence::PersistenceExcludeProperties;
};

class TGxReader {
public:
    explicit TGxReader(TStream* AStream);
    TGxReader(const TGxReader&) = delete;
    TGxReader& operator=(const TGxReader&) = delete;

    // A new object read as an object value based on AClass; the caller owns it.
    TObject* Read(TClass AClass);
    void Read(TObject* AObject);
    // Of an object, the array member AName; its elements are new objects the caller owns.
    TGxObjectArray ReadArray(const String& AName);

    TGxJSONReader& JSONReader() { return *FReader; }
    TObject* RootObject() const { return FRootObject; }
    void SetRootObject(TObject* Value);
    const TGxExcludePropertyListArray& ExcludeProperties() const { return FExcludeProperties; }
    void SetExcludeProperties(const TGxExcludePropertyListArray& Value);
    TGxReaderCustomReadPropertyEvent OnCustomReadProperty;
    TGxWriterCustomIsAssignablePropertyEvent OnCustomIsAssignableProperty;

private:
    TObject* ReadObjectValue(TClass ABaseClass);
    // The elements of an array, its nulls skipped.
    void ReadArrayElements(const std::function<void()>& AReadElement);
    void ReadTypeMember(String* AClassName);
    void ReadProperties(TObject* AObject);
    void ReadProperty(TObject* AObject, const TPropInfo* AProp);
    void ReadClassProperty(TObject* AObject, const TPropInfo* AProp);
    void ReadOrdinal(TObject* AObject, const TPropInfo* AProp);

    std::unique_ptr<TGxJSONReader> FReader;
    TObject* FRootObject = TGxPersistence::PersistenceRootObject;
    TGxExcludePropertyListArray FExcludeProperties = TGxPersistence::PersistenceExcludeProperties;
};
