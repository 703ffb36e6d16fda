// The program started headless: opening the sample from the command line, the open dialog, a
// drop and the recent files; saving, closing with each answer of the save prompt, the unit
// system, the settings file, and the tool bars following the documents.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "app/tests/window/AppTestSupport.h"
#include "platform/controls/WindowSystem.h"
#include "platform/rtl/FileSys.h"
#include "platform/services/Process.h"
#include "platform/services/ServicesBackend.h"

namespace {

struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

std::vector<std::string> RecentFiles()
{
    std::vector<std::string> names;
    for (Integer i = 0; i < MainForm->MRUFiles->Files().Count(); ++i)
        names.push_back(MainForm->MRUFiles->Files().Get(i).ToUtf8());
    return names;
}

// The document commands and tool bars as they are enabled and shown.
struct TCommandState {
    bool close, save, saveAs, cascade, saveButton, documentBars;
    bool operator==(const TCommandState&) const = default;
};

TCommandState Commands()
{
    TMainForm* m = MainForm;
    return {m->FileCloseItem->Enabled(), m->FileSaveItem->Enabled(), m->FileSaveAsItem->Enabled(),
            m->WindowCascadeItem->Enabled(), m->ToolButtonSave->Enabled(),
            m->ToolBarInput->Visible() && m->ToolBarAnalysis->Visible() && m->ToolBarParametric->Visible()};
}

// Chooses a main-window menu command by its item's name.
void ClickMenuItem(TMainForm* main, const char* name)
{
    auto* item = dynamic_cast<TMenuItem*>(main->FindComponent(name));
    ASSERT_NE(item, nullptr) << name;
    item->Click();
    TestProcess();
}

const TCommandState NoDocument{false, false, false, false, false, false};
const TCommandState SomeDocument{true, true, true, true, true, true};

}  // namespace

TEST(MainWindow, StartsWithTheModelNamedOnTheCommandLine)
{
    TRunningProgram program({"{sample}"});
    ASSERT_EQ(program.Documents(), 1);
    EXPECT_EQ(program.Active()->Caption(), program.Sample());
    EXPECT_EQ(RecentFiles(), std::vector<std::string>{program.Sample().ToUtf8()});
    EXPECT_EQ(CurrentModel.Dim.L1, program.Active()->Param.Dim.L1);
    EXPECT_TRUE(Commands() == SomeDocument);
    EXPECT_EQ(program.Main()->Caption(), String("Dorvane"));
    EXPECT_EQ(WindowSystem().ApplicationIconSize(), (TSize{32, 32}));   // the program's icon on its windows
    EXPECT_EQ(program.Main()->ComboUnits->ItemIndex(), static_cast<Integer>(program.Active()->Param.unites));
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    TestGrabToPng(program.Main(), DORVANE_SCREENSHOTS "/main-window.png");
}

// The disabled file buttons show the grey images of the main window's disabled list: each image
// there is its active image in greys (the same shape, several shades, no colour), and the Save
// button, disabled without a document, shows its grey picture as it is.
TEST(MainWindow, DisabledFileButtonsShowTheGreyImages)
{
    TRunningProgram program;
    TMainForm* m = program.Main();
    ASSERT_EQ(m->ToolBarFile->DisabledImages(), m->ImageListDisabled);
    ASSERT_EQ(m->ImageListDisabled->Count(), m->ImageListActive->Count());
    auto picture = [](const TCustomImageList* list, Integer index, TBitmap& into) {
        into.SetPixelFormat(TPixelFormat::pf32bit);
        into.SetSize(list->Width(), list->Height());
        into.Canvas().FillRectColor(TRect{0, 0, list->Width(), list->Height()}, clBtnFace);
        list->Draw(into.Canvas(), 0, 0, index, true);
    };
    auto isGrey = [](TColor c) { return (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF); };
    const TColor face = ColorToRGB(clBtnFace);
    for (Integer i = 0; i < m->ImageListActive->Count(); ++i) {
        TBitmap active, grey;
        picture(m->ImageListActive, i, active);
        picture(m->ImageListDisabled, i, grey);
        int reshaped = 0, coloured = 0;
        std::set<TColor> shades;
        for (Integer y = 0; y < 16; ++y)
            for (Integer x = 0; x < 16; ++x) {
                const TColor a = active.Canvas().Pixel(x, y), g = grey.Canvas().Pixel(x, y);
                reshaped += (a == face) != (g == face);
                coloured += !isGrey(g);
                shades.insert(g);
            }
        EXPECT_EQ(reshaped, 0) << i;
        EXPECT_EQ(coloured, 0) << i;
        EXPECT_GE(shades.size(), 3u) << i;
    }

    ASSERT_FALSE(m->ToolButtonSave->Enabled());
    TestProcess();
    TBitmap bar, save;
    TestGrab(m->ToolBarFile, bar);
    picture(m->ImageListDisabled, 2, save);
    const TRect button = m->ToolBarFile->ButtonRect(2);
    bool shown = false;
    for (Integer top = button.Top; top + 16 <= button.Bottom && !shown; ++top)
        for (Integer left = button.Left; left + 16 <= button.Right && !shown; ++left) {
            shown = true;
            for (Integer y = 0; y < 16 && shown; ++y)
                for (Integer x = 0; x < 16 && shown; ++x)
                    shown = bar.Canvas().Pixel(left + x, top + y) == save.Canvas().Pixel(x, y);
        }
    EXPECT_TRUE(shown);
    std::filesystem::create_directories(DORVANE_SCREENSHOTS);
    TestGrabToPng(m, DORVANE_SCREENSHOTS "/main-window-empty.png");
}

TEST(MainWindow, CommandLineArgumentsOpenEachFileOrJoinAPathWithBlanks)
{
    TempFolder scratch;
    const std::string spaced = scratch.Folder("dam studies") + "/copy one.dam";
    std::filesystem::copy_file(PROGRAMDATA_DIR "samples/GravityDam60m.dam", spaced);
    const std::string spacedDir = scratch.Path() + "/dam";
    // "/…/dam" "studies/copy" "one.dam": one file split by the shell at its blanks; an argument
    // without ".dam" after the last name is not used, nor is a lone name without ".dam".
    TRunningProgram program({spacedDir, "studies/copy", "one.dam", "{sample}", "trailing"});
    ASSERT_EQ(program.Documents(), 2);
    EXPECT_EQ(RecentFiles(), (std::vector<std::string>{program.Sample().ToUtf8(), spaced}));
    EXPECT_TRUE(TestMessageBoxes().empty());
}

TEST(MainWindow, WithoutDocumentsOnlyTheFrameCommandsAreOffered)
{
    TRunningProgram program;
    EXPECT_EQ(program.Documents(), 0);
    EXPECT_TRUE(Commands() == NoDocument);
    EXPECT_EQ(program.Main()->ComboUnits->ItemIndex(), 0);
    EXPECT_FALSE(program.Main()->Webupdate1->Enabled());
    // The units list does nothing without a document.
    program.Main()->ComboUnits->SetItemIndex(1);
    program.Main()->ComboUnitsChange(program.Main()->ComboUnits);
    EXPECT_EQ(program.Documents(), 0);
}

TEST(MainWindow, OpenDialogOpensOnceAndRemembersFolderAndFilter)
{
    TRunningProgram program;
    TestAnswerNextFileDialog({program.Sample()}, 2);
    program.Main()->FileOpenItem->Click();
    ASSERT_EQ(program.Documents(), 1);
    const TFileDialogRequest& request = TestLastFileDialog();
    EXPECT_FALSE(request.Save);
    ASSERT_EQ(request.Filters.size(), 2u);
    EXPECT_EQ(request.Filters[0].first, String("Dorvane files"));
    EXPECT_EQ(request.Filters[0].second, String("*.dam"));
    EXPECT_EQ(request.Filters[1].first, String("All files (*.*)"));
    EXPECT_EQ(request.InitialDir, IncludeTrailingPathDelimiter(String(program.Folder().Path())));
    EXPECT_EQ(LastDirectory, IncludeTrailingPathDelimiter(String(program.Folder().Path())));
    EXPECT_EQ(LastFilterIndex, 2);
    EXPECT_TRUE(Commands() == SomeDocument);

    // The same file again: the reader refuses it, no second window.
    TestAnswerNextMessageBox(mrOk);
    TestAnswerNextFileDialog({program.Sample()}, 1);
    program.Main()->FileOpenItem->Click();
    EXPECT_EQ(program.Documents(), 1);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("file already opened!"));
    EXPECT_EQ(LastFilterIndex, 2);   // not remembered for a refused file
}

TEST(MainWindow, DroppedFilesOpenWithTheirWholeNames)
{
    TRunningProgram program;
    const std::string longName = program.Folder().Path() + "/" + std::string(250, 'd') + ".dam";   // past 255
    std::filesystem::copy_file(program.Sample().ToUtf8(), longName);
    TestDropFiles(program.Main(), {program.Sample(), String(longName)});
    ASSERT_EQ(program.Documents(), 2);
    EXPECT_EQ(RecentFiles(), (std::vector<std::string>{longName, program.Sample().ToUtf8()}));
    EXPECT_EQ(program.Active()->Caption(), String(longName));
}

TEST(MainWindow, RecentFileOpensOrLeavesTheListWhenItCannotBeRead)
{
    TRunningProgram program({"{sample}"});
    program.Main()->FileCloseItem->Click();
    TestProcess();
    ASSERT_EQ(program.Documents(), 0);
    EXPECT_TRUE(Commands() == NoDocument);
    // The File menu lists the recent file after a separator at its end.
    TMenuItem* file = program.Main()->File1;
    ASSERT_EQ(file->Items(file->Count() - 1)->Caption(), program.Sample());
    EXPECT_EQ(file->Items(file->Count() - 2)->Caption(), String("-"));
    file->Items(file->Count() - 1)->Click();
    EXPECT_EQ(program.Documents(), 1);

    // An open file clicked again is refused by the reader and leaves the list.
    TestAnswerNextMessageBox(mrOk);
    program.Main()->MRUFilesClick(program.Main()->MRUFiles, program.Sample());
    EXPECT_EQ(program.Documents(), 1);
    EXPECT_TRUE(RecentFiles().empty());
}

TEST(MainWindow, SaveAsWritesTheModelUnderTheNewNameAndRefusesAnOpenFile)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* document = program.Active();
    document->Param.Donnees.Include(daChanged);
    document->MakeCurrent();
    const String copy = program.InFolder("copy.dam");
    TestAnswerNextFileDialog({copy});
    program.Main()->FileSaveAsItem->Click();
    EXPECT_TRUE(TestLastFileDialog().Save);
    EXPECT_EQ(TestLastFileDialog().Title, String("Save dam model as:"));
    EXPECT_EQ(TestLastFileDialog().FileName, program.Sample());
    EXPECT_EQ(TestLastFileDialog().DefaultExt, String("dam"));
    EXPECT_TRUE(TestLastFileDialog().OverwritePrompt);
    EXPECT_TRUE(FileExists(copy));
    EXPECT_EQ(document->Caption(), copy);
    EXPECT_FALSE(document->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(CurrentModel.Donnees.Contains(daChanged));
    EXPECT_EQ(RecentFiles().front(), copy.ToUtf8());

    // A name that leads to the open document's file is refused, as opening it would be: through
    // "." and through a link.
    std::filesystem::create_symlink(copy.ToUtf8(), program.InFolder("link.dam").ToUtf8());
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(copy.ToUtf8());
    for (const char* name : {"./copy.dam", "link.dam"}) {
        TestAnswerNextMessageBox(mrOk);
        TestAnswerNextFileDialog({program.InFolder(name)});
        program.Main()->FileSaveAsItem->Click();
    }
    ASSERT_EQ(TestMessageBoxes().size(), 2u);
    for (const TMessageBoxRequest& box : TestMessageBoxes())
        EXPECT_EQ(box.Text, String("File is already in use, change file name"));
    EXPECT_EQ(std::filesystem::last_write_time(copy.ToUtf8()), written);
    EXPECT_EQ(document->Caption(), copy);

    // Its name in other letters is another file here: written, and the document takes it.
    TestAnswerNextFileDialog({program.InFolder("COPY.DAM")});
    program.Main()->FileSaveAsItem->Click();
    EXPECT_EQ(TestMessageBoxes().size(), 2u);
    EXPECT_TRUE(FileExists(program.InFolder("COPY.DAM")));
    EXPECT_EQ(document->Caption(), program.InFolder("COPY.DAM"));

    // The copy reads back as the model that was saved.
    program.Main()->FileCloseItem->Click();
    TestProcess();
    ASSERT_EQ(program.Documents(), 0);
    program.Main()->LectureFichier1_0(copy);
    ASSERT_TRUE(ProceedFlag);
    EXPECT_EQ(CurrentModel.NJoints, document == nullptr ? 0 : CurrentModel.NJoints);
}

TEST(MainWindow, ClosingAChangedDocumentAsksAndFollowsTheAnswer)
{
    TRunningProgram program;
    program.Main()->FileNewItem->Click();
    ASSERT_EQ(program.Documents(), 1);
    TMDIChild* document = program.Active();
    EXPECT_EQ(document->Caption(), String("Noname1"));
    document->Param.Donnees.Include(daChanged);

    // Cancel keeps the window.
    TestAnswerNextMessageBox(mrCancel);
    program.Main()->FileCloseItem->Click();
    TestProcess();
    ASSERT_EQ(program.Documents(), 1);
    EXPECT_EQ(TestMessageBoxes().back().Text, String("Save file: Noname1 ?"));

    // Yes on a document without a file asks for a name; cancelling it keeps the window, changed.
    TestAnswerNextMessageBox(mrYes);
    TestAnswerNextFileDialog({});
    program.Main()->FileCloseItem->Click();
    TestProcess();
    ASSERT_EQ(program.Documents(), 1);
    EXPECT_TRUE(program.Active()->Param.Donnees.Contains(daChanged));

    // Yes with a name saves and closes.
    const String named = program.InFolder("new dam.dam");
    TestAnswerNextMessageBox(mrYes);
    TestAnswerNextFileDialog({named});
    program.Main()->FileCloseItem->Click();
    TestProcess();
    EXPECT_EQ(program.Documents(), 0);
    EXPECT_TRUE(FileExists(named));
    EXPECT_EQ(RecentFiles().front(), named.ToUtf8());
    EXPECT_TRUE(Commands() == NoDocument);

    // No closes without saving.
    program.Main()->FileNewItem->Click();
    program.Active()->Param.Donnees.Include(daChanged);
    TestAnswerNextMessageBox(mrNo);
    program.Main()->FileCloseItem->Click();
    TestProcess();
    EXPECT_EQ(program.Documents(), 0);

    // An unchanged document closes without a question.
    program.Main()->FileNewItem->Click();
    const size_t boxes = TestMessageBoxes().size();
    program.Main()->FileCloseItem->Click();
    TestProcess();
    EXPECT_EQ(program.Documents(), 0);
    EXPECT_EQ(TestMessageBoxes().size(), boxes);
}

TEST(MainWindow, UnitListConvertsTheWholeActiveModel)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* document = program.Active();
    ASSERT_EQ(document->Param.unites, SI);
    const double heightMetres = document->Param.Dim.Elev.A - document->Param.Dim.Elev.B;
    document->Param.Donnees.Include(daAnalysed);
    program.Main()->ComboUnits->SetItemIndex(1);
    program.Main()->ComboUnitsChange(program.Main()->ComboUnits);
    EXPECT_EQ(document->Param.unites, US);
    EXPECT_NEAR(document->Param.Dim.Elev.A - document->Param.Dim.Elev.B, heightMetres / 0.3048, 1e-6);
    EXPECT_TRUE(document->Param.Donnees.Contains(daChanged));
    EXPECT_FALSE(document->Param.Donnees.Contains(daAnalysed));
    EXPECT_EQ(CurrentModel.unites, US);
    // The system the model already has changes nothing.
    document->Param.Donnees.Exclude(daChanged);
    program.Main()->ComboUnitsChange(program.Main()->ComboUnits);
    EXPECT_FALSE(document->Param.Donnees.Contains(daChanged));
}

// Imperial chosen in the units list as the user chooses it: the dam is drawn again in feet, so
// the pointer over the sample's concrete at x = 4 m, elevation 150 m reads 13.12 ft and 492.13 ft
// in the status bar, and the technical drawing's axes span the section in feet.
TEST(MainWindow, UnitListRedrawsTheDamInTheNewUnits)
{
    for (const TDrawMode mode : {dmLandScape, dmTechnical}) {
        TRunningProgram program({"{sample}"});
        TMDIChild* d = program.Active();
        if (mode == dmTechnical) d->Technical1Click(d->Technical1);
        const Integer X = static_cast<Integer>(std::nearbyint(0.15L * d->W)) + d->xc +
                          static_cast<Integer>(std::nearbyint((4 - d->x0) * d->dpl));
        const Integer Y = static_cast<Integer>(std::nearbyint(0.85L * d->H)) - d->yc -
                          static_cast<Integer>(std::nearbyint((150 - d->Elev0) * d->dpl));
        TCustomComboBox* units = program.Main()->ComboUnits;
        units->SetFocus();
        TestPressKey(units, VK_DOWN);
        TestProcess();
        ASSERT_EQ(d->Param.unites, US) << mode;
        if (mode == dmLandScape) {
            TestMouseMove(d->DamImage, X, Y);
            const std::string x = program.Main()->StatusBar->Panels()[0]->Text().ToUtf8();
            const std::string el = program.Main()->StatusBar->Panels()[1]->Text().ToUtf8();
            ASSERT_TRUE(x.size() > 7 && el.size() > 7) << x << " / " << el;
            EXPECT_EQ(x.substr(x.size() - 3), " ft");
            EXPECT_NEAR(std::stod(x.substr(4)), 4 / 0.3048, 1 / d->dpl) << x;
            EXPECT_NEAR(std::stod(el.substr(4)), 150 / 0.3048, 1 / d->dpl) << el;
        } else {
            // The 47 m base (154.2 ft) centred across, with 30 % or more to spare.
            const double low = d->CADDraw->Scale1X().RangeLow(), high = d->CADDraw->Scale1X().RangeHigh();
            EXPECT_NEAR((low + high) / 2, 47 / 0.3048 / 2, 1e-6);
            EXPECT_GE(high - low, 1.3 * 47 / 0.3048 - 1e-6);
        }
    }
}

TEST(MainWindow, SettingsAreWrittenAtExitAndReadAtStart)
{
    std::string written;
    std::string folderPath;
    {
        TRunningProgram program({"{sample}"});
        program.Main()->SetBounds(40, 30, 700, 500);
        LastDirectory = "/srv/dams/";
        LastFilterIndex = 2;
        ASSERT_TRUE(program.Exit());
        written = program.SettingsText();
        folderPath = program.Sample().ToUtf8();
    }
    for (const std::string line : {"[Window]\nWindow State=0\nTop=30\nLeft=40\nHeight=500\nWidth=700\n",
                                   "[File]\nLast Directory=/srv/dams/\nFilter Index=2\n"})
        EXPECT_NE(written.find(line), std::string::npos) << written;
    EXPECT_NE(written.find("[Recent Files]\nFile1=" + folderPath + "\n"), std::string::npos) << written;

    TRunningProgram again({}, "[Window]\nWindow State=0\nTop=30\nLeft=40\nHeight=500\nWidth=700\n"
                              "[File]\nLast Directory=/srv/dams/\nFilter Index=2\n"
                              "[Recent Files]\nFile1=/srv/dams/a.dam\nFile2=/srv/dams/b.dam\n");
    EXPECT_EQ(LastDirectory, String("/srv/dams/"));
    EXPECT_EQ(LastFilterIndex, 2);
    EXPECT_EQ(RecentFiles(), (std::vector<std::string>{"/srv/dams/a.dam", "/srv/dams/b.dam"}));
    EXPECT_EQ(again.Main()->Left(), 40);
    EXPECT_EQ(again.Main()->Width(), 700);
}

TEST(MainWindow, MinimizedExitKeepsThePlacementKeys)
{
    TRunningProgram program({}, "[Window]\nWindow State=0\nTop=30\nLeft=40\nHeight=500\nWidth=700\n");
    program.Main()->SetWindowState(wsMinimized);
    ASSERT_TRUE(program.Exit());
    const std::string text = program.SettingsText();
    EXPECT_NE(text.find("Window State=1\nTop=30\nLeft=40\nHeight=500\nWidth=700\n"), std::string::npos) << text;
}

TEST(MainWindow, ExitAsksForEveryChangedDocumentLastFirstAndCancelKeepsAll)
{
    TRunningProgram program({}, "[Window]\nWindow State=0\nTop=30\nLeft=40\nHeight=500\nWidth=700\n");
    program.Main()->FileNewItem->Click();
    program.Main()->FileNewItem->Click();
    for (Integer i = 0; i < 2; ++i) program.Main()->DocumentWindow(i)->Param.Donnees.Include(daChanged);
    TestAnswerNextMessageBox(mrNo);
    TestAnswerNextMessageBox(mrCancel);
    EXPECT_FALSE(program.Exit());
    EXPECT_EQ(program.Documents(), 2);
    ASSERT_EQ(TestMessageBoxes().size(), 2u);
    EXPECT_EQ(Copy(TestMessageBoxes()[0].Text, 1, 11), String("Save file: "));
    EXPECT_NE(Pos("\rbefore closing Dorvane?", TestMessageBoxes()[0].Text), 0);
    EXPECT_EQ(program.SettingsText().find("Filter Index"), std::string::npos);   // nothing written
}

TEST(MainWindow, SavingAtExitWritesEachDocumentUnderItsOwnName)
{
    TRunningProgram program({"{sample}"});
    const String copy = program.InFolder("second.dam");
    std::filesystem::copy_file(program.Sample().ToUtf8(), copy.ToUtf8());
    TestDropFiles(program.Main(), {copy});
    ASSERT_EQ(program.Documents(), 2);
    TMDIChild* first = program.Main()->DocumentWindow(0) == program.Active() ? program.Main()->DocumentWindow(1)
                                                                              : program.Main()->DocumentWindow(0);
    TMDIChild* active = program.Active();
    first->Param.Donnees.Include(daChanged);
    first->Param.Infos.Titre = "Saved at exit";
    const String activeCaption = active->Caption();
    TestAnswerNextMessageBox(mrYes);
    ASSERT_TRUE(program.Exit());
    // The active document keeps its name; the saved file holds the changed model.
    EXPECT_EQ(active->Caption(), activeCaption);
    TDamFileHostHeadless host;
    LectureFichier1_0(host, first->Caption());
    ASSERT_TRUE(host.Proceed);
    EXPECT_EQ(host.Model.Infos.Titre.ToString(), String("Saved at exit"));
}

TEST(MainWindow, CalculatorMissingIsReported)
{
    TRunningProgram program;
    const char* path = std::getenv("PATH");
    const std::string saved = path ? path : "";
    ::setenv("PATH", program.Folder().Path().c_str(), 1);   // no calculator there
    TestAnswerNextMessageBox(mrOk);
    program.Main()->Calculator1->Click();
    ::setenv("PATH", saved.c_str(), 1);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Unable to find MS Calculator"));
}

TEST(MainWindow, MenusCarryTheirShortcutsAndGroups)
{
    TRunningProgram program;
    struct Case {
        const char* item;
        const char* shortcut;
    };
    const Case cases[] = {{"FileOpenItem", "Ctrl+O"}, {"FileCloseItem", "Ctrl+X"}, {"FileSaveItem", "Ctrl+S"},
                          {"FileSaveAsItem", "Ctrl+A"}, {"Index1", "F1"}, {"UserManual1", "Ctrl+U"},
                          {"Webupdate1", "Ctrl+W"}, {"HelpAboutItem", "Ctrl+A"}};
    for (const Case& c : cases) {
        auto* item = dynamic_cast<TMenuItem*>(program.Main()->FindComponent(c.item));
        ASSERT_NE(item, nullptr) << c.item;
        EXPECT_EQ(ShortCutToText(item->ShortCut()), String(c.shortcut)) << c.item;
    }
    EXPECT_EQ(program.Main()->File1->GroupIndex(), 0);
    EXPECT_EQ(program.Main()->Window1->GroupIndex(), 10);
    EXPECT_EQ(program.Main()->Help1->GroupIndex(), 11);
    // Ctrl+A runs Save As: the File menu comes first.
    EXPECT_EQ(program.Main()->MainMenu1->FindItemByShortCut(ShortCut('A', {ssCtrl})), program.Main()->FileSaveAsItem);
}

TEST(MainWindow, ExitWithANameDialogCancelledKeepsTheProgramAndTheDocument)
{
    TRunningProgram program;
    program.Main()->FileNewItem->Click();
    program.Active()->Param.Donnees.Include(daChanged);
    TestAnswerNextMessageBox(mrYes);
    TestAnswerNextFileDialog({});
    EXPECT_FALSE(program.Exit());
    ASSERT_EQ(program.Documents(), 1);
    EXPECT_EQ(program.Active()->Caption(), String("Noname1"));
    EXPECT_TRUE(program.Active()->Param.Donnees.Contains(daChanged));
    EXPECT_EQ(program.SettingsText().find("Window State"), std::string::npos);   // nothing written
}

TEST(MainWindow, AFileThatCannotBeWrittenIsReportedAndTheModelStaysChanged)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* document = program.Active();
    document->Param.Donnees.Include(daChanged);
    document->MakeCurrent();
    const String unwritable = program.InFolder("no such folder/copy.dam");
    const std::vector<std::string> recent = RecentFiles();

    // Save As into a folder that does not exist.
    TestAnswerNextMessageBox(mrOk);
    TestAnswerNextFileDialog({unwritable});
    program.Main()->FileSaveAsItem->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, "Unable to write the file " + unwritable + "\rThe model is not saved.");
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Error);
    EXPECT_EQ(document->Caption(), program.Sample());
    EXPECT_TRUE(document->Param.Donnees.Contains(daChanged));
    EXPECT_TRUE(CurrentModel.Donnees.Contains(daChanged));
    EXPECT_EQ(RecentFiles(), recent);

    // A value the file cannot keep: the report names its field, and the old file stays.
    const std::uintmax_t size = std::filesystem::file_size(program.Sample().ToUtf8());
    document->Param.Reservoir.SedAngle = 90;
    document->MakeCurrent();
    TestAnswerNextMessageBox(mrOk);
    program.Main()->FileSaveItem->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 2u);
    EXPECT_EQ(TestMessageBoxes()[1].Text, "Unable to write the file " + program.Sample() +
                                              "\rThe model is not saved.\rThe value of Reservoir.SedAngle is not valid.");
    EXPECT_EQ(std::filesystem::file_size(program.Sample().ToUtf8()), size);
    document->Param.Reservoir.SedAngle = 30;
    document->MakeCurrent();

    // A folder where its own file was: Save reports it, and Exit with Yes keeps the program.
    std::filesystem::remove(program.Sample().ToUtf8());
    std::filesystem::create_directory(program.Sample().ToUtf8());
    TestAnswerNextMessageBox(mrOk);
    program.Main()->FileSaveItem->Click();
    ASSERT_EQ(TestMessageBoxes().size(), 3u);
    EXPECT_EQ(TestMessageBoxes()[2].Text, "Unable to write the file " + program.Sample() + "\rThe model is not saved.");
    EXPECT_TRUE(document->Param.Donnees.Contains(daChanged));
    TestAnswerNextMessageBox(mrYes);
    TestAnswerNextMessageBox(mrOk);
    EXPECT_FALSE(program.Exit());
    EXPECT_EQ(program.Documents(), 1);
    EXPECT_TRUE(document->Param.Donnees.Contains(daChanged));
}

TEST(MainWindow, ANameThatCannotBeReadIsReportedAndTheNextArgumentOpensAlone)
{
    TempFolder scratch;
    const std::string missing = scratch.Path() + "/missing.dam";
    TestAnswerNextMessageBox(mrOk);
    TRunningProgram program({missing, "{sample}", "extra"});
    ASSERT_EQ(program.Documents(), 1);
    EXPECT_EQ(program.Active()->Caption(), program.Sample());
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Wrong file format!"));
}

TEST(MainWindow, HelpIndexShowsTheMainWindowsPageAndTheManualGoesToTheDesktopsReader)
{
    TRunningProgram program;
    const std::filesystem::path folder(program.Folder().Path());
    std::filesystem::create_directories(folder / "help" / "dorvane");
    std::filesystem::copy_file(std::filesystem::path(PROGRAMDATA_DIR) / "help" / "dorvane" / "10.html",
                               folder / "help" / "dorvane" / "10.html");
    std::filesystem::create_directories(folder / "Doc");
    std::ofstream(folder / "Doc" / "Dorvane User Manual.pdf") << "%PDF-1.4\n";

    ClickMenuItem(program.Main(), "Index1");
    EXPECT_EQ(ServicesBackend().HelpPage(), program.InFolder("help/dorvane/10.html"));   // the main window's context
    ServicesBackend().CloseHelp();

    std::vector<std::vector<String>> started;
    const TProcessStarter previous = SetProcessStarter([&started](const std::vector<String>& argv, const String&) {
        started.push_back(argv);
        return 0;
    });
    ClickMenuItem(program.Main(), "UserManual1");
    SetProcessStarter(previous);
    EXPECT_EQ(started, (std::vector<std::vector<String>>{{"xdg-open", program.InFolder("Doc/Dorvane User Manual.pdf")}}));
}

// The sample and a copy of it open in two document windows, the first maximised.
struct TTwoDocuments {
    TRunningProgram Program{{"{sample}"}};
    TMDIChild* A = nullptr;
    TMDIChild* B = nullptr;
    TTwoDocuments()
    {
        const String copy = Program.InFolder("second.dam");
        std::filesystem::copy_file(Program.Sample().ToUtf8(), copy.ToUtf8());
        TestDropFiles(Program.Main(), {copy});
        A = Program.Main()->DocumentWindow(0);
        B = Program.Main()->DocumentWindow(1);
        A->SetWindowState(wsMaximized);
        TestProcess();
    }
};

TEST(MainWindow, WindowMenuTilesAndCascadesTheDocuments)
{
    TTwoDocuments docs;
    ASSERT_EQ(docs.Program.Documents(), 2);
    TMDIChild* a = docs.A;
    TMDIChild* b = docs.B;
    const Integer frameWidth = docs.Program.Main()->ClientWidth();

    // tiled: a maximised document is restored; Tile Vertical puts the two side by side, sharing the
    // frame's width, Tile Horizontal one above the other at its full width; neither overlaps the other
    for (const auto& [item, sideBySide] : {std::pair{"WindowTileItem", true}, std::pair{"TileHorizontal1", false}}) {
        ClickMenuItem(docs.Program.Main(), item);
        EXPECT_EQ(a->WindowState(), wsNormal) << item;
        TMDIChild* first = sideBySide ? (a->Left() < b->Left() ? a : b) : (a->Top() < b->Top() ? a : b);
        TMDIChild* second = first == a ? b : a;
        if (sideBySide) {
            EXPECT_EQ(a->Top(), 0) << item;
            EXPECT_EQ(b->Top(), 0) << item;
            EXPECT_EQ(a->Height(), b->Height()) << item;
            EXPECT_EQ(first->Left(), 0) << item;
            EXPECT_EQ(second->Left(), first->Left() + first->Width()) << item;
            EXPECT_LE(std::abs(a->Width() - b->Width()), 1) << item;
            EXPECT_EQ(a->Width() + b->Width(), frameWidth) << item;
        } else {
            EXPECT_EQ(a->Left(), 0) << item;
            EXPECT_EQ(b->Left(), 0) << item;
            EXPECT_EQ(a->Width(), frameWidth) << item;
            EXPECT_EQ(b->Width(), frameWidth) << item;
            EXPECT_EQ(first->Top(), 0) << item;
            EXPECT_EQ(second->Top(), first->Top() + first->Height()) << item;
            EXPECT_LE(std::abs(a->Height() - b->Height()), 1) << item;
        }
    }
    // cascaded: one size for both, smaller than the frame, one offset down and right from the other
    ClickMenuItem(docs.Program.Main(), "WindowCascadeItem");
    EXPECT_EQ(a->Width(), b->Width());
    EXPECT_EQ(a->Height(), b->Height());
    EXPECT_LT(a->Width(), frameWidth);
    TMDIChild* upper = a->Top() < b->Top() ? a : b;
    TMDIChild* lower = upper == a ? b : a;
    EXPECT_GT(lower->Top(), upper->Top());
    EXPECT_GT(lower->Left(), upper->Left());
}

TEST(MainWindow, WindowMenuMinimizesAllDocumentsAndArrangesTheirIcons)
{
    TTwoDocuments docs;
    ASSERT_EQ(docs.Program.Documents(), 2);
    ClickMenuItem(docs.Program.Main(), "WindowTileItem");
    ClickMenuItem(docs.Program.Main(), "WindowCascadeItem");
    ClickMenuItem(docs.Program.Main(), "WindowMinimizeItem");
    EXPECT_EQ(docs.A->WindowState(), wsMinimized);
    EXPECT_EQ(docs.B->WindowState(), wsMinimized);

    // an icon moved away goes back into the row along the bottom
    docs.B->SetBounds(120, 40, docs.B->Width(), docs.B->Height());
    ClickMenuItem(docs.Program.Main(), "WindowArrangeItem");
    EXPECT_EQ(docs.A->Top(), docs.B->Top());
    EXPECT_EQ(std::min(docs.A->Left(), docs.B->Left()), 0);
    EXPECT_EQ(std::abs(docs.A->Left() - docs.B->Left()), docs.A->Width());
    EXPECT_GT(docs.A->Top(), docs.Program.Main()->ClientHeight() / 2);
}
