#pragma once
// The style manager: named styles (sets of property values for controls and value objects) kept
// as ini text, applied to a component by setting its published properties by path and type.
//
// Style text: a section per style.  "(Default)" is the root; "A|B" inherits from "A", any other
// style from "(Default)".  "Style.TClassName" holds values for controls of that class (or a
// descendant) when "Style" is applied.  Names holding ".focused", ".hot", ".pressed",
// ".modified", ".readonly", ".wrongdata" or ".disabled" are state styles.  A key is a property
// path, ":" and the property's type name ("Font.Color:TColor"); "_StyleKind:Integer" is never
// applied.
#include <memory>

#include "foundation/StyBaseController.h"
#include "foundation/StyIniCtrl.h"

class TStyStyleManager : public TStyBaseController {
    DECLARE_CLASS(TStyStyleManager, TStyBaseController)
public:
    explicit TStyStyleManager(TComponent* AOwner);
    ~TStyStyleManager() override;

    // Skipped while loading; otherwise the style names are rebuilt, then the links told.
    void Change() override;
    void Loaded() override;

    void GetStyleNames(TStrings& SL);
    // The keys of the style.
    void GetProperties(const String& AStyleName, TStrings& APropNames);
    // The names of the styles that are not state styles, sorted.
    const TStringList& StyleNames() const { return FStyleNames; }
    static bool IsStateStyle(const String& AStyleName);
    // Not empty, not ".", no "|".
    static bool IsValidStyleName(const String& AStyleName);

    void WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName, Integer AValue);
    void WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName, double AValue);
    void WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                        const String& AValue);
    // As a block of hexadecimal digits.
    void WritePropValue(const String& AStyleName, const String& APropName, const String& ATypeName, TStream& AValue);
    void ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName, Integer& AValue);
    void ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName, double& AValue);
    void ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName,
                       TMemoryStream& AValue);
    void ReadPropValue(const String& AStyleName, const String& APropName, const String& ATypeName, String& AValue);
    bool PropValueExists(const String& AStyleName, const String& APropName, const String& ATypeName);
    void EraseProperty(const String& AStyleName, const String& APropName, const String& ATypeName);
    // Every section but "(Default)" whose name starts with the name: class variants, state
    // variants and children go with it.
    void EraseStyle(const String& AStyleName);
    void RenameStyle(const String& AOldName, const String& ANewName);
    void Clear();

    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream);
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName);

    // Applies the style AStyleNameQualifier (with its inheritance, class variant and the state
    // style, when cascading) to the component's published properties.
    void ApplyStyle(TComponent* AComponent, const String& AStyleNameQualifier, bool ACascadeStyles,
                    const String& AStateStyleName);

    void DefineProperties(TFiler* Filer) override;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    String Key(const String& APropName, const String& ATypeName) const { return APropName + ":" + ATypeName; }
    void WriteRaw(const String& AStyleName, const String& AKey, const String& AValue);
    String ChooseStyle(TComponent* AComponent, const String& Q) const;
    void MergeStyle(const String& AName);
    void ApplyValues(TObject* AObject, const TStrings& Values);
    void ApplyValue(TObject* AObject, const String& AKey, const String& AValue);

    TStringList FStyleNames;
    std::unique_ptr<TStyIniCtrl> FStyles;
    TStringList FUsesList;
    TStringList FValues;
};

// Bytes as upper-case hexadecimal digits, and back (false for an odd or non-hex text).
String StreamToHex(TStream& Stream);
bool HexToStream(const String& Text, TStream& Stream);
