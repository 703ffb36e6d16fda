// The stack of saved renderer settings.
#include "styledcontrols/StyStack.h"

IMPLEMENT_CLASS(TStyStack, TStyDynLIFOBuffer, nullptr)
