// The table of GDI+ flat functions: bound by name when the process starts, cleared at its end.
#include "graphics/GxGDIPlusApi.h"

#include <dlfcn.h>

#include <cstring>
#include <new>

#include "platform/gdiplus/GdiplusBridge.h"

const char* const GdiplusLibraryName = "libgdiplus.so.0";
void* GdiplusModule = nullptr;
void* GdiplusEntries[GdiplusEntryCount] = {};

namespace {
const char* const EntryNames[GdiplusEntryCount] = {
#define GDIPLUS_ENTRY_NAME(name) #name,
    GDIPLUS_ENTRIES(GDIPLUS_ENTRY_NAME)
#undef GDIPLUS_ENTRY_NAME
};
}  // namespace

const char* GdiplusEntryName(TGdiplusEntry entry)
{
    return EntryNames[entry];
}

void LoadGdiplusApi()
{
    LoadGdiplusApiFrom(GdiplusLibraryName);
}

// Each name is looked up on its own; a name the library lacks stays nil and is not reported.
// The names that take our device contexts, bitmaps, fonts and streams go to the bridge.
void LoadGdiplusApiFrom(const char* libraryName)
{
    if (GdiplusModule) return;
    GdiplusModule = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!GdiplusModule) return;
    for (int i = 0; i < GdiplusEntryCount; ++i) {
        void* bridged = GdiplusBridgeEntry(EntryNames[i]);
        GdiplusEntries[i] = bridged ? bridged : dlsym(GdiplusModule, EntryNames[i]);
    }
}

void UnloadGdiplusApi()
{
    if (!GdiplusModule) return;
    dlclose(GdiplusModule);
    GdiplusModule = nullptr;
    for (void*& entry : GdiplusEntries) entry = nullptr;
}

namespace {
struct TGdiplusApiUnit {
    TGdiplusApiUnit() { LoadGdiplusApi(); }
    ~TGdiplusApiUnit() { UnloadGdiplusApi(); }
};
// The table is bound before main runs, as soon as anything of the library is linked in.
const bool ApiBound = (InitializeGxGDIPlusApi(), true);
}  // namespace

void InitializeGxGDIPlusApi()
{
    static TGdiplusApiUnit unit;
}

TGPPointF MakePoint(Single X, Single Y)
{
    return {X, Y};
}

TGPRectF MakeRect(Single x, Single y, Single width, Single height)
{
    return {x, y, width, height};
}

ARGB MakeColor(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}

void* TGdiplusBase::operator new(std::size_t size)
{
    void* fn = GdiplusEntries[eGdipAlloc];
    void* memory = fn ? reinterpret_cast<void* (*)(std::size_t)>(fn)(size) : nullptr;
    if (!memory) throw std::bad_alloc();
    std::memset(memory, 0, size);
    return memory;
}

void TGdiplusBase::operator delete(void* p)
{
    if (!p) return;
    if (void* fn = GdiplusEntries[eGdipFree]) reinterpret_cast<void (*)(void*)>(fn)(p);
}

TPathData::~TPathData()
{
    Release();
}

void TPathData::Release()
{
    delete[] Points;
    delete[] Types;
    Points = nullptr;
    Types = nullptr;
    Count = 0;
}
