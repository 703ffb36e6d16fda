// The pointer containers: LIFO buffer, list and stack, and their stream format.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "styledcontrols/StyList.h"
#include "styledcontrols/StyStack.h"

namespace {

// Items are malloc'ed integers; the tracker records what is disposed of.
void* NewItem(Integer value)
{
    auto* p = static_cast<Integer*>(std::malloc(sizeof(Integer)));
    *p = value;
    return p;
}
Integer ValueOf(void* item) { return item ? *static_cast<Integer*>(item) : -1; }

struct TTracker : TObject {
    std::vector<Integer> Disposed;
    void Destroy(TObject*, void* item)
    {
        Disposed.push_back(ValueOf(item));
        std::free(item);
    }
    void Size(TObject*, void*, Integer& size) { size = sizeof(Integer); }
};

std::vector<Integer> Contents(TStyBuffer& b)
{
    std::vector<Integer> values;
    for (void* n = b.GetFirstNode(); !b.IsNodeEnd(n); n = b.GetNextNode(n)) values.push_back(ValueOf(b.GetNodeItem(n)));
    return values;
}

}  // namespace

TEST(StyBuffers, APlainBufferHasOnlyAbstractOperations)
{
    TStyBuffer buffer(nullptr);
    EXPECT_THROW(buffer.Put(nullptr), EAbstractError);
    EXPECT_THROW(buffer.IsEmpty(), EAbstractError);
    TMemoryStream stream;
    EXPECT_THROW(buffer.SaveToStream(stream), EAbstractError);
}

TEST(StyBuffers, CircleModeDropsTheOldestEntry)
{
    struct Case {
        Integer maxEntries;
        bool circle;
        std::vector<Integer> kept;       // oldest first
        std::vector<Integer> disposed;
    };
    // five puts of 1..5
    const Case cases[] = {
        {3, true, {3, 4, 5}, {1, 2}},
        {1, true, {5}, {1, 2, 3, 4}},
        {3, false, {1, 2, 3}, {}},   // refused items stay the caller's
        {-1, true, {1, 2, 3, 4, 5}, {}},
    };
    for (const Case& c : cases) {
        TTracker tracker;
        TStyDynLIFOBuffer buffer;
        buffer.OnDestroyItem = TStyDestroyItemEvent(&tracker, &TTracker::Destroy);
        buffer.SetMaxEntries(c.maxEntries);
        buffer.SetCircleMode(c.circle);
        std::vector<void*> refused;
        for (Integer v = 1; v <= 5; ++v) {
            void* item = NewItem(v);
            const Integer before = buffer.Count();
            buffer.Put(item);
            if (!c.circle && buffer.Count() == before) refused.push_back(item);
        }
        EXPECT_EQ(Contents(buffer), c.kept) << c.maxEntries << c.circle;
        EXPECT_EQ(tracker.Disposed, c.disposed) << c.maxEntries << c.circle;
        EXPECT_EQ(buffer.Count(), static_cast<Integer>(c.kept.size()));
        for (void* item : refused) std::free(item);
    }
}

TEST(StyBuffers, GetAndTopOnEmptyContainersYieldNil)
{
    TStyDynLIFOBuffer buffer;
    EXPECT_EQ(buffer.Get(), nullptr);
    TStyStack stack;
    EXPECT_EQ(stack.Top(), nullptr);
    EXPECT_TRUE(stack.IsEmpty());
    stack.Push(NewItem(7));
    stack.Push(NewItem(8));
    EXPECT_EQ(ValueOf(stack.Top()), 8);
    stack.Pop();   // 8 freed
    void* seven = stack.ExtractTop();
    EXPECT_EQ(ValueOf(seven), 7);
    EXPECT_TRUE(stack.IsEmpty());
    std::free(seven);
}

TEST(StyBuffers, ListCursorPositionsAndRemoval)
{
    TStyList list;
    Integer values[6] = {10, 20, 30, 40, 50, 60};
    for (Integer i = 0; i < 4; ++i) list.Add(&values[i]);   // 10 20 30 40
    list.Seek(2);
    EXPECT_EQ(list.Item(), &values[1]);
    list.Seek(0);      // outside: the cursor stays
    list.Seek(5);
    EXPECT_EQ(list.Item(), &values[1]);
    list.Last();
    list.Next();       // stays on the last node
    EXPECT_EQ(list.Item(), &values[3]);
    list.InsertAt(&values[4], 2);   // becomes number 3
    EXPECT_EQ(list.GetItemByNr(3), &values[4]);
    list.InsertAt(&values[5], 0);   // prepended
    EXPECT_EQ(list.GetItemByNr(1), &values[5]);
    EXPECT_EQ(list.IndexOf(&values[5]), 0);
    EXPECT_EQ(list.IndexOf(&values[2]), 4);
    EXPECT_EQ(list.IndexOf(nullptr), -1);
    EXPECT_TRUE(list.IsLast());
    list.Remove(&values[4]);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.ExtractByNr(1), &values[5]);
    EXPECT_EQ(list.ExtractByNr(9), nullptr);
    std::vector<Integer> order;
    for (list.First(); list.Item(); list.Next()) {
        order.push_back(ValueOf(list.Item()));
        if (list.IsLast()) break;
    }
    EXPECT_EQ(order, (std::vector<Integer>{10, 20, 30, 40}));
    list.Clear();   // the items stay alive: they are the caller's
    EXPECT_EQ(values[0], 10);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(list.IsLast());

    TStyList one;
    one.Put(&values[0]);
    EXPECT_EQ(one.IndexOf(&values[0]), 0);
}

TEST(StyBuffers, StreamsRoundTripWithTheSignature)
{
    TTracker tracker;
    TStyDynLIFOBuffer buffer;
    buffer.OnGetItemSize = TStyGetItemSizeEvent(&tracker, &TTracker::Size);
    for (Integer v : {1, 2, 3}) buffer.Put(NewItem(v));
    TMemoryStream stream;
    buffer.SaveToStream(stream);
    ASSERT_EQ(stream.Size(), 4 + 44 + 3 * 8);
    const Byte* bytes = static_cast<const Byte*>(stream.Memory());
    EXPECT_EQ(bytes[0], 22);
    EXPECT_EQ(std::memcmp(bytes + 4, u"@StyBufferStream-V0.1@", 44), 0);
    EXPECT_EQ(bytes[48], 4);    // size of the oldest item
    EXPECT_EQ(bytes[52], 1);    // its value

    stream.SetPosition(0);
    TStyDynLIFOBuffer back;
    back.LoadFromStream(stream);
    EXPECT_EQ(Contents(back), (std::vector<Integer>{1, 2, 3}));
    void* top = back.Get();   // the same top, now ours
    EXPECT_EQ(ValueOf(top), 3);
    std::free(top);
    stream.SetPosition(0);
    TStyList list;
    list.LoadFromStream(stream);
    EXPECT_EQ(Contents(list), (std::vector<Integer>{1, 2, 3}));
    EXPECT_EQ(ValueOf(list.Item()), 1);   // the cursor on the first item
    for (void* n = list.GetFirstNode(); n; n = list.GetNextNode(n)) std::free(list.GetNodeItem(n));
    list.Clear();

    // without a size handler: as many nil items
    TStyDynLIFOBuffer sizeless;
    sizeless.Put(NewItem(5));
    TMemoryStream plain;
    sizeless.SaveToStream(plain);
    plain.SetPosition(0);
    TStyDynLIFOBuffer nils;
    nils.LoadFromStream(plain);
    EXPECT_EQ(Contents(nils), (std::vector<Integer>{-1}));
}

TEST(StyBuffers, AWrongSignatureIsIgnoredAndAShortEntryRaises)
{
    TStyDynLIFOBuffer buffer;
    buffer.Put(NewItem(9));
    TMemoryStream wrong;
    const Integer length = 22;
    wrong.WriteBuffer(&length, 4);
    wrong.WriteBuffer(u"@StyBufferStream-V0.2@", 44);
    wrong.SetPosition(0);
    buffer.LoadFromStream(wrong);
    EXPECT_EQ(Contents(buffer), (std::vector<Integer>{9}));

    // one whole entry, then a size of 1000 with 2 bytes left
    TMemoryStream cut;
    cut.WriteBuffer(&length, 4);
    cut.WriteBuffer(u"@StyBufferStream-V0.1@", 44);
    const Integer four = 4, value = 6, huge = 1000;
    cut.WriteBuffer(&four, 4);
    cut.WriteBuffer(&value, 4);
    cut.WriteBuffer(&huge, 4);
    cut.WriteBuffer(&value, 2);
    cut.SetPosition(0);
    EXPECT_THROW(buffer.LoadFromStream(cut), EReadError);
    EXPECT_EQ(Contents(buffer), (std::vector<Integer>{6}));
}

// Damaged streams: every mutation either loads or raises the read error; none allocates what
// the stream cannot hold, reads past it or leaks (checked by the sanitizer build).
TEST(StyBuffers, TenThousandDamagedStreamsAreRefusedCleanly)
{
    TStyDynLIFOBuffer source;
    TTracker sizes;
    source.OnGetItemSize = TStyGetItemSizeEvent(&sizes, &TTracker::Size);
    for (Integer v : {11, 22, 33, 44}) source.Put(NewItem(v));
    TMemoryStream original;
    source.SaveToStream(original);
    const auto* bytes = static_cast<const Byte*>(original.Memory());
    const std::vector<Byte> good(bytes, bytes + original.Size());

    std::mt19937 random(20261210);
    int loaded = 0, refused = 0;
    for (int round = 0; round < 10000; ++round) {
        std::vector<Byte> damaged = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int k = 0; k < changes; ++k) {
            // keep the signature mostly intact so that the entries are what gets damaged
            const size_t at = 44 + random() % (damaged.size() - 44);
            damaged[at] = static_cast<Byte>(random());
        }
        if (random() % 3 == 0) damaged.resize(44 + random() % (damaged.size() - 44));
        TMemoryStream stream;
        stream.WriteBuffer(damaged.data(), static_cast<Integer>(damaged.size()));
        stream.SetPosition(0);
        TStyDynLIFOBuffer target;
        try {
            target.LoadFromStream(stream);
            ++loaded;
        } catch (const EReadError&) {
            ++refused;
        }
        EXPECT_LE(target.Count(), 8);
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}
