// The spell-check link with a fake checker and a fake editor: inactive without a checker, word
// errors cached per fragment in a ring, the next error, suggestions in the menu and the error
// hidden under the caret for a second.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/testing/Driver.h"
#include "styledcontrols/StySpellBase.h"
#include "styledcontrols/StyVldBase.h"

namespace {

// Knows a few words of the trade; "wal" may be "wall" or "walk".
class TFakeChecker : public TStySpellBase {
public:
    TFakeChecker() : TStySpellBase(nullptr) {}
    std::set<std::u16string> Words{u"the", u"dam", u"wall", u"no", u"errors", u"here", u"tall", u"crest"};
    std::vector<std::pair<Integer, Integer>> Drawn;
    bool IsActive() override { return true; }
    void GetWordSeparators(String& S) override { S = ".,"; }
    bool CheckWord(const char16_t* AWord) override { return Words.count(AWord) > 0; }
    void DrawErrors(HDC, Integer, Integer, const TRect*, TStySpellAreas& AAreas) override
    {
        Integer x1 = 0, x2 = 0;
        while (AAreas.Next(x1, x2)) Drawn.push_back({x1, x2});
    }
    void GetSuggestions(const char16_t* AWord, TStrings& AResult) override
    {
        if (std::u16string(AWord) == u"wal") {
            AResult.Add("wall");
            AResult.Add("walk");
        }
    }
};

// Fragments of text, a caret, and a layout of 10 pixels per character.
class TFakeHost : public TStySpellHost {
public:
    std::map<Integer, std::u16string> Texts;
    Integer CaretFragment = 0, Caret = 0;
    int TextRequests = 0;
    std::vector<TStySpellChange> Changes;
    std::string Selected;
    void Changed(TStySpellChange AChange) override { Changes.push_back(AChange); }
    bool GetFragment(const Integer* APrev, Integer& AFragmentId) override
    {
        auto it = APrev ? Texts.upper_bound(*APrev) : Texts.begin();
        if (it == Texts.end()) return false;
        AFragmentId = it->first;
        return true;
    }
    void GetCaret(Integer& AFragmentId, Integer& ACaret) override
    {
        AFragmentId = CaretFragment;
        ACaret = Caret;
    }
    void GetText(Integer AFragmentId, const char16_t*& AText, Integer& ALength, Integer& APosOffset) override
    {
        ++TextRequests;
        const std::u16string& t = Texts[AFragmentId];
        AText = t.c_str();
        ALength = static_cast<Integer>(t.size());
        APosOffset = 0;
    }
    void ReplaceText(Integer AFragmentId, Integer AStart, Integer ACount, const String& S) override
    {
        Texts[AFragmentId].replace(AStart, ACount, S.u16());
    }
    void GetLayout(Integer, Integer, TStyAreaAdder& AErrors) override
    {
        Integer start = 0, count = 0;
        while (AErrors.Next(start, count)) AErrors.AddArea((start + count) * 10, start * 10);
    }
    void SelectError(Integer AFragmentId, Integer AStart, Integer ACount) override
    {
        Selected = std::to_string(AFragmentId) + ":" + std::to_string(AStart) + "+" + std::to_string(ACount);
    }
};

struct StySpellLink : ::testing::Test {
    TFakeHost* Host = new TFakeHost;
    TStySpellLink Link{nullptr, Host};
    TFakeChecker Checker;
    void SetUp() override
    {
        TestInitialize();
        Host->Texts = {{0, u"the damm wall"}, {1, u"no errors here"}, {2, u"tall dam,wal crest"}};
    }
};

}  // namespace

TEST_F(StySpellLink, WithoutACheckerTheLinkIsInactive)
{
    EXPECT_FALSE(Link.Active());
    EXPECT_FALSE(Link.MoveToNextError(true));
    TMenuItem menu(nullptr);
    Link.FillPopupMenu(&menu, 0, nullptr);
    EXPECT_EQ(menu.Count(), 0);
    Link.DrawErrors(nullptr, 0, 0, 0, 0, nullptr);   // nothing to draw with
    EXPECT_FALSE(Link.HasCaretError());
    EXPECT_TRUE(Host->Changes.empty());   // never active: the editor is not bothered
}

TEST_F(StySpellLink, MisspeltWordsAreCachedPerFragment)
{
    Link.SetSpellChecker(&Checker);
    EXPECT_TRUE(Link.Active());
    EXPECT_EQ(Host->Changes, std::vector<TStySpellChange>{lcSettings});
    PSpellError e = Link.GetErrors(0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Start, 4);
    EXPECT_EQ(e->Count, 4);
    EXPECT_EQ(e->Next, nullptr);
    // "dam,wal": the comma separates by the checker's separators
    e = Link.GetErrors(2);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Start, 9);
    EXPECT_EQ(e->Count, 3);
    const int requests = Host->TextRequests;
    EXPECT_EQ(Link.GetErrors(1), nullptr);   // examined: no errors
    EXPECT_EQ(Link.GetErrors(1), nullptr);   // the marker answers
    EXPECT_EQ(Host->TextRequests, requests + 1);
}

TEST_F(StySpellLink, TheHundredAndFirstFragmentReusesTheFirstSlot)
{
    Link.SetSpellChecker(&Checker);
    for (Integer f = 0; f < 101; ++f) {
        Host->Texts[f] = u"tall dam";
        Link.GetErrors(f);
    }
    const int requests = Host->TextRequests;
    Link.GetErrors(1);   // still cached
    EXPECT_EQ(Host->TextRequests, requests);
    Link.GetErrors(0);   // dropped with slot 0
    EXPECT_EQ(Host->TextRequests, requests + 1);
}

TEST_F(StySpellLink, NextErrorsAreSelectedFromTheStartOrTheCaret)
{
    Link.SetSpellChecker(&Checker);
    EXPECT_TRUE(Link.MoveToNextError(true));
    EXPECT_EQ(Host->Selected, "0:4+4");
    Host->CaretFragment = 0;
    Host->Caret = 6;   // inside "damm": the next one is in fragment 2
    EXPECT_TRUE(Link.MoveToNextError(false));
    EXPECT_EQ(Host->Selected, "2:9+3");
    Host->CaretFragment = 2;
    Host->Caret = 10;
    EXPECT_FALSE(Link.MoveToNextError(false));
}

TEST_F(StySpellLink, SuggestionsFillTheMenuAndReplaceTheWord)
{
    Link.SetSpellChecker(&Checker);
    TMenuItem menu(nullptr);
    auto* cut = new TMenuItem(&menu);
    cut->SetCaption("Cut");
    menu.Add(cut);
    Host->CaretFragment = 2;
    Host->Caret = 10;   // on "wal"; the editor tells the link its caret moved
    bool redraw = false;
    Link.InvalidateCaret(false, redraw);
    Link.FillPopupMenu(&menu, 0, nullptr);
    ASSERT_EQ(menu.Count(), 4);   // wall, walk, separator after, Cut
    EXPECT_EQ(menu.Items(0)->Caption(), String("wall"));
    EXPECT_EQ(menu.Items(2)->Caption(), String("-"));
    EXPECT_EQ(menu.Items(3), cut);
    menu.Items(1)->Click();
    EXPECT_EQ(Host->Texts[2], u"tall dam,walk crest");

    Link.Invalidate(liErrors);
    Host->CaretFragment = 0;
    Host->Caret = 5;   // on "damm": no suggestions
    Link.InvalidateCaret(false, redraw);
    Link.FillPopupMenu(&menu, 0, nullptr);   // the former items go first
    ASSERT_EQ(menu.Count(), 3);
    EXPECT_EQ(menu.Items(0)->Caption(), String("No suggestions"));
    EXPECT_FALSE(menu.Items(0)->Enabled());
}

TEST_F(StySpellLink, AnErrorUnderTheCaretIsHiddenForASecond)
{
    TTestClock clock;
    Link.SetSpellChecker(&Checker);
    Host->CaretFragment = 0;
    Host->Caret = 6;
    bool redraw = false;
    Link.InvalidateCaret(true, redraw);
    EXPECT_TRUE(Link.CaretHidden());
    EXPECT_TRUE(redraw);
    Link.DrawErrors(nullptr, 0, 7, 0, 0, nullptr);
    EXPECT_TRUE(Checker.Drawn.empty());   // the only error is the hidden one
    clock.Advance(1000);
    EXPECT_FALSE(Link.CaretHidden());
    EXPECT_EQ(Host->Changes.back(), lcCaretTimer);
    Link.DrawErrors(nullptr, 0, 7, 0, 0, nullptr);
    ASSERT_EQ(Checker.Drawn.size(), 1u);
    EXPECT_EQ(Checker.Drawn[0], (std::pair<Integer, Integer>{40, 80}));   // ordered X1 <= X2
}

TEST_F(StySpellLink, OneScanNotifierAtATime)
{
    struct TScan : TObject {
        int Count = 0;
        void Scanned(TObject*) { ++Count; }
    } a, b;
    EXPECT_TRUE(Link.SetScanNotifier(TNotifyEvent(&a, &TScan::Scanned)));
    EXPECT_FALSE(Link.SetScanNotifier(TNotifyEvent(&b, &TScan::Scanned)));
    bool redraw = false;
    Link.InvalidateCaret(false, redraw);
    EXPECT_EQ(a.Count, 1);
    Link.ResetScanNotifier();
    EXPECT_TRUE(Link.SetScanNotifier(TNotifyEvent(&b, &TScan::Scanned)));
}

TEST_F(StySpellLink, AFreedCheckerLeavesItsLinksInactive)
{
    auto* checker = new TFakeChecker;
    Link.SetSpellChecker(checker);
    EXPECT_TRUE(Link.Active());
    delete checker;
    EXPECT_EQ(Link.SpellChecker(), nullptr);
    EXPECT_FALSE(Link.Active());
    Link.SpellObject()->SetLiveSpell(false);   // settings changes reach the link
    EXPECT_FALSE(Link.LiveSpell());
}
