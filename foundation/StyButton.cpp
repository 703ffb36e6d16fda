// The published properties of the library's push button.
#include "foundation/StyButton.h"

#include "platform/classes/TypInfo.h"

TClass TStyButton::StaticClass()
{
    static const TMetaClass meta("TStyButton", TStyCustomButton::StaticClass(), NewComponent<TStyButton>,
                                 [](TMetaClass& m) {
        TPublished<TStyButton>(&m)
            .Property("ButtonStyle", &TStyButton::ButtonStyle, &TStyButton::SetButtonStyle).Default(ubsWin40)
            .Property("MultiLine", &TStyButton::MultiLine, &TStyButton::SetMultiLine).Default(false)
            .Property("UseCaption", &TStyButton::UseCaption, &TStyButton::SetUseCaption).Default(true)
            .Property("RepeatedClick", &TStyButton::RepeatedClick, &TStyButton::SetRepeatedClick).Default(false)
            .Property("RepeatingDelay", &TStyButton::RepeatingDelay, &TStyButton::SetRepeatingDelay).Default(500)
            .Property("RepeatingInterval", &TStyButton::RepeatingInterval, &TStyButton::SetRepeatingInterval)
            .Default(100)
            .Property("UseGlobalTimer", &TStyButton::UseGlobalTimer, &TStyButton::SetUseGlobalTimer).Default(false)
            .Property("HideHint", &TStyButton::HideHint, &TStyButton::SetHideHint).Default(true)
            .Property("NumGlyphs", &TStyButton::NumGlyphs, &TStyButton::SetNumGlyphs).Default(1)
            .Property("GlyphKind", &TStyButton::GlyphKind, &TStyButton::SetGlyphKind).Default(gkCustom)
            .Property("ImageList", &TStyButton::ImageList, &TStyButton::SetImageList)
            .Stored(&TStyButton::IsImageListStored)
            .Property("ImageIndex", &TStyButton::ImageIndex, &TStyButton::SetImageIndex).Default(0)
            .Stored(&TStyButton::IsImageIndexStored)
            .Property("ListIndex", &TStyButton::ListIndex, &TStyButton::SetListIndex).Default(0)
            .Property("ButtonLayout", [](TStyButton* b) { return &b->ButtonLayout(); },
                      [](TStyButton* b, TStyButtonLayout* v) { b->ButtonLayout().Assign(v); })
            .Property("FontFX", [](TStyButton* b) { return &b->FontFX(); },
                      [](TStyButton* b, TStyFxCaption* v) { b->FontFX().Assign(v); })
            .Property("Glyph", [](TStyButton* b) { return &b->Glyph(); },
                      [](TStyButton* b, TBitmap* v) { if (v) b->SetGlyph(*v); })
            .Property("OnMouseExit", &TStyButton::OnMouseExit);
    });
    return &meta;
}
