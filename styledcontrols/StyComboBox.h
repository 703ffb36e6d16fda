#pragma once
// The published styled combo box, with the old forms' "CtlXP" switch.
#include "styledcontrols/StyCustomComboBox.h"

const TEnumTypeInfo& TypeInfoOf(TStyValidatedListValue);

class TStyComboBox : public TStyCustomComboBox {
    DECLARE_CLASS(TStyComboBox, TStyCustomComboBox)
public:
    explicit TStyComboBox(TComponent* AOwner) : TStyCustomComboBox(AOwner) {}
};
