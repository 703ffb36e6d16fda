#pragma once
// The spreadsheet export of a model: its parameters, its joint loads or its analysis results
// filled into a copy of one of the program's template workbooks ("Excel/Input.tpl",
// "Excel/Loads.tpl", "Excel/Results.tpl"), step by step as a spreadsheet would be filled: fixed
// cells, tables grown or shrunk to the model's counts, blocks the model does not use removed.
// The export window (ExcelDlg.h) writes the filled workbook as an .xlsx file and opens it.
#include "engine/Unites.h"
#include "platform/services/Workbook.h"

// Which workbook to produce.
enum TCas { caGeometry, caLoads, caResult };

// The A1-style address "first:last" of the block whose top-left cell is (column, row) and which
// spans the given numbers of columns and rows (at least 1 each): CellRange(5, 12, 8, 2) is
// "E12:L13".
String CellRange(int column, int row, int columnCount, int rowCount);

// The template file of the request in the program's "Excel" folder.
String ExcelTemplateFile(TCas request, const String& programDir);

// Fills the workbook from the template of the request in the program's folder: the filler of
// the request, then every row of the sheet's tables fitted to its contents. The Loads and
// Results workbooks read the analysis results of the model, which must have been analysed; the
// Results filler also stores the shear distribution of each joint and case with a shear
// resultant in the model, as the joint plots do. Raises EWorkbookError when the template
// cannot be read.
void MakeExcelWorkbook(TWorkbook& book, TParametres& param, TCas request, const String& programDir);

// The three fillers, each on a workbook opened on its template. The Input and Loads fillers
// return 0; the Results filler returns the first data row of its last stability table (26 when
// no case is selected), below which the auto-fit stops.
int FillInputWorkbook(TWorkbook& book, const TParametres& param);
int FillLoadsWorkbook(TWorkbook& book, const TParametres& param);
int FillResultsWorkbook(TWorkbook& book, TParametres& param);
