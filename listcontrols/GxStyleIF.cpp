// Style names, tones and default-style detection.  The user's Office and Windows settings are
// read from the per-user registry store; the Windows version is 10.0, so without Office keys
// detection ends at the Windows 10 answer.
#include "listcontrols/GxStyleIF.h"

#include <cmath>

#include "platform/forms/Forms.h"
#include "platform/rtl/Registry.h"
#include "platform/services/SysInfo.h"

String GxStyleDisplayName(TGxStyle style)
{
    static const char* const names[GxStyleCount] = {
        "Office 2003 Blue", "Office 2003 Silver", "Office 2003 Olive", "Office 2003 Classic", "Office 2007 Blue",
        "Office 2007 Black", "Windows XP", "", "Custom", "Office 2007 Silver", "Windows Vista", "Windows 7",
        "Terminal", "Office 2010 Blue", "Office 2010 Silver", "Office 2010 Black", "Windows 8",
        "Office 2013 White", "Office 2013 Light gray", "Office 2013 Gray", "Windows 10", "Office 2016 White",
        "Office 2016 Gray", "Office 2016 Black", "Office 2019 White", "Office 2019 Gray", "Office 2019 Black"};
    return names[style];
}

String VersionText(Cardinal VersionNr)
{
    return IntToStr((VersionNr >> 24) & 0xFF) + "." + IntToStr((VersionNr >> 16) & 0xFF) + "." +
           IntToStr((VersionNr >> 8) & 0xFF) + "." + IntToStr(VersionNr & 0xFF);
}

const TEnumTypeInfo& TypeInfoOf(TGxStyle)
{
    static const TEnumTypeInfo info(
        "TGxStyle", {"tsOffice2003Blue", "tsOffice2003Silver", "tsOffice2003Olive", "tsOffice2003Classic",
                     "tsOffice2007Luna", "tsOffice2007Obsidian", "tsWindowsXP", "tsWhidbey", "tsCustom",
                     "tsOffice2007Silver", "tsWindowsVista", "tsWindows7", "tsTerminal", "tsOffice2010Blue",
                     "tsOffice2010Silver", "tsOffice2010Black", "tsWindows8", "tsOffice2013White",
                     "tsOffice2013LightGray", "tsOffice2013Gray", "tsWindows10", "tsOffice2016White",
                     "tsOffice2016Gray", "tsOffice2016Black", "tsOffice2019White", "tsOffice2019Gray",
                     "tsOffice2019Black"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TMetroStyle)
{
    static const TEnumTypeInfo info("TMetroStyle", {"msLight", "msDark"});
    return info;
}

// The common controls library here is of the version 6 family.
bool IsComCtl6() { return true; }

bool IsWinXPOrLater()
{
    TOSVersionInfoEx info;
    GetVersionEx(info);
    return info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion != 0);
}

// The scheme is read from the active visual style; none is ever active here.
Integer GetXPColorScheme() { return 0; }

Integer GetOSVersionClass()
{
    TOSVersionInfoEx info;
    if (!GetVersionEx(info)) return 0;
    const Cardinal major = info.dwMajorVersion, minor = info.dwMinorVersion;
    if (major == 6 && minor == 1) return 1;
    if (major == 6 && (minor == 2 || minor == 3)) return 2;
    if ((major == 6 && minor == 4) || major == 10) return 3;
    return 0;
}

Integer ReadOfficeTheme(TRegistry& Registry, const String& Key)
{
    if (!Registry.KeyExists(Key)) return -1;
    Registry.OpenKeyReadOnly(Key);
    const Integer theme = Registry.ValueExists("Theme") ? Registry.ReadInteger("Theme") : -1;
    Registry.CloseKey();
    return theme;
}

Integer ReadOfficeUITheme(TRegistry& Registry, const String& Key)
{
    if (!Registry.KeyExists(Key)) return -1;
    Registry.OpenKeyReadOnly(Key);
    Integer theme = 0;
    if (Registry.ValueExists("UI Theme") && !TryStrToInt(Registry.ReadString("UI Theme"), theme)) theme = 0;
    Registry.CloseKey();
    return theme;
}

Integer ReadAppsUseLightTheme(TRegistry& Registry, const String& Key)
{
    if (!Registry.KeyExists(Key)) return -1;
    Registry.OpenKeyReadOnly(Key);
    const Integer light = Registry.ValueExists("AppsUseLightTheme")
                              ? StrToIntDef(Registry.ReadString("AppsUseLightTheme"), 0)
                              : -1;
    Registry.CloseKey();
    return light;
}

TGxStyle GetWindows10Style()
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    return ReadAppsUseLightTheme(registry, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize") == 0
               ? tsOffice2019Black
               : tsWindows10;
}

namespace {
// The style of the newest Office whose settings the user has; tsCustom for a theme of no style,
// and false when no Office settings are found.
bool OfficeStyle(TGxStyle& style)
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    style = tsCustom;
    if (const Integer theme = ReadOfficeUITheme(registry, "Software\\Microsoft\\Office\\16.0\\Common"); theme != -1) {
        style = theme == 3 ? tsOffice2019Gray : theme == 4 ? tsOffice2019Black : tsOffice2019White;
        return true;
    }
    if (const Integer theme = ReadOfficeUITheme(registry, "Software\\Microsoft\\Office\\15.0\\Common"); theme != -1) {
        static const TGxStyle styles[] = {tsOffice2013White, tsOffice2013LightGray, tsOffice2013Gray};
        if (theme >= 0 && theme <= 2) style = styles[theme];
        return true;
    }
    struct Older {
        const char* key;
        TGxStyle styles[3];   // themes 1, 2 and 3
    };
    static const Older older[] = {
        {"Software\\Microsoft\\Office\\14.0\\Common", {tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black}},
        {"Software\\Microsoft\\Office\\12.0\\Common", {tsOffice2007Luna, tsOffice2007Silver, tsOffice2007Obsidian}}};
    for (const Older& o : older) {
        const Integer theme = ReadOfficeTheme(registry, o.key);
        if (theme == -1) continue;
        if (theme >= 1 && theme <= 3) style = o.styles[theme - 1];
        return true;
    }
    return false;
}
}  // namespace

TGxStyle DetectDefaultStyle(bool AllowXP)
{
    TGxStyle office = tsCustom;
    if (OfficeStyle(office)) return office;
    if (AllowXP) {
        switch (GetXPColorScheme()) {
        case 1: return tsOffice2003Blue;
        case 2: return tsOffice2003Olive;
        case 3: return tsOffice2003Silver;
        default: return tsOffice2003Classic;
        }
    }
    switch (GetOSVersionClass()) {
    case 2: return tsWindows8;
    case 3: return GetWindows10Style();
    default: return tsWindows7;
    }
}

TColor ShadeColor(TColor Color, Integer Percent)
{
    const Cardinal rgb = static_cast<Cardinal>(ColorToRGB(Color));
    Cardinal result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double channel = (rgb >> shift) & 0xFF;
        const auto value = static_cast<Cardinal>(std::min(255.0, std::nearbyint((100 - Percent) * channel / 100.0)));
        result |= value << shift;
    }
    return static_cast<TColor>(result);
}

TColorTones CreateMetroTones(bool Light, TColor AccentColor, TColor /*TextColor*/)
{
    TColorTones t;
    t.Background = {Light ? TColor(0xFFFFFF) : TColor(0x000000), AccentColor,
                    Light ? TColor(0x000000) : TColor(0xFFFFFF)};
    t.Foreground = {0xC0C0C0, 0xC0C0C0, 0x000000};
    t.Selected = {AccentColor, AccentColor, 0xFFFFFF};
    const TColor hover = ShadeColor(AccentColor, 20);
    t.Hover = {hover, hover, 0xFFFFFF};
    t.Disabled = {0xC0C0C0, 0x808080, 0x808080};
    return t;
}

TColorTones DefaultColorTones()
{
    TColorTones t;
    t.Background = {clWindow, clHighlight, clWindowText};
    t.Foreground = {0xC0C0C0, 0xC0C0C0, 0x000000};
    t.Selected = {clHighlight, clHighlight, clHighlightText};
    t.Hover = {0x808080, 0x808080, 0xFFFFFF};
    t.Disabled = {clWindow, 0xC0C0C0, 0xC0C0C0};
    return t;
}

bool SameFont(const TFont& a, const TFont& b)
{
    if (a.Name() != b.Name()) return false;
    return a.Size() == b.Size() && a.Style() == b.Style() && a.Charset() == b.Charset();
}

namespace {
float ScreenFactor() { return static_cast<float>(Screen ? Screen->PixelsPerInch() : 96) / 96.0f; }
}  // namespace

float GetControlDPIScale(TControl* AControl, TCanvas* ACanvas)
{
    float factor = 0;
    auto* form = dynamic_cast<TCustomForm*>(AControl ? AControl->FormWindow() : nullptr);
    if (form)
        factor = form->Scaled() ? ScreenFactor() : 1.0f;
    else if (ACanvas)
        factor = static_cast<float>(ACanvas->GetDeviceCaps(LOGPIXELSY)) / 96.0f;
    else
        factor = ScreenFactor();
    return factor == 0 ? 1.0f : factor;
}

bool IsCustomStyleActive(const TCustomStyleServices& Services, bool Designing)
{
    if (Designing) return Services.Name() != "Windows10" && Services.Name() != "Mountain_Mist";
    return Services.Enabled() && Services.Name() != "Windows";
}
