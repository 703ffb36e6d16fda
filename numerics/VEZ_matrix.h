#pragma once
// TMatrix: matrix of doubles addressed by (column, row), both counted from 1.  A read
// outside the matrix gives 0 and a write outside is ignored; block ranges are
// normalised, never rejected; the only errors are allocation failures.
#include "chart/VEZ_vezbase.h"
#include "numerics/VEZ_vector.h"
#include "platform/classes/Component.h"

DORVANE_EXCEPTION(EVEZMatrixError, EVEZError);

// A user distance between two rows: Sender, Row1, Row2, in/out Distance.
using TOnCalcDistanceEvent = TEvent<TObject*, Integer, Integer, double&>;

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
};
