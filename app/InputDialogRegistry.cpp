#include "app/InputDialogRegistry.h"

#include "app/InformationsDlg.h"
#include "app/InputDialog.h"

void RegisterInputDialogs()
{
    static bool done = false;
    if (done) return;
    done = true;
    // One line per dialog, in alphabetical order.
    RegisterClasses({
        TInformationsDlg::StaticClass(),
        TInputDialog::StaticClass(),
    });
}
