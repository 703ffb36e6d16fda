// The spreadsheet export's workbooks written as .xlsx files and read back by an independent
// reader (openpyxl): every value at the cell where the sheet's row arithmetic puts it. The
// expected addresses are worked out by hand in the comments from the templates' layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "analysis/AnalysisRun.h"
#include "analysis/ExcelOLE.h"
#include "analysis/tests/AnalysisTestModel.h"
#include "engine/Fichier.h"
#include "engine/JointAnalysis.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/services/tests/XlsxReadBack.h"

namespace {

const String ProgramData = String(PROGRAM_SOURCE_DIR) + "programdata/";

TXlsxReadBack Export(TParametres& model, TCas request, const TempFolder& folder)
{
    TWorkbook book;
    MakeExcelWorkbook(book, model, request, ProgramData);
    const std::string file = folder / "export.xlsx";
    book.SaveAs(file);
    return ReadXlsxBack(XLSX_DUMP, file);
}

// The number in a cell, NaN when the cell holds none.
double Number(const TXlsxReadBack& back, const std::string& address)
{
    const auto it = back.Cells.find(address);
    return it == back.Cells.end() || it->second.Kind != 'n' ? NAN : it->second.Number();
}

#define EXPECT_CELL_NUMBER(back, address, value) \
    EXPECT_NEAR(Number(back, address), value, 1e-12 * (1 + std::fabs(value))) << (address)

// Nothing outside the rows and columns a workbook may use.
void ExpectNothingBeyond(const TXlsxReadBack& back, int lastRow, int lastCol)
{
    for (const auto& [address, cell] : back.Cells) {
        const TCellRange r = ParseCellRange(address);
        EXPECT_TRUE(r.Row1 <= lastRow && r.Col1 <= lastCol) << address << " holds " << cell.Text;
    }
}

// The analysis test dam (two lift joints at 105 and 112, joint 0 the base) with three joint
// materials, three masses, three forces, drains with the drain formula and every input block.
TParametres FullInputModel()
{
    TParametres m = AnalysisModel();
    m.Infos.Titre = "Check 2024";
    m.Infos.Ingenieur = "J. Tremblay";
    m.Infos.date = 45352;  // 1 March 2024
    m.NJointMaterials = 2;
    SizeJointMaterials(m.JointMaterials, 2);
    m.JointMaterials[0].nom = "Rock";
    m.JointMaterials[0].fc = 30000;
    m.JointMaterials[1].nom = "Lift A";
    m.JointMaterials[1].ft = 1200;
    m.JointMaterials[2].nom = "Lift B";
    m.JointMaterials[2].MinStress = 50;
    m.Joint.mat[1] = 2;
    m.Joint.mat[2] = 1;
    m.Cracks.Up[1] = 0.25;
    m.Cracks.Down[0] = 0.5;
    m.NMasses = 3;
    m.Masses.Elem.SetLength(3);
    for (int i = 0; i < 3; ++i) m.Masses.Elem[i] = {1.0 + i, 110.0 + i, 5.0 * i, 7.0 * i};
    m.NForces = m.Force.count = 3;
    m.Force.Elem.SetLength(3);
    for (int i = 0; i < 3; ++i) m.Force.Elem[i] = {2.0 + i, 115.0 + i, 10.0 + i, -20.0 - i};
    m.Drain = true;
    m.Drainage.Code = cUSACE;
    m.Drainage.Xdrain = 3;
    m.DrainEfficiency.Activated = true;
    m.DrainEfficiency.Joint[1] = 0.6;
    m.DrainEfficiency.Joint[0] = 0.7;
    m.PostTension = {500, 2, 300, 60, 108, 4, ptPassive};
    m.CoeffSis.Depth = {false, 0};
    m.ChopraCombination = ccSRSS;
    m.ChopraC.FoundHystDamping = 10;
    for (Tdata flag : {daMasses, daForces, daPostTension, daPseudoDynamic}) m.Donnees.Include(flag);
    return m;
}

// A model file of the analysis tests, analysed as the analysis window does.
TParametres AnalysedTestModel(const std::string& name)
{
    TDamFileHostHeadless host;
    LectureFichier1_0(host, String(std::string(ANALYSIS_TEST_DATA) + "/" + name));
    EXPECT_TRUE(host.ProceedFlag()) << name;
    TSilentAnalysisHost analysis;
    RunAnalysis(host.Model, analysis);
    return host.Model;
}

std::string Address(int column, int row) { return ColumnLetters(column).ToUtf8() + std::to_string(row); }

// What a cell must hold: a number, a text, or nothing (Kind 0).
struct TExpected {
    char Kind = 0;
    double Value = 0;
    std::string Text;
};
TExpected Num(double value) { return {'n', value, ""}; }
TExpected Txt(const std::string& text) { return {'s', 0, text}; }
// A number when `shown`, else an empty cell.
TExpected NumIf(bool shown, double value) { return shown ? Num(value) : TExpected(); }

void ExpectCell(const TXlsxReadBack& back, int column, int row, const TExpected& e)
{
    const std::string address = Address(column, row);
    if (e.Kind == 'n')
        EXPECT_CELL_NUMBER(back, address, e.Value);
    else if (e.Kind == 's')
        EXPECT_EQ(back[address], "s:" + e.Text) << address;
    else
        EXPECT_EQ(back[address], "") << address;
}

}  // namespace

TEST(ExcelOLETests, CellRangeLettersTheCornersOfTheBlock)
{
    EXPECT_EQ(CellRange(5, 12, 8, 2), "E12:L13");
    EXPECT_EQ(CellRange(1, 13, 20, 1), "A13:T13");
    EXPECT_EQ(CellRange(19, 42, 9, 3), "S42:AA44");
    EXPECT_EQ(CellRange(26, 1, 2, 1), "Z1:AA1");
}

TEST(ExcelOLETests, InputWorkbookOfAFullModelPutsEveryBlocInPlace)
{
    TempFolder folder;
    TParametres model = FullInputModel();
    const TXlsxReadBack back = Export(model, caGeometry, folder);
    ASSERT_TRUE(back.Read);
    EXPECT_EQ(back["C2"], "s:Check 2024");
    EXPECT_EQ(back["J2"], "s:J. Tremblay");
    EXPECT_EQ(back["J4"], "d:2024-03-01T00:00:00");
    EXPECT_EQ(back["J5"], "s:Metric");
    EXPECT_CELL_NUMBER(back, "B9", 16);     // L1
    EXPECT_CELL_NUMBER(back, "B19", 120);   // crest
    EXPECT_CELL_NUMBER(back, "B24", 2400);  // concrete

    // Materials 0 to 2 on rows 12 to 14 (one row inserted); the base joint's material is shown
    // as "Base joint" while the model keeps its own name.
    EXPECT_EQ(back["E12"], "s:Base joint");
    EXPECT_CELL_NUMBER(back, "F12", 30000);
    EXPECT_EQ(back["E13"], "s:Lift A");
    EXPECT_CELL_NUMBER(back, "G13", 1200);
    EXPECT_EQ(back["E14"], "s:Lift B");
    EXPECT_CELL_NUMBER(back, "L14", 50);
    EXPECT_TRUE(back.Merges.count("L13:M13") && back.Merges.count("L14:M14"));
    EXPECT_EQ(model.JointMaterials[0].nom.ToString(), "Rock");

    // Lift joints from row M + 18 = 20: joint 1, joint 2, then the base.
    EXPECT_CELL_NUMBER(back, "E20", 1);
    EXPECT_EQ(back["F20"], "s:Lift B");
    EXPECT_CELL_NUMBER(back, "G20", 105);
    EXPECT_CELL_NUMBER(back, "K20", model.Joint.Length[1]);
    EXPECT_CELL_NUMBER(back, "L20", std::pow(model.Joint.Length[1], 3) / 12);
    EXPECT_EQ(back["F21"], "s:Lift A");
    EXPECT_EQ(back["E22"], "s:Base");
    EXPECT_EQ(back["F22"], "s:Base joint");
    EXPECT_CELL_NUMBER(back, "K22", 16);

    // Cracks from row M + N + 24 = 28; a crack of 0 shows "-".
    EXPECT_CELL_NUMBER(back, "G28", 0.25 * model.Joint.Length[1]);
    EXPECT_CELL_NUMBER(back, "H28", 25);
    EXPECT_EQ(back["I28"], "s:-");
    EXPECT_EQ(back["G29"], "s:-");
    EXPECT_EQ(back["E30"], "s:Base");
    EXPECT_CELL_NUMBER(back, "I30", 8);
    EXPECT_CELL_NUMBER(back, "J30", 50);

    // Masses from row M + 2N + 30 = 36.
    for (int i = 0; i < 3; ++i) {
        EXPECT_CELL_NUMBER(back, "E" + std::to_string(36 + i), i + 1);
        EXPECT_CELL_NUMBER(back, "F" + std::to_string(36 + i), 110 + i);
        EXPECT_CELL_NUMBER(back, "I" + std::to_string(36 + i), 7 * i);
    }

    // The right part moved from O8 to A42 (T = 40 raised to 42): 34 rows down, 14 columns left.
    EXPECT_CELL_NUMBER(back, "B43", 9.81);                       // P9
    EXPECT_CELL_NUMBER(back, "H44", 118);                        // V10
    EXPECT_CELL_NUMBER(back, "K45", 104);                        // Y11
    EXPECT_EQ(back["H53"], "s:USACE 1995");                      // V19
    EXPECT_EQ(back["H51"], "s:Muskat (1937)");                   // V17, the drain formula's reference
    EXPECT_EQ(back["D56"], "s:Uplift pressures are considered as an external load (linearisation of effective stresses)");
    // Drain efficiency (two rows) from S28: joint 1 and 2, then the base on the left.
    EXPECT_CELL_NUMBER(back, "E62", 1);
    EXPECT_CELL_NUMBER(back, "F62", 105);
    EXPECT_CELL_NUMBER(back, "G62", 0.6);
    EXPECT_CELL_NUMBER(back, "J62", 2);
    EXPECT_EQ(back["L62"], "");  // joint 2's efficiency is 0
    EXPECT_EQ(back["E63"], "s:Base");
    EXPECT_CELL_NUMBER(back, "G63", 0.7);
    // Post-tensioning (R33 → D67) and forces from S42 → E76, one row inserted for the third.
    EXPECT_CELL_NUMBER(back, "D67", 2);
    EXPECT_EQ(back["D70"], "s:Passive");
    EXPECT_CELL_NUMBER(back, "K69", 60);
    for (int i = 0; i < 3; ++i) {
        const std::string row = std::to_string(76 + i);
        EXPECT_CELL_NUMBER(back, "E" + row, i + 1);
        EXPECT_CELL_NUMBER(back, "F" + row, 115 + i);
        EXPECT_CELL_NUMBER(back, "H" + row, 2 + i);
        EXPECT_CELL_NUMBER(back, "J" + row, 10 + i);
        EXPECT_CELL_NUMBER(back, "L" + row, -20 - i);
        EXPECT_TRUE(back.Merges.count("F" + row + ":G" + row)) << row;
        EXPECT_TRUE(back.Merges.count("L" + row + ":M" + row)) << row;
    }
    // Each label of the forces' header (T41 → F75) spans its pair of columns once.
    const char* const header[][3] = {{"F", "G", "Elevation"}, {"H", "I", "x"}, {"J", "K", "Horizontal force"},
                                     {"L", "M", "Vertical force"}};
    for (const auto& [first, second, label] : header) {
        EXPECT_EQ(back[first + std::string("75")], "s:" + std::string(label));
        EXPECT_EQ(back[second + std::string("75")], "") << label;
        EXPECT_TRUE(back.Merges.count(first + std::string("75:") + second + "75")) << label;
    }
    // Seismic and cracking blocks, one row lower for the inserted force.
    EXPECT_CELL_NUMBER(back, "F81", 0.2);    // T46
    EXPECT_EQ(back["L83"], "s:no limit");    // Z48
    EXPECT_EQ(back["M83"], "");              // AA48 emptied
    EXPECT_EQ(back["F85"], "s:Cos²(angle)");
    EXPECT_EQ(back["F98"], "s:SRSS combination");  // T63
    EXPECT_CELL_NUMBER(back, "L88", 10);     // Z53 slices
    EXPECT_CELL_NUMBER(back, "L97", 0.1);    // Z62 damping
    EXPECT_EQ(back["F106"], "s:Yes");        // T71
    EXPECT_EQ(back["C109"], "s:Bi-section"); // Q74
    EXPECT_EQ(back["J107"], "s:ft / 1.000"); // X72
    EXPECT_CELL_NUMBER(back, "L109", 1.5);   // Z74
    EXPECT_EQ(back["K109"], "");
    EXPECT_EQ(back["I111"], "s:Full uplift pressures applied to the crack section");  // W76
    EXPECT_EQ(back["I115"], "s:No drain effectiveness when crack is beyond drain line");
    ExpectNothingBeyond(back, 115, 13);
}

TEST(ExcelOLETests, InputWorkbookOfABareModelKeepsOneRowPerTableAndDropsUnusedBlocks)
{
    TempFolder folder;
    TParametres model = MakeModel(TriangleSection());
    SizeCracks(model.Cracks, 0);
    SizeJointMaterials(model.JointMaterials, 0);
    model.DrainEfficiency.Joint.SetLength(1);
    model.unites = US;
    model.Donnees.Include(daGeometry);
    const TXlsxReadBack back = Export(model, caGeometry, folder);
    ASSERT_TRUE(back.Read);
    EXPECT_EQ(back["J5"], "s:Imperial");
    EXPECT_EQ(back["E12"], "s:Base joint");
    EXPECT_EQ(back["E13"], "");
    EXPECT_EQ(back["E18"], "s:Base");  // the one joint row
    EXPECT_CELL_NUMBER(back, "K18", 16);
    EXPECT_EQ(back["E19"], "");
    EXPECT_EQ(back["E24"], "s:Base");  // the one crack row
    EXPECT_EQ(back["G24"], "s:-");
    EXPECT_EQ(back["E25"], "");
    // No masses: the right part lands at row 42; without drains, forces, drain efficiency,
    // post-tensioning, seismic and cracking only the reservoir block remains.
    EXPECT_CELL_NUMBER(back, "B43", 9.81);
    EXPECT_EQ(back["D56"], "s:Uplift pressures are considered as an external load (linearisation of effective stresses)");
    EXPECT_EQ(back["E48"], "");  // the drainage block went
    ExpectNothingBeyond(back, 56, 13);
}

TEST(ExcelOLETests, LoadsWorkbookListsEveryLoadBesideItsArm)
{
    TempFolder folder;
    TParametres model = AnalysisModel();  // two lift joints, pseudo-static, no pseudo-dynamic
    TSilentAnalysisHost host;
    RunAnalysis(model, host);
    const TXlsxReadBack back = Export(model, caLoads, folder);
    ASSERT_TRUE(back.Read);
    EXPECT_EQ(back["M5"], "s:Metric");
    const Tjointload& l = model.JointLoad;
    // The four pseudo-dynamic tables went (36 rows); each remaining table grew by one row, so
    // they start at 13, 23, 33, 44 and 54.
    struct Row {
        int first;
        DynArray<double> Tjointload::*load;
        DynArray<double> Tjointload::*arm;
        const char* loadColumn;
        const char* armColumn;
    };
    const Row rows[] = {
        {13, &Tjointload::Wv, &Tjointload::xW, "C", "D"},     {13, &Tjointload::HNu, &Tjointload::yHNu, "G", "H"},
        {13, &Tjointload::UN, &Tjointload::xUN, "Q", "R"},    {23, &Tjointload::HFu, &Tjointload::yHFu, "G", "H"},
        {44, &Tjointload::Qh, &Tjointload::yQh, "C", "D"},    {44, &Tjointload::HDu, &Tjointload::yHDu, "K", "L"},
        {54, &Tjointload::Qhp, &Tjointload::yQhp, "C", "D"},  {54, &Tjointload::HDup, &Tjointload::yHDup, "K", "L"},
    };
    for (const Row& r : rows)
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            const std::string row = std::to_string(r.first + i);
            ASSERT_NE((l.*r.load)[j], 0) << r.loadColumn << row;
            EXPECT_CELL_NUMBER(back, r.loadColumn + row, (l.*r.load)[j]);
            EXPECT_CELL_NUMBER(back, r.armColumn + row, (l.*r.arm)[j]);
        }
    for (int first : {13, 23, 33, 44, 54}) {
        EXPECT_CELL_NUMBER(back, "A" + std::to_string(first), 1);
        EXPECT_CELL_NUMBER(back, "B" + std::to_string(first), 105);
        EXPECT_CELL_NUMBER(back, "B" + std::to_string(first + 1), 112);
        EXPECT_EQ(back["B" + std::to_string(first + 2)], "s:Base");
    }
    // A load of 0 (no masses, no post-tensioning) leaves both its cells empty.
    EXPECT_EQ(back["E13"], "");
    EXPECT_EQ(back["F13"], "");
    EXPECT_EQ(back["C33"], "");
    ExpectNothingBeyond(back, 56, 22);
}

TEST(ExcelOLETests, LoadsWorkbookShowsOnlyThePairOfTheModeCombinationRule)
{
    TempFolder folder;
    for (TChopraCombination rule : {ccFirst, ccSRSS, ccAbs}) {
        TParametres full = AnalysisModel();
        full.Donnees.Include(daPseudoDynamic);
        full.ChopraCombination = rule;
        TSilentAnalysisHost host;
        RunAnalysis(full, host);
        const TXlsxReadBack back = Export(full, caLoads, folder);
        ASSERT_TRUE(back.Read);
        // Table 4 (pseudo-dynamic, peak) starts at 60 + 5 (the five tables above grew by a row);
        // its SRSS pair is in S:T, its absolute-value pair in U:V.
        const double emc = full.JointLoad.EMc[1];
        ASSERT_NE(emc, 0);
        auto holdsEMc = [&](const char* address) { return std::fabs(Number(back, address) - emc) < 1e-9 * std::fabs(emc); };
        EXPECT_EQ(holdsEMc("S65"), rule == ccSRSS) << rule;
        EXPECT_EQ(holdsEMc("U65"), rule == ccAbs) << rule;
        EXPECT_EQ(back["S65"].empty(), rule != ccSRSS) << rule;
        EXPECT_EQ(back["U65"].empty(), rule != ccAbs) << rule;
        EXPECT_CELL_NUMBER(back, "C65", full.JointLoad.EQ1[1]);
    }
}

TEST(ExcelOLETests, ResultsWorkbookPlacesTheTablesOfTheSelectedCases)
{
    struct Case {
        std::vector<int> selected;
        std::vector<int> stressRows;  // first data row of each selected case's stress table
    };
    // Two lift joints: each selected case above adds 2 rows (one per table), each unselected
    // case above removes its 18 rows.
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 7}, {26, 47, 68, 89, 110, 131, 152}},
        {{7}, {32}},
        {{2, 5}, {27, 50}},
        {{}, {}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        TParametres model = AnalysisModel();
        TSilentAnalysisHost host;
        RunAnalysis(model, host);
        for (int k = 1; k <= 7; ++k)
            model.LoadCombination.Selected[k] =
                std::find(c.selected.begin(), c.selected.end(), k) != c.selected.end();
        const TXlsxReadBack back = Export(model, caResult, folder);
        ASSERT_TRUE(back.Read);
        const TJoint& joint = model.Joint;
        int lastRow = 18;
        for (size_t i = 0; i < c.selected.size(); ++i) {
            const int k = c.selected[i], s = c.stressRows[i], t = s + 2 + 8;
            for (int r = 0; r < 3; ++r) {
                const int j = (r + 1) % 3;
                const std::string sr = std::to_string(s + r), tr = std::to_string(t + r);
                if (j == 0) {
                    EXPECT_EQ(back["B" + sr], "s:Base");
                    EXPECT_EQ(back["B" + tr], "s:Base");
                } else {
                    EXPECT_CELL_NUMBER(back, "B" + sr, joint.Elev[j]);
                }
                EXPECT_CELL_NUMBER(back, "A" + sr, r + 1);
                EXPECT_CELL_NUMBER(back, "G" + sr, joint.Stress.normal.Up[k][j]);
                EXPECT_CELL_NUMBER(back, "H" + sr, joint.Stress.normal.Down[k][j]);
                EXPECT_CELL_NUMBER(back, "I" + sr, 0);  // no required tension factor in this model
                const double peak = joint.SafetyFactor.Sliding.Peak[k][j];
                if (peak < 100)
                    EXPECT_CELL_NUMBER(back, "C" + tr, peak);
                else
                    EXPECT_EQ(back["C" + tr], "s:> 100");
                EXPECT_CELL_NUMBER(back, "H" + tr, joint.Resultants.Normal[k][j]);
                EXPECT_CELL_NUMBER(back, "L" + tr, model.JointLoad.U[k][j]);
            }
            EXPECT_EQ(back["B" + std::to_string(t + 3)], "s:Required") << k;
            // The title rows of both tables: auto-fitted afterwards to their 12-point font.
            EXPECT_EQ(back["A" + std::to_string(s - 6)].rfind("s:", 0), 0u) << k;
            lastRow = t + 3;
        }
        // Load factors: usual column D, flood F, seismic #1 H, seismic #2 J, post-seismic L.
        EXPECT_CELL_NUMBER(back, "D9", 1);
        EXPECT_EQ(back["D11"], "n:1.0");  // Hnd of the usual case, normal reservoir present
        EXPECT_EQ(back["F10"], "n:1.0");  // Hfu of the flood case
        EXPECT_EQ(back["D13"], "");       // silt factor without silt input
        EXPECT_CELL_NUMBER(back, "H17", 1);  // QH of seismic #1 with pseudo-static input
        EXPECT_EQ(back["D17"], "");          // the usual case has no seismic factor
        ExpectNothingBeyond(back, lastRow, 16);
    }
}

TEST(ExcelOLETests, DamToolWritesTheWorkbooksOfAModelFile)
{
    TempFolder folder;
    TParametres model = FullInputModel();
    const std::string dam = folder / "model.dam";
    ASSERT_TRUE(SaveModelFile(String(dam), model));
    for (const char* kind : {"input", "loads", "results"}) {
        const std::string out = folder / (std::string(kind) + ".xlsx");
        const std::string command = std::string(DAMTOOL) + " workbook '" + dam + "' " + kind + " '" + out + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << kind;
        const TXlsxReadBack back = ReadXlsxBack(XLSX_DUMP, out);
        ASSERT_TRUE(back.Read) << kind;
        EXPECT_EQ(back[kind == std::string("loads") ? "F2" : "C2"], "s:Check 2024") << kind;
    }
    // A refused request or an unwritable file leaves no file behind.
    EXPECT_NE(std::system((std::string(DAMTOOL) + " workbook '" + dam + "' bogus x.xlsx 2>/dev/null").c_str()), 0);
    const std::string blocked = folder / "no/such/folder/out.xlsx";
    EXPECT_NE(std::system((std::string(DAMTOOL) + " workbook '" + dam + "' input '" + blocked + "' 2>/dev/null").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "no"));
}

TEST(ExcelOLETests, InputWorkbookListsDrainEfficiencyTwoJointsARowAndDropsTheUnusedBlocks)
{
    // Four lift joints, only the base material, one mass, one force, drains with the drain
    // formula; no post-tensioning, seismic or cracking input.
    TempFolder folder;
    TParametres m = MakeModel(TriangleSection(), {{104, 0}, {108, 0}, {112, 0}, {116, 0}});
    SizeCracks(m.Cracks, 4);
    SizeJointMaterials(m.JointMaterials, 0);
    m.DrainEfficiency.Joint.SetLength(5);
    for (int j = 0; j <= 4; ++j) m.DrainEfficiency.Joint[j] = 0.5 + j / 10.0;
    m.NMasses = 1;
    m.Masses.Elem.SetLength(1);
    m.Masses.Elem[0] = {4, 118, 30, 40};
    m.NForces = m.Force.count = 1;
    m.Force.Elem.SetLength(1);
    m.Force.Elem[0] = {6, 117, 50, 60};
    m.Drain = m.DrainEfficiency.Activated = true;
    m.Drainage.Code = cCDSA;
    m.Drainage.Alternative = 2;
    m.Drainage.K2 = 0.25;
    const TXlsxReadBack back = Export(m, caGeometry, folder);
    ASSERT_TRUE(back.Read);
    EXPECT_EQ(back["E12"], "s:Base joint");
    // Joints on rows 18 to 22, cracks on 28 to 32, the one mass on 38.
    EXPECT_CELL_NUMBER(back, "G21", 116);
    EXPECT_EQ(back["E22"], "s:Base");
    EXPECT_CELL_NUMBER(back, "E31", 4);
    EXPECT_EQ(back["E32"], "s:Base");
    EXPECT_CELL_NUMBER(back, "F38", 118);
    EXPECT_CELL_NUMBER(back, "I38", 40);
    EXPECT_EQ(back["E39"], "");
    // The right part from row 42: drainage with the guideline constant, the drain-efficiency
    // table on three rows (joints 1 and 2, 3 and 4, then the base alone), the one force.
    EXPECT_EQ(back["H51"], "s:Muskat (1937)");
    EXPECT_EQ(back["H53"], "s:CDSA 1995- Alternative 2");
    EXPECT_EQ(back["H54"], "s:K2 = 0.250");
    const struct {
        const char* cell;
        double value;
    } efficiencies[] = {{"E62", 1}, {"F62", 104}, {"G62", 0.6}, {"J62", 2}, {"K62", 108}, {"L62", 0.7},
                        {"E63", 3}, {"F63", 112}, {"G63", 0.8}, {"J63", 4}, {"K63", 116}, {"L63", 0.9},
                        {"F64", 100}, {"G64", 0.5}};
    for (const auto& e : efficiencies) EXPECT_CELL_NUMBER(back, e.cell, e.value);
    EXPECT_EQ(back["E64"], "s:Base");
    EXPECT_EQ(back["J64"], "");
    EXPECT_TRUE(back.Merges.count("G63:H63") && back.Merges.count("L63:M63"));
    EXPECT_CELL_NUMBER(back, "E70", 1);
    EXPECT_CELL_NUMBER(back, "F70", 117);
    EXPECT_CELL_NUMBER(back, "L70", 60);
    ExpectNothingBeyond(back, 70, 13);
}

TEST(ExcelOLETests, LoadsWorkbookOfADamWithoutLiftJointsKeepsTheBaseRowOfEveryTable)
{
    TempFolder folder;
    TParametres m = MakeModel(TriangleSection());
    m.JointLoad.Wv[0] = 3766.752;
    m.JointLoad.xW[0] = 5.333;
    m.Donnees.Include(daPseudoStatic);
    const TXlsxReadBack back = Export(m, caLoads, folder);
    ASSERT_TRUE(back.Read);
    // Each table lost one row; the tables below the first moved up accordingly.
    for (int first : {13, 21, 29, 38, 46}) {
        EXPECT_CELL_NUMBER(back, "A" + std::to_string(first), 1);
        EXPECT_EQ(back["B" + std::to_string(first)], "s:Base") << first;
        EXPECT_EQ(back["A" + std::to_string(first + 1)], "") << first;
    }
    EXPECT_CELL_NUMBER(back, "C13", 3766.752);
    EXPECT_CELL_NUMBER(back, "D13", 5.333);
    EXPECT_EQ(back["E13"], "");
    ExpectNothingBeyond(back, 46, 22);
}

// Every selection of load cases, on the workbook in memory: the stress and stability tables of
// exactly the selected cases, in case order, each holding its own case's results.
TEST(ExcelOLETests, ResultsWorkbookOfEverySelectionOfCases)
{
    const char* const titles[] = {"Usual combination",
                                  "Flood combination",
                                  "Seismic #1 combination: stress analysis",
                                  "Seismic #1 combination: stability analysis",
                                  "Seismic #2 combination: stress analysis",
                                  "Seismic #2 combination: stability analysis",
                                  "Post-seismic combination"};
    TParametres analysed = AnalysisModel();
    TSilentAnalysisHost host;
    RunAnalysis(analysed, host);
    for (int selection = 0; selection < 128; ++selection) {
        TParametres model = analysed;
        std::vector<std::pair<int, bool>> expected;  // case, stress table (else stability)
        for (int k = 1; k <= 7; ++k) {
            model.LoadCombination.Selected[k] = (selection >> (k - 1)) & 1;
            if (!model.LoadCombination.Selected[k]) continue;
            expected.emplace_back(k, true);
            expected.emplace_back(k, false);
        }
        TWorkbook book;
        MakeExcelWorkbook(book, model, caResult, ProgramData);
        std::vector<std::pair<int, bool>> found;
        for (int row = 19; row <= book.LastRow(); ++row) {
            const String title = book.Value(row, 1).Text;
            for (int k = 1; k <= 7; ++k) {
                if (title != titles[k - 1]) continue;
                const bool stress = book.Value(row + 1, 1).Text == "Stresses and crack lengths";
                found.emplace_back(k, stress);
                const int data = row + 6;
                EXPECT_EQ(book.Value(data, 1), TCellValue(1)) << selection << " row " << data;
                EXPECT_EQ(book.Value(data, 2), TCellValue(105.0)) << selection << " row " << data;
                EXPECT_EQ(book.Value(data + 2, 2), TCellValue("Base")) << selection << " row " << data;
                const TCellValue value = book.Value(data, stress ? 7 : 8);
                const double wanted = stress ? model.Joint.Stress.normal.Up[k][1] : model.Joint.Resultants.Normal[k][1];
                EXPECT_EQ(value, TCellValue(wanted)) << selection << " row " << data;
            }
        }
        EXPECT_EQ(found, expected) << "selection " << selection;
    }
}

// The sample dam (five lift joints, every load family) and the cracked triangular dam: every
// load of every table beside its lever arm, at the row where the growing tables put it.
TEST(ExcelOLETests, LoadsWorkbookHoldsEveryLoadAndArmOfEveryJointInItsCell)
{
    using L = Tjointload;
    using TArray = DynArray<double> Tjointload::*;
    struct TPair {
        TArray Load, Arm;
    };
    // The nine tables from the top of the sheet down, as the template lays them out for one
    // lift joint; the two mode-combination pairs are columns S:T (SRSS) and U:V (absolute).
    struct TTable {
        int TemplateRow;
        bool PseudoStatic, PseudoDynamic;
        std::vector<TPair> Pairs;
    };
    const TTable tables[] = {
        {13, false, false,
         {{&L::Wv, &L::xW}, {&L::Mv, &L::xMv}, {&L::HNu, &L::yHNu}, {&L::VNu, &L::xVNu}, {&L::HNd, &L::yHNd},
          {&L::VNd, &L::xVNd}, {&L::VNc, &L::xVNc}, {&L::UN, &L::xUN}, {&L::I, &L::yI}}},
        {22, false, false,
         {{&L::Sh, &L::ySh}, {&L::Sv, &L::xSv}, {&L::HFu, &L::yHFu}, {&L::VFu, &L::xVFu}, {&L::HFd, &L::yHFd},
          {&L::VFd, &L::xVFd}, {&L::VFc, &L::xVFc}, {&L::UF, &L::xUF}}},
        {31, false, false, {{&L::Pc, &L::xPc}, {&L::Pv, &L::xPv}, {&L::Ph, &L::yPh}, {&L::FH, &L::yFH}, {&L::FV, &L::xFV}}},
        {41, true, false,
         {{&L::Qh, &L::yQh}, {&L::Qv, &L::xQv}, {&L::Mdh, &L::yMdh}, {&L::Mdv, &L::xMdv}, {&L::HDu, &L::yHDu},
          {&L::VDu, &L::xVDu}, {&L::HDd, &L::yHDd}, {&L::VDd, &L::xVDd}, {&L::SDh, &L::ySDh}, {&L::SDv, &L::xSDv}}},
        {50, true, false,
         {{&L::Qhp, &L::yQhp}, {&L::Qvp, &L::xQvp}, {&L::Mdhp, &L::yMdhp}, {&L::Mdvp, &L::xMdvp},
          {&L::HDup, &L::yHDup}, {&L::VDup, &L::xVDup}, {&L::HDdp, &L::yHDdp}, {&L::VDdp, &L::xVDdp},
          {&L::SDhp, &L::ySDhp}, {&L::SDvp, &L::xSDvp}}},
        {60, false, true,
         {{&L::EQ1, &L::yEQ1}, {&L::HD1, &L::yHD1}, {&L::Mqh1, &L::yMqh1}, {&L::EM1, &L::yEM1}, {&L::EQs, &L::yEQs},
          {&L::Hds, &L::yHds}, {&L::Mqhs, &L::yMqhs}, {&L::EMs, &L::yEMs}, {&L::EMc, &L::yEMc}, {&L::EMc, &L::yEMc}}},
        {69, false, true,
         {{&L::EQv, &L::xEQv}, {&L::VDu, &L::xVDu}, {&L::VDd, &L::xVDd}, {&L::Mdv, &L::xMdv}, {&L::SDv, &L::xSDv},
          {&L::HDd, &L::yHDd}, {&L::SDh, &L::ySDh}}},
        {78, false, true,
         {{&L::EQ1p, &L::yEQ1p}, {&L::HD1p, &L::yHD1p}, {&L::Mqh1p, &L::yMqh1p}, {&L::EM1p, &L::yEM1p},
          {&L::EQsp, &L::yEQsp}, {&L::Hdsp, &L::yHdsp}, {&L::Mqhsp, &L::yMqhsp}, {&L::EMsp, &L::yEMsp},
          {&L::EMcp, &L::yEMcp}, {&L::EMcp, &L::yEMcp}}},
        {87, false, true,
         {{&L::EQvp, &L::xEQvp}, {&L::VDup, &L::xVDup}, {&L::VDdp, &L::xVDdp}, {&L::Mdvp, &L::xMdvp},
          {&L::SDvp, &L::xSDvp}, {&L::HDdp, &L::yHDdp}, {&L::SDhp, &L::ySDhp}}},
    };
    TempFolder folder;
    for (const char* name : {"sample.dam", "triangle.dam"}) {
        TParametres model = AnalysedTestModel(name);
        const TXlsxReadBack back = Export(model, caLoads, folder);
        ASSERT_TRUE(back.Read) << name;
        const int N = model.NJoints;
        const Tjointload& l = model.JointLoad;
        // Each table above grew by N - 1 rows; a missing family took its 9 rows away.
        int shift = 0, lastRow = 0, shown = 0;
        for (const TTable& t : tables) {
            if ((t.PseudoStatic && !model.Donnees.Contains(daPseudoStatic)) ||
                (t.PseudoDynamic && !model.Donnees.Contains(daPseudoDynamic))) {
                shift -= 9;
                continue;
            }
            ++shown;
            const int first = t.TemplateRow + shift;
            for (int r = 1; r <= N + 1; ++r) {
                const int j = r % (N + 1), row = first + r - 1;
                ExpectCell(back, 1, row, Num(r));
                ExpectCell(back, 2, row, j == 0 ? Txt("Base") : Num(model.Joint.Elev[j]));
                for (size_t p = 0; p < t.Pairs.size(); ++p) {
                    const int column = 3 + 2 * static_cast<int>(p);
                    const double load = (l.*t.Pairs[p].Load)[j];
                    bool written = load != 0 || (t.TemplateRow == 13 && p == 0);
                    // The two mode-combination pairs of the pseudo-dynamic horizontal tables.
                    const bool modePairs = t.PseudoDynamic && t.Pairs.size() == 10;
                    if (modePairs && column == 19) written = written && model.ChopraCombination == ccSRSS;
                    if (modePairs && column == 21) written = written && model.ChopraCombination == ccAbs;
                    ExpectCell(back, column, row, NumIf(written, load));
                    ExpectCell(back, column + 1, row, NumIf(written, (l.*t.Pairs[p].Arm)[j]));
                }
                for (int column = 3 + 2 * static_cast<int>(t.Pairs.size()); column <= 22; ++column)
                    ExpectCell(back, column, row, {});
            }
            shift += N - 1;
            lastRow = first + N;
        }
        EXPECT_EQ(shown, std::string(name) == "sample.dam" ? 9 : 5);
        ExpectNothingBeyond(back, lastRow + 1, 22);
    }
}

// Every column of the stress and stability tables and the required factors below each
// stability table, for every case of the sample dam and of the cracked triangular dam.
TEST(ExcelOLETests, ResultsWorkbookHoldsEveryColumnOfEveryTableInItsCell)
{
    TempFolder folder;
    for (const char* name : {"sample.dam", "triangle.dam"}) {
        TParametres model = AnalysedTestModel(name);
        TParametres check = model;   // for the shear distributions, computed apart
        const TXlsxReadBack back = Export(model, caResult, folder);
        ASSERT_TRUE(back.Read) << name;
        const int N = model.NJoints;
        const TJoint& joint = check.Joint;
        auto factor = [](double value) { return value < 100 ? Num(value) : Txt("> 100"); };
        bool cracked = false;
        int p = 0, q = 0;
        for (int k = 1; k <= 7; ++k) {
            if (!model.LoadCombination.Selected[k]) {
                ++q;
                continue;
            }
            const int s = 19 * k + 7 - 18 * q + 2 * (N - 1) * p, t = s + N + 8;
            ++p;
            const TFactors& required = k == 1   ? model.SafetyFactors.Usual
                                       : k == 2 ? model.SafetyFactors.Flood
                                       : k <= 4 ? model.SafetyFactors.Seismic1
                                       : k <= 6 ? model.SafetyFactors.Seismic2
                                                : model.SafetyFactors.PostSeismic;
            for (int r = 1; r <= N + 1; ++r) {
                const int j = r % (N + 1);
                const TExpected elevation = j == 0 ? Txt("Base") : Num(joint.Elev[j]);
                const double up = joint.CrackLength.Up[k][j], down = joint.CrackLength.Down[k][j];
                const double length = joint.Length[j];
                cracked = cracked || up != 0 || down != 0;
                const TProprietes& material = model.JointMaterials[joint.mat[j]];
                TShearDistribution shear;
                const bool sheared = joint.Resultants.Shear[k][j] != 0;
                if (sheared) ComputeShearDistribution(check, k, j, shear);
                const TExpected stress[14] = {Num(r),
                                              elevation,
                                              NumIf(up != 0, up * 100),
                                              NumIf(up != 0, up * length),
                                              NumIf(down != 0, -down * 100),
                                              NumIf(down != 0, -down * length),
                                              Num(joint.Stress.normal.Up[k][j]),
                                              Num(joint.Stress.normal.Down[k][j]),
                                              Num(required.Tension * material.ft),
                                              Num(-required.Compression * material.fc),
                                              NumIf(sheared, joint.Stress.shear.Up[k][j]),
                                              NumIf(sheared, shear.Extreme),
                                              NumIf(sheared, shear.Position),
                                              NumIf(sheared, joint.Stress.shear.Down[k][j])};
                for (int c = 1; c <= 14; ++c) ExpectCell(back, c, s + r - 1, stress[c - 1]);
                const TSafetyFactor& sf = joint.SafetyFactor;
                const double uplift = model.JointLoad.U[k][j];
                const TExpected stability[13] = {Num(r),
                                                 elevation,
                                                 factor(sf.Sliding.Peak[k][j]),
                                                 factor(sf.Sliding.Residual[k][j]),
                                                 factor(sf.Overturning.Up[k][j]),
                                                 factor(sf.Overturning.Down[k][j]),
                                                 factor(sf.Uplifting[k][j]),
                                                 Num(joint.Resultants.Normal[k][j]),
                                                 Num(joint.Resultants.Shear[k][j]),
                                                 Num(joint.Resultants.Moment[k][j]),
                                                 Num(joint.Resultants.Position[k][j]),
                                                 NumIf(uplift != 0, uplift),
                                                 NumIf(uplift != 0, joint.RockWedge[k][j])};
                for (int c = 1; c <= 13; ++c) ExpectCell(back, c, t + r - 1, stability[c - 1]);
            }
            const double requiredRow[5] = {required.Peak, required.Residual, required.Overturning,
                                           required.Overturning, required.Uplifting};
            for (int c = 3; c <= 7; ++c) ExpectCell(back, c, t + N + 1, Num(requiredRow[c - 3]));
        }
        EXPECT_TRUE(cracked || std::string(name) != "triangle.dam") << name;
    }
}
