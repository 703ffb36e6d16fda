#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysFormat.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

const std::string Settings =
    "; Dorvane settings\r\n"
    "garbage line without equals\r\n"
    "[Window]\r\n"
    "Top=10\r\n"
    "top=99\r\n"
    "  Left = 20 \r\n"
    "Caption=\"Main window\"\r\n"
    "Path='/home/ana/dam'\r\n"
    "Odd=\"unbalanced'\r\n"
    "Empty=\r\n"
    "; Width=1\r\n"
    "[FILE]\r\n"
    "Last Directory=/data\r\n"
    "\r\n"
    "[window]\r\n"
    "Top=555\r\n"
    "Height=7\r\n"
    "[Recent Files]\r\n"
    "File1=a.dam\r\n";

std::vector<String> Lines(const TStrings& list)
{
    std::vector<String> lines;
    for (Integer i = 0; i < list.Count(); ++i)
        lines.push_back(list[i]);
    return lines;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Each test runs on both kinds of ini file; Commit makes the memory one write.
struct Kind {
    const char* Name;
    std::function<std::unique_ptr<TCustomIniFile>(const String&)> Open;
};

class IniFiles : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override { WriteAllBytes(Path(), Settings); }
    std::string Path() const { return FDir / "dorvane.ini"; }
    std::unique_ptr<TCustomIniFile> Open() const { return GetParam().Open(String(Path())); }
    std::string Bytes() const { return ReadAllBytes(Path()); }

    TempFolder FDir;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    BothKinds, IniFiles,
    ::testing::Values(Kind{"TIniFile", [](const String& n) { return std::make_unique<TIniFile>(n); }},
                      Kind{"TMemIniFile", [](const String& n) { return std::make_unique<TMemIniFile>(n); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_P(IniFiles, ReadsFirstMatchWithoutRegardToCaseAndStripsQuotes)
{
    auto ini = Open();
    struct Case {
        String Section, Key, Expected;
    };
    const Case cases[] = {
        {"WINDOW", "TOP", "10"},                // first section, first key
        {"window", "height", "default"},        // only in the second "window" section
        {"Window", "left", "20"},               // blanks around name and value
        {"Window", "Caption", "Main window"},
        {"Window", "Path", "/home/ana/dam"},
        {"Window", "Odd", "\"unbalanced'"},     // quotes must match to be stripped
        {"Window", "Empty", ""},                // present but empty: not the default
        {"Window", "; Width", "default"},       // a comment is no key
        {"Window", "Width", "default"},
        {"file", "last directory", "/data"},
        {"Nowhere", "Top", "default"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini->ReadString(c.Section, c.Key, "default"), c.Expected) << c.Section << "/" << c.Key;

    EXPECT_EQ(ini->ReadInteger("Window", "Left", 0), 20);
    EXPECT_EQ(ini->ReadInteger("Window", "Caption", -1), -1);
    EXPECT_TRUE(ini->ValueExists("window", "EMPTY"));
    EXPECT_FALSE(ini->ValueExists("Window", "Height"));
    EXPECT_TRUE(ini->SectionExists("recent files"));
    EXPECT_FALSE(ini->SectionExists("Recent"));

    TStringList list;
    list.Add("stale");
    ini->ReadSections(list);
    EXPECT_EQ(Lines(list), (std::vector<String>{"Window", "FILE", "Recent Files"}));
    ini->ReadSection("window", list);
    EXPECT_EQ(Lines(list), (std::vector<String>{"Top", "top", "Left", "Caption", "Path", "Odd", "Empty"}));
    ini->ReadSectionValues("Window", list);
    EXPECT_EQ(Lines(list), (std::vector<String>{"Top=10", "top=10", "Left=20", "Caption=Main window",
                                                "Path=/home/ana/dam", "Odd=\"unbalanced'", "Empty="}));
}

TEST_P(IniFiles, WritingOneKeyKeepsEveryOtherLine)
{
    auto ini = Open();
    ini->WriteInteger("WINDOW", "TOP", 11);
    ini->UpdateFile();
    EXPECT_EQ(Bytes(), Replaced(Settings, "Top=10\r\n", "Top=11\r\n"));
    EXPECT_EQ(ini->ReadInteger("window", "top", 0), 11);
    EXPECT_EQ(ini->ReadString("Window", "Path", ""), "/home/ana/dam");
}

TEST_P(IniFiles, NewKeysAndSectionsAreAdded)
{
    auto ini = Open();
    ini->WriteString("file", "Filter", "2");        // after the section's last line, before the blank
    ini->WriteString("Help", "Context", "830");    // a new section at the end
    ini->WriteString("Help", "Line", "a\r\n[Injected]");   // never breaks the line
    ini->UpdateFile();
    std::string expected = Replaced(Settings, "Last Directory=/data\r\n", "Last Directory=/data\r\nFilter=2\r\n");
    expected += "\r\n[Help]\r\nContext=830\r\nLine=a  [Injected]\r\n";
    EXPECT_EQ(Bytes(), expected);
    TStringList sections;
    ini->ReadSections(sections);
    EXPECT_EQ(sections.IndexOf("Injected"), -1);
}

TEST_P(IniFiles, DeleteKeyAndEraseSectionTouchTheFirstMatchOnly)
{
    auto ini = Open();
    ini->DeleteKey("window", "top");
    EXPECT_EQ(ini->ReadString("Window", "Top", ""), "99");   // the duplicate now comes first
    ini->EraseSection("WINDOW");
    EXPECT_EQ(ini->ReadString("Window", "Top", ""), "555");  // the second section remains
    ini->DeleteKey("Nowhere", "x");
    ini->UpdateFile();
    EXPECT_EQ(Bytes(),
              "; Dorvane settings\r\n"
              "garbage line without equals\r\n"
              "[FILE]\r\n"
              "Last Directory=/data\r\n"
              "\r\n"
              "[window]\r\n"
              "Top=555\r\n"
              "Height=7\r\n"
              "[Recent Files]\r\n"
              "File1=a.dam\r\n");
}

TEST_P(IniFiles, IntegersAndBooleans)
{
    auto ini = Open();
    ini->WriteBool("Flags", "On", true);
    ini->WriteBool("Flags", "Off", false);
    ini->WriteString("Flags", "Hex1", "0x1F");
    ini->WriteString("Flags", "Hex2", "$20");
    ini->WriteInteger("Flags", "Negative", -5);
    EXPECT_TRUE(ini->ReadBool("flags", "on", false));
    EXPECT_FALSE(ini->ReadBool("flags", "off", true));
    EXPECT_TRUE(ini->ReadBool("flags", "missing", true));
    EXPECT_EQ(ini->ReadInteger("Flags", "Hex1", 0), 31);
    EXPECT_EQ(ini->ReadInteger("Flags", "Hex2", 0), 32);
    EXPECT_EQ(ini->ReadInteger("Flags", "Negative", 0), -5);
    EXPECT_EQ(ini->ReadString("Flags", "On", ""), "1");
}

TEST(IniFile, WritesThroughAtOnceInUtf8)
{
    TempFolder dir;
    const String name = dir / "new.ini";
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("A", "B", "none"), "none");   // no file: defaults
    ini.WriteString("Paths", "Last", "/données/Ω");
    EXPECT_EQ(ReadAllBytes(dir / "new.ini"), "[Paths]\r\nLast=/données/Ω\r\n");
    EXPECT_EQ(TIniFile(name).ReadString("paths", "last", ""), "/données/Ω");

    WriteAllBytes(dir / "old.ini", "[A]\r\nName=B\xE9ton\r\n");   // Windows-1252
    EXPECT_EQ(TIniFile(dir / "old.ini").ReadString("A", "Name", ""), "Béton");

    TIniFile nowhere(dir / "no/such/dir.ini");
    try {
        nowhere.WriteString("A", "B", "C");
        FAIL() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + String(dir / "no/such/dir.ini"));
    }
}

TEST(MemIniFile, ChangesStayInMemoryUntilUpdateFile)
{
    TempFolder dir;
    WriteAllBytes(dir / "m.ini", "[S]\r\nK=1\r\n");
    TMemIniFile ini(dir / "m.ini", TEncoding::UTF8);
    ini.WriteString("S", "K", "Ω");
    EXPECT_EQ(ReadAllBytes(dir / "m.ini"), "[S]\r\nK=1\r\n");
    ini.UpdateFile();
    EXPECT_EQ(ReadAllBytes(dir / "m.ini"), "\xEF\xBB\xBF[S]\r\nK=Ω\r\n");

    TStringList lines;
    ini.GetStrings(lines);
    EXPECT_EQ(Lines(lines), (std::vector<String>{"[S]", "K=Ω"}));
    lines.Add("[T]");
    lines.Add("X=2");
    ini.SetStrings(lines);
    EXPECT_EQ(ini.ReadInteger("t", "x", 0), 2);

    ini.Rename(dir / "other.ini", false);
    ini.UpdateFile();
    EXPECT_TRUE(TMemIniFile(dir / "other.ini").SectionExists("T"));
    ini.Rename(dir / "m.ini", true);
    EXPECT_FALSE(ini.SectionExists("T"));

    TMemIniFile marked(dir / "m.ini");   // asked for the default encoding, but the file is marked
    EXPECT_EQ(marked.Encoding(), TEncoding::UTF8);
    EXPECT_EQ(marked.ReadString("S", "K", ""), "Ω");
    marked.UpdateFile();
    EXPECT_EQ(ReadAllBytes(dir / "m.ini"), "\xEF\xBB\xBF[S]\r\nK=Ω\r\n");
    ini.Clear();
    EXPECT_FALSE(ini.SectionExists("S"));
}

// A list of twenty thousand keys and five thousand sections read key by key, as the section lists
// read their files: every read finds its line at once, and a change is seen by the next read.
TEST(MemIniFile, LargeFilesAreReadKeyByKey)
{
    TempFolder dir;
    std::string text = "[Items]\r\n";
    for (int i = 1; i <= 20000; ++i) text += "Item" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    for (int i = 1; i <= 5000; ++i) text += "[Section" + std::to_string(i) + "]\r\nCaption=S" + std::to_string(i) + "\r\n";
    text += "[items]\r\nItem1=later\r\nExtra=later\r\n";
    WriteAllBytes(dir / "big.ini", text);
    TMemIniFile ini(dir / "big.ini");
    long long sum = 0;
    for (int i = 1; i <= 20000; ++i) sum += ini.ReadInteger("items", "ITEM" + IntToStr(i), 0);
    EXPECT_EQ(sum, 20000LL * 20001 / 2);
    Integer found = 0;
    for (int i = 1; i <= 5000; ++i) found += ini.ReadString("Section" + IntToStr(i), "Caption", "") == "S" + IntToStr(i);
    EXPECT_EQ(found, 5000);
    EXPECT_EQ(ini.ReadString("Items", "Extra", "none"), "none");   // only the first section of a name
    TStringList sections, keys;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.Count(), 5001);
    ini.ReadSection("section5000", keys);
    EXPECT_EQ(Lines(keys), (std::vector<String>{"Caption"}));
    ini.WriteString("Items", "Item7", "seven");
    ini.DeleteKey("Items", "Item8");
    EXPECT_EQ(ini.ReadString("Items", "Item7", ""), "seven");
    EXPECT_EQ(ini.ReadString("Items", "Item8", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("Items", "Item9", ""), "9");
    ini.EraseSection("Section1");
    EXPECT_EQ(ini.ReadString("Section2", "Caption", ""), "S2");
    EXPECT_EQ(ini.ReadString("Section1", "Caption", "gone"), "gone");
}

TEST(MemIniFile, UTF8WithoutMarkIsReadAndWrittenWithoutMark)
{
    TempFolder dir;
    TMemIniFile fresh(dir / "n.ini", TEncoding::UTF8NoBOM);
    fresh.WriteString("S", "K", "Ω");
    fresh.UpdateFile();
    EXPECT_EQ(ReadAllBytes(dir / "n.ini"), "[S]\r\nK=Ω\r\n");
    TMemIniFile again(dir / "n.ini", TEncoding::UTF8NoBOM);
    EXPECT_EQ(again.ReadString("S", "K", ""), "Ω");
    WriteAllBytes(dir / "m.ini", "\xEF\xBB\xBF[S]\r\nK=Á\r\n");
    TMemIniFile marked(dir / "m.ini", TEncoding::UTF8NoBOM);   // a marked file keeps its mark
    marked.UpdateFile();
    EXPECT_EQ(ReadAllBytes(dir / "m.ini"), "\xEF\xBB\xBF[S]\r\nK=Á\r\n");
}

// Values read back as written, in each encoding, the marked ones reopened without naming theirs:
// quotes, blanks around the value and letters beyond the 8-bit code page all stay.
TEST(MemIniFile, ValuesAsWrittenReadBackExactlyInEveryEncoding)
{
    using namespace std::string_literals;
    struct Case {
        TEncoding encoding;
        std::string start;   // the mark and the first character, "["
        TEncoding reopenedAs;
    } cases[] = {{TEncoding::UTF8NoBOM, "[", TEncoding::UTF8NoBOM},
                 {TEncoding::UTF8, "\xEF\xBB\xBF[", TEncoding::Default},
                 {TEncoding::Unicode, "\xFF\xFE[\0"s, TEncoding::Default},
                 {TEncoding::BigEndianUnicode, "\xFE\xFF\0["s, TEncoding::Default}};
    const String values[] = {"\"quoted\"", "'single'", "  leading blanks", "trailing blanks  ", "Ω über 水", ""};
    TempFolder dir;
    for (const Case& c : cases) {
        const std::string file = dir / "exact.ini";
        DeleteFile(file);
        {
            TMemIniFile ini(file, c.encoding, TIniValues::AsWritten);
            for (size_t k = 0; k < std::size(values); ++k) ini.WriteString("S", "V" + IntToStr(Integer(k)), values[k]);
            ini.UpdateFile();
        }
        const std::string bytes = ReadAllBytes(file);
        EXPECT_EQ(bytes.substr(0, c.start.size()), c.start) << int(c.encoding);
        TMemIniFile again(file, c.reopenedAs, TIniValues::AsWritten);
        EXPECT_EQ(again.Encoding(), c.encoding);
        for (size_t k = 0; k < std::size(values); ++k)
            EXPECT_EQ(again.ReadString("S", "V" + IntToStr(Integer(k)), "missing"), values[k]) << int(c.encoding) << " " << k;
        TMemIniFile trimmed(file, c.reopenedAs);   // the private-profile rule for everybody else
        EXPECT_EQ(trimmed.ReadString("S", "V0", ""), "quoted");
        EXPECT_EQ(trimmed.ReadString("S", "V2", ""), "leading blanks");
    }
}

TEST_P(IniFiles, FloatsAndDatesFollowTheFormatSettings)
{
    const TFormatSettings saved = FormatSettings;
    FormatSettings = TFormatSettings::French();
    auto ini = Open();
    ini->WriteFloat("Values", "Ratio", 1.5);
    EXPECT_EQ(ini->ReadString("Values", "Ratio", ""), "1,5");
    EXPECT_EQ(ini->ReadFloat("values", "ratio", 0), 1.5);
    ini->WriteString("Values", "Bad", "1.5x");
    EXPECT_EQ(ini->ReadFloat("Values", "Bad", -2), -2);
    EXPECT_EQ(ini->ReadFloat("Values", "Missing", -3), -3);

    const TDateTime day = EncodeDate(2026, 12, 10);
    const TDateTime moment = day + EncodeTime(10, 30, 15, 0);
    ini->WriteDate("Values", "Day", day);
    ini->WriteTime("Values", "Time", moment);
    ini->WriteDateTime("Values", "Moment", moment);
    EXPECT_EQ(ini->ReadString("Values", "Day", ""), DateToStr(day));
    EXPECT_EQ(ini->ReadString("Values", "Moment", ""), DateTimeToStr(moment));
    EXPECT_EQ(ini->ReadDate("Values", "Day", 0), day);
    EXPECT_NEAR(ini->ReadTime("Values", "Time", 0), moment - day, 1e-9);
    EXPECT_NEAR(ini->ReadDateTime("Values", "Moment", 0), moment, 1e-9);
    EXPECT_EQ(ini->ReadDate("Values", "Bad", 7), 7);

    FormatSettings = TFormatSettings::English();
    EXPECT_EQ(ini->ReadFloat("Values", "Ratio", -1), -1);   // "1,5" is no number here
    FormatSettings = saved;
}
