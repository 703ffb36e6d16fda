#pragma once
// The whole-number spin edit of the forms: LineSize, PageSize, MinValue, MaxValue and Value as
// integers through one indexed pair of accessors, an optional suffix, and the border of forms
// stored by older versions.
#include "styledcontrols/StyCustomExtSpinEdit.h"

class TStyCustomSpinEdit : public TStyCustomExtSpinEdit {
    DECLARE_CLASS(TStyCustomSpinEdit, TStyCustomExtSpinEdit)
public:
    explicit TStyCustomSpinEdit(TComponent* AOwner);

    // 0 LineSize, 1 PageSize, 2 MinValue, 3 MaxValue, 4 Value (read from the text).
    Integer GetIntValue(Integer Index);
    void SetIntValue(Integer Index, Integer Value);
    Integer LineSize() { return GetIntValue(0); }
    void SetLineSize(Integer Value) { SetIntValue(0, Value); }
    Integer PageSize() { return GetIntValue(1); }
    void SetPageSize(Integer Value) { SetIntValue(1, Value); }
    Integer MinValue() { return GetIntValue(2); }
    void SetMinValue(Integer Value) { SetIntValue(2, Value); }
    Integer MaxValue() { return GetIntValue(3); }
    void SetMaxValue(Integer Value) { SetIntValue(3, Value); }
    Integer Value() { return GetIntValue(4); }
    void SetValue(Integer Value) { SetIntValue(4, Value); }

protected:
    void DefineProperties(TFiler* Filer) override;
};

class TStySpinEdit : public TStyCustomSpinEdit {
    DECLARE_CLASS(TStySpinEdit, TStyCustomSpinEdit)
public:
    explicit TStySpinEdit(TComponent* AOwner) : TStyCustomSpinEdit(AOwner) {}
};
