#pragma once
// Chains of hook procedures on a control's WindowProc.  While at least one hook is installed the
// chain replaces the control's window procedure; the hook added last sees a message first and
// passes it on with CallPrev, or swallows it by not calling it.  A hooked control that is freed
// takes its chain with it.
#include <vector>

#include "platform/controls/Controls.h"

struct TStyHookContext;
using PStyHookContext = TStyHookContext*;
using TStyHookProc = TEvent<TMessage&, PStyHookContext>;

class TStyWindowProc {
public:
    class TItem;

    TStyWindowProc() = delete;
    static void Hook(TControl* AControl, const TStyHookProc& AProc);
    static void Unhook(TControl* AControl, const TStyHookProc& AProc);
    static bool IsHooked(TControl* AControl, const TStyHookProc& AProc);
};

class TStyWindowProc::TItem : public TObject {
public:
    explicit TItem(TControl* AControl) : FControl(AControl) {}
    ~TItem() override;
    void Add(const TStyHookProc& P);
    void Remove(const TStyHookProc& P);
    bool Contains(const TStyHookProc& P) const;
    // The control is going away: the item must not touch it any more.
    void ForgetControl() { FControl = nullptr; }

private:
    friend struct TStyHookContext;
    void Install();
    void Uninstall();
    void Dispatch(TMessage& M);

    TControl* FControl;
    TWndMethod FOldProc;
    std::vector<TStyHookProc> FProcs;
};

struct TStyHookContext {
    TStyWindowProc::TItem* FItem;
    Integer FIndex;   // the hook to call next
    // The control's former procedure as it was when the message arrived: a chain emptied while
    // the message is on its way still delivers it.
    TWndMethod FOldProc;
    // Hands the message to the next hook down the chain, or to the control's former procedure.
    void CallPrev(TMessage& M);
};
