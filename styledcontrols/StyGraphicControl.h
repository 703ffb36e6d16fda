#pragma once
// The windowless bases of the styled controls (labels, graphic and speed buttons, the spin
// button): mouse enter and exit with the design frame; the theme mode, transparency (on by
// default) over the parent's background, an image list, a bitmap effect and a bounds-change
// event; and an owned bevel.
#include <memory>

#include "foundation/StyCont.h"
#include "foundation/StyThemes.h"
#include "foundation/StyTypes.h"
#include "foundation/intfStyBackGround.h"
#include "platform/controls/Controls.h"
#include "styledcontrols/StyBevel.h"
#include "styledcontrols/StyBitmapEffectObject.h"

using TStyOnBoundsChangeEvent = TEvent<TObject*, TStyBoundsChangeStates>;

class TStyBaseControl : public TGraphicControl {
    DECLARE_CLASS(TStyBaseControl, TGraphicControl)
public:
    explicit TStyBaseControl(TComponent* AOwner) : TGraphicControl(AOwner) {}
    virtual TStyPackageID getStyPackage() const { return StyFoundationPackage; }
    const TStyAboutVar& About() const { return FAbout; }
    void SetAbout(const TStyAboutVar&) {}   // design-time text, never stored
    // Fills the client rectangle with Color.
    void FillClientRect();

    // OnMouseEnter is the control's own event; this one fires when the mouse has left.
    TNotifyEvent OnMouseExit;

protected:
    virtual bool ShowDesignFrame() { return true; }
    // After the control's own enter and leave handling, outside design time; the exit fires
    // OnMouseExit while the control is enabled.
    virtual void DoMouseEnter() {}
    virtual void DoMouseExit()
    {
        if (Enabled()) OnMouseExit(this);
    }
    // The dashed design frame at design time.
    void Paint() override;
    void DrawDesignFrame();
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);

    TStyAboutVar FAbout;
};

class TStyBaseGraphicControl : public TStyBaseControl, public IStyBackground {
    DECLARE_CLASS(TStyBaseGraphicControl, TStyBaseControl)
public:
    explicit TStyBaseGraphicControl(TComponent* AOwner);
    ~TStyBaseGraphicControl() override;

    void BeginUpdate() { ++FUpdateCount; }
    // Always counts down; only the call that brings 1 to 0 with repaint runs ObjectChanged.
    void EndUpdate(bool repaint);
    bool IsUpdating() const { return FUpdateCount > 0; }
    TStyThemeMode EffectiveThemeMode();
    bool IsThemed() { return EffectiveThemeMode() != ttmNone; }
    TStyThemeMode ThemeMode() const { return FThemeMode; }
    void SetThemeMode(TStyThemeMode Value);
    bool ThemeGlobalMode() const { return FThemeGlobalMode; }
    void SetThemeGlobalMode(bool Value);
    bool ParentThemeMode() const { return FParentThemeMode; }
    void SetParentThemeMode(bool Value) { FParentThemeMode = Value; }
    bool CtlXP() const { return FThemeMode == ttmPlatform; }
    void SetCtlXP(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TComponent* ImageList() const { return FImageList; }
    virtual void SetImageList(TComponent* Value);
    Integer ImageIndex() const { return FIndex; }
    Integer ListIndex() const { return FListIndex; }
    // ImageIndex takes -1 and above, ListIndex 0 and above.
    void SetIndex(Integer Index, Integer Value);
    void SetImageIndex(Integer Value) { SetIndex(0, Value); }
    void SetListIndex(Integer Value) { SetIndex(1, Value); }
    bool IMLEmpty();
    TStyBitmapEffectObject* BackFX() { return FBackFX.get(); }
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    TRect ClientRectToScreen(const TRect& R) const;
    // Nothing while updating or without a parent window; invalidates a transparent control,
    // paints an opaque one at once.
    void RepaintControl();

    virtual bool UsesParentBack();
    virtual void ThemeChanged();
    virtual void ObjectChanged(TObject* Sender);
    TStyOnBoundsChangeEvent OnBoundsChange;

    // ---- IStyBackground
    TBitmap* BackBitmap() override { return GetParentBackBitmap(this); }
    bool BackBitmapCheck() override { return ParentBackBitmapCheck(this); }
    bool BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word Flags) override;
    bool isTransparentSet() override { return FTransparent; }
    TPoint BackMapPoint(TPoint P) override;
    Cardinal BackBitmapPalette() override { return 0; }
    void BackUpdate() override;
    TControl* BackControl(Integer) override { return nullptr; }
    Integer BackControlCount() override { return 0; }
    bool GetInterface(const TGUID& iid, void** obj) override;

    bool Painting = false;

protected:
    virtual void DoBoundsChange(TStyBoundsChangeStates States) { OnBoundsChange(this, States); }
    virtual void ImageListChanged() { ObjectChanged(nullptr); }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    void UMThemeChanged(TMessage& message);
    void WMThemeChanged(TMessage& message);
    void UMOpaqueChanged(TMessage& message);

    Integer FUpdateCount = 0;
    bool FTransparent = true;
    TComponent* FImageList = nullptr;
    Integer FIndex = 0;
    Integer FListIndex = 0;
    TStyImageListLink FChangeLink;
    std::unique_ptr<TStyBitmapEffectObject> FBackFX;
    bool FThemeGlobalMode = false;
    bool FParentThemeMode = true;
    TStyThemeMode FThemeMode = ttmNone;
};

class TStyGraphicControl : public TStyBaseGraphicControl {
    DECLARE_CLASS(TStyGraphicControl, TStyBaseGraphicControl)
public:
    explicit TStyGraphicControl(TComponent* AOwner);
    ~TStyGraphicControl() override;
    TStyBevel* Bevel() { return FBevel.get(); }
    // Assigns into the owned bevel and sends UM_BEVELCHANGED.
    void SetBevel(TStyBevel* Value);

protected:
    void Paint() override;

    std::unique_ptr<TStyBevel> FBevel;
};
