// The post-tensioning dialog: the two cables on the dialog's copy of the model, the checks of
// their anchors when a field is left, and the downstream anchor placed on the face on OK.
#include "app/PostTensionDlg.h"

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

TClass TPostTensionDlg::StaticClass()
{
    static const TMetaClass meta("TPostTensionDlg", TInputDialog::StaticClass(), NewComponent<TPostTensionDlg>,
                                 [](TMetaClass& m) {
                                     using C = TPostTensionDlg;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("EditTensionExit", &C::EditTensionExit)
                                         .Method("EditPositionExit", &C::EditPositionExit)
                                         .Method("EditTensionP2Exit", &C::EditTensionP2Exit)
                                         .Method("EditElevationExit", &C::EditElevationExit)
                                         .Method("EditAngleExit", &C::EditAngleExit)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("Image1", &C::Image1)
                                         .Field("GroupCrest", &C::GroupCrest)
                                         .Field("LabelTension", &C::LabelTension)
                                         .Field("EditTension", &C::EditTension)
                                         .Field("LabelTensionUnit", &C::LabelTensionUnit)
                                         .Field("LabelPosition", &C::LabelPosition)
                                         .Field("EditPosition", &C::EditPosition)
                                         .Field("LabelPositionUnit", &C::LabelPositionUnit)
                                         .Field("GroupDownstream", &C::GroupDownstream)
                                         .Field("LabelTensionP2", &C::LabelTensionP2)
                                         .Field("EditTensionP2", &C::EditTensionP2)
                                         .Field("LabelTensionP2Unit", &C::LabelTensionP2Unit)
                                         .Field("LabelElevation", &C::LabelElevation)
                                         .Field("EditElevation", &C::EditElevation)
                                         .Field("LabelElevationUnit", &C::LabelElevationUnit)
                                         .Field("LabelAngle", &C::LabelAngle)
                                         .Field("LabelAnglePhi", &C::LabelAnglePhi)
                                         .Field("EditAngle", &C::EditAngle)
                                         .Field("LabelAngleUnit", &C::LabelAngleUnit)
                                         .Field("GroupType", &C::GroupType)
                                         .Field("RadioActive", &C::RadioActive)
                                         .Field("RadioPassive", &C::RadioPassive)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

TPostTensionDlg::TPostTensionDlg(TComponent* AOwner) : TInputDialog(AOwner), Param(CurrentModel) {}

void TPostTensionDlg::FormCreate(TObject*)
{
    ShowPicture(Image1, "Posttension.bmp");
    ShowUnits(Param.unites, {{LabelTensionUnit, uqCableForce},
                             {LabelPositionUnit, uqLength},
                             {LabelTensionP2Unit, uqCableForce},
                             {LabelElevationUnit, uqLength}});
    const TPostTension& p = Param.PostTension;
    EditTension->SetValue(p.Tension);
    EditPosition->SetValue(p.Position);
    EditTensionP2->SetValue(p.Tension2);
    EditElevation->SetValue(p.Elev);
    EditAngle->SetValue(p.Angle);
    RadioActive->SetChecked(p.PostTensionType == ptActive);
    RadioPassive->SetChecked(p.PostTensionType != ptActive);
    PlaceSymbol(LabelAngle, LabelAnglePhi, "Inclination angle (");
    SetEnterOrder({EditTension, EditPosition, EditTensionP2, EditElevation, EditAngle, OKButton});
}

void TPostTensionDlg::EditTensionExit(TObject*) { Param.PostTension.Tension = EditTension->Value(); }
void TPostTensionDlg::EditTensionP2Exit(TObject*) { Param.PostTension.Tension2 = EditTensionP2->Value(); }
void TPostTensionDlg::EditAngleExit(TObject*) { Param.PostTension.Angle = EditAngle->Value(); }

void TPostTensionDlg::EditPositionExit(TObject*)
{
    const String message = TPostTensionRules(Param).CheckCrestCable(EditPosition->Value());
    if (message.IsEmpty()) {
        Param.PostTension.Position = EditPosition->Value();
        return;
    }
    Warn(message);
    EditPosition->SetValue(0);
}

void TPostTensionDlg::EditElevationExit(TObject*)
{
    const String message = TPostTensionRules(Param).CheckDownstreamAnchor(EditElevation->Value());
    if (message.IsEmpty()) {
        Param.PostTension.Elev = EditElevation->Value();
        return;
    }
    Warn(message);
    EditElevation->SetValue(Param.Dim.Elev.B);
}

void TPostTensionDlg::OKButtonClick(TObject*)
{
    TPostTensionRules(Param).ApplyOk({static_cast<double>(EditTension->Value()),
                                      static_cast<double>(EditPosition->Value()),
                                      static_cast<double>(EditTensionP2->Value()), static_cast<double>(EditAngle->Value()),
                                      static_cast<double>(EditElevation->Value()),
                                      RadioActive->Checked() ? ptActive : ptPassive});
}
