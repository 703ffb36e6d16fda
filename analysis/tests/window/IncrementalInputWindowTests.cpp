// The incremental-load input and output-options windows on the test driver: the lists they
// offer for the model, each load's own range, the checks at OK with their warning boxes, the
// balloon of a flood level below the normal level, and the output options with the manual.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "analysis/IncrementalLoadDlg.h"
#include "analysis/IncrementalOptions.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "platform/services/DocumentViewer.h"
#include "platform/services/Process.h"
#include "styledcontrols/StyMessageHint.h"

namespace {

// The sample with every combination selected and every load the lists can offer: a normal and a
// flood level, a force, post-tension, ice, pseudo-static seismic loads and drains judged by a
// guideline other than the Canadian one.
TParametres FullModel()
{
    TParametres m = ReadTestModel("sample.dam");
    TCombinations& c = m.Combination;
    c.Usual.Selected = c.Flood.Selected = c.Seismic1.Selected = c.Seismic2.Selected = c.PostSeismic.Selected = true;
    for (Tdata d : {daResNormal, daResFlood, daPostTension, daIce, daPseudoStatic}) m.Donnees.Include(d);
    m.Donnees.Exclude(daPseudoDynamic);
    m.NForces = 1;
    m.Drain = true;
    m.Drainage.Code = cUSACE;
    return m;
}

TModalResult WithInputWindow(const TParametres& model, const std::function<void(TIncrementalLoadDlg*)>& act,
                             TParametres* after = nullptr)
{
    return WithModalInputWindow<TIncrementalLoadDlg>(model, act, after);
}

TEST(IncrementalInput, CombinationsAndJointsFollowTheModel)
{
    TParametres m = FullModel();
    m.Combination.Seismic1.Selected = false;
    m.IncrementLoad.Combination = 5;
    m.IncrementLoad.JointNumber = 0;
    m.IncrementLoad.PerformAnalysis = true;
    ASSERT_GE(m.NJoints, 2);
    TParametres after;
    WithInputWindow(m, [&](TIncrementalLoadDlg* w) {
        EXPECT_EQ(w->Caption(), "Incremental Load Analysis - Input Parameters");
        EXPECT_TRUE(w->CheckBox->Checked());
        EXPECT_EQ(Items(w->CombinationBox), (std::vector<String>{"Usual Combination", "Flood Combination",
                                                                 "Seismic #2 Combination", "Post-Seismic Combination"}));
        EXPECT_EQ(w->CombinationBox->Text(), "Seismic #2 Combination");
        // Lift joints 1..n by their elevations, then the base joint numbered n + 1, chosen for
        // joint 0.
        std::vector<String> joints;
        char line[64];
        for (Integer j = 1; j <= m.NJoints; ++j) {
            std::snprintf(line, sizeof line, "#%d  Elev. %10.3f", int(j), m.Joint.Elev[j]);
            joints.push_back(line);
        }
        std::snprintf(line, sizeof line, "#%d  Base joint", int(m.NJoints + 1));
        joints.push_back(line);
        EXPECT_EQ(Items(w->JointBox), joints);
        EXPECT_EQ(w->JointBox->ItemIndex(), m.NJoints);
        // The first lift joint chosen is stored as joint 1; "Ok" closes the window.
        Choose(w->JointBox, 0);
        TypeValue(w->EditStart, "0");
        TypeValue(w->EditEnd, "0.2");
        TypeValue(w->EditIncrement, "0.01");
        TestClick(w->Button1, 4, 4);
    }, &after);
    EXPECT_EQ(after.IncrementLoad.JointNumber, 1);
    EXPECT_EQ(after.IncrementLoad.Combination, 5);
    EXPECT_EQ(after.IncrementLoad.Loading, 3);
    EXPECT_DOUBLE_EQ(after.IncrementLoad.EndValue[3], 0.2);

    // Joint k opens on its own entry.
    m.IncrementLoad.JointNumber = 2;
    WithInputWindow(m, [&](TIncrementalLoadDlg* w) { EXPECT_EQ(w->JointBox->ItemIndex(), 1); });
}

TEST(IncrementalInput, EachCombinationOffersItsLoads)
{
    struct Case {
        const char* name;
        Integer combination;
        bool ice, forces, canadianDrains, pseudoStatic;
        std::vector<String> loads;
    };
    const String normal = "Normal Upstream Reservoir Elevation", flood = "Flood Upstream Reservoir elevation",
                 peak = "Horizontal Peak Ground Acceleration", force = "Last Applied Force", post = "Post-Tension",
                 ice = "Ice Load", drain = "Drain effectiveness";
    const Case cases[] = {
        {"usual", 1, true, true, false, true, {normal, force, post, ice, drain}},
        {"flood never offers ice", 2, true, true, false, true, {flood, force, post, drain}},
        {"seismic without ice", 3, false, true, false, true, {peak, force, post, drain}},
        {"Canadian drains", 5, true, false, true, true, {peak, post, ice}},
        {"post-seismic", 7, false, false, true, true, {normal, post}},
        {"seismic without seismic loads", 3, false, false, true, false, {post}},
    };
    for (const Case& c : cases) {
        TParametres m = FullModel();
        m.IncrementLoad.Combination = c.combination;
        if (!c.ice) m.Donnees.Exclude(daIce);
        if (!c.pseudoStatic) m.Donnees.Exclude(daPseudoStatic);
        m.NForces = c.forces ? 1 : 0;
        m.Drainage.Code = c.canadianDrains ? cCDSA : cUSACE;
        WithInputWindow(m, [&](TIncrementalLoadDlg* w) { EXPECT_EQ(Items(w->LoadingBox), c.loads) << c.name; });
    }
}

// Each load keeps its own first value, last value and increment, shown with its unit.
TEST(IncrementalInput, EachLoadShowsItsOwnRangeAndUnit)
{
    TParametres m = FullModel();
    TIncrementLoad& il = m.IncrementLoad;
    il.Combination = 1;
    il.Loading = 1;
    il.StartValue[1] = 100;
    il.EndValue[1] = 120;
    il.IncrementValue[1] = 0.5;
    il.StartValue[4] = 0;
    il.EndValue[4] = 5000;
    il.IncrementValue[4] = 50;
    for (TUnites u : {SI, US}) {
        m.unites = u;
        TParametres after;
        WithInputWindow(m, [&](TIncrementalLoadDlg* w) {
            EXPECT_EQ(w->LoadingBox->Text(), "Normal Upstream Reservoir Elevation");
            EXPECT_EQ(w->EditEnd->Value(), 120);
            EXPECT_EQ(w->LabelL1->Caption(), u == SI ? "m" : "ft");
            Choose(w->LoadingBox, 1);   // "Last Applied Force"
            EXPECT_EQ(w->param.IncrementLoad.Loading, 4);
            EXPECT_EQ(w->EditStart->Value(), 0);
            EXPECT_EQ(w->EditEnd->Value(), 5000);
            EXPECT_EQ(w->EditIncrement->Value(), 50);
            EXPECT_EQ(w->LabelL3->Caption(), u == SI ? "kN" : "kip");
            Choose(w->LoadingBox, 0);
            EXPECT_EQ(w->EditStart->Value(), 100);
            EXPECT_EQ(w->EditIncrement->Value(), 0.5);
            TestClick(w->Button2, 4, 4);   // Cancel
        }, &after);
    }
}

// At OK the range is checked: S < E, I at most E - S, and 20 to 100000 increments.
TEST(IncrementalInput, OkRefusesARangeOutsideTheLimitsWithItsWarnings)
{
    const String invalid = "Values are invalid.  Start value must be less than end value, or Increment is too big";
    struct Case {
        const char *start, *end, *increment;
        std::vector<String> boxes;
    };
    const Case cases[] = {
        {"0", "10", "0.5", {}},                                   // 20 steps
        {"0", "10", "0.6", {"Increment is too big"}},             // 16.7 steps
        {"0", "10", "0.00001", {"Increment is too small!"}},     // 1,000,000 steps
        {"10", "0", "1", {invalid, "Increment is too big"}},      // downwards: -10 steps
        {"0", "10", "0", {"Increment is zero"}},
        {"0", "10", "11", {invalid, "Increment is too big"}},     // a step beyond the range
    };
    TParametres m = FullModel();
    m.IncrementLoad.Combination = 3;
    m.IncrementLoad.Loading = 1;   // not offered with earthquakes: the first entry is chosen
    for (const Case& c : cases) {
        TestClearMessageBoxes();
        for (size_t i = 0; i < c.boxes.size(); ++i) TestAnswerNextMessageBox(mrOk);
        TParametres after;
        const TModalResult result = WithInputWindow(m, [&](TIncrementalLoadDlg* w) {
            EXPECT_EQ(w->LoadingBox->Text(), "Horizontal Peak Ground Acceleration");
            TypeValue(w->EditStart, c.start);
            TypeValue(w->EditEnd, c.end);
            TypeValue(w->EditIncrement, c.increment);
            w->CheckBox->SetFocus();
            TestPressKey(w->CheckBox, VK_SPACE);
            TestClick(w->Button1, 4, 4);
        }, &after);
        std::vector<String> shown;
        for (const TMessageBoxRequest& box : TestMessageBoxes()) {
            shown.push_back(box.Text);
            EXPECT_EQ(box.Icon, TMessageBoxIcon::Warning);
            EXPECT_EQ(box.Buttons, std::vector<Integer>{mrOk});
        }
        EXPECT_EQ(shown, c.boxes) << c.start << " " << c.end << " " << c.increment;
        EXPECT_EQ(result, c.boxes.empty() ? mrOk : mrCancel) << c.increment;
        // What was stored before the checks stays in the copy, refused or not.
        EXPECT_EQ(after.IncrementLoad.Loading, 3);
        EXPECT_EQ(after.IncrementLoad.Combination, 3);
        EXPECT_EQ(after.IncrementLoad.PerformAnalysis, !m.IncrementLoad.PerformAnalysis);
        EXPECT_DOUBLE_EQ(after.IncrementLoad.StartValue[3], std::stod(c.start));
        EXPECT_DOUBLE_EQ(after.IncrementLoad.IncrementValue[3], std::stod(c.increment));
    }
}

// Leaving the first or last value of a flood level below the normal level points a balloon at
// the edit; the value stays. Other loads have no such warning.
TEST(IncrementalInput, AFloodLevelBelowTheNormalLevelShowsABalloon)
{
    TParametres m = FullModel();
    m.IncrementLoad.Combination = 2;
    m.IncrementLoad.Loading = 2;
    const double normal = m.Reservoir.NormalUp;
    const String below = FloatToStr(std::floor(normal) - 1), above = FloatToStr(std::floor(normal) + 2);
    WithInputWindow(m, [&](TIncrementalLoadDlg* w) {
        TypeValue(w->EditStart, above);
        TestPressKey(w->EditStart, VK_TAB);
        EXPECT_FALSE(w->StyMessage->IsDisplaying());
        TypeValue(w->EditEnd, below);
        TestPressKey(w->EditEnd, VK_TAB);
        TestProcess();
        ASSERT_TRUE(w->StyMessage->IsDisplaying());
        EXPECT_EQ(w->StyMessage->Windows().back()->Caption(),
                  "Warning:  Flood elevation is less than normal reservoir elevation\r"
                  "Result from flood elevations lower than the\r"
                  "normal elevation might be unrealistic");
        EXPECT_EQ(w->EditEnd->Value(), std::floor(normal) - 1);
        EXPECT_EQ(w->ActiveControl(), w->EditIncrement);
        w->StyMessage->HideMessage();
    });
    m.IncrementLoad.Combination = 1;
    m.IncrementLoad.Loading = 1;
    WithInputWindow(m, [&](TIncrementalLoadDlg* w) {
        TypeValue(w->EditStart, below);
        TestPressKey(w->EditStart, VK_TAB);
        TestProcess();
        EXPECT_FALSE(w->StyMessage->IsDisplaying());
    });
}

// Enter moves to the next control, wherever it is pressed.
TEST(IncrementalInput, EnterMovesToTheNextControl)
{
    WithInputWindow(FullModel(), [&](TIncrementalLoadDlg* w) {
        TypeValue(w->EditStart, "3");
        TestPressKey(w->EditStart, VK_RETURN);
        TestProcess();
        EXPECT_EQ(w->ActiveControl(), w->EditEnd);
        w->CombinationBox->SetFocus();
        TestPressKey(w->CombinationBox, VK_RETURN);
        TestProcess();
        EXPECT_EQ(w->ActiveControl(), w->LoadingBox);
        EXPECT_EQ(w->ModalResult(), mrNone);
    });
}

// The output options open on the incremental settings and hand them back only on OK.
TEST(IncrementalInput, OutputOptionsEditACopyThatOkHandsBack)
{
    TParametres m = FullModel();
    TIncrementLoad& il = m.IncrementLoad;
    for (int q = 1; q <= 10; ++q) il.Resultats[q] = q % 2 == 1;
    il.SauverResultats = false;
    il.FichierOutput = "Incremental.out";
    const String longName = String(std::string(300, 'n').c_str());
    for (TModalResult closing : {mrCancel, mrOk}) {
        TParametres after;
        WithInputWindow(m, [&](TIncrementalLoadDlg* w) {
            TestAnswerNextModal([&](TCustomForm* form) {
                auto* o = dynamic_cast<TIncrementalOptionsDlg*>(form);
                ASSERT_NE(o, nullptr);
                EXPECT_EQ(o->Caption(), "Incremental Load Analysis - Output Options");
                for (int q = 1; q <= 10; ++q) EXPECT_EQ(o->CheckBoxes[q]->Checked(), q % 2 == 1) << q;
                EXPECT_FALSE(o->CheckBoxSaveOutput->Checked());
                EXPECT_FALSE(o->FileOutputName->Enabled());
                EXPECT_EQ(o->FileOutputName->FileName(), "Incremental.out");
                TestClick(o->CheckBoxSaveOutput, 4, 8);
                EXPECT_TRUE(o->FileOutputName->Enabled());
                TestClick(o->CheckBoxes[2], 4, 8);
                o->FileOutputName->SetText(longName);
                TestClick(closing == mrOk ? o->ButtonOk : o->ButtonCancel, 4, 4);
            });
            TestClick(dynamic_cast<TControl*>(w->FindComponent("StyButton1")), 8, 8);   // "Step 4"
            TestClick(w->Button2, 4, 4);
            after = w->param;
        });
        const TIncrementLoad& a = after.IncrementLoad;
        EXPECT_EQ(a.SauverResultats, closing == mrOk);
        EXPECT_EQ(a.Resultats[2], closing == mrOk);
        EXPECT_EQ(a.FichierOutput.ToString(), closing == mrOk ? Copy(longName, 1, 255) : String("Incremental.out"));
    }
}

// "User's manual" opens the program's manual in its document window at page 62, the page of
// these options; a manual the window cannot read goes to the desktop's reader instead.
TEST(IncrementalInput, TheUsersManualOpensAtThePageOfTheOptions)
{
    const std::filesystem::path unreadable = std::filesystem::temp_directory_path() / "dorvane-incremental-manual";
    std::filesystem::create_directories(unreadable / "Doc");
    std::ofstream(unreadable / "Doc" / "Dorvane User Manual.pdf") << "%PDF-1.4\n";
    const struct {
        String Folder;
        Integer Page;   // 0: the desktop's reader
    } cases[] = {{PROGRAMDATA_DIR, 62}, {String((unreadable.string() + "/").c_str()), 0}};
    for (const auto& c : cases) {
        std::vector<std::vector<String>> started;
        const TProcessStarter previous = SetProcessStarter([&started](const std::vector<String>& argv, const String&) {
            started.push_back(argv);
            return 0;
        });
        auto* options = CreateForm<TIncrementalOptionsDlg>(Application);
        options->ProgramFolder = c.Folder;
        TestAnswerNextModal([&](TCustomForm*) {
            EXPECT_TRUE(options->Button1->Visible());
            TestClick(options->Button1, 4, 4);
            options->Close();
        });
        options->ShowModal();
        delete options;
        SetProcessStarter(previous);
        const String manual = c.Folder + "Doc/Dorvane User Manual.pdf";
        EXPECT_EQ(DocumentViewer().Document(), c.Page ? manual : String()) << c.Folder.ToUtf8();
        EXPECT_EQ(DocumentViewer().DocumentPage(), c.Page) << c.Folder.ToUtf8();
        using TStarts = std::vector<std::vector<String>>;
        const TStarts expected = c.Page ? TStarts() : TStarts{{"xdg-open", manual}};
        EXPECT_EQ(started, expected) << c.Folder.ToUtf8();
        DocumentViewer().CloseDocument();
        TestProcess();
    }
    std::filesystem::remove_all(unreadable);
}

}  // namespace
