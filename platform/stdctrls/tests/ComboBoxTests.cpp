#include <gtest/gtest.h>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/tests/FakeWindowSystem.h"

namespace {

struct ComboEvents : TObject {
    std::vector<String> Log;
    TCustomComboBox* Combo = nullptr;
    void Click(TObject*) { Log.push_back("click " + IntToStr(Combo->ItemIndex())); }
    void Change(TObject*) { Log.push_back("change " + Combo->Text()); }
    void Select(TObject*) { Log.push_back("select " + Combo->Text()); }
    void DropDown(TObject*) { Log.push_back("dropdown"); }
    void CloseUp(TObject*) { Log.push_back("closeup"); }
    void Draw(TWinControl*, Integer index, TRect, TOwnerDrawState state)
    {
        Log.push_back("draw " + IntToStr(index) + (state.Contains(odComboBoxEdit) ? " edit" : ""));
    }
};

struct ComboTest : ::testing::Test {
    ComboTest()
    {
        InitQtGraphics();
        Host.SetBounds(0, 0, 300, 200);
        Combo = new TComboBox(&Host);
        Combo->SetParent(&Host);
        Combo->SetBounds(10, 10, 150, 21);
        Combo->SetStyle(csDropDownList);
        for (const char* s : {"Usual", "Flood", "Seismic #1"}) Combo->Items().Add(s);
        Events.Combo = Combo;
        Combo->OnClick = TNotifyEvent(&Events, &ComboEvents::Click);
        Combo->OnChange = TNotifyEvent(&Events, &ComboEvents::Change);
        Combo->OnDropDown = TNotifyEvent(&Events, &ComboEvents::DropDown);
        Combo->OnCloseUp = TNotifyEvent(&Events, &ComboEvents::CloseUp);
        Host.HandleNeeded();
    }
    void Key(Word vk, TShiftState shift = {}) { Combo->Perform(WM_KEYDOWN, vk, ShiftStateToKeyData(shift)); }
    FakeWindows Windows;
    ComboEvents Events;
    TCustomControl Host{nullptr};
    TComboBox* Combo = nullptr;
};

}  // namespace

TEST_F(ComboTest, UserChoicesTellProgramChoicesDoNot)
{
    Combo->SetItemIndex(1);
    EXPECT_EQ(Combo->Text(), String("Flood"));
    EXPECT_EQ(Combo->Perform(CB_SETCURSEL, 0), 0);
    EXPECT_TRUE(Events.Log.empty());

    Key(VK_DOWN);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Events.Log, (std::vector<String>{"click 1", "change Flood"}));
    Events.Log.clear();
    Key(VK_DOWN);
    Key(VK_DOWN);   // already the last: nothing
    EXPECT_EQ(Events.Log, (std::vector<String>{"click 2", "change Seismic #1"}));

    Events.Log.clear();
    Combo->OnSelect = TNotifyEvent(&Events, &ComboEvents::Select);
    Key(VK_HOME);
    EXPECT_EQ(Events.Log, (std::vector<String>{"click 0", "select Usual"}));   // OnSelect instead of OnChange
}

TEST_F(ComboTest, DroppingDownAndChoosingInTheList)
{
    Combo->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(140, 8));
    Combo->Perform(WM_LBUTTONUP, 0, MakeLParam(140, 8));
    EXPECT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDSTATE), 1);
    EXPECT_EQ(Events.Log, (std::vector<String>{"dropdown"}));

    Events.Log.clear();
    Key(VK_ESCAPE);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_EQ(Events.Log, (std::vector<String>{"closeup"}));

    Events.Log.clear();
    Combo->SetDroppedDown(true);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Events.Log, (std::vector<String>{"dropdown", "click 1", "change Flood", "closeup"}));
}

TEST_F(ComboTest, OwnerDrawnThroughTheDelegate)
{
    Combo->SetStyle(csOwnerDrawFixed);
    Combo->OnDrawItem = TDrawItemEvent(&Events, &ComboEvents::Draw);
    Combo->SetItemIndex(2);
    Combo->Repaint();
    EXPECT_EQ(Events.Log, (std::vector<String>{"draw 2 edit"}));
    Events.Log.clear();
    Combo->SetDroppedDown(true);
    Events.Log.clear();
    TWinControl* list = nullptr;
    for (auto& w : Windows.System.Windows)
        if (w->Kind == TWindowKind::wkHint && w->Control) list = w->Control;
    ASSERT_NE(list, nullptr);
    list->Repaint();
    EXPECT_EQ(Events.Log, (std::vector<String>{"draw 0", "draw 1", "draw 2"}));
}

TEST_F(ComboTest, TheListWindowIsKnownOnceDroppedDown)
{
    EXPECT_EQ(Combo->ListWindow(), nullptr);
    Combo->SetDroppedDown(true);
    TWinControl* list = Combo->ListWindow();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->Visible());
    Combo->SetDroppedDown(false);
    EXPECT_EQ(Combo->ListWindow(), list) << "the same window serves the next drop-down";
    EXPECT_FALSE(list->Visible());
}

// A window system that goes unregisters itself: a timer stopped afterwards, as static objects do
// at the end of the program, reaches no window system.
TEST(WindowSystemRegistration, AWindowSystemThatGoesIsNoLongerRegistered)
{
    TWindowSystem* previous = WindowSystemRegistered() ? &WindowSystem() : nullptr;
    {
        TFakeWindowSystem system;
        RegisterWindowSystem(&system);
        EXPECT_TRUE(WindowSystemRegistered());
    }
    EXPECT_FALSE(WindowSystemRegistered());
    StopLayerTimer(&previous);
    RegisterWindowSystem(previous);
}
