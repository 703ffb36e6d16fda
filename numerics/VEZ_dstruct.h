#pragma once
// Sorting, selection and exchange routines on plain arrays, and the comb sort shared
// by the library's containers.
#include <cmath>

#include "chart/VEZ_vezbase.h"
#include "platform/rtl/Types.h"

// The gap of the next comb-sort pass: gap / 1.3 truncated, at least 1.
inline int NextCombGap(int gap)
{
    int next = static_cast<int>(gap / 1.3L);
    return next < 1 ? 1 : next;
}

// Comb sort over positions first..last.  outOfOrder(i, j) (i < j) tells whether the
// entries at i and j must be exchanged; exchange(i, j) exchanges them; afterPass() runs
// after every pass.  The first pass uses NextCombGap(initialGap).  Passes repeat until a
// pass with gap 1 made no exchange, so outOfOrder must be a strict ordering for the sort
// to end.
template <class OutOfOrder, class Exchange, class AfterPass>
void CombSort(int first, int last, int initialGap, OutOfOrder outOfOrder, Exchange exchange, AfterPass afterPass)
{
    int gap = initialGap;
    bool exchanged;
    do {
        gap = NextCombGap(gap);
        exchanged = false;
        for (int i = first; i + gap <= last; ++i) {
            if (outOfOrder(i, i + gap)) {
                exchange(i, i + gap);
                exchanged = true;
            }
        }
        afterPass();
    } while (gap > 1 || exchanged);
}

// Whether b must come before a in the given direction; a NaN goes after every number
// in both directions, so sorts over values that hold NaN come to an end.
inline bool SortsBefore(double b, double a, bool ascending)
{
    if (std::isnan(b)) return false;
    if (std::isnan(a)) return true;
    return ascending ? b < a : b > a;
}
inline bool SortsBefore(Integer b, Integer a, bool ascending) { return ascending ? b < a : b > a; }

// Comb sorts of whole 0-based arrays; every pass counts one progress step.
void SortDoubleArray(TDoubleArray& data, bool ascending);
void SortIntegerArray(TIntArray& data, bool ascending);

// The k-th smallest of the entries lo..hi (0-based), reordering them in place; NaN
// counts as larger than every number.  k outside lo..hi is taken as the nearer end;
// hi < lo gives 0.
double SelectKthSmallest(TDoubleArray& data, Integer k, Integer lo, Integer hi);

void SwapIntegers(Integer& a, Integer& b);
void SwapDoubles(double& a, double& b);
void SwapExtendeds(Extended& a, Extended& b);

// The transpose of a matrix held column by column (m[c][r] for cols x rows
// entries): t[r][c].  Raises std::bad_alloc when it cannot be allocated.
template <class Array2D>
Array2D TransposedColumns(const Array2D& m, Integer cols, Integer rows)
{
    Array2D t;
    t.SetLength(rows);
    for (Integer r = 0; r < rows; ++r) {
        t[r].SetLength(cols);
        for (Integer c = 0; c < cols; ++c) t[r][c] = m[c][r];
    }
    return t;
}

// Whether a block of the given size can be allocated: false when a large request
// exceeds the memory the machine has free, so that it is reported as lack of memory
// instead of driving the system out of memory while the block is being filled.
bool AllocationFits(double bytes);
