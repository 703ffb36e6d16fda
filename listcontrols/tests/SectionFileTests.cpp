#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

class SectionFiles : public ::testing::Test {
protected:
    String File(const char* name) const { return String(FFolder / name); }
    std::vector<String> Lines(const String& file)
    {
        TStringList list;
        list.LoadFromFile(file);
        std::vector<String> lines;
        for (Integer i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
        return lines;
    }
    TSectionListFixture f;
    TempFolder FFolder;
};

TEST_F(SectionFiles, ACheckBoxSectionIsWrittenAndReadBackEqual)
{
    TListSection* s = f.AddSection("Joints", {"Joint 1", "Joint 2"});
    s->SetControlType(scCheckbox);
    s->SetSubItemCheckState(1, true);
    s->SetReadOnly(false);
    s->SetState(lssExpanded);
    f.AddSection("Loads", {"Uplift"});
    const String file = File("list.ini");
    f.List->SaveToFile(file);
    // A blank line parts the sections, as the ini files of the platform write them.
    EXPECT_EQ(Lines(file), (std::vector<String>{
                               "[SECTIONS]", "COUNT=2", "", "[SECTION1]", "CAPTION=Joints", "SUBITEMCOUNT=2", "CONTROL=1",
                               "RADIO=0", "STATE=0", "READONLY=0", "SORTSHOW=0", "SORTDIR=0", "COLOR=-16777211",
                               "SUBITEM1=Joint 1", "SUBVAL1=0", "SUBITEM2=Joint 2", "SUBVAL2=1", "", "[SECTION2]",
                               "CAPTION=Loads", "SUBITEMCOUNT=1", "CONTROL=0", "RADIO=0", "STATE=1", "READONLY=1",
                               "SORTSHOW=0", "SORTDIR=0", "COLOR=-16777211", "SUBITEM1=Uplift", "SUBVAL1=0"}));

    TSectionListFixture g;
    g.List->LoadFromFile(file);
    ASSERT_EQ(g.List->Sections().Count(), 2);
    TListSection* r = g.List->Sections()[0];
    EXPECT_EQ(r->Caption(), String("Joints"));
    EXPECT_EQ(r->ControlType(), scCheckbox);
    EXPECT_EQ(r->State(), lssExpanded);
    EXPECT_FALSE(r->ReadOnly());
    EXPECT_FALSE(r->GetSubItemCheckState(0));
    EXPECT_TRUE(r->GetSubItemCheckState(1));
    EXPECT_EQ(g.List->Sections()[1]->State(), lssContracted);
    EXPECT_EQ(g.Rows(), f.Rows());
    const String again = File("again.ini");
    g.List->SaveToFile(again);
    EXPECT_EQ(Lines(again), Lines(file));
}

TEST_F(SectionFiles, MissingKeysTakeTheirDefaultsAndOldSectionsStay)
{
    const String file = File("old.ini");
    TStringList text;
    text.SetText("[SECTIONS]\r\nCOUNT=1\r\n[SECTION1]\r\nCAPTION=C\r\nSUBITEMCOUNT=3\r\nSUBITEM1=b\r\n"
                 "SUBITEM2=c\r\nSUBITEM3=a\r\nSORTDIR=2\r\n[SECTION2]\r\nCAPTION=stale\r\n");
    text.SaveToFile(file);
    f.List->LoadFromFile(file);
    ASSERT_EQ(f.List->Sections().Count(), 1);
    TListSection* s = f.List->Sections()[0];
    EXPECT_EQ(s->State(), lssExpanded);   // no STATE key: open
    EXPECT_FALSE(s->ReadOnly());          // no READONLY key: editable
    EXPECT_EQ(f.Rows(), (std::vector<String>{"S:C", "  c", "  b", "  a"}));
    f.List->SaveToFile(file);
    TStringList back;
    back.LoadFromFile(file);
    EXPECT_GE(back.IndexOf("[SECTION2]"), 0);   // a later, shorter list leaves it in the file
}

TEST_F(SectionFiles, CountsBeyondWhatTheFileHoldsReadWhatItHolds)
{
    const String file = File("counts.ini");
    TStringList text;
    text.SetText("[SECTIONS]\r\nCOUNT=2147483647\r\n[SECTION1]\r\nCAPTION=C\r\nSUBITEMCOUNT=2147483647\r\n"
                 "SUBITEM1=a\r\n");
    text.SaveToFile(file);
    f.List->LoadFromFile(file);
    // two sections in the file, three keys in the first
    ASSERT_LE(f.List->Sections().Count(), 2);
    EXPECT_LE(f.List->Sections()[0]->SubItems().Count(), 3);
    EXPECT_EQ(f.List->Sections()[0]->SubItems()[0], String("a"));
}

// A long list, open and closed sections mixed, loads row for row as it was saved, and its row
// heights and the rows' sections are those of the list it was saved from.
TEST_F(SectionFiles, AListOfManySectionsReadsBackRowForRow)
{
    f.List->BeginUpdate();
    for (Integer s = 0; s < 120; ++s) {
        TListSection* section = f.AddSection("Section " + IntToStr(s), {"Joint", "<b>Heel</b>", "Toe"});
        section->SubItems().Add(String("Crest ") + IntToStr(s));
        if (s % 3 != 1) section->SetState(lssExpanded);
    }
    f.List->EndUpdate();
    const String file = File("many.ini");
    f.List->SaveToFile(file);
    TSectionListFixture g;
    g.List->LoadFromFile(file);
    ASSERT_EQ(g.Rows(), f.Rows());
    for (Integer row = 0; row < f.List->Items().Count(); row += 7) {
        EXPECT_EQ(g.List->Perform(LB_GETITEMHEIGHT, row, 0), f.List->Perform(LB_GETITEMHEIGHT, row, 0)) << row;
        EXPECT_EQ(g.List->GetItemSectionIndex(row), f.List->GetItemSectionIndex(row)) << row;
    }
    const String again = File("again.ini");
    g.List->SaveToFile(again);
    EXPECT_EQ(Lines(again), Lines(file));
}

std::string Bytes(const String& file)
{
    TMemoryStream stream;
    stream.LoadFromFile(file);
    return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

// New files are UTF-8 without a mark; a file in the 8-bit code page is written back in it.
TEST_F(SectionFiles, FilesAreWrittenBackInTheEncodingTheyWereReadIn)
{
    f.AddSection("\xC3\x89vacuateur", {"d\xC3\xA9" "bit"});
    const String fresh = File("fresh.ini");
    f.List->SaveToFile(fresh);
    EXPECT_EQ(Bytes(fresh).substr(0, 10), "[SECTIONS]");
    EXPECT_NE(Bytes(fresh).find("CAPTION=\xC3\x89vacuateur"), std::string::npos);
    TSectionListFixture g;
    g.List->LoadFromFile(fresh);
    EXPECT_EQ(g.List->Sections()[0]->Caption(), String("\xC3\x89vacuateur"));

    const String old = File("old.ini");
    TStringList text;
    text.SetText("[SECTIONS]\r\nCOUNT=1\r\n[SECTION1]\r\nCAPTION=D\xC3\xA9" "bit\r\n");
    text.SaveToFile(old, TEncoding::Default);   // "Débit" in Windows-1252: one byte $E9
    g.List->LoadFromFile(old);
    EXPECT_EQ(g.List->Sections()[0]->Caption(), String("D\xC3\xA9" "bit"));
    g.List->SaveToFile(old);
    EXPECT_NE(Bytes(old).find("CAPTION=D\xE9" "bit"), std::string::npos);
}

TEST_F(SectionFiles, NameValueFilesAppendOneSectionPerIniSection)
{
    const String file = File("values.ini");
    f.AddSection("A", {"x=1", "y=2", "no key"});
    f.AddSection("B", {"z=3"});
    f.List->SaveToInifile(file);
    EXPECT_EQ(Lines(file), (std::vector<String>{"[A]", "x=1", "y=2", "", "[B]", "z=3"}));
    f.List->LoadFromInifile(file);
    ASSERT_EQ(f.List->Sections().Count(), 4);
    EXPECT_EQ(f.List->Sections()[2]->Caption(), String("A"));
    EXPECT_EQ(f.List->Sections()[2]->SubItems().Text(), String("x=1\r\ny=2\r\n"));
    EXPECT_EQ(f.List->Sections()[3]->State(), lssContracted);
}

TEST_F(SectionFiles, HighlightingWrapsEveryOccurrenceAndRemovesOnlyItsOwnTags)
{
    TListSection* s = f.AddSection("Uplift", {"uplift at heel", "no match"});
    s->SetState(lssExpanded);
    f.List->HilightInList("lift", false);
    f.List->MarkInList("heel", true);
    EXPECT_EQ(s->Caption(), String("Up<hi>lift</hi>"));
    EXPECT_EQ(f.Rows(), (std::vector<String>{"S:Up<hi>lift</hi>", "  up<hi>lift</hi> at <e>heel</e>", "  no match"}));
    f.List->UnHilightInList();
    EXPECT_EQ(f.Rows(), (std::vector<String>{"S:Uplift", "  uplift at <e>heel</e>", "  no match"}));
    f.List->HiLightInSection(1, "x", false);   // no such section
    f.List->UnMarkInSubItem(0, 0);
    EXPECT_EQ(s->SubItems()[0], String("uplift at heel"));
}

// Captions and sub-items read back exactly, in a new file and in files whose byte-order mark names
// their encoding (which the file keeps): quotes, leading blanks and letters beyond the code page.
TEST_F(SectionFiles, TextsReadBackExactlyInEveryEncoding)
{
    struct Case {
        const char* name;
        TEncoding encoding;   // of the file there before; Default: no file
        std::string start;    // the file's first bytes after saving
    } cases[] = {{"new", TEncoding::Default, "["},
                 {"UTF-8", TEncoding::UTF8, "\xEF\xBB\xBF["},
                 {"UTF-16 LE", TEncoding::Unicode, std::string("\xFF\xFE[\0", 4)},
                 {"UTF-16 BE", TEncoding::BigEndianUnicode, std::string("\xFE\xFF\0[", 4)}};
    const std::vector<const char*> texts = {"\"quoted\"", "'single'", "  two leading blanks", "Ω über 水", "a=b"};
    TListSection* s = f.AddSection("\"Quoted caption\"", {});
    for (const char* text : texts) s->SubItems().Add(text);
    f.AddSection("  Indented caption", {"x"});
    for (const Case& c : cases) {
        const String file = File((std::string(c.name) + ".ini").c_str());
        if (c.encoding != TEncoding::Default) {
            TStringList before;
            before.Add("[SECTIONS]");
            before.Add("COUNT=0");
            before.SaveToFile(file, c.encoding);
        }
        f.List->SaveToFile(file);
        const std::string bytes = ReadAllBytes(file.ToUtf8());
        EXPECT_EQ(bytes.substr(0, c.start.size()), c.start) << c.name;
        TSectionListFixture g;
        g.List->LoadFromFile(file);
        ASSERT_EQ(g.List->Sections().Count(), 2) << c.name;
        EXPECT_EQ(g.List->Sections()[0]->Caption(), s->Caption()) << c.name;
        EXPECT_EQ(g.List->Sections()[1]->Caption(), String("  Indented caption")) << c.name;
        ASSERT_EQ(g.List->Sections()[0]->SubItems().Count(), static_cast<Integer>(texts.size())) << c.name;
        for (size_t k = 0; k < texts.size(); ++k)
            EXPECT_EQ(g.List->Sections()[0]->SubItems()[static_cast<Integer>(k)], String(texts[k])) << c.name << " " << k;
    }
}

}  // namespace
