#pragma once
// Locale facts by the platform's selectors: the separators, currency and date/time conventions of
// the program's FormatSettings, and what the process locale says about measures and weeks.
#include "platform/rtl/SysFormat.h"

using LCID = Cardinal;
using LCTYPE = Cardinal;

constexpr LCID LOCALE_USER_DEFAULT = 0x0400, LOCALE_SYSTEM_DEFAULT = 0x0800;

enum : LCTYPE {
    LOCALE_SLANGUAGE = 0x02,   // the language's name, with its territory: "English (United States)"
    LOCALE_SLIST = 0x0C, LOCALE_IMEASURE = 0x0D, LOCALE_SDECIMAL = 0x0E, LOCALE_STHOUSAND = 0x0F,
    LOCALE_SGROUPING = 0x10, LOCALE_IDIGITS = 0x11, LOCALE_ILZERO = 0x12, LOCALE_SCURRENCY = 0x14,
    LOCALE_SMONDECIMALSEP = 0x16, LOCALE_SMONTHOUSANDSEP = 0x17, LOCALE_SMONGROUPING = 0x18,
    LOCALE_ICURRDIGITS = 0x19, LOCALE_ICURRENCY = 0x1B, LOCALE_INEGCURR = 0x1C, LOCALE_SDATE = 0x1D,
    LOCALE_STIME = 0x1E, LOCALE_SSHORTDATE = 0x1F, LOCALE_SLONGDATE = 0x20, LOCALE_IDATE = 0x21,
    LOCALE_ITIME = 0x23, LOCALE_S1159 = 0x28, LOCALE_S2359 = 0x29,
    LOCALE_SDAYNAME1 = 0x2A,            // Monday; ... LOCALE_SDAYNAME7 = 0x30, Sunday
    LOCALE_SABBREVDAYNAME1 = 0x31,      // ... 0x37
    LOCALE_SMONTHNAME1 = 0x38,          // ... 0x43
    LOCALE_SABBREVMONTHNAME1 = 0x44,    // ... 0x4F
    LOCALE_SPOSITIVESIGN = 0x50, LOCALE_SNEGATIVESIGN = 0x51,
    LOCALE_STIMEFORMAT = 0x1003, LOCALE_IDEFAULTANSICODEPAGE = 0x1004, LOCALE_ICALENDARTYPE = 0x1009,
    LOCALE_IFIRSTDAYOFWEEK = 0x100C, LOCALE_IFIRSTWEEKOFYEAR = 0x100D, LOCALE_INEGNUMBER = 0x1010,
    LOCALE_NOUSEROVERRIDE = 0x80000000
};

// The locale of the calling thread: always the user's.
LCID GetThreadLocale();
LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();

// The text of a locale fact, or `fallback` for a selector without one.
String GetLocaleStr(LCID locale, LCTYPE type, const String& fallback);
// The platform's form: writes the text and its terminating zero into buffer and returns the
// number of characters written; size 0 asks for the size needed; 0 for a selector without text
// or a buffer too small.
int GetLocaleInfo(LCID locale, LCTYPE type, char16_t* buffer, int size);
inline int GetLocaleInfoW(LCID locale, LCTYPE type, char16_t* buffer, int size)
{
    return GetLocaleInfo(locale, type, buffer, size);
}
