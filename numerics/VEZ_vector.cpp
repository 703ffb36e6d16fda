#include "numerics/VEZ_vector.h"

#include <cmath>
#include <new>
#include <utility>

#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_math1.h"

IMPLEMENT_CLASS(TVector, TComponent, NewComponent<TVector>)

TVector::TVector(TComponent* AOwner) : TComponent(AOwner)
{
    try {
        FVec.SetLength(1);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
}

TVector::~TVector() = default;

void TVector::Fail(const String& tail) const { throw EVEZVectorError(ComponentMessage(Name(), tail)); }

void TVector::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TVector*>(Source);
    if (!source) {
        TComponent::Assign(Source);
        return;
    }
    if (source == this) return;
    FVec = source->FVec.Copy();
    FNElem = source->FNElem;
    FIsEmpty = source->FIsEmpty;
    FOnChange = source->FOnChange;
    FOnSortExchange = source->FOnSortExchange;
}

void TVector::AssignTo(TPersistent* Dest)
{
    if (Dest && InheritsFrom(Dest->ClassType()))
        Dest->Assign(this);
    else
        TComponent::AssignTo(Dest);
}

void TVector::SetNrOfElem(Integer Value)
{
    if (Value > 0 && Value != FNElem) Resize(Value);
}

bool TVector::Resize(Integer NE)
{
    if (NE == FNElem) return true;
    if (NE < 1) return false;
    if (!AllocationFits(static_cast<double>(NE) * sizeof(double))) Fail(": not enough memory");
    try {
        FVec.SetLength(NE);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory");
    }
    FNElem = NE;
    Changed();
    return true;
}

double TVector::GetVal(Integer Elem) const { return Elem >= 1 && Elem <= FNElem ? FVec[Elem - 1] : 0; }

void TVector::SetVal(Integer Elem, double Value)
{
    if (Elem < 1 || Elem > FNElem) return;
    FVec[Elem - 1] = Value;
    FIsEmpty = false;
    Changed();
}

void TVector::MakeValidElemRange(Integer& LowElem, Integer& HighElem) const
{
    if (LowElem == 0 && HighElem == 0) {
        LowElem = 1;
        HighElem = FNElem;
        return;
    }
    LowElem = LowElem < 1 ? 1 : (LowElem > FNElem ? FNElem : LowElem);
    HighElem = HighElem < 1 ? 1 : (HighElem > FNElem ? FNElem : HighElem);
    if (HighElem < LowElem) std::swap(LowElem, HighElem);
}

void TVector::Changed()
{
    if (FOnChange) FOnChange(this);
}

void TVector::Clone(TVector* VecSource)
{
    if (!VecSource) return;
    Resize(VecSource->FNElem);
    for (Integer i = 1; i <= VecSource->FNElem; ++i) SetVal(i, VecSource->GetVal(i));
    Changed();
}

void TVector::CopyFrom(TVector* VecSource, Integer SourceElemLo, Integer SourceElemHi, Integer DestElem)
{
    if (!VecSource) return;
    // no whole-vector rule here: 0, 0 addresses element 1
    Integer lo = SourceElemLo, hi = SourceElemHi;
    if (lo == 0 && hi == 0) lo = hi = 1;
    VecSource->MakeValidElemRange(lo, hi);
    // The values are taken before any is stored, so a copy within one vector reads
    // the original values also where source and destination overlap.
    TDoubleArray values;
    VecSource->CopyToArray(values, lo, hi);
    for (Integer k = lo; k <= hi; ++k) SetVal(k + DestElem - lo, values[k - lo]);
    Changed();
}

void TVector::CopyToArray(TDoubleArray& DestArray, Integer LowElem, Integer HighElem) const
{
    MakeValidElemRange(LowElem, HighElem);
    DestArray.SetLength(HighElem - LowElem + 1);
    for (Integer k = LowElem; k <= HighElem; ++k) DestArray[k - LowElem] = FVec[k - 1];
}

void TVector::CopyFromArray(const TDoubleArray& SrcArray, Integer Elem)
{
    for (int i = 0; i < SrcArray.Length(); ++i) SetVal(Elem + i, SrcArray[i]);
}

void TVector::Fill(double value)
{
    for (double& v : FVec) v = value;
    FIsEmpty = false;
    Changed();
}

void TVector::Clear()
{
    for (double& v : FVec) v = 0;
    FIsEmpty = true;
    Changed();
}

void TVector::MinMax(Integer LowElem, Integer HighElem, double& Minimum, double& Maximum) const
{
    Integer minIx, maxIx;
    MinMax(LowElem, HighElem, Minimum, Maximum, minIx, maxIx);
}

void TVector::MinMax(Integer LowElem, Integer HighElem, double& Minimum, double& Maximum, Integer& MinIx,
                     Integer& MaxIx) const
{
    Minimum = 1.7e308;
    Maximum = -1.7e308;
    MinIx = 0;
    MaxIx = 0;
    MakeValidElemRange(LowElem, HighElem);
    for (Integer k = LowElem; k <= HighElem; ++k) {
        double v = FVec[k - 1];
        if (std::isnan(v)) {  // a value that does not compare ends the scan with NaN
            Minimum = Maximum = v;
            MinIx = MaxIx = k;
            return;
        }
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

void TVector::SortElems(bool Ascending, Integer RangeFirst, Integer RangeLast)
{
    MakeValidElemRange(RangeFirst, RangeLast);
    Integer gap = RangeLast - RangeFirst;
    if (gap < 1) return;
    CombSort(
        RangeFirst, RangeLast, gap,
        [&](int i, int j) { return SortsBefore(FVec[j - 1], FVec[i - 1], Ascending); },
        [&](int i, int j) {
            std::swap(FVec[i - 1], FVec[j - 1]);
            if (FOnSortExchange) FOnSortExchange(this, 0, i, j, 0, 0);
        },
        [] {});
    Changed();
}

void TVector::Mirror()
{
    for (Integer i = 0, j = FNElem - 1; i < j; ++i, --j) std::swap(FVec[i], FVec[j]);
    Changed();
}

void TVector::ShuffleElems()
{
    Randomize();
    for (Integer n = 0; n < FNElem; ++n) {
        Integer a = Random(FNElem);
        Integer b = Random(FNElem);
        std::swap(FVec[a], FVec[b]);
    }
}
