// The timer pool: logical timers on one system timer of MinInterval milliseconds, and the
// TStyTimer that controls create on the pool or on a timer of their own.
#include "foundation/StyClass.h"
#include "platform/rtl/RtlConsts.h"

#include <vector>

#include "platform/classes/TypInfo.h"
#include "platform/controls/WindowSystem.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Timer.h"

namespace {

const char* const SIntervalNotCompatible = "Interval not compatible with MinInterval property!";
constexpr Integer GlobalTimerStep = 50;

}  // namespace

// ---------------------------------------------------------------- items

IMPLEMENT_CLASS(TStyTimerItem, TObject, nullptr)

TStyTimerItem::TStyTimerItem(TStyTimerPool* aOwner, Word Ident, TList* List)
    : FIdent(Ident), FList(List), FOwner(aOwner)
{
    if (!aOwner || !List) throw EInvalidOperation(ClassName() + ": Invalid Owner or List");
    FInternal = FInterval / aOwner->MinInterval();
}

TStyTimerItem::~TStyTimerItem()
{
    FEnabled = false;
    OnTimer = nullptr;
    FList->Remove(this);
}

void TStyTimerItem::SetCallCount(Integer Value)
{
    if (Value == FCallCount) return;
    FCallCount = Value < -1 ? -1 : Value;
    if (FCallCount == 0) SetEnabled(false);
}

void TStyTimerItem::SetEnabled(bool Value)
{
    if (Value == FEnabled) return;
    if (Value && FCallCount == 0) return;
    FEnabled = Value;
    FCounter = 0;
}

void TStyTimerItem::SetInterval(Word Value)
{
    const Integer minimum = FOwner->MinInterval();
    if (Value == 0) Value = static_cast<Word>(minimum);
    if (Value == FInterval || Value % minimum != 0) return;
    FInterval = Value;
    FInternal = FInterval / minimum;
    FCounter = 0;
}

void TStyTimerItem::Timer()
{
    if (!FEnabled) return;
    FCounter = FCounter == 0x7FFFFFFF ? 0 : FCounter + 1;
    if (FCounter == FCallCount) FEnabled = false;   // the last firing keeps its count
    if (OnTimer) OnTimer(FOwner);
    else if (FOwner->OnTimer) FOwner->OnTimer(FOwner, FIdent, FCounter);
}

// ---------------------------------------------------------------- pool

TClass TStyTimerPool::StaticClass()
{
    static const TMetaClass meta("TStyTimerPool", TStyCustomComponent::StaticClass(), NewComponent<TStyTimerPool>,
                                 [](TMetaClass& m) {
                                     TPublished<TStyTimerPool>(&m)
                                         .Property("About", &TStyTimerPool::About, &TStyTimerPool::SetAbout)
                                         .Property("MinInterval", &TStyTimerPool::MinInterval,
                                                   &TStyTimerPool::SetMinInterval)
                                         .Default(1000)
                                         .Property("OnTimer", &TStyTimerPool::OnTimer);
                                 });
    return &meta;
}

TStyTimerPool::TStyTimerPool(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

TStyTimerPool::TStyTimerPool(TComponent* aOwner, TStyTimerInterval MinInterval) : TStyCustomComponent(aOwner)
{
    FInterval = MinInterval;
}

TStyTimerPool::~TStyTimerPool()
{
    ClearTimers();
}

void TStyTimerPool::SetMinInterval(TStyTimerInterval Value)
{
    if (Value == FInterval || Value < 1 || Value > 65535) return;
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) FInterval = Value;
}

Integer TStyTimerPool::AddTimer(Word Ident, Word wInterval, const TNotifyEvent& CallProc)
{
    if (IndexOf(Ident) >= 0) throw EListError("Timer identifier " + IntToStr(Ident) + " is already in use");
    if (wInterval < FInterval || wInterval % FInterval != 0) throw Exception(SIntervalNotCompatible);
    auto* item = new TStyTimerItem(this, Ident, &FList);
    Integer index = FList.Add(item);
    item->SetInterval(wInterval);
    item->OnTimer = CallProc;
    StartStop(true);
    return index;
}

Integer TStyTimerPool::AddTimerExt(Word Ident, Word wInterval, const TNotifyEvent& CallProc, bool Enabled,
                                   Integer CallCount)
{
    Integer index = AddTimer(Ident, wInterval, CallProc);
    TStyTimerItem* item = static_cast<TStyTimerItem*>(FList.Items(index));
    item->SetCallCount(CallCount);
    item->SetEnabled(Enabled);
    return index;
}

void TStyTimerPool::RemoveTimer(Word Ident)
{
    FUpdate = 1;
    TStyTimerItem* item = GetTimer(Ident);
    if (item) {
        item->SetEnabled(false);
        item->OnTimer = nullptr;
        delete item;
        if (FList.Count() == 0) StartStop(false);
    }
    FUpdate = 0;
}

void TStyTimerPool::ClearTimers()
{
    StartStop(false);
    while (FList.Count() > 0) delete static_cast<TStyTimerItem*>(FList.Last());
}

TStyTimerItem* TStyTimerPool::GetTimer(Word Ident) const
{
    Integer index = IndexOf(Ident);
    return index < 0 ? nullptr : static_cast<TStyTimerItem*>(FList.Items(index));
}

Integer TStyTimerPool::IndexOf(Word Ident) const
{
    for (Integer i = 0; i < FList.Count(); ++i)
        if (static_cast<TStyTimerItem*>(FList.Items(i))->Ident() == Ident) return i;
    return -1;
}

Integer TStyTimerPool::ActiveTimers() const
{
    Integer count = 0;
    for (Integer i = 0; i < FList.Count(); ++i)
        if (static_cast<TStyTimerItem*>(FList.Items(i))->Enabled()) ++count;
    return count;
}

void TStyTimerPool::StartStop(bool Start)
{
    if (ComponentState().Contains(csDesigning)) return;
    FActive = false;
    StopLayerTimer(this);
    if (Start && ActiveTimers() > 0) {
        StartLayerTimer(this, static_cast<Cardinal>(FInterval), [this] { WMTimer(); });
        FPCounter = 1;
        FActive = true;
    }
}

void TStyTimerPool::WMTimer()
{
    if (FFLag) return;
    FFLag = true;
    try {
        Tick();
    } catch (...) {
        Application->HandleException(this);
    }
    FFLag = false;
}

void TStyTimerPool::Tick()
{
    if (FUpdate != 0) return;
    // Handlers may add or remove items: the items of the tick's start fire while still listed.
    std::vector<TStyTimerItem*> items;
    for (Integer i = 0; i < FList.Count(); ++i) items.push_back(static_cast<TStyTimerItem*>(FList.Items(i)));
    for (TStyTimerItem* item : items) {
        if (FList.IndexOf(item) < 0) continue;
        if (item->Enabled() && item->HitValue() > 0 && FPCounter % item->HitValue() == 0) item->Timer();
    }
    FPCounter = FPCounter == 0x7FFFFFFF ? 0 : FPCounter + 1;
}

// ---------------------------------------------------------------- styled timer

IMPLEMENT_CLASS(TStyTimer, TObject, nullptr)

TStyTimer::TStyTimer(Word gInterval, const TNotifyEvent& gTimer, bool gEnabled, bool gmode)
    : OnTimer(gTimer), FGlobalTimer(gmode), FEnabled(gEnabled), FInterval(gInterval)
{
    CreateTimer();
}

TStyTimer::~TStyTimer()
{
    ReleaseTimer();
}

void TStyTimer::SetGlobalMode(bool Value)
{
    if (Value == FGlobalTimer) return;
    ReleaseTimer();
    FGlobalTimer = Value;
    CreateTimer();
}

void TStyTimer::SetEnabled(bool Value)
{
    if (Value == FEnabled) return;
    FEnabled = Value;
    if (FTimer) FTimer->SetEnabled(Value);
    else if (TStyTimerItem* item = StyApplication()->GetTimer(FTimerID)) item->SetEnabled(Value);
}

void TStyTimer::SetInterval(Word Value)
{
    if (Value == FInterval) return;
    FInterval = Value;
    if (FTimer) FTimer->SetInterval(Value);
    else if (TStyTimerItem* item = StyApplication()->GetTimer(FTimerID)) item->SetInterval(Value);
}

void TStyTimer::CreateTimer()
{
    if (FGlobalTimer) {
        Integer interval = (FInterval + GlobalTimerStep - 1) / GlobalTimerStep * GlobalTimerStep;
        FTimerID = StyApplication()->AddTimer(static_cast<Word>(interval), TNotifyEvent(this, &TStyTimer::DoTimer));
        if (FTimerID == 0) throw EOutOfResources(SOutOfResourcesTimers);
        StyApplication()->GetTimer(FTimerID)->SetEnabled(FEnabled);
    } else {
        FTimer = new TTimer(nullptr);
        FTimer->SetEnabled(FEnabled);
        FTimer->SetInterval(FInterval);
        FTimer->SetOnTimer(TNotifyEvent(this, &TStyTimer::DoTimer));
    }
}

void TStyTimer::ReleaseTimer()
{
    if (FGlobalTimer) {
        if (TStyTimerItem* item = StyApplication()->GetTimer(FTimerID)) {
            item->SetEnabled(false);
            item->OnTimer = nullptr;
        }
        StyApplication()->RemoveTimer(FTimerID);
        FTimerID = 0;
    } else if (FTimer) {
        FTimer->SetEnabled(false);
        delete FTimer;
        FTimer = nullptr;
    }
}

void TStyTimer::DoTimer(TObject*)
{
    if (OnTimer) OnTimer(this);
}
