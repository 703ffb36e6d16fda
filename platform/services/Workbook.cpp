#include "platform/services/Workbook.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/SysFormat.h"

// ---- arrays and addresses

TVariantArray::TVariantArray(int rowLow, int rowHigh, int colLow, int colHigh)
    : FRowLow(rowLow), FColLow(colLow), FRows(std::max(0, rowHigh - rowLow + 1)),
      FCols(std::max(0, colHigh - colLow + 1)), FItems(static_cast<size_t>(FRows) * FCols)
{
}

TCellValue& TVariantArray::operator()(int row, int col)
{
    const int r = row - FRowLow, c = col - FColLow;
    if (r < 0 || r >= FRows || c < 0 || c >= FCols)
        throw EWorkbookError(Format("Array index out of bounds (%d, %d)", {row, col}));
    return FItems[static_cast<size_t>(r) * FCols + c];
}

const TCellValue& TVariantArray::operator()(int row, int col) const
{
    return const_cast<TVariantArray&>(*this)(row, col);
}

String ColumnLetters(int col)
{
    String letters;
    for (; col > 0; col = (col - 1) / 26)
        letters = String::FromChar(static_cast<char16_t>(u'A' + (col - 1) % 26)) + letters;
    return letters;
}

namespace {

constexpr int MaxRows = 1048576;
constexpr int MaxCols = 16384;

// One cell reference "AB12" from position i; false when there is none.
bool ParseCellRef(const std::u16string& s, size_t& i, int& col, int& row)
{
    col = 0;
    row = 0;
    size_t start = i;
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i] < 128 ? s[i] : 0))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 1);
        if (col > MaxCols) return false;
        ++i;
    }
    if (i == start) return false;
    start = i;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
        row = row * 10 + (s[i] - u'0');
        if (row > MaxRows) return false;
        ++i;
    }
    return i > start && row >= 1;
}

}  // namespace

TCellRange ParseCellRange(const String& address)
{
    const std::u16string s(Trim(address).u16());
    TCellRange r;
    size_t i = 0;
    bool ok = ParseCellRef(s, i, r.Col1, r.Row1);
    r.Col2 = r.Col1;
    r.Row2 = r.Row1;
    if (ok && i < s.size() && s[i] == u':') {
        ++i;
        ok = ParseCellRef(s, i, r.Col2, r.Row2);
    }
    if (!ok || i != s.size()) throw EWorkbookError("Invalid cell address \"" + address + "\"");
    if (r.Col1 > r.Col2) std::swap(r.Col1, r.Col2);
    if (r.Row1 > r.Row2) std::swap(r.Row1, r.Row2);
    return r;
}

// ---- values

TCellValue TWorkbook::Value(int row, int col) const
{
    const auto it = FCells.find({row, col});
    return it == FCells.end() ? TCellValue() : it->second.Value;
}

TCellValue TWorkbook::Value(const String& address) const
{
    const TCellRange r = ParseCellRange(address);
    return Value(r.Row1, r.Col1);
}

const TCellStyle& TWorkbook::StyleOf(int row, int col) const
{
    const auto it = FCells.find({row, col});
    return FStyles[it == FCells.end() ? 0 : it->second.Style];
}

void TWorkbook::SetValue(const String& address, const TCellValue& value)
{
    const TCellRange r = ParseCellRange(address);
    FCells[{r.Row1, r.Col1}].Value = value;
}

void TWorkbook::SetValues(const String& address, const TVariantArray& values)
{
    const TCellRange r = ParseCellRange(address);
    const int rows = std::min(r.RowCount(), values.RowCount());
    const int cols = std::min(r.ColCount(), values.ColCount());
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            FCells[{r.Row1 + i, r.Col1 + j}].Value = values(values.RowLow() + i, values.ColLow() + j);
}

int TWorkbook::StyleIndex(const TCellStyle& style)
{
    const auto it = std::find(FStyles.begin(), FStyles.end(), style);
    if (it != FStyles.end()) return static_cast<int>(it - FStyles.begin());
    FStyles.push_back(style);
    return static_cast<int>(FStyles.size()) - 1;
}

int TWorkbook::LastRow() const
{
    int last = 0;
    for (const auto& [key, cell] : FCells) last = std::max(last, key.first);
    for (const TCellRange& m : FMerges) last = std::max(last, m.Row2);
    return last;
}

int TWorkbook::LastCol() const
{
    int last = 0;
    for (const auto& [key, cell] : FCells) last = std::max(last, key.second);
    for (const TCellRange& m : FMerges) last = std::max(last, m.Col2);
    return last;
}

// ---- moving cells

// Every cell and merge lying wholly in `from` moves by the offsets; whatever lay where they
// land is replaced.
void TWorkbook::MoveCells(const TCellRange& from, int rowOffset, int colOffset)
{
    std::vector<std::pair<TCellKey, TCell>> moving;
    for (auto it = FCells.begin(); it != FCells.end();) {
        if (from.Contains(it->first.first, it->first.second)) {
            moving.emplace_back(it->first, std::move(it->second));
            it = FCells.erase(it);
        } else {
            ++it;
        }
    }
    const TCellRange to{from.Col1 + colOffset, from.Row1 + rowOffset, from.Col2 + colOffset, from.Row2 + rowOffset};
    std::vector<TCellRange> movingMerges;
    std::erase_if(FMerges, [&](const TCellRange& m) {
        if (!from.Contains(m.Row1, m.Col1) || !from.Contains(m.Row2, m.Col2)) return false;
        movingMerges.push_back(m);
        return true;
    });
    RemoveCells(to);
    RemoveMergesTouching(to);
    for (auto& [key, cell] : moving) FCells[{key.first + rowOffset, key.second + colOffset}] = std::move(cell);
    for (TCellRange m : movingMerges) {
        m.Row1 += rowOffset;
        m.Row2 += rowOffset;
        m.Col1 += colOffset;
        m.Col2 += colOffset;
        FMerges.push_back(m);
    }
}

void TWorkbook::RemoveCells(const TCellRange& block)
{
    std::erase_if(FCells, [&](const auto& item) { return block.Contains(item.first.first, item.first.second); });
}

void TWorkbook::RemoveMergesTouching(const TCellRange& block)
{
    std::erase_if(FMerges, [&](const TCellRange& m) {
        return m.Row1 <= block.Row2 && m.Row2 >= block.Row1 && m.Col1 <= block.Col2 && m.Col2 >= block.Col1;
    });
}

void TWorkbook::Insert(const String& address)
{
    const TCellRange r = ParseCellRange(address);
    const int last = std::max(LastRow(), r.Row1);
    MoveCells({r.Col1, r.Row1, r.Col2, last}, r.RowCount(), 0);
    if (r.Row1 == 1) return;
    for (int col = r.Col1; col <= r.Col2; ++col) {
        const auto above = FCells.find({r.Row1 - 1, col});
        if (above == FCells.end() || above->second.Style == 0) continue;
        for (int row = r.Row1; row <= r.Row2; ++row) FCells[{row, col}].Style = above->second.Style;
    }
}

void TWorkbook::Delete(const String& address, TDeleteShift shift)
{
    const TCellRange r = ParseCellRange(address);
    RemoveCells(r);
    RemoveMergesTouching(r);
    if (shift == dsUp) {
        const int last = LastRow();
        if (last > r.Row2) MoveCells({r.Col1, r.Row2 + 1, r.Col2, last}, -r.RowCount(), 0);
    } else {
        const int last = LastCol();
        if (last > r.Col2) MoveCells({r.Col2 + 1, r.Row1, last, r.Row2}, 0, -r.ColCount());
    }
}

void TWorkbook::MergeRows(const String& address)
{
    const TCellRange r = ParseCellRange(address);
    RemoveMergesTouching(r);
    if (r.Col1 == r.Col2) return;
    for (int row = r.Row1; row <= r.Row2; ++row) {
        FMerges.push_back({r.Col1, row, r.Col2, row});
        for (int col = r.Col1 + 1; col <= r.Col2; ++col) {
            const auto it = FCells.find({row, col});
            if (it != FCells.end()) it->second.Value = TCellValue();
        }
    }
}

void TWorkbook::Cut(const String& source, const String& destination)
{
    const TCellRange from = ParseCellRange(source);
    const TCellRange to = ParseCellRange(destination);
    MoveCells(from, to.Row1 - from.Row1, to.Col1 - from.Col1);
}

// ---- rows and columns

void TWorkbook::SetRowHeight(const String& rows, double height)
{
    const std::u16string s(Trim(rows).u16());
    const size_t colon = s.find(u':');
    Integer first = 0, last = 0;
    const bool ok = colon == std::u16string::npos
                        ? TryStrToInt(String(s), first) && (last = first) > 0
                        : TryStrToInt(String(s.substr(0, colon)), first) && TryStrToInt(String(s.substr(colon + 1)), last);
    if (!ok || first < 1 || last < first || last > MaxRows) throw EWorkbookError("Invalid rows \"" + rows + "\"");
    for (int row = first; row <= last; ++row) FRowHeights[row] = height;
}

namespace {

// The height of one line of text in a font of `size` points, in the spreadsheet's steps of
// 0.75 point (one pixel at 96 dpi): 12.75 for 10 points, 18 for 14 points.
double LineHeight(double size)
{
    return std::ceil(size * 1.275 / 0.75 - 1e-9) * 0.75;
}

}  // namespace

// The lines a cell's text takes: its own lines, each wrapped at the cell's width (of its merged
// range) when its style wraps; a character of a 10-point font takes about one unit of width.
int TWorkbook::TextLines(int row, int col, const String& text, const TCellStyle& style) const
{
    double width = ColumnWidth(col);
    for (const TCellRange& m : FMerges)
        if (m.Row1 == row && m.Col1 == col)
            for (int c = col + 1; c <= m.Col2; ++c) width += ColumnWidth(c);
    const int perLine = std::max(1, static_cast<int>(width * 10 / style.Size));
    int lines = 0;
    size_t start = 0;
    const std::u16string_view s = text.u16();
    while (true) {
        const size_t end = s.find(u'\n', start);
        const int length = static_cast<int>((end == std::u16string::npos ? s.size() : end) - start);
        lines += style.Wrap ? std::max(1, (length + perLine - 1) / perLine) : 1;
        if (end == std::u16string::npos) return lines;
        start = end + 1;
    }
}

void TWorkbook::AutoFitRow(int row)
{
    double height = 0;
    for (auto it = FCells.lower_bound({row, 0}); it != FCells.end() && it->first.first == row; ++it) {
        const TCellValue& v = it->second.Value;
        if (v.Kind == TCellValue::cvEmpty) continue;
        const TCellStyle& style = FStyles[it->second.Style];
        const int lines = v.Kind == TCellValue::cvText ? TextLines(row, it->first.second, v.Text, style) : 1;
        height = std::max(height, lines * LineHeight(style.Size));
    }
    if (height == 0)
        FRowHeights.erase(row);
    else
        FRowHeights[row] = height;
}

double TWorkbook::RowHeight(int row) const
{
    const auto it = FRowHeights.find(row);
    return it == FRowHeights.end() ? DefaultRowHeight : it->second;
}

double TWorkbook::ColumnWidth(int col) const
{
    const auto it = FColWidths.find(col);
    return it == FColWidths.end() ? 8.43 : it->second;
}
