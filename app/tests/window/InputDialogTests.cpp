// What every input dialog does the same way: the three kinds of Enter handling, Escape through
// the Cancel button, and the refused OK that keeps the dialog open with a warning box.
#include <gtest/gtest.h>

#include "app/InputDialog.h"
#include "app/tests/window/DialogTestSupport.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Edits.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

// Three edits one above the other, then OK (the default button) and Cancel (the cancel button).
class TSmallDialog : public TInputDialog {
public:
    TSmallDialog() : TInputDialog(nullptr)
    {
        for (int i = 0; i < 3; ++i) {
            Edit[i] = new TEdit(this);
            Edit[i]->SetBounds(10, 10 + 30 * i, 100, 21);
            Edit[i]->SetParent(this);
        }
        OK = Button("OK", mrOk, 0);
        OK->SetDefault(true);
        OK->OnClick = TNotifyEvent(this, &TSmallDialog::OKClick);
        Cancel = Button("Cancel", mrCancel, 80);
        Cancel->SetCancel(true);
        SetBounds(0, 0, 200, 180);
    }
    void OKClick(TObject*)
    {
        ++OkClicks;
        if (Edit[0]->Text().IsEmpty()) Refuse("Material name is missing!");
    }
    TEdit* Edit[3] = {};
    TButton* OK = nullptr;
    TButton* Cancel = nullptr;
    int OkClicks = 0;

private:
    TButton* Button(const char* caption, TModalResult result, Integer left)
    {
        auto* b = new TButton(this);
        b->SetCaption(caption);
        b->SetModalResult(result);
        b->SetBounds(10 + left, 110, 75, 25);
        b->SetParent(this);
        return b;
    }
};

// Runs the dialog modally; `inside` acts in it once it is shown.  The dialog's modal result.
TModalResult RunModal(TSmallDialog& dialog, std::function<void()> inside)
{
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        inside();
        TestProcess();
        if (dialog.Modal() && dialog.ModalResult() == mrNone) dialog.SetModalResult(mrIgnore);
    });
    return dialog.ShowModal();
}
}  // namespace

TEST(InputDialog, EnterAsTabMovesToTheNextFieldAndGoesOnToTheDefaultButton)
{
    TSmallDialog dialog;
    dialog.SetEnterAsTab();
    dialog.OK->SetDefault(false);
    TModalResult result = RunModal(dialog, [&] {
        dialog.Edit[0]->SetFocus();
        TestPressKey(dialog.Edit[0], VK_RETURN);
        TestProcess();
        EXPECT_EQ(dialog.FocusedControl(), dialog.Edit[1]);
        TestPressKey(dialog.Edit[1], VK_RETURN);
        TestProcess();
        EXPECT_EQ(dialog.FocusedControl(), dialog.Edit[2]);
    });
    EXPECT_EQ(result, mrIgnore);

    // With a default button the Enter, passed on, also presses it.
    TSmallDialog withDefault;
    withDefault.SetEnterAsTab();
    result = RunModal(withDefault, [&] {
        withDefault.Edit[0]->SetFocus();
        TestTypeText(withDefault.Edit[0], "Rock");
        TestPressKey(withDefault.Edit[0], VK_RETURN);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(withDefault.OkClicks, 1);
}

TEST(InputDialog, EnterFollowsTheFieldOrderThenTheDefaultButtonTakesIt)
{
    TSmallDialog dialog;
    dialog.SetEnterOrder({dialog.Edit[2], dialog.Edit[0]});
    TModalResult result = RunModal(dialog, [&] {
        dialog.Edit[2]->SetFocus();
        TestPressKey(dialog.Edit[2], VK_RETURN);
        TestProcess();
        EXPECT_EQ(dialog.FocusedControl(), dialog.Edit[0]);   // against the tab order
        EXPECT_EQ(dialog.OkClicks, 0);
        TestTypeText(dialog.Edit[0], "Concrete");
        TestPressKey(dialog.Edit[0], VK_RETURN);             // the last field of the order
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog.OkClicks, 1);
}

TEST(InputDialog, TwoFieldOrdersStayApart)
{
    TSmallDialog dialog;
    dialog.OK->SetDefault(false);
    dialog.SetEnterOrder({dialog.Edit[0], dialog.Edit[1]});
    dialog.AddEnterOrder({dialog.Edit[2], dialog.Cancel});
    const TModalResult result = RunModal(dialog, [&] {
        dialog.Edit[2]->SetFocus();
        TestPressKey(dialog.Edit[2], VK_RETURN);
        EXPECT_EQ(dialog.FocusedControl(), dialog.Cancel);
        dialog.Edit[0]->SetFocus();
        TestPressKey(dialog.Edit[0], VK_RETURN);
        EXPECT_EQ(dialog.FocusedControl(), dialog.Edit[1]);
        TestPressKey(dialog.Edit[1], VK_RETURN);   // the end of its order: nothing takes Enter
        TestProcess();
        EXPECT_EQ(dialog.FocusedControl(), dialog.Edit[1]);
    });
    EXPECT_EQ(result, mrIgnore);
}

TEST(InputDialog, WithoutEnterHandlingTheDefaultButtonTakesEnter)
{
    TSmallDialog dialog;
    dialog.Edit[1]->SetText("x");
    dialog.Edit[0]->SetText("x");
    const TModalResult result = RunModal(dialog, [&] {
        dialog.Edit[1]->SetFocus();
        TestPressKey(dialog.Edit[1], VK_RETURN);
    });
    EXPECT_EQ(result, mrOk);
}

TEST(InputDialog, EscapePressesTheCancelButton)
{
    TSmallDialog dialog;
    dialog.SetEnterAsTab();
    const TModalResult result = RunModal(dialog, [&] {
        dialog.Edit[0]->SetFocus();
        TestPressKey(dialog.Edit[0], VK_ESCAPE);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(dialog.OkClicks, 0);
}

TEST(InputDialog, ARefusedOkShowsAWarningAndKeepsTheDialogOpen)
{
    TestClearMessageBoxes();
    TSmallDialog dialog;
    TModalResult result = RunModal(dialog, [&] {
        TestAnswerNextMessageBox(mrOk);
        TestClick(dialog.OK, 30, 12);
        TestProcess();
        EXPECT_TRUE(dialog.Modal());
        EXPECT_EQ(dialog.ModalResult(), mrNone);
        dialog.Edit[0]->SetText("Concrete");
        TestClick(dialog.OK, 30, 12);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog.OkClicks, 2);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Material name is missing!"));
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Warning);
    EXPECT_EQ(TestMessageBoxes()[0].Buttons, std::vector<Integer>{mrOk});
}

TEST(InputDialog, UnitLabelsFollowTheirTagInEitherSystem)
{
    TSmallDialog dialog;
    auto label = [&](std::intptr_t tag) {
        auto* l = new TLabel(&dialog);
        l->SetParent(&dialog);
        l->SetCaption("m");
        l->SetTag(tag);
        return l;
    };
    TLabel* length = label(1 + uqLength);
    TLabel* stress = label(1 + uqStress);
    TLabel* cable = label(1 + uqCableForce);
    TLabel* plain = label(0);
    dialog.ShowUnitLabels(US);
    EXPECT_EQ(length->Caption(), String("ft"));
    EXPECT_EQ(stress->Caption(), String("ksf"));
    EXPECT_EQ(cable->Caption(), String("kips"));
    EXPECT_EQ(plain->Caption(), String("m"));
    dialog.ShowUnitLabels(SI);
    EXPECT_EQ(cable->Caption(), String("kN"));
}
