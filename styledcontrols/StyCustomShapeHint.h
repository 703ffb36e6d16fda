#pragma once
// Balloon hints: a rectangle, rounded rectangle or ellipse, usually with a nose pointing at the
// spot the hint is about, and a shadow.  The window computes its size from the text, opens on the
// side of the target point that keeps it on the desktop, and is shaped by a window region.
#include <memory>

#include "foundation/StyGraphUtils.h"
#include "foundation/StyThemes.h"
#include "platform/graphics/Codecs.h"
#include "styledcontrols/StyCustomHint.h"
#include "styledcontrols/StyShadow.h"

enum TStyHintStyle : Byte { hsRect, hsRoundRect, hsEllipse, hsNoseRect, hsNoseRoundRect, hsNoseEllipse };
enum TStyHintPosition : Byte { hpAboveLeft, hpAboveRight, hpBelowLeft, hpBelowRight };
enum TStyHintOption : Byte { hoShowTitle, hoShowCloseButton, hoShowIcon, hoRightAngledNose };
using TStyHintOptions = Set<TStyHintOption>;
enum TStyHintIconType : Byte { hitCustom, hitError, hitInfo, hitQuestion, hitWarning };
enum TStyHintCloseBtnType : Byte { hcbCustom, hcbToolTip, hcbToolWindow };
const TEnumTypeInfo& TypeInfoOf(TStyHintStyle);
const TEnumTypeInfo& TypeInfoOf(TStyHintPosition);
const TEnumTypeInfo& TypeInfoOf(TStyHintOption);
const TEnumTypeInfo& TypeInfoOf(TStyHintCloseBtnType);
const TEnumTypeInfo& TypeInfoOf(TStyHintHtml);

// The sizes a balloon is drawn with.
struct TStyBalloonMetrics {
    TStyHintStyle Style = hsNoseRoundRect;
    Integer Shadow = 6;        // depth of the shadow the balloon draws itself, 0 for none
    Integer NoseLength = 25, NoseWidth = 25, RoundRect = 18;
    Integer NoseAngle = 25;    // degrees of ellipse the nose of an elliptic balloon starts from
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
// The body ellipse and the nose of an elliptic balloon: the nose leaves the ellipse at the points
// at the position's angle (BaseTo) and that angle plus NoseAngle (BaseFrom).
TStyBalloonShape NoseEllipseShape(const TStyBalloonMetrics& M, TStyHintPosition Position, Integer W, Integer H);
// The point of the ellipse inscribed in Box at Degrees, counter-clockwise from the right, y upwards.
TPoint EllipsePoint(const TRect& Box, Integer Degrees);

class TStyCustomShapeHint : public TStyCustomHTMLHint {
    DECLARE_CLASS(TStyCustomShapeHint, TStyCustomHTMLHint)
public:
    explicit TStyCustomShapeHint(TComponent* AOwner, bool Hookable = true);
    ~TStyCustomShapeHint() override;
    void Assign(TPersistent* Source) override;
    TClass GetHintWindowClass() const override;

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
    Integer NoseLength() const { return FMetrics.NoseLength; }
    void SetNoseLength(Integer Value) { FMetrics.NoseLength = Value; }
    Integer NoseWidth() const { return FMetrics.NoseWidth; }
    void SetNoseWidth(Integer Value) { FMetrics.NoseWidth = Value; }
    Integer NoseAngleWidth() const { return FMetrics.NoseAngle; }
    void SetNoseAngleWidth(Integer Value) { FMetrics.NoseAngle = Value; }
    Integer RoundRectWidth() const { return FMetrics.RoundRect; }
    void SetRoundRectWidth(Integer Value) { FMetrics.RoundRect = Value; }
    const String& DefaultTitle() const { return FDefaultTitle; }
    void SetDefaultTitle(const String& Value) { FDefaultTitle = Value; }
    TFont& TitleFont() { return FTitleFont; }
    TSty3DCaption& TitleFont3D() { return FTitleFont3D; }
    TStyHintCloseBtnType CloseBtnType() const { return FCloseBtnType; }
    void SetCloseBtnType(TStyHintCloseBtnType Value) { FCloseBtnType = Value; }
    TStyUserButtonStyle CloseBtnStyle() const { return FCloseBtnStyle; }
    void SetCloseBtnStyle(TStyUserButtonStyle Value) { FCloseBtnStyle = Value; }
    TStyHintIconType DefaultIcon() const { return FDefaultIcon; }
    void SetDefaultIcon(TStyHintIconType Value) { FDefaultIcon = Value; }
    TStyShadow& Shadow() { return FShadow; }
    bool UseSystemShadow() const { return FUseSystemShadow; }
    void SetUseSystemShadow(bool Value) { FUseSystemShadow = Value; }
    TStyGradient& Gradient() { return FGradient; }
    bool UseGradient() const { return FUseGradient; }
    void SetUseGradient(bool Value) { FUseGradient = Value; }
    TStyThemeMode ThemeMode() const { return FThemeMode; }
    void SetThemeMode(TStyThemeMode Value) { FThemeMode = Value; }
    bool ThemeGlobalMode() const { return FThemeGlobalMode; }
    void SetThemeGlobalMode(bool Value) { FThemeGlobalMode = Value; }
    // The effective theme mode (the application's with ThemeGlobalMode) is usable.
    bool IsThemed() const;
    // The system draws the shadow: asked for, and the system's drop shadows are on.
    bool UseSystemShadowNow() const;
    // The balloon's sizes, with the depth of the shadow the balloon draws itself (0 for none).
    TStyBalloonMetrics Metrics() const;

    TNotifyEvent OnCloseHintWindow;

protected:
    String FDefaultTitle;
    TFont FTitleFont;
    TSty3DCaption FTitleFont3D{this};
    TStyHintOptions FOptions;
    TStyHintCloseBtnType FCloseBtnType = hcbToolTip;
    TStyUserButtonStyle FCloseBtnStyle = ubsWin40;
    TStyHintIconType FDefaultIcon = hitInfo;
    TColor FBorderColor = clBlack;
    TStyHintPosition FPosition = hpAboveRight;
    TStyShadow FShadow{this};
    bool FUseSystemShadow = false;
    TStyBalloonMetrics FMetrics;
    Integer FDistance = 1;
    TStyGradient FGradient{this};
    bool FUseGradient = false;
    bool FThemeGlobalMode = false;
    TStyThemeMode FThemeMode = ttmPlatform;
};

class TStyShapeHintWindow : public TStyCustomHTMLHintWindow {
    DECLARE_CLASS(TStyShapeHintWindow, TStyCustomHTMLHintWindow)
public:
    TStyShapeHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);
    // A window of the application's hint mechanism, for the component whose switch is in force.
    explicit TStyShapeHintWindow(TComponent* AOwner);
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
    // Where the text, the title and the close button were drawn (window coordinates).
    const TRect& TextBox() const { return FText; }
    const TRect& TitleRect() const { return FTitleRect; }
    const TRect& CloseBtnRect() const { return FCloseBtnRect; }
    const TRect& IconRect() const { return FIconRect; }
    // Releases the window's handle (the balloon leaves the screen, the object stays).
    void ReleaseHandle() override;

protected:
    // With an icon and no close button the text moves right by half the icon's width; with a
    // close button and no icon left by half the button's width.
    virtual void ShiftTextRect(TRect& Rect, bool HasIcon, bool HasClose);
    // Sizes, places, shapes and shows the balloon.
    virtual void PaintShape();
    virtual void PaintCloseButton(const TRect& Rect, Integer State);
    virtual void PaintBalloonBackground(TCanvas& Canvas, const TRect& Rect);
    virtual void DrawHintTitle(TCanvas& Canvas, const String& Text, const TRect& Rect);
    // The component's colour, given to a window the application's hints made just before its
    // handle is; a window made for a component keeps the colour it was given.
    virtual void ApplyHintColor();
    // Loads the icon of the window's type (the component's default for hitCustom).
    virtual void LoadHintIcon();
    void Paint() override;
    void CreateParams(TCreateParams& Params) override;
    void CreateHandle() override;
    void WndProc(TMessage& Message) override;

    std::unique_ptr<TPngImage> FIcon;
    TStyHintIconType FIconType = hitInfo;
    TRect FCloseBtnRect;
    bool FCloseBtnPressed = false;
    String FTitle;
    TPoint FOrigin;
    TStyHintPosition FPlacedAt = hpAboveRight;
    TRect FText;        // where the text goes, in window coordinates
    TRect FTitleRect;
    TRect FIconRect;
    TRegion FBalloon;   // the balloon without its shadow
    TRegion FShadow;    // the visible part of the shadow

private:
    void BuildShape(const TStyBalloonMetrics& M, Integer W, Integer H, TRect& Body);
    void PaintShadow(TCanvas& Canvas);
    void PaintOutline(TCanvas& Canvas);
};
