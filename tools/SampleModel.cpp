// The sample model: a 60 m gravity dam on rock with five lift joints, drains and a gallery,
// ice, silt, both seismic methods, post-tensioning, all five load combinations, cracking, and a
// Monte-Carlo and an incremental-load study set up on the base joint.
#include "tools/SampleModel.h"

#include "app/LoadsRules.h"
#include "app/PseudoDynamicRules.h"

namespace {

// 15 May 2024, the day the sample was prepared (days since 30 December 1899).
constexpr TDateTime SampleDate = 45427;

void SetInformation(TParametres& m)
{
    m.Infos.Titre = "Stability review of the main dam";
    m.Infos.Barrage = "Lac Sombre main dam (sample)";
    m.Infos.Compagnie = "Dorvane sample data";
    m.Infos.Adresse = "Fictitious site";
    m.Infos.Ingenieur = "Sample engineer";
    m.Infos.Createur = "Sample analyst";
    m.Infos.Commentaires =
        "Sample model shipped with Dorvane: 60 m concrete gravity dam, lift joints every 10 m, "
        "drainage gallery, ice, silt, pseudo-static and pseudo-dynamic earthquakes, post-tensioning.";
}

void SetSection(TParametres& m)
{
    //                L1  L2  L3  L4     A    B    C    D    E    F    G   Fup  Fdown
    m.Dim = TDimension{47, 3, 8, 8, {100, 100, 100, 102, 130, 150, 160, 100, 100}};
    m.gravity = 9.81;
    m.Concrete = TConcrete{30, 27400, 3, 2400};
    m.Foundation = TFoundation{2700, 30000, 0, 45, 22.5, false, 1};
}

// The base joint on the rock contact (material 0) and lift joints at 150, 140 ... 110 m, joint 1
// the highest, as the program keeps them.
void SetJoints(TParametres& m)
{
    m.NJointMaterials = 1;
    SizeJointMaterials(m.JointMaterials, 1);
    TProprietes& base = m.JointMaterials[0];
    base.nom = "Base joint";
    base.fc = 30000;
    base.ft = 100;
    base.peak = Tanglec{50, 300, 0, scContinue};
    base.residual = Tanglec{40, 0, 0, scContinue};
    base.InUse = true;
    TProprietes& lift = m.JointMaterials[1];
    lift.id = 1;
    lift.nom = "Lift joint";
    lift.fc = 30000;
    lift.ft = 900;
    lift.peak = Tanglec{55, 700, 0, scContinue};
    lift.residual = Tanglec{45, 0, 0, scContinue};
    lift.InUse = true;

    m.NJoints = 5;
    SizeJointArrays(m.Joint, m.JointLoad, m.NJoints);
    SizeCracks(m.Cracks, m.NJoints);
    for (int j = 1; j <= m.NJoints; ++j) {
        m.Joint.Elev[j] = 160 - 10.0 * j;
        m.Joint.mat[j] = 1;
    }
    ComputeJointEnds(m);
    m.DrainEfficiency.Joint.SetLength(m.NJoints + 1);
}

// A hoist on the crest: 20 t per metre of dam, 5 m from the heel and 1 m above the crest.
void SetMass(TParametres& m)
{
    m.NMasses = m.Masses.count = 1;
    m.Masses.Elem = {{5, 161, 20000, 20000}};
}

void SetReservoir(TParametres& m)
{
    TReservoir& r = m.Reservoir;
    r.WaterWeight = 9.81;
    r.NormalUp = 156;
    r.NormalDn = 104;
    r.FloodUp = 159;
    r.FloodDn = 108;
    r.IceLoad = 150;
    r.IceThickness = 0.6;
    r.Sediment = 112;
    r.SedWeight = 8;
    r.SedAngle = 30;
    r.SedModel = smAtRest;
    r.WaveVelocity = 1440;
    m.Charges.Glace = true;
}

// CDSA uplift with a drain line 6 m from the heel, drained from the gallery at 104 m up to
// 150 m.
void SetDrainage(TParametres& m)
{
    m.UpliftCode = cCDSA;
    m.Drain = true;
    TDrainage& d = m.Drainage;
    d.Code = cCDSA;
    d.Alternative = 1;
    d.Xdrain = 6;
    d.GalleryElev = 104;
    d.MaxElevation = 150;
    d.effectiveness = 2.0 / 3.0;
    d.CrackOver = cdNoDrain;
    m.DrainEfficiency.DrainDiameter = 0.076;
    m.DrainEfficiency.DrainSpacing = 3;
}

// A crest cable of 1500 kN/m, 2 m from the upstream side of the crest, and a downstream
// cable of 800 kN/m anchored at 125 m at 45 degrees.
void SetPostTension(TParametres& m)
{
    TPostTension& p = m.PostTension;
    p.Tension = 1500;
    p.Position = 2;
    p.Tension2 = 800;
    p.Elev = 125;
    p.Angle = 45;
    p.PostTensionType = ptActive;
    const TDimension& d = m.Dim;
    p.Position2 = InterpolateLine(p.Elev, d.Elev.D, d.L1, d.Elev.F, d.L2 + d.L3);
}

void SetSeismic(TParametres& m)
{
    m.Acc.ReturnPeriod = 2500;
    m.Acc.Peak = TAcc{0.25, 0.17, 0.55};
    m.Acc.Sust = TAcc{0.12, 0.08, 0.3};
    m.CoeffSis.te = 1;
    m.CoeffSis.SlopeCorr = scGeneralized;
    m.ChopraC.Alpha = 0.75;
    m.ChopraCombination = ccSRSS;
    m.Charges.Seisme.PseudoStatic = true;
    m.Charges.Seisme.PseudoDynamic = true;
    m.Charges.Seisme.Seismic1 = seStatic;
    m.Charges.Seisme.Seismic2 = seDynamic;
    m.Charges.PostSeismic = 1;
    ComputeChopraCoefficients(m);
}

// Every combination with full load factors; no ice with an earthquake or after it.
void SetCombinations(TParametres& m)
{
    TCombinations& c = m.Combination;
    c.Usual = TUsualCombination{true, 1, 1, 1, 1, 1, 1, 1, 1};
    c.Flood = TFloodCombination{true, 1, 1, 1, 1, 1, 1, 1};
    c.Seismic1 = TSeismicCombination{true, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1};
    c.Seismic2 = c.Seismic1;
    c.PostSeismic = TPostSeismicCombination{true, 1, 1, 1, 1, 1, 1, 1, 0};
    m.SFComputations = sfLimitEquilibrium;
    ApplyCombinationFactors(m);
}

// 5000 simulations of the usual combination on the base joint: tensile strength, peak
// cohesion and friction, the operating level and the ice load drawn at random.
void SetMonteCarlo(TParametres& m)
{
    TStatistiques& s = m.Statistiques;
    s.AnalysesDemandees = true;
    s.NombreAnalyses = 5000;
    s.Combination = 1;
    s.OutputJoint = 0;
    s.nPoints = 50;
    const struct {
        Word Code;
        Byte Distribution;  // 0 uniform, 1 normal, 2 log-normal
        double Mean, Deviation, Low, High;
    } rows[] = {{1, 1, 100, 30, 0, 200},
                {2, 2, 300, 90, 100, 500},
                {4, 1, 1.19, 0.1, 0.9, 1.5},
                {6, 1, 156, 0.5, 154.5, 157.5},
                {12, 0, 150, 0, 100, 200}};
    int r = 1;
    for (const auto& row : rows) {
        s.Selection[r] = true;
        s.NumeroParametre[r] = row.Code;
        s.Distribution[r] = row.Distribution;
        s.Moyenne[r] = row.Mean;
        s.Deviation[r] = row.Deviation;
        s.Minimum[r] = row.Low;
        s.Maximum[r] = row.High;
        ++r;
    }
}

// The operating level raised from 150 m to 160 m (the crest) by 0.1 m, usual combination,
// base joint.
void SetIncremental(TParametres& m)
{
    TIncrementLoad& i = m.IncrementLoad;
    i.PerformAnalysis = true;
    i.Loading = 1;
    i.StartValue[1] = 150;
    i.EndValue[1] = 160;
    i.IncrementValue[1] = 0.1;
    i.Combination = 1;
    i.JointNumber = 0;
}

}  // namespace

TParametres SampleModel()
{
    TParametres m;
    SetDefaultParameters(m, [] { return SampleDate; });
    SetInformation(m);
    SetSection(m);
    SetJoints(m);
    SetMass(m);
    SetReservoir(m);
    SetDrainage(m);
    SetPostTension(m);
    SetSeismic(m);
    SetCombinations(m);
    SetMonteCarlo(m);
    SetIncremental(m);
    m.Cracking.Considered = true;
    m.Donnees = {daGeometry, daMasses,    daMaterials,   daLiftjoints,    daResNormal,   daResFlood,
                 daIce,      daSediments, daDrain,       daPostTension,   daPseudoStatic, daPseudoDynamic,
                 daCombination, daCracking};
    return m;
}
