// The published speed button.
#include "styledcontrols/StySpeedButton.h"

#include "platform/classes/TypInfo.h"
#include "styledcontrols/StyCustomControl.h"

TClass TStySpeedButton::StaticClass()
{
    using B = TStySpeedButton;
    static const TMetaClass meta("TStySpeedButton", TStyCustomSpeedButton::StaticClass(), NewComponent<B>,
                                 [](TMetaClass& m) {
        TPublished<B>(&m)
            .Property("ButtonStyle", &B::ButtonStyle, &B::SetButtonStyle).Default(ubsWin40)
            .Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp).Default(false)
            .Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex).Default(0)
            .Property("Pressed", &B::Pressed, &B::SetPressed).Default(false)
            .Property("GlyphKind", &B::GlyphKind, &B::SetGlyphKind).Default(gkCustom)
            .Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs).Default(1)
            .Property("MultiLine", &B::MultiLine, &B::SetMultiLine).Default(false)
            .Property("UseCaption", &B::UseCaption, &B::SetUseCaption).Default(true)
            .Property("EnterColor", &B::EnterColor, &B::SetEnterColor).Type("TColor").Default(clCaptionText)
            .Property("EnterColorChange", &B::EnterColorChange, &B::SetEnterColorChange).Default(false)
            .Property("RepeatedClick", &B::RepeatedClick, &B::SetRepeatedClick).Default(false)
            .Property("RepeatingInterval", &B::RepeatingInterval, &B::SetRepeatingInterval).Default(100)
            .Property("RepeatingDelay", &B::RepeatingDelay, &B::SetRepeatingDelay).Default(500)
            .Property("DropDownCombo", &B::DropDownCombo, &B::SetDropDownCombo).Default(false)
            .Property("DropDownComboWidth", &B::DropDownComboWidth, &B::SetDropDownComboWidth).Default(12)
            .Property("DropDownIndent", &B::DropDownIndent, &B::SetDropDownIndent).Default(0)
            .Property("DropDownRight", &B::DropDownRight, &B::SetDropDownRight).Default(false)
            .Property("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
            .Property("ThemeMode", &B::ThemeMode, &B::SetThemeMode).Default(ttmPlatform)
            .Property("ThemeGlobalMode", &B::ThemeGlobalMode, &B::SetThemeGlobalMode).Default(false)
            .Property("ImageList", &B::ImageList, &B::SetImageList)
            .Property("ImageIndex", &B::ImageIndex, &B::SetImageIndex).Default(0)
            .Property("ListIndex", &B::ListIndex, &B::SetListIndex).Default(0)
            .Property("ButtonLayout", [](B* b) { return &b->ButtonLayout(); },
                      [](B* b, TStyButtonLayout* v) { b->SetButtonLayout(v); })
            .Property("FontFX", [](B* b) { return &b->FontFX(); }, [](B* b, TStyFxCaption* v) { b->SetFontFX(v); })
            .Property("Glyph", [](B* b) { return &b->Glyph(); }, [](B* b, TBitmap* v) { b->SetGlyph(v); })
            .Property("PngGlyph", [](B* b) { return &b->PngGlyph(); }, [](B* b, TPngImage* v) { b->SetPngGlyph(v); })
            .Property("OnDropDown", &B::OnDropDown);
    });
    return &meta;
}
