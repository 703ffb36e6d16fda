// The file-name edit: names quoted and read back, invalid names refused, the open dialog its
// button runs, files dropped on it, and a pasted line break.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "editcontrols/EcToolEdit.h"
#include "editcontrols/EditControlsRegistry.h"
#include "platform/backend/qt/QtServices.h"
#include "platform/classes/FormReader.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/stdctrls/EditCompletion.h"
#include "platform/testing/Driver.h"

namespace {

// A folder "edits" in the temp folder holding "in data.dam" and a folder "runs".
struct Files {
    Files()
    {
        std::filesystem::create_directories(Root / "runs");
        std::ofstream(Root / "in data.dam") << "x";
    }
    ~Files() { std::filesystem::remove_all(Root); }
    String Path(const char* name) const { return String((Root / name).string().c_str()); }
    std::filesystem::path Root = std::filesystem::temp_directory_path() / "dorvane-filename-edit";
};

TEST(FileNames, QuotingAndReadingBack)
{
    Files files;
    const String data = files.Path("in data.dam"), runs = files.Path("runs");
    struct Case { String Text; bool Strip; String Read; };
    const Case cases[] = {
        {"\"" + data + "\"", true, data},                // a quoted existing file
        {data, true, data},                              // unquoted: the whole name, blank and all
        {"  /out/my results.txt ", true, "/out/my results.txt"},   // a new output file keeps its name
        {"\"/out/my results.txt\"", true, "/out/my results.txt"},
        {"\"/out/my results.txt\"", false, "\"/out/my results.txt\""},
        {runs, true, runs + "/"},                        // an existing folder gets its separator
        {"\"" + runs + "\"", true, runs + "/"},
        {"\"", true, "\""},                              // a lone quote is no pair
        {"", true, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(RealFileName(c.Text, c.Strip), c.Read) << c.Text.ToUtf8();

    struct Quote { const char *Name, *Shown; };
    const Quote quotes[] = {
        {"/data/in.dam", "/data/in.dam"},
        {"/data files/in.dam", "\"/data files/in.dam\""},
        {"\"/data files/in.dam\"", "\"/data files/in.dam\""},   // already quoted
    };
    for (const Quote& q : quotes) EXPECT_EQ(QuoteFileName(q.Name), String(q.Shown)) << q.Name;
}

// A form with a file-name edit and an edit that takes the focus.
struct FilenameEditForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        InitQtServices();   // dropped files
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 120);
        Edit = new TEcFilenameEdit(Form.get());
        Edit->SetBounds(10, 10, 300, 21);
        Edit->SetParent(Form.get());
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        Form.reset();
        TestProcess();
    }
    Files Folder;
    std::unique_ptr<TForm> Form;
    TEcFilenameEdit* Edit = nullptr;
};

TEST_F(FilenameEditForm, WrittenNamesAreQuotedCheckedAndReadBack)
{
    Edit->SetFileName("/data files/in.dam");
    EXPECT_EQ(Edit->Text(), String("\"/data files/in.dam\""));
    EXPECT_EQ(Edit->FileName(), String("/data files/in.dam"));
    for (const char* bad : {"/data/a|b.dam", "/data/*.dam", "in<.dam", "a?b", "a\"b"}) {
        try {
            Edit->SetFileName(bad);
            ADD_FAILURE() << bad;
        } catch (const EComboEditError& e) {
            EXPECT_EQ(e.Message(), "Nom de fichier incorrect - " + String(bad));
        }
        EXPECT_EQ(Edit->Text(), String("\"/data files/in.dam\""));   // unchanged
    }
    Edit->SetFileName("\\data files\\in.dam");   // stored with the other separator
    EXPECT_EQ(Edit->Text(), String("\"/data files/in.dam\""));
    EXPECT_EQ(Edit->FileName(), String("/data files/in.dam"));
    Edit->SetFileName("");
    EXPECT_EQ(Edit->Text(), String(""));
    Edit->SetAddQuotes(false);
    Edit->SetFileName("/data files/in.dam");
    EXPECT_EQ(Edit->Text(), String("/data files/in.dam"));
}

TEST_F(FilenameEditForm, TheButtonRunsTheOpenDialogAndTheChosenFileFillsTheEdit)
{
    const String data = Folder.Path("in data.dam");
    Edit->SetFileName(Folder.Path("runs") + "/old.dam");
    TestAnswerNextFileDialog({data});
    TestClick(Edit->Button(), 5, 5);
    const TFileDialogRequest& asked = TestLastFileDialog();
    EXPECT_FALSE(asked.Save);
    EXPECT_EQ(asked.Title, String("Browse"));
    EXPECT_EQ(asked.InitialDir, Folder.Path("runs"));   // the folder of the name shown
    EXPECT_EQ(asked.FileName, String("old.dam"));
    ASSERT_EQ(asked.Filters.size(), 1u);
    EXPECT_EQ(asked.Filters[0].first, String("All files (*.*)"));
    EXPECT_EQ(asked.Filters[0].second, String("*.*"));
    EXPECT_EQ(Edit->Text(), "\"" + data + "\"");
    EXPECT_EQ(Edit->FileName(), data);
    EXPECT_TRUE(Edit->Modified());
    EXPECT_TRUE(Edit->Focused());

    TestAnswerNextFileDialog({});   // cancelled: nothing changes
    TestClick(Edit->Button(), 5, 5);
    EXPECT_EQ(Edit->FileName(), data);

    Edit->SetDialogKind(dkSave);
    TestAnswerNextFileDialog({Folder.Path("runs") + "/new results.txt"});
    TestClick(Edit->Button(), 5, 5);
    EXPECT_TRUE(TestLastFileDialog().Save);
    EXPECT_EQ(Edit->FileName(), Folder.Path("runs") + "/new results.txt");
}

// Each kind of dialog takes over the settings of the one before; the history is offered in the
// combo-box style.
TEST_F(FilenameEditForm, ChangingTheDialogKindKeepsEverySettingOfTheDialog)
{
    Edit->SetDefaultExt("dam");
    Edit->SetFilter("Dam files (*.dam)|*.dam|Text files (*.txt)|*.txt");
    Edit->SetFilterIndex(2);
    Edit->SetInitialDir(Folder.Path("runs"));
    Edit->SetDialogTitle("Output file");
    Edit->SetDialogOptions({ofOverwritePrompt});
    Edit->SetFileEditStyle(fsComboBox);
    Edit->HistoryList().Add(Folder.Path("runs") + "/last.dam");
    for (TFileDialogKind kind : {dkSave, dkOpenPicture, dkSavePicture, dkOpen}) {
        Edit->SetDialogKind(kind);
        TestAnswerNextFileDialog({});
        TestClick(Edit->Button(), 5, 5);
        const TFileDialogRequest& asked = TestLastFileDialog();
        EXPECT_EQ(asked.Save, kind == dkSave || kind == dkSavePicture) << kind;
        EXPECT_EQ(asked.Title, String("Output file")) << kind;
        EXPECT_EQ(asked.DefaultExt, String("dam")) << kind;
        EXPECT_EQ(asked.Filters.size(), 2u) << kind;
        EXPECT_EQ(asked.FilterIndex, 2) << kind;
        EXPECT_EQ(asked.InitialDir, Folder.Path("runs")) << kind;
        EXPECT_TRUE(asked.OverwritePrompt) << kind;
        EXPECT_EQ(asked.History, std::vector<String>{Folder.Path("runs") + "/last.dam"}) << kind;
    }
}

// An unfocused edit may show the name as the desktop shows it; FileName stays the name on disk,
// and typing into the edit gives the name typed.
TEST_F(FilenameEditForm, TheLocalizedNameIsShownWhileFileNameStaysThePhysicalOne)
{
    auto* other = new TEdit(Form.get());
    other->SetBounds(10, 50, 100, 21);
    other->SetParent(Form.get());
    Edit->SetDisplayLocalizedName(true);
    Edit->SetFileName(Folder.Path("runs") + "/in.dam");
    EXPECT_EQ(Edit->FileName(), Folder.Path("runs") + "/in.dam");
    EXPECT_EQ(Edit->Text(), Edit->LocalizedFileName());
    Edit->SetFocus();
    TestProcess();
    Edit->SelectAll();
    TestTypeText(Edit, "/data/out.dam");
    other->SetFocus();
    TestProcess();
    EXPECT_EQ(Edit->FileName(), String("/data/out.dam"));
    Edit->SetDisplayLocalizedName(false);
    EXPECT_EQ(Edit->Text(), String("/data/out.dam"));
}

// With in-place completion a typed start of a name is completed to the name the folder holds,
// the added part selected so that typing on replaces it; without it the text is as typed.
TEST_F(FilenameEditForm, ATypedNameIsCompletedInPlaceWhenAskedFor)
{
    const String folder = String(Folder.Root.string().c_str()) + "/";
    Edit->SetFocus();
    TestProcess();
    for (const bool append : {false, true}) {
        Edit->SetAutoCompleteOptions(append ? TEcAutoCompleteOptions{acoAutoAppend} : TEcAutoCompleteOptions{acoAutoSuggest});
        Edit->SetText(folder);
        Edit->SetSelStart(folder.Length());
        TestTypeText(Edit, "i");
        EXPECT_EQ(Edit->Text(), folder + (append ? "in data.dam" : "i")) << append;
        EXPECT_EQ(Edit->SelText(), String(append ? "n data.dam" : "")) << append;
    }
    TestTypeText(Edit, "x");   // typed over the completion: no name starts so
    EXPECT_EQ(Edit->Text(), folder + "ix");
}

// By default the names a typed start may become drop down in a list under the edit; the arrows
// and Enter take one, Escape closes the list and keeps the typed text, and so does leaving the
// edit.
TEST_F(FilenameEditForm, TheNamesATypedStartMayBecomeAreProposedInAList)
{
    const String folder = String(Folder.Root.string().c_str()) + "/";
    std::ofstream(Folder.Root / "index.txt") << "x";
    auto* other = new TEdit(Form.get());
    other->SetBounds(10, 50, 100, 21);
    other->SetParent(Form.get());
    Edit->SetFocus();
    TestProcess();
    auto typeStart = [&](const char* start) {
        Edit->SetText(folder);
        Edit->SetSelStart(folder.Length());
        TestTypeText(Edit, start);
    };
    auto dropped = [&] { return Edit->Suggestions() && Edit->Suggestions()->DroppedDown(); };

    typeStart("in");
    ASSERT_TRUE(dropped());
    TStrings& names = Edit->Suggestions()->Items();
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names[0], folder + "in data.dam");
    EXPECT_EQ(names[1], folder + "index.txt");
    EXPECT_EQ(Edit->Text(), folder + "in");   // nothing added in place
    TestPressKey(Edit, VK_BACK);                 // a shorter start: the list follows
    EXPECT_EQ(names.Count(), 2);
    TestTypeText(Edit, "nd");
    EXPECT_EQ(names.Count(), 1);
    TestPressKey(Edit, VK_DOWN);
    TestPressKey(Edit, VK_RETURN);
    EXPECT_EQ(Edit->Text(), folder + "index.txt");
    EXPECT_FALSE(dropped());

    typeStart("in");
    TestPressKey(Edit, VK_DOWN);
    TestPressKey(Edit, VK_ESCAPE);   // the list closes, the typed text stays
    EXPECT_FALSE(dropped());
    EXPECT_EQ(Edit->Text(), folder + "in");

    typeStart("r");
    ASSERT_TRUE(dropped());
    other->SetFocus();
    TestProcess();
    EXPECT_FALSE(dropped());
    EXPECT_EQ(Edit->Text(), folder + "r");

    Edit->SetFocus();
    typeStart("in");
    ASSERT_TRUE(dropped());
    Edit->SetAutoCompleteOptions({acoAutoAppend});   // no proposals: the list goes, none comes
    EXPECT_FALSE(dropped());
    typeStart("in");
    EXPECT_FALSE(dropped());
}

TEST_F(FilenameEditForm, ADroppedFileBecomesTheName)
{
    const String data = Folder.Path("in data.dam");
    TestDropFiles(Edit, {data, Folder.Path("runs")});
    EXPECT_EQ(Edit->FileName(), data);   // the first one
    EXPECT_TRUE(Edit->DialogFiles().empty());
}

// Dialog events that rename the starting file, or refuse the dialog.
struct DialogEvents : TObject {
    std::vector<std::string> Log;
    bool Refuse = false;
    void Before(TObject*, String& name, bool& action)
    {
        Log.push_back("before " + name.ToUtf8());
        name = "/data/start.dam";
        action = !Refuse;
    }
    void After(TObject*, String& name, bool& action)
    {
        Log.push_back("after " + name.ToUtf8() + (action ? " chosen" : " cancelled"));
    }
};

TEST_F(FilenameEditForm, TheDialogEventsSeeAndChangeTheName)
{
    DialogEvents events;
    Edit->OnBeforeDialog = TExecOpenDialogEvent(&events, &DialogEvents::Before);
    Edit->OnAfterDialog = TExecOpenDialogEvent(&events, &DialogEvents::After);
    Edit->SetFileName("/data/in.dam");
    TestAnswerNextFileDialog({"/data/chosen.dam"});
    TestClick(Edit->Button(), 5, 5);
    EXPECT_EQ(TestLastFileDialog().FileName, String("/data/start.dam"));   // no such folder: the whole name
    EXPECT_EQ(Edit->FileName(), String("/data/chosen.dam"));
    events.Refuse = true;
    TestClick(Edit->Button(), 5, 5);   // refused: no dialog, nothing after
    const std::vector<std::string> expected = {"before /data/in.dam", "after /data/chosen.dam chosen",
                                               "before /data/chosen.dam"};
    EXPECT_EQ(events.Log, expected);
}

TEST_F(FilenameEditForm, WithMultipleSelectionEveryDroppedFileIsKept)
{
    const String data = Folder.Path("in data.dam"), runs = Folder.Path("runs");
    Edit->SetDialogOptions(TOpenOptions{ofHideReadOnly, ofAllowMultiSelect});
    TestDropFiles(Edit, {data, runs});
    EXPECT_EQ(Edit->FileName(), data);   // the first one names the edit
    const std::vector<String> kept = {data, runs};
    EXPECT_EQ(Edit->DialogFiles(), kept);
    Edit->SetDialogOptions(TOpenOptions{ofHideReadOnly});
    EXPECT_TRUE(Edit->DialogFiles().empty());
}

TEST_F(FilenameEditForm, APastedLineBreakEndsTheName)
{
    Clipboard().SetAsText("/data/in.dam\r\n/data/other.dam");
    Edit->SetFocus();
    Edit->PasteFromClipboard();
    EXPECT_EQ(Edit->Text(), String("/data/in.dam"));
}

TEST(FilenameEditDescription, TheAnalysisOptionsDialogsEditIsReadByName)
{
    TestInitialize();
    RegisterEditControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(R"(object Panel1: TPanel
  Width = 300
  Height = 60
  object InputFile: TEcFilenameEdit
    Left = 8
    Top = 8
    Width = 280
    Height = 21
    Filter = 'Dam files (*.dam)|*.dam'
    DialogKind = dkSave
    DefaultExt = 'dam'
  end
end)"));
    auto* edit = dynamic_cast<TEcFilenameEdit*>(root->FindComponent("InputFile"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->DialogKind(), dkSave);
    EXPECT_EQ(edit->Filter(), String("Dam files (*.dam)|*.dam"));
    EXPECT_EQ(edit->DefaultExt(), String("dam"));
    EXPECT_EQ(edit->DialogTitle(), String("Browse"));
    EXPECT_TRUE(edit->AddQuotes());
}

}  // namespace
