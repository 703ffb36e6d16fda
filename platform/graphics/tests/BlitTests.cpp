// Blits: the row-by-row path of the common copies against the general per-pixel path, on a table
// of raster operations, destinations (copies, stretches, shrinks, mirrors, edges) and clips.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Regions.h"

// Runs one blit operation by either path of the canvas, as the canvas runs its own operations.
struct TCanvasBlitProbe {
    static bool ByRows(TCanvas& canvas, const TCanvasOp& op)
    {
        canvas.Realize();
        TPixelBuffer buf;
        return canvas.FDevice->GetPixels(buf) && canvas.BlitRows(op, buf);
    }
    static void ByPixel(TCanvas& canvas, const TCanvasOp& op)
    {
        canvas.Realize();
        TPixelBuffer buf;
        if (canvas.FDevice->GetPixels(buf)) canvas.BlitByPixel(op, buf);
    }
};

namespace {

// Pixels of a 32-bit bitmap from a simple generator; the unused high byte is set as well, since
// the blits must ignore it.
void Noise(TBitmap& bmp, Integer width, Integer height, Cardinal seed)
{
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(width, height);
    for (Integer y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<Cardinal*>(bmp.ScanLine(y));
        for (Integer x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            row[x] = seed;
        }
    }
}

std::vector<Cardinal> PixelsOf(TBitmap& bmp)
{
    TPixelBuffer buf;
    bmp.GetPixels(buf);
    std::vector<Cardinal> out;
    for (Integer y = 0; y < buf.Height; ++y) out.insert(out.end(), buf.Row(y), buf.Row(y) + buf.Width);
    return out;
}

enum class TClip { None, Rectangle, WithHole, Ellipse, Visible };

void ApplyClip(TCanvas& c, TClip clip)
{
    switch (clip) {
    case TClip::None: break;
    case TClip::Rectangle: c.IntersectClipRect(3, 2, 19, 13); break;
    case TClip::WithHole:
        c.IntersectClipRect(1, 1, 22, 15);
        c.ExcludeClipRect(6, 4, 11, 9);
        break;
    case TClip::Ellipse: {
        TRegion ellipse = TRegion::Ellipse(Rect(2, 1, 21, 15));
        c.SelectClipRgn(&ellipse);
        break;
    }
    case TClip::Visible: {
        TRegion visible(Rect(0, 0, 24, 8));
        visible.Combine(TRegion(Rect(12, 8, 20, 16)), RGN_OR);
        c.SetVisibleRegion(&visible);
        c.IntersectClipRect(2, 2, 23, 14);
        break;
    }
    }
}

TEST(CanvasBlit, RowsGiveThePixelsOfThePerPixelPath)
{
    // a 7 x 5 source onto a 24 x 16 destination, both full of noise
    struct Geometry {
        const char* Name;
        TRect Dest, Source;
    };
    const Geometry geometries[] = {
        {"copy", Rect(3, 2, 10, 7), Rect(0, 0, 7, 5)},
        {"copy of a part", Rect(5, 6, 9, 9), Rect(2, 1, 6, 4)},
        {"stretch", Rect(1, 1, 18, 12), Rect(0, 0, 7, 5)},
        {"shrink", Rect(4, 3, 8, 6), Rect(0, 0, 7, 5)},
        {"uneven stretch", Rect(0, 0, 24, 4), Rect(1, 0, 6, 5)},
        {"mirrored across", Rect(20, 1, 3, 14), Rect(0, 0, 7, 5)},
        {"mirrored upright", Rect(2, 1, 15, 12), Rect(0, 5, 7, 0)},
        {"over the edges", Rect(-5, -3, 30, 20), Rect(0, 0, 7, 5)},
        {"source beyond its bitmap", Rect(2, 2, 20, 14), Rect(-2, -1, 9, 7)},
    };
    const Cardinal rops[] = {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, SRCERASE, NOTSRCCOPY, NOTSRCERASE,
                             MERGECOPY, MERGEPAINT, 0x00B8074A /* source selects destination over pattern */};
    const TClip clips[] = {TClip::None, TClip::Rectangle, TClip::WithHole, TClip::Ellipse, TClip::Visible};
    TBitmap source;
    Noise(source, 7, 5, 17);
    for (const Geometry& g : geometries)
        for (Cardinal rop : rops)
            for (TClip clip : clips) {
                TBitmap rows, pixels;
                Noise(rows, 24, 16, 99);
                Noise(pixels, 24, 16, 99);
                const std::vector<Cardinal> before = PixelsOf(rows);
                for (TBitmap* b : {&rows, &pixels}) {
                    b->Canvas().Brush().SetColor(0x336699);
                    ApplyClip(b->Canvas(), clip);
                }
                const TCanvasOp op{.Kind = TCanvasOp::opStretchBlt, .Rect = g.Dest, .Color = clNone,
                                   .Param1 = static_cast<Integer>(rop), .Source = &source, .SourceRect = g.Source};
                ASSERT_TRUE(TCanvasBlitProbe::ByRows(rows.Canvas(), op)) << g.Name << " " << std::hex << rop;
                TCanvasBlitProbe::ByPixel(pixels.Canvas(), op);
                const std::vector<Cardinal> byRows = PixelsOf(rows), byPixel = PixelsOf(pixels);
                EXPECT_EQ(byRows, byPixel) << g.Name << ", rop " << std::hex << rop << ", clip " << int(clip);
                EXPECT_NE(byRows, before) << g.Name << ", rop " << std::hex << rop << ", clip " << int(clip);
            }
}

TEST(CanvasBlit, PatternBrushesAndMonochromeConversionsGoPixelByPixel)
{
    TBitmap source, dest, mono(4, 4, TPixelFormat::pf1bit);
    Noise(source, 4, 4, 3);
    Noise(dest, 8, 8, 5);
    const TCanvasOp copy{.Kind = TCanvasOp::opStretchBlt, .Rect = Rect(0, 0, 4, 4), .Color = clNone,
                         .Param1 = static_cast<Integer>(SRCCOPY), .Source = &source, .SourceRect = Rect(0, 0, 4, 4)};
    TCanvasOp merge = copy;
    merge.Param1 = static_cast<Integer>(MERGECOPY);
    TCanvasOp fromMono = copy;
    fromMono.Source = &mono;
    // a hatched brush matters only to operations that take the pattern
    dest.Canvas().Brush().SetStyle(TBrushStyle::bsDiagCross);
    EXPECT_TRUE(TCanvasBlitProbe::ByRows(dest.Canvas(), copy));
    EXPECT_FALSE(TCanvasBlitProbe::ByRows(dest.Canvas(), merge));
    // a monochrome source on a colour bitmap takes the text and background colours
    EXPECT_FALSE(TCanvasBlitProbe::ByRows(dest.Canvas(), fromMono));
    // a colour source on a monochrome bitmap is split by the source's background colour
    EXPECT_FALSE(TCanvasBlitProbe::ByRows(mono.Canvas(), copy));
}

}  // namespace
