// The Input workbook: the model's parameters. The template's left part (columns A to M) holds
// the general information, the section, the materials, the joints, the cracks and the masses;
// its right part (O to AA, from row 8) the reservoir, drainage, post-tensioning, forces, seismic
// and cracking blocks. Each table is grown or shrunk to the model's counts, working down the
// sheet so that the row arithmetic of every step holds, then the right part moves below the
// left part.
#include "analysis/ExcelOLE.h"
#include "analysis/ExcelOLE_fill.h"
#include "platform/rtl/SysFormat.h"

namespace {

// The base joint's material is shown as "Base joint" whatever the model calls it; the model
// itself is not changed.
String MaterialName(const TParametres& param, int i)
{
    return i == 0 ? String("Base joint") : param.JointMaterials[i].nom.ToString();
}

String JointMaterialName(const TParametres& param, int j)
{
    return MaterialName(param, param.Joint.mat[j]);
}

void WriteLeftFixedCells(TWorkbook& book, const TParametres& param)
{
    WriteInformations(book, param, "C", "J");
    const TDimension& d = param.Dim;
    const double values[] = {d.L1,       d.L2,       d.L3,       d.L4,       d.Elev.A,   d.Elev.B,   d.Elev.C,
                             d.Elev.D,   d.Elev.E,   d.Elev.F,   d.Elev.G,   d.Elev.Fup, d.Elev.Fdown};
    for (int i = 0; i < 13; ++i) book.SetValue(Cell("B", 9 + i), values[i]);
    book.SetValue("B24", param.Concrete.mass);
}

void WriteMaterials(TWorkbook& book, const TParametres& param)
{
    const int M = param.NJointMaterials;
    if (M > 1) {
        book.Insert(Block("E", 13, "M", M + 11));
        book.MergeRows(Block("L", 13, "M", M + 11));
    }
    if (M == 0) book.Delete("E12:M12", TWorkbook::dsUp);
    TVariantArray a(0, M, 1, 8);
    for (int i = 0; i <= M; ++i) {
        const TProprietes& p = param.JointMaterials[i];
        a(i, 1) = MaterialName(param, i);
        a(i, 2) = p.fc;
        a(i, 3) = p.ft;
        a(i, 4) = p.peak.c;
        a(i, 5) = p.peak.angle;
        a(i, 6) = p.residual.c;
        a(i, 7) = p.residual.angle;
        a(i, 8) = p.MinStress;
    }
    book.SetValues(Block("E", 12, "L", 12 + M), a);
}

void WriteJoints(TWorkbook& book, const TParametres& param)
{
    const int M = param.NJointMaterials, N = param.NJoints;
    if (N > 1) {
        book.Insert(Block("E", M + 19, "M", M + N + 17));
        book.MergeRows(Block("L", M + 19, "M", M + N + 17));
    }
    if (N == 0) book.Delete(Block("E", M + 18, "M", M + 18), TWorkbook::dsUp);
    const TJoint& joint = param.Joint;
    TVariantArray a(1, N + 1, 1, 8);
    for (int r = 1; r <= N + 1; ++r) {
        const int j = JointOfRow(param, r);
        a(r, 1) = JointLabel(param, r);
        a(r, 2) = JointMaterialName(param, j);
        a(r, 3) = joint.y1[j];
        a(r, 4) = joint.x1[j];
        a(r, 5) = joint.y2[j];
        a(r, 6) = joint.x2[j];
        a(r, 7) = joint.Length[j];
        a(r, 8) = joint.Length[j] * joint.Length[j] * joint.Length[j] / 12;
    }
    book.SetValues(Block("E", M + 18, "L", M + N + 18), a);
}

void WriteCracks(TWorkbook& book, const TParametres& param)
{
    const int M = param.NJointMaterials, N = param.NJoints;
    if (N > 1) book.Insert(Block("E", M + N + 25, "J", M + 2 * N + 23));
    if (N == 0) book.Delete(Block("E", M + 25, "J", M + 25), TWorkbook::dsUp);
    TVariantArray a(1, N + 1, 1, 6);
    for (int r = 1; r <= N + 1; ++r) {
        const int j = JointOfRow(param, r);
        a(r, 1) = JointLabel(param, r);
        a(r, 2) = JointMaterialName(param, j);
        const double length = param.Joint.Length[j];
        int col = 3;
        for (double crack : {param.Cracks.Up[j], param.Cracks.Down[j]}) {
            a(r, col) = crack != 0 ? TCellValue(crack * length) : TCellValue("-");
            a(r, col + 1) = crack != 0 ? TCellValue(crack * 100) : TCellValue("-");
            col += 2;
        }
    }
    book.SetValues(Block("E", M + N + 24, "J", M + 2 * N + 24), a);
}

// Returns the row that receives the right part: below the masses, at row 42 at the earliest.
int WriteMasses(TWorkbook& book, const TParametres& param)
{
    const int M = param.NJointMaterials, N = param.NJoints, S = param.NMasses;
    const int top = M + 2 * N + 26;
    if (S > 2) book.Insert(Block("E", top + 5, "I", top + S + 2));
    int T = top;
    if (S == 0) book.Delete(Block("E", top, "I", top + 5), TWorkbook::dsUp);
    if (S == 1) book.Delete(Block("E", top + 4, "I", top + 4), TWorkbook::dsUp);
    if (S > 0) {
        T = M + 2 * N + S + 31;
        TVariantArray a(1, S, 1, 5);
        for (int i = 1; i <= S; ++i) {
            const TMasses& mass = param.Masses.Elem[i - 1];
            a(i, 1) = i;
            a(i, 2) = mass.Elev;
            a(i, 3) = mass.PosX;
            a(i, 4) = mass.HorMass;
            a(i, 5) = mass.VertMass;
        }
        book.SetValues(Block("E", top + 4, "I", top + S + 3), a);
    }
    return T < 42 ? 42 : T;
}

void WriteReservoir(TWorkbook& book, const TParametres& param)
{
    const TReservoir& r = param.Reservoir;
    book.SetValue("P9", r.WaterWeight);
    book.SetValue("P12", r.IceLoad);
    book.SetValue("P13", r.IceThickness);
    book.SetValue("P14", r.NormalUp - r.IceThickness / 2);
    book.SetValue("P17", r.Sediment);
    book.SetValue("P18", r.SedWeight);
    book.SetValue("P19", r.SedAngle);
    static const char* const models[] = {"as a fluid", "at rest", "passive", "active"};
    book.SetValue("P20", models[r.SedModel]);
    book.SetValue("V10", r.NormalUp);
    book.SetValue("V11", r.FloodUp);
    book.SetValue("V12", r.PressureUp * 100);
    book.SetValue("Y10", r.NormalDn);
    book.SetValue("Y11", r.FloodDn);
    book.SetValue("Y12", r.PressureDown * 100);
}

String GuidelineName(const TDrainage& d)
{
    switch (d.Code) {
    case cCDSA: return d.Alternative == 1 ? "CDSA 1995 - Alternative 1" : "CDSA 1995- Alternative 2";
    case cUSACE: return "USACE 1995";
    case cFERC: return "FERC 1991";
    case cUSBR: return "USBR 1987";
    case cFERC1999: return "FERC 1999";
    case cANCOLD: break;
    }
    return String();
}

void WriteDrainageAndUplift(TWorkbook& book, const TParametres& param)
{
    const TDrainage& d = param.Drainage;
    if (!param.Drain) {
        book.Delete("S14:X19", TWorkbook::dsLeft);
    } else {
        book.SetValue("V15", d.Xdrain);
        book.SetValue("V16", d.GalleryElev);
        // The computed effectiveness comes from the flow to a row of wells beside a reservoir.
        if (param.DrainEfficiency.Activated)
            book.SetValue("V17", "Muskat (1937)");
        else if (d.Code == cCDSA)
            book.SetValue("V17", "N/A");
        else
            book.SetValue("V17", d.effectiveness);
        book.SetValue("V18", d.MaxElevation);
        const String guideline = GuidelineName(d);
        if (!guideline.IsEmpty()) book.SetValue("V19", guideline);
        if (d.Code == cCDSA)
            book.SetValue("V20", d.Alternative == 1 ? "K1 = " + Format("%5.3f", {d.K1}) : "K2 = " + Format("%5.3f", {d.K2}));
    }
    book.SetValue("R22", param.UpliftLoad == ulExternal
                             ? "Uplift pressures are considered as an external load (linearisation of effective stresses)"
                             : "Uplift pressures are considered as an internal load (total stress + internal uplift pressures)");
}

void WritePostTension(TWorkbook& book, const TParametres& param)
{
    const TPostTension& p = param.PostTension;
    book.SetValue("R33", p.Position);
    book.SetValue("R34", p.Tension);
    book.SetValue("R36", p.PostTensionType == ptActive ? "Active" : "Passive");
    book.SetValue("Y33", p.Elev);
    book.SetValue("Y34", p.Position2);
    book.SetValue("Y35", p.Angle);
    book.SetValue("Y36", p.Tension2);
}

void WritePseudoStatic(TWorkbook& book, const TParametres& param)
{
    const TAccelerations& a = param.Acc;
    book.SetValue("T46", a.Peak.horizontal);
    book.SetValue("T47", a.Peak.vertical);
    book.SetValue("T48", a.Sust.horizontal);
    book.SetValue("T49", a.Sust.vertical);
    static const char* const corrections[] = {"Cos²(angle)", "Corns et al.", "Generalized", "No correction"};
    book.SetValue("T50", corrections[param.CoeffSis.SlopeCorr]);
    book.SetValue("Z46", a.ReturnPeriod);
    book.SetValue("Z47", param.CoeffSis.te);
    if (param.CoeffSis.Depth.IsLimit) {
        book.SetValue("Z48", param.CoeffSis.Depth.Limit);
    } else {
        book.SetValue("Z48", "no limit");
        book.SetValue("AA48", "");
    }
}

void WritePseudoDynamic(TWorkbook& book, const TParametres& param)
{
    const TAccelerations& a = param.Acc;
    const TChopraCoeff& c = param.ChopraC;
    book.SetValue("S53", a.ReturnPeriod);
    book.SetValue("T55", a.Peak.horizontal);
    book.SetValue("T56", a.Peak.vertical);
    book.SetValue("T57", a.Peak.spectral);
    book.SetValue("T59", a.Sust.horizontal);
    book.SetValue("T60", a.Sust.vertical);
    book.SetValue("T61", a.Sust.spectral);
    static const char* const rules[] = {"First mode only", "Higher modes only", "SRSS combination",
                                        "Absolute value combination"};
    book.SetValue("T63", rules[param.ChopraCombination]);
    book.SetValue("Z53", c.tranches);
    book.SetValue("Z54", c.e1);
    book.SetValue("Z55", param.Concrete.Ec);
    book.SetValue("Z58", c.Alpha);
    book.SetValue("Z59", param.Reservoir.WaveVelocity);
    book.SetValue("Z62", c.FoundHystDamping / 100.0);
    book.SetValue("Z63", param.Foundation.Ef);
    book.SetValue("Z66", c.TDamResFound);
    book.SetValue("Z67", c.e);
}

// The uplift state of a crack as the cracking dialog names it; a state the case does not
// offer writes nothing.
void WriteUpliftState(TWorkbook& book, const char* cell, Byte state, bool noUpliftOffered)
{
    if (state == 0 && noUpliftOffered)
        book.SetValue(cell, "No uplift pressures in cracked section");
    else if (state == 1)
        book.SetValue(cell, "Uplift pressures remain unchanged");
    else if (state == 2)
        book.SetValue(cell, "Full uplift pressures applied to the crack section");
}

void WriteCracking(TWorkbook& book, const TParametres& param)
{
    const TCracking& c = param.Cracking;
    book.SetValue("T71", c.Considered ? "Yes" : "No");
    book.SetValue("Q74", c.RootMethod == rmBisection ? "Bi-section" : "Van Wijngaarden-Dekker-Brent");
    static const char* const accuracies[] = {"Coarse (1E-5)", "Medium (1E-6)", "Fine (1E-7)"};
    book.SetValue("Q75", accuracies[c.RootAccuracy]);
    // Columns: usual, flood, seismic (cases 3 to 6 alike), post-seismic.
    const int cases[] = {1, 2, 3, 7};
    TVariantArray a(1, 3, 1, 4);
    for (int col = 1; col <= 4; ++col) {
        const int k = cases[col - 1];
        a(1, col) = c.NoTensionI[k] ? String("ft = 0") : "ft /" + Format("%6.3f", {c.InitiationSF[k]});
        a(2, col) = c.NoTensionP[k] ? String("ft = 0") : "ft /" + Format("%6.3f", {c.PropagationSF[k]});
        a(3, col) = col == 3 ? TCellValue(c.DynamicMagn) : TCellValue("");
    }
    book.SetValues("X72:AA74", a);
    WriteUpliftState(book, "W76", c.UpliftState[1], false);
    WriteUpliftState(book, "W77", c.UpliftState[3], true);
    WriteUpliftState(book, "W78", c.UpliftState[7], false);
    book.SetValue("W79", c.UpliftInDownStreamClosedCrack ? "Restore uncracked uplift condition"
                                                         : "Apply opened crack uplift condition");
    static const char* const beyondDrain[] = {
        "No drain effectiveness when crack is beyond drain line", "Full drain effectiveness - full uplift before drain ",
        "Full drain effectiveness - decrementing uplift before drain",
        "No drain effectiveness under any cracking condition"};
    book.SetValue("W80", beyondDrain[param.Drainage.CrackOver]);
}

void WriteForces(TWorkbook& book, const TParametres& param)
{
    const int F = param.NForces;
    if (F > 2) book.Insert(Block("O", 43, "AA", F + 40));
    if (F == 0) book.Delete("O38:AA44", TWorkbook::dsUp);
    if (F == 1) book.Delete("O42:AA42", TWorkbook::dsUp);
    if (F == 0) return;
    TVariantArray a(1, F, 1, 9);
    for (int i = 1; i <= F; ++i) {
        const TForce& force = param.Force.Elem[i - 1];
        a(i, 1) = i;
        a(i, 2) = force.Elev;
        a(i, 4) = force.PosX;
        a(i, 6) = force.HorForce;
        a(i, 8) = force.VertForce;
    }
    book.SetValues(Block("S", 42, "AA", F + 41), a);
    if (F > 2)
        for (const auto& [first, last] : {std::pair{"T", "U"}, {"V", "W"}, {"X", "Y"}, {"Z", "AA"}})
            book.MergeRows(Block(first, 43, last, F + 40));
}

// Returns the rows of the drain-efficiency table, 0 when there is none.
int WriteDrainEfficiency(TWorkbook& book, const TParametres& param)
{
    if (!param.DrainEfficiency.Activated || !param.Drain) {
        book.Delete("O24:AA30", TWorkbook::dsUp);
        return 0;
    }
    // Joints 1 to N and then the base joint, two a row.
    const int N = param.NJoints, R = (N + 2) / 2;
    if (R > 2) book.Insert(Block("O", 29, "AA", R + 26));
    if (R == 1) book.Delete("O28:AA28", TWorkbook::dsUp);
    TVariantArray a(1, R, 1, 9);
    for (int r = 1; r <= R; ++r)
        for (int side = 0; side < 2; ++side) {
            const int entry = 2 * r - 1 + side, col = 1 + 5 * side;
            if (entry > N + 1) continue;
            const int j = entry % (N + 1);
            const double efficiency = param.DrainEfficiency.Joint[j];
            a(r, col) = j == 0 ? TCellValue("Base") : TCellValue(j);
            a(r, col + 1) = param.Joint.Elev[j];
            a(r, col + 2) = efficiency != 0 ? TCellValue(efficiency) : TCellValue("");
        }
    book.SetValues(Block("S", 28, "AA", R + 27), a);
    if (R > 2) {
        book.MergeRows(Block("U", 29, "V", R + 26));
        book.MergeRows(Block("Z", 29, "AA", R + 26));
    }
    return R;
}

}  // namespace

int FillInputWorkbook(TWorkbook& book, const TParametres& param)
{
    const TDataSet& has = param.Donnees;
    WriteLeftFixedCells(book, param);
    WriteMaterials(book, param);
    WriteJoints(book, param);
    WriteCracks(book, param);
    const int T = WriteMasses(book, param);
    WriteReservoir(book, param);
    WriteDrainageAndUplift(book, param);
    if (has.Contains(daPostTension)) WritePostTension(book, param);
    if (has.Contains(daPseudoStatic)) WritePseudoStatic(book, param);
    if (has.Contains(daPseudoDynamic)) WritePseudoDynamic(book, param);
    if (has.Contains(daCracking)) WriteCracking(book, param);
    WriteForces(book, param);
    const int R = WriteDrainEfficiency(book, param);

    // The blocks below the forces and the drain efficiency moved by f and d rows.
    const int f = param.NForces == 0 ? -7 : param.NForces - 2;
    const int d = R > 0 ? R - 2 : -7;
    const int o = f + d;
    if (!has.Contains(daCracking)) book.Delete(Block("O", o + 69, "AA", o + 81), TWorkbook::dsUp);
    if (!has.Contains(daPseudoDynamic)) book.Delete(Block("O", o + 51, "AA", o + 68), TWorkbook::dsUp);
    if (!has.Contains(daPseudoStatic)) book.Delete(Block("O", o + 45, "AA", o + 50), TWorkbook::dsUp);
    if (!has.Contains(daPostTension)) book.Delete(Block("O", d + 31, "AA", d + 37), TWorkbook::dsUp);

    book.Cut(Block("O", 8, "AA", o + 81), Block("A", T, "M", T + o + 73));
    return 0;
}
