// The combo edit's button and keys: the click key, a hidden button, read-only edits, typing only
// through the pop-up, clipboard commands and groups of edits that exclude each other.
#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/tests/EditControlsTestSource.h"
#include "platform/backend/qt/QtServices.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/testing/Driver.h"

namespace {

struct ComboEditForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        InitQtServices();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 150);
        Calc = new TEcCalcEdit(Form.get());
        Calc->SetName("Calc");
        Calc->SetBounds(10, 10, 120, 21);
        Calc->SetClickKey(VK_F2);
        Calc->SetParent(Form.get());
        for (Integer i = 0; i < 2; ++i) {
            Files[i] = new TEcFilenameEdit(Form.get());
            Files[i]->SetName(i == 0 ? "Input" : "Output");
            Files[i]->SetBounds(10, 50 + 30 * i, 200, 21);
            Files[i]->SetParent(Form.get());
        }
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        Form.reset();
        TestProcess();
    }
    std::unique_ptr<TForm> Form;
    TEcCalcEdit* Calc = nullptr;
    TEcFilenameEdit* Files[2] = {};
};

TEST_F(ComboEditForm, TheClickKeyOpensThePopUpOnlyWhileTheButtonShows)
{
    Calc->SetFocus();
    TestProcess();
    Calc->SetButtonWidth(0);
    EXPECT_FALSE(Calc->ShowButton());
    TestPressKey(Calc, VK_F2);
    EXPECT_FALSE(Calc->PopupVisible());
    Calc->SetShowButton(true);
    EXPECT_EQ(Calc->ButtonWidth(), 21);   // the width it had
    TestPressKey(Calc, VK_F2);
    EXPECT_TRUE(Calc->PopupVisible());
    TestPressKey(Calc, VK_F2);            // a second press accepts and closes
    EXPECT_FALSE(Calc->PopupVisible());
    Calc->SetButtonWidth(1);              // below 2: hidden
    EXPECT_FALSE(Calc->ButtonHolder()->Visible());
}

TEST_F(ComboEditForm, AReadOnlyEditDisablesItsButtonUnlessAlwaysEnabled)
{
    Calc->SetReadOnly(true);
    EXPECT_FALSE(Calc->Button()->Enabled());
    TestClick(Calc->Button(), 5, 5);
    EXPECT_FALSE(Calc->PopupVisible());
    Calc->SetClipboardCommands(TEcClipboardCommands{caCopy, caPaste});
    EXPECT_EQ(Calc->ClipboardCommands(), TEcClipboardCommands{caCopy});
    EXPECT_TRUE(Files[0]->Button()->Enabled());   // the file-name edit always enables it
    Files[0]->SetReadOnly(true);
    EXPECT_TRUE(Files[0]->Button()->Enabled());
}

// A numeric edit whose pop-up opens in a read-only edit too, as the file-name edit's dialog does.
class TAlwaysPopupCalcEdit : public TEcCalcEdit {
public:
    explicit TAlwaysPopupCalcEdit(TComponent* AOwner) : TEcCalcEdit(AOwner) { FAlwaysShowPopup = true; }
};

TEST_F(ComboEditForm, AReadOnlyEditOpensItsPopUpOnlyWhenItAlwaysShowsIt)
{
    auto* always = new TAlwaysPopupCalcEdit(Form.get());
    always->SetBounds(150, 10, 120, 21);
    always->SetParent(Form.get());
    for (TEcCalcEdit* edit : {Calc, static_cast<TEcCalcEdit*>(always)}) {
        edit->SetReadOnly(true);
        edit->SetAlwaysEnableButton(true);
        TestClick(edit->Button(), 5, 5);
        EXPECT_EQ(edit->PopupVisible(), edit == always);
        edit->ClosePopup(false);
    }
}

TEST_F(ComboEditForm, WithoutDirectInputOnlyThePopUpChangesTheText)
{
    Files[0]->SetFileName("/data/in.dam");
    Files[0]->SetDirectInput(false);
    Files[0]->SetFocus();
    TestProcess();
    Clipboard().SetAsText("/data/other.dam");
    Files[0]->PasteFromClipboard();
    TestTypeText(Files[0], "x");
    EXPECT_EQ(Files[0]->Text(), String("/data/in.dam"));
    TestAnswerNextFileDialog({"/data/chosen.dam"});
    TestClick(Files[0]->Button(), 5, 5);
    EXPECT_EQ(Files[0]->FileName(), String("/data/chosen.dam"));
}

TEST_F(ComboEditForm, EditsOfOneGroupExcludeEachOther)
{
    Files[0]->SetFileName("/data/in.dam");
    Files[1]->SetFileName("/data/out.dam");
    Files[0]->SetGroupIndex(1);
    Files[1]->SetGroupIndex(1);   // joining the group empties the other
    EXPECT_EQ(Files[0]->Text(), String(""));
    Files[0]->SetFocus();
    TestProcess();
    TestTypeText(Files[0], "a");
    EXPECT_EQ(Files[0]->Text(), String("a"));
    EXPECT_EQ(Files[1]->Text(), String(""));
    Files[1]->SetFileName("/data/out.dam");
    Files[1]->SetGroupIndex(2);
    TestTypeText(Files[0], "b");
    EXPECT_EQ(Files[1]->Text(), String("/data/out.dam"));   // another group
}

TEST_F(ComboEditForm, AnAttachedFieldIsShownEditedWrittenBackAndReloaded)
{
    TTestRecordSource source;
    source.Values = {{"Path", "/data/in.dam"}, {"Locked", "/data/fixed.dam"}};
    source.ReadOnlyFields = {"Locked"};
    TEcFilenameEdit* edit = Files[0];
    edit->DataConnector().SetDataField("Path");
    edit->DataConnector().SetDataSource(&source);
    EXPECT_EQ(edit->Text(), String("/data/in.dam"));
    EXPECT_FALSE(edit->ReadOnly());
    edit->SetFocus();
    TestProcess();
    edit->SelectAll();
    TestTypeText(edit, "/data/new.dam");
    EXPECT_EQ(source.Values["Path"], "/data/in.dam");   // not yet written
    EXPECT_TRUE(edit->DataConnector().Modified());
    Files[1]->SetFocus();   // leaving writes it back
    TestProcess();
    EXPECT_EQ(source.Values["Path"], "/data/new.dam");
    edit->SetFocus();
    TestProcess();
    TestTypeText(edit, "x");
    TestPressKey(edit, VK_ESCAPE);   // reloaded from the record
    EXPECT_EQ(edit->Text(), String("/data/new.dam"));
    edit->DataConnector().SetDataField("Locked");
    EXPECT_EQ(edit->Text(), String("/data/fixed.dam"));
    EXPECT_TRUE(edit->ReadOnly());
    edit->DataConnector().SetDataSource(nullptr);
}

// The glyph as text: "X" black, "." the transparent fuchsia, rows separated by "/".
std::string GlyphPicture(TBitmap& glyph)
{
    std::string out;
    for (Integer y = 0; y < glyph.Height(); ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < glyph.Width(); ++x) {
            const TColor c = glyph.Canvas().Pixel(x, y);
            out += c == clBlack ? 'X' : c == clFuchsia ? '.' : '?';
        }
    }
    return out;
}

TEST_F(ComboEditForm, TheEllipsisAndTheDropDownArrowAreDrawnToTheButtonsSize)
{
    TEcFilenameEdit* edit = Files[0];
    edit->SetImageKind(ikEllipsis);   // a 21-pixel button: 15 x 4, gaps of 3
    EXPECT_EQ(GlyphPicture(edit->Button()->Glyph()),
              ".............../.XX...XX...XX../.XX...XX...XX../...............");
    edit->SetButtonWidth(12);          // 6 x 4: gaps of 1, the row starting at -1
    EXPECT_EQ(GlyphPicture(edit->Button()->Glyph()), "....../X.XX.X/X.XX.X/......");
    edit->SetImageKind(ikDropDown);
    EXPECT_EQ(edit->ButtonWidth(), 17);   // a scroll bar wide
    EXPECT_EQ(GlyphPicture(edit->Button()->Glyph()), "XXXXXXX/.XXXXX./..XXX../...X...");
}

// Whether the text area of the 200-pixel edit (less its button) shows a pixel of that colour.
bool Shows(TControl* edit, TColor color, Integer from = 8)
{
    for (Integer x = from; x < 170; ++x)
        for (Integer y = 4; y < 17; ++y)
            if (ColorToRGB(TestPixel(edit, x, y)) == ColorToRGB(color)) return true;
    return false;
}

TEST_F(ComboEditForm, AnEmptyUnfocusedEditShowsItsTextHintInGrey)
{
    TEcFilenameEdit* edit = Files[0];
    edit->SetTextHint("Choose the model file");
    TestProcess();
    EXPECT_TRUE(Shows(edit, clGrayText));
    edit->SetFocus();
    TestProcess();
    EXPECT_FALSE(Shows(edit, clGrayText));   // focused: the hint goes
    TestTypeText(edit, "a");
    Files[1]->SetFocus();
    TestProcess();
    EXPECT_FALSE(Shows(edit, clGrayText));   // a text: no hint
    EXPECT_TRUE(Shows(edit, clBlack, 3));
    edit->SetText("");
    edit->SetReadOnly(true);
    TestProcess();
    EXPECT_FALSE(Shows(edit, clGrayText));   // read-only: no hint
}

TEST_F(ComboEditForm, ACustomButtonShowsTheImageOfItsList)
{
    TCustomImageList images(8, 8);
    TBitmap red(8, 8);
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect(Rect(0, 0, 8, 8));
    images.Add(&red, nullptr);
    TEcFilenameEdit* edit = Files[0];
    edit->SetImageKind(ikCustom);
    edit->SetImages(&images);
    edit->SetImageIndex(0);
    TestProcess();
    TEcEditButton* button = edit->Button();
    const TPoint centre{button->Width() / 2, button->Height() / 2};
    EXPECT_EQ(ColorToRGB(TestPixel(button, centre.X, centre.Y)), ColorToRGB(clRed));
    edit->SetImageIndex(-1);   // back to its glyph
    TestProcess();
    EXPECT_NE(ColorToRGB(TestPixel(button, centre.X, centre.Y)), ColorToRGB(clRed));
    edit->SetImages(nullptr);
}

}  // namespace

namespace {

// A combo edit as it stands, which completes what is typed from its list of names.
class TListComboEdit : public TEcCustomComboEdit {
public:
    using TEcCustomComboEdit::TEcCustomComboEdit;
};

struct CompletingComboEdit : ComboEditForm {
    void SetUp() override
    {
        ComboEditForm::SetUp();
        Edit = new TListComboEdit(Form.get());
        Edit->SetBounds(10, 110, 200, 21);
        Edit->SetParent(Form.get());
        for (const char* name : {"Upstream face", "Downstream toe", "upstream heel"}) Edit->AutoCompleteItems().Add(name);
        Edit->SetFocus();
        TestProcess();
    }
    TListComboEdit* Edit = nullptr;
};

}  // namespace

TEST_F(CompletingComboEdit, TypedTextIsCompletedFromTheListAndItsNamesProposed)
{
    TestTypeText(Edit, "dow");
    EXPECT_EQ(Edit->Text(), String("dow"));   // no options: no completion
    EXPECT_EQ(Edit->Suggestions(), nullptr);
    Edit->SetText("");
    Edit->SetAutoCompleteOptions({acoAutoAppend, acoAutoSuggest});
    TestTypeText(Edit, "dow");
    EXPECT_EQ(Edit->Text(), String("Downstream toe"));   // the letter case of the name
    EXPECT_EQ(Edit->SelText(), String("nstream toe"));
    ASSERT_NE(Edit->Suggestions(), nullptr);
    ASSERT_TRUE(Edit->Suggestions()->DroppedDown());
    EXPECT_EQ(Edit->Suggestions()->Items().Count(), 1);
    Edit->SetText("");
    TestTypeText(Edit, "up");
    EXPECT_EQ(Edit->Text(), String("Upstream "));        // as far as both names go
    ASSERT_TRUE(Edit->Suggestions()->DroppedDown());
    EXPECT_EQ(Edit->Suggestions()->Items().Count(), 2);
    TestPressKey(Edit, VK_DOWN);
    TestPressKey(Edit, VK_DOWN);
    TestPressKey(Edit, VK_RETURN);
    EXPECT_EQ(Edit->Text(), String("upstream heel"));
    EXPECT_FALSE(Edit->Suggestions()->DroppedDown());
}

TEST_F(CompletingComboEdit, TheSourceHandsOutTheListFromTheStartAndReportsItsEnd)
{
    TAutoCompleteSource source(Edit);
    std::vector<String> names;
    EXPECT_EQ(source.Next(2, names), 0);      // S_OK: two given
    EXPECT_EQ(source.Next(2, names), 1);      // S_FALSE: only one left
    EXPECT_EQ(names, (std::vector<String>{"Upstream face", "Downstream toe", "upstream heel"}));
    source.Reset();
    EXPECT_EQ(source.Skip(1), 0);
    std::unique_ptr<TAutoCompleteSource> copy = source.Clone();   // at the same place
    names.clear();
    copy->Next(1, names);
    EXPECT_EQ(names, (std::vector<String>{"Downstream toe"}));
    EXPECT_EQ(source.Skip(5), 1);             // the end, where it stays
    EXPECT_EQ(source.Next(1, names), 1);
    EXPECT_EQ(names.size(), 1u);
}
