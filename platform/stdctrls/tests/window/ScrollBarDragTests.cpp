// The list box and the grid scroll with the window scroll bars every windowed control has: the
// scroll-bar functions read and set them, WM_VSCROLL and WM_HSCROLL move the rows, and a thumb
// dragged with the mouse takes the rows along.  The scroll bar control looks as a window's.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/Grids.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/testing/Driver.h"

namespace {

struct ScrollingForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        List = new TListBox(Form);
        List->SetParent(Form);
        List->SetBounds(8, 8, 120, 100);
        for (Integer i = 1; i <= 20; ++i) List->Items().Add("Load case " + IntToStr(i));
        Grid = new TStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(140, 8, 200, 120);
        Grid->SetColCount(12);
        Grid->SetRowCount(30);
        Grid->SetDefaultColWidth(40);
        Grid->SetDefaultRowHeight(18);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    static SCROLLINFO Info(TWinControl* control, int bar)
    {
        SCROLLINFO i;
        i.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(control, bar, &i));
        return i;
    }
    // Puts the thumb at the start, then drags the vertical bar's thumb from just below its top
    // arrow to the bottom arrow, or the horizontal bar's from right of its left arrow to the right
    // arrow.
    static void DragThumbToTheEnd(TWinControl* control, int bar)
    {
        control->Perform(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, SB_TOP, 0);
        TestProcess();
        const TRect c = control->ClientRect();
        if (bar == SB_VERT)
            TestDrag(control, Point(c.Right + 8, ScrollBarSize + 3), Point(c.Right + 8, c.Bottom - 2), 6);
        else
            TestDrag(control, Point(ScrollBarSize + 3, c.Bottom + 8), Point(c.Right - 2, c.Bottom + 8), 6);
        TestProcess();
    }
    TForm* Form = nullptr;
    TListBox* List = nullptr;
    TStringGrid* Grid = nullptr;
};

}  // namespace

TEST_F(ScrollingForm, ListBoxRowsFollowItsWindowScrollBar)
{
    // 20 rows of 13 pixels in a client area 96 high: the last page shows 7 of them.
    SCROLLINFO v = Info(List, SB_VERT);
    EXPECT_EQ(v.nMin, 0);
    EXPECT_EQ(v.nMax, 19);
    EXPECT_EQ(static_cast<Integer>(v.nPage), 96 / List->ItemHeight());
    EXPECT_EQ(v.nPos, 0);
    EXPECT_EQ(List->ClientWidth(), 116 - ScrollBarSize);
    List->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(List->TopIndex(), 1);
    EXPECT_EQ(GetScrollPos(List, SB_VERT), 1);
    List->Perform(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(List->TopIndex(), 1 + static_cast<Integer>(v.nPage));
    List->SetTopIndex(0);
    EXPECT_EQ(GetScrollPos(List, SB_VERT), 0);
    DragThumbToTheEnd(List, SB_VERT);
    EXPECT_EQ(List->TopIndex(), 20 - static_cast<Integer>(v.nPage));
    EXPECT_EQ(GetScrollPos(List, SB_VERT), List->TopIndex());
}

TEST_F(ScrollingForm, GridRowsAndColumnsFollowItsWindowScrollBars)
{
    SCROLLINFO v = Info(Grid, SB_VERT), h = Info(Grid, SB_HORZ);
    EXPECT_EQ(v.nMin, 1);   // below the fixed row
    EXPECT_EQ(v.nMax, 29);
    EXPECT_EQ(h.nMin, 1);
    EXPECT_EQ(h.nMax, 11);
    EXPECT_EQ(Grid->ClientWidth(), 196 - ScrollBarSize);
    EXPECT_EQ(Grid->ClientHeight(), 116 - ScrollBarSize);
    Grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Grid->TopRow(), 2);
    Grid->Perform(WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Grid->LeftCol(), 2);
    DragThumbToTheEnd(Grid, SB_VERT);
    EXPECT_EQ(Grid->TopRow(), 30 - static_cast<Integer>(v.nPage));
    DragThumbToTheEnd(Grid, SB_HORZ);
    EXPECT_EQ(Grid->LeftCol(), 12 - static_cast<Integer>(h.nPage));
    EXPECT_EQ(GetScrollPos(Grid, SB_HORZ), Grid->LeftCol());
    TBitmap shot;
    TestScreenshot(Form, "platform-scrolled-list-and-grid", shot);
}

TEST_F(ScrollingForm, TheCornerBetweenTheGridsBarsShowsTheFaceColour)
{
    // the grid shows both bars, 17 pixels each; the square where they meet is the face colour
    ASSERT_TRUE(Grid->HasScrollBar(SB_HORZ) && Grid->HasScrollBar(SB_VERT));
    const TRect c = Grid->ClientRect();
    for (TPoint p : {Point(c.Right, c.Bottom), Point(c.Right + 8, c.Bottom + 8), Point(c.Right + 16, c.Bottom + 16)})
        EXPECT_EQ(ColorToRGB(TestPixel(Grid, p.X, p.Y)), ColorToRGB(clBtnFace)) << p.X << "," << p.Y;
}

// Flat scroll bars: once initialised, the grid's bars take their thickness, track colour and flat
// arrows and thumb from their properties; uninitialised, the regular bars come back.
TEST_F(ScrollingForm, FlatScrollBarsTakeTheirWidthColourAndLook)
{
    EXPECT_FALSE(FlatSB_SetScrollProp(Grid, WSB_PROP_CXVSCROLL, 12, true));   // not initialised
    ASSERT_TRUE(InitializeFlatSB(Grid));
    struct Case {
        int mode;
        bool framed;   // a shadow line around the arrows
        const char* picture;
    };
    for (Case c : {Case{FSB_FLAT_MODE, true, "platform-flat-scroll-bars"},
                   Case{FSB_ENCARTA_MODE, false, "platform-encarta-scroll-bars"}}) {
        for (unsigned prop : {WSB_PROP_VSTYLE, WSB_PROP_HSTYLE}) EXPECT_TRUE(FlatSB_SetScrollProp(Grid, prop, c.mode, true));
        FlatSB_SetScrollProp(Grid, WSB_PROP_VBKGCOLOR, clRed, true);
        FlatSB_SetScrollProp(Grid, WSB_PROP_HBKGCOLOR, clBlue, true);
        FlatSB_SetScrollProp(Grid, WSB_PROP_CXVSCROLL, 12, true);
        FlatSB_SetScrollProp(Grid, WSB_PROP_CYHSCROLL, 10, true);
        Grid->Perform(WM_VSCROLL, SB_TOP, 0);
        Grid->Perform(WM_HSCROLL, SB_TOP, 0);
        TestProcess();
        EXPECT_EQ(Grid->ClientWidth(), 196 - 12);
        EXPECT_EQ(Grid->ClientHeight(), 116 - 10);
        const TRect client = Grid->ClientRect();
        // the tracks near their far ends, where the thumbs at the start do not reach
        EXPECT_EQ(TestPixel(Grid, client.Right + 6, client.Bottom - ScrollBarSize - 4), clRed) << c.mode;
        EXPECT_EQ(TestPixel(Grid, client.Right - ScrollBarSize - 4, client.Bottom + 5), clBlue) << c.mode;
        // the top arrow: flat, so no highlight of a raised edge; framed in the shadow colour or not
        Integer highlight = 0, shadow = 0;
        for (Integer x = client.Right; x < client.Right + 12; ++x)
            for (Integer y = 0; y < ScrollBarSize; ++y) {
                const TColor pixel = TestPixel(Grid, x, y);
                highlight += pixel == ColorToRGB(clBtnHighlight);
                shadow += pixel == ColorToRGB(clBtnShadow);
            }
        EXPECT_EQ(highlight, 0) << c.mode;
        EXPECT_EQ(shadow >= 2 * 12, c.framed) << c.mode;
        TBitmap shot;
        TestScreenshot(Grid, c.picture, shot);
    }
    ASSERT_TRUE(UninitializeFlatSB(Grid));
    TestProcess();
    EXPECT_EQ(Grid->ClientWidth(), 196 - ScrollBarSize);
    EXPECT_EQ(Grid->ClientHeight(), 116 - ScrollBarSize);
    const TRect client = Grid->ClientRect();
    EXPECT_NE(TestPixel(Grid, client.Right + 6, client.Bottom - ScrollBarSize - 4), clRed);
}

namespace {
// A window with scroll bars in its style that paints nothing of its own.
class TBareWindow : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style |= WS_HSCROLL | WS_VSCROLL;
    }
};
}  // namespace

// A scroll bar control and a window's scroll bar with the same length, range, page and position
// show the same pixels: arrows, track and thumb.
TEST(ScrollBarLook, TheScrollBarControlLooksAsAWindowsScrollBar)
{
    TestInitialize();
    struct Case {
        bool Vertical;
        Integer Length, Units, Page, Pos;
    };
    const Case cases[] = {
        {false, 120, 14, 4, 0}, {false, 120, 14, 4, 2}, {false, 120, 14, 4, 10}, {false, 97, 100, 7, 33},
        {false, 120, 50, 0, 49}, {true, 90, 20, 5, 7}, {true, 60, 3, 1, 1},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        auto* control = new TScrollBar(&form);
        control->SetParent(&form);
        control->SetKind(c.Vertical ? sbVertical : sbHorizontal);
        control->SetBounds(8, 8, c.Vertical ? ScrollBarSize : c.Length, c.Vertical ? c.Length : ScrollBarSize);
        control->SetPageSize(c.Page);
        control->SetParams(c.Pos, 0, c.Units - 1);
        auto* window = new TBareWindow(&form);
        window->SetParent(&form);
        // the bar runs along the window's right or bottom edge
        window->SetBounds(150, 8, c.Vertical ? 40 : c.Length, c.Vertical ? c.Length : 40);
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        info.nMin = 0;
        info.nMax = c.Units - 1;
        info.nPage = static_cast<UINT>(c.Page);
        info.nPos = c.Pos;
        SetScrollInfo(window, c.Vertical ? SB_VERT : SB_HORZ, &info, true);
        form.Show();
        TestProcess();
        const Integer dx = c.Vertical ? 40 - ScrollBarSize : 0, dy = c.Vertical ? 0 : 40 - ScrollBarSize;
        TBitmap drawn, shown;
        TestGrab(control, drawn);
        TestGrab(window, shown);
        ASSERT_EQ(drawn.Width(), control->Width());
        Integer differ = 0;
        for (Integer y = 0; y < control->Height(); ++y)
            for (Integer x = 0; x < control->Width(); ++x)
                differ += drawn.Canvas().Pixel(x, y) != shown.Canvas().Pixel(dx + x, dy + y);
        EXPECT_EQ(differ, 0) << (c.Vertical ? "vertical " : "horizontal ") << c.Length << " long, " << c.Units
                             << " units, page " << c.Page << ", at " << c.Pos;
    }
}
