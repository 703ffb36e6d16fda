// The per-user registry kept in an ini file under the user's configuration folder.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/rtl/Registry.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

// Points the configuration folder at a fresh temporary folder for one test.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        FHad = old != nullptr;
        if (old) FOld = old;
        ::setenv("XDG_CONFIG_HOME", FFolder.Path().c_str(), 1);
    }
    void TearDown() override
    {
        if (FHad) ::setenv("XDG_CONFIG_HOME", FOld.c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
    }
    std::string FileText() const
    {
        std::ifstream in(FFolder / "dorvane/registry.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    TempFolder FFolder;
    bool FHad = false;
    std::string FOld;
};

}  // namespace

TEST_F(RegistryTest, ValuesWrittenUnderAKeyReadBackFromTheUsersFile)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software\\Dorvane\\Recent", false));   // not there yet
    ASSERT_TRUE(reg.OpenKey("Software\\Dorvane\\Recent", true));
    reg.WriteString("File1", "/home/eng/dam one.dam");
    reg.WriteInteger("Count", 1);
    reg.CloseKey();

    TRegistry again;
    ASSERT_TRUE(again.OpenKey("\\Software\\Dorvane\\Recent\\", false));
    EXPECT_TRUE(again.ValueExists("file1"));           // names ignore letter case
    EXPECT_FALSE(again.ValueExists("File2"));
    EXPECT_EQ(again.ReadString("File1"), String("/home/eng/dam one.dam"));
    EXPECT_EQ(again.ReadString("File2"), String());
    EXPECT_EQ(again.ReadInteger("Count"), 1);
    EXPECT_EQ(again.ReadInteger("Missing"), 0);
    try {
        again.ReadInteger("File1");   // a text is no integer value
        ADD_FAILURE() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(String(e.Message()), String("Invalid data type for 'File1'"));
    }
    EXPECT_NE(FileText().find("[Software\\Dorvane\\Recent]"), std::string::npos);
}

TEST_F(RegistryTest, KeysNestAndDeletingAKeyTakesItsSubKeysAlong)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Dorvane", true));   // an empty key exists once made
    ASSERT_TRUE(reg.OpenKey("Recent", true));              // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), String("Software\\Dorvane\\Recent"));
    reg.WriteString("File1", "a.dam");
    ASSERT_TRUE(reg.OpenKey("\\Software\\Other", true));
    reg.WriteString("Kept", "yes");
    reg.CloseKey();

    EXPECT_TRUE(reg.KeyExists("Software\\Dorvane"));
    EXPECT_TRUE(reg.DeleteKey("Software\\Dorvane"));
    EXPECT_FALSE(reg.KeyExists("Software\\Dorvane"));
    EXPECT_FALSE(reg.KeyExists("Software\\Dorvane\\Recent"));
    EXPECT_FALSE(reg.DeleteKey("Software\\Dorvane"));      // gone already
    ASSERT_TRUE(reg.OpenKey("Software\\Other", false));
    EXPECT_EQ(reg.ReadString("Kept"), String("yes"));
    EXPECT_TRUE(reg.DeleteValue("Kept"));
    EXPECT_FALSE(reg.ValueExists("Kept"));
}

TEST_F(RegistryTest, OnlyTheCurrentUsersRootHoldsKeys)
{
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKey("Software\\Dorvane", true));
    EXPECT_FALSE(reg.KeyExists("Software"));
    EXPECT_FALSE(reg.CreateKey("Software\\Dorvane"));
    EXPECT_EQ(FileText(), "");   // nothing written
}

TEST_F(RegistryTest, RegistryAsIniFileHasSubkeysForSections)
{
    TRegistryIniFile ini(HKEY_CURRENT_USER, "Software\\Dorvane\\");
    ini.WriteString("Settings", "LastDir", "/home/engineer/dams");
    ini.WriteInteger("Settings", "FilterIndex", 2);
    ini.WriteString("", "Version", "2.0.9.1");   // the key itself
    ini.WriteBool("Recent Files", "Shown", false);

    TRegistryIniFile reader(HKEY_CURRENT_USER, "Software\\Dorvane", true);
    EXPECT_EQ(reader.ReadString("Settings", "LastDir", "?"), "/home/engineer/dams");
    EXPECT_EQ(reader.ReadInteger("Settings", "FilterIndex", 1), 2);
    EXPECT_EQ(reader.ReadInteger("Settings", "Missing", 7), 7);
    EXPECT_EQ(reader.ReadString("", "Version", ""), "2.0.9.1");
    EXPECT_FALSE(reader.ReadBool("Recent Files", "Shown", true));
    TStringList names;
    reader.ReadSections(names);
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names[0], "Settings");
    EXPECT_EQ(names[1], "Recent Files");
    reader.ReadSectionValues("Settings", names);
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names[0], "LastDir=/home/engineer/dams");
    EXPECT_TRUE(reader.RegIniFile().SectionExists("settings"));

    ini.DeleteKey("Settings", "FilterIndex");
    EXPECT_FALSE(reader.ValueExists("Settings", "FilterIndex"));
    ini.EraseSection("Settings");
    EXPECT_FALSE(reader.RegIniFile().SectionExists("Settings"));
    EXPECT_TRUE(reader.RegIniFile().SectionExists("Recent Files"));

    // Read-only on a key that does not exist: nothing is made, reads answer their defaults.
    TRegistryIniFile missing(HKEY_CURRENT_USER, "Software\\Nobody", true);
    EXPECT_EQ(missing.ReadString("A", "B", "default"), "default");
    missing.WriteString("A", "B", "x");
    EXPECT_FALSE(TRegistry().KeyExists("\\Software\\Nobody"));
    TRegistryIniFile machine(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", true);
    EXPECT_EQ(machine.ReadString("", "RegisteredOwner", "(none)"), "(none)");
}
