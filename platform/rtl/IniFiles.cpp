#include "platform/rtl/IniFiles.h"

#include <unordered_set>

#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/Streams.h"

namespace {

// The name of a section header line ("[name]", blanks allowed around).
bool IsSectionLine(const String& line, String& name)
{
    const String t = TrimLeft(line);
    if (t.IsEmpty() || t[1] != u'[')
        return false;
    int close = Pos("]", t);
    if (close == 0)
        return false;
    name = Trim(Copy(t, 2, close - 2));
    return true;
}

bool IsSectionLine(const String& line)
{
    String ignored;
    return IsSectionLine(line, ignored);
}

String StripQuotes(const String& value)
{
    const int n = value.Length();
    if (n >= 2 && value[1] == value[n] && (value[1] == u'"' || value[1] == u'\''))
        return Copy(value, 2, n - 2);
    return value;
}

// A line break inside a value would end the line and could start a section of
// its own: it is written as a blank.
String OneLine(const String& value)
{
    return StringReplace(StringReplace(value, "\r", " ", rfReplaceAll), "\n", " ", rfReplaceAll);
}

void SetLines(TIniLines& content, const String& text)
{
    TStringList list;
    list.SetText(text);
    content.Lines.clear();
    for (Integer i = 0; i < list.Count(); ++i)
        content.Lines.push_back(list[i]);
}

String JoinLines(const TIniLines& content)
{
    String text;
    for (const String& line : content.Lines)
        text += line + "\r\n";
    return text;
}

}  // namespace

bool IsValidUtf8(const std::string& bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 9;
        if (extra == 9 || (extra == 1 && c < 0xC2) || i + extra >= bytes.size())
            return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

// ---------------------------------------------------------------- TIniLines

int TIniLines::FindSection(const String& section) const
{
    String name;
    for (size_t i = 0; i < Lines.size(); ++i)
        if (IsSectionLine(Lines[i], name) && AnsiSameText(name, section))
            return static_cast<int>(i);
    return -1;
}

int TIniLines::SectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < static_cast<int>(Lines.size()) && !IsSectionLine(Lines[static_cast<size_t>(i)]))
        ++i;
    return i;
}

int TIniLines::FindKey(const String& section, const String& key) const
{
    int start = FindSection(section);
    if (start < 0 || Trim(key).IsEmpty())
        return -1;
    for (int i = start + 1, end = SectionEnd(start); i < end; ++i)
        if (AnsiSameText(KeyOf(Lines[static_cast<size_t>(i)]), Trim(key)))
            return i;
    return -1;
}

String TIniLines::KeyOf(const String& line)
{
    const String t = TrimLeft(line);
    if (t.IsEmpty() || t[1] == u';' || IsSectionLine(t))
        return String();
    int equals = Pos("=", t);
    return equals > 0 ? Trim(Copy(t, 1, equals - 1)) : String();
}

String TIniLines::ValueOf(const String& line)
{
    return Trim(Copy(line, Pos("=", line) + 1));
}

bool TIniLines::Write(const String& section, const String& key, const String& value)
{
    const String cleanKey = Trim(OneLine(key));
    if (cleanKey.IsEmpty())
        return false;
    const String cleanValue = OneLine(value);
    int keyLine = FindKey(section, cleanKey);
    if (keyLine >= 0) {
        String& line = Lines[static_cast<size_t>(keyLine)];
        const String newLine = KeyOf(line) + "=" + cleanValue;
        if (line == newLine)
            return false;
        line = newLine;
        return true;
    }
    const String newLine = cleanKey + "=" + cleanValue;
    int start = FindSection(section);
    if (start < 0) {
        if (!Lines.empty() && !Trim(Lines.back()).IsEmpty())
            Lines.push_back(String());
        Lines.push_back("[" + Trim(OneLine(section)) + "]");
        Lines.push_back(newLine);
        return true;
    }
    // After the section's last non-blank line, so a blank line before the
    // next section stays where it is.
    int at = SectionEnd(start);
    while (at > start + 1 && Trim(Lines[static_cast<size_t>(at - 1)]).IsEmpty())
        --at;
    Lines.insert(Lines.begin() + at, newLine);
    return true;
}

bool TIniLines::DeleteKey(const String& section, const String& key)
{
    int keyLine = FindKey(section, key);
    if (keyLine < 0)
        return false;
    Lines.erase(Lines.begin() + keyLine);
    return true;
}

bool TIniLines::EraseSection(const String& section)
{
    int start = FindSection(section);
    if (start < 0)
        return false;
    Lines.erase(Lines.begin() + start, Lines.begin() + SectionEnd(start));
    return true;
}

void TIniLines::KeysOf(const String& section, TStrings& keys) const { KeysAt(FindSection(section), keys); }

void TIniLines::KeysAt(int start, TStrings& keys) const
{
    keys.BeginUpdate();
    keys.Clear();
    if (start >= 0)
        for (int i = start + 1, end = SectionEnd(start); i < end; ++i) {
            const String key = KeyOf(Lines[static_cast<size_t>(i)]);
            if (!key.IsEmpty())
                keys.Add(key);
        }
    keys.EndUpdate();
}

void TIniLines::SectionNames(TStrings& sections) const
{
    TStringList names;   // each name once, as first written, letter case ignored
    std::unordered_set<std::u16string> seen;
    String name;
    for (const String& line : Lines)
        if (IsSectionLine(line, name) && seen.insert(std::u16string(AnsiUpperCase(name).u16())).second)
            names.Add(name);
    sections.Assign(names);
}

// ---------------------------------------------------------------- TCustomIniFile

void TCustomIniFile::ReadSectionValues(const String& section, TStrings& strings)
{
    TStringList keys;
    ReadSection(section, keys);
    strings.BeginUpdate();
    strings.Clear();
    for (Integer i = 0; i < keys.Count(); ++i)
        strings.Add(keys[i] + "=" + ReadString(section, keys[i], String()));
    strings.EndUpdate();
}

bool TCustomIniFile::SectionExists(const String& section)
{
    TStringList keys;
    ReadSection(section, keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& section, const String& ident)
{
    TStringList keys;
    ReadSection(section, keys);
    return keys.IndexOf(Trim(ident)) >= 0;
}

Integer TCustomIniFile::ReadInteger(const String& section, const String& ident, Integer defaultValue)
{
    String text = ReadString(section, ident, String());
    if (text.Length() > 2 && text[1] == u'0' && (text[2] == u'x' || text[2] == u'X'))
        text = "$" + Copy(text, 3);
    return StrToIntDef(text, defaultValue);
}

void TCustomIniFile::WriteInteger(const String& section, const String& ident, Integer value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const String& section, const String& ident, bool defaultValue)
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& section, const String& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadConverted(const String& section, const String& ident, double defaultValue,
                                     TTryConvert convert)
{
    const String text = ReadString(section, ident, String());
    double value = 0;
    return !text.IsEmpty() && convert(text, value, FormatSettings) ? value : defaultValue;
}

double TCustomIniFile::ReadFloat(const String& section, const String& ident, double defaultValue)
{
    return ReadConverted(section, ident, defaultValue, TryStrToFloat);
}

void TCustomIniFile::WriteFloat(const String& section, const String& ident, double value)
{
    WriteString(section, ident, FloatToStr(value));
}

TDateTime TCustomIniFile::ReadDate(const String& section, const String& ident, TDateTime defaultValue)
{
    return ReadConverted(section, ident, defaultValue, TryStrToDate);
}

void TCustomIniFile::WriteDate(const String& section, const String& ident, TDateTime value)
{
    WriteString(section, ident, DateToStr(value));
}

TDateTime TCustomIniFile::ReadTime(const String& section, const String& ident, TDateTime defaultValue)
{
    return ReadConverted(section, ident, defaultValue, TryStrToTime);
}

void TCustomIniFile::WriteTime(const String& section, const String& ident, TDateTime value)
{
    WriteString(section, ident, TimeToStr(value));
}

TDateTime TCustomIniFile::ReadDateTime(const String& section, const String& ident, TDateTime defaultValue)
{
    return ReadConverted(section, ident, defaultValue, TryStrToDateTime);
}

void TCustomIniFile::WriteDateTime(const String& section, const String& ident, TDateTime value)
{
    WriteString(section, ident, DateTimeToStr(value));
}

// ---------------------------------------------------------------- TIniFile

TIniLines TIniFile::Load() const
{
    TIniLines content;
    if (!FileExists(FFileName))
        return content;
    TMemoryStream bytes;
    bytes.LoadFromFile(FFileName);   // an unreadable file raises rather than be overwritten later
    std::string data(reinterpret_cast<const char*>(bytes.Memory()), static_cast<size_t>(bytes.Size()));
    SetLines(content, DecodeText(data, IsValidUtf8(data) ? TEncoding::UTF8 : TEncoding::Default));
    return content;
}

void TIniFile::Save(const TIniLines& content) const
{
    const std::string data = JoinLines(content).ToUtf8();
    try {
        TFileStream file(FFileName, fmCreate);
        file.WriteBuffer(data.data(), static_cast<Integer>(data.size()));
    } catch (const EStreamError&) {
        throw EIniFileException("Unable to write to " + FFileName);
    }
}

String TIniFile::ReadString(const String& section, const String& ident, const String& defaultValue)
{
    const TIniLines content = Load();
    int line = content.FindKey(section, ident);
    return line >= 0 ? StripQuotes(TIniLines::ValueOf(content.Lines[static_cast<size_t>(line)])) : defaultValue;
}

void TIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    TIniLines content = Load();
    if (content.Write(section, ident, value))
        Save(content);
}

void TIniFile::ReadSection(const String& section, TStrings& strings)
{
    Load().KeysOf(section, strings);
}

void TIniFile::ReadSections(TStrings& strings)
{
    Load().SectionNames(strings);
}

void TIniFile::EraseSection(const String& section)
{
    TIniLines content = Load();
    if (content.EraseSection(section))
        Save(content);
}

void TIniFile::DeleteKey(const String& section, const String& ident)
{
    TIniLines content = Load();
    if (content.DeleteKey(section, ident))
        Save(content);
}

// ---------------------------------------------------------------- TMemIniFile

TMemIniFile::TMemIniFile(const String& fileName, TEncoding encoding, TIniValues values)
    : TCustomIniFile(fileName), FEncoding(encoding), FValues(values)
{
    LoadValues();
}

void TMemIniFile::LoadValues()
{
    FContent.Lines.clear();
    FIndex.reset();
    if (!FileExists(FFileName))
        return;
    TMemoryStream bytes;
    bytes.LoadFromFile(FFileName);
    const std::string data(reinterpret_cast<const char*>(bytes.Memory()), static_cast<size_t>(bytes.Size()));
    // A file that carries a byte-order mark is written back in the encoding it names.
    FEncoding = EncodingOfMark(data, FEncoding);
    SetLines(FContent, DecodeText(data, FEncoding));
}

const TMemIniFile::TLineIndex& TMemIniFile::Index()
{
    if (FIndex) return *FIndex;
    TLineIndex& index = FIndex.emplace();
    String name;
    std::u16string prefix;
    bool first = false;   // the keys of the first section of a name only, as the lookups find them
    for (size_t i = 0; i < FContent.Lines.size(); ++i) {
        const String& line = FContent.Lines[i];
        if (IsSectionLine(line, name)) {
            const std::u16string upper(AnsiUpperCase(name).u16());
            first = index.Sections.emplace(upper, static_cast<int>(i)).second;
            prefix = upper + u'\n';
        } else if (const String key = TIniLines::KeyOf(line); first && !key.IsEmpty()) {
            index.Keys.emplace(prefix + std::u16string(AnsiUpperCase(key).u16()), static_cast<int>(i));
        }
    }
    return index;
}

String TMemIniFile::ReadString(const String& section, const String& ident, const String& defaultValue)
{
    const TLineIndex& index = Index();
    const auto found = index.Keys.find(std::u16string(AnsiUpperCase(section).u16()) + u'\n' +
                                       std::u16string(AnsiUpperCase(Trim(ident)).u16()));
    if (found == index.Keys.end())
        return defaultValue;
    const String& text = FContent.Lines[static_cast<size_t>(found->second)];
    return FValues == TIniValues::AsWritten ? Copy(text, Pos("=", text) + 1) : StripQuotes(TIniLines::ValueOf(text));
}

void TMemIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    FContent.Write(section, ident, value);
    FIndex.reset();
}

void TMemIniFile::ReadSection(const String& section, TStrings& strings)
{
    const TLineIndex& index = Index();
    const auto found = index.Sections.find(std::u16string(AnsiUpperCase(section).u16()));
    FContent.KeysAt(found == index.Sections.end() ? -1 : found->second, strings);
}

void TMemIniFile::ReadSections(TStrings& strings) { FContent.SectionNames(strings); }

void TMemIniFile::EraseSection(const String& section)
{
    FContent.EraseSection(section);
    FIndex.reset();
}

void TMemIniFile::DeleteKey(const String& section, const String& ident)
{
    FContent.DeleteKey(section, ident);
    FIndex.reset();
}

void TMemIniFile::UpdateFile()
{
    TStringList list;
    GetStrings(list);
    list.SaveToFile(FFileName, FEncoding);
}

void TMemIniFile::GetStrings(TStrings& strings) const
{
    strings.BeginUpdate();
    strings.Clear();
    for (const String& line : FContent.Lines)
        strings.Add(line);
    strings.EndUpdate();
}

void TMemIniFile::SetStrings(const TStrings& strings)
{
    FContent.Lines.clear();
    FIndex.reset();
    for (Integer i = 0; i < strings.Count(); ++i)
        FContent.Lines.push_back(strings[i]);
}

void TMemIniFile::Rename(const String& fileName, bool reload)
{
    FFileName = fileName;
    if (reload)
        LoadValues();
}
