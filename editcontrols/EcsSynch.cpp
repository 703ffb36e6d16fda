#include "editcontrols/EcsSynch.h"

TEcsCriticalSection* LockedExchangeIfEqual(std::atomic<TEcsCriticalSection*>& Target, TEcsCriticalSection* Exchange,
                                           TEcsCriticalSection* Comparand)
{
    Target.compare_exchange_strong(Comparand, Exchange);
    return Comparand;
}

void TEcsCriticalSection::CreateAndEnter(std::atomic<TEcsCriticalSection*>& Section)
{
    if (!Section.load()) {
        auto* created = new TEcsCriticalSection;
        if (LockedExchangeIfEqual(Section, created, nullptr) != nullptr) delete created;
    }
    Section.load()->Enter();
}
