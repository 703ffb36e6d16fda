#include "editcontrols/EcExExtCtrls.h"

IMPLEMENT_CLASS(TEcExPanel, TPanel, NewComponent<TEcExPanel>)
