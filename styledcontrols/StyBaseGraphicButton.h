#pragma once
// The windowless button of the styled controls: it follows the mouse through its own states, can
// stay pressed within a group of buttons sharing a group index, repeats its click while held,
// opens a drop-down menu (from the whole button or from a part at its right edge) and draws its
// picture (a glyph strip or a PNG) and caption.  The face is the descendants' to draw.
#include <array>
#include <memory>

#include "foundation/StyClass.h"
#include "foundation/StyGlyph.h"
#include "platform/graphics/Codecs.h"
#include "platform/stdctrls/Menus.h"
#include "styledcontrols/StyGraphicControl.h"

class TStyBaseGraphicButton : public TStyBaseGraphicControl {
    DECLARE_CLASS(TStyBaseGraphicButton, TStyBaseGraphicControl)
public:
    explicit TStyBaseGraphicButton(TComponent* AOwner);
    ~TStyBaseGraphicButton() override;

    bool RepeatedClick() const { return FRepeatedClick; }
    void SetRepeatedClick(bool Value) { FRepeatedClick = Value; }
    Word RepeatingDelay() const { return FRepeatingDelay; }
    void SetRepeatingDelay(Word Value) { FRepeatingDelay = Value; }
    Word RepeatingInterval() const { return FRepeatingInterval; }
    void SetRepeatingInterval(Word Value) { FRepeatingInterval = Value; }
    bool AllowMouseOver() const { return FAllowMouseOver; }
    void SetAllowMouseOver(bool Value) { FAllowMouseOver = Value; }
    bool AllowShadow() const { return FAllowShadow; }
    void SetAllowShadow(bool Value) { FAllowShadow = Value; }
    TStyShadowDepth ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(TStyShadowDepth Value) { FShadowDepth = Value; }
    bool AllowTransparency() const { return FAllowTransparency; }
    void SetAllowTransparency(bool Value) { FAllowTransparency = Value; }
    TStyButtonLayout& ButtonLayout() { return *FButtonLayout; }
    void SetButtonLayout(TStyButtonLayout* Value) { FButtonLayout->Assign(Value); }
    TStyFxCaption& FontFX() { return *FFontFx; }
    virtual void SetFontFX(TStyFxCaption* Value) { FFontFx->Assign(Value); }
    bool DropDownCombo() const { return FDropDownCombo; }
    void SetDropDownCombo(bool Value);
    Integer DropDownComboWidth() const { return FDropdownComboWidth; }
    void SetDropDownComboWidth(Integer Value);
    TPopupMenu* DropDownMenu() const { return FDropDown; }
    void SetDropDownMenu(TPopupMenu* Value);
    Integer DropDownIndent() const { return FDropDownIndent; }
    void SetDropDownIndent(Integer Value) { SetAndChange(FDropDownIndent, Value); }
    bool DropDownRight() const { return FDropDownRight; }
    void SetDropDownRight(bool Value) { SetAndChange(FDropDownRight, Value); }
    TColor EnterColor() const { return FEnterColor; }
    void SetEnterColor(TColor Value) { SetAndChange(FEnterColor, Value); }
    bool EnterColorChange() const { return FEnterColorChange; }
    void SetEnterColorChange(bool Value) { SetAndChange(FEnterColorChange, Value); }
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value) { SetAndChange(FMultiLine, Value); }
    bool UseCaption() const { return FUseCaption; }
    void SetUseCaption(bool Value) { SetAndChange(FUseCaption, Value); }
    bool HideHint() const { return FHideHint; }
    void SetHideHint(bool Value) { FHideHint = Value; }
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool Pressed() const { return FPressed; }
    void SetPressed(bool Value);
    bool DisabledGrayed() const { return FDisabledGrayed; }
    void SetDisabledGrayed(bool Value) { FDisabledGrayed = Value; }
    bool UseGlobalTimer() const { return FUseGlobalTimer; }
    void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TStyGlyphKind GlyphKind() const { return FGlyphKind; }
    void SetGlyphKind(TStyGlyphKind Value);
    TStyGlyph& GlyphObject() { return *FGlyph; }
    const TStyGlyph& GlyphObject() const { return *FGlyph; }
    TBitmap& Glyph() { return FGlyph->Glyph(); }
    virtual void SetGlyph(TBitmap* Value) { FGlyph->Glyph().Assign(Value); }
    Integer NumGlyphs() const { return FGlyph->NumGlyphs(); }
    void SetNumGlyphs(Integer Value);
    bool Transparent() const { return FButtonTransparent; }
    void SetTransparent(bool Value);
    TPngImage& PngGlyph() { return *FPngGlyph; }
    void SetPngGlyph(TPngImage* Value);
    bool UsePngGlyph() const { return FUsePngGlyph; }
    void SetUsePngGlyph(bool Value);
    void SetImageList(TComponent* Value) override;

    TStyButtonState State() const { return FState; }
    bool MouseOver() const { return FState == bsMouseOver; }
    bool Dropped() const { return FState == bsDropDownOpen; }
    // There is a drop-down menu and it opens from the part at the right edge.
    bool HasDropDownPart() const { return FUsed; }
    const TRect& GlyphRect() const { return FGlyphRect; }
    const TRect& TextRect() const { return FTextRect; }
    // The running timers (null when stopped): the hover check and the auto-repeat.
    TStyTimer* HoverTimer() const { return FTimerID[0].get(); }
    TStyTimer* RepeatTimer() const { return FTimerID[1].get(); }

    void DoStateChange(TStyButtonState NewState, bool ForceUpdate);
    // Opens the drop-down menu; the call returns when the menu has closed.
    void DropDown();
    void EndRepeatedClick();
    TRect GetNeededSizeRect();
    String GetCaptionText() const { return FUseCaption ? Caption() : String(); }
    bool isTransparentSet() override { return FButtonTransparent; }
    bool UsesParentBack() override { return BackBitmapCheck(); }

    // Whether the button shows a glyph of its own rather than a standard one.
    virtual bool HasCustomGlyph() { return true; }

    TNotifyEvent OnDropDown;

protected:
    virtual void NotifyGroup();
    virtual bool IsHotOptionSet() { return false; }
    virtual bool HoverChangesGlyph() { return FGlyph->Style() == gsExplorer; }
    virtual bool HoverChangesFace() { return false; }
    virtual void RepeatClick();
    virtual TColor GetTextColor() { return Font().Color(); }
    virtual void DrawContent(TCanvas& Canvas, TRect R);
    virtual bool HoverChangesContent() { return false; }
    virtual bool ButtonHitTest(Integer X, Integer Y);
    virtual void CheckMouseOver(TObject* Sender);
    virtual void GlyphChanged(TObject* Sender);

    void ImageListChanged() override { FGlyph->Changed(false); }
    void DoMouseEnter() override;
    void DoMouseExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CMButtonPressed(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void WMLButtonDblClk(TMessage& message);

    TStyButtonState FState = bsUp;
    TStyButtonState FOldState = bsUp;
    // The button's own transparency (the base's flag stays as the base sets it).
    bool FButtonTransparent = false;
    bool FUsed = false;

private:
    template <typename T> void SetAndChange(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        ObjectChanged(nullptr);
    }
    void FontChanged(TObject* Sender);
    void GetGlyphBitmap(TObject* Sender, TBitmap& B, bool& AHandled);
    void RepeatTimerTick(TObject* Sender);
    void StartTimer(Integer Index, Word Interval, void (TStyBaseGraphicButton::*Event)(TObject*));
    void StopTimer(Integer Index);
    void UpdateUsed() { FUsed = FDropDown && FDropDownCombo; }
    // Inside the button by the hit test in use (right edge excluded without AllowTransparency).
    bool CursorInside();
    bool InsideForRelease(Integer X, Integer Y);
    void DropGlyphQuietly();
    bool InactiveMDIApplication() const;

    bool FRepeatedClick = false;
    bool FAllowMouseOver = false;
    bool FAllowShadow = false;
    std::unique_ptr<TStyButtonLayout> FButtonLayout;
    std::unique_ptr<TStyFxCaption> FFontFx;
    Word FRepeatingDelay = 500;
    Word FRepeatingInterval = 100;
    bool FDropDownCombo = false;
    Integer FDropdownComboWidth = 12;
    bool FHideHint = true;
    bool FUseCaption = true;
    TPopupMenu* FDropDown = nullptr;
    TColor FEnterColor = clCaptionText;
    Integer FDropDownIndent = 0;
    Integer FGroupIndex = 0;
    bool FDisabledGrayed = true;
    bool FDropDownRight = false;
    bool FEnterColorChange = false;
    bool FMultiLine = false;
    bool FPressed = false;
    bool FPrepareDrag = false;
    std::array<std::unique_ptr<TStyTimer>, 2> FTimerID;
    Integer FInternal = 0;
    bool FUseGlobalTimer = false;
    bool FAutoSize = false;
    TStyGlyphKind FGlyphKind = gkCustom;
    Integer FloadingNumGlyphs = 1;
    TStyShadowDepth FShadowDepth = 0;
    bool FAllowAllUp = false;
    bool FAllowTransparency = true;
    std::unique_ptr<TStyGlyph> FGlyph;
    std::unique_ptr<TPngImage> FPngGlyph;
    bool FUsePngGlyph = false;
    TRect FGlyphRect, FTextRect;
};
