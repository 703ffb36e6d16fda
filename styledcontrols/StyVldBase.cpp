// The validator base.
#include "styledcontrols/StyVldBase.h"

IMPLEMENT_CLASS(TStyValidationEntity, TStyCustomComponent, nullptr)
