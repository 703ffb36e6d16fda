#include "platform/services/ShellIcons.h"

namespace {
TShellIconProvider* Provider = nullptr;
}

void RegisterShellIconProvider(TShellIconProvider* provider) { Provider = provider; }

Integer ShellIconSize(bool large) { return large ? 32 : 16; }

bool GetShellIcon(const String& name, bool large, TBitmap& icon)
{
    return Provider && Provider->Icon(name, large, icon);
}
