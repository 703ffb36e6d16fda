#include "platform/classes/TypInfo.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace {

struct TClassInfo {
    std::vector<std::unique_ptr<TPropInfo>> Props;
    std::vector<std::pair<String, TMethodCode>> Methods;
    std::vector<TFieldInfo> Fields;
};

struct TIntegerConsts {
    TIdentToInt IdentToInt;
    TIntToIdent IntToIdent;
};

struct TRegistry {
    std::recursive_mutex Lock;
    std::map<TClass, TClassInfo> Classes;
    std::vector<TClass> Registered;
    std::map<String, TIntegerConsts> IntegerConsts;  // keys in upper case
};

TRegistry& Registry()
{
    static TRegistry registry;
    return registry;
}

// TComponent's own published properties: its name (written in the object's
// heading, so not stored) and its tag.
void PublishComponent()
{
    static std::once_flag once;
    std::call_once(once, [] {
        TPublished<TComponent>(TComponent::StaticClass())
            .Property("Name", &TComponent::Name, &TComponent::SetName)
            .Stored(false)
            .Property("Tag", &TComponent::Tag, &TComponent::SetTag);
    });
}

// The reflection data the class itself publishes, with the class references of
// its class properties and fields filled in; null when none.
TClassInfo* OwnInfo(TClass cls)
{
    TRegistry& registry = Registry();
    auto it = registry.Classes.find(cls);
    if (it == registry.Classes.end()) return nullptr;
    for (auto& prop : it->second.Props) {
        if (!prop->ClassOf || prop->PropClass) continue;
        prop->PropClass = prop->ClassOf();
        if (prop->TypeName.IsEmpty()) prop->TypeName = prop->PropClass->ClassName();
    }
    for (TFieldInfo& field : it->second.Fields)
        if (!field.FieldClass) field.FieldClass = field.ClassOf();
    return &it->second;
}

template <class F>
auto Locked(F f)
{
    PublishComponent();
    std::lock_guard guard(Registry().Lock);
    return f();
}

[[noreturn]] void InvalidType(const TPropInfo* info)
{
    throw EPropertyError("Invalid property type: " + info->TypeName);
}

void CheckKind(const TPropInfo* info, bool ok)
{
    if (!ok) InvalidType(info);
}

template <class F>
void CheckWritable(const TPropInfo* info, const F& setter)
{
    if (!setter) throw EPropertyError("Property " + info->Name + " is read-only");
}

}  // namespace

// ---------------------------------------------------------------- enumerations

TEnumTypeInfo::TEnumTypeInfo(const char* Name, std::initializer_list<const char*> ValueNames, const char* SetName)
    : FName(Name), FSetName(SetName ? String(SetName) : "set of " + String(Name))
{
    for (const char* valueName : ValueNames) FValueNames.emplace_back(valueName);
}

String TEnumTypeInfo::ValueName(Int64 Ordinal) const
{
    if (Ordinal < 0 || Ordinal >= Count()) return String();
    return FValueNames[static_cast<size_t>(Ordinal)];
}

int TEnumTypeInfo::Value(const String& ValueName) const
{
    for (int i = 0; i < Count(); ++i)
        if (SameText(FValueNames[static_cast<size_t>(i)], ValueName)) return i;
    return -1;
}

const TEnumTypeInfo& TypeInfoOf(bool)
{
    static const TEnumTypeInfo info("Boolean", {"False", "True"});
    return info;
}

String SetToString(const TEnumTypeInfo& Info, Int64 Bits, bool Brackets)
{
    String result;
    for (int i = 0; i < Info.Count() && i < 64; ++i) {
        if (!(static_cast<std::uint64_t>(Bits) & (std::uint64_t{1} << i))) continue;
        if (!result.IsEmpty()) result += u',';
        result += Info.ValueName(i);
    }
    return Brackets ? "[" + result + "]" : result;
}

Int64 StringToSet(const TEnumTypeInfo& Info, const String& Text)
{
    String inner = Trim(Text);
    if (inner.Length() >= 2 && inner[1] == u'[' && inner[inner.Length()] == u']')
        inner = Copy(inner, 2, inner.Length() - 2);
    std::uint64_t bits = 0;
    while (!Trim(inner).IsEmpty()) {
        int comma = Pos(",", inner);
        String name = Trim(comma ? Copy(inner, 1, comma - 1) : inner);
        inner = comma ? Copy(inner, comma + 1) : String();
        int value = Info.Value(name);
        if (value < 0 || value >= 64) throw EPropertyError("Invalid enumeration name: " + name);
        bits |= std::uint64_t{1} << value;
    }
    return static_cast<Int64>(bits);
}

// ---------------------------------------------------------------- publishing

TPropInfo* typinfo_detail::PublishProperty(TClass Class, std::unique_ptr<TPropInfo> Info)
{
    std::lock_guard guard(Registry().Lock);
    auto& props = Registry().Classes[Class].Props;
    for (auto& prop : props) {
        if (SameText(prop->Name, Info->Name)) {
            prop = std::move(Info);
            return prop.get();
        }
    }
    props.push_back(std::move(Info));
    return props.back().get();
}

void typinfo_detail::PublishMethod(TClass Class, const String& Name, const TMethodCode& Code)
{
    std::lock_guard guard(Registry().Lock);
    Registry().Classes[Class].Methods.emplace_back(Name, Code);
}

void typinfo_detail::PublishField(TClass Class, TFieldInfo Info)
{
    std::lock_guard guard(Registry().Lock);
    Registry().Classes[Class].Fields.push_back(std::move(Info));
}

// ---------------------------------------------------------------- queries

const TPropInfo* GetPropInfo(TClass Class, const String& PropName)
{
    return Locked([&]() -> const TPropInfo* {
        for (TClass cls = Class; cls; cls = cls->ClassParent())
            if (const TClassInfo* info = OwnInfo(cls))
                for (const auto& prop : info->Props)
                    if (SameText(prop->Name, PropName)) return prop.get();
        return nullptr;
    });
}

const TPropInfo* GetPropInfo(const TObject* Instance, const String& PropName)
{
    return GetPropInfo(Instance->ClassType(), PropName);
}

std::vector<const TPropInfo*> GetPropList(TClass Class)
{
    return Locked([&] {
        std::vector<TClass> chain;
        for (TClass cls = Class; cls; cls = cls->ClassParent()) chain.insert(chain.begin(), cls);
        std::vector<const TPropInfo*> list;
        for (TClass cls : chain) {
            const TClassInfo* info = OwnInfo(cls);
            if (!info) continue;
            for (const auto& prop : info->Props) {
                auto same = std::find_if(list.begin(), list.end(),
                                         [&](const TPropInfo* p) { return SameText(p->Name, prop->Name); });
                if (same != list.end())
                    *same = prop.get();
                else
                    list.push_back(prop.get());
            }
        }
        return list;
    });
}

bool IsPublishedProp(const TObject* Instance, const String& PropName)
{
    return GetPropInfo(Instance, PropName) != nullptr;
}

bool IsStoredProp(TObject* Instance, const TPropInfo* PropInfo)
{
    return !PropInfo->Stored || PropInfo->Stored(Instance);
}

bool IsDefaultPropValue(TObject* Instance, const TPropInfo* PropInfo)
{
    if (PropInfo->HasDefault) return PropInfo->GetOrd(Instance) == PropInfo->Default;
    if (PropInfo->NoDefault) return false;
    switch (PropInfo->Kind) {
    case tkInt64: return PropInfo->GetOrd(Instance) == 0;
    case tkFloat: return PropInfo->GetFloat(Instance) == 0;
    case tkString: return PropInfo->GetStr(Instance).IsEmpty();
    case tkMethod: return PropInfo->GetMethod(Instance).IsEmpty();
    case tkClass: return PropInfo->GetObj(Instance) == nullptr;
    case tkStrings: {
        TStrings* strings = PropInfo->GetStrings(Instance);
        return !strings || strings->Count() == 0;
    }
    default: return false;
    }
}

Int64 GetOrdProp(TObject* Instance, const TPropInfo* PropInfo)
{
    CheckKind(PropInfo, PropInfo->IsOrdinal());
    return PropInfo->GetOrd(Instance);
}

void SetOrdProp(TObject* Instance, const TPropInfo* PropInfo, Int64 Value)
{
    CheckKind(PropInfo, PropInfo->IsOrdinal());
    CheckWritable(PropInfo, PropInfo->SetOrd);
    // an enumeration holds only its own values
    if (PropInfo->Kind == tkEnumeration && (Value < PropInfo->MinValue || Value > PropInfo->MaxValue))
        throw EPropertyError("Value " + IntToStr(Value) + " out of range " + IntToStr(PropInfo->MinValue) + ".." +
                             IntToStr(PropInfo->MaxValue));
    PropInfo->SetOrd(Instance, Value);
}

String GetEnumProp(TObject* Instance, const TPropInfo* PropInfo)
{
    CheckKind(PropInfo, PropInfo->Kind == tkEnumeration);
    return PropInfo->EnumType->ValueName(PropInfo->GetOrd(Instance));
}

void SetEnumProp(TObject* Instance, const TPropInfo* PropInfo, const String& Value)
{
    CheckKind(PropInfo, PropInfo->Kind == tkEnumeration);
    int ordinal = PropInfo->EnumType->Value(Value);
    if (ordinal < 0) throw EPropertyError("Invalid enumeration name: " + Value);
    SetOrdProp(Instance, PropInfo, ordinal);
}

String GetSetProp(TObject* Instance, const TPropInfo* PropInfo, bool Brackets)
{
    CheckKind(PropInfo, PropInfo->Kind == tkSet);
    return SetToString(*PropInfo->EnumType, PropInfo->GetOrd(Instance), Brackets);
}

void SetSetProp(TObject* Instance, const TPropInfo* PropInfo, const String& Value)
{
    CheckKind(PropInfo, PropInfo->Kind == tkSet);
    SetOrdProp(Instance, PropInfo, StringToSet(*PropInfo->EnumType, Value));
}

Extended GetFloatProp(TObject* Instance, const TPropInfo* PropInfo)
{
    CheckKind(PropInfo, PropInfo->Kind == tkFloat);
    return PropInfo->GetFloat(Instance);
}

void SetFloatProp(TObject* Instance, const TPropInfo* PropInfo, Extended Value)
{
    CheckKind(PropInfo, PropInfo->Kind == tkFloat);
    CheckWritable(PropInfo, PropInfo->SetFloat);
    PropInfo->SetFloat(Instance, Value);
}

String GetStrProp(TObject* Instance, const TPropInfo* PropInfo)
{
    CheckKind(PropInfo, PropInfo->Kind == tkString);
    return PropInfo->GetStr(Instance);
}

void SetStrProp(TObject* Instance, const TPropInfo* PropInfo, const String& Value)
{
    CheckKind(PropInfo, PropInfo->Kind == tkString);
    CheckWritable(PropInfo, PropInfo->SetStr);
    PropInfo->SetStr(Instance, Value);
}

TObject* GetObjectProp(TObject* Instance, const TPropInfo* PropInfo)
{
    CheckKind(PropInfo, PropInfo->Kind == tkClass);
    return PropInfo->GetObj(Instance);
}

void SetObjectProp(TObject* Instance, const TPropInfo* PropInfo, TObject* Value)
{
    CheckKind(PropInfo, PropInfo->Kind == tkClass);
    CheckWritable(PropInfo, PropInfo->SetObj);
    if (Value && !Value->InheritsFrom(PropInfo->PropClass))
        throw EPropertyError("Invalid property value: " + Value->ClassName() + " is not a " + PropInfo->TypeName);
    PropInfo->SetObj(Instance, Value);
}

TMethod GetMethodProp(TObject* Instance, const TPropInfo* PropInfo)
{
    CheckKind(PropInfo, PropInfo->Kind == tkMethod);
    return PropInfo->GetMethod(Instance);
}

void SetMethodProp(TObject* Instance, const TPropInfo* PropInfo, const TMethod& Value)
{
    CheckKind(PropInfo, PropInfo->Kind == tkMethod);
    CheckWritable(PropInfo, PropInfo->SetMethod);
    PropInfo->SetMethod(Instance, Value);
}

TStrings* GetStringsProp(TObject* Instance, const TPropInfo* PropInfo)
{
    CheckKind(PropInfo, PropInfo->Kind == tkStrings);
    return PropInfo->GetStrings(Instance);
}

const TPropInfo* FindPropInfo(const TObject* Instance, const String& PropName)
{
    const TPropInfo* info = GetPropInfo(Instance, PropName);
    if (!info) throw EPropertyError("Property " + PropName + " does not exist");
    return info;
}

Int64 GetOrdProp(TObject* Instance, const String& PropName)
{
    return GetOrdProp(Instance, FindPropInfo(Instance, PropName));
}
void SetOrdProp(TObject* Instance, const String& PropName, Int64 Value)
{
    SetOrdProp(Instance, FindPropInfo(Instance, PropName), Value);
}
String GetEnumProp(TObject* Instance, const String& PropName)
{
    return GetEnumProp(Instance, FindPropInfo(Instance, PropName));
}
void SetEnumProp(TObject* Instance, const String& PropName, const String& Value)
{
    SetEnumProp(Instance, FindPropInfo(Instance, PropName), Value);
}
String GetSetProp(TObject* Instance, const String& PropName, bool Brackets)
{
    return GetSetProp(Instance, FindPropInfo(Instance, PropName), Brackets);
}
void SetSetProp(TObject* Instance, const String& PropName, const String& Value)
{
    SetSetProp(Instance, FindPropInfo(Instance, PropName), Value);
}
Extended GetFloatProp(TObject* Instance, const String& PropName)
{
    return GetFloatProp(Instance, FindPropInfo(Instance, PropName));
}
void SetFloatProp(TObject* Instance, const String& PropName, Extended Value)
{
    SetFloatProp(Instance, FindPropInfo(Instance, PropName), Value);
}
String GetStrProp(TObject* Instance, const String& PropName)
{
    return GetStrProp(Instance, FindPropInfo(Instance, PropName));
}
void SetStrProp(TObject* Instance, const String& PropName, const String& Value)
{
    SetStrProp(Instance, FindPropInfo(Instance, PropName), Value);
}
TObject* GetObjectProp(TObject* Instance, const String& PropName)
{
    return GetObjectProp(Instance, FindPropInfo(Instance, PropName));
}
void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value)
{
    SetObjectProp(Instance, FindPropInfo(Instance, PropName), Value);
}
TMethod GetMethodProp(TObject* Instance, const String& PropName)
{
    return GetMethodProp(Instance, FindPropInfo(Instance, PropName));
}
void SetMethodProp(TObject* Instance, const String& PropName, const TMethod& Value)
{
    SetMethodProp(Instance, FindPropInfo(Instance, PropName), Value);
}
TStrings* GetStringsProp(TObject* Instance, const String& PropName)
{
    return GetStringsProp(Instance, FindPropInfo(Instance, PropName));
}

// ---------------------------------------------------------------- methods and fields

TMethodCode MethodAddress(TClass Class, const String& Name)
{
    return Locked([&] {
        for (TClass cls = Class; cls; cls = cls->ClassParent())
            if (const TClassInfo* info = OwnInfo(cls))
                for (const auto& [name, code] : info->Methods)
                    if (SameText(name, Name)) return code;
        return TMethodCode();
    });
}

String MethodName(TClass Class, const TMethodCode& Code)
{
    return Locked([&] {
        if (Code.IsEmpty()) return String();
        for (TClass cls = Class; cls; cls = cls->ClassParent())
            if (const TClassInfo* info = OwnInfo(cls))
                for (const auto& [name, code] : info->Methods)
                    if (code == Code) return name;
        return String();
    });
}

const TFieldInfo* FindFieldInfo(TClass Class, const String& Name)
{
    return Locked([&]() -> const TFieldInfo* {
        for (TClass cls = Class; cls; cls = cls->ClassParent())
            if (const TClassInfo* info = OwnInfo(cls))
                for (const TFieldInfo& field : info->Fields)
                    if (SameText(field.Name, Name)) return &field;
        return nullptr;
    });
}

// ---------------------------------------------------------------- integer names

void RegisterIntegerConsts(const String& TypeName, TIdentToInt IdentToInt, TIntToIdent IntToIdent)
{
    std::lock_guard guard(Registry().Lock);
    Registry().IntegerConsts[UpperCase(TypeName)] = {std::move(IdentToInt), std::move(IntToIdent)};
}

bool IdentToInt(const String& TypeName, const String& Ident, Int64& Value)
{
    TIdentToInt convert = Locked([&] {
        auto it = Registry().IntegerConsts.find(UpperCase(TypeName));
        return it == Registry().IntegerConsts.end() ? TIdentToInt() : it->second.IdentToInt;
    });
    return convert && convert(Ident, Value);
}

bool IntToIdent(const String& TypeName, Int64 Value, String& Ident)
{
    TIntToIdent convert = Locked([&] {
        auto it = Registry().IntegerConsts.find(UpperCase(TypeName));
        return it == Registry().IntegerConsts.end() ? TIntToIdent() : it->second.IntToIdent;
    });
    return convert && convert(Value, Ident);
}

// ---------------------------------------------------------------- class registry

void RegisterClass(TClass Class)
{
    std::lock_guard guard(Registry().Lock);
    for (TClass registered : Registry().Registered) {
        if (registered == Class) return;
        if (registered->ClassNameIs(Class->ClassName()))
            throw EFilerError("A class named " + Class->ClassName() + " already exists");
    }
    Registry().Registered.push_back(Class);
}

void RegisterClasses(std::initializer_list<TClass> Classes)
{
    for (TClass cls : Classes) RegisterClass(cls);
}

void UnRegisterClass(TClass Class)
{
    std::lock_guard guard(Registry().Lock);
    std::erase(Registry().Registered, Class);
}

TClass GetClass(const String& ClassName)
{
    std::lock_guard guard(Registry().Lock);
    for (TClass registered : Registry().Registered)
        if (registered->ClassNameIs(ClassName)) return registered;
    return nullptr;
}

TClass FindClass(const String& ClassName)
{
    TClass cls = GetClass(ClassName);
    if (!cls) throw EClassNotFound("Class " + ClassName + " not found");
    return cls;
}
