// damtool analyse: runs the whole analysis of a model file and lists the joint results.
#include <charconv>
#include <iostream>
#include <string>

#include "analysis/AnalysisRun.h"
#include "tools/damtool.h"

namespace {

// A number in its shortest exact form; a negative zero (an uncracked downstream end) as 0.
std::string Number(double v)
{
    if (v == 0)
        v = 0;
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, v);
    return std::string(text, result.ptr);
}

// Whether the run analysed case k: the combination that holds it was selected.
bool Analysed(const TParametres& model, int k)
{
    if (!model.Donnees.Contains(daCombination))
        return false;
    const TCombinations& c = model.Combination;
    switch (k) {
    case 1: return c.Usual.Selected;
    case 2: return c.Flood.Selected;
    case 3: case 4: return c.Seismic1.Selected;
    case 5: case 6: return c.Seismic2.Selected;
    default: return c.PostSeismic.Selected;
    }
}

// damtool analyse IN.dam: a header line, then one tab-separated row per joint and analysed
// case.
int Analyse(const TDamToolArgs& args)
{
    if (args.size() != 1)
        return ExitUsage;
    TParametres model;
    if (!ReadModelFile(args[0], model))
        return ExitFailed;
    TSilentAnalysisHost host;
    RunAnalysis(model, host);

    std::cout << "joint\tcase\tNormal\tShear\tMoment\tPosition\tnormal.Up\tnormal.Down\tCrackLength.Up\t"
                 "CrackLength.Down\tSliding.Peak\tSliding.Residual\tOverturning.Up\tOverturning.Down\tUplifting\n";
    const TJoint& joint = model.Joint;
    for (int j = 0; j <= model.NJoints; ++j)
        for (int k = 1; k <= NLoadCases; ++k) {
            if (!Analysed(model, k))
                continue;
            std::cout << j << '\t' << k;
            for (const TFullArrayDynamic* values :
                 {&joint.Resultants.Normal, &joint.Resultants.Shear, &joint.Resultants.Moment,
                  &joint.Resultants.Position, &joint.Stress.normal.Up, &joint.Stress.normal.Down,
                  &joint.CrackLength.Up, &joint.CrackLength.Down, &joint.SafetyFactor.Sliding.Peak,
                  &joint.SafetyFactor.Sliding.Residual, &joint.SafetyFactor.Overturning.Up,
                  &joint.SafetyFactor.Overturning.Down, &joint.SafetyFactor.Uplifting})
                std::cout << '\t' << Number((*values)[k][j]);
            std::cout << '\n';
        }
    return 0;
}

const bool registered = RegisterDamToolCommand(
    {"analyse", "IN.dam", Analyse, "runs the whole analysis and prints the results of every joint and analysed case"});

} // namespace
