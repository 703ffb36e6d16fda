// The settings component on every target: an ini file shared with other writers, the registry
// store, the memory ini file and XML; section names, encoding, typed values, lists and objects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "foundation/StyClass.h"
#include "foundation/StyIniCtrl.h"
#include "foundation/StyStrings.h"
#include "platform/classes/TypInfo.h"
#include "platform/forms/Forms.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/SysFormat.h"

namespace {

// A fresh folder, also standing as the user's settings folder, for one test.
class IniCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dorvane-ini-XXXXXX").string();
        FFolder = ::mkdtemp(pattern.data()) ? pattern : std::string();
        const char* old = std::getenv("XDG_CONFIG_HOME");
        FHad = old != nullptr;
        if (old) FOld = old;
        ::setenv("XDG_CONFIG_HOME", FFolder.c_str(), 1);
    }
    void TearDown() override
    {
        if (FHad) ::setenv("XDG_CONFIG_HOME", FOld.c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(FFolder, ignored);
    }
    String Path(const std::string& name) const { return String(FFolder + "/" + name); }
    std::string Text(const std::string& name) const
    {
        std::ifstream in(FFolder + "/" + name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string FFolder;
    bool FHad = false;
    std::string FOld;
};

// The main window's settings component.
void SetUpAsMainWindow(TStyIniCtrl& ini, const String& file)
{
    ini.SetIniPrefix(ppFixed);
    ini.SetTarget(itIniFile);
    ini.SetCryptMode(icmTextKey);
    ini.SetIniFile(file);
}

std::vector<String> Lines(const TStrings& strings)
{
    std::vector<String> out;
    for (Integer i = 0; i < strings.Count(); ++i) out.push_back(strings[i]);
    return out;
}

// Published properties of several kinds, for the object operations.
class TJointSettings : public TPersistent {
    DECLARE_CLASS(TJointSettings, TPersistent)
public:
    Integer Count() const { return FCount; }
    void SetCount(Integer v) { FCount = v; }
    double Angle() const { return FAngle; }
    void SetAngle(double v) { FAngle = v; }
    String Label() const { return FLabel; }
    void SetLabel(const String& v) { FLabel = v; }
    bool Cracked() const { return FCracked; }
    void SetCracked(bool v) { FCracked = v; }
    Integer FCount = 3;
    double FAngle = 0;
    String FLabel;
    bool FCracked = false;
};

TClass TJointSettings::StaticClass()
{
    static const TMetaClass meta("TJointSettings", TPersistent::StaticClass(), NewObject<TJointSettings>,
                                 [](TMetaClass& m) {
                                     TPublished<TJointSettings>(&m)
                                         .Property("Count", &TJointSettings::Count, &TJointSettings::SetCount)
                                         .Default(3)
                                         .Property("Angle", &TJointSettings::Angle, &TJointSettings::SetAngle)
                                         .Property("Label", &TJointSettings::Label, &TJointSettings::SetLabel)
                                         .Property("Cracked", &TJointSettings::Cracked, &TJointSettings::SetCracked)
                                         .Default(false);
                                 });
    return &meta;
}

}  // namespace

TEST_F(IniCtrlTest, IniFileSharedWithOtherWritersKeepsTheirSections)
{
    const String file = Path("dorvane.ini");
    TStyIniCtrl ini(nullptr);
    SetUpAsMainWindow(ini, file);
    ini.WriteInteger("Window", "Left", 120);
    ini.WriteString("Settings", "LastDir", "/home/engineer/dams");

    // The recent-files list writes its own section of the same file in between.
    {
        TIniFile recent(file);
        recent.WriteString("Recent Files", "File0", "/home/engineer/dams/A.dam");
    }
    ini.WriteInteger("Window", "State", 2);
    ini.WriteInteger("Settings", "FilterIndex", 3);

    TIniFile check(file);
    EXPECT_EQ(check.ReadString("Recent Files", "File0", ""), "/home/engineer/dams/A.dam");
    EXPECT_EQ(ini.ReadInteger("Window", "Left", 0), 120);
    EXPECT_EQ(ini.ReadInteger("Window", "State", 0), 2);
    EXPECT_EQ(ini.ReadString("Settings", "LastDir", ""), "/home/engineer/dams");
    EXPECT_EQ(ini.ReadInteger("Settings", "Missing", 7), 7);
    EXPECT_EQ(ini.GetIniName(), file);
    EXPECT_EQ(Text("dorvane.ini"),
              "[Window]\r\nLeft=120\r\nState=2\r\n\r\n[Settings]\r\nLastDir=/home/engineer/dams\r\nFilterIndex=3\r\n\r\n"
              "[Recent Files]\r\nFile0=/home/engineer/dams/A.dam\r\n");

    ini.SetIniFile(Path("other"));
    EXPECT_EQ(ini.IniFile(), Path("other.ini"));
    ini.SetIniFile(Path("other.cfg"));
    EXPECT_EQ(ini.IniFile(), Path("other.cfg"));
}

TEST_F(IniCtrlTest, SectionNamesFollowTheLastOneAndTheUser)
{
    TStyIniCtrl ini(nullptr);
    SetUpAsMainWindow(ini, Path("s.ini"));
    ini.WriteString("", "A", "1");   // no section yet: "Common"
    ini.ReadString("Window", "X", "");
    ini.WriteString(" ", "B", "2");   // the last one, Window
    EXPECT_EQ(ini.Section(), "Window");
    TIniFile check(Path("s.ini"));
    EXPECT_EQ(check.ReadString("Common", "A", ""), "1");
    EXPECT_EQ(check.ReadString("Window", "B", ""), "2");

    ini.SetCommon(false);
    ini.SetUser("bob");
    ini.WriteString("Main", "C", "3");
    EXPECT_EQ(check.ReadString("bob.Main", "C", ""), "3");
    EXPECT_TRUE(ini.SectionExists("bob.Main"));
    EXPECT_FALSE(ini.SectionExists("Main"));
    EXPECT_TRUE(ini.ValueExists("Main", "C"));

    ini.SetNetUser(true);
    EXPECT_EQ(ini.User(), ini.GetNetUserName());
    EXPECT_EQ(ini.GetSectionName("Main"), ini.GetNetUserName() + ".Main");
}

TEST_F(IniCtrlTest, EncodedValuesAreStoredInTheSixBitForm)
{
    TStyIniCtrl ini(nullptr);
    SetUpAsMainWindow(ini, Path("e.ini"));
    ini.SetEncoded(true);
    ini.WriteString("Settings", "LastDir", "abc");
    EXPECT_EQ(Text("e.ini"), "[Settings]\r\nLastDir=3:f@dj\r\n");   // "abc" ciphered with key 47193
    EXPECT_EQ(ini.ReadString("Settings", "LastDir", ""), "abc");
    EXPECT_EQ(ini.ReadString("Settings", "Missing", "default"), "default");

    ini.SetCryptMode(icmKey);
    ini.WriteString("Settings", "Key", "\u00E9t\u00E9 /dams");
    EXPECT_EQ(ini.ReadString("Settings", "Key", ""), "\u00E9t\u00E9 /dams");
    EXPECT_NE(TIniFile(Path("e.ini")).ReadString("Settings", "Key", ""), "\u00E9t\u00E9 /dams");

    ini.SetCryptMode(icmCustom);   // no events: stored as it is
    ini.WriteString("Settings", "Plain", "as is");
    EXPECT_EQ(TIniFile(Path("e.ini")).ReadString("Settings", "Plain", ""), "as is");
    EXPECT_EQ(ini.ReadString("Settings", "Plain", ""), "as is");
}

TEST_F(IniCtrlTest, ListsAreNumberedEntriesOfAnErasedSection)
{
    TStyIniCtrl ini(nullptr);
    SetUpAsMainWindow(ini, Path("l.ini"));
    TStringList lines;
    for (int i = 0; i < 20; ++i) lines.Add("file" + IntToStr(i));
    ini.WriteString("Recent", "Stale", "x");
    ini.WriteStrings("Recent", "F", lines);
    TStringList keys;
    ini.ReadSection("Recent", keys);
    ASSERT_EQ(keys.Count(), 16);
    EXPECT_EQ(keys[0], "F0");
    EXPECT_EQ(keys[15], "F15");
    TStringList back;
    ini.ReadStrings("Recent", "F", back);
    EXPECT_EQ(back.Count(), 16);
    EXPECT_EQ(back[15], "file15");
    ini.DeleteKey("Recent", "F3");
    ini.ReadStrings("Recent", "F", back);
    EXPECT_EQ(back.Count(), 3);   // stops at the first missing entry

    ini.SetAlphaCounter(true);
    EXPECT_EQ(ini.MaxEntries(), 16);
    ini.SetMaxEntries(30);
    EXPECT_EQ(ini.MaxEntries(), 16);
    ini.SetMaxEntries(26);
    ini.SetEncoded(true);
    ini.WriteStrings("Alpha", "K", lines);
    ini.ReadSection("Alpha", keys);
    ASSERT_EQ(keys.Count(), 20);
    EXPECT_EQ(keys[19], "KT");
    ini.ReadStrings("Alpha", "K", back);
    EXPECT_EQ(Lines(back), Lines(lines));
    ini.WriteStringsExt("Alpha", "K", 0, lines);
    ini.ReadSection("Alpha", keys);
    EXPECT_EQ(keys.Count(), 0);
}

TEST_F(IniCtrlTest, TypedValuesReadBackWhateverTheLocale)
{
    TStyIniCtrl ini(nullptr);
    SetUpAsMainWindow(ini, Path("t.ini"));
    TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.DateSeparator = u'/';
    FormatSettings.ShortDateFormat = "dd/mm/yyyy";

    ini.WriteFloat("Values", "Ratio", 1.5);
    EXPECT_EQ(TIniFile(Path("t.ini")).ReadString("Values", "Ratio", ""), "1.5");
    EXPECT_DOUBLE_EQ(static_cast<double>(ini.ReadFloat("Values", "Ratio", 0)), 1.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(ini.ReadFloat("Values", "Missing", 0.25)), 0.25);
    ini.WriteString("Values", "Dashed", "24-12-2025");
    EXPECT_EQ(ini.ReadDate("Values", "Dashed", 0), EncodeDate(2025, 12, 24));
    ini.WriteString("Values", "Bad", "soon");
    EXPECT_THROW(ini.ReadDate("Values", "Bad", 0), EConvertError);
    EXPECT_THROW(ini.ReadFloat("Values", "Bad", 0), EConvertError);
    EXPECT_THROW(ini.ReadColor("Values", "Bad", clRed), EConvertError);
    FormatSettings = saved;

    ini.WriteColor("Look", "Back", clBtnFace);
    EXPECT_EQ(ini.ReadColor("Look", "Back", clRed), clBtnFace);
    EXPECT_EQ(ini.ReadColor("Look", "Missing", 0x102030), 0x102030);
    ini.WriteRect("Look", "Bounds", TRect{10, 20, 300, 400});
    EXPECT_EQ(ini.ReadRect("Look", "Bounds", TRect{}), (TRect{10, 20, 300, 400}));
    EXPECT_EQ(ini.ReadPoint("Look", "Missing", TPoint{5, 6}), (TPoint{5, 6}));
    TFont font;
    font.SetName("Arial");
    font.SetStyle(TFontStyles{TFontStyle::fsBold});
    ini.WriteFont("Look", "Font", font);
    TFont back;
    EXPECT_TRUE(ini.ReadFont("Look", "Font", back));
    EXPECT_TRUE(back.SameAs(font));
    EXPECT_FALSE(ini.ReadFont("Look", "NoFont", back));
    ini.WriteBool("Look", "Flat", true);
    EXPECT_TRUE(ini.ReadBool("Look", "Flat", false));
    ini.WriteTime("Look", "At", EncodeTime(13, 45, 10, 0));
    EXPECT_NEAR(ini.ReadTime("Look", "At", 0), EncodeTime(13, 45, 10, 0), 1e-9);
}

TEST_F(IniCtrlTest, RegistryTargetUnderTheApplicationsDefaultPath)
{
    TStyIniCtrl ini(nullptr);
    EXPECT_EQ(ini.Target(), itAuto);
    EXPECT_EQ(ini.WorkingTarget(), itRegistry);
    StyApplication()->SetCompany("Dorvane Engineering");
    EXPECT_EQ(ini.GetRegPath(), "Software\\Dorvane Engineering\\" + Application->Title() + "\\");
    ini.WriteString("Window", "Caption", "Dam");
    ini.WriteInteger("#ROOT", "Runs", 4);
    TStringList colours;
    colours.Add("Water=clBlue");
    colours.Add("=clRed");   // no name: left out
    ini.WriteColorList("Colours", colours);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Dorvane Engineering\\" + Application->Title() + "\\Window"));
    EXPECT_EQ(reg.ReadString("Caption"), "Dam");
    EXPECT_EQ(ini.ReadInteger("#ROOT", "Runs", 0), 4);
    EXPECT_EQ(ini.ReadString("Window", "Caption", ""), "Dam");
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(Lines(sections), (std::vector<String>{"Window", "Colours"}));
    ini.ReadColorList("Colours", colours);
    EXPECT_EQ(Lines(colours), std::vector<String>{"Water=clBlue"});
    ini.EraseSection("Window");
    EXPECT_EQ(ini.ReadString("Window", "Caption", "gone"), "gone");
    StyApplication()->SetCompany(String());

    ini.SetRegPath("Software\\Dorvane\\Test");
    EXPECT_EQ(ini.GetRegPath(), "Software\\Dorvane\\Test\\");
    TJointSettings joint;
    joint.FCount = 9;
    joint.FAngle = 12.5;
    joint.FLabel = "lift 3";
    ini.WriteObject("Joint", &joint);
    TJointSettings read;
    ini.ReadObject("Joint", &read);
    EXPECT_EQ(read.FCount, 9);
    EXPECT_DOUBLE_EQ(read.FAngle, 12.5);
    EXPECT_EQ(read.FLabel, "lift 3");
    TStringList keys;
    ini.ReadSection("Joint", keys);
    EXPECT_EQ(Lines(keys), (std::vector<String>{"Count", "Angle", "Label"}));   // Cracked is at its default
}

TEST_F(IniCtrlTest, MemoryTargetWritesItsFileOnSave)
{
    TStyIniCtrl ini(nullptr);
    ini.SetIniPrefix(ppFixed);
    ini.SetIniFile(Path("styles.ini"));
    ini.SetTarget(itMemIniFile);
    ASSERT_NE(ini.MemIniFile(), nullptr);
    ini.WriteString("Style", "Face", "Flat");
    ini.WriteInteger("Style", "Depth", 2);
    EXPECT_FALSE(FileExists(Path("styles.ini")));
    ini.Save();
    EXPECT_EQ(Text("styles.ini"), "[Style]\r\nFace=Flat\r\nDepth=2\r\n");

    TStyIniCtrl other(nullptr);
    other.SetIniPrefix(ppFixed);
    other.SetIniFile(Path("styles.ini"));
    other.SetTarget(itMemIniFile);
    EXPECT_EQ(other.ReadString("Style", "Face", ""), "Flat");
    other.Clear();
    EXPECT_EQ(other.ReadInteger("Style", "Depth", -1), -1);
    other.Load();
    EXPECT_EQ(other.ReadInteger("Style", "Depth", -1), 2);

    TStringStream stream("[Old]\nName = Dam ; remark\n; alone\nplain\n");
    TStyMemIniFile* memory = ini.MemIniFile();
    memory->LoadFromStream(stream);
    memory->Normalize(";", true);
    memory->RenameSection("old", "New");
    TStringList lines;
    memory->GetStrings(lines);
    EXPECT_EQ(Lines(lines), (std::vector<String>{"[New]", "Name=Dam", "", "plain"}));
}

TEST_F(IniCtrlTest, XmlTargetKeepsSectionsAndKeysAsElements)
{
    TStyIniCtrl ini(nullptr);
    ini.SetXmlFile(Path("settings"));
    EXPECT_EQ(ini.XmlFile(), Path("settings.xml"));
    ini.SetTarget(itXml);
    ini.WriteString("Window", "Caption", "Dam & reservoir");
    ini.WriteInteger("Window", "Left", -5);
    ini.WriteBool("Window", "Max", true);
    ini.WriteString("Window", "Empty", "");
    ini.WriteFloat("Window", "Ratio", 0.75);
    EXPECT_EQ(ini.ReadString("Window", "Missing", "default"), "default");
    EXPECT_EQ(ini.ReadInteger("Nowhere", "Left", 8), 8);
    TStringList values;
    ini.ReadSectionValues("Window", values);
    EXPECT_EQ(Lines(values), (std::vector<String>{"Caption=Dam & reservoir", "Left=-5", "Max=True", "Ratio=0.75"}));
    EXPECT_FALSE(ini.SectionExists("Window"));
    ini.Save();

    TStyIniCtrl other(nullptr);
    other.SetXmlFile(Path("settings.xml"));
    other.SetTarget(itXml);
    EXPECT_EQ(other.ReadString("Window", "Caption", ""), "Dam & reservoir");
    EXPECT_EQ(other.ReadInteger("Window", "Left", 0), -5);
    EXPECT_TRUE(other.ReadBool("Window", "Max", false));
    EXPECT_THROW(other.ReadInteger("Window", "Caption", 0), EConvertError);
    TStringList sections;
    other.ReadSections(sections);
    EXPECT_EQ(Lines(sections), std::vector<String>{"Window"});
    EXPECT_EQ(other.Xml()->DocumentElement().NodeName(), "root");

    TStringList list;
    list.Add("a");
    list.Add("b");
    other.WriteStrings("Window", "Item", list);   // the section is emptied first
    other.ReadSection("Window", sections);
    EXPECT_EQ(Lines(sections), (std::vector<String>{"Item0", "Item1"}));
    other.DeleteKey("Window", "Item0");
    other.ReadStrings("Window", "Item", list);
    EXPECT_EQ(list.Count(), 0);

    TJointSettings joint;
    joint.FAngle = 2.5;
    other.WriteObject("Joint", &joint);
    TJointSettings read;
    read.FAngle = 9;
    other.ReadObject("Joint", &read);
    EXPECT_DOUBLE_EQ(read.FAngle, 2.5);
    EXPECT_EQ(read.FCount, 3);   // not written: at its default
}
