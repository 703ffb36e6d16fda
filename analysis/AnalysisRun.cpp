#include "analysis/AnalysisRun.h"

#include <cmath>
#include <numbers>

#include "analysis/CombinationAnalysis.h"
#include "engine/Calcul.h"
#include "engine/Loads.h"
#include "engine/Uplift.h"

namespace {

template <class Step>
void EachJoint(TParametres& model, Step step)
{
    for (int j = 0; j <= model.NJoints; ++j)
        step(j);
}

// Adds the entry to the loads section when the model holds that input.
void AddWhen(IAnalysisHost& host, const TParametres& model, Tdata flag, const char* caption)
{
    if (model.Donnees.Contains(flag))
        host.AddRunEntry(0, caption);
}

void AnalyseCombinations(TParametres& model, IAnalysisHost& host)
{
    const TCombinations& combination = model.Combination;
    host.StartRunSection(1, "Load Combinations:");
    auto analyse = [&](const char* caption, int loadCase) {
        host.AddRunEntry(1, caption);
        host.ProcessPendingEvents();
        AnalyseLoads(model, loadCase, -1);
    };
    if (combination.Usual.Selected)
        analyse("Usual", 1);
    if (combination.Flood.Selected)
        analyse("Flood", 2);
    if (combination.Seismic1.Selected) {
        host.AddRunEntry(1, "Seismic #1 - stress analysis");
        AnalyseLoads(model, 3, -1);
        host.ProcessPendingEvents();
        analyse("Seismic #1 - stability analysis", 4);
    }
    if (combination.Seismic2.Selected) {
        analyse("Seismic #2 - stress analysis", 5);
        analyse("Seismic #2 - stability analysis", 6);
    }
    if (combination.PostSeismic.Selected)
        analyse("Post-seismic", 7);
    host.ExpandRunSection(1);
}

} // namespace

void ComputeDrainEfficiency(TParametres& model)
{
    const TJoint& joint = model.Joint;
    const TDrainage& drainage = model.Drainage;
    TDrainEfficiency& efficiency = model.DrainEfficiency;
    if (efficiency.Joint.Length() < model.NJoints + 1)
        efficiency.Joint.SetLength(model.NJoints + 1);
    const double bottom = MinDouble(model.Dim.Elev.A, model.Dim.Elev.B);
    for (int j = 0; j <= model.NJoints; ++j) {
        // Where the joint's line meets the drain line, and how far along the joint.
        double x = 0, y = 0;
        IntersectSegments(joint.x1[j], joint.y1[j], joint.x2[j], joint.y2[j], drainage.Xdrain, bottom,
                          drainage.Xdrain, drainage.MaxElevation, x, y);
        const double d = (x - joint.x1[j]) / std::cos(joint.Angle[j] * std::numbers::pi / 180);
        if (drainage.MaxElevation >= y && d > 0)
            efficiency.Joint[j] = efficiency.Activated
                                      ? 1 - DrainPressureRatio(joint.Length[j], efficiency.DrainSpacing, d,
                                                               efficiency.DrainDiameter / 2)
                                      : drainage.effectiveness;
        else
            efficiency.Joint[j] = 0;
    }
}

void RunAnalysis(TParametres& model, IAnalysisHost& host, const TParametricRuns& parametric)
{
    EachJoint(model, [&](int j) { ComputeSelfWeight(model, j); });
    host.StartRunSection(0, "Loads:");
    host.AddRunEntry(0, "Geometry");
    host.ProcessPendingEvents();

    EachJoint(model, [&](int j) { ComputeConcentratedMasses(model, j); });
    AddWhen(host, model, daMasses, "Concentrated masses");
    host.ProcessPendingEvents();

    EachJoint(model, [&](int j) { ComputeReservoirLoads(model, j, false); });
    AddWhen(host, model, daResNormal, "Reservoir operating level");
    AddWhen(host, model, daResFlood, "Reservoir flood level");
    AddWhen(host, model, daIce, "Ice");
    AddWhen(host, model, daSediments, "Silts");
    AddWhen(host, model, daFloatingDebris, "Floating debris");
    host.ProcessPendingEvents();

    if (model.Drain)
        ComputeDrainEfficiency(model);

    if (model.Donnees.Contains(daResNormal)) {
        EachJoint(model, [&](int j) { ComputeUplift(model, j, 1, 0, 0, model.Cracking.UpliftState[1]); });
        host.AddRunEntry(0, "Uplift - operating level");
        host.ProcessPendingEvents();
    }
    if (model.Donnees.Contains(daResFlood)) {
        EachJoint(model, [&](int j) { ComputeUplift(model, j, 2, 0, 0, model.Cracking.UpliftState[2]); });
        host.AddRunEntry(0, "Uplift - flood level");
        host.ProcessPendingEvents();
    }

    EachJoint(model, [&](int j) { ComputePostTension(model, j); });
    AddWhen(host, model, daPostTension, "Post-tension");
    host.ProcessPendingEvents();

    EachJoint(model, [&](int j) { ComputeAppliedForces(model, j); });
    AddWhen(host, model, daForces, "Applied forces");
    host.ProcessPendingEvents();

    EachJoint(model, [&](int j) {
        ComputeConcreteInertia(model, j);
        ComputeMassInertia(model, j);
        ComputeHydrodynamicLoads(model, j, model.CoeffSis.SlopeCorr);
        ComputeSiltDynamicLoads(model, j);
    });
    AddWhen(host, model, daPseudoStatic, "Pseudo-static - stress analysis");
    AddWhen(host, model, daPseudoStatic, "Pseudo-static - stability analysis");
    host.ProcessPendingEvents();

    ComputePseudoDynamicLoads(model, -1);
    AddWhen(host, model, daPseudoDynamic, "Pseudo-dynamic - stress analysis");
    AddWhen(host, model, daPseudoDynamic, "Pseudo-dynamic - stability analysis");
    host.ExpandRunSection(0);
    host.ProcessPendingEvents();

    if (model.Donnees.Contains(daCombination))
        AnalyseCombinations(model, host);

    model.Donnees.Include(daAnalysed);
    host.SetRunTitle("Analysis Done");
    host.CombinationsDone();

    if (model.Statistiques.AnalysesDemandees && parametric.StatisticalAnalyses) {
        host.SetRunTitle("Probabilistic Analysis in Progress");
        parametric.StatisticalAnalyses(model);
        host.SetRunTitle("Probabilistic Analysis Done");
    }
    if (model.IncrementLoad.PerformAnalysis && parametric.IncrementalLoadAnalysis) {
        host.SetRunTitle("Incremental Load Analysis in Progress");
        parametric.IncrementalLoadAnalysis(model);
        host.SetRunTitle("Incremental Laod Analysis Done");
    }
}
