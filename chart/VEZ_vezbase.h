#pragma once
// Base of the component library shared by the numerical classes and the chart:
// the exception family, the message scheme of its components, the shared array
// types and the process-wide progress report of the long numerical loops.
#include "platform/classes/DynArray.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/UString.h"

// Root of the library's exceptions; each unit raises its own descendant.
DORVANE_EXCEPTION(EVEZError, Exception);

// "Component "<Name>"<tail>", the text of every component message of the library;
// the tail starts with ": ".
String ComponentMessage(const String& componentName, const String& tail);

// Shared growable arrays; in the two-dimensional ones the first index is the column.
using TDoubleArray = DynArray<double>;
using TIntArray = DynArray<int>;
using TDouble2DArray = DynArray<DynArray<double>>;
using TInt2DArray = DynArray<DynArray<int>>;
using TBool2DArray = DynArray<DynArray<bool>>;
using TStr2DArray = DynArray<DynArray<String>>;

// Progress report of the library's long loops (one copy per process, unguarded).
using TProgressHook = void (*)(double counter);
extern double ProgressCounter;      // steps counted since the process started
extern TProgressHook ProgressHook;  // called with the counter after every counted step
extern bool ProgressAbort;          // when set, the long matrix operations stop and fail

// Counts one step: increases the counter and calls the hook when one is set.
void CountProgressStep();
