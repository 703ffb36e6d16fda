// The combo box on a shown form through the test driver: dropping down and choosing with the mouse
// and the keys, typing, its change events, Enter as Tab, Tab out of the open list, the list's
// width, the label, focus colours, the button width, styles and the classic button.
#include <gtest/gtest.h>

#include "listcontrols/GxCombo.h"
#include "platform/forms/Frames.h"
#include "platform/rtl/RtlMath.h"
#include "platform/testing/Driver.h"

namespace {

class TComboLog : public TObject {
public:
    std::string Log;
    TGxComboBox* Combo = nullptr;
    void Change(TObject*) { Log += "change " + Combo->Text().ToUtf8() + ";"; }
    void DropUp(TObject*) { Log += "dropup;"; }
    void Down(TObject*, TMouseButton, TShiftState, Integer, Integer) { Log += "down;"; }
};

// A 320 x 160 form: the combo box (150 x 21 at (82, 15)) like the stability drawings' one, with
// three load combinations, and an edit after it in the tab order.
struct ComboFixture : ::testing::Test {
    std::unique_ptr<TForm> Form;
    TGxComboBox* Combo = nullptr;
    TEdit* Next = nullptr;
    TComboLog Events;
    void SetUp() override
    {
        TestInitialize();
        RegisterGxComboClasses();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 320, 160);
        Combo = new TGxComboBox(Form.get());
        Combo->SetParent(Form.get());
        Combo->SetBounds(82, 15, 150, 21);
        Combo->SetButtonWidth(17);
        for (const char* c : {"Usual", "Flood", "Post-seismic"}) Combo->Items().Add(c);
        Next = new TEdit(Form.get());
        Next->SetParent(Form.get());
        Next->SetBounds(82, 60, 100, 21);
        Events.Combo = Combo;
        Combo->OnChange = TNotifyEvent(&Events, &TComboLog::Change);
        Combo->OnDropUp = TNotifyEvent(&Events, &TComboLog::DropUp);
        Form->Show();
        TestProcess();
        Combo->SetItemIndex(0);
    }
    TCustomEdit* Edit() const { return Combo->EditHandle(); }
};

TEST_F(ComboFixture, ChoosingWithTheMouseAndTheKeysTellsOnChange)
{
    EXPECT_EQ(Combo->Text(), String("Usual"));
    EXPECT_EQ(Events.Log, "");   // the program's choice tells no one
    // The button drops the list down; a click on the second row chooses it and closes the list.
    TestClick(Combo, 140, 10);
    ASSERT_TRUE(Combo->DroppedDown());
    TWinControl* list = Combo->ListWindow();
    TestClick(list, 20, Combo->ItemHeight() + 4);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Events.Log, "change Flood;dropup;");
    // The arrow keys in the edit choose without dropping down.
    Events.Log.clear();
    TestPressKey(Edit(), VK_DOWN);
    EXPECT_EQ(Combo->Text(), String("Post-seismic"));
    EXPECT_EQ(Events.Log, "change Post-seismic;");
    // Typed text tells OnChange for each character.
    Events.Log.clear();
    Combo->SetText("");
    TestTypeText(Edit(), "Fl");
    EXPECT_EQ(Events.Log, "change F;change Fl;");
    // SelectItem chooses by text and tells; an unknown text changes nothing.
    Events.Log.clear();
    Combo->SelectItem("Usual");
    Combo->SelectItem("Seismic");
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_EQ(Events.Log, "change Usual;");
}

TEST_F(ComboFixture, OnDropUpFollowsEveryClosingOfTheList)
{
    for (int i = 0; i < 2; ++i) {
        Combo->SetDroppedDown(true);
        TestPressKey(Edit(), VK_ESCAPE);
    }
    EXPECT_EQ(Events.Log, "dropup;dropup;");
}

TEST_F(ComboFixture, EnterActsAsTabAndNeverReachesTheEdit)
{
    Combo->SetReturnIsTab(true);
    Combo->SetFocus();
    TestProcess();
    Combo->SetText("");
    TestTypeText(Edit(), "F");
    TestPressKey(Edit(), VK_RETURN);
    TestProcess();
    EXPECT_EQ(Edit()->Text(), String("F"));
    EXPECT_TRUE(Next->Focused());
    // Without it, Enter leaves the focus where it is.
    Combo->SetReturnIsTab(false);
    Combo->SetFocus();
    TestProcess();
    TestPressKey(Edit(), VK_RETURN);
    TestProcess();
    EXPECT_FALSE(Next->Focused());
}

TEST_F(ComboFixture, TabInTheOpenListClosesItKeepsTheChoiceAndMovesOn)
{
    Combo->SetFocus();
    TestProcess();
    Combo->SetDroppedDown(true);
    TestPressKey(Edit(), VK_TAB);
    TestProcess();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_TRUE(Next->Focused());
    EXPECT_EQ(Events.Log, "dropup;");
}

TEST_F(ComboFixture, TheEditsLeftPressesReachOnMouseDown)
{
    Combo->OnMouseDown = TMouseEvent(&Events, &TComboLog::Down);
    TestClick(Edit(), 5, 5);
    EXPECT_EQ(Events.Log, "down;");
}

TEST_F(ComboFixture, TheListIsAsWideAsAskedOrAsTheWidestItem)
{
    Combo->SetDropWidth(220);
    Combo->SetDroppedDown(true);
    EXPECT_EQ(Combo->ListWindow()->Width(), 220);
    Combo->SetDroppedDown(false);
    // Automatic: the widest item + 8 + the scroll bar when the list has more items than rows,
    // never narrower than the box.
    Combo->SetDropWidth(0);
    Combo->Perform(CB_SETDROPPEDWIDTH, 0);
    Combo->SetAutoDropWidth(true);
    Combo->SetDropDownCount(2);
    const String wide = "Seismic #2 (stability analysis, pseudo-dynamic)";
    Combo->Items().Add(wide);
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(Combo->Font());
    Combo->SetDroppedDown(true);
    EXPECT_EQ(Combo->ListWindow()->Width(), measure.Canvas().TextWidth(wide) + 8 + 17);
    Combo->SetDroppedDown(false);
    Combo->Items().Delete(3);
    Combo->SetDropDownCount(8);
    Combo->Perform(CB_SETDROPPEDWIDTH, 0);
    Combo->SetDroppedDown(true);
    EXPECT_EQ(Combo->ListWindow()->Width(), 150);   // the items are narrower than the box
    Combo->SetDroppedDown(false);
}

TEST_F(ComboFixture, TheButtonWidthTakesOnly14To32UntilRescaled)
{
    for (Integer refused : {13, 33}) {
        Combo->SetButtonWidth(refused);
        EXPECT_EQ(Combo->ButtonWidth(), 17);
    }
    Combo->SetButtonWidth(32);
    EXPECT_EQ(Combo->ButtonWidth(), 32);
    Combo->SetButtonWidth(17);
    Form->ScaleForPPI(144);   // the scroll bar's width at 144 dots per inch
    EXPECT_EQ(Combo->ButtonWidth(), MulDiv(17, 144, 96));
}

TEST_F(ComboFixture, FocusColourComesAndGoesWithTheFocus)
{
    Combo->SetColor(clYellow);
    Combo->SetFocusColor(clAqua);
    Combo->SetFocus();
    TestProcess();
    EXPECT_EQ(Combo->Color(), TColor(clAqua));
    Next->SetFocus();
    TestProcess();
    EXPECT_EQ(Combo->Color(), TColor(clYellow));
}

TEST_F(ComboFixture, TheLabelStandsWhereItsPositionSays)
{
    Combo->SetLabelPosition(TGxCustomCombo::lpLeftCenter);
    Combo->SetLabelCaption("Combination:");
    TLabel* label = Combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), Form.get());
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(label->Font());
    const Integer w = measure.Canvas().TextWidth("Combination:");
    EXPECT_EQ(label->Left(), 82 - w - 4);
    EXPECT_EQ(label->Top(), 15 + (21 - label->Height()) / 2);
    Combo->SetLabelPosition(TGxCustomCombo::lpTopLeft);
    EXPECT_EQ(label->Left(), 82);
    EXPECT_EQ(label->Top(), 15 - label->Height() - 4);
    Combo->SetLabelPosition(TGxCustomCombo::lpRightTop);
    EXPECT_EQ(label->Left(), 82 + 150 + 4);
    // Aligned to the top with the label on its left, the box moves right by the label and margin.
    Combo->SetLabelPosition(TGxCustomCombo::lpLeftTop);
    Combo->SetAlign(alTop);
    EXPECT_EQ(Combo->Left(), label->Width() + 4);
    Combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

// A flat box takes its parent's colour while disabled and its own back when enabled again.
TEST_F(ComboFixture, DisablingAFlatBoxGivesItTheParentsColour)
{
    Form->SetColor(clSilver);
    Combo->SetFlatParentColor(false);
    Combo->SetFlat(true);
    Combo->SetColor(clYellow);
    Combo->SetEnabled(false);
    EXPECT_EQ(Combo->Color(), TColor(clSilver));
    EXPECT_TRUE(Combo->ParentColor());
    Combo->SetEnabled(true);
    EXPECT_EQ(Combo->Color(), TColor(clYellow));
    EXPECT_FALSE(Combo->ParentColor());
}

TEST_F(ComboFixture, StylesSetColoursAndThe2016RowKeepsThe2019Buttons)
{
    Combo->ApplyComponentStyle(tsOffice2019White);
    EXPECT_EQ(Combo->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(Combo->Font().Color(), TColor(0x444648));
    EXPECT_EQ(Combo->ButtonColorHot, TColor(0xF2E1D5));
    Combo->SetUIStyle(tsOffice2016Gray);
    EXPECT_EQ(Combo->Color(), TColor(0xB2B2B2));
    EXPECT_EQ(Combo->FlatLineColor(), TColor(0x444444));
    EXPECT_EQ(Combo->ButtonColorHot, TColor(0xF2E1D5));
    Combo->SetUIStyle(tsWindows10);   // every other style: white, window text, no button colours
    EXPECT_EQ(Combo->ButtonColor, TColor(clNone));
    EXPECT_EQ(Combo->Font().Color(), TColor(clWindowText));
    Combo->SetUIStyle(tsCustom);      // leaves the colours alone
    EXPECT_EQ(Combo->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(Combo->UIStyle(), tsCustom);
}

// Without the visual-style library the box draws the classic button even with its own border.
TEST_F(ComboFixture, WithoutVisualStylesTheButtonIsClassic)
{
    EXPECT_FALSE(Combo->DoVisualStyles());
    TBitmap plain;
    TestGrab(Combo, plain);
    Combo->SetBorderColor(clBlue);
    TestProcess();
    TBitmap bordered;
    TestGrab(Combo, bordered);
    EXPECT_EQ(bordered.Canvas().Pixel(0, 0), TColor(clBlue));
    EXPECT_EQ(bordered.Canvas().Pixel(149, 20), TColor(clBlue));
    // The arrow of the classic button stays black in the middle of the button zone.
    Integer arrow = 0;
    for (Integer y = 2; y < 19; ++y)
        for (Integer x = 150 - 2 - 17; x < 148; ++x) arrow += bordered.Canvas().Pixel(x, y) == TColor(clBlack);
    EXPECT_GT(arrow, 4);
    EXPECT_EQ(Combo->Version(), String("2.0.0.6"));
}

// Custom button colours: the hot colour while the mouse is over the button zone (the rightmost
// 17 pixels), the plain one elsewhere on the box.
TEST_F(ComboFixture, TheButtonTakesItsHotColourUnderTheMouse)
{
    Combo->ButtonColor = clWhite;
    Combo->ButtonColorHot = clYellow;
    Combo->ButtonTextColor = clBlack;
    Combo->ButtonBorderColor = clGray;
    const Integer x = Combo->ClientWidth() - 4, y = 3;
    TestMouseMove(Combo, 60, 8);
    TestProcess();
    EXPECT_EQ(TestPixel(Combo, x, y), TColor(clWhite));
    TestMouseMove(Combo, Combo->Width() - 6, 8);
    TestProcess();
    EXPECT_EQ(TestPixel(Combo, x, y), TColor(clYellow));
    TestMouseMove(Combo, Combo->Width() - 20, 8);   // between the text box and the button
    TestProcess();
    EXPECT_EQ(TestPixel(Combo, x, y), TColor(clWhite));
}

// The balloon tip goes to the edit child as the platform's balloon message.
class TBalloonSpy : public TObject {
public:
    TWndMethod Old;
    String Title, Text;
    Integer Icon = -1, Hides = 0;
    void Proc(TMessage& m)
    {
        if (m.Msg == EM_SHOWBALLOONTIP) {
            const auto* tip = reinterpret_cast<const EDITBALLOONTIP*>(m.LParam);
            Title = tip->pszTitle;
            Text = tip->pszText;
            Icon = tip->ttiIcon;
        }
        if (m.Msg == EM_HIDEBALLOONTIP) ++Hides;
        Old(m);
    }
};

TEST_F(ComboFixture, TheBalloonTipGoesToTheEdit)
{
    TBalloonSpy spy;
    spy.Old = Edit()->WindowProc;
    Edit()->WindowProc = TWndMethod(&spy, &TBalloonSpy::Proc);
    Combo->ShowBalloon("Combination", "Choose one", btWarning);
    EXPECT_EQ(spy.Title, String("Combination"));
    EXPECT_EQ(spy.Text, String("Choose one"));
    EXPECT_EQ(spy.Icon, 2);
    Combo->HideBalloon();
    EXPECT_EQ(spy.Hides, 1);
    Edit()->WindowProc = spy.Old;
}

}  // namespace
