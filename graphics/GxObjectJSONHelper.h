#pragma once
// The JSON operations every object of the library offers: itself as JSON text and back, through
// a file or a stream, and to the debugger's output, all on the entry points of JSON persistence.
// The settings a call changes are the same after it as before, also when it fails.
#include "graphics/GxPersistence.h"

using TGxObjectExcludePropertyListArray = TGxExcludePropertyListArray;

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
