#pragma once
// What the services need from the toolkit: the help window and the screen.  The Qt back end
// registers an implementation at start-up (platform/backend/qt/QtServices.h); this header is
// toolkit-free.
#include <vector>

#include "platform/graphics/Graphics.h"
#include "platform/rtl/UString.h"

struct TWindowHandle;

class TServicesBackend {
public:
    virtual ~TServicesBackend() = default;
    // The help window: shows an HTML page (an absolute file name), opening the window when it
    // is closed and raising it otherwise.
    virtual void ShowHelpPage(const String& page) = 0;
    virtual void CloseHelp() = 0;
    // The page the help window shows; empty when it is closed.
    virtual String HelpPage() = 0;
    // The primary screen and its work area (without panels and docks), in pixels.
    virtual TRect ScreenRect() = 0;
    virtual TRect WorkArea() = 0;
    // The desktop's warning sound (the terminal bell where it has no other).
    virtual void Beep() = 0;
    // Drops of local files on the window become WM_DROPFILES (ShellApi.h).
    virtual void AcceptDroppedFiles(TWindowHandle* window, bool accept) = 0;
    // Test driver: the files dropped at a client point of the window, as a file manager does.
    virtual void DropFiles(TWindowHandle* window, const std::vector<String>& files, TPoint point) = 0;
};

// The registered back end; EInvalidOperation "No services back end" when none is.
TServicesBackend& ServicesBackend();
void RegisterServicesBackend(TServicesBackend* backend);
bool ServicesBackendRegistered();
