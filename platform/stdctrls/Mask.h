#pragma once
// The masked edit's shell: the native edit of Edits.h with the state the
// program's edits build on (the mask text and the reset to the text the edit had when it was
// entered).  A mask is kept but not applied: typing is not filtered by it.
#include "platform/stdctrls/Edits.h"

class TCustomMaskEdit : public TCustomEdit {
    DECLARE_CLASS(TCustomMaskEdit, TCustomEdit)
public:
    explicit TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& value) { FEditMask = value; }
    bool IsMasked() const { return !FEditMask.IsEmpty(); }
    String EditText() const { return Text(); }
    void SetEditText(const String& value) { SetText(value); }
    // Back to the text held when the edit was entered, when it was modified.
    virtual void Reset();
    // Writing the text by program clears the modified flag, also when the text stays the same.
    void SetText(const String& value) override;

protected:
    void DoEnter() override;

private:
    String FEditMask;
    String FOldValue;
};

class TMaskEdit : public TCustomMaskEdit {
    DECLARE_CLASS(TMaskEdit, TCustomMaskEdit)
public:
    explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};
