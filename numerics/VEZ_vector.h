#pragma once
// TVector: growable vector of doubles counted from 1.  A read outside the bounds gives
// 0 and a write outside is ignored; element ranges are normalised, never rejected; the
// only errors are allocation failures.
#include "chart/VEZ_vezbase.h"
#include "platform/classes/Component.h"
#include "platform/rtl/Streams.h"

DORVANE_EXCEPTION(EVEZVectorError, EVEZError);

class TIntVector;
// Rule of TVector::Integrate.
enum TIntegMethod { imSimple, imTrapezoidal, imSimpson };

class TVector : public TComponent {
    DECLARE_CLASS(TVector, TComponent)
public:
    // One element of value 0; IsEmpty true; no handlers.
    explicit TVector(TComponent* AOwner);
    ~TVector() override;

    // From a TVector: size, IsEmpty, elements and both handlers, without any event.
    void Assign(TPersistent* Source) override;

    Integer NrOfElem() const { return FNElem; }
    // Resizes when Value > 0 and differs from the current size.
    void SetNrOfElem(Integer Value);
    bool IsEmpty() const { return FIsEmpty; }
    void SetIsEmpty(bool Value) { FIsEmpty = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TSortExchgEvent& OnSortExchange() const { return FOnSortExchange; }
    void SetOnSortExchange(const TSortExchgEvent& Value) { FOnSortExchange = Value; }

    // NE equal to the size: true, nothing else; NE < 1: false; otherwise keeps elements
    // 1..min(old, new), new ones 0, fires OnChange.  EVEZVectorError when memory runs out.
    bool Resize(Integer NE);
    double GetVal(Integer Elem) const;
    // Inside the bounds: stores, clears IsEmpty, fires OnChange; otherwise nothing.
    void SetVal(Integer Elem, double Value);
    // 0, 0 is the whole vector; each bound clamped to 1..NrOfElem; a reversed range
    // turned round.
    void MakeValidElemRange(Integer& LowElem, Integer& HighElem) const;
    void Changed();

    // Size and elements of the source through SetVal, then OnChange once more.
    void Clone(TVector* VecSource);
    // Source elements SourceElemLo..SourceElemHi (clamped to the source) to positions
    // from DestElem on; positions outside this vector are dropped.
    void CopyFrom(TVector* VecSource, Integer SourceElemLo, Integer SourceElemHi, Integer DestElem);
    void CopyToArray(TDoubleArray& DestArray, Integer LowElem, Integer HighElem) const;
    void CopyFromArray(const TDoubleArray& SrcArray, Integer Elem);
    void Fill(double value);
    // Every element 0, IsEmpty true; the size stays.
    void Clear();

    // Smallest and largest element of the range; the first position wins on ties.  A NaN
    // makes both NaN, at its position.
    void MinMax(Integer LowElem, Integer HighElem, double& Minimum, double& Maximum) const;
    void MinMax(Integer LowElem, Integer HighElem, double& Minimum, double& Maximum, Integer& MinIx,
                Integer& MaxIx) const;
    // Comb sort of a range in place (0, 0 the whole vector); not stable; NaN values go
    // after every number in both directions.
    void SortElems(bool Ascending, Integer RangeFirst, Integer RangeLast);
    // Reverses the order of the elements.
    void Mirror();
    // Random permutation; reseeds the process-wide generator from the clock first.
    void ShuffleElems();

protected:
    void AssignTo(TPersistent* Dest) override;
    // Raises EVEZVectorError with the component message of the given tail.
    [[noreturn]] void Fail(const String& tail) const;

    Integer FNElem = 1;
    bool FIsEmpty = true;
    TDoubleArray FVec;  // element k at entry k-1; length FNElem
    TNotifyEvent FOnChange;
    TSortExchgEvent FOnSortExchange;

    // ---- Arithmetic, searches, statistics and random fills (VEZ_vector_stat.cpp) ----
public:
    // Element by element; EVEZVectorError when the sizes differ; a missing vector does nothing.
    void Add(TVector* OtherVec);
    void Subtract(TVector* OtherVec);
    void SMult(double scalar);
    void AbsVal();
    double DotProduct(TVector* OtherVec) const;
    // Euclidean length; writing rescales a vector that is not zero to the given length.
    double Leng() const;
    void SetLeng(double Value);
    double EuclideanDistance(TVector* OtherVec) const;
    double Correlate(TVector* OtherVec, Integer ElemShift) const;
    double PearsonCorrCoeff(TVector* OtherVec) const;
    void Standardize(double& mean, double& stddev);
    void QNormalize(double RefQuant, double& Median, double& QuantDiff);
    double MeanCenter();
    Integer Find(Integer LowElem, Integer HighElem, double value) const;
    Integer FindInSortedVector(bool Ascending, double Value) const;
    bool IsDichotomous(double& v1, double& v2) const;
    double Sum(Integer LowElem, Integer HighElem) const;
    void MeanVar(Integer LowElem, Integer HighElem, double& Mean, double& Variance) const;
    double GeometricMean(Integer LowElem, Integer HighElem) const;
    double HarmonicMean(Integer LowElem, Integer HighElem) const;
    void SkewKurt(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const;
    void SkewKurtSample(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const;
    double Mode(Integer LowElem, Integer HighElem) const;
    bool Quartiles(Integer LowElem, Integer HighElem, double& Q1, double& Q2, double& Q3) const;
    double Percentile(double prob, Integer LowElem, Integer HighElem) const;
    // False for more than 500 bins or a width that is not positive.
    bool Histogram(Integer FirstElem, Integer LastElem, double FirstBin, double LastBin, double BinWidth,
                   TIntVector* Histo, Integer& Underflow, Integer& Overflow, Integer& MaxCnt) const;
    double Integrate(double BoundLow, double BoundHigh, TIntegMethod Method) const;
    void FillRandomUniform(double RangeLow, double RangeHigh);
    void FillRandomGauss(double Mean, double StdDev);

    // ---- Files (VEZ_vector_files.cpp) ----
    // Stream form: low index, high index and the values as 10-byte extended floats.
    void SaveToStream(TMemoryStream*& OutStream, Integer LowElem, Integer HighElem) const;
    void SaveToStream(TFileStream* OutStream, Integer LowElem, Integer HighElem) const;
    bool LoadFromStream(TStream* InStream, bool AdjustVectorSize);
    bool StoreOnFile(Integer FirstElem, Integer LastElem, Integer Precision, const String& FileName) const;
    bool LoadFromFile(const String& FileName, bool AdjustVectorSize);
    bool LoadFromFile(const String& FileName, bool AdjustVectorSize, bool AutoDetect);
    Integer ExportAsASC(const String& FName, Integer Precision, const String& Comment) const;
    Integer ImportASC(const String& FName, String& Comment);
    String CRCofData() const;

private:
    TDoubleArray RangeValues(Integer LowElem, Integer HighElem, bool sorted) const;
    void WriteStream(TStream& OutStream, Integer LowElem, Integer HighElem) const;
};
