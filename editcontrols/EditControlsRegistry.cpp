#include "editcontrols/EditControlsRegistry.h"

#include "editcontrols/EcxSlider.h"
#include "editcontrols/Gpshape.h"
#include "editcontrols/TextEdit.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

void RegisterEditControlClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStdControlClasses();
    RegisterClasses({TExtendEdit::StaticClass(), TManyShape::StaticClass(), TEcxSlider::StaticClass()});
}
