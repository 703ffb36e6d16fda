#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/SysFormat.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

std::vector<String> Lines(const TStrings& list)
{
    std::vector<String> lines;
    for (Integer i = 0; i < list.Count(); ++i)
        lines.push_back(list[i]);
    return lines;
}

TObject* Tag(intptr_t n) { return reinterpret_cast<TObject*>(n); }

}  // namespace

TEST(List, AddInsertDeleteMoveAndErrors)
{
    int a = 1, b = 2, c = 3;
    TList list;
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&c), 1);
    list.Insert(1, &b);
    EXPECT_EQ(list.IndexOf(&b), 1);
    list.Move(0, 2);   // b c a
    EXPECT_EQ(list.Items(0), &b);
    EXPECT_EQ(list.Last(), &a);
    list.Exchange(0, 2);   // a c b
    EXPECT_EQ(list.First(), &a);
    EXPECT_EQ(list.Remove(&c), 1);
    EXPECT_EQ(list.Remove(&c), -1);
    EXPECT_EQ(list.Count(), 2);

    list.Sort([](void* x, void* y) { return *static_cast<int*>(y) - *static_cast<int*>(x); });
    EXPECT_EQ(list.First(), &b);

    list.SetCount(4);
    EXPECT_EQ(list.Items(3), nullptr);
    list.Pack();
    EXPECT_EQ(list.Count(), 2);
    EXPECT_GE(list.Capacity(), 2);

    try {
        list.Items(2);
        FAIL() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "Index de liste hors limites (2)");
    }
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Insert(3, &a), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(List, NotifiesDescendantsOfAddedAndDeletedItems)
{
    struct Recorder : TList {
        std::vector<std::pair<void*, TListNotification>> Log;
        void Notify(void* item, TListNotification action) override { Log.emplace_back(item, action); }
    };
    int a = 1, b = 2;
    Recorder list;
    list.Add(&a);
    list.Add(&b);
    list.Extract(&a);
    list.Delete(0);
    const std::vector<std::pair<void*, TListNotification>> expected = {
        {&a, lnAdded}, {&b, lnAdded}, {&a, lnExtracted}, {&b, lnDeleted}};
    EXPECT_EQ(list.Log, expected);
}

TEST(StringList, UnsortedIsCaseInsensitiveByDefault)
{
    TStringList list;
    list.Add("Béton");
    list.AddObject("acier", Tag(7));
    EXPECT_EQ(list.IndexOf("BÉTON"), 0);
    EXPECT_EQ(list.IndexOf("ACIER"), 1);
    EXPECT_EQ(list.Objects(1), Tag(7));
    EXPECT_EQ(list.IndexOfObject(Tag(7)), 1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("ACIER"), -1);

    list.Exchange(0, 1);
    EXPECT_EQ(Lines(list), (std::vector<String>{"acier", "Béton"}));
    EXPECT_EQ(list.Objects(0), Tag(7));
    try {
        list.Get(5);
        FAIL() << "no exception";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "Index de liste hors limites (5)");
    }
}

TEST(StringList, SortedWithEachDuplicatesMode)
{
    struct Case {
        TDuplicates Mode;
        std::vector<String> Expected;
        bool Raises;
    };
    const Case cases[] = {
        {dupIgnore, {"a", "B", "c"}, false},
        {dupAccept, {"a", "b", "B", "c"}, false},
        {dupError, {"a", "B", "c"}, true},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetDuplicates(c.Mode);
        list.SetSorted(true);
        list.Add("c");
        list.Add("B");
        list.Add("a");
        if (c.Raises)
            EXPECT_THROW(list.Add("b"), EStringListError);
        else
            list.Add("b");   // equal to "B" without regard to case
        EXPECT_EQ(Lines(list), c.Expected) << c.Mode;
        Integer index = -1;
        EXPECT_TRUE(list.Find("C", index));
        EXPECT_EQ(index, list.Count() - 1);
        EXPECT_FALSE(list.Find("bb", index));
        EXPECT_EQ(index, list.Count() - 1);
        EXPECT_THROW(list.Insert(0, "z"), EStringListError);
    }
}

TEST(StringList, SortAndCustomSort)
{
    TStringList list;
    list.SetCommaText("10,9,100,b,A");
    list.Sort();
    EXPECT_EQ(list.CommaText(), "10,100,9,A,b");
    list.SetCaseSensitive(true);
    list.Sort();
    EXPECT_EQ(list.CommaText(), "10,100,9,A,b");
    list.CustomSort([](TStringList& l, Integer i, Integer j) {
        return StrToIntDef(l[i], 1000) - StrToIntDef(l[j], 1000);
    });
    EXPECT_EQ(list.CommaText(), "9,10,100,A,b");
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    list.SetText("Width=10\r\nheight=20\r\nplain line\r\nEmpty=\r\n");
    EXPECT_EQ(list.Values("HEIGHT"), "20");
    EXPECT_EQ(list.IndexOfName("empty"), 3);
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(2), "");
    EXPECT_EQ(list.ValueFromIndex(0), "10");
    list.SetValue("width", "11");
    EXPECT_EQ(list[0], "width=11");
    list.SetValue("Depth", "5");
    EXPECT_EQ(list[4], "Depth=5");
    list.SetValue("height", "");   // an empty value removes the line
    EXPECT_EQ(list.IndexOfName("height"), -1);
    list.SetNameValueSeparator(u':');
    list.Add("Key:a=b");
    EXPECT_EQ(list.Values("key"), "a=b");
}

TEST(StringList, CommaTextBothWays)
{
    struct Case {
        std::vector<String> Items;
        String Text;
    };
    const Case written[] = {
        {{"a", "b c", "d,e", "say \"hi\"", ""}, "a,\"b c\",\"d,e\",\"say \"\"hi\"\"\","},
        {{""}, "\"\""},
        {{}, ""},
        {{"tab\there"}, "\"tab\there\""},
    };
    for (const Case& c : written) {
        TStringList list;
        for (const String& s : c.Items)
            list.Add(s);
        EXPECT_EQ(list.CommaText(), c.Text);
    }
    const Case read[] = {
        {{"a", "b c", "d,e", "say \"hi\"", ""}, "a,\"b c\",\"d,e\",\"say \"\"hi\"\"\","},
        {{"a", "b", "c"}, "  a b,c  "},   // blanks separate too
        {{"x", "", "y"}, "x,,y"},
        {{"open", "rest"}, "\"open\"rest"},
        {{"unterminated"}, "\"unterminated"},
        {{}, "   "},
    };
    for (const Case& c : read) {
        TStringList list;
        list.SetCommaText(c.Text);
        EXPECT_EQ(Lines(list), c.Items) << c.Text;
    }
    TStringList list;
    list.SetDelimiter(u';');
    list.SetQuoteChar(u'\'');
    list.SetDelimitedText("a;'b;c';d");
    EXPECT_EQ(Lines(list), (std::vector<String>{"a", "b;c", "d"}));
    EXPECT_EQ(list.DelimitedText(), "a;'b;c';d");
    EXPECT_EQ(list.CommaText(), "a,b;c,d");
}

TEST(StringList, TextUsesCrLfAndReadsAnyLineEnd)
{
    struct Case {
        String Text;
        std::vector<String> Lines;
    };
    const Case cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
        {"\r\n", {""}},
        {"", {}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetText(c.Text);
        EXPECT_EQ(Lines(list), c.Lines);
    }
    TStringList list;
    list.SetText("a\nb");
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");
}

TEST(StringList, UpdateBlocksChangeEventsUntilTheOutermostEnd)
{
    TStringList list;
    std::vector<std::string> log;
    list.OnChanging = [&](TStrings&) { log.push_back("changing"); };
    list.OnChange = [&](TStrings&) { log.push_back("change"); };
    list.Add("a");
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
    log.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(log, (std::vector<std::string>{"changing"}));
    list.EndUpdate();
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
}

TEST(StringList, AssignMoveAndAddStrings)
{
    TStringList source;
    source.AddObject("one", Tag(1));
    source.AddObject("two", Tag(2));
    TStringList copy;
    copy.Add("old");
    copy.Assign(source);
    EXPECT_TRUE(copy.Equals(source));
    EXPECT_EQ(copy.Objects(1), Tag(2));
    copy.AddStrings(source);
    copy.Move(0, 3);
    EXPECT_EQ(Lines(copy), (std::vector<String>{"two", "one", "two", "one"}));
    EXPECT_EQ(copy.Objects(3), Tag(1));
}

TEST(StringList, FilesInAnsiAndUtf8)
{
    TempFolder dir;
    TStringList list;
    list.Add("Béton €");
    list.Add("Ω");   // not in Windows-1252
    list.SaveToFile(dir / "ansi.txt");
    EXPECT_EQ(ReadAllBytes(dir / "ansi.txt"), "B\xE9ton \x80\r\n?\r\n");
    list.SaveToFile(dir / "utf8.txt", TEncoding::UTF8);
    EXPECT_EQ(ReadAllBytes(dir / "utf8.txt"), "\xEF\xBB\xBF" "Béton €\r\nΩ\r\n");

    TStringList loaded;
    loaded.LoadFromFile(dir / "utf8.txt");   // the byte-order mark decides
    EXPECT_TRUE(loaded.Equals(list));
    loaded.LoadFromFile(dir / "ansi.txt");
    EXPECT_EQ(loaded[0], "Béton €");
    WriteAllBytes(dir / "plain.txt", "Ω\nx");
    loaded.LoadFromFile(dir / "plain.txt", TEncoding::UTF8);
    EXPECT_EQ(Lines(loaded), (std::vector<String>{"Ω", "x"}));

    TMemoryStream stream;
    stream.WriteBuffer("skip", 4);
    list.SaveToStream(stream);
    stream.SetPosition(4);   // loads from the position on
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.Text(), "Béton €\r\n?\r\n");
}

TEST(Bits, GrowOnSetAndFindOpenBit)
{
    TBits bits;
    EXPECT_EQ(bits.OpenBit(), 0);
    bits.SetBits(0, true);
    bits.SetBits(2, true);
    EXPECT_EQ(bits.Size(), 3);
    EXPECT_EQ(bits.OpenBit(), 1);
    bits.SetBits(1, true);
    EXPECT_EQ(bits.OpenBit(), 3);
    EXPECT_TRUE(bits.Bits(2));
    EXPECT_THROW(bits.Bits(3), EBitsError);
    EXPECT_THROW(bits.SetBits(-1, true), EBitsError);
    bits.SetSize(1);
    EXPECT_EQ(bits.OpenBit(), 1);
}

// The runtime's messages as the program shows them.
TEST(RtlConsts, MessagesInTheProgramsLanguage)
{
    EXPECT_EQ(ListIndexErrorMessage(7), String("Index de liste hors limites (7)"));
    EXPECT_EQ(String(SOutOfResourcesTimers), String("Pas assez de timers disponibles"));
    EXPECT_EQ(Format(SInvalidFileName, {String("a?b")}), String("Nom de fichier incorrect - a?b"));
    EXPECT_EQ(Format(SOutOfRange, {1, 10}), String("La valeur doit être comprise entre 1 et 10"));
    EXPECT_EQ(String(SUnknownValue), String("(inconnu)"));
}
