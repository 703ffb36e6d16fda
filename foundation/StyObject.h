#pragma once
// The base of every value object a control or component owns as a property (captions,
// layouts, gradients, bevels, formats): an owner reference, a one-level update flag and a
// change event the owner assigns.
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"

class TStyObject : public TPersistent {
    DECLARE_CLASS(TStyObject, TPersistent)
public:
    explicit TStyObject(TPersistent* Owner);

    // There is no counter: nested calls do not stack, the first EndUpdate ends the update.
    void BeginUpdate() { FUpdate = 1; }
    void EndUpdate(bool aValue = true);
    bool IsUpdating() const { return FUpdate != 0; }

    TPersistent* Owner() const { return FOwner; }
    TPersistent* GetOwner() override { return FOwner; }

    virtual void GetChange(TObject* Sender);
    // OnChange(Self) unless updating; value objects that recompute first override it.
    virtual void Change();
    // A short summary of the settings for a property editor, such as "(Raised, 2)".
    virtual String GetSetStr() const { return String(); }

    TNotifyEvent OnChange;

private:
    TPersistent* FOwner;
    Byte FUpdate = 0;
};
