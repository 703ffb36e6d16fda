#include <gtest/gtest.h>

#include <filesystem>

#include "platform/rtl/SysFormat.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/services/Workbook.h"
#include "platform/services/tests/XlsxReadBack.h"

namespace {

// A 4 x 4 sheet whose cells hold their own address in lower case ("b3").
TWorkbook Grid()
{
    std::string text = "sheet Grid\nstyle head bold\n";
    for (int row = 1; row <= 4; ++row)
        for (char col = 'A'; col <= 'D'; ++col) {
            const std::string address = std::string(1, col) + std::to_string(row);
            text += "cell " + address + (row == 1 ? " head" : " plain") + " \"" + char(col + 32) +
                    std::to_string(row) + "\"\n";
        }
    TWorkbook book;
    book.ReadTemplate(text, "grid");
    return book;
}

// The sheet's first rows and columns as text: one line per row, ".." for a blank cell.
std::string Picture(const TWorkbook& book, int rows, int cols)
{
    std::string picture;
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            const TCellValue v = book.Value(row, col);
            const std::string text = v.Kind == TCellValue::cvEmpty  ? std::string("..")
                                     : v.Kind == TCellValue::cvText ? v.Text.ToUtf8()
                                                                    : FloatToStr(v.Number).ToUtf8();
            picture += (col > 1 ? " " : "") + text;
        }
        picture += "\n";
    }
    return picture;
}

}  // namespace

TEST(WorkbookTests, AddressesNameBlocksAndColumnsAreLettered)
{
    struct Case {
        const char* address;
        TCellRange range;
    };
    const Case cases[] = {
        {"A1", {1, 1, 1, 1}},       {"e12:l13", {5, 12, 12, 13}}, {"AA48", {27, 48, 27, 48}},
        {"M12:E10", {5, 10, 13, 12}}, {" O8:AA81 ", {15, 8, 27, 81}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCellRange(c.address), c.range) << c.address;
    for (const char* bad : {"", "A", "12", "A0", "A1:", "A1:B", "1A", "A1-B2", "XFE1"})
        EXPECT_THROW(ParseCellRange(bad), EWorkbookError) << bad;
    EXPECT_EQ(ColumnLetters(1), "A");
    EXPECT_EQ(ColumnLetters(26), "Z");
    EXPECT_EQ(ColumnLetters(27), "AA");
    EXPECT_EQ(ColumnLetters(53), "BA");
}

TEST(WorkbookTests, InsertAndDeleteMoveOnlyTheCellsOfTheBlocksColumns)
{
    TWorkbook book = Grid();
    book.Insert("B2:C3");
    EXPECT_EQ(Picture(book, 6, 4),
              "a1 b1 c1 d1\n"
              "a2 .. .. d2\n"
              "a3 .. .. d3\n"
              "a4 b2 c2 d4\n"
              ".. b3 c3 ..\n"
              ".. b4 c4 ..\n");
    // The inserted cells take the style of the cells above them.
    EXPECT_TRUE(book.StyleOf(2, 2).Bold);
    EXPECT_TRUE(book.StyleOf(3, 3).Bold);
    EXPECT_FALSE(book.StyleOf(2, 1).Bold);

    book = Grid();
    book.Delete("b2:c2", TWorkbook::dsUp);
    EXPECT_EQ(Picture(book, 4, 4),
              "a1 b1 c1 d1\n"
              "a2 b3 c3 d2\n"
              "a3 b4 c4 d3\n"
              "a4 .. .. d4\n");

    book = Grid();
    book.Delete("B2:B3", TWorkbook::dsLeft);
    EXPECT_EQ(Picture(book, 4, 4),
              "a1 b1 c1 d1\n"
              "a2 c2 d2 ..\n"
              "a3 c3 d3 ..\n"
              "a4 b4 c4 d4\n");
}

TEST(WorkbookTests, CutMovesValuesStylesAndMergesAndEmptiesTheSource)
{
    TWorkbook book = Grid();
    book.MergeRows("C1:D1");
    book.Cut("C1:D2", "A3:B4");
    EXPECT_EQ(Picture(book, 4, 4),
              "a1 b1 .. ..\n"
              "a2 b2 .. ..\n"
              "c1 .. c3 d3\n"
              "c2 d2 c4 d4\n");
    EXPECT_TRUE(book.StyleOf(3, 1).Bold);
    ASSERT_EQ(book.Merges().size(), 1u);
    EXPECT_EQ(book.Merges()[0], (TCellRange{1, 3, 2, 3}));
}

TEST(WorkbookTests, MergesFollowTheirCellsAndDieWithThem)
{
    TWorkbook book = Grid();
    book.MergeRows("B2:C3");  // two merges, one per row; each keeps its first value
    EXPECT_EQ(Picture(book, 3, 4), "a1 b1 c1 d1\na2 b2 .. d2\na3 b3 .. d3\n");
    ASSERT_EQ(book.Merges().size(), 2u);
    book.Insert("B1:C1");
    EXPECT_EQ(book.Merges()[0], (TCellRange{2, 3, 3, 3}));
    EXPECT_EQ(book.Merges()[1], (TCellRange{2, 4, 3, 4}));
    book.Delete("B3:C3", TWorkbook::dsUp);
    ASSERT_EQ(book.Merges().size(), 1u);
    EXPECT_EQ(book.Merges()[0], (TCellRange{2, 3, 3, 3}));
}

TEST(WorkbookTests, BlocksTakeTheTopLeftPartOfALargerArray)
{
    TWorkbook book = Grid();
    TVariantArray a(0, 2, 1, 3);
    a(0, 1) = "x";
    a(0, 2) = 1.5;
    a(1, 1) = 7;
    a(1, 2) = "";  // an empty text blanks the cell
    a(2, 3) = "never";
    book.SetValues("B2:C3", a);
    EXPECT_EQ(Picture(book, 4, 4), "a1 b1 c1 d1\na2 x 1.5 d2\na3 7 .. d3\na4 b4 c4 d4\n");
    EXPECT_EQ(book.Value("C2"), TCellValue(1.5));
    EXPECT_EQ(book.Value("B3"), TCellValue(7));
    EXPECT_THROW(a(3, 1), EWorkbookError);
}

TEST(WorkbookTests, RowHeightsAreSetByRangeAndFittedToTheLargestFont)
{
    TWorkbook book;
    book.ReadTemplate("style big size=14\nstyle small size=8\n"
                      "cell A1 big \"Title\"\ncell B1 small \"x\"\ncell A2 small \"one\"\nheight 3:4 30\n",
                      "rows");
    EXPECT_DOUBLE_EQ(book.RowHeight(3), 30);
    EXPECT_DOUBLE_EQ(book.RowHeight(5), 12.75);
    book.SetRowHeight("1:2", 20.25);
    book.SetRowHeight("4", 15.75);
    EXPECT_DOUBLE_EQ(book.RowHeight(2), 20.25);
    EXPECT_DOUBLE_EQ(book.RowHeight(4), 15.75);
    book.AutoFitRow(1);  // 14 points: 18 points high, as the spreadsheet fits Arial
    book.AutoFitRow(3);  // empty: the standard height
    EXPECT_DOUBLE_EQ(book.RowHeight(1), 18);
    EXPECT_DOUBLE_EQ(book.RowHeight(3), 12.75);
    for (const char* bad : {"", "0", "3:2", "a:b"}) EXPECT_THROW(book.SetRowHeight(bad, 10), EWorkbookError) << bad;

    // A wrapping cell 10 wide takes 10 characters a line; over a merged pair, 20.
    book.ReadTemplate("width A:B 10\nstyle wrap wrap\ncell A1 wrap \"twenty-five characters ok\"\n"
                      "cell A2:B2 wrap \"twenty-five characters ok\"\nmerge A2:B2\n",
                      "wrap");
    book.AutoFitRow(1);
    book.AutoFitRow(2);
    EXPECT_DOUBLE_EQ(book.RowHeight(1), 3 * 12.75);
    EXPECT_DOUBLE_EQ(book.RowHeight(2), 2 * 12.75);
}

TEST(WorkbookTests, TemplateErrorsNameTheFileAndLine)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"sheet A\nbogus 1\n", "Workbook template t, line 2: cannot read \"bogus\" with 1 words"},
        {"cell A1 nostyle\n", "Workbook template t, line 1: unknown style \"nostyle\""},
        {"cell A1 plain 1.2.3\n", "Workbook template t, line 1: \"1.2.3\" is no number"},
        {"cell Q plain 1\n", "Workbook template t, line 1: \"Q\" is no cell address"},
        {"# fine\ncell A1 plain \"open\n", "Workbook template t, line 2: unterminated text"},
    };
    for (const Case& c : cases) {
        TWorkbook book;
        try {
            book.ReadTemplate(c.text, "t");
            ADD_FAILURE() << c.text;
        } catch (const EWorkbookError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    TWorkbook book;
    EXPECT_THROW(book.OpenTemplate("/nonexistent/Input.tpl"), EWorkbookError);
}

TEST(WorkbookTests, WrittenFileReadsBackWithEveryValueInItsCell)
{
    TempFolder folder;
    TWorkbook book;
    book.ReadTemplate("sheet \"Model data\"\nstyle date format=\"dd/mm/yyyy\"\nstyle num format=\"0.00\" border\n"
                      "cell A1 plain \"Title\"\ncell B1 plain \"replaced\"\ncell C3 num\ncell D4 plain \"l\u00e9gende \"\"q\"\"\"\n"
                      "height 6 20.25\n",
                      "t");
    book.SetValue("B1", "");
    book.SetValue("A2", 2.5);
    book.SetValue("B2", 42);
    book.SetValue("C2", TCellValue::Date(45352));  // 1 March 2024
    book.SetValue("C3", -1e-7);
    book.SetValue("A5", "Base");
    book.SetValue("B5", "text");
    book.MergeRows("B5:D5");
    book.SetRowHeight("7", 15.75);
    const std::string file = folder / "out.xlsx";
    book.SaveAs(file);

    const TXlsxReadBack back = ReadXlsxBack(XLSX_DUMP, file);
    ASSERT_TRUE(back.Read);
    EXPECT_EQ(back.Sheet, "Model data");
    EXPECT_EQ(back["A1"], "s:Title");
    EXPECT_EQ(back["B1"], "");
    EXPECT_EQ(back["A2"], "n:2.5");
    EXPECT_EQ(back["B2"], "n:42.0");
    EXPECT_EQ(back["C2"], "d:2024-03-01T00:00:00");
    EXPECT_EQ(back["C3"], "n:-1e-07");
    EXPECT_EQ(back["D4"], "s:l\u00e9gende \"q\"");
    EXPECT_EQ(back["A5"], "s:Base");
    EXPECT_EQ(back["B5"], "s:text");
    EXPECT_EQ(back.Merges, (std::set<std::string>{"B5:D5"}));
    EXPECT_EQ(back.Heights, (std::map<int, double>{{6, 20.25}, {7, 15.75}}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WorkbookTests, AFailedWriteLeavesNoFileBehind)
{
    TempFolder folder;
    TWorkbook book = Grid();
    // A folder stands where the file should go: the rename fails after the whole write.
    const std::string blocked = folder.Folder("Results.xlsx");
    std::filesystem::create_directories(blocked + "/inside");
    try {
        book.SaveAs(blocked);
        ADD_FAILURE();
    } catch (const EWorkbookError& e) {
        EXPECT_EQ(e.Message().ToUtf8().rfind("Cannot write the workbook \"" + blocked + "\": ", 0), 0u) << e.Message();
    }
    EXPECT_THROW(book.SaveAs(folder / "missing/Results.xlsx"), EWorkbookError);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, (std::vector<std::string>{"Results.xlsx", "inside"}));
}
