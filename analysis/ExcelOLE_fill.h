#pragma once
// What the three workbook fillers of the spreadsheet export share.
#include "engine/Unites.h"
#include "platform/services/Workbook.h"

// "E12" from a column's letters and a row; "E12:M13" from two such cells.
String Cell(const char* column, int row);
String Block(const char* first, int firstRow, const char* last, int lastRow);

// Tables list joints 1 to NJoints first and the base joint last: row r shows joint
// r mod (NJoints + 1), labelled with its row number, or "Base" for the base joint.
int JointOfRow(const TParametres& param, int r);
TCellValue JointLabel(const TParametres& param, int r);

// The general information: the title, dam, company and address down the left column from row
// 2, the engineer, creator and date down the right column, and the unit system below them.
void WriteInformations(TWorkbook& book, const TParametres& param, const char* left, const char* right);
