#pragma once
// Text routines of the library: character classes, blanks, trimming, searching, splitting and
// joining, hexadecimal numbers, backslashes, the text forms of fonts, rectangles and points, and
// the keyed cipher with its printable six-bit form that the settings component stores values in.
// Positions are 1-based.
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Graphics.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/UString.h"

// The separator of the text forms of rectangles, points and fonts.
inline constexpr char16_t StyTextSeparator = u',';

bool CharIsAlpha(char16_t ch);
bool CharIsAlphaNumeric(char16_t ch);
bool CharIsUpper(char16_t ch);
bool CharIsLower(char16_t ch);

String UpperCaseText(const String& text);
String LowerCaseText(const String& text);
char16_t UpperCaseChar(char16_t ch);
bool SameTextNoCase(const String& a, const String& b);

// The empty text and texts of spaces only.
bool IsBlank(const String& text);
// Without the leading and trailing characters below code 33.
String TrimBlanks(const String& text);
int CountChar(const String& text, char16_t ch);
int LastCharPos(const String& text, char16_t ch);   // 0 when absent
// The text before the last occurrence of ch; the whole text when absent.
String TextBeforeLastChar(const String& text, char16_t ch);
// Whether sub occurs at position (case-sensitive); an empty sub always does, a position beyond
// the text never.
bool TextAtPos(const String& text, int position, const String& sub);
// Position of the last occurrence of sub; 0 when either is empty or sub is longer.
int LastPos(const String& sub, const String& text);
// Cuts count characters from index out of text into part.
void CutText(String& text, int index, int count, String& part);
String CharString(char16_t ch, int count);
// Appends "\" unless the text is non-blank and already ends with it.
String AddBackslash(const String& text);
// Removes one trailing "\" from a non-blank text.
String RemoveBackslash(const String& text);
// The pieces between separators; a trailing separator adds no empty last piece, other empty
// pieces are kept.  Nothing for an empty text or a null list (the list is cleared first).
void SplitText(const String& text, char16_t separator, TStrings* list);
String JoinIntegers(const std::vector<Integer>& values, const String& separator);
String JoinTexts(const std::vector<String>& texts, const String& separator);

// A hexadecimal number: a "$" as the very first character is dropped, the rest trimmed, an
// optional sign, then digits accumulated in 32 bits.  EConvertError
// "'<text>' is not a valid Integer value" for an empty remainder or any other character.
Integer HexToInt(const AnsiString& text);
Integer HexToIntDef(const String& text, Integer defaultValue);

// Characters below 256 whose bit is set in the 256-bit set.
bool WideCharInSet(char16_t ch, const std::bitset<256>& set);
int AnsiPosFrom(const AnsiString& sub, const AnsiString& text, int start);   // 0 when absent
void WriteAnsiText(TStream& stream, const AnsiString& text);
void ReadAnsiText(TStream& stream, int count, AnsiString& text);

// Text forms: "Left,Top,Right,Bottom", "X,Y" and "Name,Size,Color,Bold,Italic,Underline,StrikeOut"
// (size in points, the colour as its name or number, styles 1 or 0).
String RectToText(const TRect& rect);
TRect TextToRect(const String& text);        // (0, 0, 0, 0) unless exactly four pieces
String PointToText(const TPoint& point);
TPoint TextToPoint(const String& text);      // (0, 0) unless a "," lies before the last character
String FontToText(const TFont& font);
// Exactly seven pieces, else the font is left unchanged; a style piece that is no integer
// raises EConvertError, and so does a colour that is neither a name nor a number.
void TextToFont(const String& text, TFont& font);

// The keyed byte cipher: a 16-bit register starts at the key; each byte is combined with the
// register's high byte, and the register advances with the ciphered byte:
// r = ((c + r) * 52845 + 22719) mod 65536.
std::string KeyedBytesEncrypt(std::string_view bytes, Word key);
std::string KeyedBytesDecrypt(std::string_view bytes, Word key);
// The printable form: the byte count, ":" and four characters "0".."o" per three bytes.
std::string SixBitBytesEncode(std::string_view bytes);
std::string SixBitBytesDecode(std::string_view text);

// The same on texts, taken as their Windows-1252 bytes (every byte maps back to itself).
String KeyedStringEncrypt(const String& text, Word key);
String KeyedStringDecrypt(const String& text, Word key);
String SixBitTextEncode(const String& text);
String SixBitTextDecode(const String& text);
