#pragma once
// A triangular dam with two lift joints and every load the run knows, for the analysis tests.
#include "engine/Unites.h"
#include "engine/tests/LoadsTestModel.h"

inline TParametres AnalysisModel()
{
    TParametres m = MakeModel(TriangleSection(), {{105, 0}, {112, 0}});
    SizeCracks(m.Cracks, m.NJoints);
    SizeJointMaterials(m.JointMaterials, 0);
    m.JointMaterials[0].ft = 200;
    m.JointMaterials[0].peak = {45, 100, 0, scNonContinue};
    m.JointMaterials[0].residual = {35, 0, 0, scNonContinue};
    m.DrainEfficiency.Joint.SetLength(m.NJoints + 1);
    m.Reservoir.NormalUp = 118;
    m.Reservoir.NormalDn = 102;
    m.Reservoir.FloodUp = 120;
    m.Reservoir.FloodDn = 104;
    m.Acc.Peak = {0.2, 0.1, 0.5};
    m.Acc.Sust = {0.1, 0.05, 0.3};
    m.ChopraC.tranches = 10;
    m.Charges.PostSeismic = 1;
    m.Cracking.Considered = true;
    m.Cracking.DynamicMagn = 1.5;
    for (int k = 1; k <= 7; ++k) {
        m.Cracking.InitiationSF[k] = 1;
        m.Cracking.PropagationSF[k] = 1;
        m.Cracking.UpliftState[k] = 2;
        TLoadCombination& f = m.LoadCombination;
        f.W[k] = f.U[k] = f.S[k] = f.I[k] = f.P[k] = f.F[k] = 1;
        f.Hnu[k] = f.Hnd[k] = k == 2 ? 0 : 1;
        f.Hfu[k] = f.Hfd[k] = k == 2 ? 1 : 0;
        f.Selected[k] = true;
    }
    for (int k : {3, 5}) {
        TLoadCombination& f = m.LoadCombination;
        f.QH[k] = f.QV[k] = f.HDu[k] = f.VDu[k] = f.HDd[k] = f.VDd[k] = f.SDh[k] = f.SDv[k] = 1;
        f.QHp[k + 1] = f.QVp[k + 1] = f.HDup[k + 1] = f.VDup[k + 1] = f.HDdp[k + 1] = f.VDdp[k + 1] = 1;
    }
    TCombinations& c = m.Combination;
    c.Usual.Selected = c.Flood.Selected = c.Seismic1.Selected = c.Seismic2.Selected = c.PostSeismic.Selected = true;
    for (Tdata flag : {daGeometry, daMaterials, daLiftjoints, daResNormal, daResFlood, daPseudoStatic, daCombination,
                       daCracking})
        m.Donnees.Include(flag);
    return m;
}
