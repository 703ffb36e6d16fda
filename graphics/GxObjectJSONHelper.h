#pragma once
// The JSON operations of the library's objects, on the entry points of JSON persistence.
#include <vector>

#include "platform/classes/Object.h"
#include "platform/rtl/Streams.h"

// The JSON operations every object of the library offers: itself as JSON text and back, through
// a file or a stream, and to the debugger's output, all on the entry points of JSON persistence.
// The settings a call changes are the same after it as before, also when it fails.
using TGxObjectExcludePropertyListArray = std::vector<String>;

class TGxObjectJSONHelper {
public:
    TGxObjectJSONHelper() = delete;

    static String ToJSON(TObject* AObject);
    // Without the named properties, for this call only.
    static String ToJSON(TObject* AObject, const TGxObjectExcludePropertyListArray& AExcludedProperties);
    // Reads text with or without type members: for the call the type-member name is empty and
    // the object itself is the reference of the reading.
    static void FromJSON(TObject* AObject, const String& Value);
    static void Log(TObject* AObject);
    static void SaveToJSONFile(TObject* AObject, const String& AFileName);
    static void LoadFromJSONFile(TObject* AObject, const String& AFileName);
    static void SaveToJSONStream(TObject* AObject, TStream* AStream);
    static void LoadFromJSONStream(TObject* AObject, TStream* AStream);
};

// The same operations as members of a class T of the library, and its JSON text as a property;
// each hands the object itself to TGxObjectJSONHelper.
template <class T>
class TGxJSONOperations {
public:
    String ToJSON() { return TGxObjectJSONHelper::ToJSON(Self()); }
    String ToJSON(const TGxObjectExcludePropertyListArray& AExcludedProperties)
    {
        return TGxObjectJSONHelper::ToJSON(Self(), AExcludedProperties);
    }
    void FromJSON(const String& Value) { TGxObjectJSONHelper::FromJSON(Self(), Value); }
    void Log() { TGxObjectJSONHelper::Log(Self()); }
    void SaveToJSONFile(const String& AFileName) { TGxObjectJSONHelper::SaveToJSONFile(Self(), AFileName); }
    void LoadFromJSONFile(const String& AFileName) { TGxObjectJSONHelper::LoadFromJSONFile(Self(), AFileName); }
    void SaveToJSONStream(TStream* AStream) { TGxObjectJSONHelper::SaveToJSONStream(Self(), AStream); }
    void LoadFromJSONStream(TStream* AStream) { TGxObjectJSONHelper::LoadFromJSONStream(Self(), AStream); }
    String JSON() { return ToJSON(); }
    void SetJSON(const String& Value) { FromJSON(Value); }

private:
    TObject* Self() { return static_cast<T*>(this); }
};
