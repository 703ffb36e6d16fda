#pragma once
// Small text, file-name and rectangle routines shared by the edit controls, the slider and the
// glyph drawing, and thin wrappers of window-system calls.  All are stateless.
#include "platform/controls/Controls.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/UString.h"

// Blanks are the character 32 only: tabs and other white space stay.
String StripLeadingBlanks(const String& s);
String StripTrailingBlanks(const String& s);
// The numerical library strips blanks by the same rule under the same name; inline, so that a
// program linking both keeps a single one.
inline String StripBlanks(const String& s) { return StripLeadingBlanks(StripTrailingBlanks(s)); }
String RemoveChar(const String& s, char16_t c);
String FillString(char16_t c, Integer n);   // empty for n <= 0
String RepeatChar(char16_t c, Integer n);
// Every non-overlapping occurrence, from the left, exact case; replacements are not rescanned.
String ReplaceAllText(const String& s, const String& find, const String& replacement);
bool HasAnyChar(const String& s, const String& set);
// False for an empty name or one holding < > " ? * |.  "/" separates folders here.
bool IsValidFileName(const String& s);

// The name of the first file or folder matching the path (wildcards allowed); empty when none.
// There are no 8.3 alternate names here, so the short name is the long one.
String FoundLongName(const String& path);
String FoundShortName(const String& path);

// Command-line tokens, on 1-based positions of a text (one past the end: the end).
// Past the first token: a quoted token ends after its closing quote (or at the end); another runs
// up to the first character at or below the blank, skipping quoted parts inside it.
Integer SkipToken(const String& text, Integer pos);
// Past every character at or below the blank.
Integer SkipBlanks(const String& text, Integer pos);
// The first token (a quoted one without its first and last characters) and the text after it
// and its following blanks.
void FirstToken(const String& text, String& first, String& rest);

// The right and bottom edges count as inside.
bool PointInRectInclusive(const TRect& r, TPoint p);
Integer RectExtentX(const TRect& r);
Integer RectExtentY(const TRect& r);

// The text, or its start followed by "..." cut until it fits the width on the canvas.
String FitTextWithEllipsis(const String& text, TCanvas& canvas, Integer maxWidth);

// Takes one pending message of that number for the window off the queue; a quit message taken
// is posted again with its exit code, so the program still ends.
void DropPendingMessage(HWND window, Cardinal msg);
std::intptr_t SendWindowMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam);
// A memory device context like the screen's, with no picture of its own (it measures text as
// the screen does); the caller deletes it.
HDC NewScreenDC();
bool CopyBits(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
              Cardinal rop);
