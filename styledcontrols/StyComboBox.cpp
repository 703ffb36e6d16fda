#include "styledcontrols/StyComboBox.h"

#include "styledcontrols/StyCustomControl.h"

const TEnumTypeInfo& TypeInfoOf(TStyValidatedListValue)
{
    static const TEnumTypeInfo info("TStyValidatedListValue", {"vlvText", "vlvIndex"});
    return info;
}

TClass TStyComboBox::StaticClass()
{
    static const TMetaClass meta("TStyComboBox", TStyCustomComboBox::StaticClass(), NewComponent<TStyComboBox>,
                                 [](TMetaClass& m) {
        using C = TStyComboBox;
        TPublished<C>(&m)
            .Property("About", &C::About, &C::SetAbout).Stored(false)
            .Property("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0)
            .Property("Flat", &C::Flat, &C::SetFlat).Default(false)
            .Property("FocusControl", &C::FocusControl, &C::SetFocusControl)
            .Property("Items", [](C* c) { return &c->Items(); }, nullptr)
            .Property("Interval", &C::Interval, &C::SetInterval).Default(1500)
            .Property("MRUList", &C::MRUList, &C::SetMRUList).Default(false)
            .Property("MRUMax", &C::MRUMax, &C::SetMRUMax).Default(5)
            .Property("ParentThemeMode", &C::ParentThemeMode, &C::SetParentThemeMode).Default(true)
            .Property("Search", &C::Search, &C::SetSearch).Default(false)
            .Property("ThemeGlobalMode", &C::ThemeGlobalMode, &C::SetThemeGlobalMode).Default(false)
            // before ThemeMode, which a form stores beside it and which has the last word
            .Property("CtlXP", &C::CtlXP, &C::SetCtlXP).Default(true)
            .Property("ThemeMode", &C::ThemeMode, &C::SetThemeMode).Default(ttmPlatform)
            .Property("UseGlobalTimer", &C::UseGlobalTimer, &C::SetUseGlobalTimer).Default(false)
            .Property("Validator", &C::Validator, &C::SetValidator)
            .Property("ValidationMsgString", [](C* c) { return c->ValidationMsgString(); }, &C::SetValidationMsgString)
            .Property("ValidatedValue", &C::ValidatedValue, &C::SetValidatedValue).Default(vlvText)
            .Property("OnContextPopup", &C::OnContextPopup)
            .Property("OnEditClick", &C::OnEditClick)
            .Property("OnValidationError", &C::OnValidationError);
    });
    return &meta;
}
