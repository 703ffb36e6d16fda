#pragma once
// The settings component: named values in sections of an ini file, the registry store, an ini
// file held in memory or an XML document, chosen by Target.  Every read takes a default returned
// when the value is absent.  Section names can be made per user, string values can be encoded,
// and typed values (integers, Booleans, floats, dates, colours, fonts, rectangles, points, string
// lists, published properties of an object) are stored as text or native values.
#include <memory>

#include "foundation/StyCustomComponent.h"
#include "foundation/StyProcs.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Registry.h"
#include "platform/services/XMLDoc.h"

class TStyIniCtrl;

enum TStyIniTarget { itIniFile, itRegistry, itAuto, itMemIniFile, itXml };
enum TStyRegRootKey { rpClassesRoot, rpCurrentUser, rpLocalMachine, rpUsers, rpCurrentConfig, rpDynData };
enum TStyIniCryptMode { icmKey, icmTextKey, icmCustom };
const TEnumTypeInfo& TypeInfoOf(TStyIniTarget);
const TEnumTypeInfo& TypeInfoOf(TStyRegRootKey);
const TEnumTypeInfo& TypeInfoOf(TStyIniCryptMode);
const TEnumTypeInfo& TypeInfoOf(TStyPathPrefix);

using TStyIniCryptEvent = TEvent<TObject*, String&>;
using TStyIniCtrlGetXmlRoot = TEvent<TObject*, String&>;

// The registry key of one operation: read-only (KEY_READ) or with all access, making the
// missing keys.
class TStyRegIniFile : public TRegistryIniFile {
public:
    TStyRegIniFile(HKEY root, const String& keyPath, bool readOnly)
        : TRegistryIniFile(root, keyPath, readOnly), FStyFileName(keyPath) {}

private:
    String FStyFileName;
};

// The in-memory ini file of the memory target.
class TStyMemIniFile : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;
    ~TStyMemIniFile() override { Clear(); }   // nothing is written on the way out

    void LoadFromStream(TStream& AValue);
    // Cuts every line at ARemToken (a comment mark) and trims names, and values when asked.
    void Normalize(const String& ARemToken, bool TrimValue);
    // The first section of that name (letter case ignored) takes the new name in place.
    void RenameSection(const String& AOldName, const String& ANewName);
};

class TStyIniCtrl : public TStyCustomComponent {
    DECLARE_CLASS(TStyIniCtrl, TStyCustomComponent)
public:
    explicit TStyIniCtrl(TComponent* AOwner);
    ~TStyIniCtrl() override;

    // ---- published
    bool AlphaCounter() const { return FAlphaCounter; }
    void SetAlphaCounter(bool Value);   // lowers MaxEntries above 26 to 26
    bool Common() const { return FCommon; }
    void SetCommon(bool Value) { FCommon = Value; }
    const String& IniFile() const { return FIniFile; }
    void SetIniFile(const String& Value);   // a blank extension becomes ".ini"
    bool MemIniUtf8() const { return FMemIniUtf8; }
    void SetMemIniUtf8(bool Value);
    TStyPathPrefix IniPrefix() const { return FIniPrefix; }
    void SetIniPrefix(TStyPathPrefix Value) { FIniPrefix = Value; }
    Byte MaxEntries() const { return FMaxEntries; }
    void SetMaxEntries(Byte Value);   // at most 26 with AlphaCounter
    bool NetUser() const { return FNetUser; }
    void SetNetUser(bool Value);      // set: User becomes the logged-on user's name
    const String& User() const { return FUser; }
    void SetUser(const String& Value) { FUser = Value; }
    const String& RegPath() const { return FRegPath; }
    void SetRegPath(const String& Value) { FRegPath = Value; }
    TStyRegRootKey RegRoot() const { return FRootKey; }
    void SetRegRoot(TStyRegRootKey Value) { FRootKey = Value; }
    const String& XmlFile() const { return FXmlFile; }
    void SetXmlFile(const String& Value);   // a blank extension becomes ".xml"
    TStyIniTarget Target() const { return FHTarget; }
    void SetTarget(TStyIniTarget Value);    // itAuto works on the registry
    Word EncKey() const { return FKey; }
    void SetEncKey(Word Value) { FKey = Value; }
    bool Encoded() const { return FCoded; }
    void SetEncoded(bool Value) { FCoded = Value; }
    TStyIniCryptMode CryptMode() const { return FCryptMode; }
    void SetCryptMode(TStyIniCryptMode Value) { FCryptMode = Value; }
    TStyIniCryptEvent OnEncodeString;
    TStyIniCryptEvent OnDecodeString;
    TStyIniCtrlGetXmlRoot OnGetXmlRootName;

    // ---- public
    TStyMemIniFile* MemIniFile() const { return FMemIniFile.get(); }
    TXMLDocument* Xml() const { return FXml.get(); }
    // The last resolved section name; writing resolves a name and makes it the last one.
    const String& Section() const { return FLastSection; }
    void SetSection(const String& Value) { GetSectionName(Value); }
    // The working target (never itAuto).
    TStyIniTarget WorkingTarget() const { return FTarget; }

    virtual String GetNetUserName();
    virtual String EncodeString(const String& Value);
    virtual String DecodeString(const String& Value);
    virtual String GetXmlRootName();

    String GetIniName() const;
    String GetRegPath() const;
    String GetXmlName() const;
    // A blank name gives the last one (or "Common"); the registry takes names as given ("#ROOT"
    // is the key itself); files and XML prefix "<user>." unless Common.
    String GetSectionName(const String& aValue);

    String ReadString(const String& Section, const String& Ident, const String& ADefault);
    void WriteString(const String& Section, const String& Ident, const String& Value);
    Integer ReadInteger(const String& Section, const String& Ident, Integer ADefault);
    void WriteInteger(const String& Section, const String& Ident, Integer Value);
    bool ReadBool(const String& Section, const String& Ident, bool ADefault);
    void WriteBool(const String& Section, const String& Ident, bool Value);
    void ReadSection(const String& Section, TStrings& Strings);
    void ReadSections(TStrings& Strings);
    void ReadSectionValues(const String& Section, TStrings& Strings);
    void EraseSection(const String& Section);
    void DeleteKey(const String& Section, const String& Ident);
    bool SectionExists(const String& Section);
    bool ValueExists(const String& Section, const String& Ident);

    TDateTime ReadDate(const String& Section, const String& Ident, TDateTime ADefault);
    void WriteDate(const String& Section, const String& Ident, TDateTime Value);
    TDateTime ReadDateTime(const String& Section, const String& Ident, TDateTime ADefault);
    void WriteDateTime(const String& Section, const String& Ident, TDateTime Value);
    TDateTime ReadTime(const String& Section, const String& Ident, TDateTime ADefault);
    void WriteTime(const String& Section, const String& Ident, TDateTime Value);
    Extended ReadFloat(const String& Section, const String& Ident, Extended ADefault);
    void WriteFloat(const String& Section, const String& Ident, Extended Value);
    TColor ReadColor(const String& Section, const String& Ident, TColor ADefault);
    void WriteColor(const String& Section, const String& Ident, TColor Value);
    bool ReadFont(const String& Section, const String& Ident, TFont& Font);
    void WriteFont(const String& Section, const String& Ident, const TFont& Font);
    TPoint ReadPoint(const String& Section, const String& Ident, const TPoint& ADefault);
    void WritePoint(const String& Section, const String& Ident, const TPoint& Value);
    TRect ReadRect(const String& Section, const String& Ident, const TRect& ADefault);
    void WriteRect(const String& Section, const String& Ident, const TRect& Value);

    // Lists as keys IdentPrefix + 0, 1, ... (A, B, ... with AlphaCounter) of an erased section;
    // reading stops at the first empty or missing entry.  The plain forms take MaxEntries.
    void WriteStringsExt(const String& Section, const String& IdentPrefix, Integer Count, const TStrings& Strings);
    void WriteStrings(const String& Section, const String& IdentPrefix, const TStrings& Strings);
    void ReadStringsExt(const String& Section, const String& IdentPrefix, Integer Count, TStrings& Strings);
    void ReadStrings(const String& Section, const String& IdentPrefix, TStrings& Strings);
    // "Name=Value" lines, stored as they are (never encoded).
    void ReadColorList(const String& Section, TStrings& Strings);
    void WriteColorList(const String& Section, const TStrings& Strings);
    // The published properties of an object: ordinals, floats and strings, one key each.
    void ReadObject(const String& Section, TObject* aValue);
    void WriteObject(const String& Section, TObject* aValue);

    // Memory and XML targets: write the file, re-read it, empty the content.
    void Save();
    void Load();
    void Clear();

private:
    // The store of one ini-file or registry operation, or the memory ini file.
    class TStoreAccess;
    TStoreAccess OpenStore(bool ForWriting);
    void RecreateStores();
    void NewXml();
    TXMLNode XmlRoot();
    TXMLNode XmlSection(const String& Section, bool Create);
    TXMLNode XmlKey(const String& Section, const String& Ident, bool Create);
    void WriteRaw(const String& Section, const String& Ident, const String& Value);
    String Counter(Integer Index) const;

    bool FCommon = true;
    bool FNetUser = false;
    String FIniFile;
    String FLastSection;
    String FUser;
    TStyPathPrefix FIniPrefix = ppWindows;
    std::unique_ptr<TStyMemIniFile> FMemIniFile;
    bool FMemIniUtf8 = false;
    TStyRegRootKey FRootKey = rpCurrentUser;
    String FRegPath;
    String FXmlFile;
    std::unique_ptr<TXMLDocument> FXml;
    bool FAlphaCounter = false;
    Byte FMaxEntries = 16;
    TStyIniTarget FTarget = itRegistry;
    TStyIniTarget FHTarget = itAuto;
    Word FKey = 47193;
    bool FCoded = false;
    TStyIniCryptMode FCryptMode = icmKey;
};
