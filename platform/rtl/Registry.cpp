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

Integer TRegistry::ReadInteger(const String& Name) const { return StrToIntDef(ReadString(Name), 0); }

void TRegistry::WriteInteger(const String& Name, Integer Value) { WriteString(Name, IntToStr(Value)); }

bool TRegistry::DeleteValue(const String& Name)
{
    if (!ValueExists(Name)) return false;
    TMemIniFile ini(RegistryFileName());
    ini.DeleteKey(FCurrentPath, Name);
    ini.UpdateFile();
    return true;
}
