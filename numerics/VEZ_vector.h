#pragma once
// TVector: growable vector of doubles counted from 1.  A read outside the bounds gives
// 0 and a write outside is ignored; element ranges are normalised, never rejected; the
// only errors are allocation failures.
#include "chart/VEZ_vezbase.h"
#include "platform/classes/Component.h"

DORVANE_EXCEPTION(EVEZVectorError, EVEZError);

class TVector : public TComponent {
    DECLARE_CLASS(TVector, TComponent)
public:
    // One element of value 0; IsEmpty true; no handlers.
    explicit TVector(TComponent* AOwner);
    ~TVector() override;

    // From a TVector: size, IsEmpty, elements and both handlers, without any event.
    void Assign(TPersistent* Source) override;

    Integer NrOfElem() const { return FNElem; }
    // Resizes when Value > 0 and differs from the current size.
    void SetNrOfElem(Integer Value);
    bool IsEmpty() const { return FIsEmpty; }
    void SetIsEmpty(bool Value) { FIsEmpty = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TSortExchgEvent& OnSortExchange() const { return FOnSortExchange; }
    void SetOnSortExchange(const TSortExchgEvent& Value) { FOnSortExchange = Value; }

    // NE equal to the size: true, nothing else; NE < 1: false; otherwise keeps elements
    // 1..min(old, new), new ones 0, fires OnChange.  EVEZVectorError when memory runs out.
    bool Resize(Integer NE);
    double GetVal(Integer Elem) const;
    // Inside the bounds: stores, clears IsEmpty, fires OnChange; otherwise nothing.
    void SetVal(Integer Elem, double Value);
    // 0, 0 is the whole vector; each bound clamped to 1..NrOfElem; a reversed range
    // turned round.
    void MakeValidElemRange(Integer& LowElem, Integer& HighElem) const;
    void Changed();

    // Size and elements of the source through SetVal, then OnChange once more.
    void Clone(TVector* VecSource);
    // Source elements SourceElemLo..SourceElemHi (clamped to the source) to positions
    // from DestElem on; positions outside this vector are dropped.
    void CopyFrom(TVector* VecSource, Integer SourceElemLo, Integer SourceElemHi, Integer DestElem);
    void CopyToArray(TDoubleArray& DestArray, Integer LowElem, Integer HighElem) const;
    void CopyFromArray(const TDoubleArray& SrcArray, Integer Elem);
    void Fill(double value);
    // Every element 0, IsEmpty true; the size stays.
    void Clear();

    // Smallest and largest element of the range; the first position wins on ties.  A NaN
    // makes both NaN, at its position.
    void MinMax(Integer LowElem, Integer HighElem, double& Minimum, double& Maximum) const;
    void MinMax(Integer LowElem, Integer HighElem, double& Minimum, double& Maximum, Integer& MinIx,
                Integer& MaxIx) const;
    // Comb sort of a range in place (0, 0 the whole vector); not stable; NaN values go
    // after every number in both directions.
    void SortElems(bool Ascending, Integer RangeFirst, Integer RangeLast);
    // Reverses the order of the elements.
    void Mirror();
    // Random permutation; reseeds the process-wide generator from the clock first.
    void ShuffleElems();

protected:
    void AssignTo(TPersistent* Dest) override;
    // Raises EVEZVectorError with the component message of the given tail.
    [[noreturn]] void Fail(const String& tail) const;

    Integer FNElem = 1;
    bool FIsEmpty = true;
    TDoubleArray FVec;  // element k at entry k-1; length FNElem
    TNotifyEvent FOnChange;
    TSortExchgEvent FOnSortExchange;
};
