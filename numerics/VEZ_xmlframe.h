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
