#pragma once
// The ASC text layout shared by the vectors and matrices: a four-line header
// (comment, columns, rows, four flags) followed by one row per line, with an
// optional custom-data section after the rows.
#include <functional>

#include "chart/VEZ_vezbase.h"
#include "numerics/VEZ_filecore.h"

// Writes lines 1 to 4; line feeds in the comment become blanks.
void WriteASCHeader(TTextFileWriter& f, const String& comment, Integer columns, Integer rows);

// Writes the custom-data section of two-column key/value data (values encoded
// with XMLEncodeText).  Nothing when column 0 has no entries.
void WriteASCCustomData(TTextFileWriter& f, const TStr2DArray& CustData);

// Writes a whole ASC file: the header, rowText(row) for rows 1 to rows and the
// custom data when given.  Codes: 0 written; -1 the file cannot be created; -2
// custom data that is not of two columns (left out, the rows are written).
Integer WriteASCFile(const String& FName, const String& comment, Integer columns, Integer rows,
                     const std::function<std::string(Integer row)>& rowText, const TStr2DArray* CustData);

// What an import hands to its container.
struct TASCTarget {
    Integer MaxColumns = 0;                                          // 0: any number
    std::function<void(Integer columns, Integer rows)> Resize;       // before the rows
    std::function<void(Integer col, Integer row, double value)> Store;
    std::function<void(Integer columns, Integer rowsBegun)> Finish;  // after the rows
};

// Reads an ASC file into the target.  Codes: 0 every row read; -1 to -4 the
// header codes; -5 a row attribute that is not a number; -6 a value that is not
// a number; -7 more columns than MaxColumns; -8 no such file.  A header whose
// counts cannot fit into the file gives -2 without touching the target.
// CustData, when given, receives the custom data.
Integer ImportASCFile(const String& FName, String& Comment, const TASCTarget& target, TStr2DArray* CustData);
