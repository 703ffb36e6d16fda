#include "analysis/IncrementalLoads.h"

#include <algorithm>
#include <cmath>

#include "analysis/CombinationAnalysis.h"
#include "engine/Loads.h"
#include "platform/rtl/RtlMath.h"

namespace {

enum TIncrementedLoad {
    ilNormalLevel = 1, ilFloodLevel, ilPeakAcceleration, ilLastForce, ilPostTension, ilIceLoad, ilDrainEffectiveness
};

constexpr int NIncrementalResults = 10;
// The input window allows no more increments than this.
constexpr double MaxIncrements = 100000;
// The smallest peak horizontal acceleration a step puts into the model.
constexpr double MinAcceleration = 1e-5;

// By load 1..7 and by result 1..10.
const char* const LoadLabels[] = {"Norm. Res.   ", "Flood Res.   ", "Hor. Acc.    ", "App. Force   ",
                                  "Post-Tension ", "Ice Load     ", "Drain effect."};
const char* const ResultLabels[] = {"U/S crack    ", "D/S crack    ", "SSF (peak)   ", "SSF (res.)   ",
                                    "OSF ->U/S    ", "OSF ->D/S    ", "Uplift SF    ", "max comp.    ",
                                    "Max tens.    ", "Resultant    "};

const char* const NotRun = "Incremental load analysis not run: ";

String RequestProblem(const TParametres& model)
{
    const TIncrementLoad& il = model.IncrementLoad;
    const int L = il.Loading;
    if (L < ilNormalLevel || L > ilDrainEffectiveness)
        return String(NotRun) + "no load is chosen for the increments.";
    if (il.JointNumber < 0 || il.JointNumber > model.NJoints)
        return String(NotRun) + "the joint does not exist.";
    if (!IsParametricCombination(il.Combination))
        return String(NotRun) + "the load combination is none of usual, flood, seismic #1, seismic #2 and post-seismic.";
    const double S = il.StartValue[L], E = il.EndValue[L], I = il.IncrementValue[L];
    if (!std::isfinite(S) || !std::isfinite(E) || !std::isfinite(I))
        return String(NotRun) + "a first value, last value or increment is not a number.";
    if (I == 0)
        return String(NotRun) + "the increment is 0.";
    const double quotient = (E - S) / I;
    if (quotient < 0)
        return String(NotRun) + "the increment leads away from the last value.";
    if (quotient > MaxIncrements)
        return String(NotRun) + "the increment is too small.";
    if (L == ilLastForce && LastForceIndex(model) >= 0) {
        const TForce& f = model.Force.Elem[LastForceIndex(model)];
        if (f.HorForce == 0 && f.VertForce == 0)
            return String(NotRun) + "the last applied force is 0 and has no direction.";
    }
    if (L == ilPeakAcceleration && model.Acc.Peak.horizontal == 0)
        return String(NotRun) +
               "the peak horizontal ground acceleration is 0, so the other accelerations cannot follow it.";
    return String();
}

// Puts the step value v of load L into the model.
void ApplyStepValue(TParametres& model, int L, double v, const TKeptInputs& kept)
{
    TReservoir& reservoir = model.Reservoir;
    const TReservoir& k = kept.Reservoir();
    const double overtopping = std::max(v - model.Dim.Elev.G, 0.0);
    switch (L) {
    case ilNormalLevel:
        reservoir.NormalUp = v;
        reservoir.NormalDn = overtopping * DownstreamRatio(model, k.NormalUp, k.NormalDn) + k.NormalDn;
        break;
    case ilFloodLevel:
        reservoir.FloodUp = v;
        reservoir.FloodDn = overtopping * DownstreamRatio(model, k.FloodUp, k.FloodDn) + k.FloodDn;
        break;
    case ilPeakAcceleration:
        model.Acc = kept.ScaledAccelerations(std::fabs(v) < MinAcceleration ? MinAcceleration : v);
        break;
    case ilLastForce:
        if (kept.HasLastForce()) {
            TForce& force = model.Force.Elem[LastForceIndex(model)];
            force.HorForce = v * kept.ForceCos();
            force.VertForce = v * kept.ForceSin();
        }
        break;
    case ilPostTension:
        if (kept.PostTension().Tension > 0)
            model.PostTension.Tension = v;
        if (kept.PostTension().Tension2 > 0)
            model.PostTension.Tension2 = v;
        break;
    case ilIceLoad: reservoir.IceLoad = v; break;
    case ilDrainEffectiveness: model.Drainage.effectiveness = v; break;
    }
}

// The loads of joint j that depend on load L; `basis` is the fundamental mode kept through
// a run of the acceleration.
void RecomputeLoads(TParametres& model, int L, int j, const TModalBasis* basis)
{
    switch (L) {
    case ilNormalLevel:
    case ilFloodLevel:
    case ilIceLoad: ComputeReservoirLoads(model, j, false); break;
    case ilPeakAcceleration: ComputeSeismicLoads(model, j, basis); break;
    case ilLastForce: ComputeAppliedForces(model, j); break;
    case ilPostTension: ComputePostTension(model, j); break;
    }
}

String StepNumber(double value, const TFormatSettings& settings)
{
    static const String mask = "0.000000E+00 ;-0.00000E+00 ;0.0          ";
    return StudyColumnNumber(mask, 13, value, settings);
}

void WriteResultsFile(const TParametres& model, const TFormatSettings& settings)
{
    const TIncrementLoad& il = model.IncrementLoad;
    const int L = il.Loading;
    TStudyTextFile file(il.FichierOutput);
    String line = LoadLabels[L - 1];
    for (int q = 1; q <= NIncrementalResults; ++q)
        if (il.Resultats[q])
            line += ResultLabels[q - 1];
    file.WriteLine(line);
    for (int s = 1; s <= il.AnalysisSteps; ++s) {
        line = StepNumber(il.StartValue[L] + (s - 1) * il.IncrementValue[L], settings);
        for (int q = 1; q <= NIncrementalResults; ++q)
            if (il.Resultats[q])
                line += StepNumber(model.IncrementalResult.histogramme[q][s], settings);
        file.WriteLine(line);
    }
    file.Close();
}

} // namespace

int IncrementalStepCount(double S, double E, double I)
{
    return static_cast<int>(std::abs(Round((E - S) / I))) + 1;
}

void IncrementalLoadAnalysis(TParametres& Param, ILongRunHost& host, const TFormatSettings& settings)
{
    if (const String problem = RequestProblem(Param); !problem.IsEmpty()) {
        host.ShowRunWarning(problem);
        return;
    }
    TIncrementLoad& il = Param.IncrementLoad;
    const int L = il.Loading;
    const int c = il.Combination;
    const int j = il.JointNumber;
    const double S = il.StartValue[L], I = il.IncrementValue[L];

    host.StartLongRun();
    host.SetStopCaption("Stop Incremental Analysis");
    const int M = IncrementalStepCount(S, il.EndValue[L], I);
    for (int q = 1; q <= NIncrementalResults; ++q) {
        DynArray<double> steps;
        steps.SetLength(il.Resultats[q] ? M + 1 : 1);
        Param.IncrementalResult.histogramme[q] = steps;
    }
    const TKeptInputs kept(Param, JointMaterialIndex(Param, j));
    int s = 0;
    int recorded = 0;
    try {
        // Steps of the acceleration leave the fundamental mode as it is: found once.
        std::shared_ptr<const TModalBasis> basis;
        if (L == ilPeakAcceleration && Param.Donnees.Contains(daPseudoDynamic))
            basis = PseudoDynamicBasis(Param);
        AnalyseLoads(Param, 1, j);
        host.StartTiming();
        host.SetProceedFlag(true);
        do {
            ++s;
            ApplyStepValue(Param, L, S + (s - 1) * I, kept);
            RecomputeLoads(Param, L, j, basis.get());
            AnalyseCombination(Param, c, j);
            for (int q = 1; q <= NIncrementalResults; ++q)
                if (il.Resultats[q])
                    Param.IncrementalResult.histogramme[q][s] = JointResult(Param, q, c, j);
            recorded = s;
            host.SetPercentDone(PercentOf(s, M));
            host.ProcessPendingEvents();
        } while (s < M && host.ProceedFlag());
        il.AnalysisSteps = s;
        if (il.SauverResultats)
            WriteResultsFile(Param, settings);

        kept.Restore(Param);
        RecomputeLoads(Param, L, j, basis.get());
        ReanalyseJoint(Param, c, j);
    } catch (...) {
        il.AnalysisSteps = recorded;
        kept.Restore(Param);
        Param.Donnees.Exclude(daAnalysed);
        throw;
    }
    host.FinishLongRun("Incremental Load Analysis");
}
