#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Object.h"
#include "platform/classes/Persistent.h"
#include "platform/rtl/Exceptions.h"

namespace {

enum : Cardinal { MSG_A = 0x0400, MSG_B = 0x0401, MSG_C = 0x0402 };

class TBase : public TObject {
    DECLARE_CLASS(TBase, TObject)
public:
    std::vector<std::string> Log;
    void DefaultHandler(TMessage& message) override
    {
        Log.push_back("default");
        message.Result = -1;
    }
    void MsgA(TMessage& message)
    {
        Log.push_back("TBase.A");
        InheritedMessage(StaticClass(), message);
    }
};

class TMiddle : public TBase {
    DECLARE_CLASS(TMiddle, TBase)
};

class TLeaf : public TMiddle {
    DECLARE_CLASS(TLeaf, TMiddle)
public:
    void MsgA(TMessage& message)
    {
        Log.push_back("TLeaf.A before");
        InheritedMessage(StaticClass(), message);
        Log.push_back("TLeaf.A after");
    }
    void MsgB(TMessage& message)
    {
        Log.push_back("TLeaf.B " + std::to_string(message.WParam));
        message.Result = 42;
    }
};

TClass TBase::StaticClass()
{
    static const TMetaClass meta("TBase", TObject::StaticClass(), NewObject<TBase>,
                                 [](TMetaClass& m) { m.OnMessage(MSG_A, &TBase::MsgA); });
    return &meta;
}

IMPLEMENT_CLASS(TMiddle, TBase, NewObject<TMiddle>)

TClass TLeaf::StaticClass()
{
    static const TMetaClass meta("TLeaf", TMiddle::StaticClass(), NewObject<TLeaf>, [](TMetaClass& m) {
        m.OnMessage(MSG_A, &TLeaf::MsgA);
        m.OnMessage(MSG_B, &TLeaf::MsgB);
    });
    return &meta;
}

}  // namespace

TEST(Dispatch, WalksUpTheClassChainWithInheritedCallsEndingInDefaultHandler)
{
    struct Case {
        TClass cls;
        Cardinal msg;
        std::vector<std::string> log;
        std::intptr_t result;
    };
    const Case cases[] = {
        {TLeaf::StaticClass(), MSG_A, {"TLeaf.A before", "TBase.A", "default", "TLeaf.A after"}, -1},
        {TLeaf::StaticClass(), MSG_B, {"TLeaf.B 7"}, 42},
        {TLeaf::StaticClass(), MSG_C, {"default"}, -1},
        {TMiddle::StaticClass(), MSG_A, {"TBase.A", "default"}, -1},
        {TMiddle::StaticClass(), MSG_B, {"default"}, -1},
        {TBase::StaticClass(), MSG_A, {"TBase.A", "default"}, -1},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TBase> object(static_cast<TBase*>(c.cls->Create()));
        TMessage message{c.msg, 7, 0, 0};
        object->Dispatch(message);
        EXPECT_EQ(object->Log, c.log) << c.cls->ClassName() << " " << c.msg;
        EXPECT_EQ(message.Result, c.result) << c.cls->ClassName() << " " << c.msg;
    }
}

TEST(Dispatch, PlainObjectIgnoresEveryMessage)
{
    TObject object;
    TMessage message{MSG_A, 1, 2, 3};
    object.Dispatch(message);
    EXPECT_EQ(message.Result, 3);
}

TEST(ClassReference, NamesParentsAndInheritance)
{
    TLeaf leaf;
    EXPECT_EQ(leaf.ClassName(), "TLeaf");
    EXPECT_TRUE(leaf.ClassNameIs("tleaf"));
    EXPECT_EQ(leaf.ClassParent(), TMiddle::StaticClass());
    EXPECT_EQ(leaf.ClassParent()->ClassParent()->ClassName(), "TBase");
    EXPECT_EQ(TObject::StaticClass()->ClassParent(), nullptr);

    EXPECT_TRUE(leaf.InheritsFrom(TLeaf::StaticClass()));
    EXPECT_TRUE(leaf.InheritsFrom(TBase::StaticClass()));
    EXPECT_TRUE(leaf.InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TBase::StaticClass()->InheritsFrom(TLeaf::StaticClass()));
    EXPECT_FALSE(leaf.InheritsFrom(TPersistent::StaticClass()));
}

TEST(ClassReference, CreatesInstancesOfTheClassItNames)
{
    TClass cls = TLeaf::StaticClass();
    ASSERT_TRUE(cls->CanCreate());
    std::unique_ptr<TObject> object(cls->Create());
    EXPECT_EQ(object->ClassType(), cls);
    EXPECT_NE(dynamic_cast<TLeaf*>(object.get()), nullptr);
}

TEST(ClassReference, AbstractClassRefusesCreation)
{
    EXPECT_FALSE(TFiler::StaticClass()->CanCreate());
    EXPECT_THROW(TFiler::StaticClass()->Create(), EAbstractError);
}
