#include "numerics/VEZ_filecore.h"

#include <cctype>
#include <cmath>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_stringl.h"
#include "platform/rtl/Exceptions.h"

Int64 FileBlockCount(Integer loR, Integer hiR, Integer loC, Integer hiC)
{
    const Int64 rows = Int64(hiR) - loR + 1, cols = Int64(hiC) - loC + 1;
    if (rows < 1 || cols < 1 || rows > MaxFileElements || cols > MaxFileElements) return -1;
    return rows * cols;
}

bool FitsInBytes(Int64 count, Int64 elemSize, Int64 remaining)
{
    return count >= 0 && count <= MaxFileElements && count * elemSize <= remaining;
}

bool ShapeFits(Int64 cols, Int64 rows, Int64 layers)
{
    auto place = [](Int64 n) { return n < 1 ? Int64(1) : n; };
    return place(cols) <= MaxFileElements && place(rows) <= MaxFileElements && place(layers) <= MaxFileElements &&
           place(cols) * place(rows) * place(layers) <= MaxFileElements;
}

std::string NativeFileName(const String& fileName)
{
    return fileName.ToUtf8();
}

bool FileExistsNative(const String& fileName)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(NativeFileName(fileName), ec);
}

bool ReadFileBytes(const String& fileName, std::string& bytes)
{
    std::ifstream in(NativeFileName(fileName), std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

static bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool TTextScanner::NextWord(std::string& word)
{
    word.clear();
    while (FPos < FText.size() && IsSpace(FText[FPos])) ++FPos;
    if (FPos >= FText.size()) return false;
    while (FPos < FText.size() && !IsSpace(FText[FPos])) word += FText[FPos++];
    return true;
}

bool TTextScanner::NextLine(std::string& line)
{
    line.clear();
    if (FPos >= FText.size()) return false;
    while (FPos < FText.size() && FText[FPos] != '\r' && FText[FPos] != '\n') line += FText[FPos++];
    if (FPos < FText.size() && FText[FPos] == '\r') ++FPos;
    if (FPos < FText.size() && FText[FPos] == '\n') ++FPos;
    return true;
}

bool TTextScanner::NextChar(char& ch)
{
    if (FPos >= FText.size()) return false;
    ch = FText[FPos++];
    return true;
}

bool TTextScanner::OnlyBlanksLeft() const
{
    for (size_t i = FPos; i < FText.size(); ++i)
        if (!IsSpace(FText[i])) return false;
    return true;
}

bool ParseFloatText(const std::string& word, double& value)
{
    const size_t start = !word.empty() && word[0] == '+' ? 1 : 0;
    const char* first = word.data() + start;
    const char* last = word.data() + word.size();
    const char* digits = first < last && *first == '-' ? first + 1 : first;
    // Only plain decimal numbers: no infinities, NaNs or hexadecimal forms.
    if (digits >= last || !(std::isdigit(static_cast<unsigned char>(*digits)) || *digits == '.')) return false;
    double v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last) return false;
    value = v;
    return true;
}

bool ParseIntText(const std::string& word, Integer& value)
{
    if (word.empty()) return false;
    size_t start = word[0] == '+' ? 1 : 0;
    const char* first = word.data() + start;
    const char* last = word.data() + word.size();
    if (first == last || (start == 1 && *first == '-')) return false;
    Integer v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last) return false;
    value = v;
    return true;
}

Integer RoundToInteger(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return static_cast<Integer>(std::nearbyint(value));
}

std::string ShortestFloatText(double value)
{
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, ec == std::errc() ? ptr : buf);
    // Exponent as the runtime writes it: upper-case E, no "+" and no leading zeros.
    const size_t e = text.find('e');
    if (e == std::string::npos) {
        if (text == "inf") return "INF";
        if (text == "-inf") return "-INF";
        if (text == "nan" || text == "-nan") return "NAN";
        return text;
    }
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (exponent[0] == '-') sign = "-";
        exponent.erase(0, 1);
    }
    while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
    return mantissa + "E" + sign + exponent;
}

TTextFileWriter::TTextFileWriter(const String& fileName) : FName(fileName)
{
    FFile.open(NativeFileName(fileName), std::ios::binary | std::ios::trunc);
    if (!FFile) throw EInOutError("Cannot create file \"" + fileName + "\"", 2);
}

void TTextFileWriter::Write(const std::string& text)
{
    FFile.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!FFile) throw EInOutError("Disk write error", 101);
}

void TTextFileWriter::WriteLine(const std::string& text)
{
    Write(text + "\r\n");
}

void TTextFileWriter::Close()
{
    FFile.close();
    if (FFile.fail()) throw EInOutError("Disk write error", 101);
}

std::string ToAnsi(const String& text)
{
    return Utf16ToCp1252(text.u16());
}

String FromAnsi(const std::string& bytes)
{
    return String(Cp1252ToUtf16(bytes));
}

TElementCRC::TElementCRC(int elementSize) : FSize(elementSize)
{
    for (Cardinal& r : FRegisters) r = 0xFFFFFFFFu;
}

void TElementCRC::Add(const void* element)
{
    const auto* bytes = static_cast<const unsigned char*>(element);
    for (int k = 0; k < FSize; ++k) FRegisters[k] = CRC32Update(bytes[k], FRegisters[k]);
}

String TElementCRC::Text() const
{
    String text;
    for (int k = 0; k < FSize; ++k) text += HexText(~FRegisters[k], 8);
    return text;
}

bool WriteTextLinesFile(const String& fileName, const std::vector<std::string>& head, Integer firstRow,
                        Integer lastRow, const std::function<std::string(Integer row)>& rowText)
{
    try {
        TTextFileWriter f(fileName);
        try {
            for (const std::string& line : head) f.WriteLine(line);
            for (Integer r = firstRow; r <= lastRow; ++r) f.WriteLine(rowText(r));
            f.Close();
        } catch (const Exception&) {
        }
    } catch (const Exception&) {
        return false;
    }
    return true;
}

bool ReadVectorTextFile(const String& fileName, const std::function<bool(Integer last)>& fits,
                        const std::function<void(Integer elem, double value)>& store, bool& filled)
{
    std::string bytes;
    if (!ReadFileBytes(fileName, bytes)) return false;
    TTextScanner in(std::move(bytes));
    std::string word;
    Integer first = 0, last = 0;
    if (!(in.NextWord(word) && ParseIntText(word, first) && in.NextWord(word) && ParseIntText(word, last)))
        return false;
    // Every value takes at least one character and a line end.
    if (last > MaxFileElements || !FitsInBytes(Int64(last) - first + 1, 2, Int64(in.Remaining()) + 1)) return false;
    filled = fits(last);
    if (filled)
        for (Integer k = first; k <= last && in.NextWord(word); ++k) {
            double v;
            if (ParseFloatText(word, v)) store(k, v);
        }
    return true;
}

bool ReadMatrixTextFile(const String& fileName, const std::function<bool(Integer hiC, Integer hiR)>& fits,
                        const std::function<void(Integer col, Integer row, double value)>& store, bool& filled)
{
    std::string bytes;
    if (!ReadFileBytes(fileName, bytes)) return false;
    TTextScanner in(std::move(bytes));
    std::string word;
    Integer b[4];
    for (Integer& v : b)
        if (!(in.NextWord(word) && ParseIntText(word, v))) return false;
    const auto [loR, hiR, loC, hiC] = b;
    const Int64 count = FileBlockCount(loR, hiR, loC, hiC);
    if (hiR < loR || hiC < loC || !ShapeFits(hiC, hiR) || !FitsInBytes(count, 2, Int64(in.Remaining()) + 1))
        return false;
    filled = fits(hiC, hiR);
    if (filled)
        for (Integer r = loR; r <= hiR; ++r)
            for (Integer c = loC; c <= hiC && in.NextWord(word); ++c) {
                double v;
                if (ParseFloatText(word, v)) store(c, r, v);
            }
    return true;
}
