// The style manager: the style store, the choice of the style for a component, inheritance
// and the setting of published properties from style values.
#include "styledcontrols/StyStyleMan.h"

#include "foundation/StyObject.h"
#include "styledcontrols/StyCustomControl.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysFormat.h"

namespace {
const String DefaultStyle = "(Default)";
const String ReservedKey = "_StyleKind:Integer";

// The last "|" of a state variant, or 0.
Integer LastBar(const String& s)
{
    for (Integer i = Length(s); i >= 1; --i)
        if (s[i] == u'|') return i;
    return 0;
}

bool StartsWith(const String& s, const String& prefix) { return Copy(s, 1, Length(prefix)) == prefix; }
bool EndsWith(const String& s, const String& suffix)
{
    return Length(s) >= Length(suffix) && Copy(s, Length(s) - Length(suffix) + 1, Length(suffix)) == suffix;
}
// The value of a "name=value" line.
String ValueAt(const TStrings& lines, Integer i)
{
    const String line = lines[i];
    return Copy(line, Pos("=", line) + 1);
}

// Floats as the settings component writes them: "." and no grouping.
TFormatSettings FloatTextSettingsOf()
{
    TFormatSettings settings = FormatSettings;
    settings.DecimalSeparator = u'.';
    settings.ThousandSeparator = u'\0';
    return settings;
}

Integer DotCount(const String& s)
{
    Integer n = 0;
    for (Integer i = 1; i <= Length(s); ++i) n += s[i] == u'.';
    return n;
}
}  // namespace

String StreamToHex(TStream& Stream)
{
    String text;
    Byte b = 0;
    while (Stream.Read(&b, 1) == 1) text += IntToHex(b, 2);
    return text;
}

bool HexToStream(const String& Text, TStream& Stream)
{
    if (Length(Text) % 2 != 0) return false;
    for (Integer i = 0; i < Length(Text); i += 2) {
        Integer value = 0;
        if (!TryStrToInt("$" + Copy(Text, i + 1, 2), value)) return false;
        const Byte b = static_cast<Byte>(value);
        Stream.WriteBuffer(&b, 1);
    }
    return true;
}

TClass TStyStyleManager::StaticClass()
{
    static const TMetaClass meta("TStyStyleManager", TStyBaseController::StaticClass(),
                                 NewComponent<TStyStyleManager>);
    return &meta;
}

TStyStyleManager::TStyStyleManager(TComponent* AOwner)
    : TStyBaseController(AOwner), FStyles(std::make_unique<TStyIniCtrl>(nullptr))
{
    RegisterControlClasses();   // the published properties styles set
    FStyles->SetIniPrefix(ppProgram);
    FStyles->SetTarget(itMemIniFile);
    FStyles->SetCommon(true);
    FStyleNames.SetSorted(true);
}

TStyStyleManager::~TStyStyleManager() { FStyles->Clear(); }

void TStyStyleManager::Change()
{
    if (ComponentState().Contains(csLoading)) return;
    // the names first, so that the clients re-styling on the notice see the new styles
    TStringList sections;
    FStyles->ReadSections(sections);
    FStyleNames.Clear();
    for (Integer i = 0; i < sections.Count(); ++i)
        if (!IsStateStyle(sections[i])) FStyleNames.Add(sections[i]);
    TStyBaseController::Change();
}

void TStyStyleManager::Loaded()
{
    TStyBaseController::Loaded();
    Change();
}

void TStyStyleManager::GetStyleNames(TStrings& SL) { FStyles->ReadSections(SL); }

void TStyStyleManager::GetProperties(const String& AStyleName, TStrings& APropNames)
{
    APropNames.Clear();
    FStyles->ReadSection(AStyleName, APropNames);
}

bool TStyStyleManager::IsStateStyle(const String& AStyleName)
{
    const String lower = LowerCase(AStyleName);
    for (const char* state : {".focused", ".hot", ".pressed", ".modified", ".readonly", ".wrongdata", ".disabled"})
        if (Pos(state, lower) > 0) return true;
    return false;
}

bool TStyStyleManager::IsValidStyleName(const String& AStyleName)
{
    return !AStyleName.IsEmpty() && AStyleName != String(".") && Pos("|", AStyleName) == 0;
}

void TStyStyleManager::WriteRaw(const String& AStyleName, const String& AKey, const String& AValue)
{
    FStyles->WriteString(AStyleName, AKey, AValue);
    Change();
}

void TStyStyleManager::WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                      Integer AValue)
{
    WriteRaw(AStyleName, Key(APropName, ATypeName),
             SameText(ATypeName, "TColor") ? ColorToString(AValue) : IntToStr(AValue));
}

void TStyStyleManager::WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                      double AValue)
{
    if (SameText(ATypeName, "TDateTime")) FStyles->WriteDateTime(AStyleName, Key(APropName, ATypeName), AValue);
    else FStyles->WriteFloat(AStyleName, Key(APropName, ATypeName), AValue);
    Change();
}

void TStyStyleManager::WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                      const String& AValue)
{
    WriteRaw(AStyleName, Key(APropName, ATypeName), AValue);
}

void TStyStyleManager::WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                      TStream& AValue)
{
    WriteRaw(AStyleName, Key(APropName, ATypeName), StreamToHex(AValue));
}

void TStyStyleManager::ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                     Integer& AValue)
{
    const String text = FStyles->ReadString(AStyleName, Key(APropName, ATypeName), String());
    TColor colour = 0;
    if (SameText(ATypeName, "TColor") && IdentToColor(text, colour)) AValue = colour;
    else AValue = StrToIntDef(text, 0);
}

void TStyStyleManager::ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                     double& AValue)
{
    try {
        AValue = SameText(ATypeName, "TDateTime") ? FStyles->ReadDateTime(AStyleName, Key(APropName, ATypeName), 0)
                                                  : static_cast<double>(
                                                        FStyles->ReadFloat(AStyleName, Key(APropName, ATypeName), 0));
    } catch (const Exception&) {
        AValue = 0;
    }
}

void TStyStyleManager::ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                     TMemoryStream& AValue)
{
    HexToStream(FStyles->ReadString(AStyleName, Key(APropName, ATypeName), String()), AValue);
}

void TStyStyleManager::ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                                     String& AValue)
{
    AValue = FStyles->ReadString(AStyleName, Key(APropName, ATypeName), String());
}

bool TStyStyleManager::PropValueExists(const String& AStyleName, const String& APropName, const String& ATypeName)
{
    return FStyles->ValueExists(AStyleName, Key(APropName, ATypeName));
}

void TStyStyleManager::EraseProperty(const String& AStyleName, const String& APropName, const String& ATypeName)
{
    FStyles->DeleteKey(AStyleName, Key(APropName, ATypeName));
    Change();
}

void TStyStyleManager::EraseStyle(const String& AStyleName)
{
    TStringList sections;
    FStyles->ReadSections(sections);
    for (Integer i = 0; i < sections.Count(); ++i)
        if (sections[i] != DefaultStyle && StartsWith(sections[i], AStyleName)) FStyles->EraseSection(sections[i]);
    Change();
}

void TStyStyleManager::RenameStyle(const String& AOldName, const String& ANewName)
{
    TStringList sections;
    FStyles->ReadSections(sections);
    for (Integer i = 0; i < sections.Count(); ++i)
        if (sections[i] != DefaultStyle && StartsWith(sections[i], AOldName))
            FStyles->MemIniFile()->RenameSection(sections[i], ANewName + Copy(sections[i], Length(AOldName) + 1));
    Change();
}

void TStyStyleManager::Clear()
{
    FStyles->Clear();
    Change();
}

void TStyStyleManager::LoadFromStream(TStream& Stream)
{
    FStyles->MemIniFile()->LoadFromStream(Stream);
    Change();
}

void TStyStyleManager::SaveToStream(TStream& Stream)
{
    TStringList lines;
    FStyles->MemIniFile()->GetStrings(lines);
    lines.SaveToStream(Stream);
}

void TStyStyleManager::LoadFromFile(const String& FileName)
{
    TFileStream stream(FileName, fmOpenRead);
    LoadFromStream(stream);
}

void TStyStyleManager::SaveToFile(const String& FileName)
{
    TFileStream stream(FileName, fmCreate);
    SaveToStream(stream);
}

void TStyStyleManager::DefineProperties(TFiler* Filer)
{
    TStyBaseController::DefineProperties(Filer);
    TStringList lines;
    FStyles->MemIniFile()->GetStrings(lines);
    Filer->DefineBinaryProperty(
        "Style",
        [this](TStream* s) {
            BeginUpdate();
            LoadFromStream(*s);
            EndUpdate(true);
        },
        [this](TStream* s) { SaveToStream(*s); }, lines.Count() > 0);
}

void TStyStyleManager::AssignTo(TPersistent* Dest)
{
    auto* other = dynamic_cast<TStyStyleManager*>(Dest);
    if (!other) {
        TStyBaseController::AssignTo(Dest);
        return;
    }
    TMemoryStream text;
    SaveToStream(text);
    text.SetPosition(0);
    other->BeginUpdate();
    other->LoadFromStream(text);
    other->EndUpdate(true);
}

// ---------------------------------------------------------------- applying styles

// The style for the component: the qualifier itself, its class variant, or the class style.
String TStyStyleManager::ChooseStyle(TComponent* AComponent, const String& Q) const
{
    std::vector<TClass> ancestors;   // the class's ancestors up to (not including) TControl
    for (TClass c = AComponent->ClassType()->ClassParent(); c && c != TControl::StaticClass(); c = c->ClassParent())
        ancestors.push_back(c);
    const String className = AComponent->ClassName();
    const Integer at = FStyleNames.IndexOf(Q);
    if (at >= 0) {
        String chosen = Q;
        for (Integer i = at + 1; i < FStyleNames.Count() && StartsWith(FStyleNames[i], Q); ++i) {
            const String rest = Copy(FStyleNames[i], Length(Q) + 2);
            if (rest.IsEmpty() || Pos(".", rest) > 0) continue;
            if (Pos(className, rest) > 0) return FStyleNames[i];
            for (TClass c : ancestors)
                if (Pos(c->ClassName(), rest) > 0) chosen = FStyleNames[i];
        }
        return chosen;
    }
    const Integer d = DotCount(Q);
    std::vector<TClass> classes{AComponent->ClassType()};
    classes.insert(classes.end(), ancestors.begin(), ancestors.end());
    for (TClass c : classes) {
        Integer s = -1;
        for (Integer i = 0; i < FStyleNames.Count(); ++i)
            if (EndsWith(FStyleNames[i], c->ClassName()) && Pos("|", FStyleNames[i]) == 0) s = i;
        if (s < 0) continue;
        if (Q.IsEmpty()) return FStyleNames[s];
        const String S = FStyleNames[s];
        for (Integer i = s; i < FStyleNames.Count() && StartsWith(FStyleNames[i], S); ++i)
            if (EndsWith(FStyleNames[i], Q) && DotCount(FStyleNames[i]) == d) return FStyleNames[i];
    }
    return Q;
}

// The parent's values first (each style once), then the style's own.
void TStyStyleManager::MergeStyle(const String& AName)
{
    if (FUsesList.IndexOf(AName) >= 0) return;
    FUsesList.Add(AName);
    if (AName != DefaultStyle) {
        const Integer bar = LastBar(AName);
        MergeStyle(bar > 0 ? Copy(AName, 1, bar - 1) : DefaultStyle);
    }
    TStringList values;
    FStyles->ReadSectionValues(AName, values);
    for (Integer i = 0; i < values.Count(); ++i) {
        const String name = values.Names(i);
        const Integer at = FValues.IndexOfName(name);
        if (at >= 0) FValues.Put(at, values[i]);
        else FValues.Add(values[i]);
    }
}

void TStyStyleManager::ApplyStyle(TComponent* AComponent, const String& AStyleNameQualifier, bool ACascadeStyles,
                                  const String& AStateStyleName)
{
    if (!AComponent) return;
    FValues.Clear();
    if (!ACascadeStyles) {
        FStyles->ReadSectionValues(AStyleNameQualifier, FValues);
    } else {
        String N = ChooseStyle(AComponent, AStyleNameQualifier);
        if (!AStateStyleName.IsEmpty()) N += "|" + AStateStyleName;
        FUsesList.Clear();
        MergeStyle(N);
    }
    TStringList values;
    values.Assign(FValues);
    FValues.Clear();
    ApplyValues(AComponent, values);
}

void TStyStyleManager::ApplyValues(TObject* AObject, const TStrings& Values)
{
    auto* object = dynamic_cast<TStyObject*>(AObject);
    auto* styled = dynamic_cast<TStyBaseCustomControl*>(AObject);
    auto* control = dynamic_cast<TControl*>(AObject);
    auto end = [&] {
        if (object) object->EndUpdate(true);
        if (styled) styled->EndUpdate(true);
        else if (control) control->Invalidate();
    };
    if (object) object->BeginUpdate();
    if (styled) styled->BeginUpdate();
    try {
        for (Integer i = 0; i < Values.Count(); ++i)
            if (Values.Names(i) != ReservedKey) ApplyValue(AObject, Values.Names(i), ValueAt(Values, i));
    } catch (...) {
        end();
        throw;
    }
    end();
}

void TStyStyleManager::ApplyValue(TObject* AObject, const String& AKey, const String& AValue)
{
    const Integer colon = Pos(":", AKey);
    const String path = colon > 0 ? Copy(AKey, 1, colon - 1) : AKey;
    const String typeName = colon > 0 ? Copy(AKey, colon + 1) : AKey;
    TObject* instance = AObject;
    String rest = path;
    for (Integer dot = Pos(".", rest); dot > 0; dot = Pos(".", rest)) {
        const TPropInfo* prop = GetPropInfo(instance, Copy(rest, 1, dot - 1));
        if (!prop || prop->Kind != tkClass) return;
        instance = GetObjectProp(instance, prop);
        if (!instance || dynamic_cast<TComponent*>(instance)) return;
        rest = Copy(rest, dot + 1);
    }
    const TPropInfo* prop = GetPropInfo(instance, rest);
    if (!prop) return;
    String propType = prop->TypeName;
    if (prop->Kind == tkClass && prop->ClassOf) propType = prop->ClassOf()->ClassName();
    if (UpperCase(propType) != UpperCase(typeName)) return;
    switch (prop->Kind) {
    case tkInteger:
    case tkEnumeration:
    case tkInt64: {
        if (prop->ReadOnly) return;
        TColor colour = 0;
        if (SameText(propType, "TColor")) SetOrdProp(instance, prop, IdentToColor(AValue, colour) ? colour : StrToIntDef(AValue, 0));
        else SetOrdProp(instance, prop, StrToIntDef(AValue, 0));
        break;
    }
    case tkChar:
    case tkWChar:
        if (!prop->ReadOnly && !AValue.IsEmpty()) SetOrdProp(instance, prop, AValue[1]);
        break;
    case tkString:
        if (!prop->ReadOnly) SetStrProp(instance, prop, AValue);
        break;
    case tkFloat: {
        if (prop->ReadOnly) return;
        double value = 0;
        if (SameText(propType, "TDateTime")) {
            try {
                value = StrToDateTime(AValue);
            } catch (const Exception&) {
                value = 0;
            }
        } else if (!TryStrToFloat(AValue, value, FloatTextSettingsOf())) {
            value = 0;
        }
        SetFloatProp(instance, prop, value);
        break;
    }
    case tkSet:
        if (!prop->ReadOnly) SetOrdProp(instance, prop, StringToSet(*prop->EnumType, AValue.IsEmpty() ? String("[]") : AValue));
        break;
    case tkClass:
        if (auto* graphic = dynamic_cast<TGraphic*>(GetObjectProp(instance, prop));
            graphic && (dynamic_cast<TBitmap*>(graphic) || dynamic_cast<TIcon*>(graphic))) {
            TMemoryStream data;
            if (HexToStream(AValue, data)) {
                data.SetPosition(0);
                graphic->LoadFromStream(data);
            }
        }
        break;
    default: break;
    }
}
