// The summary tables of the analysis window: titles, units and the numbers of every cell.
#include "analysis/ResultTables.h"

#include "analysis/Statistic.h"
#include "platform/rtl/RtlMath.h"

String TResultTable::Cell(Integer col, Integer row) const
{
    if (col < 0 || col >= static_cast<Integer>(Cells.size())) return String();
    const std::vector<String>& column = Cells[col];
    return row >= 0 && row < static_cast<Integer>(column.size()) ? column[row] : String();
}

void TResultTable::SetCell(Integer col, Integer row, const String& text)
{
    if (col >= static_cast<Integer>(Cells.size())) Cells.resize(col + 1);
    std::vector<String>& column = Cells[col];
    if (row >= static_cast<Integer>(column.size())) column.resize(row + 1);
    column[row] = text;
}

namespace {

enum TUnitKind { ukNone, ukLength, ukForce, ukMoment, ukStress, ukPercent };

String UnitText(TUnitKind kind, TUnites unites)
{
    const bool si = unites == SI;
    switch (kind) {
    case ukLength: return si ? "    (m)" : "    (ft)";
    case ukForce: return si ? "    (kN)" : "    (kip)";
    case ukMoment: return si ? u"   (kN\u00B7m)" : u"   (kip\u00B7ft)";
    case ukStress: return si ? "    (kPa)" : "    (ksf)";
    case ukPercent: return "    (%)";
    default: return String();
    }
}

// Writes a table's cells for one model and one decimal separator.
class TTableWriter {
public:
    TTableWriter(const TParametres& model, const TFormatSettings& settings, TResultTable& table)
        : Model(model), Settings(settings), Table(table)
    {
    }
    String Number(const char* format, double value) const { return Format(format, {value}, Settings); }
    void Titles(Integer col, const String& heading, const String& subHeading, TUnitKind unit)
    {
        Table.SetCell(col, 0, heading);
        Table.SetCell(col, 1, subHeading);
        Table.SetCell(col, 2, UnitText(unit, Model.unites));
    }
    // The joint column of data row i: the elevation of a lift joint, the word of the base.
    void JointCell(Integer i, const char* format, const char* base)
    {
        const Integer j = JointOfRow(Model, i);
        Table.SetCell(0, RowOf(i), j == 0 ? String(base) : Number(format, Model.Joint.y1[j]));
    }
    static Integer RowOf(Integer i) { return ResultTableFixedRows + i - 1; }
    Integer DataRows() const { return Model.NJoints + 1; }

    const TParametres& Model;
    const TFormatSettings& Settings;
    TResultTable& Table;
};

// ---- The table of a load combination

String SafetyFactorText(double value, const TTableWriter& w)
{
    return value >= 100 ? String("    > 100") : w.Number("%10.4f", value);
}

}  // namespace

TResultTable CombinationTable(const TParametres& model, int k, const TFormatSettings& settings)
{
    static const char* const captions[NLoadCases] = {
        "Summary of usual combination",
        "Summary of flood combination",
        "Summary of seismic #1 combination - stress analysis",
        "Summary of seismic #1 combination - stability analysis",
        "Summary of seismic #2 combination - stress analysis",
        "Summary of seismic #2 combination - stability analysis",
        "Summary of post-seismic combination"};
    TResultTable t;
    TTableWriter w(model, settings, t);
    t.Caption = captions[k - 1];
    t.ColCount = 12;
    t.RowCount = model.NJoints + ResultTableFixedRows + 1;
    w.Titles(0, "   Joint", " Elevation", ukLength);
    w.Titles(1, "  U/S Crack", "   length", ukPercent);
    w.Titles(2, "  D/S Crack", "   Length", ukPercent);
    w.Titles(3, " Sliding SF", "    peak", ukNone);
    w.Titles(4, " Sliding SF", "  residual", ukNone);
    w.Titles(5, "    Normal", "    force", ukForce);
    w.Titles(6, "    Shear", "    force", ukForce);
    w.Titles(7, "    Moment", "center of ligament", ukMoment);
    w.Titles(8, "    Normal stress", " upstream of ligament", ukStress);
    w.Titles(9, "    Normal stress", "downstream of ligament", ukStress);
    w.Titles(10, "    Shear stress", " upstream of ligament", ukStress);
    w.Titles(11, "    Shear stress", "downstream of ligament", ukStress);

    const TJoint& joint = model.Joint;
    for (Integer i = 1; i <= w.DataRows(); ++i) {
        const Integer j = JointOfRow(model, i), row = TTableWriter::RowOf(i);
        w.JointCell(i, " %10.3f", "    Base");
        const double up = joint.CrackLength.Up[k][j], down = joint.CrackLength.Down[k][j];
        t.SetCell(1, row, up > 0 ? w.Number("  %8.4f", up * 100) : String());
        t.SetCell(2, row, down < 0 ? w.Number("  %8.4f", -down * 100) : String());
        t.SetCell(3, row, SafetyFactorText(joint.SafetyFactor.Sliding.Peak[k][j], w));
        t.SetCell(4, row, SafetyFactorText(joint.SafetyFactor.Sliding.Residual[k][j], w));
        t.SetCell(5, row, w.Number("%11.3f", joint.Resultants.Normal[k][j]));
        t.SetCell(6, row, w.Number("%11.3f", joint.Resultants.Shear[k][j]));
        t.SetCell(7, row, w.Number("%11.3f", joint.Resultants.Moment[k][j]));
        t.SetCell(8, row, w.Number("%11.3f", joint.Stress.normal.Up[k][j]));
        t.SetCell(9, row, w.Number("%11.3f", joint.Stress.normal.Down[k][j]));
        // Face shear stresses belong to an uncracked joint only.
        const bool uncracked = up == 0 && down == 0;
        t.SetCell(10, row, uncracked ? w.Number("%11.3f", joint.Stress.shear.Up[k][j]) : String("   N/A"));
        t.SetCell(11, row, uncracked ? w.Number("%11.3f", joint.Stress.shear.Down[k][j]) : String("   N/A"));
    }
    return t;
}

namespace {

// ---- The tables of the loads

using TLoadArray = DynArray<double> Tjointload::*;

// A column of a load table: its titles, its unit, the array it shows and its format.
struct TLoadColumn {
    const char* Heading;
    const char* Symbol;
    TUnitKind Unit;
    TLoadArray Values;
    const char* Format;
};

void WriteLoadColumns(TTableWriter& w, const std::vector<TLoadColumn>& columns)
{
    Integer col = 1;
    for (const TLoadColumn& c : columns) {
        w.Titles(col, c.Heading, c.Symbol, c.Unit);
        for (Integer i = 1; i <= w.DataRows(); ++i)
            w.Table.SetCell(col, TTableWriter::RowOf(i), w.Number(c.Format, (w.Model.JointLoad.*c.Values)[JointOfRow(w.Model, i)]));
        ++col;
    }
}

std::vector<TLoadColumn> StaticLoadColumns(int n)
{
    using L = Tjointload;
    switch (n) {
    case 1:
        return {{" Dam weight", "     D", ukForce, &L::Wv, "%11.2f"},
                {"  Apply at", "  position x", ukLength, &L::xW, "%11.3f"},
                {"  Apply at", "  elevation", ukLength, &L::yW, "%11.3f"}};
    case 2:
        return {{" Mass weight ", "     Mv", ukForce, &L::Mv, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xMv, "%11.3f"}};
    case 3:
        return {{"U/S reservoir", "     Hnu", ukForce, &L::HNu, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::yHNu, "%11.3f"},
                {"U/S reservoir", "     Vnu", ukForce, &L::VNu, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xVNu, "%11.3f"},
                {"D/S reservoir", "     Hd", ukForce, &L::HNd, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::yHNd, "%11.3f"},
                {"D/S reservoir", "     Vnd", ukForce, &L::VNd, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xVNd, "%11.3f"}};
    case 4:
        return {{"U/S reservoir", "     Hfu", ukForce, &L::HFu, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::yHFu, "%11.3f"},
                {"U/S reservoir", "     Vfu", ukForce, &L::VFu, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xVFu, "%11.3f"},
                {"D/S reservoir", "     Hfd", ukForce, &L::HFd, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::yHFd, "%11.3f"},
                {"D/S reservoir", "     Vfd", ukForce, &L::VFd, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xVFd, "%11.3f"}};
    case 5:
        return {{"    Ice", "      I", ukForce, &L::I, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::yI, "%11.3f"}};
    case 6:
        return {{"Silt (horizontal)", "     Sh", ukForce, &L::Sh, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::ySh, "%11.3f"},
                {"Silt (vertical)", "     Sv", ukForce, &L::Sv, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xSv, "%11.2f"}};
    case 7:
        return {{"Uplift (operating)", "     Un", ukForce, &L::UN, "%11.2f"},
                {"  Apply at", " position l", ukLength, &L::xUN, "%11.3f"}};
    case 8:
        return {{"Uplift (flood)", "     Uf", ukForce, &L::UF, "%11.2f"},
                {"  Apply at", " position l", ukLength, &L::xUF, "%11.3f"}};
    case 9:
        return {{"Crest Post-tension", "     Pc", ukForce, &L::Pc, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xPc, "%11.3f"},
                {"D/S Post-tension (h)", "    Pdh", ukForce, &L::Ph, "%11.3f"},
                {"D/S Post-tension (v)", "    Pdv", ukForce, &L::Pv, "%11.3f"},
                {"  Apply at", " position x", ukLength, &L::xPv, "%11.3f"}};
    case 10:
        return {{"  Force (h)", "     Fh", ukForce, &L::FH, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::yFH, "%11.3f"},
                {"  Force (v)", "     Fv", ukForce, &L::FV, "%11.2f"},
                {"  Apply at", " position x", ukLength, &L::xFV, "%11.3f"}};
    case 15:
        return {{"   Debris", "     Fd", ukForce, &L::FD, "%11.2f"},
                {"  Apply at", "  elevation", ukLength, &L::yFD, "%11.3f"}};
    default: return {};
    }
}

// A column of a seismic table: the array of the peak accelerations (stress analysis) and its
// twin of the sustained accelerations (stability analysis).
struct TSeismicColumn {
    const char* Heading;
    const char* Symbol;
    TLoadArray Peak, Sustained;
    bool Force;   // a force (else the point where it acts)
};

using TSeismicBlock = std::vector<TSeismicColumn>;

// Four columns of a horizontal and a vertical force with their points.
TSeismicBlock FourColumns(const char* hHeading, const char* hSymbol, TLoadArray h, TLoadArray hp, TLoadArray yh,
                          TLoadArray yhp, const char* vHeading, const char* vSymbol, TLoadArray v, TLoadArray vp,
                          TLoadArray xv, TLoadArray xvp)
{
    return {{hHeading, hSymbol, h, hp, true},
            {"  Apply at", "  elevation", yh, yhp, false},
            {vHeading, vSymbol, v, vp, true},
            {"  Apply at", " position x", xv, xvp, false}};
}

// The blocks of a seismic table, in their order, for the inputs the model has.
std::vector<TSeismicBlock> SeismicBlocks(const TParametres& model, bool pseudoDynamic)
{
    using L = Tjointload;
    const TDataSet& d = model.Donnees;
    const bool masses = d.Contains(daMasses), reservoir = d.Contains(daResNormal);
    const bool downstream = reservoir && model.Dim.Elev.Fdown < model.Reservoir.NormalDn;
    const bool silt = d.Contains(daSediments);
    const TSeismicBlock downstreamBlock =
        FourColumns("D/S reservoir (h)", "     Hdd", &L::HDd, &L::HDdp, &L::yHDd, &L::yHDdp, "D/S reservoir (v)",
                    "     Vdd", &L::VDd, &L::VDdp, &L::xVDd, &L::xVDdp);
    const TSeismicBlock siltBlock = FourColumns("Silt (horizontal)", "     Sdh", &L::SDh, &L::SDhp, &L::ySDh, &L::ySDhp,
                                                "Silt (vertical)", "     Sdv", &L::SDv, &L::SDvp, &L::xSDv, &L::xSDvp);
    std::vector<TSeismicBlock> blocks;
    if (!pseudoDynamic) {
        blocks.push_back(FourColumns("Dam inertia (h)", "     Qh", &L::Qh, &L::Qhp, &L::yQh, &L::yQhp,
                                     "Dam inertia (v)", "     Qv", &L::Qv, &L::Qvp, &L::xQv, &L::xQvp));
        if (masses)
            blocks.push_back(FourColumns("Mass inertia (h)", "     Mdh", &L::Mdh, &L::Mdhp, &L::yMdh, &L::yMdhp,
                                         "Mass inertia (v)", "     Mdv", &L::Mdv, &L::Mdvp, &L::xMdv, &L::xMdvp));
        if (reservoir)
            blocks.push_back(FourColumns("U/S reservoir (h)", "     Hdu", &L::HDu, &L::HDup, &L::yHDu, &L::yHDup,
                                         "U/S reservoir (v)", "     Vdu", &L::VDu, &L::VDup, &L::xVDu, &L::xVDup));
    } else {
        blocks.push_back({{"Dam first mode", "     Eq1", &L::EQ1, &L::EQ1p, true},
                          {"  Apply at", "  elevation", &L::yEQ1, &L::yEQ1p, false},
                          {"Dam higher modes", "     Eqs", &L::EQs, &L::EQsp, true},
                          {"  Apply at", "  elevation", &L::yEQs, &L::yEQsp, false},
                          {"Dam inertia (v)", "     Eqv", &L::EQv, &L::EQvp, true},
                          {"  Apply at", " position x", &L::xEQv, &L::xEQvp, false}});
        if (masses)
            blocks.push_back({{"Mass first mode", "     Mqh", &L::Mqh1, &L::Mqh1p, true},
                              {"  Apply at", "  elevation", &L::yMqh1, &L::yMqh1p, false},
                              {"Mass higher modes", "     Mqs", &L::Mqhs, &L::Mqhsp, true},
                              {"  Apply at", "  elevation", &L::yMqhs, &L::yMqhsp, false},
                              {"Mass inertia (v)", "     Mqv", &L::Mdv, &L::Mdvp, true},
                              {"  Apply at", " position x", &L::xMdv, &L::xMdvp, false}});
        if (reservoir)
            blocks.push_back({{"Reservoir first mode", "     Hd1", &L::HD1, &L::HD1p, true},
                              {"  Apply at", "  elevation", &L::yHD1, &L::yHD1p, false},
                              {"Reservoir higher modes", "     Hds", &L::Hds, &L::Hdsp, true},
                              {"  Apply at", "  elevation", &L::yHds, &L::yHdsp, false},
                              {"U/S reservoir (v)", "     Vdu", &L::VDu, &L::VDup, true},
                              {"  Apply at", " position x", &L::xVDu, &L::xVDup, false}});
        blocks.push_back({{"Total first mode", "     Em1", &L::EM1, &L::EM1p, true},
                          {"  Apply at", "  elevation", &L::yEM1, &L::yEM1p, false},
                          {"Total higher modes", "     Ems", &L::EMs, &L::EMsp, true},
                          {"  Apply at", "  elevation", &L::yEMs, &L::yEMsp, false},
                          {"Mode combination", "     Emc", &L::EMc, &L::EMcp, true},
                          {"  Apply at", "  elevation", &L::yEMc, &L::yEMcp, false}});
    }
    if (downstream) blocks.push_back(downstreamBlock);
    if (silt) blocks.push_back(siltBlock);
    return blocks;
}

void WriteSeismicTable(TTableWriter& w, bool pseudoDynamic, bool stability)
{
    std::vector<TLoadColumn> columns;
    std::vector<String> symbols;
    for (const TSeismicBlock& block : SeismicBlocks(w.Model, pseudoDynamic))
        for (const TSeismicColumn& c : block) {
            columns.push_back({c.Heading, c.Symbol, c.Force ? ukForce : ukLength, stability ? c.Sustained : c.Peak,
                               c.Force ? "%11.2f" : "%11.3f"});
            symbols.push_back(String(c.Symbol) + (stability && c.Force ? "'" : ""));
        }
    WriteLoadColumns(w, columns);
    for (size_t i = 0; i < symbols.size(); ++i) w.Table.SetCell(static_cast<Integer>(i) + 1, 1, symbols[i]);
    w.Table.ColCount = static_cast<Integer>(columns.size()) + 1;
}

// ---- The summaries of the parametric analyses

const char* const ResultNames[NRandomVariables] = {
    "U/S crack (%)", "D/S crack (%)", "SSF peak", "SSF residual", "OSF toward U/S", "OSF toward D/S",
    "Uplifting SF", "Norm max stress", "Norm min stress", "Resultant (%)", "Final uplift"};

void WriteMonteCarloSummary(TTableWriter& w)
{
    TResultTable& t = w.Table;
    const TParametres& model = w.Model;
    t.ColCount = 7;
    t.RowCount = ResultTableFixedRows + NRandomVariables;
    const char* const headings[7] = {"     Output", "      Mean", "Standard deviation", "    Minimum",
                                     "    Maximum", "Reliability index", "Failure probability"};
    for (Integer col = 0; col < 7; ++col) {
        t.SetCell(col, 0, headings[col]);
        t.SetCell(col, 1, String());
        t.SetCell(col, 2, String());
    }
    t.SetCell(0, 1, "   Parameters");
    t.SetCell(6, 1, "1-Reliability index");
    const TStatResult& s = model.StatResult;
    for (int m = 1; m <= NRandomVariables; ++m) {
        const Integer row = 2 + m;
        t.SetCell(0, row, ResultNames[m - 1]);
        const bool selected = model.Statistiques.Resultats[m];
        const int index = StatIndex(StatResults, m);
        const double values[4] = {s.moyenne[index], s.deviation[index], s.minimum[index], s.maximum[index]};
        for (Integer col = 1; col <= 4; ++col)
            t.SetCell(col, row, selected ? w.Number("%12.7e", values[col - 1]) : String("     -"));
        // Only the safety factors and crack lengths have a failure probability.
        const bool failure = selected && m <= 7;
        const double p = s.performance[index];
        t.SetCell(5, row, failure ? w.Number("%12.7e", 1 - p) : String("     -"));
        t.SetCell(6, row, failure ? w.Number("%12.7e", p) : String("     -"));
    }
}

void WriteIncrementalSummary(TTableWriter& w)
{
    TResultTable& t = w.Table;
    const TParametres& model = w.Model;
    const TIncrementLoad& il = model.IncrementLoad;
    const bool si = model.unites == SI;
    t.ColCount = 11;
    t.RowCount = ResultTableFixedRows + 21;
    struct TTitles {
        const char* Heading;
        const char* SubHeading;
        const char* SIUnit;
        const char* USUnit;
    };
    static const TTitles loadings[7] = {
        {"     Normal", "    Reservoir", "       (m)", "      (ft)"},
        {"      Flood", "    Reservoir", "       (m)", "      (ft)"},
        {"   Horizontal", "  Acceleration", "      (g)", "      (g)"},
        {"    Applied", "     Force", "       (Kn)", "      (kip)"},
        {"  Post-tension", "", "       (Kn)", "      (kip)"},
        {"    Ice Load", "", "       (Kn)", "      (kip)"},
        {"    Drain", "effectiveness", "        (-)", "        (-)"}};
    const int L = il.Loading;
    if (L >= 1 && L <= 7) {
        const TTitles& titles = loadings[L - 1];
        t.SetCell(0, 0, titles.Heading);
        t.SetCell(0, 1, titles.SubHeading);
        t.SetCell(0, 2, si ? titles.SIUnit : titles.USUnit);
    }
    for (Integer q = 1; q <= 10; ++q) {
        t.SetCell(q, 0, ResultNames[q - 1]);
        t.SetCell(q, 1, String());
        t.SetCell(q, 2, String());
    }
    const double start = L >= 1 && L <= 7 ? il.StartValue[L] : 0;
    const double increment = L >= 1 && L <= 7 ? il.IncrementValue[L] : 0;
    for (Integer r = 0; r <= 20; ++r) {
        // 21 rows over the steps: halves go to the even step, step 0 shows step 1.
        Integer i = static_cast<Integer>(Round(il.AnalysisSteps / 20.0 * r));
        if (i == 0) i = 1;
        const Integer row = ResultTableFixedRows + r;
        t.SetCell(0, row, w.Number("%10.3f", start + (i - 1) * increment));
        for (Integer q = 1; q <= 10; ++q) {
            const DynArray<double>& steps = model.IncrementalResult.histogramme[q];
            // A step the run did not reach (stopped, or not run yet) has no value to show.
            const bool shown = il.Resultats[q] && i < steps.Length();
            t.SetCell(q, row, shown ? w.Number("%10.3f", steps[i]) : String());
        }
    }
}

}  // namespace

TResultTable LoadTable(const TParametres& model, int n, const TFormatSettings& settings)
{
    static const char* const captions[17] = {
        "Summary of Geometry",
        "Summary of Concentrated masses",
        "Summary of Reservoir normal operating level",
        "Summary of Reservoir flood level",
        "Summary of Ice",
        "Summary of Silts",
        "Summary of Uplift pressures - normal operating level",
        "Summary of Uplift pressures - flood level",
        "Summary of Post-tension",
        "Applied forces",
        "Pseudo-static - stress analysis",
        "Pseudo-static - stability analysis",
        "Pseudo-dynamic - stress analysis",
        "Pseudo-dynamic - stability analysis",
        "Summary of FLoating Debris",
        "Summary of Monte-Carlo",
        "Summary of Incremental Load Analyses"};
    TResultTable t;
    TTableWriter w(model, settings, t);
    w.Titles(0, "   Joint", " Elevation", ukLength);
    t.RowCount = ResultTableFixedRows + model.NJoints + 1;
    if (n < 1 || n > 17) return t;
    t.Caption = captions[n - 1];
    if (n == 16) {
        WriteMonteCarloSummary(w);
        return t;
    }
    if (n == 17) {
        WriteIncrementalSummary(w);
        return t;
    }
    for (Integer i = 1; i <= w.DataRows(); ++i)
        w.JointCell(i, n <= 2 ? "%11.3f" : "  %9.3f", "      Base");
    if (n >= 11 && n <= 14) {
        WriteSeismicTable(w, n >= 13, n == 12 || n == 14);
        return t;
    }
    const std::vector<TLoadColumn> columns = StaticLoadColumns(n);
    WriteLoadColumns(w, columns);
    t.ColCount = static_cast<Integer>(columns.size()) + 1;
    return t;
}

bool ResultTableOfEntry(const TParametres& model, const String& caption, const TFormatSettings& settings,
                        TResultTable& table)
{
    static const char* const combinations[NLoadCases] = {
        "Usual", "Flood", "Seismic #1 - stress analysis", "Seismic #1 - stability analysis",
        "Seismic #2 - stress analysis", "Seismic #2 - stability analysis", "Post-seismic"};
    static const char* const loads[17] = {
        "Geometry", "Concentrated masses", "Reservoir operating level", "Reservoir flood level", "Ice", "Silts",
        "Uplift - operating level", "Uplift - flood level", "Post-tension", "Applied forces",
        "Pseudo-static - stress analysis", "Pseudo-static - stability analysis", "Pseudo-dynamic - stress analysis",
        "Pseudo-dynamic - stability analysis", "Floating debris", "Monte-Carlo simulation",
        "Incremental Load Analysis"};
    for (int k = 1; k <= NLoadCases; ++k)
        if (caption == combinations[k - 1]) {
            table = CombinationTable(model, k, settings);
            return true;
        }
    for (int n = 1; n <= 17; ++n)
        if (caption == loads[n - 1]) {
            table = LoadTable(model, n, settings);
            return true;
        }
    return false;
}
