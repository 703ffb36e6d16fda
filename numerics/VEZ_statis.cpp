#include "numerics/VEZ_statis.h"

#include <cmath>
#include <new>

#include "numerics/VEZ_math1.h"

IMPLEMENT_CLASS(TRandGen, TComponent, NewComponent<TRandGen>)

TRandGen::TRandGen(TComponent* AOwner) : TComponent(AOwner) { ResetTable(": not enough memory on heap"); }

TRandGen::~TRandGen() = default;

void TRandGen::Fail(const String& tail) const { throw EVEZStatisError(ComponentMessage(Name(), tail)); }

void TRandGen::ResetTable(const String& failureTail)
{
    try {
        FDistVec.SetLength(FResolution);
    } catch (const std::bad_alloc&) {
        Fail(failureTail);
    }
    UniformDistri();
}

void TRandGen::SetResolution(Integer Value)
{
    FResolution = Value < 10 ? 10 : (Value > 4000 ? 4000 : Value);
    ResetTable(": not enough memory");
}

double TRandGen::Random()
{
    Integer k = 0;
    double a = 0;
    for (int candidate = 1; candidate <= 100001; ++candidate) {
        k = ::Random(FResolution);
        a = ::Random();
        double v = k + 1 == FResolution ? FDistVec[k] * (1 - a) : FDistVec[k] + a * (FDistVec[k + 1] - FDistVec[k]);
        if (!(v < 1)) break;  // certain acceptance (also for NaN): no further draw
        double u = ::Random();
        if (v > u) break;
    }
    Extended width = static_cast<Extended>(FHighBorder) - FLowBorder;
    return static_cast<double>(FLowBorder + (k + static_cast<Extended>(a)) * width / FResolution);
}

double TRandGen::GetProbability(Integer Idx) const
{
    return Idx >= 1 && Idx <= FResolution ? FDistVec[Idx - 1] : 0;
}

void TRandGen::SetProbability(Integer Idx, double Value)
{
    if (Idx < 1 || Idx > FResolution) return;
    FDistVec[Idx - 1] = std::isnan(Value) ? 0 : (Value < 0 ? 0 : (Value > 1 ? 1 : Value));
}

double TRandGen::BinEdge(Integer i) const
{
    Extended width = (static_cast<Extended>(FHighBorder) - FLowBorder) / FResolution;
    return static_cast<double>(FLowBorder + (i - 1) * width);
}

double TRandGen::GetLambda(Integer ix) const
{
    if (ix <= 0) return FLowBorder;
    if (ix > FResolution) return FHighBorder;
    return BinEdge(ix);
}

Integer TRandGen::IndexOfLambda(double Lambda) const
{
    if (!(Lambda >= FLowBorder)) return 0;
    if (Lambda > FHighBorder) return FResolution + 1;
    return FloorInt((Lambda - FLowBorder) * FResolution / (FHighBorder - FLowBorder)) + 1;
}

void TRandGen::Normalize()
{
    double maximum = -1.7e38, minimum = 1.7e38;
    for (double v : FDistVec) {
        if (v > maximum) maximum = v;
        if (v < minimum) minimum = v;
    }
    if (maximum == minimum) return;
    for (double& v : FDistVec) v = (v - minimum) / (maximum - minimum);
}

bool TRandGen::Standardize()
{
    double maximum = -1.7e38;
    for (double v : FDistVec)
        if (v > maximum) maximum = v;
    if (maximum == 0) return false;
    for (double& v : FDistVec) v /= maximum;
    return true;
}

template <class Density>
void TRandGen::FillTable(Density density)
{
    for (Integer i = 1; i <= FResolution; ++i) FDistVec[i - 1] = density(BinEdge(i));
}

void TRandGen::UniformDistri()
{
    for (double& v : FDistVec) v = 1;
}

void TRandGen::NormalDistri(double m, double s)
{
    // A zero deviation leaves 1 at the mean and 0 elsewhere.
    FillTable([&](double x) {
        double d = x - m;
        return d == 0 ? 1.0 : std::exp(-(d * d) / (2 * s * s));
    });
}

void TRandGen::tDistri(Integer df)
{
    const double n = df;
    const double c = LnGamma((n + 1) / 2) - std::log(std::sqrt(n * M_PI)) - LnGamma(n / 2);
    FillTable([&](double x) { return df < 1 ? 0.0 : std::exp(c - (n + 1) / 2 * std::log(x * x / n + 1)); });
}

void TRandGen::Chi2Distri(Integer df)
{
    const double n = df;
    FillTable([&](double x) {
        if (df < 1 || x <= 0) return 0.0;
        return std::exp((n / 2 - 1) * std::log(x) - x / 2 - n / 2 * std::log(2.0) - LnGamma(n / 2));
    });
}

void TRandGen::FDistri(Integer df1, Integer df2)
{
    const double n1 = df1, n2 = df2;
    FillTable([&](double x) {
        if (df1 < 1 || df2 < 1 || x <= 0) return 0.0;
        return std::exp(LnGamma((n1 + n2) / 2) - LnGamma(n1 / 2) - LnGamma(n2 / 2) + n1 / 2 * std::log(n1 / n2) +
                        (n1 / 2 - 1) * std::log(x) - (n1 + n2) / 2 * std::log(n1 * x / n2 + 1));
    });
}

void TRandGen::WeibullDistri(double beta, double eta)
{
    auto power = [](double base, double exponent) { return std::exp(std::log(base) * exponent); };
    FillTable([&](double x) {
        if (x <= 0 || eta <= 0) return 0.0;
        return beta * power(x, beta - 1) / power(eta, beta) * std::exp(-power(x / eta, beta));
    });
}

double LnGamma(double z)
{
    if (z <= 0) return 0;
    static const double c[6] = {76.18009173, -86.50532033, 24.01409822, -1.231739516, 0.00120858003, -5.36382e-6};
    double s = 1;
    for (int j = 1; j <= 6; ++j) s += c[j - 1] / (z + j - 1);
    return (z - 0.5) * std::log(z + 4.5) - (z + 4.5) + std::log(2.5066282746310005 * s);
}
