// The plotted values of a joint and the joint text report.
#include "analysis/JointValues.h"

#include <cmath>

#include "engine/JointAnalysis.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The uplift profile points kept for the report: the first one, then each that differs from
// the one before and is not the origin.
Integer KeepUpliftPoints(const TParametres& model, int k, int j, TGraphicValues& values)
{
    const TPressure& pressure = model.Joint.Pressure;
    Integer kept = 0;
    for (int p = 1; p <= 8; ++p) {
        const double x = pressure.x[p][k][j], u = pressure.p[p][k][j];
        if (p > 1) {
            const double xBefore = pressure.x[p - 1][k][j], uBefore = pressure.p[p - 1][k][j];
            if ((x == xBefore && u == uBefore) || (x == 0 && u == 0)) continue;
        }
        values[2][kept] = x;
        values[3][kept] = u;
        ++kept;
    }
    return kept;
}

}  // namespace

double SymmetricRangeHigh(double m)
{
    if (!(m > 0) || !std::isfinite(m)) return 1;
    const double l = std::log10(m);
    const double e = std::trunc(l);
    const double mantissa = std::pow(10.0, l - e);
    return static_cast<double>(Round(mantissa + 0.5)) * std::pow(10.0, e);
}

Integer AxisDecimalPlaces(double low, double high)
{
    const double d = high - low;
    if (d >= 1 || d == 0) return 1;
    return static_cast<Integer>(std::abs(Round(std::log10(d)))) + 2;
}

TJointPlotValues JointPlotValues(TParametres& model, int k, int j)
{
    TJointPlotValues r;
    const TJoint& joint = model.Joint;
    const double L = joint.Length[j];

    // The normal stresses act on the compressed part of the joint.
    const double sU = joint.Stress.normal.Up[k][j], sD = joint.Stress.normal.Down[k][j];
    r.Values[0][0] = joint.Compression.Up[k][j] * L;
    r.Values[0][1] = (1 + joint.Compression.Down[k][j]) * L;
    r.Values[1][0] = sU;
    r.Values[1][1] = sD;
    double m = std::max(std::fabs(sU), std::fabs(sD));

    const double f = model.LoadCombination.U[k];
    r.Uplift = model.JointLoad.U[k][j] != 0 && f != 0;
    if (r.Uplift) {
        r.NUplifts = KeepUpliftPoints(model, k, j, r.Values);
        for (int p = 1; p <= 8; ++p) m = std::max(m, std::fabs(joint.Pressure.p[p][k][j] * f));
    }

    const double shear = joint.Resultants.Shear[k][j];
    if (shear != 0) {
        TShearDistribution tau;
        ComputeShearDistribution(model, k, j, tau);
        if (joint.CrackLength.Up[k][j] == 0 && joint.CrackLength.Down[k][j] == 0) {
            // t runs from the downstream end towards upstream.
            for (int p = 0; p <= 10; ++p) {
                const double t = p * L / 10;
                const double value = tau.A0 + tau.A1 * t + tau.A2 * t * t;
                r.Values[4][10 - p] = L - t;
                r.Values[5][10 - p] = value;
                m = std::max(m, std::fabs(value));
            }
            r.ShearCurve = true;
        }
    }
    r.RangeHigh = SymmetricRangeHigh(m);

    TGlobalValues& g = r.GlobalValues;
    g.Load = k;
    g.Joint = j;
    g.N = joint.Resultants.Normal[k][j];
    g.V = shear;
    g.U = model.JointLoad.U[k][j] * f;
    g.M = joint.Resultants.Moment[k][j];
    g.ResPos = joint.Resultants.Position[k][j];
    g.crackup = joint.CrackLength.Up[k][j] * 100;
    g.crackdown = joint.CrackLength.Down[k][j] * -100;
    g.PSSF = joint.SafetyFactor.Sliding.Peak[k][j];
    g.RSSF = joint.SafetyFactor.Sliding.Residual[k][j];
    g.OSFup = joint.SafetyFactor.Overturning.Up[k][j];
    g.OSFdown = joint.SafetyFactor.Overturning.Down[k][j];
    g.USF = joint.SafetyFactor.Uplifting[k][j];
    return r;
}

std::vector<String> JointReportLines(const TJointPlotValues& values, const TFormatSettings& settings)
{
    static const char* const combinations[NLoadCases] = {
        "Load combination = usual",
        "Load combination = flood",
        "Load combination = seismic #1 - stress analysis",
        "Load combination = seismic #1 - stability analysis",
        "Load combination = seismic #2 - stress analysis",
        "Load combination = seismic #2 - stability analysis",
        "Load combination = post-seismic"};
    const TGlobalValues& g = values.GlobalValues;
    const TGraphicValues& v = values.Values;
    auto number = [&settings](const char* format, double value) { return Format(format, {value}, settings); };
    auto pair = [&](double position, double value) {
        return Format("%12.6f   %12.6f", {position, value}, settings);
    };

    std::vector<String> lines;
    if (g.Load >= 1 && g.Load <= NLoadCases) lines.push_back(combinations[g.Load - 1]);
    lines.push_back(g.Joint == 0 ? String("Joint number = Base") : Format("Joint number = %d", {g.Joint}));
    lines.push_back(String());
    lines.push_back("******    C R A C K   L E N G T H S    ******");
    lines.push_back(number("Upstream crack   = %12.6f%%", g.crackup));
    lines.push_back(number("Downstream crack = %12.6f%%", g.crackdown));
    lines.push_back(String());
    lines.push_back("******  N O R M A L   S T R E S S E S  ******");
    lines.push_back("    Position         Stress");
    lines.push_back(pair(v[0][0], v[1][0]));
    lines.push_back(pair(v[0][1], v[1][1]));
    lines.push_back(String());
    lines.push_back("****** U P L I F T   P R E S S U R E S ******");
    lines.push_back("    Position       Pressure");
    for (Integer i = 0; i < values.NUplifts; ++i) lines.push_back(pair(v[2][i], v[3][i]));
    if (values.ShearCurve) {
        lines.push_back(String());
        lines.push_back("******   S H E A R   S T R E S S E S   ******");
        lines.push_back("    Position         Stress");
        for (int i = 0; i <= 10; ++i) lines.push_back(pair(v[4][i], v[5][i]));
    }
    lines.push_back(String());
    lines.push_back("****** G L O B A L   F O R C E S   &   M O M E N T S ******");
    lines.push_back(number("Normal force =        %14.5f", g.N));
    lines.push_back(number("Shear force =         %14.5f", g.V));
    lines.push_back(number("Uplift force =        %14.5f", g.U));
    lines.push_back(number("Moments =             %14.5f", g.M));
    lines.push_back(number("Resultant position. = %14.5f%% from U/S", g.ResPos));
    lines.push_back(String());
    lines.push_back("******    S A F E T Y   F A C T O R S    ******");
    struct TFactorLine {
        const char* Label;
        double Value;
    };
    const TFactorLine factors[5] = {{"Peak sliding safety factor =                  ", g.PSSF},
                                    {"Residual sliding safety factor =              ", g.RSSF},
                                    {"Overturning safety factor toward upstream =   ", g.OSFup},
                                    {"Overturning safety factor toward downstream = ", g.OSFdown},
                                    {"Uplifting safety factor =                     ", g.USF}};
    for (const TFactorLine& f : factors)
        lines.push_back(String(f.Label) + (f.Value >= 100 ? String(">100") : number("%10.6f", f.Value)));
    return lines;
}
