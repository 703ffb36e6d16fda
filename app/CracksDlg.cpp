// The pre-cracked joints dialog on its copy of the model: the joint list, the crack fields and
// the cracks set on the selected joints.
#include "app/CracksDlg.h"

#include <vector>

#include "app/CracksRules.h"
#include "app/Main.h"
#include "platform/classes/TypInfo.h"

TClass TCracksDlg::StaticClass()
{
    static const TMetaClass meta("TCracksDlg", TInputDialog::StaticClass(), NewComponent<TCracksDlg>, [](TMetaClass& m) {
        using C = TCracksDlg;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("ModeClick", &C::ModeClick)
            .Method("ListBoxClick", &C::ListBoxClick)
            .Method("SetButtonClick", &C::SetButtonClick)
            .Method("OKButtonClick", &C::OKButtonClick)
            .Field("LabelElevationColumn", &C::LabelElevationColumn)
            .Field("LabelUpColumn", &C::LabelUpColumn)
            .Field("LabelDownColumn", &C::LabelDownColumn)
            .Field("ListBox", &C::ListBox)
            .Field("EditUpLength", &C::EditUpLength)
            .Field("EditUpPercentage", &C::EditUpPercentage)
            .Field("EditDownLength", &C::EditDownLength)
            .Field("EditDownPercentage", &C::EditDownPercentage)
            .Field("RadioScalar", &C::RadioScalar)
            .Field("RadioPercentage", &C::RadioPercentage)
            .Field("SetButton", &C::SetButton)
            .Field("OKButton", &C::OKButton);
    });
    return &meta;
}

TCracksDlg::TCracksDlg(TComponent* AOwner) : TInputDialog(AOwner), param1(CurrentModel) {}

void TCracksDlg::FormCreate(TObject*)
{
    ShowUnitLabels(param1.unites);
    LabelElevationColumn->SetCaption("U/S elev. (" + LengthUnit(param1) + ")");
    SetEnterAsTab();
    ModeClick(nullptr);
}

void TCracksDlg::ModeClick(TObject*)
{
    const bool percentage = Percentage();
    EditUpLength->SetEnabled(!percentage);
    EditDownLength->SetEnabled(!percentage);
    EditUpPercentage->SetEnabled(percentage);
    EditDownPercentage->SetEnabled(percentage);
    const String unit = percentage ? String("%") : LengthUnit(param1);
    LabelUpColumn->SetCaption("U/S crack (" + unit + ")");
    LabelDownColumn->SetCaption("D/S crack (" + unit + ")");
    FillCrackList();
}

void TCracksDlg::FillCrackList()
{
    ListBox->Items().Clear();
    for (Integer line = 0; line <= param1.NJoints; ++line)
        ListBox->Items().Add(CrackListLine(param1, JointOfLine(line, param1.NJoints), Percentage()));
    SetButton->SetEnabled(false);
}

void TCracksDlg::ListBoxClick(TObject*)
{
    SetButton->SetEnabled(ListBox->SelCount() > 0);
    const Integer line = ListBox->ItemIndex();
    if (line < 0) return;
    const Integer j = JointOfLine(line, param1.NJoints);
    const double length = param1.Joint.Length[j];
    EditUpLength->SetValue(param1.Cracks.Up[j] * length);
    EditDownLength->SetValue(param1.Cracks.Down[j] * length);
    EditUpPercentage->SetValue(param1.Cracks.Up[j] * 100);
    EditDownPercentage->SetValue(param1.Cracks.Down[j] * 100);
}

void TCracksDlg::SetButtonClick(TObject*)
{
    std::vector<Integer> joints;
    for (Integer line = 0; line < ListBox->Items().Count(); ++line)
        if (ListBox->Selected(line)) joints.push_back(JointOfLine(line, param1.NJoints));
    const bool percentage = Percentage();
    const double up = ValueOf(percentage ? EditUpPercentage : EditUpLength);
    const double down = ValueOf(percentage ? EditDownPercentage : EditDownLength);
    for (const String& warning : SetCrackLengths(param1, joints, up, down, percentage)) Warn(warning);
    FillCrackList();
}

void TCracksDlg::OKButtonClick(TObject*) { param1.Donnees.Exclude(daAnalysed); }
