#pragma once
// Asking a component for an interface, first through its IInterface and then through its own
// interface table.
#include "platform/classes/Component.h"

// A nil component gives false.  On success Obj holds the interface (no reference added).
bool StySupports(TComponent* Component, const TGUID& IID, void** Obj);
