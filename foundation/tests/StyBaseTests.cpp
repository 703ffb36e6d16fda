// The component, value-object and controller bases: update nesting, change links and
// interface queries.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/StyBaseController.h"
#include "foundation/StyObject.h"
#include "foundation/intfStyBase.h"

namespace {

// Counts the change notifications it receives and remembers who sent them.
class TChangeCounter : public TObject {
public:
    void Changed(TObject* Sender)
    {
        ++Count;
        Senders.push_back(Sender);
    }
    void Tag(TObject*) { Order.push_back(Id); }
    int Count = 0;
    int Id = 0;
    std::vector<TObject*> Senders;
    static inline std::vector<int> Order;
};

}  // namespace

TEST(StyCustomComponentTests, NestedUpdatesNotifyOnceAtTheOutermostEnd)
{
    TStyCustomComponent component(nullptr);
    TChangeCounter counter;
    component.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
    component.BeginUpdate();
    component.BeginUpdate();
    component.EndUpdate(true);
    EXPECT_EQ(counter.Count, 0);
    EXPECT_TRUE(component.IsUpdating());
    component.EndUpdate(true);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_FALSE(component.IsUpdating());

    // At 0 the decrement is skipped but the notification is not; False closes silently.
    component.EndUpdate(true);
    EXPECT_EQ(counter.Count, 2);
    component.BeginUpdate();
    component.EndUpdate(false);
    EXPECT_EQ(counter.Count, 2);
    EXPECT_EQ(counter.Senders.front(), &component);
    EXPECT_EQ(component.getStyPackage(), 28);
}

TEST(StyObjectTests, UpdateFlagDoesNotStack)
{
    TStyObject object(nullptr);
    TChangeCounter counter;
    object.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
    object.BeginUpdate();
    object.BeginUpdate();
    object.Change();
    EXPECT_EQ(counter.Count, 0);
    object.EndUpdate(false);
    EXPECT_FALSE(object.IsUpdating());
    object.Change();
    EXPECT_EQ(counter.Count, 1);
    object.BeginUpdate();
    object.EndUpdate(true);
    EXPECT_EQ(counter.Count, 2);
    EXPECT_EQ(object.GetSetStr(), "");
}

TEST(StyBaseControllerTests, LinksHearChangesInRegistrationOrderWithTheControllerAsSender)
{
    TStyBaseController controller(nullptr);
    TChangeCounter first, second;
    first.Id = 1;
    second.Id = 2;
    TStyChangeLink link1, link2;
    link1.OnChange = TNotifyEvent(&first, &TChangeCounter::Tag);
    link2.OnChange = TNotifyEvent(&second, &TChangeCounter::Changed);
    controller.RegisterChanges(&link1);
    controller.RegisterChanges(&link2);
    controller.RegisterChanges(nullptr);
    EXPECT_EQ(controller.ClientCount(), 2);

    // A controller being loaded from a form is silent; afterwards it notifies.
    TChangeCounter::Order.clear();
    controller.IncludeState(csLoading);
    controller.Change();
    EXPECT_EQ(second.Count, 0);
    controller.ExcludeState(csLoading);
    controller.BeginUpdate();
    controller.Change();
    EXPECT_EQ(second.Count, 0);
    controller.EndUpdate(true);
    EXPECT_EQ(second.Count, 1);
    EXPECT_EQ(TChangeCounter::Order, std::vector<int>{1});
    EXPECT_EQ(second.Senders.front(), &controller);
}

TEST(StyBaseControllerTests, FreeingEitherSideKeepsTheSenderConsistent)
{
    TStyChangeLink survivor;
    {
        auto* controller = new TStyBaseController(nullptr);
        {
            TStyChangeLink shortLived;
            controller->RegisterChanges(&shortLived);
            controller->RegisterChanges(&survivor);
            controller->RegisterChanges(&survivor);   // listed twice
            EXPECT_EQ(controller->ClientCount(), 3);
        }
        EXPECT_EQ(controller->ClientCount(), 2);
        EXPECT_EQ(survivor.Sender(), controller);
        controller->UnRegisterChanges(&survivor);
        EXPECT_EQ(controller->ClientCount(), 1);
        EXPECT_EQ(survivor.Sender(), nullptr);
        controller->RegisterChanges(&survivor);
        delete controller;
    }
    EXPECT_EQ(survivor.Sender(), nullptr);
}

namespace {

struct IStyTestFace : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{6A0F3C52-1B7D-4E21-9C55-3F0E2D7A9B14}");
    virtual int Answer() = 0;
};

class TFaceComponent : public TComponent, public IStyTestFace {
public:
    TFaceComponent() : TComponent(nullptr) {}
    int Answer() override { return 42; }
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IStyTestFace::IID) return ProvideInterface<IStyTestFace>(this, obj);
        return TComponent::GetInterface(iid, obj);
    }
    using TComponent::QueryInterface;
    using TComponent::_AddRef;
    using TComponent::_Release;
};

}  // namespace

TEST(StySupportsTests, AsksTheComponentForTheInterface)
{
    void* obj = reinterpret_cast<void*>(1);
    EXPECT_FALSE(StySupports(nullptr, IStyTestFace::IID, &obj));
    EXPECT_EQ(obj, nullptr);

    TComponent plain(nullptr);
    EXPECT_FALSE(StySupports(&plain, IStyTestFace::IID, &obj));

    TFaceComponent face;
    ASSERT_TRUE(StySupports(&face, IStyTestFace::IID, &obj));
    EXPECT_EQ(static_cast<IStyTestFace*>(obj)->Answer(), 42);
}
