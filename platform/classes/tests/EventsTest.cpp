#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/rtl/Exceptions.h"

namespace {

class TTarget : public TObject {
public:
    std::vector<std::string> Calls;
    void Click(TObject* Sender) { Calls.push_back(Sender ? "Click " + Sender->ClassName().ToUtf8() : "Click"); }
    void DblClick(TObject*) { Calls.push_back("DblClick"); }
    virtual void Change(TObject*) { Calls.push_back("Change"); }
    void CanClose(TObject*, bool& CanClose) { CanClose = false; }
};

class TDerivedTarget : public TTarget {
public:
    void Change(TObject*) override { Calls.push_back("Derived.Change"); }
};

class TCounter : public TObject {
public:
    int Count = 0;
    void Bump(int by) { Count += by; }
};

}  // namespace

TEST(Events, EqualWhenTheSameObjectAndTheSameMember)
{
    TTarget a, b;
    TDerivedTarget d;
    struct Case {
        TNotifyEvent x, y;
        bool equal;
        const char* what;
    };
    const Case cases[] = {
        {TNotifyEvent(&a, &TTarget::Click), TNotifyEvent(&a, &TTarget::Click), true, "same object and member"},
        {TNotifyEvent(&a, &TTarget::Click), TNotifyEvent(&b, &TTarget::Click), false, "other object"},
        {TNotifyEvent(&a, &TTarget::Click), TNotifyEvent(&a, &TTarget::DblClick), false, "other member"},
        {TNotifyEvent(&a, &TTarget::Change), TNotifyEvent(&a, &TTarget::Change), true, "virtual member"},
        {TNotifyEvent(&d, &TTarget::Click), TNotifyEvent(static_cast<TTarget*>(&d), &TTarget::Click), true,
         "through a derived pointer"},
        {TNotifyEvent(), TNotifyEvent(nullptr), true, "two empty closures"},
        {TNotifyEvent(), TNotifyEvent(&a, &TTarget::Click), false, "empty and bound"},
        {TNotifyEvent(static_cast<TTarget*>(nullptr), &TTarget::Click), TNotifyEvent(), true, "no object"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.x == c.y, c.equal) << c.what;
        EXPECT_EQ(c.x != c.y, !c.equal) << c.what;
    }
}

TEST(Events, CallsTheBoundMemberOfTheBoundObject)
{
    TTarget a, b;
    TDerivedTarget d;
    TNotifyEvent onClick(&a, &TTarget::Click);
    TNotifyEvent copy = onClick;
    copy(&b);
    TNotifyEvent(&d, &TTarget::Change)(nullptr);  // virtual members dispatch on the object
    EXPECT_EQ(a.Calls, std::vector<std::string>{"Click TObject"});
    EXPECT_EQ(d.Calls, std::vector<std::string>{"Derived.Change"});
    EXPECT_TRUE(Assigned(copy));
    EXPECT_EQ(copy.Data(), static_cast<TObject*>(&a));

    bool canClose = true;
    TEvent<TObject*, bool&> onCloseQuery(&a, &TTarget::CanClose);
    onCloseQuery(nullptr, canClose);
    EXPECT_FALSE(canClose);

    TCounter counter;
    TEvent<int> bump(&counter, &TCounter::Bump);
    bump(3);
    bump(4);
    EXPECT_EQ(counter.Count, 7);

    TNotifyEvent none;
    EXPECT_FALSE(Assigned(none));
    EXPECT_FALSE(none);
    none(&a);  // an empty closure does nothing
    onClick = nullptr;
    EXPECT_FALSE(Assigned(onClick));
}

TEST(Events, RebuiltFromAMethodCodeKeptByName)
{
    // What a registry of published methods does: keep codes by name, bind to an object.
    std::map<std::string, TMethodCode> published{
        {"Click", TNotifyEvent::MakeCode(&TTarget::Click)},
        {"CanClose", TEvent<TObject*, bool&>::MakeCode(&TTarget::CanClose)},
    };
    TDerivedTarget form;
    TObject* root = &form;
    TMethod method{root, published["Click"]};

    TNotifyEvent onClick = TNotifyEvent::FromMethod(method);
    EXPECT_EQ(onClick, TNotifyEvent(&form, &TTarget::Click));
    EXPECT_EQ(onClick.Method(), method);
    onClick(nullptr);
    EXPECT_EQ(form.Calls, std::vector<std::string>{"Click"});

    EXPECT_FALSE(TNotifyEvent::FromMethod(TMethod{}));
    EXPECT_FALSE(TNotifyEvent::FromMethod(TMethod{nullptr, published["Click"]}));
    EXPECT_THROW(TNotifyEvent::FromMethod(TMethod{root, published["CanClose"]}), EInvalidCast);
    EXPECT_THROW((TEvent<TObject*, bool&>::FromMethod(method)), EInvalidCast);
}
