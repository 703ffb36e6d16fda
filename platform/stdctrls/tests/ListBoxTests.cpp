#include <gtest/gtest.h>

#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/testing/Driver.h"

namespace {

struct Recorder : TObject {
    std::vector<std::pair<Integer, Integer>> Measured;   // index, height offered
    struct Draw { Integer Index; TRect Rect; TOwnerDrawState State; };
    std::vector<Draw> Drawn;
    Integer Clicks = 0;
    void Measure(TWinControl*, Integer index, Integer& height)
    {
        Measured.push_back({index, height});
        height = 10 + 5 * index;
    }
    void DrawRow(TWinControl*, Integer index, TRect rect, TOwnerDrawState state) { Drawn.push_back({index, rect, state}); }
    void Click(TObject*) { ++Clicks; }
    void FillRow(TWinControl* list, Integer, TRect rect, TOwnerDrawState)
    {
        static_cast<TListBox*>(list)->Canvas().FillRect(rect);
    }
};

struct ListBoxTest : ::testing::Test {
    ListBoxTest()
    {
        TestInitialize();
        Host.SetBounds(0, 0, 300, 300);
        List = new TListBox(&Host);
        List->SetParent(&Host);
        List->SetBounds(10, 10, 120, 100);   // client 116 x 96 inside the sunken edge
        List->OnClick = TNotifyEvent(&Events, &Recorder::Click);
        Host.Show();
        TestProcess();
    }
    void Press(TPoint p, Cardinal keys = MK_LBUTTON)
    {
        List->Perform(WM_LBUTTONDOWN, keys, MakeLParam(p.X, p.Y));
        List->Perform(WM_LBUTTONUP, keys & ~MK_LBUTTON, MakeLParam(p.X, p.Y));
    }
    Recorder Events;
    TForm Host{nullptr};
    TListBox* List = nullptr;
};

}  // namespace

TEST_F(ListBoxTest, OwnerDrawnVariableRowsAreMeasuredWhenAddedAndDrawnWhereTheyLie)
{
    List->SetStyle(lbOwnerDrawVariable);
    List->OnMeasureItem = TMeasureItemEvent(&Events, &Recorder::Measure);
    List->OnDrawItem = TDrawItemEvent(&Events, &Recorder::DrawRow);
    for (const char* text : {"a", "b", "c", "d", "e", "f", "g"}) List->Items().Add(text);
    ASSERT_EQ(Events.Measured.size(), 7u);
    for (Integer i = 0; i < 7; ++i) EXPECT_EQ(Events.Measured[i], std::make_pair(i, 16));   // ItemHeight offered

    List->SetItemIndex(1);
    List->Repaint();
    // Heights 10, 15, 20, 25, 30 fill 100 > 96 pixels: rows 0-4 are painted, 5 and 6 are not.
    ASSERT_EQ(Events.Drawn.size(), 5u);
    Integer top = 0;
    for (Integer i = 0; i < 5; ++i) {
        const auto& d = Events.Drawn[i];
        EXPECT_EQ(d.Index, i);
        EXPECT_EQ(d.Rect.Top, top);
        EXPECT_EQ(d.Rect.Height(), 10 + 5 * i);
        EXPECT_EQ(d.State.Contains(odSelected), i == 1);
        top += 10 + 5 * i;
    }
    struct Case { TPoint p; bool existing; Integer row; };
    for (Case c : {Case{{5, 0}, true, 0}, Case{{5, 9}, true, 0}, Case{{5, 10}, true, 1}, Case{{5, 44}, true, 2}, Case{{5, 45}, true, 3},
                   Case{{5, 95}, true, 4}, Case{{200, 5}, true, -1}, Case{{200, 5}, false, -1}})
        EXPECT_EQ(List->ItemAtPos(c.p, c.existing), c.row) << c.p.X << "," << c.p.Y;
    EXPECT_EQ(List->ItemRect(2), (TRect{0, 25, 99, 45}));   // a vertical scroll bar takes 17 pixels

    List->SetTopIndex(2);
    EXPECT_EQ(List->TopIndex(), 2);
    EXPECT_EQ(List->ItemAtPos({5, 0}, true), 2);
    EXPECT_EQ(List->ItemAtPos({5, 20}, true), 3);
    EXPECT_EQ(List->ItemRect(1), (TRect{0, -15, 99, 0}));
}

TEST_F(ListBoxTest, ItemAtPosBelowTheLastRow)
{
    List->SetStyle(lbOwnerDrawFixed);
    List->SetItemHeight(20);
    for (const char* text : {"one", "two"}) List->Items().Add(text);
    EXPECT_EQ(List->ItemAtPos({5, 39}, true), 1);
    EXPECT_EQ(List->ItemAtPos({5, 40}, true), -1);
    EXPECT_EQ(List->ItemAtPos({5, 40}, false), 2);
    // The platform list's answer: the nearest row, and in the high word whether the point is outside.
    EXPECT_EQ(List->Perform(LB_ITEMFROMPOINT, 0, MakeLParam(5, 25)), MakeLong(1, 0));
    EXPECT_EQ(List->Perform(LB_ITEMFROMPOINT, 0, MakeLParam(5, 70)), MakeLong(1, 1));
}

TEST_F(ListBoxTest, ListMessagesAndItemsAgree)
{
    List->Items().Add("Beta");
    List->Items().Add("Alpha");
    List->Items().Insert(0, "Gamma");
    EXPECT_EQ(List->Perform(LB_GETCOUNT), 3);
    String text;
    EXPECT_EQ(List->Perform(LB_GETTEXT, 2, reinterpret_cast<std::intptr_t>(&text)), 5);
    EXPECT_EQ(text, String("Alpha"));
    EXPECT_EQ(List->Perform(LB_GETTEXT, 3, reinterpret_cast<std::intptr_t>(&text)), LB_ERR);
    String find = "al";
    EXPECT_EQ(List->Perform(LB_FINDSTRING, -1, reinterpret_cast<std::intptr_t>(&find)), 2);
    List->Items().Delete(0);
    EXPECT_EQ(List->Items().CommaText(), String("Beta,Alpha"));
    EXPECT_THROW(List->Items().Delete(5), EStringListError);

    List->SetSorted(true);
    List->Items().Add("Aardvark");
    EXPECT_EQ(List->Items().CommaText(), String("Aardvark,Alpha,Beta"));

    List->Perform(LB_SETHORIZONTALEXTENT, 400);
    EXPECT_EQ(List->ScrollWidth(), 400);
    EXPECT_EQ(List->ItemRect(0).Width(), 400);
}

TEST_F(ListBoxTest, UserSelectionClicksProgramSelectionDoesNot)
{
    for (const char* text : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}) List->Items().Add(text);
    Integer h = List->ItemHeight();
    List->SetItemIndex(2);
    EXPECT_EQ(Events.Clicks, 0);
    Press({5, h * 4 + 1});
    EXPECT_EQ(List->ItemIndex(), 4);
    EXPECT_EQ(Events.Clicks, 1);
    Press({5, h * 4 + 1});   // the same row again: no change, no click
    EXPECT_EQ(Events.Clicks, 1);
    Word key = VK_DOWN;
    List->Perform(WM_KEYDOWN, key);
    EXPECT_EQ(List->ItemIndex(), 5);
    EXPECT_EQ(Events.Clicks, 2);
    key = VK_END;
    List->Perform(WM_KEYDOWN, key);
    EXPECT_EQ(List->ItemIndex(), 9);
    EXPECT_GT(List->TopIndex(), 0);   // scrolled so that the last row shows
    Press({5, List->ItemRect(9).Top + 1});
    EXPECT_EQ(List->ItemIndex(), 9);
}

// A list whose brush holds a bitmap shows it tiled wherever no row paints: a 2 x 1 bitmap red and
// blue alternates along every line of the empty area below the rows.
TEST_F(ListBoxTest, ABrushBitmapTilesTheEmptyAreaBelowTheRows)
{
    TBitmap wallpaper;
    wallpaper.SetSize(2, 1);
    wallpaper.Canvas().SetPixel(0, 0, clRed);
    wallpaper.Canvas().SetPixel(1, 0, clBlue);
    List->Brush().SetBitmap(&wallpaper);
    List->Items().Add("a");
    TestProcess();
    TBitmap shot;
    TestGrab(List, shot);   // the window with its edge
    const Integer b = List->BorderWidthNC();
    const Integer y = b + List->ItemHeight() + 10;
    auto rgb = [&](Integer x) { return ColorToRGB(shot.Canvas().Pixel(x, y)); };
    for (Integer x = b; x < b + 40; ++x) EXPECT_EQ(rgb(x), rgb(x + 2)) << x;
    EXPECT_NE(rgb(b), rgb(b + 1));
    EXPECT_TRUE(rgb(b) == clRed || rgb(b) == clBlue);
}

// The list frames the focused row with a dotted rectangle only on rows it draws itself and only
// while it has the focus; an owner that draws its rows draws their focus as it likes.
TEST_F(ListBoxTest, FocusedRowIsFramedOnlyWhileFocusedAndOnlyWhereTheListDrawsIt)
{
    struct Case {
        TListBoxStyle style;
        bool ownerDraws;
        bool framedWhileFocused;
    };
    auto* other = new TListBox(&Host);
    other->SetParent(&Host);
    other->SetBounds(150, 10, 100, 100);
    for (const char* text : {"a", "b", "c"}) List->Items().Add(text);
    List->SetItemIndex(1);
    for (Case c : {Case{lbStandard, false, true}, Case{lbOwnerDrawFixed, false, true}, Case{lbOwnerDrawFixed, true, false}}) {
        List->SetStyle(c.style);
        List->OnDrawItem = c.ownerDraws ? TDrawItemEvent(&Events, &Recorder::FillRow) : TDrawItemEvent();
        // dots of the frame: pixels of the selected row's top line other than the highlight
        auto dots = [&] {
            const TRect r = List->ItemRect(1);
            Integer n = 0;
            for (Integer x = r.Left; x < r.Right; ++x) n += TestPixel(List, x, r.Top) != ColorToRGB(clHighlight);
            return n;
        };
        List->SetFocus();
        TestProcess();
        EXPECT_EQ(dots() > 0, c.framedWhileFocused) << c.style << c.ownerDraws;
        other->SetFocus();
        TestProcess();
        EXPECT_EQ(dots(), 0) << c.style << c.ownerDraws;
    }
}

TEST_F(ListBoxTest, LeftAndRightMoveAsUpAndDown)
{
    for (const char* text : {"a", "b", "c"}) List->Items().Add(text);
    List->SetItemIndex(1);
    struct Case {
        Word key;
        Integer row;
    } cases[] = {{VK_RIGHT, 2}, {VK_RIGHT, 2}, {VK_LEFT, 1}, {VK_LEFT, 0}, {VK_LEFT, 0}};
    for (const Case& c : cases) {
        List->Perform(WM_KEYDOWN, c.key);
        EXPECT_EQ(List->ItemIndex(), c.row) << c.key;
    }
}

TEST_F(ListBoxTest, ExtendedMultipleSelection)
{
    List->SetMultiSelect(true);
    for (const char* text : {"a", "b", "c", "d", "e"}) List->Items().Add(text);
    Integer h = List->ItemHeight();
    Press({5, 1});
    Press({5, 3 * h + 1}, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(List->SelCount(), 4);
    Press({5, 1 * h + 1}, MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(List->SelCount(), 3);
    EXPECT_FALSE(List->Selected(1));
    EXPECT_EQ(List->ItemIndex(), 1);
    Press({5, 4 * h + 1});
    EXPECT_EQ(List->SelCount(), 1);
    EXPECT_TRUE(List->Selected(4));
    EXPECT_EQ(Events.Clicks, 4);
}

// A row that does not exist is reported with the runtime's message.
TEST_F(ListBoxTest, MissingRowIsAListIndexError)
{
    List->Items().Add("Usual");
    try {
        List->Selected(3);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), String("Index de liste hors limites (3)"));
    }
}
