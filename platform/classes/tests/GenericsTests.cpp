#include <gtest/gtest.h>

#include "platform/classes/Collection.h"
#include "platform/classes/Generics.h"
#include "platform/classes/Persistent.h"

namespace {

// Counts the instances alive, to show what the containers free.
class TCounted : public TPersistent {
    DECLARE_CLASS(TCounted, TPersistent)
public:
    TCounted() { ++Alive; }
    ~TCounted() override { --Alive; }
    static inline int Alive = 0;
};
IMPLEMENT_CLASS(TCounted, TPersistent, NewObject<TCounted>)

TEST(Generics, ClassesAreNamedAsGenericInstances)
{
    struct Case {
        TClass Class;
        const char* Name;
    } cases[] = {
        {TGenericList<Integer>::StaticClass(), "TList<Integer>"},
        {TGenericList<double>::StaticClass(), "TList<Double>"},
        {TGenericList<String>::StaticClass(), "TList<string>"},
        {TGenericObjectList<TCounted>::StaticClass(), "TObjectList<TCounted>"},
        {TGenericObjectDictionary<TCounted>::StaticClass(), "TObjectDictionary<string,TCounted>"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.Class->ClassName(), String(c.Name));
    TGenericObjectList<TCounted> list;
    EXPECT_EQ(list.ClassName(), "TObjectList<TCounted>");
    EXPECT_TRUE(list.InheritsFrom(TGenericObjectListBase::StaticClass()));
}

TEST(Generics, ListsKeepValuesAndOwnObjects)
{
    TGenericList<Integer> numbers;
    numbers.Add(3);
    numbers.Add(-7);
    EXPECT_EQ(numbers.Count(), 2);
    EXPECT_EQ(numbers.Items(1), -7);
    EXPECT_THROW(numbers.Items(2), EListError);
    numbers.Clear();
    EXPECT_EQ(numbers.Count(), 0);

    {
        TGenericObjectList<TCounted> list;
        list.Add(new TCounted);
        list.Add(nullptr);
        EXPECT_EQ(TCounted::Alive, 1);
        EXPECT_THROW(list.Add(new TCollection(TCollectionItem::StaticClass())), EInvalidCast);
        EXPECT_EQ(list.Count(), 2);
        EXPECT_EQ(list.Item(1), nullptr);
    }
    EXPECT_EQ(TCounted::Alive, 0);

    {
        TGenericObjectDictionary<TCounted> dictionary;
        dictionary.Add("b", new TCounted);
        dictionary.Add("a", new TCounted);
        EXPECT_THROW(dictionary.Add("a", new TCounted), EListError);
        EXPECT_EQ(TCounted::Alive, 2);
        ASSERT_EQ(dictionary.Count(), 2);
        EXPECT_EQ(dictionary.Keys(0), "b");   // in the order added
        EXPECT_EQ(dictionary.Find("a"), dictionary.Values(1));
        EXPECT_EQ(dictionary.Find("A"), nullptr);
    }
    EXPECT_EQ(TCounted::Alive, 0);
}

}  // namespace
