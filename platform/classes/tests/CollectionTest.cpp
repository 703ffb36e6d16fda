#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/rtl/Exceptions.h"

namespace {

using Log = std::vector<std::string>;

// Owner of the test collection; items take their starting value from it.
class THolder : public TComponent {
    DECLARE_CLASS(THolder, TComponent)
public:
    using TComponent::TComponent;
    int DefaultValue = 7;
};

class TLine : public TCollectionItem {
    DECLARE_CLASS(TLine, TCollectionItem)
public:
    explicit TLine(TCollection* collection) : TCollectionItem(collection)
    {
        if (collection) Value = static_cast<THolder*>(collection->Owner())->DefaultValue;
    }
    String Caption;
    int Value = 0;
    void Assign(TPersistent* Source) override
    {
        if (auto* line = dynamic_cast<TLine*>(Source)) {
            Caption = line->Caption;
            Value = line->Value;
        } else {
            inherited::Assign(Source);
        }
    }
    using TCollectionItem::Changed;

protected:
    String GetDisplayName() override { return Caption.IsEmpty() ? inherited::GetDisplayName() : Caption; }
};

class TLines : public TOwnedCollection {
    DECLARE_CLASS(TLines, TOwnedCollection)
public:
    explicit TLines(THolder* owner) : TOwnedCollection(owner, TLine::StaticClass()) {}
    TLine* Line(int index) const { return static_cast<TLine*>(Items(index)); }
    TLine* AddLine(const char* caption)
    {
        auto* line = static_cast<TLine*>(Add());
        line->Caption = caption;
        return line;
    }
    std::string Order() const
    {
        std::string order;
        for (int i = 0; i < Count(); ++i) order += Line(i)->Caption.ToUtf8();
        return order;
    }
    Log Events;

protected:
    void Update(TCollectionItem* Item) override
    {
        Events.push_back("update " + (Item ? Item->DisplayName().ToUtf8() : std::string("all")));
    }
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override
    {
        const char* names[] = {"added ", "extracting ", "deleting "};
        auto* line = dynamic_cast<TLine*>(Item);  // an item freed directly is no TLine any more
        Events.push_back(names[Action] +
                         (line ? line->Caption.ToUtf8() + "(" + std::to_string(line->Value) + ")" : "part"));
    }
};

IMPLEMENT_CLASS(THolder, TComponent, NewComponent<THolder>)
IMPLEMENT_CLASS(TLine, TCollectionItem, NewCollectionItem<TLine>)
IMPLEMENT_CLASS(TLines, TOwnedCollection, nullptr)

struct CollectionTest : ::testing::Test {
    THolder holder{nullptr};
    TLines lines{&holder};

    void Fill(const char* captions)
    {
        for (const char* c = captions; *c; ++c) lines.AddLine(std::string(1, *c).c_str());
        lines.Events.clear();
    }
};

}  // namespace

TEST_F(CollectionTest, AddAnnouncesTheFinishedItem)
{
    TLine* first = static_cast<TLine*>(lines.Add());
    // The item's constructor saw its collection; the announcement saw the whole item.
    EXPECT_EQ(first->Value, 7);
    EXPECT_EQ(lines.Events, (Log{"added (7)", "update all"}));
    lines.AddLine("b");
    lines.AddLine("c");
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.Line(2)->ID(), 2);
    EXPECT_EQ(lines.Line(2)->Index(), 2);
    EXPECT_EQ(lines.Line(2)->Collection(), &lines);
    EXPECT_EQ(lines.FindItemID(1), lines.Line(1));
    EXPECT_EQ(lines.FindItemID(9), nullptr);
    EXPECT_THROW(lines.Items(3), EListError);
}

TEST_F(CollectionTest, SetIndexMovesTheItem)
{
    struct Case {
        int from, to;
        const char* order;
        size_t updates;
    };
    const Case cases[] = {
        {3, 1, "adbc", 1}, {0, 3, "bcda", 1}, {2, 0, "cabd", 1}, {1, 1, "abcd", 0},
    };
    for (const Case& c : cases) {
        lines.Clear();
        Fill("abcd");
        lines.Line(c.from)->SetIndex(c.to);
        EXPECT_EQ(lines.Order(), c.order) << c.from << "->" << c.to;
        EXPECT_EQ(lines.Events.size(), c.updates) << c.from << "->" << c.to;
    }

    lines.Clear();
    Fill("abcd");
    try {
        lines.Line(1)->SetIndex(4);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "Index de liste hors limites (4)");
    }
    EXPECT_EQ(lines.Order(), "abcd");

    static_cast<TLine*>(lines.Insert(1))->Caption = "x";
    EXPECT_EQ(lines.Order(), "axbcd");
    EXPECT_EQ(lines.Line(1)->ID(), 20);  // IDs are never reused, not even after Clear
}

TEST_F(CollectionTest, UpdatesAreHeldBackBetweenBeginAndEndUpdate)
{
    Fill("ab");
    lines.Line(1)->SetDisplayName("ignored");
    lines.Line(0)->Changed(true);
    EXPECT_EQ(lines.Events, (Log{"update b", "update all"}));

    lines.Events.clear();
    lines.BeginUpdate();
    lines.BeginUpdate();
    lines.AddLine("c");
    lines.Line(0)->Changed(false);
    lines.Line(0)->SetIndex(2);
    lines.EndUpdate();
    EXPECT_EQ(lines.Events, Log{"added (7)"});
    lines.EndUpdate();
    EXPECT_EQ(lines.Events, (Log{"added (7)", "update all"}));
    EXPECT_EQ(lines.Order(), "bca");
}

TEST_F(CollectionTest, DeleteClearAndFreeingAnItem)
{
    Fill("abcd");
    lines.Delete(1);
    EXPECT_EQ(lines.Events, (Log{"deleting b(7)", "extracting b(7)", "update all"}));
    EXPECT_EQ(lines.Order(), "acd");

    lines.Events.clear();
    delete lines.Line(0);
    EXPECT_EQ(lines.Order(), "cd");
    EXPECT_EQ(lines.Events, (Log{"extracting part", "update all"}));

    lines.Events.clear();
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.Events, (Log{"extracting d(7)", "extracting c(7)", "update all"}));
}

TEST_F(CollectionTest, SetCollectionMovesAnItemBetweenCollections)
{
    TLines other(&holder);
    Fill("ab");
    TLine* b = lines.Line(1);
    b->SetCollection(&other);
    EXPECT_EQ(lines.Order(), "a");
    EXPECT_EQ(other.Order(), "b");
    EXPECT_EQ(b->Collection(), &other);
    EXPECT_EQ(lines.Events, (Log{"extracting b(7)", "update all"}));
    EXPECT_EQ(other.Events, (Log{"added b(7)", "update all"}));
    b->SetCollection(nullptr);
    EXPECT_EQ(b->Index(), -1);
    delete b;
}

TEST_F(CollectionTest, AssignCopiesItemsInOneUpdate)
{
    Fill("ab");
    lines.Line(1)->Value = 3;
    TLines copy(&holder);
    copy.AddLine("z");
    copy.Events.clear();
    copy.Assign(&lines);
    EXPECT_EQ(copy.Order(), "ab");
    EXPECT_EQ(copy.Line(1)->Value, 3);
    EXPECT_EQ(copy.Events, (Log{"extracting z(7)", "added (7)", "added (7)", "update all"}));

    copy.Events.clear();
    copy.Assign(&copy);
    EXPECT_EQ(copy.Order(), "ab");
    EXPECT_TRUE(copy.Events.empty());

    try {
        copy.Assign(&holder);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a THolder to a TLines");
    }
}

TEST_F(CollectionTest, NamePathsAndDisplayNames)
{
    Fill("ab");
    holder.SetName("Form1");
    EXPECT_EQ(lines.Line(1)->GetNamePath(), "TLines[1]");
    lines.SetPropName("Sections");
    EXPECT_EQ(lines.GetNamePath(), "Form1.Sections");
    EXPECT_EQ(lines.Line(1)->GetNamePath(), "Form1.Sections[1]");
    EXPECT_EQ(lines.Line(1)->GetOwner(), &lines);
    EXPECT_EQ(lines.Owner(), &holder);

    EXPECT_EQ(lines.Line(0)->DisplayName(), "a");
    lines.Line(0)->Caption = "";
    EXPECT_EQ(lines.Line(0)->DisplayName(), "TLine");
}

TEST(Collection, ItemClassMustBeACollectionItem)
{
    EXPECT_THROW(TCollection(TComponent::StaticClass()), EInvalidCast);
    TCollection plain(TCollectionItem::StaticClass());
    EXPECT_EQ(plain.Add()->ClassName(), "TCollectionItem");
    EXPECT_EQ(plain.Owner(), nullptr);
}
