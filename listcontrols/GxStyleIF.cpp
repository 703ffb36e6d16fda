// Style names, tones and default-style detection.  The user's Office and Windows settings are
// read from the registry store, where no Office key exists and the Windows version is 10.0, so
// detection goes through to the Windows 10 answer.
#include "listcontrols/GxStyleIF.h"

#include <cmath>

#include "platform/forms/Forms.h"
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

// "AppsUseLightTheme" of the user's personalisation settings: the registry store holds no such
// value, so the light Windows 10 look is the answer.
TGxStyle GetWindows10Style() { return tsWindows10; }

// No Office settings exist in the registry store, so detection goes on to the Windows version.
TGxStyle DetectDefaultStyle(bool AllowXP)
{
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
