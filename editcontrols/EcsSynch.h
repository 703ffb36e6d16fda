#pragma once
// A critical section: a mutex owned by the object, entered again by the thread that holds it.
#include <atomic>
#include <mutex>

class TEcsCriticalSection {
public:
    void Enter() { FCriticalSection.lock(); }
    void Leave() { FCriticalSection.unlock(); }
    // Installs a new section in an empty variable (the first thread's wins; a later one is freed)
    // and enters the installed one.
    static void CreateAndEnter(std::atomic<TEcsCriticalSection*>& Section);

private:
    std::recursive_mutex FCriticalSection;
};

// Target := Exchange when it still holds Comparand; the previous content.
TEcsCriticalSection* LockedExchangeIfEqual(std::atomic<TEcsCriticalSection*>& Target, TEcsCriticalSection* Exchange,
                                           TEcsCriticalSection* Comparand);
