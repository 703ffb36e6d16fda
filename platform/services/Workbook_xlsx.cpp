// The workbook written as an .xlsx file: numbers as numbers, texts as strings, dates as numbers
// in a date format, empty values as blank cells that keep their style, merged ranges, row
// heights and column widths.
#include <cstdio>
#include <unistd.h>
#include <xlsxwriter.h>

#include "platform/rtl/SysFormat.h"
#include "platform/services/Workbook.h"

class TXlsxWriter {
public:
    TXlsxWriter(const TWorkbook& book, const std::string& fileName) : FBook(book)
    {
        FWorkbook = workbook_new(fileName.c_str());
        if (!FWorkbook) throw EWorkbookError("Cannot create the workbook \"" + String(fileName) + "\"");
    }
    ~TXlsxWriter()
    {
        if (FWorkbook) workbook_close(FWorkbook);
    }

    // Writes the sheet and closes the file; the empty text when all went well, else why not.
    String Write()
    {
        lxw_worksheet* sheet = workbook_add_worksheet(FWorkbook, FBook.FSheetName.ToUtf8().c_str());
        if (!sheet) return "invalid sheet name \"" + FBook.FSheetName + "\"";
        worksheet_set_default_row(sheet, TWorkbook::DefaultRowHeight, LXW_FALSE);
        for (const auto& [col, width] : FBook.FColWidths)
            worksheet_set_column(sheet, static_cast<lxw_col_t>(col - 1), static_cast<lxw_col_t>(col - 1), width, nullptr);
        for (const auto& [row, height] : FBook.FRowHeights)
            worksheet_set_row(sheet, static_cast<lxw_row_t>(row - 1), height, nullptr);
        lxw_error error = LXW_NO_ERROR;
        for (const auto& [key, cell] : FBook.FCells) {
            error = WriteCell(sheet, key.first, key.second, cell);
            if (error != LXW_NO_ERROR) return lxw_strerror(error);
        }
        for (const TCellRange& m : FBook.FMerges) {
            const auto first = FBook.FCells.find({m.Row1, m.Col1});
            const TWorkbook::TCell cell = first == FBook.FCells.end() ? TWorkbook::TCell() : first->second;
            error = worksheet_merge_range(sheet, static_cast<lxw_row_t>(m.Row1 - 1), static_cast<lxw_col_t>(m.Col1 - 1),
                                          static_cast<lxw_row_t>(m.Row2 - 1), static_cast<lxw_col_t>(m.Col2 - 1), "",
                                          CellFormat(cell));
            if (error == LXW_NO_ERROR) error = WriteCell(sheet, m.Row1, m.Col1, cell);
            if (error != LXW_NO_ERROR) return lxw_strerror(error);
        }
        error = workbook_close(FWorkbook);
        FWorkbook = nullptr;
        return error == LXW_NO_ERROR ? String() : String(lxw_strerror(error));
    }

private:
    lxw_error WriteCell(lxw_worksheet* sheet, int row, int col, const TWorkbook::TCell& cell)
    {
        const auto r = static_cast<lxw_row_t>(row - 1);
        const auto c = static_cast<lxw_col_t>(col - 1);
        const TCellValue& v = cell.Value;
        switch (v.Kind) {
        case TCellValue::cvNumber:
        case TCellValue::cvDate: return worksheet_write_number(sheet, r, c, v.Number, CellFormat(cell));
        case TCellValue::cvText: return worksheet_write_string(sheet, r, c, v.Text.ToUtf8().c_str(), CellFormat(cell));
        case TCellValue::cvEmpty: break;
        }
        return worksheet_write_blank(sheet, r, c, CellFormat(cell));
    }

    // The format of a cell's style; a date without a number format of its style shows as a date.
    lxw_format* CellFormat(const TWorkbook::TCell& cell)
    {
        const bool date = cell.Value.Kind == TCellValue::cvDate && FBook.FStyles[cell.Style].NumFormat.IsEmpty();
        lxw_format*& format = FFormats[{cell.Style, date}];
        if (format) return format;
        const TCellStyle& s = FBook.FStyles[cell.Style];
        format = workbook_add_format(FWorkbook);
        format_set_font_name(format, "Arial");
        format_set_font_size(format, s.Size);
        if (s.Bold) format_set_bold(format);
        if (s.Italic) format_set_italic(format);
        if (date) format_set_num_format(format, "yyyy-mm-dd");
        else if (!s.NumFormat.IsEmpty()) format_set_num_format(format, s.NumFormat.ToUtf8().c_str());
        switch (s.Align) {
        case TCellStyle::alLeft: format_set_align(format, LXW_ALIGN_LEFT); break;
        case TCellStyle::alCenter: format_set_align(format, LXW_ALIGN_CENTER); break;
        case TCellStyle::alRight: format_set_align(format, LXW_ALIGN_RIGHT); break;
        case TCellStyle::alGeneral: break;
        }
        format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        if (s.Wrap) format_set_text_wrap(format);
        if (s.Border) format_set_border(format, LXW_BORDER_THIN);
        if (s.Fill != 0xFFFFFFFF) format_set_bg_color(format, s.Fill);
        return format;
    }

    const TWorkbook& FBook;
    lxw_workbook* FWorkbook = nullptr;
    std::map<std::pair<int, bool>, lxw_format*> FFormats;
};

void TWorkbook::SaveAs(const String& fileName) const
{
    const std::string target = fileName.ToUtf8();
    const std::string part = target + Format(".%d.part", {static_cast<int>(getpid())}).ToUtf8();
    String failure;
    try {
        failure = TXlsxWriter(*this, part).Write();
    } catch (const EWorkbookError&) {
        failure = "the folder cannot be written";
    }
    if (failure.IsEmpty() && std::rename(part.c_str(), target.c_str()) != 0) failure = "it cannot replace the file there";
    if (failure.IsEmpty()) return;
    std::remove(part.c_str());
    throw EWorkbookError("Cannot write the workbook \"" + fileName + "\": " + failure);
}
