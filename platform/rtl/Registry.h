#pragma once
// The per-user registry: keys and string values kept in "registry.ini" under the user's
// configuration folder ($XDG_CONFIG_HOME/dorvane/).  A key path ("Software\Dorvane\Recent") is
// a section of the file, its values are the section's keys.  Only the current user's root is
// writable; look-ups under any other root find nothing.
#include <cstdint>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

using HKEY = std::uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000, HKEY_CURRENT_USER = 0x80000001, HKEY_LOCAL_MACHINE = 0x80000002;

// A value read as another type than the one it holds.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The file behind the store.
String RegistryFileName();

class TRegistry {
public:
    TRegistry() = default;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY value) { CloseKey(); FRootKey = value; }
    const String& CurrentPath() const { return FCurrentPath; }

    // Opens the key (made when CanCreate); false when it does not exist and may not be made.
    bool OpenKey(const String& Key, bool CanCreate);
    bool OpenKeyReadOnly(const String& Key) { return OpenKey(Key, false); }
    void CloseKey() { FCurrentPath = String(); FOpen = false; }
    bool KeyExists(const String& Key) const;
    bool CreateKey(const String& Key);
    // Deletes the key, its values and every key below it.
    bool DeleteKey(const String& Key);

    // Values of the open key.
    bool ValueExists(const String& Name) const;
    String ReadString(const String& Name) const;   // empty when missing
    void WriteString(const String& Name, const String& Value);
    // 0 when missing; a value whose text is not a whole number is not an integer value:
    // ERegistryException "Invalid data type for 'Name'".
    Integer ReadInteger(const String& Name) const;
    void WriteInteger(const String& Name, Integer Value);
    bool DeleteValue(const String& Name);
    // The names of the subkeys and of the values of the open key.
    void GetKeyNames(TStrings& Strings) const;
    void GetValueNames(TStrings& Strings) const;

private:
    // A key relative to the open key unless it starts with a backslash.
    String FullKey(const String& Key) const;
    bool IsUserRoot() const { return FRootKey == HKEY_CURRENT_USER; }
    HKEY FRootKey = HKEY_CURRENT_USER;
    String FCurrentPath;
    bool FOpen = false;
};

// The registry seen as an ini file: the sections are the subkeys of the key opened on creation
// (the empty section is that key itself), the idents their values.  Opened read-only, a missing
// key is not made and every read answers its default.
class TRegIniFile : public TRegistry {
public:
    TRegIniFile(HKEY Root, const String& FileName, bool ReadOnly = false);

    const String& FileName() const { return FFileName; }
    String ReadString(const String& Section, const String& Ident, const String& Default) const;
    void WriteString(const String& Section, const String& Ident, const String& Value);
    void ReadSection(const String& Section, TStrings& Strings) const;
    void ReadSections(TStrings& Strings) const;
    void EraseSection(const String& Section);
    void DeleteKey(const String& Section, const String& Ident);
    bool SectionExists(const String& Section) const;

private:
    String SectionKey(const String& Section) const;
    String FFileName;
    bool FOpened = false;
};

// The registry behind the ini-file interface.
class TRegistryIniFile : public TCustomIniFile {
public:
    TRegistryIniFile(HKEY Root, const String& FileName, bool ReadOnly = false);
    TRegIniFile& RegIniFile() { return FRegIniFile; }

    String ReadString(const String& section, const String& ident, const String& defaultValue) override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    void ReadSection(const String& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    void UpdateFile() override {}

private:
    TRegIniFile FRegIniFile;
};
