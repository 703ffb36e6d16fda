// Arithmetic, searches, statistics, integration and random fills of TVector.
#include <cmath>
#include <new>

#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_intvector.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_statcore.h"
#include "numerics/VEZ_vector.h"
#include "platform/rtl/RtlMath.h"

// ---- arithmetic and geometry -------------------------------------------------------

void TVector::Add(TVector* OtherVec)
{
    if (!OtherVec) return;
    if (OtherVec->FNElem != FNElem) Fail(": vectors have different dimensions");
    for (Integer i = 0; i < FNElem; ++i) FVec[i] += OtherVec->FVec[i];
    Changed();
}

void TVector::Subtract(TVector* OtherVec)
{
    if (!OtherVec) return;
    if (OtherVec->FNElem != FNElem) Fail(": vectors have different dimensions");
    for (Integer i = 0; i < FNElem; ++i) FVec[i] -= OtherVec->FVec[i];
    Changed();
}

void TVector::SMult(double scalar)
{
    for (double& v : FVec) v *= scalar;
    Changed();
}

void TVector::AbsVal()
{
    for (double& v : FVec) v = std::fabs(v);
    Changed();
}

double TVector::DotProduct(TVector* OtherVec) const
{
    if (!OtherVec) return 0;
    if (OtherVec->FNElem != FNElem) Fail(": vectors have different dimensions");
    double sum = 0;
    for (Integer i = 0; i < FNElem; ++i) sum += FVec[i] * OtherVec->FVec[i];
    return sum;
}

double TVector::Leng() const
{
    double sum = 0;
    for (double v : FVec) sum += v * v;
    return std::sqrt(sum);
}

void TVector::SetLeng(double Value)
{
    const double current = Leng();
    if (!(current > 0)) return;
    for (double& v : FVec) v = v * Value / current;
    Changed();
}

double TVector::EuclideanDistance(TVector* OtherVec) const
{
    if (!OtherVec) return 0;
    if (OtherVec->FNElem != FNElem) throw EVEZVectorError("EuclideanDistance: dimensions of vectors do not match");
    double sum = 0;
    for (Integer i = 0; i < FNElem; ++i) sum += (FVec[i] - OtherVec->FVec[i]) * (FVec[i] - OtherVec->FVec[i]);
    return std::sqrt(sum);
}

double TVector::Correlate(TVector* OtherVec, Integer ElemShift) const
{
    if (!OtherVec) return 0;
    const Integer first = Max<Integer>(1, ElemShift + 1);
    const Integer last = static_cast<Integer>(Min<Int64>(FNElem, Int64(ElemShift) + OtherVec->FNElem));
    if (last - first + 1 < 2) return 0;
    double sum = 0;
    for (Integer i = first; i <= last; ++i) sum += FVec[i - 1] * OtherVec->GetVal(i - ElemShift);
    return sum;
}

double TVector::PearsonCorrCoeff(TVector* OtherVec) const
{
    return OtherVec ? StatPearson(FVec, OtherVec->FVec, 2) : 0;
}

void TVector::Standardize(double& mean, double& stddev)
{
    double variance;
    MeanVar(0, 0, mean, variance);
    stddev = std::sqrt(variance);
    if (stddev > 0)
        for (double& v : FVec) v = (v - mean) / stddev;
}

void TVector::QNormalize(double RefQuant, double& Median, double& QuantDiff)
{
    const double q = Percentile(RefQuant, 0, 0);
    Median = Percentile(50, 0, 0);
    QuantDiff = std::fabs(Median - q);
    if (QuantDiff > 0)
        for (double& v : FVec) v = (v - Median) / QuantDiff;
}

double TVector::MeanCenter()
{
    double mean, variance;
    MeanVar(0, 0, mean, variance);
    for (double& v : FVec) v -= mean;
    return mean;
}

// ---- searches ----------------------------------------------------------------------

Integer TVector::Find(Integer LowElem, Integer HighElem, double value) const
{
    MakeValidElemRange(LowElem, HighElem);
    Integer best = LowElem;
    double bestDist = std::fabs(FVec[LowElem - 1] - value);
    for (Integer k = LowElem + 1; k <= HighElem; ++k) {
        const double d = std::fabs(FVec[k - 1] - value);
        if (d < bestDist || (std::isnan(bestDist) && !std::isnan(d))) {
            bestDist = d;
            best = k;
        }
    }
    return best;
}

Integer TVector::FindInSortedVector(bool Ascending, double Value) const
{
    return StatFindInSorted(1, FNElem, Ascending, Value, [this](Integer k) { return FVec[k - 1]; });
}

bool TVector::IsDichotomous(double& v1, double& v2) const
{
    v1 = 0;
    v2 = 0;
    if (FNElem < 2) return false;
    v1 = v2 = FVec[0];
    bool second = false;
    for (double v : FVec) {
        if (v == v1 || (second && v == v2)) continue;
        if (second) return false;
        v2 = v;
        second = true;
    }
    return true;
}

// ---- statistics --------------------------------------------------------------------

TDoubleArray TVector::RangeValues(Integer LowElem, Integer HighElem, bool sorted) const
{
    TDoubleArray values;
    try {
        CopyToArray(values, LowElem, HighElem);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    if (sorted) SortDoubleArray(values, true);
    return values;
}

double TVector::Sum(Integer LowElem, Integer HighElem) const
{
    MakeValidElemRange(LowElem, HighElem);
    double sum = 0;
    for (Integer k = LowElem; k <= HighElem; ++k) sum += FVec[k - 1];
    return sum;
}

void TVector::MeanVar(Integer LowElem, Integer HighElem, double& Mean, double& Variance) const
{
    StatMeanVar(RangeValues(LowElem, HighElem, false), Mean, Variance);
}

double TVector::GeometricMean(Integer LowElem, Integer HighElem) const
{
    const TDoubleArray values = RangeValues(LowElem, HighElem, false);
    double sumLn = 0;
    bool zero = false;
    for (double v : values) {
        if (v < 0) Fail(": negative argument passed to GeometricMean");
        if (v == 0)
            zero = true;
        else
            sumLn += std::log(v);
    }
    return zero ? 0 : std::exp(sumLn / values.Length());
}

double TVector::HarmonicMean(Integer LowElem, Integer HighElem) const
{
    const TDoubleArray values = RangeValues(LowElem, HighElem, false);
    double sum = 0;
    for (double v : values) {
        if (v <= 0) Fail(": negative or zero argument passed to HarmonicMean");
        sum += 1 / v;
    }
    return values.Length() / sum;
}

void TVector::SkewKurt(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const
{
    StatSkewKurt(RangeValues(LowElem, HighElem, false), 4, Skewness, Kurtosis);
}

void TVector::SkewKurtSample(Integer LowElem, Integer HighElem, double& Skewness, double& Kurtosis) const
{
    const TDoubleArray values = RangeValues(LowElem, HighElem, false);
    StatSkewKurt(values, 4, Skewness, Kurtosis);
    StatSampleCorrection(values.Length(), Skewness, Kurtosis);
}

double TVector::Mode(Integer LowElem, Integer HighElem) const
{
    return StatModeOfSorted(RangeValues(LowElem, HighElem, true));
}

bool TVector::Quartiles(Integer LowElem, Integer HighElem, double& Q1, double& Q2, double& Q3) const
{
    StatQuartiles(RangeValues(LowElem, HighElem, true), Q1, Q2, Q3);
    return true;
}

double TVector::Percentile(double prob, Integer LowElem, Integer HighElem) const
{
    return StatPercentileInterpolated(RangeValues(LowElem, HighElem, true), prob);
}

bool TVector::Histogram(Integer FirstElem, Integer LastElem, double FirstBin, double LastBin, double BinWidth,
                        TIntVector* Histo, Integer& Underflow, Integer& Overflow, Integer& MaxCnt) const
{
    const auto forEachValue = [&](const auto& visit) {
        for (Integer k = FirstElem; k <= LastElem; ++k) visit(GetVal(k));
    };
    return StatHistogram(forEachValue, FirstBin, LastBin, BinWidth, Histo, Underflow, Overflow, MaxCnt);
}

double TVector::Integrate(double BoundLow, double BoundHigh, TIntegMethod Method) const
{
    const double n = FNElem;
    BoundLow = BoundLow < 1 ? 1 : Min(BoundLow, n);
    BoundHigh = BoundHigh < 1 ? 1 : Min(BoundHigh, n);
    if (BoundHigh < BoundLow) std::swap(BoundLow, BoundHigh);
    const double width = BoundHigh - BoundLow;
    const Integer lo = static_cast<Integer>(std::ceil(BoundLow));
    const Integer hi = static_cast<Integer>(std::trunc(BoundHigh));
    auto e = [this](Integer k) { return GetVal(k); };

    // Values at the bounds, interpolated, and the partial end intervals.
    const double atLow = e(lo - 1) + (BoundLow - (lo - 1)) * (e(lo) - e(lo - 1));
    const double atHigh = e(hi) + (BoundHigh - hi) * (e(hi + 1) - e(hi));
    const double left = lo - BoundLow > 0 ? (lo - BoundLow) * (atLow + e(lo)) / 2 : 0;
    const double right = BoundHigh - hi > 0 ? (BoundHigh - hi) * (e(hi) + atHigh) / 2 : 0;
    auto trapezoidal = [&] {
        if (hi == lo - 1) return (atLow + atHigh) / 2 * width;
        double sum = left + right;
        for (Integer k = lo; k < hi; ++k) sum += (e(k) + e(k + 1)) / 2;
        return sum;
    };

    switch (Method) {
    case imSimple: {
        if (hi < lo) {
            // Both bounds inside one interval; at the last position that interval
            // is the one before it.
            const Integer k = lo < FNElem ? lo : lo - 1;
            return (e(k) + e(k + 1)) / 2 * width;
        }
        double sum = 0;
        for (Integer k = lo; k <= hi; ++k) sum += e(k);
        return sum / (hi - lo + 1) * width;
    }
    case imTrapezoidal:
        return trapezoidal();
    case imSimpson: {
        const Integer m = hi - lo;
        if (m <= 1) return trapezoidal();
        double inner = 0;
        if (m == 2) {
            inner = (e(lo) + 4 * e(lo + 1) + e(lo + 2)) / 3;
        } else if (m == 3) {
            inner = 3.0 / 8 * (e(lo) + 3 * e(lo + 1) + 3 * e(lo + 2) + e(lo + 3));
        } else if (m == 4) {
            inner = 2.0 / 45 * (7 * e(lo) + 32 * e(lo + 1) + 12 * e(lo + 2) + 32 * e(lo + 3) + 7 * e(lo + 4));
        } else {
            inner = 3.0 / 8 * e(lo) + 7.0 / 6 * e(lo + 1) + 23.0 / 24 * e(lo + 2);
            for (Integer k = lo + 3; k <= hi - 3; ++k) inner += e(k);
            inner += 23.0 / 24 * e(hi - 2) + 7.0 / 6 * e(hi - 1) + 3.0 / 8 * e(hi);
        }
        return inner + left + right;
    }
    }
    return 0;
}

void TVector::FillRandomUniform(double RangeLow, double RangeHigh)
{
    for (double& v : FVec) v = RangeLow + Random() * (RangeHigh - RangeLow);
    FIsEmpty = false;
    Changed();
}

void TVector::FillRandomGauss(double Mean, double StdDev)
{
    for (double& v : FVec) v = RandomGauss() * StdDev + Mean;
    FIsEmpty = false;
    Changed();
}
