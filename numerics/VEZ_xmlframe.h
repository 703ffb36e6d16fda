#pragma once
// Routines with which the matrix classes read and write their XML frame: the
// n-th occurrence of a text, integers and numbers read at a position, and the
// encoding of text for the XML and ASC custom data.
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// 1-based position in text of the n-th occurrence of sub at or after start
// (start below 1 counts as 1); 0 when there are fewer.  With IgnoreCase both
// texts are compared in lower case.
Integer FindNthOccurrence(const String& sub, const String& text, Integer start, bool IgnoreCase, Integer n);

// A decimal integer at pos (leading blanks skipped, optional sign), accumulated
// in 32-bit arithmetic; pos is left on the first character after the number.
Integer ParseIntegerAt(const String& text, Integer& pos);

// A decimal number at pos.  The decimal separator is "." in mode 1, "," in mode
// 2 and either in mode 3; an exponent is read when allowed.  pos is left on the
// character that ended the number; no number gives 0; the value is limited to
// -1.7e308 .. 1.7e308 (NaN gives 1.7e308).
double ScanNumber(const String& text, bool AllowExponent, Integer DecSepMode, Integer& pos);

// "<" as "&lt;", ">" as "&gt;" and every character from code 128 on as "&#code;".
String XMLEncodeText(const String& text);

// ---- The XML matrix frame ----------------------------------------------------------
#include <functional>
#include <vector>

#include "numerics/VEZ_stringl.h"
#include "platform/rtl/FileIO.h"
#include "platform/rtl/Streams.h"

// The lines of an XML matrix up to its counts: the declaration (when asked for),
// an empty line, the comment naming the class, the start tag with sig, vers, dim
// and id, and one element per count (numcols, numrows, then numplanes for three
// dimensions).
std::vector<String> XMLMatrixHead(bool CreateHeader, const String& className, Integer dim, const String& id,
                                  const std::vector<Integer>& counts);
// A cell line: <cell ix="c" iy="r">value</cell>, with iz for three indices.
String XMLCellLine(const std::vector<Integer>& indices, const String& value);
// Writes lines with CR LF.
void WriteXMLLines(TStream& out, const std::vector<String>& lines);
void WriteXMLLines(TextFile& out, const std::vector<String>& lines);

// The integer after the opening double quote of an attribute in an attribute
// text; 0 when the attribute is missing.
Integer XMLAttributeInt(const String& attributes, const String& name);

// What the XML matrix reader hands to its matrix.
struct TXMLMatrixTarget {
    // The identification of the start line that was found (lower case).
    std::function<void(const String& id)> Started;
    // Before the first cell, with the remembered counts (columns, rows, layers);
    // false refuses counts the matrix cannot take, which ends the read with false.
    std::function<bool(Integer cols, Integer rows, Integer layers)> Size;
    std::function<void(const String& attributes, const String& contents)> Cell;
    Integer Cols = 0, Rows = 0, Layers = 0;  // the counts the file does not give
};

// Where the XML reader takes its lines and elements from: a stream or an open
// text file.
struct TXMLInput {
    // The next line; endOfInput set when the input has ended.
    std::function<void(bool& endOfInput, String& line)> ReadLine;
    std::function<Integer(const TTagList& tags, String& attributes, String& contents)> ReadElement;
};
TXMLInput XMLInputOf(TStream& in);
TXMLInput XMLInputOf(TextFile& in);

// Finds the first matrix of the given dimension whose identification matches
// DataID (any when empty; letter case ignored) and reads its counts and cells.
// True when the end tag was reached.
bool ReadXMLMatrix(const TXMLInput& in, Integer dim, const String& DataID, TXMLMatrixTarget& target);

// Reads the first matching matrix into a container through ReadXMLMatrix and
// looks after the container's state: dataID takes the identification found and
// firstCell is set when the matrix starts and cleared when its counts come, just
// before target.Size; changed runs when a matrix was found.  The target's own
// Started is not used.
bool ReadXMLContainer(const TXMLInput& in, Integer dim, const String& DataID, TXMLMatrixTarget target,
                      String& dataID, bool& firstCell, const std::function<void()>& changed);
