#pragma once
// Statistics shared by the vectors, matrices and boxes of the library.  Each
// routine works on a plain sequence of values that the container gathered in
// its own visiting order, so the floating-point and integer containers compute
// with the same rules.
#include <cmath>

#include "platform/classes/DynArray.h"

#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Types.h"

// Mean and variance: Variance is 1 for fewer than three values, a negative or
// NaN result of the sum formula becomes 0.  No values give mean 0, variance 1.
template <class T>
void StatMeanVar(const DynArray<T>& x, double& Mean, double& Variance)
{
    const double n = static_cast<double>(x.Length());
    double sum = 0, sumSq = 0;
    for (T v : x) {
        sum += static_cast<double>(v);
        sumSq += static_cast<double>(v) * static_cast<double>(v);
    }
    Mean = x.IsEmpty() ? 0.0 : sum / n;
    if (x.Length() < 3) {
        Variance = 1;
        return;
    }
    Variance = (sumSq - sum * sum / n) / (n - 1);
    if (!(Variance >= 0)) Variance = 0;
}

// Moment skewness and excess kurtosis; both 0 for fewer than minCount values or
// when the standard deviation is 0.
template <class T>
void StatSkewKurt(const DynArray<T>& x, int minCount, double& Skewness, double& Kurtosis)
{
    Skewness = 0;
    Kurtosis = 0;
    if (x.Length() < minCount || x.Length() < 2) return;
    const double n = static_cast<double>(x.Length());
    double mean = 0;
    for (T v : x) mean += static_cast<double>(v);
    mean /= n;
    double s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    for (T v : x) {
        const double d = static_cast<double>(v) - mean;
        s1 += d;
        s2 += d * d;
        s3 += d * d * d;
        s4 += d * d * d * d;
    }
    const double s = std::sqrt((s2 - s1 * s1 / n) / (n - 1));
    if (s != 0) {
        Skewness = s3 / n / (s * s * s);
        Kurtosis = s4 / n / (s * s * s * s) - 3;
    }
}

// The sample corrections of skewness and kurtosis (0 for fewer than 4 values).
void StatSampleCorrection(int count, double& Skewness, double& Kurtosis);

// Quartiles of ascending values at the positions (n + 1) p; a position at or
// beyond the last value gives the largest value.
template <class T>
void StatQuartiles(const DynArray<T>& sorted, double& Q1, double& Q2, double& Q3)
{
    const int n = sorted.Length();
    double* q[3] = {&Q1, &Q2, &Q3};
    const double p[3] = {0.25, 0.5, 0.75};
    for (int i = 0; i < 3; ++i) {
        *q[i] = 0;
        if (n == 0) continue;
        if (n == 1) {
            *q[i] = static_cast<double>(sorted[0]);
            continue;
        }
        const double b = (n + 1) * p[i];
        int c = static_cast<int>(b);
        double f = b - c;
        if (c == 0) {
            c = 1;
            f = 0;
        }
        if (c > n - 1) {
            *q[i] = static_cast<double>(sorted[n - 1]);
        } else {
            const double lo = static_cast<double>(sorted[c - 1]);
            *q[i] = lo + (static_cast<double>(sorted[c]) - lo) * f;
        }
    }
}

// Percentile of ascending values by linear interpolation at (n - 1) prob / 100;
// prob is clamped to 0..100.  No values give 0.
template <class T>
double StatPercentileInterpolated(const DynArray<T>& sorted, double prob)
{
    const int n = sorted.Length();
    if (n == 0) return 0;
    if (!(prob >= 0)) prob = 0;
    if (prob > 100) prob = 100;
    if (n == 1) return static_cast<double>(sorted[0]);
    if (prob == 100) return static_cast<double>(sorted[n - 1]);
    const double c = prob * (n - 1) / 100;
    const int k = static_cast<int>(c);
    const double f = c - k;
    const double lo = static_cast<double>(sorted[k]);
    return lo + (static_cast<double>(sorted[k + 1]) - lo) * f;
}

// Most frequent value of ascending values: the first run that is longer than
// every earlier one; without repeats the smallest value.
template <class T>
T StatModeOfSorted(const DynArray<T>& sorted)
{
    if (sorted.IsEmpty()) return T(0);
    T mode = sorted[0];
    int best = 1, run = 1;
    for (int i = 1; i < sorted.Length(); ++i) {
        run = sorted[i] == sorted[i - 1] ? run + 1 : 1;
        if (run > best) {
            best = run;
            mode = sorted[i];
        }
    }
    return mode;
}

// Pearson correlation of paired values; 0 for fewer than minCount pairs or a
// constant sequence.
template <class T>
double StatPearson(const DynArray<T>& x, const DynArray<T>& y, int minCount)
{
    if (x.Length() != y.Length() || x.Length() < minCount) return 0;
    const double n = static_cast<double>(x.Length());
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int i = 0; i < x.Length(); ++i) {
        const double a = static_cast<double>(x[i]);
        const double b = static_cast<double>(y[i]);
        sx += a;
        sy += b;
        sxx += a * a;
        syy += b * b;
        sxy += a * b;
    }
    if (sxx <= 0 || syy <= 0) return 0;
    const double vx = sxx - sx * sx / n;
    const double vy = syy - sy * sy / n;
    if (vx == 0 || vy == 0) return 0;
    return (sxy - sx * sy / n) / std::sqrt(std::fabs(vx * vy));
}

// Bisection search in values sorted ascending or descending, read through
// at(index) for lo..hi: the position of an exact hit, else whichever of the
// last two bounds is nearer to value (the upper one on a tie).
template <class Get>
Integer StatFindInSorted(Integer lo, Integer hi, bool ascending, double value, Get at)
{
    while (hi - lo > 1) {
        const Integer mid = (lo + hi) / 2;
        const double v = at(mid);
        if (v == value) return mid;
        if ((value > v) == ascending)
            lo = mid;
        else
            hi = mid;
    }
    return std::fabs(at(lo) - value) < std::fabs(at(hi) - value) ? lo : hi;
}

// Counts values into histo, an integer vector resized to the bins of BinWidth
// from FirstBin to LastBin (at most 500) and cleared: a value goes to bin
// floor((v - FirstBin) / BinWidth) + 1; below FirstBin (and NaN) it counts as
// underflow, from LastBin + BinWidth on as overflow.  forEachValue(visit) calls
// visit(v) for every value.  False, with nothing touched, when histo is missing
// or the bins are not sound.
template <class Histo, class ForEach>
bool StatHistogram(ForEach forEachValue, double FirstBin, double LastBin, double BinWidth, Histo* histo,
                   Integer& Underflow, Integer& Overflow, Integer& MaxCnt)
{
    if (!histo || !(BinWidth > 0)) return false;
    const double span = std::fabs(LastBin - FirstBin) / BinWidth;
    if (!(span < 1000)) return false;
    const Integer bins = static_cast<Integer>(Round(span)) + 1;
    if (bins > 500) return false;
    if (histo->NrOfElem() != bins) histo->Resize(bins);
    histo->Clear();
    Underflow = Overflow = MaxCnt = 0;
    forEachValue([&](double v) {
        if (!(v >= FirstBin)) {
            ++Underflow;
        } else if (v < LastBin + BinWidth) {
            const Integer bin = static_cast<Integer>(std::floor((v - FirstBin) / BinWidth)) + 1;
            const Integer count = histo->GetVal(bin) + 1;
            histo->SetVal(bin, count);
            MaxCnt = Max(MaxCnt, count);
        } else {
            ++Overflow;
        }
    });
    return true;
}
