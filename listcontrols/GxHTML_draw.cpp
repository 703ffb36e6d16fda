// Drawing routines of the mini-HTML renderer that reach beyond the canvas's own operations:
// colour emoji from the colour emoji font, icons of the desktop for file names and types,
// the banded gradient fill and the stretched bitmap copy.
#include <filesystem>

#include <cmath>

#include "listcontrols/GxHTML.h"
#include "platform/graphics/ColorGlyphs.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/RtlMath.h"
#include "platform/services/ShellIcons.h"

Integer DrawColorEmoji(TCanvas& Canvas, Integer x, Integer y, bool MeasureOnly, const String& Text, Integer FontSize)
{
    TTextMetric tm;
    GetTextMetrics(Canvas.Handle(), &tm);
    if (!MeasureOnly) DrawColorText(Canvas, x, y - 2, "Noto Color Emoji", MulDiv(FontSize, 96, 72), Text);
    return tm.tmHeight;
}

bool IsDirectoryPath(const String& Path)
{
    std::error_code error;
    return std::filesystem::is_directory(Path.ToUtf8(), error);
}

void FillGradientRect(TCanvas& Canvas, TColor First, TColor Second, bool Horizontal, const TRect& R, Integer Bands,
                      TColor FrameColor)
{
    if (Bands == 0) Bands = 1;
    const Cardinal a = static_cast<Cardinal>(ColorToRGB(First)), b = static_cast<Cardinal>(ColorToRGB(Second));
    double step[3], start[3];
    for (int k = 0; k < 3; ++k) {
        start[k] = (a >> (8 * k)) & 0xFF;
        step[k] = ((static_cast<double>((b >> (8 * k)) & 0xFF)) - start[k]) / Bands;
    }
    const double size = static_cast<double>(Horizontal ? R.Width() : R.Height()) / Bands;
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    for (Integer i = 0; i < Bands; ++i) {
        Cardinal color = 0;
        for (int k = 0; k < 3; ++k)
            color |= static_cast<Cardinal>(start[k] + std::nearbyint(i * step[k])) << (8 * k);
        Canvas.Pen().SetColor(static_cast<TColor>(color));
        Canvas.Brush().SetColor(static_cast<TColor>(color));
        const Integer o = static_cast<Integer>(std::nearbyint(i * size));
        const Integer extent = static_cast<Integer>(size) + 1;
        if (Horizontal)
            Canvas.Rectangle(R.Left + o, R.Top, std::min(R.Left + o + extent, R.Right), R.Bottom);
        else
            Canvas.Rectangle(R.Left, R.Top + o, R.Right, std::min(R.Top + o + extent, R.Bottom));
    }
    if (FrameColor == clNone) return;
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Canvas.Pen().SetColor(FrameColor);
    Canvas.Rectangle(R);
}

void StretchBitmapToCanvas(TCanvas& Canvas, const TRect& R, TBitmap& Bitmap) { Canvas.StretchDraw(R, Bitmap); }

// Numbered images of the system lists do not exist on the desktop: a number gives the list's
// size and draws nothing.
void DrawSystemIcon(TCanvas& Canvas, Integer x, Integer y, TSize& Size, double PrinterScale, bool Printer, bool Draw,
                    bool Large, const String& Name)
{
    Size = TSize{ShellIconSize(Large), ShellIconSize(Large)};
    Integer index = 0;
    TBitmap icon;
    if (!Draw || Name.IsEmpty() || TryStrToInt(Name, index) || !GetShellIcon(Name, Large, icon)) return;
    if (Printer) {
        StretchBitmapToCanvas(Canvas,
                              TRect{x, y, x + static_cast<Integer>(std::nearbyint(Size.cx * PrinterScale)),
                                    y + static_cast<Integer>(std::nearbyint(Size.cy * PrinterScale))},
                              icon);
        return;
    }
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    Canvas.AlphaBlend(TRect{x, y, x + icon.Width(), y + icon.Height()}, icon, TRect{0, 0, icon.Width(), icon.Height()},
                      blend);
}
