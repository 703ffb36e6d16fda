#include "numerics/VEZ_mat3d.h"

#include <cmath>
#include <new>

#include "numerics/VEZ_blockfile.h"
#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_filecore.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_statcore.h"
#include "numerics/VEZ_stringl.h"
#include "numerics/VEZ_xmlframe.h"
#include "platform/rtl/RtlMath.h"

IMPLEMENT_CLASS(TMat3D, TComponent, NewComponent<TMat3D>)

namespace {
TDouble3DArray NewBox(Integer nx, Integer ny, Integer nz)
{
    TDouble3DArray box;
    box.SetLength(nx);
    for (Integer x = 0; x < nx; ++x) {
        box[x].SetLength(ny);
        for (Integer y = 0; y < ny; ++y) box[x][y].SetLength(nz);
    }
    return box;
}
}  // namespace

TMat3D::TMat3D(TComponent* AOwner) : TComponent(AOwner)
{
    try {
        Mat = NewBox(1, 1, 1);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
}

TMat3D::~TMat3D() = default;

void TMat3D::Fail(const String& tail) const
{
    throw EVEZMatrixError(ComponentMessage(Name(), tail));
}

void TMat3D::Changed()
{
    if (FOnChange) FOnChange(this);
}

double TMat3D::GetVal(Integer Nx, Integer Ny, Integer Nz) const
{
    return Inside(Nx, Ny, Nz) ? Mat[Nx - 1][Ny - 1][Nz - 1] : 0;
}

void TMat3D::SetVal(Integer Nx, Integer Ny, Integer Nz, double Value)
{
    if (Inside(Nx, Ny, Nz)) Mat[Nx - 1][Ny - 1][Nz - 1] = Value;
}

bool TMat3D::Resize(Integer Nc, Integer Nr, Integer Nl)
{
    if ((Nc == FNumX && Nr == FNumY && Nl == FNumZ) || Nc <= 0 || Nr <= 0 || Nl <= 0) return true;
    TDouble3DArray box;
    try {
        if (!AllocationFits(double(Nc) * Nr * Nl * sizeof(double))) throw std::bad_alloc();
        box = NewBox(Nc, Nr, Nl);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    for (Integer x = 0; x < Min(Nc, FNumX); ++x)
        for (Integer y = 0; y < Min(Nr, FNumY); ++y)
            for (Integer z = 0; z < Min(Nl, FNumZ); ++z) box[x][y][z] = Mat[x][y][z];
    Mat = box;
    FNumX = Nc;
    FNumY = Nr;
    FNumZ = Nl;
    Changed();
    return true;
}

bool TMat3D::ResizeAndClear(Integer Nc, Integer Nr, Integer Nl)
{
    const bool result = Resize(Nc, Nr, Nl);
    if (result) Fill(0);
    return result;
}

static void ValidRange(Integer& Low, Integer& High, Integer count)
{
    if (Low == 0 && High == 0) {
        Low = 1;
        High = count;
        return;
    }
    Low = Low < 1 ? 1 : Min(Low, count);
    High = High < 1 ? 1 : Min(High, count);
    if (High < Low) SwapIntegers(Low, High);
}

void TMat3D::MakeValidColRange(Integer& Low, Integer& High) const { ValidRange(Low, High, FNumX); }
void TMat3D::MakeValidRowRange(Integer& Low, Integer& High) const { ValidRange(Low, High, FNumY); }
void TMat3D::MakeValidLayerRange(Integer& Low, Integer& High) const { ValidRange(Low, High, FNumZ); }

void TMat3D::Fill(double value)
{
    for (auto& plane : Mat)
        for (auto& row : plane)
            for (double& v : row) v = value;
}

void TMat3D::FillDiag(double value)
{
    for (Integer i = 1; i <= Min(FNumX, Min(FNumY, FNumZ)); ++i) Mat[i - 1][i - 1][i - 1] = value;
    Changed();
}

void TMat3D::FillRandomUniform(double RangeLow, double RangeHigh)
{
    for (auto& plane : Mat)
        for (auto& row : plane)
            for (double& v : row) v = RangeLow + Random() * (RangeHigh - RangeLow);
    Changed();
}

void TMat3D::FillRandomGauss(double Mean, double StdDev)
{
    for (auto& plane : Mat)
        for (auto& row : plane)
            for (double& v : row) v = RandomGauss() * StdDev + Mean;
    Changed();
}

void TMat3D::Clone(TMat3D* MatSource)
{
    if (!MatSource) return;
    Resize(MatSource->FNumX, MatSource->FNumY, MatSource->FNumZ);
    for (Integer x = 0; x < FNumX; ++x)
        for (Integer y = 0; y < FNumY; ++y)
            for (Integer z = 0; z < FNumZ; ++z) Mat[x][y][z] = MatSource->Mat[x][y][z];
    Changed();
}

void TMat3D::CopyLayerToMatrix(TMatrix* DestMat, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                               Integer Layer) const
{
    if (Layer < 1 || Layer > FNumZ) Fail(": specified layer beyond data range");
    if (!DestMat) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    DestMat->Resize(HighCol - LowCol + 1, HighRow - LowRow + 1);
    for (Integer x = LowCol; x <= HighCol; ++x)
        for (Integer y = LowRow; y <= HighRow; ++y)
            DestMat->SetVal(x - LowCol + 1, y - LowRow + 1, Mat[x - 1][y - 1][Layer - 1]);
}

void TMat3D::CopyMatrixToLayer(TMatrix* SrcMat, Integer SrcLowCol, Integer SrcHighCol, Integer SrcLowRow,
                               Integer SrcHighRow, Integer Layer, Integer LayLowCol, Integer LayLowRow)
{
    if (Layer < 1 || Layer > FNumZ) Fail(": specified layer beyond data range");
    if (!SrcMat) return;
    for (Integer c = SrcLowCol; c <= SrcHighCol; ++c)
        for (Integer r = SrcLowRow; r <= SrcHighRow; ++r)
            SetVal(c - SrcLowCol + LayLowCol, r - SrcLowRow + LayLowRow, Layer, SrcMat->GetVal(c, r));
}

template <class Fn>
void TMat3D::ForBox(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                    Integer HighLayer, bool countProgress, Fn fn) const
{
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    MakeValidLayerRange(LowLayer, HighLayer);
    const Int64 every = Int64(HighCol - LowCol + 1) * (HighRow - LowRow + 1) / 100 + 1;
    Int64 pairs = 0;
    for (Integer x = LowCol; x <= HighCol; ++x)
        for (Integer y = LowRow; y <= HighRow; ++y) {
            if (countProgress && ++pairs % every == 0) CountProgressStep();
            for (Integer z = LowLayer; z <= HighLayer; ++z) fn(x, y, z);
        }
}

TDoubleArray TMat3D::BoxValues(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                               Integer HighLayer) const
{
    std::vector<double> values;
    try {
        ForBox(LowCol, HighCol, LowRow, HighRow, LowLayer, HighLayer, false,
               [&](Integer x, Integer y, Integer z) { values.push_back(Mat[x - 1][y - 1][z - 1]); });
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    TDoubleArray a;
    a.SetLength(static_cast<int>(values.size()));
    for (size_t i = 0; i < values.size(); ++i) a[static_cast<int>(i)] = values[i];
    return a;
}

void TMat3D::Find(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                  Integer HighLayer, double Value, Integer& ColIx, Integer& RowIx, Integer& LayerIx) const
{
    ColIx = RowIx = LayerIx = 0;
    double best = 0;
    ForBox(LowCol, HighCol, LowRow, HighRow, LowLayer, HighLayer, false, [&](Integer x, Integer y, Integer z) {
        const double d = std::fabs(Mat[x - 1][y - 1][z - 1] - Value);
        if (ColIx == 0 || d < best) {
            best = d;
            ColIx = x;
            RowIx = y;
            LayerIx = z;
        }
    });
}

void TMat3D::MinMax(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                    Integer HighLayer, double& Minimum, double& Maximum) const
{
    Minimum = 1.7e38;
    Maximum = -1.7e38;
    ForBox(LowCol, HighCol, LowRow, HighRow, LowLayer, HighLayer, true, [&](Integer x, Integer y, Integer z) {
        const double v = Mat[x - 1][y - 1][z - 1];
        if (Minimum > v || std::isnan(v)) Minimum = v;
        if (Maximum < v || std::isnan(v)) Maximum = v;
    });
}

void TMat3D::MeanVar(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                     Integer HighLayer, double& Mean, double& Variance) const
{
    double sum = 0, sumSq = 0;
    Int64 n = 0;
    ForBox(LowCol, HighCol, LowRow, HighRow, LowLayer, HighLayer, true, [&](Integer x, Integer y, Integer z) {
        const double v = Mat[x - 1][y - 1][z - 1];
        sum += v;
        sumSq += v * v;
        ++n;
    });
    Mean = sum / n;
    Variance = n < 3 ? 1 : (sumSq - sum * sum / n) / (n - 1);
    if (!(Variance >= 0)) Variance = 0;
}

double TMat3D::Percentile(double prob, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                          Integer LowLayer, Integer HighLayer) const
{
    prob = prob > 0 ? Min(prob, 100.0) : 0;
    TDoubleArray values = BoxValues(LowCol, HighCol, LowRow, HighRow, LowLayer, HighLayer);
    const Integer n = values.Length();
    return SelectKthSmallest(values, static_cast<Integer>(Round(Extended(n) * prob / 100)), 0, n - 1);
}

double TMat3D::Percentile(double prob, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                          Integer LowLayer, Integer HighLayer, Integer SampleSize) const
{
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    MakeValidLayerRange(LowLayer, HighLayer);
    const Int64 size = Int64(HighCol - LowCol + 1) * (HighRow - LowRow + 1) * (HighLayer - LowLayer + 1);
    if (SampleSize <= 0 || SampleSize >= size)
        return Percentile(prob, LowCol, HighCol, LowRow, HighRow, LowLayer, HighLayer);
    prob = prob > 0 ? Min(prob, 100.0) : 0;
    Randomize();
    TDoubleArray sample;
    try {
        sample.SetLength(SampleSize);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    for (Integer i = 0; i < SampleSize; ++i) {
        const Integer x = LowCol + Random(HighCol - LowCol + 1);
        const Integer y = LowRow + Random(HighRow - LowRow + 1);
        const Integer z = LowLayer + Random(HighLayer - LowLayer + 1);
        sample[i] = Mat[x - 1][y - 1][z - 1];
    }
    return SelectKthSmallest(sample, static_cast<Integer>(Round(Extended(SampleSize) * prob / 100)), 0,
                             SampleSize - 1);
}

String TMat3D::CRCofData() const
{
    TElementCRC crc(sizeof(double));
    for (const auto& plane : Mat)
        for (const auto& row : plane)
            for (const double& v : row) crc.Add(&v);
    return crc.Text();
}

// ---- files -------------------------------------------------------------------------

void TMat3D::SaveBinary(const String& FName)
{
    TBlockFileHeader header;
    header.NrColumns = FNumX;
    header.NrRows = FNumY;
    header.NrLayers = FNumZ;
    header.DataID = FDataID;
    header.Format = BlockFormatDouble;
    TBlockFileWriter writer(FName, header, sizeof(double));
    TPercentCounter progress(Int64(FNumX) * FNumY * FNumZ, [this](Integer p) { FOnPercentDone(this, p); });
    for (Integer z = 0; z < FNumZ; ++z)
        for (Integer y = 0; y < FNumY; ++y)
            for (Integer x = 0; x < FNumX; ++x) {
                progress.Step();
                writer.Add(&Mat[x][y][z]);
            }
    writer.Finish();
}

bool TMat3D::ReadBinaryHeader(const String& FName, Integer& NrColumns, Integer& NrRows, Integer& NrLayers,
                              Integer& NrTimeSlots, String& DataID, Integer& Format) const
{
    TBlockFileHeader header;
    const bool complete = ReadBlockFileHeader(FName, header);
    NrColumns = header.NrColumns;
    NrRows = header.NrRows;
    NrLayers = header.NrLayers;
    NrTimeSlots = header.NrTimeSlots;
    DataID = header.DataID;
    Format = header.Format;
    return complete && NrLayers > 0 && NrTimeSlots == 0 && Format == BlockFormatDouble;
}

Integer TMat3D::LoadBinary(const String& FName)
{
    if (!FileExistsNative(FName)) return -5;
    TBlockFileHeader header;
    if (!ReadBlockFileHeader(FName, header) || header.Format != BlockFormatDouble) return -1;
    if (header.NrTimeSlots != 0 || header.NrLayers <= 0) return -2;
    const Integer nx = header.NrColumns, ny = header.NrRows, nz = header.NrLayers;
    std::vector<char> data;
    if (nx <= 0 || ny <= 0 || !ReadBlockFileData(FName, Int64(nx) * ny * nz, sizeof(double), data)) return -3;
    Resize(nx, ny, nz);
    FDataID = header.DataID;
    TPercentCounter progress(Int64(nx) * ny * nz, [this](Integer p) { FOnPercentDone(this, p); });
    size_t k = 0;
    for (Integer z = 0; z < nz; ++z)
        for (Integer y = 0; y < ny; ++y)
            for (Integer x = 0; x < nx; ++x) {
                progress.Step();
                Mat[x][y][z] = BlockElement<double>(data, k++);
            }
    return 0;
}

std::vector<String> TMat3D::XMLLines(bool CreateHeader, const String& DataID) const
{
    std::vector<String> lines =
        XMLMatrixHead(CreateHeader, "TMat3D", 3, DataID.IsEmpty() ? FDataID : DataID, {FNumX, FNumY, FNumZ});
    for (Integer z = 1; z <= FNumZ; ++z)
        for (Integer y = 1; y <= FNumY; ++y)
            for (Integer x = 1; x <= FNumX; ++x) {
                const double v = Mat[x - 1][y - 1][z - 1];
                if (v != 0) lines.push_back(XMLCellLine({x, y, z}, ShortestFloatText(v)));
            }
    lines.push_back("</matrix>");
    return lines;
}

void TMat3D::WriteToXMLStream(TStream* OutStream, bool CreateHeader, const String& DataID) const
{
    if (OutStream) WriteXMLLines(*OutStream, XMLLines(CreateHeader, DataID));
}

void TMat3D::WriteToOpenXMLFile(TextFile& OutFile, bool CreateHeader, const String& DataID) const
{
    WriteXMLLines(OutFile, XMLLines(CreateHeader, DataID));
}

void TMat3D::SaveAsXMLFile(const String& FName, const String& DataID) const
{
    TFileStream out(FName, fmCreate);
    WriteToXMLStream(&out, true, DataID);
}

bool TMat3D::ReadFromXMLStream(TStream* InStream, const String& DataID)
{
    return InStream && ReadXML(XMLInputOf(*InStream), DataID);
}

bool TMat3D::ReadFromOpenXMLFile(TextFile& InFile, const String& DataID)
{
    return ReadXML(XMLInputOf(InFile), DataID);
}

bool TMat3D::ReadXML(const TXMLInput& input, const String& DataID)
{
    TXMLMatrixTarget target;
    target.Cols = FNumX;
    target.Rows = FNumY;
    target.Layers = FNumZ;
    target.Size = [this](Integer cols, Integer rows, Integer layers) {
        if (!ShapeFits(cols, rows, layers)) return false;
        Resize(cols, rows, layers);
        return true;
    };
    target.Cell = [this](const String& attributes, const String& contents) {
        Integer pos = 1;
        SetVal(XMLAttributeInt(attributes, "ix"), XMLAttributeInt(attributes, "iy"), XMLAttributeInt(attributes, "iz"),
               ScanNumber(contents, true, 1, pos));
    };
    return ReadXMLContainer(input, 3, DataID, target, FDataID, FirstCell, [this] { Changed(); });
}

bool TMat3D::LoadFromXMLFile(const String& FName, const String& DataID)
{
    try {
        TFileStream in(FName, fmOpenRead);
        return ReadFromXMLStream(&in, DataID);
    } catch (const Exception&) {
        return false;
    }
}

// ---- TMatrix from one layer ----------------------------------------------------------

void TMatrix::CopyFrom(TMat3D* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                       Integer SourceRowHi, Integer SourceLayer, Integer DestCol, Integer DestRow)
{
    if (!MatSource) return;
    auto clamp = [](Integer v, Integer n) { return v < 1 ? 1 : (v > n ? n : v); };
    SourceColLo = clamp(SourceColLo, MatSource->NrOfColumns());
    SourceRowLo = clamp(SourceRowLo, MatSource->NrOfRows());
    SourceColHi = clamp(SourceColHi, MatSource->NrOfColumns());
    SourceRowHi = clamp(SourceRowHi, MatSource->NrOfRows());
    SourceLayer = clamp(SourceLayer, MatSource->NrOfLayers());
    if (SourceRowHi < SourceRowLo) SwapIntegers(SourceRowLo, SourceRowHi);
    if (SourceColHi < SourceColLo) SwapIntegers(SourceColLo, SourceColHi);
    for (Integer c = SourceColLo; c <= SourceColHi; ++c)
        for (Integer r = SourceRowLo; r <= SourceRowHi; ++r)
            SetVal(c - SourceColLo + DestCol, r - SourceRowLo + DestRow, MatSource->GetVal(c, r, SourceLayer));
    Changed();
}
