#include "analysis/ParametricRun.h"

#include <algorithm>
#include <cmath>

#include "analysis/CombinationAnalysis.h"
#include "analysis/IncrementalLoads.h"
#include "analysis/Statistic.h"
#include "engine/Loads.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/RtlMath.h"

TParametricRuns ParametricRuns(ILongRunHost& host)
{
    TParametricRuns runs;
    runs.StatisticalAnalyses = [&host](TParametres& model) { StatisticalAnalyses(model, host); };
    runs.IncrementalLoadAnalysis = [&host](TParametres& model) { IncrementalLoadAnalysis(model, host); };
    return runs;
}

bool IsParametricCombination(int c)
{
    return c == 1 || c == 2 || c == 3 || c == 5 || c == 7;
}

int SafetyFactorCase(int c)
{
    return c == 3 || c == 5 ? c + 1 : c;
}

void AnalyseCombination(TParametres& model, int c, int j)
{
    AnalyseLoads(model, c, j);
    if (c == 3 || c == 5)
        AnalyseLoads(model, c + 1, j);
}

void ReanalyseJoint(TParametres& model, int c, int j)
{
    AnalyseLoads(model, 1, j);
    if (c != 1)
        AnalyseCombination(model, c, j);
}

void ComputeSeismicLoads(TParametres& model, int j, const TModalBasis* basis)
{
    ComputeConcreteInertia(model, j);
    ComputeMassInertia(model, j);
    ComputeHydrodynamicLoads(model, j, model.CoeffSis.SlopeCorr);
    ComputeSiltDynamicLoads(model, j);
    ComputePseudoDynamicLoads(model, j, basis);
}

double JointResult(const TParametres& model, int q, int c, int j)
{
    const TJoint& joint = model.Joint;
    const int s = SafetyFactorCase(c);
    switch (q) {
    case 1: return joint.CrackLength.Up[c][j] * 100;
    case 2: return -joint.CrackLength.Down[c][j] * 100;
    case 3: return joint.SafetyFactor.Sliding.Peak[s][j];
    case 4: return joint.SafetyFactor.Sliding.Residual[s][j];
    case 5: return joint.SafetyFactor.Overturning.Up[s][j];
    case 6: return joint.SafetyFactor.Overturning.Down[s][j];
    case 7: return joint.SafetyFactor.Uplifting[s][j];
    case 8: return MinDouble(joint.Stress.normal.Up[c][j], joint.Stress.normal.Down[c][j]);
    case 9: return MaxDouble(joint.Stress.normal.Up[c][j], joint.Stress.normal.Down[c][j]);
    case 10: return joint.Resultants.Position[c][j];
    case 11: return model.JointLoad.U[c][j];
    default: return 0;
    }
}

double DownstreamRatio(const TParametres& model, double keptUp, double keptDown)
{
    const double overtopping = std::max(keptUp - model.Dim.Elev.G, 0.0);
    const double downstream = std::max(keptDown - model.Dim.Elev.Fdown, 0.0);
    if (overtopping == 0)
        return 1;
    if (downstream == 0)
        return 0;
    return downstream / overtopping;
}

int LastForceIndex(const TParametres& model)
{
    const int last = model.NForces - 1;
    return last >= 0 && last < model.Force.Elem.Length() ? last : -1;
}

int JointMaterialIndex(const TParametres& model, int j)
{
    const int m = model.Joint.mat[j];
    return m >= 0 && m < model.JointMaterials.Length() ? m : -1;
}

String StudyColumnNumber(const String& mask, int width, double value, const TFormatSettings& settings)
{
    if (!std::isfinite(value))
        return Format("%*E ", {width - 1, value}, settings);
    return FormatFloat(mask, value, settings);
}

int PercentOf(int done, int total)
{
    return total < 1 ? 100 : static_cast<int>(Round(static_cast<double>(done) / total * 100));
}

TKeptInputs::TKeptInputs(const TParametres& model, int jointMaterial)
    : FReservoir(model.Reservoir), FAcc(model.Acc), FChopra(model.ChopraC), FPostTension(model.PostTension), FDrainage(model.Drainage),
      FDebrisForce(model.DebrisFlottant.Force), FMaterialIndex(jointMaterial),
      FLastForceIndex(LastForceIndex(model))
{
    if (FMaterialIndex >= 0)
        FMaterial = model.JointMaterials[FMaterialIndex];
    if (FLastForceIndex >= 0) {
        FLastForce = model.Force.Elem[FLastForceIndex];
        const double h = FLastForce.HorForce, v = FLastForce.VertForce;
        const double magnitude = std::sqrt(h * h + v * v);
        if (magnitude > 0) {
            FCos = h / magnitude;
            FSin = v / magnitude;
        }
    }
}

void TKeptInputs::Restore(TParametres& model) const
{
    model.Reservoir = FReservoir;
    model.Acc = FAcc;
    model.ChopraC = FChopra;
    model.PostTension = FPostTension;
    model.Drainage = FDrainage;
    model.DebrisFlottant.Force = FDebrisForce;
    if (FMaterialIndex >= 0)
        model.JointMaterials[FMaterialIndex] = FMaterial;
    if (FLastForceIndex >= 0)
        model.Force.Elem[FLastForceIndex] = FLastForce;
}

TAccelerations TKeptInputs::ScaledAccelerations(double a) const
{
    const double peak = FAcc.Peak.horizontal;
    auto scaled = [&](double kept) { return a * kept / peak; };
    TAccelerations acc = FAcc;
    acc.Peak = {a, scaled(FAcc.Peak.vertical), scaled(FAcc.Peak.spectral)};
    acc.Sust = {scaled(FAcc.Sust.horizontal), scaled(FAcc.Sust.vertical), scaled(FAcc.Sust.spectral)};
    return acc;
}

TStudyTextFile::TStudyTextFile(const String& storedName) : FName(NativePath(storedName))
{
    IOResult();  // an error left by someone else must not stop this file
    AssignFile(FFile, FName);
    Rewrite(FFile);
    Check();
}

void TStudyTextFile::WriteLine(const String& line)
{
    Writeln(FFile, line);
    Check();
}

void TStudyTextFile::Close()
{
    CloseFile(FFile);
    Check();
}

void TStudyTextFile::Check()
{
    if (const int code = IOResult())
        throw EInOutError("Cannot write file \"" + FName + "\"", code);
}
