#include "analysis/StatisticOptions.h"

#include "analysis/IncrementalOptions.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/SysFormat.h"

TClass TStatisticOptionsDlg::StaticClass()
{
    static const TMetaClass meta("TStatisticOptionsDlg", TForm::StaticClass(), NewComponent<TStatisticOptionsDlg>,
                                 [](TMetaClass& m) {
                                     using D = TStatisticOptionsDlg;
                                     TPublished<D>(&m)
                                         .Method("FormCreate", &D::FormCreate)
                                         .Method("FormShow", &D::FormShow)
                                         .Method("CheckBoxSaveInputClick", &D::CheckBoxSaveInputClick)
                                         .Method("CheckBoxSaveOutputClick", &D::CheckBoxSaveOutputClick)
                                         .Method("CheckBoxSaveInCDFClick", &D::CheckBoxSaveInCDFClick)
                                         .Method("CheckBoxSaveOutCDFClick", &D::CheckBoxSaveOutCDFClick)
                                         .Method("ButtonOkClick", &D::ButtonOkClick)
                                         .Method("ButtonHelpClick", &D::ButtonHelpClick)
                                         .Method("FormKeyDown", &D::FormKeyDown)
                                         .Field("ComboJoint", &D::ComboJoint)
                                         .Field("EditDivisions", &D::EditDivisions)
                                         .Field("CheckBoxSaveInput", &D::CheckBoxSaveInput)
                                         .Field("CheckBoxSaveOutput", &D::CheckBoxSaveOutput)
                                         .Field("CheckBoxSaveInCDF", &D::CheckBoxSaveInCDF)
                                         .Field("CheckBoxSaveOutCDF", &D::CheckBoxSaveOutCDF)
                                         .Field("FileOpenEditInput", &D::FileOpenEditInput)
                                         .Field("FileOpenEditoutput", &D::FileOpenEditoutput)
                                         .Field("FichierInCDF", &D::FichierInCDF)
                                         .Field("FichierOutCDF", &D::FichierOutCDF)
                                         .Field("ButtonOk", &D::ButtonOk)
                                         .Field("ButtonCancel", &D::ButtonCancel)
                                         .Field("ButtonHelp", &D::ButtonHelp)
                                         .Field("Button1", &D::Button1);
                                 });
    return &meta;
}

void TStatisticOptionsDlg::FormCreate(TObject*)
{
    for (int q = 1; q <= NStatisticOutputs; ++q)
        CheckBoxes[q] = dynamic_cast<TCheckBox*>(FindComponent("CheckBox" + IntToStr(q)));
}

void TStatisticOptionsDlg::FormShow(TObject*)
{
    TStatistiques& st = Statistiques;
    for (int q = 1; q <= NStatisticOutputs; ++q) CheckBoxes[q]->SetChecked(st.Resultats[q]);
    EditDivisions->SetValue(st.nPoints);

    CheckBoxSaveInput->SetChecked(st.SauverParametres);
    CheckBoxSaveOutput->SetChecked(st.SauverResultats);
    CheckBoxSaveInCDF->SetChecked(st.SauverInputCDF);
    CheckBoxSaveOutCDF->SetChecked(st.SauverOutPutCDF);
    FileOpenEditInput->SetEnabled(st.SauverParametres);
    FileOpenEditoutput->SetEnabled(st.SauverResultats);
    FichierInCDF->SetEnabled(st.SauverInputCDF);
    FichierOutCDF->SetEnabled(st.SauverOutPutCDF);

    FileOpenEditInput->SetFileName(st.FichierInput.ToString());
    FileOpenEditoutput->SetFileName(st.FichierOutput.ToString());
    FichierInCDF->SetFileName(st.FichierInCDF.ToString());
    FichierOutCDF->SetFileName(st.FichierOutCDF.ToString());

    // Lift joints 1..NJoints by their elevations, then the base joint.
    ComboJoint->Items().Clear();
    for (Integer j = 1; j <= NJoints; ++j) ComboJoint->Items().Add(Format("#%d  Elev. %10.3f", {j, Joint.Elev[j]}));
    ComboJoint->Items().Add(Format("#%d  Base joint", {NJoints + 1}));
    ComboJoint->SetItemIndex((st.OutputJoint + NJoints) % (NJoints + 1));
}

// Each save box enables its file name and sets its flag at once.
void TStatisticOptionsDlg::CheckBoxSaveInputClick(TObject*)
{
    FileOpenEditInput->SetEnabled(CheckBoxSaveInput->Checked());
    Statistiques.SauverParametres = CheckBoxSaveInput->Checked();
}

void TStatisticOptionsDlg::CheckBoxSaveOutputClick(TObject*)
{
    FileOpenEditoutput->SetEnabled(CheckBoxSaveOutput->Checked());
    Statistiques.SauverResultats = CheckBoxSaveOutput->Checked();
}

void TStatisticOptionsDlg::CheckBoxSaveInCDFClick(TObject*)
{
    FichierInCDF->SetEnabled(CheckBoxSaveInCDF->Checked());
    Statistiques.SauverInputCDF = CheckBoxSaveInCDF->Checked();
}

void TStatisticOptionsDlg::CheckBoxSaveOutCDFClick(TObject*)
{
    FichierOutCDF->SetEnabled(CheckBoxSaveOutCDF->Checked());
    Statistiques.SauverOutPutCDF = CheckBoxSaveOutCDF->Checked();
}

void TStatisticOptionsDlg::ButtonOkClick(TObject*)
{
    TStatistiques& st = Statistiques;
    st.FichierInput = FileOpenEditInput->FileName();
    st.FichierOutput = FileOpenEditoutput->FileName();
    st.FichierInCDF = FichierInCDF->FileName();
    st.FichierOutCDF = FichierOutCDF->FileName();
    for (int q = 1; q <= NStatisticOutputs; ++q) st.Resultats[q] = CheckBoxes[q]->Checked();
    st.nPoints = static_cast<Word>(EditDivisions->Value());
    st.OutputJoint = (ComboJoint->ItemIndex() + 1) % (NJoints + 1);
}

void TStatisticOptionsDlg::ButtonHelpClick(TObject*) { Application->HelpContext(HelpContext()); }

void TStatisticOptionsDlg::FormKeyDown(TObject*, Word& Key, TShiftState) { ReplayEnterAsTab(Key); }
