#include "engine/Fichier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "platform/rtl/FileSys.h"

namespace fs = std::filesystem;

namespace {

// ---- Field access shared by the writer, the reader and the listing -------------------------
//
// Each group of the file is one routine over an "Io" that either stores the fields into
// the file image (TFileWriter), takes them from it (TFileReader) or lists them
// (TFieldLister). The name of every field is given for the listing.

std::string Indexed(const std::string& name, int i) { return name + "[" + std::to_string(i) + "]"; }

template <class Io, int Lo, int Hi>
void Doubles(Io& io, const std::string& name, TRangeArray<double, Lo, Hi>& a)
{
    for (int i = Lo; i <= Hi; ++i) io.F64(Indexed(name, i), a[i]);
}

template <class Io, int Lo, int Hi>
void Booleans(Io& io, const std::string& name, TRangeArray<bool, Lo, Hi>& a)
{
    for (int i = Lo; i <= Hi; ++i) io.Bool(Indexed(name, i), a[i]);
}

template <class Io>
void Infos(Io& io, TInformations& r)
{
    io.Str("Infos.Titre", r.Titre);
    io.Str("Infos.Barrage", r.Barrage);
    io.Str("Infos.Compagnie", r.Compagnie);
    io.Str("Infos.Adresse", r.Adresse);
    io.Str("Infos.Ingenieur", r.Ingenieur);
    io.Str("Infos.Createur", r.Createur);
    io.Pad(2);
    io.F64("Infos.date", r.date);
    io.Str("Infos.Commentaires", r.Commentaires);
}

template <class Io>
void Dimension(Io& io, TDimension& r)
{
    io.F64("Dim.L1", r.L1);
    io.F64("Dim.L2", r.L2);
    io.F64("Dim.L3", r.L3);
    io.F64("Dim.L4", r.L4);
    io.F64("Dim.Elev.A", r.Elev.A);
    io.F64("Dim.Elev.B", r.Elev.B);
    io.F64("Dim.Elev.C", r.Elev.C);
    io.F64("Dim.Elev.D", r.Elev.D);
    io.F64("Dim.Elev.E", r.Elev.E);
    io.F64("Dim.Elev.F", r.Elev.F);
    io.F64("Dim.Elev.G", r.Elev.G);
    io.F64("Dim.Elev.Fup", r.Elev.Fup);
    io.F64("Dim.Elev.Fdown", r.Elev.Fdown);
}

template <class Io>
void Mass(Io& io, int i, TMasses& r)
{
    const std::string n = Indexed("Masses.Elem", i);
    io.F64(n + ".PosX", r.PosX);
    io.F64(n + ".Elev", r.Elev);
    io.F64(n + ".HorMass", r.HorMass);
    io.F64(n + ".VertMass", r.VertMass);
}

template <class Io>
void Accelerations(Io& io, TAccelerations& r)
{
    io.I32("Acc.ReturnPeriod", r.ReturnPeriod);
    io.Pad(4);
    for (auto [name, acc] : {std::pair{"Acc.Peak", &r.Peak}, std::pair{"Acc.Sust", &r.Sust}}) {
        const std::string n = name;
        io.F64(n + ".horizontal", acc->horizontal);
        io.F64(n + ".vertical", acc->vertical);
        io.F64(n + ".spectral", acc->spectral);
    }
}

template <class Io>
void CoefficientSismique(Io& io, TCoefficientSismique& r)
{
    io.F64("CoeffSis.te", r.te);
    io.Bool("CoeffSis.WaterCompressibility", r.WaterCompressibility);
    io.Enum("CoeffSis.SlopeCorr", r.SlopeCorr, scNoCorrection);
    io.Pad(6);
    io.Bool("CoeffSis.Depth.IsLimit", r.Depth.IsLimit);
    io.Pad(7);
    io.F64("CoeffSis.Depth.Limit", r.Depth.Limit);
}

template <class Io>
void ChopraCoeff(Io& io, TChopraCoeff& r)
{
    for (auto [name, v] : {std::pair{"TDam", &r.TDam}, {"TRes", &r.TRes}, {"TDamRes", &r.TDamRes},
                           {"TDamResFound", &r.TDamResFound}, {"Rr", &r.Rr}, {"Rf", &r.Rf},
                           {"Rw", &r.Rw}, {"Ap", &r.Ap}, {"e1", &r.e1}, {"ef", &r.ef}, {"er", &r.er},
                           {"e", &r.e}, {"M1", &r.M1}, {"M11", &r.M11}, {"L1", &r.L1},
                           {"L11", &r.L11}, {"B1", &r.B1}, {"Fst", &r.Fst}})
        io.F64(std::string("ChopraC.") + name, *v);
    io.I32("ChopraC.tranches", r.tranches);
    io.Pad(4);
    io.F64("ChopraC.Hbarrage", r.Hbarrage);
    io.F64("ChopraC.Hreservoir", r.Hreservoir);
    io.F64("ChopraC.Alpha", r.Alpha);
    io.I32("ChopraC.FoundHystDamping", r.FoundHystDamping);
    io.Enum("ChopraC.SlopeCorr", r.SlopeCorr, scNoCorrection);
    io.Pad(3);
}

template <class Io>
void Concrete(Io& io, TConcrete& r)
{
    io.F64("Concrete.fc", r.fc);
    io.F64("Concrete.Ec", r.Ec);
    io.F64("Concrete.ft", r.ft);
    io.F64("Concrete.mass", r.mass);
}

template <class Io>
void Foundation(Io& io, TFoundation& r)
{
    io.F64("Foundation.UnitMass", r.UnitMass);
    io.F64("Foundation.Ef", r.Ef);
    io.F64("Foundation.cohesion", r.cohesion);
    io.F64("Foundation.Angle", r.Angle);
    io.F64("Foundation.FailureAngle", r.FailureAngle);
    io.Bool("Foundation.ShearStrength", r.ShearStrength);
    io.Pad(7);
    io.F64("Foundation.StrengthFactor", r.StrengthFactor);
}

template <class Io>
void Drainage(Io& io, TDrainage& r)
{
    io.Enum("Drainage.Code", r.Code, cFERC1999);
    io.Pad(3);
    io.I32("Drainage.Alternative", r.Alternative);
    io.F64("Drainage.K1", r.K1);
    io.F64("Drainage.K2", r.K2);
    io.F64("Drainage.Xdrain", r.Xdrain);
    io.F64("Drainage.effectiveness", r.effectiveness);
    io.F64("Drainage.GalleryElev", r.GalleryElev);
    io.Bool("Drainage.DrainOver", r.DrainOver);
    io.Pad(7);
    io.F64("Drainage.MaxElevation", r.MaxElevation);
    io.Enum("Drainage.CrackOver", r.CrackOver, cdNoDrain);
    io.Pad(7);
}

template <class Io>
void Charges(Io& io, TCharges& r)
{
    io.Bool("Charges.Poids", r.Poids);
    io.Bool("Charges.Reservoir", r.Reservoir);
    io.Bool("Charges.SousPression", r.SousPression);
    io.Bool("Charges.Sediment", r.Sediment);
    io.Bool("Charges.Glace", r.Glace);
    io.Bool("Charges.Seisme.PseudoStatic", r.Seisme.PseudoStatic);
    io.Bool("Charges.Seisme.PseudoDynamic", r.Seisme.PseudoDynamic);
    io.Enum("Charges.Seisme.Seismic1", r.Seisme.Seismic1, seDynamic);
    io.Enum("Charges.Seisme.Seismic2", r.Seisme.Seismic2, seDynamic);
    io.Pad(3);
    io.I32("Charges.PostSeismic", r.PostSeismic);
    io.Bool("Charges.PostTension", r.PostTension);
    io.Pad(3);
}

template <class Io>
void PostTension(Io& io, TPostTension& r)
{
    io.F64("PostTension.Tension", r.Tension);
    io.F64("PostTension.Position", r.Position);
    io.F64("PostTension.Tension2", r.Tension2);
    io.F64("PostTension.Angle", r.Angle);
    io.F64("PostTension.Elev", r.Elev);
    io.F64("PostTension.Position2", r.Position2);
    io.Enum("PostTension.PostTensionType", r.PostTensionType, ptPassive);
    io.Pad(7);
}

template <class Io>
void JointRecord(Io& io, TJoint& r, int j)
{
    io.F64(Indexed("Joint.Elev", j), r.Elev[j]);
    io.F64(Indexed("Joint.x1", j), r.x1[j]);
    io.F64(Indexed("Joint.x2", j), r.x2[j]);
    io.F64(Indexed("Joint.y1", j), r.y1[j]);
    io.F64(Indexed("Joint.y2", j), r.y2[j]);
    io.F64(Indexed("Joint.Angle", j), r.Angle[j]);
    io.F64(Indexed("Joint.Length", j), r.Length[j]);
    io.F64(Indexed("Joint.Volume", j), r.Volume[j]);
    io.I32(Indexed("Joint.mat", j), r.mat[j]);
}

// The material record; the older layout stops after InUse.
template <class Io>
void Material(Io& io, int i, TProprietes& r, bool olderLayout)
{
    const std::string n = Indexed("JointMaterials", i);
    io.I32(n + ".id", r.id);
    io.Str(n + ".nom", r.nom);
    io.F64(n + ".fc", r.fc);
    io.F64(n + ".ft", r.ft);
    io.F64(n + ".peak.angle", r.peak.angle);
    io.F64(n + ".peak.c", r.peak.c);
    io.F64(n + ".residual.angle", r.residual.angle);
    io.F64(n + ".residual.c", r.residual.c);
    io.F64(n + ".MinStress", r.MinStress);
    io.Bool(n + ".InUse", r.InUse);
    if (olderLayout) return;
    io.F64(n + ".peak.MinStress", r.peak.MinStress);
    io.F64(n + ".residual.MinStress", r.residual.MinStress);
    io.Enum(n + ".peak.ShearCurve", r.peak.ShearCurve, scContinue);
    io.Enum(n + ".residual.ShearCurve", r.residual.ShearCurve, scContinue);
}

template <class Io>
void Reservoir(Io& io, TReservoir& r)
{
    for (auto [name, v] :
         {std::pair{"WaterWeight", &r.WaterWeight}, {"NormalUp", &r.NormalUp}, {"NormalDn", &r.NormalDn},
          {"FloodUp", &r.FloodUp}, {"FloodDn", &r.FloodDn}, {"PressureUp", &r.PressureUp},
          {"PressureDown", &r.PressureDown}, {"IceLoad", &r.IceLoad}, {"IceThickness", &r.IceThickness},
          {"Sediment", &r.Sediment}, {"SedWeight", &r.SedWeight}, {"SedAngle", &r.SedAngle},
          {"WaveVelocity", &r.WaveVelocity}})
        io.F64(std::string("Reservoir.") + name, *v);
    io.Enum("Reservoir.SedModel", r.SedModel, smActive);
    io.Bool("Reservoir.VertAccOnReservoir", r.VertAccOnReservoir);
    io.Pad(6);
}

template <class Io>
void Force(Io& io, int i, TForce& r)
{
    const std::string n = Indexed("Force.Elem", i);
    io.F64(n + ".PosX", r.PosX);
    io.F64(n + ".Elev", r.Elev);
    io.F64(n + ".HorForce", r.HorForce);
    io.F64(n + ".VertForce", r.VertForce);
}

template <class Io>
void Cracking(Io& io, TCracking& r)
{
    io.Bool("Cracking.Considered", r.Considered);
    io.Pad(7);
    Doubles(io, "Cracking.InitiationSF", r.InitiationSF);
    Doubles(io, "Cracking.PropagationSF", r.PropagationSF);
    Booleans(io, "Cracking.NoTensionI", r.NoTensionI);
    Booleans(io, "Cracking.NoTensionP", r.NoTensionP);
    io.Pad(2);
    io.F64("Cracking.DynamicMagn", r.DynamicMagn);
    for (int i = 1; i <= NLoadCases; ++i) io.U8(Indexed("Cracking.UpliftState", i), r.UpliftState[i], 2);
    io.Bool("Cracking.UpliftInDownStreamClosedCrack", r.UpliftInDownStreamClosedCrack);
    io.Enum("Cracking.RootMethod", r.RootMethod, rmBrent);
    io.Enum("Cracking.RootAccuracy", r.RootAccuracy, raFine);
    io.Pad(6);
}

template <class Io>
void LoadCombination(Io& io, TLoadCombination& r)
{
    for (auto [name, a] :
         {std::pair{"P", &r.P}, {"W", &r.W}, {"U", &r.U}, {"Hnu", &r.Hnu}, {"Hnd", &r.Hnd},
          {"Hfu", &r.Hfu}, {"Hfd", &r.Hfd}, {"I", &r.I}, {"S", &r.S}, {"F", &r.F}, {"QH", &r.QH},
          {"QV", &r.QV}, {"HDu", &r.HDu}, {"VDu", &r.VDu}, {"HDd", &r.HDd}, {"VDd", &r.VDd},
          {"SDh", &r.SDh}, {"SDv", &r.SDv}, {"QHp", &r.QHp}, {"QVp", &r.QVp}, {"HDup", &r.HDup},
          {"VDup", &r.VDup}, {"HDdp", &r.HDdp}, {"VDdp", &r.VDdp}, {"SDhp", &r.SDhp},
          {"SDvp", &r.SDvp}, {"EQ1", &r.EQ1}, {"EQs", &r.EQs}, {"EQv", &r.EQv}, {"HD1", &r.HD1},
          {"HDs", &r.HDs}, {"EQ1p", &r.EQ1p}, {"EQsp", &r.EQsp}, {"EQvp", &r.EQvp},
          {"HD1p", &r.HD1p}, {"HDsp", &r.HDsp}, {"EMc", &r.EMc}, {"EMcp", &r.EMcp}})
        Doubles(io, std::string("LoadCombination.") + name, *a);
    Booleans(io, "LoadCombination.Selected", r.Selected);
    io.Pad(1);
}

// A combination: Selected, padding, then its factors in the order given.
template <class Io>
void CombinationFactors(Io& io, const std::string& name, bool& selected,
                        std::initializer_list<std::pair<const char*, double*>> factors)
{
    io.Bool(name + ".Selected", selected);
    io.Pad(7);
    for (auto [factor, v] : factors) io.F64(name + "." + factor, *v);
}

template <class Io>
void Combinations(Io& io, TCombinations& r)
{
    auto& u = r.Usual;
    CombinationFactors(io, "Combination.Usual", u.Selected,
                       {{"D", &u.D}, {"Hu", &u.Hu}, {"Hd", &u.Hd}, {"U", &u.U}, {"S", &u.S},
                        {"P", &u.P}, {"F", &u.F}, {"I", &u.I}});
    auto& f = r.Flood;
    CombinationFactors(io, "Combination.Flood", f.Selected,
                       {{"D", &f.D}, {"Hu", &f.Hu}, {"Hd", &f.Hd}, {"U", &f.U}, {"S", &f.S},
                        {"F", &f.F}, {"P", &f.P}});
    for (auto [name, s] : {std::pair{"Combination.Seismic1", &r.Seismic1}, {"Combination.Seismic2", &r.Seismic2}})
        CombinationFactors(io, name, s->Selected,
                           {{"D", &s->D}, {"Hu", &s->Hu}, {"Hd", &s->Hd}, {"U", &s->U},
                            {"S", &s->S}, {"F", &s->F}, {"P", &s->P}, {"I", &s->I},
                            {"Qh", &s->Qh}, {"Qv", &s->Qv}});
    auto& p = r.PostSeismic;
    CombinationFactors(io, "Combination.PostSeismic", p.Selected,
                       {{"D", &p.D}, {"Hu", &p.Hu}, {"Hd", &p.Hd}, {"U", &p.U}, {"S", &p.S},
                        {"P", &p.P}, {"F", &p.F}, {"I", &p.I}});
}

template <class Io>
void SafetyFactors(Io& io, TSafetyFactors& r)
{
    for (auto [name, f] : {std::pair{"SafetyFactors.Usual", &r.Usual}, {"SafetyFactors.Flood", &r.Flood},
                           {"SafetyFactors.Seismic1", &r.Seismic1}, {"SafetyFactors.Seismic2", &r.Seismic2},
                           {"SafetyFactors.PostSeismic", &r.PostSeismic}}) {
        const std::string n = name;
        io.F64(n + ".Peak", f->Peak);
        io.F64(n + ".Residual", f->Residual);
        io.F64(n + ".Overturning", f->Overturning);
        io.F64(n + ".Uplifting", f->Uplifting);
        io.F64(n + ".Tension", f->Tension);
        io.F64(n + ".Compression", f->Compression);
    }
}

template <class Io>
void DrainEfficiency(Io& io, TDrainEfficiency& r)
{
    io.Bool("DrainEfficiency.Activated", r.Activated);
    io.Bool("DrainEfficiency.AlphaIsOne", r.AlphaIsOne);
    io.F64("DrainEfficiency.DrainDiameter", r.DrainDiameter);
    io.F64("DrainEfficiency.DrainSpacing", r.DrainSpacing);
}

template <class Io>
void Statistiques(Io& io, TStatistiques& r)
{
    Booleans(io, "Statistiques.Selection", r.Selection);
    io.Pad(1);
    for (int i = 1; i <= NRandomVariables; ++i)
        io.U16(Indexed("Statistiques.NumeroParametre", i), r.NumeroParametre[i]);
    io.Pad(6);
    Doubles(io, "Statistiques.Moyenne", r.Moyenne);
    Doubles(io, "Statistiques.Deviation", r.Deviation);
    Doubles(io, "Statistiques.Maximum", r.Maximum);
    Doubles(io, "Statistiques.Minimum", r.Minimum);
    for (int i = 1; i <= NRandomVariables; ++i)
        io.U8(Indexed("Statistiques.Distribution", i), r.Distribution[i], 3);
    io.Pad(1);
    io.I32("Statistiques.NombreAnalyses", r.NombreAnalyses);
    io.Bool("Statistiques.AnalysesDemandees", r.AnalysesDemandees);
    io.Bool("Statistiques.SauverParametres", r.SauverParametres);
    io.Bool("Statistiques.SauverResultats", r.SauverResultats);
    io.Bool("Statistiques.SauverInputCDF", r.SauverInputCDF);
    io.Bool("Statistiques.SauverOutPutCDF", r.SauverOutPutCDF);
    io.Str("Statistiques.FichierInput", r.FichierInput);
    io.Str("Statistiques.FichierOutput", r.FichierOutput);
    io.Str("Statistiques.FichierInCDF", r.FichierInCDF);
    io.Str("Statistiques.FichierOutCDF", r.FichierOutCDF);
    io.Pad(3);
    io.I32("Statistiques.Combination", r.Combination);
    Booleans(io, "Statistiques.Resultats", r.Resultats);
    io.Pad(1);
    io.I32("Statistiques.OutputJoint", r.OutputJoint);
    io.U16("Statistiques.nPoints", r.nPoints);
    io.Pad(2);
    io.F64("Statistiques.FloodIncrease", r.FloodIncrease);
}

template <class Io>
void DebrisFlottant(Io& io, TDebrisFlottant& r)
{
    io.F64("DebrisFlottant.Force", r.Force);
    io.F64("DebrisFlottant.Elev", r.Elev);
    io.F64("DebrisFlottant.MaxElev", r.MaxElev);
    Doubles(io, "DebrisFlottant.LoadCombination", r.LoadCombination);
}

template <class Io>
void IncrementLoad(Io& io, TIncrementLoad& r)
{
    io.Bool("IncrementLoad.PerformAnalysis", r.PerformAnalysis);
    io.Pad(3);
    io.I32("IncrementLoad.Loading", r.Loading);
    Doubles(io, "IncrementLoad.StartValue", r.StartValue);
    Doubles(io, "IncrementLoad.EndValue", r.EndValue);
    Doubles(io, "IncrementLoad.IncrementValue", r.IncrementValue);
    io.I32("IncrementLoad.Combination", r.Combination);
    io.I32("IncrementLoad.JointNumber", r.JointNumber);
    Booleans(io, "IncrementLoad.Resultats", r.Resultats);
    io.Bool("IncrementLoad.SauverResultats", r.SauverResultats);
    io.Pad(1);
    io.I32("IncrementLoad.AnalysisSteps", r.AnalysisSteps);
    io.Str("IncrementLoad.FichierOutput", r.FichierOutput);
}

// The whole file after its head, as this program writes it.
template <class Io>
void ModelBody(Io& io, TParametres& m)
{
    io.I32("NJoints", m.NJoints);
    io.I32("NJointMaterials", m.NJointMaterials);
    io.I32("NMasses", m.NMasses);
    io.I32("NForces", m.NForces);
    io.Enum("unites", m.unites, US);
    io.Enum("DrawMode", m.DrawMode, dmTechnical);
    Infos(io, m.Infos);
    io.F64("gravity", m.gravity);
    Dimension(io, m.Dim);
    for (int i = 0; i < m.NMasses; ++i) Mass(io, i, m.Masses.Elem[i]);
    Accelerations(io, m.Acc);
    CoefficientSismique(io, m.CoeffSis);
    ChopraCoeff(io, m.ChopraC);
    Concrete(io, m.Concrete);
    Foundation(io, m.Foundation);
    io.Enum("UpliftCode", m.UpliftCode, cFERC1999);
    io.Enum("UpliftLoad", m.UpliftLoad, ulInternal);
    io.Bool("Drain", m.Drain);
    Drainage(io, m.Drainage);
    Charges(io, m.Charges);
    PostTension(io, m.PostTension);
    io.Flags("Donnees", m.Donnees);
    for (int j = 0; j <= m.NJoints; ++j) JointRecord(io, m.Joint, j);
    for (int i = 0; i <= m.NJointMaterials; ++i) Material(io, i, m.JointMaterials[i], false);
    Reservoir(io, m.Reservoir);
    for (int i = 0; i < m.NForces; ++i) Force(io, i, m.Force.Elem[i]);
    Cracking(io, m.Cracking);
    LoadCombination(io, m.LoadCombination);
    Combinations(io, m.Combination);
    SafetyFactors(io, m.SafetyFactors);
    io.Enum("ChopraCombination", m.ChopraCombination, ccAbs);
    io.Enum("SFComputations", m.SFComputations, sfShearFriction);
    for (int j = 0; j <= m.NJoints; ++j) {
        io.F64(Indexed("Cracks.Up", j), m.Cracks.Up[j]);
        io.F64(Indexed("Cracks.Down", j), m.Cracks.Down[j]);
    }
    DrainEfficiency(io, m.DrainEfficiency);
    Statistiques(io, m.Statistiques);
    for (int i = 1; i <= NRandomVariables; ++i) {
        if (m.Statistiques.Distribution[i] != 3) continue;
        io.I32(Indexed("UserDefinedPDF.number", i), m.UserDefinedPDF.number[i]);
        for (int k = 0; k < m.UserDefinedPDF.number[i]; ++k)
            io.F64(Indexed(Indexed("UserDefinedPDF.elem", i), k), m.UserDefinedPDF.elem[i][k]);
    }
    DebrisFlottant(io, m.DebrisFlottant);
    IncrementLoad(io, m.IncrementLoad);
}

// A record copy whose arrays hold at least as many entries as the counts say, so that
// writing or listing an inconsistent model never reads outside an array (missing entries
// are written as zeros). Arrays that are long enough stay shared with the model.
TParametres WithCountedEntries(const TParametres& model)
{
    TParametres m = model;
    auto atLeast = [](auto& a, Integer n) {
        if (a.Length() < n) a.SetLength(n);
    };
    const Integer joints = m.NJoints + 1;
    TJoint& j = m.Joint;
    for (auto* a : {&j.Elev, &j.x1, &j.x2, &j.y1, &j.y2, &j.Angle, &j.Length, &j.Volume}) atLeast(*a, joints);
    atLeast(j.mat, joints);
    atLeast(m.Cracks.Up, joints);
    atLeast(m.Cracks.Down, joints);
    atLeast(m.JointMaterials, m.NJointMaterials + 1);
    atLeast(m.Masses.Elem, m.NMasses);
    atLeast(m.Force.Elem, m.NForces);
    for (int i = 1; i <= NRandomVariables; ++i)
        if (m.Statistiques.Distribution[i] == 3) atLeast(m.UserDefinedPDF.elem[i], m.UserDefinedPDF.number[i]);
    return m;
}

// ---- Writer -------------------------------------------------------------------------------------

class TFileWriter {
public:
    explicit TFileWriter(std::vector<Byte>& out) : FOut(out) {}

    void Bool(const std::string&, bool v) { Put(v ? 1 : 0); }
    template <class E>
    void Enum(const std::string&, E v, E) { Put(static_cast<Byte>(v)); }
    void U8(const std::string&, Byte v, Byte) { Put(v); }
    void U16(const std::string&, Word v) { PutLittleEndian(v, 2); }
    void I32(const std::string&, Integer v) { PutLittleEndian(static_cast<Cardinal>(v), 4); }
    void F64(const std::string&, double v)
    {
        UInt64 bits;
        std::memcpy(&bits, &v, 8);
        PutLittleEndian(bits, 8);
    }
    template <int N>
    void Str(const std::string&, const ShortString<N>& s)
    {
        Put(s.Len);
        for (int i = 0; i < N; ++i) Put(i < s.Len ? static_cast<Byte>(s.Chars[i]) : 0);
    }
    void Flags(const std::string& name, const TDataSet& s) { I32(name, static_cast<Integer>(s.ToBits())); }
    void Pad(int n) { FOut.insert(FOut.end(), static_cast<size_t>(n), 0); }

private:
    void Put(Byte b) { FOut.push_back(b); }
    void PutLittleEndian(UInt64 v, int bytes)
    {
        for (int i = 0; i < bytes; ++i) Put(static_cast<Byte>(v >> (8 * i)));
    }
    std::vector<Byte>& FOut;
};

// ---- Reader -------------------------------------------------------------------------------------

// Content that does not make a model: a short file, a count out of bounds, a byte that is
// not a value of its type. Reported as a wrong file format; Field names the field whose value
// is refused, when one is.
class EWrongFormat : public std::runtime_error {
public:
    explicit EWrongFormat(std::string field = "") : std::runtime_error("wrong file format"), Field(std::move(field)) {}
    std::string Field;
};

class TFileReader {
public:
    explicit TFileReader(const std::vector<Byte>& data) : FData(data) {}

    size_t Left() const { return FData.size() - FPos; }
    // Refuses a count outside 0..max or whose records of the given size cannot be in the
    // rest of the file.
    void CheckCount(const std::string& name, Integer count, Integer max, size_t recordSize) const
    {
        if (count < 0 || count > max || static_cast<size_t>(count) * recordSize > Left()) throw EWrongFormat(name);
    }

    void Bool(const std::string& name, bool& v)
    {
        Byte b = Get();
        if (b > 1) throw EWrongFormat(name);
        v = b == 1;
    }
    template <class E>
    void Enum(const std::string& name, E& v, E last)
    {
        Byte b = Get();
        if (b > static_cast<Byte>(last)) throw EWrongFormat(name);
        v = static_cast<E>(b);
    }
    void U8(const std::string& name, Byte& v, Byte max)
    {
        v = Get();
        if (v > max) throw EWrongFormat(name);
    }
    void U16(const std::string&, Word& v) { v = static_cast<Word>(GetLittleEndian(2)); }
    void I32(const std::string&, Integer& v) { v = static_cast<Integer>(static_cast<Cardinal>(GetLittleEndian(4))); }
    // A model holds finite numbers only: NaN or an infinity is no value of a field.
    void F64(const std::string& name, double& v)
    {
        UInt64 bits = GetLittleEndian(8);
        std::memcpy(&v, &bits, 8);
        if (!std::isfinite(v)) throw EWrongFormat(name);
    }
    template <int N>
    void Str(const std::string& name, ShortString<N>& s)
    {
        Byte length = Get();
        if (length > N) throw EWrongFormat(name);
        Need(N);
        s.AssignBytes(std::string(reinterpret_cast<const char*>(FData.data() + FPos), length));
        FPos += N;
    }
    void Flags(const std::string&, TDataSet& s)
    {
        Integer bits;
        I32("", bits);
        // Only the bits of the flags that exist count.
        s = TDataSet::FromBits(static_cast<Cardinal>(bits) & ((1u << (daFloatingDebris + 1)) - 1));
    }
    void Pad(int n)
    {
        Need(static_cast<size_t>(n));
        FPos += static_cast<size_t>(n);
    }

private:
    void Need(size_t n) const
    {
        if (Left() < n) throw EWrongFormat();
    }
    Byte Get()
    {
        Need(1);
        return FData[FPos++];
    }
    UInt64 GetLittleEndian(int bytes)
    {
        Need(static_cast<size_t>(bytes));
        UInt64 v = 0;
        for (int i = 0; i < bytes; ++i) v |= UInt64{FData[FPos++]} << (8 * i);
        return v;
    }
    const std::vector<Byte>& FData;
    size_t FPos = 0;
};

// ---- Listing ------------------------------------------------------------------------------------

class TFieldLister {
public:
    using TOut = std::function<void(const std::string&, const std::string&)>;
    explicit TFieldLister(const TOut& out) : FOut(out) {}

    void Bool(const std::string& name, bool v) { FOut(name, v ? "true" : "false"); }
    template <class E>
    void Enum(const std::string& name, E v, E) { FOut(name, std::to_string(static_cast<int>(v))); }
    void U8(const std::string& name, Byte v, Byte) { FOut(name, std::to_string(v)); }
    void U16(const std::string& name, Word v) { FOut(name, std::to_string(v)); }
    void I32(const std::string& name, Integer v) { FOut(name, std::to_string(v)); }
    void F64(const std::string& name, double v)
    {
        char text[32];
        auto result = std::to_chars(text, text + sizeof text, v);
        FOut(name, std::string(text, result.ptr));
    }
    template <int N>
    void Str(const std::string& name, const ShortString<N>& s) { FOut(name, Quoted(s.ToString().ToUtf8())); }
    void Flags(const std::string& name, const TDataSet& s)
    {
        static const char* const names[] = {
            "daChanged", "daGeometry", "daMasses", "daMaterials", "daFoundation", "daLiftjoints",
            "daResNormal", "daResFlood", "daResOvertop", "daIce", "daSediments", "daDrain",
            "daPostTension", "daForces", "daPseudoStatic", "daPseudoDynamic", "daCombination",
            "daCracking", "daAnalysed", "daFloatingDebris"};
        std::string text = "[";
        for (int i = daChanged; i <= daFloatingDebris; ++i)
            if (s.Contains(static_cast<Tdata>(i))) text += (text.size() > 1 ? "," : "") + std::string(names[i]);
        FOut(name, text + "]");
    }
    void Pad(int) {}

private:
    // In double quotes, with quotes, backslashes and control characters escaped so that
    // every field stays on one line.
    static std::string Quoted(const std::string& text)
    {
        std::string r = "\"";
        for (unsigned char c : text) {
            if (c == '"' || c == '\\') {
                r += '\\';
                r += static_cast<char>(c);
            } else if (c < 0x20) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                r += hex;
            } else {
                r += static_cast<char>(c);
            }
        }
        return r + "\"";
    }
    const TOut& FOut;
};

// ---- File system --------------------------------------------------------------------------------

fs::path PathOf(const String& fileName) { return fs::path(fileName.ToUtf8()); }

// Largest file the counts allow; anything bigger is not a model file.
constexpr size_t MaxFileSize =
    8 + 16 + 2 + 752 + 8 + 104 + size_t{MaxFileMasses} * 32 + 56 + 32 + 184 + 32 + 56 + 3 + 72 + 20 +
    56 + 4 + size_t{MaxFileJoints + 1} * (68 + 16) + size_t{MaxFileJointMaterials + 1} * 90 + 112 +
    size_t{MaxFileForces} * 32 + 160 + 2136 + 384 + 240 + 2 + 18 + 1568 +
    NRandomVariables * (4 + size_t{MaxFileDensityValues} * 8) + 80 + 456;

// The whole file; false when it cannot be read or is too big to be a model file.
bool ReadWholeFile(const String& fileName, std::vector<Byte>& data)
{
    int fd = ::open(fileName.ToUtf8().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);  // a pipe must not block the reader
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) <= MaxFileSize;
    if (ok) {
        data.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (ok && done < data.size()) {
            ssize_t n = ::read(fd, data.data() + done, data.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) ok = false;
            else done += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    return ok;
}

bool WriteAll(int fd, const std::vector<Byte>& data)
{
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A file the user may not write is kept, as writing it in place would fail. The superuser
// may write any file, yet a file without any write permission stays read-only for him too.
bool MayReplace(const fs::path& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return errno == ENOENT;  // a new file
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 &&
           (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// A renamed file keeps its new name over a power loss only once its folder is on disk too.
// False when the folder's sync fails; a folder that cannot be opened for it (no read
// permission) is left to the system.
bool SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;  // a file system that cannot sync a folder
    ::close(fd);
    return ok;
}

// The file image goes to a new file beside the target, which then replaces the target.
bool ReplaceFile(const String& fileName, const std::vector<Byte>& data)
{
    fs::path target = PathOf(fileName);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        target = fs::canonical(target, ec);
        if (ec) return false;
    }
    if (!MayReplace(target)) return false;
    static std::atomic<unsigned> serial{0};
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    return SyncFolder(target.parent_path());
}

// ---- Reading the groups of a file -----------------------------------------------------------------

constexpr size_t JointRecordSize = 68;
constexpr size_t MaterialRecordSize = 90;
constexpr size_t OlderMaterialRecordSize = 72;
constexpr size_t MassRecordSize = 32;
constexpr size_t ForceRecordSize = 32;

// Fills the model image from the file image after its head, through the version gates.
void ReadModel(TFileReader& in, const TProgramVersion& version, TParametres& m)
{
    const Int64 v = version.Number();
    in.I32("NJoints", m.NJoints);
    in.I32("NJointMaterials", m.NJointMaterials);
    in.I32("NMasses", m.NMasses);
    in.I32("NForces", m.NForces);
    in.CheckCount("NJoints", m.NJoints, MaxFileJoints, 0);
    in.CheckCount("NJointMaterials", m.NJointMaterials, MaxFileJointMaterials, 0);
    in.CheckCount("NMasses", m.NMasses, MaxFileMasses, 0);
    in.CheckCount("NForces", m.NForces, MaxFileForces, 0);
    in.Enum("unites", m.unites, US);
    in.Enum("DrawMode", m.DrawMode, dmTechnical);
    Infos(in, m.Infos);
    in.F64("gravity", m.gravity);
    Dimension(in, m.Dim);

    in.CheckCount("NMasses", m.NMasses, MaxFileMasses, MassRecordSize);
    m.Masses.count = m.NMasses;
    m.Masses.Elem.SetLength(m.NMasses);
    for (int i = 0; i < m.NMasses; ++i) Mass(in, i, m.Masses.Elem[i]);

    Accelerations(in, m.Acc);
    CoefficientSismique(in, m.CoeffSis);
    ChopraCoeff(in, m.ChopraC);
    in.CheckCount("ChopraC.tranches", m.ChopraC.tranches, MaxFileDivisions, 0);
    Concrete(in, m.Concrete);
    Foundation(in, m.Foundation);
    in.Enum("UpliftCode", m.UpliftCode, cFERC1999);
    in.Enum("UpliftLoad", m.UpliftLoad, ulInternal);
    in.Bool("Drain", m.Drain);
    Drainage(in, m.Drainage);
    Charges(in, m.Charges);
    PostTension(in, m.PostTension);
    in.Flags("", m.Donnees);

    in.CheckCount("NJoints", m.NJoints + 1, MaxFileJoints + 1, JointRecordSize);
    SizeJointArrays(m.Joint, m.JointLoad, m.NJoints);
    for (int j = 0; j <= m.NJoints; ++j) {
        JointRecord(in, m.Joint, j);
        if (m.Joint.mat[j] < 0 || m.Joint.mat[j] > m.NJointMaterials)
            throw EWrongFormat(Indexed("Joint.mat", j));
    }

    // The older material layout is that of versions 1.0 to 1.4 with a release up to 2
    // (a 1.3.5 file already has the current layout).
    const bool olderMaterials = version.Major == 1 && version.Minor <= 4 && version.Release <= 2;
    in.CheckCount("NJointMaterials", m.NJointMaterials + 1, MaxFileJointMaterials + 1,
                  olderMaterials ? OlderMaterialRecordSize : MaterialRecordSize);
    SizeJointMaterials(m.JointMaterials, m.NJointMaterials);
    for (int i = 0; i <= m.NJointMaterials; ++i) {
        TProprietes& p = m.JointMaterials[i];
        Material(in, i, p, olderMaterials);
        if (olderMaterials) {
            p.peak.MinStress = p.MinStress;
            p.residual.MinStress = 0;
            p.peak.ShearCurve = p.residual.ShearCurve = scNonContinue;
        }
    }

    Reservoir(in, m.Reservoir);
    // A friction angle lies in 0..90 degrees; 90 and more would make the passive silt load
    // infinite.
    if (!(m.Reservoir.SedAngle >= 0 && m.Reservoir.SedAngle < 90)) throw EWrongFormat("Reservoir.SedAngle");
    in.CheckCount("NForces", m.NForces, MaxFileForces, ForceRecordSize);
    m.Force.count = m.NForces;
    m.Force.Elem.SetLength(m.NForces);
    for (int i = 0; i < m.NForces; ++i) Force(in, i, m.Force.Elem[i]);

    Cracking(in, m.Cracking);
    LoadCombination(in, m.LoadCombination);
    Combinations(in, m.Combination);
    SafetyFactors(in, m.SafetyFactors);
    in.Enum("ChopraCombination", m.ChopraCombination, ccAbs);
    if (v >= 1010000)
        in.Enum("SFComputations", m.SFComputations, sfShearFriction);
    else
        m.SFComputations = sfLimitEquilibrium;

    SizeCracks(m.Cracks, m.NJoints);
    if (v >= 1020000)
        for (int j = 0; j <= m.NJoints; ++j) {
            in.F64(Indexed("Cracks.Up", j), m.Cracks.Up[j]);
            in.F64(Indexed("Cracks.Down", j), m.Cracks.Down[j]);
        }

    if (v >= 1030000) {
        DrainEfficiency(in, m.DrainEfficiency);
    } else {
        m.DrainEfficiency.Activated = false;
        m.DrainEfficiency.AlphaIsOne = true;
        m.DrainEfficiency.DrainDiameter = 0.1;
        m.DrainEfficiency.DrainSpacing = 2;
        if (m.unites == US) {
            ConvertLength(m.DrainEfficiency.DrainDiameter, 1);
            ConvertLength(m.DrainEfficiency.DrainSpacing, 1);
        }
    }
    m.DrainEfficiency.Joint.SetLength(m.NJoints + 1);

    SetStatisticsDefaults(m.Statistiques, m.DebrisFlottant, m.StatResult, m.UserDefinedPDF);
    SetIncrementalDefaults(m.IncrementLoad, m.IncrementalResult);
    if (v > 1999999) {
        Statistiques(in, m.Statistiques);
        in.CheckCount("Statistiques.NombreAnalyses", m.Statistiques.NombreAnalyses, MaxFileSimulations, 0);
        for (int i = 1; i <= NRandomVariables; ++i) {
            if (m.Statistiques.Distribution[i] != 3) continue;
            const std::string density = Indexed("UserDefinedPDF.elem", i);
            Integer& number = m.UserDefinedPDF.number[i];
            in.I32("", number);
            in.CheckCount(density, number, MaxFileDensityValues, 8);
            m.UserDefinedPDF.elem[i].SetLength(number);
            for (int k = 0; k < number; ++k) in.F64(density, m.UserDefinedPDF.elem[i][k]);
            if (!IsUsableDensity(m.UserDefinedPDF.elem[i], number)) throw EWrongFormat(density);
        }
        DebrisFlottant(in, m.DebrisFlottant);
    }
    // The incremental settings came with version 1.4.2, before the groups above.
    if ((version.Major == 1 && version.Minor == 4 && version.Release > 1) || version.Major > 1 ||
        version.Minor > 4)
        IncrementLoad(in, m.IncrementLoad);
}

// Outcome of reading the file into a model image.
enum class TReadOutcome { Read, OldVersion, WrongFormat };

// The model of a file image, with its base joint rebuilt from the section.
TReadOutcome ReadImage(const std::vector<Byte>& data, TParametres& image, std::string* refusedField = nullptr)
{
    try {
        TFileReader in(data);
        TProgramVersion version;
        in.U16("", version.Major);
        in.U16("", version.Minor);
        in.U16("", version.Release);
        in.U16("", version.Build);
        if (version.Number() < 1000000) return TReadOutcome::OldVersion;
        ReadModel(in, version, image);
        // A section too large for its base joint to have a length is no dam.
        ComputeBaseJoint(image);
        if (!std::isfinite(image.Joint.Length[0]) || !std::isfinite(image.Joint.Angle[0])) throw EWrongFormat("Dim");
    } catch (const EWrongFormat& e) {
        if (refusedField) *refusedField = e.Field;
        return TReadOutcome::WrongFormat;
    }
    return TReadOutcome::Read;
}

TReadOutcome ReadFileImage(const String& fileName, TParametres& image)
{
    std::vector<Byte> data;
    if (!ReadWholeFile(fileName, data)) return TReadOutcome::WrongFormat;
    return ReadImage(data, image);
}

}  // namespace

// ---- Public routines ------------------------------------------------------------------------------

void EcritureFichier(std::vector<Byte>& file, TParametres& model)
{
    model.Donnees.Exclude(daChanged);
    TParametres m = WithCountedEntries(model);
    TFileWriter out(file);
    const TProgramVersion& version = CurrentProgramVersion;
    out.U16("", version.Major);
    out.U16("", version.Minor);
    out.U16("", version.Release);
    out.U16("", version.Build);
    ModelBody(out, m);
}

bool SaveModelFile(const String& fileName, TParametres& model, String* refusedField)
{
    const bool changed = model.Donnees.Contains(daChanged);
    bool ok = false;
    try {
        std::vector<Byte> image;
        EcritureFichier(image, model);
        // A file this program could not open again is not written.
        TParametres readBack;
        std::string field;
        if (ReadImage(image, readBack, &field) != TReadOutcome::Read) {
            if (refusedField) *refusedField = String(field.c_str());
        } else {
            ok = ReplaceFile(fileName, image);
        }
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok && changed) model.Donnees.Include(daChanged);
    return ok;
}

void LectureFichier1_0(IDamFileHost& host, const String& fileName)
{
    host.SetProceedFlag(true);
    for (int i = 0; i < host.DocumentCount(); ++i)
        if (SameFileName(host.DocumentCaption(i), fileName)) host.SetProceedFlag(false);
    if (!host.ProceedFlag()) {
        host.ShowWarning("file already opened!");
        return;
    }
    try {
        TParametres& current = host.CurrentModel();
        TParametres image;
        switch (ReadFileImage(fileName, image)) {
        case TReadOutcome::OldVersion:
            host.ShowWarning("Dorva is unable to load the file");
            host.SetProceedFlag(false);
            return;
        case TReadOutcome::WrongFormat:
            host.ShowWarning("Wrong file format!");
            host.SetProceedFlag(false);
            return;
        case TReadOutcome::Read:
            break;
        }
        image.FileVersion = host.ProgramVersion();
        image.Donnees.Exclude(daAnalysed);
        image.Donnees.Exclude(daChanged);
        // Not stored in the file: kept from the current model.
        image.ModelGeometry = current.ModelGeometry;
        image.Geometry = current.Geometry;
        image.AnalysesStatistiques = current.AnalysesStatistiques;
        image.StatPDF = current.StatPDF;
        image.StatCDF = current.StatCDF;
        current = image;
    } catch (const std::exception&) {
        host.ShowWarning("Invalide file format - Error on open!");
        host.SetProceedFlag(false);
    }
}

void ListModelFields(const TParametres& model,
                     const std::function<void(const std::string& path, const std::string& value)>& out)
{
    TParametres m = WithCountedEntries(model);
    TFieldLister lister(out);
    ModelBody(lister, m);
}
