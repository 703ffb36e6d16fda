// The windowless bases: defaults, bounds-change reports and index ranges.
#include <gtest/gtest.h>

#include "styledcontrols/StyGraphicControl.h"

TEST(StyGraphicControl, ANewControlIsSmallTransparentAndUnthemed)
{
    TStyGraphicControl c(nullptr);
    EXPECT_EQ(c.Width(), 30);
    EXPECT_EQ(c.Height(), 30);
    EXPECT_TRUE(c.Transparent());
    EXPECT_FALSE(c.ControlStyle().Contains(csOpaque));
    EXPECT_EQ(c.ThemeMode(), ttmNone);
    EXPECT_TRUE(c.ParentThemeMode());
    c.RepaintControl();   // no parent: nothing to repaint on
    c.SetTransparent(false);
    EXPECT_TRUE(c.ControlStyle().Contains(csOpaque));
}

TEST(StyGraphicControl, BoundsChangesReportPositionAndSize)
{
    struct TRecorder : TObject {
        std::vector<TStyBoundsChangeStates> Reports;
        void Changed(TObject*, TStyBoundsChangeStates s) { Reports.push_back(s); }
    } recorder;
    TStyGraphicControl c(nullptr);
    c.OnBoundsChange = TStyOnBoundsChangeEvent(&recorder, &TRecorder::Changed);
    c.SetBounds(5, 0, 30, 30);    // moved
    c.SetBounds(5, 0, 40, 30);    // resized
    c.SetBounds(5, 0, 40, 30);    // nothing
    c.SetBounds(6, 1, 41, 31);    // both
    ASSERT_EQ(recorder.Reports.size(), 3u);
    EXPECT_TRUE(recorder.Reports[0] == TStyBoundsChangeStates{bcPos});
    EXPECT_TRUE(recorder.Reports[1] == TStyBoundsChangeStates{bcSize});
    EXPECT_TRUE((recorder.Reports[2] == TStyBoundsChangeStates{bcPos, bcSize}));
    c.IncludeState(csLoading);
    c.SetBounds(0, 0, 10, 10);    // nothing while loading
    EXPECT_EQ(recorder.Reports.size(), 3u);
}

TEST(StyGraphicControl, IndexRanges)
{
    TStyGraphicControl c(nullptr);
    c.SetImageIndex(-1);
    EXPECT_EQ(c.ImageIndex(), -1);
    c.SetImageIndex(-2);
    EXPECT_EQ(c.ImageIndex(), -1);
    c.SetListIndex(-1);
    EXPECT_EQ(c.ListIndex(), 0);
    EXPECT_TRUE(c.IMLEmpty());
}
