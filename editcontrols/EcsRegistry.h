#pragma once
// Registry reads of the system support routines, through the program's registry store.  A key may
// start with the name of its root ("HKEY_CURRENT_USER\Software\..." or "HKCU\Software\..."); that
// root must be the one passed.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Registry.h"

DORVANE_EXCEPTION(EEcsError, Exception);
DORVANE_EXCEPTION(EEcsInternalError, EEcsError);
DORVANE_EXCEPTION(EEcsRegistryError, EEcsError);

// The root's long name, or "$" and eight hex digits for a root not in the table.
String RegistryRootName(HKEY RootKey);

// EEcsRegistryError when the key cannot be opened or the value does not exist.
String ReadRegString(HKEY RootKey, const String& Key, const String& Name);
// The default on any failure.
String ReadRegStringOrDefault(HKEY RootKey, const String& Key, const String& Name, const String& Default);
// A decimal text read as a 64-bit number, its low 32 bits; the default on any failure.
Integer ReadRegIntegerOrDefault(HKEY RootKey, const String& Key, const String& Name, Integer Default);
