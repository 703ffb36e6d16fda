#include "platform/rtl/Threads.h"

#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/rtl/Exceptions.h"

TThread::~TThread()
{
    if (!FThread.joinable()) return;
    if (!FFinished) {
        std::fputs("A thread was destroyed while its Execute was running; its class must call "
                   "TerminateAndWaitFor in its destructor.\n", stderr);
        std::abort();
    }
    FThread.join();
}

void TThread::TerminateAndWaitFor()
{
    Terminate();
    WaitFor();
}

void TThread::Start()
{
    if (FStarted.exchange(true))
        throw EThread("Thread already started");
    std::lock_guard guard(FLock);   // Run waits until FThread is set
    FThread = std::thread(&TThread::Run, this);
}

void TThread::Run()
{
    { std::lock_guard guard(FLock); }
    try {
        Execute();
    } catch (...) {
        FFatalException = std::current_exception();
    }
    if (OnTerminate) {
        try {
            OnTerminate(*this);
        } catch (...) {
            if (!FFatalException)
                FFatalException = std::current_exception();
        }
    }
    if (FFreeOnTerminate) {
        FThread.detach();
        delete this;
        return;
    }
    {
        std::lock_guard guard(FLock);
        FFinished = true;
    }
    FDone.notify_all();
}

Integer TThread::WaitFor()
{
    if (FStarted && FThread.get_id() == std::this_thread::get_id())
        throw EThread("A thread cannot wait for itself");
    if (FStarted) {
        std::unique_lock lock(FLock);
        FDone.wait(lock, [this] { return FFinished.load(); });
    }
    return FReturnValue;
}

Integer TThread::ProcessorCount()
{
    unsigned n = std::thread::hardware_concurrency();
    return n > 0 ? static_cast<Integer>(n) : 1;
}

namespace {

Int64 MonotonicNanoseconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<Int64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

}  // namespace

namespace {
std::atomic<const TTickClock*> gTickClock = nullptr;
}  // namespace

void SetTickClock(const TTickClock* clock) { gTickClock = clock; }

Cardinal GetTickCount()
{
    if (const TTickClock* clock = gTickClock) return clock->TickCount();
    return static_cast<Cardinal>(static_cast<UInt64>(MonotonicNanoseconds() / 1000000));
}

bool QueryPerformanceCounter(Int64& count)
{
    count = MonotonicNanoseconds();
    return true;
}

bool QueryPerformanceFrequency(Int64& frequency)
{
    frequency = 1000000000;
    return true;
}

void Sleep(Cardinal milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
