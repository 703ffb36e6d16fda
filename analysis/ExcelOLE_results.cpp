// The Results workbook: the load factors of the five combinations, then for every selected load
// case a stress table and a stability table with one row per joint. The template holds, for
// case k, a stress block whose first data row is 19k + 7 and a stability block whose first data
// row is 19k + 16; the cases are processed from the bottom of the sheet upwards.
#include "analysis/ExcelOLE.h"
#include "analysis/ExcelOLE_fill.h"
#include "engine/JointAnalysis.h"

namespace {

// The required safety factors of load case k.
const TFactors& CaseFactors(const TParametres& param, int k)
{
    const TSafetyFactors& s = param.SafetyFactors;
    switch (k) {
    case 1: return s.Usual;
    case 2: return s.Flood;
    case 3: case 4: return s.Seismic1;
    case 5: case 6: return s.Seismic2;
    default: return s.PostSeismic;
    }
}

// A safety factor of 100 or more reads "> 100".
TCellValue SafetyFactor(double value)
{
    return value < 100 ? TCellValue(value) : TCellValue("> 100");
}

TCellValue NonZero(double value, double shown)
{
    return value != 0 ? TCellValue(shown) : TCellValue("");
}

void WriteLoadFactors(TWorkbook& book, const TParametres& param)
{
    const TLoadCombination& f = param.LoadCombination;
    const TDataSet& has = param.Donnees;
    const int cases[] = {1, 2, 3, 5, 7};
    TVariantArray a(1, 10, 1, 1);
    for (int c = 1; c <= 5; ++c) {
        const int k = cases[c - 1];
        const bool flood = k == 2;
        const bool staticSeismic = f.QH[k] != 0 && has.Contains(daPseudoStatic);
        const bool staticVertical = f.QV[k] != 0 && has.Contains(daPseudoStatic);
        const struct {
            double Factor;
            bool Shown;
        } entries[] = {
            {f.W[k], true},
            {flood ? f.Hfu[k] : f.Hnu[k], has.Contains(flood ? daResFlood : daResNormal)},
            {flood ? f.Hfd[k] : f.Hnd[k], has.Contains(flood ? daResFlood : daResNormal)},
            {f.U[k], true},
            {f.S[k], has.Contains(daSediments)},
            {f.I[k], has.Contains(daIce)},
            {f.P[k], has.Contains(daPostTension)},
            {f.F[k], has.Contains(daForces)},
            {staticSeismic ? f.QH[k] : f.EMc[k], has.Contains(staticSeismic ? daPseudoStatic : daPseudoDynamic)},
            {staticVertical ? f.QV[k] : f.EQv[k], has.Contains(staticVertical ? daPseudoStatic : daPseudoDynamic)},
        };
        for (int row = 1; row <= 10; ++row) {
            const auto& e = entries[row - 1];
            a(row, 1) = e.Factor != 0 && e.Shown ? TCellValue(e.Factor) : TCellValue("");
        }
        book.SetValues(CellRange(2 * c + 2, 9, 1, 10), a);
    }
}

void FillStabilityArray(TVariantArray& a, const TParametres& param, int k)
{
    const TJoint& joint = param.Joint;
    for (int r = 1; r <= param.NJoints + 1; ++r) {
        const int j = JointOfRow(param, r);
        a(r, 1) = r;
        a(r, 2) = j == 0 ? TCellValue("Base") : TCellValue(joint.Elev[j]);
        const TSafetyFactor& sf = joint.SafetyFactor;
        a(r, 3) = SafetyFactor(sf.Sliding.Peak[k][j]);
        a(r, 4) = SafetyFactor(sf.Sliding.Residual[k][j]);
        a(r, 5) = SafetyFactor(sf.Overturning.Up[k][j]);
        a(r, 6) = SafetyFactor(sf.Overturning.Down[k][j]);
        a(r, 7) = SafetyFactor(sf.Uplifting[k][j]);
        a(r, 8) = joint.Resultants.Normal[k][j];
        a(r, 9) = joint.Resultants.Shear[k][j];
        a(r, 10) = joint.Resultants.Moment[k][j];
        a(r, 11) = joint.Resultants.Position[k][j];
        const double uplift = param.JointLoad.U[k][j];
        a(r, 12) = NonZero(uplift, uplift);
        a(r, 13) = NonZero(uplift, joint.RockWedge[k][j]);
    }
}

void FillStressArray(TVariantArray& a, TParametres& param, int k)
{
    const TJoint& joint = param.Joint;
    const TFactors& required = CaseFactors(param, k);
    for (int r = 1; r <= param.NJoints + 1; ++r) {
        const int j = JointOfRow(param, r);
        a(r, 1) = r;
        a(r, 2) = j == 0 ? TCellValue("Base") : TCellValue(joint.Elev[j]);
        const double length = joint.Length[j];
        // The downstream crack is negative in the model and shown positive.
        const double up = joint.CrackLength.Up[k][j], down = joint.CrackLength.Down[k][j];
        a(r, 3) = NonZero(up, up * 100);
        a(r, 4) = NonZero(up, up * length);
        a(r, 5) = NonZero(down, -down * 100);
        a(r, 6) = NonZero(down, -down * length);
        a(r, 7) = joint.Stress.normal.Up[k][j];
        a(r, 8) = joint.Stress.normal.Down[k][j];
        const TProprietes& material = param.JointMaterials[joint.mat[j]];
        a(r, 9) = required.Tension * material.ft;
        a(r, 10) = -required.Compression * material.fc;
        if (joint.Resultants.Shear[k][j] != 0) {
            TShearDistribution shear;
            ComputeShearDistribution(param, k, j, shear);
            a(r, 11) = joint.Stress.shear.Up[k][j];
            a(r, 12) = shear.Extreme;
            a(r, 13) = shear.Position;
            a(r, 14) = joint.Stress.shear.Down[k][j];
        } else {
            for (int col = 11; col <= 14; ++col) a(r, col) = "";
        }
    }
}

void SetTableRowHeights(TWorkbook& book, int x, int N)
{
    book.SetRowHeight(IntToStr(x - 6), 20.25);
    book.SetRowHeight(IntToStr(x - 5), 15.75);
    book.SetRowHeight(IntToStr(x) + ":" + IntToStr(x + N + 1), 12.75);
}

}  // namespace

int FillResultsWorkbook(TWorkbook& book, TParametres& param)
{
    WriteInformations(book, param, "C", "J");
    WriteLoadFactors(book, param);

    const int N = param.NJoints;
    const TCaseArray<bool>& selected = param.LoadCombination.Selected;
    TVariantArray cases(1, N + 1, 1, 14);
    for (int k = 7; k >= 1; --k) {
        int D = 19 * k + 16;
        if (selected[k]) {
            if (N > 1) book.Insert(Block("A", D + 1, "N", D + N - 1));
            if (N == 0) book.Delete(Block("A", D, "N", D), TWorkbook::dsUp);
            FillStabilityArray(cases, param, k);
            book.SetValues(Block("A", D, "M", D + N), cases);
            const TFactors& required = CaseFactors(param, k);
            book.SetValue(Cell("C", D + N + 1), required.Peak);
            book.SetValue(Cell("D", D + N + 1), required.Residual);
            book.SetValue(Cell("E", D + N + 1), required.Overturning);
            book.SetValue(Cell("F", D + N + 1), required.Overturning);
            book.SetValue(Cell("G", D + N + 1), required.Uplifting);
        } else {
            book.Delete(Block("A", D - 6, "P", D + 2), TWorkbook::dsUp);
        }
        D = 19 * k + 7;
        if (selected[k]) {
            if (N > 1) book.Insert(Block("A", D + 1, "N", D + N - 1));
            if (N == 0) book.Delete(Block("A", D, "O", D), TWorkbook::dsUp);
            FillStressArray(cases, param, k);
            book.SetValues(Block("A", D, "N", D + N), cases);
        } else {
            book.Delete(Block("A", D - 6, "P", D + 2), TWorkbook::dsUp);
        }
    }

    // Each selected case moved up 18 rows for every unselected case above it and down
    // 2 (N - 1) rows for every selected one.
    int p = 0, q = 0, last = 26;
    for (int k = 1; k <= 7; ++k) {
        if (!selected[k]) {
            ++q;
            continue;
        }
        const int s = 19 * k + 7 - 18 * q + 2 * (N - 1) * p;
        const int t = s + N + 8;
        SetTableRowHeights(book, s, N);
        SetTableRowHeights(book, t, N);
        last = t;
        ++p;
    }
    return last;
}
