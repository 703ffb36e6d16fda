#pragma once
// Actions: a command kept apart from the controls and menu items that start it.  Each client
// holds a link to the action; the action tells its links of changes, and a client runs the
// action through its link.
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

class TBasicAction;

// A client's hold on an action.  Registered with the action while it points at one; an action that
// goes away leaves its links pointing at none.
class TBasicActionLink : public TObject {
    DECLARE_CLASS(TBasicActionLink, TObject)
public:
    // A descendant keeps its client in its own constructor.
    TBasicActionLink() = default;
    ~TBasicActionLink() override;
    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* Value);
    // Runs the action, with Component as the one that started it; false when nothing ran.
    virtual bool Execute(TComponent* AComponent = nullptr);
    virtual bool Update();
    // The client's own copy of the action's OnExecute: linked while the client has not been given
    // another handler; SetOnExecute hands the client a new one only then.
    virtual bool IsOnExecuteLinked() const { return true; }
    virtual void SetOnExecute(const TNotifyEvent& Value) { (void)Value; }
    // Fired (with the action as sender) when the action tells its clients it changed.
    TNotifyEvent OnChange;

protected:
    // The action changed: OnChange.
    virtual void Change();
    TBasicAction* FAction = nullptr;

private:
    friend class TBasicAction;
};

class TBasicAction : public TComponent {
    DECLARE_CLASS(TBasicAction, TComponent)
public:
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // Fires OnExecute; false when it has no handler.
    virtual bool Execute();
    // Fires OnUpdate, which brings the action's state up to date; false when it has no handler.
    virtual bool Update();
    // The control or menu item whose click is running the action (null outside Execute).
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* Value);

    TNotifyEvent OnExecute() const { return FOnExecute; }
    void SetOnExecute(const TNotifyEvent& Value);
    TNotifyEvent OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(const TNotifyEvent& Value) { FOnUpdate = Value; }
    // Fired after every change of the action, before its clients hear of it.
    TNotifyEvent OnChange;

    void RegisterChanges(TBasicActionLink* Value);
    void UnRegisterChanges(TBasicActionLink* Value);
    Integer ClientCount() const { return static_cast<Integer>(FClients.size()); }
    TBasicActionLink* Clients(Integer Index) const { return FClients.at(Index); }

protected:
    // OnChange, then every client's link.
    virtual void Change();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    std::vector<TBasicActionLink*> FClients;

private:
    TComponent* FActionComponent = nullptr;
    TNotifyEvent FOnExecute, FOnUpdate;
};
