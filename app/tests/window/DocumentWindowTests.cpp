// The document window: its commands enabled from the model's flags, the tool buttons bound to
// its menu items, the pointer's coordinates in the status bar, and the dam drawing.
#include <cmath>
#include <filesystem>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/StatisticDlg.h"
#include "app/tests/window/AppTestSupport.h"
#include "platform/testing/CanvasRecording.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

TToolButton* Button(const char* name) { return dynamic_cast<TToolButton*>(MainForm->FindComponent(name)); }

String Panel(int index) { return MainForm->StatusBar->Panels()[index]->Text(); }
}  // namespace

namespace {
// Stand-ins for the analysis and result windows, so that their commands are offered.
class TAnalysisWindow : public TForm {
    DECLARE_CLASS(TAnalysisWindow, TForm)
public:
    explicit TAnalysisWindow(TComponent* AOwner) : TForm(AOwner) {}
};
IMPLEMENT_CLASS(TAnalysisWindow, TForm, NewComponent<TAnalysisWindow>)
#define ANALYSIS_WINDOW(Name)                                                             \
    class Name : public TAnalysisWindow {                                                 \
        DECLARE_CLASS(Name, TAnalysisWindow)                                              \
    public:                                                                               \
        explicit Name(TComponent* AOwner) : TAnalysisWindow(AOwner) {}                    \
    };                                                                                    \
    IMPLEMENT_CLASS(Name, TAnalysisWindow, NewComponent<Name>)
ANALYSIS_WINDOW(TProgressDlg)
ANALYSIS_WINDOW(TExcelDlg)
ANALYSIS_WINDOW(TGraphicsDlg)
ANALYSIS_WINDOW(TGraphStatistics)
ANALYSIS_WINDOW(TIncrementalLoadDlg)
ANALYSIS_WINDOW(TReportEpures)

// The stand-ins of the windows that the program does not register itself.
void RegisterStandIns()
{
    for (TClass window : {TProgressDlg::StaticClass(), TExcelDlg::StaticClass(), TGraphicsDlg::StaticClass(),
                          TGraphStatistics::StaticClass(), TIncrementalLoadDlg::StaticClass(),
                          TReportEpures::StaticClass()})
        if (!GetClass(window->ClassName())) RegisterClass(window);
}
}  // namespace

TEST(DocumentWindow, AnalysisAndResultCommandsWaitForTheirWindows)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Param.Donnees.Include(daAnalysed);
    d->UpdateMenuItems();
    // The sample has its load combinations, but no analysis window is registered here yet.
    if (GetClass("TProgressDlg") == nullptr) {
        EXPECT_FALSE(d->StartAnalyses1->Enabled());
        EXPECT_FALSE(d->GraphicalViews1->Enabled());
    }
    RegisterStandIns();
    d->UpdateMenuItems();
    EXPECT_TRUE(d->StartAnalyses1->Enabled());
    EXPECT_TRUE(d->GraphicalViews1->Enabled());
    EXPECT_TRUE(d->MSExcel1->Enabled());
}

TEST(DocumentWindow, CommandsAreEnabledFromTheModelsInputs)
{
    RegisterStandIns();
    TRunningProgram program;
    program.Main()->FileNewItem->Click();
    TMDIChild* d = program.Active();
    d->Param.Donnees = TDataSet{};
    struct Case {
        TDataSet data;
        bool masses, joints, drainage, start, results;
    };
    const Case cases[] = {
        {{}, false, false, false, false, false},
        {{daGeometry}, true, false, false, false, false},
        {{daGeometry, daMaterials}, true, true, false, false, false},
        {{daGeometry, daResFlood}, true, false, true, false, false},
        {{daGeometry, daCombination}, true, false, false, true, false},
        {{daGeometry, daAnalysed}, true, false, false, false, true},
        {{daAnalysed}, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        d->Param.Donnees = c.data;
        d->UpdateMenuItems();
        SCOPED_TRACE(static_cast<int>(&c - cases));
        EXPECT_TRUE(d->GeneralInformation1->Enabled());
        EXPECT_TRUE(d->SectionGeometry1->Enabled());
        EXPECT_EQ(d->Masses1->Enabled(), c.masses);
        EXPECT_EQ(d->Cracking1->Enabled(), c.masses);
        EXPECT_EQ(d->LiftJoints1->Enabled(), c.joints);
        EXPECT_EQ(d->Drainage1->Enabled(), c.drainage);
        EXPECT_EQ(d->StartAnalyses1->Enabled(), c.start);
        EXPECT_EQ(d->Results1->Enabled(), c.results);
        EXPECT_EQ(d->GraphicalViews1->Enabled(), c.results);
        EXPECT_EQ(Button("ToolButtonExcel")->Enabled(), c.results);
        // The bound tool buttons follow their items.
        EXPECT_EQ(Button("ToolButtonMasses")->Enabled(), c.masses);
        EXPECT_EQ(Button("ToolButtonStart")->Enabled(), c.start);
    }
    // Probabilistic plots need the Monte-Carlo study too.
    d->Param.Donnees = {daGeometry, daAnalysed};
    d->Param.Statistiques.AnalysesDemandees = false;
    d->UpdateMenuItems();
    EXPECT_FALSE(d->ProbabilisticPlots1->Enabled());
    EXPECT_FALSE(d->PlotsProbabilistic1->Enabled());
    d->Param.Statistiques.AnalysesDemandees = true;
    d->UpdateMenuItems();
    EXPECT_TRUE(d->ProbabilisticPlots1->Enabled());
    EXPECT_TRUE(d->PlotsProbabilistic1->Enabled());
    EXPECT_FALSE(d->Displacement1->Enabled());
}

TEST(DocumentWindow, ToolButtonsFollowTheActiveDocument)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* first = program.Active();
    EXPECT_EQ(Button("ToolButtonGeneral")->MenuItem(), first->GeneralInformation1);
    EXPECT_EQ(Button("ToolButtonDrawings")->MenuItem(), first->StabilityDrawings1);
    EXPECT_EQ(Button("ToolButtonExcel")->DropdownMenu(), first->PopupExcel);
    EXPECT_EQ(Button("ToolButtonPlots")->DropdownMenu(), first->PopupPlots);
    EXPECT_EQ(program.Main()->ComboUnits->ItemIndex(), 0);

    program.Main()->FileNewItem->Click();
    TMDIChild* second = program.Active();
    ASSERT_NE(second, first);
    second->Param.unites = US;
    second->FormActivate(second);
    EXPECT_EQ(Button("ToolButtonGeneral")->MenuItem(), second->GeneralInformation1);
    EXPECT_EQ(Button("ToolButtonMasses")->MenuItem(), second->Masses1);
    EXPECT_EQ(program.Main()->ComboUnits->ItemIndex(), 1);
    EXPECT_EQ(CurrentModel.unites, US);

    first->FormActivate(first);
    EXPECT_EQ(Button("ToolButtonMasses")->MenuItem(), first->Masses1);
    EXPECT_EQ(program.Main()->ComboUnits->ItemIndex(), 0);
    EXPECT_EQ(CurrentModel.Dim.L1, first->Param.Dim.L1);
}

TEST(DocumentWindow, PointerCoordinatesInTheStatusBar)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    // The chart reports world coordinates: three decimals.
    d->CADDrawMouseMoveInChart(d->CADDraw, true, {}, 12.5, 100.25);
    EXPECT_EQ(Panel(0), String("x =    12.500 m"));
    EXPECT_EQ(Panel(1), String("el.   100.250 m"));
    // Over the picture: the pixel of the upstream heel maps back to about (0, Elev.A).
    const Integer X = static_cast<Integer>(std::nearbyint(0.15L * d->W)) + d->xc +
                      static_cast<Integer>(std::nearbyint((0 - d->x0) * d->dpl));
    const Integer Y = static_cast<Integer>(std::nearbyint(0.85L * d->H)) -
                      static_cast<Integer>(std::nearbyint((d->Param.Dim.Elev.A - d->Elev0) * d->dpl)) - d->yc;
    d->DamImageMouseMove(d->DamImage, {}, X, Y);
    EXPECT_EQ(Panel(0).ToUtf8().substr(0, 4), "x = ");
    EXPECT_NEAR(std::stod(Panel(0).ToUtf8().substr(4)), 0.0, 1.0 / d->dpl);
    EXPECT_NEAR(std::stod(Panel(1).ToUtf8().substr(4)), d->Param.Dim.Elev.A, 1.0 / d->dpl);
    // An imperial model shows feet; a model without a section shows nothing new.
    d->Param.unites = US;
    d->CADDrawMouseMoveInChart(d->CADDraw, true, {}, 1, 2);
    EXPECT_EQ(Panel(0), String("x =     1.000 ft"));
    d->Param.Donnees.Exclude(daGeometry);
    d->DamImageMouseMove(d->DamImage, {}, X, Y);
    EXPECT_EQ(Panel(0), String("x =     1.000 ft"));
}

TEST(DocumentWindow, ScenicPictureFramesTheSectionAndDrawsItsOutline)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const TParametres& m = d->Param;
    // The frame: the dam with its water fills 70 % of the height or of the width, whichever is
    // smaller, centred in the middle 70 % of the window.
    const double elev0 = std::min(m.Dim.Elev.A, m.Dim.Elev.B);
    double top = std::max(m.Dim.Elev.G, m.Reservoir.NormalUp);
    if (m.Donnees.Contains(daResFlood)) top = std::max(top, m.Reservoir.FloodUp);
    for (Integer i = 0; i < m.Masses.count; ++i) top = std::max(top, m.Masses.Elem[i].Elev);
    const double left = std::min(m.Dim.L2, 0.0);
    const double scale = std::min(0.7 * d->H / (top - elev0), 0.7 * d->W / (m.Dim.L1 - left));
    EXPECT_EQ(d->W, d->ClientWidth());
    EXPECT_NEAR(d->dpl, scale, 1e-9);
    EXPECT_NEAR(d->DimMax, top - elev0, 1e-9);
    EXPECT_EQ(d->Elev0, elev0);
    EXPECT_TRUE(d->DamImage->Visible());
    EXPECT_TRUE(d->ImageSky->Visible());
    EXPECT_TRUE(d->ShapeReservoirUpNormal->Visible());
    EXPECT_TRUE(CurrentModel.Charges.Glace);   // ice and an operating level in the model

    // The outline is black at the heel and at the downstream toe, a pixel inside each face.
    auto pixel = [&](double x, double e) {
        return TPoint{static_cast<Integer>(std::nearbyint(0.15L * d->W)) + d->xc +
                          static_cast<Integer>(std::nearbyint((x - left) * scale)),
                      static_cast<Integer>(std::nearbyint(0.85L * d->H)) -
                          static_cast<Integer>(std::nearbyint((e - elev0) * scale)) - d->yc};
    };
    const TPoint heel = pixel(0, m.Dim.Elev.A), toe = pixel(m.Dim.L1, m.Dim.Elev.B);
    TBitmap& dam = d->DamImage->Picture().Bitmap();
    auto at = [&](Integer x, Integer y) {
        const Byte* row = dam.ScanLine(y);
        return RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
    };
    EXPECT_EQ(at(heel.X, heel.Y - 3), clBlack);             // the upstream face
    EXPECT_EQ(at(toe.X - 3, toe.Y), clBlack);               // the base joint
    EXPECT_EQ(at(heel.X - 5, heel.Y - 5), TColor(0x00FF00));  // upstream of the dam: transparent
    EXPECT_EQ(at(toe.X, toe.Y + 5), TColor(0x00FF00));        // below the base: transparent
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    TestGrabToPng(d, DORVANE_SCREENSHOTS "/document-drawing.png");
}

TEST(DocumentWindow, TechnicalDrawingHoldsOneOutlineAndOneLinePerJoint)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    d->Technical1Click(d->Technical1);
    EXPECT_EQ(d->Param.DrawMode, dmTechnical);
    EXPECT_TRUE(d->CADDraw->Visible());
    EXPECT_FALSE(d->DamImage->Visible());
    const double w = d->Param.Dim.L1 - std::min(d->Param.Dim.L2, 0.0);
    const double span = d->CADDraw->Scale1X().RangeHigh() - d->CADDraw->Scale1X().RangeLow();
    EXPECT_GE(span, 1.3 * w - 1e-9);
    EXPECT_EQ(d->CADDraw->Scale1X().DecPlaces(), span <= 2 ? 2 : span <= 20 ? 1 : 0);
    // Resizing draws again without piling up outlines.
    d->SetBounds(d->Left(), d->Top(), d->Width() - 40, d->Height() - 30);
    TestProcess();
    d->Landscape1Click(d->Landscape1);
    EXPECT_EQ(d->Param.DrawMode, dmLandScape);
    EXPECT_FALSE(d->CADDraw->Visible());
    EXPECT_TRUE(d->DamImage->Visible());
}

TEST(DocumentWindow, InputWindowsEditACopyThatOnlyOkHandsBack)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    const double firstMass = d->Param.Masses.Elem[0].VertMass;
    auto edit = [](TCustomForm* form, TModalResult result) {
        TParametres& copy = dynamic_cast<IModelDialog*>(form)->WorkingModel();
        copy.Infos.Titre = "Edited";
        copy.Masses.Elem[0].VertMass = -1;   // an element of a listed item
        form->SetModalResult(result);
    };
    TestAnswerNextModal([&](TCustomForm* form) { edit(form, mrCancel); });
    d->GeneralInformation1->Click();
    EXPECT_NE(d->Param.Infos.Titre.ToString(), String("Edited"));
    EXPECT_EQ(d->Param.Masses.Elem[0].VertMass, firstMass);
    EXPECT_EQ(CurrentModel.Masses.Elem[0].VertMass, firstMass);
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));

    TestAnswerNextModal([&](TCustomForm* form) { edit(form, mrOk); });
    d->GeneralInformation1->Click();
    EXPECT_EQ(d->Param.Infos.Titre.ToString(), String("Edited"));
    EXPECT_EQ(d->Param.Masses.Elem[0].VertMass, -1);
    EXPECT_TRUE(d->Param.Donnees.Contains(daChanged));
    EXPECT_EQ(CurrentModel.Infos.Titre.ToString(), String("Edited"));

    // The Monte-Carlo settings take the model handed to them and make the results unavailable.
    d->Param.Donnees.Include(daAnalysed);
    d->MakeCurrent();
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* w = dynamic_cast<TStatisticDlg*>(form);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->param.Infos.Titre.ToString(), String("Edited"));
        form->SetModalResult(mrOk);
    });
    d->MonteCarlo1->Click();
    EXPECT_FALSE(d->Param.Donnees.Contains(daAnalysed));
    EXPECT_FALSE(d->Results1->Enabled());
}

namespace {
// Two applied forces on the downstream face: one pushing downstream and down, one upstream.
void AddForces(TParametres& m)
{
    m.NForces = m.Force.count = 2;
    m.Force.Elem = {{11, 160, 500, -300}, {30, 126, -200, 0}};
    m.Donnees.Include(daForces);
}

// The dam picture's pixels, row after row.
std::vector<Cardinal> DamPixels(TMDIChild* d)
{
    TBitmap& dam = d->DamImage->Picture().Bitmap();
    std::vector<Cardinal> pixels;
    for (Integer y = 0; y < dam.Height(); ++y) {
        const auto* row = reinterpret_cast<const Cardinal*>(dam.ScanLine(y));
        pixels.insert(pixels.end(), row, row + dam.Width());
    }
    return pixels;
}
}  // namespace

// A value from a file that would put an item at an infinite pixel leaves that item out: the
// picture is the one drawn without the item.
TEST(DocumentWindow, ItemsWithoutAScaleAreLeftOutOfThePicture)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    AddForces(d->Param);
    const TParametres sample = d->Param;
    struct Case {
        const char* item;
        std::function<void(TParametres&)> zero, without;
    };
    const Case cases[] = {
        {"masses with no concrete mass",   // the mass below the crest, so the frame stays
         [](TParametres& m) {
             m.Concrete.mass = 0;
             m.Masses.Elem = m.Masses.Elem.Copy();
             m.Masses.Elem[0].Elev = 150;
         },
         [](TParametres& m) { m.Masses.count = 0; }},
        {"forces of no size",
         [](TParametres& m) {
             m.Force.Elem = m.Force.Elem.Copy();
             for (TForce& f : m.Force.Elem) f.HorForce = f.VertForce = 0;
         },
         [](TParametres& m) { m.Donnees.Exclude(daForces); }},
        {"a cable at an angle of 0", [](TParametres& m) { m.PostTension.Angle = 0; },
         [](TParametres& m) { m.PostTension.Tension2 = 0; }},
    };
    ASSERT_GT(sample.Masses.count, 0);
    ASSERT_GT(sample.PostTension.Tension2, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        d->Param = sample;
        c.without(d->Param);
        d->DrawonImage();
        const std::vector<Cardinal> expected = DamPixels(d);
        d->Param = sample;
        c.zero(d->Param);
        ASSERT_NO_THROW(d->DrawonImage());
        EXPECT_TRUE(d->DamImage->Visible());
        EXPECT_TRUE(DamPixels(d) == expected);
    }
    // A section of no height and no width has nothing to scale: no picture, no error.
    d->Param = sample;
    d->Param.Dim = TDimension{};
    d->Param.Masses.count = 0;
    d->Param.Reservoir.NormalUp = d->Param.Reservoir.FloodUp = 0;
    ASSERT_NO_THROW(d->DrawonImage());
    EXPECT_FALSE(d->DamImage->Visible());
}

// The document's arrays and the current model's are never one storage that either releases or
// rewrites in place: opening, converting and closing another document leave a model whole.
TEST(DocumentWindow, DocumentsKeepTheirOwnArrays)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* sample = program.Active();
    const TParametres original = sample->Param;
    const std::vector<double> heights(original.Joint.Elev.begin(), original.Joint.Elev.end());
    const Integer materials = original.JointMaterials.Length();

    program.Main()->FileNewItem->Click();
    TMDIChild* fresh = program.Active();
    ASSERT_NE(fresh, sample);
    EXPECT_FALSE(fresh->Param.Joint.Elev.SharesWith(sample->Param.Joint.Elev));
    EXPECT_FALSE(fresh->Param.JointMaterials.SharesWith(sample->Param.JointMaterials));
    fresh->Param.unites = SI;
    program.Main()->ComboUnits->SetItemIndex(1);
    program.Main()->ComboUnitsChange(program.Main()->ComboUnits);
    EXPECT_EQ(fresh->Param.unites, US);
    EXPECT_EQ(std::vector<double>(sample->Param.Joint.Elev.begin(), sample->Param.Joint.Elev.end()), heights);
    EXPECT_EQ(sample->Param.JointMaterials.Length(), materials);
    EXPECT_EQ(sample->Param.Masses.Elem[0].PosX, original.Masses.Elem[0].PosX);

    // The sample made current, then closed: the current model it leaves keeps every element.
    sample->FormActivate(sample);
    ASSERT_EQ(CurrentModel.NJoints, original.NJoints);
    sample->Close();
    TestProcess();
    ASSERT_EQ(program.Documents(), 1);
    EXPECT_EQ(std::vector<double>(CurrentModel.Joint.Elev.begin(), CurrentModel.Joint.Elev.end()), heights);
    EXPECT_EQ(CurrentModel.JointMaterials.Length(), materials);
    EXPECT_EQ(CurrentModel.Masses.Elem.Length(), original.Masses.Elem.Length());
}

// The scenic picture of the sample with two forces, as drawn on the dam bitmap, against the
// positions worked out here from the section: the lift joints and the outline, the arrows of the
// forces, the water levels' shapes.
TEST(DocumentWindow, ScenicDrawingPutsJointsOutlineArrowsAndWaterWhereTheModelSays)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    AddForces(d->Param);
    std::vector<TRecordedDrawing> drawn;
    {
        TCanvasRecording recording;
        d->DrawonImage();
        drawn = recording.Drawings();
    }
    // The sample's section, as the positions below take it.
    const TElev& e = d->Param.Dim.Elev;
    ASSERT_TRUE(d->Param.Dim.L1 == 47 && d->Param.Dim.L2 == 3 && d->Param.Dim.L3 == 8 && d->Param.Dim.L4 == 8);
    ASSERT_TRUE(e.A == 100 && e.B == 100 && e.C == 100 && e.D == 102 && e.E == 130 && e.F == 150 && e.G == 160);
    const Integer W = d->ClientWidth(), H = d->ClientHeight();
    auto N = [](long double v) { return static_cast<Integer>(std::nearbyint(v)); };
    // The frame: the hoist on the crest (161 m) is the highest thing drawn over the base (100 m),
    // the base (47 m) the widest.
    const double elev0 = 100, x0 = 0, dimMax = 161 - 100;
    const double dpl = std::min(0.7L * H / dimMax, 0.7L * W / (47 - x0));
    const Integer xc = N(0.7L * W - 47 * dpl) / 2, yc = N(0.7L * H - dpl * dimMax) / 2;
    auto X = [&](double x, Integer shift = 0) { return N(0.15L * W) + xc + N((x - x0) * dpl + shift); };
    auto Y = [&](double e) { return N(0.85L * H) - N((e - elev0) * dpl) - yc; };
    ASSERT_NEAR(d->dpl, dpl, 1e-12);

    // Black lines of width 1: the lift joints from the highest, one pixel inside each face, then
    // the outline.
    // The upstream face runs from (0, 100) to (3, 130), then straight up; the downstream face
    // from (47, 102) to (11, 150), then straight up.
    std::vector<std::vector<TPoint>> expected;
    for (int j = 1; j <= 5; ++j) {
        const double e = 160 - 10 * j;
        const double up = e <= 130 ? 3 * (e - 100) / 30 : 3;
        const double down = 47 - 36 * (e - 102) / 48;
        expected.push_back({{X(up, 1), Y(e)}, {X(down, -1), Y(e)}});
    }
    const TPoint outline[] = {{X(0), Y(100)},  {X(47), Y(100)}, {X(47), Y(102)}, {X(11), Y(150)},
                              {X(11), Y(160)}, {X(3), Y(160)},  {X(3), Y(130)},  {X(0), Y(100)}, {X(0), Y(100)}};
    for (int i = 0; i + 1 < 9; ++i) expected.push_back({outline[i], outline[i + 1]});
    std::vector<std::vector<TPoint>> thinBlack;
    for (const TRecordedDrawing& r : drawn)
        if (r.Op.Kind == TCanvasOp::opLine && r.PenColor == clBlack && r.PenWidth == 1) thinBlack.push_back(r.Op.Points);
    EXPECT_EQ(thinBlack, expected);

    // The forces: stems of width 2 scaled on the largest component (500), filled arrow heads and
    // the values at the stems' ends.
    const Integer s = std::min(W, H);
    const Integer xf1 = X(11), yf1 = Y(160), xe1 = xf1 + N(0.15L * s * 500 / 500), ye1 = yf1 - N(0.15L * s * 300 / 500);
    const Integer xf2 = X(30), yf2 = Y(126), xe2 = xf2 + N(0.15L * s * 200 / 500);
    const std::vector<std::vector<TPoint>> stems = {
        {{xf1, yf1}, {xf1, ye1}}, {{xf1, yf1}, {xe1, yf1}}, {{xf2, yf2}, {xf2, yf2}}, {{xf2, yf2}, {xe2, yf2}}};
    const std::vector<std::vector<TPoint>> heads = {
        {{xe1, yf1}, {xe1 - 8, yf1 - 3}, {xe1 - 8, yf1 + 3}},   // pushing downstream
        {{xf1, yf1}, {xf1 + 3, yf1 - 8}, {xf1 - 3, yf1 - 8}},   // pushing down
        {{xf2, yf2}, {xf2 + 8, yf2 - 3}, {xf2 + 8, yf2 + 3}}};  // pushing upstream
    std::vector<std::vector<TPoint>> drawnStems, drawnHeads;
    std::vector<String> texts;
    for (const TRecordedDrawing& r : drawn) {
        if (r.Op.Kind == TCanvasOp::opLine && r.PenColor == clBlack && r.PenWidth == 2) drawnStems.push_back(r.Op.Points);
        if (r.Op.Kind == TCanvasOp::opPolygon && r.BrushColor == clBlack) drawnHeads.push_back(r.Op.Points);
        if (r.Op.Kind == TCanvasOp::opText) texts.push_back(r.Op.Text);
    }
    EXPECT_EQ(drawnStems, stems);
    EXPECT_EQ(drawnHeads, heads);
    EXPECT_EQ(texts, (std::vector<String>{"  500.00", " -300.00", " -200.00"}));

    // The water: each level's shape from its line down to the foundation surface (100 m).
    EXPECT_EQ(d->ShapeReservoirUpNormal->Top(), Y(156));
    EXPECT_EQ(d->ShapeReservoirUpNormal->Height(), Y(100) - Y(156) + 1);
    EXPECT_EQ(d->ShapeReservoirUpNormal->Width(), X(3) + 1);
    EXPECT_EQ(d->ShapeReservoirUpFlood->Top(), Y(159));
    EXPECT_EQ(d->ShapeReservoirDownNormal->Top(), Y(104));
    EXPECT_EQ(d->ShapeReservoirDownNormal->Left(), X(11));
    EXPECT_EQ(d->ShapeReservoirDownFlood->Top(), Y(108));
    EXPECT_EQ(d->ShapeSediments->Top(), Y(112));
    EXPECT_EQ(d->ShapeIce->Top(), Y(156));
    EXPECT_EQ(d->ShapeIce->Height(), N(0.6 * dpl));

    // A few pixels: the middle of the third joint and a point on the vertical stem are black;
    // a point just above the joint is concrete, not cut out.
    TBitmap& dam = d->DamImage->Picture().Bitmap();
    auto at = [&](Integer x, Integer y) {
        const Byte* row = dam.ScanLine(y);
        return RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
    };
    EXPECT_EQ(at((X(3) + X(23)) / 2, Y(130)), clBlack);
    EXPECT_EQ(at(xf1, (yf1 + ye1) / 2), clBlack);
    EXPECT_NE(at((X(3) + X(23)) / 2, Y(130) - 3), TColor(0x00FF00));
}
