// The styled combo box: choosing by keys and mouse, incremental search on the test clock, the
// most recently used block, the classic button, the flat frame, the bound label, the validator
// and the form description; build/screenshots/styled-combo.png.
#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "platform/classes/TypInfo.h"
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
        EXPECT_EQ(list->ItemRect(0).Height(), Combo->ItemHeight() + 4) << "rows 4 pixels higher";
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

// The drop-down button is the classic one (no theme here): raised, sunk while the mouse holds it.
TEST_F(StyCombo, TheClassicButtonIsPushedWhileTheMouseHoldsIt)
{
    EXPECT_FALSE(Combo->IsThemed());
    EXPECT_TRUE(Combo->CtlXP());
    const Integer x = Combo->ClientWidth() - Combo->ButtonWidth() / 2, top = 2;
    EXPECT_EQ(TestPixel(Combo, Combo->ClientWidth() - Combo->ButtonWidth() + 1, top), ColorToRGB(clBtnHighlight)) << "raised: light top-left";
    TestMouseDown(Combo, x, 8);
    EXPECT_TRUE(Combo->Pressed());
    EXPECT_EQ(TestPixel(Combo, Combo->ClientWidth() - Combo->ButtonWidth(), top), ColorToRGB(clBtnShadow)) << "pushed: dark top-left";
    TestMouseUp(Combo, x, 8);
    EXPECT_FALSE(Combo->Pressed());
    Combo->SetDroppedDown(false);
    TestProcess();
    Combo->SetCtlXP(false);
    EXPECT_EQ(Combo->ThemeMode(), ttmNone);
}

// Flat: two rings of the face colour around one of the window colour while the mouse is away and
// the box has no focus; the sunken frame otherwise.
TEST_F(StyCombo, TheFlatFrameShowsWhileTheBoxIsIdle)
{
    auto* other = new TStyComboBox(Form);
    other->SetBounds(20, 80, 160, 22);
    other->SetParent(Form);
    other->SetFocus();
    Combo->SetFlat(true);
    TestProcess();
    ASSERT_TRUE(Combo->FlatLookShown()) << Combo->Focused() << Combo->MouseAbove();
    TBitmap shot;
    TestScreenshot(Form, "styled-combo-flat", shot);
    const TPoint at = Combo->BoundsRect().TopLeft();
    EXPECT_EQ(shot.Canvas().Pixel(at.X + 10, at.Y), ColorToRGB(clBtnFace));
    EXPECT_EQ(shot.Canvas().Pixel(at.X + 10, at.Y + 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(shot.Canvas().Pixel(at.X + 10, at.Y + 2), ColorToRGB(clWindow));
    Combo->SetFocus();
    TestProcess();
    EXPECT_FALSE(Combo->FlatLookShown());
    TestGrab(Form, shot);
    EXPECT_EQ(shot.Canvas().Pixel(at.X + 10, at.Y), ColorToRGB(clBtnShadow)) << "sunken";
}

TEST_F(StyCombo, TheBoundLabelStandsBesideTheBox)
{
    Combo->SetupEditLabel();
    TStyBoundLabel* label = Combo->EditLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), Form);
    EXPECT_EQ(label->FocusControl(), Combo);
    const Integer h = label->Height(), w = label->Width();
    struct TCase {
        TLabelPosition position;
        TPoint at;
    } cases[] = {
        {lpAbove, {20, 20 - h - 3}},
        {lpBelow, {20, 20 + 22 + 3}},
        {lpLeft, {20 - w - 3, 20}},
        {lpRight, {20 + 160 + 3, 20}},
    };
    for (const auto& c : cases) {
        Combo->SetLabelPosition(c.position);
        EXPECT_EQ(label->Left(), c.at.X) << int(c.position);
        EXPECT_EQ(label->Top(), c.at.Y) << int(c.position);
    }
    Combo->SetLeft(40);
    EXPECT_EQ(label->Left(), 40 + 160 + 3) << "it follows the box";
    Combo->Hide();
    EXPECT_FALSE(label->Visible());
}

namespace {

// Refuses every text but "Normal" with level 2.
class TNormalOnly : public TStyValidationEntity {
public:
    using TStyValidationEntity::TStyValidationEntity;
    Integer Validate(IStyValidatedControl* Sender, bool) override { return Sender->GetValidationText() == "Normal" ? 0 : 2; }
    String GetMessage(IStyValidatedControl*, Integer) override { return "Normal only"; }
};

struct TErrorLog : TObject {
    std::vector<Integer> Levels;
    void Error(TObject*, Integer level) { Levels.push_back(level); }
};

}  // namespace

TEST_F(StyCombo, AChoiceIsValidatedAndAClickOnTheTextBoxTold)
{
    for (const char* s : {"Normal", "Uniform"}) Combo->Items().Add(s);
    TNormalOnly validator(Form);
    TErrorLog errors;
    Combo->SetValidator(&validator);
    Combo->OnValidationError = TStyValidationErrorEvent(&errors, &TErrorLog::Error);
    Combo->SetItemIndex(0);
    Combo->SetFocus();
    TestPressKey(Combo, VK_DOWN);
    EXPECT_TRUE(Combo->ErrorIndication());
    ASSERT_FALSE(errors.Levels.empty());
    EXPECT_EQ(errors.Levels.back(), 2);
    TestPressKey(Combo, VK_UP);
    EXPECT_FALSE(Combo->ErrorIndication());
    Combo->SetValidatedValue(vlvIndex);
    EXPECT_EQ(Combo->GetValidationText(), "0");

    Integer clicks = 0;
    struct TClicks : TObject {
        Integer* Count;
        void Click(TObject*) { ++*Count; }
    } counter;
    counter.Count = &clicks;
    Combo->OnEditClick = TNotifyEvent(&counter, &TClicks::Click);
    Combo->SetStyle(csDropDown);
    ASSERT_NE(Combo->EditHandle(), nullptr);
    TestClick(Combo->EditHandle(), 5, 5);
    EXPECT_EQ(clicks, 1);
    Combo->SetValidator(nullptr);
}

TEST_F(StyCombo, AFormDescriptionSetsThePublishedProperties)
{
    RegisterClasses({TStyComboBox::StaticClass()});
    TComponent* read = ReadComponentText("object Method: TStyComboBox\n"
                                         "  DropDownWidth = 180\n"
                                         "  Flat = True\n"
                                         "  Interval = 900\n"
                                         "  MRUMax = 3\n"
                                         "  Search = True\n"
                                         "  ThemeMode = ttmNone\n"
                                         "  ValidatedValue = vlvIndex\n"
                                         "  CtlXP = False\n"
                                         "end\n");
    std::unique_ptr<TStyComboBox> combo(dynamic_cast<TStyComboBox*>(read));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->DropDownWidth(), 180);
    EXPECT_TRUE(combo->Flat());
    EXPECT_EQ(combo->Interval(), 900);
    EXPECT_EQ(combo->MRUMax(), 3);
    EXPECT_TRUE(combo->Search());
    EXPECT_EQ(combo->ThemeMode(), ttmNone);
    EXPECT_EQ(combo->ValidatedValue(), vlvIndex);
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

namespace {

// A combo box that keeps its items in a list of its own.
class TListedCombo : public TStyComboBox {
public:
    using TStyComboBox::TStyComboBox;
    TStringList Own;

protected:
    TStrings* GetCustomItems(TStrings*) override { return &Own; }
};

}  // namespace

TEST_F(StyCombo, ADescendantsOwnItemsAreTheItemsAndTheListHandleIsTheDropDown)
{
    TListedCombo listed(nullptr);
    listed.Items().Add("Concrete");
    TStringList given;
    given.Add("Rock");
    given.Add("Water");
    GetStringsProp(&listed, "Items")->AddStrings(given);   // what a form description fills
    EXPECT_EQ(listed.Own.CommaText(), "Concrete,Rock,Water");
    listed.SetItems(given);
    EXPECT_EQ(listed.Own.CommaText(), "Rock,Water");

    EXPECT_EQ(Combo->ListHandle(), nullptr);
    Combo->Items().Add("Normal");
    Combo->SetDroppedDown(true);
    TestProcess();
    EXPECT_NE(Combo->ListHandle(), nullptr);
    EXPECT_EQ(Combo->ListHandle(), PopupList());
    Combo->SetDroppedDown(false);
}
