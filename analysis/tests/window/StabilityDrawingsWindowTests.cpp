// The stability drawings window on the analysed sample model: its list of load-case views, the
// drawing it shows for the chosen item and text size, and the copy, the bitmap file and the
// print of the drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/Metafile.h"
#include "analysis/ReportEpures.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "listcontrols/GxCombo.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"

namespace {

const TParametres& AnalysedSample()
{
    static const TParametres model = [] {
        TParametres m = ReadTestModel("sample.dam");
        m.Statistiques.AnalysesDemandees = false;
        m.IncrementLoad.PerformAnalysis = false;
        m.Combination.Usual.Selected = m.Combination.Flood.Selected = true;
        m.Combination.Seismic1.Selected = m.Combination.Seismic2.Selected = true;
        m.Combination.PostSeismic.Selected = true;
        TSilentAnalysisHost host;
        RunAnalysis(m, host);
        return m;
    }();
    return model;
}

// Shows the window modally on the model and acts in it; the window closes afterwards.
void WithWindow(const TParametres& model, const std::function<void(TReportEpures*)>& act)
{
    auto* window = CreateForm<TReportEpures>(Application);
    window->param = model;
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        act(window);
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

// The drawing the window must show: built afresh from the model for the image's size.
std::string ExpectedDrawing(const TReportEpures* window, Integer loadCase, bool stressView, Integer fontSize)
{
    return BuildStabilityDrawing(window->param, loadCase, window->Image1->Width(), window->Image1->Height(), fontSize,
                                 !stressView, stressView, stressView, stressView)
        ->Data();
}

std::string ShownDrawing(const TReportEpures* window)
{
    auto* shown = dynamic_cast<TMetafile*>(window->Image1->Picture().Graphic());
    return shown ? shown->Data() : std::string();
}

// A control of the form description by its name.
template <class T = TControl>
T* Control(TReportEpures* window, const char* name)
{
    return dynamic_cast<T*>(window->FindComponent(name));
}

std::vector<String> Items(TReportEpures* window)
{
    std::vector<String> items;
    TStrings& list = window->ComboBoxCombinaison->Items();
    for (Integer i = 0; i < list.Count(); ++i) items.push_back(list[i]);
    return items;
}

// Pixels compared without their alpha byte; the sizes must agree.
bool SamePixels(const TBitmap& a, const TBitmap& b)
{
    TPixelBuffer pa, pb;
    if (!a.GetPixels(pa) || !b.GetPixels(pb) || pa.Width != pb.Width || pa.Height != pb.Height) return false;
    for (Integer y = 0; y < pa.Height; ++y)
        for (Integer x = 0; x < pa.Width; ++x)
            if ((pa.Row(y)[x] & 0xFFFFFF) != (pb.Row(y)[x] & 0xFFFFFF)) return false;
    return true;
}

// The picture the window shows, drawn at its own size.
std::unique_ptr<TBitmap> ShownBitmap(TReportEpures* window)
{
    TGraphic& shown = *window->Image1->Picture().Graphic();
    auto bitmap = std::make_unique<TBitmap>(shown.Width(), shown.Height());
    bitmap->Canvas().Draw(0, 0, shown);
    return bitmap;
}

TEST(StabilityDrawingsWindow, CombinationNumberMatchesEitherCaptionExactly)
{
    const struct {
        const char* caption;
        Integer number;
    } cases[] = {{"Usual Combination [Stress analysis]", 1},
                 {"Flood Combination [Stability analysis]", 2},
                 {"Seismic 1 Combination - Peak Accelerations [Stress Analysis]", 3},
                 {"Seismic 1 Combination - Sustained Accelerations [Stability Analysis]", 4},
                 {"Seismic 2 Combination [Stress analysis]", 5},
                 {"Seismic 2 Combination - Sustained Accelerations [Stability Analysis]", 6},
                 {"Post-Seismic Combination [Stress analysis]", 7},
                 {"Post-Seismic Combination [Stress Analysis]", 1},
                 {"", 1}};
    for (const auto& c : cases) EXPECT_EQ(CombinationNumber(c.caption), c.number) << c.caption;
}

TEST(StabilityDrawingsWindow, ListsTheSelectedCombinationsInPairsAndDrawsTheFirst)
{
    const std::vector<String> all = {"Usual Combination [Stress analysis]",
                                     "Usual Combination [Stability analysis]",
                                     "Flood Combination [Stress analysis]",
                                     "Flood Combination [Stability analysis]",
                                     "Seismic 1 Combination - Peak Accelerations [Stress Analysis]",
                                     "Seismic 1 Combination - Peak Accelerations [Stability Analysis]",
                                     "Seismic 1 Combination - Sustained Accelerations [Stress Analysis]",
                                     "Seismic 1 Combination - Sustained Accelerations [Stability Analysis]",
                                     "Seismic 2 Combination [Stress analysis]",
                                     "Seismic 2 Combination [Stability analysis]",
                                     "Seismic 2 Combination - Sustained Accelerations [Stress Analysis]",
                                     "Seismic 2 Combination - Sustained Accelerations [Stability Analysis]",
                                     "Post-Seismic Combination [Stress analysis]",
                                     "Post-Seismic Combination [Stability analysis]"};
    WithWindow(AnalysedSample(), [&](TReportEpures* window) {
        EXPECT_EQ(window->Caption(), "Stability drawings");
        EXPECT_EQ(window->LabelCombinaison->Caption(), "Combination :");
        EXPECT_EQ(window->LabelFont->Caption(), "Font size:");
        // Maximised (its frame one the window manager maximises), the window gives the drawing
        // all of its client area below the top bar.
        EXPECT_EQ(window->WindowState(), wsMaximized);
        EXPECT_EQ(window->Image1->Width(), window->ClientWidth());
        EXPECT_EQ(window->Image1->Height(), window->ClientHeight() - 50);
        EXPECT_EQ(Items(window), all);
        EXPECT_EQ(window->ComboBoxCombinaison->ItemIndex(), 0);
        const std::pair<const char*, const char*> buttons[] = {
            {"ButtonPrint", "Print image"}, {"ButtonCopy", "Copy image"}, {"ButtonSave", "Save image"},
            {"ButtonClose", "Close"}};
        for (const auto& [name, caption] : buttons) EXPECT_EQ(Control<TButton>(window, name)->Caption(), caption);
        EXPECT_EQ(window->FontSize(), 12);
        EXPECT_TRUE(ShownDrawing(window) == ExpectedDrawing(window, 1, true, 12));
    });
}

// Only the second seismic combination: its two cases; the third item is case 6 in the stress
// view, the fourth the same case in the stability view.
TEST(StabilityDrawingsWindow, ItemParityChoosesTheView)
{
    TParametres m = AnalysedSample();
    m.Combination.Usual.Selected = m.Combination.Flood.Selected = false;
    m.Combination.Seismic1.Selected = m.Combination.PostSeismic.Selected = false;
    WithWindow(m, [&](TReportEpures* window) {
        EXPECT_EQ(Items(window), (std::vector<String>{"Seismic 2 Combination [Stress analysis]",
                                                      "Seismic 2 Combination [Stability analysis]",
                                                      "Seismic 2 Combination - Sustained Accelerations [Stress Analysis]",
                                                      "Seismic 2 Combination - Sustained Accelerations [Stability Analysis]"}));
        const struct {
            Integer item, loadCase;
            bool stressView;
        } cases[] = {{0, 5, true}, {1, 5, false}, {2, 6, true}, {3, 6, false}};
        for (const auto& c : cases) {
            window->ComboBoxCombinaison->SelectItem(window->ComboBoxCombinaison->Items()[c.item]);
            EXPECT_TRUE(ShownDrawing(window) == ExpectedDrawing(window, c.loadCase, c.stressView, 12)) << c.item;
        }
    });
}

// No combination selected: an empty list, and the drawing of case 1 in the stability view.
TEST(StabilityDrawingsWindow, NoSelectedCombinationDrawsTheFirstCaseStability)
{
    TParametres m = AnalysedSample();
    m.Combination.Usual.Selected = m.Combination.Flood.Selected = m.Combination.Seismic1.Selected = false;
    m.Combination.Seismic2.Selected = m.Combination.PostSeismic.Selected = false;
    WithWindow(m, [&](TReportEpures* window) {
        EXPECT_TRUE(Items(window).empty());
        EXPECT_TRUE(ShownDrawing(window) == ExpectedDrawing(window, 1, false, 12));
    });
}

// The arrow keys step the size from 12 within 8..14, each step redrawing.
TEST(StabilityDrawingsWindow, EachFontSizeRedrawsAtOnce)
{
    WithWindow(AnalysedSample(), [&](TReportEpures* window) {
        auto* spin = Control<TWinControl>(window, "SpinEditFont");
        const struct {
            Word key;
            Integer presses, size;
        } steps[] = {{VK_UP, 1, 13}, {VK_UP, 3, 14}, {VK_DOWN, 1, 13}, {VK_DOWN, 7, 8}};
        for (const auto& s : steps) {
            for (Integer i = 0; i < s.presses; ++i) TestPressKey(spin, s.key);
            EXPECT_EQ(window->FontSize(), s.size);
            EXPECT_TRUE(ShownDrawing(window) == ExpectedDrawing(window, 1, true, s.size)) << s.size;
        }
    });
}

TEST(StabilityDrawingsWindow, CopyPutsTheShownPictureOnTheClipboard)
{
    WithWindow(AnalysedSample(), [&](TReportEpures* window) {
        Clipboard().Clear();
        TestClick(Control(window, "ButtonCopy"), 5, 5);
        TBitmap copied;
        ASSERT_TRUE(Clipboard().GetPicture(&copied));
        EXPECT_EQ(copied.Width(), window->Image1->Width());
        EXPECT_EQ(copied.Height(), window->Image1->Height());
        EXPECT_TRUE(SamePixels(copied, *ShownBitmap(window)));

        // After a resize the copy has the image's new size.
        const Integer maximisedWidth = copied.Width();
        window->SetWindowState(wsNormal);
        window->SetBounds(0, 0, 700, 500);
        TestProcess();
        TestClick(Control(window, "ButtonCopy"), 5, 5);
        ASSERT_TRUE(Clipboard().GetPicture(&copied));
        EXPECT_EQ(copied.Width(), window->Image1->Width());
        EXPECT_EQ(copied.Height(), window->Image1->Height());
        EXPECT_NE(copied.Width(), maximisedWidth);
        EXPECT_TRUE(SamePixels(copied, *ShownBitmap(window)));
    });
}

// Typed text that names no case draws case 1; from an odd item (or none) in the stability view.
TEST(StabilityDrawingsWindow, TypedTextNamingNoCaseDrawsTheFirstCase)
{
    WithWindow(AnalysedSample(), [&](TReportEpures* window) {
        window->ComboBoxCombinaison->SelectItem(window->ComboBoxCombinaison->Items()[7]);
        ASSERT_TRUE(ShownDrawing(window) == ExpectedDrawing(window, 4, false, 12));
        TestTypeText(window->ComboBoxCombinaison->EditHandle(), "x");
        EXPECT_NE(window->ComboBoxCombinaison->Text(), window->ComboBoxCombinaison->Items()[7]);
        EXPECT_TRUE(ShownDrawing(window) == ExpectedDrawing(window, 1, false, 12));
    });
}

// Whatever the typed extension, the file written is a bitmap equal to the shown picture; a
// bitmap of that name already there is replaced only when the user agrees.
TEST(StabilityDrawingsWindow, SaveWritesTheShownPictureAsBitmap)
{
    TempFolder folder;
    WithWindow(AnalysedSample(), [&](TReportEpures* window) {
        TestClearMessageBoxes();
        TestAnswerNextFileDialog({String(folder / "dam.png")});
        TestClick(Control(window, "ButtonSave"), 5, 5);
        const TFileDialogRequest& request = TestLastFileDialog();
        EXPECT_TRUE(request.Save);
        EXPECT_EQ(request.Title, "Save image to file:");
        EXPECT_EQ(request.DefaultExt, "bmp");
        ASSERT_EQ(request.Filters.size(), 1u);
        EXPECT_EQ(request.Filters[0].first, "Bitmap");
        EXPECT_EQ(request.Filters[0].second, "*.bmp");
        EXPECT_TRUE(request.OverwritePrompt);
        EXPECT_TRUE(TestMessageBoxes().empty());
        EXPECT_FALSE(std::filesystem::exists(folder / "dam.png"));
        TBitmap saved;
        saved.LoadFromFile(String(folder / "dam.bmp"));
        EXPECT_TRUE(SamePixels(saved, *ShownBitmap(window)));

        // The typed name is new but its bitmap is not: asked, refused, kept.
        const std::string other = folder.Make("other.bmp", "keep");
        TestAnswerNextMessageBox(mrNo);
        TestAnswerNextFileDialog({String(folder / "other.jpg")});
        TestClick(Control(window, "ButtonSave"), 5, 5);
        ASSERT_EQ(TestMessageBoxes().size(), 1u);
        EXPECT_EQ(TestMessageBoxes()[0].Text, String(other) + " already exists.\nDo you want to replace it?");
        EXPECT_EQ(std::filesystem::file_size(other), 4u);
        // Asked again and accepted: replaced.
        TestAnswerNextMessageBox(mrYes);
        TestAnswerNextFileDialog({String(folder / "other.jpg")});
        TestClick(Control(window, "ButtonSave"), 5, 5);
        EXPECT_EQ(TestMessageBoxes().size(), 2u);
        TBitmap replaced;
        replaced.LoadFromFile(String(other));
        EXPECT_TRUE(SamePixels(replaced, *ShownBitmap(window)));
        EXPECT_FALSE(std::filesystem::exists(folder / "other.jpg"));
    });
}

// A print that fails leaves the printer free: the next one prints.
TEST(StabilityDrawingsWindow, PrintsLandscapeUnderItsJobTitleOrReportsTheFailure)
{
    TempFolder folder;
    WithWindow(AnalysedSample(), [&](TReportEpures* window) {
        TestClearMessageBoxes();
        Printer().SetOutputFileName(String(folder / "missing/drawing.pdf"));
        TestAnswerNextMessageBox(mrOk);
        TestClick(Control(window, "ButtonPrint"), 5, 5);
        ASSERT_EQ(TestMessageBoxes().size(), 1u);
        EXPECT_EQ(TestMessageBoxes()[0].Text, "Printing Error.  Check printer availability.");
        EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Error);
        EXPECT_TRUE(window->Visible());
        EXPECT_FALSE(Printer().Printing());

        Printer().SetOutputFileName(String(folder / "drawing.pdf"));
        TestClick(Control(window, "ButtonPrint"), 5, 5);
        EXPECT_EQ(TestMessageBoxes().size(), 1u);
        EXPECT_EQ(Printer().Title(), "Image Dorvane");
        EXPECT_EQ(Printer().Orientation(), TPrinterOrientation::poLandscape);
        EXPECT_GT(std::filesystem::file_size(folder / "drawing.pdf"), 0u);
        Printer().SetOutputFileName("");
    });
}

// The drawing the user reads: the usual case's stability view at the default text size, in
// the window as large as it shows maximised on a 1600 x 900 screen (the test screen is smaller).
TEST(StabilityDrawingsWindow, Screenshot)
{
    WithWindow(AnalysedSample(), [&](TReportEpures* window) {
        window->SetWindowState(wsNormal);
        window->SetBounds(0, 0, 1600, 900);
        window->ComboBoxCombinaison->SelectItem(window->ComboBoxCombinaison->Items()[1]);
        TestProcess();
        EXPECT_TRUE(ShownDrawing(window) == ExpectedDrawing(window, 1, false, 12));
        TBitmap picture;
        TestScreenshot(window, "stability-drawings", picture);
        EXPECT_EQ(picture.Width(), window->Width());
    });
}

}  // namespace
