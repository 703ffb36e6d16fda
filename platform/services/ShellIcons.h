#pragma once
// Icons of the desktop for files, folders and file types, as the shell's small (16 x 16) and
// large (32 x 32) system image lists give them.  The back end registers the provider; this
// header is toolkit-free.
#include "platform/graphics/Bitmaps.h"

class TShellIconProvider {
public:
    virtual ~TShellIconProvider() = default;
    // The icon of an existing file or folder, else of the file type its name ends in (".pdf"),
    // as a 32-bit bitmap with premultiplied alpha; false when the desktop has none.
    virtual bool Icon(const String& name, bool large, TBitmap& into) = 0;
};

void RegisterShellIconProvider(TShellIconProvider* provider);

// The size of the icons of the small or the large list.
Integer ShellIconSize(bool large);
// The icon for the name; false without a provider or an icon.
bool GetShellIcon(const String& name, bool large, TBitmap& icon);
