// Statistics, searches and row distances of TMatrix.
#include <cmath>
#include <new>

#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_intvector.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_matrix.h"
#include "numerics/VEZ_statcore.h"
#include "platform/rtl/RtlMath.h"

TDoubleArray TMatrix::BlockValues(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    TDoubleArray values;
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
        for (Integer r = LowRow; r <= HighRow; ++r) values[k++] = Mat[c - 1][r - 1];
    return values;
}

void TMatrix::MinMax(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Minimum,
                     double& Maximum) const
{
    Minimum = 1.7e38;
    Maximum = -1.7e38;
    for (double v : BlockValues(LowCol, LowRow, HighCol, HighRow)) {
        if (Minimum > v || std::isnan(v)) Minimum = v;
        if (Maximum < v || std::isnan(v)) Maximum = v;
    }
}

double TMatrix::Sum(Integer LoC, Integer LoR, Integer HiC, Integer HiR) const
{
    double sum = 0;
    for (double v : BlockValues(LoC, LoR, HiC, HiR)) sum += v;
    return sum;
}

void TMatrix::MeanVar(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Mean,
                      double& Variance) const
{
    StatMeanVar(BlockValues(LowCol, LowRow, HighCol, HighRow), Mean, Variance);
}

double TMatrix::GeometricMean(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    const TDoubleArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    double sumLn = 0;
    bool zero = false;
    for (double v : values) {
        if (!(v >= 0)) Fail(": negative argument passed to GeometricMean");
        if (v == 0)
            zero = true;
        else
            sumLn += std::log(v);
    }
    return zero || values.Length() == 0 ? 0 : std::exp(sumLn / values.Length());
}

double TMatrix::HarmonicMean(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    const TDoubleArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    double sum = 0;
    for (double v : values) {
        if (!(v > 0)) Fail(": negative or zero argument passed to HarmonicMean");
        sum += 1 / v;
    }
    return values.Length() == 0 ? 0 : values.Length() / sum;
}

void TMatrix::SkewKurt(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Skewness,
                       double& Kurtosis) const
{
    StatSkewKurt(BlockValues(LowCol, LowRow, HighCol, HighRow), 2, Skewness, Kurtosis);
}

void TMatrix::SkewKurtSample(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Skewness,
                             double& Kurtosis) const
{
    const TDoubleArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    StatSkewKurt(values, 2, Skewness, Kurtosis);
    StatSampleCorrection(values.Length(), Skewness, Kurtosis);
}

bool TMatrix::Quartiles(Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow, double& Q1, double& Q2,
                        double& Q3) const
{
    Q1 = Q2 = Q3 = 0;
    if (FNCol == 0 || FNRow == 0) return false;
    TDoubleArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    SortDoubleArray(values, true);
    StatQuartiles(values, Q1, Q2, Q3);
    return true;
}

double TMatrix::Percentile(double prob, Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow) const
{
    prob = prob > 0 ? Min(prob, 100.0) : 0;
    TDoubleArray values = BlockValues(LowCol, LowRow, HighCol, HighRow);
    const Integer n = values.Length();
    if (n == 0) return 0;
    return SelectKthSmallest(values, static_cast<Integer>(Round(Extended(n) * prob / 100)), 0, n - 1);
}

double TMatrix::Percentile(double prob, Integer LowCol, Integer LowRow, Integer HighCol, Integer HighRow,
                           Integer SampleSize) const
{
    prob = prob > 0 ? Min(prob, 100.0) : 0;
    if (FNCol == 0 || FNRow == 0) return 0;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    const Int64 size = Int64(HighCol - LowCol + 1) * (HighRow - LowRow + 1);
    if (SampleSize <= 0 || SampleSize >= size) return Percentile(prob, LowCol, LowRow, HighCol, HighRow);
    Randomize();
    TDoubleArray sample;
    try {
        sample.SetLength(SampleSize);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    Integer negative = 0, zero = 0;
    for (Integer i = 0; i < SampleSize; ++i) {
        const Integer c = LowCol + Random(HighCol - LowCol + 1);
        const Integer r = LowRow + Random(HighRow - LowRow + 1);
        const double v = Mat[c - 1][r - 1];
        sample[i] = v;
        if (!(v >= 0)) ++negative;
        if (v == 0) ++zero;
    }
    const double p = prob / 100;
    if (p <= double(negative) / SampleSize || p >= double(negative + zero) / SampleSize)
        return SelectKthSmallest(sample, static_cast<Integer>(Round(Extended(SampleSize) * p)), 0, SampleSize - 1);
    return 0;
}

Integer TMatrix::CountValues(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double RangeLow,
                             double RangeHigh) const
{
    Integer count = 0;
    for (double v : BlockValues(LowCol, LowRow, HighCol, HighRow))
        if ((RangeLow <= v && v <= RangeHigh) || std::isnan(v)) ++count;
    return count;
}

// ResultArray[c - 1][r - 1] tells whether element (c, r) lies above the threshold.
Integer TMatrix::Dichotomize(double Threshold, TBool2DArray& ResultArray) const
{
    Integer count = 0;
    ResultArray.SetLength(FNCol);
    for (Integer c = 1; c <= FNCol; ++c) {
        ResultArray[c - 1].SetLength(FNRow);
        for (Integer r = 1; r <= FNRow; ++r) {
            const bool above = GetVal(c, r) > Threshold;
            ResultArray[c - 1][r - 1] = above;
            if (above) ++count;
        }
    }
    return count;
}

bool TMatrix::Histogram(Integer LoX, Integer LoY, Integer HiX, Integer HiY, double FirstBin, double LastBin,
                        double BinWidth, TIntVector* Histo, Integer& Underflow, Integer& Overflow,
                        Integer& MaxCnt) const
{
    const auto forEachValue = [&](const auto& visit) {
        for (double v : BlockValues(LoX, LoY, HiX, HiY)) visit(v);
    };
    return StatHistogram(forEachValue, FirstBin, LastBin, BinWidth, Histo, Underflow, Overflow, MaxCnt);
}

void TMatrix::EdgeVector(TOrientation Orient, TEdgeOp EdgeOp, TVector* DestVec) const
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
            if (EdgeOp == eopMin && (stat > v || std::isnan(v))) stat = v;
            if (EdgeOp == eopMax && (stat < v || std::isnan(v))) stat = v;
            if (EdgeOp == eopSum || EdgeOp == eopMean) stat += v;
        }
        if (EdgeOp == eopMean && inner > 0) stat /= inner;
        DestVec->SetVal(i, stat);
    }
}

void TMatrix::MeanVec(TDims Dim, TVector* Means) const
{
    if (Means && (Dim == dimX || Dim == dimY)) EdgeVector(Dim == dimX ? orHoriz : orVert, eopMean, Means);
}

// ---- centring and scaling of columns and rows ----------------------------------------

template <class Fn>
void TMatrix::ForEachLine(bool columns, Fn fn)
{
    const Integer count = columns ? FNCol : FNRow;
    for (Integer i = 1; i <= count; ++i) {
        const Integer lowCol = columns ? i : 1, highCol = columns ? i : FNCol;
        const Integer lowRow = columns ? 1 : i, highRow = columns ? FNRow : i;
        fn(i, lowCol, lowRow, highCol, highRow);
    }
}

void TMatrix::CenterLines(bool columns, TVector* Means)
{
    if (Means) Means->Resize(columns ? FNCol : FNRow);
    ForEachLine(columns, [&](Integer i, Integer lc, Integer lr, Integer hc, Integer hr) {
        double mean, variance;
        MeanVar(lc, lr, hc, hr, mean, variance);
        for (Integer c = lc; c <= hc; ++c)
            for (Integer r = lr; r <= hr; ++r) Mat[c - 1][r - 1] -= mean;
        if (Means) Means->SetVal(i, mean);
    });
    Changed();
}

void TMatrix::StandardizeLines(bool columns, TVector* Means, TVector* StdDevs)
{
    ForEachLine(columns, [&](Integer i, Integer lc, Integer lr, Integer hc, Integer hr) {
        double mean, variance;
        MeanVar(lc, lr, hc, hr, mean, variance);
        const double sd = std::sqrt(variance);
        if (variance > 0 || std::isnan(variance))
            for (Integer c = lc; c <= hc; ++c)
                for (Integer r = lr; r <= hr; ++r) Mat[c - 1][r - 1] = (Mat[c - 1][r - 1] - mean) / sd;
        if (Means) Means->SetVal(i, mean);
        if (StdDevs) StdDevs->SetVal(i, sd);
    });
    Changed();
}

void TMatrix::QNormalizeLines(bool columns, double RefQuant, TVector* Medians, TVector* QuantDiffs)
{
    ForEachLine(columns, [&](Integer i, Integer lc, Integer lr, Integer hc, Integer hr) {
        const double q = Percentile(RefQuant, lc, lr, hc, hr);
        const double median = Percentile(50, lc, lr, hc, hr);
        const double diff = std::fabs(median - q);
        if (diff > 0)
            for (Integer c = lc; c <= hc; ++c)
                for (Integer r = lr; r <= hr; ++r) Mat[c - 1][r - 1] = (Mat[c - 1][r - 1] - median) / diff;
        if (Medians) Medians->SetVal(i, median);
        if (QuantDiffs) QuantDiffs->SetVal(i, diff);
    });
    Changed();
}

void TMatrix::MeanCenterColumns(TVector* Means) { CenterLines(true, Means); }
void TMatrix::MeanCenterRows(TVector* Means) { CenterLines(false, Means); }
void TMatrix::StandardizeColumns(TVector* Means, TVector* StdDevs) { StandardizeLines(true, Means, StdDevs); }
void TMatrix::StandardizeRows(TVector* Means, TVector* StdDevs) { StandardizeLines(false, Means, StdDevs); }

void TMatrix::QNormalizeColumns(double RefQuant, TVector* Medians, TVector* QuantDiffs)
{
    QNormalizeLines(true, RefQuant, Medians, QuantDiffs);
}

void TMatrix::QNormalizeRows(double RefQuant, TVector* Medians, TVector* QuantDiffs)
{
    QNormalizeLines(false, RefQuant, Medians, QuantDiffs);
}

// ---- correlation, searches and distances -------------------------------------------

double TMatrix::Correlate(TMatrix* OtherMat) const
{
    if (!OtherMat || OtherMat->FNCol != FNCol || OtherMat->FNRow != FNRow) Fail(": matrices do not match");
    return StatPearson(BlockValues(0, 0, 0, 0), OtherMat->BlockValues(0, 0, 0, 0), 3);
}

void TMatrix::Find(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, double Value, Integer& ColIx,
                   Integer& RowIx) const
{
    ColIx = RowIx = 0;
    if (FNCol == 0 || FNRow == 0) return;
    MakeValidColRange(LowCol, HighCol);
    MakeValidRowRange(LowRow, HighRow);
    double best = 1.7e308;
    for (Integer c = LowCol; c <= HighCol; ++c)
        for (Integer r = LowRow; r <= HighRow; ++r) {
            const double d = std::fabs(Mat[c - 1][r - 1] - Value);
            if (d < best || std::isnan(best)) {
                best = d;
                ColIx = c;
                RowIx = r;
            }
        }
}

Integer TMatrix::FindInSortedColumn(Integer Col, bool ColIsAscending, double Value) const
{
    if (Col < 1 || Col > FNCol || FNRow < 1) return 0;
    return StatFindInSorted(1, FNRow, ColIsAscending, Value, [&](Integer r) { return Mat[Col - 1][r - 1]; });
}

double TMatrix::DistanceOfObjects(TDistMode Mode, Integer obj1, Integer obj2)
{
    double sxy = 0, sxx = 0, syy = 0, manhattan = 0, squares = 0;
    for (Integer c = 1; c <= FNCol; ++c) {
        const double x = GetVal(c, obj1), y = GetVal(c, obj2);
        sxy += x * y;
        sxx += x * x;
        syy += y * y;
        manhattan += std::fabs(x - y);
        squares += (x - y) * (x - y);
    }
    switch (Mode) {
    case dmJaccard:
        return sxy / (sxx + syy - sxy);
    case dmManhattan:
        return manhattan;
    case dmEuclid:
        return std::sqrt(squares);
    case dmEuclidSqr:
        return squares;
    case dmDice:
        return 2 * sxy / (sxx + syy);
    case dmUserDef: {
        double distance = 0;
        if (FOnCalcDist) FOnCalcDist(this, obj1, obj2, distance);
        return distance;
    }
    }
    return 0;
}

Integer TMatrix::CalcDistMat(TDistMode Mode, TMatrix* DMat)
{
    if (!DMat) return -1;
    if (DMat->FNCol != FNRow) return -2;
    if (DMat->FNCol != DMat->FNRow) return -1;
    const Integer m = FNRow;
    for (Integer i = 1; i < m; ++i) {
        DMat->SetVal(i, i, 0);
        for (Integer j = i + 1; j <= m; ++j) {
            const double d = DistanceOfObjects(Mode, i, j);
            DMat->SetVal(i, j, d);
            DMat->SetVal(j, i, d);
        }
    }
    DMat->SetVal(m, m, 0);
    return 0;
}
