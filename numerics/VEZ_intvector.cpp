#include "numerics/VEZ_intvector.h"

#include <cmath>
#include <limits>
#include <new>

#include "numerics/VEZ_ascfile.h"
#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_filecore.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_statcore.h"
#include "numerics/VEZ_streams.h"
#include "numerics/VEZ_stringl.h"
#include "platform/rtl/RtlMath.h"

IMPLEMENT_CLASS(TIntVector, TComponent, NewComponent<TIntVector>)

TIntVector::TIntVector(TComponent* AOwner) : TComponent(AOwner)
{
    try {
        FVec.SetLength(1);
    } catch (const std::bad_alloc&) {
        throw EVEZVectorError(Msg(": not enough memory on heap"));
    }
}

TIntVector::~TIntVector() = default;

void TIntVector::AssignTo(TPersistent* Dest)
{
    if (Dest && InheritsFrom(Dest->ClassType()))
        Dest->Assign(this);
    else
        TComponent::AssignTo(Dest);
}

void TIntVector::Assign(TPersistent* Source)
{
    if (auto* s = dynamic_cast<TIntVector*>(Source)) {
        FVec = s->FVec.Copy();
        FNElem = s->FNElem;
        FIsEmpty = s->FIsEmpty;
        FOnChange = s->FOnChange;
        FOnSortExchange = s->FOnSortExchange;
        return;
    }
    TComponent::Assign(Source);
}

void TIntVector::SetNrOfElem(Integer Value)
{
    if (Value > 0 && Value != FNElem) Resize(Value);
}

double TIntVector::Leng() const
{
    double sum = 0;
    for (Integer v : FVec) sum += static_cast<double>(v) * v;
    return std::sqrt(sum);
}

bool TIntVector::Resize(Integer NE)
{
    if (NE == FNElem) return true;
    if (NE < 1) return false;
    try {
        if (!AllocationFits(double(NE) * sizeof(Integer))) throw std::bad_alloc();
        FVec.SetLength(NE);
    } catch (const std::bad_alloc&) {
        throw EVEZVectorError(Msg(": not enough memory"));
    }
    FNElem = NE;
    Changed();
    return true;
}

Integer TIntVector::GetVal(Integer Elem) const
{
    return Elem >= 1 && Elem <= FNElem ? FVec[Elem - 1] : 0;
}

void TIntVector::SetVal(Integer Elem, Integer Value)
{
    if (Elem < 1 || Elem > FNElem) return;
    FVec[Elem - 1] = Value;
    FIsEmpty = false;
    Changed();
}

void TIntVector::MakeValidElemRange(Integer& LowElem, Integer& HighElem) const
{
    if (LowElem == 0 && HighElem == 0) {
        LowElem = 1;
        HighElem = FNElem;
        return;
    }
    LowElem = LowElem < 1 ? 1 : (LowElem > FNElem ? FNElem : LowElem);
    HighElem = HighElem < 1 ? 1 : (HighElem > FNElem ? FNElem : HighElem);
    if (HighElem < LowElem) SwapIntegers(LowElem, HighElem);
}

void TIntVector::Changed()
{
    if (FOnChange) FOnChange(this);
}

void TIntVector::Clone(TIntVector* VecSource)
{
    if (!VecSource) return;
    Resize(VecSource->FNElem);
    for (Integer i = 1; i <= FNElem; ++i) SetVal(i, VecSource->GetVal(i));
    Changed();
}

void TIntVector::CopyFrom(TIntVector* VecSource, Integer SourceElemLo, Integer SourceElemHi, Integer DestElem)
{
    if (!VecSource) return;
    const Integer n = VecSource->FNElem;
    SourceElemLo = SourceElemLo < 1 ? 1 : (SourceElemLo > n ? n : SourceElemLo);
    SourceElemHi = SourceElemHi < 1 ? 1 : (SourceElemHi > n ? n : SourceElemHi);
    if (SourceElemHi < SourceElemLo) SwapIntegers(SourceElemLo, SourceElemHi);
    for (Integer k = SourceElemLo; k <= SourceElemHi; ++k)
        SetVal(k + DestElem - SourceElemLo, VecSource->GetVal(k));
    Changed();
}

void TIntVector::CopyToArray(TIntArray& DestArray, Integer LowElem, Integer HighElem) const
{
    MakeValidElemRange(LowElem, HighElem);
    DestArray.SetLength(HighElem - LowElem + 1);
    for (Integer k = LowElem; k <= HighElem; ++k) DestArray[k - LowElem] = FVec[k - 1];
}

void TIntVector::CopyFromArray(const TIntArray& SrcArray, Integer Elem)
{
    for (int i = 0; i < SrcArray.Length(); ++i) SetVal(Elem + i, SrcArray[i]);
}

void TIntVector::Fill(Integer value)
{
    for (Integer& v : FVec) v = value;
    FIsEmpty = false;
    Changed();
}

void TIntVector::Clear()
{
    for (Integer& v : FVec) v = 0;
    FIsEmpty = true;
    Changed();
}

void TIntVector::MinMax(Integer LowElem, Integer HighElem, Integer& Minimum, Integer& Maximum) const
{
    Integer minIx, maxIx;
    MinMax(LowElem, HighElem, Minimum, Maximum, minIx, maxIx);
}

void TIntVector::MinMax(Integer LowElem, Integer HighElem, Integer& Minimum, Integer& Maximum, Integer& MinIx,
                        Integer& MaxIx) const
{
    Minimum = 2147483647;
    Maximum = -2147483647;
    MinIx = 0;
    MaxIx = 0;
    MakeValidElemRange(LowElem, HighElem);
    for (Integer k = LowElem; k <= HighElem; ++k) {
        const Integer v = FVec[k - 1];
        if (Minimum > v) {
            Minimum = v;
            MinIx = k;
        }
        if (Maximum < v) {
            Maximum = v;
            MaxIx = k;
        }
    }
}

void TIntVector::SortElems(bool Ascending, Integer RangeFirst, Integer RangeLast)
{
    if (RangeFirst == 0 && RangeLast == 0) {
        RangeFirst = 1;
        RangeLast = FNElem;
    } else {
        if (RangeFirst > RangeLast) SwapIntegers(RangeFirst, RangeLast);
        RangeFirst = RangeFirst < 1 ? 1 : (RangeFirst > FNElem ? FNElem : RangeFirst);
        RangeLast = RangeLast < 1 ? 1 : (RangeLast > FNElem ? FNElem : RangeLast);
    }
    if (RangeLast - RangeFirst < 1) return;
    CombSort(
        RangeFirst, RangeLast, RangeLast - RangeFirst,
        [&](int i, int j) { return SortsBefore(FVec[j - 1], FVec[i - 1], Ascending); },
        [&](int i, int j) {
            std::swap(FVec[i - 1], FVec[j - 1]);
            if (FOnSortExchange) FOnSortExchange(this, 0, i, j, 0, 0);
        },
        [] {});
    Changed();
}

void TIntVector::Mirror()
{
    for (Integer i = 1, j = FNElem; i < j; ++i, --j) std::swap(FVec[i - 1], FVec[j - 1]);
    Changed();
}

void TIntVector::ShuffleElems()
{
    Randomize();
    for (Integer k = 0; k < FNElem; ++k) {
        const Integer a = Random(FNElem);
        const Integer b = Random(FNElem);
        std::swap(FVec[a], FVec[b]);
    }
}

// ---- arithmetic and searches ---------------------------------------------------------

void TIntVector::Add(TIntVector* OtherVec)
{
    if (!OtherVec) return;
    if (OtherVec->FNElem != FNElem) throw EVEZVectorError(Msg(": vectors have different dimensions"));
    for (Integer i = 0; i < FNElem; ++i) FVec[i] += OtherVec->FVec[i];
    Changed();
}

void TIntVector::Subtract(TIntVector* OtherVec)
{
    if (!OtherVec) return;
    if (OtherVec->FNElem != FNElem) throw EVEZVectorError(Msg(": vectors have different dimensions"));
    for (Integer i = 0; i < FNElem; ++i) FVec[i] -= OtherVec->FVec[i];
    Changed();
}

void TIntVector::SMult(Integer scalar)
{
    for (Integer& v : FVec) v *= scalar;
    Changed();
}

void TIntVector::AbsVal()
{
    for (Integer& v : FVec) v = v < 0 ? -v : v;
    Changed();
}

Integer TIntVector::DotProduct(TIntVector* OtherVec) const
{
    if (!OtherVec) return 0;
    if (OtherVec->FNElem != FNElem) throw EVEZVectorError(Msg(": vectors have different dimensions"));
    Integer sum = 0;
    for (Integer i = 0; i < FNElem; ++i) sum += FVec[i] * OtherVec->FVec[i];
    return sum;
}

double TIntVector::EuclideanDistance(TIntVector* OtherVec) const
{
    if (!OtherVec) return 0;
    if (OtherVec->FNElem != FNElem) throw EVEZVectorError("EuclideanDistance: dimensions of vectors do not match");
    Integer sum = 0;
    for (Integer i = 0; i < FNElem; ++i) {
        const Integer d = FVec[i] - OtherVec->FVec[i];
        sum += d * d;
    }
    return std::sqrt(static_cast<double>(sum));
}

Integer TIntVector::Correlate(TIntVector* OtherVec, Integer ElemShift) const
{
    if (!OtherVec) return 0;
    const Integer first = Max<Integer>(1, ElemShift + 1);
    const Integer last = Min<Integer>(FNElem, ElemShift + OtherVec->FNElem);
    if (last - first + 1 < 2) return 0;
    Integer sum = 0;
    for (Integer i = first; i <= last; ++i) sum += FVec[i - 1] * OtherVec->GetVal(i - ElemShift);
    return sum;
}

double TIntVector::PearsonCorrCoeff(TIntVector* OtherVec) const
{
    if (!OtherVec) return 0;
    return StatPearson(FVec, OtherVec->FVec, 2);
}

Integer TIntVector::Find(Integer LowElem, Integer HighElem, Integer value) const
{
    MakeValidElemRange(LowElem, HighElem);
    Integer best = LowElem;
    double bestDist = std::numeric_limits<double>::infinity();
    for (Integer k = LowElem; k <= HighElem; ++k) {
        const double d = std::fabs(static_cast<double>(FVec[k - 1]) - value);
        if (d < bestDist) {
            bestDist = d;
            best = k;
        }
    }
    return best;
}

Integer TIntVector::FindExact(Integer LowElem, Integer HighElem, Integer value) const
{
    MakeValidElemRange(LowElem, HighElem);
    for (Integer k = LowElem; k <= HighElem; ++k)
        if (FVec[k - 1] == value) return k;
    return 0;
}

Integer TIntVector::FindInSortedVector(bool Ascending, Integer Value) const
{
    return StatFindInSorted(1, FNElem, Ascending, Value, [this](Integer k) { return double(FVec[k - 1]); });
}

bool TIntVector::IsDichotomous(Integer& v1, Integer& v2) const
{
    v1 = 0;
    v2 = 0;
    if (FNElem < 2) return false;
    v1 = FVec[0];
    v2 = FVec[0];
    bool second = false;
    for (Integer v : FVec) {
        if (v == v1 || (second && v == v2)) continue;
        if (second) return false;
        v2 = v;
        second = true;
    }
    return true;
}

// ---- statistics ------------------------------------------------------------------

TIntArray TIntVector::RangeCopy(Integer LowElem, Integer HighElem) const
{
    TIntArray a;
    CopyToArray(a, LowElem, HighElem);
    return a;
}

TIntArray TIntVector::SortedRange(Integer LowElem, Integer HighElem) const
{
    TIntArray a;
    try {
        a = RangeCopy(LowElem, HighElem);
    } catch (const std::bad_alloc&) {
        throw EVEZVectorError(Msg(": not enough memory on heap"));
    }
    SortIntegerArray(a, true);
    return a;
}

Integer TIntVector::Sum(Integer LowElem, Integer HighElem) const
{
    MakeValidElemRange(LowElem, HighElem);
    Integer sum = 0;
    for (Integer k = LowElem; k <= HighElem; ++k) sum += FVec[k - 1];
    return sum;
}

void TIntVector::MeanVar(Integer LowElem, Integer HighElem, double& Mean, double& Variance) const
{
    StatMeanVar(RangeCopy(LowElem, HighElem), Mean, Variance);
}

double TIntVector::GeometricMean(Integer LowElem, Integer HighElem) const
{
    const TIntArray a = RangeCopy(LowElem, HighElem);
    double sumLn = 0;
    bool zero = false;
    for (Integer v : a) {
        if (v < 0) throw EVEZVectorError(Msg(": negative argument passed to GeometricMean"));
        if (v == 0)
            zero = true;
        else
            sumLn += std::log(static_cast<double>(v));
    }
    return zero ? 0 : std::exp(sumLn / a.Length());
}

double TIntVector::HarmonicMean(Integer LowElem, Integer HighElem) const
{
    const TIntArray a = RangeCopy(LowElem, HighElem);
    double sum = 0;
    for (Integer v : a) {
        if (v <= 0) throw EVEZVectorError(Msg(": negative or zero argument passed to HarmonicMean"));
        sum += 1.0 / v;
    }
    return a.Length() / sum;
}

void TIntVector::SkewKurt(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const
{
    StatSkewKurt(RangeCopy(LowElem, HighElem), 4, Skewness, Kurtosis);
}

void TIntVector::SkewKurtSample(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const
{
    const TIntArray a = RangeCopy(LowElem, HighElem);
    StatSkewKurt(a, 4, Skewness, Kurtosis);
    StatSampleCorrection(a.Length(), Skewness, Kurtosis);
}

Integer TIntVector::Mode(Integer LowElem, Integer HighElem) const
{
    return StatModeOfSorted(SortedRange(LowElem, HighElem));
}

bool TIntVector::Quartiles(Integer LowElem, Integer HighElem, double& Q1, double& Q2, double& Q3) const
{
    StatQuartiles(SortedRange(LowElem, HighElem), Q1, Q2, Q3);
    return true;
}

double TIntVector::Percentile(double prob, Integer LowElem, Integer HighElem) const
{
    return StatPercentileInterpolated(SortedRange(LowElem, HighElem), prob);
}

bool TIntVector::Histogram(Integer FirstElem, Integer LastElem, Integer FirstBin, Integer LastBin, Integer BinWidth,
                           TIntVector* Histo, Integer& Underflow, Integer& Overflow, Integer& MaxCnt) const
{
    if (!Histo) return false;
    if (BinWidth <= 0) BinWidth = 1;
    const Int64 nb = std::llabs(Int64(LastBin) - FirstBin) / BinWidth + 1;
    if (nb <= 0 || nb > 500)
        throw EVEZVectorError("Component \"" + Name() + ".Histogram\": invalid number of bins");
    if (Histo->NrOfElem() != nb) Histo->Resize(static_cast<Integer>(nb));
    Histo->Clear();
    Underflow = 0;
    Overflow = 0;
    MaxCnt = 0;
    for (Integer k = FirstElem; k <= LastElem; ++k) {
        const Int64 v = GetVal(k);
        if (v < FirstBin) {
            ++Underflow;
        } else if (v < Int64(LastBin) + BinWidth) {
            const Integer bin = static_cast<Integer>((v - FirstBin) / BinWidth + 1);
            const Integer count = Histo->GetVal(bin) + 1;
            Histo->SetVal(bin, count);
            if (count > MaxCnt) MaxCnt = count;
        } else {
            ++Overflow;
        }
    }
    return true;
}

String TIntVector::CRCofData() const
{
    TElementCRC crc(sizeof(Integer));
    for (const Integer& v : FVec) crc.Add(&v);
    return crc.Text();
}

// ---- files -------------------------------------------------------------------------

void TIntVector::WriteStream(TStream& OutStream, Integer LowElem, Integer HighElem) const
{
    MakeValidElemRange(LowElem, HighElem);
    WriteVectorStream<Integer>(OutStream, LowElem, HighElem, [this](Integer k) { return FVec[k - 1]; });
}

void TIntVector::SaveToStream(TMemoryStream*& OutStream, Integer LowElem, Integer HighElem) const
{
    if (!OutStream) OutStream = new TMemoryStream();
    WriteStream(*OutStream, LowElem, HighElem);
}

void TIntVector::SaveToStream(TFileStream* OutStream, Integer LowElem, Integer HighElem) const
{
    if (OutStream) WriteStream(*OutStream, LowElem, HighElem);
}

bool TIntVector::LoadFromStream(TStream* InStream, bool AdjustVectorSize)
{
    if (!InStream) return false;
    bool filled = false;
    const auto fits = [&](Integer high) {
        if (AdjustVectorSize) Resize(high);
        return FNElem >= high;
    };
    const auto store = [this](Integer k, Integer v) { SetVal(k, v); };
    if (!ReadVectorStream<Integer>(*InStream, fits, store, filled)) return false;
    Changed();
    return filled;
}

bool TIntVector::StoreOnFile(Integer FirstElem, Integer LastElem, const String& FileName) const
{
    if (LastElem < FirstElem) SwapIntegers(FirstElem, LastElem);
    MakeValidElemRange(FirstElem, LastElem);
    return WriteTextLinesFile(FileName, {std::to_string(FirstElem) + " " + std::to_string(LastElem)}, FirstElem,
                              LastElem, [this](Integer k) { return std::to_string(FVec[k - 1]); });
}

bool TIntVector::LoadFromFile(const String& FileName, bool AdjustVectorSize)
{
    bool filled = false;
    const auto fits = [&](Integer last) {
        if (AdjustVectorSize) Resize(last);
        return FNElem >= last;
    };
    const auto store = [this](Integer k, double v) { SetVal(k, RoundToInteger(v)); };
    if (!ReadVectorTextFile(FileName, fits, store, filled)) return false;
    Changed();
    return filled;
}

Integer TIntVector::ExportAsASC(const String& FName, const String& Comment) const
{
    const String comment = Comment.IsEmpty() ? "Exported by VEZ TIntVector component: " + FName : Comment;
    return WriteASCFile(FName, comment, 1, FNElem, [this](Integer k) { return std::to_string(FVec[k - 1]); }, nullptr);
}

Integer TIntVector::ImportASC(const String& FName, String& Comment)
{
    TASCTarget target;
    target.MaxColumns = 1;
    target.Resize = [this](Integer, Integer rows) { Resize(rows); };
    target.Store = [this](Integer, Integer row, double v) { SetVal(row, RoundToInteger(v)); };
    target.Finish = [this](Integer, Integer rowsBegun) { Resize(rowsBegun); };
    return ImportASCFile(FName, Comment, target, nullptr);
}
