#pragma once
// A component that many clients observe.  Each client holds a TStyChangeLink of its own; the
// controller lists the links and tells each of them of a change, in registration order.
#include "foundation/StyCustomComponent.h"
#include "platform/rtl/Lists.h"

class TStyBaseController;

class TStyChangeLink : public TObject {
    DECLARE_CLASS(TStyChangeLink, TObject)
public:
    TStyChangeLink() = default;
    ~TStyChangeLink() override;   // leaves its controller first

    // OnChange with the controller (not the link) as Sender.
    virtual void Change();

    TStyBaseController* Sender() const { return FSender; }
    void SetSender(TStyBaseController* value) { FSender = value; }
    TNotifyEvent OnChange;

private:
    TStyBaseController* FSender = nullptr;
};

class TStyBaseController : public TStyCustomComponent {
    DECLARE_CLASS(TStyBaseController, TStyCustomComponent)
public:
    explicit TStyBaseController(TComponent* AOwner);
    // Unregisters every link, so clients that outlive the controller hold links without Sender.
    ~TStyBaseController() override;

    // A link registered twice is listed twice; nil is ignored.
    void RegisterChanges(TStyChangeLink* aValue);
    // Removes the first occurrence of the link; an unknown link is ignored.
    void UnRegisterChanges(TStyChangeLink* aValue);
    int ClientCount() const { return FClients ? FClients->Count() : 0; }

    // Silent while updating or loading; otherwise OnChange, then every link from the first.
    void Change() override;

private:
    TList* FClients;
};
