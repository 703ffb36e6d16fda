#include "analysis/ExcelOLE.h"

#include "analysis/ExcelOLE_fill.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/SysFormat.h"

String CellRange(int column, int row, int columnCount, int rowCount)
{
    return ColumnLetters(column) + IntToStr(row) + ":" + ColumnLetters(column + columnCount - 1) +
           IntToStr(row + rowCount - 1);
}

String ExcelTemplateFile(TCas request, const String& programDir)
{
    static const char* const names[] = {"Input.tpl", "Loads.tpl", "Results.tpl"};
    return IncludeTrailingPathDelimiter(programDir) + "Excel/" + names[request];
}

void MakeExcelWorkbook(TWorkbook& book, TParametres& param, TCas request, const String& programDir)
{
    book.OpenTemplate(ExcelTemplateFile(request, programDir));
    int last = 0;
    switch (request) {
    case caGeometry: last = FillInputWorkbook(book, param); break;
    case caLoads: last = FillLoadsWorkbook(book, param); break;
    case caResult: last = FillResultsWorkbook(book, param); break;
    }
    for (int row = 1; row <= last + param.NJoints + 1; ++row) book.AutoFitRow(row);
}

// ---- what the fillers share

String Cell(const char* column, int row)
{
    return String(column) + IntToStr(row);
}

String Block(const char* first, int firstRow, const char* last, int lastRow)
{
    return Cell(first, firstRow) + ":" + Cell(last, lastRow);
}

int JointOfRow(const TParametres& param, int r)
{
    return r % (param.NJoints + 1);
}

TCellValue JointLabel(const TParametres& param, int r)
{
    return JointOfRow(param, r) == 0 ? TCellValue("Base") : TCellValue(r);
}

void WriteInformations(TWorkbook& book, const TParametres& param, const char* left, const char* right)
{
    const TInformations& i = param.Infos;
    book.SetValue(Cell(right, 5), param.unites == SI ? "Metric" : "Imperial");
    book.SetValue(Cell(left, 2), i.Titre.ToString());
    book.SetValue(Cell(left, 3), i.Barrage.ToString());
    book.SetValue(Cell(left, 4), i.Compagnie.ToString());
    book.SetValue(Cell(left, 5), i.Adresse.ToString());
    book.SetValue(Cell(right, 2), i.Ingenieur.ToString());
    book.SetValue(Cell(right, 3), i.Createur.ToString());
    book.SetValue(Cell(right, 4), TCellValue::Date(i.date));
}
