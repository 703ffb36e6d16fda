#pragma once
// The visual-styles library bound at run time, once per process, into a table of entry points
// looked up by name, so that the controls draw themed parts where the library exists and their
// classic look where it does not.  The combo box reads this unit's table; GxXPVS keeps a second
// table of its own over the same library.
#include <vector>

#include "platform/rtl/DynLibs.h"
#include "platform/services/UxTheme.h"

// One table of visual-style entry points.  Binding stops with the platform's assertion failure
// ("Echec de l'assertion (<unit>, ligne <n>)") at the first required entry point that the library
// lacks; those bound before it stay bound and the table counts as loaded.
class TUxThemeApi {
public:
    struct TEntryPoint {
        const char* Name;
        Integer CheckLine;   // the number of its check; 0 for an optional entry point
    };
    TUxThemeApi(const char* Unit, std::vector<TEntryPoint> EntryPoints);
    bool UxThemeLoaded() const { return FLoaded; }
    // Binds the table from the library; nothing when already loaded.  A missing library leaves
    // the table unloaded, with no message.
    void Load(const String& LibraryName);
    // Frees the library; the entry points keep their values, so look at UxThemeLoaded first.
    void Unload();
    void* Entry(Integer Index) const { return FEntries[Index]; }
    Integer Count() const { return static_cast<Integer>(FNames.size()); }
    // Unit start-up and shut-down, counted: the first binds the library, the matching last frees it.
    void StartUp();
    void ShutDown();

private:
    const char* FUnit;
    std::vector<TEntryPoint> FNames;
    std::vector<void*> FEntries;
    HMODULE FModule = 0;
    bool FLoaded = false;
    Integer FUnitRefs = 0;
};

namespace ACXPVS {

enum TEntryIndex {
    acxOpenThemeData, acxCloseThemeData, acxDrawThemeBackground, acxDrawThemeText,
    acxGetThemeBackgroundContentRect, acxGetThemeBackgroundExtent, acxGetThemeTextExtent, acxGetThemeTextMetrics,
    acxGetThemeBackgroundRegion, acxHitTestThemeBackground, acxDrawThemeEdge, acxDrawThemeIcon,
    acxIsThemePartDefined, acxIsThemeBackgroundPartiallyTransparent, acxGetThemeColor, acxGetThemeMetric,
    acxGetThemeString, acxGetThemeBool, acxGetThemeInt, acxGetThemeEnumValue,
    acxGetThemePosition, acxGetThemeFont, acxGetThemeRect, acxGetThemeMargins,
    acxGetThemeIntList, acxSetWindowTheme, acxGetThemeFilename, acxGetThemeSysColor,
    acxGetThemeSysColorBrush, acxGetThemeSysBool, acxGetThemeSysSize, acxGetThemeSysFont,
    acxGetThemeSysString, acxGetThemeSysInt, acxIsThemeActive, acxIsAppThemed,
    acxGetWindowTheme, acxEnableThemeDialogTexture, acxIsThemeDialogTextureEnabled, acxGetThemeAppProperties,
    acxSetThemeAppProperties, acxGetCurrentThemeName, acxGetThemeDocumentationProperty, acxDrawThemeParentBackground,
    acxEnableTheming
};

TUxThemeApi& Api();
bool UxThemeLoaded();
// Binds the table from "UXTHEME.DLL" (or the library named); called by the unit's start-up.
void LoadUxThemeApi(const String& LibraryName = "UXTHEME.DLL");
void UnloadUxThemeApi();

// The entry points the combo box calls, with the platform's signatures; null until bound.
using TOpenThemeData = HTHEME (*)(HWND Window, const char16_t* ClassList);
using TDrawThemeBackground = HResult (*)(HTHEME Theme, HDC DC, int Part, int State, const TRect* Rect,
                                         const TRect* Clip);
using TCloseThemeData = HResult (*)(HTHEME Theme);
using TIsThemeActive = int (*)();
TOpenThemeData OpenThemeData();
TDrawThemeBackground DrawThemeBackground();
TCloseThemeData CloseThemeData();
TIsThemeActive IsThemeActive();

}  // namespace ACXPVS
