#include "app/InputDialogRegistry.h"

#include "app/AddMassDlg.h"
#include "app/AddMaterialDlg2.h"
#include "app/DimensionDlg.h"
#include "app/ForcesDlg.h"
#include "app/InformationsDlg.h"
#include "app/InputDialog.h"
#include "app/JointDlg.h"
#include "app/JointMaterialDlg.h"
#include "app/MassesDlg.h"
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
        TAddMassDlg::StaticClass(),
        TAddMaterialDlg2::StaticClass(),
        TDimensionDlg::StaticClass(),
        TDrainDlg::StaticClass(),
        TForceEdition::StaticClass(),
        TForcesDlg::StaticClass(),
        TInformationsDlg::StaticClass(),
        TInputDialog::StaticClass(),
        TJointDlg::StaticClass(),
        TJointMaterialDlg::StaticClass(),
        TMassesDlg::StaticClass(),
        TPostTensionDlg::StaticClass(),
        TReservoirDlg::StaticClass(),
        TSeismicCoefficientDlg::StaticClass(),
        TUpliftPressuresDlg::StaticClass(),
    });
}
