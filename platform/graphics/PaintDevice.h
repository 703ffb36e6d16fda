#pragma once
// What a canvas draws on.  Raster devices (bitmaps, window surfaces) lend the canvas their 32-bit
// pixels and the canvas applies its own pixel rules to them; other devices (a print job, a metafile
// being recorded) receive each drawing operation in logical units and render or record it.
#include <vector>

#include "platform/graphics/Graphics.h"

// 32-bit pixels 0x00RRGGBB (top-down rows); Stride counts pixels.
struct TPixelBuffer {
    Cardinal* Bits = nullptr;
    Integer Width = 0;
    Integer Height = 0;
    Integer Stride = 0;
    Cardinal* Row(Integer y) const { return Bits + static_cast<ptrdiff_t>(y) * Stride; }
};

// One drawing operation in the canvas's logical units; the canvas's state (pen, brush, font,
// colours, mapping and clipping) applies as the canvas holds it when the operation is executed.
struct TCanvasOp {
    enum TKind { opLine, opPolyline, opPolygon, opRectangle, opRoundRect, opEllipse, opArc, opPie, opChord,
                 opFillRect, opPixel, opText, opStretchBlt, opAlphaBlend };
    TKind Kind = opLine;
    std::vector<TPoint> Points{};   // line ends; polygon vertices; arc start and end; text reference point
    TRect Rect{};                 // box of the shape; destination of blits; clip/opaque box of text
    TColor Color = clNone;        // opFillRect: fill colour (clNone: the brush); opPixel: the colour;
                                  // blits: the source's background colour
    Integer Param1 = 0;           // round-rect corner width; text options; blit raster operation
    Integer Param2 = 0;           // round-rect corner height; alpha-blend constant alpha and format
    String Text{};
    const class TBitmap* Source = nullptr;
    TRect SourceRect{};
};

class TCanvas;

class TPaintDevice {
public:
    virtual ~TPaintDevice() = default;
    // Raster devices fill `buffer` and answer true.
    virtual bool GetPixels(TPixelBuffer& buffer) { (void)buffer; return false; }
    // Other devices execute the operation themselves.
    virtual void Execute(TCanvas& canvas, const TCanvasOp& op) { (void)canvas; (void)op; }
    virtual TSize DeviceSize() const = 0;   // device pixels
    virtual Integer LogPixelsX() const { return 96; }
    virtual Integer LogPixelsY() const { return 96; }
    virtual TSize PhysicalSize() const { return DeviceSize(); }
    virtual TPoint PhysicalOffset() const { return {}; }
    virtual bool IsPrinter() const { return false; }
    // Monochrome raster devices (1-bit bitmaps) take colour blits by the source's background colour.
    virtual bool Monochrome() const { return false; }
    // A raster device learns which device pixels a drawing touched (a window shows them).
    virtual void Changed(const TRect& deviceArea) { (void)deviceArea; }
};
