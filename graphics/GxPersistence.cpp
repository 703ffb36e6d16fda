// Writing and reading objects through their published properties as JSON.
#include "graphics/GxPersistence.h"

#include <algorithm>
#include <cmath>

#include "graphics/GxTypes.h"
#include "graphics/GxUtils.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Generics.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/SysFormat.h"

namespace {

// The published properties by name, letter case ignored.
std::vector<const TPropInfo*> SortedProperties(TClass cls)
{
    std::vector<const TPropInfo*> props = GetPropList(cls);
    std::stable_sort(props.begin(), props.end(),
                     [](const TPropInfo* a, const TPropInfo* b) { return AnsiCompareText(a->Name, b->Name) < 0; });
    return props;
}

bool IsBooleanProperty(const TPropInfo* prop) { return prop->EnumType && prop->EnumType == &TypeInfoOf(true); }

// "#RRGGBB" of a colour, system colours resolved.
String ColorText(TColor color)
{
    const Cardinal rgb = static_cast<Cardinal>(ColorToRGB(color));
    return "#" + IntToHex(GetRValue(rgb), 2) + IntToHex(GetGValue(rgb), 2) + IntToHex(GetBValue(rgb), 2);
}

// A hexadecimal digit of either letter case; anything else counts as 0.
int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return 0;
}

// "#RRGGBB" back to a colour; a missing pair counts 0.
TColor ColorFromText(const String& text)
{
    auto pair = [&](int at) { return at + 1 <= text.Length() ? HexDigit(text[at]) * 16 + HexDigit(text[at + 1]) : 0; };
    return pair(2) + 256 * pair(4) + 65536 * pair(6);
}

// The interface the object offers, null when none (no reference is counted).
template <class I>
I* Offers(TObject* object)
{
    void* intf = nullptr;
    return object && object->GetInterface(I::IID, &intf) ? static_cast<I*>(intf) : nullptr;
}

bool IsFontSize(TObject* object, const TPropInfo* prop)
{
    return dynamic_cast<TFont*>(object) && SameText(prop->Name, "Size");
}

}  // namespace

// ---------------------------------------------------------------- type predicates

void TGxPersistence::GetEnumValues(TStrings* AValues, const TPropInfo* APropInfo)
{
    if (!APropInfo->EnumType) return;
    for (int i = 0; i < APropInfo->EnumType->Count(); ++i) AValues->Add(APropInfo->EnumType->ValueName(i));
}

String TGxPersistence::GetEnumName(const TEnumTypeInfo* ATypeInfo, Integer AValue)
{
    return ATypeInfo ? ATypeInfo->ValueName(AValue) : String();
}

const TEnumTypeInfo* TGxPersistence::GetPropInfoDataTypeInfo(const TPropInfo* APropInfo) { return APropInfo->EnumType; }

TClass TGxPersistence::GetPropInfoDataTypeInfoClassType(const TPropInfo* APropInfo)
{
    if (APropInfo->Kind != tkClass) return nullptr;
    return APropInfo->PropClass ? APropInfo->PropClass : APropInfo->ClassOf ? APropInfo->ClassOf() : nullptr;
}

bool TGxPersistence::IsWriteOnly(const TPropInfo* APropInfo)
{
    return !APropInfo->GetOrd && !APropInfo->GetFloat && !APropInfo->GetStr && !APropInfo->GetObj &&
           !APropInfo->GetMethod && !APropInfo->GetStrings;
}

bool TGxPersistence::IsReadOnly(const TPropInfo* APropInfo) { return APropInfo->ReadOnly; }

bool TGxPersistence::IsAssignableProperty(TObject* AObject, const TPropInfo* APropInfo)
{
    if (APropInfo->Kind != tkClass) return false;
    TObject* value = GetObjectProp(AObject, APropInfo);
    return !value || IsComponent(value->ClassType());
}

bool TGxPersistence::IsColor(const String& ATypeName)
{
    return ATypeName == "TAlphaColor" || ATypeName == "TColor" || ATypeName == "TGraphicsColor";
}

bool TGxPersistence::IsStrokeKind(const String& ATypeName) { return ATypeName == "TGxGraphicsStrokeKind"; }
bool TGxPersistence::IsFillKind(const String& ATypeName) { return ATypeName == "TGxGraphicsFillKind"; }
bool TGxPersistence::IsDate(const String& ATypeName) { return ATypeName == "TDate"; }
bool TGxPersistence::IsDateTime(const String& ATypeName) { return ATypeName == "TDateTime"; }
bool TGxPersistence::IsTime(const String& ATypeName) { return ATypeName == "TTime"; }

bool TGxPersistence::IsGenericList(TClass AClass, const String& AType)
{
    for (TClass c = AClass; c; c = c->ClassParent()) {
        const String& name = c->ClassName();
        if ((Pos("TList<", name) == 1 || Pos("TObjectList<", name) == 1) &&
            (AType.IsEmpty() || Pos(UpperCase(AType), UpperCase(name)) > 0))
            return true;
    }
    return false;
}

bool TGxPersistence::IsGenericDictionary(TClass AClass)
{
    for (TClass c = AClass; c; c = c->ClassParent())
        if (Pos("TDictionary<", c->ClassName()) == 1 || Pos("TObjectDictionary<", c->ClassName()) == 1) return true;
    return false;
}

bool TGxPersistence::IsDescendingClass(TClass AClass, const std::vector<String>& AClassParentList)
{
    for (TClass c = AClass; c; c = c->ClassParent())
        for (const String& name : AClassParentList)
            if (c->ClassName() == name) return true;
    return false;
}

bool TGxPersistence::IsCollection(TClass AClass) { return IsDescendingClass(AClass, {"TCollection"}); }
bool TGxPersistence::IsComponent(TClass AClass) { return IsDescendingClass(AClass, {"TComponent", "TGxCustomComponent"}); }
bool TGxPersistence::IsControl(TClass AClass) { return IsDescendingClass(AClass, {"TControl"}); }
bool TGxPersistence::IsList(TClass AClass) { return IsDescendingClass(AClass, {"TList"}); }
bool TGxPersistence::IsBitmap(TClass AClass) { return IsDescendingClass(AClass, {"TBitmap", "TPicture", "TGxBitmap"}); }
bool TGxPersistence::IsStrings(TClass AClass) { return IsDescendingClass(AClass, {"TStrings"}); }

TObject* TGxPersistence::CreateObject(const String& AClassName, TClass BaseClass)
{
    TClass cls = GetClass(AClassName);
    if (!cls) throw EGxReaderException(Format("Type \"%s\" not found", {AClassName}));
    if (BaseClass && !cls->InheritsFrom(BaseClass))
        throw EGxReaderException(Format("Type \"%s\" does not inherit from %s", {AClassName, BaseClass->ClassName()}));
    if (!cls->InheritsFrom(TPersistent::StaticClass()) || !cls->CanCreate())
        throw EGxReaderException(Format("Type \"%s\" not supported", {AClassName}));
    return cls->Create(nullptr);
}

// ---------------------------------------------------------------- entry points

void TGxPersistence::SaveSettingsToStream(TObject* AObject, TStream* AStream)
{
    TGxWriter writer(AStream);
    writer.SetIOReference(PersistenceIOReference);
    writer.SetRootObject(PersistenceRootObject);
    writer.OnCustomWriteProperty = [](TObject* o, const String& n, TTypeKind k, TGxJSONWriter& w, bool& can) {
        if (PersistenceOnCustomWriteProperty) PersistenceOnCustomWriteProperty(o, n, k, w, can);
    };
    writer.Write(AObject);
    writer.JSONWriter().Flush();
}

void TGxPersistence::SaveSettingsToFile(TObject* AObject, const String& AFileName)
{
    TMemoryStream stream;
    SaveSettingsToStream(AObject, &stream);
    stream.SaveToFile(AFileName);
}

void TGxPersistence::LoadSettingsFromStream(TObject* AObject, TStream* AStream)
{
    AStream->SetPosition(0);
    TGxReader reader(AStream);
    reader.SetIOReference(PersistenceIOReference);
    reader.SetRootObject(PersistenceRootObject);
    reader.OnCustomReadProperty = [](TObject* o, const String& n, TTypeKind k, TGxJSONReader& r, bool& can) {
        if (PersistenceOnCustomReadProperty) PersistenceOnCustomReadProperty(o, n, k, r, can);
    };
    reader.Read(AObject);
}

void TGxPersistence::LoadSettingsFromFile(TObject* AObject, const String& AFileName)
{
    TMemoryStream stream;
    stream.LoadFromFile(AFileName);
    LoadSettingsFromStream(AObject, &stream);
}

// ---------------------------------------------------------------- writer

TGxWriter::TGxWriter(TStream* AStream) : FWriter(std::make_unique<TGxJSONWriter>(AStream)) {}

void TGxWriter::SetIOReference(TObject* Value)
{
    FIOReference = Value;
    TGxPersistence::PersistenceIOReference = Value;
}

void TGxWriter::SetRootObject(TObject* Value)
{
    FRootObject = Value;
    TGxPersistence::PersistenceRootObject = Value;
}

void TGxWriter::SetExcludeProperties(const TGxExcludePropertyListArray& Value)
{
    FExcludeProperties = Value;
    TGxPersistence::PersistenceExcludeProperties = Value;
}

void TGxWriter::Write(TObject* AObject)
{
    if (!AObject) {
        FWriter->WriteNull();
        return;
    }
    const TClass cls = AObject->ClassType();
    const bool genericList = TGxPersistence::IsGenericList(cls);
    if (auto* strings = dynamic_cast<TGenericList<String>*>(AObject); strings && genericList) {
        FWriter->WriteBeginArray();
        for (int i = 0; i < strings->Count(); ++i) FWriter->WriteString(strings->Items(i));
        FWriter->WriteEndArray();
    } else if (auto* integers = dynamic_cast<TGenericList<Integer>*>(AObject); integers && genericList) {
        FWriter->WriteBeginArray();
        for (int i = 0; i < integers->Count(); ++i) FWriter->WriteInteger(integers->Items(i));
        FWriter->WriteEndArray();
    } else if (auto* doubles = dynamic_cast<TGenericList<double>*>(AObject); doubles && genericList) {
        FWriter->WriteBeginArray();
        for (int i = 0; i < doubles->Count(); ++i) FWriter->WriteDouble(doubles->Items(i));
        FWriter->WriteEndArray();
    } else if (auto* objects = dynamic_cast<TGenericObjectListBase*>(AObject); objects && genericList) {
        FWriter->WriteBeginArray();
        for (int i = 0; i < objects->Count(); ++i) WriteObjectValue(objects->Items(i));
        FWriter->WriteEndArray();
    } else if (auto* dictionary = dynamic_cast<TGenericObjectDictionaryBase*>(AObject);
               dictionary && TGxPersistence::IsGenericDictionary(cls)) {
        FWriter->WriteBeginArray();
        for (int i = 0; i < dictionary->Count(); ++i) {
            FWriter->WriteBeginObject().WriteName(dictionary->Keys(i));
            WriteObjectValue(dictionary->Values(i));
            FWriter->WriteEndObject();
        }
        FWriter->WriteEndArray();
    } else if (auto* collection = dynamic_cast<TCollection*>(AObject); collection && TGxPersistence::IsCollection(cls)) {
        FWriter->WriteBeginArray();
        for (int i = 0; i < collection->Count(); ++i) WriteObjectValue(collection->Items(i));
        FWriter->WriteEndArray();
    } else if (TGxPersistence::IsBitmap(cls)) {
        TMemoryStream stream;
        if (auto* picture = dynamic_cast<TPicture*>(AObject); picture && !IsPictureEmpty(picture))
            picture->SaveToStream(stream);
        else if (auto* graphic = dynamic_cast<TGraphic*>(AObject); graphic && !graphic->Empty())
            graphic->SaveToStream(stream);
        FWriter->WriteString(TGxUtils::SaveStreamToHexStr(&stream));
    } else if (auto* references = Offers<IGxReferencePersistenceIO>(FIOReference); references && references->IsReference(cls)) {
        FWriter->WriteString(references->GetReference(AObject));
    } else {
        WriteObjectValue(AObject);
    }
}

void TGxWriter::WriteArray(const String& AName, const TGxObjectArray& AArray)
{
    FWriter->WriteBeginObject().WriteName(AName).WriteBeginArray();
    for (TObject* object : AArray) WriteObjectValue(object);
    FWriter->WriteEndArray().WriteEndObject();
}

void TGxWriter::WriteObjectValue(TObject* AObject)
{
    if (!AObject) {
        FWriter->WriteNull();
        return;
    }
    FWriter->WriteBeginObject();
    if (!TGxPersistence::PersistenceTypeName.IsEmpty())
        FWriter->WriteName(TGxPersistence::PersistenceTypeName).WriteString(AObject->ClassName());
    WriteProperties(AObject);
    FWriter->WriteEndObject();
}

void TGxWriter::WriteProperties(TObject* AObject)
{
    auto* filter = Offers<IGxPersistenceFilter>(AObject);
    for (const TPropInfo* prop : SortedProperties(AObject->ClassType())) {
        if (filter ? !filter->CanSaveProperty(AObject, prop->Name, prop->Kind)
                   : TGxUtils::IndexOfTextInArray(prop->Name, FExcludeProperties) >= 0)
            continue;
        bool canWrite = true;
        if (OnCustomWriteProperty) OnCustomWriteProperty(AObject, prop->Name, prop->Kind, *FWriter, canWrite);
        if (!canWrite) continue;
        FWriter->WriteName(prop->Name);
        WriteProperty(AObject, prop);
        if (IsFontSize(AObject, prop)) FWriter->WriteName("IsFMX").WriteBoolean(false);
    }
}

void TGxWriter::WriteProperty(TObject* AObject, const TPropInfo* AProp)
{
    if (TGxPersistence::IsWriteOnly(AProp)) {
        FWriter->WriteNull();
        return;
    }
    switch (AProp->Kind) {
    case tkClass: {
        TObject* value = GetObjectProp(AObject, AProp);
        bool assignable = TGxPersistence::IsAssignableProperty(AObject, AProp);
        if (OnCustomIsAssignableProperty) OnCustomIsAssignableProperty(AObject, AProp->Name, assignable);
        if (!assignable) {
            Write(value);
            break;
        }
        auto* component = dynamic_cast<TComponent*>(value);
        FWriter->WriteString(component ? component->Name() : String());
        break;
    }
    case tkStrings: {
        FWriter->WriteBeginArray();
        if (TStrings* strings = GetStringsProp(AObject, AProp))
            for (Integer i = 0; i < strings->Count(); ++i) FWriter->WriteString(strings->Get(i));
        FWriter->WriteEndArray();
        break;
    }
    case tkString: FWriter->WriteString(GetStrProp(AObject, AProp)); break;
    case tkFloat: FWriter->WriteDouble(static_cast<double>(GetFloatProp(AObject, AProp))); break;
    case tkMethod: {
        const TMethod method = GetMethodProp(AObject, AProp);
        if (method.IsEmpty() || !FRootObject) FWriter->WriteNull();
        else FWriter->WriteString(MethodName(FRootObject->ClassType(), method.Code));
        break;
    }
    case tkUnknown: FWriter->WriteNull(); break;
    default: WriteOrdinal(AObject, AProp); break;
    }
}

void TGxWriter::WriteOrdinal(TObject* AObject, const TPropInfo* AProp)
{
    const Int64 value = GetOrdProp(AObject, AProp);
    if (AProp->Kind == tkInteger && TGxPersistence::IsColor(AProp->TypeName))
        FWriter->WriteString(value == -1 ? String("gcNull") : ColorText(static_cast<TColor>(value)));
    else if (AProp->Kind == tkChar || AProp->Kind == tkWChar)
        FWriter->WriteString(String::FromChar(static_cast<char16_t>(value)));
    else if (AProp->Kind == tkEnumeration && IsBooleanProperty(AProp))
        FWriter->WriteBoolean(value != 0);
    else
        FWriter->WriteInteger(value);
}

// ---------------------------------------------------------------- reader

TGxReader::TGxReader(TStream* AStream) : FReader(std::make_unique<TGxJSONReader>(AStream)) {}

void TGxReader::SetIOReference(TObject* Value)
{
    FIOReference = Value;
    TGxPersistence::PersistenceIOReference = Value;
}

void TGxReader::SetRootObject(TObject* Value)
{
    FRootObject = Value;
    TGxPersistence::PersistenceRootObject = Value;
}

void TGxReader::SetExcludeProperties(const TGxExcludePropertyListArray& Value)
{
    FExcludeProperties = Value;
    TGxPersistence::PersistenceExcludeProperties = Value;
}

TObject* TGxReader::Read(TClass AClass) { return ReadObjectValue(AClass); }

void TGxReader::Read(TObject* AObject)
{
    if (!AObject) {
        FReader->SkipValue();
        return;
    }
    const TClass cls = AObject->ClassType();
    const bool genericList = TGxPersistence::IsGenericList(cls);
    if (auto* strings = dynamic_cast<TGenericList<String>*>(AObject); strings && genericList) {
        strings->Clear();
        ReadArrayElements([&] { strings->Add(FReader->ReadString()); });
    } else if (auto* doubles = dynamic_cast<TGenericList<double>*>(AObject); doubles && genericList) {
        doubles->Clear();
        ReadArrayElements([&] { doubles->Add(FReader->ReadDouble()); });
    } else if (auto* integers = dynamic_cast<TGenericList<Integer>*>(AObject); integers && genericList) {
        integers->Clear();
        ReadArrayElements([&] { integers->Add(FReader->ReadInteger()); });
    } else if (auto* objects = dynamic_cast<TGenericObjectListBase*>(AObject); objects && genericList) {
        // the elements must be of the list's item class
        objects->Clear();
        auto* references = Offers<IGxReferencePersistenceIO>(FIOReference);
        ReadArrayElements([&] {
            TObject* object = ReadObjectValue(ElementClass(objects, objects->ItemClass()));
            if (references) references->ObjectAdded(object, objects);
            objects->Add(object);
        });
    } else if (auto* dictionary = dynamic_cast<TGenericObjectDictionaryBase*>(AObject);
               dictionary && TGxPersistence::IsGenericDictionary(cls)) {
        dictionary->Clear();
        ReadArrayElements([&] {
            FReader->ReadBeginObject();
            while (FReader->HasNext()) {
                const String key = FReader->ReadName();
                dictionary->Add(key, ReadObjectValue(ElementClass(dictionary, dictionary->ItemClass())));
            }
            FReader->ReadEndObject();
        });
    } else if (auto* collection = dynamic_cast<TCollection*>(AObject); collection && TGxPersistence::IsCollection(cls)) {
        collection->BeginUpdate();
        try {
            collection->Clear();
            auto* factory = Offers<IGxCollectionItemFactory>(collection);
            const TClass elementClass = ElementClass(collection, TObject::StaticClass());
            ReadArrayElements([&] {
                std::unique_ptr<TObject> object(ReadObjectValue(elementClass));
                auto* persistent = dynamic_cast<TPersistent*>(object.get());
                if (!persistent) return;
                TCollectionItem* item = factory ? factory->AddItem(persistent) : collection->Add();
                item->Assign(persistent);
            });
        } catch (...) {
            collection->EndUpdate();
            throw;
        }
        collection->EndUpdate();
    } else if (TGxPersistence::IsBitmap(cls)) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            return;
        }
        const String hex = FReader->ReadString();
        if (hex.IsEmpty()) return;
        TMemoryStream stream;
        TGxUtils::LoadStreamFromHexStr(hex, &stream);
        stream.SetPosition(0);
        if (auto* picture = dynamic_cast<TPicture*>(AObject)) picture->LoadFromStream(stream);
        else if (auto* graphic = dynamic_cast<TGraphic*>(AObject)) graphic->LoadFromStream(stream);
    } else {
        FReader->ReadBeginObject();
        ReadTypeMember(nullptr);
        ReadProperties(AObject);
        FReader->ReadEndObject();
    }
}

TClass TGxReader::ElementClass(TObject* AList, TClass ADefault)
{
    auto* provider = Offers<IGxItemClassProvider>(AList);
    return provider ? provider->GetItemClass() : ADefault;
}

void TGxReader::SolveReferences()
{
    auto* references = Offers<IGxReferencePersistenceIO>(FIOReference);
    if (!references) return;
    for (const auto& reference : FReferences) {
        TComponent* found = references->FindReference(reference->Id);
        const TClass declared = TGxPersistence::GetPropInfoDataTypeInfoClassType(reference->Prop);
        if (found && !found->InheritsFrom(declared)) throw EInvalidCast("Invalid class typecast");
        SetObjectProp(reference->Instance, reference->Prop, found);
    }
}

void TGxReader::ReadArrayElements(const std::function<void()>& AReadElement)
{
    FReader->ReadBeginArray();
    while (FReader->HasNext())
        if (FReader->IsNull()) FReader->ReadNull();
        else AReadElement();
    FReader->ReadEndArray();
}

TGxObjectArray TGxReader::ReadArray(const String& AName)
{
    TGxObjectArray result;
    try {
        FReader->ReadBeginObject();
        while (FReader->HasNext()) {
            if (FReader->ReadName() != AName) {
                FReader->SkipValue();
                continue;
            }
            ReadArrayElements([&] { result.push_back(ReadObjectValue(TObject::StaticClass())); });
        }
        FReader->ReadEndObject();
    } catch (...) {
        for (TObject* object : result) delete object;
        throw;
    }
    return result;
}

void TGxReader::ReadTypeMember(String* AClassName)
{
    const String& typeName = TGxPersistence::PersistenceTypeName;
    if (typeName.IsEmpty()) return;
    if (FReader->Peek() != jstoName || FReader->PeekName() != typeName)
        throw EGxReaderException("\"" + typeName + "\" property not found in Object descriptor.");
    FReader->ReadName();
    const String className = FReader->ReadString();
    if (AClassName) *AClassName = className;
}

TObject* TGxReader::ReadObjectValue(TClass ABaseClass)
{
    FReader->ReadBeginObject();
    String className;
    ReadTypeMember(&className);
    if (className.IsEmpty()) className = ABaseClass->ClassName();
    std::unique_ptr<TObject> object;
    if (!FIOReference) object.reset(TGxPersistence::CreateObject(className, ABaseClass));
    else if (auto* io = Offers<IGxPersistenceIO>(FIOReference)) object.reset(io->CreateObject(className, ABaseClass));
    else if (auto* references = Offers<IGxReferencePersistenceIO>(FIOReference))
        object.reset(references->CreateObject(className, ABaseClass));
    ReadProperties(object.get());   // the members of an absent object are skipped
    FReader->ReadEndObject();
    return object.release();
}

void TGxReader::ReadProperties(TObject* AObject)
{
    while (FReader->HasNext()) {
        const String name = FReader->ReadName();
        const TPropInfo* prop = AObject ? GetPropInfo(AObject->ClassType(), name) : nullptr;
        auto* filter = Offers<IGxPersistenceFilter>(AObject);
        if (!prop || (filter ? !filter->CanLoadProperty(AObject, prop->Name, prop->Kind)
                             : TGxUtils::IndexOfTextInArray(prop->Name, FExcludeProperties) >= 0)) {
            FReader->SkipValue();
            continue;
        }
        bool canRead = true;
        if (OnCustomReadProperty) OnCustomReadProperty(AObject, prop->Name, prop->Kind, *FReader, canRead);
        if (!canRead) continue;
        ReadProperty(AObject, prop);
        if (IsFontSize(AObject, prop) && FReader->Peek() == jstoName && FReader->PeekName() == "IsFMX") {
            FReader->ReadName();
            if (FReader->ReadBoolean()) {
                auto* font = static_cast<TFont*>(AObject);
                font->SetSize(static_cast<Integer>(std::nearbyint(font->Size() / 96.0 * 72)));
            }
        }
    }
}

void TGxReader::ReadProperty(TObject* AObject, const TPropInfo* AProp)
{
    if (AProp->Kind == tkClass) {
        ReadClassProperty(AObject, AProp);
        return;
    }
    if (AProp->Kind == tkStrings) {
        TStrings* strings = GetStringsProp(AObject, AProp);
        if (!strings || FReader->IsNull()) {
            FReader->SkipValue();
            return;
        }
        strings->BeginUpdate();
        strings->Clear();
        try {
            ReadArrayElements([&] { strings->Add(FReader->ReadString()); });
        } catch (...) {
            strings->EndUpdate();
            throw;
        }
        strings->EndUpdate();
        return;
    }
    if (TGxPersistence::IsWriteOnly(AProp) || FReader->IsNull() || AProp->Kind == tkUnknown) {
        FReader->SkipValue();
        return;
    }
    const bool settable = !AProp->ReadOnly;
    switch (AProp->Kind) {
    case tkString: {
        const String value = FReader->ReadString();
        if (settable) SetStrProp(AObject, AProp, value);
        break;
    }
    case tkFloat: {
        const double value = FReader->ReadDouble();
        if (settable) SetFloatProp(AObject, AProp, value);
        break;
    }
    case tkMethod: {
        if (!FRootObject) {
            FReader->ReadNull();
            break;
        }
        const String methodName = FReader->ReadString();
        TMethod method;
        method.Code = MethodAddress(FRootObject->ClassType(), methodName);
        if (!method.Code.IsEmpty()) method.Data = FRootObject;
        if (settable) SetMethodProp(AObject, AProp, method);
        break;
    }
    default: ReadOrdinal(AObject, AProp); break;
    }
}

void TGxReader::ReadOrdinal(TObject* AObject, const TPropInfo* AProp)
{
    Int64 value = 0;
    if (AProp->Kind == tkInteger && TGxPersistence::IsColor(AProp->TypeName)) {
        const String text = FReader->ReadString();
        value = text == "gcNull" ? -1 : ColorFromText(text);
    } else if (AProp->Kind == tkChar || AProp->Kind == tkWChar) {
        const String text = FReader->ReadString();
        value = text.IsEmpty() ? 0 : text[1];
    } else if (AProp->Kind == tkEnumeration && IsBooleanProperty(AProp)) {
        value = FReader->ReadBoolean() ? 1 : 0;
    } else if (AProp->Kind == tkInt64) {
        value = FReader->ReadInt64();
    } else {
        value = FReader->ReadInteger();
    }
    if (AProp->Kind == tkEnumeration && (value < AProp->MinValue || value > AProp->MaxValue))
        throw EGxReaderException("Value " + IntToStr(value) + " out of range " + IntToStr(AProp->MinValue) + ".." +
                                 IntToStr(AProp->MaxValue));
    if (!AProp->ReadOnly) SetOrdProp(AObject, AProp, value);
}

void TGxReader::ReadClassProperty(TObject* AObject, const TPropInfo* AProp)
{
    const TClass declared = TGxPersistence::GetPropInfoDataTypeInfoClassType(AProp);
    TObject* held = GetObjectProp(AObject, AProp);
    if (TGxPersistence::IsGenericList(declared) || TGxPersistence::IsGenericDictionary(declared) ||
        TGxPersistence::IsCollection(declared) || TGxPersistence::IsBitmap(declared)) {
        Read(held);
        return;
    }
    if (auto* references = Offers<IGxReferencePersistenceIO>(FIOReference); references && references->IsReference(declared)) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            if (!AProp->ReadOnly) SetObjectProp(AObject, AProp, nullptr);
        } else {
            FReferences.push_back(std::make_unique<TGxObjectReference>(AObject, AProp, FReader->ReadString()));
        }
        return;
    }
    bool assignable = TGxPersistence::IsAssignableProperty(AObject, AProp);
    if (OnCustomIsAssignableProperty) OnCustomIsAssignableProperty(AObject, AProp->Name, assignable);
    if (!assignable) {
        Read(held);
        return;
    }
    if (FReader->IsNull()) {
        FReader->ReadNull();
        return;
    }
    const String name = FReader->ReadString();
    if (auto* root = dynamic_cast<TComponent*>(FRootObject); root && !AProp->ReadOnly)
        SetObjectProp(AObject, AProp, root->FindComponent(name));
}
