// Files of TVector: the stream of 10-byte floats, the number list, the plain list,
// the ASC layout and the content fingerprint.
#include <cstring>

#include "numerics/VEZ_ascfile.h"
#include "numerics/VEZ_filecore.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_streams.h"
#include "numerics/VEZ_stringl.h"
#include "numerics/VEZ_vector.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

void TVector::WriteStream(TStream& OutStream, Integer LowElem, Integer HighElem) const
{
    MakeValidElemRange(LowElem, HighElem);
    WriteVectorStream<double>(OutStream, LowElem, HighElem, [this](Integer k) { return FVec[k - 1]; });
}

void TVector::SaveToStream(TMemoryStream*& OutStream, Integer LowElem, Integer HighElem) const
{
    if (!OutStream) OutStream = new TMemoryStream();
    WriteStream(*OutStream, LowElem, HighElem);
}

void TVector::SaveToStream(TFileStream* OutStream, Integer LowElem, Integer HighElem) const
{
    if (OutStream) WriteStream(*OutStream, LowElem, HighElem);
}

bool TVector::LoadFromStream(TStream* InStream, bool AdjustVectorSize)
{
    if (!InStream) return false;
    bool filled = false;
    const auto fits = [&](Integer high) {
        if (AdjustVectorSize) Resize(high);
        return FNElem >= high;
    };
    const auto store = [this](Integer k, double v) { SetVal(k, v); };
    if (!ReadVectorStream<double>(*InStream, fits, store, filled)) return false;
    Changed();
    return filled;
}

bool TVector::StoreOnFile(Integer FirstElem, Integer LastElem, Integer Precision, const String& FileName) const
{
    if (Precision < -2) Precision = 2;
    if (Precision > 20) Precision = 20;
    const int width = Precision == -1 ? 13 : (Precision == -2 ? 26 : 1);
    if (LastElem < FirstElem) std::swap(FirstElem, LastElem);
    MakeValidElemRange(FirstElem, LastElem);
    return WriteTextLinesFile(FileName, {std::to_string(FirstElem) + " " + std::to_string(LastElem)}, FirstElem,
                              LastElem, [&](Integer k) { return ToAnsi(Str(FVec[k - 1], width, Precision)); });
}

bool TVector::LoadFromFile(const String& FileName, bool AdjustVectorSize)
{
    bool filled = false;
    const auto fits = [&](Integer last) {
        if (AdjustVectorSize) Resize(last);
        return FNElem >= last;
    };
    const auto store = [this](Integer k, double v) { SetVal(k, v); };
    if (!ReadVectorTextFile(FileName, fits, store, filled)) return false;
    Changed();
    return filled;
}

bool TVector::LoadFromFile(const String& FileName, bool AdjustVectorSize, bool AutoDetect)
{
    if (!AutoDetect) return LoadFromFile(FileName, AdjustVectorSize);
    std::string bytes;
    if (!ReadFileBytes(FileName, bytes)) return false;
    TTextScanner lines(bytes);
    std::string line;
    Integer count = 0;
    while (lines.NextLine(line))
        if (line.find_first_of("0123456789") != std::string::npos) ++count;
    if (AdjustVectorSize) Resize(count);
    TTextScanner in(std::move(bytes));
    std::string word;
    for (Integer k = 1; k <= FNElem && in.NextWord(word); ++k) {
        double v;
        if (ParseFloatText(word, v)) SetVal(k, v);
    }
    Changed();
    return true;
}

Integer TVector::ExportAsASC(const String& FName, Integer Precision, const String& Comment) const
{
    return WriteASCFile(FName, Comment.IsEmpty() ? "Exported by VEZ TVector component: " + FName : Comment, 1, FNElem,
                        [&](Integer k) { return ToAnsi(FormatFixed(12, Precision, FVec[k - 1])); }, nullptr);
}

Integer TVector::ImportASC(const String& FName, String& Comment)
{
    TASCTarget target;
    target.MaxColumns = 1;
    target.Resize = [this](Integer, Integer rows) { Resize(rows); };
    target.Store = [this](Integer, Integer row, double v) { SetVal(row, v); };
    target.Finish = [this](Integer, Integer rowsBegun) { Resize(rowsBegun); };
    return ImportASCFile(FName, Comment, target, nullptr);
}

String TVector::CRCofData() const
{
    TElementCRC crc(sizeof(double));
    for (const double& v : FVec) crc.Add(&v);
    return crc.Text();
}
