#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/tests/TempFolder.h"
#include "platform/stdctrls/EditCompletion.h"

TEST(EditCompletion, CompletesToTheSharedStartAndSelectsTheAddedPart)
{
    TempFolder tmp;
    tmp.Make("Section1.dam");
    tmp.Make("section2.dam");
    tmp.Make("report.txt");
    tmp.Folder("Results");
    const String base = tmp.Path() + "/";
    std::unique_ptr<TEdit> edit(new TEdit(nullptr));

    struct Case {
        const char* Typed;
        TCompletionKind Kind;
        const char* Text;      // after the folder
        const char* Selected;
        size_t Names;
    };
    const Case cases[] = {
        {"sec", TCompletionKind::ckFilesAndFolders, "Section", "tion", 2},
        {"rep", TCompletionKind::ckFilesAndFolders, "report.txt", "ort.txt", 1},
        {"re", TCompletionKind::ckFoldersOnly, "Results", "sults", 1},
        {"re", TCompletionKind::ckFilesAndFolders, "re", "", 2},   // nothing shared beyond the typed part
        {"x", TCompletionKind::ckFilesAndFolders, "x", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        edit->SetText(base + c.Typed);
        edit->SetSelStart(edit->Text().Length());
        const std::vector<String> names = CompleteEditFileName(*edit, c.Kind);
        EXPECT_EQ(names.size(), c.Names);
        EXPECT_EQ(edit->Text(), base + c.Text);
        EXPECT_EQ(edit->SelText(), String(c.Selected));
    }
}

TEST(EditCompletion, TypingOnReplacesTheProposal)
{
    TempFolder tmp;
    tmp.Make("alpha.dam");
    std::unique_ptr<TEdit> edit(new TEdit(nullptr));
    edit->SetText(tmp.Path() + "/a");
    edit->SetSelStart(edit->Text().Length());
    CompleteEditFileName(*edit, TCompletionKind::ckFilesAndFolders);
    EXPECT_EQ(edit->Text(), tmp.Path() + "/alpha.dam");
    edit->SetSelText("b");
    EXPECT_EQ(edit->Text(), tmp.Path() + "/ab");
    EXPECT_TRUE(CompleteEditFileName(*edit, TCompletionKind::ckFilesAndFolders).empty());
    EXPECT_EQ(edit->Text(), tmp.Path() + "/ab");
}

TEST(EditCompletion, CompletesFromTheItemsOfAList)
{
    const std::vector<String> items = {"Upstream face", "Downstream toe", "upstream heel"};
    std::unique_ptr<TEdit> edit(new TEdit(nullptr));
    struct Case {
        const char* Typed;
        size_t Matching;
        const char* Text;
        const char* Selected;
    };
    const Case cases[] = {
        {"up", 2, "Upstream ", "stream "},   // the letter case of the first item found
        {"D", 1, "Downstream toe", "ownstream toe"},
        {"upstream h", 1, "upstream heel", "eel"},
        {"x", 0, "x", ""},
        {"", 3, "", ""},                     // nothing shared by all three
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        const std::vector<String> names = NamesStartingWith(items, c.Typed);
        EXPECT_EQ(names.size(), c.Matching);
        edit->SetText(c.Typed);
        edit->SetSelStart(edit->Text().Length());
        CompleteEditText(*edit, names);
        EXPECT_EQ(edit->Text(), String(c.Text));
        EXPECT_EQ(edit->SelText(), String(c.Selected));
    }
}
