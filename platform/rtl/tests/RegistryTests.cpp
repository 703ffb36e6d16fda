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
