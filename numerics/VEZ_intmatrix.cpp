#include "numerics/VEZ_intmatrix.h"

#include <cmath>
#include <new>

#include "numerics/VEZ_ascfile.h"
#include "numerics/VEZ_blockfile.h"
#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_filecore.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_statcore.h"
#include "numerics/VEZ_streams.h"
#include "numerics/VEZ_stringl.h"
#include "numerics/VEZ_xmlframe.h"
#include "platform/rtl/RtlMath.h"

IMPLEMENT_CLASS(TIntMatrix, TComponent, NewComponent<TIntMatrix>)

namespace {
constexpr Integer EmptyLow = 2147483647;
constexpr Integer EmptyHigh = 1;

// Position order of the sparse store: column, then row.
bool Before(const TSpMatElemInt& e, Integer Nc, Integer Nr)
{
    return e.colidx < Nc || (e.colidx == Nc && e.rowidx < Nr);
}
}  // namespace

TIntMatrix::TIntMatrix(TComponent* AOwner) : TComponent(AOwner)
{
    Mat = ResizedStore(1, 1);
}

TIntMatrix* TIntMatrix::CreateSparse(TComponent* AOwner, Integer AllocBy)
{
    auto* m = new TIntMatrix(AOwner);
    m->FIsSparse = true;
    m->Mat.SetLength(0);
    m->FNCol = 0;
    m->FNRow = 0;
    m->FAllocBy = Max<Integer>(AllocBy, 1);
    m->ResetSparseStore();
    return m;
}

TIntMatrix::~TIntMatrix() = default;

void TIntMatrix::Fail(const String& tail) const
{
    throw EVEZMatrixError(ComponentMessage(Name(), tail));
}

TInt2DArray TIntMatrix::ResizedStore(Integer columns, Integer rows) const
{
    TInt2DArray store;
    try {
        if (!AllocationFits(double(columns) * rows * sizeof(Integer))) throw std::bad_alloc();
        store.SetLength(columns);
        for (Integer c = 0; c < columns; ++c) {
            store[c].SetLength(rows);
            if (c < Mat.Length())
                for (Integer r = 0; r < rows && r < Mat[c].Length(); ++r) store[c][r] = Mat[c][r];
        }
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    return store;
}

void TIntMatrix::ResetSparseStore()
{
    FNumAllocated = FAllocBy;
    SpMat.assign(static_cast<size_t>(FNumAllocated), TSpMatElemInt());
    FSparseNumElem = 0;
    FSparseLowCol = EmptyLow;
    FSparseHighCol = EmptyHigh;
    FSparseLowRow = EmptyLow;
    FSparseHighRow = EmptyHigh;
}

void TIntMatrix::Changed()
{
    if (FOnChange) FOnChange(this);
}

// ---- store -------------------------------------------------------------------------

Integer TIntMatrix::SparseSearch(Integer Nc, Integer Nr) const
{
    Integer lo = 0, hi = FSparseNumElem - 1;
    while (lo < hi) {
        const Integer mid = (lo + hi) / 2;
        if (Before(SpMat[static_cast<size_t>(mid)], Nc, Nr))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

Integer TIntMatrix::GetVal(Integer Nc, Integer Nr) const
{
    if (!FIsSparse) return Inside(Nc, Nr) && Mat.Length() > 0 ? Mat[Nc - 1][Nr - 1] : 0;
    if (FSparseNumElem == 0 || Nc < FSparseLowCol || Nc > FSparseHighCol || Nr < FSparseLowRow ||
        Nr > FSparseHighRow)
        return 0;
    const TSpMatElemInt& e = SpMat[static_cast<size_t>(SparseSearch(Nc, Nr))];
    return e.colidx == Nc && e.rowidx == Nr ? e.value : 0;
}

void TIntMatrix::SetVal(Integer Nc, Integer Nr, Integer Value)
{
    if (!FIsSparse) {
        if (!Inside(Nc, Nr) || Mat.Length() == 0) return;
        Mat[Nc - 1][Nr - 1] = Value;
        Changed();
        return;
    }
    if (Nc <= 0 || Nr <= 0) return;
    Integer lo = SparseSearch(Nc, Nr);
    if (FSparseNumElem > 0 && SpMat[static_cast<size_t>(lo)].colidx == Nc &&
        SpMat[static_cast<size_t>(lo)].rowidx == Nr) {
        SpMat[static_cast<size_t>(lo)].value = Value;
    } else {
        try {
            if (FSparseNumElem == FNumAllocated) {
                FNumAllocated += FAllocBy;
                SpMat.resize(static_cast<size_t>(FNumAllocated));
            }
        } catch (const std::bad_alloc&) {
            Fail(": not enough memory on heap");
        }
        if (FSparseNumElem > 0 && Before(SpMat[static_cast<size_t>(lo)], Nc, Nr)) ++lo;
        for (Integer i = FSparseNumElem; i > lo; --i) SpMat[static_cast<size_t>(i)] = SpMat[static_cast<size_t>(i - 1)];
        SpMat[static_cast<size_t>(lo)] = TSpMatElemInt{Nc, Nr, Value};
        ++FSparseNumElem;
        FSparseLowCol = Min(FSparseLowCol, Nc);
        FSparseHighCol = Max(FSparseHighCol, Nc);
        FSparseLowRow = Min(FSparseLowRow, Nr);
        FSparseHighRow = Max(FSparseHighRow, Nr);
        FNCol = FSparseHighCol;
        FNRow = FSparseHighRow;
    }
    Changed();
}

bool TIntMatrix::Resize(Integer Nc, Integer Nr)
{
    if (Nc == FNCol && Nr == FNRow) return false;
    Nc = Max<Integer>(Nc, 0);
    Nr = Max<Integer>(Nr, 0);
    if (FIsSparse) {
        FNCol = Nc;
        FNRow = Nr;
        FSparseHighCol = Min(FSparseHighCol, Nc);
        FSparseHighRow = Min(FSparseHighRow, Nr);
        FSparseLowCol = Min(FSparseLowCol, FSparseHighCol);
        FSparseLowRow = Min(FSparseLowRow, FSparseHighRow);
        Integer kept = 0;
        for (Integer i = 0; i < FSparseNumElem; ++i) {
            const TSpMatElemInt e = SpMat[static_cast<size_t>(i)];
            if (e.colidx <= Nc && e.rowidx <= Nr) SpMat[static_cast<size_t>(kept++)] = e;
        }
        FSparseNumElem = kept;
        return false;
    }
    Mat = ResizedStore(Max<Integer>(Nc, 1), Max<Integer>(Nr, 1));
    FNCol = Nc;
    FNRow = Nr;
    Changed();
    return true;
}

bool TIntMatrix::ResizeAndClear(Integer Nc, Integer Nr)
{
    const bool resized = Resize(Nc, Nr);
    if (resized) Fill(0);
    return resized;
}

void TIntMatrix::MakeValidColRange(Integer& LowCol, Integer& HighCol) const
{
    if (LowCol == 0 && HighCol == 0) {
        LowCol = 1;
        HighCol = FNCol;
        return;
    }
    LowCol = LowCol < 1 ? 1 : Min(LowCol, FNCol);
    HighCol = HighCol < 1 ? 1 : Min(HighCol, FNCol);
    if (HighCol < LowCol) SwapIntegers(LowCol, HighCol);
}

void TIntMatrix::MakeValidRowRange(Integer& LowRow, Integer& HighRow) const
{
    if (LowRow == 0 && HighRow == 0) {
        LowRow = 1;
        HighRow = FNRow;
        return;
    }
    LowRow = LowRow < 1 ? 1 : Min(LowRow, FNRow);
    HighRow = HighRow < 1 ? 1 : Min(HighRow, FNRow);
    if (HighRow < LowRow) SwapIntegers(LowRow, HighRow);
}

bool TIntMatrix::RemoveColumn(Integer col)
{
    if (FIsSparse || col < 1 || col > FNCol || FNCol <= 1) return false;
    for (Integer c = col; c < FNCol; ++c) std::swap(Mat[c - 1], Mat[c]);
    Resize(FNCol - 1, FNRow);
    return true;
}

bool TIntMatrix::RemoveRow(Integer row)
{
    if (FIsSparse || row < 1 || row > FNRow || FNRow <= 1) return false;
    for (Integer c = 0; c < Mat.Length(); ++c)
        for (Integer r = row; r < FNRow; ++r) Mat[c][r - 1] = Mat[c][r];
    Resize(FNCol, FNRow - 1);
    return true;
}

void TIntMatrix::Fill(Integer value)
{
    if (FIsSparse) {
        if (value != 0) {
            for (Integer i = 0; i < FSparseNumElem; ++i) SpMat[static_cast<size_t>(i)].value = value;
        } else {
            ResetSparseStore();
        }
        Changed();
        return;
    }
    if (Mat.Length() == 0) return;
    for (auto& column : Mat)
        for (Integer& v : column) v = value;
    Changed();
}

void TIntMatrix::Fill(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer value)
{
    if (FIsSparse || Mat.Length() == 0) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    for (Integer c = LowCol; c <= HighCol; ++c)
        for (Integer r = LowRow; r <= HighRow; ++r) Mat[c - 1][r - 1] = value;
    Changed();
}

void TIntMatrix::FillDiag(Integer value)
{
    if (FIsSparse || Mat.Length() == 0) return;
    for (Integer i = 1; i <= Min(FNCol, FNRow); ++i) Mat[i - 1][i - 1] = value;
    Changed();
}

bool TIntMatrix::Transpose()
{
    if (FIsSparse) {
        for (Integer i = 0; i < FSparseNumElem; ++i) std::swap(SpMat[static_cast<size_t>(i)].colidx, SpMat[static_cast<size_t>(i)].rowidx);
        std::swap(FSparseLowCol, FSparseLowRow);
        std::swap(FSparseHighCol, FSparseHighRow);
        std::swap(FNCol, FNRow);
        if (FSparseNumElem > 1)
            CombSort(
                0, FSparseNumElem - 1, FSparseNumElem,
                [&](int i, int j) {
                    const TSpMatElemInt& b = SpMat[static_cast<size_t>(j)];
                    return Before(b, SpMat[static_cast<size_t>(i)].colidx, SpMat[static_cast<size_t>(i)].rowidx);
                },
                [&](int i, int j) { std::swap(SpMat[static_cast<size_t>(i)], SpMat[static_cast<size_t>(j)]); }, [] {});
        Changed();
        return true;
    }
    TInt2DArray t;
    try {
        t = TransposedColumns(Mat, FNCol, FNRow);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    Mat = t;
    std::swap(FNCol, FNRow);
    Changed();
    return true;
}

void TIntMatrix::Clone(TIntMatrix* MatSource)
{
    if (!MatSource || MatSource->FIsSparse != FIsSparse) return;
    if (!FIsSparse) {
        Resize(MatSource->FNCol, MatSource->FNRow);
        for (Integer c = 1; c <= FNCol; ++c)
            for (Integer r = 1; r <= FNRow; ++r) SetVal(c, r, MatSource->GetVal(c, r));
        Changed();
        return;
    }
    try {
        SpMat = MatSource->SpMat;
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    FNumAllocated = MatSource->FNumAllocated;
    FAllocBy = MatSource->FAllocBy;
    FSparseNumElem = MatSource->FSparseNumElem;
    FSparseLowCol = MatSource->FSparseLowCol;
    FSparseHighCol = MatSource->FSparseHighCol;
    FSparseLowRow = MatSource->FSparseLowRow;
    FSparseHighRow = MatSource->FSparseHighRow;
    FNCol = MatSource->FNCol;
    FNRow = MatSource->FNRow;
    Changed();
}

void TIntMatrix::SparseToArray()
{
    if (!FIsSparse) return;
    const Integer cols = FSparseNumElem > 0 ? FSparseHighCol : 0;
    const Integer rows = FSparseNumElem > 0 ? FSparseHighRow : 0;
    Mat.SetLength(0);
    Mat = ResizedStore(Max<Integer>(cols, 1), Max<Integer>(rows, 1));
    for (Integer i = 0; i < FSparseNumElem; ++i) {
        const TSpMatElemInt& e = SpMat[static_cast<size_t>(i)];
        Mat[e.colidx - 1][e.rowidx - 1] = e.value;
    }
    FNCol = cols;
    FNRow = rows;
    FIsSparse = false;
    SpMat.clear();
    FNumAllocated = 0;
    FSparseNumElem = 0;
}

void TIntMatrix::ArrayToSparse(Integer AllocBy)
{
    if (FIsSparse) return;
    FAllocBy = Max<Integer>(AllocBy, 1);
    ResetSparseStore();
    for (Integer c = 1; c <= FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r) {
            const Integer v = Mat[c - 1][r - 1];
            if (FSparseNumElem == FNumAllocated) {
                FNumAllocated += FAllocBy;
                SpMat.resize(static_cast<size_t>(FNumAllocated));
            }
            if (v == 0) continue;
            SpMat[static_cast<size_t>(FSparseNumElem++)] = TSpMatElemInt{c, r, v};
            FSparseLowCol = Min(FSparseLowCol, c);
            FSparseHighCol = Max(FSparseHighCol, c);
            FSparseLowRow = Min(FSparseLowRow, r);
            FSparseHighRow = Max(FSparseHighRow, r);
        }
    Mat.SetLength(0);
    FIsSparse = true;
}

// ---- copying -----------------------------------------------------------------------

void TIntMatrix::CopyFrom(TIntMatrix* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                                    Integer SourceRowHi, Integer DestCol, Integer DestRow)
{
    if (!MatSource) return;
    auto clamp = [](Integer v, Integer n) { return v < 1 ? 1 : (v > n ? n : v); };
    SourceColLo = clamp(SourceColLo, MatSource->FNCol);
    SourceRowLo = clamp(SourceRowLo, MatSource->FNRow);
    SourceColHi = clamp(SourceColHi, MatSource->FNCol);
    SourceRowHi = clamp(SourceRowHi, MatSource->FNRow);
    if (SourceRowHi < SourceRowLo) SwapIntegers(SourceRowLo, SourceRowHi);
    if (SourceColHi < SourceColLo) SwapIntegers(SourceColLo, SourceColHi);
    for (Integer c = SourceColLo; c <= SourceColHi; ++c)
        for (Integer r = SourceRowLo; r <= SourceRowHi; ++r)
            SetVal(c - SourceColLo + DestCol, r - SourceRowLo + DestRow, MatSource->GetVal(c, r));
    Changed();
}

void TIntMatrix::CopyFromArray(const TInt2DArray& SrcArray, Integer Col, Integer Row)
{
    if (SrcArray.Length() == 0) return;
    const Integer rows = SrcArray[0].Length();
    for (Integer i = 0; i < SrcArray.Length(); ++i)
        for (Integer j = 0; j < rows && j < SrcArray[i].Length(); ++j) SetVal(Col + i, Row + j, SrcArray[i][j]);
}

void TIntMatrix::CopyRowToVec(TIntVector* DestVec, Integer Row, Integer FirstCol, Integer LastCol) const
{
    if (!DestVec) return;
    MakeValidColRange(FirstCol, LastCol);
    Row = Row < 1 ? 1 : Min(Row, FNRow);
    LastCol = Min(LastCol, FirstCol + DestVec->NrOfElem() - 1);
    DestVec->Fill(0);
    for (Integer c = FirstCol; c <= LastCol; ++c) DestVec->SetVal(c - FirstCol + 1, GetVal(c, Row));
}

void TIntMatrix::CopyColToVec(TIntVector* DestVec, Integer Col, Integer FirstRow, Integer LastRow) const
{
    if (!DestVec) return;
    MakeValidRowRange(FirstRow, LastRow);
    Col = Col < 1 ? 1 : Min(Col, FNCol);
    LastRow = Min(LastRow, FirstRow + DestVec->NrOfElem() - 1);
    DestVec->Fill(0);
    for (Integer r = FirstRow; r <= LastRow; ++r) DestVec->SetVal(r - FirstRow + 1, GetVal(Col, r));
}

void TIntMatrix::CopyToArray(TInt2DArray& DestArray, Integer LowCol, Integer HighCol, Integer LowRow,
                             Integer HighRow) const
{
    if (FIsSparse) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    DestArray.SetLength(HighCol - LowCol + 1);
    for (Integer c = LowCol; c <= HighCol; ++c) {
        DestArray[c - LowCol].SetLength(HighRow - LowRow + 1);
        for (Integer r = LowRow; r <= HighRow; ++r) DestArray[c - LowCol][r - LowRow] = GetVal(c, r);
    }
}

// ---- rearranging -------------------------------------------------------------------

void TIntMatrix::ExchangeColumns(Integer c1, Integer c2)
{
    if (FIsSparse || c1 < 1 || c2 < 1 || c1 > FNCol || c2 > FNCol) return;
    std::swap(Mat[c1 - 1], Mat[c2 - 1]);
    Changed();
}

void TIntMatrix::ExchangeRows(Integer r1, Integer r2)
{
    if (FIsSparse || r1 < 1 || r2 < 1 || r1 > FNRow || r2 > FNRow) return;
    for (auto& column : Mat) std::swap(column[r1 - 1], column[r2 - 1]);
    Changed();
}

void TIntMatrix::MirrorColumns()
{
    if (FIsSparse) return;
    for (Integer i = 1, j = FNCol; i < j; ++i, --j) std::swap(Mat[i - 1], Mat[j - 1]);
    Changed();
}

void TIntMatrix::MirrorRows()
{
    if (FIsSparse) return;
    for (auto& column : Mat)
        for (Integer i = 1, j = FNRow; i < j; ++i, --j) std::swap(column[i - 1], column[j - 1]);
    Changed();
}

void TIntMatrix::SortRows(Integer SortColIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                          Integer HighRow)
{
    if (FIsSparse || SortColIx < 1 || SortColIx > FNCol) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    if (HighRow - LowRow <= 0) return;
    const bool keyOutside = SortColIx < LowCol || SortColIx > HighCol;
    CombSort(
        LowRow, HighRow, HighRow - LowRow,
        [&](int i, int j) { return SortsBefore(Mat[SortColIx - 1][j - 1], Mat[SortColIx - 1][i - 1], Ascending); },
        [&](int i, int j) {
            for (Integer c = LowCol; c <= HighCol; ++c) std::swap(Mat[c - 1][i - 1], Mat[c - 1][j - 1]);
            if (keyOutside) std::swap(Mat[SortColIx - 1][i - 1], Mat[SortColIx - 1][j - 1]);
            if (FOnSortExchange) FOnSortExchange(this, 2, i, j, LowCol, HighCol);
        },
        [] {});
    Changed();
}

void TIntMatrix::SortCols(Integer SortRowIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                          Integer HighRow)
{
    if (FIsSparse || SortRowIx < 1 || SortRowIx > FNRow) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    if (HighCol - LowCol <= 0) return;
    const bool keyOutside = SortRowIx < LowRow || SortRowIx > HighRow;
    CombSort(
        LowCol, HighCol, HighCol - LowCol,
        [&](int i, int j) { return SortsBefore(Mat[j - 1][SortRowIx - 1], Mat[i - 1][SortRowIx - 1], Ascending); },
        [&](int i, int j) {
            for (Integer r = LowRow; r <= HighRow; ++r) std::swap(Mat[i - 1][r - 1], Mat[j - 1][r - 1]);
            if (keyOutside) std::swap(Mat[i - 1][SortRowIx - 1], Mat[j - 1][SortRowIx - 1]);
            if (FOnSortExchange) FOnSortExchange(this, 1, i, j, LowRow, HighRow);
        },
        [] {});
    Changed();
}

// ---- arithmetic --------------------------------------------------------------------

namespace {
Integer WrapAdd(Integer a, Integer b) { return static_cast<Integer>(static_cast<Cardinal>(a) + static_cast<Cardinal>(b)); }
Integer WrapMul(Integer a, Integer b) { return static_cast<Integer>(static_cast<Cardinal>(a) * static_cast<Cardinal>(b)); }
}  // namespace

bool TIntMatrix::Add(TIntMatrix* MatB)
{
    if (!MatB || FIsSparse) return false;
    if (MatB->FIsSparse) {
        if (MatB->FSparseNumElem > 0 && (FNCol < MatB->FSparseHighCol || FNRow < MatB->FSparseHighRow)) return false;
        for (Integer i = 0; i < MatB->FSparseNumElem; ++i) {
            const TSpMatElemInt& e = MatB->SpMat[static_cast<size_t>(i)];
            Mat[e.colidx - 1][e.rowidx - 1] = WrapAdd(Mat[e.colidx - 1][e.rowidx - 1], e.value);
        }
        Changed();
        return true;
    }
    if (MatB->FNCol != FNCol || MatB->FNRow != FNRow) return false;
    for (Integer c = 1; c <= FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r) Mat[c - 1][r - 1] = WrapAdd(Mat[c - 1][r - 1], MatB->Mat[c - 1][r - 1]);
    Changed();
    return true;
}

bool TIntMatrix::Subtract(TIntMatrix* MatB)
{
    if (!MatB || FIsSparse || MatB->FIsSparse || MatB->FNCol != FNCol || MatB->FNRow != FNRow) return false;
    for (Integer c = 1; c <= FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r)
            Mat[c - 1][r - 1] = WrapAdd(Mat[c - 1][r - 1], WrapMul(-1, MatB->Mat[c - 1][r - 1]));
    Changed();
    return true;
}

void TIntMatrix::SMult(Integer Scalar)
{
    if (FIsSparse) return;
    for (auto& column : Mat)
        for (Integer& v : column) v = WrapMul(v, Scalar);
    Changed();
}

void TIntMatrix::SAdd(Integer Scalar)
{
    if (FIsSparse) return;
    for (auto& column : Mat)
        for (Integer& v : column) v = WrapAdd(v, Scalar);
    Changed();
}

bool TIntMatrix::WrappedProduct(TIntMatrix* MatB, TIntMatrix* MatRes, bool transposeA, bool transposeB)
{
    if (!MatB || !MatRes || FIsSparse || MatB->FIsSparse || MatRes->FIsSparse) return false;
    const Integer rowsA = transposeA ? FNCol : FNRow, inner = transposeA ? FNRow : FNCol;
    const Integer innerB = transposeB ? MatB->FNCol : MatB->FNRow, colsB = transposeB ? MatB->FNRow : MatB->FNCol;
    if (inner != innerB) return false;
    MatRes->Resize(colsB, rowsA);
    for (Integer c = 1; c <= colsB; ++c)
        for (Integer r = 1; r <= rowsA; ++r) {
            Integer sum = 0;
            for (Integer k = 1; k <= inner; ++k) {
                const Integer a = transposeA ? GetVal(r, k) : GetVal(k, r);
                const Integer b = transposeB ? MatB->GetVal(k, c) : MatB->GetVal(c, k);
                sum = WrapAdd(sum, WrapMul(a, b));
            }
            MatRes->SetVal(c, r, sum);
        }
    Changed();
    return true;
}

bool TIntMatrix::Multiply(TIntMatrix* MatB, TIntMatrix* MatRes) { return WrappedProduct(MatB, MatRes, false, false); }

bool TIntMatrix::MultiplyTransposed(TIntMatrix* MatB, TIntMatrix* MatRes)
{
    return WrappedProduct(MatB, MatRes, false, true);
}

bool TIntMatrix::TransposeAndMultiply(TIntMatrix* MatB, TIntMatrix* MatRes)
{
    return WrappedProduct(MatB, MatRes, true, false);
}

bool TIntMatrix::Multiply(TIntVector* VecB, TIntVector* VecRes)
{
    if (!VecB || !VecRes || FIsSparse || FNCol != VecB->NrOfElem()) return false;
    VecRes->Resize(FNRow);
    for (Integer r = 1; r <= FNRow; ++r) {
        Integer sum = 0;
        for (Integer c = 1; c <= FNCol; ++c) sum = WrapAdd(sum, WrapMul(VecB->GetVal(c), GetVal(c, r)));
        VecRes->SetVal(r, sum);
    }
    Changed();
    return true;
}

bool TIntMatrix::TransposeAndMultiply(TIntVector* VecB, TIntVector* VecRes)
{
    if (!VecB || !VecRes || FIsSparse || FNRow != VecB->NrOfElem()) return false;
    VecRes->Resize(FNCol);
    for (Integer c = 1; c <= FNCol; ++c) {
        Integer sum = 0;
        for (Integer k = 1; k <= FNRow; ++k) sum = WrapAdd(sum, WrapMul(VecB->GetVal(k), GetVal(c, k)));
        VecRes->SetVal(c, sum);
    }
    Changed();
    return true;
}

bool TIntMatrix::EMult(TIntMatrix* MatB, TIntMatrix* MatRes)
{
    if (!MatB || !MatRes || FIsSparse || MatB->FIsSparse || MatRes->FIsSparse || MatB->FNCol != FNCol ||
        MatB->FNRow != FNRow)
        return false;
    MatRes->Resize(FNCol, FNRow);
    for (Integer c = 1; c <= FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r) MatRes->SetVal(c, r, WrapMul(GetVal(c, r), MatB->GetVal(c, r)));
    Changed();
    return true;
}

Integer TIntMatrix::Trace() const
{
    Integer sum = 0;
    if (FIsSparse) {
        if (FSparseNumElem == 0 || FSparseHighCol != FSparseHighRow) return 0;
        for (Integer i = 0; i < FSparseNumElem; ++i)
            if (SpMat[static_cast<size_t>(i)].colidx == SpMat[static_cast<size_t>(i)].rowidx)
                sum = WrapAdd(sum, SpMat[static_cast<size_t>(i)].value);
        return sum;
    }
    if (FNCol != FNRow || FNCol == 0) return 0;
    for (Integer i = 1; i <= FNCol; ++i) sum = WrapAdd(sum, Mat[i - 1][i - 1]);
    return sum;
}

// ---- statistics and searches -------------------------------------------------------

TIntArray TIntMatrix::BlockValues(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    TIntArray values;
    if (FNCol == 0 || FNRow == 0) return values;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    try {
        values.SetLength((HighCol - LowCol + 1) * (HighRow - LowRow + 1));
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    Integer k = 0;
    for (Integer c = LowCol; c <= HighCol; ++c)
        for (Integer r = LowRow; r <= HighRow; ++r) values[k++] = GetVal(c, r);
    return values;
}

void TIntMatrix::MinMax(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, Integer& Minimum,
                        Integer& Maximum) const
{
    Minimum = 2147483647;
    Maximum = -2147483647;
    if (FNCol == 0 || FNRow == 0) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    auto visit = [&](Integer v) {
        if (Minimum > v) Minimum = v;
        if (Maximum < v) Maximum = v;
    };
    if (FIsSparse) {
        for (Integer i = 0; i < FSparseNumElem; ++i) {
            const TSpMatElemInt& e = SpMat[static_cast<size_t>(i)];
            if (e.colidx >= LowCol && e.colidx <= HighCol && e.rowidx >= LowRow && e.rowidx <= HighRow) visit(e.value);
        }
        return;
    }
    for (Integer c = LowCol; c <= HighCol; ++c)
        for (Integer r = LowRow; r <= HighRow; ++r) visit(Mat[c - 1][r - 1]);
}

Integer TIntMatrix::Sum(Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    Integer sum = 0;
    if (FNCol == 0 || FNRow == 0) return 0;
    MakeValidColRange(LoC, HiC);
    MakeValidRowRange(LoR, HiR);
    if (FIsSparse) {
        for (Integer i = 0; i < FSparseNumElem; ++i) {
            const TSpMatElemInt& e = SpMat[static_cast<size_t>(i)];
            if (e.colidx >= LoC && e.colidx <= HiC && e.rowidx >= LoR && e.rowidx <= HiR) sum = WrapAdd(sum, e.value);
        }
        return sum;
    }
    for (Integer c = LoC; c <= HiC; ++c)
        for (Integer r = LoR; r <= HiR; ++r) sum = WrapAdd(sum, Mat[c - 1][r - 1]);
    return sum;
}

void TIntMatrix::MeanVar(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Mean,
                         double& Variance) const
{
    StatMeanVar(BlockValues(LowCol, LowRow, HighCol, HighRow), Mean, Variance);
}

double TIntMatrix::GeometricMean(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    if (FIsSparse) return 0;
    const TIntArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    double sumLn = 0;
    bool zero = false;
    for (Integer v : values) {
        if (v < 0) Fail(": negative argument passed to GeometricMean");
        if (v == 0)
            zero = true;
        else
            sumLn += std::log(static_cast<double>(v));
    }
    return zero || values.Length() == 0 ? 0 : std::exp(sumLn / values.Length());
}

double TIntMatrix::HarmonicMean(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    if (FIsSparse) return 0;
    const TIntArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    double sum = 0;
    for (Integer v : values) {
        if (v <= 0) Fail(": negative or zero argument passed to HarmonicMean");
        sum += 1.0 / v;
    }
    return values.Length() == 0 ? 0 : values.Length() / sum;
}

void TIntMatrix::SkewKurt(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Skewness,
                          double& Kurtosis) const
{
    StatSkewKurt(BlockValues(LowCol, LowRow, HighCol, HighRow), 2, Skewness, Kurtosis);
}

void TIntMatrix::SkewKurtSample(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Skewness,
                                double& Kurtosis) const
{
    const TIntArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    StatSkewKurt(values, 2, Skewness, Kurtosis);
    StatSampleCorrection(values.Length(), Skewness, Kurtosis);
}

bool TIntMatrix::Quartiles(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Q1, double& Q2,
                           double& Q3) const
{
    Q1 = Q2 = Q3 = 0;
    if (FIsSparse || FNCol == 0 || FNRow == 0) return false;
    TIntArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    SortIntegerArray(values, true);
    StatQuartiles(values, Q1, Q2, Q3);
    return true;
}

double TIntMatrix::Percentile(double prob, Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    if (FIsSparse || FNCol == 0 || FNRow == 0) return 0;
    prob = prob > 0 ? Min(prob, 100.0) : 0;
    const TIntArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    TDoubleArray work;
    work.SetLength(values.Length());
    for (Integer i = 0; i < values.Length(); ++i) work[i] = values[i];
    const Integer n = work.Length();
    return SelectKthSmallest(work, static_cast<Integer>(Round(Extended(n) * prob / 100)), 0, n - 1);
}

double TIntMatrix::Percentile(double prob, Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow,
                              Integer SampleSize) const
{
    if (FIsSparse || FNCol == 0 || FNRow == 0) return 0;
    prob = prob > 0 ? Min(prob, 100.0) : 0;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    const Int64 size = Int64(HighCol - LowCol + 1) * (HighRow - LowRow + 1);
    if (SampleSize <= 0 || SampleSize >= size) return Percentile(prob, LowCol, LowRow, HighCol, HighRow);
    Randomize();
    TDoubleArray work;
    work.SetLength(SampleSize);
    for (Integer i = 0; i < SampleSize; ++i) {
        const Integer c = LowCol + Random(HighCol - LowCol + 1);
        const Integer r = LowRow + Random(HighRow - LowRow + 1);
        work[i] = Mat[c - 1][r - 1];
    }
    return SelectKthSmallest(work, static_cast<Integer>(Round(Extended(SampleSize) * prob / 100)), 0, SampleSize - 1);
}

Integer TIntMatrix::CountValues(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer RangeLow,
                                Integer RangeHigh) const
{
    Integer count = 0;
    for (Integer v : BlockValues(LowCol, LowRow, HighCol, HighRow))
        if (RangeLow <= v && v <= RangeHigh) ++count;
    return count;
}

// ResultArray[c - 1][r - 1] tells whether element (c, r) lies above the threshold.
Integer TIntMatrix::Dichotomize(Integer Threshold, TBool2DArray& ResultArray) const
{
    Integer count = 0;
    ResultArray.SetLength(NrOfColumns());
    for (Integer c = 1; c <= NrOfColumns(); ++c) {
        ResultArray[c - 1].SetLength(NrOfRows());
        for (Integer r = 1; r <= NrOfRows(); ++r) {
            const bool above = GetVal(c, r) > Threshold;
            ResultArray[c - 1][r - 1] = above;
            if (above) ++count;
        }
    }
    return count;
}

Integer TIntMatrix::CountMaskedZeros(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                                     Cardinal Bitmask) const
{
    Integer count = 0;
    for (Integer v : BlockValues(LowCol, LowRow, HighCol, HighRow))
        if ((static_cast<Cardinal>(v) & Bitmask) == 0) ++count;
    return count;
}

void TIntMatrix::EdgeVector(TOrientation Orient, TEdgeOp EdgeOp, TVector* DestVec) const
{
    if (!DestVec) return;
    const bool perRow = Orient == orVert;
    const Integer outer = perRow ? FNRow : FNCol;
    const Integer inner = perRow ? FNCol : FNRow;
    DestVec->Resize(outer);
    for (Integer i = 1; i <= outer; ++i) {
        double stat = EdgeOp == eopMin ? 1.7e308 : (EdgeOp == eopMax ? -1.7e308 : 0.0);
        for (Integer j = 1; j <= inner; ++j) {
            const double v = perRow ? GetVal(j, i) : GetVal(i, j);
            if (EdgeOp == eopMin && stat > v) stat = v;
            if (EdgeOp == eopMax && stat < v) stat = v;
            if (EdgeOp == eopSum || EdgeOp == eopMean) stat += v;
        }
        if (EdgeOp == eopMean && inner > 0) stat /= inner;
        DestVec->SetVal(i, stat);
    }
}

void TIntMatrix::MeanVec(TDims Dim, TVector* Means) const
{
    if (!Means || (Dim != dimX && Dim != dimY)) return;
    EdgeVector(Dim == dimX ? orHoriz : orVert, eopMean, Means);
}

void TIntMatrix::Find(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer Value,
                      Integer& ColIx, Integer& RowIx) const
{
    ColIx = 0;
    RowIx = 0;
    if (FIsSparse || FNCol == 0 || FNRow == 0) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    double best = 1.7e308;
    for (Integer c = LowCol; c <= HighCol; ++c)
        for (Integer r = LowRow; r <= HighRow; ++r) {
            const double d = std::fabs(static_cast<double>(Mat[c - 1][r - 1]) - Value);
            if (d < best) {
                best = d;
                ColIx = c;
                RowIx = r;
            }
        }
}

Integer TIntMatrix::FindInSortedColumn(Integer Col, bool ColIsAscending, Integer Value) const
{
    if (FIsSparse || Col < 1 || Col > FNCol || FNRow < 1) return 0;
    return StatFindInSorted(1, FNRow, ColIsAscending, Value, [&](Integer r) { return double(Mat[Col - 1][r - 1]); });
}

String TIntMatrix::CRCofData() const
{
    TElementCRC crc(sizeof(Integer));
    for (Integer c = 1; c <= FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r) {
            const Integer v = GetVal(c, r);
            crc.Add(&v);
        }
    return crc.Text();
}

// ---- files -------------------------------------------------------------------------

void TIntMatrix::SaveBinary(const String& FName)
{
    TBlockFileHeader header;
    header.NrColumns = FNCol;
    header.NrRows = FNRow;
    header.DataID = FDataID;
    header.Format = BlockFormatInteger;
    TBlockFileWriter writer(FName, header, sizeof(Integer));
    TPercentCounter progress(Int64(FNCol) * FNRow, [this](Integer p) { FOnPercentDone(this, p); });
    for (Integer c = 1; c <= FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r) {
            progress.Step();
            const Integer v = GetVal(c, r);
            writer.Add(&v);
        }
    writer.Finish();
}

Integer TIntMatrix::LoadBinary(const String& FName)
{
    TBlockFileHeader header;
    std::vector<char> data;
    if (const Integer code = ReadMatrixBlockFile(FName, BlockFormatInteger, sizeof(Integer), header, data)) return code;
    const Integer cols = header.NrColumns, rows = header.NrRows;
    Resize(cols, rows);
    FDataID = header.DataID;
    TPercentCounter progress(Int64(cols) * rows, [this](Integer p) { FOnPercentDone(this, p); });
    size_t k = 0;
    for (Integer c = 1; c <= cols; ++c)
        for (Integer r = 1; r <= rows; ++r) {
            progress.Step();
            SetVal(c, r, BlockElement<Integer>(data, k++));
        }
    return 0;
}

bool TIntMatrix::ReadBinaryHeader(const String& FName, Integer& NrColumns, Integer& NrRows, String& DataID,
                                  Integer& Format) const
{
    return ReadMatrixBlockHeader(FName, BlockFormatInteger, NrColumns, NrRows, DataID, Format);
}

void TIntMatrix::WriteStream(TStream& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    MakeValidColRange(LoC, HiC);
    MakeValidRowRange(LoR, HiR);
    WriteMatrixStream<Integer>(OutStream, LoC, LoR, HiC, HiR, [this](Integer c, Integer r) { return GetVal(c, r); });
}

void TIntMatrix::SaveToStream(TMemoryStream*& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    if (!OutStream) OutStream = new TMemoryStream();
    WriteStream(*OutStream, LoC, LoR, HiC, HiR);
}

void TIntMatrix::SaveToStream(TFileStream* OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    if (OutStream) WriteStream(*OutStream, LoC, LoR, HiC, HiR);
}

bool TIntMatrix::LoadFromStream(TStream* InStream, bool AdjustMatrixSize)
{
    if (!InStream) return false;
    bool filled = false;
    const auto fits = [&](Integer hiC, Integer hiR) {
        if (AdjustMatrixSize) Resize(hiC, hiR);
        return FNRow >= hiR && FNCol >= hiC;
    };
    const auto store = [this](Integer c, Integer r, Integer v) { SetVal(c, r, v); };
    if (!ReadMatrixStream<Integer>(*InStream, fits, store, filled)) return false;
    Changed();
    return filled;
}

bool TIntMatrix::StoreOnFile(Integer LoC, Integer LoR, Integer HiC, Integer HiR, const String& FileName) const
{
    MakeValidColRange(LoC, HiC);
    MakeValidRowRange(LoR, HiR);
    const std::vector<std::string> head = {std::to_string(LoR) + " " + std::to_string(HiR),
                                           std::to_string(LoC) + " " + std::to_string(HiC)};
    return WriteTextLinesFile(FileName, head, LoR, HiR, [&](Integer r) {
        std::string line;
        for (Integer c = LoC; c <= HiC; ++c) line += std::to_string(GetVal(c, r)) + " ";
        return line;
    });
}

bool TIntMatrix::LoadFromFile(const String& FileName, bool AdjustMatrixSize)
{
    bool filled = false;
    const auto fits = [&](Integer hiC, Integer hiR) {
        if (AdjustMatrixSize) Resize(hiC, hiR);
        return FNRow >= hiR && FNCol >= hiC;
    };
    const auto store = [this](Integer c, Integer r, double v) { SetVal(c, r, RoundToInteger(v)); };
    if (!ReadMatrixTextFile(FileName, fits, store, filled)) return false;
    Changed();
    return filled;
}

std::vector<String> TIntMatrix::XMLLines(bool CreateHeader, const String& DataID) const
{
    std::vector<String> lines =
        XMLMatrixHead(CreateHeader, "TIntMatrix", 2, DataID.IsEmpty() ? FDataID : DataID, {FNCol, FNRow});
    for (Integer r = 1; r <= FNRow; ++r)
        for (Integer c = 1; c <= FNCol; ++c)
            if (GetVal(c, r) != 0) lines.push_back(XMLCellLine({c, r}, IntToStr(GetVal(c, r))));
    lines.push_back("</matrix>");
    return lines;
}

void TIntMatrix::WriteToXMLStream(TStream* OutStream, bool CreateHeader, const String& DataID) const
{
    if (OutStream) WriteXMLLines(*OutStream, XMLLines(CreateHeader, DataID));
}

void TIntMatrix::WriteToOpenXMLFile(TextFile& OutFile, bool CreateHeader, const String& DataID) const
{
    WriteXMLLines(OutFile, XMLLines(CreateHeader, DataID));
}

void TIntMatrix::SaveAsXMLFile(const String& FName, const String& DataID) const
{
    TFileStream out(FName, fmCreate);
    WriteToXMLStream(&out, true, DataID);
}

bool TIntMatrix::ReadFromXMLStream(TStream* InStream, const String& DataID)
{
    return InStream && ReadXML(XMLInputOf(*InStream), DataID);
}

bool TIntMatrix::ReadFromOpenXMLFile(TextFile& InFile, const String& DataID)
{
    return ReadXML(XMLInputOf(InFile), DataID);
}

bool TIntMatrix::ReadXML(const TXMLInput& input, const String& DataID)
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
        SetVal(XMLAttributeInt(attributes, "ix"), XMLAttributeInt(attributes, "iy"), ParseIntegerAt(contents, pos));
    };
    return ReadXMLContainer(input, 2, DataID, target, FDataID, FirstCell, [this] { Changed(); });
}

bool TIntMatrix::LoadFromXMLFile(const String& FName, const String& DataID)
{
    try {
        TFileStream in(FName, fmOpenRead);
        return ReadFromXMLStream(&in, DataID);
    } catch (const Exception&) {
        return false;
    }
}

Integer TIntMatrix::WriteASC(const String& FName, const String& Comment, const TStr2DArray* CustData) const
{
    const auto rowText = [this](Integer r) {
        std::string line;
        for (Integer c = 1; c <= FNCol; ++c) line += "\t" + std::to_string(GetVal(c, r));
        return line;
    };
    const String comment = Comment.IsEmpty() ? "Exported by VEZ TMatrix component: " + FName : Comment;
    return WriteASCFile(FName, comment, FNCol, FNRow, rowText, CustData);
}

Integer TIntMatrix::ExportAsASC(const String& FName, const String& Comment) const
{
    return WriteASC(FName, Comment, nullptr);
}

Integer TIntMatrix::ExportAsASC(const String& FName, const String& Comment, const TStr2DArray& CustData) const
{
    return WriteASC(FName, Comment, &CustData);
}

Integer TIntMatrix::ReadASC(const String& FName, String& Comment, TStr2DArray* CustData)
{
    TASCTarget target;
    target.Resize = [this](Integer cols, Integer rows) { Resize(cols, rows); };
    target.Store = [this](Integer c, Integer r, double v) { SetVal(c, r, RoundToInteger(v)); };
    target.Finish = [this](Integer cols, Integer rowsBegun) {
        SetNrOfRows(rowsBegun);
        SetNrOfColumns(cols);
    };
    return ImportASCFile(FName, Comment, target, CustData);
}

Integer TIntMatrix::ImportASC(const String& FName, String& Comment)
{
    return ReadASC(FName, Comment, nullptr);
}

Integer TIntMatrix::ImportASC(const String& FName, String& Comment, TStr2DArray& CustData)
{
    return ReadASC(FName, Comment, &CustData);
}

static std::string Padded6(Integer v)
{
    std::string s = std::to_string(v);
    return s.size() < 6 ? std::string(6 - s.size(), ' ') + s : s;
}

bool TIntMatrix::StoreSparseMat(const String& FileName) const
{
    bool result = false;
    try {
        TTextFileWriter f(FileName);
        if (!FIsSparse) {
            f.WriteLine("this matrix is not a sparse matrix");
            f.Close();
            return false;
        }
        result = true;
        f.WriteLine("VEZ_sparse_matrix");
        f.WriteLine(Padded6(FSparseNumElem) + "     // number of elements in sparse matrix");
        f.WriteLine(Padded6(FSparseLowCol) + " " + Padded6(FSparseHighCol) + "   // lowest and highest column");
        f.WriteLine(Padded6(FSparseLowRow) + " " + Padded6(FSparseHighRow) + "   // lowest and highest row");
        for (Integer i = 0; i < FSparseNumElem; ++i) {
            const TSpMatElemInt& e = SpMat[static_cast<size_t>(i)];
            f.WriteLine("[" + std::to_string(e.colidx) + "," + std::to_string(e.rowidx) + "]=" + std::to_string(e.value));
        }
        f.Close();
    } catch (const Exception&) {
    }
    return result;
}

bool TIntMatrix::LoadSparseMat(const String& FileName)
{
    std::string bytes;
    if (!ReadFileBytes(FileName, bytes)) return false;
    TTextScanner in(std::move(bytes));
    std::string line;
    if (!in.NextLine(line) || LowerCase(FromAnsi(line)).u16().find(u"vez_sparse_matrix") == std::u16string::npos)
        return false;
    if (!in.NextLine(line)) return false;
    Integer pos = 1;
    Integer n = ParseIntegerAt(FromAnsi(line), pos);
    if (n <= 0) return n == 0;
    in.NextLine(line);
    in.NextLine(line);
    bool malformed = false;
    while (in.NextLine(line)) {
        --n;
        const String text = FromAnsi(line);
        const Integer eq = Pos("=", text);
        if (eq == 0) {
            malformed = true;
            continue;
        }
        Integer at = eq + 1;
        const Integer value = ParseIntegerAt(text, at);
        at = 2;
        const Integer col = ParseIntegerAt(text, at);
        ++at;
        const Integer row = ParseIntegerAt(text, at);
        // Positions beyond the library's limit cannot come from a sound file.
        if (col > MaxFileElements || row > MaxFileElements) {
            malformed = true;
            continue;
        }
        SetVal(col, row, value);
    }
    return n == 0 && !malformed;
}

// ---- TMatrix from an integer matrix -------------------------------------------------

void TMatrix::CopyFromIntMatrix(TIntMatrix* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                       Integer SourceRowHi, Integer DestCol, Integer DestRow)
{
    if (!MatSource) return;
    auto clamp = [](Integer v, Integer n) { return v < 1 ? 1 : (v > n ? n : v); };
    SourceColLo = clamp(SourceColLo, MatSource->NrOfColumns());
    SourceRowLo = clamp(SourceRowLo, MatSource->NrOfRows());
    SourceColHi = clamp(SourceColHi, MatSource->NrOfColumns());
    SourceRowHi = clamp(SourceRowHi, MatSource->NrOfRows());
    if (SourceRowHi < SourceRowLo) SwapIntegers(SourceRowLo, SourceRowHi);
    if (SourceColHi < SourceColLo) SwapIntegers(SourceColLo, SourceColHi);
    for (Integer c = SourceColLo; c <= SourceColHi; ++c)
        for (Integer r = SourceRowLo; r <= SourceRowHi; ++r)
            SetVal(c - SourceColLo + DestCol, r - SourceRowLo + DestRow, MatSource->GetVal(c, r));
    Changed();
}
