// Writing JSON: the scope stack decides the separators and refuses calls that would break the
// document's nesting.
#include "graphics/GxJSONWriter.h"

#include "graphics/GxUtils.h"

TGxJSONStreamWriter::~TGxJSONStreamWriter()
{
    try {
        Flush();
    } catch (const Exception&) {
        // no error may leave a destructor
    }
}

void TGxJSONStreamWriter::Flush()
{
    if (FWriteStream.empty()) return;
    const std::string text = std::move(FWriteStream);
    FWriteStream.clear();
    FStream->WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

void TGxJSONStreamWriter::Write(const String& Value) { FWriteStream += Utf16ToCp1252(Value.u16()); }

TGxJSONWriter::TGxJSONWriter(TStream* AStream) : FWriter(std::make_unique<TGxJSONStreamWriter>(AStream))
{
    FStack[FStackSize++] = jscEmptyDocument;
}

void TGxJSONWriter::SetIndentLength(Integer Value)
{
    FIndent = Value > 0 ? String(Value, u' ') : String();
    FSeparator = Value > 0 ? ": " : ":";
}

void TGxJSONWriter::LineBreak()
{
    if (FIndent.IsEmpty()) return;
    String text = "\r\n";
    for (Integer i = 1; i < FStackSize; ++i) text += FIndent;
    FWriter->Write(text);
}

void TGxJSONWriter::WriteDeferredName()
{
    if (!FHasDeferredName) return;
    if (Top() == jscNonEmptyObject) FWriter->Write(",");
    else if (Top() != jscEmptyObject) throw ECannotWriteName("Cannot write name in current Json scope");
    LineBreak();
    Top() = jscDanglingName;
    FWriter->Write("\"" + TGxUtils::EscapeString(FDeferredName) + "\"");
    FDeferredName = String();
    FHasDeferredName = false;
}

void TGxJSONWriter::BeforeValue(bool root)
{
    switch (Top()) {
    case jscEmptyDocument:
        if (!root) throw EObjectOrArrayExpected("Object or array expected as top-level value");
        Top() = jscNonEmptyDocument;
        break;
    case jscEmptyArray:
        Top() = jscNonEmptyArray;
        LineBreak();
        break;
    case jscNonEmptyArray:
        FWriter->Write(",");
        LineBreak();
        break;
    case jscDanglingName:
        FWriter->Write(FSeparator);
        Top() = jscNonEmptyObject;
        break;
    case jscNonEmptyDocument:
        throw EMultipleRootNotAllowed("Multiple root values not allowed");
    default:
        throw EInvalidNesting("Invalid nesting. Not all arrays/objects were properly closed.");
    }
}

TGxJSONWriter& TGxJSONWriter::WriteName(const String& Name)
{
    if (Name.IsEmpty()) throw EEmptyName("Cannot write empty name");
    if (FHasDeferredName) throw EMissingValue("Json value missing");
    if (FStackSize == 0) throw EEmptyJson("Json is still empty. Cannot perform operation.");
    FDeferredName = Name;
    FHasDeferredName = true;
    return *this;
}

TGxJSONWriter& TGxJSONWriter::Open(TGxJSONScope scope, const char* bracket)
{
    WriteDeferredName();
    BeforeValue(true);
    if (FStackSize >= 256) throw ETooManyDepthLevels("Maximum level of nested structured reached.");
    FStack[FStackSize++] = scope;
    FWriter->Write(bracket);
    return *this;
}

TGxJSONWriter& TGxJSONWriter::CloseScope(TGxJSONScope empty, TGxJSONScope nonEmpty, const char* bracket)
{
    if (Top() != empty && Top() != nonEmpty)
        throw EInvalidNesting("Invalid nesting. Not all arrays/objects were properly closed.");
    if (FHasDeferredName) throw EMissingValue("Json value missing");
    const bool wasEmpty = Top() == empty;
    --FStackSize;
    if (!wasEmpty) LineBreak();
    FWriter->Write(bracket);
    return *this;
}

TGxJSONWriter& TGxJSONWriter::WriteBeginObject() { return Open(jscEmptyObject, "{"); }
TGxJSONWriter& TGxJSONWriter::WriteBeginArray() { return Open(jscEmptyArray, "["); }
TGxJSONWriter& TGxJSONWriter::WriteEndObject() { return CloseScope(jscEmptyObject, jscNonEmptyObject, "}"); }
TGxJSONWriter& TGxJSONWriter::WriteEndArray() { return CloseScope(jscEmptyArray, jscNonEmptyArray, "]"); }

TGxJSONWriter& TGxJSONWriter::WriteValue(const String& text)
{
    WriteDeferredName();
    BeforeValue(false);
    FWriter->Write(text);
    return *this;
}

TGxJSONWriter& TGxJSONWriter::WriteString(const String& Value)
{
    return WriteValue("\"" + TGxUtils::EscapeString(Value) + "\"");
}

TGxJSONWriter& TGxJSONWriter::WriteRawString(const String& Value) { return WriteValue("\"" + Value + "\""); }
TGxJSONWriter& TGxJSONWriter::WriteBoolean(bool Value) { return WriteValue(Value ? "true" : "false"); }
TGxJSONWriter& TGxJSONWriter::WriteNull() { return WriteValue("null"); }
TGxJSONWriter& TGxJSONWriter::WriteInteger(Int64 Value) { return WriteValue(IntToStr(Value)); }
TGxJSONWriter& TGxJSONWriter::WriteDouble(double Value) { return WriteValue(TGxUtils::FloatToStrDot(Value)); }

void TGxJSONWriter::Close()
{
    if (FStackSize > 1 || (FStackSize == 1 && Top() != jscNonEmptyDocument))
        throw EInvalidNesting("Invalid nesting. Not all arrays/objects were properly closed.");
    FClosed = true;
}
