#pragma once
// The visual-style vocabulary of the list, combo and tooltip controls: the styles with their
// display names, colour tones, the balloon icon type, the default style read from the user's
// settings, colour darkening, font comparison, a control's DPI factor and the test for an
// application-wide custom look.
#include "platform/controls/Controls.h"
#include "platform/services/Themes.h"

enum TGxStyle : Byte {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
    tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black, tsWindows8, tsOffice2013White,
    tsOffice2013LightGray, tsOffice2013Gray, tsWindows10, tsOffice2016White, tsOffice2016Gray, tsOffice2016Black,
    tsOffice2019White, tsOffice2019Gray, tsOffice2019Black
};
constexpr Integer GxStyleCount = 27;
// A component's version number (one byte per part, major highest) as text: "2.0.0.6".
String VersionText(Cardinal VersionNr);
// The name under which a styler lists the style; empty for tsWhidbey.
String GxStyleDisplayName(TGxStyle style);

enum TMetroStyle { msLight, msDark };
const TEnumTypeInfo& TypeInfoOf(TGxStyle);
const TEnumTypeInfo& TypeInfoOf(TMetroStyle);
enum TBalloonType { btNone, btInfo, btWarning, btError };

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};
struct TColorTones {
    TColorTone Background, Foreground, Selected, Hover, Disabled;
};

// A component styled as a whole by a form styler.
class IGxStyle {
public:
    virtual ~IGxStyle() = default;
    virtual void ApplyComponentStyle(TGxStyle AStyle) = 0;
};
class IGxStyleAppColor {
public:
    virtual ~IGxStyleAppColor() = default;
    virtual void ApplyComponentStyleAndColor(TGxStyle AStyle, TColor AppColor) = 0;
};
class IGxColorTones {
public:
    virtual ~IGxColorTones() = default;
    virtual void ApplyColorTones(const TColorTones& ATones) = 0;
};

bool IsComCtl6();
bool IsWinXPOrLater();
// 0 classic, 1 blue, 2 olive, 3 silver: no visual style is active here, so 0.
Integer GetXPColorScheme();
// 1 Windows 7, 2 Windows 8 and 8.1, 3 Windows 10 and later, 0 anything else.
Integer GetOSVersionClass();
class TRegistry;
// The user's settings under a key of the registry: -1 when the key is missing.  The Office
// "Theme" value (-1 without it); the Office "UI Theme" (0 without it or when it is no number);
// Windows' "AppsUseLightTheme" (-1 without it, 0 when it is no number).
Integer ReadOfficeTheme(TRegistry& Registry, const String& Key);
Integer ReadOfficeUITheme(TRegistry& Registry, const String& Key);
Integer ReadAppsUseLightTheme(TRegistry& Registry, const String& Key);
// tsOffice2019Black when the user's apps use the dark theme, else tsWindows10.
TGxStyle GetWindows10Style();
// The style that matches the user's Office and Windows settings.
TGxStyle DetectDefaultStyle(bool AllowXP);

// The colour darkened by percent (system colours resolved first).
TColor ShadeColor(TColor Color, Integer Percent);
TColorTones CreateMetroTones(bool Light, TColor AccentColor, TColor TextColor);
TColorTones DefaultColorTones();
// Same name, size, style and character set.
bool SameFont(const TFont& a, const TFont& b);
// The DPI factor of a control (1.0 at 96 dots per inch).
float GetControlDPIScale(TControl* AControl, TCanvas* ACanvas);
// The style of the form that holds the component (or is it): that of its first enabled form
// styler whose style is not tsCustom; Default when there is none.
TGxStyle GetOwnerFormStyle(TComponent* AComponent, TGxStyle Default);
// An application-wide custom look (a style other than the system's) is in force.
bool IsCustomStyleActive(const TCustomStyleServices& Services, bool Designing);
