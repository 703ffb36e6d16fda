// Files of TMatrix: the block file, the stream of 10-byte floats, the bounded and
// plain text layouts, the XML layout, the ASC layout with custom data and the
// content fingerprint.
#include <vector>

#include "numerics/VEZ_ascfile.h"
#include "numerics/VEZ_blockfile.h"
#include "numerics/VEZ_filecore.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_matrix.h"
#include "numerics/VEZ_streams.h"
#include "numerics/VEZ_stringl.h"
#include "numerics/VEZ_xmlframe.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

// ---- block file --------------------------------------------------------------------

void TMatrix::SaveBinary(const String& FName)
{
    TBlockFileHeader header;
    header.NrColumns = FNCol;
    header.NrRows = FNRow;
    header.DataID = FDataID;
    header.Format = BlockFormatDouble;
    TBlockFileWriter writer(FName, header, sizeof(double));
    TPercentCounter progress(Int64(FNCol) * FNRow, [this](Integer p) { FOnPercentDone(this, p); });
    for (Integer c = 0; c < FNCol; ++c)
        for (Integer r = 0; r < FNRow; ++r) {
            progress.Step();
            writer.Add(&Mat[c][r]);
        }
    writer.Finish();
}

Integer TMatrix::LoadBinary(const String& FName)
{
    TBlockFileHeader header;
    std::vector<char> data;
    if (const Integer code = ReadMatrixBlockFile(FName, BlockFormatDouble, sizeof(double), header, data)) return code;
    const Integer cols = header.NrColumns, rows = header.NrRows;
    Resize(cols, rows);
    FDataID = header.DataID;
    size_t k = 0;
    for (Integer c = 1; c <= cols; ++c)
        for (Integer r = 1; r <= rows; ++r) SetVal(c, r, BlockElement<double>(data, k++));
    return 0;
}

bool TMatrix::ReadBinaryHeader(const String& FName, Integer& NrColumns, Integer& NrRows, String& DataID,
                               Integer& Format) const
{
    return ReadMatrixBlockHeader(FName, BlockFormatDouble, NrColumns, NrRows, DataID, Format);
}

// ---- stream of 10-byte floats ------------------------------------------------------

void TMatrix::WriteStream(TStream& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    MakeValidColRange(LoC, HiC);
    MakeValidRowRange(LoR, HiR);
    WriteMatrixStream<double>(OutStream, LoC, LoR, HiC, HiR, [this](Integer c, Integer r) { return GetVal(c, r); });
}

void TMatrix::SaveToStream(TMemoryStream*& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    if (!OutStream) OutStream = new TMemoryStream();
    WriteStream(*OutStream, LoC, LoR, HiC, HiR);
}

void TMatrix::SaveToStream(TFileStream* OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    if (OutStream) WriteStream(*OutStream, LoC, LoR, HiC, HiR);
}

bool TMatrix::LoadFromStream(TStream* InStream, bool AdjustMatrixSize)
{
    if (!InStream) return false;
    bool filled = false;
    const auto fits = [&](Integer hiC, Integer hiR) {
        if (AdjustMatrixSize) Resize(hiC, hiR);
        return FNRow >= hiR && FNCol >= hiC;
    };
    const auto store = [this](Integer c, Integer r, double v) { SetVal(c, r, v); };
    if (!ReadMatrixStream<double>(*InStream, fits, store, filled)) return false;
    Changed();
    return filled;
}

// ---- text layouts ------------------------------------------------------------------

bool TMatrix::StoreOnFile(Integer LoC, Integer LoR, Integer HiC, Integer HiR, const String& FileName) const
{
    MakeValidColRange(LoC, HiC);
    MakeValidRowRange(LoR, HiR);
    const std::vector<std::string> head = {std::to_string(LoR) + " " + std::to_string(HiR),
                                           std::to_string(LoC) + " " + std::to_string(HiC)};
    return WriteTextLinesFile(FileName, head, LoR, HiR, [&](Integer r) {
        std::string line;
        for (Integer c = LoC; c <= HiC; ++c) line += ToAnsi(Str(GetVal(c, r), FPrecis[0], FPrecis[1])) + " ";
        return line;
    });
}

bool TMatrix::LoadFromFile(const String& FileName, bool AdjustMatrixSize)
{
    bool filled = false;
    const auto fits = [&](Integer hiC, Integer hiR) {
        if (AdjustMatrixSize) Resize(hiC, hiR);
        return FNRow >= hiR && FNCol >= hiC;
    };
    const auto store = [this](Integer c, Integer r, double v) { SetVal(c, r, v); };
    if (!ReadMatrixTextFile(FileName, fits, store, filled)) return false;
    Changed();
    return filled;
}

bool TMatrix::LoadFromFile(const String& FileName, bool AdjustMatrixSize, bool AutoDetect)
{
    if (!AutoDetect) return LoadFromFile(FileName, AdjustMatrixSize);
    std::string bytes;
    if (!ReadFileBytes(FileName, bytes)) return false;
    TTextScanner lines(bytes);
    std::string line, word;
    if (!lines.NextLine(line)) return false;
    Integer cols = 0;
    TTextScanner first(line);
    while (first.NextWord(word)) ++cols;
    Integer rows = 1;
    while (lines.NextLine(line)) ++rows;
    if (!ShapeFits(cols, rows)) return false;
    if (AdjustMatrixSize) Resize(cols, rows);
    TTextScanner in(std::move(bytes));
    for (Integer r = 1; r <= rows; ++r)
        for (Integer c = 1; c <= cols && in.NextWord(word); ++c) {
            double v;
            if (ParseFloatText(word, v)) SetVal(c, r, v);
        }
    Changed();
    return true;
}

// ---- XML ---------------------------------------------------------------------------

std::vector<String> TMatrix::XMLLines(bool CreateHeader, const String& DataID) const
{
    std::vector<String> lines =
        XMLMatrixHead(CreateHeader, "TMatrix", 2, DataID.IsEmpty() ? FDataID : DataID, {FNCol, FNRow});
    for (Integer r = 1; r <= FNRow; ++r)
        for (Integer c = 1; c <= FNCol; ++c) {
            const double v = GetVal(c, r);
            if (v != 0) lines.push_back(XMLCellLine({c, r}, ShortestFloatText(v)));
        }
    lines.push_back("</matrix>");
    return lines;
}

void TMatrix::WriteToXMLStream(TStream* OutStream, bool CreateHeader, const String& DataID) const
{
    if (OutStream) WriteXMLLines(*OutStream, XMLLines(CreateHeader, DataID));
}

void TMatrix::WriteToOpenXMLFile(TextFile& OutFile, bool CreateHeader, const String& DataID) const
{
    WriteXMLLines(OutFile, XMLLines(CreateHeader, DataID));
}

void TMatrix::SaveAsXMLFile(const String& FName, const String& DataID) const
{
    TextFile f;
    AssignFile(f, FName);
    Rewrite(f);
    WriteToOpenXMLFile(f, true, DataID);
    CloseFile(f);
    if (const int code = IOResult()) throw EInOutError("Cannot write file \"" + FName + "\"", code);
}

bool TMatrix::ReadXML(const TXMLInput& input, const String& DataID)
{
    TXMLMatrixTarget target;
    target.Cols = FNCol;
    target.Rows = FNRow;
    target.Size = [this](Integer cols, Integer rows, Integer) {
        if (!ShapeFits(cols, rows)) return false;
        Resize(cols, rows);
        return true;
    };
    target.Cell = [this](const String& attributes, const String& contents) {
        Integer pos = 1;
        SetVal(XMLAttributeInt(attributes, "ix"), XMLAttributeInt(attributes, "iy"), ScanNumber(contents, true, 1, pos));
    };
    return ReadXMLContainer(input, 2, DataID, target, FDataID, FirstCell, [this] { Changed(); });
}

bool TMatrix::ReadFromXMLStream(TStream* InStream, const String& DataID)
{
    return InStream && ReadXML(XMLInputOf(*InStream), DataID);
}

bool TMatrix::ReadFromOpenXMLFile(TextFile& InFile, const String& DataID)
{
    return ReadXML(XMLInputOf(InFile), DataID);
}

bool TMatrix::LoadFromXMLFile(const String& FName, const String& DataID)
{
    try {
        if (!FileExistsNative(FName)) return false;
        TextFile f;
        AssignFile(f, FName);
        Reset(f);
        const bool result = IOResult() == 0 && ReadFromOpenXMLFile(f, DataID);
        CloseFile(f);
        IOResult();
        return result;
    } catch (const Exception&) {
        return false;
    }
}

// ---- ASC ---------------------------------------------------------------------------

Integer TMatrix::WriteASC(const String& FName, Integer Precision, const String& Comment,
                          const TStr2DArray* CustData) const
{
    const auto rowText = [&](Integer r) {
        std::string line;
        for (Integer c = 1; c <= FNCol; ++c) line += "\t" + ToAnsi(FormatFixed(12, Precision, GetVal(c, r)));
        return line;
    };
    const String comment = Comment.IsEmpty() ? "Exported by VEZ TMatrix component: " + FName : Comment;
    return WriteASCFile(FName, comment, FNCol, FNRow, rowText, CustData);
}

Integer TMatrix::ExportAsASC(const String& FName, Integer Precision, const String& Comment) const
{
    return WriteASC(FName, Precision, Comment, nullptr);
}

Integer TMatrix::ExportAsASC(const String& FName, Integer Precision, const String& Comment,
                             const TStr2DArray& CustData) const
{
    return WriteASC(FName, Precision, Comment, &CustData);
}

Integer TMatrix::ReadASC(const String& FName, String& Comment, TStr2DArray* CustData)
{
    TASCTarget target;
    target.Resize = [this](Integer cols, Integer rows) { Resize(cols, rows); };
    target.Store = [this](Integer c, Integer r, double v) { SetVal(c, r, v); };
    target.Finish = [this](Integer cols, Integer rowsBegun) {
        SetNrOfRows(rowsBegun);
        SetNrOfColumns(cols);
    };
    return ImportASCFile(FName, Comment, target, CustData);
}

Integer TMatrix::ImportASC(const String& FName, String& Comment)
{
    return ReadASC(FName, Comment, nullptr);
}

Integer TMatrix::ImportASC(const String& FName, String& Comment, TStr2DArray& CustData)
{
    return ReadASC(FName, Comment, &CustData);
}

// ---- fingerprint -------------------------------------------------------------------

String TMatrix::CRCofData() const
{
    TElementCRC crc(sizeof(double));
    for (Integer c = 0; c < FNCol; ++c)
        for (Integer r = 0; r < FNRow; ++r) crc.Add(&Mat[c][r]);
    return crc.Text();
}
