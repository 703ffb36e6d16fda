#include "app/tests/window/DialogTestSupport.h"

#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ComCtrls.h"

void ShowPage(TCustomForm* form, const char* page)
{
    DialogControl<TPageControl>(form, "PageControl1")->SetActivePage(DialogControl<TTabSheet>(form, page));
    TestProcess();
}

void ClickButton(TCustomForm* form, const char* name)
{
    TButton* button = DialogControl<TButton>(form, name);
    if (!button) return;
    TestClick(button, button->Width() / 2, button->Height() / 2);
    TestProcess();
}

void EnterText(TCustomEdit* edit, const String& text)
{
    if (!edit) return;
    edit->SetFocus();
    edit->SelectAll();
    TestPressKey(edit, VK_DELETE);
    TestTypeText(edit, text);
    TestPressKey(edit, VK_TAB);
    TestProcess();
}

void DialogScreenshot(TCustomForm* form, const char* name)
{
    TestProcess();
    TBitmap picture;
    TestScreenshot(form, String("dialog-") + name, picture);
}
