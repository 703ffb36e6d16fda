// Undo and the clipboard in the native edit and memo, on the real back end.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/graphics/Clipbrd.h"
#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"

namespace {

struct EditsForm : ::testing::Test {
    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    TMemo* Memo = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 320, 200);
        Edit = new TEdit(Form);
        Edit->SetBounds(10, 10, 200, 24);
        Edit->SetParent(Form);
        Memo = new TMemo(Form);
        Memo->SetBounds(10, 50, 200, 100);
        Memo->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(EditsForm, TypingCanBeUndoneUntilTheHistoryIsCleared)
{
    for (TCustomEdit* e : {static_cast<TCustomEdit*>(Edit), static_cast<TCustomEdit*>(Memo)}) {
        e->SetFocus();
        EXPECT_FALSE(e->CanUndo()) << e->ClassName();
        TestTypeText(e, "dam");
        EXPECT_EQ(e->Text(), "dam");
        ASSERT_TRUE(e->CanUndo()) << e->ClassName();
        e->Undo();
        EXPECT_EQ(e->Text(), "") << e->ClassName();

        TestTypeText(e, "crest");
        e->SetSelStart(1);
        e->SetSelLength(2);
        e->ClearUndo();
        EXPECT_FALSE(e->CanUndo()) << e->ClassName();
        EXPECT_EQ(e->Text(), "crest");
        EXPECT_EQ(e->SelText(), "re") << e->ClassName();   // the selection stays
        e->Undo();                                           // nothing to take back
        EXPECT_EQ(e->Text(), "crest");
        EXPECT_EQ(e->Perform(WM_UNDO), 0);
    }
}

TEST_F(EditsForm, CutCopyPasteAndClearGoThroughTheClipboard)
{
    for (TCustomEdit* e : {static_cast<TCustomEdit*>(Edit), static_cast<TCustomEdit*>(Memo)}) {
        e->SetText("upstream face");
        e->SetSelStart(0);
        e->SetSelLength(8);
        e->CopyToClipboard();
        EXPECT_EQ(Clipboard().AsText(), "upstream") << e->ClassName();
        EXPECT_EQ(e->Text(), "upstream face");
        e->SetSelStart(9);
        e->SetSelLength(4);
        e->CutToClipboard();
        EXPECT_EQ(Clipboard().AsText(), "face");
        EXPECT_EQ(e->Text(), "upstream ");
        e->SetSelStart(0);
        e->SetSelLength(0);
        e->PasteFromClipboard();
        EXPECT_EQ(e->Text(), "faceupstream ") << e->ClassName();
        e->SetSelStart(0);
        e->SetSelLength(4);
        e->ClearSelection();   // gone, and not into the clipboard
        EXPECT_EQ(e->Text(), "upstream ");
        EXPECT_EQ(Clipboard().AsText(), "face");
        EXPECT_TRUE(e->CanUndo()) << e->ClassName();   // the clipboard's changes are undone as typing is

        // a read-only edit lets its text be copied, nothing more
        e->SetReadOnly(true);
        e->SetSelStart(0);
        e->SetSelLength(2);
        e->CutToClipboard();
        EXPECT_EQ(e->Text(), "upstream ");
        EXPECT_EQ(Clipboard().AsText(), "face");
        e->CopyToClipboard();
        EXPECT_EQ(Clipboard().AsText(), "up");
        e->PasteFromClipboard();
        e->ClearSelection();
        EXPECT_EQ(e->Text(), "upstream ");
        e->SetReadOnly(false);
    }
}

// A window procedure in front of the edit's: it notes the clipboard messages and, when asked,
// keeps WM_PASTE from the edit.
struct TClipboardHook : TObject {
    TWndMethod Inherited;
    std::vector<Cardinal> Seen;
    bool RefusePaste = false;
    void Proc(TMessage& m)
    {
        if (m.Msg >= WM_CUT && m.Msg <= WM_PASTE) Seen.push_back(m.Msg);
        if (!(RefusePaste && m.Msg == WM_PASTE)) Inherited(m);
    }
};

TEST_F(EditsForm, TheKeyboardsCutCopyAndPasteAreTheEditsMessages)
{
    for (TCustomEdit* e : {static_cast<TCustomEdit*>(Edit), static_cast<TCustomEdit*>(Memo)}) {
        TClipboardHook hook;
        hook.Inherited = e->WindowProc;
        e->WindowProc = TWndMethod(&hook, &TClipboardHook::Proc);
        e->SetFocus();
        e->SetText("upstream face");
        struct Step { Integer SelStart, SelLength; Word Key; TShiftState Shift; Cardinal Msg; const char *Text, *Clip; };
        const Step steps[] = {
            {0, 8, 'C', {ssCtrl}, WM_COPY, "upstream face", "upstream"},
            {9, 4, 'X', {ssCtrl}, WM_CUT, "upstream ", "face"},
            {0, 0, 'V', {ssCtrl}, WM_PASTE, "faceupstream ", "face"},
            {0, 4, VK_INSERT, {ssCtrl}, WM_COPY, "faceupstream ", "face"},
            {4, 8, VK_INSERT, {ssShift}, WM_PASTE, "faceface ", "face"},
            {4, 5, VK_DELETE, {ssShift}, WM_CUT, "face", "face "},
        };
        for (const Step& step : steps) {
            e->SetSelStart(step.SelStart);
            e->SetSelLength(step.SelLength);
            hook.Seen.clear();
            TestPressKey(e, step.Key, step.Shift);
            EXPECT_EQ(hook.Seen, std::vector<Cardinal>{step.Msg}) << e->ClassName() << " " << step.Key;
            EXPECT_EQ(e->Text(), step.Text) << e->ClassName() << " " << step.Key;
            EXPECT_EQ(Clipboard().AsText(), step.Clip) << e->ClassName() << " " << step.Key;
        }
        // a control that answers WM_PASTE decides what the keys paste
        hook.RefusePaste = true;
        for (const auto& [key, shift] : {std::pair<Word, TShiftState>{'V', {ssCtrl}}, {VK_INSERT, {ssShift}}}) {
            TestPressKey(e, key, shift);
            EXPECT_EQ(e->Text(), "face") << e->ClassName() << " " << key;
        }
        e->WindowProc = hook.Inherited;
    }
}

}  // namespace
