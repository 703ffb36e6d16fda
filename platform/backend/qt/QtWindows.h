#pragma once
// Start-up of the Qt back end of the controls and forms (this header is Qt-free).
//
// InitQtWindows starts the graphics back end (InitQtGraphics), gives the native widgets the
// classic "Windows" style and registers the window system with the controls layer.  Calling it
// again does nothing.
void InitQtWindows();

struct TWindowHandle;
class String;
// For the test driver: the input method commits a finished text to the window.
void SendInputMethodText(TWindowHandle* window, const String& text);
// For the test driver: the desktop's theme changes; the toolkit tells each of its windows, as it
// does when the user picks another theme.
void SendSystemThemeChange();
