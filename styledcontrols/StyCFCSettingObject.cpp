// The setting objects and their pool, with the pool's list format inside component streams.
#include "styledcontrols/StyCFCSettingObject.h"

#include <memory>

#include "foundation/StyGraphUtils.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/controls/Controls.h"
#include "styledcontrols/StyBevel.h"
#include "styledcontrols/StyBitmapEffectObject.h"

TClass CFCSettingObjectClass(TStyCFCSettingObjectKind Kind)
{
    switch (Kind) {
    case cfcFont: return TFont::StaticClass();
    case cfcFont3D: return TSty3DCaption::StaticClass();
    case cfcFontFX: return TStyFxCaption::StaticClass();
    case cfcFillObject: return TStyFillObject::StaticClass();
    case cfcBitmapEffect: return TStyBitmapEffectObject::StaticClass();
    case cfcBevel: return TStyBevel::StaticClass();
    case cfcColor: return TStyColorObject::StaticClass();
    case cfcCtlSettings: return TStyCtlSettings::StaticClass();
    case cfcStyle: return TStyStyleObject::StaticClass();
    default: return nullptr;
    }
}

TPersistent* CreateCFCObject(TClass Class)
{
    if (!Class) return nullptr;
    if (Class == TFont::StaticClass()) return new TFont();
    if (Class == TSty3DCaption::StaticClass()) return new TSty3DCaption(nullptr);
    if (Class == TStyFxCaption::StaticClass()) return new TStyFxCaption(nullptr);
    if (Class == TStyFillObject::StaticClass()) return new TStyFillObject();
    if (Class == TStyBitmapEffectObject::StaticClass()) return new TStyBitmapEffectObject();
    if (Class == TStyBevel::StaticClass()) return new TStyBevel();
    if (Class == TStyColorObject::StaticClass()) return new TStyColorObject();
    if (Class == TStyCtlSettings::StaticClass()) return new TStyCtlSettings();
    if (Class == TStyStyleObject::StaticClass()) return new TStyStyleObject();
    return nullptr;
}

void RegisterCFCClasses()
{
    static const bool done = [] {
        RegisterControlClasses();   // TFont's published properties
        for (int k = cfcFont; k <= cfcStyle; ++k) RegisterClass(CFCSettingObjectClass(TStyCFCSettingObjectKind(k)));
        RegisterClass(TStyCFCSettingObjects::StaticClass());
        return true;
    }();
    (void)done;
}

// ---------------------------------------------------------------- the small setting objects

TClass TStyColorObject::StaticClass()
{
    static const TMetaClass meta("TStyColorObject", TStyObject::StaticClass(), NewObject<TStyColorObject>,
                                 [](TMetaClass& m) {
        TPublished<TStyColorObject>(&m)
            .Property("Color", &TStyColorObject::Color, &TStyColorObject::SetColor)
            .Type("TColor")
            .Default(clBtnFace);
    });
    return &meta;
}

void TStyColorObject::Assign(TPersistent* Source)
{
    if (auto* s = dynamic_cast<TStyColorObject*>(Source)) {
        if (s == this) return;
        FColor = s->FColor;
        Change();
        return;
    }
    TStyObject::Assign(Source);
}

String TStyColorObject::GetSetStr() const { return "(" + ColorToString(FColor) + ")"; }

void TStyColorObject::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Change();
}

TClass TStyCtlSettings::StaticClass()
{
    static const TMetaClass meta("TStyCtlSettings", TStyObject::StaticClass(), NewObject<TStyCtlSettings>,
                                 [](TMetaClass& m) {
        TPublished<TStyCtlSettings>(&m)
            .Property("Transparent", &TStyCtlSettings::Transparent, &TStyCtlSettings::SetTransparent).Default(false)
            .Property("CtlXP", &TStyCtlSettings::CtlXP, &TStyCtlSettings::SetCtlXP).Default(true);
    });
    return &meta;
}

void TStyCtlSettings::Assign(TPersistent* Source)
{
    if (auto* s = dynamic_cast<TStyCtlSettings*>(Source)) {
        if (s == this) return;
        FTransparent = s->FTransparent;
        FCtlXP = s->FCtlXP;
        Change();
        return;
    }
    TStyObject::Assign(Source);
}

String TStyCtlSettings::GetSetStr() const
{
    return String("(Transp.: ") + (FTransparent ? "True" : "False") + ", CtlXP: " + (FCtlXP ? "True" : "False") + ")";
}

void TStyCtlSettings::SetFlag(Integer Index, bool Value)
{
    bool& field = Index == 0 ? FTransparent : FCtlXP;
    if (field == Value) return;
    field = Value;
    Change();
}

TClass TStyStyleObject::StaticClass()
{
    static const TMetaClass meta("TStyStyleObject", TStyObject::StaticClass(), NewObject<TStyStyleObject>,
                                 [](TMetaClass& m) {
        TPublished<TStyStyleObject>(&m).Property("StyleName", &TStyStyleObject::StyleName,
                                                 &TStyStyleObject::SetStyleName);
    });
    return &meta;
}

void TStyStyleObject::Assign(TPersistent* Source)
{
    if (auto* s = dynamic_cast<TStyStyleObject*>(Source)) {
        if (s == this) return;
        FStyleName = s->FStyleName;
        Change();
        return;
    }
    TStyObject::Assign(Source);
}

void TStyStyleObject::SetStyleName(const String& Value)
{
    if (FStyleName == Value) return;
    FStyleName = Value;
    Change();
}

// ---------------------------------------------------------------- the pool

TClass TStyCFCSettingObjects::StaticClass()
{
    static const TMetaClass meta("TStyCFCSettingObjects", TComponent::StaticClass(),
                                 NewComponent<TStyCFCSettingObjects>);
    return &meta;
}

TStyCFCSettingObjects::TStyCFCSettingObjects(TComponent* aOwner) : TComponent(aOwner) { RegisterCFCClasses(); }

TStyCFCSettingObjects::~TStyCFCSettingObjects() { Clear(); }

void TStyCFCSettingObjects::SetItem(Integer Index, TPersistent* Value)
{
    TObject* old = FList.Objects(Index);
    if (old == Value) return;
    FList.PutObject(Index, Value);
    delete old;
}

void TStyCFCSettingObjects::SetObjName(Integer Index, const String& Value)
{
    const Integer used = FList.IndexOf(Value);
    if (used == Index) return;
    FList.Put(Index, used >= 0 ? UniqueName(Value) : Value);
}

Integer TStyCFCSettingObjects::Add(TPersistent* aObject, const String& aName)
{
    if (!aObject) return -1;
    const String name = aName.IsEmpty() ? UniqueName(aObject->ClassName()) : aName;
    return FList.AddObject(name, aObject);
}

Integer TStyCFCSettingObjects::Add(TStyCFCSettingObjectKind aKind)
{
    return Add(CreateCFCObject(CFCSettingObjectClass(aKind)), String());
}

String TStyCFCSettingObjects::UniqueName(const String& BaseName) const
{
    for (Integer i = 0;; ++i) {
        const String name = BaseName + IntToStr(i);
        if (FList.IndexOf(name) < 0) return name;
    }
}

void TStyCFCSettingObjects::Insert(Integer Index, TPersistent* aObject, const String& aName)
{
    FList.InsertObject(Index, aName, aObject);
}

Integer TStyCFCSettingObjects::Remove(TPersistent* aObject)
{
    const Integer index = FList.IndexOfObject(aObject);
    if (index < 0) return -1;
    delete FList.Objects(index);
    FList.Delete(index);
    return index;
}

void TStyCFCSettingObjects::Clear()
{
    for (Integer i = FList.Count() - 1; i >= 0; --i) {
        delete FList.Objects(i);
        FList.Delete(i);
    }
    FList.Clear();
}

String TStyCFCSettingObjects::NameOfObject(const TPersistent* aObject) const
{
    const Integer index = FList.IndexOfObject(aObject);
    return index >= 0 ? FList[index] : String();
}

Integer TStyCFCSettingObjects::FindInstanceOf(TClass AClass, bool AExact, Integer AStartAt) const
{
    for (Integer i = std::max<Integer>(AStartAt, 0); i < FList.Count(); ++i) {
        const TObject* o = FList.Objects(i);
        if (!o) continue;
        if (AExact ? o->ClassType() == AClass : o->ClassType()->InheritsFrom(AClass)) return i;
    }
    return -1;
}

void TStyCFCSettingObjects::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStyCFCSettingObjects*>(Source);
    if (!s) {
        TComponent::Assign(Source);
        return;
    }
    if (s == this) return;
    Clear();
    for (Integer i = 0; i < s->Count(); ++i) {
        TPersistent* source = s->GetItem(i);
        TPersistent* copy = nullptr;
        if (source) {
            copy = CreateCFCObject(GetClass(source->ClassName()));
            if (copy) copy->Assign(source);
        }
        FList.AddObject(s->GetObjName(i), copy);
    }
}

void TStyCFCSettingObjects::DefineProperties(TFiler* Filer)
{
    TComponent::DefineProperties(Filer);
    Filer->DefineProperty(
        "Settings", [this](TReader* r) { ReadSettings(*r); }, [this](TWriter* w) { WriteSettings(*w); },
        FList.Count() > 0);
}

void TStyCFCSettingObjects::WriteSettings(TWriter& Writer)
{
    Writer.WriteListBegin();
    for (Integer i = 0; i < FList.Count(); ++i) {
        TPersistent* object = GetItem(i);
        if (!object) continue;
        Writer.WriteListBegin();
        Writer.WriteString(object->ClassName());
        Writer.WriteString(FList[i]);
        Writer.WriteListEnd();
        if (!GetPropList(object->ClassType()).empty()) {
            Writer.WriteListBegin();
            Writer.WriteProperties(object);
            Writer.WriteListEnd();
        }
    }
    Writer.WriteListEnd();
}

void TStyCFCSettingObjects::ReadSettings(TReader& Reader)
{
    Clear();
    Reader.ReadListBegin();
    while (!Reader.EndOfList()) {
        Reader.ReadListBegin();
        const String className = Reader.ReadString();
        const String name = Reader.ReadString();
        Reader.ReadListEnd();
        TClass cls = FindClass(className);
        std::unique_ptr<TPersistent> object(CreateCFCObject(cls));
        if (!object) throw EReadError("Invalid setting object class " + className);
        if (!GetPropList(cls).empty()) {
            Reader.ReadListBegin();
            while (!Reader.EndOfList()) Reader.ReadProperty(object.get());
            Reader.ReadListEnd();
        }
        FList.AddObject(name, object.release());
    }
    Reader.ReadListEnd();
}

void TStyCFCSettingObjects::SaveToStream(TStream& Stream) { WriteComponent(Stream, this); }

void TStyCFCSettingObjects::LoadFromStream(TStream& Stream) { ReadComponent(Stream, this); }

void TStyCFCSettingObjects::SaveToFile(const String& aFilename)
{
    TFileStream stream(aFilename, fmCreate);
    SaveToStream(stream);
}

void TStyCFCSettingObjects::LoadFromFile(const String& aFilename)
{
    TFileStream stream(aFilename, fmOpenRead);
    LoadFromStream(stream);
}
