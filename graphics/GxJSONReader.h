#pragma once
// The JSON pull parser of the graphics library: the caller asks for the kind of the next token
// (Peek) and consumes it with the matching read.  Documents are one object or one array of
// single-byte text (code page 1252); characters above 127 come as "\u" escapes, a double quote
// inside a string as "\u0022"; the literals are accepted in any letter case.
#include <algorithm>
#include <memory>
#include <string>

#include "graphics/GxObjectJSONHelper.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// What Peek reports.
enum TGxJSONToken {
    jstoBeginObject,
    jstoEndObject,
    jstoBeginArray,
    jstoEndArray,
    jstoName,
    jstoBoolean,
    jstoNull,
    jstoText,
    jstoNumber,
    jstoEOF
};

// One nesting level of a document being read or written.
enum TGxJSONScope : Byte {
    jscEmptyDocument,
    jscEmptyArray,
    jscEmptyObject,
    jscNonEmptyDocument,
    jscNonEmptyArray,
    jscNonEmptyObject,
    jscDanglingName   // a name was read or written and its value is due
};

// The characters of a document: its own copy of the source stream from the stream's position.
class TGxJSONStreamReader : public TObject, public TGxJSONOperations<TGxJSONStreamReader> {
public:
    DORVANE_EXCEPTION(EEndOfInputReached, Exception);

    explicit TGxJSONStreamReader(TStream* aStream);

    // The next character and advance; the null character at the end, without advancing.
    char16_t ReadChar();
    char16_t PeekChar();
    // ReadChar, raising EEndOfInputReached at the end.
    char16_t NextChar();
    void Backup(char16_t c);
    void MoveNext(Integer Count);
    bool Eof() const { return FPosition >= FText.size(); }
    size_t Position() const { return FPosition; }
    void SetPosition(size_t Value) { FPosition = std::min(Value, FText.size()); }

private:
    std::u16string FText;
    size_t FPosition = 0;
};

class TGxJSONReader : public TObject, public TGxJSONOperations<TGxJSONReader> {
public:
    // The inner state of the token looked at; the ordinals appear in EInvalidStateException.
    enum TGxJSONState {
        jstNone,
        jstBeginObject,
        jstEndObject,
        jstBeginArray,
        jstEndArray,
        jstTrue,
        jstFalse,
        jstNull,
        jstDoubleQuoted,      // a string value whose opening quote is consumed
        jstBuffered,          // a value held as text in FPeekedString
        jstDoubleQuotedName,  // a member name whose opening quote is consumed
        jstInt64,             // a number held in FPeekedInt64
        jstNumber,            // a number held as text in FPeekedNumber
        jstEOF
    };

    DORVANE_EXCEPTION(EInvalidStateException, Exception);
    DORVANE_EXCEPTION(EUnterminatedArray, Exception);
    DORVANE_EXCEPTION(EUnterminatedObject, Exception);
    DORVANE_EXCEPTION(ENameExpected, Exception);
    DORVANE_EXCEPTION(EColonExpected, Exception);
    DORVANE_EXCEPTION(EMultipleRootNotAllowed, Exception);
    DORVANE_EXCEPTION(EExpectedValue, Exception);
    DORVANE_EXCEPTION(EObjectOrArrayExpected, Exception);
    DORVANE_EXCEPTION(ETooManyDepthLevels, Exception);

    explicit TGxJSONReader(TStream* AStream);
    TGxJSONReader(const TGxJSONReader&) = delete;
    TGxJSONReader& operator=(const TGxJSONReader&) = delete;

    TGxJSONToken Peek();
    // False when the next token ends an object or an array or is the end of the document.
    bool HasNext();
    bool IsNull() { return Peek() == jstoNull; }
    bool Eof() { return Peek() == jstoEOF; }

    void ReadBeginObject();
    void ReadEndObject();
    void ReadBeginArray();
    void ReadEndArray();
    String ReadName();
    // The name the next ReadName gives, without consuming it (the token must have been looked at).
    String PeekName();
    // A string value; a number gives its text.
    String ReadString();
    bool ReadBoolean();
    void ReadNull();
    // A whole number, also from a string or a number text with no fraction.
    Integer ReadInteger();
    Int64 ReadInt64();
    double ReadDouble();
    // The next value with everything inside it (at a member position: the name).
    void SkipValue();

private:
    TGxJSONState DoPeek();
    TGxJSONState PeekValue(bool topLevel);
    TGxJSONState PeekKeyword();
    TGxJSONState PeekNumber();
    // Looks at the next token when none is looked at and checks its state.
    TGxJSONState Expect(TGxJSONState expected, std::initializer_list<TGxJSONState> accepted);
    [[noreturn]] void InvalidState(TGxJSONState expected);
    void Push(TGxJSONScope scope);
    void Pop();
    TGxJSONScope& Top() { return FStack[FStackSize - 1]; }
    void SkipWhitespace();
    // Skips whitespace, checks the next character and moves past it.
    bool Consume(char16_t c);
    String ReadQuotedText();
    // The current token as number text (a number, or a string or buffered value).
    String NumberText(TGxJSONState state);

    std::unique_ptr<TGxJSONStreamReader> FReader;
    TGxJSONScope FStack[256] = {};
    Integer FStackSize = 0;
    TGxJSONState FPeeked = jstNone;
    Int64 FPeekedInt64 = 0;
    String FPeekedNumber;
    String FPeekedString;
};
