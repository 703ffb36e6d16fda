#include "app/ToolImages.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr TColor Mask = 0xFF00FF;   // fuchsia: transparent in the pictures
constexpr TColor Concrete = 0xA0A0A0, Water = 0xE0A040, Navy = 0x800000, Dark = 0x404040, Red = 0x0000D0,
                 Green = 0x008000, Maroon = 0x000080, Yellow = 0x00D0FF, Paper = 0xFFFFFF;

using TGlyph = std::function<void(TCanvas& c)>;

void Pen(TCanvas& c, TColor color, Integer width = 1)
{
    c.Pen().SetColor(color);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(width);
}

void Fill(TCanvas& c, TColor color)
{
    c.Brush().SetColor(color);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
}

void Line(TCanvas& c, Integer x1, Integer y1, Integer x2, Integer y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The dam's section as the pictures show it: a crest on the left, the downstream face sloping.
void Dam(TCanvas& c)
{
    Pen(c, Dark);
    Fill(c, Concrete);
    c.Polygon({{3, 1}, {6, 1}, {6, 4}, {13, 14}, {3, 14}});
}

// The grey of a colour for the pictures of disabled buttons: its luminance, lightened so that the
// darkest line stays a mid grey, as a disabled button is drawn fainter than an enabled one.
TColor DisabledGrey(TColor color)
{
    const Integer r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    const Integer luminance = (299 * r + 587 * g + 114 * b) / 1000;
    const Integer grey = 96 + luminance * 5 / 8;
    return TColor(grey | (grey << 8) | (grey << 16));
}

// Draws each glyph into a 16 x 16 cell of one strip and adds the strip to the list, in the
// glyphs' colours or in greys.
void AddGlyphs(TCustomImageList& list, const std::vector<TGlyph>& glyphs, TToolImageLook look = tlColoured)
{
    TBitmap strip;
    strip.SetSize(16 * static_cast<Integer>(glyphs.size()), 16);
    strip.Canvas().FillRectColor(TRect{0, 0, strip.Width(), 16}, Mask);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        TBitmap cell;
        cell.SetSize(16, 16);
        cell.Canvas().FillRectColor(TRect{0, 0, 16, 16}, Mask);
        glyphs[i](cell.Canvas());
        strip.Canvas().Draw(static_cast<Integer>(i) * 16, 0, cell);
    }
    if (look == tlGrey)
        for (Integer y = 0; y < strip.Height(); ++y)
            for (Integer x = 0; x < strip.Width(); ++x)
                if (const TColor color = strip.Canvas().Pixel(x, y); color != Mask)
                    strip.Canvas().SetPixel(x, y, DisabledGrey(color));
    list.AddMasked(&strip, Mask);
}

}  // namespace

void AddFileToolImages(TCustomImageList& list, TToolImageLook look)
{
    AddGlyphs(list, {
        [](TCanvas& c) {   // new: a sheet with a folded corner
            Pen(c, Dark);
            Fill(c, Paper);
            c.Polygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}});
            Line(c, 10, 1, 10, 4);
            Line(c, 10, 4, 13, 4);
        },
        [](TCanvas& c) {   // open: a folder
            Pen(c, Dark);
            Fill(c, Yellow);
            c.Polygon({{1, 4}, {5, 4}, {6, 5}, {13, 5}, {13, 13}, {1, 13}});
            Fill(c, 0x40B0F0);
            c.Polygon({{1, 13}, {4, 8}, {15, 8}, {13, 13}});
        },
        [](TCanvas& c) {   // save: a diskette
            Pen(c, Dark);
            Fill(c, Navy);
            c.Rectangle(2, 2, 15, 15);
            Fill(c, Paper);
            c.Rectangle(4, 2, 13, 8);
            Fill(c, Concrete);
            c.Rectangle(5, 10, 12, 15);
        },
        [](TCanvas& c) {   // calculator
            Pen(c, Dark);
            Fill(c, Concrete);
            c.Rectangle(3, 1, 14, 15);
            Fill(c, 0xC0E0C0);
            c.Rectangle(5, 3, 12, 6);
            for (Integer row = 0; row < 3; ++row)
                for (Integer col = 0; col < 3; ++col) c.FillRectColor(TRect{5 + 2 * col + col, 8 + 2 * row, 7 + 3 * col, 9 + 2 * row}, Dark);
        },
    }, look);
}

void AddDocumentToolImages(TCustomImageList& list)
{
    AddGlyphs(list, {
        [](TCanvas& c) {   // 0 general information
            Pen(c, Navy);
            Fill(c, 0xF0C080);
            c.Ellipse(1, 1, 15, 15);
            c.FillRectColor(TRect{7, 4, 9, 6}, Navy);
            c.FillRectColor(TRect{7, 7, 9, 12}, Navy);
        },
        [](TCanvas& c) { Dam(c); },   // 1 section geometry
        [](TCanvas& c) {              // 2 masses
            Dam(c);
            Pen(c, clBlack);
            Fill(c, clBlack);
            c.Ellipse(2, 0, 8, 6);
        },
        [](TCanvas& c) {   // 3 lift joint materials: courses of blocks
            Pen(c, Dark);
            Fill(c, 0x5080C0);
            for (Integer y = 2; y < 14; y += 4) c.Rectangle(1, y, 15, y + 4);
            Line(c, 8, 2, 8, 6);
            Line(c, 4, 6, 4, 10);
            Line(c, 11, 6, 11, 10);
            Line(c, 8, 10, 8, 14);
        },
        [](TCanvas& c) {   // 4 lift joints
            Dam(c);
            Pen(c, clBlack);
            Line(c, 3, 7, 9, 7);
            Line(c, 3, 10, 11, 10);
        },
        [](TCanvas& c) {   // 5 pre-cracked joints
            Dam(c);
            Pen(c, Red);
            Line(c, 3, 10, 8, 10);
        },
        [](TCanvas& c) {   // 6 reservoir
            Pen(c, Navy);
            Fill(c, Water);
            c.Rectangle(0, 4, 4, 15);
            Dam(c);
        },
        [](TCanvas& c) {   // 7 drainage and uplift
            Dam(c);
            Pen(c, clBlack);
            Line(c, 5, 6, 5, 16);
            Pen(c, Navy);
            for (Integer x = 4; x < 14; x += 3) Line(c, x, 15, x, 12);
        },
        [](TCanvas& c) {   // 8 post-tensioning cables
            Dam(c);
            Pen(c, Maroon, 2);
            Line(c, 5, 1, 5, 16);
        },
        [](TCanvas& c) {   // 9 applied forces
            Pen(c, clBlack, 2);
            Line(c, 2, 8, 12, 8);
            Fill(c, clBlack);
            Pen(c, clBlack);
            c.Polygon({{14, 8}, {10, 4}, {10, 12}});
        },
        [](TCanvas& c) {   // 10 pseudo-static: waves from a corner
            Pen(c, Dark);
            for (Integer k = 4; k <= 13; k += 3) c.Arc(1 - k, 14 - k, 1 + k, 14 + k, 1 + k, 14, 1, 14 - k);
        },
        [](TCanvas& c) {   // 11 pseudo-dynamic: a ground motion record
            Pen(c, Red);
            c.Polyline({{0, 8}, {2, 8}, {3, 4}, {5, 12}, {7, 2}, {9, 14}, {11, 5}, {13, 10}, {15, 8}});
        },
        [](TCanvas& c) {   // 12 cracking options
            Pen(c, Dark);
            Fill(c, Concrete);
            c.Rectangle(1, 3, 15, 13);
            Pen(c, Red);
            c.Polyline({{1, 8}, {5, 7}, {8, 9}, {11, 7}});
        },
        [](TCanvas& c) {   // 13 load combinations: a table
            Pen(c, Dark);
            Fill(c, Paper);
            c.Rectangle(1, 2, 15, 14);
            for (Integer y = 5; y < 14; y += 3) Line(c, 1, y, 15, y);
            Line(c, 6, 2, 6, 14);
        },
        [](TCanvas& c) {   // 14 start analyses
            Pen(c, Green);
            Fill(c, 0x00C000);
            c.Polygon({{4, 2}, {13, 8}, {4, 14}});
        },
        [](TCanvas& c) {   // 15 stability drawings: a stress diagram under the base
            Dam(c);
            Pen(c, Red);
            Fill(c, 0x8080FF);
            c.Polygon({{3, 14}, {13, 14}, {3, 16}});
        },
        [](TCanvas& c) {   // 16 spreadsheet
            Pen(c, Green);
            Fill(c, Paper);
            c.Rectangle(1, 1, 15, 15);
            for (Integer i = 5; i < 15; i += 4) {
                Line(c, 1, i, 15, i);
                Line(c, i, 1, i, 15);
            }
        },
        [](TCanvas& c) {   // 17 graphical results: bars
            Pen(c, Dark);
            Line(c, 1, 1, 1, 15);
            Line(c, 1, 14, 15, 14);
            c.FillRectColor(TRect{3, 8, 6, 14}, Navy);
            c.FillRectColor(TRect{7, 4, 10, 14}, Red);
            c.FillRectColor(TRect{11, 10, 14, 14}, Green);
        },
        [](TCanvas& c) {   // 18 Monte-Carlo: a die
            Pen(c, Dark);
            Fill(c, Paper);
            c.RoundRect(1, 1, 15, 15, 4, 4);
            for (const TPoint& p : {TPoint{4, 4}, TPoint{10, 4}, TPoint{7, 7}, TPoint{4, 10}, TPoint{10, 10}})
                c.FillRectColor(TRect{p.X, p.Y, p.X + 2, p.Y + 2}, clBlack);
        },
        [](TCanvas& c) {   // 19 incremental loads: steps
            Pen(c, Navy, 2);
            c.Polyline({{1, 14}, {5, 14}, {5, 10}, {9, 10}, {9, 6}, {13, 6}, {13, 2}});
        },
        [](TCanvas& c) {   // 20 displacement
            Dam(c);
            Pen(c, Red);
            Line(c, 6, 3, 14, 3);
            Line(c, 12, 1, 14, 3);
            Line(c, 12, 5, 14, 3);
        },
    });
}

void DrawProgramPicture(TBitmap& into, Integer size)
{
    into.SetSize(size, size);
    TCanvas& c = into.Canvas();
    c.FillRectColor(TRect{0, 0, size, size}, Paper);
    // Drawn on a grid of 16 x 16 cells, scaled to the picture.
    auto at = [size](double x, double y) {
        return TPoint{static_cast<Integer>(x * size / 16), static_cast<Integer>(y * size / 16)};
    };
    Pen(c, Navy, std::max<Integer>(1, size / 48));
    Fill(c, Water);
    c.Polygon({at(0.5, 4), at(5, 4), at(5, 13), at(0.5, 13)});
    Pen(c, Dark, std::max<Integer>(1, size / 32));
    Fill(c, Concrete);
    c.Polygon({at(5, 1.5), at(8, 1.5), at(8, 4.5), at(14.5, 13), at(5, 13)});
    Fill(c, 0x3060A0);
    c.Rectangle(at(0.5, 13).X, at(0.5, 13).Y, at(15.5, 15).X, at(15.5, 15).Y);
}
