#pragma once
// TMatrix: matrix of doubles addressed by (column, row), both counted from 1.  A read
// outside the matrix gives 0 and a write outside is ignored; block ranges are
// normalised, never rejected; the only errors are allocation failures.
#include "chart/VEZ_vezbase.h"
#include "numerics/VEZ_vector.h"
#include "platform/classes/Component.h"
#include "platform/rtl/FileIO.h"
#include "platform/rtl/Streams.h"

#include <concepts>
#include <vector>

DORVANE_EXCEPTION(EVEZMatrixError, EVEZError);

// A user distance between two rows: Sender, Row1, Row2, in/out Distance.
using TOnCalcDistanceEvent = TEvent<TObject*, Integer, Integer, double&>;

class TIntVector;
class TIntMatrix;
class TMat3D;
class TMatSq1ColThread;
struct TXMLInput;
// Matrix norms of TMatrix::Norm.
enum TNormType { ntColwise, ntRowwise, ntSpectral, ntFrobenius };

class TMatrix : public TComponent {
    DECLARE_CLASS(TMatrix, TComponent)
public:
    // 1 column, 1 row holding 0; Precision 15 and -1; no handlers.
    explicit TMatrix(TComponent* AOwner);
    ~TMatrix() override;

    // From a TMatrix: counts, DataID, elements, Precision and the handlers OnChange,
    // OnSortExchange and OnCalcDistance; no event.
    void Assign(TPersistent* Source) override;
    // Resizes to the source and copies its elements through SetVal, then Changed.
    void Clone(TMatrix* MatSource);
    void Changed();

    // ---- size ----
    Integer NrOfColumns() const { return FNCol; }
    void SetNrOfColumns(Integer Value);
    Integer NrOfRows() const { return FNRow; }
    void SetNrOfRows(Integer Value);
    // Negative counts become 0; keeps the values inside both sizes, new cells 0; fires
    // OnChange unless the counts are unchanged.  Always true.
    bool Resize(Integer Nc, Integer Nr);
    // Resize, then Fill(0).
    bool ResizeAndClear(Integer Nc, Integer Nr);
    // Shifts the later columns (rows) one place left (up); false for an index outside
    // the matrix or when only one column (row) is left.
    bool RemoveColumn(Integer col);
    bool RemoveRow(Integer row);

    // ---- elements and settings ----
    double GetVal(Integer Nc, Integer Nr) const;
    // Inside the matrix: stores and fires OnChange; otherwise nothing.
    void SetVal(Integer Nc, Integer Nr, double Value);
    double Elem(Integer Nc, Integer Nr) const { return GetVal(Nc, Nr); }
    void SetElem(Integer Nc, Integer Nr, double Value) { SetVal(Nc, Nr, Value); }
    // Entry 1 (ix <= 1) is the text field width, entry 2 the decimals; kept in -1..25.
    Integer GetFPrecis(Integer ix) const;
    void SetFPrecis(Integer ix, Integer value);
    const String& DataID() const { return FDataID; }
    void SetDataID(const String& Value) { FDataID = Value; }

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TSortExchgEvent& OnSortExchange() const { return FOnSortExchange; }
    void SetOnSortExchange(const TSortExchgEvent& Value) { FOnSortExchange = Value; }
    const TOnCalcDistanceEvent& OnCalcDistance() const { return FOnCalcDist; }
    void SetOnCalcDistance(const TOnCalcDistanceEvent& Value) { FOnCalcDist = Value; }
    const TOnPercentDoneEvent& OnPercentDone() const { return FOnPercentDone; }
    void SetOnPercentDone(const TOnPercentDoneEvent& Value) { FOnPercentDone = Value; }

    // ---- ranges: 0, 0 the whole dimension, bounds clamped, reversed ranges turned ----
    void MakeValidColRange(Integer& LowCol, Integer& HighCol) const;
    void MakeValidRowRange(Integer& LowRow, Integer& HighRow) const;

    // ---- filling ----
    // Every element of the store; nothing (and no event) when the store is empty.
    void Fill(double value);
    void Fill(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double value);
    void FillDiag(double value);
    // RangeLow + u * (RangeHigh - RangeLow), u from the process-wide generator, column
    // by column, rows ascending.
    void FillRandomUniform(double RangeLow, double RangeHigh);
    void FillRandomUniform(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double RangeLow,
                           double RangeHigh);
    // Mean + StdDev * RandomGauss, in the same order.
    void FillRandomGauss(double Mean, double StdDev);
    void FillRandomGauss(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double Mean,
                         double StdDev);

    // ---- copying in (through SetVal; destinations outside are dropped) ----
    // Source bounds clamped to the source (0 addresses element 1), then the block goes
    // to (DestCol, DestRow); the source may be this matrix.
    void CopyFrom(TMatrix* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                  Integer SourceRowHi, Integer DestCol, Integer DestRow);
    // A vector range down column DestCol from row DestRow.
    void CopyFromVec(TVector* VecSource, Integer Source1stElem, Integer SourceLastElem, Integer DestCol,
                     Integer DestRow);
    // dimX along row DestRow, dimY down column DestCol; other directions write nothing.
    void CopyFromVec(TDims Dim, TVector* VecSource, Integer Source1stElem, Integer SourceLastElem, Integer DestCol,
                     Integer DestRow);
    // Array element [i][j] to (Col + i, Row + j); no closing OnChange.
    void CopyFromArray(const TDouble2DArray& SrcArray, Integer Col, Integer Row);
    void CopyFromArray(const TInt2DArray& SrcArray, Integer Col, Integer Row);

    // ---- copying out (the matrix is not changed) ----
    void CopyRowToVec(TVector* DestVec, Integer Row, Integer FirstCol, Integer LastCol) const;
    void CopyColToVec(TVector* DestVec, Integer Col, Integer FirstRow, Integer LastRow) const;
    void CopyToArray(TDouble2DArray& DestArray, Integer LowCol, Integer HighCol, Integer LowRow,
                     Integer HighRow) const;
    // Values rounded to the nearest integer, halves to even.
    void CopyToArray(TInt2DArray& DestArray, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow) const;

    // ---- rearranging ----
    // Indices outside the matrix leave it unchanged.
    void ExchangeColumns(Integer c1, Integer c2);
    void ExchangeRows(Integer r1, Integer r2);
    void MirrorColumns();
    void MirrorRows();
    // Comb sort of the rows LowRow..HighRow of a block by their values in column
    // SortColIx; whole block rows move, the key column always with them.  NaN keys go
    // after every number; a key column outside the matrix leaves it unchanged.
    void SortRows(Integer SortColIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                  Integer HighRow);
    // The same for the columns LowCol..HighCol by their values in row SortRowIx.
    void SortCols(Integer SortRowIx, bool Ascending, Integer LowCol, Integer LowRow, Integer HighCol,
                  Integer HighRow);

protected:
    void AssignTo(TPersistent* Dest) override;
    [[noreturn]] void Fail(const String& tail) const;
    // Whether (Nc, Nr) lies inside the matrix.
    bool Inside(Integer Nc, Integer Nr) const { return Nc >= 1 && Nc <= FNCol && Nr >= 1 && Nr <= FNRow; }
    // A store of the given shape holding the current values where they overlap.
    TDouble2DArray ResizedStore(Integer columns, Integer rows) const;
    // Calls fn(element) for every element of the normalised block, column by column,
    // rows ascending, then fires OnChange.
    template <class Fn>
    void ForBlock(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Fn fn);

    Integer FNCol = 1;
    Integer FNRow = 1;
    String FDataID;
    Integer FPrecis[2] = {15, -1};
    TNotifyEvent FOnChange;
    TSortExchgEvent FOnSortExchange;
    TOnCalcDistanceEvent FOnCalcDist;
    TOnPercentDoneEvent FOnPercentDone;
    TDouble2DArray Mat;  // Mat[c-1][r-1]; max(FNCol, 1) x max(FNRow, 1) after Create and Resize
    bool FirstCell = false;

    // ---- Algebra (VEZ_matrix_algebra.cpp) ----
public:
    bool Transpose();
    // Products into a distinct result; false and nothing done when the shapes do not fit.
    bool Multiply(TMatrix* MatB, TMatrix* MatRes);
    bool MultiplyTransposed(TMatrix* MatB, TMatrix* MatRes);
    bool TransposeAndMultiply(TMatrix* MatB, TMatrix* MatRes);
    bool Multiply(TVector* VecB, TVector* VecRes);
    bool TransposeAndMultiply(TVector* VecB, TVector* VecRes);
    bool EMult(TMatrix* MatB, TMatrix* MatRes);
    bool Add(TMatrix* MatB);
    bool Subtract(TMatrix* MatB);
    void SMult(double Scalar);
    void SAdd(double Scalar);
    // MatRes := (A transposed x A) / Norm on NThreads threads (the processors when not
    // given); false for a missing result or on abort.
    bool Square(TMatrix* MatRes, double Norm, Integer NThreads);
    bool Square(TMatrix* MatRes, double Norm);
    bool LUdecomposition(TMatrix* MatL, TMatrix* MatU, Integer& NumPerm);
    double Determinant();
    bool Invert();
    bool CholeskyDecomp(TMatrix* MatL);
    bool CalcHatMatrix(TMatrix* HatMat);
    double Norm(TNormType nt);
    double Trace() const;
    bool Balance();
    void Diff(Integer Order);

    // ---- Files (VEZ_matrix_files.cpp) ----
    void SaveBinary(const String& FName);
    // 0 success; -1 format not 1; -2 layers or time slots not 0; -3 the values are
    // not all in the file; -5 no such file.
    Integer LoadBinary(const String& FName);
    bool ReadBinaryHeader(const String& FName, Integer& NrColumns, Integer& NrRows, String& DataID,
                          Integer& Format) const;
    void SaveToStream(TMemoryStream*& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
    void SaveToStream(TFileStream* OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
    bool LoadFromStream(TStream* InStream, bool AdjustMatrixSize);
    bool StoreOnFile(Integer LoC, Integer LoR, Integer HiC, Integer HiR, const String& FileName) const;
    bool LoadFromFile(const String& FileName, bool AdjustMatrixSize);
    bool LoadFromFile(const String& FileName, bool AdjustMatrixSize, bool AutoDetect);
    void WriteToXMLStream(TStream* OutStream, bool CreateHeader, const String& DataID) const;
    void WriteToOpenXMLFile(TextFile& OutFile, bool CreateHeader, const String& DataID) const;
    void SaveAsXMLFile(const String& FName, const String& DataID) const;
    bool ReadFromXMLStream(TStream* InStream, const String& DataID);
    bool ReadFromOpenXMLFile(TextFile& InFile, const String& DataID);
    bool LoadFromXMLFile(const String& FName, const String& DataID);
    Integer ExportAsASC(const String& FName, Integer Precision, const String& Comment) const;
    Integer ExportAsASC(const String& FName, Integer Precision, const String& Comment,
                        const TStr2DArray& CustData) const;
    Integer ImportASC(const String& FName, String& Comment);
    Integer ImportASC(const String& FName, String& Comment, TStr2DArray& CustData);
    String CRCofData() const;

    // ---- Statistics, searches and distances (VEZ_matrix_stat.cpp) ----
    void MinMax(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Minimum,
                double& Maximum) const;
    double Sum(Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
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
    Integer CountValues(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double RangeLow,
                        double RangeHigh) const;
    Integer Dichotomize(double Threshold, TBool2DArray& ResultArray) const;
    bool Histogram(Integer LoX, Integer LoY, Integer HiX, Integer HiY, double FirstBin, double LastBin,
                   double BinWidth, TIntVector* Histo, Integer& Underflow, Integer& Overflow, Integer& MaxCnt) const;
    void EdgeVector(TOrientation Orient, TEdgeOp EdgeOp, TVector* DestVec) const;
    void MeanVec(TDims Dim, TVector* Means) const;
    void MeanCenterColumns(TVector* Means);
    void MeanCenterRows(TVector* Means);
    void StandardizeColumns(TVector* Means, TVector* StdDevs);
    void StandardizeRows(TVector* Means, TVector* StdDevs);
    void QNormalizeColumns(double RefQuant, TVector* Medians, TVector* QuantDiffs);
    void QNormalizeRows(double RefQuant, TVector* Medians, TVector* QuantDiffs);
    double Correlate(TMatrix* OtherMat) const;
    void Find(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double Value, Integer& ColIx,
              Integer& RowIx) const;
    Integer FindInSortedColumn(Integer Col, bool ColIsAscending, double Value) const;
    double DistanceOfObjects(TDistMode Mode, Integer obj1, Integer obj2);
    // 0, or -1 when DMat is not square, -2 when its columns are not this matrix's rows.
    Integer CalcDistMat(TDistMode Mode, TMatrix* DMat);

    // ---- Copies from the integer and three-dimensional matrices (VEZ_intmatrix.cpp, VEZ_mat3d.cpp) ----
    // A template only so that CopyFrom(nullptr, ...) still means the TMatrix source.
    template <std::same_as<TIntMatrix> T>
    void CopyFrom(T* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi, Integer SourceRowHi,
                  Integer DestCol, Integer DestRow)
    {
        CopyFromIntMatrix(MatSource, SourceColLo, SourceRowLo, SourceColHi, SourceRowHi, DestCol, DestRow);
    }
    void CopyFrom(TMat3D* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                  Integer SourceRowHi, Integer SourceLayer, Integer DestCol, Integer DestRow);

private:
    friend class TMatSq1ColThread;
    void CopyFromIntMatrix(TIntMatrix* MatSource, Integer SourceColLo, Integer SourceRowLo, Integer SourceColHi,
                           Integer SourceRowHi, Integer DestCol, Integer DestRow);
    TDoubleArray BlockValues(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const;
    template <class Fn>
    void ForEachLine(bool columns, Fn fn);
    void CenterLines(bool columns, TVector* Means);
    void StandardizeLines(bool columns, TVector* Means, TVector* StdDevs);
    void QNormalizeLines(bool columns, double RefQuant, TVector* Medians, TVector* QuantDiffs);
    void WriteStream(TStream& OutStream, Integer LoC, Integer LoR, Integer HiC, Integer HiR) const;
    std::vector<String> XMLLines(bool CreateHeader, const String& DataID) const;
    bool ReadXML(const TXMLInput& input, const String& DataID);
    Integer WriteASC(const String& FName, Integer Precision, const String& Comment, const TStr2DArray* CustData) const;
    Integer ReadASC(const String& FName, String& Comment, TStr2DArray* CustData);
};
