#pragma once
// Drawing and component-reference routines of the edit controls: transparent bitmaps with
// stretching, a cell of a glyph strip, a checkerboard pattern, the drag cursors the controls
// register, and references replaced without losing free notifications.
#include "editcontrols/EcTypes.h"
#include "platform/controls/Controls.h"
#include "platform/forms/Forms.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/ImgList.h"

// Cursor numbers of the edit controls; the first four are copies of the drag cursors, the hand
// (372) is never registered, so the screen's default cursor shows for it.
constexpr TCursor crEcMultiDrag = 368, crEcDrag = 369, crEcMultiDragLink = 370, crEcMultiDragAlt = 371,
                  crEcHand = 372;
// Registers the four drag cursors with the screen; the program's start-up calls it.
void RegisterEcCursors();

// The source rectangle stretched into the destination, its pixels of MaskColor left out.
void MaskedStretchBlt(HDC DstDC, Integer DstX, Integer DstY, Integer DstW, Integer DstH, HDC SrcDC, Integer SrcX,
                      Integer SrcY, Integer SrcW, Integer SrcH, TColor MaskColor);
// A destination size below 1 is the bitmap's, a source size below 1 the whole bitmap.  clNone
// draws every pixel; clDefault takes the colour of the bottom-left pixel as transparent.
void StretchTransparentBitmap(TCanvas& Canvas, TBitmap& Bitmap, TColor TransparentColor, Integer DstX,
                              Integer DstY, Integer DstW, Integer DstH, Integer SrcX, Integer SrcY, Integer SrcW,
                              Integer SrcH);
void DrawTransparentBitmap(TCanvas& Canvas, Integer X, Integer Y, TBitmap& Bitmap, TColor TransparentColor);
void DrawTransparentBitmapRect(TCanvas& Canvas, Integer X, Integer Y, const TRect& Rect, TBitmap& Bitmap,
                               TColor TransparentColor);

// Embossed disabled looks of a glyph, drawn through a monochrome mask of its shape with the
// highlight colour one pixel down and right, then the shadow colour over it.  The caller owns the
// result.  New style: the shape is every pixel that is not TransparentColor, on TransparentColor.
TBitmap* CreateDisabledBitmapNewStyle(TBitmap& Bitmap, TColor TransparentColor);
// The shape is the pixels of OutlineColor, on BackColor.
TBitmap* CreateDisabledBitmapEx(TBitmap& Bitmap, TColor OutlineColor, TColor BackColor, TColor HighlightColor,
                                TColor ShadowColor, bool DrawHighlight);
TBitmap* CreateDisabledBitmap(TBitmap& Bitmap, TColor OutlineColor);

// The image's shape embossed at (X, Y): HighlightColor one pixel down and right (when
// DrawHighlight), then GrayColor over it.
void ImageListDrawDisabled(const TCustomImageList& Images, TCanvas& Canvas, Integer X, Integer Y, Integer Index,
                           TColor HighlightColor, TColor GrayColor, bool DrawHighlight);

// What the parent shows under the control, drawn onto the control's canvas: the parent's
// background and painting, then the controls before it in the parent's list that overlap it.
void CopyParentImage(TControl* Control, TCanvas& Canvas);
// While it copies: the parent, painting its children, would paint the control itself too.
bool CopyingParentImage(const TControl* Control);

// The cell Index (row by row) of a strip of Cols x Rows cells, into Dest.
void CopyBitmapCell(TGraphic* Source, TBitmap* Dest, Integer Cols, Integer Rows, Integer Index);
// 8 x 8: Color2 where row and column have the same parity, else Color1.  The caller owns it.
TBitmap* CreateCheckerPattern(TColor Color1, TColor Color2);

// With hoFollowFont the hot-track font takes the font's charset, colour, height, name, pitch and
// style, each unless its preserve option is set.
void FollowHotTrackFont(TFont& HotTrackFont, const TFont& Font, TEcTrackFontOptions Options);
// Whether the hot-track font must be stored: with hoFollowFont, it differs from the font in a
// preserved attribute; without, it differs from a default font in any attribute.  Fonts here
// have no quality setting, so quality never differs.
bool HotTrackFontDiffers(const TFont& HotTrackFont, const TFont& Font, TEcTrackFontOptions Options);

// Whether one of the program's windows is the active one.
bool IsForegroundApplication();

// The work area of the monitor (the display without panels and docks); empty without a monitor.
TRect MonitorWorkArea(const TMonitor* Monitor);
// The screen's monitor with that handle; null when there is none.
TMonitor* FindMonitor(HMONITOR Handle);

// Ref := NewRef, moving the owner's free notification; false when nothing changes.
bool ReplaceComponentRef(TComponent* Owner, TComponent* NewRef, TComponent*& Ref);
// The same for an image list, whose changes the link reports: it leaves the old list for the new.
bool ReplaceImageListRef(TComponent* Owner, TCustomImageList* NewList, TCustomImageList*& ListRef,
                         TChangeLink* ChangeLink);
