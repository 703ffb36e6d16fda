#include "platform/stdctrls/Mask.h"

IMPLEMENT_CLASS(TCustomMaskEdit, TCustomEdit, NewComponent<TCustomMaskEdit>)
IMPLEMENT_CLASS(TMaskEdit, TCustomMaskEdit, NewComponent<TMaskEdit>)

void TCustomMaskEdit::SetText(const String& value)
{
    FSettingText = true;
    try {
        TCustomEdit::SetText(value);
    } catch (...) {
        FSettingText = false;
        throw;
    }
    FSettingText = false;
    FModified = false;
}

void TCustomMaskEdit::Change()
{
    if (!FSettingText) FModified = true;
    TCustomEdit::Change();
}

void TCustomMaskEdit::DoEnter()
{
    FOldValue = Text();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::Reset()
{
    if (!FModified) return;
    SetText(FOldValue);
}
