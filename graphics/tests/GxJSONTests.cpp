#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "graphics/GxJSONReader.h"
#include "graphics/GxJSONWriter.h"
#include "platform/rtl/SysFormat.h"

namespace {

TStringStream Text(const std::string& text) { return TStringStream(String(text)); }

// The message of the error reading the whole document raises; "" when it reads.
String ReadError(const std::string& text, const std::function<void(TGxJSONReader&)>& read)
{
    TStringStream stream = Text(text);
    try {
        TGxJSONReader reader(&stream);
        read(reader);
    } catch (const Exception& e) {
        return e.Message();
    }
    return String();
}

// Walks any document token by token, as a caller that knows nothing of it would, and gives it back
// in a compact form.
String Walk(TGxJSONReader& reader)
{
    String out;
    for (int guard = 0; guard < 100000; ++guard) {
        switch (reader.Peek()) {
        case jstoBeginObject: reader.ReadBeginObject(); out += "{"; break;
        case jstoEndObject: reader.ReadEndObject(); out += "}"; break;
        case jstoBeginArray: reader.ReadBeginArray(); out += "["; break;
        case jstoEndArray: reader.ReadEndArray(); out += "]"; break;
        case jstoName: out += "<" + reader.ReadName() + ">"; break;
        case jstoBoolean: out += reader.ReadBoolean() ? "T" : "F"; break;
        case jstoNull: reader.ReadNull(); out += "N"; break;
        case jstoText: out += "'" + reader.ReadString() + "'"; break;
        case jstoNumber: out += "#" + FloatToStr(reader.ReadDouble(), TFormatSettings::English()); break;
        case jstoEOF: return out;
        }
    }
    return out;
}

String WalkText(const std::string& text)
{
    TStringStream stream = Text(text);
    TGxJSONReader reader(&stream);
    return Walk(reader);
}

TEST(GxJSONReader, StructureErrorsAndTheirMessages)
{
    auto walk = [](TGxJSONReader& r) { Walk(r); };
    struct Case {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"", "Object or array expected as top-level value"},
        {"\"a\"", "Object or array expected as top-level value"},
        {"12", "Object or array expected as top-level value"},
        {"true", "Object or array expected as top-level value"},
        {"{}", ""},
        {"[] \r\n\t", ""},
        {"{}{}", "Multiple root values not allowed"},
        {"[1,]", "Value expected but invalid character found"},
        {"[,1]", "Value expected but invalid character found"},
        {"{\"a\":1,}", "Name expected"},
        {"{1:2}", "Name expected"},
        {"{\"a\" 1}", "Colon expected"},
        {"[1 ", "Unterminated array"},
        {"[true", "Unterminated array"},
        {"[1}", "Unterminated array"},
        {"{\"a\":1 \"b\":2}", "Unterminated object"},
        {"[1", "End of JSON input reached."},   // the number runs to the end of the text
        {"[tru]", "Value expected but invalid character found"},
        {"[tru", "Value expected but invalid character found"},
        {"[trueX]", "Value expected but invalid character found"},
        {"[01]", "Value expected but invalid character found"},
        {"[1.]", "Value expected but invalid character found"},
        {"[-]", "Value expected but invalid character found"},
        {"[1e]", "Value expected but invalid character found"},
        {"[1x]", "Value expected but invalid character found"},
        {"[+1]", "Value expected but invalid character found"},
        {"[\"a\\\"b\"]", "Unexpected end of string"},   // the string ends at the quote after its backslash
    };
    for (const Case& c : cases) EXPECT_EQ(ReadError(c.Text, walk), String(c.Message)) << c.Text;
}

TEST(GxJSONReader, ReadsOfTheWrongKindNameTheExpectedState)
{
    struct Case {
        const char* Text;
        std::function<void(TGxJSONReader&)> Read;
        int Expected;
    } cases[] = {
        {"[1]", [](TGxJSONReader& r) { r.ReadBeginObject(); }, 1},
        {"{}", [](TGxJSONReader& r) { r.ReadBeginObject(); r.ReadEndArray(); }, 4},
        {"[]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadEndObject(); }, 2},
        {"{}", [](TGxJSONReader& r) { r.ReadBeginArray(); }, 3},
        {"[1]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadBoolean(); }, 5},
        {"[1]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadNull(); }, 7},
        {"[true]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadString(); }, 8},
        {"[true]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadName(); }, 10},
        {"[null]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadInteger(); }, 11},
        {"[null]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadInt64(); }, 11},
        {"[3000000000]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadInteger(); }, 11},
        {"[2.5]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadInteger(); }, 11},
        {"[1e30]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadInt64(); }, 11},
        {"[false]", [](TGxJSONReader& r) { r.ReadBeginArray(); r.ReadDouble(); }, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadError(c.Text, c.Read), Format("Invalid Json parser state. Expected state: %d", {c.Expected}))
            << c.Text << " " << c.Expected;
}

TEST(GxJSONReader, NumbersIntegersAndTextConversions)
{
    TStringStream stream = Text(
        "[-0, 9223372036854775807, 9223372036854775808, 1.5e3, \"42\", 2.0, -9223372036854775808, \"2.5\", 7,"
        " 12.25]");
    TGxJSONReader r(&stream);
    r.ReadBeginArray();
    EXPECT_EQ(r.ReadInt64(), 0);
    EXPECT_EQ(r.ReadInt64(), INT64_MAX);
    EXPECT_EQ(r.Peek(), jstoNumber);
    EXPECT_EQ(r.ReadString(), "9223372036854775808");   // too large for 64 bits: kept as text
    EXPECT_DOUBLE_EQ(r.ReadDouble(), 1500);
    EXPECT_EQ(r.ReadInteger(), 42);
    EXPECT_EQ(r.ReadInteger(), 2);
    EXPECT_EQ(r.ReadInt64(), INT64_MIN);
    EXPECT_DOUBLE_EQ(r.ReadDouble(), 2.5);
    EXPECT_EQ(r.ReadString(), "7");
    EXPECT_DOUBLE_EQ(r.ReadDouble(), 12.25);
    EXPECT_FALSE(r.HasNext());
    r.ReadEndArray();
    EXPECT_TRUE(r.Eof());
}

TEST(GxJSONReader, LiteralsStringsNamesAndSkipping)
{
    TStringStream stream = Text(
        "{ \"a b\" : [TRUE, False, NULL],\r\n \"q\\u0022\" : \"x\\u0022y\\u00E9\",\n"
        "  \"skip\": {\"deep\": [1, {\"x\": \"}]\"}]}, \"last\": 1 }");
    TGxJSONReader r(&stream);
    r.ReadBeginObject();
    EXPECT_TRUE(r.HasNext());
    EXPECT_EQ(r.PeekName(), "a b");
    EXPECT_EQ(r.ReadName(), "a b");
    r.ReadBeginArray();
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_FALSE(r.ReadBoolean());
    EXPECT_TRUE(r.IsNull());
    r.ReadNull();
    r.ReadEndArray();
    EXPECT_EQ(r.ReadName(), "q\"");
    EXPECT_EQ(r.ReadString(), String(u"x\"y\u00e9"));
    EXPECT_EQ(r.ReadName(), "skip");
    r.SkipValue();
    EXPECT_EQ(r.ReadName(), "last");
    EXPECT_EQ(r.ReadInteger(), 1);
    r.ReadEndObject();
    EXPECT_TRUE(r.Eof());
}

TEST(GxJSONReader, NestingIsBoundedAt255Levels)
{
    auto nested = [](int n) { return std::string(n, '[') + std::string(n, ']'); };
    EXPECT_EQ(WalkText(nested(255)), String(std::string(255, '[') + std::string(255, ']')));
    auto walk = [](TGxJSONReader& r) { Walk(r); };
    EXPECT_EQ(ReadError(nested(256), walk), "Maximum level of nested structured reached.");
    auto skip = [](TGxJSONReader& r) { r.ReadBeginArray(); r.SkipValue(); };
    EXPECT_EQ(ReadError("[" + nested(255) + "]", skip), "Maximum level of nested structured reached.");
}

TEST(GxJSONReader, ReadsFromTheStreamsPositionAndKeepsItsOwnCopy)
{
    TStringStream stream = Text("xx[1]");
    stream.SetPosition(2);
    TGxJSONReader reader(&stream);
    stream.Clear();
    EXPECT_EQ(Walk(reader), "[#1]");
}

TEST(GxJSONWriter, CompactAndIndentedText)
{
    auto write = [](int indent) {
        TStringStream stream;
        {
            TGxJSONWriter w(&stream);
            w.SetIndentLength(indent);
            w.WriteBeginObject().WriteName("a").WriteInteger(1).WriteName("b").WriteBeginArray();
            w.WriteInteger(1).WriteInteger(2).WriteEndArray();
            w.WriteName("e").WriteBeginObject().WriteEndObject().WriteName("f").WriteBeginArray().WriteEndArray();
            w.WriteEndObject().Close();
            EXPECT_TRUE(w.Closed());
            EXPECT_EQ(stream.Size(), 0);   // nothing before the writer is freed
        }
        return stream.DataString();
    };
    EXPECT_EQ(write(0), "{\"a\":1,\"b\":[1,2],\"e\":{},\"f\":[]}");
    EXPECT_EQ(write(2), "{\r\n  \"a\": 1,\r\n  \"b\": [\r\n    1,\r\n    2\r\n  ],\r\n  \"e\": {},\r\n  \"f\": []\r\n}");
}

// A target that refuses to be written.
class TFullStream : public TMemoryStream {
public:
    Integer Write(const void*, Integer) override { return 0; }
};

TEST(GxJSONWriter, AFailingTargetIsReportedByFlushAndNeverFromTheDestructor)
{
    TFullStream full;
    {
        TGxJSONWriter writer(&full);
        writer.WriteBeginArray().WriteEndArray();
        EXPECT_THROW(writer.Flush(), EWriteError);
    }
    {
        TGxJSONWriter writer(&full);
        writer.WriteBeginArray();   // delivered, and lost, when the writer goes
    }
    EXPECT_EQ(full.Size(), 0);
}

TEST(GxJSONWriter, ValuesAndEscapes)
{
    TStringStream stream;
    {
        TGxJSONWriter w(&stream);
        w.WriteBeginArray().WriteString(u"q\"\u00e9\\").WriteRawString(u"q\"\u00e9").WriteBoolean(true);
        w.WriteBoolean(false).WriteNull().WriteInteger(-5000000000).WriteDouble(0.1).WriteDouble(1.0 / 3);
        w.WriteDouble(-2.5e-20).WriteEndArray();
    }
    EXPECT_EQ(stream.DataString(), String(u"[\"q\\u0022\\u00E9\\u005C\",\"q\"\u00e9\",true,false,null,-5000000000,0.1,"
                                          u"0.333333333333333,-2.5E-20]"));
}

TEST(GxJSONWriter, CallsThatBreakTheNestingAreRefused)
{
    struct Case {
        const char* Name;
        std::function<void(TGxJSONWriter&)> Write;
        const char* Message;
    } cases[] = {
        {"string first", [](TGxJSONWriter& w) { w.WriteString("a"); }, "Object or array expected as top-level value"},
        {"second root", [](TGxJSONWriter& w) { w.WriteBeginObject().WriteEndObject().WriteBeginArray(); },
         "Multiple root values not allowed"},
        {"value without name", [](TGxJSONWriter& w) { w.WriteBeginObject().WriteInteger(1); },
         "Invalid nesting. Not all arrays/objects were properly closed."},
        {"two names", [](TGxJSONWriter& w) { w.WriteBeginObject().WriteName("a").WriteName("b"); },
         "Json value missing"},
        {"name in array", [](TGxJSONWriter& w) { w.WriteBeginArray().WriteName("a").WriteNull(); },
         "Cannot write name in current Json scope"},
        {"wrong closer", [](TGxJSONWriter& w) { w.WriteBeginObject().WriteName("a").WriteBeginArray().WriteEndObject(); },
         "Invalid nesting. Not all arrays/objects were properly closed."},
        {"open at close", [](TGxJSONWriter& w) { w.WriteBeginObject().Close(); },
         "Invalid nesting. Not all arrays/objects were properly closed."},
        {"empty document", [](TGxJSONWriter& w) { w.Close(); },
         "Invalid nesting. Not all arrays/objects were properly closed."},
        {"name without value", [](TGxJSONWriter& w) { w.WriteBeginObject().WriteName("a").WriteEndObject(); },
         "Json value missing"},
        {"empty name", [](TGxJSONWriter& w) { w.WriteBeginObject().WriteName(""); }, "Cannot write empty name"},
        {"too deep", [](TGxJSONWriter& w) { for (int i = 0; i < 256; ++i) w.WriteBeginArray(); },
         "Maximum level of nested structured reached."},
    };
    for (const Case& c : cases) {
        TStringStream stream;
        String message;
        try {
            TGxJSONWriter w(&stream);
            c.Write(w);
        } catch (const Exception& e) {
            message = e.Message();
        }
        EXPECT_EQ(message, String(c.Message)) << c.Name;
    }
}

TEST(GxJSON, WrittenTextReadsBackToTheSameValuesAtAnyIndentation)
{
    for (int indent : {0, 1, 4}) {
        TMemoryStream stream;
        {
            TGxJSONWriter w(&stream);
            w.SetIndentLength(indent);
            w.WriteBeginObject().WriteName("name \"x\"").WriteString(u"d\u00e9j\u00e0 vu\t\r\n/");
            w.WriteName("values").WriteBeginArray().WriteInteger(INT64_MIN).WriteDouble(-1.25e-7);
            w.WriteDouble(123456789.125).WriteBoolean(true).WriteNull().WriteBeginObject().WriteEndObject();
            w.WriteEndArray().WriteName("empty").WriteString("").WriteEndObject().Close();
        }
        stream.SetPosition(0);
        TGxJSONReader r(&stream);
        r.ReadBeginObject();
        EXPECT_EQ(r.ReadName(), "name \"x\"");
        EXPECT_EQ(r.ReadString(), String(u"d\u00e9j\u00e0 vu\t\r\n/"));
        EXPECT_EQ(r.ReadName(), "values");
        r.ReadBeginArray();
        EXPECT_EQ(r.ReadInt64(), INT64_MIN);
        EXPECT_DOUBLE_EQ(r.ReadDouble(), -1.25e-7);
        EXPECT_DOUBLE_EQ(r.ReadDouble(), 123456789.125);
        EXPECT_TRUE(r.ReadBoolean());
        r.ReadNull();
        r.ReadBeginObject();
        r.ReadEndObject();
        r.ReadEndArray();
        EXPECT_EQ(r.ReadName(), "empty");
        EXPECT_EQ(r.ReadString(), "");
        r.ReadEndObject();
        EXPECT_TRUE(r.Eof()) << indent;
    }
}

TEST(GxJSON, NumbersUseADotUnderAFrenchSettingWhichStaysAsItWas)
{
    const TFormatSettings saved = FormatSettings;
    FormatSettings = TFormatSettings::French();
    TMemoryStream stream;
    {
        TGxJSONWriter w(&stream);
        w.WriteBeginArray().WriteDouble(1.5).WriteDouble(-1234567.25).WriteEndArray();
    }
    stream.SetPosition(0);
    TGxJSONReader r(&stream);
    r.ReadBeginArray();
    const double first = r.ReadDouble(), second = r.ReadDouble();
    const TFormatSettings after = FormatSettings;
    FormatSettings = saved;
    EXPECT_EQ(String(std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()))), "[1.5,-1234567.25]");
    EXPECT_EQ(first, 1.5);
    EXPECT_EQ(second, -1234567.25);
    EXPECT_EQ(after.DecimalSeparator, u',');
    EXPECT_EQ(after.ThousandSeparator, TFormatSettings::French().ThousandSeparator);
}

// Untrusted input: mutated documents either read or fail with the reader's errors, never worse.
TEST(GxJSON, TenThousandMutatedDocumentsFailCleanly)
{
    const std::string seeds[] = {
        "{\"a\": [1, 2.5e-3, -0, true, null, \"t\\u0022x\"], \"b\": {\"c\": {}, \"d\": []}}",
        "[{\"$type\":\"TGxGraphicsFill\",\"Color\":\"#FF0000\",\"Kind\":1}, 9223372036854775807, FALSE]",
        std::string(200, '[') + "\"deep\"" + std::string(200, ']'),
        "{\"name\\u00E9\":\"\\\\\\/\\b\\f\\n\\r\\t\",\"n\":-12.5E+10}",
    };
    const char noise[] = "{}[]:,\"\\u0123456789eE+-.tfnTFN \r\n\t/#'x\x80\xff";
    std::mt19937 random(1234);
    int read = 0, failed = 0;
    for (int i = 0; i < 10000; ++i) {
        std::string text = seeds[i % 4];
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const size_t at = random() % text.size();
            switch (random() % 4) {
            case 0: text[at] = noise[random() % (sizeof noise - 1)]; break;
            case 1: text.erase(at, 1 + random() % 3); break;
            case 2: text.insert(at, 1, noise[random() % (sizeof noise - 1)]); break;
            default: text.insert(at, text.substr(at, random() % 40)); break;
            }
        }
        TStringStream stream(AnsiString::FromBytes(text).ToString());
        try {
            TGxJSONReader reader(&stream);
            Walk(reader);
            ++read;
        } catch (const Exception&) {
            ++failed;
        }
    }
    EXPECT_EQ(read + failed, 10000);
    EXPECT_GT(failed, 1000);
    EXPECT_GT(read, 100);
}

}  // namespace
