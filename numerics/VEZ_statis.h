#pragma once
// TRandGen: random numbers drawn from a density held as a table of bins over an
// interval, by acceptance-rejection with linear interpolation inside a bin.  Draws
// come from the process-wide generator, so a run started after program start always
// produces the same numbers.
#include "chart/VEZ_vezbase.h"
#include "platform/classes/Component.h"

DORVANE_EXCEPTION(EVEZStatisError, EVEZError);

class TRandGen : public TComponent {
    DECLARE_CLASS(TRandGen, TComponent)
public:
    // 500 bins of value 1, borders 0 and 0.
    explicit TRandGen(TComponent* AOwner);
    ~TRandGen() override;

    // The borders are plain values: writing them leaves the table alone.
    double LowBorder() const { return FLowBorder; }
    void SetLowBorder(double Value) { FLowBorder = Value; }
    double HighBorder() const { return FHighBorder; }
    void SetHighBorder(double Value) { FHighBorder = Value; }
    Integer Resolution() const { return FResolution; }
    // Clamps to 10..4000 bins and resets every bin to 1, also for an unchanged value.
    void SetResolution(Integer Value);

    // One draw: LowBorder + (bin + a) * (HighBorder - LowBorder) / Resolution.
    double Random();

    // Bin Idx (1..Resolution); 0 outside.
    double GetProbability(Integer Idx) const;
    // Stores Value clamped to 0..1 (NaN as 0) in bin Idx; nothing outside.
    void SetProbability(Integer Idx, double Value);
    // Left edge of bin ix; LowBorder below bin 1, HighBorder above the last.
    double GetLambda(Integer ix) const;
    // Bin of Lambda; 0 below LowBorder (or NaN), Resolution + 1 from HighBorder on.
    Integer IndexOfLambda(double Lambda) const;

    // Maps the table linearly onto 0..1; nothing when all bins are equal.
    void Normalize();
    // Divides every bin by the table's maximum; false (nothing changed) when it is 0.
    bool Standardize();

    // Density fillers; each writes every bin at its left edge and fires no event.
    // NormalDistri and UniformDistri peak at 1, the others give true densities.
    void UniformDistri();
    void NormalDistri(double m, double s);
    // Degrees of freedom below 1 leave a table of zeros (the density is undefined).
    void tDistri(Integer df);
    void Chi2Distri(Integer df);
    void FDistri(Integer df1, Integer df2);
    void WeibullDistri(double beta, double eta);

protected:
    [[noreturn]] void Fail(const String& tail) const;
    // Sets the table to Resolution bins of value 1.
    void ResetTable(const String& failureTail);
    // Left edge of bin i (1-based), computed in extended precision.
    double BinEdge(Integer i) const;
    // Sets every bin to density(left edge).
    template <class Density>
    void FillTable(Density density);

    double FLowBorder = 0;
    double FHighBorder = 0;
    Integer FResolution = 500;
    TDoubleArray FDistVec;  // bin i at entry i-1
};

// ln Γ(z) by the Lanczos series; 0 for z <= 0.
double LnGamma(double z);
