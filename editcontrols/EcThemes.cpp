#include "editcontrols/EcThemes.h"

#include "platform/graphics/GdiApi.h"
#include "platform/services/SysInfo.h"

namespace {
bool StylesEnabled() { return ThemeServicesAvailable(); }
}  // namespace

void DrawControlBackground(TControl* Control, TCanvas& Canvas, const TRect& Rect, TColor Color,
                           bool NeedsParentBackground)
{
    TWinControl* parent = Control ? Control->Parent() : nullptr;
    if (StylesEnabled() && parent &&
        (Color == parent->Color() || ColorToRGB(Color) == ColorToRGB(parent->Color())) &&
        (!NeedsParentBackground || Control->ControlStyle().Contains(csParentBackground))) {
        EraseWithParentBackground(Control, Canvas.Handle(), {Control->Left(), Control->Top()}, Rect);
        return;
    }
    const TColor old = Canvas.Brush().Color();
    Canvas.Brush().SetColor(Color);
    Canvas.FillRect(Rect);
    if (old != Color) Canvas.Brush().SetColor(old);
}

void EraseWithParentBackground(TControl* Control, HDC DC, TPoint Offset, const TRect& ClipRect)
{
    TWinControl* parent = Control ? Control->Parent() : nullptr;
    if (!parent) return;
    const int saved = SaveDC(DC);
    if (Offset.X != 0 || Offset.Y != 0) {
        TPoint origin;
        GetWindowOrgEx(DC, &origin);
        if (dynamic_cast<TWinControl*>(Control)) SetWindowOrgEx(DC, origin.X + Offset.X, origin.Y + Offset.Y, nullptr);
        else SetWindowOrgEx(DC, -Offset.X, -Offset.Y, nullptr);
    }
    if (!(ClipRect == NoClip)) {
        TRegion clip(DC->LPtoDP(ClipRect));
        ExtSelectClipRgn(DC, &clip, RGN_AND);
    }
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(DC), reinterpret_cast<std::intptr_t>(DC));
    RestoreDC(DC, saved);
}

void EraseWithParentBackground(TControl* Control, HDC DC)
{
    if (Control) EraseWithParentBackground(Control, DC, {Control->Left(), Control->Top()});
}

bool InGlassPaint(TControl* Control) { return Control && Control->ControlState().Contains(csGlassPaint); }

// Glass shows through unless a double-buffered control that is no form lies beneath; no window
// is double-buffered here, so a control painting on glass always needs it.
bool NeedsGlassPaint(TControl* Control) { return InGlassPaint(Control); }

void DrawImageOnGlass(const TCustomImageList& ImageList, Integer Index, HDC DC, bool OnGlass, Integer X, Integer Y)
{
    (void)OnGlass;
    ImageList.Draw(*DC, X, Y, Index);
}

void DrawThemedText(HDC DC, const String& Text, TRect& Rect, bool Composited, Cardinal Flags)
{
    (void)Composited;
    DrawTextW(DC, Text, -1, &Rect, Flags);
}

void AddThemeStyle(TControl* Control, TControlStyle Style)
{
    TControlStyle s = Control->ControlStyle();
    for (TControlStyleFlag f : {csNeedsBorderPaint, csParentBackground})
        if (Style.Contains(f)) s.Include(f);
    Control->SetControlStyle(s);
}

TControlStyle ThemeStyleOf(TControl* Control)
{
    TControlStyle result;
    for (TControlStyleFlag f : {csNeedsBorderPaint, csParentBackground})
        if (Control->ControlStyle().Contains(f)) result.Include(f);
    return result;
}
