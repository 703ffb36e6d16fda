// The recent-files list: its order and size, its menu items after the anchor, and its storage
// in the settings file, a text file and the user's registry.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "app/MRUfiles.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

std::vector<std::string> Names(const TMRUFiles& mru)
{
    std::vector<std::string> names;
    for (Integer i = 0; i < mru.Files().Count(); ++i) names.push_back(mru.Files().Get(i).ToUtf8());
    return names;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A File menu "&Open", anchor, "E&xit" with the list's items after the anchor.
struct FileMenu {
    TComponent owner{nullptr};
    TMainMenu* menu = new TMainMenu(&owner);
    TMenuItem* file = new TMenuItem(&owner);
    TMenuItem* anchor = new TMenuItem(&owner);
    FileMenu()
    {
        file->SetCaption("&File");
        menu->Items()->Add(file);
        auto* open = new TMenuItem(&owner);
        open->SetCaption("&Open");
        file->Add(open);
        anchor->SetVisible(false);
        file->Add(anchor);
    }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (Integer i = 0; i < file->Count(); ++i) captions.push_back(file->Items(i)->Caption().ToUtf8());
        return captions;
    }
};

class Clicks : public TObject {
public:
    void Click(TObject* Sender, const String& FileName)
    {
        sender = Sender;
        names.push_back(FileName.ToUtf8());
    }
    TObject* sender = nullptr;
    std::vector<std::string> names;
};

}  // namespace

TEST(MRUFiles, AddPutsTheNameFirstOnceAndKeepsAtMostMaxEntries)
{
    TMRUFiles mru(nullptr);
    mru.SetMaxEntries(8);
    for (int i = 1; i <= 8; ++i) mru.Add(String("/d/f") + IntToStr(i) + ".dam");
    EXPECT_EQ(mru.Files().Count(), 8);
    mru.Add("/d/F3.DAM");   // already there in other letters: moves up as now written
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/d/F3.DAM", "/d/f8.dam", "/d/f7.dam", "/d/f6.dam", "/d/f5.dam",
                                                    "/d/f4.dam", "/d/f2.dam", "/d/f1.dam"}));
    mru.Add("/d/f9.dam");   // a ninth name pushes out the oldest
    EXPECT_EQ(mru.Files().Count(), 8);
    EXPECT_EQ(Names(mru).front(), "/d/f9.dam");
    EXPECT_EQ(Names(mru).back(), "/d/f2.dam");
    mru.Add("");
    EXPECT_EQ(mru.Files().Count(), 8);

    // A smaller maximum leaves one less than itself.
    mru.SetMaxEntries(4);
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/d/f9.dam", "/d/F3.DAM", "/d/f8.dam"}));
}

TEST(MRUFiles, RemoveAndRenameFindNamesIgnoringLetterCase)
{
    TMRUFiles mru(nullptr);
    for (const char* name : {"/a.dam", "/b.dam", "/c.dam"}) mru.Add(name);   // c, b, a
    mru.Rename("/B.DAM", "/bb.dam");   // in place
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/c.dam", "/bb.dam", "/a.dam"}));
    mru.Rename("", "/new.dam");        // an empty old name adds
    mru.Rename("/C.dam", "");          // an empty new name removes
    mru.Rename("/a.dam", "/a.dam");    // the same name: nothing
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/new.dam", "/bb.dam", "/a.dam"}));
    mru.Remove("/A.DAM");
    mru.Remove("/nothere.dam");
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/new.dam", "/bb.dam"}));
}

TEST(MRUFiles, MenuShowsSeparatorThenNamesAfterTheAnchor)
{
    FileMenu menu;
    TMRUFiles mru(&menu.owner);
    mru.SetMaxEntries(8);
    mru.SetNumbered(false);
    mru.SetMenuItem(menu.anchor);
    EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"&Open", ""}));   // empty list: no separator
    mru.Add("/dams/old.dam");
    mru.Add("/dams/new.dam");
    EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"&Open", "", "-", "/dams/new.dam", "/dams/old.dam"}));
    EXPECT_EQ(menu.file->Items(3)->Hint(), String("Opens /dams/new.dam"));

    Clicks clicks;
    mru.OnClick = TMRUClickEvent(&clicks, &Clicks::Click);
    menu.file->Items(4)->Click();
    EXPECT_EQ(clicks.sender, &mru);
    EXPECT_EQ(clicks.names, std::vector<std::string>{"/dams/old.dam"});

    mru.Remove("/dams/new.dam");
    EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"&Open", "", "-", "/dams/old.dam"}));
    mru.SetMenuItem(nullptr);   // the items leave the old anchor's menu
    EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"&Open", ""}));
}

TEST(MRUFiles, NumberedCaptionsCarryTenNumbersThenTwoBlanks)
{
    FileMenu menu;
    TMRUFiles mru(&menu.owner);
    mru.SetMaxEntries(20);
    mru.SetMenuItem(menu.anchor);
    for (int i = 11; i >= 1; --i) mru.Add(String("f") + IntToStr(i));
    const std::vector<std::string> captions = menu.Captions();
    ASSERT_EQ(captions.size(), 2u + 1u + 11u);
    EXPECT_EQ(captions[3], "&1 f1");
    EXPECT_EQ(captions[12], "&10 f10");
    EXPECT_EQ(captions[13], "  f11");
}

TEST(MRUFiles, IniSectionIsRewrittenAndReadUpToTheFirstGap)
{
    TempFolder folder;
    const std::string ini = folder.Make("dorvane.ini", "[Recent Files]\nFile1=/x/one.dam\nFile2=/x/two.dam\n"
                                                       "File3=/x/three.dam\n[Window]\nTop=5\n");
    TMRUFiles mru(nullptr);
    mru.SetMaxEntries(8);
    mru.LoadFromIni(ini.c_str(), "Recent Files");
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/x/one.dam", "/x/two.dam", "/x/three.dam"}));
    mru.Remove("/x/two.dam");
    mru.SaveToIni(ini.c_str(), "Recent Files");
    std::string text = ReadText(ini);
    std::erase(text, '\r');
    EXPECT_NE(text.find("File1=/x/one.dam\nFile2=/x/three.dam\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("File3"), std::string::npos) << text;   // no stale key
    EXPECT_NE(text.find("Top=5"), std::string::npos) << text;

    const std::string gap = folder.Make("gap.ini", "[Recent Files]\nFile1=/x/one.dam\nFile3=/x/three.dam\n");
    mru.LoadFromIni(gap.c_str(), "Recent Files");
    EXPECT_EQ(Names(mru), std::vector<std::string>{"/x/one.dam"});
    mru.LoadFromIni((folder / "missing.ini").c_str(), "Recent Files");
    EXPECT_EQ(mru.Files().Count(), 0);
}

TEST(MRUFiles, RegistryLoadSkipsMissingValuesAndTextFileHoldsOneNamePerLine)
{
    TempFolder folder;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    folder.Make("dorvane/registry.ini", "[Software\\Dorvane\\Recent]\nFile1=/r/one.dam\nFile3=/r/three.dam\n");

    TMRUFiles mru(nullptr);
    mru.SetMaxEntries(8);
    mru.LoadFromRegistry("Software\\Dorvane\\Recent");
    EXPECT_EQ(Names(mru), (std::vector<std::string>{"/r/one.dam", "/r/three.dam"}));
    mru.Add("/r/new.dam");
    mru.SaveToRegistry("Software\\Dorvane\\Recent");
    TMRUFiles back(nullptr);
    back.LoadFromRegistry("Software\\Dorvane\\Recent");
    EXPECT_EQ(Names(back), (std::vector<std::string>{"/r/new.dam", "/r/one.dam", "/r/three.dam"}));
    back.LoadFromRegistry("Software\\Nobody");
    EXPECT_EQ(back.Files().Count(), 0);
    if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");

    const std::string list = folder / "recent.txt";
    mru.SaveToFile(list.c_str());
    EXPECT_EQ(ReadText(list), "/r/new.dam\r\n/r/one.dam\r\n/r/three.dam\r\n");
    back.LoadFromFile(list.c_str());
    EXPECT_EQ(Names(back), Names(mru));
}
