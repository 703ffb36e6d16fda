// The editable combo box on the real back end: its text box, typing, choosing and the selection.
#include <gtest/gtest.h>

#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/testing/Driver.h"

namespace {

class TComboLog : public TObject {
public:
    std::string Log;
    TWndMethod EditProc;   // the text box's own window procedure, kept by the subclass
    TComboBox* Combo = nullptr;
    void Change(TObject*) { Log += "change " + Combo->Text().ToUtf8() + ";"; }
    void Select(TObject*) { Log += "select " + Combo->Text().ToUtf8() + ";"; }
    // Subclassing the text box: a digit typed is seen before the box takes it.
    void EditWndProc(TMessage& m)
    {
        if (m.Msg == WM_CHAR && m.WParam >= '0' && m.WParam <= '9') Log += "digit;";
        EditProc(m);
    }
};

struct ComboForm : ::testing::Test {
    TForm* Form = nullptr;
    TComboBox* Combo = nullptr;
    TComboLog Events;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 240, 120);
        Combo = new TComboBox(Form);
        Combo->SetBounds(10, 10, 160, 21);
        Combo->SetParent(Form);
        for (const char* material : {"Concrete", "Rock", "Water"}) Combo->Items().Add(material);
        Events.Combo = Combo;
        Combo->OnChange = TNotifyEvent(&Events, &TComboLog::Change);
        Combo->OnSelect = TNotifyEvent(&Events, &TComboLog::Select);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(ComboForm, OnlyTheEditableStylesHaveATextBox)
{
    ASSERT_TRUE(Combo->EditHandle());   // csDropDown by default
    EXPECT_EQ(Combo->EditHandle()->Parent(), Combo);
    EXPECT_TRUE(Combo->EditHandle()->BoundsRect().Right <= Combo->ClientWidth() - 17);   // left of the button
    Combo->SetStyle(csDropDownList);
    EXPECT_FALSE(Combo->EditHandle());
    Combo->SetStyle(csSimple);
    EXPECT_TRUE(Combo->EditHandle());
}

TEST_F(ComboForm, TypedTextBecomesTheComboText)
{
    Combo->SetFocus();
    TestProcess();
    TestTypeText(Combo->EditHandle(), "Rock");
    EXPECT_EQ(Combo->Text(), "Rock");
    EXPECT_EQ(Combo->ItemIndex(), 1);   // the typed text names an item
    EXPECT_EQ(Events.Log, "change R;change Ro;change Roc;change Rock;");
    TestTypeText(Combo->EditHandle(), "s");
    EXPECT_EQ(Combo->ItemIndex(), -1);

    // the program's text shows in the box and tells no one
    Events.Log.clear();
    Combo->SetText("Water");
    EXPECT_EQ(Combo->EditHandle()->Text(), "Water");
    Combo->SetItemIndex(0);
    EXPECT_EQ(Combo->EditHandle()->Text(), "Concrete");
    EXPECT_EQ(Events.Log, "");

    // the arrow keys in the box choose in the list
    TestPressKey(Combo->EditHandle(), VK_DOWN);
    EXPECT_EQ(Combo->Text(), "Rock");
    EXPECT_EQ(Combo->EditHandle()->Text(), "Rock");
    EXPECT_EQ(Events.Log, "select Rock;");
}

TEST_F(ComboForm, TheTextBoxCanBeSubclassedAndItsSelectionIsTheCombos)
{
    TCustomEdit* edit = Combo->EditHandle();
    Events.EditProc = edit->WindowProc;
    edit->WindowProc = TWndMethod(&Events, &TComboLog::EditWndProc);
    Combo->SetFocus();
    TestProcess();
    TestTypeText(edit, "C2");
    EXPECT_EQ(Events.Log, "change C;digit;change C2;");

    Combo->SetText("Concrete");
    Combo->Perform(CB_SETEDITSEL, 0, MakeLParam(2, 5));
    Integer start = -1, end = -1;
    Combo->Perform(CB_GETEDITSEL, reinterpret_cast<std::intptr_t>(&start), reinterpret_cast<std::intptr_t>(&end));
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(Combo->SelText(), "ncr");
    TBitmap shot;
    TestScreenshot(Form, "platform-combobox-editable", shot);
    edit->WindowProc = Events.EditProc;
}

}  // namespace

// Switching a focused combo box to a style without text box frees the box that had the focus:
// the form must forget it, so that focusing another control afterwards is safe.
TEST_F(ComboForm, FreeingTheFocusedTextBoxLeavesTheFormNoFreedControl)
{
    auto* other = new TButton(Form);
    other->SetBounds(10, 50, 75, 25);
    other->SetParent(Form);
    Combo->SetFocus();
    TestProcess();
    ASSERT_EQ(Form->ActiveControl(), Combo->EditHandle());
    Combo->SetStyle(csDropDownList);
    EXPECT_TRUE(Form->ActiveControl() == nullptr || Form->ActiveControl() == Combo);
    other->SetFocus();
    TestProcess();
    EXPECT_EQ(Form->ActiveControl(), other);
}

namespace {

// The information query names the box's text box and, once dropped down, its list.
TEST_F(ComboForm, TheInformationQueryNamesTheTextBoxAndTheList)
{
    COMBOBOXINFO info;
    info.cbSize = 52;
    ASSERT_TRUE(GetComboBoxInfo(Combo, &info));
    EXPECT_EQ(info.hwndCombo, Combo);
    EXPECT_EQ(info.hwndItem, Combo->EditHandle());
    EXPECT_EQ(info.hwndList, nullptr);
    EXPECT_EQ(info.rcButton, Rect(Combo->ClientWidth() - 17, 0, Combo->ClientWidth(), Combo->ClientHeight()));
    Combo->SetDroppedDown(true);
    ASSERT_TRUE(GetComboBoxInfo(Combo, &info));
    EXPECT_EQ(info.hwndList, Combo->ListWindow());
    Combo->SetDroppedDown(false);
    Combo->SetStyle(csDropDownList);
    ASSERT_TRUE(GetComboBoxInfo(Combo, &info));
    EXPECT_EQ(info.hwndItem, nullptr);   // no text box to type in
    EXPECT_FALSE(GetComboBoxInfo(Form, &info));
}

// The text box takes on the box's colour and font, as an edit inside a combo box does.
TEST_F(ComboForm, TheTextBoxFollowsTheBoxsColourAndFont)
{
    Combo->SetColor(TColor(0x444444));
    Combo->Font().SetColor(clWhite);
    Combo->Font().SetStyle(TFontStyles{TFontStyle::fsBold});
    TCustomEdit* edit = Combo->EditHandle();
    EXPECT_EQ(edit->Color(), TColor(0x444444));
    EXPECT_EQ(edit->Font().Color(), TColor(clWhite));
    EXPECT_TRUE(edit->Font().Style().Contains(TFontStyle::fsBold));
    TestProcess();
    EXPECT_EQ(TestPixel(edit, edit->ClientWidth() - 3, 3), TColor(0x444444));
}

}  // namespace

TEST_F(ComboForm, MaxLengthLimitsTheTextBoxAcrossStylesAndSortedSortsTheItems)
{
    Combo->SetMaxLength(3);
    Combo->SetStyle(csDropDownList);
    Combo->SetStyle(csDropDown);   // a new text box takes the limit too
    Combo->SetFocus();
    TestProcess();
    TestTypeText(Combo->EditHandle(), "Rocks");
    EXPECT_EQ(Combo->Text(), "Roc");
    SendMessage(Combo->Handle(), CB_LIMITTEXT, 1, 0);
    EXPECT_EQ(Combo->MaxLength(), 1);

    Combo->Items().Add("Gravel");
    Combo->SetSorted(true);
    EXPECT_EQ(Combo->Items().CommaText(), "Concrete,Gravel,Rock,Water");
    Combo->Items().Add("Clay");
    EXPECT_EQ(Combo->Items().IndexOf("Clay"), 0);
}
