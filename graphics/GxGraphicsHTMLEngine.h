#pragma once
// The mini-HTML text engine: short texts in a small HTML-like markup (bold, italic, underline and
// strike-out runs, fonts, colours, anchors, line breaks, paragraphs, bullet lists, pictures,
// highlights, sub- and superscript) measured and drawn on a drawing object, line by line in two
// passes: one that measures a line and one that draws exactly what was measured.
#include "graphics/GxGraphics.h"

class TPictureContainer;

// What the caller asks of one call.
struct TGxHTMLOptions {
    Integer AMouseX = -1, AMouseY = -1;   // the point to hit-test
    Integer AFocusAnchor = -1;            // from 0; -1 none
    Integer AHoverAnchor = -1;            // from 1; -1 none
    Integer AShadowOffset = 0;
    bool AHitTestOnly = false;            // the second pass hit-tests but draws nothing
    bool ACalculateOnly = false;          // only the measuring pass runs
    bool ASelected = false;               // tags and anchors change no colours
    bool ABlinkPhase = true;
    bool AHoverOnly = false;              // anchor styles only on the hovered anchor
    bool AWordWrap = false;
    bool ANoImageListDraw = false;        // image-list pictures take space but are not drawn
    bool AControlFocus = false;           // the control whose ID is AFocusedControlID is drawn focused
    String AFocusedControlID;
    double AScale = 1;                    // size factor of controls
    String AControlID;                    // with AHitTestOnly, the control of this ID counts as hit
    TColor AURLColor = 0xFF0000;
    TColor AHoverColor = -1, AHoverFontColor = -1, AShadowColor = -1;
    Integer ALineSpacing = 0;
    TPictureContainer* APictureContainer = nullptr;
    TCustomImageList* AImageList = nullptr;   // pictures addressed by "IDX:" and an index
    bool AURLUnderline = true;
    TColor AHighlightColor = -1, AHighlightTextColor = -1;
    TFontStyles AHighlightFontStyles;
};

// What one call found.
struct TGxHTMLResult {
    String AAnchor;            // target of the anchor under the mouse point
    String APlainText;         // the visible text, "\r" for each line break tag
    String AFocusAnchorText;   // target of the focused anchor
    float AWidth = 0;          // widest line plus 2
    float AHeight = 0;         // sum of the line heights; the height of "gh" when that is 0
    Integer AAnchorCount = 0;
    Integer AMouseAnchor = -1;
    TRectF AHoverRect{0, 0, 0, 0};
    TRectF AControlRect{0, 0, 0, 0};   // the control under the mouse point, its ID, VALUE and TYPE
    String AControlID, AControlValue, AControlType;
    Integer ALineCount = 0;
};

// Measures (and, unless ACalculateOnly, draws) AText in ARect; true when the mouse point lies on
// an anchor or a control.  The drawing object's font, fill and stroke are as before afterwards.
bool DrawGraphicsHTML(TGxGraphics& AGraphics, const String& AText, const TRectF& ARect, const TGxHTMLOptions& AOptions,
                      TGxHTMLResult& AResult);
// The markup as the layout reads it: entities decoded, line breaks made tags.
String PrepareGraphicsHTML(const String& AText);
// AText with every occurrence of AHilight in its visible text enclosed in <ATag> ... </ATag>.
String HilightHTMLText(const String& AText, const String& AHilight, const String& ATag, bool ADoCase);
