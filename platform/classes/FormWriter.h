#pragma once
// Writing form descriptions (the format is shown in FormReader.h).
//
// The root is written with its stored properties, then the components its
// GetChildren hands over, each with its own properties and children.  A
// property is written under the rules of TypInfo.h (stored, not its default);
// then the instance's DefineProperties may add its own values.  Sub-objects are
// written as their own properties behind the property's name ("Font.Name"),
// collections always (an empty one as "<>"), string lists when not empty,
// components by name, events by the name of the root's published method (a
// handler that is not a published method of the root is not written).
// Components get csWriting while they are written.  Lines end with LF and are
// indented by two spaces per level.
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/TypInfo.h"

class TStream;

class TFormWriter : public TWriter {
    DECLARE_CLASS(TFormWriter, TWriter)
public:
    TFormWriter() = default;

    void WriteRootComponent(TComponent* Root);
    // The description of a sub-component alone, with components and events
    // named as LookupRoot, the form its owner belongs to, knows them.
    void WriteSubComponent(TComponent* Instance, TComponent* LookupRoot);
    const String& Text() const { return FText; }

    // TFiler
    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    // TWriter
    void WriteBoolean(bool Value) override;
    void WriteInteger(Integer Value) override;
    void WriteInt64(Int64 Value) override;
    void WriteFloat(Extended Value) override;
    void WriteString(const String& Value) override;
    void WriteIdent(const String& Value) override;
    void WriteListBegin() override;
    void WriteListEnd() override;
    void WriteProperties(TPersistent* Instance) override;

private:
    void WriteComponent(TComponent* component);
    void WritePropertiesOf(TPersistent* instance, const String& prefix);
    void WriteProp(TPersistent* instance, const TPropInfo* prop, const String& prefix);
    void WriteObjectProp(TPersistent* instance, const TPropInfo* prop, const String& prefix);
    void WriteCollection(TCollection* collection);
    String ReferenceName(TComponent* component) const;
    String MethodText(const TMethod& method) const;

    void BeginProperty(const String& name);  // the next value follows "name = "
    void WriteValue(const String& text);
    void Open(const char* opener);
    void Close(const char* closer);
    void Line(const String& text);

    String FText;
    int FIndent = 0;
    String FPending;          // "Name = " of the value to come
    bool FJustOpened = false;  // the last line opened a list, a collection or binary data
    String FPrefix;           // the path of the sub-object whose defined properties are written
};

// A quoted string of a form description: 'It''s'#13#10'next'.
String FormString(const String& Value);
// A float as written: the shortest text that reads back the same value of the
// given precision, with ".0" added to a whole number ("2.0", "0.1", "1e+20").
String FormFloat(Extended Value, TFloatType Type);

String WriteComponentText(TComponent* Root);
void WriteComponent(TStream& Stream, TComponent* Root);  // UTF-8 text at the stream's position
// A sub-component as its own description, for a binary value of its owner's.
void WriteSubComponent(TStream& Stream, TComponent* Instance, TComponent* LookupRoot);
