// GDI+ bound by name: every name looked up, a missing library or export left nil and answered
// NotImplemented, the value makers, and the start and stop of GDI+ for the process.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "graphics/GxGDIPlusApi.h"
#include "graphics/GxGDIPlusClasses.h"
#include "platform/gdiplus/GdiplusBridge.h"

namespace {
// The flat names that Debian's libgdiplus 6.1 does not export; drawing code reaches none of them.
const std::set<std::string> MissingFromLibgdiplus = {
    "GdipComment", "GdipCreateBitmapFromGdiDib", "GdipCreateCachedBitmap", "GdipCreateMetafileFromWmfFile",
    "GdipCreateStreamOnFile", "GdipDeleteCachedBitmap", "GdipDrawCachedBitmap", "GdipEmfToWmfBits",
    "GdipFontCollectionEnumerable", "GdipFontCollectionEnumerate", "GdipGetRegionBoundsI", "GdipPathIterIsValid",
};

// The table as it is, to be put back after a test rebinds or patches it.
class SavedTable {
public:
    SavedTable() : FModule(GdiplusModule) { std::memcpy(FEntries, GdiplusEntries, sizeof FEntries); }
    ~SavedTable()
    {
        GdiplusModule = FModule;
        std::memcpy(GdiplusEntries, FEntries, sizeof FEntries);
    }

private:
    void* FModule;
    void* FEntries[GdiplusEntryCount];
};
}  // namespace

TEST(GxGDIPlusApi, EveryNameIsLookedUpAndOnlyTheMissingExportsStayNil)
{
    ASSERT_EQ(GdiplusEntryCount, 594);
    ASSERT_NE(GdiplusModule, nullptr);
    std::set<std::string> names, nil;
    for (int i = 0; i < GdiplusEntryCount; ++i) {
        std::string name = GdiplusEntryName(static_cast<TGdiplusEntry>(i));
        names.insert(name);
        if (!GdiplusEntries[i]) nil.insert(name);
        void* bridged = GdiplusBridgeEntry(name.c_str());
        if (bridged) { EXPECT_EQ(GdiplusEntries[i], bridged) << name; }
    }
    EXPECT_EQ(names.size(), 594u);   // no name twice
    EXPECT_EQ(nil, MissingFromLibgdiplus);
    EXPECT_STREQ(GdiplusEntryName(eGdipAlloc), "GdipAlloc");
    EXPECT_STREQ(GdiplusEntryName(eGdipEmfToWmfBits), "GdipEmfToWmfBits");
    // A nil entry answers NotImplemented.
    void* cached = nullptr;
    EXPECT_EQ(GdipCall(eGdipDeleteCachedBitmap, cached), NotImplemented);
}

TEST(GxGDIPlusApi, WithoutTheLibraryEveryEntryStaysNil)
{
    SavedTable saved;
    UnloadGdiplusApi();
    EXPECT_EQ(GdiplusModule, nullptr);
    LoadGdiplusApiFrom("libgdiplus-absent.so.0");
    EXPECT_EQ(GdiplusModule, nullptr);
    for (void* entry : GdiplusEntries) EXPECT_EQ(entry, nullptr);
    UnloadGdiplusApi();   // nothing to free, twice
    UnloadGdiplusApi();
    EXPECT_EQ(GdiplusModule, nullptr);
    // No call reaches GDI+ and no wrapper can be made: nothing crashes.
    void* matrix = nullptr;
    EXPECT_EQ(GdipCall(eGdipCreateMatrix, &matrix), NotImplemented);
    EXPECT_THROW(new TGPMatrix(), std::bad_alloc);
    StartGdiplus();
    StopGdiplus();
    LoadGdiplusApi();
    EXPECT_NE(GdiplusModule, nullptr);
    EXPECT_NE(GdiplusEntries[eGdipCreateMatrix], nullptr);
}

TEST(GxGDIPlusApi, ValueMakers)
{
    struct Case {
        std::uint8_t a, r, g, b;
        ARGB expected;
    };
    for (const Case& c : {Case{255, 255, 0, 0, 0xFFFF0000}, Case{128, 1, 2, 3, 0x80010203}, Case{0, 0, 0, 0, 0}})
        EXPECT_EQ(MakeColor(c.a, c.r, c.g, c.b), c.expected) << int(c.a) << "," << int(c.r);
    TGPRectF r = MakeRect(1, 2, 3, 4);
    EXPECT_EQ(r.X, 1);
    EXPECT_EQ(r.Y, 2);
    EXPECT_EQ(r.Width, 3);
    EXPECT_EQ(r.Height, 4);
    TGPPointF p = MakePoint(-1.5f, 2);
    EXPECT_EQ(p.X, -1.5f);
    EXPECT_EQ(p.Y, 2);
    TPathData data;
    EXPECT_EQ(data.Count, 0);
    EXPECT_EQ(data.Points, nullptr);
    EXPECT_EQ(data.Types, nullptr);
    // The record GDI+ fills: Count, then the two arrays.
    static_assert(offsetof(TPathData, Count) == 0);
    static_assert(offsetof(TPathData, Points) == 8);
    static_assert(offsetof(TPathData, Types) == 16);
}

namespace {
struct TStartupRecord {
    int Startups = 0, Shutdowns = 0;
    Cardinal Version = 0;
    void* Callback = reinterpret_cast<void*>(1);
    int SuppressThread = -1, SuppressCodecs = -1;
    bool OutputGiven = true;
    std::uintptr_t ShutdownToken = 0;
} Record;

Status RecordStartup(std::uintptr_t* token, const void* input, void* output)
{
    struct Input {
        Cardinal Version;
        void* Callback;
        int SuppressThread, SuppressCodecs;
    };
    const auto* in = static_cast<const Input*>(input);
    ++Record.Startups;
    Record.Version = in->Version;
    Record.Callback = in->Callback;
    Record.SuppressThread = in->SuppressThread;
    Record.SuppressCodecs = in->SuppressCodecs;
    Record.OutputGiven = output != nullptr;
    *token = 77;
    return Ok;
}
void RecordShutdown(std::uintptr_t token)
{
    ++Record.Shutdowns;
    Record.ShutdownToken = token;
}

std::vector<void*> Deleted;
Status RecordDelete(void* handle)
{
    Deleted.push_back(handle);
    return Ok;
}
}  // namespace

TEST(GxGDIPlusStartup, StartsWithVersionOneAndTheBackgroundThreadAndStopsWithItsToken)
{
    EXPECT_FALSE(ModuleIsLibrary());   // the test program is a program
    SavedTable saved;
    Record = {};
    GdiplusEntries[eGdiplusStartup] = reinterpret_cast<void*>(RecordStartup);
    GdiplusEntries[eGdiplusShutdown] = reinterpret_cast<void*>(RecordShutdown);
    StartGdiplus();
    StopGdiplus();
    EXPECT_EQ(Record.Startups, 1);
    EXPECT_EQ(Record.Version, 1u);
    EXPECT_EQ(Record.Callback, nullptr);
    EXPECT_EQ(Record.SuppressThread, 0);
    EXPECT_EQ(Record.SuppressCodecs, 0);
    EXPECT_FALSE(Record.OutputGiven);
    EXPECT_EQ(Record.Shutdowns, 1);
    EXPECT_EQ(Record.ShutdownToken, 77u);
    // Without the library neither is called.
    GdiplusModule = nullptr;
    StartGdiplus();
    StopGdiplus();
    EXPECT_EQ(Record.Startups, 1);
    EXPECT_EQ(Record.Shutdowns, 1);
}

TEST(GxGDIPlusStartup, TheSharedGenericObjectsAreFreedInOrderBeforeShutDown)
{
    // Nothing asked for: nothing freed.
    FreeSharedGdiplusObjects();
    TGPFontFamily* sans = TGPFontFamily::GenericSansSerif();
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), sans);   // made once
    TGPFontFamily* serif = TGPFontFamily::GenericSerif();
    TGPFontFamily* mono = TGPFontFamily::GenericMonospace();
    TGPStringFormat* typographic = TGPStringFormat::GenericTypographic();
    TGPStringFormat* standard = TGPStringFormat::GenericDefault();
    EXPECT_EQ(TGPStringFormat::GenericDefault(), standard);
    std::vector<void*> expected = {sans->Native(), serif->Native(), mono->Native(), typographic->Native(),
                                   standard->Native()};
    {
        SavedTable saved;
        Deleted.clear();
        GdiplusEntries[eGdipDeleteFontFamily] = reinterpret_cast<void*>(RecordDelete);
        GdiplusEntries[eGdipDeleteStringFormat] = reinterpret_cast<void*>(RecordDelete);
        FreeSharedGdiplusObjects();
        EXPECT_EQ(Deleted, expected);
        Deleted.clear();
        FreeSharedGdiplusObjects();
        EXPECT_TRUE(Deleted.empty());
    }
    // The generic objects belong to GDI+ itself: handing them back is harmless.
    for (size_t i = 0; i < 3; ++i) GdipCall(eGdipDeleteFontFamily, expected[i]);
    for (size_t i = 3; i < 5; ++i) GdipCall(eGdipDeleteStringFormat, expected[i]);
}
