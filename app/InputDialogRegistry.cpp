#include "app/InputDialogRegistry.h"

#include "app/ForcesDlg.h"
#include "app/InformationsDlg.h"
#include "app/InputDialog.h"
#include "app/PostTensionDlg.h"
#include "app/ReservoirDlg.h"
#include "app/SeismicCoefficientDlg.h"
#include "app/UpliftPressuresDlg.h"
#include "editcontrols/EditControlsRegistry.h"

void RegisterInputDialogs()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterEditControlClasses();   // the numeric edits of the forms
    // One line per dialog, in alphabetical order.
    RegisterClasses({
        TDrainDlg::StaticClass(),
        TForceEdition::StaticClass(),
        TForcesDlg::StaticClass(),
        TInformationsDlg::StaticClass(),
        TInputDialog::StaticClass(),
        TPostTensionDlg::StaticClass(),
        TReservoirDlg::StaticClass(),
        TSeismicCoefficientDlg::StaticClass(),
        TUpliftPressuresDlg::StaticClass(),
    });
}
