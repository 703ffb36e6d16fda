// Actions and their clients: the values a control takes from its action, the changes that reach
// it while its own value is still the action's, and the click that runs the action.
#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/controls/Controls.h"

namespace {

// Counts the action's executions and keeps the component that started the last one.
struct TRecorder : TComponent {
    using TComponent::TComponent;
    int Executed = 0, OwnClicks = 0;
    TComponent* StartedBy = nullptr;
    void Execute(TObject* Sender)
    {
        ++Executed;
        StartedBy = static_cast<TBasicAction*>(Sender)->ActionComponent();
    }
    void OwnClick(TObject*) { ++OwnClicks; }
};

struct Actions : ::testing::Test {
    TComponent Owner{nullptr};
    TRecorder* Recorder = new TRecorder(&Owner);
    TActionList* List = new TActionList(&Owner);
    TAction* Save = new TAction(&Owner);
    TControl* Client = new TControl(&Owner);
    void SetUp() override
    {
        Save->SetActionList(List);
        Save->SetCaption("Save");
        Save->SetHint("Save the model");
        Save->SetHelpContext(12);
        Save->SetOnExecute(TNotifyEvent(Recorder, &TRecorder::Execute));
    }
};

}  // namespace

TEST_F(Actions, AControlTakesTheActionsValuesAndItsClickRunsTheAction)
{
    Client->SetAction(Save);
    EXPECT_EQ(Client->Caption(), "Save");
    EXPECT_EQ(Client->Hint(), "Save the model");
    EXPECT_EQ(Client->HelpContext(), 12);
    EXPECT_TRUE(Client->ControlStyle().Contains(csActionClient));
    Client->Click();
    EXPECT_EQ(Recorder->Executed, 1);
    EXPECT_EQ(Recorder->StartedBy, Client);
    EXPECT_EQ(Save->ActionComponent(), nullptr);   // only while it runs
    // a disabled action runs nothing
    Save->SetEnabled(false);
    EXPECT_FALSE(Client->Enabled());
    Client->Click();
    EXPECT_EQ(Recorder->Executed, 1);
    // a handler of the control's own takes the click instead of the action
    Save->SetEnabled(true);
    Client->OnClick = TNotifyEvent(Recorder, &TRecorder::OwnClick);
    Client->Click();
    EXPECT_EQ(Recorder->Executed, 1);
    EXPECT_EQ(Recorder->OwnClicks, 1);
    // and keeps it when the action's handler changes
    Save->SetOnExecute(TNotifyEvent(Recorder, &TRecorder::Execute));
    Save->SetOnExecute(nullptr);
    EXPECT_TRUE(Client->OnClick == TNotifyEvent(Recorder, &TRecorder::OwnClick));
}

TEST_F(Actions, ChangesReachOnlyTheValuesTheControlStillSharesWithItsAction)
{
    auto* own = new TControl(&Owner);
    Client->SetAction(Save);
    own->SetAction(Save);
    own->SetCaption("Store");   // its own caption
    own->SetEnabled(false);     // and its own state
    Save->SetCaption("Save as");
    Save->SetHint("Save under another name");
    Save->SetEnabled(false);
    // equal to the action's again, the state follows it once more
    Save->SetEnabled(true);
    struct Case {
        TControl* control;
        const char* caption;
        const char* hint;
        bool enabled;
    } cases[] = {
        {Client, "Save as", "Save under another name", true},
        {own, "Store", "Save under another name", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.control->Caption(), c.caption) << c.caption;
        EXPECT_EQ(c.control->Hint(), c.hint) << c.caption;
        EXPECT_EQ(c.control->Enabled(), c.enabled) << c.caption;
    }
}

TEST_F(Actions, CheckedActionsOfAGroupExcludeEachOther)
{
    auto* metric = new TAction(&Owner);
    auto* imperial = new TAction(&Owner);
    auto* other = new TAction(&Owner);   // another group
    for (TAction* a : {metric, imperial, other}) {
        a->SetActionList(List);
        a->SetAutoCheck(true);
    }
    metric->SetGroupIndex(1);
    imperial->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    metric->Execute();
    EXPECT_TRUE(metric->Checked());
    imperial->Execute();
    EXPECT_TRUE(imperial->Checked());
    EXPECT_FALSE(metric->Checked());
    imperial->Execute();   // a checked action of a group stays checked
    EXPECT_TRUE(imperial->Checked());
    EXPECT_TRUE(other->Checked());
    // without a group, auto-check turns it over each time
    Save->SetAutoCheck(true);
    Save->Execute();
    Save->Execute();
    EXPECT_FALSE(Save->Checked());
    EXPECT_EQ(Recorder->Executed, 2);
}

TEST_F(Actions, ActionAndControlForgetEachOtherWhenEitherGoes)
{
    TComponent elsewhere(nullptr);   // the action lives on another owner
    auto* action = new TAction(&elsewhere);
    Client->SetAction(action);
    EXPECT_EQ(action->ClientCount(), 1);
    delete Client;
    EXPECT_EQ(action->ClientCount(), 0);
    auto* second = new TControl(&Owner);
    second->SetAction(action);
    delete action;
    EXPECT_EQ(second->Action(), nullptr);
    second->Click();   // runs nothing, crashes nothing
}

TEST_F(Actions, AFormDescriptionKeepsTheListItsActionsAndTheControlsLinks)
{
    RegisterControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(
        "object Host: TCustomControl\n"
        "  object Commands: TActionList\n"
        "    object Print: TAction\n"
        "      Caption = 'Print'\n"
        "      Enabled = False\n"
        "      ShortCut = 16464\n"
        "    end\n"
        "  end\n"
        "  object Button: TGraphicControl\n"
        "    Action = Print\n"
        "  end\n"
        "end\n"));
    auto* host = dynamic_cast<TWinControl*>(root.get());
    ASSERT_NE(host, nullptr);
    auto* list = dynamic_cast<TActionList*>(host->FindComponent("Commands"));
    auto* print = dynamic_cast<TAction*>(host->FindComponent("Print"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->ActionList(), list);
    EXPECT_EQ(print->ShortCut(), 16464);
    TControl* button = host->FindChildControl("Button");
    EXPECT_EQ(button->Action(), print);
    EXPECT_EQ(button->Caption(), "Print");
    EXPECT_FALSE(button->Enabled());
    const std::string text = WriteComponentText(host).ToUtf8();
    EXPECT_NE(text.find("object Commands: TActionList\n    object Print: TAction\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Action = Print\n"), std::string::npos) << text;
}
