#pragma once
// The styled speed button: the windowless button's face in one of fourteen looks, classic or
// through the theme services, with its hot look under the mouse, a split face with an arrow when
// it has a drop-down part, the pressed offset of picture and caption, and the caption colour of
// an active custom style.
#include "platform/services/Themes.h"
#include "styledcontrols/StyBaseGraphicButton.h"

class TStyCustomSpeedButton : public TStyBaseGraphicButton {
    DECLARE_CLASS(TStyCustomSpeedButton, TStyBaseGraphicButton)
public:
    explicit TStyCustomSpeedButton(TComponent* AOwner);

    TStyUserButtonStyle ButtonStyle() const { return FStyle; }
    void SetButtonStyle(TStyUserButtonStyle Value);
    // The style drawn: the native theme draws every button in the extended Win 4.0 look.
    TStyUserButtonStyle Style() { return EffectiveThemeMode() == ttmNative ? ubsWin40Ext : FStyle; }
    void SetStyle(TStyUserButtonStyle Value) { SetButtonStyle(Value); }
    bool UnColorMain() const { return GlyphObject().Style() == gsExplorer; }
    void SetUnColorMain(bool Value);
    // A custom platform style is active and the button follows the platform theme.
    bool UsesCustomStyle() { return CustomStyleActive() && EffectiveThemeMode() == ttmPlatform; }

    bool HasCustomGlyph() override { return GlyphKind() == gkCustom; }

protected:
    bool IsHotOptionSet() override;
    bool HoverChangesGlyph() override { return GlyphObject().Style() == gsExplorer || IsThemed(); }
    bool HoverChangesFace() override;
    TColor GetTextColor() override;
    void ThemeChanged() override;
    void ImageListChanged() override;
    void Paint() override;
    void DefineProperties(TFiler* Filer) override;

private:
    // The part of the button that shows the drop-down arrow, when it has one.
    TRect DropDownPartRect() const;
    void DrawFace(TCanvas& Canvas, bool Hot, TRect R, TStyButtonState State, Word Flags);

    TStyUserButtonStyle FStyle = ubsWin40;
    bool FDesign = true;
};
