#include "listcontrols/GxXPVS.h"

namespace GxXPVS {

namespace {
const char* const Names[] = {
    "OpenThemeData", "OpenThemeDataForDpi", "CloseThemeData", "DrawThemeBackground",
    "DrawThemeText", "GetThemeBackgroundContentRect", "GetThemeBackgroundExtent", "GetThemeTextExtent",
    "GetThemeTextMetrics", "GetThemeBackgroundRegion", "HitTestThemeBackground", "DrawThemeEdge",
    "DrawThemeIcon", "IsThemePartDefined", "IsThemeBackgroundPartiallyTransparent", "GetThemeColor",
    "GetThemeMetric", "GetThemeString", "GetThemeBool", "GetThemeInt",
    "GetThemeEnumValue", "GetThemePosition", "GetThemeFont", "GetThemeRect",
    "GetThemeMargins", "GetThemeIntList", "SetWindowTheme", "GetThemeFilename",
    "GetThemeSysColor", "GetThemeSysColorBrush", "GetThemeSysBool", "GetThemeSysSize",
    "GetThemeSysFont", "GetThemeSysString", "GetThemeSysInt", "IsThemeActive",
    "IsAppThemed", "GetWindowTheme", "GetThemePartSize", "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled", "GetThemeAppProperties", "SetThemeAppProperties", "GetCurrentThemeName",
    "GetThemeDocumentationProperty", "DrawThemeParentBackground", "EnableTheming"
};

// The checks are numbered 1563 for the first entry point, 1568 for the third and three more for
// each following one; the per-monitor opener is not checked.
std::vector<TUxThemeApi::TEntryPoint> EntryPoints()
{
    std::vector<TUxThemeApi::TEntryPoint> list{{Names[0], 1563}, {Names[1], 0}};
    Integer line = 1568;
    for (std::size_t i = 2; i < std::size(Names); ++i) {
        list.push_back({Names[i], line});
        line += 3;
    }
    return list;
}

struct TUnitLife {
    TUnitLife() { Api().StartUp(); }
    ~TUnitLife() { Api().ShutDown(); }
} UnitLife;
}  // namespace

TUxThemeApi& Api()
{
    static TUxThemeApi api("GxXPVS", EntryPoints());
    return api;
}

bool UxThemeLoaded() { return Api().UxThemeLoaded(); }
void LoadUxThemeApi(const String& LibraryName) { Api().Load(LibraryName); }
void UnloadUxThemeApi() { Api().Unload(); }

}  // namespace GxXPVS
