#pragma once
// A gravity dam 80 high on a 60 m base with lift joints spread evenly up to 176 (40 by
// default), every kind of load, a pseudo-dynamic seismic #2 on 20 slices, cracking and all
// seven load cases; the model of the speed benchmarks and of the unchanged-results test.
#include "engine/Unites.h"

inline TParametres FortyJointModel(int liftJoints = 40)
{
    TParametres m;
    m.unites = SI;
    m.gravity = 9.81;
    m.Concrete = {30, 25000, 2, 2400};
    m.Dim.L1 = 60;
    m.Dim.L2 = 5;
    m.Dim.L3 = 45;
    m.Dim.L4 = 10;
    m.Dim.Elev = {100, 100, 120, 105, 140, 170, 180, 100, 104};
    m.NJoints = liftJoints;
    SizeJointArrays(m.Joint, m.JointLoad, m.NJoints);
    SizeCracks(m.Cracks, m.NJoints);
    for (int j = 1; j <= m.NJoints; ++j)
        m.Joint.Elev[j] = 100 + 76.0 * j / liftJoints;
    ComputeJointEnds(m);
    m.NJointMaterials = 0;
    SizeJointMaterials(m.JointMaterials, 0);
    m.JointMaterials[0].ft = 150;
    m.JointMaterials[0].peak = {50, 300, 200, scContinue};
    m.JointMaterials[0].residual = {40, 0, 0, scNonContinue};
    m.Foundation = {2600, 30000, 200, 45, 30, true, 0.8};

    m.NMasses = m.Masses.count = 1;
    m.Masses.Elem = {{10, 180, 20000, 20000}};
    m.NForces = m.Force.count = 1;
    m.Force.Elem = {{12, 178, 50, -100}};
    m.PostTension = {500, 4, 0, 0, 0, 0, ptActive};

    TReservoir& r = m.Reservoir;
    r.WaterWeight = 9.81;
    r.NormalUp = 175;
    r.NormalDn = 110;
    r.FloodUp = 182;
    r.FloodDn = 115;
    r.IceLoad = 100;
    r.IceThickness = 1;
    r.Sediment = 120;
    r.SedWeight = 9;
    r.SedAngle = 30;
    r.WaveVelocity = 1440;
    m.DebrisFlottant = {20, 1, 2, {}};

    m.Drain = true;
    m.Drainage.Code = cUSBR;
    m.Drainage.Xdrain = 6;
    m.Drainage.effectiveness = 0.66;
    m.Drainage.GalleryElev = 110;
    m.Drainage.DrainOver = true;
    m.Drainage.MaxElevation = 170;
    m.DrainEfficiency.Activated = true;
    m.DrainEfficiency.DrainDiameter = 0.1;
    m.DrainEfficiency.DrainSpacing = 3;
    m.DrainEfficiency.Joint.SetLength(m.NJoints + 1);

    m.Acc.Peak = {0.25, 0.15, 0.6};
    m.Acc.Sust = {0.15, 0.1, 0.4};
    m.ChopraC.tranches = 20;
    m.ChopraC.e1 = 0.05;
    m.ChopraC.Alpha = 0.9;
    m.Foundation.Ef = 30000;
    m.Charges.PostSeismic = 1;
    m.Charges.Seisme.Seismic2 = seDynamic;

    m.Cracking.Considered = true;
    m.Cracking.DynamicMagn = 1.5;
    TLoadCombination& f = m.LoadCombination;
    for (int k = 1; k <= 7; ++k) {
        m.Cracking.InitiationSF[k] = m.Cracking.PropagationSF[k] = 1;
        m.Cracking.UpliftState[k] = k >= 3 && k <= 6 ? 0 : 2;
        f.W[k] = f.U[k] = f.S[k] = f.P[k] = f.F[k] = 1;
        f.I[k] = k == 1 ? 1 : 0;
        f.Hnu[k] = f.Hnd[k] = k == 2 ? 0 : 1;
        f.Hfu[k] = f.Hfd[k] = k == 2 ? 1 : 0;
        m.DebrisFlottant.LoadCombination[k] = k == 2 ? 1 : 0;
    }
    f.QH[3] = f.QV[3] = f.HDu[3] = f.VDu[3] = f.HDd[3] = f.VDd[3] = f.SDh[3] = f.SDv[3] = 1;
    f.QHp[4] = f.QVp[4] = f.HDup[4] = f.VDup[4] = f.HDdp[4] = f.VDdp[4] = f.SDhp[4] = f.SDvp[4] = 1;
    f.EMc[5] = f.EQv[5] = 1;
    f.EMcp[6] = f.EQvp[6] = 1;
    TCombinations& c = m.Combination;
    c.Usual.Selected = c.Flood.Selected = c.Seismic1.Selected = c.Seismic2.Selected = c.PostSeismic.Selected = true;
    for (Tdata flag : {daGeometry, daMasses, daMaterials, daFoundation, daLiftjoints, daResNormal, daResFlood, daIce,
                       daSediments, daDrain, daPostTension, daForces, daPseudoStatic, daPseudoDynamic, daCombination,
                       daCracking, daFloatingDebris})
        m.Donnees.Include(flag);
    return m;
}
