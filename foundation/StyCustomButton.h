#pragma once
// The library's push button: the platform button's behaviour (focus, default and cancel roles,
// modal result, keyboard) painted by the button itself in one of fourteen looks, with a glyph or
// an image-list image beside a caption of one or more lines, a caption effect, an optional
// drop-down menu and auto-repeat while held down.
#include <memory>

#include "foundation/StyClass.h"
#include "foundation/StyCont.h"
#include "foundation/StyGlyph.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Menus.h"
#include "platform/stdctrls/Timer.h"

class TCustomImageList;

class TStyCustomButton : public TButton, public IStyBackground {
    DECLARE_CLASS(TStyCustomButton, TButton)
public:
    explicit TStyCustomButton(TComponent* AOwner);
    ~TStyCustomButton() override;

    TStyUserButtonStyle ButtonStyle() const { return FExtStyle; }
    void SetButtonStyle(TStyUserButtonStyle value);
    TStyNormalButtonStyle Style() const { return FStyle; }
    void SetStyle(TStyNormalButtonStyle value);
    TStyButtonLayout& ButtonLayout() { return *FButtonLayout; }
    TStyFxCaption& FontFX() { return *FFontFx; }
    TStyGlyph& GlyphObject() { return *FGlyph; }
    TBitmap& Glyph() { return FGlyph->Glyph(); }
    void SetGlyph(const TBitmap& value) { FGlyph->SetGlyph(value); }
    Integer NumGlyphs() const { return FGlyph->NumGlyphs(); }
    void SetNumGlyphs(Integer value);
    TStyGlyphKind GlyphKind() const { return FGlyphKind; }
    void SetGlyphKind(TStyGlyphKind value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    bool UseCaption() const { return FUseCaption; }
    void SetUseCaption(bool value);
    bool RepeatedClick() const { return FRepeatedClick; }
    void SetRepeatedClick(bool value) { FRepeatedClick = value; }
    Word RepeatingDelay() const { return FRepeatDelay; }
    void SetRepeatingDelay(Word value) { FRepeatDelay = value; }
    Word RepeatingInterval() const { return FRepeatInterval; }
    void SetRepeatingInterval(Word value) { FRepeatInterval = value; }
    bool UseGlobalTimer() const { return FUseGlobalTimer; }
    void SetUseGlobalTimer(bool value) { FUseGlobalTimer = value; }
    bool HideHint() const { return FHideHint; }
    void SetHideHint(bool value) { FHideHint = value; }
    TStyThemeMode ThemeMode() const { return FThemeMode; }
    void SetThemeMode(TStyThemeMode value);
    bool ParentThemeMode() const { return FParentThemeMode; }
    void SetParentThemeMode(bool value);
    bool ThemeGlobalMode() const { return FThemeGlobalMode; }
    void SetThemeGlobalMode(bool value);
    // The platform theme (true) or none (false).
    bool CtlXP() const { return FThemeMode == ttmPlatform; }
    void SetCtlXP(bool value) { SetThemeMode(value ? ttmPlatform : ttmNone); }
    TPopupMenu* DropDownMenu() const { return FDropDown; }
    void SetDropDownMenu(TPopupMenu* value);
    Integer DropDownIndent() const { return FDropDownIndent; }
    void SetDropDownIndent(Integer value) { FDropDownIndent = value; }
    bool DropDownRight() const { return FDropDownRight; }
    void SetDropDownRight(bool value) { FDropDownRight = value; }
    bool Dropped() const { return FDropped; }
    TStyButtonState State() const { return FState; }
    bool MouseOver() const { return FMouseOver; }
    // The theme mode the button draws with: its own resolved by the theme services.
    TStyThemeMode EffectiveThemeMode() const;
    bool IsThemed() const { return EffectiveThemeMode() != ttmNone; }
    // IStyBackground: the parent's background shows through the transparent looks and themed
    // faces; the button lends it on from its parent.
    bool isTransparentSet() override;
    TBitmap* BackBitmap() override { return GetParentBackBitmap(this); }
    bool BackBitmapCheck() override { return ParentBackBitmapCheck(this); }
    bool BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word Flags) override;
    TPoint BackMapPoint(TPoint P) override;
    Cardinal BackBitmapPalette() override { return GetParentBackPalette(this); }
    void BackUpdate() override { Invalidate(); }
    TControl* BackControl(Integer) override { return nullptr; }
    Integer BackControlCount() override { return 0; }
    bool GetInterface(const TGUID& iid, void** obj) override;

    // The picture of an image list (a library or a platform list) instead of a glyph.
    TComponent* ImageList() const { return FImageList; }
    void SetImageList(TComponent* value);
    // A list of the form's own (not of the global container) is stored by name with its index.
    bool OwnImageList() const { return FImageList && !IsGlobalImageList(FImageList); }
    Integer ImageIndex() const { return FIndex; }
    void SetImageIndex(Integer value);
    Integer ListIndex() const { return FListIndex; }
    void SetListIndex(Integer value);
    // The form keeps the list and index only for a list of its own that the action does not give.
    bool IsImageListStored() const;
    bool IsImageIndexStored() const;

    void Click() override;
    void DropDown();
    // After the inherited placement: BoundsChanged with what changed, unless loading.
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    TNotifyEvent OnDropDown;
    // OnMouseEnter is the control's; this one fires when the mouse leaves.
    TNotifyEvent OnMouseExit;

protected:
    void CreateParams(TCreateParams& Params) override;
    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // The action's image list, for a button without a picture or list, and its image index.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    TControlActionLinkClass GetActionLinkClass() const override;

    virtual void ThemeChanged();
    virtual void BoundsChanged(TStyBoundsChangeStates) {}
    virtual void DrawCaption(TCanvas& aCanvas, TRect R, Cardinal flags);
    virtual void DrawItem(const TDrawItemStruct& DrawItemStruct);
    virtual void RepeatClick();

    void CNDrawItem(TMessage& message);
    void CNMeasureItem(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMFontChanged(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void UMThemeChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);

private:
    // The focused or the default button (while no other button has the focus).
    bool IsFocused();
    TColor GetTextColor() const;
    void FontChanged(TObject* Sender);
    void GlyphChanged(TObject* Sender);
    void ImageListChanged(TObject* Sender);
    void GetGlyphBitmap(TObject* Sender, TBitmap& B, bool& AHandled);
    void RepeatTimerTick(TObject* Sender);
    void StopRepeat();

    std::unique_ptr<TStyButtonLayout> FButtonLayout;
    TPopupMenu* FDropDown = nullptr;
    Integer FDropDownIndent = 0;
    bool FDropDownRight = false;
    bool FDropped = false;
    std::unique_ptr<TStyFxCaption> FFontFx;
    bool FMouseOver = false;
    bool FMultiLine = false;
    bool FRepeatedClick = false;
    Word FRepeatDelay = 500;
    Word FRepeatInterval = 100;
    TStyButtonState FState = bsUp;
    TStyNormalButtonStyle FStyle = nbsAutoDetect;
    TStyUserButtonStyle FExtStyle = ubsWin40;
    std::unique_ptr<TStyTimer> FTimerID;   // on the application's pool with UseGlobalTimer
    bool FHideHint = true;
    bool FUseCaption = true;
    bool FUseGlobalTimer = false;
    bool FParentThemeMode = true;
    TStyThemeMode FThemeMode = ttmPlatform;
    bool FThemeGlobalMode = false;
    Integer FloadingNumGlyphs = 1;
    std::unique_ptr<TStyGlyph> FGlyph;
    TStyGlyphKind FGlyphKind = gkCustom;
    TComponent* FImageList = nullptr;
    TStyImageListLink FChangeLink;   // the list's changes refresh the picture
    Integer FIndex = 0;
    Integer FListIndex = 0;
};

// A button's link to its action: the image index is linked while it is the action's, the image
// list while the index is linked and the list is the action list's.
class TButtonActionLink : public TWinControlActionLink {
    DECLARE_CLASS(TButtonActionLink, TWinControlActionLink)
public:
    explicit TButtonActionLink(TControl* AClient);
    // The image list of the action's list, or null.
    TCustomImageList* ActionImageList() const;
    bool IsImageIndexLinked() const override;
    bool IsImageListLinked() const;
    void SetImageIndex(Integer Value) override;

protected:
    TStyCustomButton* FClient;
};

const TEnumTypeInfo& TypeInfoOf(TStyNormalButtonStyle);
