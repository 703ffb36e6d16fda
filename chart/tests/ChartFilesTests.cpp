#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "ChartTestSupport.h"
#include "chart/VEZ_dizure.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

bool SameItem(const TrcChartItem& a, const TrcChartItem& b) { return std::memcmp(&a, &b, sizeof a) == 0; }


class ChartFiles : public ::testing::Test {
protected:
    String Path(const char* name) const { return String((dir / name).string().c_str()); }

    TempFolder folder;
    std::filesystem::path dir{folder.Path()};
    TDIzure a{nullptr}, b{nullptr};
};

TEST_F(ChartFiles, SavedAndLoadedDataGiveTheSameDisplayList)
{
    a.SetDataTag(7);
    a.MoveTo(1.0, 2.0);
    a.DrawTo(3.0, 4.0);
    a.Text(1.0, 1.0, 10, "short");
    a.Text(2.0, 2.0, 12, "a text of twenty chr");
    a.Text(3.0, 3.0, 8, "end");
    a.Arc(0.0, 0.0, 2.0, 1.0, 0.5, 2.5);
    a.SaveData(Path("data.bin"));
    const std::string bytes = ReadAllBytes((dir / "data.bin").string());
    ASSERT_EQ(bytes.size(), 104u * 7 + 22);   // header, six items, one long text with CR LF
    EXPECT_EQ(bytes.substr(70, 13), std::string("\x0c[DATAFORMAT]"));
    EXPECT_EQ(bytes.substr(bytes.size() - 22), "a text of twenty chr\r\n");

    EXPECT_EQ(b.LoadData(Path("data.bin"), false), 6);
    ASSERT_EQ(b.NumItems(), 6);
    for (Integer i = 0; i < 6; ++i) EXPECT_TRUE(SameItem(a.GetChartItem(i), b.GetChartItem(i))) << i;
    EXPECT_EQ(b.GetDataLongText(3), "a text of twenty chr");
    for (TrcItem k : {tkMoveTo, tkLineto, tkText, tkArc}) EXPECT_EQ(b.GetItemCount(k), a.GetItemCount(k));
    // Appending doubles the list.
    EXPECT_EQ(b.LoadData(Path("data.bin"), true), 6);
    EXPECT_EQ(b.NumItems(), 12);
    EXPECT_EQ(b.GetItemCount(tkText), 6);
}

TEST_F(ChartFiles, AnnotationsAndKindsAreKeptApart)
{
    a.SetAnnoMode(true);
    a.MarkAt(10, 10, 3);
    a.SaveAnno(Path("anno.bin"));
    a.SaveData(Path("data.bin"));
    b.SetAnnoMode(true);
    b.MarkAt(5, 5, 1);
    EXPECT_EQ(b.LoadAnno(Path("data.bin"), false), -2);
    EXPECT_EQ(b.NumAnnos(), 1);
    EXPECT_EQ(b.LoadData(Path("anno.bin"), false), -2);
    EXPECT_EQ(b.LoadAnno(Path("missing.bin"), false), -1);
    EXPECT_EQ(b.LoadAnno(Path("anno.bin"), true), 1);
    EXPECT_EQ(b.NumAnnos(), 2);
    EXPECT_TRUE(SameItem(b.GetAnnoItem(1), a.GetAnnoItem(0)));
}

TEST_F(ChartFiles, EmptyListAndDamagedCounts)
{
    a.SaveData(Path("empty.bin"));
    EXPECT_EQ(std::filesystem::file_size(dir / "empty.bin"), 104u);
    b.MoveTo(1.0, 1.0);
    EXPECT_EQ(b.LoadData(Path("empty.bin"), false), 0);
    EXPECT_EQ(b.NumItems(), 0);
    // A header that promises more records than the file holds.
    std::string bytes = ReadAllBytes((dir / "empty.bin").string());
    const Integer many = 1000000;
    std::memcpy(bytes.data() + 88, &many, 4);
    std::ofstream(dir / "bad.bin", std::ios::binary) << bytes;
    b.MoveTo(1.0, 1.0);
    EXPECT_EQ(b.LoadData(Path("bad.bin"), false), -1);
    EXPECT_EQ(b.NumItems(), 1);
}

TEST_F(ChartFiles, RecordsHoldingMoreThanTheirFieldsAreRefusedAndChangeNothing)
{
    // Header then one text record: its 15-byte text at 70 after the length byte, its
    // transparency flag at 68.
    a.Text(1.0, 1.0, 10, "text");
    a.SaveData(Path("text.bin"));
    const std::string saved = ReadAllBytes((dir / "text.bin").string());
    struct Case { size_t at; char byte; Integer result; };
    const Case cases[] = {
        {70, '\x8c', -2},        // the header's marker claims 140 bytes
        {104 + 70, '\x10', -1},  // the text claims 16 bytes
        {104 + 70, '\xff', -1},
        {104 + 68, '\x02', -1},  // a flag that is neither true nor false
    };
    for (const Case& c : cases) {
        std::string bytes = saved;
        bytes[c.at] = c.byte;
        std::ofstream(dir / "bad.bin", std::ios::binary) << bytes;
        TDIzure chart{nullptr};
        chart.MoveTo(1.0, 1.0);
        EXPECT_EQ(chart.LoadData(Path("bad.bin"), false), c.result) << c.at;
        EXPECT_EQ(chart.NumItems(), 1) << c.at;
    }
}

TEST_F(ChartFiles, ListingDescribesEveryItem)
{
    a.MarkAt(1.5, 2.0, 4);
    a.Arc(0.0, 0.0, 2.0, 1.0, 0.5, -1.0);
    a.SaveDataASC(Path("list.txt"));
    const std::string text = ReadAllBytes((dir / "list.txt").string());
    EXPECT_NE(text.find("\r\n------ item 0 ------\r\n  elemtype: tkMarkAt\r\n startpnt: [1.5000/2.0000]\r\n endpoint: [0.0000/0.0000]\r\n      tag: 00000000"), std::string::npos);
    EXPECT_NE(text.find(" marktype: 4"), std::string::npos);
    EXPECT_NE(text.find("------ item 1 ------"), std::string::npos);
    EXPECT_NE(text.find("   angles: 5.0000000E-01 -1.0000000\r\n"), std::string::npos);
}

// ---------------------------------------------------------------- queries

class ChartQueries : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.SetBounds(0, 0, 280, 200);
        c.SetRange(1, 0, 0, 10, 10);
        c.SetDataTag(1);
        c.MarkAt(1.0, 1.0, 0);
        c.SetDataTag(2);
        c.SetClassDefault(3);
        c.Line(2.0, 2.0, 8.0, 9.0);
        c.MarkAt(5.0, 5.0, 0);
        c.SetClassDefault(0);
        c.MoveTo(4.0, 4.0);
    }
    TDIzure c{nullptr};
};

TEST_F(ChartQueries, Searches)
{
    EXPECT_EQ(c.SearchDataItem(0, 2, 0xFF, 255, tkEverything), 1);
    EXPECT_EQ(c.SearchDataItem(1, 0, 0, 255, tkMarkAt), 2);
    EXPECT_EQ(c.SearchDataItem(3, 0, 0, 255, tkMarkAt), -1);
    EXPECT_EQ(c.SearchDataItem(-1, 0, 0, 255, tkEverything), -1);
    EXPECT_EQ(c.SearchDataItem(0, 0, 0, 3, tkNotMoveTo), 1);
    EXPECT_EQ(c.SearchDataItem(3, 0, 0, 255, tkNotMoveTo), -1);
    EXPECT_EQ(c.FindUsedLayers(), 2u);
}

TEST_F(ChartQueries, NearestItems)
{
    double d = 0;
    EXPECT_EQ(c.FindNearestItemReal(4.5, 4.5, tkMarkAt, 255, d), 2);
    EXPECT_NEAR(d, std::sqrt(0.5), 1e-12);
    EXPECT_EQ(c.FindNearestItemReal(4.5, 4.5, tkNone, 255, d), -1);
    EXPECT_EQ(d, std::sqrt(1.7e308));
    EXPECT_EQ(c.FindNearestItemAlongAxis(5.0, atYAxis, tkEverything, 255, d), 2);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(c.FindNearestItemAlongAxis(5.0, atZAxis, tkEverything, 255, d), -1);
    EXPECT_EQ(c.FindNearestItemScreen(1.0, 1.2, tkEverything, 255, d), 0);
}

TEST_F(ChartQueries, ExtentMarkingScalingAndColours)
{
    double x0, y0, x1, y1;
    c.FindMinMax(1, 0, 0, 10, 10, x0, y0, x1, y1);
    EXPECT_EQ(x0, 1);
    EXPECT_EQ(y1, 9);
    c.FindMinMax(1, 20, 20, 30, 30, x0, y0, x1, y1);
    EXPECT_EQ(x0, 1.7e308);
    EXPECT_EQ(x1, -1.7e308);
    EXPECT_EQ(c.MarkItemsInWindow(6, 6, 0, 0, tkMarkAt, 9), 2);
    EXPECT_EQ(c.GetChartItem(2).ItemClass, 9);
    EXPECT_EQ(c.MarkItemsInWindow(0, 0, 6, 6, tkMarkAt, 255), 0);
    c.ScaleSelectedItems(2, 1, 1, 0, 3);
    EXPECT_EQ(c.GetChartItem(1).x, 5);
    EXPECT_EQ(c.GetChartItem(1).x2, 17);
    c.NewColorOfClassItems(clGreen, 9);
    EXPECT_EQ(c.GetChartItem(0).Color, clGreen);
    EXPECT_NE(c.GetChartItem(1).Color, clGreen);
}

TEST_F(ChartQueries, NearestAnnotationByItsDrawnShape)
{
    c.SetAnnoMode(true);
    c.MoveTo(0, 0);                        // never hit
    c.Line(0, 0, 100, 0);                  // pixels from the data area's corner
    c.Rectangle(2.0, 2.0, 4.0, 4.0);       // world
    c.CursorVert(8.0);
    double d = 0;
    // World (3, 3) lies inside the rectangle.
    EXPECT_EQ(c.FindNearestAnnoElem(3.0, 3.0, tkEverything, 255, false, d), 2);
    EXPECT_EQ(d, 0);
    // Five pixels below the pixel line.
    double mx, my;
    c.M2R(1, c.MarginLeft() + 50, c.MarginTop() + 5, mx, my);
    EXPECT_EQ(c.FindNearestAnnoElem(mx, my, tkEverything, 255, false, d), 1);
    EXPECT_NEAR(d, 5, 1e-9);
    EXPECT_EQ(c.FindNearestAnnoElem(7.9, 9.0, tkCursorVert, 255, false, d), 3);
    EXPECT_EQ(c.FindNearestAnnoElem(3.0, 3.0, tkNone, 255, false, d), -1);
}

TEST_F(ChartQueries, AnnotationCountsAndCopies)
{
    TDIzure src{nullptr};
    src.SetAnnoMode(true);
    src.SetClassDefault(2);
    for (int i = 0; i < 3; ++i) src.MarkAt(i, i, 0);
    src.SetClassDefault(5);
    src.Text(1, 1, 10, "a long annotation text");
    EXPECT_EQ(src.CountAnnoByClass({2, 2}), 6);
    EXPECT_EQ(src.CountAnnos(0, 0, 255, tkText), 1);
    c.CopyAnnoFrom(&src, {}, false);
    ASSERT_EQ(c.NumAnnos(), 4);
    EXPECT_EQ(c.GetAnnoLongText(3), "a long annotation text");
    c.CopyAnnoFrom(&src, {5}, true);
    EXPECT_EQ(c.NumAnnos(), 5);
    EXPECT_EQ(c.GetAnnoItem(4).LWid, 2);
}

}  // namespace
