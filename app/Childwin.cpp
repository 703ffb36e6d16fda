#include "app/Childwin.h"

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

TClass TMDIChild::StaticClass()
{
    static const TMetaClass meta("TMDIChild", TForm::StaticClass(), NewComponent<TMDIChild>, [](TMetaClass& m) {
        using C = TMDIChild;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("FormActivate", &C::FormActivate)
            .Method("FormClose", &C::FormClose);
    });
    return &meta;
}

TMDIChild::TMDIChild(TComponent* AOwner) : TForm(AOwner) {}

// The main window's commands follow the number of documents left.
TMDIChild::~TMDIChild()
{
    Destroying();
    if (MainForm && !MainForm->ComponentState().Contains(csDestroying)) MainForm->UpdateMenuItems(this);
}

void TMDIChild::FormCreate(TObject*) { Param = CurrentModel; }

void TMDIChild::MakeCurrent() { CurrentModel = Param; }

void TMDIChild::FormActivate(TObject*)
{
    MakeCurrent();
    if (MainForm) MainForm->ComboUnits->SetItemIndex(Param.unites);
    UpdateMenuItems();
}

void TMDIChild::UpdateMenuItems()
{
    if (MainForm) MainForm->UpdateMenuItems(this);
}

void TMDIChild::FormClose(TObject*, TCloseAction& Action)
{
    if (Param.Donnees.Contains(daChanged)) {
        const Integer answer = MessageDlg("Save file: " + Caption() + " ?", mtConfirmation, mbYesNoCancel, 0);
        if (answer == mrCancel) {
            Action = caNone;
            return;
        }
        // A document that could not be saved (name dialog cancelled, write failed) stays open.
        if (answer == mrYes && !MainForm->SaveDocument(this)) {
            Action = caNone;
            return;
        }
    }
    ReleaseModel();
    Action = caFree;
}

void TMDIChild::ReleaseModel()
{
    Param.Force.Elem = DynArray<TForce>();
    Param.Masses.Elem = DynArray<TMasses>();
    ClearJointMaterials(Param.JointMaterials);
    ClearJointArrays(Param.Joint, Param.JointLoad);
    Param.DrainEfficiency.Joint = DynArray<double>();
    for (int set = 1; set <= 22; ++set) Param.StatResult.histogramme[set].reset();
    for (int i = 1; i <= 11; ++i) Param.UserDefinedPDF.elem[i] = DynArray<double>();
    for (int i = 1; i <= 10; ++i) Param.IncrementalResult.histogramme[i] = DynArray<double>();
}
