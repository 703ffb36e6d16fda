#include "styledcontrols/StyComboBox.h"

IMPLEMENT_CLASS(TStyComboBox, TStyCustomComboBox, NewComponent<TStyComboBox>)
