#pragma once
// Start-up of the Qt back end of the graphics layer (this header is Qt-free).
//
// InitQtGraphics creates the toolkit application object when there is none yet (offscreen when
// no display is available), pins the fonts from the installed packages (the Windows core fonts of
// the Wine font package; Arial, Times New Roman and Courier New mapped to Liberation) and registers
// the font engine, printer and clipboard services with the graphics layer.  Calling it again does
// nothing.
void InitQtGraphics();
