#pragma once
// The mini-HTML text engine of the list controls: text preparation (character references, line
// breaks), colour and number readers, the highlight and mark tags, and the renderer that lays
// a marked-up text out in a rectangle of a canvas, draws it and finds the anchor under a point.
#include "graphics/PictureContainer.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/UString.h"

class TCustomImageList;

enum THTMLBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// What a call of the renderer is asked to do, with the defaults the section list box uses.
struct THTMLRenderParams {
    TCustomImageList* ImageList = nullptr;
    Integer PointX = 0, PointY = 0;
    Integer FocusedLink = -1;
    Integer HotLink = -1;
    Integer ShadowShift = 1;
    bool HitTestPass = false;
    bool MeasureOnly = false;
    bool PrinterOutput = false;
    bool IsSelected = false;
    bool BlinkPhase = true;
    bool HotLinkOnly = true;
    bool Wrap = true;
    bool ScaledFonts = true;
    double PrinterScale = 1.0;
    TColor LinkColor = 0xFF0000;
    TColor HotLinkBackColor = clNone;
    TColor HotLinkTextColor = clNone;
    TColor ShadowTint = 0x808080;
    THTMLPictureCache* PictureCache = nullptr;   // pictures of URLs, loaded once
    TPictureContainer* Pictures = nullptr;        // named pictures
    Integer ExtraLineSpace = 0;
    THTMLBiDiMode TextBiDiMode = bdLeftToRight;
    TColor HiliteBackColor = clHighlight;
    TColor HiliteTextColor = clHighlightText;
    TFontStyles HiliteStyle;
    float DpiScale = 1.0f;
};

// What the renderer found: the anchor under the point, the visible text, the size of the text.
struct THTMLRenderResult {
    String LinkHref;
    String VisibleText;
    String LinkTitle;
    Integer WidestLine = 0;
    Integer TotalHeight = 0;
    Integer LinkCount = 0;
    Integer HitLink = -1;
    TRect HitLinkRect;
};

// ---- drawing beyond the canvas's own operations
// Draws the text (the two UTF-16 units of one emoji) in colour with its box's top-left at
// (x, y - 2), unless MeasureOnly; returns the canvas font's text height, the emoji's advance.
Integer DrawColorEmoji(TCanvas& Canvas, Integer x, Integer y, bool MeasureOnly, const String& Text, Integer FontSize);
// The desktop's icon for a file or folder name, a file type (".pdf") or an icon number: its size
// in Size, and drawn at (x, y) when Draw (stretched by PrinterScale for a printer).
void DrawSystemIcon(TCanvas& Canvas, Integer x, Integer y, TSize& Size, double PrinterScale, bool Printer, bool Draw,
                    bool Large, const String& Name);
bool IsDirectoryPath(const String& Path);
// Fills the rectangle in bands from the first to the second colour (horizontal: left to right),
// each band overlapping the next by a pixel; a frame unless FrameColor is clNone.
void FillGradientRect(TCanvas& Canvas, TColor First, TColor Second, bool Horizontal, const TRect& R, Integer Bands,
                      TColor FrameColor);
void StretchBitmapToCanvas(TCanvas& Canvas, const TRect& R, TBitmap& Bitmap);

// Lays the markup out in Area line by line, measuring each line and then drawing it (or only
// hit-testing it, or nothing at all when only measuring).  True when the point lies on anchor
// text within its line's text band, or on an image inside an anchor.
bool RenderMiniHTML(TCanvas& DrawCanvas, const String& Markup, TRect Area, const THTMLRenderParams& Params,
                    THTMLRenderResult& Result);

// ---- text preparation and values
String DecodeNamedEntities(const String& text);
String DecodeNumericRefs(const String& text);
// Position (1-based) of the first character after the digits of the reference that starts the text.
Integer NumericRefEnd(const String& text);
String UnwrapHashTags(const String& text);
String LineBreaksToBR(const String& text, bool toBR);
bool ReplaceFirstNoCase(const String& search, const String& replacement, String& text);
Integer TextPosNoCase(const String& search, const String& text);
Integer FindTextPos(const String& search, const String& text, Integer& position);
// The colour of a lower-case name ("clred", "clbtnface" ...); 0 (black) for any other.
TColor ColorFromName(const String& name);
Integer HexPairValue(const String& text);
TColor ColorFromHex(const String& text);
Integer LeadingInteger(const String& text);
double LeadingFloat(const String& text);
// The 77 named character references, in the order they are replaced.
struct TNamedEntity {
    const char* Name;
    unsigned char Cp1252;
};
extern const TNamedEntity NamedEntities[77];

// ---- highlight and mark tags
String StripTags(const String& markup);
Integer MarkupPosOfTextPos(const String& markup, Integer n);
Integer FindTextFrom(const String& search, const String& text, Integer skip, Integer& position, bool caseSensitive);
void InsertHighlightTags(const String& markup, const String& search, const String& tag, String& result,
                         bool caseSensitive);
void RemoveHighlightTags(const String& markup, const String& tag, String& result);
