// Registry reads of the system support routines over the program's registry store.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "editcontrols/EcsRegistry.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

// A fresh registry store holding Software\Dorvane\Probe with a few values.
struct EcsRegistry : ::testing::Test {
    EcsRegistry()
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        Had = old != nullptr;
        if (old) Old = old;
        ::setenv("XDG_CONFIG_HOME", Folder.Path().c_str(), 1);
        TRegistry registry;
        registry.OpenKey("Software\\Dorvane\\Probe", true);
        registry.WriteString("Name", "Dorvane");
        registry.WriteString("Count", "42");
        registry.WriteString("Wide", "4294967297");   // 2^32 + 1
        registry.WriteString("Negative", "-5");
        registry.WriteString("Words", "twelve");
    }
    ~EcsRegistry() override
    {
        if (Had) ::setenv("XDG_CONFIG_HOME", Old.c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
    }
    static String Failure(HKEY root, const String& key, const String& name)
    {
        try {
            ReadRegString(root, key, name);
        } catch (const EEcsRegistryError& e) {
            return e.Message();
        }
        return "no error";
    }
    TempFolder Folder;
    bool Had = false;
    std::string Old;
};

TEST_F(EcsRegistry, KeysMayNameTheirRootLongOrShort)
{
    for (const char* key : {"Software\\Dorvane\\Probe", "HKEY_CURRENT_USER\\Software\\Dorvane\\Probe",
                            "\\HKCU\\Software\\Dorvane\\Probe"})
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, "Name"), String("Dorvane")) << key;
}

TEST_F(EcsRegistry, FailuresNameTheRootTheKeyAndTheValue)
{
    EXPECT_EQ(Failure(HKEY_CURRENT_USER, "HKLM\\Software\\Dorvane\\Probe", "Name"),
              String("\"HKLM\\Software\\Dorvane\\Probe\" does not match RootKey"));
    EXPECT_EQ(Failure(HKEY_CURRENT_USER, "Software\\Elsewhere", "Name"),
              String("Unable to open key \"HKEY_CURRENT_USER\\Software\\Elsewhere\" for read"));
    EXPECT_EQ(Failure(HKEY_CURRENT_USER, "HKCU\\Software\\Dorvane\\Probe", "Missing"),
              String("Unable to open key \"HKEY_CURRENT_USER\\Software\\Dorvane\\Probe\" and access value \"Missing\""));
    // Only the user's root holds anything in this store.
    EXPECT_EQ(Failure(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "ProductName"),
              String("Unable to open key \"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\" for read"));
    EXPECT_EQ(Failure(0x80000010, "Software", "Name"), String("Unable to open key \"$80000010\\Software\" for read"));
}

TEST_F(EcsRegistry, DefaultsStandInForEveryFailure)
{
    const String key = "Software\\Dorvane\\Probe";
    EXPECT_EQ(ReadRegStringOrDefault(HKEY_CURRENT_USER, key, "Name", "none"), String("Dorvane"));
    EXPECT_EQ(ReadRegStringOrDefault(HKEY_CURRENT_USER, key, "Missing", "none"), String("none"));
    EXPECT_EQ(ReadRegStringOrDefault(HKEY_CURRENT_USER, "HKLM\\" + key, "Name", "none"), String("none"));

    struct Case {
        const char* Name;
        Integer Expected;
    };
    for (const Case& c : {Case{"Count", 42}, Case{"Wide", 1}, Case{"Negative", -5}, Case{"Words", 7}, Case{"Missing", 7}})
        EXPECT_EQ(ReadRegIntegerOrDefault(HKEY_CURRENT_USER, key, c.Name, 7), c.Expected) << c.Name;
}

}  // namespace
