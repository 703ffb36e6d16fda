#pragma once
// Ini files with the private-profile rules: section and key names compared
// without regard to letter case, the first matching section and key win,
// quotes around a whole value are stripped on read, and every other line
// (comments, foreign lines, duplicates, blank lines) is written back as it
// was.  TIniFile reads the file for every call and writes every change
// through; TMemIniFile works on its copy in memory until UpdateFile.
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtl/Lists.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// True when the bytes read as UTF-8 (ASCII included).
bool IsValidUtf8(const std::string& bytes);

// The lines of one ini file and the lookups on them.
class TIniLines {
public:
    std::vector<String> Lines;

    // Index of the header line of the first section of that name, -1 when none.
    int FindSection(const String& section) const;
    // Index of the first line of that key in the section, -1 when none.
    int FindKey(const String& section, const String& key) const;
    // One past the last line of the section that starts at sectionLine.
    int SectionEnd(int sectionLine) const;
    // The key of a key line, empty for any other line.
    static String KeyOf(const String& line);
    static String ValueOf(const String& line);   // trimmed, quotes not yet stripped

    bool Write(const String& section, const String& key, const String& value);   // true when changed
    bool DeleteKey(const String& section, const String& key);
    bool EraseSection(const String& section);
    void KeysOf(const String& section, TStrings& keys) const;
    void KeysAt(int sectionLine, TStrings& keys) const;   // of the section that starts there; none for -1
    void SectionNames(TStrings& sections) const;
};

struct TFormatSettings;

class TCustomIniFile {
public:
    explicit TCustomIniFile(const String& fileName) : FFileName(fileName) {}
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;
    virtual ~TCustomIniFile() = default;

    const String& FileName() const { return FFileName; }

    virtual String ReadString(const String& section, const String& ident, const String& defaultValue) = 0;
    virtual void WriteString(const String& section, const String& ident, const String& value) = 0;
    // Key names of the section; sections with their names as stored, each once.
    virtual void ReadSection(const String& section, TStrings& strings) = 0;
    virtual void ReadSections(TStrings& strings) = 0;
    virtual void EraseSection(const String& section) = 0;
    virtual void DeleteKey(const String& section, const String& ident) = 0;
    virtual void UpdateFile() = 0;

    // "name=value" for every key of the section.
    void ReadSectionValues(const String& section, TStrings& strings);
    // A section exists when it holds at least one key.
    bool SectionExists(const String& section);
    bool ValueExists(const String& section, const String& ident);

    // Integers in decimal ("0x" and "$" hexadecimal read too); a value that is
    // no integer gives the default.  Booleans are "1" and "0".
    Integer ReadInteger(const String& section, const String& ident, Integer defaultValue);
    void WriteInteger(const String& section, const String& ident, Integer value);
    bool ReadBool(const String& section, const String& ident, bool defaultValue);
    void WriteBool(const String& section, const String& ident, bool value);

    // Floats, dates and times as the texts of the process-wide FormatSettings
    // (FloatToStr, DateToStr, TimeToStr, DateTimeToStr); a text that does not
    // read back gives the default.
    double ReadFloat(const String& section, const String& ident, double defaultValue);
    void WriteFloat(const String& section, const String& ident, double value);
    TDateTime ReadDate(const String& section, const String& ident, TDateTime defaultValue);
    void WriteDate(const String& section, const String& ident, TDateTime value);
    TDateTime ReadTime(const String& section, const String& ident, TDateTime defaultValue);
    void WriteTime(const String& section, const String& ident, TDateTime value);
    TDateTime ReadDateTime(const String& section, const String& ident, TDateTime defaultValue);
    void WriteDateTime(const String& section, const String& ident, TDateTime value);

protected:
    String FFileName;

private:
    using TTryConvert = bool (*)(const String&, double&, const TFormatSettings&);
    double ReadConverted(const String& section, const String& ident, double defaultValue, TTryConvert convert);
};

// Every call reads the file; every change writes it back at once (UTF-8; a
// file that is not UTF-8 is read as Windows-1252).  A file that cannot be
// written raises EIniFileException "Unable to write to <file name>".
class TIniFile : public TCustomIniFile {
public:
    using TCustomIniFile::TCustomIniFile;

    String ReadString(const String& section, const String& ident, const String& defaultValue) override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    void ReadSection(const String& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    void UpdateFile() override {}   // every change is already written

private:
    TIniLines Load() const;
    void Save(const TIniLines& content) const;
};

// Reads the file (when it exists) once, in the given encoding; a file with a
// byte-order mark is read, and written back, in the encoding the mark names.
// UpdateFile writes the content to the file.
// How a TMemIniFile reads values back: Trimmed by the private-profile rule (blanks around the
// value go, and a pair of matching quotes around it), or AsWritten: the text after the "=".
enum class TIniValues { Trimmed, AsWritten };

class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(const String& fileName, TEncoding encoding = TEncoding::Default,
                         TIniValues values = TIniValues::Trimmed);

    String ReadString(const String& section, const String& ident, const String& defaultValue) override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    void ReadSection(const String& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    void UpdateFile() override;

    void Clear()
    {
        FContent.Lines.clear();
        FIndex.reset();
    }
    // The whole content as lines, and its replacement.
    void GetStrings(TStrings& strings) const;
    void SetStrings(const TStrings& strings);
    // Takes another file name; with reload, its content replaces the current one.
    void Rename(const String& fileName, bool reload);
    TEncoding Encoding() const { return FEncoding; }

private:
    void LoadValues();
    // The first header line of each section and the first line of each key of that section, by
    // their names in capitals (keys as "SECTION\nKEY"): reads look lines up in it instead of
    // scanning them, so that reading a file key by key takes a time in proportion to its size.
    // Any change drops it.
    struct TLineIndex {
        std::unordered_map<std::u16string, int> Sections, Keys;
    };
    const TLineIndex& Index();

    TIniLines FContent;
    TEncoding FEncoding;
    TIniValues FValues;
    std::optional<TLineIndex> FIndex;
};
