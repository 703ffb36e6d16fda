#include "editcontrols/EcsRegistry.h"

#include "platform/rtl/SysFormat.h"

namespace {

struct TRootName {
    HKEY Key;
    const char* Name;
};
// Long names first, then the short ones.
constexpr TRootName RootNames[] = {
    {0x80000000, "HKEY_CLASSES_ROOT"},   {0x80000001, "HKEY_CURRENT_USER"},     {0x80000002, "HKEY_LOCAL_MACHINE"},
    {0x80000003, "HKEY_USERS"},          {0x80000004, "HKEY_PERFORMANCE_DATA"}, {0x80000005, "HKEY_CURRENT_CONFIG"},
    {0x80000006, "HKEY_DYN_DATA"},       {0x80000000, "HKCR"},                  {0x80000001, "HKCU"},
    {0x80000002, "HKLM"},                {0x80000003, "HKUS"},                  {0x80000004, "HKPD"},
    {0x80000005, "HKCC"},                {0x80000006, "HKDD"},
};

// The key without a leading root name; EEcsRegistryError when that root is not RootKey.
String RelativeKey(HKEY RootKey, const String& Key)
{
    const String rest = Copy(Key, 1, 1) == "\\" ? Copy(Key, 2) : Key;
    for (const TRootName& root : RootNames) {
        const String prefix = String(root.Name) + "\\";
        if (Copy(rest, 1, prefix.Length()) != prefix) continue;
        if (root.Key != RootKey) throw EEcsRegistryError(Format("\"%s\" does not match RootKey", {Key}));
        return Copy(rest, prefix.Length() + 1);
    }
    return Key;
}

// The value's text; EEcsRegistryError when the key or the value is missing.
String ReadValueText(HKEY RootKey, const String& Key, const String& Name)
{
    const String key = RelativeKey(RootKey, Key);
    TRegistry registry;
    registry.SetRootKey(RootKey);
    if (!registry.OpenKeyReadOnly(key))
        throw EEcsRegistryError(Format("Unable to open key \"%s\\%s\" for read", {RegistryRootName(RootKey), key}));
    if (!registry.ValueExists(Name))
        throw EEcsRegistryError(Format("Unable to open key \"%s\\%s\" and access value \"%s\"",
                                       {RegistryRootName(RootKey), key, Name}));
    return registry.ReadString(Name);
}

}  // namespace

String RegistryRootName(HKEY RootKey)
{
    for (const TRootName& root : RootNames)
        if (root.Key == RootKey) return root.Name;
    return Format("$%.8x", {Integer(RootKey)});
}

String ReadRegString(HKEY RootKey, const String& Key, const String& Name) { return ReadValueText(RootKey, Key, Name); }

String ReadRegStringOrDefault(HKEY RootKey, const String& Key, const String& Name, const String& Default)
{
    try {
        return ReadValueText(RootKey, Key, Name);
    } catch (const Exception&) {
        return Default;
    }
}

Integer ReadRegIntegerOrDefault(HKEY RootKey, const String& Key, const String& Name, Integer Default)
{
    try {
        Int64 value = 0;
        if (!TryStrToInt64(ReadValueText(RootKey, Key, Name), value)) return Default;
        return static_cast<Integer>(static_cast<std::uint32_t>(value));
    } catch (const Exception&) {
        return Default;
    }
}
