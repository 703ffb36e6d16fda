#pragma once
// A second table of the visual-styles entry points, bound at start-up like the first, with the
// per-monitor theme opener (optional: older systems lack it) and the part-size query.  Nothing in
// the program reads it.
#include "listcontrols/ACXPVS.h"

namespace GxXPVS {

enum TEntryIndex {
    gxOpenThemeData, gxOpenThemeDataForDpi, gxCloseThemeData, gxDrawThemeBackground,
    gxDrawThemeText, gxGetThemeBackgroundContentRect, gxGetThemeBackgroundExtent, gxGetThemeTextExtent,
    gxGetThemeTextMetrics, gxGetThemeBackgroundRegion, gxHitTestThemeBackground, gxDrawThemeEdge,
    gxDrawThemeIcon, gxIsThemePartDefined, gxIsThemeBackgroundPartiallyTransparent, gxGetThemeColor,
    gxGetThemeMetric, gxGetThemeString, gxGetThemeBool, gxGetThemeInt,
    gxGetThemeEnumValue, gxGetThemePosition, gxGetThemeFont, gxGetThemeRect,
    gxGetThemeMargins, gxGetThemeIntList, gxSetWindowTheme, gxGetThemeFilename,
    gxGetThemeSysColor, gxGetThemeSysColorBrush, gxGetThemeSysBool, gxGetThemeSysSize,
    gxGetThemeSysFont, gxGetThemeSysString, gxGetThemeSysInt, gxIsThemeActive,
    gxIsAppThemed, gxGetWindowTheme, gxGetThemePartSize, gxEnableThemeDialogTexture,
    gxIsThemeDialogTextureEnabled, gxGetThemeAppProperties, gxSetThemeAppProperties, gxGetCurrentThemeName,
    gxGetThemeDocumentationProperty, gxDrawThemeParentBackground, gxEnableTheming
};

TUxThemeApi& Api();
bool UxThemeLoaded();
void LoadUxThemeApi(const String& LibraryName = "UXTHEME.DLL");
void UnloadUxThemeApi();

}  // namespace GxXPVS
