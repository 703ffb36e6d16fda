#pragma once
// The windowed bases of the styled controls.  TStyBaseCustomControl adds an update counter and
// mouse enter and exit events to the owner-drawn control; TStyCustomControl adds the theme mode,
// transparency over the parent's background, the link to a face controller, an image list, flat
// borders drawn on the window's frame, focus follow-up events and moving and sizing by the user.
#include "foundation/StyCont.h"
#include "foundation/StyThemes.h"
#include "foundation/StyTypes.h"
#include "foundation/intfStyBackGround.h"
#include "styledcontrols/StyFaceController.h"

// The library's private messages between styled controls.
enum : Cardinal {
    UM_OPAQUECHANGED = 1504,       // the control's opaque style changed
    UM_PARENTBACKCHANGED = 1505,   // the parent's background changed
    UM_AFTERENTER = 1506,          // posted after the control took the focus
    UM_AFTEREXIT = 1507,           // posted after it lost it
    UM_BEVELCHANGED = 1508,
    UM_BACKCHANGED = 1511,         // pass a background change on to the children
};

const TEnumTypeInfo& TypeInfoOf(TStyThemeMode);

// The theme mode resolved for a control: its parent's published "ThemeMode" when it follows
// the parent, else the application's global mode when asked, else its own; then UseTheme.
TStyThemeMode ResolveThemeMode(TControl* Control, bool ParentThemeMode, bool ThemeGlobalMode, TStyThemeMode Own);

// The moving and sizing border hit of a point: R shrunk by Width, then the side or corner the
// point lies beyond (strict comparisons); 0 inside.
Integer BorderHitTest(TPoint P, TRect R, Integer Width);

class TStyBaseCustomControl : public TCustomControl {
    DECLARE_CLASS(TStyBaseCustomControl, TCustomControl)
public:
    explicit TStyBaseCustomControl(TComponent* AOwner);

    void BeginUpdate() { ++FUpdateCount; }
    // The outermost call with Repaint runs ObjectChanged(nil).
    virtual void EndUpdate(bool Repaint);
    bool IsUpdating() const { return FUpdateCount != 0; }
    // The change handler of owned value objects: invalidates.
    virtual void ObjectChanged(TObject* Sender);
    virtual TStyPackageID getStyPackage() const { return StyFoundationPackage; }
    const TStyAboutVar& About() const { return FAbout; }
    void SetAbout(const TStyAboutVar&) {}   // design-time text, never stored

    // OnMouseEnter is the control's own event; this one fires when the mouse has left.
    TNotifyEvent OnMouseExit;

protected:
    // After the control's own enter and leave handling; the exit fires OnMouseExit.
    virtual void DoMouseEnter() {}
    virtual void DoMouseExit() { OnMouseExit(this); }
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);

    TStyAboutVar FAbout;
    bool FNeedInvalidate = true;
    Word FUpdateCount = 0;
};

class TStyCustomControl : public TStyBaseCustomControl, public IStyFaceController, public IStyBackground {
    DECLARE_CLASS(TStyCustomControl, TStyBaseCustomControl)
public:
    explicit TStyCustomControl(TComponent* AOwner);
    ~TStyCustomControl() override;

    // ---- theme
    TStyThemeMode EffectiveThemeMode();
    bool IsThemed() { return EffectiveThemeMode() != ttmNone; }
    TStyThemeMode ThemeMode() const { return FThemeMode; }
    void SetThemeMode(TStyThemeMode Value);
    bool ThemeGlobalMode() const { return FThemeGlobalMode; }
    void SetThemeGlobalMode(bool Value);
    bool ParentThemeMode() const { return FParentThemeMode; }
    void SetParentThemeMode(bool Value);
    bool CtlXP() const { return FThemeMode == ttmPlatform; }
    void SetCtlXP(bool Value);
    virtual void ThemeChanged();

    // ---- look
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    void SetParentBackground(bool Value) override;
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool MouseAbove() const { return FMouseAbove; }
    TStyBitmapEffectObject* BackFX() { return FBackFX.get(); }
    void SetBackFX(TStyBitmapEffectObject* Value) { FBackFX->Assign(Value); }
    TStyFaceController* FaceController() const { return FFaceController; }
    void SetFaceController(TStyFaceController* Value) override;
    // Whether a transparent panel copies its parent's background without its bitmap effect.
    bool FwdBackFX() const { return FFwdBackFX; }
    void SetFwdBackFX(bool Value) { FFwdBackFX = Value; }

    // ---- image list (a library or platform list)
    TComponent* ImageList() const { return FImageList; }
    virtual void SetImageList(TComponent* Value);
    Integer ImageIndex() const { return FIndex; }
    Integer ListIndex() const { return FListIndex; }
    // Index 0 the image, 1 the list; negative and unchanged values are ignored.
    void SetIndex(Integer Index, Integer Value);
    void SetImageIndex(Integer Value) { SetIndex(0, Value); }
    void SetListIndex(Integer Value) { SetIndex(1, Value); }
    virtual bool IMLEmpty();

    // ---- moving and sizing by the user
    bool AllowMove() const { return FAllowMove; }
    void SetAllowMove(bool Value) { FAllowMove = Value; }
    bool AllowSize() const { return FAllowSize; }
    void SetAllowSize(bool Value) { FAllowSize = Value; }
    bool Locked() const { return FLocked; }
    void SetLocked(bool Value) { FLocked = Value; }
    bool ShowGrip() const { return FShowGrip; }
    void SetShowGrip(bool Value);
    Byte BorderSense() const { return FBorderSense; }
    void SetBorderSense(Byte Value) { FBorderSense = Value; }
    TNotifyEvent OnMove;

    TNotifyEvent OnAfterEnter, OnAfterExit;

    // ---- effective appearance: the face controller's when one is linked and supplies it
    TFont& EffectiveFont();
    TSty3DCaption* EffectiveFont3D();
    bool EffectiveTransparent();
    bool EffectiveBorderCtlXP();
    TColor EffectiveBackColor();
    TStyFillObject* EffectiveFillObject();
    TStyBitmapEffectObject* EffectiveBackFX();
    bool EffectiveBorderCtl3D();
    virtual TStyBevel* EffectiveBevel();
    // A transparent control that can take its parent's background.
    virtual bool UsesParentBack();

    // ---- IStyFaceController
    bool FCFocused() override { return Focused(); }
    bool FCMouseAbove() override { return FMouseAbove; }
    bool FCTransparent() override { return FTransparent; }
    bool FCCtlXP() override { return CtlXP(); }
    bool FCCtl3D() override { return Ctl3D(); }
    bool FCEnabled() override { return Enabled(); }
    TColor FCColor() override { return Color(); }

    // ---- IStyBackground
    TBitmap* BackBitmap() override;
    bool BackBitmapCheck() override;
    bool BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word Flags) override;
    bool isTransparentSet() override { return FTransparent; }
    TPoint BackMapPoint(TPoint P) override { return P; }
    Cardinal BackBitmapPalette() override { return 0; }
    void BackUpdate() override;
    TControl* BackControl(Integer Index) override { return Controls(Index); }
    Integer BackControlCount() override { return ControlCount(); }

    bool GetInterface(const TGUID& iid, void** obj) override;

    // Paints the flat or normal border on the window's frame.
    virtual void DrawNormalBorder();
    virtual void DrawFlatBorder();

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    virtual void PaintBackground();
    // A strip of the frame overpainted with the background.
    void FillBackRect(const TRect& R);
    virtual bool ShowDesignFrame() { return true; }
    virtual bool IsReadOnlyState() { return false; }
    virtual void FlatChanged() {}
    virtual void ImageListChanged();
    virtual void DoMove();
    virtual void GetMoveRect(TRect& R) { R = ClientRect(); }
    virtual void GetGripRect(TRect& R) { R = ClientRect(); }
    void DrawThemedBorder(TStyThemeMode Theme, TCanvas& Canvas, const TRect& R);
    // Clears csOpaque for a transparent or themed parent-backed control, sets it otherwise;
    // true when it changed.
    bool UpdateOpaque();
    void DoEnter() override;
    void DoExit() override;
    void DoMouseEnter() override;
    void DoMouseExit() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    // The face controller hears of a changed condition.
    void TellFaceController();

    void WMEraseBkgnd(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMMove(TMessage& message);
    void WMSize(TMessage& message);
    void UMThemeChanged(TMessage& message);
    void WMThemeChanged(TMessage& message);
    void UMOpaqueChanged(TMessage& message);
    void UMBackChanged(TMessage& message);
    void UMAfterEnter(TMessage& message);
    void UMAfterExit(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMStyleChanged(TMessage& message);
    void CMSysColorChange(TMessage& message);

    bool FAutoBring = true;
    bool FInternalMouseAbove = false;
    bool FFwdBackFX = false;
    bool FMouseAbove = false;
    bool FEntered = false;
    bool FFlat = false;
    bool FTransparent = false;
    TComponent* FImageList = nullptr;
    Integer FIndex = 0;
    Integer FListIndex = 0;
    TStyImageListLink FChangeLink;
    bool FAllowMove = false, FAllowSize = false, FShowGrip = false, FMoving = false, FWindowed = false,
         FLocked = false;
    Byte FBorderSense = 4;
    TStyFaceController* FFaceController = nullptr;
    std::unique_ptr<TStyBitmapEffectObject> FBackFX;
    bool FThemeGlobalMode = false;
    TStyThemeMode FThemeMode = ttmPlatform;
    bool FParentThemeMode = true;
};
