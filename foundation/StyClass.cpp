// The application object of the styled-control library: the pool timers it hands out.
#include "foundation/StyClass.h"

#include "foundation/StyIniCtrl.h"
#include "foundation/StyStrings.h"
#include "platform/forms/Forms.h"
#include "platform/rtl/FileSys.h"

namespace {

constexpr Word FirstTimerIdent = 0xFD00;   // slot i has the identifier $FD00 + i, i = 1 .. 250

}  // namespace

IMPLEMENT_CLASS(TStyApplication, TComponent, nullptr)

TStyApplication::TStyApplication(TComponent*)
    : TComponent(nullptr), FTimerPool(new TStyTimerPool(nullptr, 50)), FIniCtrl(new TStyIniCtrl(nullptr))
{
}

TStyApplication::~TStyApplication()
{
    delete FIniCtrl;
    delete FTimerPool;
}

String TStyApplication::GetDefaultRegPath() const
{
    String path = "Software\\";
    if (!IsBlank(FCompany)) path += AddBackslash(FCompany);
    const String title = Application ? Application->Title() : String();
    path += AddBackslash(IsBlank(title) ? ProgramFileName() : title);
    if (!IsBlank(FVersion)) path += AddBackslash(FVersion);
    return path;
}

Integer TStyApplication::FreeTimerSlot() const
{
    for (size_t i = 0; i < FTimerSlots.size(); ++i)
        if (!FTimerSlots[i]) return static_cast<Integer>(i);
    return -1;
}

Word TStyApplication::AddTimer(Word wInterval, const TNotifyEvent& CallProc)
{
    Integer slot = FreeTimerSlot();
    if (slot < 0) return 0;
    Word ident = static_cast<Word>(FirstTimerIdent + slot + 1);
    FTimerPool->AddTimer(ident, wInterval, CallProc);
    FTimerSlots[static_cast<size_t>(slot)] = true;
    return ident;
}

Word TStyApplication::AddTimerExt(Word wInterval, Integer iCallCount, const TNotifyEvent& CallProc, bool bEnabled)
{
    Integer slot = FreeTimerSlot();
    if (slot < 0) return 0;
    Word ident = static_cast<Word>(FirstTimerIdent + slot + 1);
    FTimerPool->AddTimerExt(ident, wInterval, CallProc, bEnabled, iCallCount);
    FTimerSlots[static_cast<size_t>(slot)] = true;
    return ident;
}

void TStyApplication::RemoveTimer(Word Ident)
{
    if (Ident <= FirstTimerIdent || Ident > FirstTimerIdent + FTimerSlots.size()) return;
    FTimerPool->RemoveTimer(Ident);
    FTimerSlots[static_cast<size_t>(Ident - FirstTimerIdent - 1)] = false;
}

TStyTimerItem* TStyApplication::GetTimer(Word Ident) const
{
    return FTimerPool->GetTimer(Ident);
}

TStyApplication* StyApplication()
{
    static TStyApplication* application = new TStyApplication(nullptr);
    return application;
}
