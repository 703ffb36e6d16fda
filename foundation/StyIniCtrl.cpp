// The settings component: store selection, section names, encoding, typed values, lists and
// objects on the ini-file, registry, memory and XML targets.
#include "foundation/StyIniCtrl.h"

#include "foundation/StyClass.h"
#include "foundation/StyStrings.h"
#include "foundation/StySysIn.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/SysFormat.h"

const TEnumTypeInfo& TypeInfoOf(TStyIniTarget)
{
    static const TEnumTypeInfo info("TStyIniTarget", {"itIniFile", "itRegistry", "itAuto", "itMemIniFile", "itXml"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyRegRootKey)
{
    static const TEnumTypeInfo info("TStyRegRootKey", {"rpClassesRoot", "rpCurrentUser", "rpLocalMachine", "rpUsers",
                                                       "rpCurrentConfig", "rpDynData"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyIniCryptMode)
{
    static const TEnumTypeInfo info("TStyIniCryptMode", {"icmKey", "icmTextKey", "icmCustom"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyPathPrefix)
{
    static const TEnumTypeInfo info("TStyPathPrefix",
                                    {"ppWindows", "ppSystem", "ppProgram", "ppFixed", "ppAppData", "ppAppDataLocal"});
    return info;
}

namespace {

const HKEY RootKeys[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,
                         0x80000003u, 0x80000005u, 0x80000006u};   // users, current configuration, dynamic data

// Floats as text independent of the locale: general format, 15 digits, "." and no grouping.
TFormatSettings FloatTextSettings()
{
    TFormatSettings settings = FormatSettings;
    settings.DecimalSeparator = u'.';
    settings.ThousandSeparator = u'\0';
    return settings;
}

// An empty name stays empty; a name without extension (or with a lone dot) gets this one.
String WithDefaultExtension(const String& name, const char* extension)
{
    const String current = Trim(ExtractFileExt(name));
    if (name.IsEmpty() || (!current.IsEmpty() && current != ".")) return name;
    return ChangeFileExt(name, extension);
}

bool XmlToBool(const String& text)
{
    if (SameText(text, "True")) return true;
    if (SameText(text, "False")) return false;
    Integer value;
    if (TryStrToInt(text, value)) return value != 0;
    throw EConvertError("Could not convert variant of type (String) into type (Boolean)");
}

Integer XmlToInteger(const String& text)
{
    Integer value;
    if (!TryStrToInt(Trim(text), value))
        throw EConvertError("Could not convert variant of type (String) into type (Integer)");
    return value;
}

}  // namespace

// ---------------------------------------------------------------- helper classes

void TStyMemIniFile::LoadFromStream(TStream& AValue)
{
    Clear();
    TStringList lines;
    lines.LoadFromStream(AValue);
    SetStrings(lines);
}

void TStyMemIniFile::Normalize(const String& ARemToken, bool TrimValue)
{
    TStringList lines;
    GetStrings(lines);
    for (Integer i = 0; i < lines.Count(); ++i) {
        String line = lines[i];
        int eq = Pos("=", line);
        int rem = ARemToken.IsEmpty() ? 0 : Pos(ARemToken, line);
        if (eq == 0) {
            if (rem > 0) lines.Put(i, Trim(Copy(line, 1, rem - 1)));
            continue;
        }
        String name = Trim(Copy(line, 1, eq - 1));
        int valueEnd = rem > eq ? rem : line.Length() + 1;
        String value = Copy(line, eq + 1, valueEnd - eq - 1);
        lines.Put(i, name + "=" + (TrimValue ? Trim(value) : value));
    }
    SetStrings(lines);
}

void TStyMemIniFile::RenameSection(const String& AOldName, const String& ANewName)
{
    TStringList lines;
    GetStrings(lines);
    for (Integer i = 0; i < lines.Count(); ++i)
        if (AnsiSameText(lines[i], "[" + AOldName + "]")) {
            lines.Put(i, "[" + ANewName + "]");
            SetStrings(lines);
            return;
        }
}

// ---------------------------------------------------------------- the component

TClass TStyIniCtrl::StaticClass()
{
    static const TMetaClass meta(
        "TStyIniCtrl", TStyCustomComponent::StaticClass(), NewComponent<TStyIniCtrl>, [](TMetaClass& m) {
            using C = TStyIniCtrl;
            TPublished<C>(&m)
                .Property("About", &C::About, &C::SetAbout)
                .Property("AlphaCounter", &C::AlphaCounter, &C::SetAlphaCounter).Default(false)
                .Property("Common", &C::Common, &C::SetCommon).Default(true)
                .Property("IniFile", &C::IniFile, &C::SetIniFile)
                .Property("MemIniUtf8", &C::MemIniUtf8, &C::SetMemIniUtf8).Default(false)
                .Property("IniPrefix", &C::IniPrefix, &C::SetIniPrefix).Default(ppWindows)
                .Property("MaxEntries", &C::MaxEntries, &C::SetMaxEntries).Default(16)
                .Property("NetUser", &C::NetUser, &C::SetNetUser).Default(false)
                .Property("User", &C::User, &C::SetUser)
                .Property("RegPath", &C::RegPath, &C::SetRegPath)
                .Property("RegRoot", &C::RegRoot, &C::SetRegRoot).Default(rpCurrentUser)
                .Property("XmlFile", &C::XmlFile, &C::SetXmlFile)
                .Property("Target", &C::Target, &C::SetTarget).Default(itAuto)
                .Property("EncKey", &C::EncKey, &C::SetEncKey).Default(47193)
                .Property("Encoded", &C::Encoded, &C::SetEncoded).Default(false)
                .Property("CryptMode", &C::CryptMode, &C::SetCryptMode).Default(icmKey)
                .Property("OnEncodeString", &C::OnEncodeString)
                .Property("OnDecodeString", &C::OnDecodeString)
                .Property("OnGetXmlRootName", &C::OnGetXmlRootName);
        });
    return &meta;
}

TStyIniCtrl::TStyIniCtrl(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

TStyIniCtrl::~TStyIniCtrl() = default;   // the memory file and the document go unsaved

// ---- properties

void TStyIniCtrl::SetAlphaCounter(bool Value)
{
    if (Value == FAlphaCounter) return;
    FAlphaCounter = Value;
    if (FAlphaCounter && FMaxEntries > 26) FMaxEntries = 26;
}

void TStyIniCtrl::SetIniFile(const String& Value)
{
    FIniFile = WithDefaultExtension(Value, ".ini");
    if (FTarget == itMemIniFile && FMemIniFile) FMemIniFile->Rename(GetIniName(), false);
}

void TStyIniCtrl::SetMemIniUtf8(bool Value)
{
    if (Value == FMemIniUtf8) return;
    FMemIniUtf8 = Value;
    RecreateStores();
}

void TStyIniCtrl::SetMaxEntries(Byte Value)
{
    if (!FAlphaCounter || Value <= 26) FMaxEntries = Value;
}

void TStyIniCtrl::SetNetUser(bool Value)
{
    if (Value == FNetUser) return;
    FNetUser = Value;
    if (FNetUser) FUser = GetNetUserName();
}

void TStyIniCtrl::SetXmlFile(const String& Value)
{
    FXmlFile = WithDefaultExtension(Value, ".xml");
}

void TStyIniCtrl::SetTarget(TStyIniTarget Value)
{
    if (Value == FHTarget) return;
    FHTarget = Value;
    FTarget = Value == itAuto ? itRegistry : Value;
    RecreateStores();
}

void TStyIniCtrl::RecreateStores()
{
    FMemIniFile.reset();
    FXml.reset();
    if (FTarget == itMemIniFile)
        FMemIniFile = std::make_unique<TStyMemIniFile>(GetIniName(), FMemIniUtf8 ? TEncoding::UTF8 : TEncoding::Default);
    if (FTarget == itXml) {
        if (FileExists(GetXmlName())) {
            FXml = std::make_unique<TXMLDocument>();
            FXml->LoadFromFile(GetXmlName());
        } else {
            NewXml();
        }
    }
}

// An empty settings document: the root element, written as indented UTF-8.
void TStyIniCtrl::NewXml()
{
    FXml = std::make_unique<TXMLDocument>();
    FXml->SetEncoding("UTF-8");
    FXml->AddChild(GetXmlRootName());
}

// ---- virtual operations

String TStyIniCtrl::GetNetUserName()
{
    return UserName();
}

String TStyIniCtrl::EncodeString(const String& Value)
{
    String result = Value;
    switch (FCryptMode) {
    case icmKey: result = KeyedStringEncrypt(Value, FKey); break;
    case icmTextKey: result = SixBitTextEncode(KeyedStringEncrypt(Value, FKey)); break;
    case icmCustom:
        if (OnEncodeString) OnEncodeString(this, result);
        break;
    }
    return result;
}

String TStyIniCtrl::DecodeString(const String& Value)
{
    String result = Value;
    switch (FCryptMode) {
    case icmKey: result = KeyedStringDecrypt(Value, FKey); break;
    case icmTextKey: result = KeyedStringDecrypt(SixBitTextDecode(Value), FKey); break;
    case icmCustom:
        if (OnDecodeString) OnDecodeString(this, result);
        break;
    }
    return result;
}

String TStyIniCtrl::GetXmlRootName()
{
    String name = "root";
    if (OnGetXmlRootName) OnGetXmlRootName(this, name);
    return name;
}

// ---- names

String TStyIniCtrl::GetIniName() const
{
    String name = FIniFile.IsEmpty() ? ChangeFileExt(ProgramFileName(), ".ini") : FIniFile;
    if (FIniPrefix == ppFixed) return name;
    return PathForPrefix(FIniPrefix, true) + ExtractFileName(name);
}

String TStyIniCtrl::GetXmlName() const
{
    return FXmlFile.IsEmpty() ? ChangeFileExt(ProgramFileName(), ".xml") : FXmlFile;
}

String TStyIniCtrl::GetRegPath() const
{
    if (IsBlank(FRegPath)) return StyApplication()->GetDefaultRegPath();
    return AddBackslash(FRegPath);
}

String TStyIniCtrl::GetSectionName(const String& aValue)
{
    if (IsBlank(aValue)) return IsBlank(FLastSection) ? String("Common") : FLastSection;
    String name;
    if (FTarget == itRegistry) name = aValue == "#ROOT" ? String() : aValue;
    else if (FCommon) name = aValue;
    else name = (FNetUser ? GetNetUserName() : FUser) + "." + aValue;
    FLastSection = name;
    return name;
}

// ---- stores

class TStyIniCtrl::TStoreAccess {
public:
    explicit TStoreAccess(TCustomIniFile* shared) : FStore(shared) {}
    explicit TStoreAccess(std::unique_ptr<TCustomIniFile> own) : FOwn(std::move(own)), FStore(FOwn.get()) {}
    TCustomIniFile* operator->() const { return FStore; }

private:
    std::unique_ptr<TCustomIniFile> FOwn;
    TCustomIniFile* FStore;
};

TStyIniCtrl::TStoreAccess TStyIniCtrl::OpenStore(bool ForWriting)
{
    switch (FTarget) {
    case itMemIniFile:
        if (!FMemIniFile) throw EInvalidOperation("The memory ini file of " + ClassName() + " does not exist");
        return TStoreAccess(FMemIniFile.get());
    case itIniFile: return TStoreAccess(std::make_unique<TIniFile>(GetIniName()));
    default:
        return TStoreAccess(std::make_unique<TStyRegIniFile>(RootKeys[FRootKey], GetRegPath(), !ForWriting));
    }
}

namespace {

// The child elements of a node, in order; comments and other nodes are no settings.
std::vector<TXMLNode> ChildElements(const TXMLNode& node)
{
    std::vector<TXMLNode> elements;
    const TXMLNodeList children = node.ChildNodes();
    for (Integer i = 0; i < children.Count(); ++i)
        if (children[i].NodeType() == ntElement) elements.push_back(children[i]);
    return elements;
}

// The first child element of that name; null when none.
TXMLNode ChildElement(const TXMLNode& node, const String& name)
{
    for (const TXMLNode& child : ChildElements(node))
        if (child.NodeName() == name) return child;
    return TXMLNode();
}

}  // namespace

TXMLNode TStyIniCtrl::XmlRoot()
{
    if (!FXml) throw EInvalidOperation("The XML document of " + ClassName() + " does not exist");
    TXMLNode root = FXml->DocumentElement();
    return root ? root : FXml->AddChild(GetXmlRootName());
}

TXMLNode TStyIniCtrl::XmlSection(const String& Section, bool Create)
{
    TXMLNode root = XmlRoot();
    TXMLNode node = ChildElement(root, Section);
    if (!node && Create) node = root.AddChild(Section);
    return node;
}

TXMLNode TStyIniCtrl::XmlKey(const String& Section, const String& Ident, bool Create)
{
    TXMLNode section = XmlSection(Section, Create);
    TXMLNode key = ChildElement(section, Ident);
    if (!key && Create) key = section.AddChild(Ident);
    return key;
}

// ---- values

String TStyIniCtrl::ReadString(const String& Section, const String& Ident, const String& ADefault)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) {
        TXMLNode key = XmlKey(section, Ident, false);
        if (!key) return ADefault;
        return FCoded ? DecodeString(key.Text()) : key.Text();
    }
    String value = OpenStore(false)->ReadString(section, Ident, FCoded ? EncodeString(ADefault) : ADefault);
    return FCoded ? DecodeString(value) : value;
}

void TStyIniCtrl::WriteString(const String& Section, const String& Ident, const String& Value)
{
    WriteRaw(Section, Ident, FCoded ? EncodeString(Value) : Value);
}

void TStyIniCtrl::WriteRaw(const String& Section, const String& Ident, const String& Value)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) XmlKey(section, Ident, true).SetText(Value);
    else OpenStore(true)->WriteString(section, Ident, Value);
}

Integer TStyIniCtrl::ReadInteger(const String& Section, const String& Ident, Integer ADefault)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) {
        TXMLNode key = XmlKey(section, Ident, false);
        return key ? XmlToInteger(key.Text()) : ADefault;
    }
    return OpenStore(false)->ReadInteger(section, Ident, ADefault);
}

void TStyIniCtrl::WriteInteger(const String& Section, const String& Ident, Integer Value)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) XmlKey(section, Ident, true).SetText(IntToStr(Value));
    else OpenStore(true)->WriteInteger(section, Ident, Value);
}

bool TStyIniCtrl::ReadBool(const String& Section, const String& Ident, bool ADefault)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) {
        TXMLNode key = XmlKey(section, Ident, false);
        return key ? XmlToBool(key.Text()) : ADefault;
    }
    return OpenStore(false)->ReadBool(section, Ident, ADefault);
}

void TStyIniCtrl::WriteBool(const String& Section, const String& Ident, bool Value)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) XmlKey(section, Ident, true).SetText(Value ? "True" : "False");
    else OpenStore(true)->WriteBool(section, Ident, Value);
}

void TStyIniCtrl::ReadSection(const String& Section, TStrings& Strings)
{
    const String section = GetSectionName(Section);
    if (FTarget != itXml) {
        OpenStore(false)->ReadSection(section, Strings);
        return;
    }
    Strings.BeginUpdate();
    Strings.Clear();
    for (const TXMLNode& key : ChildElements(XmlSection(section, false))) Strings.Add(key.NodeName());
    Strings.EndUpdate();
}

void TStyIniCtrl::ReadSections(TStrings& Strings)
{
    if (FTarget != itXml) {
        OpenStore(false)->ReadSections(Strings);
        return;
    }
    Strings.BeginUpdate();
    Strings.Clear();
    for (const TXMLNode& section : ChildElements(XmlRoot())) Strings.Add(section.NodeName());
    Strings.EndUpdate();
}

void TStyIniCtrl::ReadSectionValues(const String& Section, TStrings& Strings)
{
    const String section = GetSectionName(Section);
    if (FTarget != itXml) {
        OpenStore(false)->ReadSectionValues(section, Strings);
        return;
    }
    Strings.BeginUpdate();
    Strings.Clear();
    for (const TXMLNode& key : ChildElements(XmlSection(section, false))) Strings.SetValue(key.NodeName(), key.Text());
    Strings.EndUpdate();
}

void TStyIniCtrl::EraseSection(const String& Section)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) XmlSection(section, false).SetText("");   // empties the section
    else OpenStore(true)->EraseSection(section);
}

void TStyIniCtrl::DeleteKey(const String& Section, const String& Ident)
{
    const String section = GetSectionName(Section);
    if (FTarget == itXml) XmlSection(section, false).RemoveChild(XmlKey(section, Ident, false));
    else OpenStore(true)->DeleteKey(section, Ident);
}

bool TStyIniCtrl::SectionExists(const String& Section)
{
    return FTarget != itXml && OpenStore(true)->SectionExists(Section);
}

bool TStyIniCtrl::ValueExists(const String& Section, const String& Ident)
{
    if (FTarget == itXml) return false;
    const String section = GetSectionName(Section);
    return OpenStore(true)->ValueExists(section, Ident);
}

// ---- typed values stored as text

namespace {

// A date written with other separators reads with the locale's.
String WithDateSeparator(const String& text)
{
    const char16_t separator = FormatSettings.DateSeparator;
    if (Pos(String::FromChar(separator), text) != 0) return text;
    String out = text;
    for (int i = 1; i <= out.Length(); ++i)
        if (out[i] == u'.' || out[i] == u'-' || out[i] == u'/') out[i] = separator;
    return out;
}

}  // namespace

TDateTime TStyIniCtrl::ReadDate(const String& Section, const String& Ident, TDateTime ADefault)
{
    return StrToDate(WithDateSeparator(ReadString(Section, Ident, DateToStr(ADefault))));
}

void TStyIniCtrl::WriteDate(const String& Section, const String& Ident, TDateTime Value)
{
    WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TStyIniCtrl::ReadDateTime(const String& Section, const String& Ident, TDateTime ADefault)
{
    return StrToDateTime(WithDateSeparator(ReadString(Section, Ident, DateTimeToStr(ADefault))));
}

void TStyIniCtrl::WriteDateTime(const String& Section, const String& Ident, TDateTime Value)
{
    WriteString(Section, Ident, DateTimeToStr(Value));
}

TDateTime TStyIniCtrl::ReadTime(const String& Section, const String& Ident, TDateTime ADefault)
{
    return StrToTime(ReadString(Section, Ident, TimeToStr(ADefault)));
}

void TStyIniCtrl::WriteTime(const String& Section, const String& Ident, TDateTime Value)
{
    WriteString(Section, Ident, TimeToStr(Value));
}

Extended TStyIniCtrl::ReadFloat(const String& Section, const String& Ident, Extended ADefault)
{
    const TFormatSettings settings = FloatTextSettings();
    return StrToFloat(ReadString(Section, Ident, FloatToStr(ADefault, settings)), settings);
}

void TStyIniCtrl::WriteFloat(const String& Section, const String& Ident, Extended Value)
{
    WriteString(Section, Ident, FloatToStr(Value, FloatTextSettings()));
}

TColor TStyIniCtrl::ReadColor(const String& Section, const String& Ident, TColor ADefault)
{
    return StringToColor(ReadString(Section, Ident, ColorToString(ADefault)));
}

void TStyIniCtrl::WriteColor(const String& Section, const String& Ident, TColor Value)
{
    WriteString(Section, Ident, ColorToString(Value));
}

bool TStyIniCtrl::ReadFont(const String& Section, const String& Ident, TFont& Font)
{
    String text = ReadString(Section, Ident, String());
    if (text.IsEmpty()) return false;
    TextToFont(text, Font);
    return true;
}

void TStyIniCtrl::WriteFont(const String& Section, const String& Ident, const TFont& Font)
{
    WriteString(Section, Ident, FontToText(Font));
}

TPoint TStyIniCtrl::ReadPoint(const String& Section, const String& Ident, const TPoint& ADefault)
{
    return TextToPoint(ReadString(Section, Ident, PointToText(ADefault)));
}

void TStyIniCtrl::WritePoint(const String& Section, const String& Ident, const TPoint& Value)
{
    WriteString(Section, Ident, PointToText(Value));
}

TRect TStyIniCtrl::ReadRect(const String& Section, const String& Ident, const TRect& ADefault)
{
    return TextToRect(ReadString(Section, Ident, RectToText(ADefault)));
}

void TStyIniCtrl::WriteRect(const String& Section, const String& Ident, const TRect& Value)
{
    WriteString(Section, Ident, RectToText(Value));
}

// ---- lists

String TStyIniCtrl::Counter(Integer Index) const
{
    return FAlphaCounter ? String::FromChar(static_cast<char16_t>(65 + Index)) : IntToStr(Index);
}

void TStyIniCtrl::WriteStringsExt(const String& Section, const String& IdentPrefix, Integer Count,
                                  const TStrings& Strings)
{
    if (FTarget == itXml) XmlSection(GetSectionName(Section), true).SetText("");
    else EraseSection(Section);
    const Integer n = std::min(Strings.Count(), Count);
    for (Integer i = 0; i < n; ++i) WriteString(Section, IdentPrefix + Counter(i), Strings[i]);
}

void TStyIniCtrl::WriteStrings(const String& Section, const String& IdentPrefix, const TStrings& Strings)
{
    WriteStringsExt(Section, IdentPrefix, FMaxEntries, Strings);
}

void TStyIniCtrl::ReadStringsExt(const String& Section, const String& IdentPrefix, Integer Count, TStrings& Strings)
{
    Strings.BeginUpdate();
    Strings.Clear();
    for (Integer i = 0; i < Count; ++i) {
        String value = ReadString(Section, IdentPrefix + Counter(i), String());
        if (value.IsEmpty()) break;
        Strings.Add(value);
    }
    Strings.EndUpdate();
}

void TStyIniCtrl::ReadStrings(const String& Section, const String& IdentPrefix, TStrings& Strings)
{
    ReadStringsExt(Section, IdentPrefix, FMaxEntries, Strings);
}

void TStyIniCtrl::ReadColorList(const String& Section, TStrings& Strings)
{
    Strings.Clear();
    ReadSectionValues(Section, Strings);
}

void TStyIniCtrl::WriteColorList(const String& Section, const TStrings& Strings)
{
    for (Integer i = 0; i < Strings.Count(); ++i) {
        String name = Strings.Names(i);
        if (!name.IsEmpty()) WriteRaw(Section, name, Strings.ValueFromIndex(i));
    }
}

// ---- objects

namespace {

bool IsStoredOrdinal(const TPropInfo& info)
{
    return info.Kind == tkInteger || info.Kind == tkChar || info.Kind == tkEnumeration || info.Kind == tkSet;
}

}  // namespace

void TStyIniCtrl::WriteObject(const String& Section, TObject* aValue)
{
    if (!aValue) return;
    const String section = GetSectionName(Section);
    std::unique_ptr<TStoreAccess> store;
    if (FTarget != itXml) store = std::make_unique<TStoreAccess>(OpenStore(true));
    for (const TPropInfo* info : GetPropList(aValue->ClassType())) {
        if (info->ReadOnly || !IsStoredProp(aValue, info)) continue;
        String text;
        if (IsStoredOrdinal(*info)) {
            Int64 value = GetOrdProp(aValue, info);
            if (info->HasDefault && value == info->Default) continue;
            if (store) (*store)->WriteInteger(section, info->Name, static_cast<Integer>(value));
            text = IntToStr(value);
        } else if (info->Kind == tkFloat) {
            Extended value = GetFloatProp(aValue, info);
            if (value == 0) continue;
            if (store) (*store)->WriteFloat(section, info->Name, static_cast<double>(value));
            text = FloatToStr(value, FloatTextSettings());
        } else if (info->Kind == tkString) {
            text = GetStrProp(aValue, info);
            if (text.IsEmpty()) continue;
            if (store) (*store)->WriteString(section, info->Name, text);
        } else {
            continue;
        }
        if (!store) XmlKey(section, info->Name, true).SetText(text);
    }
}

void TStyIniCtrl::ReadObject(const String& Section, TObject* aValue)
{
    if (!aValue) return;
    const String section = GetSectionName(Section);
    std::unique_ptr<TStoreAccess> store;
    if (FTarget != itXml) store = std::make_unique<TStoreAccess>(OpenStore(false));
    for (const TPropInfo* info : GetPropList(aValue->ClassType())) {
        if (info->ReadOnly) continue;
        TXMLNode key;
        if (!store) {
            key = XmlKey(section, info->Name, false);
            if (!key) continue;
        }
        if (IsStoredOrdinal(*info)) {
            Integer current = static_cast<Integer>(GetOrdProp(aValue, info));
            SetOrdProp(aValue, info, store ? (*store)->ReadInteger(section, info->Name, current) : XmlToInteger(key.Text()));
        } else if (info->Kind == tkFloat) {
            double current = static_cast<double>(GetFloatProp(aValue, info));
            SetFloatProp(aValue, info, store ? (*store)->ReadFloat(section, info->Name, current)
                                             : StrToFloat(key.Text(), FloatTextSettings()));
        } else if (info->Kind == tkString) {
            String current = GetStrProp(aValue, info);
            SetStrProp(aValue, info, store ? (*store)->ReadString(section, info->Name, current) : key.Text());
        }
    }
}

// ---- memory and XML targets

void TStyIniCtrl::Save()
{
    if (FTarget == itMemIniFile && FMemIniFile) FMemIniFile->UpdateFile();
    else if (FTarget == itXml && FXml) FXml->SaveToFile(GetXmlName());
}

void TStyIniCtrl::Load()
{
    RecreateStores();
}

void TStyIniCtrl::Clear()
{
    if (FMemIniFile) FMemIniFile->Clear();
    if (FXml) NewXml();
}
