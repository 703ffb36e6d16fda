#include "numerics/VEZ_streams.h"

#include "platform/rtl/RtlMath.h"

void WriteTextToStream(TStream& OutStream, const String& text)
{
    char buffer[4096];
    int used = 0;
    for (char16_t c : text.u16()) {
        if (used == sizeof buffer) {
            OutStream.WriteBuffer(buffer, used);
            used = 0;
        }
        buffer[used++] = static_cast<char>(c & 0xFF);
    }
    OutStream.WriteBuffer(buffer, used);
}

void WriteLineToStream(TStream& OutStream, const String& text)
{
    WriteTextToStream(OutStream, text);
    const char lineEnd[2] = {13, 10};
    OutStream.WriteBuffer(lineEnd, 2);
}

void WriteExtendedToStream(TStream& OutStream, Extended value)
{
    Byte bytes[10];
    ExtendedToBytes(value, bytes);
    OutStream.WriteBuffer(bytes, 10);
}

void WriteIntegerToStream(TStream& OutStream, Integer value)
{
    auto bits = static_cast<Cardinal>(value);
    Byte bytes[4] = {static_cast<Byte>(bits), static_cast<Byte>(bits >> 8), static_cast<Byte>(bits >> 16),
                     static_cast<Byte>(bits >> 24)};
    OutStream.WriteBuffer(bytes, 4);
}

Extended ReadExtendedFromStream(TStream& InStream, bool& error)
{
    Byte bytes[10];
    error = InStream.Read(bytes, 10) != 10;
    return error ? 0 : ExtendedFromBytes(bytes);
}

Integer ReadIntegerFromStream(TStream& InStream, bool& error)
{
    Byte bytes[4];
    error = InStream.Read(bytes, 4) != 4;
    if (error) return 0;
    return static_cast<Integer>(Cardinal(bytes[0]) | Cardinal(bytes[1]) << 8 | Cardinal(bytes[2]) << 16 |
                                Cardinal(bytes[3]) << 24);
}

namespace {

// The next character of a stream, a byte taken as its code; false at the end.
bool NextChar(TStream& in, char16_t& c)
{
    Byte b;
    if (in.Read(&b, 1) != 1) return false;
    c = b;
    return true;
}

bool NextChar(TextFile& in, char16_t& c)
{
    if (Eof(in)) return false;
    Read(in, c);
    return true;
}

bool IsLineEnd(char16_t c, char16_t previous, Byte mode)
{
    switch (mode) {
    case 0: return c == 10;
    case 1: return c == 13;
    case 2: return c == 13 || c == 10;
    case 3: return c == 13 && previous == 10;
    case 4: return c == 10 && previous == 13;
    default: return false;
    }
}

void DropLastIfLineEnd(String& line)
{
    int n = line.Length();
    if (n > 0 && (line[n] == 13 || line[n] == 10)) Delete(line, n, 1);
}

bool EndsWith(const String& text, const String& tail)
{
    return text.Length() >= tail.Length() && Copy(text, text.Length() - tail.Length() + 1) == tail;
}

template <class Source>
Integer ReadElement(Source& in, const TTagList& tags, String& attributes, String& contents)
{
    attributes = String();
    contents = String();
    const Integer sentinel = static_cast<Integer>(tags.size()) - 1;
    char16_t c = 0;
    String tag;
    do {
        tag = String();
        do {
            if (!NextChar(in, c)) return sentinel;
        } while (c != u'<');
        do {
            if (!NextChar(in, c)) return sentinel;
            tag += c;
        } while (c != u'>');
    } while (tag[1] == u'!' || tag[1] == u'?');  // comments, declarations, processing instructions

    const bool empty = Pos("/>", tag) > 0;
    int blank = Pos(" ", tag);
    int end = empty ? Pos("/>", tag) : tag.Length();  // position of the closing "/>" or ">"
    String name;
    if (blank > 0 && blank < end) {
        attributes = StripBlanks(Copy(tag, blank + 1, end - blank - 1));
        name = Copy(tag, 1, blank - 1);
    } else {
        name = Copy(tag, 1, end - 1);
    }
    name = LowerCase(name);
    const Integer result = IndexOfTag(name, tags);
    if (empty || name.IsEmpty() || name[1] == u'/') return result;

    const String closing = "</" + name + ">";
    while (NextChar(in, c)) {
        contents += c;
        if (c == u'>' && EndsWith(LowerCase(contents), closing)) {
            Delete(contents, contents.Length() - closing.Length() + 1, closing.Length());
            break;
        }
    }
    return result;
}

}  // namespace

void ReadLineFromStream(TStream& InStream, bool& endOfStream, Byte lineEndMode, String& line)
{
    line = String();
    endOfStream = false;
    char16_t previous = 0, c;
    for (;;) {
        if (!NextChar(InStream, c)) {
            endOfStream = true;
            return;
        }
        line += c;
        if (IsLineEnd(c, previous, lineEndMode)) break;
        previous = c;
    }
    DropLastIfLineEnd(line);
    DropLastIfLineEnd(line);
}

Integer ReadXMLElement(TStream& InStream, const TTagList& tags, String& attributes, String& contents)
{
    return ReadElement(InStream, tags, attributes, contents);
}

Integer ReadXMLElementFromText(TextFile& InFile, const TTagList& tags, String& attributes, String& contents)
{
    return ReadElement(InFile, tags, attributes, contents);
}
