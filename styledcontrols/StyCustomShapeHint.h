#pragma once
// Balloon hints: a rectangle, rounded rectangle or ellipse, usually with a nose pointing at the
// spot the hint is about, and a shadow.  The window computes its size from the text, opens on the
// side of the target point that keeps it on the desktop, and is shaped by a window region.
#include "styledcontrols/StyCustomHint.h"

enum TStyHintStyle : Byte { hsRect, hsRoundRect, hsEllipse, hsNoseRect, hsNoseRoundRect, hsNoseEllipse };
enum TStyHintPosition : Byte { hpAboveLeft, hpAboveRight, hpBelowLeft, hpBelowRight };
enum TStyHintOption : Byte { hoShowTitle, hoShowCloseButton, hoShowIcon, hoRightAngledNose };
using TStyHintOptions = Set<TStyHintOption>;
enum TStyHintIconType : Byte { hitCustom, hitError, hitInfo, hitQuestion, hitWarning };

// The sizes a balloon is drawn with.
struct TStyBalloonMetrics {
    TStyHintStyle Style = hsNoseRoundRect;
    Integer Shadow = 6;        // depth of the shadow the balloon draws itself, 0 for none
    Integer NoseLength = 25, NoseWidth = 25, RoundRect = 18;
    bool RightAngledNose = false;
};

// The window rectangle of a text rectangle R (starting at 0, 0): R grown by the style's margins.
TRect AddShapeMargins(const TStyBalloonMetrics& M, TRect R);
// The bounds of a window of Size opening at Origin: the requested position first, then the next
// ones in turn, until one lies wholly on Desktop; the last one tried when none does.  Answers the
// position taken.
TStyHintPosition PlaceBalloon(const TStyBalloonMetrics& M, TStyHintPosition Requested, TPoint Origin, TSize Size,
                              Integer Distance, const TRect& Desktop, TRect& Bounds);
// The body and the nose (base end points and tip) of a nosed balloon W x H in window coordinates.
struct TStyBalloonShape {
    TRect Body;
    TPoint BaseFrom, BaseTo, Tip;
};
TStyBalloonShape BalloonShape(const TStyBalloonMetrics& M, TStyHintPosition Position, Integer W, Integer H);

class TStyCustomShapeHint : public TStyCustomHTMLHint {
    DECLARE_CLASS(TStyCustomShapeHint, TStyCustomHTMLHint)
public:
    explicit TStyCustomShapeHint(TComponent* AOwner);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TStyHintPosition Position() const { return FPosition; }
    void SetPosition(TStyHintPosition Value) { FPosition = Value; }
    TStyHintStyle Style() const { return FMetrics.Style; }
    void SetStyle(TStyHintStyle Value) { FMetrics.Style = Value; }
    TStyHintOptions Options() const { return FOptions; }
    void SetOptions(TStyHintOptions Value) { FOptions = Value; }
    Integer Distance() const { return FDistance; }
    void SetDistance(Integer Value) { FDistance = Value; }
    TColor ShadowColor() const { return FShadowColor; }
    // The balloon's sizes, the shadow depth included (0 without shadow).
    TStyBalloonMetrics Metrics() const;
    Integer ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(Integer Value) { FShadowDepth = Value; }

    TNotifyEvent OnCloseHintWindow;

protected:
    TColor FBorderColor = clBlack;
    TStyHintPosition FPosition = hpAboveRight;
    TStyHintOptions FOptions;
    Integer FDistance = 1;
    TStyBalloonMetrics FMetrics;
    Integer FShadowDepth = 6;
    TColor FShadowColor = clBtnShadow;
};

class TStyShapeHintWindow : public TStyCustomHTMLHintWindow {
    DECLARE_CLASS(TStyShapeHintWindow, TStyCustomHTMLHintWindow)
public:
    TStyShapeHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);
    ~TStyShapeHintWindow() override;

    TStyCustomShapeHint* ShapeHint() const { return static_cast<TStyCustomShapeHint*>(FHintControl); }
    // With Rect's right and bottom -1, its top-left is the target point; else the mouse position is.
    void ActivateHint(const TRect& Rect, const String& AHint) override;
    // Measures the text first.
    void ActivateHintExt(const TRect& Rect, const String& AHint);
    TPoint Origin() const { return FOrigin; }
    TStyHintPosition PlacedAt() const { return FPlacedAt; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& Value) { FTitle = Value; }
    TStyHintIconType IconType() const { return FIconType; }
    void SetIconType(TStyHintIconType Value) { FIconType = Value; }
    // Releases the window's handle (the balloon leaves the screen, the object stays).
    void ReleaseHandle() override;

protected:
    // Sizes, places, shapes and shows the balloon.
    virtual void PaintShape();
    void Paint() override;
    void CreateParams(TCreateParams& Params) override;

    TStyHintIconType FIconType = hitInfo;
    String FTitle;
    TPoint FOrigin;
    TStyHintPosition FPlacedAt = hpAboveRight;
    TRect FText;        // where the text goes, in window coordinates
    TRegion FBalloon;   // the balloon without its shadow
    TRegion FShadow;
};
