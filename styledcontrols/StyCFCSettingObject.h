#pragma once
// The setting objects of a face controller: a named pool of appearance objects (fonts, 3D
// captions, fills, bitmap effects, bevels, colours, control flags, style names) that states refer
// to by name.  The nine classes are registered with the class registry, so that streams find
// them by name.
#include "foundation/StyObject.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/Lists.h"

enum TStyCFCSettingObjectKind : Byte { cfcUnknown, cfcFont, cfcFont3D, cfcFontFX, cfcFillObject, cfcBitmapEffect,
                                       cfcBevel, cfcColor, cfcCtlSettings, cfcStyle };

// The class a kind creates; null for cfcUnknown.
TClass CFCSettingObjectClass(TStyCFCSettingObjectKind Kind);
// An object of one of the nine classes, without owner; null for any other class.
TPersistent* CreateCFCObject(TClass Class);
// Registers the nine classes (done once, by the first pool made).
void RegisterCFCClasses();

class TStyColorObject : public TStyObject {
    DECLARE_CLASS(TStyColorObject, TStyObject)
public:
    explicit TStyColorObject(TPersistent* AOwner = nullptr) : TStyObject(AOwner) {}
    void Assign(TPersistent* Source) override;
    // "(clRed)", or the number for a colour without a name.
    String GetSetStr() const override;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

private:
    TColor FColor = clBtnFace;
};

class TStyCtlSettings : public TStyObject {
    DECLARE_CLASS(TStyCtlSettings, TStyObject)
public:
    explicit TStyCtlSettings(TPersistent* AOwner = nullptr) : TStyObject(AOwner) {}
    void Assign(TPersistent* Source) override;
    // "(Transp.: False, CtlXP: True)".
    String GetSetStr() const override;
    bool Transparent() const { return FTransparent; }
    bool CtlXP() const { return FCtlXP; }
    // Index 0 Transparent, 1 CtlXP.
    void SetFlag(Integer Index, bool Value);
    void SetTransparent(bool Value) { SetFlag(0, Value); }
    void SetCtlXP(bool Value) { SetFlag(1, Value); }

private:
    bool FTransparent = false;
    bool FCtlXP = true;
};

// The name of a style of the style manager, applied in a state.
class TStyStyleObject : public TStyObject {
    DECLARE_CLASS(TStyStyleObject, TStyObject)
public:
    explicit TStyStyleObject(TPersistent* AOwner = nullptr) : TStyObject(AOwner) {}
    void Assign(TPersistent* Source) override;
    String GetSetStr() const override { return "(" + FStyleName + ")"; }
    const String& StyleName() const { return FStyleName; }
    void SetStyleName(const String& Value);

private:
    String FStyleName;
};

class TStyCFCSettingObjects : public TComponent {
    DECLARE_CLASS(TStyCFCSettingObjects, TComponent)
public:
    explicit TStyCFCSettingObjects(TComponent* aOwner);
    ~TStyCFCSettingObjects() override;

    Integer Count() const { return FList.Count(); }
    TPersistent* GetItem(Integer Index) const { return static_cast<TPersistent*>(FList.Objects(Index)); }
    // The pool owns its objects: the one replaced is freed.
    void SetItem(Integer Index, TPersistent* Value);
    String GetObjName(Integer Index) const { return FList[Index]; }
    // Renames the entry, to UniqueName(Value) when another entry uses Value.
    void SetObjName(Integer Index, const String& Value);

    // -1 for nil; an empty name becomes UniqueName of the object's class name.
    Integer Add(TPersistent* aObject, const String& aName);
    Integer Add(TStyCFCSettingObjectKind aKind);
    // BaseName followed by the first of 0, 1, 2, ... that no entry uses.
    String UniqueName(const String& BaseName) const;
    void Insert(Integer Index, TPersistent* aObject, const String& aName);
    // Frees the object and drops its entry; its former index, -1 when not found.
    Integer Remove(TPersistent* aObject);
    void Clear();
    Integer IndexOf(const String& aName) const { return FList.IndexOf(aName); }
    Integer IndexOfObject(const TPersistent* aObject) const { return FList.IndexOfObject(aObject); }
    String NameOfObject(const TPersistent* aObject) const;
    Integer FindInstanceOf(TClass AClass, bool AExact = false, Integer AStartAt = 0) const;

    // A copy of each entry, made by class name, under the same name.
    void Assign(TPersistent* Source) override;
    // The whole pool as a component description ("Settings" holds the entries).
    void SaveToStream(TStream& Stream);
    void LoadFromStream(TStream& Stream);
    void SaveToFile(const String& aFilename);
    void LoadFromFile(const String& aFilename);

    void DefineProperties(TFiler* Filer) override;
    // The entries as a list value: per entry (class name, entry name), then its properties.
    void WriteSettings(TWriter& Writer);
    void ReadSettings(TReader& Reader);

private:
    TStringList FList;
};
