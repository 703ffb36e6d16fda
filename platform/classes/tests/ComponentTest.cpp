#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/rtl/Exceptions.h"

namespace {

using Log = std::vector<std::string>;

// Records its removal notifications and its own freeing.
class TRec : public TComponent {
    DECLARE_CLASS(TRec, TComponent)
public:
    explicit TRec(TComponent* owner, const char* name = "", Log* log = nullptr) : TComponent(owner), FLog(log)
    {
        SetName(name);
    }
    ~TRec() override
    {
        if (!FLog) return;
        std::string line = "free " + Name().ToUtf8();
        if (ComponentState().Contains(csDestroying)) line += " (destroying)";
        if (Owner()) line += " still owned";
        FLog->push_back(line);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        inherited::Notification(AComponent, Operation);
        if (FLog)
            FLog->push_back(Name().ToUtf8() + (Operation == opInsert ? " hears insert " : " hears remove ") +
                            AComponent->Name().ToUtf8());
        if (Operation == opRemove && AComponent == Watched) Watched = nullptr;
    }
    TComponent* Watched = nullptr;

private:
    Log* FLog;
};

// Ignores every notification, without calling the inherited one.
class TDeaf : public TComponent {
    DECLARE_CLASS(TDeaf, TComponent)
public:
    using TComponent::TComponent;
    void Notification(TComponent*, TOperation) override {}
};

IMPLEMENT_CLASS(TRec, TComponent, NewComponent<TRec>)
IMPLEMENT_CLASS(TDeaf, TComponent, NewComponent<TDeaf>)

String ErrorOf(auto action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

}  // namespace

TEST(Component, OwnerFreesItsComponentsLastFirstEachLeavingTheListBefore)
{
    Log log;
    auto* form = new TRec(nullptr, "Form");
    new TRec(form, "A", &log);
    auto* b = new TRec(form, "B", &log);
    new TRec(b, "B1", &log);
    new TRec(form, "C", &log);
    ASSERT_EQ(form->ComponentCount(), 3);
    EXPECT_EQ(form->Components(1), b);
    EXPECT_EQ(b->Owner(), form);

    log.clear();
    delete form;
    // Nobody asked to hear about them, so they leave without notifications.
    EXPECT_EQ(log, (Log{"free C (destroying)", "free B (destroying)", "free B1 (destroying)", "free A (destroying)"}));
}

TEST(Component, FreeNotificationTellsAComponentOfAnotherOwner)
{
    Log log;
    TRec formA(nullptr, "FormA");
    TRec formB(nullptr, "FormB");
    auto* label = new TRec(&formA, "Label");
    auto* watcher = new TRec(&formB, "Watcher", &log);
    watcher->Watched = label;
    label->FreeNotification(watcher);
    EXPECT_TRUE(label->ComponentState().Contains(csFreeNotification));

    delete label;
    EXPECT_EQ(watcher->Watched, nullptr);
    EXPECT_EQ(log, Log{"Watcher hears remove Label"});
}

TEST(Component, FreeNotificationEndsWithEitherSide)
{
    Log log;
    TRec form(nullptr, "Form");
    auto* label = new TRec(nullptr, "Label", &log);
    auto* watcher = new TRec(nullptr, "Watcher", &log);
    label->FreeNotification(watcher);
    label->RemoveFreeNotification(watcher);
    delete label;
    EXPECT_EQ(log, Log{"free Label"});

    // A watcher that ignores the news still loses its link to the freed component.
    log.clear();
    auto* deaf = new TDeaf(nullptr);
    label = new TRec(nullptr, "Label", &log);
    label->FreeNotification(deaf);
    delete label;
    delete deaf;  // must not reach the freed label
    delete watcher;
    EXPECT_EQ(log, (Log{"free Label", "free Watcher"}));
}

TEST(Component, OwnerAnnouncesTheRemovalOfAWatchedComponentToItsOthers)
{
    Log log;
    auto* form = new TRec(nullptr, "Form");
    auto* watcher = new TRec(form, "Watcher", &log);
    auto* quiet = new TRec(form, "Quiet", &log);
    auto* label = new TRec(form, "Label", &log);
    watcher->Watched = label;
    label->FreeNotification(watcher);  // same owner: the owner passes the news on
    log.clear();

    delete quiet;  // freed on its own: its owner announces it once its own destructor has run
    EXPECT_EQ(log, (Log{"free Quiet still owned", "Label hears remove Quiet", "Watcher hears remove Quiet"}));

    log.clear();
    delete form;  // Label goes first, announced; then Watcher
    EXPECT_EQ(log, (Log{"Label hears remove Label", "Watcher hears remove Label", "free Label (destroying)",
                        "free Watcher (destroying)"}));
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents)
{
    TComponent form(nullptr);
    auto* button = new TComponent(&form);
    auto* other = new TComponent(&form);
    button->SetName("Button1");
    struct Case {
        const char* name;
        const char* error;
    };
    const Case cases[] = {
        {"Edit_2", ""},
        {"_x", ""},
        {"", ""},
        {"1abc", "'1abc' is not a valid component name"},
        {"a b", "'a b' is not a valid component name"},
        {"Button1", "A component named Button1 already exists"},
        {"button1", "A component named button1 already exists"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf([&] { other->SetName(c.name); }), c.error) << c.name;
        EXPECT_EQ(other->Name(), *c.error ? String("") : String(c.name)) << c.name;
        other->SetName("");
    }
    button->SetName("BUTTON1");  // the same component in other letters
    EXPECT_EQ(button->Name(), "BUTTON1");

    EXPECT_EQ(form.FindComponent("button1"), button);
    EXPECT_EQ(form.FindComponent(""), nullptr);
    EXPECT_EQ(form.FindComponent("Missing"), nullptr);
    EXPECT_EQ(ErrorOf([&] { form.Components(2); }), "Index de liste hors limites (2)");
    EXPECT_THROW(form.Components(-1), EListError);

    TComponent loose(nullptr);
    loose.SetName("Button1");  // no owner, no clash
    EXPECT_EQ(loose.Name(), "Button1");
}

TEST(Component, InsertComponentMovesBetweenOwnersWithNotifications)
{
    Log log;
    TRec form1(nullptr, "Form1", &log);
    TRec form2(nullptr, "Form2", &log);
    auto* item = new TRec(&form1, "Item");
    new TRec(&form2, "Item2", &log);
    log.clear();

    form2.InsertComponent(item);
    EXPECT_EQ(item->Owner(), &form2);
    EXPECT_EQ(form1.ComponentCount(), 0);
    EXPECT_EQ(form2.ComponentCount(), 2);
    EXPECT_EQ(log, (Log{"Form1 hears remove Item", "Item2 hears insert Item", "Form2 hears insert Item"}));

    // A name already taken in the new owner is refused and nothing moves.
    auto* twin = new TRec(&form1, "item2");
    EXPECT_EQ(ErrorOf([&] { form2.InsertComponent(twin); }), "A component named item2 already exists");
    EXPECT_EQ(twin->Owner(), &form1);
    EXPECT_EQ(form1.ComponentCount(), 1);
}

TEST(Component, StatesAndStyles)
{
    TComponent form(nullptr);
    auto* child = new TComponent(&form);
    EXPECT_EQ(child->ComponentStyle(), TComponentStyle{csInheritable});
    child->SetSubComponent(true);
    EXPECT_EQ(child->ComponentStyle(), (TComponentStyle{csInheritable, csSubComponent}));

    form.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
    auto* late = new TComponent(&form);  // joins a designed owner: designed too
    EXPECT_TRUE(late->ComponentState().Contains(csDesigning));

    child->IncludeState(csLoading);
    child->Loaded();
    EXPECT_FALSE(child->ComponentState().Contains(csLoading));
    form.Updating();
    EXPECT_TRUE(form.ComponentState().Contains(csUpdating));
    form.Updated();
    EXPECT_FALSE(form.ComponentState().Contains(csUpdating));
}
