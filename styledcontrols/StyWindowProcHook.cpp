#include "styledcontrols/StyWindowProcHook.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

// Receives the free notifications of hooked controls and drops their items.
class TNotifier : public TComponent {
public:
    TNotifier() : TComponent(nullptr) {}
    void Notification(TComponent* AComponent, TOperation Operation) override;
};

struct THookState {
    std::map<TControl*, TStyWindowProc::TItem*> Items;
    std::set<TStyWindowProc::TItem*> Live;
    TNotifier Notifier;
    ~THookState()
    {
        for (auto& [control, item] : Items) {
            control->RemoveFreeNotification(&Notifier);
            delete item;
        }
    }
};

std::unique_ptr<THookState>& State()
{
    static std::unique_ptr<THookState> state;
    return state;
}

TStyWindowProc::TItem* FindItem(TControl* AControl)
{
    auto& state = State();
    if (!state || !AControl) return nullptr;
    auto it = state->Items.find(AControl);
    return it == state->Items.end() ? nullptr : it->second;
}

void TNotifier::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove) {
        auto& state = State();
        auto it = state->Items.find(static_cast<TControl*>(AComponent));
        if (it != state->Items.end()) {
            TStyWindowProc::TItem* item = it->second;
            state->Items.erase(it);
            state->Live.erase(item);
            // The control is already past its own destructor: its window procedure is gone.
            item->ForgetControl();
            delete item;
        }
    }
    TComponent::Notification(AComponent, Operation);
}

}  // namespace

void TStyWindowProc::Hook(TControl* AControl, const TStyHookProc& AProc)
{
    if (!AControl) return;
    auto& state = State();
    if (!state) state = std::make_unique<THookState>();
    TItem* item = FindItem(AControl);
    if (!item) {
        item = new TItem(AControl);
        AControl->FreeNotification(&state->Notifier);
        state->Items[AControl] = item;
        state->Live.insert(item);
    }
    item->Add(AProc);
}

void TStyWindowProc::Unhook(TControl* AControl, const TStyHookProc& AProc)
{
    if (TItem* item = FindItem(AControl)) item->Remove(AProc);
}

bool TStyWindowProc::IsHooked(TControl* AControl, const TStyHookProc& AProc)
{
    TItem* item = FindItem(AControl);
    return item && item->Contains(AProc);
}

TStyWindowProc::TItem::~TItem()
{
    Uninstall();
    if (FControl && State()) FControl->RemoveFreeNotification(&State()->Notifier);
}

bool TStyWindowProc::TItem::Contains(const TStyHookProc& P) const
{
    return std::find(FProcs.begin(), FProcs.end(), P) != FProcs.end();
}

void TStyWindowProc::TItem::Add(const TStyHookProc& P)
{
    if (!Contains(P)) FProcs.push_back(P);
    Install();
}

void TStyWindowProc::TItem::Remove(const TStyHookProc& P)
{
    auto it = std::find(FProcs.begin(), FProcs.end(), P);
    if (it != FProcs.end()) FProcs.erase(it);
    if (FProcs.empty()) Uninstall();
}

void TStyWindowProc::TItem::Install()
{
    if (!FControl || FOldProc.Assigned()) return;
    FOldProc = FControl->WindowProc;
    FControl->WindowProc = TWndMethod(this, &TItem::Dispatch);
}

void TStyWindowProc::TItem::Uninstall()
{
    bool controlAlive = FControl && !FControl->ComponentState().Contains(csDestroying);
    if (controlAlive && FOldProc.Assigned() && FControl->WindowProc == TWndMethod(this, &TItem::Dispatch))
        FControl->WindowProc = FOldProc;
    FOldProc = nullptr;
}

void TStyWindowProc::TItem::Dispatch(TMessage& M)
{
    auto& state = State();
    if (!state || !state->Live.contains(this)) return;
    TStyHookContext context{this, static_cast<Integer>(FProcs.size()) - 1, FOldProc};
    context.CallPrev(M);
}

void TStyHookContext::CallPrev(TMessage& M)
{
    Integer i = std::min(FIndex, static_cast<Integer>(FItem->FProcs.size()) - 1);
    if (i < 0) {
        FOldProc(M);
        return;
    }
    TStyHookContext next{FItem, i - 1, FOldProc};
    TStyHookProc proc = FItem->FProcs[static_cast<size_t>(i)];
    proc(M, &next);
}
