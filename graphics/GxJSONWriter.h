#pragma once
// Writing JSON token by token: the caller opens and closes objects and arrays, names members and
// writes values; the writer adds separators, indentation and escapes and checks that the calls
// make one well-nested document.  The text reaches the target stream when the writer is freed.
#include <memory>
#include <string>

#include "graphics/GxJSONReader.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/UString.h"

// Collects the text (code page 1252) and hands it to the target stream, at the stream's position,
// when it is freed or flushed.
class TGxJSONStreamWriter : public TObject, public TGxJSONOperations<TGxJSONStreamWriter> {
public:
    explicit TGxJSONStreamWriter(TStream* AStream) : FStream(AStream) {}
    // Delivers what is left; a target that fails then loses it (call Flush to hear of failures).
    ~TGxJSONStreamWriter();
    TGxJSONStreamWriter(const TGxJSONStreamWriter&) = delete;
    TGxJSONStreamWriter& operator=(const TGxJSONStreamWriter&) = delete;
    void Write(const String& Value);
    // Hands the text collected so far to the target; its errors pass to the caller.
    void Flush();

private:
    TStream* FStream;
    std::string FWriteStream;
};

class TGxJSONWriter : public TObject, public TGxJSONOperations<TGxJSONWriter> {
public:
    DORVANE_EXCEPTION(ECannotWriteName, Exception);
    DORVANE_EXCEPTION(EMultipleRootNotAllowed, Exception);
    DORVANE_EXCEPTION(EObjectOrArrayExpected, Exception);
    DORVANE_EXCEPTION(EInvalidNesting, Exception);
    DORVANE_EXCEPTION(EMissingValue, Exception);
    DORVANE_EXCEPTION(ETooManyDepthLevels, Exception);
    DORVANE_EXCEPTION(EEmptyJson, Exception);
    DORVANE_EXCEPTION(EEmptyName, Exception);

    explicit TGxJSONWriter(TStream* AStream);
    TGxJSONWriter(const TGxJSONWriter&) = delete;
    TGxJSONWriter& operator=(const TGxJSONWriter&) = delete;

    TGxJSONWriter& WriteBeginObject();
    TGxJSONWriter& WriteBeginArray();
    TGxJSONWriter& WriteEndObject();
    TGxJSONWriter& WriteEndArray();
    TGxJSONWriter& WriteName(const String& Name);
    TGxJSONWriter& WriteString(const String& Value);
    // In double quotes without escaping.
    TGxJSONWriter& WriteRawString(const String& Value);
    TGxJSONWriter& WriteBoolean(bool Value);
    TGxJSONWriter& WriteNull();
    TGxJSONWriter& WriteInteger(Int64 Value);
    // 15 significant digits with "." as decimal separator.
    TGxJSONWriter& WriteDouble(double Value);
    // Checks that the document is complete.
    void Close();
    // Hands the text written so far to the target stream (else that happens when the writer is freed).
    void Flush() { FWriter->Flush(); }
    bool Closed() const { return FClosed; }

    // Blanks per nesting level; 0 writes compact text.
    Integer IndentLength() const { return FIndent.Length(); }
    void SetIndentLength(Integer Value);

private:
    void WriteDeferredName();
    void BeforeValue(bool root);
    void LineBreak();
    TGxJSONWriter& Open(TGxJSONScope scope, const char* bracket);
    TGxJSONWriter& CloseScope(TGxJSONScope empty, TGxJSONScope nonEmpty, const char* bracket);
    TGxJSONWriter& WriteValue(const String& text);
    TGxJSONScope& Top() { return FStack[FStackSize - 1]; }

    std::unique_ptr<TGxJSONStreamWriter> FWriter;
    TGxJSONScope FStack[256] = {};
    Integer FStackSize = 0;
    String FIndent;
    String FSeparator = ":";
    String FDeferredName;
    bool FHasDeferredName = false;
    bool FClosed = false;
};
