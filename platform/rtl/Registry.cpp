#include "platform/rtl/Registry.h"

#include "platform/rtl/FileSys.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/SysFormat.h"

namespace {

// A key path without leading or trailing backslashes.
String CleanKey(String key)
{
    while (key.Length() > 0 && key[1] == u'\\') key = Copy(key, 2);
    while (key.Length() > 0 && key[key.Length()] == u'\\') key = Copy(key, 1, key.Length() - 1);
    return key;
}

bool IsKeyOrBelow(const String& section, const String& key)
{
    return SameText(section, key) ||
           (section.Length() > key.Length() && SameText(Copy(section, 1, key.Length() + 1), key + "\\"));
}

}  // namespace

String TRegistry::FullKey(const String& Key) const
{
    const String key = CleanKey(Key);
    if (key.Length() > 0 && Key[1] != u'\\' && FOpen && FCurrentPath.Length() > 0) return FCurrentPath + "\\" + key;
    return key;
}

String RegistryFileName() { return UserConfigDir() + "dorvane/registry.ini"; }

bool TRegistry::KeyExists(const String& Key) const
{
    if (!IsUserRoot()) return false;
    const String key = FullKey(Key);
    if (key.Length() == 0) return true;
    TMemIniFile ini(RegistryFileName());
    TStringList sections;
    ini.ReadSections(sections);
    for (Integer i = 0; i < sections.Count(); ++i)
        if (IsKeyOrBelow(sections[i], key)) return true;
    return false;
}

bool TRegistry::CreateKey(const String& Key)
{
    if (!IsUserRoot()) return false;
    const String key = CleanKey(Key);
    if (KeyExists("\\" + key)) return true;
    if (!ForceDirectories(ExtractFilePath(RegistryFileName()))) return false;
    TMemIniFile ini(RegistryFileName());
    TStringList lines;
    ini.GetStrings(lines);
    lines.Add("[" + key + "]");
    ini.SetStrings(lines);
    ini.UpdateFile();
    return true;
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate)
{
    const String key = FullKey(Key);
    const bool exists = KeyExists("\\" + key);
    if (!exists && !(CanCreate && CreateKey(key))) return false;
    FCurrentPath = key;
    FOpen = true;
    return true;
}

bool TRegistry::DeleteKey(const String& Key)
{
    if (!IsUserRoot()) return false;
    const String key = FullKey(Key);
    if (key.Length() == 0 || !KeyExists("\\" + key)) return false;
    TMemIniFile ini(RegistryFileName());
    TStringList sections;
    ini.ReadSections(sections);
    for (Integer i = 0; i < sections.Count(); ++i)
        if (IsKeyOrBelow(sections[i], key)) ini.EraseSection(sections[i]);
    // An empty key is a bare section header, which EraseSection keeps.
    TStringList lines;
    ini.GetStrings(lines);
    for (Integer i = lines.Count() - 1; i >= 0; --i) {
        const String line = Trim(lines[i]);
        if (line.Length() > 2 && line[1] == u'[' && IsKeyOrBelow(Copy(line, 2, line.Length() - 2), key)) lines.Delete(i);
    }
    ini.SetStrings(lines);
    ini.UpdateFile();
    return true;
}

bool TRegistry::ValueExists(const String& Name) const
{
    if (!FOpen || !IsUserRoot()) return false;
    TMemIniFile ini(RegistryFileName());
    return ini.ValueExists(FCurrentPath, Name);
}

String TRegistry::ReadString(const String& Name) const
{
    if (!FOpen || !IsUserRoot()) return String();
    TMemIniFile ini(RegistryFileName());
    return ini.ReadString(FCurrentPath, Name, String());
}

void TRegistry::WriteString(const String& Name, const String& Value)
{
    if (!FOpen || !IsUserRoot()) return;
    ForceDirectories(ExtractFilePath(RegistryFileName()));
    TMemIniFile ini(RegistryFileName());
    ini.WriteString(FCurrentPath, Name, Value);
    ini.UpdateFile();
}

Integer TRegistry::ReadInteger(const String& Name) const
{
    if (!ValueExists(Name)) return 0;
    Integer value = 0;
    if (!TryStrToInt(ReadString(Name), value)) throw ERegistryException("Invalid data type for '" + Name + "'");
    return value;
}

void TRegistry::WriteInteger(const String& Name, Integer Value) { WriteString(Name, IntToStr(Value)); }

bool TRegistry::DeleteValue(const String& Name)
{
    if (!ValueExists(Name)) return false;
    TMemIniFile ini(RegistryFileName());
    ini.DeleteKey(FCurrentPath, Name);
    ini.UpdateFile();
    return true;
}

void TRegistry::GetKeyNames(TStrings& Strings) const
{
    Strings.BeginUpdate();
    Strings.Clear();
    if (FOpen && IsUserRoot()) {
        TMemIniFile ini(RegistryFileName());
        TStringList sections;
        ini.ReadSections(sections);
        const String prefix = FCurrentPath.Length() > 0 ? FCurrentPath + "\\" : String();
        for (Integer i = 0; i < sections.Count(); ++i) {
            if (sections[i].Length() <= prefix.Length() || !SameText(Copy(sections[i], 1, prefix.Length()), prefix)) continue;
            String rest = Copy(sections[i], prefix.Length() + 1);
            int slash = Pos("\\", rest);
            String child = slash ? Copy(rest, 1, slash - 1) : rest;
            bool known = false;
            for (Integer k = 0; k < Strings.Count() && !known; ++k) known = SameText(Strings[k], child);
            if (!known) Strings.Add(child);
        }
    }
    Strings.EndUpdate();
}

void TRegistry::GetValueNames(TStrings& Strings) const
{
    Strings.Clear();
    if (!FOpen || !IsUserRoot()) return;
    TMemIniFile ini(RegistryFileName());
    ini.ReadSection(FCurrentPath, Strings);
}

// ---------------------------------------------------------------- registry as ini file

TRegIniFile::TRegIniFile(HKEY Root, const String& FileName, bool ReadOnly) : FFileName(FileName)
{
    SetRootKey(Root);
    FOpened = OpenKey("\\" + FileName, !ReadOnly);
}

String TRegIniFile::SectionKey(const String& Section) const
{
    const String section = CleanKey(Section);
    if (section.Length() == 0) return CurrentPath();
    return CurrentPath().Length() > 0 ? CurrentPath() + "\\" + section : section;
}

String TRegIniFile::ReadString(const String& Section, const String& Ident, const String& Default) const
{
    if (!FOpened) return Default;
    TRegistry key;
    key.SetRootKey(RootKey());
    if (!key.OpenKeyReadOnly("\\" + SectionKey(Section)) || !key.ValueExists(Ident)) return Default;
    return key.ReadString(Ident);
}

void TRegIniFile::WriteString(const String& Section, const String& Ident, const String& Value)
{
    if (!FOpened) return;
    TRegistry key;
    key.SetRootKey(RootKey());
    if (key.OpenKey("\\" + SectionKey(Section), true)) key.WriteString(Ident, Value);
}

void TRegIniFile::ReadSection(const String& Section, TStrings& Strings) const
{
    TRegistry key;
    key.SetRootKey(RootKey());
    if (FOpened && key.OpenKeyReadOnly("\\" + SectionKey(Section))) key.GetValueNames(Strings);
    else Strings.Clear();
}

void TRegIniFile::ReadSections(TStrings& Strings) const
{
    GetKeyNames(Strings);   // nothing when the key is not open
}

void TRegIniFile::EraseSection(const String& Section)
{
    if (!FOpened) return;
    TRegistry key;
    key.SetRootKey(RootKey());
    key.DeleteKey("\\" + SectionKey(Section));
}

void TRegIniFile::DeleteKey(const String& Section, const String& Ident)
{
    TRegistry key;
    key.SetRootKey(RootKey());
    if (key.OpenKey("\\" + SectionKey(Section), false)) key.DeleteValue(Ident);
}

bool TRegIniFile::SectionExists(const String& Section) const
{
    return FOpened && KeyExists("\\" + SectionKey(Section));
}

TRegistryIniFile::TRegistryIniFile(HKEY Root, const String& FileName, bool ReadOnly)
    : TCustomIniFile(FileName), FRegIniFile(Root, FileName, ReadOnly)
{
}

String TRegistryIniFile::ReadString(const String& section, const String& ident, const String& defaultValue)
{
    return FRegIniFile.ReadString(section, ident, defaultValue);
}

void TRegistryIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    FRegIniFile.WriteString(section, ident, value);
}

void TRegistryIniFile::ReadSection(const String& section, TStrings& strings)
{
    FRegIniFile.ReadSection(section, strings);
}

void TRegistryIniFile::ReadSections(TStrings& strings)
{
    FRegIniFile.ReadSections(strings);
}

void TRegistryIniFile::EraseSection(const String& section)
{
    FRegIniFile.EraseSection(section);
}

void TRegistryIniFile::DeleteKey(const String& section, const String& ident)
{
    FRegIniFile.DeleteKey(section, ident);
}
