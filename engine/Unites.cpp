#include "engine/Unites.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <numbers>

#include "engine/Calcul.h"
#include "numerics/VEZ_vector.h"
#include "platform/rtl/RtlMath.h"

// ---- Per-joint and material arrays ---------------------------------------------------------

namespace {

template <class Visit>
void ForEachCaseArray(TFullArrayDynamic& a, Visit visit)
{
    for (auto& perJoint : a) visit(perJoint);
}

template <class Visit>
void ForEachUpDown(TUpDownDynamic& a, Visit visit)
{
    ForEachCaseArray(a.Up, visit);
    ForEachCaseArray(a.Down, visit);
}

// Every Double array of TJoint (not mat and ClosedCrack).
template <class Visit>
void ForEachJointDoubles(TJoint& j, Visit visit)
{
    for (auto* a : {&j.Elev, &j.x1, &j.x2, &j.y1, &j.y2, &j.Length, &j.Angle, &j.Volume}) visit(*a);
    ForEachUpDown(j.CrackLength, visit);
    ForEachUpDown(j.Compression, visit);
    for (auto& point : j.Pressure.x) ForEachCaseArray(point, visit);
    for (auto& point : j.Pressure.p) ForEachCaseArray(point, visit);
    ForEachUpDown(j.Pressure.Cr, visit);
    ForEachUpDown(j.Stress.normal, visit);
    ForEachUpDown(j.Stress.shear, visit);
    ForEachUpDown(j.Stress.principal, visit);
    ForEachCaseArray(j.RockWedge, visit);
    for (auto* a : {&j.Resultants.Normal, &j.Resultants.Shear, &j.Resultants.Moment,
                    &j.Resultants.Position})
        ForEachCaseArray(*a, visit);
    ForEachCaseArray(j.SafetyFactor.Sliding.Peak, visit);
    ForEachCaseArray(j.SafetyFactor.Sliding.Residual, visit);
    ForEachUpDown(j.SafetyFactor.Overturning, visit);
    for (auto* a : {&j.SafetyFactor.Uplifting, &j.SafetyFactor.Tension, &j.SafetyFactor.Compression})
        ForEachCaseArray(*a, visit);
}

template <class Visit>
void ForEachJointLoad(Tjointload& l, Visit visit)
{
    for (auto* a :
         {&l.Pc,    &l.Ph,    &l.Pv,    &l.Wv,    &l.UN,    &l.UF,    &l.HNu,   &l.HNd,   &l.HFu,
          &l.HFd,   &l.VNu,   &l.VNd,   &l.VNc,   &l.VFu,   &l.VFd,   &l.VFc,   &l.I,     &l.FD,
          &l.Sv,    &l.Sh,    &l.FH,    &l.FV,    &l.FHa,   &l.FVa,   &l.Mv,    &l.Qh,    &l.Qv,
          &l.HDu,   &l.VDu,   &l.HDd,   &l.VDd,   &l.SDh,   &l.SDv,   &l.Mdh,   &l.Mdv,   &l.Qhp,
          &l.Qvp,   &l.HDup,  &l.VDup,  &l.HDdp,  &l.VDdp,  &l.SDhp,  &l.SDvp,  &l.Mdhp,  &l.Mdvp,
          &l.EQ1,   &l.EQs,   &l.EQv,   &l.HD1,   &l.Hds,   &l.EM1,   &l.EMs,   &l.EMc,   &l.Mqh1,
          &l.Mqhs,  &l.Mqv,   &l.EQ1p,  &l.EQsp,  &l.EQvp,  &l.HD1p,  &l.Hdsp,  &l.EM1p,  &l.EMsp,
          &l.EMcp,  &l.Mqh1p, &l.Mqhsp, &l.Mqvp,  &l.xPc,   &l.yPh,   &l.xPv,   &l.xW,    &l.yW,
          &l.xUN,   &l.xUF,   &l.yHNu,  &l.yHNd,  &l.yHFu,  &l.yHFd,  &l.xVNu,  &l.xVNd,  &l.xVNc,
          &l.xVFu,  &l.xVFd,  &l.xVFc,  &l.yI,    &l.yFD,   &l.xSv,   &l.ySh,   &l.yFH,   &l.xFV,
          &l.yFHa,  &l.xFVa,  &l.xMv,   &l.yQh,   &l.xQv,   &l.yHDu,  &l.xVDu,  &l.yHDd,  &l.xVDd,
          &l.ySDh,  &l.xSDv,  &l.yMdh,  &l.xMdv,  &l.yQhp,  &l.xQvp,  &l.yHDup, &l.xVDup, &l.yHDdp,
          &l.xVDdp, &l.ySDhp, &l.xSDvp, &l.yMdhp, &l.xMdvp, &l.yEQ1,  &l.yEQs,  &l.xEQv,  &l.yHD1,
          &l.yHds,  &l.yEM1,  &l.yEMs,  &l.yEMc,  &l.yMqh1, &l.yMqhs, &l.xMqv,  &l.yEQ1p, &l.yEQsp,
          &l.xEQvp, &l.yHD1p, &l.yHdsp, &l.yEM1p, &l.yEMsp, &l.yEMcp, &l.yMqh1p, &l.yMqhsp,
          &l.xMqvp})
        visit(*a);
    for (auto* a : {&l.U, &l.Uc, &l.Xu, &l.Xuc, &l.PFactor}) ForEachCaseArray(*a, visit);
}

template <class T>
void Zero(DynArray<T>& a)
{
    for (T& v : a) v = T{};
}

}  // namespace

void SizeJointArrays(TJoint& joint, Tjointload& jointLoad, Integer n)
{
    auto sizeAndZero = [n](auto& a) {
        a.SetLength(n + 1);
        Zero(a);
    };
    ForEachJointDoubles(joint, sizeAndZero);
    sizeAndZero(joint.mat);
    for (auto& a : joint.ClosedCrack) sizeAndZero(a);
    ForEachJointLoad(jointLoad, [n](DynArray<double>& a) { a.SetLength(n + 1); });
}

void ClearJointArrays(TJoint& joint, Tjointload& jointLoad)
{
    auto clear = [](auto& a) { a.SetLength(0); };
    ForEachJointDoubles(joint, clear);
    clear(joint.mat);
    for (auto& a : joint.ClosedCrack) clear(a);
    ForEachJointLoad(jointLoad, clear);
}

void SizeCracks(TUpDown& cracks, Integer n)
{
    cracks.Up.SetLength(n + 1);
    cracks.Down.SetLength(n + 1);
}

void ClearCracks(TUpDown& cracks)
{
    cracks.Up.SetLength(0);
    cracks.Down.SetLength(0);
}

void SizeJointMaterials(DynArray<TProprietes>& materials, Integer n) { materials.SetLength(n + 1); }

void ClearJointMaterials(DynArray<TProprietes>& materials) { materials.SetLength(0); }

// ---- Small numeric routines ----------------------------------------------------------------

double MaxDouble(double a, double b) { return a > b ? a : b; }
double MinDouble(double a, double b) { return a < b ? a : b; }
Integer MaxInteger(Integer a, Integer b) { return a > b ? a : b; }
Integer MinInteger(Integer a, Integer b) { return a < b ? a : b; }

double InterpolateLine(double x, double x1, double y1, double x2, double y2)
{
    if (x1 == x2) return (y1 + y2) / 2;
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

// ---- Unit conversion -----------------------------------------------------------------------

namespace {

// Held in extended precision, as the conversions compute.
constexpr Extended FootInMetres = 0.3048L;
constexpr Extended MassPerLengthFactor = 1.488163943L;
constexpr Extended StressMPaFactor = 0.006894757293L;
constexpr Extended StressKPaFactor = 47.88025898L;
constexpr Extended DensityFactor = 16.01846337L;

// Stores a converted value when it is a finite number and returns it; otherwise the
// arithmetic failure: returns 0 and leaves the value as it was.
double StoreResult(double& value, long double result)
{
    double r = static_cast<double>(result);
    if (!std::isfinite(r)) return 0;
    value = r;
    return value;
}

double ConvertByPower(double& value, Integer n, Extended f)
{
    return StoreResult(value, value / IntPower(f, n));
}

double ConvertWithGravity(double& value, Integer n, double g, Extended c)
{
    if (n == -1) return StoreResult(value, value * (static_cast<long double>(g) * c * FootInMetres));
    return StoreResult(value, value / (static_cast<long double>(g) * c));
}

}  // namespace

double ConvertLength(double& value, Integer n) { return ConvertByPower(value, n, FootInMetres); }
double ConvertMassPerLength(double& value, Integer n) { return ConvertByPower(value, n, MassPerLengthFactor); }
double ConvertStressMPa(double& value, Integer n) { return ConvertByPower(value, n, StressMPaFactor); }
double ConvertStressKPa(double& value, Integer n) { return ConvertByPower(value, n, StressKPaFactor); }
double ConvertDensity(double& value, Integer n) { return ConvertByPower(value, n, DensityFactor); }

double ConvertForcePerLength(double& value, Integer n, double g)
{
    return ConvertWithGravity(value, n, g, MassPerLengthFactor);
}

double ConvertUnitWeight(double& value, Integer n, double g)
{
    return ConvertWithGravity(value, n, g, DensityFactor);
}

namespace {

// Number of entries 0..count-1 that exist in an array of the given length.
int Present(Integer count, int length) { return count < length ? (count > 0 ? count : 0) : length; }

}  // namespace

void ConvertModelUnits(TParametres& m)
{
    const Integer n = m.unites == US ? 1 : -1;
    const double g = m.gravity;
    auto length = [n](double& v) { ConvertLength(v, n); };
    auto stressMPa = [n](double& v) { ConvertStressMPa(v, n); };
    auto stressKPa = [n](double& v) { ConvertStressKPa(v, n); };
    auto density = [n](double& v) { ConvertDensity(v, n); };
    auto force = [n, g](double& v) { ConvertForcePerLength(v, n, g); };
    auto unitWeight = [n, g](double& v) { ConvertUnitWeight(v, n, g); };
    auto massPerLength = [n](double& v) { ConvertMassPerLength(v, n); };

    // Lengths.
    TDimension& d = m.Dim;
    for (double* v : {&d.L1, &d.L2, &d.L3, &d.L4, &d.Elev.A, &d.Elev.B, &d.Elev.C, &d.Elev.D,
                      &d.Elev.E, &d.Elev.F, &d.Elev.G, &d.Elev.Fup, &d.Elev.Fdown,
                      &m.Drainage.GalleryElev, &m.Drainage.MaxElevation, &m.Drainage.Xdrain,
                      &m.Reservoir.NormalUp, &m.Reservoir.NormalDn, &m.Reservoir.FloodUp,
                      &m.Reservoir.FloodDn, &m.Reservoir.IceThickness, &m.Reservoir.Sediment,
                      &m.Reservoir.WaveVelocity, &m.PostTension.Position, &m.PostTension.Position2,
                      &m.PostTension.Elev, &m.CoeffSis.Depth.Limit})
        length(*v);
    for (int i = 0; i < Present(m.NForces, m.Force.Elem.Length()); ++i) {
        length(m.Force.Elem[i].PosX);
        length(m.Force.Elem[i].Elev);
    }
    for (int i = 0; i < Present(m.NMasses, m.Masses.Elem.Length()); ++i) {
        length(m.Masses.Elem[i].PosX);
        length(m.Masses.Elem[i].Elev);
    }
    TJoint& j = m.Joint;
    for (auto* a : {&j.Elev, &j.x1, &j.x2, &j.y1, &j.y2, &j.Length})
        for (int k = 0; k < Present(m.NJoints + 1, a->Length()); ++k) length((*a)[k]);
    for (double* v : {&m.DrainEfficiency.DrainDiameter, &m.DrainEfficiency.DrainSpacing,
                      &m.DebrisFlottant.Elev, &m.DebrisFlottant.MaxElev})
        length(*v);
    TIncrementLoad& inc = m.IncrementLoad;
    for (int loading : {1, 2}) {
        length(inc.StartValue[loading]);
        length(inc.EndValue[loading]);
        length(inc.IncrementValue[loading]);
    }
    length(m.Geometry.RockUp);
    length(m.Geometry.RockDown);
    for (auto* points : {&m.Geometry.Up, &m.Geometry.Down})
        for (TXEPoint& p : *points) {
            length(p.X);
            length(p.Elev);
        }

    // Concrete strengths and moduli, densities.
    for (double* v : {&m.Concrete.Ec, &m.Concrete.fc, &m.Concrete.ft, &m.Foundation.Ef}) stressMPa(*v);
    density(m.Concrete.mass);
    density(m.Foundation.UnitMass);

    // Stresses of the joint materials and the foundation.
    stressKPa(m.Foundation.cohesion);
    for (int i = 0; i < Present(m.NJointMaterials + 1, m.JointMaterials.Length()); ++i) {
        TProprietes& p = m.JointMaterials[i];
        for (double* v : {&p.fc, &p.ft, &p.peak.c, &p.residual.c, &p.peak.MinStress,
                          &p.residual.MinStress, &p.MinStress})
            stressKPa(*v);
    }

    // Forces per unit width or length, unit weights, masses.
    for (double* v : {&m.Reservoir.IceLoad, &m.PostTension.Tension, &m.PostTension.Tension2})
        force(*v);
    for (int i = 0; i < Present(m.NForces, m.Force.Elem.Length()); ++i) {
        force(m.Force.Elem[i].HorForce);
        force(m.Force.Elem[i].VertForce);
    }
    force(m.DebrisFlottant.Force);
    for (int loading : {4, 5, 6}) {
        force(inc.StartValue[loading]);
        force(inc.EndValue[loading]);
        force(inc.IncrementValue[loading]);
    }
    unitWeight(m.Reservoir.SedWeight);
    unitWeight(m.Reservoir.WaterWeight);
    for (int i = 0; i < Present(m.NMasses, m.Masses.Elem.Length()); ++i) {
        massPerLength(m.Masses.Elem[i].HorMass);
        massPerLength(m.Masses.Elem[i].VertMass);
    }

    // Random variables by the kind of model quantity they stand for.
    TStatistiques& s = m.Statistiques;
    for (int i = 1; i <= NRandomVariables; ++i) {
        std::function<void(double&)> convert;
        switch (s.NumeroParametre[i]) {
        case 1: case 2: case 3: convert = stressKPa; break;
        case 6: case 7: case 8: convert = length; break;
        case 9: convert = unitWeight; break;
        case 11: case 12: case 13: convert = force; break;
        default: continue;
        }
        for (auto* a : {&s.Moyenne, &s.Deviation, &s.Maximum, &s.Minimum}) convert((*a)[i]);
    }

    // Last, so that every conversion above used the source system's gravity.
    length(m.gravity);
}

// ---- Joint ends ------------------------------------------------------------------------------

void ComputeJointEnds(TParametres& m)
{
    const TDimension& d = m.Dim;
    const double A = d.Elev.A, B = d.Elev.B, C = d.Elev.C, D = d.Elev.D, E = d.Elev.E,
                 F = d.Elev.F, G = d.Elev.G;
    // The faces a joint can end on, in the order they are tried.
    const double faces[5][4] = {
        {0, A, d.L1, B},                         // base line
        {d.L1, B, d.L1, D},                      // toe
        {d.L1, D, d.L2 + d.L3, F},               // lower downstream face
        {d.L2 + d.L3, F, d.L2 + d.L4, G},        // upper downstream face
        {d.L2, G, d.L2 + d.L4, G},               // crest
    };
    TJoint& j = m.Joint;
    int count = m.NJoints + 1;
    for (int length : {j.Elev.Length(), j.Angle.Length(), j.x1.Length(), j.x2.Length(),
                       j.y1.Length(), j.y2.Length(), j.Length.Length(), j.mat.Length()})
        count = Present(count, length);
    for (int k = 1; k < count; ++k) {
        const double y1 = j.Elev[k];
        double x1 = 0;
        if (B < A && B <= y1 && y1 <= A) x1 = InterpolateLine(y1, B, d.L1, A, 0);
        if (A <= y1 && y1 <= C) x1 = 0;
        if (C < y1 && y1 < E) x1 = d.L2 * (y1 - C) / (E - C);
        if (E <= y1 && y1 <= G) x1 = d.L2;

        const double angle = j.Angle[k] * std::numbers::pi / 180;
        const double xr = x1 + 2 * d.L1 * std::cos(angle), yr = y1 + 2 * d.L1 * std::sin(angle);
        double x2 = x1, y2 = y1;
        for (const auto& f : faces) {
            double x, y;
            // A joint that starts on a face (the base line below the heel) does not end there.
            if (IntersectSegments(x1, y1, xr, yr, f[0], f[1], f[2], f[3], x, y) &&
                !(IsEqual(x, x1) && IsEqual(y, y1))) {
                x2 = x;
                y2 = y;
                break;
            }
        }
        j.x1[k] = x1;
        j.y1[k] = y1;
        j.x2[k] = x2;
        j.y2[k] = y2;
        j.Length[k] = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    }
    if (count > 0) ComputeBaseJoint(m);
}

void ComputeBaseJoint(TParametres& m)
{
    const TDimension& d = m.Dim;
    TJoint& j = m.Joint;
    const double A = d.Elev.A, B = d.Elev.B;
    j.x1[0] = 0;
    j.y1[0] = A;
    j.x2[0] = d.L1;
    j.y2[0] = B;
    j.Length[0] = std::sqrt(d.L1 * d.L1 + (B - A) * (B - A));
    j.Elev[0] = A;
    j.Angle[0] = d.L1 == 0 ? 0 : std::atan((B - A) / d.L1) * 180 / std::numbers::pi;
    j.mat[0] = 0;
}

// ---- Defaults of a model ------------------------------------------------------------------------

TDateTime SystemDate()
{
    using namespace std::chrono;
    std::time_t now = system_clock::to_time_t(system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    const year_month_day day{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                             std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
    const year_month_day epoch{year{1899}, December, std::chrono::day{30}};
    return static_cast<TDateTime>((sys_days{day} - sys_days{epoch}).count());
}

void SetDefaultParameters(TParametres& m, const TDateSource& today)
{
    m.FileVersion = CurrentProgramVersion;
    m.NJoints = m.NJointMaterials = m.NMasses = m.NForces = 0;
    m.unites = SI;
    m.DrawMode = dmLandScape;

    m.Infos = TInformations{};
    m.Infos.date = today();
    m.gravity = 9.81;
    m.Dim = TDimension{};
    m.Masses.count = 0;

    m.Acc = TAccelerations{};
    m.Acc.ReturnPeriod = 2500;

    m.CoeffSis.te = 1;
    m.CoeffSis.WaterCompressibility = false;
    m.CoeffSis.Depth.IsLimit = false;
    m.CoeffSis.Depth.Limit = 60;
    m.CoeffSis.SlopeCorr = scGeneralized;

    m.ChopraC = TChopraCoeff{};
    m.ChopraC.Rr = 1;
    m.ChopraC.Rf = 1;
    m.ChopraC.e1 = 0.05;
    m.ChopraC.Alpha = 0.5;
    m.ChopraC.tranches = 201;
    m.ChopraC.FoundHystDamping = 10;
    m.ChopraC.SlopeCorr = scGeneralized;

    m.Concrete.fc = 30;
    m.Concrete.Ec = 27400;
    m.Concrete.ft = 0.1 * m.Concrete.fc;
    m.Concrete.mass = 2400;

    m.Foundation.UnitMass = 2400;
    m.Foundation.Ef = 27400;
    m.Foundation.cohesion = 0;
    m.Foundation.Angle = 30;
    m.Foundation.FailureAngle = 45 - m.Foundation.Angle / 2;
    m.Foundation.ShearStrength = false;
    m.Foundation.StrengthFactor = 1;

    m.UpliftCode = cCDSA;
    m.UpliftLoad = ulExternal;
    m.Drain = false;

    m.Drainage.Code = cCDSA;
    m.Drainage.GalleryElev = 0;
    m.Drainage.MaxElevation = 0;
    m.Drainage.DrainOver = false;
    m.Drainage.K1 = 0.67;
    m.Drainage.K2 = 0.33;
    m.Drainage.Xdrain = 0;
    m.Drainage.Alternative = 1;
    m.Drainage.effectiveness = 2.0 / 3.0;
    m.Drainage.CrackOver = cdNoDrain;

    // Seisme.Seismic1 and Seismic2 stay as they were.
    TCharges& c = m.Charges;
    c.Poids = c.Reservoir = c.SousPression = c.Sediment = c.Glace = false;
    c.Seisme.PseudoStatic = c.Seisme.PseudoDynamic = false;
    c.PostSeismic = 1;
    c.PostTension = false;

    m.PostTension = TPostTension{};
    m.PostTension.Angle = 60;
    m.PostTension.PostTensionType = ptActive;

    m.Donnees.Clear();
    SizeJointArrays(m.Joint, m.JointLoad, 0);

    m.Reservoir = TReservoir{};
    m.Reservoir.WaterWeight = 9.81;
    m.Reservoir.SedWeight = 7;
    m.Reservoir.SedAngle = 20;
    m.Reservoir.SedModel = smAtRest;
    m.Reservoir.PressureUp = 1;
    m.Reservoir.PressureDown = 0.5;
    m.Reservoir.WaveVelocity = 1440;
    m.Reservoir.VertAccOnReservoir = false;

    SizeJointMaterials(m.JointMaterials, 1);
    TProprietes& base = m.JointMaterials[0];
    base.nom = "Base joint";
    base.fc = 30000;
    base.ft = 0;
    base.peak = Tanglec{55, 0, 0, scContinue};
    base.residual = Tanglec{45, 0, 0, scContinue};
    base.MinStress = 0;

    ForEachJointLoad(m.JointLoad, [](DynArray<double>& a) { Zero(a); });
    m.Force.count = 0;

    TCracking& k = m.Cracking;
    k.Considered = true;
    const double initiation[NLoadCases] = {3, 2, 1, 1, 1, 1, 3};
    const Byte upliftState[NLoadCases] = {2, 2, 1, 1, 1, 1, 2};
    for (int i = 1; i <= NLoadCases; ++i) {
        k.InitiationSF[i] = initiation[i - 1];
        k.PropagationSF[i] = 10;
        k.NoTensionI[i] = false;
        k.NoTensionP[i] = false;
        k.UpliftState[i] = upliftState[i - 1];
    }
    k.DynamicMagn = 1.5;
    k.UpliftInDownStreamClosedCrack = true;
    k.RootMethod = rmBisection;
    k.RootAccuracy = raMedium;

    m.LoadCombination = TLoadCombination{};
    m.Combination = TCombinations{};
    m.SafetyFactors.Usual = TFactors{3, 1.5, 1.2, 1.2, 0, 1.0 / 3.0};
    m.SafetyFactors.Flood = TFactors{2, 1.3, 1.1, 1.1, 0.5, 0.5};
    m.SafetyFactors.Seismic1 = TFactors{1.3, 1, 1.1, 1.1, 1 / 1.1, 1 / 1.1};
    m.SafetyFactors.Seismic2 = m.SafetyFactors.Seismic1;
    m.SafetyFactors.PostSeismic = TFactors{2, 1.1, 1.1, 1.1, 2.0 / 3.0, 2.0 / 3.0};
    m.ChopraCombination = ccSRSS;
    m.SFComputations = sfLimitEquilibrium;

    SizeCracks(m.Cracks, m.NJoints);
    m.Cracks.Up[0] = 0;
    m.Cracks.Down[0] = 0;

    m.DrainEfficiency.Activated = false;
    m.DrainEfficiency.AlphaIsOne = true;
    m.DrainEfficiency.DrainDiameter = 0.1;
    m.DrainEfficiency.DrainSpacing = 2;
    m.DrainEfficiency.Joint.SetLength(1);

    SetStatisticsDefaults(m.Statistiques, m.DebrisFlottant, m.StatResult, m.UserDefinedPDF);
    SetIncrementalDefaults(m.IncrementLoad, m.IncrementalResult);

    m.Geometry.nUp = m.Geometry.nDown = 0;
    m.Geometry.RockUp = m.Geometry.RockDown = 0;
}

bool IsUsableDensity(const DynArray<double>& values, Integer number)
{
    if (number < 1 || number > values.Length()) return false;
    bool someAboveZero = false;
    for (Integer i = 0; i < number; ++i) {
        const double v = values[i];
        if (!std::isfinite(v) || v < 0) return false;
        someAboveZero |= v > 0;
    }
    return someAboveZero;
}

void SetStatisticsDefaults(TStatistiques& s, TDebrisFlottant& debris, TStatResult& statResult,
                           TUserDefinedPDF& userPDF)
{
    for (int i = 1; i <= NRandomVariables; ++i) {
        s.Selection[i] = false;
        s.NumeroParametre[i] = 0;
        s.Distribution[i] = 1;
        s.Resultats[i] = false;
    }
    for (int i = 1; i <= 14; ++i) s.Moyenne[i] = s.Deviation[i] = s.Maximum[i] = s.Minimum[i] = 0;
    for (int i : {1, 3, 4, 5, 6, 7}) s.Resultats[i] = true;
    s.NombreAnalyses = 50000;
    s.AnalysesDemandees = false;
    s.OutputJoint = 0;
    s.Combination = 1;
    s.SauverParametres = s.SauverResultats = s.SauverInputCDF = s.SauverOutPutCDF = false;
    s.FichierInput = "Statistic.in";
    s.FichierOutput = "Statistic.out";
    s.FichierInCDF = "PDF_CDF.in";
    s.FichierOutCDF = "PDF_CDF.out";
    s.nPoints = 50;
    s.FloodIncrease = 0;

    // New histogram vectors each time; earlier ones stay with whoever still refers to them.
    for (int i = 1; i <= NRandomVariables; ++i) {
        for (int half : {i, NRandomVariables + i}) {
            statResult.moyenne[half] = statResult.deviation[half] = statResult.minimum[half] = 0;
            statResult.maximum[half] = statResult.performance[half] = 0;
            statResult.histogramme[half] = std::make_shared<TVector>(nullptr);
        }
        userPDF.number[i] = 1;
        userPDF.elem[i].SetLength(1);
    }

    debris.Force = 0;
    debris.Elev = -1;
    debris.MaxElev = 2;
    for (double& f : debris.LoadCombination) f = 0;
}

void SetIncrementalDefaults(TIncrementLoad& inc, TIncrementalResult& result)
{
    inc.PerformAnalysis = false;
    inc.Loading = 1;
    inc.Combination = 1;
    inc.JointNumber = 0;
    for (int i = 1; i <= 7; ++i) inc.StartValue[i] = inc.EndValue[i] = inc.IncrementValue[i] = 0;
    for (bool& r : inc.Resultats) r = false;
    for (int i : {1, 3, 4}) inc.Resultats[i] = true;
    inc.SauverResultats = false;
    inc.FichierOutput = "Incremental.out";
    for (auto& h : result.histogramme) h.SetLength(1);
}
