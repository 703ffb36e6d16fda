#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/ObjectList.h"
#include "platform/rtl/Exceptions.h"

namespace {

class TTracked : public TObject {
public:
    TTracked(std::vector<std::string>& freed, const char* name) : FFreed(freed), FName(name) {}
    ~TTracked() override { FFreed.push_back(FName); }

private:
    std::vector<std::string>& FFreed;
    std::string FName;
};

}  // namespace

TEST(ObjectList, OwnsItsObjectsByDefault)
{
    std::vector<std::string> freed;
    auto* list = new TObjectList;
    EXPECT_TRUE(list->OwnsObjects());
    auto* a = new TTracked(freed, "a");
    auto* b = new TTracked(freed, "b");
    auto* c = new TTracked(freed, "c");
    auto* d = new TTracked(freed, "d");
    for (TObject* o : {static_cast<TObject*>(a), static_cast<TObject*>(b), static_cast<TObject*>(c)}) list->Add(o);
    list->Insert(0, d);
    EXPECT_EQ(list->IndexOf(b), 2);
    EXPECT_EQ(list->First(), d);
    EXPECT_EQ(list->Last(), c);

    EXPECT_EQ(list->Extract(b), b);  // out, not freed
    EXPECT_EQ(list->Extract(b), nullptr);
    EXPECT_EQ(list->Remove(a), 1);   // out and freed
    EXPECT_EQ(list->Remove(a), -1);
    EXPECT_EQ(freed, std::vector<std::string>{"a"});
    list->SetItems(0, b);            // d replaced and freed
    EXPECT_EQ(freed, (std::vector<std::string>{"a", "d"}));
    EXPECT_THROW(list->Items(2), EListError);

    delete list;  // frees what it still holds
    EXPECT_EQ(freed, (std::vector<std::string>{"a", "d", "c", "b"}));
}

TEST(ObjectList, WithoutOwnershipOnlyHolds)
{
    std::vector<std::string> freed;
    TTracked a(freed, "a");
    {
        TObjectList list(false);
        list.Add(&a);
        list.Delete(0);
        list.Add(&a);
    }
    EXPECT_TRUE(freed.empty());
}
