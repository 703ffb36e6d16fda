#pragma once
// TIntMatrix: the 32-bit integer twin of TMatrix, addressed (column, row) from
// 1, with a dense store (an array of columns) or a sparse store (the non-zero
// positions kept sorted by column, then row).
//
// Operations that only know the dense store do nothing on a sparse matrix and
// give their neutral result (false, 0, the start values).
#include <vector>

#include "numerics/VEZ_intvector.h"
#include "numerics/VEZ_matrix.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Streams.h"

// One entry of the sparse store.
struct TSpMatElemInt {
    Integer colidx = 0;
    Integer rowidx = 0;
    Integer value = 0;
};

class TIntMatrix : public TComponent {
    DECLARE_CLASS(TIntMatrix, TComponent)
public:
    // Dense, 1 x 1 holding 0.
    explicit TIntMatrix(TComponent* AOwner);
    // Sparse with AllocBy (at least 1) entries of capacity, no entries, counts 0.
    static TIntMatrix* CreateSparse(TComponent* AOwner, Integer AllocBy);
    ~TIntMatrix() override;

    // ---- properties ----
    Integer NrOfColumns() const { return FNCol; }
    void SetNrOfColumns(Integer Value) { Resize(Max<Integer>(Value, 0), FNRow); }
    Integer NrOfRows() const { return FNRow; }
    void SetNrOfRows(Integer Value) { Resize(FNCol, Max<Integer>(Value, 0)); }
    const String& DataID() const { return FDataID; }
    void SetDataID(const String& Value) { FDataID = Value; }
    bool IsSparse() const { return FIsSparse; }
    Integer SparseNumElem() const { return FSparseNumElem; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TSortExchgEvent& OnSortExchange() const { return FOnSortExchange; }
    void SetOnSortExchange(const TSortExchgEvent& Value) { FOnSortExchange = Value; }
    const TOnPercentDoneEvent& OnPercentDone() const { return FOnPercentDone; }
    void SetOnPercentDone(const TOnPercentDoneEvent& Value) { FOnPercentDone = Value; }
    Integer Elem(Integer Nc, Integer Nr) const { return GetVal(Nc, Nr); }
    void SetElem(Integer Nc, Integer Nr, Integer Value) { SetVal(Nc, Nr, Value); }

    // ---- store ----
    void Changed();
    Integer GetVal(Integer Nc, Integer Nr) const;
    void SetVal(Integer Nc, Integer Nr, Integer Value);
    // False when both counts are unchanged; true after a dense resize, false after a
    // sparse one.
    bool Resize(Integer Nc, Integer Nr);
    bool ResizeAndClear(Integer Nc, Integer Nr);
    void MakeValidColRange(Integer& LowCol, Integer& HighCol) const;
    void MakeValidRowRange(Integer& LowRow, Integer& HighRow) const;
    bool RemoveColumn(Integer col);
    bool RemoveRow(Integer row);
    void Fill(Integer value);
    void Fill(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer value);
    void FillDiag(Integer value);
    bool Transpose();
    void Clone(TIntMatrix* MatSource);
    void SparseToArray();
    void ArrayToSparse(Integer AllocBy);

    // ---- copying ----
    void CopyFrom(TIntMatrix* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                  Integer SourceRowHi, Integer DestCol, Integer DestRow);
    void CopyFromArray(const TInt2DArray& SrcArray, Integer Col, Integer Row);
    void CopyRowToVec(TIntVector* DestVec, Integer Row, Integer FirstCol, Integer LastCol) const;
    void CopyColToVec(TIntVector* DestVec, Integer Col, Integer FirstRow, Integer LastRow) const;
    void CopyToArray(TInt2DArray& DestArray, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow) const;

    // ---- rearranging ----
    void ExchangeColumns(Integer c1, Integer c2);
    void ExchangeRows(Integer r1, Integer r2);
    void MirrorColumns();
    void MirrorRows();
    void SortRows(Integer SortColIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                  Integer HighRow);
    void SortCols(Integer SortRowIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                  Integer HighRow);

    // ---- arithmetic (32-bit wrap-around) ----
    bool Add(TIntMatrix* MatB);
    bool Subtract(TIntMatrix* MatB);
    void SMult(Integer Scalar);
    void SAdd(Integer Scalar);
    bool Multiply(TIntMatrix* MatB, TIntMatrix* MatRes);
    bool MultiplyTransposed(TIntMatrix* MatB, TIntMatrix* MatRes);
    bool TransposeAndMultiply(TIntMatrix* MatB, TIntMatrix* MatRes);
    bool Multiply(TIntVector* VecB, TIntVector* VecRes);
    bool TransposeAndMultiply(TIntVector* VecB, TIntVector* VecRes);
    bool EMult(TIntMatrix* MatB, TIntMatrix* MatRes);
    Integer Trace() const;

    // ---- statistics and searches ----
    void MinMax(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, Integer& Minimum,
                Integer& Maximum) const;
    Integer Sum(Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
    void MeanVar(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Mean,
                 double& Variance) const;
    double GeometricMean(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const;
    double HarmonicMean(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const;
    void SkewKurt(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Skewness,
                  double& Kurtosis) const;
    void SkewKurtSample(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Skewness,
                        double& Kurtosis) const;
    bool Quartiles(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Q1, double& Q2,
                   double& Q3) const;
    double Percentile(double prob, Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const;
    double Percentile(double prob, Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow,
                      Integer SampleSize) const;
    Integer CountValues(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer RangeLow,
                        Integer RangeHigh) const;
    Integer Dichotomize(Integer Threshold, TBool2DArray& ResultArray) const;
    Integer CountMaskedZeros(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                             Cardinal Bitmask) const;
    void EdgeVector(TOrientation Orient, TEdgeOp EdgeOp, TVector* DestVec) const;
    void MeanVec(TDims Dim, TVector* Means) const;
    void Find(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer Value, Integer& ColIx,
              Integer& RowIx) const;
    Integer FindInSortedColumn(Integer Col, bool ColIsAscending, Integer Value) const;
    String CRCofData() const;

    // ---- files ----
    void SaveBinary(const String& FName);
    Integer LoadBinary(const String& FName);
    bool ReadBinaryHeader(const String& FName, Integer& NrColumns, Integer& NrRows, String& DataID,
                          Integer& Format) const;
    void SaveToStream(TMemoryStream*& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
    void SaveToStream(TFileStream* OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
    bool LoadFromStream(TStream* InStream, bool AdjustMatrixSize);
    bool StoreOnFile(Integer LoC, Integer LoR, Integer HiC, Integer HiR, const String& FileName) const;
    bool LoadFromFile(const String& FileName, bool AdjustMatrixSize);
    void WriteToXMLStream(TStream* OutStream, bool CreateHeader, const String& DataID) const;
    void WriteToOpenXMLFile(TextFile& OutFile, bool CreateHeader, const String& DataID) const;
    void SaveAsXMLFile(const String& FName, const String& DataID) const;
    bool ReadFromXMLStream(TStream* InStream, const String& DataID);
    bool ReadFromOpenXMLFile(TextFile& InFile, const String& DataID);
    bool LoadFromXMLFile(const String& FName, const String& DataID);
    Integer ExportAsASC(const String& FName, const String& Comment) const;
    Integer ExportAsASC(const String& FName, const String& Comment, const TStr2DArray& CustData) const;
    Integer ImportASC(const String& FName, String& Comment);
    Integer ImportASC(const String& FName, String& Comment, TStr2DArray& CustData);
    bool StoreSparseMat(const String& FileName) const;
    bool LoadSparseMat(const String& FileName);

private:
    // MatRes := op(this) x op(MatB), op transposing where asked; sums wrap as 32-bit integers.
    bool WrappedProduct(TIntMatrix* MatB, TIntMatrix* MatRes, bool transposeA, bool transposeB);

    [[noreturn]] void Fail(const String& tail) const;
    bool Inside(Integer Nc, Integer Nr) const { return Nc >= 1 && Nc <= FNCol && Nr >= 1 && Nr <= FNRow; }
    TInt2DArray ResizedStore(Integer columns, Integer rows) const;
    // Index (0-based) of the first entry not before (Nc, Nr) in column-then-row order.
    Integer SparseSearch(Integer Nc, Integer Nr) const;
    void ResetSparseStore();
    // The values of a normalised block, column by column, rows ascending.
    TIntArray BlockValues(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const;
    std::vector<String> XMLLines(bool CreateHeader, const String& DataID) const;
    bool ReadXML(const TXMLInput& input, const String& DataID);
    void WriteStream(TStream& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
    Integer WriteASC(const String& FName, const String& Comment, const TStr2DArray* CustData) const;
    Integer ReadASC(const String& FName, String& Comment, TStr2DArray* CustData);

    Integer FNCol = 1;
    Integer FNRow = 1;
    String FDataID;
    bool FIsSparse = false;
    Integer FNumAllocated = 0;
    Integer FAllocBy = 1;
    Integer FSparseNumElem = 0;
    Integer FSparseLowCol = 2147483647;
    Integer FSparseHighCol = 1;
    Integer FSparseLowRow = 2147483647;
    Integer FSparseHighRow = 1;
    std::vector<TSpMatElemInt> SpMat;  // entries 0 .. FSparseNumElem-1 in use
    TInt2DArray Mat;                   // Mat[c-1][r-1]
    TNotifyEvent FOnChange;
    TOnPercentDoneEvent FOnPercentDone;
    TSortExchgEvent FOnSortExchange;
    bool FirstCell = false;
};
