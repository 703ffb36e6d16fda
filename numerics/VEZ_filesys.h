#pragma once
// File routines of the library: the header of ASC text files.
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// Reads lines 1 to 4 of an ASC file: the comment, the number of columns, the number of
// rows and the four flags (row attributes, column names, row names, nominal
// variables) written as TRUE or FALSE.  Returns 0 for a valid header, -1 when line 2
// does not start with a number of columns above 0 (also for a file that cannot be
// read), -2 the same for the rows on line 3, -3 when one of the first three flags is
// neither TRUE nor FALSE, -4 when the comment holds a line feed.
Integer ReadASCHeader(const String& FName, String& Comment, Integer& NrColumns, Integer& NrRows,
                      bool& RowAttributes, bool& ColumnNames, bool& RowNames, bool& NominalVariables);
