// The control bar: bands in rows, dragged by their handles along a row, into another row or a
// new one; rows that empty close up and the bar takes the height of its rows.
#include <gtest/gtest.h>

#include "platform/stdctrls/ControlBar.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/testing/Driver.h"

namespace {

// A bar 300 wide across the top of its form, rows of 26 pixels; three 22-pixel-high children
// stand in for tool bars.  A band takes 11 pixels left of its child (frame and handle) and 2
// on the other sides: A (60 wide) and B (80) in the top row, C (40) in the second.
struct ControlBarFixture : ::testing::Test {
    TForm* Form = nullptr;
    TControlBar* Bar = nullptr;
    TPanel* A = nullptr;
    TPanel* B = nullptr;
    TPanel* C = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Bar = new TControlBar(Form);
        Bar->SetAlign(alTop);
        Bar->SetAutoSize(true);
        Bar->SetParent(Form);
        auto child = [this](Integer left, Integer top, Integer width) {
            auto* p = new TPanel(Form);
            p->SetBounds(left, top, width, 22);
            p->SetParent(Bar);
            return p;
        };
        A = child(11, 2, 60);
        B = child(100, 2, 80);
        C = child(11, 28, 40);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(ControlBarFixture, BandsLieInRowsWithoutOverlapping)
{
    EXPECT_EQ(Bar->BandRect(A), Rect(0, 0, 73, 26));
    EXPECT_EQ(Bar->BandRect(B), Rect(89, 0, 182, 26));
    EXPECT_EQ(Bar->BandRect(C), Rect(0, 26, 53, 52));
    EXPECT_EQ(Bar->Height(), 52);   // two rows

    // a child moved over its neighbour's band is put after it
    B->SetLeft(30);
    EXPECT_EQ(Bar->BandRect(B), Rect(73, 0, 166, 26));
    EXPECT_EQ(B->Left(), 84);
}

TEST_F(ControlBarFixture, HiddenBandsCloseTheirRowAndFindItAgain)
{
    C->SetVisible(false);
    EXPECT_EQ(Bar->Height(), 26);
    EXPECT_EQ(Bar->BandRow(C), -1);
    EXPECT_TRUE(Bar->BandRect(C).IsEmpty());
    A->SetVisible(false);
    B->SetVisible(false);
    EXPECT_EQ(Bar->Height(), 26);   // nothing to show: the bar keeps its height
    A->SetVisible(true);
    C->SetVisible(true);
    EXPECT_EQ(Bar->BandRow(A), 0);
    EXPECT_EQ(Bar->BandRow(C), 1);
    EXPECT_EQ(Bar->Height(), 52);
}

TEST_F(ControlBarFixture, DraggingAHandleMovesTheBandBetweenRows)
{
    // C's handle (4, 30) into the top row at its start: A and B make room after it
    TestDrag(Bar, {4, 30}, {4, 5});
    EXPECT_EQ(Bar->BandRow(C), 0);
    EXPECT_EQ(Bar->BandRect(C), Rect(0, 0, 53, 26));
    EXPECT_EQ(Bar->BandRect(A), Rect(53, 0, 126, 26));
    EXPECT_EQ(Bar->BandRect(B), Rect(126, 0, 219, 26));
    EXPECT_EQ(Bar->Height(), 26);   // the second row closed

    // A below the bottom row opens a new row; B moves along its row
    TestDrag(Bar, {56, 10}, {120, 40}, 1);
    EXPECT_EQ(Bar->BandRow(A), 1);
    EXPECT_EQ(Bar->BandRect(A), Rect(117, 26, 190, 52));
    EXPECT_EQ(Bar->Height(), 52);
    TestDrag(Bar, {129, 10}, {200, 10});
    EXPECT_EQ(Bar->BandRect(B), Rect(197, 0, 290, 26));

    // B above the top row opens a new row above the others
    TestDrag(Bar, {200, 10}, {3, -4});
    EXPECT_EQ(Bar->BandRow(B), 0);
    EXPECT_EQ(Bar->BandRow(C), 1);
    EXPECT_EQ(Bar->BandRow(A), 2);
    EXPECT_EQ(Bar->BandRect(B), Rect(0, 0, 93, 26));
    EXPECT_EQ(Bar->Height(), 78);
}

TEST_F(ControlBarFixture, BandsAreDrawnRaisedWithTwoHandleBars)
{
    // A's band (0, 0)-(73, 26): a raised frame, light on the top and left, dark on the bottom and
    // right (corners included); the handle's bars at x 2..4 and 5..7, y 2..23, raised the same way
    struct Case {
        Integer x, y;
        TColor color;
    } cases[] = {
        {0, 0, clBtnHighlight}, {71, 0, clBtnHighlight}, {72, 0, clBtnShadow},  {0, 24, clBtnHighlight},
        {0, 25, clBtnShadow},   {72, 25, clBtnShadow},   {73, 0, clBtnFace},    {1, 1, clBtnFace},
        {2, 2, clBtnHighlight}, {2, 22, clBtnHighlight}, {2, 23, clBtnShadow},  {4, 3, clBtnShadow},
        {3, 3, clBtnFace},      {5, 2, clBtnHighlight},  {7, 23, clBtnShadow},  {8, 12, clBtnFace},
        {2, 1, clBtnFace},      {2, 24, clBtnFace},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToRGB(TestPixel(Bar, c.x, c.y)), ColorToRGB(c.color)) << c.x << "," << c.y;
}

TEST_F(ControlBarFixture, TheHandleShowsTheMovingCursor)
{
    TestMouseMove(Bar, 4, 10);
    EXPECT_EQ(GetCursor(), crSizeAll);
    TestMouseMove(Bar, 250, 40);   // no band there
    EXPECT_EQ(GetCursor(), crDefault);
}

}  // namespace
