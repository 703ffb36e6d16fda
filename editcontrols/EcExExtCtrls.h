#pragma once
// TEcExPanel: the panel with the extension layer of the edit controls (hint colour, mouse enter
// and leave, parent-colour notification, the class library's notifications as operations).
#include "editcontrols/EcExControls.h"
#include "platform/stdctrls/ExtCtrls.h"

class TEcExPanel : public TEcExControl<TPanel> {
    DECLARE_CLASS(TEcExPanel, TPanel)
public:
    explicit TEcExPanel(TComponent* AOwner) : TEcExControl(AOwner) {}
};
