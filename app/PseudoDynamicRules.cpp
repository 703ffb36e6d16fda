// Live values of the simplified pseudo-dynamic method: the dam height Hs and reservoir depth Hr,
// the period ratios Rr and Rf with the added dampings er and ef from the method's tables, the
// period T1 of the dam alone and the lengthened period and damping.
#include "app/PseudoDynamicRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Tables.h"
#include "platform/rtl/SysFormat.h"

namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

// a / b, not a number when b is 0.
double Divide(double a, double b) { return b != 0 ? a / b : NotANumber; }

double Stored(double value) { return std::isfinite(value) ? value : 0; }

}  // namespace

TChopraValues ComputeChopraCoefficients(TParametres& model)
{
    TChopraCoeff& c = model.ChopraC;
    const bool si = model.unites == SI;
    const double Ec = model.Concrete.Ec;
    const double hs = model.Dim.Elev.G - (model.Dim.Elev.A + model.Dim.Elev.B) / 2;
    c.Hbarrage = hs;
    c.Hreservoir = model.Reservoir.NormalUp - model.Dim.Elev.Fup;

    // The tables take Es in psi. A depth ratio below 0.475 reads the empty-reservoir row and one
    // above 1.05 the full-reservoir row, so holding it within -1 .. 2 changes no value and keeps
    // the table lookup inside its rows.
    double Rr = NotANumber, er = NotANumber;
    const double ratio = Divide(c.Hreservoir, hs);
    const double Es = si ? Ec / 0.006894757 : Ec;
    if (std::isfinite(ratio) && std::isfinite(Es) && std::isfinite(c.Alpha))
        InterpolateReservoirFactors(Es, std::clamp(ratio, -1.0, 2.0), c.Alpha, Rr, er);
    double Rf = NotANumber, ef = NotANumber;
    if (std::isfinite(Ec) && std::isfinite(model.Foundation.Ef))
        InterpolateFoundationFactors(Ec, model.Foundation.Ef, c.FoundHystDamping, Rf, ef);

    TChopraValues v;
    v.T1 = Divide((si ? 0.38 : 1.4) * hs, Ec >= 0 ? std::sqrt(Ec) : NotANumber);
    v.T1rf = v.T1 * Rr * Rf;
    v.D1 = c.e1;
    v.D1rf = Divide(Divide(c.e1, Rr), Rf * Rf * Rf) + er + ef;

    c.Rr = Stored(Rr);
    c.er = Stored(er);
    c.Rf = Stored(Rf);
    c.ef = Stored(ef);
    c.TDam = Stored(v.T1);
    c.TDamResFound = Stored(v.T1rf);
    c.e = Stored(v.D1rf);
    return v;
}

String PeriodText(double seconds)
{
    return std::isfinite(seconds) ? Format("%5.3f sec", {seconds}) : String("-");
}

String DampingText(double damping)
{
    return std::isfinite(damping) ? Format("%5.3f ", {damping}) : String("-");
}

void ApplyPseudoDynamicFlags(TParametres& model)
{
    const TAccelerations& a = model.Acc;
    const bool input = a.Peak.horizontal != 0 && a.Peak.spectral != 0 && a.Sust.horizontal != 0 &&
                       a.Sust.spectral != 0;
    model.Charges.Seisme.PseudoDynamic = input;
    if (input)
        model.Donnees.Include(daPseudoDynamic);
    else
        model.Donnees.Exclude(daPseudoDynamic);
    model.Donnees.Exclude(daAnalysed);
}
