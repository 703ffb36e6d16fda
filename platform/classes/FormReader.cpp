#include "platform/classes/FormReader.h"

#include <charconv>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

IMPLEMENT_CLASS(TFormReader, TReader, nullptr)

namespace {

// "12", "-7", "$1F", "-$1F" as a 64-bit integer; false when out of range.
bool ParseInteger(const String& text, Int64& value)
{
    std::string s = text.ToUtf8();
    bool negative = !s.empty() && s[0] == '-';
    size_t start = negative ? 1 : 0;
    int base = 10;
    if (start < s.size() && s[start] == '$') {
        base = 16;
        ++start;
    }
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(s.data() + start, s.data() + s.size(), magnitude, base);
    if (ec != std::errc() || end != s.data() + s.size() || start == s.size()) return false;
    std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    if (magnitude > limit) return false;
    value = negative ? static_cast<Int64>(0 - magnitude) : static_cast<Int64>(magnitude);
    return true;
}

template <class F>
bool ParseFloatAs(const std::string& s, Extended& value)
{
    F parsed{};
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    value = parsed;
    return true;
}

}  // namespace

TFormReader::TFormReader(const String& Text) : FTokens(TokenizeForm(Text)) {}

// ---------------------------------------------------------------- tokens

const TFormToken& TFormReader::Peek(size_t ahead) const
{
    return FTokens[std::min(FPos + ahead, FTokens.size() - 1)];
}

const TFormToken& TFormReader::Next()
{
    const TFormToken& token = FTokens[FPos];
    if (FPos + 1 < FTokens.size()) ++FPos;
    return token;
}

bool TFormReader::AtSymbol(const char* symbol, size_t ahead) const
{
    const TFormToken& token = Peek(ahead);
    return token.Kind == TFormTokenKind::Symbol && token.Text == symbol;
}

// A keyword is an identifier not followed by "=" (so it may also name a property).
bool TFormReader::AtKeyword(const char* keyword) const
{
    return Peek().Kind == TFormTokenKind::Ident && SameText(Peek().Text, keyword) && !AtSymbol("=", 1);
}

void TFormReader::Expect(const char* symbol)
{
    if (!AtSymbol(symbol)) Error("'" + String(symbol) + "' expected");
    Next();
}

void TFormReader::ExpectKeyword(const char* keyword)
{
    if (!AtKeyword(keyword)) Error("'" + String(keyword) + "' expected");
    Next();
}

void TFormReader::Error(const String& what) const
{
    throw EReadError("Line " + IntToStr(Peek().Line) + ": " + what);
}

void TFormReader::PropError(const String& what) const
{
    throw EReadError("Line " + IntToStr(FPropLine) + ": Error reading " + FPropPath + ": " + what);
}

// Runs a setter or another routine of the components read; its exception gets
// the line and the property in front of its message, once.
template <class F>
void TFormReader::Guard(F action)
{
    try {
        action();
    } catch (EFilerError&) {
        throw;
    } catch (Exception& e) {
        if (!FErrorPlaced) {
            FErrorPlaced = true;
            String where = FPropPath.IsEmpty() ? String() : "Error reading " + FPropPath + ": ";
            e.SetMessage("Line " + IntToStr(FPropLine) + ": " + where + e.Message());
        }
        throw;
    }
}

// ---------------------------------------------------------------- components

TComponent* TFormReader::ReadRootComponent(TComponent* Root)
{
    String name, className;
    int line = 0;
    ReadHeader(name, className, line);
    bool created = !Root;
    if (created) Root = CreateComponent(className, line);
    SetRoot(Root);
    try {
        ReadTree(Root, name.IsEmpty() ? className : name, line, [&] { Guard([&] { NameRoot(name); }); });
    } catch (...) {
        if (created) delete Root;
        throw;
    }
    return Root;
}

void TFormReader::ReadSubComponent(TComponent* Instance, TComponent* LookupRoot)
{
    String name, className;
    int line = 0;
    ReadHeader(name, className, line);
    if (!SameText(className, Instance->ClassName()))
        throw EReadError("Line " + IntToStr(line) + ": " + Instance->Name() + " is a " + Instance->ClassName() +
                         ", not a " + className);
    SetRoot(LookupRoot);
    ReadTree(Instance, Instance->Name(), line, [] {});
}

// Reads the body of top and everything in it, resolves the references and gives
// Loaded; on an error nothing read is left loading.
template <class F>
void TFormReader::ReadTree(TComponent* top, const String& path, int line, F prepare)
{
    try {
        top->IncludeState(csLoading);
        top->IncludeState(csReading);
        FLoaded.push_back(top);
        FPath = path;
        FPropLine = line;
        prepare();
        ReadComponentBody(top);
        if (Peek().Kind != TFormTokenKind::EndOfText) Error("End of text expected");
        ResolveFixups();
        for (TComponent* component : FLoaded) component->Loaded();
    } catch (...) {
        for (TComponent* component : FLoaded) {
            component->ExcludeState(csReading);
            component->ExcludeState(csLoading);
        }
        throw;
    }
}

void TFormReader::ReadHeader(String& name, String& className, int& line)
{
    line = Peek().Line;
    ExpectKeyword("object");
    if (Peek().Kind != TFormTokenKind::Ident) Error("Identifier expected");
    className = Next().Text;
    if (AtSymbol(":")) {
        Next();
        name = className;
        if (Peek().Kind != TFormTokenKind::Ident) Error("Identifier expected");
        className = Next().Text;
    }
}

TComponent* TFormReader::CreateComponent(const String& className, int line)
{
    TClass cls = nullptr;
    try {
        cls = FindClass(className);
    } catch (EClassNotFound& e) {
        e.SetMessage("Line " + IntToStr(line) + ": " + e.Message());
        throw;
    }
    if (!cls->InheritsFrom(TComponent::StaticClass()))
        throw EReadError("Line " + IntToStr(line) + ": " + className + " is not a component class");
    FPropLine = line;
    FPropPath = String();
    TObject* created = nullptr;
    Guard([&] { created = cls->Create(Root()); });
    return dynamic_cast<TComponent*>(created);
}

void TFormReader::NameRoot(const String& name)
{
    String unique = name;
    if (TComponent* owner = Root()->Owner()) {
        for (int n = 1; !unique.IsEmpty(); ++n) {
            TComponent* holder = owner->FindComponent(unique);
            if (!holder || holder == Root()) break;
            unique = name + "_" + IntToStr(n);
        }
    }
    Root()->SetName(unique);
}

void TFormReader::ReadComponentBody(TComponent* component)
{
    while (!AtKeyword("end") && !AtKeyword("object")) {
        if (Peek().Kind == TFormTokenKind::EndOfText) Error("'end' expected");
        ReadProperty(component);
    }
    while (AtKeyword("object")) ReadChild(component);
    ExpectKeyword("end");
    component->ExcludeState(csReading);
}

void TFormReader::ReadChild(TComponent* parent)
{
    String name, className;
    int line = 0;
    ReadHeader(name, className, line);
    TComponent* component = CreateComponent(className, line);
    component->IncludeState(csLoading);
    component->IncludeState(csReading);
    FLoaded.push_back(component);
    String parentPath = FPath;
    FPath = name.IsEmpty() ? className : name;
    Guard([&] {
        component->SetName(name);
        BindField(component, line);
        component->SetParentComponent(parent->GetChildParent());
    });
    ReadComponentBody(component);
    FPath = parentPath;
}

void TFormReader::BindField(TComponent* component, int line)
{
    const TFieldInfo* field = FindFieldInfo(Root()->ClassType(), component->Name());
    if (!field) return;
    if (!component->InheritsFrom(field->FieldClass))
        throw EReadError("Line " + IntToStr(line) + ": " + component->Name() + " is a " + component->ClassName() +
                         "; the field " + Root()->ClassName() + "." + field->Name + " needs a " +
                         field->FieldClass->ClassName());
    field->Set(Root(), component);
}

void TFormReader::ResolveFixups()
{
    for (const TFixup& fixup : FFixups) {
        FPropPath = fixup.Path;
        FPropLine = fixup.Line;
        TComponent* target = SameText(fixup.Name, Root()->Name()) ? Root() : Root()->FindComponent(fixup.Name);
        if (!target) PropError("Component " + fixup.Name + " not found");
        if (!target->InheritsFrom(fixup.Prop->PropClass))
            PropError(fixup.Name + " is not a " + fixup.Prop->TypeName);
        Guard([&] { fixup.Prop->SetObj(fixup.Instance, target); });
    }
}

// ---------------------------------------------------------------- properties

void TFormReader::ReadProperty(TPersistent* Instance)
{
    if (Peek().Kind != TFormTokenKind::Ident) Error("Identifier expected");
    const TFormToken& nameToken = Next();
    String savedPath = FPropPath;
    int savedLine = FPropLine;
    FPropPath = FPath + "." + nameToken.Text;
    FPropLine = nameToken.Line;
    Expect("=");

    TPersistent* instance = Instance;
    String rest = nameToken.Text;
    for (int dot = Pos(".", rest); dot > 0; dot = Pos(".", rest)) {
        const TPropInfo* prop = GetPropInfo(instance, Copy(rest, 1, dot - 1));
        instance = prop && prop->Kind == tkClass ? dynamic_cast<TPersistent*>(prop->GetObj(instance)) : nullptr;
        if (!instance) PropError("Invalid property path");
        rest = Copy(rest, dot + 1);
    }

    if (const TPropInfo* prop = GetPropInfo(instance, rest)) {
        ReadPropValue(instance, prop);
    } else {
        String savedName = FDefinedName;
        bool savedFound = FDefinedFound;
        FDefinedName = rest;
        FDefinedFound = false;
        Guard([&] { instance->DefineProperties(this); });
        bool found = FDefinedFound;
        FDefinedName = savedName;
        FDefinedFound = savedFound;
        if (!found) PropError("Property " + rest + " does not exist");
    }
    FPropPath = savedPath;
    FPropLine = savedLine;
}

void TFormReader::ReadPropValue(TPersistent* instance, const TPropInfo* prop)
{
    if (prop->ReadOnly && prop->Kind != tkClass && prop->Kind != tkStrings)
        PropError("Property " + prop->Name + " is read-only");
    switch (prop->Kind) {
    case tkFloat: {
        Extended value = ReadFloatOf(prop->FloatType);
        Guard([&] { prop->SetFloat(instance, value); });
        break;
    }
    case tkString: {
        String value = ReadString();
        Guard([&] { prop->SetStr(instance, value); });
        break;
    }
    case tkMethod: {
        String name = ReadIdent();
        TMethod method;
        if (!SameText(name, "nil")) {
            method.Data = Root();
            method.Code = MethodAddress(Root()->ClassType(), name);
            if (method.Code.IsEmpty()) PropError("Method " + name + " not found in " + Root()->ClassName());
            if (*method.Code.Signature != *prop->Signature)
                PropError("Method " + name + " does not have the parameters of " + prop->Name);
        }
        Guard([&] { prop->SetMethod(instance, method); });
        break;
    }
    case tkStrings: {
        TStrings* strings = prop->GetStrings(instance);
        if (!strings) PropError("Invalid property value");
        ReadStrings(strings);
        break;
    }
    case tkClass:
        ReadClassValue(instance, prop);
        break;
    default: {
        Int64 value = ReadOrdinal(prop);
        Guard([&] { prop->SetOrd(instance, value); });
        break;
    }
    }
}

Int64 TFormReader::ReadOrdinal(const TPropInfo* prop)
{
    const TFormToken& token = Next();
    Int64 value = 0;
    switch (prop->Kind) {
    case tkEnumeration: {
        if (token.Kind != TFormTokenKind::Ident) PropError("Invalid property value");
        value = prop->EnumType->Value(token.Text);
        if (value < 0) PropError("Invalid enumeration name " + token.Text);
        return value;
    }
    case tkSet: {
        if (token.Kind != TFormTokenKind::Symbol || token.Text != "[") PropError("Invalid property value");
        while (!AtSymbol("]")) {
            if (Peek().Kind != TFormTokenKind::Ident) PropError("Invalid property value");
            String name = Next().Text;
            int member = prop->EnumType->Value(name);
            if (member < 0 || member >= 64) PropError("Invalid enumeration name " + name);
            value |= Int64{1} << member;
            if (AtSymbol(",")) Next();
        }
        Next();
        return value;
    }
    case tkChar:
    case tkWChar: {
        if (token.Kind != TFormTokenKind::String || token.Text.Length() != 1) PropError("Invalid property value");
        if (prop->Kind == tkWChar) return token.Text[1];
        return static_cast<unsigned char>(Utf16ToCp1252(token.Text.u16())[0]);
    }
    default:
        if (token.Kind == TFormTokenKind::Integer) {
            if (!ParseInteger(token.Text, value)) PropError("Invalid integer value " + token.Text);
        } else if (token.Kind != TFormTokenKind::Ident || !IdentToInt(prop->TypeName, token.Text, value)) {
            PropError("Invalid property value");
        }
        if (prop->Kind == tkInteger && (value < prop->MinValue || value > prop->MaxValue))
            PropError("Value " + IntToStr(value) + " out of range " + IntToStr(prop->MinValue) + ".." +
                      IntToStr(prop->MaxValue));
        return value;
    }
}

Extended TFormReader::ReadFloatOf(TFloatType type)
{
    const TFormToken& token = Next();
    std::string text = token.Text.ToUtf8();
    Extended value = 0;
    bool number = token.Kind == TFormTokenKind::Float ||
                  (token.Kind == TFormTokenKind::Integer && text.find('$') == std::string::npos);
    bool parsed = number && (type == ftSingle   ? ParseFloatAs<float>(text, value)
                             : type == ftDouble ? ParseFloatAs<double>(text, value)
                                                : ParseFloatAs<long double>(text, value));
    if (!parsed) PropError("Invalid floating point value " + token.Text);
    return value;
}

void TFormReader::ReadClassValue(TPersistent* instance, const TPropInfo* prop)
{
    if (AtSymbol("<")) {
        auto* collection = dynamic_cast<TCollection*>(prop->GetObj(instance));
        if (!collection) PropError("Invalid property value");
        ReadCollection(collection);
        return;
    }
    if (Peek().Kind != TFormTokenKind::Ident || !prop->PropClass->InheritsFrom(TComponent::StaticClass()))
        PropError("Invalid property value");
    if (prop->ReadOnly) PropError("Property " + prop->Name + " is read-only");
    String name = Next().Text;
    if (SameText(name, "nil"))
        Guard([&] { prop->SetObj(instance, nullptr); });
    else
        FFixups.push_back({instance, prop, name, FPropPath, FPropLine});
}

void TFormReader::ReadCollection(TCollection* collection)
{
    Expect("<");
    String savedPath = FPath;
    String collectionPath = FPropPath;
    collection->BeginUpdate();
    try {
        Guard([&] { collection->Clear(); });
        while (!AtSymbol(">")) {
            ExpectKeyword("item");
            TCollectionItem* item = nullptr;
            Guard([&] { item = collection->Add(); });
            FPath = collectionPath + "[" + IntToStr(item->Index()) + "]";
            while (!AtKeyword("end")) {
                if (Peek().Kind == TFormTokenKind::EndOfText) Error("'end' expected");
                ReadProperty(item);
            }
            Next();
        }
        Next();
    } catch (...) {
        FPath = savedPath;
        collection->EndUpdate();
        throw;
    }
    FPath = savedPath;
    Guard([&] { collection->EndUpdate(); });
}

void TFormReader::ReadStrings(TStrings* strings)
{
    ReadListBegin();
    strings->BeginUpdate();
    try {
        strings->Clear();
        while (!EndOfList()) strings->Add(ReadString());
        ReadListEnd();
    } catch (...) {
        strings->EndUpdate();
        throw;
    }
    strings->EndUpdate();
}

// ---------------------------------------------------------------- TFiler and TReader

void TFormReader::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc, bool)
{
    if (FDefinedFound || !ReadData || !SameText(Name, FDefinedName)) return;
    FDefinedFound = true;
    ReadData(this);
}

void TFormReader::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc, bool)
{
    if (FDefinedFound || !ReadData || !SameText(Name, FDefinedName)) return;
    FDefinedFound = true;
    if (Peek().Kind != TFormTokenKind::Binary) PropError("Invalid binary value");
    const std::vector<Byte>& bytes = Next().Bytes;
    TMemoryStream data;
    data.Write(bytes.data(), static_cast<Integer>(bytes.size()));
    data.SetPosition(0);
    ReadData(&data);
}

bool TFormReader::ReadBoolean()
{
    String ident = ReadIdent();
    if (SameText(ident, "True")) return true;
    if (!SameText(ident, "False")) PropError("Invalid property value");
    return false;
}

Integer TFormReader::ReadInteger()
{
    Int64 value = ReadInt64();
    if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
        PropError("Value " + IntToStr(value) + " out of range");
    return static_cast<Integer>(value);
}

Int64 TFormReader::ReadInt64()
{
    const TFormToken& token = Next();
    Int64 value = 0;
    if (token.Kind != TFormTokenKind::Integer || !ParseInteger(token.Text, value))
        PropError("Invalid integer value " + token.Text);
    return value;
}

Extended TFormReader::ReadFloat()
{
    return ReadFloatOf(ftExtended);
}

String TFormReader::ReadString()
{
    if (Peek().Kind != TFormTokenKind::String) PropError("String expected");
    return Next().Text;
}

String TFormReader::ReadIdent()
{
    if (Peek().Kind != TFormTokenKind::Ident) PropError("Identifier expected");
    return Next().Text;
}

void TFormReader::ReadListBegin()
{
    if (!AtSymbol("(")) PropError("'(' expected");
    Next();
}

void TFormReader::ReadListEnd()
{
    if (!AtSymbol(")")) PropError("')' expected");
    Next();
}

bool TFormReader::EndOfList()
{
    return AtSymbol(")") || Peek().Kind == TFormTokenKind::EndOfText;
}

// ---------------------------------------------------------------- entry points

TComponent* ReadComponentText(const String& Text, TComponent* Root)
{
    TFormReader reader(Text);
    return reader.ReadRootComponent(Root);
}

namespace {

String StreamText(TStream& Stream)
{
    std::string bytes(static_cast<size_t>(Stream.Size() - Stream.Position()), '\0');
    Stream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    return String(bytes);
}

}  // namespace

TComponent* ReadComponent(TStream& Stream, TComponent* Root)
{
    return ReadComponentText(StreamText(Stream), Root);
}

void ReadSubComponent(TStream& Stream, TComponent* Instance, TComponent* LookupRoot)
{
    TFormReader reader(StreamText(Stream));
    reader.ReadSubComponent(Instance, LookupRoot);
}

void ReadComponentRes(const String& ResName, TComponent* Instance)
{
    TResourceStream stream(ResName, RT_RCDATA);
    ReadComponent(stream, Instance);
}

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor)
{
    for (TClass cls = Instance->ClassType(); cls && cls != RootAncestor; cls = cls->ClassParent()) {
        if (ResourceExists(cls->ClassName(), RT_RCDATA)) {
            ReadComponentRes(cls->ClassName(), Instance);
            return true;
        }
    }
    return false;
}
