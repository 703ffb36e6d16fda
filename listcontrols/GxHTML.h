#pragma once
// The mini-HTML text engine of the list controls: text preparation (character references, line
// breaks), colour and number readers, the highlight and mark tags, and the renderer that lays
// a marked-up text out in a rectangle of a canvas, draws it and finds the anchor under a point.
#include "platform/graphics/Canvas.h"
#include "platform/rtl/UString.h"

// ---- text preparation and values
String DecodeNamedEntities(const String& text);
String DecodeNumericRefs(const String& text);
// Position (1-based) of the first character after the digits of the reference that starts the text.
Integer NumericRefEnd(const String& text);
String UnwrapHashTags(const String& text);
String LineBreaksToBR(const String& text, bool toBR);
bool ReplaceFirstNoCase(const String& search, const String& replacement, String& text);
Integer TextPosNoCase(const String& search, const String& text);
Integer FindTextPos(const String& search, const String& text, Integer& position);
// The colour of a lower-case name ("clred", "clbtnface" ...); 0 (black) for any other.
TColor ColorFromName(const String& name);
Integer HexPairValue(const String& text);
TColor ColorFromHex(const String& text);
Integer LeadingInteger(const String& text);
double LeadingFloat(const String& text);
// The 77 named character references, in the order they are replaced.
struct TNamedEntity {
    const char* Name;
    unsigned char Cp1252;
};
extern const TNamedEntity NamedEntities[77];

// ---- highlight and mark tags
String StripTags(const String& markup);
Integer MarkupPosOfTextPos(const String& markup, Integer n);
Integer FindTextFrom(const String& search, const String& text, Integer skip, Integer& position, bool caseSensitive);
void InsertHighlightTags(const String& markup, const String& search, const String& tag, String& result,
                         bool caseSensitive);
void RemoveHighlightTags(const String& markup, const String& tag, String& result);
