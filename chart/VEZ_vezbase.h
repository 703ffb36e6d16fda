#pragma once
// Base of the component library shared by the numerical classes and the chart:
// the exception family, the message scheme of its components, the shared array
// types and the process-wide progress report of the long numerical loops.
#include "platform/classes/Events.h"
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
using TDouble3DArray = DynArray<DynArray<DynArray<double>>>;

// Direction of matrix-vector copies and means.
enum TDims { dimX, dimY, dimL, dimT };
// Direction of an error-bar mark and of a matrix edge vector.
enum TOrientation { orVert, orHoriz };
// Reduction of each row or column of a matrix to one value.
enum TEdgeOp { eopMin, eopMax, eopSum, eopMean };
// Distance measure between the rows of a matrix.
enum TDistMode { dmJaccard, dmManhattan, dmEuclid, dmEuclidSqr, dmDice, dmUserDef };

// Told by the sorts of vectors and matrices for every exchange: ExchgWhat is 0 for
// vector elements, 1 for two columns and 2 for two rows; first and last bound the
// block that moved (0 for vector elements).
// Arguments: Sender, ExchgWhat, index1, index2, first, last.
using TSortExchgEvent = TEvent<TObject*, Byte, Integer, Integer, Integer, Integer>;
// Progress of a long operation, in percent.
using TOnPercentDoneEvent = TEvent<TObject*, Integer>;  // Sender, PercentDone

// Progress report of the library's long loops (one copy per process, unguarded).
using TProgressHook = void (*)(double counter);
extern double ProgressCounter;      // steps counted since the process started
extern TProgressHook ProgressHook;  // called with the counter after every counted step
extern bool ProgressAbort;          // when set, the long matrix operations stop and fail

// Counts one step: increases the counter and calls the hook when one is set.
void CountProgressStep();
