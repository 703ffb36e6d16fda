#pragma once
// A metric gravity dam for the parametric runs: 60 m high on a 45 m base, vertical upstream
// face, lift joints every 5 m from the base, and every kind of load in every combination.
#include "engine/Unites.h"

inline TParametres StudyModel(int liftJoints = 10)
{
    TParametres m;
    SetDefaultParameters(m, [] { return 46366.0; });
    m.Dim = TDimension{45, 0, 8, 8, {100, 100, 100, 100, 100, 150, 160, 100, 100}};

    m.NJoints = liftJoints;
    SizeJointArrays(m.Joint, m.JointLoad, liftJoints);
    SizeCracks(m.Cracks, liftJoints);
    for (int j = 1; j <= liftJoints; ++j) {
        m.Joint.Elev[j] = 100 + 5.0 * j;
        m.Joint.mat[j] = 1;
    }
    ComputeJointEnds(m);
    m.DrainEfficiency.Joint.SetLength(liftJoints + 1);

    m.NJointMaterials = 1;
    SizeJointMaterials(m.JointMaterials, 2);
    m.JointMaterials[0].ft = 200;
    m.JointMaterials[0].peak = Tanglec{45, 300, 0, scContinue};
    m.JointMaterials[0].residual = Tanglec{35, 0, 0, scContinue};
    m.JointMaterials[1].nom = "Lift";
    m.JointMaterials[1].fc = 30000;
    m.JointMaterials[1].ft = 800;
    m.JointMaterials[1].peak = Tanglec{50, 500, 0, scContinue};
    m.JointMaterials[1].residual = Tanglec{40, 100, 0, scContinue};

    m.NMasses = m.Masses.count = 1;
    m.Masses.Elem = {{4, 160, 200, 200}};
    m.NForces = m.Force.count = 2;
    m.Force.Elem = {{20, 130, 100, -50}, {4, 158, 60, -80}};

    m.Reservoir.NormalUp = 155;
    m.Reservoir.NormalDn = 106;
    m.Reservoir.FloodUp = 159;
    m.Reservoir.FloodDn = 109;
    m.Reservoir.IceLoad = 50;
    m.Reservoir.IceThickness = 0.5;
    m.Reservoir.Sediment = 112;
    m.DebrisFlottant.Force = 20;
    m.DebrisFlottant.Elev = 1;
    m.DebrisFlottant.MaxElev = 2;

    m.Drain = true;
    m.Drainage.Code = cUSACE;
    m.Drainage.Xdrain = 5;
    m.Drainage.GalleryElev = 102;
    m.Drainage.MaxElevation = 155;
    m.DrainEfficiency.DrainDiameter = 0.1;
    m.DrainEfficiency.DrainSpacing = 3;

    m.PostTension.Tension = 1000;
    m.PostTension.Position = 2;

    m.Acc.Peak = {0.2, 0.1, 0.5};
    m.Acc.Sust = {0.1, 0.05, 0.3};
    m.Charges.Seisme.Seismic1 = seStatic;
    m.Charges.Seisme.Seismic2 = seDynamic;
    m.Charges.PostSeismic = 1;

    m.Donnees = {daGeometry,    daMasses, daMaterials, daLiftjoints,   daResNormal,     daResFlood,
                 daIce,         daSediments, daDrain,  daPostTension, daForces,        daPseudoStatic,
                 daPseudoDynamic, daCombination, daCracking, daFloatingDebris};

    TLoadCombination& lc = m.LoadCombination;
    for (int k = 1; k <= NLoadCases; ++k) {
        lc.Selected[k] = true;
        lc.W[k] = lc.U[k] = lc.S[k] = lc.P[k] = lc.F[k] = 1;
        const bool flood = k == 2;
        lc.Hnu[k] = lc.Hnd[k] = flood ? 0 : 1;
        lc.Hfu[k] = lc.Hfd[k] = flood ? 1 : 0;
        m.DebrisFlottant.LoadCombination[k] = k <= 2 ? 1 : 0;
    }
    lc.I[1] = 1;
    lc.QH[3] = lc.QV[3] = lc.HDu[3] = lc.VDu[3] = lc.HDd[3] = lc.VDd[3] = lc.SDh[3] = lc.SDv[3] = 1;
    lc.QHp[4] = lc.QVp[4] = lc.HDup[4] = lc.VDup[4] = lc.HDdp[4] = lc.VDdp[4] = lc.SDhp[4] = lc.SDvp[4] = 1;
    lc.EQ1[5] = lc.EQv[5] = lc.EMc[5] = 1;
    lc.EQ1p[6] = lc.EQvp[6] = lc.EMcp[6] = 1;
    TCombinations& c = m.Combination;
    c.Usual.Selected = c.Flood.Selected = c.Seismic1.Selected = c.Seismic2.Selected = c.PostSeismic.Selected = true;
    c.Usual.Hu = c.Flood.Hu = 1;
    return m;
}

// The study model with a Monte-Carlo request on joint 3 for seismic #2, where the joint
// cracks now and then and overturns toward upstream in strong shaking: the tensile
// strength (normal), the peak cohesion (uniform), the upstream level (log-normal) and the
// peak horizontal ground acceleration (normal); every result, every file.
inline TParametres MonteCarloModel(int simulations)
{
    TParametres m = StudyModel();
    TStatistiques& st = m.Statistiques;
    st.AnalysesDemandees = true;
    st.NombreAnalyses = simulations;
    st.OutputJoint = 3;
    st.Combination = 5;
    const struct {
        int Row;
        Word Code;
        Byte Distribution;
        double Mean, Deviation, Low, High;
    } rows[] = {{1, 1, 1, 800, 150, 400, 1200},
                {2, 2, 0, 500, 0, 300, 700},
                {4, 6, 2, 154, 1.5, 150, 158},
                {7, 14, 1, 0.2, 0.05, 0.05, 0.35}};
    for (const auto& r : rows) {
        st.Selection[r.Row] = true;
        st.NumeroParametre[r.Row] = r.Code;
        st.Distribution[r.Row] = r.Distribution;
        st.Moyenne[r.Row] = r.Mean;
        st.Deviation[r.Row] = r.Deviation;
        st.Minimum[r.Row] = r.Low;
        st.Maximum[r.Row] = r.High;
    }
    for (int q = 1; q <= NRandomVariables; ++q)
        st.Resultats[q] = true;
    st.SauverParametres = st.SauverResultats = st.SauverInputCDF = st.SauverOutPutCDF = true;
    return m;
}

// The study model with an incremental request on joint 3 for the usual combination: the
// normal upstream level from 140 to 160 by 1; every result and the file.
inline TParametres IncrementalModel()
{
    TParametres m = StudyModel();
    TIncrementLoad& il = m.IncrementLoad;
    il.PerformAnalysis = true;
    il.Loading = 1;
    il.StartValue[1] = 140;
    il.EndValue[1] = 160;
    il.IncrementValue[1] = 1;
    il.Combination = 1;
    il.JointNumber = 3;
    for (int q = 1; q <= 10; ++q)
        il.Resultats[q] = true;
    il.SauverResultats = true;
    return m;
}
