#pragma once
// The dam model: the record TParametres with every sub-record and enumeration, the
// routines that size and release its per-joint arrays, the small numeric routines the
// engine and the windows share, unit conversion, joint ends and the defaults of a model.
//
// Copy semantics: assigning a TParametres copies every plain field and fixed array and
// shares every DynArray (SetLength, even to the same length, unshares) and every TVector
// reference.
#include <functional>
#include <memory>

#include "platform/classes/DynArray.h"
#include "platform/classes/Set.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

class TVector;

// Fixed array indexed Lo..Hi, as the model indexes it (per-case arrays run 1..7).
template <class T, int Lo, int Hi>
struct TRangeArray {
    static_assert(Lo <= Hi, "empty range");
    T Items[Hi - Lo + 1] = {};

    static constexpr int Low() { return Lo; }
    static constexpr int High() { return Hi; }
    T& operator[](int i) { return Items[i - Lo]; }
    const T& operator[](int i) const { return Items[i - Lo]; }
    T* begin() { return Items; }
    T* end() { return Items + (Hi - Lo + 1); }
    const T* begin() const { return Items; }
    const T* end() const { return Items + (Hi - Lo + 1); }
};

// Load cases: 1 usual, 2 flood, 3 seismic #1 stress, 4 seismic #1 stability,
// 5 seismic #2 stress, 6 seismic #2 stability, 7 post-seismic.
constexpr int NLoadCases = 7;
template <class T>
using TCaseArray = TRangeArray<T, 1, NLoadCases>;

using TString10 = ShortString<10>;
using TString80 = ShortString<80>;
using TString255 = ShortString<255>;

// A TVector shared by every copy of the record that refers to it.
using TVectorRef = std::shared_ptr<TVector>;

// ---- Enumerations (ordinal = stored byte) ------------------------------------------
enum TModelGeometry : Byte { mgGravity, mgGravityFull, mgSpillway, mgIntake };
enum TDrawMode : Byte { dmLandScape, dmTechnical };
enum TUnites : Byte { SI, US };
enum TClosedCrack : Byte { ccNone, ccUp, ccDown };
enum TSiltModel : Byte { smAsFluid, smAtRest, smPassive, smActive };
enum TCode : Byte { cCDSA, cUSACE, cFERC, cANCOLD, cUSBR, cFERC1999 };
enum TCrackOverDrain : Byte { cdNotEffective, cdFullFull, cdFullDecrement, cdNoDrain };
enum TShearCurve : Byte { scNonContinue, scContinue };
enum TSeismicChoice : Byte { seStatic, seDynamic };
enum TPostTensionType : Byte { ptActive, ptPassive };
enum TChopraCombination : Byte { ccFirst, ccSup, ccSRSS, ccAbs };
enum TSlopeCorrection : Byte { scCos2, scCorns, scGeneralized, scNoCorrection };
enum TUpliftLoad : Byte { ulExternal, ulInternal };
enum TRootMethod : Byte { rmBisection, rmBrent };
enum TRootAccuracy : Byte { raCoarse, raMedium, raFine };
enum TSafetyFactorComputations : Byte { sfLimitEquilibrium, sfShearFriction };

// Input flags; stored as a 32-bit word with bit n for the value of ordinal n.
enum Tdata : Byte {
    daChanged, daGeometry, daMasses, daMaterials, daFoundation, daLiftjoints, daResNormal,
    daResFlood, daResOvertop, daIce, daSediments, daDrain, daPostTension, daForces,
    daPseudoStatic, daPseudoDynamic, daCombination, daCracking, daAnalysed, daFloatingDebris
};
using TDataSet = Set<Tdata>;

// ---- Sub-records of the inputs ------------------------------------------------------
struct TProgramVersion {
    Word Major = 0, Minor = 0, Release = 0, Build = 0;
    // Major x 1000000 + Minor x 10000 + Release x 100 + Build.
    Int64 Number() const
    {
        return Int64{Major} * 1000000 + Int64{Minor} * 10000 + Int64{Release} * 100 + Build;
    }
};

// The running program's version, written at the head of every model file.
constexpr TProgramVersion CurrentProgramVersion{2, 0, 9, 1};

struct TInformations {
    TString80 Titre, Barrage, Compagnie, Adresse, Ingenieur, Createur;
    TDateTime date = 0;
    TString255 Commentaires;
};

struct TElev {
    double A = 0, B = 0, C = 0, D = 0, E = 0, F = 0, G = 0, Fup = 0, Fdown = 0;
};

struct TDimension {
    double L1 = 0, L2 = 0, L3 = 0, L4 = 0;
    TElev Elev;
};

struct TMasses {
    double PosX = 0, Elev = 0, HorMass = 0, VertMass = 0;
};

struct TMassesArray {
    Integer count = 0;
    DynArray<TMasses> Elem;
};

struct TAcc {
    double horizontal = 0, vertical = 0, spectral = 0;
};

struct TAccelerations {
    Integer ReturnPeriod = 0;
    TAcc Peak, Sust;
};

struct TDepthlimit {
    bool IsLimit = false;
    double Limit = 0;
};

struct TCoefficientSismique {
    double te = 0;
    bool WaterCompressibility = false;
    TSlopeCorrection SlopeCorr = scCos2;
    TDepthlimit Depth;
};

struct TChopraCoeff {
    double TDam = 0, TRes = 0, TDamRes = 0, TDamResFound = 0;
    double Rr = 0, Rf = 0, Rw = 0, Ap = 0;
    double e1 = 0, ef = 0, er = 0, e = 0;
    double M1 = 0, M11 = 0, L1 = 0, L11 = 0, B1 = 0, Fst = 0;
    Integer tranches = 0;
    double Hbarrage = 0, Hreservoir = 0, Alpha = 0;
    Integer FoundHystDamping = 0;
    TSlopeCorrection SlopeCorr = scCos2;
};

struct TConcrete {
    double fc = 0, Ec = 0, ft = 0, mass = 0;
};

struct TFoundation {
    double UnitMass = 0, Ef = 0, cohesion = 0, Angle = 0, FailureAngle = 0;
    bool ShearStrength = false;
    double StrengthFactor = 0;
};

struct TDrainage {
    TCode Code = cCDSA;
    Integer Alternative = 0;
    double K1 = 0, K2 = 0, Xdrain = 0, effectiveness = 0, GalleryElev = 0;
    bool DrainOver = false;
    double MaxElevation = 0;
    TCrackOverDrain CrackOver = cdNotEffective;
};

struct TSeismic {
    bool PseudoStatic = false, PseudoDynamic = false;
    TSeismicChoice Seismic1 = seStatic, Seismic2 = seStatic;
};

struct TCharges {
    bool Poids = false, Reservoir = false, SousPression = false, Sediment = false, Glace = false;
    TSeismic Seisme;
    Integer PostSeismic = 0;
    bool PostTension = false;
};

struct TPostTension {
    double Tension = 0, Position = 0, Tension2 = 0, Angle = 0, Elev = 0, Position2 = 0;
    TPostTensionType PostTensionType = ptActive;
};

struct TReservoir {
    double WaterWeight = 0, NormalUp = 0, NormalDn = 0, FloodUp = 0, FloodDn = 0;
    double PressureUp = 0, PressureDown = 0, IceLoad = 0, IceThickness = 0, Sediment = 0;
    double SedWeight = 0, SedAngle = 0, WaveVelocity = 0;
    TSiltModel SedModel = smAsFluid;
    bool VertAccOnReservoir = false;
};

struct Tanglec {
    double angle = 0, c = 0, MinStress = 0;
    TShearCurve ShearCurve = scNonContinue;
};

struct TProprietes {
    Integer id = 0;
    TString10 nom;
    double fc = 0, ft = 0;
    Tanglec peak, residual;
    double MinStress = 0;
    bool InUse = false;
};

struct TForce {
    double PosX = 0, Elev = 0, HorForce = 0, VertForce = 0;
};

struct TForcesArray {
    Integer count = 0;
    DynArray<TForce> Elem;
};

struct TCracking {
    bool Considered = false;
    TCaseArray<double> InitiationSF, PropagationSF;
    TCaseArray<bool> NoTensionI, NoTensionP;
    double DynamicMagn = 0;
    // 0 no uplift in an open crack, 1 uplift unchanged, 2 full uplift in the crack.
    TCaseArray<Byte> UpliftState;
    bool UpliftInDownStreamClosedCrack = false;
    TRootMethod RootMethod = rmBisection;
    TRootAccuracy RootAccuracy = raCoarse;
};

struct TLoadCombination {
    TCaseArray<double> P, W, U, Hnu, Hnd, Hfu, Hfd, I, S, F, QH, QV, HDu, VDu, HDd, VDd, SDh, SDv,
        QHp, QVp, HDup, VDup, HDdp, VDdp, SDhp, SDvp, EQ1, EQs, EQv, HD1, HDs, EQ1p, EQsp, EQvp,
        HD1p, HDsp, EMc, EMcp;
    TCaseArray<bool> Selected;
};

struct TUsualCombination {
    bool Selected = false;
    double D = 0, Hu = 0, Hd = 0, U = 0, S = 0, P = 0, F = 0, I = 0;
};
using TPostSeismicCombination = TUsualCombination;

struct TFloodCombination {
    bool Selected = false;
    double D = 0, Hu = 0, Hd = 0, U = 0, S = 0, F = 0, P = 0;
};

struct TSeismicCombination {
    bool Selected = false;
    double D = 0, Hu = 0, Hd = 0, U = 0, S = 0, F = 0, P = 0, I = 0, Qh = 0, Qv = 0;
};

struct TCombinations {
    TUsualCombination Usual;
    TFloodCombination Flood;
    TSeismicCombination Seismic1, Seismic2;
    TPostSeismicCombination PostSeismic;
};

struct TFactors {
    double Peak = 0, Residual = 0, Overturning = 0, Uplifting = 0, Tension = 0, Compression = 0;
};

struct TSafetyFactors {
    TFactors Usual, Flood, Seismic1, Seismic2, PostSeismic;
};

// Pre-existing cracks per joint, both fractions of the joint length entered positive.
struct TUpDown {
    DynArray<double> Up, Down;
};

struct TDrainEfficiency {
    bool Activated = false, AlphaIsOne = false;
    double DrainDiameter = 0, DrainSpacing = 0;
    DynArray<double> Joint;
};

struct TDebrisFlottant {
    double Force = 0, Elev = 0, MaxElev = 0;
    TCaseArray<double> LoadCombination;
};

struct TXEPoint {
    double X = 0, Elev = 0;
};

struct TGeometry {
    Integer nUp = 0, nDown = 0;
    double RockUp = 0, RockDown = 0;
    DynArray<TXEPoint> Up, Down;
};

// ---- Per-joint geometry, loads and results ------------------------------------------
using TFullArrayDynamic = TCaseArray<DynArray<double>>;
using TFullClosedCrack = TCaseArray<DynArray<TClosedCrack>>;

struct TUpDownDynamic {
    TFullArrayDynamic Up, Down;
};

// Point 1..8 of a profile for each case: [point][case][joint].
using TPressureArray = TRangeArray<TFullArrayDynamic, 1, 8>;

struct TPressure {
    TPressureArray x, p;
    TUpDownDynamic Cr;
};

struct TJointStress {
    TUpDownDynamic normal, shear, principal;
};

struct TResultants {
    TFullArrayDynamic Normal, Shear, Moment, Position;
};

struct TSlidingSafety {
    TFullArrayDynamic Peak, Residual;
};

struct TSafetyFactor {
    TSlidingSafety Sliding;
    TUpDownDynamic Overturning;
    TFullArrayDynamic Uplifting, Tension, Compression;
};

struct TJoint {
    DynArray<double> Elev, x1, x2, y1, y2, Length, Angle, Volume;
    DynArray<Integer> mat;
    TUpDownDynamic CrackLength, Compression;
    TPressure Pressure;
    TJointStress Stress;
    TFullArrayDynamic RockWedge;
    TResultants Resultants;
    TSafetyFactor SafetyFactor;
    TFullClosedCrack ClosedCrack;
};

struct Tjointload {
    // Load components.
    DynArray<double> Pc, Ph, Pv, Wv, UN, UF, HNu, HNd, HFu, HFd, VNu, VNd, VNc, VFu, VFd, VFc, I,
        FD, Sv, Sh, FH, FV, FHa, FVa, Mv, Qh, Qv, HDu, VDu, HDd, VDd, SDh, SDv, Mdh, Mdv, Qhp, Qvp,
        HDup, VDup, HDdp, VDdp, SDhp, SDvp, Mdhp, Mdvp, EQ1, EQs, EQv, HD1, Hds, EM1, EMs, EMc,
        Mqh1, Mqhs, Mqv, EQ1p, EQsp, EQvp, HD1p, Hdsp, EM1p, EMsp, EMcp, Mqh1p, Mqhsp, Mqvp;
    // Uplift per case.
    TFullArrayDynamic U, Uc, Xu, Xuc, PFactor;
    // Positions of the load components.
    DynArray<double> xPc, yPh, xPv, xW, yW, xUN, xUF, yHNu, yHNd, yHFu, yHFd, xVNu, xVNd, xVNc,
        xVFu, xVFd, xVFc, yI, yFD, xSv, ySh, yFH, xFV, yFHa, xFVa, xMv, yQh, xQv, yHDu, xVDu, yHDd,
        xVDd, ySDh, xSDv, yMdh, xMdv, yQhp, xQvp, yHDup, xVDup, yHDdp, xVDdp, ySDhp, xSDvp, yMdhp,
        xMdvp, yEQ1, yEQs, xEQv, yHD1, yHds, yEM1, yEMs, yEMc, yMqh1, yMqhs, xMqv, yEQ1p, yEQsp,
        xEQvp, yHD1p, yHdsp, yEM1p, yEMsp, yEMcp, yMqh1p, yMqhsp, xMqvp;
};

// ---- Probabilistic and incremental-load settings and results -----------------------
constexpr int NRandomVariables = 11;

struct TStatistiques {
    TRangeArray<bool, 1, 11> Selection;
    TRangeArray<Word, 1, 11> NumeroParametre;
    TRangeArray<double, 1, 14> Moyenne, Deviation, Maximum, Minimum;
    // 0 uniform, 1 normal, 2 log-normal, 3 user defined.
    TRangeArray<Byte, 1, 11> Distribution;
    Integer NombreAnalyses = 0;
    bool AnalysesDemandees = false;
    bool SauverParametres = false, SauverResultats = false, SauverInputCDF = false,
         SauverOutPutCDF = false;
    TString255 FichierInput, FichierOutput, FichierInCDF, FichierOutCDF;
    Integer Combination = 0;
    TRangeArray<bool, 1, 11> Resultats;
    Integer OutputJoint = 0;
    Word nPoints = 0;
    double FloodIncrease = 0;
};

struct TStatResult {
    TRangeArray<double, 1, 22> moyenne, deviation, minimum, maximum, performance;
    TRangeArray<TVectorRef, 1, 22> histogramme;
};

struct TUserDefinedPDF {
    TRangeArray<Integer, 1, 11> number;
    TRangeArray<DynArray<double>, 1, 11> elem;
};

// A user density can be drawn from when its first `number` ordinates exist, there is at least
// one, each is a finite number of 0 or more and not all of them are 0.
bool IsUsableDensity(const DynArray<double>& values, Integer number);

struct TIncrementLoad {
    bool PerformAnalysis = false;
    // 0 none, 1 normal upstream level, 2 flood upstream level, 3 horizontal peak ground
    // acceleration, 4 last applied force, 5 post-tension, 6 ice load, 7 drain effectiveness.
    Integer Loading = 0;
    TRangeArray<double, 1, 7> StartValue, EndValue, IncrementValue;
    Integer Combination = 0;
    Integer JointNumber = 0;
    TRangeArray<bool, 1, 10> Resultats;
    bool SauverResultats = false;
    Integer AnalysisSteps = 0;
    TString255 FichierOutput;
};

struct TIncrementalResult {
    TRangeArray<DynArray<double>, 1, 10> histogramme;
};

// Summary row of the result windows.
struct TGlobalValues {
    Integer Load = 0, Joint = 0;
    double N = 0, V = 0, U = 0, M = 0, ResPos = 0, crackup = 0, crackdown = 0, PSSF = 0, RSSF = 0,
           OSFup = 0, OSFdown = 0, USF = 0;
};

// Values of the joint plots: 6 groups (0..5) of 11 values (0..10).
using TGraphicValues = TRangeArray<TRangeArray<double, 0, 10>, 0, 5>;

// ---- The model ------------------------------------------------------------------------
struct TParametres {
    TProgramVersion FileVersion;
    TModelGeometry ModelGeometry = mgGravity;
    Integer NJoints = 0;
    Integer NJointMaterials = 0;
    Integer NMasses = 0;
    Integer NForces = 0;
    TUnites unites = SI;
    TDrawMode DrawMode = dmLandScape;
    TInformations Infos;
    double gravity = 0;
    TDimension Dim;
    TMassesArray Masses;
    TAccelerations Acc;
    TCoefficientSismique CoeffSis;
    TChopraCoeff ChopraC;
    TConcrete Concrete;
    TFoundation Foundation;
    TCode UpliftCode = cCDSA;
    TUpliftLoad UpliftLoad = ulExternal;
    bool Drain = false;
    TDrainage Drainage;
    TCharges Charges;
    TPostTension PostTension;
    TDataSet Donnees;
    TJoint Joint;
    TReservoir Reservoir;
    DynArray<TProprietes> JointMaterials;
    Tjointload JointLoad;
    TForcesArray Force;
    TCracking Cracking;
    TLoadCombination LoadCombination;
    TCombinations Combination;
    TSafetyFactors SafetyFactors;
    TChopraCombination ChopraCombination = ccFirst;
    TSafetyFactorComputations SFComputations = sfLimitEquilibrium;
    TUpDown Cracks;
    TDrainEfficiency DrainEfficiency;
    TDebrisFlottant DebrisFlottant;
    TStatistiques Statistiques;
    TRangeArray<TVectorRef, 1, 22> AnalysesStatistiques;
    TRangeArray<TVectorRef, 1, 11> StatPDF;
    TRangeArray<TVectorRef, 1, 11> StatCDF;
    TStatResult StatResult;
    TUserDefinedPDF UserDefinedPDF;
    TIncrementLoad IncrementLoad;
    TIncrementalResult IncrementalResult;
    TGeometry Geometry;
};

// ---- Per-joint and material arrays -----------------------------------------------------
// Every per-joint array of Joint and JointLoad gets n + 1 entries (each of the 7 arrays of
// a per-case field, each of the 8 x 7 pressure arrays); every element of Joint is then 0
// (ccNone for the closed cracks).
void SizeJointArrays(TJoint& joint, Tjointload& jointLoad, Integer n);
// Releases every per-joint array of Joint and JointLoad.
void ClearJointArrays(TJoint& joint, Tjointload& jointLoad);
void SizeCracks(TUpDown& cracks, Integer n);
void ClearCracks(TUpDown& cracks);
void SizeJointMaterials(DynArray<TProprietes>& materials, Integer n);
void ClearJointMaterials(DynArray<TProprietes>& materials);

// ---- Small numeric routines --------------------------------------------------------------
double MaxDouble(double a, double b);
double MinDouble(double a, double b);
Integer MaxInteger(Integer a, Integer b);
Integer MinInteger(Integer a, Integer b);
// y at x on the straight line through (x1, y1) and (x2, y2); (y1 + y2) / 2 when x1 = x2.
double InterpolateLine(double x, double x1, double y1, double x2, double y2);

// ---- Unit conversion ------------------------------------------------------------------------
// SI value = US value x f. Exponent n = 1 converts SI to US (value / f), n = -1 US to SI;
// other exponents convert areas and volumes. Each returns the new value; a conversion that
// fails (a result that is not a finite number) returns 0 and leaves the value unchanged.
double ConvertLength(double& value, Integer n);          // f = 0.3048
double ConvertMassPerLength(double& value, Integer n);   // f = 1.488163943
double ConvertStressMPa(double& value, Integer n);       // f = 0.006894757293
double ConvertStressKPa(double& value, Integer n);       // f = 47.88025898
double ConvertDensity(double& value, Integer n);         // f = 16.01846337
// Gravity-based conversions with the gravity g of the source system:
// n = -1: value x (g x c x 0.3048); any other n: value / (g x c).
double ConvertForcePerLength(double& value, Integer n, double g);  // c = 1.488163943
double ConvertUnitWeight(double& value, Integer n, double g);      // c = 16.01846337

// Converts every stored input into the system named by unites (the caller sets unites to
// the target system first).
void ConvertModelUnits(TParametres& model);

// End points and length of every lift joint from its elevation, its angle and the section,
// and the base joint from the base corners.
void ComputeJointEnds(TParametres& model);
// The base joint alone: (0, Elev.A) to (L1, Elev.B), its length and angle, material 0.
// Needs joint arrays of at least one entry.
void ComputeBaseJoint(TParametres& model);

// ---- Defaults of a model ------------------------------------------------------------------------
// Today's date; the program's clock by default, replaced in tests.
using TDateSource = std::function<TDateTime()>;
TDateTime SystemDate();

void SetDefaultParameters(TParametres& model, const TDateSource& today = SystemDate);
void SetStatisticsDefaults(TStatistiques& statistiques, TDebrisFlottant& debris,
                           TStatResult& statResult, TUserDefinedPDF& userPDF);
void SetIncrementalDefaults(TIncrementLoad& incrementLoad, TIncrementalResult& incrementalResult);
