// A stand-in for the visual-styles library in the loader tests: every entry point the loaders
// look up, each doing nothing, less the per-monitor theme opener (as on older systems) and, when
// built with WITHOUT_ENABLE_THEMING, less the last one.
extern "C" {
int OpenThemeData() { return 0; }
int CloseThemeData() { return 0; }
int DrawThemeBackground() { return 0; }
int DrawThemeText() { return 0; }
int GetThemeBackgroundContentRect() { return 0; }
int GetThemeBackgroundExtent() { return 0; }
int GetThemeTextExtent() { return 0; }
int GetThemeTextMetrics() { return 0; }
int GetThemeBackgroundRegion() { return 0; }
int HitTestThemeBackground() { return 0; }
int DrawThemeEdge() { return 0; }
int DrawThemeIcon() { return 0; }
int IsThemePartDefined() { return 0; }
int IsThemeBackgroundPartiallyTransparent() { return 0; }
int GetThemeColor() { return 0; }
int GetThemeMetric() { return 0; }
int GetThemeString() { return 0; }
int GetThemeBool() { return 0; }
int GetThemeInt() { return 0; }
int GetThemeEnumValue() { return 0; }
int GetThemePosition() { return 0; }
int GetThemeFont() { return 0; }
int GetThemeRect() { return 0; }
int GetThemeMargins() { return 0; }
int GetThemeIntList() { return 0; }
int SetWindowTheme() { return 0; }
int GetThemeFilename() { return 0; }
int GetThemeSysColor() { return 0; }
int GetThemeSysColorBrush() { return 0; }
int GetThemeSysBool() { return 0; }
int GetThemeSysSize() { return 0; }
int GetThemeSysFont() { return 0; }
int GetThemeSysString() { return 0; }
int GetThemeSysInt() { return 0; }
int IsThemeActive() { return 0; }
int IsAppThemed() { return 0; }
int GetWindowTheme() { return 0; }
int GetThemePartSize() { return 0; }
int EnableThemeDialogTexture() { return 0; }
int IsThemeDialogTextureEnabled() { return 0; }
int GetThemeAppProperties() { return 0; }
int SetThemeAppProperties() { return 0; }
int GetCurrentThemeName() { return 0; }
int GetThemeDocumentationProperty() { return 0; }
int DrawThemeParentBackground() { return 0; }
#ifndef WITHOUT_ENABLE_THEMING
int EnableTheming() { return 0; }
#endif
}
