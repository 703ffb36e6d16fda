#include "listcontrols/ACXPVS.h"

#include "platform/rtl/RtlConsts.h"

TUxThemeApi::TUxThemeApi(const char* Unit, std::vector<TEntryPoint> EntryPoints)
    : FUnit(Unit), FNames(std::move(EntryPoints)), FEntries(FNames.size(), nullptr)
{
}

void TUxThemeApi::Load(const String& LibraryName)
{
    if (FLoaded) return;
    const HMODULE module = LoadLibrary(LibraryName);
    if (module < HINSTANCE_ERROR) return;
    FModule = module;
    FLoaded = true;
    for (std::size_t i = 0; i < FNames.size(); ++i) {
        FEntries[i] = GetProcAddress(FModule, FNames[i].Name);
        if (FNames[i].CheckLine != 0) Assert(FEntries[i] != nullptr, FUnit, FNames[i].CheckLine);
    }
}

void TUxThemeApi::Unload()
{
    if (!FLoaded) return;
    FreeLibrary(FModule);
    FModule = 0;
    FLoaded = false;
}

void TUxThemeApi::StartUp()
{
    if (FUnitRefs++ == 0) Load("UXTHEME.DLL");
}

void TUxThemeApi::ShutDown()
{
    if (FUnitRefs > 0 && --FUnitRefs == 0) Unload();
}

namespace ACXPVS {

namespace {
const char* const Names[] = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "DrawThemeText",
    "GetThemeBackgroundContentRect", "GetThemeBackgroundExtent", "GetThemeTextExtent", "GetThemeTextMetrics",
    "GetThemeBackgroundRegion", "HitTestThemeBackground", "DrawThemeEdge", "DrawThemeIcon",
    "IsThemePartDefined", "IsThemeBackgroundPartiallyTransparent", "GetThemeColor", "GetThemeMetric",
    "GetThemeString", "GetThemeBool", "GetThemeInt", "GetThemeEnumValue",
    "GetThemePosition", "GetThemeFont", "GetThemeRect", "GetThemeMargins",
    "GetThemeIntList", "SetWindowTheme", "GetThemeFilename", "GetThemeSysColor",
    "GetThemeSysColorBrush", "GetThemeSysBool", "GetThemeSysSize", "GetThemeSysFont",
    "GetThemeSysString", "GetThemeSysInt", "IsThemeActive", "IsAppThemed",
    "GetWindowTheme", "EnableThemeDialogTexture", "IsThemeDialogTextureEnabled", "GetThemeAppProperties",
    "SetThemeAppProperties", "GetCurrentThemeName", "GetThemeDocumentationProperty", "DrawThemeParentBackground",
    "EnableTheming"
};

// The checks are numbered 1537 for the first entry point and three more for each following one.
std::vector<TUxThemeApi::TEntryPoint> EntryPoints()
{
    std::vector<TUxThemeApi::TEntryPoint> list;
    Integer line = 1537;
    for (const char* name : Names) {
        list.push_back({name, line});
        line += 3;
    }
    return list;
}

// The unit's start-up binds the table before the main window exists; its shut-down frees it.
struct TUnitLife {
    TUnitLife() { Api().StartUp(); }
    ~TUnitLife() { Api().ShutDown(); }
} UnitLife;
}  // namespace

TUxThemeApi& Api()
{
    static TUxThemeApi api("ACXPVS", EntryPoints());
    return api;
}

bool UxThemeLoaded() { return Api().UxThemeLoaded(); }
void LoadUxThemeApi(const String& LibraryName) { Api().Load(LibraryName); }
void UnloadUxThemeApi() { Api().Unload(); }

TOpenThemeData OpenThemeData() { return reinterpret_cast<TOpenThemeData>(Api().Entry(acxOpenThemeData)); }
TDrawThemeBackground DrawThemeBackground()
{
    return reinterpret_cast<TDrawThemeBackground>(Api().Entry(acxDrawThemeBackground));
}
TCloseThemeData CloseThemeData() { return reinterpret_cast<TCloseThemeData>(Api().Entry(acxCloseThemeData)); }
TIsThemeActive IsThemeActive() { return reinterpret_cast<TIsThemeActive>(Api().Entry(acxIsThemeActive)); }

}  // namespace ACXPVS
