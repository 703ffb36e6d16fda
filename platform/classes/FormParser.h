#pragma once
// The tokens of a form description:
//
//   identifiers    Button1  alClient  Font.Name  (letters, digits, "_", dotted)
//   integers       12  -7  $1F
//   floats         1.5  -0.25  1e+20
//   strings        'It''s'  'line'#13#10'next'  #9   (quoted parts and #code or
//                  #$hex characters, written without space between them)
//   binary data    { 0A1B 2C }   (hexadecimal digits; spaces and line ends ignored)
//   symbols        = : ( ) [ ] < > ,
//
// Line ends and spaces separate tokens; each token keeps its line number.
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

enum class TFormTokenKind { EndOfText, Symbol, Ident, String, Integer, Float, Binary };

struct TFormToken {
    TFormTokenKind Kind = TFormTokenKind::EndOfText;
    String Text;              // identifier, decoded string, number as written, symbol
    std::vector<Byte> Bytes;  // binary data
    int Line = 0;
};

// The tokens of Text, ending with one EndOfText token; EReadError
// "Line <n>: <what is wrong>" for text that is not made of tokens.
std::vector<TFormToken> TokenizeForm(const String& Text);
