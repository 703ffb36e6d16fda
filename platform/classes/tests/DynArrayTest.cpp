#include <gtest/gtest.h>

#include "platform/classes/DynArray.h"
#include "platform/classes/Set.h"

TEST(DynArray, CopiesShareAndSetLengthUnshares)
{
    DynArray<double> a;
    a.SetLength(3);
    a[0] = 1.5;
    DynArray<double> b = a;  // shares
    b[1] = 2.5;
    EXPECT_EQ(a[1], 2.5);
    EXPECT_TRUE(a.SharesWith(b));

    b.SetLength(3);  // same length: still its own storage afterwards
    b[2] = 9.0;
    EXPECT_EQ(a[2], 0.0);
    EXPECT_EQ(b[0], 1.5);
    EXPECT_FALSE(a.SharesWith(b));

    b.SetLength(5);
    EXPECT_EQ(b.Length(), 5);
    EXPECT_EQ(b[4], 0.0);
    EXPECT_EQ(b.High(), 4);
    b.SetLength(0);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(a.Length(), 3);
}

TEST(DynArray, CopyIsIndependent)
{
    DynArray<int> a{1, 2, 3};
    DynArray<int> c = a.Copy();
    c[0] = 7;
    EXPECT_EQ(a[0], 1);
}

enum TColourName { cnRed, cnGreen, cnBlue };

TEST(Set, MembersAndBitImage)
{
    Set<TColourName> s{cnRed, cnBlue};
    EXPECT_TRUE(s.Contains(cnBlue));
    EXPECT_FALSE(s.Contains(cnGreen));
    EXPECT_EQ(s.ToBits(), 0b101u);
    EXPECT_EQ(Set<TColourName>::FromBits(0b010), Set<TColourName>{cnGreen});
    EXPECT_EQ(s - Set<TColourName>{cnRed}, Set<TColourName>{cnBlue});
    EXPECT_TRUE(Set<TColourName>{cnRed} <= s);
}

TEST(DynArray, BoolElementsAreAddressable)
{
    DynArray<DynArray<bool>> grid;
    grid.SetLength(2);
    for (auto& column : grid) column.SetLength(3);
    grid[1][2] = true;
    bool& cell = grid[0][1];
    cell = true;
    EXPECT_TRUE(grid[1][2]);
    EXPECT_TRUE(grid[0][1]);
    EXPECT_FALSE(grid[0][0]);
}
