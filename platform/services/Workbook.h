#pragma once
// The spreadsheet workbook: one sheet held in memory, opened from a template described as text,
// changed with the cell operations of a spreadsheet (values, blocks, insert and delete with
// shifts, row-wise merge, cut, row heights, auto-fit) and written as an .xlsx file.
#include <map>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/UString.h"

// A template that cannot be read, an address that names no cell, a file that cannot be written.
DORVANE_EXCEPTION(EWorkbookError, Exception);

// The value of one cell: nothing, a number, a text or a date (days since 30 December 1899, as
// the spreadsheet counts them). An empty text is no value: the cell is left blank.
struct TCellValue {
    enum TKind { cvEmpty, cvNumber, cvText, cvDate };
    TKind Kind = cvEmpty;
    double Number = 0;
    String Text;

    TCellValue() = default;
    TCellValue(double value) : Kind(cvNumber), Number(value) {}               // NOLINT
    TCellValue(int value) : Kind(cvNumber), Number(value) {}                  // NOLINT
    TCellValue(const String& text) : Kind(text.IsEmpty() ? cvEmpty : cvText), Text(text) {}  // NOLINT
    TCellValue(const char* text) : TCellValue(String(text)) {}                // NOLINT
    static TCellValue Date(double days)
    {
        TCellValue v(days);
        v.Kind = cvDate;
        return v;
    }
    friend bool operator==(const TCellValue& a, const TCellValue& b)
    {
        return a.Kind == b.Kind && a.Number == b.Number && a.Text == b.Text;
    }
};

// A two-dimensional array of values indexed row first, then column, each from its own lower
// bound, as the fillers build their tables. Elements start empty.
class TVariantArray {
public:
    TVariantArray(int rowLow, int rowHigh, int colLow, int colHigh);
    TCellValue& operator()(int row, int col);
    const TCellValue& operator()(int row, int col) const;
    int RowLow() const { return FRowLow; }
    int ColLow() const { return FColLow; }
    int RowCount() const { return FRows; }
    int ColCount() const { return FCols; }

private:
    int FRowLow, FColLow, FRows, FCols;
    std::vector<TCellValue> FItems;
};

// A block of cells, columns and rows counted from 1, corners included.
struct TCellRange {
    int Col1 = 1, Row1 = 1, Col2 = 1, Row2 = 1;
    int ColCount() const { return Col2 - Col1 + 1; }
    int RowCount() const { return Row2 - Row1 + 1; }
    bool Contains(int row, int col) const { return row >= Row1 && row <= Row2 && col >= Col1 && col <= Col2; }
    friend bool operator==(const TCellRange&, const TCellRange&) = default;
};

// "E12:L13", "a1" or "AA48": the block it names (letters in any case); EWorkbookError otherwise.
TCellRange ParseCellRange(const String& address);
// The letters of column col (1 A, 26 Z, 27 AA).
String ColumnLetters(int col);

// How a cell's text looks; the template names each style.
struct TCellStyle {
    enum TAlign { alGeneral, alLeft, alCenter, alRight };
    bool Bold = false;
    bool Italic = false;
    double Size = 10;               // points; the sheet's font is Arial
    String NumFormat;               // the spreadsheet's number format, empty for General
    TAlign Align = alGeneral;
    bool Wrap = false;
    bool Border = false;            // a thin box around the cell
    unsigned Fill = 0xFFFFFFFF;     // background as $RRGGBB, none when all bits are set
    friend bool operator==(const TCellStyle&, const TCellStyle&) = default;
};

class TWorkbook {
public:
    // How deleted cells close the gap.
    enum TDeleteShift { dsUp, dsLeft };

    // Reads a template (see Workbook_template.cpp for its text form); EWorkbookError with the
    // file name and the line when it cannot be read.
    void OpenTemplate(const String& fileName);
    // The same from the template's text.
    void ReadTemplate(const std::string& text, const String& name);

    String SheetName() const { return FSheetName; }

    // The value of a cell; writing a value keeps the cell's style.
    TCellValue Value(int row, int col) const;
    TCellValue Value(const String& address) const;
    void SetValue(const String& address, const TCellValue& value);
    // The array written from the block's top-left cell, cut to the block; an array smaller than
    // the block leaves the rest of the block as it was.
    void SetValues(const String& address, const TVariantArray& values);

    // Blank cells inserted over the block; the cells below it in its columns move down. The new
    // cells take the style of the cell above the block.
    void Insert(const String& address);
    // The cells of the block removed; the cells below it in its columns move up, or the cells
    // right of it in its rows move left.
    void Delete(const String& address, TDeleteShift shift);
    // Each row of the block merged into one cell, which keeps the row's first value.
    void MergeRows(const String& address);
    // The block's cells (values, styles, merges) moved to the block of the same size whose
    // top-left cell is the destination's; the source is left empty.
    void Cut(const String& source, const String& destination);

    // Rows "first:last" (or one row) given a height in points.
    void SetRowHeight(const String& rows, double height);
    // The row's height fitted to its values: the largest font times the most lines a text takes.
    void AutoFitRow(int row);
    // The row's height in points; the default height when none was set.
    double RowHeight(int row) const;
    static constexpr double DefaultRowHeight = 12.75;
    double ColumnWidth(int col) const;

    const std::vector<TCellRange>& Merges() const { return FMerges; }
    const TCellStyle& StyleOf(int row, int col) const;
    // The last row and column holding a value or a style.
    int LastRow() const;
    int LastCol() const;

    // Writes the sheet as an .xlsx file. The file appears whole or not at all: it is written
    // beside its final name and renamed; on failure nothing is left and EWorkbookError tells why.
    void SaveAs(const String& fileName) const;

private:
    struct TCell {
        TCellValue Value;
        int Style = 0;
    };
    using TCellKey = std::pair<int, int>;  // row, column

    friend class TWorkbookTemplateReader;
    friend class TXlsxWriter;

    int StyleIndex(const TCellStyle& style);
    int TextLines(int row, int col, const String& text, const TCellStyle& style) const;
    void MoveCells(const TCellRange& from, int rowOffset, int colOffset);
    void RemoveCells(const TCellRange& block);
    void RemoveMergesTouching(const TCellRange& block);

    String FSheetName = "Sheet1";
    std::map<TCellKey, TCell> FCells;
    std::vector<TCellStyle> FStyles{TCellStyle()};
    std::vector<TCellRange> FMerges;
    std::map<int, double> FRowHeights;
    std::map<int, double> FColWidths;
};
