#pragma once
// Drawing that follows the platform's visual styles when they are on.  Here they are reported
// off, so the classic paths run: plain fills and plain text.
#include "platform/controls/Controls.h"
#include "platform/stdctrls/ImgList.h"

// Fills the rectangle with the colour, or draws the parent's background there when styles are
// on and the control shows its parent's colour.
void DrawControlBackground(TControl* Control, TCanvas& Canvas, const TRect& Rect, TColor Color,
                           bool NeedsParentBackground);
// The parent erases its background into the control's canvas, shifted by Offset and clipped to
// ClipRect (NoClip: unclipped); the canvas's origin and clip are restored afterwards.
constexpr TRect NoClip{0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF};
void EraseWithParentBackground(TControl* Control, HDC DC, TPoint Offset, const TRect& ClipRect = NoClip);
void EraseWithParentBackground(TControl* Control, HDC DC);   // offset: the control's position
bool InGlassPaint(TControl* Control);
bool NeedsGlassPaint(TControl* Control);
// An image of the list at (X, Y).  On glass its transparent pixels let the glass show: the image
// leaves them alone, as on any other background.
void DrawImageOnGlass(const TCustomImageList& ImageList, Integer Index, HDC DC, bool OnGlass, Integer X, Integer Y);
// Plain DrawText unless styles are on.
void DrawThemedText(HDC DC, const String& Text, TRect& Rect, bool Composited, Cardinal Flags);
// Only csNeedsBorderPaint and csParentBackground of the style are taken or reported.
void AddThemeStyle(TControl* Control, TControlStyle Style);
TControlStyle ThemeStyleOf(TControl* Control);
