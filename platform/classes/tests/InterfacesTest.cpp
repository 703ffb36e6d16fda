#include <gtest/gtest.h>

#include "platform/classes/Component.h"
#include "platform/classes/Object.h"

namespace {

struct IGreeter : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{91DEAFC3-8932-45F4-A3ED-5AAA0C0E9250}");
    virtual String Greet() = 0;
};

struct ICounter : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{363f04af-b8a7-4c47-a2d6-8ed9c44ceff6}");
    virtual int Next() = 0;
};

struct IMissing : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{FAB1D21E-D798-4CE0-B17B-9D75E4456AB4}");
};

class TGreeter : public TInterfacedObject, public IGreeter, public ICounter {
    DECLARE_CLASS(TGreeter, TInterfacedObject)
public:
    explicit TGreeter(bool* freed) : FFreed(freed) {}
    ~TGreeter() override { *FFreed = true; }
    String Greet() override { return "hello"; }
    int Next() override { return ++FCount; }
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IGreeter::IID) return ProvideInterface<IGreeter>(this, obj);
        if (iid == ICounter::IID) return ProvideInterface<ICounter>(this, obj);
        return inherited::GetInterface(iid, obj);
    }

private:
    bool* FFreed;
    int FCount = 0;
};

// A component offering an interface: reached through it, never freed by it.
class TStyledBox : public TComponent, public IGreeter {
    DECLARE_CLASS(TStyledBox, TComponent)
public:
    using TComponent::TComponent;
    String Greet() override { return "box"; }
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IGreeter::IID) return ProvideInterface<IGreeter>(this, obj);
        return inherited::GetInterface(iid, obj);
    }
};

IMPLEMENT_CLASS(TGreeter, TInterfacedObject, nullptr)
IMPLEMENT_CLASS(TStyledBox, TComponent, NewComponent<TStyledBox>)

}  // namespace

TEST(Interfaces, GuidsReadFromText)
{
    constexpr TGUID unknown = IInterface::IID;
    static_assert(unknown.D1 == 0 && unknown.D2 == 0 && unknown.D3 == 0);
    static_assert(unknown.D4[0] == 0xC0 && unknown.D4[7] == 0x46);
    constexpr TGUID g = TGUID::Parse("{91DEAFC3-8932-45F4-A3ED-5AAA0C0E9250}");
    static_assert(g.D1 == 0x91DEAFC3 && g.D2 == 0x8932 && g.D3 == 0x45F4 && g.D4[0] == 0xA3 && g.D4[7] == 0x50);
    static_assert(TGUID::Parse("{363F04AF-B8A7-4C47-A2D6-8ED9C44CEFF6}") == ICounter::IID);
    EXPECT_FALSE(IGreeter::IID == ICounter::IID);
}

TEST(Interfaces, LastReleaseFreesTheObject)
{
    bool freed = false;
    auto* greeter = new TGreeter(&freed);
    EXPECT_EQ(greeter->RefCount(), 0);

    ComPtr<IGreeter> hello;
    ASSERT_TRUE(Supports(greeter, hello));
    EXPECT_EQ(greeter->RefCount(), 1);
    EXPECT_EQ(hello->Greet(), "hello");
    {
        ComPtr<IGreeter> copy = hello;
        EXPECT_EQ(greeter->RefCount(), 2);
    }
    EXPECT_EQ(greeter->RefCount(), 1);

    ComPtr<ICounter> counter;
    ASSERT_TRUE(Supports(hello.Get(), counter));  // one interface asked for another
    EXPECT_EQ(counter->Next(), 1);
    EXPECT_EQ(greeter->RefCount(), 2);

    ComPtr<IMissing> missing;
    EXPECT_FALSE(Supports(hello.Get(), missing));
    EXPECT_FALSE(missing);
    void* raw = &freed;
    EXPECT_EQ(hello->QueryInterface(IMissing::IID, &raw), E_NOINTERFACE);
    EXPECT_EQ(greeter->RefCount(), 2);

    hello.Reset();
    EXPECT_FALSE(freed);
    counter = ComPtr<ICounter>();
    EXPECT_TRUE(freed);
}

TEST(Interfaces, AskingWithoutKeepingLeavesTheCountAlone)
{
    bool freed = false;
    auto* greeter = new TGreeter(&freed);
    EXPECT_TRUE(Supports<IGreeter>(greeter));
    EXPECT_TRUE(Supports<IInterface>(greeter));
    EXPECT_FALSE(Supports<IMissing>(greeter));
    EXPECT_FALSE(Supports<IGreeter>(static_cast<TObject*>(nullptr)));
    EXPECT_EQ(greeter->RefCount(), 0);
    EXPECT_FALSE(freed);
    delete greeter;
    EXPECT_TRUE(freed);
}

TEST(Interfaces, ComponentsAreNotCounted)
{
    auto* box = new TStyledBox(nullptr);
    TComponent plain(nullptr);
    {
        ComPtr<IGreeter> greeter;
        ASSERT_TRUE(Supports(box, greeter));
        EXPECT_EQ(greeter->Greet(), "box");
        ComPtr<IInterface> unknown;
        EXPECT_TRUE(Supports(static_cast<TComponent*>(box), unknown));
        EXPECT_EQ(unknown->_AddRef(), -1);
    }
    EXPECT_FALSE(Supports<IGreeter>(&plain));
    EXPECT_TRUE(Supports<IInterface>(&plain));
    delete box;  // still alive after the releases above
}
