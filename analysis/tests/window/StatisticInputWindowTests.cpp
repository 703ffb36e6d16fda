// The Monte-Carlo input window on the test driver: the rows filled from the model and enabled by
// their boxes, the combinations offered, the checks at OK with their warning box, the user
// density files, the warning balloons of the quantities and the output options.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "analysis/StatisticDlg.h"
#include "analysis/StatisticOptions.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "styledcontrols/StyMessageHint.h"
#include "styledcontrols/StySpinEdit.h"

namespace {

const char* const IllegalValues = "Illegal values \rex: std. dev <= 0\r"
                                  "no null or negative values for a Log-Normal distribution\r"
                                  "Range is set higher than a total of 10 standard deviations";

// The sample with its usual and first seismic combinations selected, and a study of the tensile
// strength (row 1, normal) and the peak cohesion (row 2, uniform, not selected).
TParametres StudyModel()
{
    TParametres m = ReadTestModel("sample.dam");
    TCaseArray<bool>& selected = m.LoadCombination.Selected;
    for (int k = 1; k <= NLoadCases; ++k) selected[k] = k == 1 || k == 3;
    TStatistiques& st = m.Statistiques;
    for (int r = 1; r <= NRandomVariables; ++r) {
        st.Selection[r] = false;
        st.NumeroParametre[r] = 0;
        st.Distribution[r] = 0;
    }
    st.Selection[1] = true;
    st.NumeroParametre[1] = 1;
    st.Moyenne[1] = 250;
    st.Deviation[1] = 25;
    st.Minimum[1] = 200;
    st.Maximum[1] = 300;
    st.Distribution[1] = 1;
    st.NumeroParametre[2] = 2;
    st.Moyenne[2] = 100.5;
    st.Minimum[2] = 50;
    st.Maximum[2] = 150;
    st.NombreAnalyses = 20000;
    st.AnalysesDemandees = true;
    st.Combination = 3;
    return m;
}

TModalResult WithInputWindow(const TParametres& model, const std::function<void(TStatisticDlg*)>& act,
                             TParametres* after = nullptr)
{
    return WithModalInputWindow<TStatisticDlg>(model, act, after);
}

bool RowEnabled(TStatisticDlg* w, int r)
{
    return w->Quantities[r]->Enabled() && w->Means[r]->Enabled() && w->Deviations[r]->Enabled() &&
           w->Lows[r]->Enabled() && w->Highs[r]->Enabled() && w->Distributions[r]->Enabled();
}

TEST(StatisticInput, OpensOnTheModelsStudy)
{
    TParametres m = StudyModel();
    m.Statistiques.NombreAnalyses = 10;   // below the spin edit's range
    WithInputWindow(m, [&](TStatisticDlg* w) {
        EXPECT_EQ(w->Caption(), "Probabilistic Analyses");
        EXPECT_EQ(w->HelpContext(), 830);
        EXPECT_FALSE(w->KeyPreview());   // Enter keeps its ordinary effect in the controls
        EXPECT_EQ(w->ClientWidth(), 778);
        EXPECT_EQ(w->ClientHeight(), 521);
        const std::vector<String> quantities = {
            "None                     ", "Tensile strength (ft)    ", "Cohesion (peak)          ",
            "Cohesion (residual)      ", "Peak Friction coefficient", "Res. Friction coefficient",
            "Normal U/S reservoir elev", "U/S Res. increase (Flood)", "Silt Elevation           ",
            "Silt volumetric weight   ", "Drain Efficiency (ke)    ", "Floating debris          ",
            "Ice load                 ", "Last applied force       ", "Hor. peak ground acceler."};
        const std::vector<String> distributions = {"uniform", "normal", "log-normal", "User defined"};
        for (int r = 1; r <= NRandomVariables; ++r) {
            EXPECT_EQ(Items(w->Quantities[r]), quantities) << r;
            EXPECT_EQ(Items(w->Distributions[r]), distributions) << r;
            EXPECT_EQ(w->RowBoxes[r]->Checked(), r == 1) << r;
            EXPECT_EQ(RowEnabled(w, r), r == 1) << r;
        }
        // Row 11 has the last four edits.
        EXPECT_EQ(w->Means[11]->Name(), "RxCalcEdit41");
        EXPECT_EQ(w->Highs[11]->Name(), "RxCalcEdit44");
        EXPECT_EQ(w->Highs[10]->Name(), "RxCalcEdit40");
        EXPECT_EQ(w->Quantities[1]->ItemIndex(), 1);
        EXPECT_EQ(w->Units[1]->Caption(), "kPa ");
        EXPECT_EQ(w->Quantities[2]->ItemIndex(), 2);
        EXPECT_EQ(w->Units[3]->Caption(), "    ");
        EXPECT_DOUBLE_EQ(static_cast<double>(w->Means[2]->Value()), 100.5);
        EXPECT_DOUBLE_EQ(static_cast<double>(w->Highs[1]->Value()), 300);
        EXPECT_EQ(w->Distributions[1]->ItemIndex(), 1);
        EXPECT_EQ(w->StySpinEdit1->Value(), 1000);
        EXPECT_EQ(w->StySpinEdit1->MaxValue(), 10000000);
        EXPECT_EQ(w->StySpinEdit1->LineSize(), 1000);
        EXPECT_TRUE(w->CheckBox12->Checked());
        EXPECT_TRUE(w->ButtonOptions->Enabled());
        EXPECT_FALSE(w->Button1->Visible());
        // Only the selected combinations are offered; the stored one is chosen.
        EXPECT_EQ(Items(w->ComboLoad), (std::vector<String>{"Usual", "Seismic #1"}));
        EXPECT_EQ(w->ComboLoad->Text(), "Seismic #1");
    });
}

// The list offers the selected combinations in a fixed order; a stored combination the list
// lacks falls back to the usual one, which may itself be missing.
TEST(StatisticInput, CombinationsFollowTheModel)
{
    struct Case {
        std::vector<int> selected;
        Integer postSeismic, stored;
        std::vector<String> entries;
        String shown;
        Integer opened;
    };
    const Case cases[] = {
        {{1, 2, 3, 5, 7}, 2, 7, {"Usual", "Flood", "Seismic #1", "Seismic #2", "Post-seismic #2"}, "Post-seismic #2", 7},
        {{1, 3}, 1, 5, {"Usual", "Seismic #1"}, "Usual", 1},
        {{2, 5}, 1, 3, {"Flood", "Seismic #2"}, "", 1},
        {{2, 5}, 1, 4, {"Flood", "Seismic #2"}, "", 4},
        {{7}, 1, 7, {"Post-seismic #1"}, "Post-seismic #1", 7},
    };
    for (const Case& c : cases) {
        TParametres m = StudyModel();
        for (int k = 1; k <= NLoadCases; ++k) m.LoadCombination.Selected[k] = false;
        for (int k : c.selected) m.LoadCombination.Selected[k] = true;
        m.Charges.PostSeismic = c.postSeismic;
        m.Statistiques.Combination = c.stored;
        TParametres after;
        WithInputWindow(m, [&](TStatisticDlg* w) {
            EXPECT_EQ(Items(w->ComboLoad), c.entries) << c.stored;
            EXPECT_EQ(w->ComboLoad->Text(), c.shown) << c.stored;
        }, &after);
        EXPECT_EQ(after.Statistiques.Combination, c.opened) << c.stored;
    }
    // Choosing an entry stores its combination at once, kept even when the window is cancelled.
    TParametres after;
    WithInputWindow(StudyModel(), [&](TStatisticDlg* w) {
        Choose(w->ComboLoad, 0);
        EXPECT_EQ(w->param.Statistiques.Combination, 1);
        Choose(w->ComboLoad, 1);
        EXPECT_EQ(w->param.Statistiques.Combination, 3);
        TestClick(w->ButtonCancel, 4, 4);
    }, &after);
    EXPECT_EQ(after.Statistiques.Combination, 3);
}

// A row's box enables its controls and moves the focus to its mean; "Output options" is enabled
// while any box is checked, whatever the rows' quantities.
TEST(StatisticInput, RowBoxesEnableTheirRows)
{
    TParametres m = StudyModel();
    m.Statistiques.Selection[1] = false;
    WithInputWindow(m, [&](TStatisticDlg* w) {
        EXPECT_FALSE(w->ButtonOptions->Enabled());
        EXPECT_FALSE(RowEnabled(w, 1));
        TestClick(w->RowBoxes[3], 4, 8);
        EXPECT_TRUE(RowEnabled(w, 3));
        EXPECT_EQ(w->ActiveControl(), w->Means[3]);
        EXPECT_TRUE(w->ButtonOptions->Enabled());   // row 3 names "None"
        TestClick(w->RowBoxes[3], 4, 8);
        EXPECT_FALSE(RowEnabled(w, 3));
        EXPECT_FALSE(w->ButtonOptions->Enabled());
        // Set by the program, a box acts as a click does.
        w->RowBoxes[11]->SetChecked(true);
        EXPECT_TRUE(RowEnabled(w, 11));
        EXPECT_TRUE(w->ButtonOptions->Enabled());
    });
}

// A quantity chosen is stored at once with its unit, in the model's unit system.
TEST(StatisticInput, QuantityChoiceShowsItsUnit)
{
    struct Case {
        Integer code;
        TUnites units;
        String unit;
    };
    const Case cases[] = {{1, SI, "kPa "},  {1, US, "ksf "},  {4, SI, ""},      {6, US, "ft  "},
                          {9, SI, "k/m\u00b3"}, {9, US, "k/f\u00b3"}, {11, US, "kip "}, {14, SI, "g   "},
                          {0, SI, "    "}};
    for (const Case& c : cases) {
        TParametres m = StudyModel();
        m.unites = c.units;
        TParametres after;
        WithInputWindow(m, [&](TStatisticDlg* w) {
            Choose(w->Quantities[1], c.code);
            EXPECT_EQ(w->Units[1]->Caption(), c.unit) << c.code;
            TestClick(w->ButtonCancel, 4, 4);
        }, &after);
        EXPECT_EQ(after.Statistiques.NumeroParametre[1], c.code);
    }
}

TEST(StatisticInput, RowChecksFollowTheDistribution)
{
    struct Case {
        Byte distribution;
        double mean, deviation, low, high;
        bool valid;
    };
    const Case cases[] = {
        {2, 1, 1, 5, 2, true},      // log-normal: bounds in any order
        {2, 0, 1, 1, 2, false},     // log-normal: a null mean
        {2, 1, 1, -1, 2, false},    // log-normal: a negative bound
        {0, 0, 0, 3, 3, false},     // uniform: equal bounds
        {0, 0, 0, 2, 3, true},      {3, 0, 0, 3, 2, false},
        {1, 5, 1, 0, 10, true},     // normal: ten deviations
        {1, 5, 1, 0, 10.5, false},  {1, 5, 0, 0, 10, false}, {1, 5, -1, 0, 10, false},
        {1, 5, 1e-310, 0, 10, false},   // a range of infinitely many deviations
    };
    for (const Case& c : cases) {
        TStatistiques st;
        st.Distribution[4] = c.distribution;
        st.Moyenne[4] = c.mean;
        st.Deviation[4] = c.deviation;
        st.Minimum[4] = c.low;
        st.Maximum[4] = c.high;
        EXPECT_EQ(RandomRowIsValid(st, 4), c.valid) << int(c.distribution) << " " << c.low << " " << c.high;
    }
}

// OK stores every row, then refuses a selected row with illegal values: the warning box, the
// window stays open and what was stored stays in the copy. A checked row naming "None" is
// neither selected nor checked, yet it asks for the analysis.
TEST(StatisticInput, OkStoresTheRowsAndRefusesIllegalValues)
{
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrOk);
    TParametres after;
    bool stayedOpen = false;
    const TModalResult result = WithInputWindow(StudyModel(), [&](TStatisticDlg* w) {
        TypeValue(w->Deviations[1], "0");
        w->Means[5]->SetValue(7.5);   // a row left unchecked is stored too
        w->StySpinEdit1->SetValue(30000);
        TestClick(w->ButtonOk, 4, 4);
        stayedOpen = w->ModalResult() == mrNone && w->Visible();
    }, &after);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, IllegalValues);
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
    EXPECT_EQ(TestMessageBoxes()[0].Buttons, std::vector<Integer>{mrOk});
    const TStatistiques& st = after.Statistiques;
    EXPECT_EQ(st.Deviation[1], 0);
    EXPECT_EQ(st.Moyenne[5], 7.5);
    EXPECT_EQ(st.NombreAnalyses, 30000);
    EXPECT_TRUE(st.Selection[1]);

    TestClearMessageBoxes();
    TParametres m = StudyModel();
    m.Statistiques.Selection[1] = false;
    m.Statistiques.Maximum[2] = m.Statistiques.Minimum[2];   // illegal, but the row names... 
    m.Statistiques.NumeroParametre[2] = 0;                   // ... "None"
    m.Statistiques.Selection[2] = true;
    const TModalResult ok = WithInputWindow(m, [&](TStatisticDlg* w) { TestClick(w->ButtonOk, 4, 4); }, &after);
    EXPECT_EQ(ok, mrOk);
    EXPECT_TRUE(TestMessageBoxes().empty());
    EXPECT_FALSE(after.Statistiques.Selection[2]);
    EXPECT_TRUE(after.Statistiques.AnalysesDemandees);
    EXPECT_EQ(after.Statistiques.NombreAnalyses, 20000);

    // Without any checked row no analysis is asked for.
    m.Statistiques.Selection[2] = false;
    WithInputWindow(m, [&](TStatisticDlg* w) { TestClick(w->ButtonOk, 4, 4); }, &after);
    EXPECT_FALSE(after.Statistiques.AnalysesDemandees);
}

// A user density file: a point count, then one value per line with a decimal point. A refused
// file shows its error box, and the row keeps its distribution and its stored density.
TEST(StatisticInput, UserDensityFiles)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "dorvane-statistic-input";
    std::filesystem::create_directories(folder);
    auto file = [&](const std::string& name, Integer count, Integer written, const std::string& first = "") {
        const std::filesystem::path path = folder / name;
        std::ofstream out(path);
        out << (first.empty() ? std::to_string(count) : first) << "   points\n";
        for (Integer i = 0; i < written; ++i) out << 0.25 * (i + 1) << "\n";
        return String(path.string());
    };
    auto density = [&](const std::string& name, const std::string& text) {
        const std::filesystem::path path = folder / name;
        std::ofstream(path) << text;
        return String(path.string());
    };
    const char* format = "Invalid file format";
    const char* number = "Invalid number of data points - Aborted";
    struct Case {
        String file;
        const char* box;   // nullptr: accepted
        Integer count;
    };
    const Case cases[] = {
        {file("ten.txt", 10, 10), nullptr, 10},
        {file("most.txt", 4000, 4000), nullptr, 4000},
        {file("nine.txt", 9, 9), number, 0},
        {file("too-many.txt", 4001, 4001), number, 0},
        {file("short.txt", 20, 19), format, 0},
        {file("text.txt", 0, 12, "twelve"), format, 0},
        {String((folder / "missing.txt").string()), format, 0},
        // Values no density can be drawn from, which no model file could hold either.
        {density("negative.txt", "10\n1\n1\n1\n1\n-0.5\n1\n1\n1\n1\n1\n"), format, 0},
        {density("not-a-number.txt", "10\n1\n1\n1\n1\nNaN\n1\n1\n1\n1\n1\n"), format, 0},
        {density("zeros.txt", "10\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n"), format, 0},
    };
    for (const Case& c : cases) {
        TestClearMessageBoxes();
        if (c.box) TestAnswerNextMessageBox(mrOk);
        TParametres m = StudyModel();
        m.UserDefinedPDF.number[1] = 2;
        m.UserDefinedPDF.elem[1].SetLength(2);
        m.UserDefinedPDF.elem[1][0] = 9;
        TParametres after;
        WithInputWindow(m, [&](TStatisticDlg* w) {
            TestAnswerNextFileDialog({c.file});
            Choose(w->Distributions[1], 3);
            EXPECT_EQ(TestLastFileDialog().Title, "Select user defined PDF file:");
            EXPECT_EQ(w->Distributions[1]->ItemIndex(), c.box ? 1 : 3) << c.file;
        }, &after);
        const TUserDefinedPDF& pdf = after.UserDefinedPDF;
        if (c.box) {
            ASSERT_EQ(TestMessageBoxes().size(), 1u) << c.file;
            EXPECT_EQ(TestMessageBoxes()[0].Text, c.box) << c.file;
            EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Error);
            EXPECT_EQ(pdf.number[1], 2);
            ASSERT_EQ(pdf.elem[1].Length(), 2);
            EXPECT_EQ(pdf.elem[1][0], 9);
        } else {
            EXPECT_TRUE(TestMessageBoxes().empty()) << c.file;
            EXPECT_EQ(pdf.number[1], c.count);
            ASSERT_EQ(pdf.elem[1].Length(), c.count);
            EXPECT_EQ(pdf.elem[1][0], 0.25);
            EXPECT_EQ(pdf.elem[1][c.count - 1], 0.25 * c.count);
        }
        // The distribution code itself waits for OK.
        EXPECT_EQ(after.Statistiques.Distribution[1], 1);
    }
    // Cancelling the file dialog puts the stored distribution back.
    WithInputWindow(StudyModel(), [&](TStatisticDlg* w) {
        TestAnswerNextFileDialog({});
        Choose(w->Distributions[1], 3);
        EXPECT_EQ(w->Distributions[1]->ItemIndex(), 1);
    });
    std::filesystem::remove_all(folder);
}

TEST(StatisticInput, QuantityWarnings)
{
    const String note = "\rNote: Upon Overtopping possibility, please read the following rules:"
                        "\r   1) if Overtopping is already defined with no D/S reservoir elevation,"
                        "\r      then no downstream reservoir will be generated"
                        "\r   2) if Overtopping is already defined with a D/S reservoir elevation,"
                        "\r      then the ratio (downstream reservoir) / (overtopging) will be conserved"
                        "\r   3) if Overtopping is not defined,"
                        "\r      then the downstream reservoir will be increase by the overtopping";
    const String accelerations = "Note: All accelerations, other than the horizontal peak ground acceleration,\r"
                                 "     are scaled proportionally to their values defined in the pseudo-static or "
                                 "pseudo-dynamic options.";
    const String correction = "Make sure that you select the right load combination upon making your correction in "
                              "Cracking options.";
    TParametres base = ReadTestModel("sample.dam");
    base.Cracking.Considered = true;
    for (int k = 1; k <= NLoadCases; ++k) {
        base.Cracking.NoTensionI[k] = base.Cracking.NoTensionP[k] = false;
        base.Cracking.InitiationSF[k] = base.Cracking.PropagationSF[k] = 1;
        TLoadCombination& lc = base.LoadCombination;
        for (TCaseArray<double>* f : {&lc.U, &lc.Hnu, &lc.Hnd, &lc.Hfu, &lc.Hfd, &lc.I, &lc.S, &lc.F}) (*f)[k] = 1;
        base.DebrisFlottant.LoadCombination[k] = 1;
    }
    base.Donnees.Include(daSediments);
    base.Drain = true;
    base.NForces = 1;
    base.Acc.Peak = {0.2, 0.1, 0.3};
    base.Acc.Sust = {0.1, 0.05, 0.15};
    struct Case {
        Integer code, combination;
        std::function<void(TParametres&)> change;
        String text;
    };
    const Case cases[] = {
        {0, 1, nullptr, ""},
        {2, 1, nullptr, ""},
        {1, 1, nullptr, ""},
        {1, 1, [](TParametres& m) { m.Cracking.Considered = false; },
         "Warning: Cracking is not activated in Cracking Options!"},
        {1, 3, [](TParametres& m) { m.Cracking.NoTensionP[3] = true; },
         "Warning: Tensile strength is set to zero in Cracking Options!\r" + correction},
        {1, 2, [](TParametres& m) { m.Cracking.PropagationSF[2] = 2.5; },
         "Warning: Tensile Strength if divided by  2.500 for crack propagation\r" + correction},
        {1, 2,
         [](TParametres& m) {
             m.Cracking.InitiationSF[2] = 1.25;
             m.Cracking.PropagationSF[2] = 2;
         },
         "Warning: Tensile Strength if divided by  1.250 for crack initiation\r"
         "Warning: Tensile Strength if divided by  2.000 for crack propagation\r" + correction},
        {6, 1, nullptr, note},
        {6, 1, [](TParametres& m) { m.LoadCombination.Hnd[1] = m.LoadCombination.U[1] = 0; },
         "Warning: Downstream reservoir is not considered in the E combination\r"
         "Warning: Uplift force is not considered in the E combination" + note},
        {6, 2, [](TParametres& m) { m.LoadCombination.Hnu[2] = 0; }, note},
        {7, 1, nullptr, "Warning: Additional reservoir elevation due to flood is not applicable to E combination"},
        {7, 2, [](TParametres& m) { m.LoadCombination.Hfu[2] = m.LoadCombination.Hfd[2] = 0; },
         "Warning: Flood upstream reservoir is not activated in theE combination\r"
         "Warning: Flood downstream reservoir is not activated in the E combination" + note},
        {8, 1, [](TParametres& m) { m.Donnees.Exclude(daSediments); },
         "Warning: Silt load is not considered in any load combination!"},
        {9, 3, [](TParametres& m) { m.LoadCombination.S[3] = 0; },
         "Warning: Silt force is not activated in the E combination"},
        {10, 1,
         [](TParametres& m) {
             m.Drain = false;
             m.LoadCombination.U[1] = 0;
         },
         "Warning: No drainage system is defined!\rWarning: Uplift force is not activated in the E combination."},
        {10, 1, [](TParametres& m) { m.LoadCombination.U[1] = 0; },
         "Warning: Uplift force is not activated in the E combination."},
        {11, 7, [](TParametres& m) { m.DebrisFlottant.LoadCombination[7] = 0; },
         "Warning: Floating debris force is not activated in the E combination."},
        {12, 5, [](TParametres& m) { m.LoadCombination.I[5] = 0; },
         "Warning: Ice force is not activated in the E combination."},
        {13, 1, [](TParametres& m) { m.NForces = 0; }, "Warning: No applied force defined!"},
        {13, 1, [](TParametres& m) { m.LoadCombination.F[1] = 0; },
         "Warning: Applied forces are not activated in the E combination."},
        {14, 7, nullptr, "Warning: Ground accelerations are not considered in the E combination."},
        {14, 3, nullptr, accelerations},
        {14, 3,
         [](TParametres& m) {
             m.Charges.Seisme.Seismic1 = seDynamic;
             m.Acc.Peak = {0.2, 0, 0};
             m.Acc.Sust = {0, 0, 0};
         },
         "Warning: Vertical Peak ground acceleration is zero.\rWarning: Spectral Peak ground acceleration is zero.\r"
         "Warning: Vertical sustained acceleration is zero.\rWarning: Spectral sustained acceleration is zero.\r" +
             accelerations},
        {14, 5,   // the spectral accelerations count only for a pseudo-dynamic combination
         [](TParametres& m) {
             m.Charges.Seisme.Seismic1 = seDynamic;
             m.Charges.Seisme.Seismic2 = seStatic;
             m.Acc.Peak = {0.2, 0, 0};
         },
         "Warning: Vertical Peak ground acceleration is zero.\r" + accelerations},
    };
    for (const Case& c : cases) {
        TParametres m = base;
        if (c.change) c.change(m);
        EXPECT_EQ(RandomQuantityWarning(m, c.code, c.combination, "E"), c.text) << c.code << " " << c.combination;
    }
}

// The mouse over a quantity list shows the warning of its quantity in a balloon pointing at the
// list, once; the mouse over the window's surface hides it.
TEST(StatisticInput, TheMouseOverAQuantityShowsItsWarning)
{
    TParametres m = StudyModel();
    m.Statistiques.NumeroParametre[1] = 14;
    m.Statistiques.Combination = 1;
    WithInputWindow(m, [&](TStatisticDlg* w) {
        TStyMessageHint* hint = w->StyMessageHint;
        EXPECT_EQ(hint->Position(), hpBelowRight);
        EXPECT_EQ(hint->MaxWidth(), -2);
        EXPECT_FALSE(hint->AllowMultipleHints());
        EXPECT_EQ(hint->TitleFont().Name(), "Arial");
        TestMouseMove(w->Quantities[2], 10, 5);   // the peak cohesion: no warning
        TestMouseMove(w, 400, 30);
        EXPECT_FALSE(hint->IsDisplaying());
        TestMouseMove(w->Quantities[1], 10, 5);
        ASSERT_TRUE(hint->IsDisplaying());
        ASSERT_EQ(hint->Windows().size(), 1u);
        EXPECT_EQ(hint->Windows()[0]->Caption(),
                  "Warning: Ground accelerations are not considered in the Usual combination.");
        TestMouseMove(w->Quantities[1], 12, 6);
        EXPECT_EQ(hint->Windows().size(), 1u);
        // The balloon holds the mouse until a click takes it off the screen; the mouse over the
        // window's surface then ends it, and the list can show it again.
        TestMouseMove(w, 400, 30);
        EXPECT_TRUE(hint->IsDisplaying());
        TestClick(w, 400, 30);
        TestMouseMove(w, 400, 30);
        EXPECT_FALSE(hint->IsDisplaying());
        TestMouseMove(w->Quantities[1], 10, 5);
        EXPECT_TRUE(hint->IsDisplaying());
        hint->HideMessage();
    });
}

// "Output options" edits a copy of the study's settings with the model's joints; only OK hands
// the copy back.
TEST(StatisticInput, OutputOptionsEditACopy)
{
    for (TModalResult answer : {mrOk, mrCancel}) {
        TParametres after;
        WithInputWindow(StudyModel(), [&](TStatisticDlg* w) {
            TestAnswerNextModal([&](TCustomForm* form) {
                auto* options = dynamic_cast<TStatisticOptionsDlg*>(form);
                ASSERT_NE(options, nullptr);
                EXPECT_EQ(options->NJoints, w->param.NJoints);
                EXPECT_EQ(options->Statistiques.NombreAnalyses, 20000);
                options->EditDivisions->SetValue(33);
                TestClick(answer == mrOk ? options->ButtonOk : options->ButtonCancel, 4, 4);
            });
            TestClick(w->ButtonOptions, 4, 4);
            TestProcess();
            TestClick(w->ButtonCancel, 4, 4);
        }, &after);
        EXPECT_EQ(after.Statistiques.nPoints == 33, answer == mrOk);
    }
}

}  // namespace
