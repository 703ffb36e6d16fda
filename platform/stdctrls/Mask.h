#pragma once
// The masked edit's shell: the native edit of platform/controls/StdCtrls.h with the state the
// program's edits build on (the mask text, the modified flag and the reset to the text the edit
// had when it was entered).  A mask is kept but not applied: typing is not filtered by it.
#include "platform/controls/StdCtrls.h"

class TCustomMaskEdit : public TCustomEdit {
    DECLARE_CLASS(TCustomMaskEdit, TCustomEdit)
public:
    explicit TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& value) { FEditMask = value; }
    bool IsMasked() const { return !FEditMask.IsEmpty(); }
    String EditText() const { return Text(); }
    void SetEditText(const String& value) { SetText(value); }
    // True once the user changed the text; writing the text by program clears it.
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    // Back to the text held when the edit was entered, when it was modified.
    virtual void Reset();
    void SetText(const String& value) override;

protected:
    void Change() override;
    void DoEnter() override;

private:
    String FEditMask;
    String FOldValue;
    bool FModified = false;
    bool FSettingText = false;
};

class TMaskEdit : public TCustomMaskEdit {
    DECLARE_CLASS(TMaskEdit, TCustomMaskEdit)
public:
    explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};
