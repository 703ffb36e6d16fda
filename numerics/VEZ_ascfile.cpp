#include "numerics/VEZ_ascfile.h"

#include "numerics/VEZ_filesys.h"
#include "numerics/VEZ_stringl.h"
#include "numerics/VEZ_xmlframe.h"
#include "platform/rtl/Exceptions.h"

void WriteASCHeader(TTextFileWriter& f, const String& comment, Integer columns, Integer rows)
{
    f.WriteLine(ToAnsi(ReplaceChar(comment, u'\n', u' ')));
    f.WriteLine(std::to_string(columns) + "\t;nr. of columns");
    f.WriteLine(std::to_string(rows) + "\t;nr. of rows");
    f.WriteLine("FALSE FALSE FALSE FALSE\t;row attributes, column names, row names, nominal variables");
}

void WriteASCCustomData(TTextFileWriter& f, const TStr2DArray& CustData)
{
    if (CustData.Length() < 2 || CustData[0].Length() == 0) return;
    f.WriteLine("<CUSTDATA>");
    for (int i = 0; i < CustData[0].Length(); ++i) {
        const std::string key = ToAnsi(CustData[0][i]);
        const String value = i < CustData[1].Length() ? CustData[1][i] : String();
        f.WriteLine("<" + key + ">" + ToAnsi(XMLEncodeText(value)) + "</" + key + ">");
    }
    f.WriteLine("</CUSTDATA>");
}

Integer WriteASCFile(const String& FName, const String& comment, Integer columns, Integer rows,
                     const std::function<std::string(Integer row)>& rowText, const TStr2DArray* CustData)
{
    try {
        TTextFileWriter f(FName);
        WriteASCHeader(f, comment, columns, rows);
        for (Integer r = 1; r <= rows; ++r) f.WriteLine(rowText(r));
        Integer code = 0;
        if (CustData && CustData->Length() > 0) {
            if (CustData->Length() != 2)
                code = -2;
            else
                WriteASCCustomData(f, *CustData);
        }
        f.Close();
        return code;
    } catch (const EInOutError& e) {
        if (e.ErrorCode == 2) return -1;
        throw;
    }
}

// Reads one name of the names line or of a row with the token scanner; the name
// itself is not kept.
static void SkipName(TTextScanner& in)
{
    String token;
    Byte state = 0;
    char ch;
    while (in.NextChar(ch))
        if (NextTokenState(static_cast<char16_t>(static_cast<unsigned char>(ch)), u'"', token, state)) return;
}

static std::string LowerAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

static void ReadCustomData(TTextScanner& in, TStr2DArray& CustData)
{
    DynArray<String> keys, values;
    std::string line;
    bool found = false;
    while (!found && in.NextLine(line)) found = LowerAscii(line).find("<custdata>") != std::string::npos;
    std::vector<std::pair<String, String>> entries;
    while (found && in.NextLine(line)) {
        const std::string lower = LowerAscii(line);
        if (lower.find("</custdata>") != std::string::npos) break;
        const size_t open = line.find('<');
        const size_t close = line.find('>');
        if (open == std::string::npos || close == std::string::npos || close < open) continue;
        const std::string key = LowerAscii(line.substr(open + 1, close - open - 1));
        const size_t end = lower.find("</" + key + ">", close + 1);
        if (end == std::string::npos) continue;
        entries.emplace_back(FromAnsi(key), FromAnsi(line.substr(close + 1, end - close - 1)));
    }
    CustData.SetLength(2);
    CustData[0].SetLength(static_cast<int>(entries.size()));
    CustData[1].SetLength(static_cast<int>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        CustData[0][static_cast<int>(i)] = entries[i].first;
        CustData[1][static_cast<int>(i)] = entries[i].second;
    }
}

Integer ImportASCFile(const String& FName, String& Comment, const TASCTarget& target, TStr2DArray* CustData)
{
    if (!FileExistsNative(FName)) return -8;
    Integer columns = 0, rows = 0;
    bool rowAttributes = false, columnNames = false, rowNames = false, nominal = false;
    Integer code = ReadASCHeader(FName, Comment, columns, rows, rowAttributes, columnNames, rowNames, nominal);
    if (code != 0) return code;
    if (target.MaxColumns > 0 && columns > target.MaxColumns) return -7;
    std::string bytes;
    if (!ReadFileBytes(FName, bytes)) return -8;
    TTextScanner in(std::move(bytes));
    std::string line;
    for (int i = 0; i < 4; ++i) in.NextLine(line);
    // Every value takes at least one character and a separator.
    const Int64 values = Int64(columns) * rows;
    if (!FitsInBytes(values, 2, static_cast<Int64>(in.Remaining()) + 1)) return -2;

    if (CustData) CustData->SetLength(0);
    target.Resize(columns, rows);
    if (columnNames)
        for (Integer c = 0; c < columns; ++c) SkipName(in);
    Integer rowsBegun = 0;
    std::string word;
    for (Integer r = 1; r <= rows && code == 0; ++r) {
        rowsBegun = r;
        double value = 0;
        if (rowAttributes && !(in.NextWord(word) && ParseFloatText(word, value))) {
            code = -5;
            break;
        }
        if (rowNames) SkipName(in);
        for (Integer c = 1; c <= columns; ++c) {
            in.NextWord(word);
            if (word == "NAN" || word == "###") {
                value = 0;
            } else if (!ParseFloatText(word, value)) {
                code = -6;
                break;
            }
            target.Store(c, r, value);
        }
    }
    target.Finish(columns, rowsBegun);
    if (code == 0 && CustData) ReadCustomData(in, *CustData);
    return code;
}
