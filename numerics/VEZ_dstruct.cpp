#include "numerics/VEZ_dstruct.h"

#include <unistd.h>

#include <fstream>
#include <string>
#include <utility>

namespace {

template <class T>
void SortArray(DynArray<T>& data, bool ascending)
{
    int n = data.Length();
    if (n <= 1) return;
    CombSort(
        0, n - 1, n, [&](int i, int j) { return SortsBefore(data[j], data[i], ascending); },
        [&](int i, int j) { std::swap(data[i], data[j]); }, [] { CountProgressStep(); });
}

}  // namespace

void SortDoubleArray(TDoubleArray& data, bool ascending) { SortArray(data, ascending); }
void SortIntegerArray(TIntArray& data, bool ascending) { SortArray(data, ascending); }

double SelectKthSmallest(TDoubleArray& data, Integer k, Integer lo, Integer hi)
{
    if (hi < lo) return 0;
    if (k < lo) k = lo;
    if (k > hi) k = hi;
    bool allEqual = true;
    for (int i = lo + 1; i <= hi && allEqual; ++i) allEqual = data[i] == data[lo];
    if (allEqual) return data[lo];
    for (;;) {
        std::swap(data[lo], data[(lo + hi) / 2]);
        double pivot = data[lo];
        int p = lo;
        for (int i = lo + 1; i <= hi; ++i)
            if (SortsBefore(data[i], pivot, true)) std::swap(data[++p], data[i]);
        std::swap(data[lo], data[p]);
        if (k < p)
            hi = p;
        else if (k > p)
            lo = p + 1;
        else
            return data[k];
    }
}

void SwapIntegers(Integer& a, Integer& b) { std::swap(a, b); }
void SwapDoubles(double& a, double& b) { std::swap(a, b); }
void SwapExtendeds(Extended& a, Extended& b) { std::swap(a, b); }

namespace {

// Memory the system can hand out without swapping (MemAvailable), else its physical size.
double AvailableMemory()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    double kilobytes;
    while (meminfo >> key >> kilobytes) {
        if (key == "MemAvailable:") return kilobytes * 1024;
        meminfo.ignore(256, '\n');
    }
    return static_cast<double>(sysconf(_SC_PHYS_PAGES)) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

}  // namespace

bool AllocationFits(double bytes)
{
    const double small = 64.0 * 1024 * 1024;  // granted without asking the system
    return bytes <= small || bytes <= AvailableMemory();
}
