#include "numerics/VEZ_matrix.h"

#include <new>
#include <utility>
#include <vector>

#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_math1.h"
#include "platform/rtl/RtlMath.h"

IMPLEMENT_CLASS(TMatrix, TComponent, NewComponent<TMatrix>)

TMatrix::TMatrix(TComponent* AOwner) : TComponent(AOwner) { Mat = ResizedStore(1, 1); }

TMatrix::~TMatrix() = default;

void TMatrix::Fail(const String& tail) const { throw EVEZMatrixError(ComponentMessage(Name(), tail)); }

TDouble2DArray TMatrix::ResizedStore(Integer columns, Integer rows) const
{
    const double bytes = static_cast<double>(columns) * (static_cast<double>(rows) * sizeof(double) + 64);
    if (!AllocationFits(bytes)) Fail(": not enough memory on heap");
    TDouble2DArray store;
    try {
        store.SetLength(columns);
        for (Integer c = 0; c < columns; ++c) {
            if (c < Mat.Length()) store[c] = Mat[c];
            store[c].SetLength(rows);  // its own storage, old values kept
        }
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    return store;
}

void TMatrix::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TMatrix*>(Source);
    if (!source) {
        TComponent::Assign(Source);
        return;
    }
    if (source == this) return;
    TDouble2DArray store;
    store.SetLength(source->FNCol);
    for (Integer c = 0; c < source->FNCol; ++c) {
        store[c].SetLength(source->FNRow);
        for (Integer r = 0; r < source->FNRow; ++r) store[c][r] = source->Mat[c][r];
    }
    Mat = store;
    FNCol = source->FNCol;
    FNRow = source->FNRow;
    FDataID = source->FDataID;
    FPrecis[0] = source->FPrecis[0];
    FPrecis[1] = source->FPrecis[1];
    FOnChange = source->FOnChange;
    FOnSortExchange = source->FOnSortExchange;
    FOnCalcDist = source->FOnCalcDist;
}

void TMatrix::AssignTo(TPersistent* Dest)
{
    if (Dest && InheritsFrom(Dest->ClassType()))
        Dest->Assign(this);
    else
        TComponent::AssignTo(Dest);
}

void TMatrix::Clone(TMatrix* MatSource)
{
    if (!MatSource) return;
    Resize(MatSource->FNCol, MatSource->FNRow);
    for (Integer c = 1; c <= MatSource->FNCol; ++c)
        for (Integer r = 1; r <= MatSource->FNRow; ++r) SetVal(c, r, MatSource->GetVal(c, r));
    Changed();
}

void TMatrix::Changed()
{
    if (FOnChange) FOnChange(this);
}

// ---- size ----

void TMatrix::SetNrOfColumns(Integer Value) { Resize(Max(Value, 0), FNRow); }
void TMatrix::SetNrOfRows(Integer Value) { Resize(FNCol, Max(Value, 0)); }

bool TMatrix::Resize(Integer Nc, Integer Nr)
{
    Nc = Max(Nc, 0);
    Nr = Max(Nr, 0);
    if (Nc == FNCol && Nr == FNRow) return true;
    Mat = ResizedStore(Max(Nc, 1), Max(Nr, 1));
    FNCol = Nc;
    FNRow = Nr;
    Changed();
    return true;
}

bool TMatrix::ResizeAndClear(Integer Nc, Integer Nr)
{
    Resize(Nc, Nr);
    Fill(0);
    return true;
}

bool TMatrix::RemoveColumn(Integer col)
{
    if (col < 1 || col > FNCol || FNCol <= 1) return false;
    for (Integer c = col; c < FNCol; ++c) Mat[c - 1] = Mat[c];
    Resize(FNCol - 1, FNRow);
    return true;
}

bool TMatrix::RemoveRow(Integer row)
{
    if (row < 1 || row > FNRow || FNRow <= 1) return false;
    for (Integer c = 0; c < Mat.Length(); ++c)
        for (Integer r = row; r < FNRow; ++r) Mat[c][r - 1] = Mat[c][r];
    Resize(FNCol, FNRow - 1);
    return true;
}

// ---- elements and settings ----

double TMatrix::GetVal(Integer Nc, Integer Nr) const { return Inside(Nc, Nr) ? Mat[Nc - 1][Nr - 1] : 0; }

void TMatrix::SetVal(Integer Nc, Integer Nr, double Value)
{
    if (!Inside(Nc, Nr)) return;
    Mat[Nc - 1][Nr - 1] = Value;
    Changed();
}

Integer TMatrix::GetFPrecis(Integer ix) const { return FPrecis[ix > 1 ? 1 : 0]; }

void TMatrix::SetFPrecis(Integer ix, Integer value) { FPrecis[ix > 1 ? 1 : 0] = value < -1 ? -1 : Min(value, 25); }

// ---- ranges ----

namespace {

void MakeValidRange(Integer& low, Integer& high, Integer count)
{
    if (low == 0 && high == 0) {
        low = 1;
        high = count;
        return;
    }
    if (low < 1) low = 1;
    if (low > count) low = count;
    if (high < 1) high = 1;
    if (high > count) high = count;
    if (high < low) SwapIntegers(low, high);
}

}  // namespace

void TMatrix::MakeValidColRange(Integer& LowCol, Integer& HighCol) const { MakeValidRange(LowCol, HighCol, FNCol); }
void TMatrix::MakeValidRowRange(Integer& LowRow, Integer& HighRow) const { MakeValidRange(LowRow, HighRow, FNRow); }

// ---- filling ----

template <class Fn>
void TMatrix::ForBlock(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Fn fn)
{
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    for (Integer c = Max(LowCol, 1); c <= HighCol; ++c)
        for (Integer r = Max(LowRow, 1); r <= HighRow; ++r) fn(Mat[c - 1][r - 1]);
    Changed();
}

void TMatrix::Fill(double value)
{
    if (Mat.IsEmpty()) return;
    for (auto& column : Mat)
        for (double& v : column) v = value;
    Changed();
}

void TMatrix::Fill(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double value)
{
    ForBlock(LowCol, HighCol, LowRow, HighRow, [&](double& v) { v = value; });
}

void TMatrix::FillDiag(double value)
{
    for (Integer i = 1; i <= Min(FNCol, FNRow); ++i) Mat[i - 1][i - 1] = value;
    Changed();
}

void TMatrix::FillRandomUniform(double RangeLow, double RangeHigh)
{
    FillRandomUniform(0, 0, 0, 0, RangeLow, RangeHigh);
}

void TMatrix::FillRandomUniform(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double RangeLow,
                                double RangeHigh)
{
    ForBlock(LowCol, HighCol, LowRow, HighRow, [&](double& v) { v = RangeLow + Random() * (RangeHigh - RangeLow); });
}

void TMatrix::FillRandomGauss(double Mean, double StdDev) { FillRandomGauss(0, 0, 0, 0, Mean, StdDev); }

void TMatrix::FillRandomGauss(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double Mean,
                              double StdDev)
{
    ForBlock(LowCol, HighCol, LowRow, HighRow, [&](double& v) { v = Mean + StdDev * RandomGauss(); });
}

// ---- copying in ----

void TMatrix::CopyFrom(TMatrix* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                       Integer SourceRowHi, Integer DestCol, Integer DestRow)
{
    if (!MatSource) return;
    auto clamp = [](Integer& bound, Integer count) {
        if (bound < 1) bound = 1;
        if (bound > count) bound = count;
    };
    clamp(SourceColLo, MatSource->FNCol);
    clamp(SourceRowLo, MatSource->FNRow);
    clamp(SourceColHi, MatSource->FNCol);
    clamp(SourceRowHi, MatSource->FNRow);
    if (SourceRowHi < SourceRowLo) SwapIntegers(SourceRowLo, SourceRowHi);
    if (SourceColHi < SourceColLo) SwapIntegers(SourceColLo, SourceColHi);
    // The block is read before anything is written, so a copy within this matrix
    // copies the original values also where source and destination overlap.
    std::vector<double> block;
    for (Integer c = SourceColLo; c <= SourceColHi; ++c)
        for (Integer r = SourceRowLo; r <= SourceRowHi; ++r) block.push_back(MatSource->GetVal(c, r));
    auto value = block.begin();
    for (Integer c = SourceColLo; c <= SourceColHi; ++c)
        for (Integer r = SourceRowLo; r <= SourceRowHi; ++r)
            SetVal(c - SourceColLo + DestCol, r - SourceRowLo + DestRow, *value++);
    Changed();
}

void TMatrix::CopyFromVec(TVector* VecSource, Integer Source1stElem, Integer SourceLastElem, Integer DestCol,
                          Integer DestRow)
{
    CopyFromVec(dimY, VecSource, Source1stElem, SourceLastElem, DestCol, DestRow);
}

void TMatrix::CopyFromVec(TDims Dim, TVector* VecSource, Integer Source1stElem, Integer SourceLastElem,
                          Integer DestCol, Integer DestRow)
{
    if (!VecSource) return;
    VecSource->MakeValidElemRange(Source1stElem, SourceLastElem);
    if (Dim == dimX || Dim == dimY) {
        for (Integer k = Source1stElem; k <= SourceLastElem; ++k) {
            Integer offset = k - Source1stElem;
            if (Dim == dimX)
                SetVal(DestCol + offset, DestRow, VecSource->GetVal(k));
            else
                SetVal(DestCol, DestRow + offset, VecSource->GetVal(k));
        }
    }
    Changed();
}

namespace {

// Array element [i][j] to (Col + i, Row + j), every column taken as long as the first;
// entries a shorter column lacks are skipped.
template <class Array, class Store>
void CopyArrayIn(const Array& src, Integer Col, Integer Row, Store store)
{
    if (src.IsEmpty()) return;
    const int rows = src[0].Length();
    for (int i = 0; i < src.Length(); ++i)
        for (int j = 0; j < rows && j < src[i].Length(); ++j) store(Col + i, Row + j, static_cast<double>(src[i][j]));
}

}  // namespace

void TMatrix::CopyFromArray(const TDouble2DArray& SrcArray, Integer Col, Integer Row)
{
    CopyArrayIn(SrcArray, Col, Row, [this](Integer c, Integer r, double v) { SetVal(c, r, v); });
}

void TMatrix::CopyFromArray(const TInt2DArray& SrcArray, Integer Col, Integer Row)
{
    CopyArrayIn(SrcArray, Col, Row, [this](Integer c, Integer r, double v) { SetVal(c, r, v); });
}

// ---- copying out ----

void TMatrix::CopyRowToVec(TVector* DestVec, Integer Row, Integer FirstCol, Integer LastCol) const
{
    if (!DestVec) return;
    MakeValidColRange(FirstCol, LastCol);
    Row = Max(Row, 1);
    Row = Min(Row, FNRow);
    LastCol = Min(LastCol, FirstCol + DestVec->NrOfElem() - 1);
    DestVec->Fill(0);
    for (Integer c = FirstCol; c <= LastCol; ++c) DestVec->SetVal(c - FirstCol + 1, GetVal(c, Row));
}

void TMatrix::CopyColToVec(TVector* DestVec, Integer Col, Integer FirstRow, Integer LastRow) const
{
    if (!DestVec) return;
    MakeValidRowRange(FirstRow, LastRow);
    Col = Max(Col, 1);
    Col = Min(Col, FNCol);
    LastRow = Min(LastRow, FirstRow + DestVec->NrOfElem() - 1);
    DestVec->Fill(0);
    for (Integer r = FirstRow; r <= LastRow; ++r) DestVec->SetVal(r - FirstRow + 1, GetVal(Col, r));
}

namespace {

template <class Array, class Convert>
void CopyBlockOut(const TMatrix& m, Array& dest, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                  Convert convert)
{
    m.MakeValidColRange(LowCol, HighCol);
    m.MakeValidRowRange(LowRow, HighRow);
    dest.SetLength(HighCol - LowCol + 1);
    for (Integer c = LowCol; c <= HighCol; ++c) {
        auto& column = dest[c - LowCol];
        column.SetLength(HighRow - LowRow + 1);
        for (Integer r = LowRow; r <= HighRow; ++r) column[r - LowRow] = convert(m.GetVal(c, r));
    }
}

}  // namespace

void TMatrix::CopyToArray(TDouble2DArray& DestArray, Integer LowCol, Integer HighCol, Integer LowRow,
                          Integer HighRow) const
{
    CopyBlockOut(*this, DestArray, LowCol, HighCol, LowRow, HighRow, [](double v) { return v; });
}

void TMatrix::CopyToArray(TInt2DArray& DestArray, Integer LowCol, Integer HighCol, Integer LowRow,
                          Integer HighRow) const
{
    CopyBlockOut(*this, DestArray, LowCol, HighCol, LowRow, HighRow,
                 [](double v) { return static_cast<int>(Round(v)); });
}

// ---- rearranging ----

void TMatrix::ExchangeColumns(Integer c1, Integer c2)
{
    if (!Inside(c1, 1) || !Inside(c2, 1)) return;
    std::swap(Mat[c1 - 1], Mat[c2 - 1]);
    Changed();
}

void TMatrix::ExchangeRows(Integer r1, Integer r2)
{
    if (!Inside(1, r1) || !Inside(1, r2)) return;
    for (auto& column : Mat) std::swap(column[r1 - 1], column[r2 - 1]);
    Changed();
}

void TMatrix::MirrorColumns()
{
    for (Integer i = 0, j = FNCol - 1; i < j; ++i, --j) std::swap(Mat[i], Mat[j]);
    Changed();
}

void TMatrix::MirrorRows()
{
    for (Integer c = 0; c < FNCol; ++c)
        for (Integer i = 0, j = FNRow - 1; i < j; ++i, --j) std::swap(Mat[c][i], Mat[c][j]);
    Changed();
}

void TMatrix::SortRows(Integer SortColIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                       Integer HighRow)
{
    if (SortColIx < 1 || SortColIx > FNCol) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    Integer gap = HighRow - LowRow;
    if (gap <= 0) return;
    const bool keyOutside = SortColIx < LowCol || SortColIx > HighCol;
    auto key = [&](Integer r) { return Mat[SortColIx - 1][r - 1]; };
    CombSort(
        LowRow, HighRow, gap, [&](int i, int j) { return SortsBefore(key(j), key(i), Ascending); },
        [&](int i, int j) {
            for (Integer c = LowCol; c <= HighCol; ++c) std::swap(Mat[c - 1][i - 1], Mat[c - 1][j - 1]);
            if (keyOutside) std::swap(Mat[SortColIx - 1][i - 1], Mat[SortColIx - 1][j - 1]);
            if (FOnSortExchange) FOnSortExchange(this, 2, i, j, LowCol, HighCol);
        },
        [] {});
    Changed();
}

void TMatrix::SortCols(Integer SortRowIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                       Integer HighRow)
{
    if (SortRowIx < 1 || SortRowIx > FNRow) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    Integer gap = HighCol - LowCol;
    if (gap <= 0) return;
    const bool keyOutside = SortRowIx < LowRow || SortRowIx > HighRow;
    auto key = [&](Integer c) { return Mat[c - 1][SortRowIx - 1]; };
    CombSort(
        LowCol, HighCol, gap, [&](int i, int j) { return SortsBefore(key(j), key(i), Ascending); },
        [&](int i, int j) {
            for (Integer r = LowRow; r <= HighRow; ++r) std::swap(Mat[i - 1][r - 1], Mat[j - 1][r - 1]);
            if (keyOutside) std::swap(Mat[i - 1][SortRowIx - 1], Mat[j - 1][SortRowIx - 1]);
            if (FOnSortExchange) FOnSortExchange(this, 1, i, j, LowRow, HighRow);
        },
        [] {});
    Changed();
}
