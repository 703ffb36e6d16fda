#pragma once
// The speed buttons of the edit controls: their states, the classic three-dimensional frames
// they are drawn with, the drop-down mark and the grey image of an inactive glyph.
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphics.h"
#include "platform/stdctrls/Buttons.h"

// The states a speed button is drawn in; a glyph strip holds one cell per state in this order.
enum TEcButtonState { rbsUp, rbsDisabled, rbsDown, rbsExclusive, rbsInactive };

// The frame style of a button: bsWin31 the old single frame, bsNew (and bsAutoDetect) the
// two-pixel raised frame.
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

// The face colour 64 levels lighter or darker on each of red, green and blue, within 0..255.
TColor HighlightColorOf(TColor faceColor);
TColor ShadowColorOf(TColor faceColor);

// Draws the frame of a speed button inside r (pressed when down) and returns the rectangle
// left inside it for the face.
TRect DrawSpeedButtonFrame(TCanvas& canvas, const TRect& r, bool down, bool flat, TButtonStyle style,
                           TColor faceColor);

// The drop-down mark: a downward triangle seven pixels wide whose top row is y - 1; a disabled
// button draws it engraved.
void DrawPopupMark(TCanvas& canvas, Integer x, Integer y, TEcButtonState state);

// A pixel of an inactive glyph: the transparent colour (as stored) and the button face stay, any
// other colour becomes the grey of level (77 R + 150 G + 29 B) shr 8.
TColor GreyPixelColor(TColor color, TColor transparentColor);

// Where a button draws its glyph and caption inside Client (then moved by Offset).
struct TEcButtonLayout {
    TPoint GlyphPos;
    TRect TextBounds;
    String Caption;   // the caption as drawn: each line shortened to the room unless word-wrapped
};

// Lays out a glyph of GlyphSize and the caption: Margin and Spacing -1 share the free room
// equally; Flags (DT_CENTER, DT_RIGHT, else left) align them; a drop-down mark takes 9 pixels
// beside the text, or 6 beside the glyph.
TEcButtonLayout CalcButtonLayout(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption,
                                 TButtonLayout layout, Integer margin, Integer spacing, bool popupMark,
                                 TPoint glyphSize, bool wordWrap, Cardinal flags);
