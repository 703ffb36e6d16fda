#pragma once
// Components that watch every message of a control, before and after the control handles it.
// All components attached to one control share one hook in the control's window-procedure chain.
#include "foundation/StyCustomComponent.h"
#include "styledcontrols/StyWindowProcHook.h"

using TStyHookEvent = TEvent<TObject*, TMessage&, bool&>;

class TStyCustomHookComponent : public TStyCustomComponent {
    DECLARE_CLASS(TStyCustomHookComponent, TStyCustomComponent)
public:
    explicit TStyCustomHookComponent(TComponent* AOwner);
    ~TStyCustomHookComponent() override;

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    bool DesignActive() const { return FDesignActive; }
    void SetDesignActive(bool Value);
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);

    TStyHookEvent OnBeforeProcess;
    TStyHookEvent OnAfterProcess;

    virtual void DoBeforeProcess(TMessage& Message, bool& Handled);
    virtual void DoAfterProcess(TMessage& Message, bool& Handled);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void Activated() {}
    virtual void Deactivated() {}

private:
    bool IsDesigned() const;

    bool FActive = true;
    bool FDesignActive = false;
    TControl* FControl = nullptr;
};

class TStyHookComponent : public TStyCustomHookComponent {
    DECLARE_CLASS(TStyHookComponent, TStyCustomHookComponent)
public:
    explicit TStyHookComponent(TComponent* AOwner) : TStyCustomHookComponent(AOwner) {}
    TStyHookEvent OnMessage;
    void DoBeforeProcess(TMessage& Message, bool& Handled) override;
};
