#include "platform/classes/FormWriter.h"

#include <charconv>
#include <string>

#include "platform/rtl/Streams.h"

IMPLEMENT_CLASS(TFormWriter, TWriter, nullptr)

namespace {

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

String HexLine(const Byte* bytes, size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    String line;
    for (size_t i = 0; i < count; ++i) {
        line += static_cast<char16_t>(digits[bytes[i] >> 4]);
        line += static_cast<char16_t>(digits[bytes[i] & 15]);
    }
    return line;
}

}  // namespace

String FormString(const String& Value)
{
    const std::u16string_view text = Value.u16();
    String result;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        bool pair = IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
        bool literal = c >= u' ' && c != 0x7F && (pair || (!IsHighSurrogate(c) && !IsLowSurrogate(c)));
        if (literal != quoted) {
            result += u'\'';
            quoted = literal;
        }
        if (!literal) {
            result += "#" + IntToStr(c);
            continue;
        }
        result += c;
        if (c == u'\'') result += u'\'';
        if (pair) result += text[++i];
    }
    if (quoted || result.IsEmpty()) result += quoted ? u"'" : u"''";
    return result;
}

String FormFloat(Extended Value, TFloatType Type)
{
    char buffer[64];
    char* end = buffer + sizeof buffer;
    std::to_chars_result r;
    if (Type == ftSingle)
        r = std::to_chars(buffer, end, static_cast<float>(Value));
    else if (Type == ftDouble || static_cast<Extended>(static_cast<double>(Value)) == Value)
        r = std::to_chars(buffer, end, static_cast<double>(Value));
    else
        r = std::to_chars(buffer, end, Value);
    std::string text(buffer, r.ptr);
    if (text.find_first_of(".en") == std::string::npos) text += ".0";
    return String(text);
}

// ---------------------------------------------------------------- components

void TFormWriter::WriteRootComponent(TComponent* Root)
{
    SetRoot(Root);
    WriteComponent(Root);
}

void TFormWriter::WriteSubComponent(TComponent* Instance, TComponent* LookupRoot)
{
    SetRoot(LookupRoot);
    WriteComponent(Instance);
}

void TFormWriter::WriteComponent(TComponent* component)
{
    component->IncludeState(csWriting);
    try {
        const String& name = component->Name();
        Line("object " + (name.IsEmpty() ? String() : name + ": ") + component->ClassName());
        ++FIndent;
        WritePropertiesOf(component, String());
        component->GetChildren([this](TComponent* child) { WriteComponent(child); }, Root());
        --FIndent;
        Line("end");
    } catch (...) {
        component->ExcludeState(csWriting);
        throw;
    }
    component->ExcludeState(csWriting);
}

// ---------------------------------------------------------------- properties

void TFormWriter::WriteProperties(TPersistent* Instance)
{
    WritePropertiesOf(Instance, String());
}

void TFormWriter::WritePropertiesOf(TPersistent* instance, const String& prefix)
{
    for (const TPropInfo* prop : GetPropList(instance->ClassType())) WriteProp(instance, prop, prefix);
    String savedPrefix = FPrefix;
    FPrefix = prefix;
    instance->DefineProperties(this);
    FPrefix = savedPrefix;
}

void TFormWriter::WriteProp(TPersistent* instance, const TPropInfo* prop, const String& prefix)
{
    if (!IsStoredProp(instance, prop)) return;
    if (prop->Kind == tkClass) {
        WriteObjectProp(instance, prop, prefix);
        return;
    }
    if (prop->ReadOnly || IsDefaultPropValue(instance, prop)) return;
    String text;
    switch (prop->Kind) {
    case tkEnumeration: text = prop->EnumType->ValueName(prop->GetOrd(instance)); break;
    case tkSet: text = StringReplace(SetToString(*prop->EnumType, prop->GetOrd(instance)), ",", ", ", rfReplaceAll); break;
    case tkChar: text = FormString(AnsiString::FromBytes(std::string(1, static_cast<char>(prop->GetOrd(instance))))); break;
    case tkWChar: text = FormString(String::FromChar(static_cast<char16_t>(prop->GetOrd(instance)))); break;
    case tkFloat: text = FormFloat(prop->GetFloat(instance), prop->FloatType); break;
    case tkString: text = FormString(prop->GetStr(instance)); break;
    case tkMethod:
        text = MethodText(prop->GetMethod(instance));
        if (text.IsEmpty()) return;
        break;
    case tkStrings: {
        BeginProperty(prefix + prop->Name);
        WriteListBegin();
        TStrings* strings = prop->GetStrings(instance);
        for (Integer i = 0; i < strings->Count(); ++i) WriteString(strings->Strings(i));
        WriteListEnd();
        return;
    }
    default: {
        Int64 value = prop->GetOrd(instance);
        if (!IntToIdent(prop->TypeName, value, text)) text = IntToStr(value);
        break;
    }
    }
    BeginProperty(prefix + prop->Name);
    WriteValue(text);
}

// A persistent sub-object or sub-component as its own properties, a collection,
// or a component by name.
void TFormWriter::WriteObjectProp(TPersistent* instance, const TPropInfo* prop, const String& prefix)
{
    TObject* value = prop->GetObj(instance);
    auto* component = dynamic_cast<TComponent*>(value);
    bool subComponent = component && component->ComponentStyle().Contains(csSubComponent);
    if (!value || (prop->ReadOnly && !subComponent)) return;
    if (component && !subComponent) {
        String name = ReferenceName(component);
        if (name.IsEmpty()) return;
        BeginProperty(prefix + prop->Name);
        WriteValue(name);
    } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
        BeginProperty(prefix + prop->Name);
        WriteCollection(collection);
    } else if (auto* persistent = dynamic_cast<TPersistent*>(value)) {
        WritePropertiesOf(persistent, prefix + prop->Name + ".");
    }
}

void TFormWriter::WriteCollection(TCollection* collection)
{
    Open("<");
    for (int i = 0; i < collection->Count(); ++i) {
        Line("item");
        ++FIndent;
        WritePropertiesOf(collection->Items(i), String());
        --FIndent;
        Line("end");
    }
    Close(">");
}

String TFormWriter::ReferenceName(TComponent* component) const
{
    if (component == Root() || component->Owner() == Root() || !component->Owner()) return component->Name();
    if (component->Name().IsEmpty()) return String();
    return component->Owner()->Name() + "." + component->Name();
}

String TFormWriter::MethodText(const TMethod& method) const
{
    if (method.IsEmpty() || method.Data != Root()) return String();
    return MethodName(Root()->ClassType(), method.Code);
}

// ---------------------------------------------------------------- TFiler and TWriter

void TFormWriter::DefineProperty(const String& Name, TReaderProc, TWriterProc WriteData, bool HasData)
{
    if (!HasData || !WriteData) return;
    BeginProperty(FPrefix + Name);
    WriteData(this);
}

void TFormWriter::DefineBinaryProperty(const String& Name, TStreamProc, TStreamProc WriteData, bool HasData)
{
    if (!HasData || !WriteData) return;
    TMemoryStream data;
    WriteData(&data);
    BeginProperty(FPrefix + Name);
    Open("{");
    const size_t perLine = 32;
    const auto size = static_cast<size_t>(data.Size());
    for (size_t i = 0; i < size; i += perLine) Line(HexLine(data.Memory() + i, std::min(perLine, size - i)));
    Close("}");
}

void TFormWriter::WriteBoolean(bool Value)
{
    WriteValue(Value ? "True" : "False");
}

void TFormWriter::WriteInteger(Integer Value)
{
    WriteValue(IntToStr(Value));
}

void TFormWriter::WriteInt64(Int64 Value)
{
    WriteValue(IntToStr(Value));
}

void TFormWriter::WriteFloat(Extended Value)
{
    WriteValue(FormFloat(Value, ftExtended));
}

void TFormWriter::WriteString(const String& Value)
{
    WriteValue(FormString(Value));
}

void TFormWriter::WriteIdent(const String& Value)
{
    WriteValue(Value);
}

void TFormWriter::WriteListBegin()
{
    Open("(");
}

void TFormWriter::WriteListEnd()
{
    Close(")");
}

// ---------------------------------------------------------------- layout

void TFormWriter::BeginProperty(const String& name)
{
    FPending = name + " = ";
}

void TFormWriter::WriteValue(const String& text)
{
    Line(FPending + text);
    FPending = String();
}

void TFormWriter::Open(const char* opener)
{
    WriteValue(opener);
    FJustOpened = true;
    ++FIndent;
}

// An empty list, collection or binary value closes on its opening line: "()".
void TFormWriter::Close(const char* closer)
{
    --FIndent;
    if (FJustOpened) {
        SetLength(FText, FText.Length() - 1);
        FText += String(closer) + "\n";
        FJustOpened = false;
        return;
    }
    Line(closer);
}

void TFormWriter::Line(const String& text)
{
    FText += String(2 * FIndent, u' ') + text + "\n";
    FJustOpened = false;
}

// ---------------------------------------------------------------- entry points

String WriteComponentText(TComponent* Root)
{
    TFormWriter writer;
    writer.WriteRootComponent(Root);
    return writer.Text();
}

namespace {

void WriteText(TStream& Stream, const String& Text)
{
    std::string bytes = Text.ToUtf8();
    Stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

}  // namespace

void WriteComponent(TStream& Stream, TComponent* Root)
{
    WriteText(Stream, WriteComponentText(Root));
}

void WriteSubComponent(TStream& Stream, TComponent* Instance, TComponent* LookupRoot)
{
    TFormWriter writer;
    writer.WriteSubComponent(Instance, LookupRoot);
    WriteText(Stream, writer.Text());
}
