#pragma once
// TIntVector: the 32-bit integer twin of TVector.  Elements are counted from 1;
// a read outside the bounds gives 0 and a write outside is ignored.
#include "numerics/VEZ_vector.h"
#include "platform/rtl/Streams.h"

class TIntVector : public TComponent {
    DECLARE_CLASS(TIntVector, TComponent)
public:
    // One element of value 0; IsEmpty true; no handlers.
    explicit TIntVector(TComponent* AOwner);
    ~TIntVector() override;

    // From a TIntVector: size, IsEmpty, elements and both handlers, without any event.
    void Assign(TPersistent* Source) override;

    Integer NrOfElem() const { return FNElem; }
    void SetNrOfElem(Integer Value);
    bool IsEmpty() const { return FIsEmpty; }
    void SetIsEmpty(bool Value) { FIsEmpty = Value; }
    double Leng() const;
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TSortExchgEvent& OnSortExchange() const { return FOnSortExchange; }
    void SetOnSortExchange(const TSortExchgEvent& Value) { FOnSortExchange = Value; }

    // ---- container ----
    bool Resize(Integer NE);
    Integer GetVal(Integer Elem) const;
    void SetVal(Integer Elem, Integer Value);
    void MakeValidElemRange(Integer& LowElem, Integer& HighElem) const;
    void Changed();
    void Clone(TIntVector* VecSource);
    void CopyFrom(TIntVector* VecSource, Integer SourceElemLo, Integer SourceElemHi, Integer DestElem);
    void CopyToArray(TIntArray& DestArray, Integer LowElem, Integer HighElem) const;
    void CopyFromArray(const TIntArray& SrcArray, Integer Elem);
    void Fill(Integer value);
    void Clear();
    void MinMax(Integer LowElem, Integer HighElem, Integer& Minimum, Integer& Maximum) const;
    void MinMax(Integer LowElem, Integer HighElem, Integer& Minimum, Integer& Maximum, Integer& MinIx,
                Integer& MaxIx) const;
    void SortElems(bool Ascending, Integer RangeFirst, Integer RangeLast);
    void Mirror();
    void ShuffleElems();

    // ---- arithmetic and searches ----
    void Add(TIntVector* OtherVec);
    void Subtract(TIntVector* OtherVec);
    void SMult(Integer scalar);
    void AbsVal();
    Integer DotProduct(TIntVector* OtherVec) const;
    double EuclideanDistance(TIntVector* OtherVec) const;
    Integer Correlate(TIntVector* OtherVec, Integer ElemShift) const;
    double PearsonCorrCoeff(TIntVector* OtherVec) const;
    Integer Find(Integer LowElem, Integer HighElem, Integer value) const;
    Integer FindExact(Integer LowElem, Integer HighElem, Integer value) const;
    Integer FindInSortedVector(bool Ascending, Integer Value) const;
    bool IsDichotomous(Integer& v1, Integer& v2) const;

    // ---- statistics ----
    Integer Sum(Integer LowElem, Integer HighElem) const;
    void MeanVar(Integer LowElem, Integer HighElem, double& Mean, double& Variance) const;
    double GeometricMean(Integer LowElem, Integer HighElem) const;
    double HarmonicMean(Integer LowElem, Integer HighElem) const;
    void SkewKurt(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const;
    void SkewKurtSample(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const;
    Integer Mode(Integer LowElem, Integer HighElem) const;
    bool Quartiles(Integer LowElem, Integer HighElem, double& Q1, double& Q2, double& Q3) const;
    double Percentile(double prob, Integer LowElem, Integer HighElem) const;
    bool Histogram(Integer FirstElem, Integer LastElem, Integer FirstBin, Integer LastBin, Integer BinWidth,
                   TIntVector* Histo, Integer& Underflow, Integer& Overflow, Integer& MaxCnt) const;

    // ---- files ----
    // Stream form: low index, high index and the values as 4-byte integers.
    void SaveToStream(TMemoryStream*& OutStream, Integer LowElem, Integer HighElem) const;
    void SaveToStream(TFileStream* OutStream, Integer LowElem, Integer HighElem) const;
    bool LoadFromStream(TStream* InStream, bool AdjustVectorSize);
    bool StoreOnFile(Integer FirstElem, Integer LastElem, const String& FileName) const;
    bool LoadFromFile(const String& FileName, bool AdjustVectorSize);
    Integer ExportAsASC(const String& FName, const String& Comment) const;
    Integer ImportASC(const String& FName, String& Comment);
    String CRCofData() const;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    String Msg(const String& tail) const { return ComponentMessage(Name(), tail); }
    TIntArray RangeCopy(Integer LowElem, Integer HighElem) const;
    TIntArray SortedRange(Integer LowElem, Integer HighElem) const;
    void WriteStream(TStream& OutStream, Integer LowElem, Integer HighElem) const;

    Integer FNElem = 1;
    TIntArray FVec;
    bool FIsEmpty = true;
    TNotifyEvent FOnChange;
    TSortExchgEvent FOnSortExchange;
};
