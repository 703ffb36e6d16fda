// Reading JSON token by token: the scope stack says what may come next, the token looked at is
// kept until a read consumes it.
#include "graphics/GxJSONReader.h"

#include <cmath>
#include <limits>

#include "graphics/GxUtils.h"
#include "platform/rtl/SysFormat.h"

namespace {

bool IsWhitespace(char16_t c) { return c == 9 || c == 10 || c == 12 || c == 13 || c == 32; }

// The characters that may follow a literal or a number.
bool IsDelimiter(char16_t c)
{
    switch (c) {
    case u'/': case u'\\': case u';': case u'#': case u'{': case u'}': case u'[': case u']': case u':':
    case u',': case u'\'': case u' ': case 13: case 10: case 12: case 9:
        return true;
    default:
        return false;
    }
}

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

constexpr Integer MaxNumberLength = 254;

}  // namespace

// ---------------------------------------------------------------- characters

TGxJSONStreamReader::TGxJSONStreamReader(TStream* aStream)
{
    const Int64 count = aStream->Size() - aStream->Position();
    std::string bytes(static_cast<size_t>(std::max<Int64>(0, count)), '\0');
    if (!bytes.empty()) aStream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    FText = Cp1252ToUtf16(bytes);
}

char16_t TGxJSONStreamReader::ReadChar() { return Eof() ? u'\0' : FText[FPosition++]; }

char16_t TGxJSONStreamReader::PeekChar() { return Eof() ? u'\0' : FText[FPosition]; }

char16_t TGxJSONStreamReader::NextChar()
{
    if (Eof()) throw EEndOfInputReached("End of JSON input reached.");
    return ReadChar();
}

void TGxJSONStreamReader::Backup(char16_t)
{
    if (FPosition > 0) --FPosition;
}

void TGxJSONStreamReader::MoveNext(Integer Count)
{
    FPosition = std::min(FText.size(), FPosition + static_cast<size_t>(std::max(0, Count)));
}

// ---------------------------------------------------------------- reader

TGxJSONReader::TGxJSONReader(TStream* AStream) : FReader(std::make_unique<TGxJSONStreamReader>(AStream))
{
    Push(jscEmptyDocument);
}

void TGxJSONReader::Push(TGxJSONScope scope)
{
    if (FStackSize >= 256) throw ETooManyDepthLevels("Maximum level of nested structured reached.");
    FStack[FStackSize++] = scope;
}

void TGxJSONReader::Pop()
{
    if (FStackSize > 1) --FStackSize;
}

void TGxJSONReader::SkipWhitespace()
{
    while (IsWhitespace(FReader->PeekChar())) FReader->ReadChar();
}

bool TGxJSONReader::Consume(char16_t c)
{
    SkipWhitespace();
    if (FReader->PeekChar() != c || FReader->Eof()) return false;
    FReader->ReadChar();
    return true;
}

TGxJSONToken TGxJSONReader::Peek()
{
    if (FPeeked == jstNone) FPeeked = DoPeek();
    switch (FPeeked) {
    case jstBeginObject: return jstoBeginObject;
    case jstEndObject: return jstoEndObject;
    case jstBeginArray: return jstoBeginArray;
    case jstEndArray: return jstoEndArray;
    case jstTrue: case jstFalse: return jstoBoolean;
    case jstNull: return jstoNull;
    case jstDoubleQuoted: case jstBuffered: return jstoText;
    case jstDoubleQuotedName: return jstoName;
    case jstInt64: case jstNumber: return jstoNumber;
    default: return jstoEOF;
    }
}

bool TGxJSONReader::HasNext()
{
    const TGxJSONToken token = Peek();
    return token != jstoEndObject && token != jstoEndArray && token != jstoEOF;
}

TGxJSONReader::TGxJSONState TGxJSONReader::DoPeek()
{
    switch (Top()) {
    case jscEmptyDocument:
        Top() = jscNonEmptyDocument;
        return PeekValue(true);
    case jscNonEmptyDocument:
        SkipWhitespace();
        if (FReader->Eof()) return jstEOF;
        throw EMultipleRootNotAllowed("Multiple root values not allowed");
    case jscEmptyArray:
        Top() = jscNonEmptyArray;
        if (Consume(u']')) return jstEndArray;
        return PeekValue(false);
    case jscNonEmptyArray:
        if (Consume(u',')) return PeekValue(false);
        if (Consume(u']')) return jstEndArray;
        throw EUnterminatedArray("Unterminated array");
    case jscEmptyObject:
    case jscNonEmptyObject: {
        const bool empty = Top() == jscEmptyObject;
        Top() = jscDanglingName;
        if (!empty) {
            if (Consume(u'}')) return jstEndObject;
            if (!Consume(u',')) throw EUnterminatedObject("Unterminated object");
        }
        if (Consume(u'"')) return jstDoubleQuotedName;
        if (empty && Consume(u'}')) return jstEndObject;
        throw ENameExpected("Name expected");
    }
    case jscDanglingName:
        Top() = jscNonEmptyObject;
        if (!Consume(u':')) throw EColonExpected("Colon expected");
        return PeekValue(false);
    }
    return jstNone;
}

TGxJSONReader::TGxJSONState TGxJSONReader::PeekValue(bool topLevel)
{
    SkipWhitespace();
    const char16_t c = FReader->PeekChar();
    if (!FReader->Eof()) {
        if (c == u'[' || c == u'{') {
            FReader->ReadChar();
            return c == u'[' ? jstBeginArray : jstBeginObject;
        }
        if (c == u'"' && !topLevel) {
            FReader->ReadChar();
            return jstDoubleQuoted;
        }
    }
    if (topLevel) throw EObjectOrArrayExpected("Object or array expected as top-level value");
    TGxJSONState state = PeekKeyword();
    if (state == jstNone) state = PeekNumber();
    if (state == jstNone) throw EExpectedValue("Value expected but invalid character found");
    return state;
}

TGxJSONReader::TGxJSONState TGxJSONReader::PeekKeyword()
{
    const char16_t first = Lower(FReader->PeekChar());
    const char* rest = first == u't' ? "rue" : first == u'f' ? "alse" : first == u'n' ? "ull" : nullptr;
    if (!rest || FReader->Eof()) return jstNone;
    FReader->ReadChar();
    for (const char* p = rest; *p; ++p)
        if (FReader->Eof() || Lower(FReader->ReadChar()) != *p)
            throw EExpectedValue("Value expected but invalid character found");
    if (!FReader->Eof() && !IsDelimiter(FReader->PeekChar()))
        throw EExpectedValue("Value expected but invalid character found");
    return first == u't' ? jstTrue : first == u'f' ? jstFalse : jstNull;
}

TGxJSONReader::TGxJSONState TGxJSONReader::PeekNumber()
{
    enum { stNone, stSign, stDigit, stDecimal, stFraction, stExpMark, stExpSign, stExpDigit } last = stNone;
    const char16_t first = FReader->PeekChar();
    if (FReader->Eof() || !(first == u'-' || (first >= u'0' && first <= u'9'))) return jstNone;

    constexpr Int64 MinDiv10 = std::numeric_limits<Int64>::min() / 10;
    Int64 value = 0;   // the integer part, negative
    bool negative = false, fits = true, leadingZero = false;
    std::u16string text;
    auto invalid = [] { throw EExpectedValue("Value expected but invalid character found"); };
    for (;;) {
        const char16_t c = FReader->NextChar();
        const bool digit = c >= u'0' && c <= u'9';
        if (c == u'-' && (last == stNone || last == stExpMark)) {
            negative = negative || last == stNone;
            last = last == stNone ? stSign : stExpSign;
        } else if (c == u'+' && last == stExpMark) {
            last = stExpSign;
        } else if (c == u'.' && last == stDigit) {
            last = stDecimal;
        } else if ((c == u'e' || c == u'E') && (last == stDigit || last == stFraction)) {
            last = stExpMark;
        } else if (digit && (last == stNone || last == stSign || last == stDigit)) {
            if (leadingZero) invalid();
            leadingZero = last != stDigit && c == u'0';
            const Int64 d = c - u'0';
            if (value < MinDiv10 || (value == MinDiv10 && d > 8)) fits = false;
            if (fits) value = value * 10 - d;
            last = stDigit;
        } else if (digit && (last == stDecimal || last == stFraction)) {
            last = stFraction;
        } else if (digit && (last == stExpMark || last == stExpSign || last == stExpDigit)) {
            last = stExpDigit;
        } else {
            if (!IsDelimiter(c)) invalid();
            FReader->Backup(c);
            break;
        }
        text += c;
        if (static_cast<Integer>(text.size()) > MaxNumberLength) invalid();
    }
    if (last == stDigit && fits && (negative || value != std::numeric_limits<Int64>::min())) {
        FPeekedInt64 = negative ? value : -value;
        return jstInt64;
    }
    if (last == stDigit || last == stFraction || last == stExpDigit) {
        FPeekedNumber = String(text);
        return jstNumber;
    }
    invalid();
    return jstNone;
}

// ---------------------------------------------------------------- reads

void TGxJSONReader::InvalidState(TGxJSONState expected)
{
    throw EInvalidStateException(Format("Invalid Json parser state. Expected state: %d", {static_cast<int>(expected)}));
}

TGxJSONReader::TGxJSONState TGxJSONReader::Expect(TGxJSONState expected, std::initializer_list<TGxJSONState> accepted)
{
    Peek();
    for (TGxJSONState s : accepted)
        if (FPeeked == s) return s;
    InvalidState(expected);
}

void TGxJSONReader::ReadBeginObject()
{
    Expect(jstBeginObject, {jstBeginObject});
    Push(jscEmptyObject);
    FPeeked = jstNone;
}

void TGxJSONReader::ReadEndObject()
{
    Expect(jstEndObject, {jstEndObject});
    Pop();
    FPeeked = jstNone;
}

void TGxJSONReader::ReadBeginArray()
{
    Expect(jstBeginArray, {jstBeginArray});
    Push(jscEmptyArray);
    FPeeked = jstNone;
}

void TGxJSONReader::ReadEndArray()
{
    Expect(jstEndArray, {jstEndArray});
    Pop();
    FPeeked = jstNone;
}

String TGxJSONReader::ReadQuotedText()
{
    std::u16string text;
    while (!FReader->Eof()) {
        const char16_t c = FReader->ReadChar();
        if (c == u'"') break;
        text += c;
    }
    return String(text);
}

String TGxJSONReader::ReadName()
{
    Expect(jstDoubleQuotedName, {jstDoubleQuotedName});
    const String name = TGxUtils::UnescapeString(ReadQuotedText());
    FPeeked = jstNone;
    return name;
}

String TGxJSONReader::PeekName()
{
    if (FPeeked != jstDoubleQuotedName) InvalidState(jstDoubleQuotedName);
    const size_t position = FReader->Position();
    const String name = TGxUtils::UnescapeString(ReadQuotedText());
    FReader->SetPosition(position);
    return name;
}

String TGxJSONReader::ReadString()
{
    const TGxJSONState state = Expect(jstDoubleQuoted, {jstDoubleQuoted, jstBuffered, jstInt64, jstNumber});
    String result;
    switch (state) {
    case jstDoubleQuoted: result = TGxUtils::UnescapeString(ReadQuotedText()); break;
    case jstBuffered: result = FPeekedString; break;
    case jstInt64: result = IntToStr(FPeekedInt64); break;
    default: result = FPeekedNumber; break;
    }
    FPeeked = jstNone;
    return result;
}

bool TGxJSONReader::ReadBoolean()
{
    const bool result = Expect(jstTrue, {jstTrue, jstFalse}) == jstTrue;
    FPeeked = jstNone;
    return result;
}

void TGxJSONReader::ReadNull()
{
    Expect(jstNull, {jstNull});
    FPeeked = jstNone;
}

String TGxJSONReader::NumberText(TGxJSONState state)
{
    if (state == jstDoubleQuoted) {
        FPeekedString = TGxUtils::UnescapeString(ReadQuotedText());
        FPeeked = jstBuffered;
        return FPeekedString;
    }
    return state == jstBuffered ? FPeekedString : FPeekedNumber;
}

Int64 TGxJSONReader::ReadInt64()
{
    const TGxJSONState state = Expect(jstInt64, {jstInt64, jstNumber, jstDoubleQuoted, jstBuffered});
    Int64 result = FPeekedInt64;
    if (state != jstInt64) {
        const String text = NumberText(state);
        if (!TryStrToInt64(text, result)) {
            const double value = TGxUtils::StrToFloatDot(text);
            const double rounded = std::nearbyint(value);
            // 2^63 is the first double beyond the 64-bit range
            if (rounded != value || !(std::fabs(rounded) < 9223372036854775808.0)) InvalidState(jstInt64);
            result = static_cast<Int64>(rounded);
        }
    }
    FPeeked = jstNone;
    return result;
}

Integer TGxJSONReader::ReadInteger()
{
    const Int64 value = ReadInt64();
    if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
        InvalidState(jstInt64);
    return static_cast<Integer>(value);
}

double TGxJSONReader::ReadDouble()
{
    const TGxJSONState state = Expect(jstNumber, {jstInt64, jstNumber, jstDoubleQuoted, jstBuffered});
    double result = static_cast<double>(FPeekedInt64);
    if (state != jstInt64) result = TGxUtils::StrToFloatDot(NumberText(state));
    FPeeked = jstNone;
    return result;
}

void TGxJSONReader::SkipValue()
{
    Integer count = 0;
    do {
        Peek();
        switch (FPeeked) {
        case jstBeginObject: Push(jscEmptyObject); ++count; break;
        case jstBeginArray: Push(jscEmptyArray); ++count; break;
        case jstEndObject:
        case jstEndArray: Pop(); --count; break;
        case jstDoubleQuoted:
        case jstDoubleQuotedName: ReadQuotedText(); break;
        case jstEOF: count = 0; break;   // nothing more to skip
        default: break;
        }
        FPeeked = jstNone;
    } while (count > 0);
}
