#include <gtest/gtest.h>

#include "platform/stdctrls/Grids.h"
#include "platform/testing/Driver.h"

namespace {

struct GridEvents : TObject {
    std::vector<std::pair<TGridCoord, TGridDrawState>> Drawn;
    TGridCoord Refused{-1, -1};
    std::vector<std::pair<Integer, Integer>> Moved;
    void Draw(TObject*, Integer col, Integer row, TRect, TGridDrawState state) { Drawn.push_back({{col, row}, state}); }
    void Select(TObject*, Integer col, Integer row, bool& can) { can = !(TGridCoord{col, row} == Refused); }
    void ColumnMoved(TObject*, Integer from, Integer to) { Moved.push_back({from, to}); }
};

struct GridTest : ::testing::Test {
    GridTest()
    {
        TestInitialize();
        Host.SetBounds(0, 0, 400, 300);
        Grid = new TStringGrid(&Host);
        Grid->SetParent(&Host);
        Grid->SetBounds(0, 0, 204, 114);   // client 200 x 110
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetDefaultColWidth(40);
        Grid->SetDefaultRowHeight(18);
        Grid->OnDrawCell = TDrawCellEvent(&Events, &GridEvents::Draw);
        Grid->OnSelectCell = TSelectCellEvent(&Events, &GridEvents::Select);
        Grid->OnColumnMoved = TMovedEvent(&Events, &GridEvents::ColumnMoved);
        Host.Show();
        TestProcess();
    }
    // The middle of a cell, 41 pixels per column and 19 per row with the grid lines.
    static TPoint At(Integer col, Integer row) { return {col * 41 + 20, row * 19 + 9}; }
    void Press(TPoint p, Cardinal keys = 0)
    {
        Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON | keys, MakeLParam(p.X, p.Y));
        Grid->Perform(WM_LBUTTONUP, keys, MakeLParam(p.X, p.Y));
    }
    GridEvents Events;
    TForm Host{nullptr};
    TStringGrid* Grid = nullptr;
};

}  // namespace

TEST_F(GridTest, CellTextsAndTheirPlaces)
{
    Grid->SetCells(0, 0, "Joint");
    Grid->SetCells(2, 3, "12.5");
    EXPECT_EQ(Grid->Cells(2, 3), String("12.5"));
    EXPECT_EQ(Grid->Cells(3, 4), String());
    EXPECT_THROW(Grid->SetCells(4, 0, "x"), EListError);
    EXPECT_EQ(Grid->CellRect(2, 3), (TRect{82, 57, 122, 75}));
    Integer col = 0, row = 0;
    Grid->MouseToCell(83, 74, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(Grid->MouseCoord(199, 5), (TGridCoord{-1, -1}));   // right of the last column

    Events.Drawn.clear();
    Grid->Repaint();
    // Every visible cell is drawn once, the fixed ones marked so.
    EXPECT_EQ(Events.Drawn.size(), 20u);
    for (const auto& [cell, state] : Events.Drawn)
        EXPECT_EQ(state.Contains(gdFixed), cell.X == 0 || cell.Y == 0) << cell.X << "," << cell.Y;
    // The text is written inside its cell, as the window shows it.
    TBitmap shot;
    TestGrab(Grid, shot);
    auto inked = [&](const TRect& r) {
        Integer n = 0;
        for (Integer y = r.Top; y < r.Bottom; ++y)
            for (Integer x = r.Left; x < r.Right; ++x)
                if (ColorToRGB(shot.Canvas().Pixel(x + 2, y + 2)) == clBlack) ++n;   // black text, 2-pixel edge
        return n;
    };
    EXPECT_GT(inked(Grid->CellRect(2, 3)), 5);
    EXPECT_EQ(inked(Grid->CellRect(3, 3)), 0);
}

// A grid made smaller forgets the cells it no longer has: made larger again, they are empty.
TEST_F(GridTest, ShrinkingDropsTheCellsOutside)
{
    TObject marker;
    Grid->SetCells(1, 1, "kept");
    Grid->SetCells(3, 1, "column 3");
    Grid->SetCells(1, 4, "row 4");
    Grid->SetObjects(3, 4, &marker);
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    EXPECT_EQ(Grid->Cells(1, 1), String("kept"));
    EXPECT_EQ(Grid->Cells(3, 1), String());
    EXPECT_EQ(Grid->Cells(1, 4), String());
    EXPECT_EQ(Grid->Objects(3, 4), nullptr);
}

TEST_F(GridTest, SelectionFollowsClicksShiftAndKeys)
{
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    Press(At(2, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 3, 2, 3}));
    Press(At(3, 4), MK_SHIFT);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 3, 3, 4}));
    EXPECT_EQ(Grid->Col(), 3);
    Word key = VK_LEFT;
    Grid->Perform(WM_KEYDOWN, key);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 4, 2, 4}));
    Press(At(0, 2));   // a fixed cell selects nothing
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 4, 2, 4}));
    Events.Refused = {1, 1};
    Press(At(1, 1));
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 4, 2, 4}));

    Events.Drawn.clear();
    Grid->SetFocus();
    Grid->Repaint();
    for (const auto& [cell, state] : Events.Drawn) {
        EXPECT_EQ(state.Contains(gdSelected), cell == (TGridCoord{2, 4}));
        EXPECT_EQ(state.Contains(gdFocused), cell == (TGridCoord{2, 4}));
    }
}

TEST_F(GridTest, ColumnsMoveAndSizeInTheFixedRowWhenAllowed)
{
    Grid->SetCells(1, 2, "first");
    Grid->SetCells(3, 2, "third");
    Press(At(1, 0));
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(At(1, 0).X, At(1, 0).Y));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(At(3, 0).X, At(3, 0).Y));
    EXPECT_TRUE(Events.Moved.empty());   // not without goColMoving

    Grid->SetOptions(Grid->Options() + TGridOptions{goColMoving, goColSizing});
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(At(1, 0).X, At(1, 0).Y));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(At(3, 0).X, At(3, 0).Y));
    ASSERT_EQ(Events.Moved.size(), 1u);
    EXPECT_EQ(Events.Moved[0], std::make_pair(1, 3));
    EXPECT_EQ(Grid->Cells(3, 2), String("first"));
    EXPECT_EQ(Grid->Cells(2, 2), String("third"));

    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(40, 5));   // on the line right of column 0
    Grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(70, 5));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(70, 5));
    EXPECT_EQ(Grid->ColWidths(0), 70);
}
