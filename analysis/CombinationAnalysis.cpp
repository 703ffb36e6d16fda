#include "analysis/CombinationAnalysis.h"

#include "engine/CrackLength.h"
#include "engine/JointAnalysis.h"
#include "engine/Uplift.h"

namespace {

// Tension within this margin below the allowed tension leaves an existing crack as it is.
constexpr double ClosingMargin = -0.001;

void CopyCracks(TParametres& model, int from, int to, int i)
{
    TJoint& joint = model.Joint;
    joint.CrackLength.Up[to][i] = joint.CrackLength.Up[from][i];
    joint.CrackLength.Down[to][i] = joint.CrackLength.Down[from][i];
    joint.Compression.Up[to][i] = joint.Compression.Up[from][i];
    joint.Compression.Down[to][i] = joint.Compression.Down[from][i];
}

void CopyUplift(TParametres& model, int from, int to, int i)
{
    TJoint& joint = model.Joint;
    Tjointload& load = model.JointLoad;
    load.U[to][i] = load.U[from][i];
    load.Xu[to][i] = load.Xu[from][i];
    for (int p = 1; p <= 8; ++p) {
        joint.Pressure.x[p][to][i] = joint.Pressure.x[p][from][i];
        joint.Pressure.p[p][to][i] = joint.Pressure.p[p][from][i];
    }
    joint.Pressure.Cr.Up[to][i] = joint.Pressure.Cr.Up[from][i];
    joint.Pressure.Cr.Down[to][i] = joint.Pressure.Cr.Down[from][i];
}

void AnalyseJointCase(TParametres& model, int k, int i)
{
    TJoint& joint = model.Joint;
    const TCracking& cracking = model.Cracking;
    DynArray<double>& up = joint.CrackLength.Up[k];
    DynArray<double>& down = joint.CrackLength.Down[k];
    const Byte state = cracking.UpliftState[k];
    const int reference = ReferenceCase(model, k);

    // 1. Starting cracks and uplift.
    joint.ClosedCrack[k][i] = ccNone;
    switch (k) {
    case 1:
        up[i] = model.Cracks.Up[i];
        down[i] = -model.Cracks.Down[i];
        joint.Compression.Up[k][i] = 0;
        joint.Compression.Down[k][i] = 0;
        if (model.LoadCombination.U[k] != 0)
            ComputeUplift(model, i, k, up[i], down[i], state);
        break;
    case 2:
        CopyCracks(model, 1, k, i);
        if (model.LoadCombination.U[k] != 0)
            ComputeUplift(model, i, k, up[i], down[i], state);
        break;
    case 7:
        CopyCracks(model, reference, k, i);
        if (state == 2)
            ComputeUplift(model, i, k, up[i], down[i], state);
        else
            CopyUplift(model, 1, k, i);
        break;
    default:
        CopyCracks(model, reference, k, i);
        CopyUplift(model, reference, k, i);
        break;
    }

    // 2. Stresses with the starting cracks. From here on only the uplift changes: the other
    // load sums are kept.
    TJointLoadSums sums;
    AnalyseJoint(model, i, k, up[i], down[i], false, sums);

    // 3. Allowed tension at each end; an end cracked in the reference case has none.
    const double strength = JointMaterial(model, i).ft;
    double f = cracking.InitiationSF[k] != 0 ? strength / cracking.InitiationSF[k] : 0;
    if (k >= 3 && k <= 6)
        f *= cracking.DynamicMagn;
    double fu = f, fd = f;
    if (cracking.NoTensionI[k]) {
        fu = fd = 0;
    } else if (reference > 0) {
        fu = joint.CrackLength.Up[reference][i] > 0 ? 0 : f;
        fd = joint.CrackLength.Down[reference][i] < 0 ? 0 : f;
    }

    // 4. Which crack to solve, from the end the moment puts in tension.
    const double moment = joint.Resultants.Moment[k][i];
    const bool external = model.UpliftLoad == ulExternal;
    const bool considered = cracking.Considered;
    const double startUp = up[i], startDown = down[i];
    auto solve = [&](TClosedCrack closed, int side) {
        joint.ClosedCrack[k][i] = closed;
        (side == 1 ? up : down)[i] = SolveCrackLength(model, i, k, side, false, state, sums);
    };
    if (moment >= 0) {
        const double t1 = joint.Stress.normal.Up[k][i] - fu;
        const double t2 = t1 + joint.Pressure.Cr.Up[k][i];
        if ((t1 > 0 || (t1 < ClosingMargin && startUp > 0 && considered)) && external)
            solve(ccDown, 1);
        else if ((t2 > 0 || (t2 < ClosingMargin && (startUp > 0 || considered))) && !external)
            solve(ccDown, 1);
        else if (startDown < 0)
            solve(ccDown, 2);
    } else {
        const double t1 = joint.Stress.normal.Down[k][i] - fd;
        const double t2 = t1 + joint.Pressure.Cr.Down[k][i];
        if ((t1 > 0 || (t1 < ClosingMargin && startDown < 0 && considered)) && external)
            solve(ccUp, 2);
        else if ((t2 > 0 || (t2 < ClosingMargin && (startDown < 0 || considered))) && !external)
            solve(ccUp, 2);
        else if (startUp > 0)
            solve(ccUp, 1);
    }

    // 5. Effective cracks of the final analysis: a closed crack carries stress.
    joint.Compression.Up[k][i] = joint.ClosedCrack[k][i] == ccUp ? 0 : up[i];
    joint.Compression.Down[k][i] = joint.ClosedCrack[k][i] == ccDown ? 0 : down[i];

    // 6. Cracks never shrink below the reference state.
    if (k == 1) {
        if (considered) {
            up[i] = MaxDouble(up[i], model.Cracks.Up[i]);
            down[i] = MinDouble(down[i], -model.Cracks.Down[i]);
        } else {
            up[i] = MaxDouble(0, model.Cracks.Up[i]);
            down[i] = MinDouble(0, -model.Cracks.Down[i]);
        }
    } else {
        up[i] = MaxDouble(up[i], joint.CrackLength.Up[reference][i]);
        down[i] = MinDouble(down[i], joint.CrackLength.Down[reference][i]);
    }

    // 7. Uplift with the final cracks; 8. the full analysis.
    if (k <= 2 || state != 1)
        ComputeUplift(model, i, k, up[i], down[i], state);
    AnalyseJoint(model, i, k, joint.Compression.Up[k][i], joint.Compression.Down[k][i], true, sums);
}

} // namespace

void AnalyseLoads(TParametres& Param, int Load, int jointNumber)
{
    const int first = jointNumber < 0 ? 0 : jointNumber;
    const int last = jointNumber < 0 ? Param.NJoints : jointNumber;
    for (int i = first; i <= last; ++i)
        AnalyseJointCase(Param, Load, i);
}
