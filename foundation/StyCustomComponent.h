#pragma once
// The base of every non-visual component of the styled-control library: a component with a
// nested update counter and a change event.
#include "foundation/StyTypes.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

class TStyCustomComponent : public TComponent {
    DECLARE_CLASS(TStyCustomComponent, TComponent)
public:
    explicit TStyCustomComponent(TComponent* AOwner);

    void BeginUpdate();
    // Closes one update; the outermost one notifies when aValue is true.  A call with the
    // counter already at 0 still notifies.
    void EndUpdate(bool aValue = true);
    bool IsUpdating() const { return FUpdateCount != 0; }

    virtual TStyPackageID getStyPackage() const { return StyFoundationPackage; }

    // Fits an OnChange handler of owned value objects.
    virtual void GetChange(TObject* Sender);
    // OnChange(Self) unless updating.
    virtual void Change();

    const TStyAboutVar& About() const { return FAbout; }
    void SetAbout(const TStyAboutVar&) {}   // design-time text, never stored
    TNotifyEvent OnChange;

protected:
    TStyAboutVar FAbout;

private:
    Word FUpdateCount = 0;
};
