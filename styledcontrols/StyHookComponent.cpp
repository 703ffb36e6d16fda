#include "styledcontrols/StyHookComponent.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/classes/TypInfo.h"

IMPLEMENT_CLASS(TStyCustomHookComponent, TStyCustomComponent, nullptr)

TClass TStyHookComponent::StaticClass()
{
    static const TMetaClass meta("TStyHookComponent", TStyCustomHookComponent::StaticClass(),
                                 NewComponent<TStyHookComponent>, [](TMetaClass& m) {
        using C = TStyHookComponent;
        TPublished<C>(&m)
            .Property("About", &C::About, &C::SetAbout).Stored(false)
            .Property("Control", &C::Control, &C::SetControl)
            .Property("OnMessage", &C::OnMessage);
    });
    return &meta;
}

namespace {

// The one hook of a control, shared by every component watching it.
class TCtlHook : public TObject {
public:
    explicit TCtlHook(TControl* AControl) : FControl(AControl) {}
    ~TCtlHook() override { TStyWindowProc::Unhook(FControl, TStyHookProc(this, &TCtlHook::HookProc)); }

    TControl* Control() const { return FControl; }
    void AddComp(TStyCustomHookComponent* C)
    {
        FComps.push_back(C);
        if (FComps.size() == 1) TStyWindowProc::Hook(FControl, TStyHookProc(this, &TCtlHook::HookProc));
    }
    void RemoveComp(TStyCustomHookComponent* C)
    {
        std::erase(FComps, C);
        if (FComps.empty()) TStyWindowProc::Unhook(FControl, TStyHookProc(this, &TCtlHook::HookProc));
    }
    bool HasComps() const { return !FComps.empty(); }
    // Frees the hook now, or once the message being processed is done with.
    void Release()
    {
        FReleased = true;
        if (FInProc == 0) delete this;
    }

private:
    void HookProc(TMessage& M, PStyHookContext C);

    TControl* FControl;
    std::vector<TStyCustomHookComponent*> FComps;
    Integer FInProc = 0;
    bool FReleased = false;
};

void TCtlHook::HookProc(TMessage& M, PStyHookContext C)
{
    if (M.Msg == WM_QUIT) return;
    ++FInProc;
    struct TLeave {
        TCtlHook* hook;
        ~TLeave()
        {
            if (--hook->FInProc == 0 && hook->FReleased) delete hook;
        }
    } leave{this};
    // Components may detach while their events run: walk a copy, skipping those gone.
    auto each = [this, &M](auto call) {
        bool handled = false;
        std::vector<TStyCustomHookComponent*> comps = FComps;
        for (auto it = comps.rbegin(); it != comps.rend() && !handled; ++it)
            if (std::find(FComps.begin(), FComps.end(), *it) != FComps.end()) call(*it, M, handled);
        return handled;
    };
    bool handled = each([](TStyCustomHookComponent* c, TMessage& m, bool& h) { c->DoBeforeProcess(m, h); });
    if (!handled) C->CallPrev(M);
    each([](TStyCustomHookComponent* c, TMessage& m, bool& h) { c->DoAfterProcess(m, h); });
}

std::vector<TCtlHook*>& HookList()
{
    static std::vector<TCtlHook*> list;
    return list;
}

TCtlHook* FindHook(TControl* C)
{
    for (TCtlHook* hook : HookList())
        if (hook->Control() == C) return hook;
    return nullptr;
}

void HookComponent(TStyCustomHookComponent* C)
{
    if (!C->Control()) return;
    TCtlHook* hook = FindHook(C->Control());
    if (!hook) {
        hook = new TCtlHook(C->Control());
        HookList().push_back(hook);
    }
    hook->AddComp(C);
}

void UnhookComponent(TStyCustomHookComponent* C)
{
    TCtlHook* hook = FindHook(C->Control());
    if (!hook) return;
    hook->RemoveComp(C);
    if (!hook->HasComps()) {
        std::erase(HookList(), hook);
        hook->Release();
    }
}

}  // namespace

TStyCustomHookComponent::TStyCustomHookComponent(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

TStyCustomHookComponent::~TStyCustomHookComponent()
{
    Destroying();
    SetControl(nullptr);
}

bool TStyCustomHookComponent::IsDesigned() const
{
    return ComponentState().Contains(csDesigning) || (Owner() && Owner()->ComponentState().Contains(csDesigning));
}

void TStyCustomHookComponent::SetActive(bool Value)
{
    if (Value == FActive) return;
    if (!IsDesigned() || FDesignActive) {
        if (!Value) {
            UnhookComponent(this);
            Deactivated();
        } else if (FControl) {
            HookComponent(this);
            Activated();
        }
    }
    FActive = Value;
}

void TStyCustomHookComponent::SetDesignActive(bool Value)
{
    if (Value == FDesignActive) return;
    FDesignActive = Value;
    if (!IsDesigned()) return;
    if (FActive && FControl && Value) HookComponent(this);
    else UnhookComponent(this);
}

void TStyCustomHookComponent::SetControl(TControl* Value)
{
    if (Value == FControl) return;
    bool wasActive = FActive;
    SetActive(false);
    if (FControl && !FControl->ComponentState().Contains(csDestroying)) FControl->RemoveFreeNotification(this);
    FControl = Value;
    if (FControl) {
        SetActive(wasActive);
        FControl->FreeNotification(this);
    }
}

void TStyCustomHookComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyCustomComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl) SetControl(nullptr);
}

void TStyCustomHookComponent::DoBeforeProcess(TMessage& Message, bool& Handled)
{
    OnBeforeProcess(this, Message, Handled);
}

void TStyCustomHookComponent::DoAfterProcess(TMessage& Message, bool& Handled)
{
    OnAfterProcess(this, Message, Handled);
}

void TStyHookComponent::DoBeforeProcess(TMessage& Message, bool& Handled)
{
    TStyCustomHookComponent::DoBeforeProcess(Message, Handled);
    OnMessage(this, Message, Handled);
}
