#include "app/InputDialogRegistry.h"

#include "app/AddMassDlg.h"
#include "app/AddMaterialDlg2.h"
#include "app/CrackingDlg.h"
#include "app/CracksDlg.h"
#include "app/DimensionDlg.h"
#include "app/ForcesDlg.h"
#include "app/InformationsDlg.h"
#include "app/InputDialog.h"
#include "app/JointDlg.h"
#include "app/JointMaterialDlg.h"
#include "app/LoadsDlg.h"
#include "app/MassesDlg.h"
#include "app/PostTensionDlg.h"
#include "app/PseudoDynamicDlg.h"
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
    RegisterClass(TNumLab::StaticClass());   // the number box beside a slider
    // One line per dialog, in alphabetical order.
    RegisterClasses({
        TAddMassDlg::StaticClass(),
        TAddMaterialDlg2::StaticClass(),
        TCrackingDlg::StaticClass(),
        TCracksDlg::StaticClass(),
        TDimensionDlg::StaticClass(),
        TDrainDlg::StaticClass(),
        TForceEdition::StaticClass(),
        TForcesDlg::StaticClass(),
        TInformationsDlg::StaticClass(),
        TInputDialog::StaticClass(),
        TJointDlg::StaticClass(),
        TJointMaterialDlg::StaticClass(),
        TLoadsDlg::StaticClass(),
        TMassesDlg::StaticClass(),
        TPostTensionDlg::StaticClass(),
        TPseudoDynamicDlg::StaticClass(),
        TReservoirDlg::StaticClass(),
        TSeismicCoefficientDlg::StaticClass(),
        TUpliftPressuresDlg::StaticClass(),
    });
}
