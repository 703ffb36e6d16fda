#include "platform/stdctrls/Mask.h"

IMPLEMENT_CLASS(TCustomMaskEdit, TCustomEdit, NewComponent<TCustomMaskEdit>)
IMPLEMENT_CLASS(TMaskEdit, TCustomMaskEdit, NewComponent<TMaskEdit>)

void TCustomMaskEdit::SetText(const String& value)
{
    TCustomEdit::SetText(value);
    SetModified(false);
}

void TCustomMaskEdit::DoEnter()
{
    FOldValue = Text();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::Reset()
{
    if (!Modified()) return;
    SetText(FOldValue);
}
