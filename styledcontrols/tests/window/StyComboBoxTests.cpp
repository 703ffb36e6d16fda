// The styled combo box: choosing by keys and mouse, incremental search on the test clock, the
// most recently used block; build/screenshots/styled-combo.png.
#include <gtest/gtest.h>

#include "platform/stdctrls/ListBox.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyComboBox.h"

namespace {

struct TComboLog : TObject {
    std::vector<String> Log;
    TStyComboBox* Combo = nullptr;
    void Change(TObject*) { Log.push_back("change " + Combo->Text()); }
    void Select(TObject*) { Log.push_back("select " + Combo->Text()); }
};

struct StyCombo : ::testing::Test {
    TForm* Form = nullptr;
    TStyComboBox* Combo = nullptr;
    TComboLog Events;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 260, 200);
        Form->SetCaption("Statistics");
        Combo = new TStyComboBox(Form);
        Combo->SetBounds(20, 20, 160, 22);
        Combo->SetStyle(csDropDownList);   // the statistics dialog's lists
        Combo->SetParent(Form);
        Events.Combo = Combo;
        Combo->OnChange = TNotifyEvent(&Events, &TComboLog::Change);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TWinControl* PopupList() { return Combo->ListWindow(); }
};

}  // namespace

TEST_F(StyCombo, ChoosingByKeysAndByMouseTellsTheChange)
{
    for (const char* s : {"Normal", "Lognormal", "Uniform", "Triangular"}) Combo->Items().Add(s);
    Combo->SetItemIndex(0);
    Combo->SetFocus();
    TestPressKey(Combo, VK_DOWN);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    TestPressKey(Combo, VK_END);
    EXPECT_EQ(Combo->Text(), String("Triangular"));
    EXPECT_EQ(Events.Log, (std::vector<String>{"change Lognormal", "change Triangular"}));

    Events.Log.clear();
    Combo->SetDroppedDown(true);
    TestProcess();
    TWinControl* list = PopupList();
    ASSERT_NE(list, nullptr);
    TestClick(list, 20, Combo->ItemHeight() * 2 + 3);   // the third row
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Events.Log, (std::vector<String>{"change Uniform"}));
}

TEST_F(StyCombo, IncrementalSearchWaitsForAPauseInTyping)
{
    TTestClock clock;
    Combo->SetStyle(csDropDown);
    Combo->SetSearch(true);
    for (const char* s : {"beta", "alpha", "better"}) Combo->Items().Add(s);
    EXPECT_EQ(Combo->Items()[0], String("alpha")) << "searching sorts the list";
    Combo->SetFocus();
    TestTypeText(Combo->EditHandle(), "bet");
    EXPECT_TRUE(Combo->SearchPending());
    clock.Advance(1499);
    EXPECT_EQ(Combo->ItemIndex(), -1);
    clock.Advance(1);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), String("beta"));
    EXPECT_EQ(Combo->SelStart(), 3);
    EXPECT_EQ(Combo->SelLength(), 1) << "the completion is selected after the typed letters";
    EXPECT_FALSE(Combo->SearchPending());

    TestPressKey(Combo->EditHandle(), VK_BACK);
    clock.Advance(1500);
    EXPECT_TRUE(Combo->SearchPending()) << "after Backspace the search waits 2.5 s";
    clock.Advance(1000);
    EXPECT_FALSE(Combo->SearchPending());
}

TEST_F(StyCombo, TheMostRecentlyUsedBlock)
{
    Combo->SetMRUList(true);
    EXPECT_EQ(Combo->Style(), csOwnerDrawFixed);
    Combo->SetMRUMax(2);
    for (const char* s : {"x", "y", "z"}) Combo->Items().Add(s);
    auto choose = [&](const char* text) {
        Combo->SetFocus();
        Integer i = Combo->MRUCount();
        while (Combo->Items()[i] != String(text)) ++i;
        Combo->SetDroppedDown(true);
        TestProcess();
        auto* list = static_cast<TCustomListBox*>(PopupList());
        TestClick(list, 10, list->ItemRect(i).Top + 3);
    };
    choose("x");
    choose("y");
    choose("z");
    ASSERT_EQ(Combo->MRUCount(), 2);
    EXPECT_EQ(Combo->Items()[0], String("z"));
    EXPECT_EQ(Combo->Items()[1], String("y"));
    EXPECT_EQ(Combo->Items().Count(), 5) << "x left the block, the three items stay";

    Combo->SetMRUMax(1);
    EXPECT_EQ(Combo->Items().Count(), 4);
    Combo->SetMRUList(false);
    EXPECT_EQ(Combo->Items().Count(), 3);
    EXPECT_EQ(Combo->MRUCount(), 0);
}

TEST_F(StyCombo, ADroppedDownListScreenshot)
{
    for (const char* s : {"Normal", "Lognormal", "Uniform", "Triangular", "Constant"}) Combo->Items().Add(s);
    Combo->SetItemIndex(1);
    Combo->SetDropDownWidth(200);
    Combo->SetDroppedDown(true);
    TestProcess();
    TWinControl* list = PopupList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Width(), 200);
    TBitmap shot;
    TestScreenshot(Form, {list}, "styled-combo", shot);
}
