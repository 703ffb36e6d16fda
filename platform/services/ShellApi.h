#pragma once
// The shell: opening documents and web addresses with the desktop's program for them, and the
// files dropped on a window from a file manager.
#include <vector>

#include "platform/graphics/Graphics.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

struct TWindowHandle;

// Show commands the callers pass; the desktop program decides how its window shows.
enum : Integer { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3, SW_SHOW = 5 };

// ShellExecute answers a value above 32 when the desktop took the request, else one of these.
enum : Integer {
    SE_ERR_FNF = 2,          // the file does not exist
    SE_ERR_PNF = 3,          // its folder does not exist
    SE_ERR_ACCESSDENIED = 5,
    SE_ERR_NOASSOC = 31,     // no desktop program to open it (no xdg-open), or a verb other than "open"
    SE_OK = 42
};

// Opens `file` with the verb "open" (an empty verb means "open"): a web address ("scheme://...",
// "mailto:...") as it is, a local file by its name (a stored name with "\" is converted and looked
// up without regard to letter case; a relative name is taken in `directory`).  The desktop opener
// xdg-open is started in the background with the name as its only argument; `parameters`,
// `showCmd` and the window are not used.
Integer ShellExecute(TWindowHandle* window, const String& verb, const String& file,
                     const String& parameters = String(), const String& directory = String(),
                     Integer showCmd = SW_SHOWNORMAL);

// ---- dropped files
// What WM_DROPFILES carries in its WParam: the names of the dropped files and the point of the
// drop in the receiving window's client area.  The window system owns it for the time of the
// message; DragFinish releases the names early, as the receivers do when they are done.
struct TDropFiles {
    std::vector<String> Files;
    TPoint Point;
    bool InClient = true;
};
using HDROP = TDropFiles*;

// A window that accepts files sends itself WM_DROPFILES, WParam the HDROP, for every drop of
// local files from a file manager; accept false ends it.
void DragAcceptFiles(TWindowHandle* window, bool accept);

// Index 0xFFFFFFFF: the number of files.  Otherwise, without a buffer: the length of the name
// (characters, no terminating null); with one: the name copied, cut to size - 1 characters and
// terminated, and the number of characters copied.  An index past the end answers 0.
Cardinal DragQueryFile(HDROP drop, Cardinal index, char16_t* buffer, Cardinal size);
// The drop point; true when it lies in the client area.
bool DragQueryPoint(HDROP drop, TPoint& point);
void DragFinish(HDROP drop);

// The local file names of a "text/uri-list" (file:// addresses, percent escapes decoded);
// comment lines and other schemes are left out.
std::vector<String> FilesFromUriList(const std::string& uriList);
