#pragma once
// The drawing routines every styled control paints with: colour arithmetic, bevel and border
// frames, shadow frames, small arrows and push-button faces (StyGraph.cpp); bitmaps drawn plain,
// centred, stretched, tiled, masked, transparent or alpha-blended, disabled and shaded glyph
// copies and multi-colour gradients (StyGraph_bitmaps.cpp).  The routines keep no state: they
// draw on a canvas the caller owns.
#include <vector>

#include "foundation/StyThemes.h"
#include "foundation/intfStyBackGround.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/GdiApi.h"

enum TStyBevelStyle : Byte { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow, bvSpace,
                             bvFlat };
enum TStyBevelMode : Byte { bmCustom, bmStandard, bmEdge, bmWindows };
enum TStyBorderStyle : Byte { lsNone, lsSingle, lsLowered, lsRaised, lsRaisedspb, lsLoweredspb, lsRaisedExt,
                              lsLoweredExt, lsFrameInset, lsFrameOffset, lsWindowBorder, lsSingleRaised,
                              lsSingleLowered, lsDoubleRaised, lsDoubleLowered };
enum TStyEdgeStyle : Byte { etRaisedInner, etRaisedOuter, etSunkenInner, etSunkenOuter, etBump, etEtched, etRaised,
                            etSunken };
enum TStyFrameSide : Byte { fsBottom, fsLeft, fsRight, fsTop };
using TStyFrameSides = Set<TStyFrameSide>;
enum TStyShadowStyle : Byte { hssNone, hssSolid, hssTracing };
enum TStyTextArrange : Byte { taLeft, taLeftTop, taRight, taRightTop, taTop, taTopLeft, taBottom, taBottomLeft };
enum TStyAlignment : Byte { agTopLeft, agTopCenter, agTopRight, agCenterLeft, agCenter, agCenterRight, agBottomLeft,
                            agBottomCenter, agBottomRight };
enum TStyFillStyle : Byte { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient, sfPng };
enum TStyTileMode : Byte { tmNone, tmCenter, tmStretch, tmTile, tmVerticalTile, tmHorizontalTile };
enum TStyGradientStyle : Byte { gstHorizontal, gstVertical, gstSquare, gstElliptic, gstTopLeft, gstTopRight,
                                gstBottomLeft, gstBottomRight, gstTopLeftDiagonal, gstTopRightDiagonal };
enum TStyDrawTextStyle : Byte { dtDisabled, dtEnabled, dt3DDisabled, dtClip, dtAccelChar, dtAutoSize, dtRectText,
                                dtRectGlyph, dtRectGlyphText, dtCalculate, dtGhostGlyph, dtRectClip };
using TStyDrawTextStyles = Set<TStyDrawTextStyle>;
enum TStyThreeDStyle : Byte { tdNone, tdSunken, tdRaised, tdSunkenShadow, tdRaisedShadow, tdPColorSunken,
                              tdPColorRaised, tdShadow, tdOutline, tdExtrude, tdExtrudeEnh };
enum TStyThreeDOrientation : Byte { toBottomLeft, toBottomRight, toTopLeft, toTopRight };
enum TStyDisabledStyle : Byte { dsAuto, dsStandard, ds3d, dsNone };
enum TStySavePixelFormat : Byte { spfDefault, spfMono, spf4bit, spf8bit, spf16bit };

using TStyAngle = Word;           // 0..360
using TStyDDArrowSize = Byte;     // 2..10
using TStyBevelWidth = Byte;      // 0..50
using TStyBorderWidth = Byte;     // 0..255
using TStyColorCount = Word;      // 2..65535
using TStyShadowDepth = Byte;     // 0..40

// The states and the fourteen looks of the library's push buttons.
enum TStyButtonState : Byte { bsUp, bsDisabledUp, bsMouseOver, bsOptionSet, bsDown, bsDragOver, bsDropDownOpen,
                              bsDisabledDown, bsDefaultEd };
enum TStyUserButtonStyle : Byte { ubsWin31, ubsWin40, ubsVesper, ubsVesperFlat, ubsFlat, ubsFlatUnColored,
                                  ubsNavigator, ubsExplorer, ubsExplorerColored, ubsIntegrated, ubsCombo, ubsOffice,
                                  ubsOfficeTransp, ubsWin40Ext };

// Face flags of DrawButtonFace and DrawButtonFrame.
enum : Word {
    bfCorners = 0x0001,      // Win 3.1 look: the four corner pixels in the button face colour
    bfFocused = 0x0002,      // focus rectangle (and the dark frame of the default button)
    bfWin40Frame = 0x0004,   // Win 4.0 look with the plain raised frame
    bfSunkenEdge = 0x0008,   // pressed Win 4.0 button with a sunken edge
    bfDefault = 0x0020,      // the default button's dark frame
    bfHot = 0x0040,          // drawn as under the mouse
    bfSplit = 0x0080,        // themed tool-bar look: split button
    bfSplitDropDown = 0x0100,
    bfThemed = 0x0200,       // draw through the theme services when the mode allows
};

// ---- colours
void WrapHue(Integer& Hue);
TColor LightenColor(TColor Color, Byte Percent);
TColor DarkenColor(TColor Color, Byte Percent);
// Hue in byte 0, lightness in byte 1, saturation in byte 2, each on a 0..252 scale.
Cardinal ColorToHLS(TColor Color);

// ---- frames, borders, arrows, button faces
bool DrawBevelFrame(TCanvas& Canvas, TRect& Rect, TStyBevelStyle Style, TColor LightColor, TColor ShadowColor,
                    Integer Width);
bool DrawShadowFrame(TCanvas& Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor, Byte Depth,
                     Byte FrameWidth, bool Transparent);
Integer BorderStyleWidth(TStyBorderStyle Style);
bool DrawBorderStyle(TCanvas& Canvas, TRect& Rect, TStyBorderStyle Style, Word Flags);
bool DrawBorderStyleDC(HDC DC, TRect& Rect, TStyBorderStyle Style, Word Flags);
void DrawArrow(TCanvas& Canvas, Integer X, Integer Y, Integer Size, TColor Color, bool Down, bool Enabled);
// Both shrink Rect to the area left for glyph and caption.
bool DrawButtonFace(TCanvas& Canvas, bool Hot, TRect& Rect, TStyUserButtonStyle Style, TStyButtonState State,
                    Word Flags, TColor Color, TStyThemeMode ThemeMode);
bool DrawButtonFrame(TCanvas& Canvas, bool Hot, TRect& Rect, TStyUserButtonStyle Style, TStyButtonState State,
                     Word Flags, TColor Color);
// The 8 x 8 checkerboard of the colour and white that an option-set button face is filled with.
TBitmap* GetBrushBitmap(TColor aColor);

// ---- bitmaps

// Drawing flags of the bitmap routines and FillGradient.
enum : Word {
    dbClip = 0x0001, dbBuffered = 0x0004, dbCenter = 0x0008, dbStretch = 0x0010, dbTile = 0x0020,
    dbTransparentColor = 0x0040, dbBrushCopy = 0x0080, dbMasked = 0x0100, dbKeepHeight = 0x0200,
    dbKeepWidth = 0x0400, dbPalette = 0x1000
};

// How a glyph's image is made transparent: 0 opaque, 1 through the mask canvas, 2 leaving out
// one colour, 3 by its own alpha channel.
struct TStyGlyphTransparency {
    Byte Mode = 0;
    TCanvas* Mask = nullptr;
    TColor Color = clNone;
};

// The source object is a bitmap for dbBrushCopy and a mask canvas for dbMasked.
struct TStySrcObject {
    const TBitmap* Bitmap = nullptr;
    TCanvas* Mask = nullptr;
};
void DrawBitmapExt(TCanvas& Canvas, const TRect& DestRect, TCanvas* SrcCanvas, const TRect& SrcRect, Word Flags,
                   TColor Color, TStySrcObject SrcObject, TRect& DrawnRect);
void DrawBitmapInRect(TCanvas& Canvas, const TRect& DestRect, TBitmap& Bitmap, Word Flags, TColor Color,
                      TRect& DrawnRect);
void DrawBitmapClipped(TCanvas& Canvas, const TRect& DestRect, TBitmap& Bitmap, Word Flags, TColor Color,
                       Cardinal ClipOrigin);
void DrawCanvasClipped(TCanvas& Canvas, const TRect& DestRect, TCanvas* SrcCanvas, const TRect& SrcRect, Word Flags,
                       TColor Color, Cardinal ClipOrigin, TStySrcObject SrcObject);
void DrawGlyphBitmap(TCanvas& Canvas, const TRect& DestRect, TCanvas& SrcCanvas,
                     const TStyGlyphTransparency& Transparency, const TRect& SrcRect);
void PrepareBitmap(TBitmap& Bitmap, const TRect& Rect, TColor Color);
void CreateMaskPair(TCanvas& SrcCanvas, const TRect& SrcRect, TBitmap& Mask, TColor Color, TBitmap& Image);
void CreateBitmapMask(TBitmap& Bitmap, TBitmap& Mask, TBitmap& Image, TColor Color);
void DrawTransparentBitmap(HDC DC, TBitmap& Bitmap, Integer X, Integer Y, const TRect& SrcRect,
                           TColor TransparentColor);
void AlphaBlendRect(HDC DestDC, const TRect& DestRect, HDC SrcDC, const TRect& SrcRect, Byte Alpha, bool UseConstant);
void DrawDisabledBitmap(TBitmap& Dest, TBitmap& Src, Integer X, Integer Y);
void CreateShadedBitmap(TBitmap& Dest, TBitmap& Src);

// ---- gradients
using TStyColorList = std::vector<TColor>;
TColor GradientColorStep(TColor Color1, TColor Color2, Integer Step, Integer Steps);
void BuildGradientColors(TColor Color1, TColor Color2, Word Count, bool Clear, TStyColorList* List);
void FillGradient(TCanvas& Canvas, const TRect& Rect, TStyGradientStyle Style, const TStyColorList* Colors, Word Flags,
                  Cardinal ClipOrigin);

// ---- transparency records
void SetNoTransparency(TStyGlyphTransparency& T);
void SetAlphaTransparency(TStyGlyphTransparency& T);
void SetTransparencyDefault(TStyGlyphTransparency& T, bool Found, Byte Kind);
bool TransparencyFromAlpha(TStyGlyphTransparency& T, TBitmap* Bitmap, TAlphaFormat AlphaFormat);
bool TransparencyFromColor(TStyGlyphTransparency& T, TBitmap* Bitmap);
void SetBitmapAlphaFormat(TBitmap& Bitmap, TAlphaFormat AlphaFormat);

// ---- parent backgrounds (IStyBackground)
class TControl;
// The parent's background bitmap: a form's provider's, or the parent's own; nil otherwise.
TBitmap* GetParentBackBitmap(TControl* Control);
// Whether the control may paint from its parent's background now.
bool ParentBackBitmapCheck(TControl* Control);
// A point of the control in its parent's background bitmap.
void MapPointToParentBack(TControl* Control, TPoint Point, TPoint& Result);
Cardinal GetParentBackPalette(TControl* Control);
// Tells the controls using the control's background that it changed.
void UpdateBackControls(TControl* Control);
