#include "styledcontrols/StyEditRegistry.h"

#include "platform/forms/Forms.h"
#include "styledcontrols/StyCustomEdit.h"

void RegisterStyledEditClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterFormClasses();
    RegisterClasses({TStyCustomEdit::StaticClass(), TStyEditAutoComplete::StaticClass(), TStyStringList::StaticClass()});
}
