#pragma once
// The bridge between our device contexts and the GDI+ library (libgdiplus): the flat functions
// that take or give a device context, a bitmap or icon handle, a region handle, a logical font or
// a stream are answered here, on our canvases, bitmaps, fonts and streams; GDI+ draws the rest itself.
//
// A graphics made on a canvas draws straight into the canvas's own 32-bit pixels (a GDI+ bitmap
// in 32bppRGB over the same memory); the canvas hears of the change when the graphics is deleted
// or hands its device context out.  Fonts find the layer's families: the Wine fonts (Tahoma,
// MS Sans Serif, ...) and Arial, Times New Roman and Courier New as their Liberation twins.
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Regions.h"
#include "platform/rtl/Streams.h"

using HBITMAP = TBitmap*;   // a bitmap handed out by GDI+ belongs to the caller (delete)
using HICON = TIcon*;
using HPALETTE = void*;
using IStream = TStream;    // picture bytes handed to GDI+

struct LOGFONTA {
    Integer lfHeight = 0, lfWidth = 0, lfEscapement = 0, lfOrientation = 0, lfWeight = 0;
    Byte lfItalic = 0, lfUnderline = 0, lfStrikeOut = 0, lfCharSet = 0, lfOutPrecision = 0, lfClipPrecision = 0,
         lfQuality = 0, lfPitchAndFamily = 0;
    char lfFaceName[32] = {};
};
struct LOGFONTW {
    Integer lfHeight = 0, lfWidth = 0, lfEscapement = 0, lfOrientation = 0, lfWeight = 0;
    Byte lfItalic = 0, lfUnderline = 0, lfStrikeOut = 0, lfCharSet = 0, lfOutPrecision = 0, lfClipPrecision = 0,
         lfQuality = 0, lfPitchAndFamily = 0;
    char16_t lfFaceName[32] = {};
};
constexpr Integer FW_NORMAL = 400, FW_BOLD = 700;

// The bridge's own function for a flat GDI+ name, or null when GDI+ answers that name itself.
void* GdiplusBridgeEntry(const char* name);

// The family GDI+ is asked for in place of a face name of ours ("Arial" -> "Liberation Sans").
String GdiplusFamilyName(const String& faceName);

// The logical font of a canvas font, as the device context would report it.
LOGFONTW LogFontOf(TFont& font);
